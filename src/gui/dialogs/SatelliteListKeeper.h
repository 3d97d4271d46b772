#pragma once

#include "catalogue/SatelliteCatalogue.h"

#include <QString>
#include <QStringList>

#include <string>

namespace zenbelts {

// A satellite list the Satellites page shows and holds until the Properties
// dialog is confirmed: read, but neither written nor in use yet.
struct PendingSatelliteList {
    bool shipped = false;          // back to the shipped list: the user's own goes
    SatelliteCatalogue catalogue;  // the satellites it holds
    std::string text;              // the user's own list as it will be written
};

// The program's satellite list as the Satellites page may change it: the
// user's own list, imported from receivers' files, or the shipped one.
class SatelliteListKeeper {
public:
    virtual ~SatelliteListKeeper() = default;

    // Reads files and folders into a list of the user's own, changing
    // nothing yet. report: what was read, or why it cannot be used.
    virtual bool ReadSatelliteList(const QStringList& sources, PendingSatelliteList& list, QString& report)
        = 0;
    // The shipped list, to go back to.
    virtual bool ReadShippedSatelliteList(PendingSatelliteList& list, QString& report) = 0;
    // Takes a list over: writes the user's own list (or drops it for the
    // shipped one) and uses it from now on. error: why not, nothing changed.
    virtual bool TakeSatelliteList(const PendingSatelliteList& list, QString& error) = 0;
    virtual bool UsesUserSatelliteList() const = 0;
};

}  // namespace zenbelts
