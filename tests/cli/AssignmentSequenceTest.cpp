// Long random sequences of set and optimise, through the tool itself: every
// file it writes with exit 0 must load back, and hold what was assigned.

#include "cli/Cli.h"
#include "model/RoundTrip.h"
#include "model/SetUpEdits.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <unistd.h>

namespace zenbelts::cli {
namespace {

namespace fs = std::filesystem;

std::string RandomAssignment(std::mt19937& rng, const MountSettings& s)
{
    const auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const AdjustmentInfo& a = Adjustments[rng() % Adjustments.size()];
    switch (rng() % 8) {
    case 0:
    case 1:  // mostly inside the current range, sometimes just outside
        return std::string(a.name) + "=" + std::to_string(pick(a.Lower(s) - 2, a.Upper(s) + 2));
    case 2:
        return std::string(a.minName) + "=" + std::to_string(pick(-120, 60));
    case 3:
        return std::string(a.maxName) + "=" + std::to_string(pick(-60, 120));
    case 4:
        return "autoDeclination=" + std::to_string(pick(0, 1));
    case 5: {
        static const char* location[] = {"latitude", "longitude", "altitude"};
        const int which = pick(0, 2);
        const int value = which == 0   ? pick(-5400, 5400)
                          : which == 1 ? pick(-10799, 10800)
                                       : pick(-100, 3000);
        return std::string(location[which]) + "=" + std::to_string(value);
    }
    case 6:
        if (rng() % 2) {
            static const char* reach[] = {"motorEast", "motorWest", "dishDiameter"};
            return std::string(reach[pick(0, 2)]) + "=" + std::to_string(pick(-10, 910));
        }
        if (rng() % 2) {
            // Azimuths may repeat and elevations stray: some are refused.
            std::string horizon = "horizon=";
            for (int n = pick(0, 4); n > 0; --n)
                horizon += std::to_string(pick(0, 3600)) + ":" + std::to_string(pick(-1, 901))
                           + (n > 1 ? "," : "");
            return horizon;
        }
        return "lockSatellites=" + std::to_string(pick(0, 1));
    default:
        return std::string(rng() % 2 ? "chosen+=" : "chosen-=") + std::to_string(pick(0, 3599));
    }
}

TEST(AssignmentSequence, WhatApplyAcceptsStoresAndLoadsTheSame)
{
    for (unsigned seed = 1; seed <= 30; ++seed) {
        std::mt19937 rng(seed);
        SatelliteCatalogue catalogue;
        catalogue.InsertOrRename(130, "S");
        MountSettings s;
        s.LoadFactoryDefaults(catalogue);
        for (int step = 0; step < 100; ++step) {
            const std::string assignment = RandomAssignment(rng, s);
            const MountSettings before = s;
            if (!ApplyAssignment(s, assignment)) {
                ASSERT_EQ(s, before) << assignment << ": a refusal changes nothing";
            }
            ASSERT_TRUE(StoresAndLoadsTheSame(s))
                << "seed " << seed << ", step " << step << ": " << assignment;
        }
    }
}

TEST(AssignmentSequence, FilesWrittenBySetAndOptimiseOpenAgain)
{
    const fs::path dir
        = fs::temp_directory_path() / ("zenbelts-assignment-sequence-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    {
        std::ofstream list(dir / "sats.lst");
        for (int p = 0; p < 3600; p += 50)
            list << (p < 1000 ? "0" : "") << (p < 100 ? "0" : "") << (p < 10 ? "0" : "") << p << "=S" << p
                 << "\n";
    }
    const std::string file = (dir / "a.zb").string();
    std::ostringstream out, err;
    const auto run = [&](std::vector<std::string> args) {
        out.str("");
        err.str("");
        return RunCli(args, dir / "sats.lst", out, err);
    };
    ASSERT_EQ(run({"new", "-o", file}), ExitOk) << err.str();
    std::mt19937 rng(99);
    MountSettings mirror;
    for (int step = 0; step < 120; ++step) {
        std::vector<std::uint8_t> bytes;
        {
            std::ifstream in(file, std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(in), {});
        }
        ASSERT_NO_THROW(LoadSettings(bytes, mirror)) << "step " << step;
        std::vector<std::string> args;
        if (step % 7 == 6) {
            args = {"optimise", file};
            if (rng() % 3 == 0)
                args.push_back("--ring");
        } else {
            args = {"set", file};
            for (int i = 0, n = 1 + static_cast<int>(rng() % 3); i < n; ++i)
                args.push_back(RandomAssignment(rng, mirror));
        }
        const int code = run(args);
        std::string line;
        for (const std::string& a : args)
            line += a + " ";
        if (code != ExitOk)
            continue;  // a refusal leaves the file as it was, which the next step reads
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        MountSettings written;
        ASSERT_NO_THROW(LoadSettings(bytes, written)) << "step " << step << ": " << line;
        ASSERT_TRUE(StoresAndLoadsTheSame(written)) << "step " << step << ": " << line;
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace zenbelts::cli
