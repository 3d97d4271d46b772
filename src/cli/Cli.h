#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace zenbelts::cli {

// Exit codes of the tool.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 2;

// Runs one command line (without the program name). defaultSats is the list
// read when --sats is not given.
int RunCli(const std::vector<std::string>& args, const std::filesystem::path& defaultSats, std::ostream& out,
           std::ostream& err);

}  // namespace zenbelts::cli
