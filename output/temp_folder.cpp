#include "output/temp_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace kelvo {
namespace {

TempFolderResult Refuse(const std::filesystem::path& folder, const std::string& reason) {
    return {{},
            "The folder \"" + folder.string() + "\" cannot be used for print documents: " + reason};
}

// Checks the folder through a descriptor opened without following a link, so
// that what is checked is what is there.
TempFolderResult CheckOwnPrivateFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        struct stat linkInfo {};
        if (::lstat(folder.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
            return Refuse(folder, "it is a symbolic link.");
        }
        return Refuse(folder, std::strerror(errno));
    }
    struct stat info {};
    const int statResult = ::fstat(fd, &info);
    const int statErrno = errno;
    ::close(fd);
    if (statResult != 0) {
        return Refuse(folder, std::strerror(statErrno));
    }
    if (info.st_uid != ::geteuid()) {
        return Refuse(folder, "it belongs to another user.");
    }
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        return Refuse(folder, "other users have access to it.");
    }
    return {folder, {}};
}

}  // namespace

TempFolderResult PreparePrivateFolder(const std::filesystem::path& base) {
    const std::filesystem::path folder = base / ("kelvo-" + std::to_string(::geteuid()));
    if (::mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
        return Refuse(folder, std::strerror(errno));
    }
    return CheckOwnPrivateFolder(folder);
}

TempFolderResult PrepareUserTempFolder() {
    const char* tmpdir = std::getenv("TMPDIR");
    std::filesystem::path base = "/tmp";
    if (tmpdir != nullptr && tmpdir[0] == '/') {
        base = tmpdir;
    }
    return PreparePrivateFolder(base);
}

}  // namespace kelvo
