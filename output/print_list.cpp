#include "output/print_list.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "output/file_io.h"
#include "output/print_list_ini.h"

namespace kelvo {
namespace {

namespace fs = std::filesystem;

// The folder as text ending in exactly one separator.
std::string FolderWithSeparator(const fs::path& folder) {
    std::string text = folder.lexically_normal().string();
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

std::string EntryKey(std::size_t index, char suffix) {
    return std::to_string(index) + suffix;
}

fs::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        return home;
    }
    if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) {
        return user->pw_dir;
    }
    return {};
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

bool IsRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// The text of the file to rewrite; a missing file starts empty.
std::string CurrentText(const fs::path& file) {
    FileReadResult read = ReadFileBytes(file);
    return read.Bytes ? std::move(*read.Bytes) : std::string();
}

}  // namespace

fs::path ExpandKelvoMacro(std::string_view storedPath, const fs::path& programFolder) {
    const std::size_t at = storedPath.find(kKelvoMacro);
    if (at == std::string_view::npos) {
        return fs::path(std::string(storedPath));
    }
    std::string rest(storedPath.substr(at + kKelvoMacro.size()));
    std::replace(rest.begin(), rest.end(), '\\', '/');
    return fs::path(std::string(storedPath.substr(0, at)) + FolderWithSeparator(programFolder) +
                    rest);
}

std::string CollapseKelvoMacro(const fs::path& path, const fs::path& programFolder) {
    const std::string folder = FolderWithSeparator(programFolder);
    const std::string text = path.lexically_normal().string();
    if (!text.starts_with(folder)) {
        return path.string();
    }
    std::string rest = text.substr(folder.size());
    std::replace(rest.begin(), rest.end(), '/', '\\');
    return std::string(kKelvoMacro) + rest;
}

std::vector<PrintListEntry> ParsePrintList(std::string_view iniText) {
    std::vector<PrintListEntry> entries;
    const std::optional<IniSection> section = ReadIniSection(iniText, kPrintListSection);
    if (!section) {
        return entries;
    }
    for (std::size_t n = 0;; ++n) {
        const std::optional<std::string_view> name = section->Value(EntryKey(n, 'B'));
        if (!name) {
            break;
        }
        const std::optional<std::string_view> path = section->Value(EntryKey(n, 'F'));
        entries.push_back({std::string(*name), std::string(path.value_or(""))});
    }
    return entries;
}

std::string FormatPrintList(std::string_view iniText, const std::vector<PrintListEntry>& entries) {
    IniPairs pairs;
    pairs.reserve(entries.size() * 2);
    for (std::size_t n = 0; n < entries.size(); ++n) {
        pairs.emplace_back(EntryKey(n, 'B'), entries[n].Name);
        pairs.emplace_back(EntryKey(n, 'F'), entries[n].TemplatePath);
    }
    return ReplaceIniSection(iniText, kPrintListSection, pairs);
}

std::vector<PrintListEntry> EntriesWithTemplates(const std::vector<PrintListEntry>& entries,
                                                 const fs::path& programFolder) {
    std::vector<PrintListEntry> available;
    for (const PrintListEntry& entry : entries) {
        if (!entry.TemplatePath.empty() &&
            IsRegularFile(ExpandKelvoMacro(entry.TemplatePath, programFolder))) {
            available.push_back(entry);
        }
    }
    return available;
}

int ResolveDefaultIndex(int storedIndex, std::size_t entryCount) {
    if (entryCount == 0) {
        return -1;
    }
    if (storedIndex < 0 || static_cast<std::size_t>(storedIndex) >= entryCount) {
        return 0;
    }
    return storedIndex;
}

fs::path UserDataFolder() {
    if (const char* dataHome = std::getenv("XDG_DATA_HOME");
        dataHome != nullptr && dataHome[0] == '/') {
        return fs::path(dataHome) / "kelvo";
    }
    const fs::path home = HomeFolder();
    return home.empty() ? fs::path() : home / ".local" / "share" / "kelvo";
}

PrintListLocation PrintListLocationFor(const fs::path& programFolder) {
    const fs::path userFolder = UserDataFolder();
    return {programFolder / kPrintListFileName,
            userFolder.empty() ? fs::path() : userFolder / kPrintListFileName};
}

std::vector<PrintListEntry> LoadPrintList(const PrintListLocation& location) {
    for (const fs::path& file : {location.UserFile, location.ProgramFile}) {
        if (file.empty()) {
            continue;
        }
        if (FileReadResult read = ReadFileBytes(file); read.Bytes) {
            return ParsePrintList(*read.Bytes);
        }
    }
    return {};
}

PrintListSaveResult SavePrintList(const PrintListLocation& location,
                                  const std::vector<PrintListEntry>& entries) {
    const bool userCopyExists = !location.UserFile.empty() && Exists(location.UserFile);
    std::string programError;
    if (!userCopyExists) {
        const std::string text = FormatPrintList(CurrentText(location.ProgramFile), entries);
        programError = WriteFileAtomically(location.ProgramFile, text);
        if (programError.empty()) {
            return {location.ProgramFile, {}};
        }
    }
    if (location.UserFile.empty()) {
        return {{}, programError + " (no user data folder is known)"};
    }
    std::error_code folderError;
    fs::create_directories(location.UserFile.parent_path(), folderError);
    // The user's copy starts from the program's list so that other sections carry over.
    const fs::path base = userCopyExists ? location.UserFile : location.ProgramFile;
    const std::string text = FormatPrintList(CurrentText(base), entries);
    std::string userError = WriteFileAtomically(location.UserFile, text);
    if (userError.empty()) {
        return {location.UserFile, {}};
    }
    if (!programError.empty()) {
        userError = programError + "; " + userError;
    }
    return {{}, userError};
}

}  // namespace kelvo
