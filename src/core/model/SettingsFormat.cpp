// The 544-byte stored form of a set-up. There is no header: the data is
// recognised by its values alone, so every value is checked on reading.

#include "model/MountSettings.h"
#include "model/SettingsArchive.h"

#include <cstring>
#include <string>

namespace zenbelts {

namespace {

constexpr std::size_t ChosenBytes = ChosenSatelliteSet::WordCount * 4;

[[noreturn]] void Refuse(MessageText text, Message what)
{
    throw ArchiveError(ArchiveError::Cause::BadSchema, Message(text, {std::move(what)}));
}

void CheckRange(int value, int lo, int hi, MessageText what)
{
    if (value < lo || value > hi)
        Refuse(ZB_TEXT("setup", "the %1 is out of range"), Message(what));
}

void ReadGroup(SettingsReader& ar, MountSettings& s, const AdjustmentInfo& a)
{
    s.*(a.value) = ar.ReadInt32();
    s.*(a.min) = ar.ReadInt32();
    s.*(a.max) = ar.ReadInt32();
}

// Group rules: limits first, then the value against them.
void CheckGroup(const MountSettings& s, const AdjustmentInfo& a, bool checkValue)
{
    const Message caption(MessageText{"Adjustment", a.caption});
    if (!a.LimitsValid(s))
        Refuse(ZB_TEXT("setup", "the %1 limits are out of range"), caption);
    if (checkValue && (s.*(a.value) < a.Lower(s) || s.*(a.value) > a.Upper(s)))
        Refuse(ZB_TEXT("setup", "the %1 is outside its limits"), caption);
}

void StoreWords(SettingsWriter& ar, const ChosenSatelliteSet::Words& words)
{
    for (std::uint32_t w : words)
        ar.WriteInt32(static_cast<std::int32_t>(w));
}

void LoadWords(SettingsReader& ar, ChosenSatelliteSet::Words& words)
{
    std::uint8_t bytes[ChosenBytes];
    if (ar.ReadBytes(bytes, ChosenBytes) < ChosenBytes)
        throw ArchiveError(ArchiveError::Cause::EndOfFile, Message(ZB_TEXT("setup", "it ends early")));
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = ReadLittleEndian32(bytes + 4 * i);
}

}  // namespace

void MountSettings::Store(SettingsWriter& ar) const
{
    ar.WriteInt32(latitude);
    ar.WriteInt32(longitude);
    ar.WriteInt32(altitude);
    for (const AdjustmentInfo& a : Adjustments) {
        ar.WriteInt32(this->*(a.value));
        ar.WriteInt32(this->*(a.min));
        ar.WriteInt32(this->*(a.max));
    }
    ar.WriteInt32(autoDeclination);
    StoreWords(ar, chosenSatellites.RawWords());
    ar.WriteInt32(lockSatellites);
}

void MountSettings::Load(SettingsReader& ar)
{
    latitude = ar.ReadInt32();
    longitude = ar.ReadInt32();
    altitude = ar.ReadInt32();
    CheckRange(latitude, LatitudeMin, LatitudeMax, ZB_TEXT("setup", "latitude"));
    CheckRange(longitude, LongitudeMin, LongitudeMax, ZB_TEXT("setup", "longitude"));
    CheckRange(altitude, AltitudeMin, AltitudeMax, ZB_TEXT("setup", "altitude"));
    // Yields motorElevationAuto for the motor elevation group.
    Recalculate(true);

    const AdjustmentInfo& declinationGroup = Adjustments.back();
    for (const AdjustmentInfo& a : Adjustments) {
        ReadGroup(ar, *this, a);
        // The declination is checked once its automatic value is known.
        CheckGroup(*this, a, &a != &declinationGroup);
    }
    autoDeclination = ar.ReadInt32();

    // The stored declination must lie around the automatic value of the
    // stored mount, whether or not the declination is automatic.
    const std::int32_t storedDeclination = declination;
    const std::int32_t storedAuto = autoDeclination;
    autoDeclination = 1;
    Recalculate(false);
    declination = storedDeclination;
    CheckGroup(*this, declinationGroup, true);
    autoDeclination = storedAuto;
    // Recalculating once more would rebuild the same frame from the same
    // inputs; only the declination follows the restored flag.
    if (autoDeclination != 0)
        declination = declinationAuto;

    LoadWords(ar, chosenSatellites.RawWords());

    // A file from before the flag existed ends here; one that ends inside
    // the flag was cut and fails as any other.
    lockSatellites = ar.AtEnd() ? 0 : (ar.ReadInt32() != 0 ? 1 : 0);
}

}  // namespace zenbelts
