#include "app/MainFrame.h"

#include "app/AppTexts.h"
#include "app/ZenbeltsApp.h"
#include "catalogue/SatelliteList.h"
#include "controls/AdjustmentBar.h"
#include "controls/LastFolder.h"
#include "dialogs/AtTheDishDialog.h"
#include "dialogs/DiagnoseDialog.h"
#include "dialogs/ReceiverDialog.h"
#include "document/CoreTexts.h"
#include "document/ZenbeltsDoc.h"
#include "model/Version.h"
#include "paint/ArcPlotOutput.h"
#include "text/AngleText.h"
#include "view/MissTable.h"
#include "view/ZenbeltsView.h"

#include <QAbstractSpinBox>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QUndoGroup>
#include <QUndoStack>
#include <QUrl>

#include <algorithm>

namespace zenbelts {

namespace {

// Icons from the desktop theme where it has them, otherwise our own.
QIcon Icon(const char* themeName, const char* resource)
{
    return QIcon::fromTheme(QString::fromLatin1(themeName),
                            QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(resource))));
}

}  // namespace

CChildFrame::CChildFrame(CZenbeltsApp& app, CZenbeltsDoc& doc, QWidget* parent)
    : QMdiSubWindow(parent), app_(app), doc_(doc), view_(new CZenbeltsView(app.ScreenObjects(), doc, this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view_);
    setWindowIcon(QIcon(QStringLiteral(":/icons/document.svg")));
    // The main window's Ctrl+F4 closes the active window wherever the focus
    // is; the same key here would make it ambiguous.
    if (QMenu* menu = systemMenu()) {
        for (QAction* action : menu->actions()) {
            QList<QKeySequence> keys = action->shortcuts();
            keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_F4));
            action->setShortcuts(keys);
        }
    }
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    CMainFrame* frame = app_.MainFrame();
    if (frame && !frame->CanCloseFrame(*this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

CMainFrame::CMainFrame(CZenbeltsApp& app) : app_(app)
{
    setWindowTitle(texts::Tr(texts::AppName));
    setWindowIcon(QIcon(QStringLiteral(":/icons/zenbelts.svg")));
    setAcceptDrops(true);
    mdiArea_ = new QMdiArea(this);
    setCentralWidget(mdiArea_);
    undoGroup_ = new QUndoGroup(this);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateAdjustmentBar();
    // No larger than the screen it starts on, a small one included.
    const QSize wanted(1000, 700);
    resize(screen() ? wanted.boundedTo(screen()->availableGeometry().size()) : wanted);

    connect(mdiArea_, &QMdiArea::subWindowActivated, lifetime_.get(), [this] { ActiveWindowChanged(); });
    connect(qApp, &QApplication::focusChanged, lifetime_.get(),
            [this](QWidget*, QWidget* now) { TrackFocus(now); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, lifetime_.get(),
            [this] { UpdateEditActions(); });
    // A narrower area (a wider panel) must not push a window's title
    // buttons out of sight.
    mdiArea_->viewport()->installEventFilter(this);
    // A new screen resolution makes new drawing objects; views use them at their next paint.
    const auto watchScreen = [this](QScreen* screen) {
        connect(screen, &QScreen::logicalDotsPerInchChanged, lifetime_.get(), [this] {
            app_.CreateDrawingResources();
            mdiArea_->viewport()->update();
        });
    };
    for (QScreen* screen : QGuiApplication::screens())
        watchScreen(screen);
    connect(qApp, &QGuiApplication::screenAdded, lifetime_.get(), watchScreen);
    ActiveWindowChanged();
}

CMainFrame::~CMainFrame()
{
    // Nothing reaches the frame while its parts are torn down; the windows
    // go while the documents they show still exist.
    lifetime_.reset();
    qDeleteAll(mdiArea_->subWindowList());
}

void CMainFrame::CreateActions()
{
    const auto make = [this](const QString& text, texts::Prompt prompt, auto slot,
                             QList<QKeySequence> keys = {}, QIcon icon = {}) {
        auto* action = new QAction(icon, text, this);
        action->setStatusTip(texts::Tr(prompt.status));
        action->setToolTip(texts::Tr(prompt.tip));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    Actions& a = actions_;
    a.fileNew = make(
        tr("&New"), texts::New, [this] { app_.NewDocument(); }, {QKeySequence::New},
        Icon("document-new", "new"));
    a.fileOpen = make(tr("&Open..."), texts::Open, &CMainFrame::OnFileOpen, {QKeySequence::Open},
                      Icon("document-open", "open"));
    a.fileClose = make(tr("&Close"), texts::Close, &CMainFrame::OnFileClose);
    a.fileSave = make(tr("&Save"), texts::Save, &CMainFrame::OnFileSave, {QKeySequence::Save},
                      Icon("document-save", "save"));
    a.fileSaveAs = make(tr("Save &As..."), texts::SaveAs, &CMainFrame::OnFileSaveAs);
    a.filePrint = make(tr("&Print..."), texts::Print, &CMainFrame::OnFilePrint, {QKeySequence::Print},
                       Icon("document-print", "print"));
    a.filePrintPreview = make(tr("Print Pre&view"), texts::PrintPreview, &CMainFrame::OnFilePrintPreview);
    a.filePrintSetup = make(tr("P&rint Setup..."), texts::PrintSetup, &CMainFrame::OnFilePrintSetup);
    a.fileProperties = make(
        tr("Propert&ies"), texts::Properties,
        [this] {
            if (CZenbeltsDoc* doc = ActiveDocument())
                doc->OnProperties();
        },
        {}, QIcon(QStringLiteral(":/icons/properties.svg")));
    a.fileExit = make(tr("E&xit"), texts::Exit, &QWidget::close, {QKeySequence(Qt::CTRL | Qt::Key_Q)});

    // Undo and Redo act on the active document; a field being typed in
    // takes the keys first while it has typing of its own to undo.
    a.editUndo = undoGroup_->createUndoAction(this, tr("&Undo"));
    a.editUndo->setShortcuts({QKeySequence::Undo, QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    a.editRedo = undoGroup_->createRedoAction(this, tr("&Redo"));
    a.editRedo->setShortcuts(QKeySequence::Redo);
    for (auto [action, prompt] : {std::pair{a.editUndo, texts::Undo}, std::pair{a.editRedo, texts::Redo}}) {
        action->setStatusTip(texts::Tr(prompt.status));
        action->setIcon(
            Icon(action == a.editUndo ? "edit-undo" : "edit-redo", action == a.editUndo ? "undo" : "redo"));
    }
    // Cut, Copy and Paste act on the focused field; Copy in the Misses table copies its selection.
    a.editCut = make(
        tr("Cu&t"), texts::Cut,
        [] {
            if (QLineEdit* edit = FocusedEdit())
                edit->cut();
        },
        {QKeySequence::Cut}, Icon("edit-cut", "cut"));
    a.editCopy = make(
        tr("&Copy"), texts::Copy,
        [this] {
            if (QLineEdit* edit = FocusedEdit())
                edit->copy();
            else if (missTable_->Table()->hasFocus())
                missTable_->CopySelectionToClipboard();
        },
        {QKeySequence::Copy}, Icon("edit-copy", "copy"));
    a.editPaste = make(
        tr("&Paste"), texts::Paste,
        [] {
            if (QLineEdit* edit = FocusedEdit())
                edit->paste();
        },
        {QKeySequence::Paste}, Icon("edit-paste", "paste"));
    a.editSetDefaults = make(
        tr("Set &defaults"), texts::SetDefaults,
        [this] {
            if (CZenbeltsDoc* doc = ActiveDocument())
                doc->OnSetDefaults();
        },
        {}, QIcon(QStringLiteral(":/icons/defaults.svg")));
    a.editOptimise = make(tr("&Optimise"), texts::Optimise, &CMainFrame::OnEditOptimise, {},
                          QIcon(QStringLiteral(":/icons/optimise.svg")));
    a.editDiagnose = make(tr("Dia&gnose..."), texts::Diagnose, &CMainFrame::OnEditDiagnose);
    for (QAction* action : {a.editUndo, a.editRedo, a.editCut, a.editCopy, a.editPaste})
        action->setShortcutContext(Qt::ApplicationShortcut);

    a.viewToolbar = make(tr("&Toolbar"), texts::Toolbar, [] {});
    a.viewStatusBar
        = make(tr("&Status Bar"), texts::StatusBar, [this](bool on) { statusBar()->setVisible(on); });
    a.viewStatusBar->setCheckable(true);
    a.viewStatusBar->setChecked(true);
    a.viewShowToolTips = make(tr("Show t&ooltips"), texts::ShowToolTips, &CMainFrame::OnViewShowToolTips);
    a.viewShowToolTips->setCheckable(true);
    a.viewMisses = make(tr("&Misses"), texts::Misses, [this](bool on) {
        missesWanted_ = on;
        ShowActiveDocument();
    });
    a.viewMisses->setCheckable(true);
    a.viewMisses->setChecked(true);
    a.viewReceiverSettings = make(tr("&Receiver settings..."), texts::ReceiverSettings, [this] {
        if (CZenbeltsDoc* doc = ActiveDocument()) {
            CReceiverDialog dialog(doc->Settings(), app_.Catalogue(), this);
            dialog.exec();
        }
    });
    a.viewAtTheDish = make(tr("&At the dish..."), texts::AtTheDish, [this] {
        if (CZenbeltsDoc* doc = ActiveDocument()) {
            CAtTheDishDialog dialog(doc->Settings(), doc->Title(), this);
            dialog.exec();
        }
    });

    a.windowNew = make(tr("&New Window"), texts::NewWindow, &CMainFrame::OnWindowNew);
    a.windowCascade = make(tr("&Cascade"), texts::Cascade, [this] { mdiArea_->cascadeSubWindows(); });
    a.windowTile = make(tr("&Tile"), texts::Tile, [this] { mdiArea_->tileSubWindows(); });
    a.windowArrangeIcons = make(tr("&Arrange Icons"), texts::ArrangeIcons, &CMainFrame::OnWindowArrangeIcons);
    a.windowNext = make(tr("Ne&xt Window"), texts::NextWindow, [this] { mdiArea_->activateNextSubWindow(); },
                        {QKeySequence(Qt::CTRL | Qt::Key_Tab)});
    a.windowPrevious = make(
        tr("Pre&vious Window"), texts::PreviousWindow, [this] { mdiArea_->activatePreviousSubWindow(); },
        // X11 reports Shift+Tab as Backtab with Shift still held.
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_Backtab),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    a.windowCloseActive
        = make(tr("C&lose Window"), texts::CloseWindow, [this] { mdiArea_->closeActiveSubWindow(); },
               {QKeySequence(Qt::CTRL | Qt::Key_F4)});
    a.paneNext
        = make(tr("Next Pane"), texts::NextPane, [this] { MoveFocusToPane(1); }, {QKeySequence(Qt::Key_F6)});
    a.panePrevious = make(tr("Previous Pane"), texts::PreviousPane, [this] { MoveFocusToPane(-1); },
                          {QKeySequence(Qt::SHIFT | Qt::Key_F6)});
    // Wherever the focus is in the main window, panel and table included.
    for (QAction* action :
         {a.windowNext, a.windowPrevious, a.windowCloseActive, a.paneNext, a.panePrevious}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    a.helpFieldPage = make(tr("&Field page..."), texts::FieldPage, &CMainFrame::OnFieldPage);
    a.helpAbout
        = make(tr("&About Zenbelts..."), texts::About, &CMainFrame::OnAbout, {}, Icon("help-about", "about"));

    for (int i = 0; i < 4; ++i) {
        QAction* recent = make(QString(), texts::RecentFile, [this, i] {
            if (i < app_.RecentFiles().size())
                app_.OpenDocumentFile(app_.RecentFiles()[i]);
        });
        a.recentFiles.append(recent);
    }
    a.recentNone = make(tr("Recent File"), texts::RecentFile, [] {});
    a.recentNone->setEnabled(false);
}

void CMainFrame::CreateMenus()
{
    // One menu bar: commands that need a document are disabled without one.
    const Actions& a = actions_;
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    fileMenu_->addActions({a.fileNew, a.fileOpen, a.fileClose, a.fileSave, a.fileSaveAs});
    fileMenu_->addSeparator();
    fileMenu_->addActions({a.filePrint, a.filePrintPreview, a.filePrintSetup});
    fileMenu_->addSeparator();
    fileMenu_->addAction(a.recentNone);
    fileMenu_->addActions(a.recentFiles);
    fileMenu_->addSeparator();
    fileMenu_->addActions({a.fileProperties, a.fileExit});

    editMenu_ = menuBar()->addMenu(tr("&Edit"));
    editMenu_->addActions({a.editUndo, a.editRedo});
    editMenu_->addSeparator();
    editMenu_->addActions({a.editCut, a.editCopy, a.editPaste});
    editMenu_->addSeparator();
    editMenu_->addActions({a.editSetDefaults, a.editOptimise, a.editDiagnose});

    viewMenu_ = menuBar()->addMenu(tr("&View"));
    viewMenu_->addActions({a.viewToolbar, a.viewStatusBar});
    viewMenu_->addSeparator();
    viewMenu_->addActions({a.viewShowToolTips, a.viewMisses, a.viewReceiverSettings, a.viewAtTheDish});

    windowMenu_ = menuBar()->addMenu(tr("Win&dow"));
    connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::FillWindowMenu);
    FillWindowMenu();

    helpMenu_ = menuBar()->addMenu(tr("&Help"));
    helpMenu_->addActions({a.helpFieldPage, a.helpAbout});
}

void CMainFrame::FillWindowMenu()
{
    windowMenu_->clear();
    windowMenu_->addAction(actions_.windowNew);
    windowMenu_->addAction(actions_.windowCascade);
    windowMenu_->addAction(actions_.windowTile);
    windowMenu_->addAction(actions_.windowArrangeIcons);
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList();
    if (!windows.isEmpty())
        windowMenu_->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QAction* item = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(ShownTitle(*window)));
        item->setCheckable(true);
        item->setChecked(window == mdiArea_->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, window] { mdiArea_->setActiveSubWindow(window); });
    }
}

void CMainFrame::CreateToolBar()
{
    const Actions& a = actions_;
    QToolBar* toolbar = addToolBar(tr("Toolbar"));
    toolbar->setObjectName(QStringLiteral("Toolbar"));
    toolbar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    toolbar->setIconSize(QSize(16, 16));
    toolbar->addActions({a.fileNew, a.fileOpen, a.fileSave});
    toolbar->addSeparator();
    toolbar->addActions({a.editUndo, a.editRedo});
    toolbar->addSeparator();
    toolbar->addActions(
        {a.editCut, a.editCopy, a.editPaste, a.editSetDefaults, a.fileProperties, a.editOptimise});
    toolbar->addSeparator();
    toolbar->addAction(a.filePrint);
    toolbar->addSeparator();
    toolbar->addAction(a.helpAbout);
    // View > Toolbar is the toolbar's own toggle, kept in step with it.
    QAction* toggle = toolbar->toggleViewAction();
    actions_.viewToolbar->setCheckable(true);
    actions_.viewToolbar->setChecked(true);
    disconnect(actions_.viewToolbar, &QAction::triggered, nullptr, nullptr);
    connect(actions_.viewToolbar, &QAction::triggered, toolbar, &QToolBar::setVisible);
    connect(toggle, &QAction::toggled, actions_.viewToolbar, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar()
{
    // The prompt pane: "Ready" when idle; prompts and messages cover it.
    auto* ready = new QLabel(texts::Tr(texts::Ready));
    statusBar()->addWidget(ready, 1);
    // Results stay until the next change: a hover tip covers only the prompt pane.
    resultPane_ = new QLabel;
    resultPane_->setObjectName(QStringLiteral("ResultPane"));
    resultPane_->setTextFormat(Qt::PlainText);
    statusBar()->addPermanentWidget(resultPane_, 1);
    locationPane_ = new QLabel;
    locationPane_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    locationPane_->setMinimumWidth(
        locationPane_->fontMetrics().horizontalAdvance(
            CZenbeltsDoc::tr(" Location: %1").arg(QString::fromUtf8("180\u00b000'W, 90\u00b000'S")))
        + 8);
    statusBar()->addPermanentWidget(locationPane_);
}

void CMainFrame::CreateAdjustmentBar()
{
    adjustmentBar_ = new CAdjustmentBar(this);
    addDockWidget(Qt::RightDockWidgetArea, adjustmentBar_);
    adjustmentBar_->EnableToolTips(app_.ShowToolTips());
    adjustmentBar_->hide();
    missTable_ = new CMissTable(this);
    addDockWidget(Qt::RightDockWidgetArea, missTable_);
    splitDockWidget(adjustmentBar_, missTable_, Qt::Vertical);
    missTable_->hide();
    missTable_->SetReceiverColumnsShown(app_.ShowReceiverColumns());
    connect(missTable_, &CMissTable::receiverColumnsToggled, &app_, &CZenbeltsApp::SetShowReceiverColumns);
    connect(adjustmentBar_, &CAdjustmentBar::adjustmentChanged, lifetime_.get(),
            [this](Adjustment which, int position, int drag) {
                if (panelDocument_)
                    panelDocument_->OnAdjustmentChanged(which, position, drag);
            });
    connect(adjustmentBar_, &CAdjustmentBar::readingNoted, lifetime_.get(),
            [this](const QString& text) { ShowResult(text); });
    connect(adjustmentBar_, &CAdjustmentBar::autoDeclinationClicked, lifetime_.get(), [this] {
        if (panelDocument_)
            panelDocument_->OnAutoDeclination();
    });
    connect(adjustmentBar_, &CAdjustmentBar::lockSatellitesClicked, lifetime_.get(), [this] {
        if (panelDocument_)
            panelDocument_->OnLockSatellites();
    });
}

void CMainFrame::UpdateRecentFiles()
{
    const QStringList& files = app_.RecentFiles();
    actions_.recentNone->setVisible(files.isEmpty());
    for (int i = 0; i < actions_.recentFiles.size(); ++i) {
        QAction* action = actions_.recentFiles[i];
        action->setVisible(i < files.size());
        if (i < files.size())
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[i])));
    }
}

QLineEdit* CMainFrame::FocusedEdit()
{
    QWidget* focus = QApplication::focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(focus))
        return edit;
    if (qobject_cast<QAbstractSpinBox*>(focus) || qobject_cast<QComboBox*>(focus))
        return focus->findChild<QLineEdit*>();
    return nullptr;
}

void CMainFrame::TrackFocus(QWidget*)
{
    // Selection and typing change without a focus change: follow the field.
    QLineEdit* edit = FocusedEdit();
    if (edit != trackedEdit_) {
        disconnect(trackedSelection_);
        disconnect(trackedText_);
        trackedEdit_ = edit;
        if (edit) {
            trackedSelection_ = connect(edit, &QLineEdit::selectionChanged, lifetime_.get(),
                                        [this] { UpdateEditActions(); });
            trackedText_
                = connect(edit, &QLineEdit::textChanged, lifetime_.get(), [this] { UpdateEditActions(); });
        }
    }
    UpdateEditActions();
}

void CMainFrame::UpdateEditActions()
{
    const Actions& a = actions_;
    QLineEdit* edit = FocusedEdit();
    const bool selection = edit && edit->hasSelectedText();
    const bool table = !edit && missTable_->Table()->hasFocus() && missTable_->Model().rowCount() > 0;
    a.editCut->setEnabled(selection && !edit->isReadOnly() && edit->echoMode() == QLineEdit::Normal);
    a.editCopy->setEnabled((selection && edit->echoMode() == QLineEdit::Normal) || table);
    a.editPaste->setEnabled(edit != nullptr && !edit->isReadOnly());
}

void CMainFrame::ActiveWindowChanged()
{
    CZenbeltsDoc* doc = ActiveDocument();
    const bool hasDoc = doc != nullptr;
    const Actions& a = actions_;
    for (QAction* action :
         {a.fileClose, a.fileSave, a.fileSaveAs, a.filePrint, a.filePrintPreview, a.fileProperties,
          a.editSetDefaults, a.editOptimise, a.editDiagnose, a.windowNew, a.windowCascade, a.windowTile,
          a.windowArrangeIcons, a.viewMisses, a.viewReceiverSettings})
        action->setEnabled(hasDoc);
    editMenu_->menuAction()->setVisible(hasDoc);
    windowMenu_->menuAction()->setVisible(hasDoc);
    undoGroup_->setActiveStack(hasDoc ? doc->UndoStack() : nullptr);

    if (doc != panelDocument_) {
        disconnect(panelChanged_);
        disconnect(panelNotice_);
        panelDocument_ = doc;
        resultPane_->clear();
        if (doc) {
            // Whatever changes the set-up shows at once, and a result shown
            // for an earlier state goes.
            panelChanged_ = connect(doc, &CZenbeltsDoc::changed, lifetime_.get(), [this] {
                // Cleared only when there is something to clear: an empty
                // label set again would lay the status bar out anew each step.
                if (!resultPane_->text().isEmpty())
                    resultPane_->clear();
                ShowActiveDocument();
            });
            panelNotice_ = connect(doc, &CZenbeltsDoc::notice, lifetime_.get(),
                                   [this](const QString& text) { ShowResult(text); });
        }
    }
    adjustmentBar_->setVisible(hasDoc);
    a.viewShowToolTips->setEnabled(hasDoc);
    ShowActiveDocument();
    UpdateRecentFiles();
    UpdateEditActions();
    UpdateCaption(ActiveFrame());
}

void CMainFrame::ShowActiveDocument()
{
    CZenbeltsDoc* doc = panelDocument_;
    if (doc)
        adjustmentBar_->UpdateFrom(*doc);
    missTable_->setVisible(doc && missesWanted_);
    if (doc && missesWanted_)
        missTable_->UpdateFrom(*doc, app_.Catalogue());
    actions_.viewShowToolTips->setChecked(adjustmentBar_->ToolTipsEnabled());
    locationPane_->setText(doc ? doc->LocationText() : QString());
}

void CMainFrame::ShowResult(const QString& text)
{
    resultPane_->setText(text);
}

void CMainFrame::UpdateCaption(const CChildFrame* active)
{
    const QString name = texts::Tr(texts::AppName);
    if (!active) {
        setWindowTitle(name);
    } else if (!active->isMaximized()) {
        setWindowTitle(QStringLiteral("%1 - %2").arg(name, active->windowTitle()));
    } else if (!windowTitle().startsWith(name + QStringLiteral(" - ["))) {
        // A maximised window adds its own title to the caption it finds:
        // give it the bare name to add to.
        setWindowTitle(name);
    }
    setWindowModified(active && active->isWindowModified());
}

QString CMainFrame::ShownTitle(const QWidget& window)
{
    // As the window system shows it: a single "[*]" becomes "*" while
    // modified and goes otherwise; "[*][*]" stands for a literal "[*]".
    const QString placeholder = QStringLiteral("[*]");
    const QString title = window.windowTitle();
    QString shown;
    int from = 0;
    for (int at = title.indexOf(placeholder); at >= 0; at = title.indexOf(placeholder, from)) {
        shown += title.mid(from, at - from);
        if (title.mid(at + placeholder.size(), placeholder.size()) == placeholder) {
            shown += placeholder;
            from = at + 2 * placeholder.size();
        } else {
            if (window.isWindowModified())
                shown += QLatin1Char('*');
            from = at + placeholder.size();
        }
    }
    return shown + title.mid(from);
}

QList<CChildFrame*> CMainFrame::FramesOf(const CZenbeltsDoc& doc) const
{
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* window : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && &frame->Document() == &doc)
            frames.append(frame);
    }
    return frames;
}

