#include "io/FileAccess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string_view>

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zenbelts {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(std::string_view text)
{
    return {text.begin(), text.end()};
}

// What only a user other than root meets: run as root, the test runs what in
// a child process that takes the ids of a plain user; otherwise its own user
// runs it. Returns what it says.
constexpr uid_t PlainUser = 65534;
std::string AsPlainUser(const std::function<std::string()>& what)
{
    if (::geteuid() != 0)
        return what();
    int pipe[2];
    if (::pipe(pipe) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        std::string said = "cannot become the user";
        if (::setgroups(0, nullptr) == 0 && ::setgid(PlainUser) == 0 && ::setuid(PlainUser) == 0)
            said = what();
        (void)!::write(pipe[1], said.data(), said.size());
        ::_exit(0);
    }
    ::close(pipe[1]);
    std::string said;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, static_cast<std::size_t>(n));
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return said;
}

// Saves as AsPlainUser: the error, empty when saved.
std::string SaveAsPlainUser(const fs::path& path, std::string_view text)
{
    return AsPlainUser([&] {
        Message error;
        return WriteFileSafely(path, ToBytes(text), error) ? std::string() : error.English();
    });
}

class FileAccess : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "zenbelts-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }

    // The folder and what is named in it become the plain user's, as his own
    // folder would be.
    void GiveToPlainUser(std::initializer_list<const char*> names = {}) const
    {
        const uid_t user = ::geteuid() == 0 ? PlainUser : ::geteuid();
        const gid_t group = ::geteuid() == 0 ? PlainUser : ::getegid();
        ASSERT_EQ(::chown(dir_.c_str(), user, group), 0);
        for (const char* name : names)
            ASSERT_EQ(::chown(Path(name).c_str(), user, group), 0) << name;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }

    fs::path Path(const std::string& name) const { return dir_ / name; }

    void Put(const std::string& name, std::string_view text) const
    {
        std::ofstream(Path(name), std::ios::binary) << text;
    }

    std::string Contents(const fs::path& path) const
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // Every name in the folder, so a left-over temporary shows.
    std::vector<std::string> Names(const fs::path& folder) const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static mode_t ModeOf(const fs::path& path)
    {
        struct stat info;
        EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
        return info.st_mode & 07777;
    }

    fs::path dir_;
};

TEST_F(FileAccess, NewFileGetsTheUsualPermissionsAndNoTemporaryStays)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    Message error;
    ASSERT_TRUE(WriteFileSafely(Path("new.zb"), ToBytes("fresh"), error)) << error.English();
    EXPECT_EQ(Contents(Path("new.zb")), "fresh");
    EXPECT_EQ(ModeOf(Path("new.zb")), 0666 & ~mask);
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"new.zb"});
}

TEST_F(FileAccess, ReplacingKeepsThePermissionBits)
{
    for (const mode_t mode : {0640, 0600, 0604, 0400, 0755}) {
        // Only root may write a file without its owner's write bit.
        if (::geteuid() != 0 && (mode & S_IWUSR) == 0)
            continue;
        Put("old.zb", "old contents");
        ASSERT_EQ(::chmod(Path("old.zb").c_str(), mode), 0);
        Message error;
        ASSERT_TRUE(WriteFileSafely(Path("old.zb"), ToBytes("new"), error))
            << std::oct << mode << ": " << error.English();
        EXPECT_EQ(Contents(Path("old.zb")), "new") << std::oct << mode;
        EXPECT_EQ(ModeOf(Path("old.zb")), mode) << std::oct << mode;
        EXPECT_EQ(Names(dir_), std::vector<std::string>{"old.zb"}) << std::oct << mode;
    }
}

