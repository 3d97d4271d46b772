#include "document/ZenbeltsDoc.h"

#include "document/CorePaths.h"
#include "document/CoreTexts.h"
#include "io/FileAccess.h"
#include "model/SettingsArchive.h"
#include "text/AngleText.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace zenbelts {

CZenbeltsDoc::CZenbeltsDoc(const SatelliteCatalogue& catalogue, QObject* parent)
    : QObject(parent), catalogue_(catalogue)
{}

bool CZenbeltsDoc::OnNewDocument(const MountSettings& defaults)
{
    pathName_.clear();
    settings_ = defaults;
    SetModifiedFlag(false);
    return true;
}

bool CZenbeltsDoc::OnOpenDocument(const QString& path, QString& error)
{
    // Only a regular file: a FIFO or a device would block or never end.
    std::vector<std::uint8_t> bytes;
    Message why;
    if (!ReadRegularFile(FileSystemPath(path), SetUpFileMaxBytes, bytes, why)) {
        error = CoreText(why);
        return false;
    }
    try {
        LoadSettings(bytes, settings_);
    } catch (const ArchiveError& e) {
        error = tr("not a valid Zenbelt file: %1").arg(CoreText(e.detail()));
        return false;
    }
    Keep(path);
    return true;
}

bool CZenbeltsDoc::OnSaveDocument(const QString& path, QString& error)
{
    const std::vector<std::uint8_t> bytes = StoreSettings(settings_);
    Message why;
    if (!WriteFileSafely(FileSystemPath(path), bytes, why)) {
        error = CoreText(why);
        return false;
    }
    Keep(path);
    return true;
}

void CZenbeltsDoc::Keep(const QString& path)
{
    pathName_ = path;
    SetTitle(QFileInfo(path).fileName());
    SetModifiedFlag(false);
    emit kept();
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

void CZenbeltsDoc::OnAdjustmentChanged(Adjustment which, int position)
{
    const AdjustmentInfo& a = InfoOf(which);
    // Leaving a field or releasing a slider hands over the same value again.
    if (settings_.*(a.value) == position)
        return;
    // The control's range keeps the value inside its limits; a stray value
    // is pulled inside all the same, so no record breaks its own rules.
    settings_.*(a.value)
        = std::clamp(position, a.Lower(settings_), std::max(a.Lower(settings_), a.Upper(settings_)));
    settings_.Recalculate(false);
    SetModifiedFlag(true);
    UpdateAllViews();
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
    MountSettings next = settings_;
    next.ResetAdjustments();
    SetSettings(next);
}

void CZenbeltsDoc::OnProperties()
{
    MountSettings working = settings_;
    if (propertiesRequest && propertiesRequest(working))
        SetSettings(working);
}

OptimiseResult CZenbeltsDoc::OnOptimise()
{
    MountSettings next = settings_;
    const OptimiseResult result = OptimiseMount(next, catalogue_);
    if (result.optimised)
        SetSettings(next);
    return result;
}

void CZenbeltsDoc::SetSettings(const MountSettings& settings)
{
    if (settings == settings_)
        return;
    settings_ = settings;
    SetModifiedFlag(true);
    UpdateAllViews();
}

AdjustmentState CZenbeltsDoc::StateOf(Adjustment which) const
{
    const AdjustmentInfo& a = InfoOf(which);
    AdjustmentState state;
    state.minimum = a.Lower(settings_);
    state.maximum = a.Upper(settings_);
    state.position = settings_.*(a.value);
    // The declination follows its automatic value while that is on.
    state.enabled = which != Adjustment::Declination || settings_.autoDeclination == 0;
    return state;
}

QString CZenbeltsDoc::LocationText() const
{
    // The coordinates keep their hemisphere letters in every language.
    return tr(" Location: %1")
        .arg(QString::fromStdString(FormatLocation(settings_.latitude, settings_.longitude)));
}

void CZenbeltsDoc::UpdateAllViews()
{
    emit changed();
}

}  // namespace zenbelts
