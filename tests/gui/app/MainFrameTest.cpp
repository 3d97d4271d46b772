#include "app/AppFixture.h"
#include "paint/ArcPlotOutput.h"
#include "plot/PageLayout.h"
#include "view/ZenbeltsView.h"

#include "plot/RecordingSurface.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QPrinter>
#include <QVBoxLayout>

namespace zenbelts::testing_support {
namespace {

class MainFrame : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        StartWithStoredDefault();
        frame_ = app_->MainFrame();
    }

    QStringList MenuTitles() const
    {
        QStringList titles;
        for (QAction* action : frame_->menuBar()->actions()) {
            if (action->isVisible())
                titles.append(action->text().remove(QLatin1Char('&')));
        }
        return titles;
    }

    QStringList WindowTitles() const
    {
        QStringList titles;
        for (QMdiSubWindow* window : frame_->MdiArea()->subWindowList(QMdiArea::CreationOrder))
            titles.append(CMainFrame::ShownTitle(*window));
        return titles;
    }

    CMainFrame* frame_ = nullptr;
};

TEST_F(MainFrame, MenuBarFollowsWhetherADocumentIsOpen)
{
    EXPECT_EQ(MenuTitles(), (QStringList{"File", "Edit", "View", "Window", "Help"}));
    EXPECT_EQ(frame_->LocationPane(), QString::fromUtf8(" Location: 43°20'N, 77°00'E"));
    frame_->actions().fileClose->trigger();
    Settle();
    EXPECT_TRUE(app_->Documents().isEmpty());
    EXPECT_EQ(MenuTitles(), (QStringList{"File", "View", "Help"}));
    EXPECT_FALSE(frame_->actions().fileSave->isEnabled());
    EXPECT_TRUE(frame_->LocationPane().isEmpty());
    frame_->actions().fileNew->trigger();
    Settle();
    EXPECT_EQ(MenuTitles().size(), 5);
}

TEST_F(MainFrame, WindowTitlesNumberDocumentsAndTheirWindows)
{
    app_->NewDocument();
    Settle();
    EXPECT_EQ(WindowTitles(), (QStringList{"Zenbelt1", "Zenbelt2"}));
    frame_->actions().windowNew->trigger();
    Settle();
    EXPECT_EQ(WindowTitles(), (QStringList{"Zenbelt1", "Zenbelt2:1", "Zenbelt2:2"}));
    ASSERT_EQ(app_->Documents().size(), 2);
    frame_->MdiArea()->subWindowList(QMdiArea::CreationOrder).last()->close();
    Settle();
    EXPECT_EQ(WindowTitles(), (QStringList{"Zenbelt1", "Zenbelt2"}));
    EXPECT_EQ(app_->Documents().size(), 2) << "the document lives while it has a window";
}

TEST_F(MainFrame, ChangesInTheActiveDocumentReachTheStatusBar)
{
    CZenbeltsDoc* doc = frame_->ActiveDocument();
    ASSERT_NE(doc, nullptr);
    Change(*doc, [](MountSettings& s) {
        s.latitude = -754;
        s.longitude = -905;
    });
    Settle();
    EXPECT_EQ(frame_->LocationPane(), QString::fromUtf8(" Location: 12°34'S, 15°05'W"));
}

TEST_F(MainFrame, EditCommandsFollowTheFocusedField)
{
    QWidget host;
    auto* layout = new QVBoxLayout(&host);
    auto* edit = new QLineEdit(QStringLiteral("12.5"));
    auto* other = new QWidget;
    other->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(edit);
    layout->addWidget(other);
    host.show();
    QApplication::setActiveWindow(&host);
    edit->setFocus();
    Settle();
    ASSERT_EQ(CMainFrame::FocusedEdit(), edit);

    const CMainFrame::Actions& a = frame_->actions();
    edit->setSelection(0, 2);
    Settle();
    EXPECT_TRUE(a.editCut->isEnabled());
    EXPECT_TRUE(a.editCopy->isEnabled());
    EXPECT_TRUE(a.editPaste->isEnabled());

    edit->deselect();
    Settle();
    EXPECT_FALSE(a.editCut->isEnabled());
    EXPECT_FALSE(a.editCopy->isEnabled());
    EXPECT_TRUE(a.editPaste->isEnabled());

    edit->selectAll();
    Settle();
    a.editCut->trigger();
    EXPECT_TRUE(edit->text().isEmpty());
    a.editPaste->trigger();
    EXPECT_EQ(edit->text(), QStringLiteral("12.5"));

    other->setFocus();
    Settle();
    for (QAction* action : {a.editCut, a.editCopy, a.editPaste})
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
}

TEST_F(MainFrame, APageTooSmallForThePlotSaysSoInsteadOfPrintingBlank)
{
    CZenbeltsView* view = frame_->ActiveView();
    ASSERT_NE(view, nullptr);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path(QStringLiteral("small.pdf")));
    // A5 portrait with margins of 6 cm: little more than a stamp is left.
    printer.setPageSize(QPageSize(QPageSize::A5));
    printer.setPageMargins(QMarginsF(60, 60, 60, 60), QPageLayout::Millimeter);
    EXPECT_FALSE(frame_->PageHoldsThePlot(printer, *view));
    EXPECT_FALSE(frame_->PrintView(printer, *view));
    // The page carries the message, which the preview shows.
    const QByteArray pdf = ReadFile(QStringLiteral("small.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 1);

    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    EXPECT_TRUE(frame_->PageHoldsThePlot(printer, *view));
}

TEST_F(MainFrame, PrintingToPdfGivesOnePageLaidOutFromTheWindow)
{
    CZenbeltsView* view = frame_->ActiveView();
    ASSERT_NE(view, nullptr);
    // The window's size follows the free area of the screen; the page follows the window.
    ASSERT_FALSE(view->size().isEmpty());
    EXPECT_LE(view->width(), frame_->MdiArea()->viewport()->width());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path(QStringLiteral("page.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_TRUE(frame_->PrintView(printer, *view));

    const QByteArray pdf = ReadFile(QStringLiteral("page.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 1);
    EXPECT_TRUE(pdf.contains("Mono")) << "the legend's fixed-pitch font";

    // The same drawing, recorded: the legend sits below the plot and reads right.
    RecordingSurface recorded;
    const DeviceMetrics metrics = PageMetrics(printer, view->ScreenMetrics());
    DrawArcPlot(recorded, {view->Document().Settings(), app_->Catalogue(), view->width(), view->height(),
                           true, metrics, app_->ScreenObjects()});
    ASSERT_GE(recorded.texts.size(), 6u);
    const auto legend = LegendLines(view->Document().Settings());
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(recorded.texts[i].text, legend[i]);
    EXPECT_EQ(recorded.texts[0].text, "Location:         43\u00b020'N, 77\u00b000'E; Alt: 0 m");
    EXPECT_GT(recorded.texts[0].at.y, recorded.clips.at(0).bottom);
}

}  // namespace
}  // namespace zenbelts::testing_support