TEST_F(FileAccess, WritesThroughAChainOfLinks)
{
    fs::create_directories(Path("real"));
    Put("real/target.zb", "old");
    ::chmod(Path("real/target.zb").c_str(), 0640);
    // A relative link resolved from its own folder, then an absolute one.
    fs::create_symlink("real/target.zb", Path("middle"));
    fs::create_symlink(Path("middle"), Path("outer"));

    Message error;
    ASSERT_TRUE(WriteFileSafely(Path("outer"), ToBytes("through"), error)) << error.English();
    EXPECT_TRUE(fs::is_symlink(Path("outer")));
    EXPECT_TRUE(fs::is_symlink(Path("middle")));
    EXPECT_EQ(fs::read_symlink(Path("middle")), fs::path("real/target.zb"));
    EXPECT_EQ(Contents(Path("real/target.zb")), "through");
    EXPECT_EQ(ModeOf(Path("real/target.zb")), 0640u);
    EXPECT_EQ(Names(Path("real")), std::vector<std::string>{"target.zb"});
    EXPECT_EQ(Names(dir_), (std::vector<std::string>{"middle", "outer", "real"}));
}

TEST_F(FileAccess, DanglingLinkCreatesTheFileItNames)
{
    fs::create_symlink("named.zb", Path("link"));
    Message error;
    ASSERT_TRUE(WriteFileSafely(Path("link"), ToBytes("made"), error)) << error.English();
    EXPECT_TRUE(fs::is_symlink(Path("link")));
    EXPECT_EQ(Contents(Path("named.zb")), "made");
}

TEST_F(FileAccess, LinkLoopIsRefused)
{
    fs::create_symlink("b", Path("a"));
    fs::create_symlink("a", Path("b"));
    Message error;
    EXPECT_FALSE(WriteFileSafely(Path("a"), ToBytes("x"), error));
    EXPECT_EQ(error.English().rfind("cannot write it: ", 0), 0u) << error.English();
    EXPECT_EQ(Names(dir_), (std::vector<std::string>{"a", "b"}));
}

TEST_F(FileAccess, TargetsThatAreNotRegularFilesAreLeftAlone)
{
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    fs::create_directories(Path("folder"));
    Put("folder/inside", "kept");
    fs::create_symlink("fifo", Path("to-fifo"));
    fs::create_symlink("folder", Path("to-folder"));
    const struct {
        const char* name;
        const char* why;
    } cases[] = {
        {"fifo", "it is not a regular file"},
        {"folder", "it is a folder, not a file"},
        {"to-fifo", "it is not a regular file"},
        {"to-folder", "it is a folder, not a file"},
    };
    for (const auto& c : cases) {
        Message error;
        // Opening the FIFO for writing would block here: it must not be opened.
        EXPECT_FALSE(WriteFileSafely(Path(c.name), ToBytes("x"), error)) << c.name;
        EXPECT_EQ(error.English(), std::string("cannot write it: ") + c.why) << c.name;
    }
    EXPECT_TRUE(fs::is_fifo(Path("fifo")));
    EXPECT_EQ(Names(Path("folder")), std::vector<std::string>{"inside"});
    EXPECT_EQ(Names(dir_), (std::vector<std::string>{"fifo", "folder", "to-fifo", "to-folder"}));
}

TEST_F(FileAccess, AFailedWriteLeavesTheOldFileAndNoTemporary)
{
    Put("old.zb", "old contents");
    // A file size limit fails the write even for root.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    Message error;
    const bool written = WriteFileSafely(Path("old.zb"), Bytes(5000, 'x'), error);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(error.English(), "cannot write it: file too large");
    EXPECT_EQ(Contents(Path("old.zb")), "old contents");
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"old.zb"});
}

