#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrinter>

#include <memory>

class QLineEdit;
class QMdiArea;
class QMenu;
class QUndoGroup;

namespace zenbelts {

class CAdjustmentBar;
class CMissTable;
class CZenbeltsApp;
class CZenbeltsDoc;
class CZenbeltsView;

// A document window: one view of one document.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CZenbeltsApp& app, CZenbeltsDoc& doc, QWidget* parent = nullptr);
    CZenbeltsDoc& Document() const { return doc_; }
    CZenbeltsView* View() const { return view_; }

protected:
    // The last window of a modified document asks before it goes.
    void closeEvent(QCloseEvent* event) override;

private:
    CZenbeltsApp& app_;
    CZenbeltsDoc& doc_;
    CZenbeltsView* view_;
};

// The program's top-level window: documents in an MDI area, one menu bar,
// toolbar, status bar, the adjustment panel and the Misses table. Whatever
// shows the active document follows its signals as they come.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CZenbeltsApp& app);
    ~CMainFrame() override;

    struct Actions {
        QAction *fileNew, *fileOpen, *fileClose, *fileSave, *fileSaveAs, *filePrint, *filePrintPreview,
            *filePrintSetup, *fileProperties, *fileExit;
        QAction *editUndo, *editRedo, *editCut, *editCopy, *editPaste, *editSetDefaults, *editOptimise,
            *editDiagnose;
        QAction *viewToolbar, *viewStatusBar, *viewShowToolTips, *viewMisses;
        QAction* viewReceiverSettings;
        QAction* viewAtTheDish;
        QAction *windowNew, *windowCascade, *windowTile, *windowArrangeIcons;
        // Keyboard only: the next and previous window, closing the active one,
        // and the focus to the next or previous part of the main window.
        QAction *windowNext, *windowPrevious, *windowCloseActive, *paneNext, *panePrevious;
        QAction* helpFieldPage;
        QAction* helpAbout;
        QList<QAction*> recentFiles;  // shown in place of recentNone when there are any
        QAction* recentNone;
    };
    const Actions& actions() const { return actions_; }

    void OpenWindow(CZenbeltsDoc& doc);
    void ActivateDocument(CZenbeltsDoc& doc);
    CZenbeltsDoc* ActiveDocument() const;
    CZenbeltsView* ActiveView() const;
    QList<CChildFrame*> FramesOf(const CZenbeltsDoc& doc) const;
    QMdiArea* MdiArea() const { return mdiArea_; }
    CAdjustmentBar* AdjustmentBar() const { return adjustmentBar_; }
    CMissTable* MissTable() const { return missTable_; }

    // The active document's values in the panel, the table and the status bar.
    void ShowActiveDocument();
    void UpdateRecentFiles();
    // The undo stacks of all documents, the active one's in charge.
    QUndoGroup* UndoGroup() const { return undoGroup_; }

    // Asks "Save changes?" for a modified document and saves when told to:
    // false when the user cancelled or the save failed.
    bool SaveModified(CZenbeltsDoc& doc);
    // Save (Save As for an untitled document or when asked for), after the
    // panel has handed over a value still being typed.
    bool SaveDocument(CZenbeltsDoc& doc, bool saveAs);
    // Asks whether to export observations typed for the document and never
    // exported, and does: false when the user cancelled or it failed.
    bool ExportNotesIfWanted(CZenbeltsDoc& doc);
    // Whether a document window may close now (asks when it is the last).
    bool CanCloseFrame(CChildFrame& frame);

    // A window title as shown: the "[*]" placeholder resolved.
    static QString ShownTitle(const QWidget& window);

    QString LocationPane() const { return locationPane_->text(); }
    // The outcome of the last command or reading, where no hover tip covers it.
    QString ResultPane() const { return resultPane_->text(); }
    void ShowResult(const QString& text);

    // Made at first use: a printer takes long to set up, and most runs never print.
    QPrinter& Printer();
    // Draws the active view's page on a printer (real, preview or PDF).
    bool PrintView(QPrinter& printer, CZenbeltsView& view);
    // Whether the printer's page holds the view's plot and its legend.
    bool PageHoldsThePlot(QPrinter& printer, CZenbeltsView& view);

    // The text field that has the keyboard focus, if any: a line edit, or
    // the one inside a spin box or an editable combo box.
    static QLineEdit* FocusedEdit();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CChildFrame* ActiveFrame() const;
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateAdjustmentBar();
    // Gives a new document window its size and place in the free area;
    // earlier: how many windows were open before it.
    void PlaceNewWindow(QMdiSubWindow& frame, int earlier);
    // The active document's window changed: everything follows it.
    void ActiveWindowChanged();
    void UpdateEditActions();
    void UpdateFrameTitles(const CZenbeltsDoc& doc);
    void UpdateCaption(const CChildFrame* active);
    void FillWindowMenu();
    void TrackFocus(QWidget* now);

    void OnFileOpen();
    void OnFileClose();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnViewShowToolTips();
    void OnEditOptimise();
    void OnEditDiagnose();
    void OnWindowNew();
    void OnWindowArrangeIcons();
    void OnFieldPage();
    void OnAbout();
    // The focus to the next part (step 1) or the one before (-1): the active
    // document window, the adjustment panel, the table of misses.
    void MoveFocusToPane(int step);

    CZenbeltsApp& app_;
    QMdiArea* mdiArea_;
    Actions actions_{};
    QMenu *fileMenu_, *editMenu_, *viewMenu_, *windowMenu_, *helpMenu_;
    QUndoGroup* undoGroup_;
    QLabel* resultPane_;
    QLabel* locationPane_;
    CAdjustmentBar* adjustmentBar_;
    CMissTable* missTable_;
    bool missesWanted_ = true;
    // The document whose values the panel shows; its movements go there.
    QPointer<CZenbeltsDoc> panelDocument_;
    QMetaObject::Connection panelChanged_, panelNotice_;
    QPointer<QLineEdit> trackedEdit_;
    QMetaObject::Connection trackedSelection_, trackedText_;
    std::unique_ptr<QPrinter> printer_;
    // A slider drag's number: its moves make one step to undo.
    int drag_ = 0;
    // The document whose windows close without asking again (File > Close).
    QPointer<CZenbeltsDoc> closeConfirmed_;
    // The context of every connection from outside the frame or from its
    // parts: ending it ends them all, before any part goes.
    std::unique_ptr<QObject> lifetime_ = std::make_unique<QObject>();
};

}  // namespace zenbelts