void CMainFrame::UpdateFrameTitles(const CZenbeltsDoc& doc)
{
    // A "[*]" in a file name is not the placeholder.
    const QString title = QString(doc.Title()).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    const QList<CChildFrame*> frames = FramesOf(doc);
    for (int i = 0; i < frames.size(); ++i) {
        frames[i]->setWindowTitle(frames.size() > 1 ? QStringLiteral("%1:%2[*]").arg(title).arg(i + 1)
                                                    : title + QStringLiteral("[*]"));
        frames[i]->setWindowModified(doc.IsModified());
    }
    UpdateCaption(ActiveFrame());
}

void CMainFrame::OpenWindow(CZenbeltsDoc& doc)
{
    const bool first = FramesOf(doc).isEmpty();
    adjustmentBar_->show();
    // The docks as the update pass will show them, so that the free area is
    // known now: the Misses table may widen the column it shares with the panel.
    if (missesWanted_) {
        missTable_->UpdateFrom(doc, app_.Catalogue());
        missTable_->show();
    }
    layout()->activate();
    // The panel at its full height where there is room; the table takes the rest.
    resizeDocks({adjustmentBar_}, {adjustmentBar_->widget()->sizeHint().height()}, Qt::Vertical);
    auto* frame = new CChildFrame(app_, doc);
    const int earlier = static_cast<int>(mdiArea_->subWindowList().size());
    mdiArea_->addSubWindow(frame);
    if (isVisible())
        PlaceNewWindow(*frame, earlier);
    else
        QTimer::singleShot(0, frame, [this, frame, earlier] { PlaceNewWindow(*frame, earlier); });
    if (first) {
        undoGroup_->addStack(doc.UndoStack());
        connect(&doc, &CZenbeltsDoc::titleChanged, lifetime_.get(), [this, &doc] { UpdateFrameTitles(doc); });
        connect(&doc, &CZenbeltsDoc::modifiedChanged, lifetime_.get(),
                [this, &doc] { UpdateFrameTitles(doc); });
    }
    // Maximising or restoring changes what the caption shows.
    connect(frame, &QMdiSubWindow::windowStateChanged, lifetime_.get(),
            [this] { UpdateCaption(ActiveFrame()); });
    // The document lives as long as its last window.
    connect(frame, &QObject::destroyed, lifetime_.get(), [this, &doc] {
        if (FramesOf(doc).isEmpty()) {
            undoGroup_->removeStack(doc.UndoStack());
            doc.deleteLater();
        } else {
            UpdateFrameTitles(doc);
        }
        ActiveWindowChanged();
    });
    UpdateFrameTitles(doc);
    frame->show();
    mdiArea_->setActiveSubWindow(frame);
    ActiveWindowChanged();
}

