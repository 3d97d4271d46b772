#include "document/ZenbeltsDoc.h"

#include "document/CorePaths.h"
#include "document/CoreTexts.h"
#include "io/FileAccess.h"
#include "model/SetUpEdits.h"
#include "model/SettingsArchive.h"
#include "text/AngleText.h"

#include <QFileInfo>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>

namespace zenbelts {

// One change of the set-up: the whole record before and after, so that
// undo restores it exactly, derived fields included. The moves of one
// slider drag merge into one step.
class SetUpCommand : public QUndoCommand {
public:
    SetUpCommand(CZenbeltsDoc& doc, const MountSettings& before, const MountSettings& after,
                 const QString& text, Adjustment dragged = Adjustment::PoleNS, int drag = 0)
        : QUndoCommand(text), doc_(doc), before_(before), after_(after), dragged_(dragged), drag_(drag)
    {}

    void redo() override { doc_.Show(after_); }
    void undo() override { doc_.Show(before_); }
    int id() const override { return drag_ != 0 ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const SetUpCommand*>(other);
        if (next->drag_ != drag_ || next->dragged_ != dragged_)
            return false;
        after_ = next->after_;
        // A drag that ends where it began leaves nothing to undo.
        setObsolete(after_ == before_);
        return true;
    }

private:
    CZenbeltsDoc& doc_;
    MountSettings before_, after_;
    Adjustment dragged_;
    int drag_;
};

CZenbeltsDoc::CZenbeltsDoc(const SatelliteCatalogue& catalogue, QObject* parent)
    : QObject(parent), catalogue_(catalogue), undoStack_(new QUndoStack(this))
{
    connect(undoStack_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

CZenbeltsDoc::~CZenbeltsDoc()
{
    // The commands refer to the document: they go first, telling nobody.
    undoStack_->blockSignals(true);
    delete undoStack_;
}

bool CZenbeltsDoc::IsModified() const
{
    return !undoStack_->isClean();
}

bool CZenbeltsDoc::OnNewDocument(const MountSettings& defaults)
{
    pathName_.clear();
    undoStack_->clear();
    Show(defaults);
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
    MountSettings loaded;
    try {
        LoadSettings(bytes, loaded);
    } catch (const ArchiveError& e) {
        error = tr("not a valid Zenbelt file: %1").arg(CoreText(e.detail()));
        return false;
    }
    undoStack_->clear();
    Show(loaded);
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
    undoStack_->setClean();
    emit kept();
}

void CZenbeltsDoc::SetTitle(const QString& title)
{
    if (title == title_)
        return;
    title_ = title;
    emit titleChanged();
}

void CZenbeltsDoc::Show(const MountSettings& settings)
{
    settings_ = settings;
    emit changed();
}

void CZenbeltsDoc::OnAdjustmentChanged(Adjustment which, int position, int drag)
{
    const AdjustmentInfo& a = InfoOf(which);
    // The control's range keeps the value inside its limits; a stray value
    // is pulled inside all the same, so no record breaks its own rules.
    position = std::clamp(position, a.Lower(settings_), std::max(a.Lower(settings_), a.Upper(settings_)));
    MountSettings next = settings_;
    // Leaving a field or releasing a slider hands over the same value again.
    if (next.*(a.value) == position || !SetAdjustment(next, which, position))
        return;
    undoStack_->push(new SetUpCommand(
        *this, settings_, next, tr("Change %1").arg(CoreText(Message(MessageText{"Adjustment", a.title}))),
        which, drag));
}

void CZenbeltsDoc::OnAutoDeclination()
{
    MountSettings next = settings_;
    SetAutoDeclination(next, next.autoDeclination == 0);
    undoStack_->push(new SetUpCommand(*this, settings_, next, tr("Auto declination")));
}

void CZenbeltsDoc::OnLockSatellites()
{
    MountSettings next = settings_;
    SetLockSatellites(next, next.lockSatellites == 0);
    undoStack_->push(new SetUpCommand(*this, settings_, next, tr("Lock satellites")));
}

void CZenbeltsDoc::OnSetDefaults()
{
    MountSettings next = settings_;
    next.ResetAdjustments();
    SetSettings(next, tr("Set defaults"));
}

void CZenbeltsDoc::OnProperties()
{
    MountSettings working = settings_;
    if (!propertiesRequest || !propertiesRequest(working))
        return;
    const bool relocated = LocationDiffers(settings_, working);
    SetSettings(working, tr("Properties"));
    if (relocated)
        emit notice(
            tr("The location changed: every adjustment is back at its default. Undo brings them back."));
}

OptimiseResult CZenbeltsDoc::OnOptimise()
{
    MountSettings next = settings_;
    const OptimiseResult result = OptimiseMount(next, catalogue_);
    if (result.optimised)
        SetSettings(next, tr("Optimise"));
    return result;
}

void CZenbeltsDoc::SetSettings(const MountSettings& settings, const QString& what)
{
    if (settings == settings_)
        return;
    undoStack_->push(new SetUpCommand(*this, settings_, settings, what));
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
    return tr(" Location: %1").arg(LeftToRight(FormatLocation(settings_.latitude, settings_.longitude)));
}

}  // namespace zenbelts
