#!/usr/bin/python3
"""Reference positions and times of the sun from PyEphem (VSOP87), an
algorithm independent of the one the program uses. Geometric topocentric
positions: no refraction. Run with Debian's python3-ephem:
    /usr/bin/python3 make_reference.py > sun_reference.csv
"""
import math
import random

import ephem

random.seed(20250117)


def observer(lat, lon, metres):
    o = ephem.Observer()
    o.lat = str(lat)
    o.lon = str(lon)
    o.elevation = metres
    o.pressure = 0  # no refraction
    return o


def fmt(d):
    y, mo, da, h, mi, s = d.tuple()
    whole = int(math.floor(s))
    return "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ" % (y, mo, da, h, mi, whole, round((s - whole) * 1000))


print("# kind,utc,latitude,longitude,metres,zenith,azimuth")
start = ephem.Date("1990/1/1")
end = ephem.Date("2050/12/31")
for i in range(150):
    t = ephem.Date(start + random.random() * (end - start))
    # Whole milliseconds, so the time reads back exactly.
    t = ephem.Date(round(t * 86400000) / 86400000)
    lat = round(random.uniform(-70, 70), 4)
    lon = round(random.uniform(-180, 180), 4)
    metres = round(random.uniform(0, 3000))
    o = observer(lat, lon, metres)
    o.date = t
    s = ephem.Sun(o)
    print("position,%s,%.4f,%.4f,%d,%.6f,%.6f" % (fmt(t), lat, lon, metres, 90 - math.degrees(s.alt), math.degrees(s.az)))

# Transits: the first meridian crossing after a date's 00:00 UTC less the
# site's longitude, written as the time found.
for i in range(40):
    day = ephem.Date(start + random.randint(0, int(end - start)))
    lat = round(random.uniform(-65, 65), 4)
    lon = round(random.uniform(-180, 180), 4)
    o = observer(lat, lon, 0)
    o.date = ephem.Date(day + 0.5 - lon / 360.0 - 0.5)
    tr = o.next_transit(ephem.Sun())
    o.date = tr
    s = ephem.Sun(o)
    print("transit,%s,%.4f,%.4f,0,%.6f,%.6f" % (fmt(tr), lat, lon, 90 - math.degrees(s.alt), math.degrees(s.az)))

# When the sun stands at a given azimuth: the crossing within the day around
# a transit, found by bisection on PyEphem's azimuth.
def azimuth_at(o, when):
    o.date = when
    return math.degrees(ephem.Sun(o).az)


for i in range(16):
    day = ephem.Date(start + random.randint(0, int(end - start)))
    lat = round(random.choice([-1, 1]) * random.uniform(25, 60), 4)
    lon = round(random.uniform(-180, 180), 4)
    o = observer(lat, lon, 0)
    o.date = ephem.Date(day - lon / 360.0)
    tr = o.next_transit(ephem.Sun())
    # Half a day either side of the transit; the sun's azimuth, unwrapped,
    # runs one way through it.
    offset = random.uniform(-5.0, 5.0) / 24.0
    target = azimuth_at(o, ephem.Date(tr + offset))
    lo, hi = (tr, tr + offset) if offset > 0 else (tr + offset, tr)
    def unwrapped(t):
        # Rising through the south in the north, through the north in the south.
        a = azimuth_at(o, t)
        return a if lat > 0 else -((a + 180.0) % 360.0)
    goal = target if lat > 0 else -((target + 180.0) % 360.0)
    for _ in range(60):
        mid = ephem.Date((lo + hi) / 2)
        if unwrapped(mid) < goal:
            lo = mid
        else:
            hi = mid
    t = ephem.Date(round(((lo + hi) / 2) * 86400000) / 86400000)
    o.date = t
    s = ephem.Sun(o)
    print("azimuth,%s,%.4f,%.4f,0,%.6f,%.6f" % (fmt(t), lat, lon, 90 - math.degrees(s.alt), math.degrees(s.az)))