void CMainFrame::PlaceNewWindow(QMdiSubWindow& frame, int earlier)
{
    // Not before the area has its size.
    if (!isVisible())
        return;
    // A good part of the free area and no less than the view's own size
    // where there is room; each window a title bar's height below and right
    // of the one before, back at the corner once the next step would leave
    // the area, so that none reaches under the panel.
    const QRect area = mdiArea_->viewport()->rect();
    const int step = std::max(1, frame.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &frame));
    // Room for a few steps even where the area is smaller than the view
    // would like, so that a new window never hides the one before.
    const QSize room = area.size() - QSize(3 * step, 3 * step);
    const QSize size = (area.size() * 2 / 3)
                           .expandedTo(frame.sizeHint())
                           .boundedTo(room)
                           .expandedTo(frame.minimumSizeHint())
                           .boundedTo(area.size());
    const int steps = std::min(area.width() - size.width(), area.height() - size.height()) / step + 1;
    const int offset = step * (std::max(0, earlier) % std::max(1, steps));
    frame.setGeometry(QRect(area.topLeft() + QPoint(offset, offset), size));
}

void CMainFrame::ActivateDocument(CZenbeltsDoc& doc)
{
    const QList<CChildFrame*> frames = FramesOf(doc);
    if (!frames.isEmpty())
        mdiArea_->setActiveSubWindow(frames.first());
}

