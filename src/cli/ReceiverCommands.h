#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "cli/Arguments.h"
#include "model/MountSettings.h"
#include "plot/ArcTable.h"

#include <filesystem>
#include <ostream>
#include <string>

// The commands that read receivers' files or speak for a receiver.

namespace zenbelts::cli {

// import SOURCE... -o OUT.lst [--format F]: receivers' lists as the
// program's own; the counts go to err.
int CommandImport(Arguments args, std::ostream& err);
// choose FILE.zb SOURCE... [-o OUT.zb] [--add]: the chosen satellites from
// the positions that receivers' files name; the counts go to err.
int CommandChoose(Arguments args, std::ostream& err);
// usals FILE.zb [--json] [--sats FILE]: the site to enter into a receiver.
int CommandUsals(Arguments args, const std::filesystem::path& defaultSats, std::ostream& out);

// A list given as a receiver's file or folder (with --sats): true when path
// is one and catalogue holds its satellites; false when it is none, to be
// read as the program's own list. Fails when it is one but gives no list.
bool ReadReceiverCatalogue(const std::string& path, SatelliteCatalogue& catalogue);

// The receiver's fields of an arc row as the text listing's columns.
std::string ReceiverColumns(const MountSettings& settings, const ArcRow& row);
inline constexpr const char* ReceiverColumnHeadings = "Receiver  R.miss  ";
inline constexpr const char* ReceiverColumnNotes
    = "Receiver: degrees a receiver turns the motor to when given the true site.\n"
      "R.miss: Motor less Receiver, degrees.\n";

}  // namespace zenbelts::cli
