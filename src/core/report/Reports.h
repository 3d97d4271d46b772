#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/AtTheDish.h"
#include "model/Diagnose.h"
#include "model/MountSettings.h"
#include "model/StoredPositions.h"
#include "plot/ArcTable.h"

#include <string>
#include <vector>

// The documents of zenbelts-cli's --json, each whole as the tool prints it
// (its last line end included): written once here for the tool and for the
// page, which hands them to scripts parsed.

namespace zenbelts {

// arc --json: every satellite of the list, with the receiver's fields.
std::string ArcJson(const MountSettings& settings, const std::vector<ArcRow>& rows);
// The receiver's fields of one arc row, each after ", ".
std::string ReceiverJsonFields(const MountSettings& settings, const ArcRow& row);

// diagnose --json, and with nothing observed the satellites to start from.
std::string DiagnoseJson(const Diagnosis& diagnosis);
std::string FirstObservationsJson(const FirstObservations& first);
// The explanation's sentences as one paragraph, in English.
std::string Sentences(const std::vector<Message>& sentences);

// site --json.
std::string SiteJson(const MountSettings& settings, const AtTheDishReport& report);

// positions --json.
std::string PositionsJson(const PositionsTable& table, const std::vector<PositionerCommand>& commands);

}  // namespace zenbelts
