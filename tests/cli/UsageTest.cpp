// --help, the README's list of commands and the manual say the same: the
// usage and the manual's synopsis are made from one file, the README and the
// manual's descriptions are held to it here.

#include "SourceTree.h"
#include "cli/Cli.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace zenbelts::cli {
namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The usage without its "usage: " column, one line as printed.
std::vector<std::string> HelpLines()
{
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"--help"}, "sats.lst", out, err), ExitOk);
    std::vector<std::string> lines;
    for (const std::string& line : Lines(out.str())) {
        EXPECT_LE(line.size(), 80u) << "wider than a terminal: " << line;
        lines.push_back(line.substr(7));
    }
    return lines;
}

// Each command whole, its continuation lines joined with one space.
std::vector<std::string> Commands(const std::vector<std::string>& lines)
{
    std::vector<std::string> commands;
    for (const std::string& line : lines) {
        if (line.starts_with(' ') && !commands.empty())
            commands.back().append(" ").append(line.substr(line.find_first_not_of(' ')));
        else
            commands.push_back(line);
    }
    return commands;
}

// The README's section on the tool, and its first indented block.
std::string ReadmeSection()
{
    const std::string readme = ReadText(ZENBELTS_SOURCE_DIR "/README.md");
    const std::size_t start = readme.find("\n## zenbelts-cli\n");
    const std::size_t end = readme.find("\n## ", start + 1);
    EXPECT_NE(start, std::string::npos);
    return start == std::string::npos ? std::string() : readme.substr(start, end - start);
}

TEST(Usage, TheReadmeListsTheCommandsAsHelpPrintsThem)
{
    std::vector<std::string> block;
    for (const std::string& line : Lines(ReadmeSection())) {
        if (line.starts_with("    "))
            block.push_back(line.substr(4));
        else if (!block.empty())
            break;
    }
    EXPECT_EQ(block, HelpLines());
}

TEST(Usage, EveryCommandIsDescribedInTheReadmeAndTheManual)
{
    const std::string readme = ReadmeSection();
    const std::string manual = ReadText(ZENBELTS_SOURCE_DIR "/man/zenbelts-cli.1.in");
    const std::size_t commands = manual.find("\n.SH COMMANDS\n");
    const std::size_t options = manual.find("\n.SH OPTIONS\n");
    ASSERT_LT(commands, options);
    for (const std::string& command : Commands(HelpLines())) {
        const std::string name = command.substr(13, command.find(' ', 13) - 13);
        if (name.starts_with("--"))
            continue;
        EXPECT_NE(readme.find("`" + name + "`"), std::string::npos)
            << name << ": not described in the README";
        const std::size_t entry = manual.find("\n.TP\n.B " + name + "\n", commands);
        EXPECT_LT(entry, options) << name << ": no entry under COMMANDS in the manual";
    }
}

#ifdef ZENBELTS_MAN_DIR
TEST(Usage, TheManualsSynopsisIsTheUsage)
{
    const std::string manual = ReadText(ZENBELTS_MAN_DIR "/zenbelts-cli.1");
    std::vector<std::string> synopsis;
    bool command = false;
    for (std::string line : Lines(manual)) {
        if (line.starts_with(".SY ")) {
            synopsis.push_back(line.substr(4));
            command = true;
        } else if (line == ".YS") {
            command = false;
        } else if (command) {
            for (const std::string_view code : {"\\fB", "\\fI", "\\fR"})
                for (std::size_t at; (at = line.find(code)) != std::string::npos;)
                    line.erase(at, code.size());
            for (std::size_t at; (at = line.find('\\')) != std::string::npos;)
                line.erase(at, 1);  // "\-" and "\ ": a hyphen and a space
            synopsis.back().append(" ").append(line);
        }
    }
    EXPECT_EQ(synopsis, Commands(HelpLines()));
}
#endif

}  // namespace
}  // namespace zenbelts::cli
