#include "io/FileAccess.h"

#include "text/TextEncoding.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <random>

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zenbelts {

namespace fs = std::filesystem;

namespace {

std::string ErrnoText(int code)
{
    std::string text = std::strerror(code);
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

// The system's own words, in the language the process runs in.
Message SystemWords(int code)
{
    return Message::Literal(ErrnoText(code));
}

Message TooLarge(std::size_t maxBytes)
{
    return Message(ZB_TEXT("io", "it is larger than %1"), {SizeText(maxBytes)});
}

bool Refuse(ReadProblem why, Message text, std::vector<std::uint8_t>& bytes, Message& error,
            ReadProblem* problem)
{
    bytes.clear();
    error = std::move(text);
    if (problem)
        *problem = why;
    return false;
}

constexpr std::string_view TemporaryLetters
    = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t TemporaryTail = 8;

// The start of the name of every temporary of a target: its own name, hidden
// and short enough for any file system's name limit.
std::string TemporaryPrefix(const fs::path& target)
{
    std::string prefix(1, '.');
    prefix += target.filename().string().substr(0, 200);
    prefix += '.';
    return prefix;
}

// A name no other writer picks: the prefix with a random tail.
fs::path TemporaryBeside(const fs::path& target)
{
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::string name = TemporaryPrefix(target);
    for (std::size_t i = 0; i < TemporaryTail; ++i)
        name += TemporaryLetters[random() % TemporaryLetters.size()];
    return target.parent_path() / (name + ".tmp");
}

// Whether a file name is one TemporaryBeside gives the target.
bool IsTemporaryOf(const fs::path& target, std::string_view name)
{
    const std::string prefix = TemporaryPrefix(target);
    if (name.size() != prefix.size() + TemporaryTail + 4 || !name.starts_with(prefix)
        || !name.ends_with(".tmp"))
        return false;
    const std::string_view tail = name.substr(prefix.size(), TemporaryTail);
    return tail.find_first_not_of(TemporaryLetters) == std::string_view::npos;
}

}  // namespace

Message SizeText(std::size_t bytes)
{
    constexpr std::size_t KiB = 1024, MiB = 1024 * 1024;
    if (bytes >= MiB && bytes % MiB == 0)
        return Message(ZB_TEXT("io", "%1 MiB"), {Message::Number(static_cast<long long>(bytes / MiB))});
    if (bytes >= KiB && bytes % KiB == 0)
        return Message(ZB_TEXT("io", "%1 KiB"), {Message::Number(static_cast<long long>(bytes / KiB))});
    if (bytes == 1)
        return Message(ZB_TEXT("io", "1 byte"));
    return Message(ZB_TEXT("io", "%1 bytes"), {Message::Number(static_cast<long long>(bytes))});
}

std::string PrintableText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t control = DisplayControlLength(text, i)) {
            out += '?';
            i += control;
        } else {
            out += text[i++];
        }
    }
    return out;
}

bool IsSameFile(const fs::path& a, const fs::path& b)
{
    std::error_code ec;
    if (!fs::exists(a, ec) || !fs::exists(b, ec))
        return false;
    // By device and inode where the system has them.
    const bool same = fs::equivalent(a, b, ec);
    return same && !ec;
}

bool IsAnyOfTheInputs(const fs::path& output, const std::vector<fs::path>& inputs)
{
    std::error_code ec;
    if (!fs::exists(output, ec))
        return false;
    for (const fs::path& input : inputs) {
        if (IsSameFile(output, input))
            return true;
        if (!fs::is_directory(input, ec))
            continue;
        for (fs::directory_iterator it(input, ec), end; !ec && it != end; it.increment(ec)) {
            if (IsSameFile(output, it->path()))
                return true;
        }
    }
    return false;
}

#ifndef _WIN32

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now, so that a failing close can be reported.
    int Close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

