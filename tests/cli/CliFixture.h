#pragma once

// The tool run in-process over a folder of its own, one per test.

#include "cli/Cli.h"
#include "model/MountSettings.h"
#include "model/SettingsArchive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zenbelts::cli {

class CliFixture : public testing::Test {
protected:
    // A fresh folder named after the test, holding the satellite list given.
    void MakeFolder(const std::string& satelliteList)
    {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path()
               / ("zenbelts-" + std::string(test->test_suite_name()) + "-" + test->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        std::ofstream(Path("sats.lst"), std::ios::binary) << satelliteList;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    int Run(std::vector<std::string> args)
    {
        out_.str("");
        err_.str("");
        return RunCli(args, dir_ / "sats.lst", out_, err_);
    }

    std::string Bytes(const std::string& name) const
    {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    MountSettings Read(const std::string& name) const
    {
        const std::string b = Bytes(name);
        MountSettings s;
        LoadSettings(std::span(reinterpret_cast<const std::uint8_t*>(b.data()), b.size()), s);
        return s;
    }

    long ErrorLines() const
    {
        const std::string text = err_.str();
        return std::count(text.begin(), text.end(), '\n');
    }

    std::filesystem::path dir_;
    std::ostringstream out_, err_;
};

}  // namespace zenbelts::cli