CChildFrame* CMainFrame::ActiveFrame() const
{
    // While the main window itself is inactive, the current window stands in.
    auto* frame = qobject_cast<CChildFrame*>(mdiArea_->activeSubWindow());
    return frame ? frame : qobject_cast<CChildFrame*>(mdiArea_->currentSubWindow());
}

CZenbeltsDoc* CMainFrame::ActiveDocument() const
{
    CChildFrame* frame = ActiveFrame();
    return frame ? &frame->Document() : nullptr;
}

CZenbeltsView* CMainFrame::ActiveView() const
{
    CChildFrame* frame = ActiveFrame();
    return frame ? frame->View() : nullptr;
}

void CMainFrame::OnFileOpen()
{
    const QStringList files
        = QFileDialog::getOpenFileNames(this, tr("Open"), LastFolder::Folder(), texts::Tr(texts::FileFilter));
    if (!files.isEmpty())
        LastFolder::Remember(files.first());
    for (const QString& file : files)
        app_.OpenDocumentFile(file);
}

void CMainFrame::OnFileClose()
{
    CZenbeltsDoc* doc = ActiveDocument();
    // Asked once for the document, before any of its windows goes.
    if (!doc || !SaveModified(*doc))
        return;
    closeConfirmed_ = doc;
    for (CChildFrame* frame : FramesOf(*doc))
        frame->close();
    closeConfirmed_ = nullptr;
}