int OpenRetrying(const char* path, int flags, mode_t mode = 0)
{
    int fd;
    do {
        fd = ::open(path, flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Temporaries of the target that saves killed on the way left behind: regular
// files of its exact pattern, a minute old, so that no save still running
// loses its own.
void RemoveStaleTemporaries(const fs::path& target)
{
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const std::time_t staleBefore = std::time(nullptr) - 60;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        struct stat info;
        if (IsTemporaryOf(target, it->path().filename().string()) && ::lstat(it->path().c_str(), &info) == 0
            && S_ISREG(info.st_mode) && info.st_mtime < staleBefore)
            ::unlink(it->path().c_str());
    }
}

// Writes bytes over a file that has other names too, keeping its inode: room
// is taken first, so a full disk leaves the old contents whole.
bool WriteInPlace(const fs::path& target, const struct stat& old, std::span<const std::uint8_t> bytes,
                  int& code)
{
    Descriptor file(OpenRetrying(target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat now;
    if (file.get() < 0 || ::fstat(file.get(), &now) != 0) {
        code = errno;
        return false;
    }
    // Never another file than the one checked.
    if (now.st_dev != old.st_dev || now.st_ino != old.st_ino || !S_ISREG(now.st_mode)) {
        code = EAGAIN;
        return false;
    }
    const auto size = static_cast<off_t>(bytes.size());
    if (size > now.st_size) {
        const int result = ::posix_fallocate(file.get(), 0, size);
        if (result != 0 && result != EOPNOTSUPP && result != EINVAL) {
            code = result;
            return false;
        }
    }
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n
            = ::pwrite(file.get(), bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            code = n < 0 ? errno : EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::ftruncate(file.get(), size) != 0 || ::fsync(file.get()) != 0 || file.Close() != 0) {
        code = errno;
        return false;
    }
    return true;
}

// Follows a chain of symbolic links to the file that is really meant, which
// need not exist yet. Sets errno and returns false on a loop or a bad path.
bool FinalTarget(fs::path& path, struct stat& info, bool& exists)
{
    for (int hops = 0; hops < 40; ++hops) {
        if (::lstat(path.c_str(), &info) != 0) {
            if (errno != ENOENT)
                return false;
            exists = false;
            return true;
        }
        if (!S_ISLNK(info.st_mode)) {
            exists = true;
            return true;
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            errno = ec.value();
            return false;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    errno = ELOOP;
    return false;
}

}  // namespace

bool ReadRegularFile(const fs::path& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes,
                     Message& error, ReadProblem* problem)
{
    bytes.clear();
    if (problem)
        *problem = ReadProblem::None;
    // Non-blocking, so that opening a FIFO returns at once; it is refused below.
    const Descriptor file(OpenRetrying(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        const int code = errno;
        if (code == ENOENT)
            return Refuse(ReadProblem::Missing, Message(ZB_TEXT("io", "no such file")), bytes, error,
                          problem);
        return Refuse(ReadProblem::NotReadable,
                      Message(ZB_TEXT("io", "cannot open it: %1"), {SystemWords(code)}), bytes, error,
                      problem);
    }
    struct stat info;
    if (::fstat(file.get(), &info) != 0)
        return Refuse(ReadProblem::NotReadable,
                      Message(ZB_TEXT("io", "cannot read it: %1"), {SystemWords(errno)}), bytes, error,
                      problem);
    if (S_ISDIR(info.st_mode))
        return Refuse(ReadProblem::NotRegular, Message(ZB_TEXT("io", "it is a folder, not a file")), bytes,
                      error, problem);
    if (!S_ISREG(info.st_mode))
        return Refuse(ReadProblem::NotRegular, Message(ZB_TEXT("io", "it is not a regular file")), bytes,
                      error, problem);
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return Refuse(ReadProblem::TooLarge, TooLarge(maxBytes), bytes, error, problem);

    bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::uint8_t buffer[65536];
    // The file may grow while it is read: one byte past the limit is enough to know.
    while (bytes.size() <= maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes + 1 - bytes.size());
        const ssize_t n = ::read(file.get(), buffer, want);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Refuse(ReadProblem::NotReadable,
                          Message(ZB_TEXT("io", "cannot read it: %1"), {SystemWords(errno)}), bytes, error,
                          problem);
        }
        if (n == 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    if (bytes.size() > maxBytes)
        return Refuse(ReadProblem::TooLarge, TooLarge(maxBytes), bytes, error, problem);
    return true;
}

bool WriteFileSafely(const fs::path& path, std::span<const std::uint8_t> bytes, Message& error)
{
    const auto fail = [&error](Message why) {
        error = Message(ZB_TEXT("io", "cannot write it: %1"), {std::move(why)});
        return false;
    };
    if (path.empty() || !path.has_filename())
        return fail(path.empty() ? Message(ZB_TEXT("io", "no file name"))
                                 : Message(ZB_TEXT("io", "it is a folder, not a file")));

    fs::path target = path;
    struct stat old;
    bool exists = false;
    if (!FinalTarget(target, old, exists))
        return fail(SystemWords(errno));
    // Never open a device, a FIFO or a socket, and never replace a folder.
    if (exists && S_ISDIR(old.st_mode))
        return fail(Message(ZB_TEXT("io", "it is a folder, not a file")));
    if (exists && !S_ISREG(old.st_mode))
        return fail(Message(ZB_TEXT("io", "it is not a regular file")));
    // The rename would replace a file the user may not write whenever the
    // folder is his: ask as the editors do. Root may write anything.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return fail(SystemWords(errno));
    RemoveStaleTemporaries(target);
    if (exists && old.st_nlink > 1) {
        int code = 0;
        return WriteInPlace(target, old, bytes, code) || fail(SystemWords(code));
    }

    // Created like any new file (0666 less the umask), so a new target gets
    // the usual permissions; an old one's are copied below.
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryBeside(target);
        fd = OpenRetrying(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST)
            return fail(SystemWords(errno));
    }
    if (fd < 0)
        return fail(SystemWords(EEXIST));
    Descriptor file(fd);

    const auto discard = [&](int code) {
        if (file.get() >= 0)
            file.Close();
        ::unlink(temporary.c_str());
        return fail(SystemWords(code));
    };
    if (exists) {
        // Best effort: when root saves someone's file, it stays theirs.
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            && ::fchown(file.get(), old.st_uid, old.st_gid) != 0) {
            // Not ours to give away: the file becomes the writer's, as any new one would.
        }
        if (::fchmod(file.get(), old.st_mode & 0777) != 0)
            return discard(errno);
    }
    if (!WriteAll(file.get(), bytes.data(), bytes.size()))
        return discard(errno);
    if (::fsync(file.get()) != 0)
        return discard(errno);
    if (file.Close() != 0)
        return discard(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return discard(errno);

    // The new file is complete on disk; syncing the folder makes the rename
    // last. Some file systems cannot sync a folder, and the file is already
    // replaced, so a failure here is not reported.
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const Descriptor dir(OpenRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        (void)::fsync(dir.get());
    return true;
}

#else  // _WIN32: no FIFOs to fear and no folders to sync.

bool ReadRegularFile(const fs::path& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes,
                     Message& error, ReadProblem* problem)
{
    bytes.clear();
    if (problem)
        *problem = ReadProblem::None;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status))
        return Refuse(ReadProblem::Missing, Message(ZB_TEXT("io", "no such file")), bytes, error, problem);
    if (fs::is_directory(status))
        return Refuse(ReadProblem::NotRegular, Message(ZB_TEXT("io", "it is a folder, not a file")), bytes,
                      error, problem);
    if (!fs::is_regular_file(status))
        return Refuse(ReadProblem::NotRegular, Message(ZB_TEXT("io", "it is not a regular file")), bytes,
                      error, problem);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Refuse(ReadProblem::NotReadable,
                      Message(ZB_TEXT("io", "cannot open it: %1"), {SystemWords(errno)}), bytes, error,
                      problem);
    char buffer[65536];
    while (bytes.size() <= maxBytes && in) {
        in.read(buffer, static_cast<std::streamsize>(std::min(sizeof buffer, maxBytes + 1 - bytes.size())));
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
    }
    if (in.bad())
        return Refuse(ReadProblem::NotReadable, Message(ZB_TEXT("io", "cannot read it")), bytes, error,
                      problem);
    if (bytes.size() > maxBytes)
        return Refuse(ReadProblem::TooLarge, TooLarge(maxBytes), bytes, error, problem);
    return true;
}

bool WriteFileSafely(const fs::path& path, std::span<const std::uint8_t> bytes, Message& error)
{
    std::error_code ec;
    fs::path target = fs::is_symlink(path, ec) ? fs::weakly_canonical(path, ec) : path;
    const fs::file_status status = fs::status(target, ec);
    if (fs::is_directory(status)) {
        error = Message(ZB_TEXT("io", "cannot write it: %1"),
                        {Message(ZB_TEXT("io", "it is a folder, not a file"))});
        return false;
    }
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        error = Message(ZB_TEXT("io", "cannot write it: %1"),
                        {Message(ZB_TEXT("io", "it is not a regular file"))});
        return false;
    }
    const fs::path temporary = TemporaryBeside(target);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, ec);
            error = Message(ZB_TEXT("io", "cannot write it: %1"), {SystemWords(errno)});
            return false;
        }
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        error = Message(ZB_TEXT("io", "cannot write it: %1"), {Message::Literal(ec.message())});
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

#endif

}  // namespace zenbelts
