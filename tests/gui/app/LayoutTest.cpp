#include "app/AppFixture.h"
#include "app/TidyLayout.h"
#include "controls/AdjustmentBar.h"
#include "controls/NumericEdit.h"
#include "dialogs/GeneralPage.h"
#include "view/MissTable.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QScrollBar>
#include <QTableView>

namespace zenbelts::testing_support {
namespace {

// Lays a free-standing widget out at the size it asks for.
void ShowAtPreferredSize(QWidget& w)
{
    w.show();
    // Pending layout requests first: a text may just have changed.
    QApplication::processEvents();
    w.resize(w.sizeHint());
    QApplication::processEvents();
}

QFont Scaled(const QFont& font, double factor)
{
    QFont scaled = font;
    scaled.setPointSizeF(font.pointSizeF() * factor);
    return scaled;
}

TEST(PanelLayout, NothingOverlapsOrClipsAtTheFontAndOneAndAHalfTimesIt)
{
    QSize preferred[2];
    const double factors[2] = {1.0, 1.5};
    for (int i = 0; i < 2; ++i) {
        CAdjustmentBar bar;
        if (factors[i] != 1.0)
            bar.setFont(Scaled(bar.font(), factors[i]));
        ShowAtPreferredSize(bar);
        preferred[i] = bar.widget()->size();
        ExpectTidy(bar.widget(), QStringLiteral("font x%1").arg(factors[i]));
    }
    EXPECT_GT(preferred[1].width(), preferred[0].width() * 5 / 4);
    EXPECT_GT(preferred[1].height(), preferred[0].height() * 5 / 4);
}

TEST(PanelLayout, LongerTextsWidenThePanel)
{
    CAdjustmentBar bar;
    ShowAtPreferredSize(bar);
    const int before = bar.widget()->width();
    // As a translation might have them.
    for (QLabel* label : bar.widget()->findChildren<QLabel*>())
        label->setText(label->text() + QStringLiteral(" Verstellung"));
    bar.LockSatellitesBox()->setText(QStringLiteral("Satellitenpositionen festhalten"));
    ShowAtPreferredSize(bar);
    EXPECT_GT(bar.widget()->width(), before);
    ExpectTidy(bar.widget(), QStringLiteral("long texts"));
}

TEST(PanelLayout, TabOrderRunsDownTheGroups)
{
    CAdjustmentBar bar;
    ShowAtPreferredSize(bar);
    const QList<QWidget*> expected = {
        bar.Slider(Adjustment::PoleNS),
        bar.Slider(Adjustment::MotorElevation),
        bar.Slider(Adjustment::Declination),
        bar.Edit(Adjustment::PoleNS),
        bar.Edit(Adjustment::MotorElevation),
        bar.Edit(Adjustment::Declination),
        bar.AutoDeclinationBox(),
        bar.Slider(Adjustment::PoleEW),
        bar.Slider(Adjustment::MotorAzimuth),
        bar.Slider(Adjustment::DishAzimuth),
        bar.Edit(Adjustment::PoleEW),
        bar.Edit(Adjustment::MotorAzimuth),
        bar.Edit(Adjustment::DishAzimuth),
        bar.LockSatellitesBox(),
    };
    QList<QWidget*> order;
    QWidget* w = expected.first();
    for (int steps = 0; steps < 200 && order.size() < expected.size(); ++steps, w = w->nextInFocusChain()) {
        // A field's own line edit stands for the field.
        QWidget* control = qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ? w->parentWidget() : w;
        if (expected.contains(control) && (order.isEmpty() || order.last() != control))
            order.append(control);
    }
    ASSERT_EQ(order.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(order[i], expected[i]) << "stop " << i << ": " << Describe(order[i]).toStdString();
}

TEST(GeneralPageLayout, NothingOverlapsOrClipsAtTheFontAndOneAndAHalfTimesIt)
{
    QSize preferred[2];
    const double factors[2] = {1.0, 1.5};
    for (int i = 0; i < 2; ++i) {
        MountSettings settings;
        settings.LoadFactoryDefaults({});
        CGeneralPage page;
        page.Load(settings);
        if (factors[i] != 1.0)
            page.setFont(Scaled(page.font(), factors[i]));
        ShowAtPreferredSize(page);
        preferred[i] = page.size();
        ExpectTidy(&page, QStringLiteral("font x%1").arg(factors[i]));
    }
    // The style's spacing stays as it is; the controls grow with the font.
    EXPECT_GT(preferred[1].width(), preferred[0].width() * 6 / 5);
    EXPECT_GT(preferred[1].height(), preferred[0].height() * 6 / 5);
}

// The main window on a small screen, with a list long enough to scroll.
class WindowLayout : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        QByteArray list;
        for (int p = 0; p < 3600; p += 90) {
            list += QByteArray::number(p).rightJustified(4, '0') + "=Satellite " + QByteArray::number(p)
                    + "\n";
            chosen_.push_back(p);
        }
        WriteFile(QStringLiteral("sats.lst"), list);
        Restart();
        StartWithStoredDefault();
        frame_ = app_->MainFrame();
        doc_ = frame_->ActiveDocument();
        ASSERT_NE(doc_, nullptr);
        Choose(*doc_, chosen_);
        frame_->resize(1024, 600);
        Settle();
    }

