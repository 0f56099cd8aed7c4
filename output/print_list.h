#pragma once
// The print list file "zuzivodi.pls": the user's print templates, each a name
// and a template path, in section "frmPrgRezbi" as keys 0B/0F, 1B/1F, ...

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

inline constexpr std::string_view kPrintListFileName = "zuzivodi.pls";
inline constexpr std::string_view kPrintListSection = "frmPrgRezbi";
// Stands for the program's folder with its trailing separator.
inline constexpr std::string_view kKelvoMacro = "$(KELVO)\\";

struct PrintListEntry {
    std::string Name;          // menu caption
    std::string TemplatePath;  // as stored, possibly beginning with "$(KELVO)\"

    bool operator==(const PrintListEntry&) const = default;
};

// The path with its first "$(KELVO)\" replaced by the program's folder. The
// part after the macro may use "\" between folders, as lists written on
// Windows do; it is read as the native separator.
std::filesystem::path ExpandKelvoMacro(std::string_view storedPath,
                                       const std::filesystem::path& programFolder);

// The path to store: a path inside the program's folder begins with
// "$(KELVO)\" and uses "\" between folders, so the list survives a move of the
// program's folder; any other path is stored as it is.
std::string CollapseKelvoMacro(const std::filesystem::path& path,
                               const std::filesystem::path& programFolder);

// Entries 0, 1, 2, ... of the section, stopping at the first n without nB; an
// entry without nF gets an empty path. A text without the section gives none.
std::vector<PrintListEntry> ParsePrintList(std::string_view iniText);

// `iniText` with the section erased and written anew from `entries`; other
// sections stay.
std::string FormatPrintList(std::string_view iniText, const std::vector<PrintListEntry>& entries);

// The entries whose template file exists (macro expanded): the menu's entries.
std::vector<PrintListEntry> EntriesWithTemplates(const std::vector<PrintListEntry>& entries,
                                                 const std::filesystem::path& programFolder);

// The default entry's index for a stored index: the stored one when it names
// an entry, else 0; -1 when there is no entry.
int ResolveDefaultIndex(int storedIndex, std::size_t entryCount);

// Where the list lives: beside the program, and the user's own copy in the
// user's data folder for when the program's folder cannot be written.
struct PrintListLocation {
    std::filesystem::path ProgramFile;  // <program folder>/zuzivodi.pls
    std::filesystem::path UserFile;     // <user data folder>/zuzivodi.pls
};

// $XDG_DATA_HOME/kelvo when XDG_DATA_HOME is an absolute path, else
// ~/.local/share/kelvo; empty when no home folder is known.
std::filesystem::path UserDataFolder();
PrintListLocation PrintListLocationFor(const std::filesystem::path& programFolder);

// Reads the user's copy when there is one, else the file beside the program;
// a missing file gives no entries, and so does a file of more than 64 MB. A
// file saved as UTF-16 with its byte-order mark is read as text, and a save
// writes it back in the same encoding.
std::vector<PrintListEntry> LoadPrintList(const PrintListLocation& location);

struct PrintListSaveResult {
    std::filesystem::path WrittenTo;  // empty when nothing could be written
    std::string Error;
    bool Ok() const { return Error.empty(); }
};

// Writes the list in one step (never a half file): into the user's copy when
// there is one, else beside the program, and into the user's copy when the
// program's folder cannot be written. Other sections of the file are kept. A
// file that is there but cannot be read is never written over: the list goes
// to the user's copy instead, or the save fails when that is the file.
PrintListSaveResult SavePrintList(const PrintListLocation& location,
                                  const std::vector<PrintListEntry>& entries);

}  // namespace kelvo
