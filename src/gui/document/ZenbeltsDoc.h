#pragma once

#include "document/FieldNotes.h"
#include "model/MountSettings.h"
#include "model/OptimiseMount.h"

#include <QObject>
#include <QString>

#include <functional>

class QUndoStack;

namespace zenbelts {

// What the panel shows of one adjustment: its range, its value, and whether
// the user may move it.
struct AdjustmentState {
    int minimum = 0, maximum = 0, position = 0;
    bool enabled = true;
};

// One mount set-up opened in the program. Every change is a command on the
// document's undo stack; the set-up differs from its file exactly while the
// stack is away from its clean state.
class CZenbeltsDoc : public QObject {
    Q_OBJECT
public:
    // catalogue: the satellites that Optimise aims at; it outlives the document.
    explicit CZenbeltsDoc(const SatelliteCatalogue& catalogue, QObject* parent = nullptr);
    ~CZenbeltsDoc() override;

    // Runs the Properties dialog on a set-up: true when confirmed and taken over.
    std::function<bool(MountSettings&)> propertiesRequest;

    const MountSettings& Settings() const { return settings_; }
    const SatelliteCatalogue& Catalogue() const { return catalogue_; }
    QUndoStack* UndoStack() const { return undoStack_; }

    // A new, untitled document: a copy of the default set-up, nothing to undo.
    bool OnNewDocument(const MountSettings& defaults);
    // Reads a regular file (a FIFO or device is refused, not waited on); on
    // success emits kept(). error: why not, on one line.
    bool OnOpenDocument(const QString& path, QString& error);
    // Writes the whole file or nothing, through a symbolic link, keeping the
    // file's permissions; on success emits kept().
    bool OnSaveDocument(const QString& path, QString& error);

    // Differs from its file, or was changed and never saved.
    bool IsModified() const;

    const QString& PathName() const { return pathName_; }
    const QString& Title() const { return title_; }
    void SetTitle(const QString& title);

    // The adjustment commands, each one step to undo, and only when
    // something changed. drag: a slider drag's number, so that its moves
    // make one step; 0 for a single movement.
    void OnAdjustmentChanged(Adjustment which, int position, int drag = 0);
    void OnAutoDeclination();  // toggles "Auto declination"
    void OnLockSatellites();   // toggles "Lock satellites"
    void OnSetDefaults();
    void OnProperties();
    // The smallest worst miss across the arc; "Auto declination" goes off.
    OptimiseResult OnOptimise();
    // Replaces the whole set-up with one already recalculated, as one step
    // named by what (the Undo menu's words).
    void SetSettings(const MountSettings& settings, const QString& what);

    AdjustmentState StateOf(Adjustment which) const;

    // What was typed in the Diagnose dialog, kept while the document is open.
    const FieldNotes& Notes() const { return notes_; }
    void SetNotes(FieldNotes notes) { notes_ = std::move(notes); }

    QString LocationText() const;

signals:
    // The set-up changed: views repaint, the panel and the table follow.
    void changed();
    void titleChanged();
    void modifiedChanged(bool modified);
    // Opened or saved: this set-up is the one new documents start from.
    void kept();
    // Words for the status bar on what a change did beyond itself ("the
    // location changed: every adjustment is back at its default").
    void notice(const QString& text);

private:
    friend class SetUpCommand;
    // Shows a set-up: the one path every command and its undo take.
    void Show(const MountSettings& settings);
    // The set-up is the file's now: it takes the file's name and is no longer modified.
    void Keep(const QString& path);

    const SatelliteCatalogue& catalogue_;
    MountSettings settings_;
    QUndoStack* undoStack_;
    QString pathName_;
    QString title_;
    FieldNotes notes_;
};

}  // namespace zenbelts