bool CMainFrame::OnFileSave()
{
    CZenbeltsDoc* doc = ActiveDocument();
    return doc && SaveDocument(*doc, false);
}

bool CMainFrame::OnFileSaveAs()
{
    CZenbeltsDoc* doc = ActiveDocument();
    return doc && SaveDocument(*doc, true);
}

bool CMainFrame::SaveDocument(CZenbeltsDoc& doc, bool saveAs)
{
    // Ctrl+S while typing saves the typed value, not the one before it.
    adjustmentBar_->CommitPendingEdits();
    QString path = doc.PathName();
    if (saveAs || path.isEmpty()) {
        path = app_.AskSaveFileName(path.isEmpty() ? doc.Title() : path);
        if (path.isEmpty())
            return false;
    }
    return app_.SaveDocument(doc, path);
}

bool CMainFrame::SaveModified(CZenbeltsDoc& doc)
{
    // A value still being typed counts as a change.
    adjustmentBar_->CommitPendingEdits();
    if (doc.IsModified()) {
        ActivateDocument(doc);
        switch (app_.AskSaveChanges(doc)) {
        case QMessageBox::Save:
            if (!SaveDocument(doc, false))
                return false;
            break;
        case QMessageBox::Discard:
            break;
        default:
            return false;
        }
    }
    return ExportNotesIfWanted(doc);
}

