#include "output/print_list.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <system_error>

#include "i18n/text_encoding.h"
#include "output/file_io.h"
#include "output/print_list_ini.h"
#include "output/text_encoding.h"

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

// A list file's text in UTF-8. An editor may have saved the list as UTF-16 with its byte-order
// mark; such a file is read as text and written back in the byte order it came in.
struct ListFileText {
    std::string Utf8;
    std::optional<ByteOrder> Utf16;
};

ListFileText DecodeListFile(std::string bytes) {
    const bool little = bytes.starts_with("\xFF\xFE");
    if (!little && !bytes.starts_with("\xFE\xFF")) {
        return {std::move(bytes), std::nullopt};
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    return {Utf16ToUtf8(DecodeTableText({data, bytes.size()})),
            little ? ByteOrder::LittleEndian : ByteOrder::BigEndian};
}

std::string EncodeListFile(const std::string& utf8, std::optional<ByteOrder> utf16) {
    if (!utf16) {
        return utf8;
    }
    const std::string_view mark = *utf16 == ByteOrder::LittleEndian ? "\xFF\xFE" : "\xFE\xFF";
    return std::string(mark) + Utf8ToUtf16(utf8, *utf16);
}

// Far above any list a person keeps; a larger file is neither read nor written over.
constexpr std::size_t kMaxListFileBytes = std::size_t{64} << 20;

struct CurrentListText {
    std::optional<ListFileText> Text;  // nothing when the file is there but cannot be read
    std::string Error;
};

// The text of a list file to rewrite: a missing file starts empty.
CurrentListText CurrentText(const fs::path& file) {
    if (!Exists(file)) {
        return {ListFileText{}, {}};
    }
    FileReadResult read = ReadFileBytes(file, kMaxListFileBytes);
    if (!read.Bytes) {
        return {std::nullopt, std::move(read.Error)};
    }
    return {DecodeListFile(std::move(*read.Bytes)), {}};
}

// Writes the list into `target` with the other sections of `current`, in its encoding.
std::string WriteListFile(const fs::path& target, const ListFileText& current,
                          const std::vector<PrintListEntry>& entries) {
    return WriteFileAtomically(
        target, EncodeListFile(FormatPrintList(current.Utf8, entries), current.Utf16));
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
        if (FileReadResult read = ReadFileBytes(file, kMaxListFileBytes); read.Bytes) {
            return ParsePrintList(DecodeListFile(std::move(*read.Bytes)).Utf8);
        }
    }
    return {};
}

PrintListSaveResult SavePrintList(const PrintListLocation& location,
                                  const std::vector<PrintListEntry>& entries) {
    const bool userCopyExists = !location.UserFile.empty() && Exists(location.UserFile);
    // The user's copy starts from the program's list so that other sections carry over.
    const CurrentListText current =
        CurrentText(userCopyExists ? location.UserFile : location.ProgramFile);
    std::string programError;
    if (!userCopyExists) {
        programError = current.Text ? WriteListFile(location.ProgramFile, *current.Text, entries)
                                    : current.Error + " (the file is left as it is)";
        if (programError.empty()) {
            return {location.ProgramFile, {}};
        }
    }
    if (location.UserFile.empty()) {
        return {{}, programError + " (no user data folder is known)"};
    }
    // A program's list that cannot be read stays where it is and the user's copy starts empty;
    // a user's copy that cannot be read is not written over.
    if (!current.Text && userCopyExists) {
        return {{}, current.Error + " (the file is left as it is)"};
    }
    std::error_code folderError;
    fs::create_directories(location.UserFile.parent_path(), folderError);
    std::string userError =
        WriteListFile(location.UserFile, current.Text.value_or(ListFileText{}), entries);
    if (userError.empty()) {
        return {location.UserFile, {}};
    }
    if (!programError.empty()) {
        userError = programError + "; " + userError;
    }
    return {{}, userError};
}

}  // namespace kelvo
