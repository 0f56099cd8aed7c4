#include "output/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace kelvo {
namespace {

constexpr mode_t kNewFileMode = 0644;

std::string SystemError(std::string_view what, const std::filesystem::path& path, int error) {
    return std::string(what) + " \"" + path.string() + "\": " + std::strerror(error);
}

// Writes all bytes, resuming after partial writes and interruptions.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

FileReadResult ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    FileReadResult result;
    // O_NONBLOCK: a named pipe in place of a template must not hang the print.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.Error = SystemError("Cannot open file", path, errno);
        return result;
    }
    struct stat info {};
    const bool statFailed = ::fstat(fd, &info) != 0;
    if (statFailed || !S_ISREG(info.st_mode)) {
        const int error = statFailed ? errno : (S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
        ::close(fd);
        result.Error = SystemError("Cannot open file", path, error);
        return result;
    }
    const auto tooLarge = [&] {
        ::close(fd);
        result.Error = "Cannot read file \"" + path.string() + "\": it is larger than " +
                       std::to_string(maxBytes) + " bytes";
        return result;
    };
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        return tooLarge();
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            result.Error = SystemError("Cannot read file", path, errno);
            ::close(fd);
            return result;
        }
        if (count == 0) {
            break;
        }
        if (static_cast<std::size_t>(count) > maxBytes - bytes.size()) {
            return tooLarge();  // the file grew while it was read
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(fd);
    result.Bytes = std::move(bytes);
    return result;
}

std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    // A hidden name beside the target; mkostemp fills in the X's.
    std::string hiddenName = target.filename().string();
    hiddenName.insert(hiddenName.begin(), '.');
    hiddenName.append(".XXXXXX");
    std::string tempName = (folder / hiddenName).string();
    const int fd = ::mkostemp(tempName.data(), O_CLOEXEC);
    if (fd < 0) {
        return SystemError("Cannot create a file in", folder, errno);
    }
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : kNewFileMode;
    int error = 0;
    if (::fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(tempName.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(tempName.c_str());
        return SystemError("Cannot write file", target, error);
    }
    SyncFolder(folder);
    return {};
}

std::string WriteFileReplacing(const std::filesystem::path& target, std::string_view bytes) {
    // The private folder holds the file; O_NOFOLLOW still refuses a link in it.
    const int fd =
        ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return SystemError("Cannot create file", target, errno);
    }
    int error = WriteAll(fd, bytes) ? 0 : errno;
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error == 0 ? std::string() : SystemError("Cannot write file", target, error);
}

}  // namespace kelvo