    void Choose(CZenbeltsDoc& doc, const std::vector<int>& positions)
    {
        Change(doc, [&](MountSettings& s) {
            s.chosenSatellites.Clear();
            for (int p : positions)
                s.chosenSatellites.Set(p);
        });
        Settle();
    }

    QRect InFrame(const QWidget* w) const { return InRoot(w, frame_); }

    std::vector<int> chosen_;
    CMainFrame* frame_ = nullptr;
    CZenbeltsDoc* doc_ = nullptr;
};

TEST_F(WindowLayout, FitsASmallScreenWithTheMissesShown)
{
    ASSERT_FALSE(frame_->MissTable()->isHidden());
    const QSize minimum = frame_->minimumSizeHint();
    EXPECT_LE(minimum.width(), 1024);
    EXPECT_LE(minimum.height(), 600);
    EXPECT_EQ(frame_->size(), QSize(1024, 600));
}

TEST_F(WindowLayout, TheMissesNeverCoverThePanel)
{
    for (const QSize size : {QSize(1024, 600), QSize(1000, 700), QSize(1280, 960)}) {
        frame_->resize(size);
        Settle();
        const std::string name = QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString();
        QWidget* panel = frame_->AdjustmentBar()->widget();
        EXPECT_FALSE(InFrame(frame_->AdjustmentBar()).intersects(InFrame(frame_->MissTable()))) << name;
        EXPECT_GE(panel->height(), panel->minimumSizeHint().height()) << name;
        EXPECT_GE(frame_->MissTable()->Table()->height(), frame_->MissTable()->Table()->minimumHeight())
            << name;
        ExpectTidy(panel, QString::fromStdString(name));
    }
}

TEST_F(WindowLayout, TheReceiverColumnsLeaveEveryWindowWhole)
{
    for (const QSize size : {QSize(1024, 600), QSize(1280, 960)}) {
        frame_->resize(size);
        Settle();
        frame_->MissTable()->ReceiverColumnsAction()->trigger();
        Settle();
        ASSERT_TRUE(frame_->MissTable()->ReceiverColumnsShown());
        const QRect area = frame_->MdiArea()->viewport()->rect();
        for (QMdiSubWindow* window : frame_->MdiArea()->subWindowList())
            EXPECT_TRUE(area.contains(window->geometry())) << size.width() << "x" << size.height();
        frame_->MissTable()->ReceiverColumnsAction()->trigger();
        Settle();
    }
}

TEST_F(WindowLayout, ThePanelKeepsItsPlaceAsValuesChange)
{
    CAdjustmentBar* bar = frame_->AdjustmentBar();
    const QRect before = InFrame(bar);
    for (Adjustment which : CAdjustmentBar::PanelOrder) {
        for (auto action : {QAbstractSlider::SliderToMinimum, QAbstractSlider::SliderToMaximum}) {
            bar->Slider(which)->triggerAction(action);
            Settle();
            EXPECT_EQ(InFrame(bar), before)
                << InfoOf(which).label << (action == QAbstractSlider::SliderToMinimum ? " min" : " max");
        }
    }
}

TEST_F(WindowLayout, MissColumnsStayClearOfTheScrollBarAcrossWindows)
{
    CZenbeltsDoc* few = app_->NewDocument();
    ASSERT_NE(few, nullptr);
    Choose(*few, {chosen_[0], chosen_[1]});
    QTableView* table = frame_->MissTable()->Table();
    for (CZenbeltsDoc* doc : {doc_, few, doc_, few}) {
        frame_->ActivateDocument(*doc);
        Settle();
        QHeaderView* header = table->horizontalHeader();
        const int last = table->model()->columnCount() - 1;
        const std::string name = std::to_string(table->model()->rowCount()) + " rows";
        EXPECT_LE(header->sectionViewportPosition(last) + header->sectionSizeHint(last),
                  table->viewport()->width())
            << name;
        EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0) << name;
    }
}

TEST_F(WindowLayout, NewWindowsOpenWholeInTheFreeArea)
{
    QList<QPoint> corners;
    for (int i = 0; i < 6; ++i) {
        CZenbeltsDoc* doc = app_->NewDocument();
        ASSERT_NE(doc, nullptr);
        Settle();
        QMdiSubWindow* window = frame_->FramesOf(*doc).first();
        const QRect area = frame_->MdiArea()->viewport()->rect();
        EXPECT_TRUE(area.contains(window->geometry())) << "window " << i;
        EXPECT_GE(window->width(), area.width() / 2) << "window " << i;
        EXPECT_GE(window->height(), area.height() / 2) << "window " << i;
        corners.append(window->pos());
    }
    EXPECT_NE(corners[0], corners[1]) << "each window off the one before";
}

}  // namespace
}  // namespace zenbelts::testing_support