TEST_F(FileAccess, AReadOnlyFolderRefusesTheWrite)
{
    fs::create_directories(Path("ro"));
    Put("ro/old.zb", "old");
    GiveToPlainUser({"ro", "ro/old.zb"});
    fs::permissions(Path("ro"), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(SaveAsPlainUser(Path("ro/old.zb"), "new"), "cannot write it: permission denied");
    fs::permissions(Path("ro"), fs::perms::owner_all);
    EXPECT_EQ(Contents(Path("ro/old.zb")), "old");
    EXPECT_EQ(Names(Path("ro")), std::vector<std::string>{"old.zb"});
}

// A normal user in his own folder: a file he may not write stays as it is,
// however the folder would let it be replaced.
TEST_F(FileAccess, AFileTheUserMayNotWriteIsNotReplaced)
{
    Put("read-only.zb", "kept");
    Put("own.zb", "old");
    Put("roots.zb", "root's");
    GiveToPlainUser({"read-only.zb", "own.zb"});
    ASSERT_EQ(::chmod(Path("read-only.zb").c_str(), 0444), 0);
    ASSERT_EQ(::chmod(Path("roots.zb").c_str(), 0644), 0);

    EXPECT_EQ(SaveAsPlainUser(Path("read-only.zb"), "new"), "cannot write it: permission denied");
    EXPECT_EQ(Contents(Path("read-only.zb")), "kept");
    EXPECT_EQ(ModeOf(Path("read-only.zb")), 0444u);
    EXPECT_EQ(SaveAsPlainUser(Path("own.zb"), "new"), "");
    EXPECT_EQ(Contents(Path("own.zb")), "new");
    if (::geteuid() == 0) {
        EXPECT_EQ(SaveAsPlainUser(Path("roots.zb"), "mine"), "cannot write it: permission denied");
        EXPECT_EQ(Contents(Path("roots.zb")), "root's");
        struct stat info;
        ASSERT_EQ(::stat(Path("roots.zb").c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, 0u);
    }
    EXPECT_EQ(Names(dir_), (std::vector<std::string>{"own.zb", "read-only.zb", "roots.zb"}));
}

// Root may write anything and saves someone's file as theirs.
TEST_F(FileAccess, RootKeepsTheOwnerOfAFileItSaves)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root gives a file to another user";
    Put("theirs.zb", "old");
    ASSERT_EQ(::chown(Path("theirs.zb").c_str(), 12345, 23456), 0);
    ASSERT_EQ(::chmod(Path("theirs.zb").c_str(), 0440), 0);
    Message error;
    ASSERT_TRUE(WriteFileSafely(Path("theirs.zb"), ToBytes("new"), error)) << error.English();
    struct stat info;
    ASSERT_EQ(::stat(Path("theirs.zb").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 12345u);
    EXPECT_EQ(info.st_gid, 23456u);
    EXPECT_EQ(info.st_mode & 07777, 0440u);
    EXPECT_EQ(Contents(Path("theirs.zb")), "new");
}

// A file with other names keeps them all: it is written in place.
TEST_F(FileAccess, AHardLinkedFileStaysOneFile)
{
    Put("a.zb", "a much longer old content");
    fs::create_hard_link(Path("a.zb"), Path("b.zb"));
    for (const std::string_view text : {"short", "a content longer than any before it"}) {
        Message error;
        ASSERT_TRUE(WriteFileSafely(Path("a.zb"), ToBytes(text), error)) << error.English();
        EXPECT_EQ(Contents(Path("a.zb")), text);
        EXPECT_EQ(Contents(Path("b.zb")), text);
        EXPECT_EQ(fs::hard_link_count(Path("a.zb")), 2u);
        EXPECT_EQ(Names(dir_), (std::vector<std::string>{"a.zb", "b.zb"}));
    }
}

// Temporaries of saves that were killed go with the next save to the same
// file, once they are a minute old; nothing else goes.
TEST_F(FileAccess, ASaveClearsItsOwnStaleTemporaries)
{
    const auto aged = [&](const std::string& name, int seconds) {
        const timespec times[2] = {{::time(nullptr) - seconds, 0}, {::time(nullptr) - seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, Path(name).c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << name;
    };
    for (const char* name : {".t.zb.aB3dE6gH.tmp", ".t.zb.ZZZZZZZZ.tmp", ".t.zb.abc.tmp",
                             ".t.zb.aB3dE6g!.tmp", ".u.zb.aB3dE6gH.tmp", "t.zb.aB3dE6gH.tmp"})
        Put(name, "x");
    fs::create_directories(Path(".t.zb.FOLDERxx.tmp"));
    fs::create_symlink("t.zb", Path(".t.zb.LINKlink.tmp"));
    for (const char* name :
         {".t.zb.aB3dE6gH.tmp", ".t.zb.abc.tmp", ".t.zb.aB3dE6g!.tmp", ".u.zb.aB3dE6gH.tmp",
          "t.zb.aB3dE6gH.tmp", ".t.zb.FOLDERxx.tmp", ".t.zb.LINKlink.tmp"})
        aged(name, 120);
    aged(".t.zb.ZZZZZZZZ.tmp", 30);
    Message error;
    ASSERT_TRUE(WriteFileSafely(Path("t.zb"), ToBytes("saved"), error)) << error.English();
    EXPECT_EQ(Names(dir_),
              (std::vector<std::string>{".t.zb.FOLDERxx.tmp", ".t.zb.LINKlink.tmp", ".t.zb.ZZZZZZZZ.tmp",
                                        ".t.zb.aB3dE6g!.tmp", ".t.zb.abc.tmp", ".u.zb.aB3dE6gH.tmp", "t.zb",
                                        "t.zb.aB3dE6gH.tmp"}));
}

// An output is refused when it is any input, or any file of an input folder,
// by device and inode, whatever its name.
TEST_F(FileAccess, OutputsThatAreInputs)
{
    fs::create_directories(Path("folder/sub"));
    Put("in", "1");
    Put("other", "1");
    Put("folder/inside", "1");
    Put("folder/sub/deeper", "1");
    fs::create_hard_link(Path("in"), Path("hard"));
    fs::create_hard_link(Path("folder/inside"), Path("hard-inside"));
    fs::create_symlink("in", Path("link"));
    const std::vector<fs::path> inputs{Path("in"), Path("folder"), Path("none")};
    const struct {
        const char* name;
        bool clash;
    } cases[] = {
        {"in", true},
        {"hard", true},
        {"link", true},
        {"hard-inside", true},
        {"folder/inside", true},
        {"other", false},
        {"new", false},
        {"folder/sub/deeper", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsAnyOfTheInputs(Path(c.name), inputs), c.clash) << c.name;
}

TEST_F(FileAccess, MissingFolderIsAnError)
{
    Message error;
    EXPECT_FALSE(WriteFileSafely(Path("none/a.zb"), ToBytes("x"), error));
    EXPECT_EQ(error.English(), "cannot write it: no such file or directory");
    EXPECT_FALSE(WriteFileSafely("", ToBytes("x"), error));
}

struct ReadCase {
    const char* name;
    std::size_t size;  // bytes in the file
    std::size_t maxBytes;
    ReadProblem problem;
    const char* error;
};

TEST_F(FileAccess, ReadsUpToTheLimitAndNoFurther)
{
    const ReadCase cases[] = {
        {"Empty", 0, 10, ReadProblem::None, ""},
        {"AtTheLimit", 4096, 4096, ReadProblem::None, ""},
        {"OneByteOver", 4097, 4096, ReadProblem::TooLarge, "it is larger than 4 KiB"},
        {"MiB", (1u << 20) + 1, 1u << 20, ReadProblem::TooLarge, "it is larger than 1 MiB"},
        {"OddLimit", 101, 100, ReadProblem::TooLarge, "it is larger than 100 bytes"},
        {"BigBuffer", 200000, 300000, ReadProblem::None, ""},
    };
    for (const ReadCase& c : cases) {
        std::string text(c.size, '\0');
        for (std::size_t i = 0; i < c.size; ++i)
            text[i] = static_cast<char>(i * 7);
        Put("f", text);
        Bytes bytes{1, 2, 3};
        Message error;
        ReadProblem problem = ReadProblem::Missing;
        const bool read = ReadRegularFile(Path("f"), c.maxBytes, bytes, error, &problem);
        EXPECT_EQ(read, c.problem == ReadProblem::None) << c.name;
        EXPECT_EQ(problem, c.problem) << c.name;
        if (read) {
            EXPECT_EQ(std::string(bytes.begin(), bytes.end()), text) << c.name;
        } else {
            EXPECT_EQ(error.English(), c.error) << c.name;
            EXPECT_TRUE(bytes.empty()) << c.name;
        }
    }
}

TEST_F(FileAccess, RefusesWhatIsNotARegularFileAtOnce)
{
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    fs::create_symlink("fifo", Path("to-fifo"));
    const struct {
        const char* name;
        fs::path path;
        ReadProblem problem;
        const char* error;
    } cases[] = {
        {"Missing", Path("none"), ReadProblem::Missing, "no such file"},
        {"MissingFolder", Path("none/f"), ReadProblem::Missing, "no such file"},
        {"Folder", dir_, ReadProblem::NotRegular, "it is a folder, not a file"},
        {"Fifo", Path("fifo"), ReadProblem::NotRegular, "it is not a regular file"},
        {"LinkToFifo", Path("to-fifo"), ReadProblem::NotRegular, "it is not a regular file"},
        {"EndlessDevice", "/dev/zero", ReadProblem::NotRegular, "it is not a regular file"},
    };
    for (const auto& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        Bytes bytes{1};
        Message error;
        ReadProblem problem = ReadProblem::None;
        EXPECT_FALSE(ReadRegularFile(c.path, 1000, bytes, error, &problem)) << c.name;
        EXPECT_EQ(problem, c.problem) << c.name;
        EXPECT_EQ(error.English(), c.error) << c.name;
        EXPECT_TRUE(bytes.empty()) << c.name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.name;
    }
}

TEST_F(FileAccess, UnreadableFileSaysWhy)
{
    Put("secret", "x");
    GiveToPlainUser({"secret"});
    ::chmod(Path("secret").c_str(), 0);
    EXPECT_EQ(AsPlainUser([&] {
                  Bytes bytes;
                  Message error;
                  ReadProblem problem = ReadProblem::None;
                  const bool read = ReadRegularFile(Path("secret"), 10, bytes, error, &problem);
                  return read || problem != ReadProblem::NotReadable ? std::string("read") : error.English();
              }),
              "cannot open it: permission denied");
}

TEST_F(FileAccess, SameFileThroughLinksButNotWhenMissing)
{
    Put("a", "1");
    Put("b", "1");
    fs::create_symlink("a", Path("link"));
    fs::create_hard_link(Path("a"), Path("hard"));
    fs::create_directories(Path("sub"));
    const struct {
        fs::path x, y;
        bool same;
    } cases[] = {
        {Path("a"), Path("a"), true},        {Path("a"), Path("link"), true},
        {Path("a"), Path("hard"), true},     {Path("a"), Path("sub/../a"), true},
        {Path("a"), Path("b"), false},       {Path("a"), Path("none"), false},
        {Path("none"), Path("none"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsSameFile(c.x, c.y), c.same) << c.x << " " << c.y;
}

TEST(PrintableText, ReplacesControlBytesOnly)
{
    const struct {
        std::string_view in;
        std::string out;
    } cases[] = {
        {"plain name.zb", "plain name.zb"},
        {"two\nlines", "two?lines"},
        {"\x1b[2Jclear", "?[2Jclear"},
        {"tab\there\r", "tab?here?"},
        {std::string_view("nul\0byte", 8), "nul?byte"},
        {"del\x7f", "del?"},
        {"csi\xc2\x9b"
         "2J",
         "csi?2J"},
        {"caf\xc3\xa9 \xc2\xa0nbsp", "caf\xc3\xa9 \xc2\xa0nbsp"},
        {"latin1 \xe9 \xff", "latin1 \xe9 \xff"},
        {"lone \xc2", "lone \xc2"},
        {"rlo\xe2\x80\xae lri\xe2\x81\xa7 pdi\xe2\x81\xa9 rlm\xe2\x80\x8f", "rlo? lri? pdi? rlm\xe2\x80\x8f"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrintableText(c.in), c.out) << c.out;
}

}  // namespace
}  // namespace zenbelts
