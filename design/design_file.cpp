#include "design/design_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <string>

#include "design/design_json.h"

namespace tolvane::design {

namespace {

// A design file larger than this is refused before it is parsed.
constexpr std::size_t kMaxDesignBytes = 64 * 1024 * 1024;

[[noreturn]] void Fail(const std::string& where, const std::string& problem) {
    throw DesignError(where + ": " + problem);
}

// What a path that is not a regular file holds, as a message names it.
std::string FileKind(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISFIFO(mode)) {
        return "a pipe";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "something else";
}

// verb: "read" or "written".
[[noreturn]] void FailNotRegular(const std::string& where, mode_t mode, const char* verb) {
    Fail(where,
         std::string("cannot be ") + verb + ": it is " + FileKind(mode) + ", not a regular file");
}

// The system's reason for the error number, e.g. "Not a directory".
[[noreturn]] void FailWith(const std::string& where, const char* verb, int error) {
    Fail(where, std::string("cannot be ") + verb + ": " + std::strerror(error));
}

// A file descriptor, closed when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return descriptor_; }
    // Closes it now; the error number of a failed close, or 0.
    int Close() {
        const int result = descriptor_ >= 0 ? ::close(descriptor_) : 0;
        descriptor_ = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int descriptor_;
};

// Writes all of bytes; the error number of a failed write, or 0.
int WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? errno : EIO;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Creates a new file beside target, named after it with a random suffix, with the permissions
// a new file gets (0666 less the process's umask). Sets name; returns the descriptor or -1.
int CreateBeside(const std::filesystem::path& target, std::string& name) {
    constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target.string() + '.';
        for (int i = 0; i < 6; ++i) {
            name += kLetters[letter(random)];
        }
        const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
    }
    return -1;
}

}  // namespace

Design ReadDesign(const std::filesystem::path& path) {
    const std::string where = path.string();
    // The type is checked before the open, so a device is never opened, and again on the open
    // descriptor, so nothing can swap the file in between; O_NONBLOCK keeps the open of a pipe
    // that took the file's place from waiting for a writer.
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        FailNotRegular(where, status.st_mode, "read");
    }
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0) {
        FailWith(where, "read", errno);
    }
    if (::fstat(file.Get(), &status) != 0) {
        FailWith(where, "read", errno);
    }
    if (!S_ISREG(status.st_mode)) {
        FailNotRegular(where, status.st_mode, "read");
    }
    // One byte past the limit tells a file that is too large, even one that grows meanwhile.
    std::string json;
    json.reserve(std::min<std::size_t>(static_cast<std::size_t>(std::max<off_t>(status.st_size, 0)),
                                       kMaxDesignBytes) +
                 1);
    char buffer[64 * 1024];
    while (json.size() <= kMaxDesignBytes) {
        const std::size_t wanted = std::min(sizeof buffer, kMaxDesignBytes + 1 - json.size());
        const ssize_t count = ::read(file.Get(), buffer, wanted);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            FailWith(where, "read", errno);
        }
        if (count == 0) {
            break;
        }
        json.append(buffer, static_cast<std::size_t>(count));
    }
    if (json.size() > kMaxDesignBytes) {
        Fail(where, "is larger than " + std::to_string(kMaxDesignBytes) + " bytes");
    }
    return ParseDesign(json, where);
}

void WriteDesign(const Design& design, const std::filesystem::path& path) {
    const std::string where = path.string();
    // The save replaces the file path finally names, following links: a device, a pipe or a
    // folder there (say a link to /dev/full) would be replaced by a regular file, so it is refused.
    struct stat status {};
    const bool exists = ::stat(path.c_str(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode)) {
        FailNotRegular(where, status.st_mode, "written");
    }
    std::error_code ignored;
    const std::filesystem::path target = exists ? std::filesystem::canonical(path, ignored) : path;
    const std::string json = SerializeDesign(design);

    std::string temporary;
    Descriptor file(CreateBeside(target.empty() ? path : target, temporary));
    if (file.Get() < 0) {
        FailWith(where, "written", errno);
    }
    // The replaced file's permissions carry over; where they cannot, the file gets a new file's.
    if (exists) {
        ::fchmod(file.Get(), status.st_mode & 07777);
    }
    int error = WriteAll(file.Get(), json);
    if (error == 0 && ::fsync(file.Get()) != 0) {
        error = errno;
    }
    if (const int closed = file.Close(); error == 0) {
        error = closed;
    }
    if (error == 0 && ::rename(temporary.c_str(), (target.empty() ? path : target).c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        FailWith(where, "written", error);
    }
}

}  // namespace tolvane::design