bool CMainFrame::ExportNotesIfWanted(CZenbeltsDoc& doc)
{
    // Observations typed at the dish live only as long as the document.
    const FieldNotes& notes = doc.Notes();
    if (!notes.unexported || notes.Empty())
        return true;
    ActivateDocument(doc);
    switch (app_.AskExportObservations(doc)) {
    case QMessageBox::Save:
        return app_.ExportObservations(doc);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool CMainFrame::CanCloseFrame(CChildFrame& frame)
{
    CZenbeltsDoc& doc = frame.Document();
    if (closeConfirmed_ == &doc || FramesOf(doc).size() > 1)
        return true;
    return SaveModified(doc);
}

QPrinter& CMainFrame::Printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool CMainFrame::PageHoldsThePlot(QPrinter& printer, CZenbeltsView& view)
{
    return PageShowsThePlot(view.width(), view.height(), PageMetrics(printer, view.ScreenMetrics()));
}

bool CMainFrame::PrintView(QPrinter& printer, CZenbeltsView& view)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        app_.ReportError(texts::Tr(texts::NoPrinter));
        return false;
    }
    if (!PageHoldsThePlot(printer, view)) {
        // Said on the page itself, where the preview shows it.
        painter.setFont(QFont(QStringLiteral("Arial"), 12));
        const QRect area(QPoint(0, 0), painter.viewport().size());
        painter.drawText(area.adjusted(area.width() / 10, area.height() / 10, -area.width() / 10, 0),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, texts::Tr(texts::PageTooSmall));
        painter.end();
        return false;
    }
    PrintArcPlotPage(painter, PageMetrics(printer, view.ScreenMetrics()), view.Document().Settings(),
                     app_.Catalogue(), view.size(), CoreWords);
    return painter.end();
}

