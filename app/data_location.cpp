#include "app/data_location.h"

#include <QCoreApplication>
#include <array>
#include <system_error>

#include "output/print_list.h"

namespace kelvo {

namespace {

bool HoldsPrintList(const std::filesystem::path& folder) {
    std::error_code error;
    return !folder.empty() && std::filesystem::is_regular_file(folder / kPrintListFileName, error);
}

bool IsFolder(const std::filesystem::path& folder) {
    std::error_code error;
    return !folder.empty() && std::filesystem::is_directory(folder, error);
}

}  // namespace

std::filesystem::path ProgramDataFolderFor(const std::filesystem::path& executableFolder,
                                           const std::filesystem::path& sourceDataFolder) {
    const std::array<std::filesystem::path, 3> candidates = {
        executableFolder,
        executableFolder.empty() ? std::filesystem::path()
                                 : (executableFolder / ".." / "share" / "kelvo").lexically_normal(),
        sourceDataFolder};
    for (const std::filesystem::path& folder : candidates) {
        if (HoldsPrintList(folder)) {
            return folder;
        }
    }
    for (const std::filesystem::path& folder : candidates) {
        if (IsFolder(folder)) {
            return folder;
        }
    }
    return executableFolder;
}

std::filesystem::path ProgramDataFolder() {
#ifdef KELVO_SOURCE_DATA_DIR
    const std::filesystem::path sourceData = std::filesystem::u8path(KELVO_SOURCE_DATA_DIR);
#else
    const std::filesystem::path sourceData;
#endif
    const QString executableFolder = QCoreApplication::applicationDirPath();
    return ProgramDataFolderFor(std::filesystem::path(executableFolder.toStdU16String()),
                                sourceData);
}

}  // namespace kelvo
