#include "model/AtTheDish.h"

#include "geometry/Geodesy.h"
#include "geometry/MountModel.h"
#include "model/Reach.h"
#include "sky/MagneticModel.h"

#include <cmath>

namespace zenbelts {

double CompassBearing(double trueAzimuth, double magneticDeclination)
{
    const double b = std::fmod(trueAzimuth - magneticDeclination, 360.0);
    return b < 0.0 ? b + 360.0 : b;
}

AtTheDishReport ReportAtTheDish(const MountSettings& s, const CivilDate& date)
{
    const double latitude = s.latitude / 60.0;
    const double longitude = s.longitude / 60.0;
    const SunSite site{latitude, longitude, static_cast<double>(s.altitude)};

    AtTheDishReport r;
    r.date = date;
    r.southern = s.latitude <= 0;
    r.transit = SolarTransit(StartOfDay(date) + SecondsPerDay / 2 - longitude * 240.0, site);
    r.transitSun = SunAt(r.transit, site);

    const double year = DecimalYear(r.transit);
    r.magneticModelCovers = MagneticModelCovers(year);
    r.magneticDeclination = MagneticDeclination(latitude, longitude, s.altitude, year);
    r.trueSouthBearing = CompassBearing(r.southern ? 0.0 : 180.0, r.magneticDeclination);

    r.mount = ReadMount(s);
    r.motorZero = DishAtMotorAngle(s, 0.0);
    r.motorZeroCompassBearing = CompassBearing(r.motorZero.beamBearing.azimuth, r.magneticDeclination);

    const LocalAxes axes = LocalAxesOf(s);
    EcefPoint origin;
    GeodeticToEcef(s.latitude * ArcMinutesToRadians, s.longitude * ArcMinutesToRadians, s.altitude, origin);
    Matrix4 view;
    MatrixAdjugate(s.mountFrame, view);
    for (int p = 0; p < PositionCount; ++p) {
        if (!s.chosenSatellites.Test(p))
            continue;
        const Vector4& point = RingPointAtTenths(p);
        Direction d = {point.v[0] - origin.x, point.v[1] - origin.y, point.v[2] - origin.z};
        const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
        for (double& c : d)
            c /= length;

        SatelliteAtTheDish sat;
        sat.position = p;
        sat.satellite = BearingOf(axes, d);
        sat.compassBearing = CompassBearing(sat.satellite.azimuth, r.magneticDeclination);
        sat.motorAngle = MountAngles(view, s.latitude, s.declination, p).a * RadiansToDegrees;
        sat.motorAngleEast = MotorAngleEast(s, sat.motorAngle);
        sat.faceTilt = DishAtMotorAngle(s, sat.motorAngle).faceTilt;
        sat.sun = SunAtAzimuth(r.transit - SecondsPerDay / 2, r.transit + SecondsPerDay / 2, site,
                               sat.satellite.azimuth);
        r.satellites.push_back(sat);
    }
    return r;
}

}  // namespace zenbelts
