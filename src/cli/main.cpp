#include "catalogue/SatelliteList.h"
#include "cli/Cli.h"

#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

namespace {

// The list file lies beside the executable; an installed build also keeps
// one under share/zenbelts.
fs::path DefaultSatelliteList(const char* argv0)
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = fs::absolute(argv0, ec);
    return zenbelts::FindSatelliteList(exe.parent_path());
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return zenbelts::cli::RunCli(args, DefaultSatelliteList(argv[0]), std::cout, std::cerr);
}
