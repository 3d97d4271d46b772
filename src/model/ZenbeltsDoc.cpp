#include "model/ZenbeltsDoc.h"

#include "app/ZenbeltsApp.h"
#include "model/AngleText.h"
#include "model/ControlIds.h"
#include "model/SettingsArchive.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zenbelts {

CZenbeltsDoc::CZenbeltsDoc(CZenbeltsApp& app, QObject* parent) : QObject(parent), app_(app) {}

bool CZenbeltsDoc::OnNewDocument()
{
    pathName_.clear();
    settings_ = app_.DefaultSettings();
    return true;
}

bool CZenbeltsDoc::OnOpenDocument(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    // A set-up is 544 bytes; a larger file is read no further than that.
    const QByteArray bytes = file.read(4096);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    try {
        LoadSettings(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size())),
                     settings_);
    } catch (const ArchiveError& e) {
        error = QStringLiteral("not a valid Zenbelt file: ") + QString::fromStdString(e.detail());
        return false;
    }
    pathName_ = path;
    SetTitle(QFileInfo(path).fileName());
    app_.DefaultSettings() = settings_;
    return true;
}

bool CZenbeltsDoc::OnSaveDocument(const QString& path, QString& error)
{
    const std::vector<std::uint8_t> bytes = StoreSettings(settings_);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()))
            != static_cast<qint64>(bytes.size())
        || !file.commit()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    pathName_ = path;
    SetTitle(QFileInfo(path).fileName());
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

long CZenbeltsDoc::OnAdjustmentChanged(const NMADJUST& nm)
{
    const AdjustmentControlSet* set = FindAdjustmentControl(static_cast<int>(nm.idFrom));
    if (!set || nm.code != AdjustmentChanged || !nm.pScrollBar
        || (static_cast<int>(nm.idFrom) != set->slider && static_cast<int>(nm.idFrom) != set->spin))
        return 0;
    // The control's range, set by the update pass, keeps the value inside its limits.
    settings_.*(Adjustments[set->adjustment].value) = nm.pScrollBar->Position();
    settings_.Recalculate(false);
    UpdateAllViews();
    return 0;
}

void CZenbeltsDoc::OnAutoDeclination()
{
    settings_.autoDeclination = settings_.autoDeclination == 0 ? 1 : 0;
    settings_.Recalculate(false);
    UpdateAllViews();
}

void CZenbeltsDoc::OnLockSatellites()
{
    // Only the presentation changes: nothing to recalculate.
    settings_.lockSatellites = settings_.lockSatellites == 0 ? 1 : 0;
    UpdateAllViews();
}

void CZenbeltsDoc::OnSetDefaults()
{
    settings_.ResetAdjustments();
    UpdateAllViews();
}

void CZenbeltsDoc::OnProperties()
{
    if (app_.DoProperties(settings_))
        UpdateAllViews();
}

OptimiseResult CZenbeltsDoc::OnOptimise()
{
    const OptimiseResult result = OptimiseMount(settings_, app_.Catalogue());
    if (result.optimised)
        UpdateAllViews();
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