void CMainFrame::OnFilePrint()
{
    CZenbeltsView* view = ActiveView();
    if (!view)
        return;
    // Every job has exactly one page.
    Printer().setFromTo(1, 1);
    QPrintDialog dialog(&Printer(), this);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Printer().setFromTo(1, 1);
    Printer().setDocName(view->Document().Title());
    // A page that cannot hold the plot and its legend would come out blank.
    if (!PageHoldsThePlot(Printer(), *view)) {
        app_.ReportError(texts::Tr(texts::PageTooSmall));
        return;
    }
    PrintView(Printer(), *view);
}

void CMainFrame::OnFilePrintPreview()
{
    CZenbeltsView* view = ActiveView();
    if (!view)
        return;
    QPrintPreviewDialog preview(&Printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, view](QPrinter* printer) { PrintView(*printer, *view); });
    preview.exec();
}

void CMainFrame::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

void CMainFrame::OnViewShowToolTips()
{
    const bool on = !adjustmentBar_->ToolTipsEnabled();
    app_.SetShowToolTips(on);
    adjustmentBar_->EnableToolTips(on);
    actions_.viewShowToolTips->setChecked(on);
}

void CMainFrame::OnEditOptimise()
{
    CZenbeltsDoc* doc = ActiveDocument();
    if (!doc)
        return;
    const OptimiseResult r = doc->OnOptimise();
    if (!r.optimised) {
        ShowResult(
            texts::Tr(texts::OptimiseNothing).arg(LeftToRight(QString::fromUtf8(MinimumElevationText))));
        return;
    }
    const QString where = LeftToRight(FormatSatelliteLabel(r.after.where.position));
    const QString minimum = LeftToRight(QString::fromUtf8(MinimumElevationText));
    const QString over = r.ring ? texts::Tr(texts::OptimiseOverRing).arg(minimum)
                                : texts::Tr(texts::OptimiseOverSatellites).arg(r.targets).arg(minimum);
    ShowResult(texts::Tr(texts::OptimiseDone)
                   .arg(LeftToRight(QString::number(r.before.degrees, 'f', 3) + QChar(0x00b0)))
                   .arg(LeftToRight(QString::number(r.after.degrees, 'f', 3) + QChar(0x00b0)))
                   .arg(where)
               + QLatin1Char(' ') + over);
}

