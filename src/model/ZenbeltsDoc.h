#pragma once

#include "model/MountSettings.h"
#include "model/OptimiseMount.h"

#include <QObject>
#include <QString>

namespace zenbelts {

class CZenbeltsApp;

// A control that reports an adjustment: the receiver reads its position.
class AdjustmentSource {
public:
    virtual ~AdjustmentSource() = default;
    virtual int Position() const = 0;
};

// The record sent with AdjustmentChanged.
struct NMADJUST {
    QObject* hwndFrom;  // the slider or spin box that changed
    unsigned idFrom;    // its control identifier
    unsigned code;      // AdjustmentChanged
    unsigned nSBCode;   // what moved it; SB_ENDSCROLL for Enter or leaving a field
    unsigned nPos;
    const AdjustmentSource* pScrollBar;  // the same control, to read its position
};

// What the update pass gives one control: range and position of a slider or
// spin box, enabled state, check mark.
struct ControlState {
    int minimum = 0, maximum = 0, position = 0;
    bool enabled = true;
    bool checked = false;
};

// One mount set-up opened in the program. Every change follows one path:
// store the value, recalculate, mark the document modified, redraw all views.
class CZenbeltsDoc : public QObject {
    Q_OBJECT
public:
    explicit CZenbeltsDoc(CZenbeltsApp& app, QObject* parent = nullptr);

    const MountSettings& Settings() const { return settings_; }
    MountSettings& Settings() { return settings_; }

    // A new, untitled document: a copy of the default set-up.
    bool OnNewDocument();
    // Reads a regular file (a FIFO or device is refused, not waited on); on
    // success its set-up becomes the default. error: why not, on one line.
    bool OnOpenDocument(const QString& path, QString& error);
    // Writes the whole file or nothing, through a symbolic link, keeping the
    // file's permissions; on success the set-up becomes the default.
    bool OnSaveDocument(const QString& path, QString& error);

    // Differs from its file, or was changed and never saved. Opening and
    // saving clear it.
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);

    const QString& PathName() const { return pathName_; }
    const QString& Title() const { return title_; }
    void SetTitle(const QString& title);

    // Handlers of the adjustment panel and the document's commands.
    long OnAdjustmentChanged(const NMADJUST& nm);
    void OnAutoDeclination();
    void OnLockSatellites();
    void OnSetDefaults();
    void OnProperties();
    // The smallest worst miss across the arc; "Auto declination" goes off.
    OptimiseResult OnOptimise();

    // The update pass asks for each control's state by identifier.
    ControlState UpdateState(int controlId) const;
    QString LocationText() const;

    void UpdateAllViews();

signals:
    // The set-up changed: views repaint, the panel and status bar follow.
    void changed();
    void titleChanged();
    void modifiedChanged(bool modified);

private:
    // Marks the document modified when the set-up differs from before.
    void NoteChange(const MountSettings& before);

    CZenbeltsApp& app_;
    MountSettings settings_;
    QString pathName_;
    QString title_;
    bool modified_ = false;
};

}  // namespace zenbelts
