#pragma once

#include <QString>
#include <QStringList>

namespace zenbelts {

// The program's satellite list as the Satellites page may change it: the
// user's own list, imported from receivers' files, or the shipped one.
class SatelliteListKeeper {
public:
    virtual ~SatelliteListKeeper() = default;

    // Reads files and folders into the user's own list and uses it from now
    // on. report: what was read, or why nothing changed.
    virtual bool ImportSatelliteList(const QStringList& sources, QString& report) = 0;
    // Drops the user's own list and goes back to the shipped one.
    virtual bool UseShippedSatelliteList(QString& report) = 0;
    virtual bool UsesUserSatelliteList() const = 0;
};

}  // namespace zenbelts
