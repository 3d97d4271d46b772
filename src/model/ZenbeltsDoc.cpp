#include "model/ZenbeltsDoc.h"

#include "app/ZenbeltsApp.h"
#include "model/AngleText.h"
#include "model/ControlIds.h"
#include "model/SettingsArchive.h"

#include "model/FileAccess.h"

#include <QFile>
#include <QFileInfo>

namespace zenbelts {

CZenbeltsDoc::CZenbeltsDoc(CZenbeltsApp& app, QObject* parent) : QObject(parent), app_(app) {}

namespace {

std::filesystem::path FileSystemPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

bool CZenbeltsDoc::OnNewDocument()
{
    pathName_.clear();
    settings_ = app_.DefaultSettings();
    SetModifiedFlag(false);
    return true;
}

bool CZenbeltsDoc::OnOpenDocument(const QString& path, QString& error)
{
    // Only a regular file: a FIFO or a device would block or never end.
    std::vector<std::uint8_t> bytes;
    std::string why;
    if (!ReadRegularFile(FileSystemPath(path), SetUpFileMaxBytes, bytes, why)) {
        error = QString::fromStdString(PrintableText(why));
        return false;
    }
    try {
        LoadSettings(bytes, settings_);
    } catch (const ArchiveError& e) {
        error = QStringLiteral("not a valid Zenbelt file: ") + QString::fromStdString(PrintableText(e.detail()));
        return false;
    }
    pathName_ = path;
    SetTitle(QFileInfo(path).fileName());
    SetModifiedFlag(false);
    app_.DefaultSettings() = settings_;
    return true;
}

bool CZenbeltsDoc::OnSaveDocument(const QString& path, QString& error)
{
    const std::vector<std::uint8_t> bytes = StoreSettings(settings_);
    std::string why;
    if (!WriteFileSafely(FileSystemPath(path), bytes, why)) {
        error = QString::fromStdString(PrintableText(why));
        return false;
    }
    pathName_ = path;
    SetTitle(QFileInfo(path).fileName());
    SetModifiedFlag(false);
    app_.DefaultSettings() = settings_;
    return true;
}

void CZenbeltsDoc::SetTitle(const QString& title)
{
    if (title == title_)
        return;
    title_ = title;
    emit titleChanged();
}

void CZenbeltsDoc::SetModifiedFlag(bool modified)
{
    if (modified == modified_)
        return;
    modified_ = modified;
    emit modifiedChanged(modified_);
}

void CZenbeltsDoc::NoteChange(const MountSettings& before)
{
    if (settings_ != before)
        SetModifiedFlag(true);
}

long CZenbeltsDoc::OnAdjustmentChanged(const NMADJUST& nm)
{
    const AdjustmentControlSet* set = FindAdjustmentControl(static_cast<int>(nm.idFrom));
    if (!set || nm.code != AdjustmentChanged || !nm.pScrollBar
        || (static_cast<int>(nm.idFrom) != set->slider && static_cast<int>(nm.idFrom) != set->spin))
        return 0;
    // The control's range, set by the update pass, keeps the value inside its limits.
    const MountSettings before = settings_;
    settings_.*(Adjustments[set->adjustment].value) = nm.pScrollBar->Position();
    settings_.Recalculate(false);
    // Leaving a field or releasing a slider hands over the same value again.
    NoteChange(before);
    UpdateAllViews();
    return 0;
}

void CZenbeltsDoc::OnAutoDeclination()
{
    settings_.autoDeclination = settings_.autoDeclination == 0 ? 1 : 0;
    settings_.Recalculate(false);
    SetModifiedFlag(true);
    UpdateAllViews();
}

void CZenbeltsDoc::OnLockSatellites()
{
    // Only the presentation changes: nothing to recalculate.
    settings_.lockSatellites = settings_.lockSatellites == 0 ? 1 : 0;
    SetModifiedFlag(true);
    UpdateAllViews();
}

void CZenbeltsDoc::OnSetDefaults()
{
    const MountSettings before = settings_;
    settings_.ResetAdjustments();
    NoteChange(before);
    UpdateAllViews();
}

void CZenbeltsDoc::OnProperties()
{
    const MountSettings before = settings_;
    if (app_.DoProperties(settings_)) {
        NoteChange(before);
        UpdateAllViews();
    }
}

OptimiseResult CZenbeltsDoc::OnOptimise()
{
    const MountSettings before = settings_;
    const OptimiseResult result = OptimiseMount(settings_, app_.Catalogue());
    if (result.optimised) {
        NoteChange(before);
        UpdateAllViews();
    }
    return result;
}

ControlState CZenbeltsDoc::UpdateState(int id) const
{
    ControlState state;
    if (id == IDC_AUTO_DECLINATION) {
        state.checked = settings_.autoDeclination != 0;
        return state;
    }
    if (id == IDC_LOCK_SATELLITES) {
        state.checked = settings_.lockSatellites != 0;
        return state;
    }
    if (const AdjustmentControlSet* set = FindAdjustmentControl(id)) {
        const AdjustmentInfo& a = Adjustments[set->adjustment];
        state.minimum = a.Lower(settings_);
        state.maximum = a.Upper(settings_);
        state.position = settings_.*(a.value);
        // The declination follows its automatic value while that is on.
        state.enabled = set->slider != IDC_DECLINATION_SLIDER || settings_.autoDeclination == 0;
    }
    return state;
}

QString CZenbeltsDoc::LocationText() const
{
    return QString::fromStdString(LocationPaneText(settings_.latitude, settings_.longitude));
}

void CZenbeltsDoc::UpdateAllViews()
{
    emit changed();
}

}  // namespace zenbelts
