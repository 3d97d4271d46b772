#pragma once

#include <array>

// A phone's orientation sensors as the instruments at the dish: an
// inclinometer and a compass. The browser reports the phone's orientation
// as three turns (W3C DeviceOrientation: alpha about the vertical, then beta
// about the phone's own x axis, then gamma about its y axis, degrees); the
// phone's y axis runs along its long edge towards its top, its z axis out of
// its screen.

namespace zenbelts {

// The upward vertical in the phone's own axes (x, y, z).
using PhoneVector = std::array<double, 3>;
PhoneVector UpInPhone(double betaDegrees, double gammaDegrees);

// The phone's sensors lean a little: laid on a level surface it reads not
// quite level. Zeroing there keeps the turn that takes its reading to level,
// and every later reading is turned by it.
class PhoneLevelZero {
public:
    PhoneLevelZero() = default;  // no correction
    static PhoneLevelZero OnLevel(double betaDegrees, double gammaDegrees);
    PhoneVector Corrected(const PhoneVector& up) const;
    bool Zeroed() const { return zeroed_; }

private:
    std::array<double, 9> turn_{1, 0, 0, 0, 1, 0, 0, 0, 1};  // row-major
    bool zeroed_ = false;
};

struct PhoneTilt {
    // Laid along the motor axis, its top towards the raised end: the long
    // edge's elevation above the horizon.
    double edgeElevation = 0.0;
    // Its back flat on the dish's face, screen outwards: the face's tilt from
    // the vertical, positive when the face looks up (as the readings at the
    // dish give faceTilt).
    double faceTilt = 0.0;
};
PhoneTilt ReadPhoneTilt(double betaDegrees, double gammaDegrees, const PhoneLevelZero& zero = {});

// The bearing the phone's top points to by its compass (magnetic), from the
// alpha of an absolute orientation (counterclockwise from north): 0 to 360.
double CompassHeadingFromAlpha(double alphaDegrees);
// A compass bearing as a true azimuth, where the needle points declination
// degrees east of true north (the inverse of CompassBearing): 0 to 360.
double TrueAzimuthFromCompass(double compassBearing, double magneticDeclination);

}  // namespace zenbelts