void CMainFrame::OnEditDiagnose()
{
    CZenbeltsDoc* doc = ActiveDocument();
    if (!doc)
        return;
    // A value still being typed is part of the set-up the mount is measured against.
    adjustmentBar_->CommitPendingEdits();
    CDiagnoseDialog dialog(doc->Settings(), doc->Catalogue(), doc->Title(), this);
    // The mount as found opens beside the set-up, which stays as it is.
    connect(&dialog, &CDiagnoseDialog::mountAsFound, this,
            [this](const MountSettings& found, const QString& title) {
                if (CZenbeltsDoc* shown = app_.NewDocument()) {
                    shown->SetSettings(found, tr("Mount as found"));
                    shown->SetTitle(title);
                    // Side by side, the two beams can be compared.
                    mdiArea_->tileSubWindows();
                }
            });
    // What was typed at the dish stays with the set-up while it is open.
    dialog.SetNotes(doc->Notes());
    const QPointer<CZenbeltsDoc> kept = doc;
    dialog.exec();
    if (kept)
        kept->SetNotes(dialog.Notes());
}

void CMainFrame::OnWindowNew()
{
    if (CZenbeltsDoc* doc = ActiveDocument())
        OpenWindow(*doc);
}

void CMainFrame::OnWindowArrangeIcons()
{
    // Minimised windows in a row along the bottom edge.
    int x = 0;
    const int bottom = mdiArea_->viewport()->height();
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (!window->isMinimized())
            continue;
        window->move(x, bottom - window->height());
        x += window->width();
    }
}

void CMainFrame::MoveFocusToPane(int step)
{
    CChildFrame* active = ActiveFrame();
    QWidget* panes[] = {active ? static_cast<QWidget*>(active->View()) : nullptr, adjustmentBar_, missTable_};
    const auto usable = [](QWidget* pane) { return pane && pane->isVisible() && pane->isEnabled(); };
    QWidget* focus = QApplication::focusWidget();
    int at = -1;
    for (int i = 0; i < 3; ++i) {
        if (panes[i] && focus && (panes[i] == focus || panes[i]->isAncestorOf(focus)))
            at = i;
    }
    if (at < 0 && active && focus && active->isAncestorOf(focus))
        at = 0;
    for (int k = 1; k <= 3; ++k) {
        QWidget* pane = panes[((at < 0 ? (step > 0 ? -1 : 0) : at) + step * k + 6) % 3];
        if (!usable(pane))
            continue;
        if (pane == panes[0]) {
            mdiArea_->setActiveSubWindow(active);
            pane->setFocus(Qt::ShortcutFocusReason);
        } else {
            // The first control of the part that takes the focus.
            QWidget* first = pane->focusProxy() ? pane->focusProxy() : pane->nextInFocusChain();
            while (first && first != pane
                   && !(first->focusPolicy() & Qt::TabFocus && first->isVisible() && first->isEnabled()
                        && pane->isAncestorOf(first)))
                first = first->nextInFocusChain();
            (first && first != pane ? first : pane)->setFocus(Qt::ShortcutFocusReason);
        }
        return;
    }
}

void CMainFrame::OnFieldPage()
{
    // The single file: it opens from disk in any browser, with no server.
    const std::filesystem::path dir(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
    for (const std::filesystem::path& place : FieldPagePlaces(dir, dataDirs.toStdString())) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(place, ec))
            continue;
        const QString path = QFile::decodeName(QByteArray::fromStdString(place.string()));
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            QMessageBox::warning(
                this, tr("Field page"),
                tr("No browser could be started to open %1.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    QMessageBox::information(this, tr("Field page"),
                             tr("The field page is not installed with this Zenbelts."));
}

void CMainFrame::OnAbout()
{
    QMessageBox box(this);
    box.setWindowTitle(texts::Tr(texts::AboutTitle));
    box.setIconPixmap(QIcon(QStringLiteral(":/icons/zenbelts.svg")).pixmap(32, 32));
    box.setText(texts::Tr(texts::AboutVersion).arg(QString::fromLatin1(ZenbeltsVersion)));
    box.setInformativeText(texts::Tr(texts::AboutLicence));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            app_.OpenDocumentFile(url.toLocalFile());
    }
    event->acceptProposedAction();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mdiArea_->viewport() && event->type() == QEvent::Resize) {
        // Every window keeps its title bar, and so its buttons, inside the area.
        const QRect area = mdiArea_->viewport()->rect();
        for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
            if (window->isMaximized() || window->isMinimized() || area.contains(window->geometry()))
                continue;
            QRect g = window->geometry();
            g.setSize(g.size().boundedTo(area.size()).expandedTo(window->minimumSizeHint()));
            g.moveRight(std::min(g.right(), area.right()));
            g.moveLeft(std::max(g.left(), area.left()));
            g.moveTop(std::max(area.top(), std::min(g.top(), area.bottom() - g.height() + 1)));
            window->setGeometry(g);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // Each modified document in turn, in the order its window opened; a
    // cancel keeps everything open.
    QList<CZenbeltsDoc*> asked;
    for (QMdiSubWindow* window : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (!frame || asked.contains(&frame->Document()))
            continue;
        asked.append(&frame->Document());
        if (!SaveModified(frame->Document())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace zenbelts
