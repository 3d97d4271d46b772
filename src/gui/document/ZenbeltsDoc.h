#pragma once

#include "model/MountSettings.h"
#include "model/OptimiseMount.h"

#include <QObject>
#include <QString>

#include <functional>

namespace zenbelts {

// What the panel shows of one adjustment: its range, its value, and whether
// the user may move it.
struct AdjustmentState {
    int minimum = 0, maximum = 0, position = 0;
    bool enabled = true;
};

// One mount set-up opened in the program. Every change follows one path:
// store the value, recalculate, mark the document modified, redraw all views.
class CZenbeltsDoc : public QObject {
    Q_OBJECT
public:
    // catalogue: the satellites that Optimise aims at; it outlives the document.
    explicit CZenbeltsDoc(const SatelliteCatalogue& catalogue, QObject* parent = nullptr);

    // Runs the Properties dialog on a set-up: true when confirmed and taken over.
    std::function<bool(MountSettings&)> propertiesRequest;

    const MountSettings& Settings() const { return settings_; }
    const SatelliteCatalogue& Catalogue() const { return catalogue_; }
    MountSettings& Settings() { return settings_; }

    // A new, untitled document: a copy of the default set-up.
    bool OnNewDocument(const MountSettings& defaults);
    // Reads a regular file (a FIFO or device is refused, not waited on); on
    // success emits kept(). error: why not, on one line.
    bool OnOpenDocument(const QString& path, QString& error);
    // Writes the whole file or nothing, through a symbolic link, keeping the
    // file's permissions; on success emits kept().
    bool OnSaveDocument(const QString& path, QString& error);

    // Differs from its file, or was changed and never saved. Opening and
    // saving clear it.
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);

    const QString& PathName() const { return pathName_; }
    const QString& Title() const { return title_; }
    void SetTitle(const QString& title);

    // The adjustment commands: each recalculates once and tells the views
    // once, and only when something changed.
    void OnAdjustmentChanged(Adjustment which, int position);
    void OnAutoDeclination();  // toggles "Auto declination"
    void OnLockSatellites();   // toggles "Lock satellites"
    void OnSetDefaults();
    void OnProperties();
    // The smallest worst miss across the arc; "Auto declination" goes off.
    OptimiseResult OnOptimise();
    // Replaces the whole set-up with one already recalculated.
    void SetSettings(const MountSettings& settings);

    AdjustmentState StateOf(Adjustment which) const;

    QString LocationText() const;

    void UpdateAllViews();

signals:
    // The set-up changed: views repaint, the panel and status bar follow.
    void changed();
    void titleChanged();
    void modifiedChanged(bool modified);
    // Opened or saved: this set-up is the one new documents start from.
    void kept();

private:
    // The set-up is the file's now: it takes the file's name and is no longer modified.
    void Keep(const QString& path);

    const SatelliteCatalogue& catalogue_;
    MountSettings settings_;
    QString pathName_;
    QString title_;
    bool modified_ = false;
};

}  // namespace zenbelts
