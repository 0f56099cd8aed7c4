#pragma once
// The help of the program: one help "file" per language, each a folder of HTML pages named after
// the file without its extension ("ZuzivOdi_EN.chm" is the folder "ZuzivOdi_EN"), and the topics
// the window opens in it. A help link names the file, "::/" and the topic, as in
// "ZuzivOdi_EN.chm::/PRINTEN.htm".
//
// When the program is started with "/debug" or "-debug", or a file "debug.debug" lies beside it,
// every help request is reported in "HHDebug.txt": what was asked for, every place looked at and
// what was found.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

enum class HelpTopicKind {
    Start,  // the start page: the help button and the help menu item
    Print,  // the print list's help button
};

struct HelpLink {
    std::string File;    // "ZuzivOdi_EN.chm"
    std::string Topic;   // "ZUZIVODIEN.htm"
    std::string Anchor;  // the part after "#", without it; usually empty
};

// The link of a topic in a language: 1 Bulgarian, 2 German, any other number English.
HelpLink HelpLinkOf(HelpTopicKind kind, int languageNumber);
std::string HelpLinkText(const HelpLink& link);

// Reads "file::/topic" (also "file::topic" and "topic#anchor"). A link naming only one of the
// three help files opens its start page. Nothing for an empty file, for a file alone that is not
// one of the three, and for a topic that would leave the help folder ("..", an absolute path).
std::optional<HelpLink> ParseHelpLink(std::string_view text);

// The folder that stands for a help file: its name without folders and extension.
std::string HelpFolderOf(std::string_view file);
// The page of a link relative to a help root: "ZuzivOdi_EN/ZUZIVODIEN.htm".
std::string HelpPagePath(const HelpLink& link);

// The places looked at for a page and the first one that exists.
struct HelpSearch {
    std::vector<std::string> Tried;
    std::optional<std::string> Found;
};
// Looks for the page of `link` under each root in turn ("<root>/<page path>"); `exists` tells
// whether a path exists (the window's resources count as paths).
HelpSearch FindHelpPage(const HelpLink& link, const std::vector<std::string>& roots,
                        const std::function<bool(const std::string&)>& exists);

inline constexpr std::string_view kHelpDebugReportName = "HHDebug.txt";
inline constexpr std::string_view kHelpDebugSwitchFile = "debug.debug";

// Whether the help requests are to be reported: an argument "/debug" or "-debug" (any case), or a
// file "debug.debug" in the program's folder.
bool HelpDebugRequested(const std::vector<std::string>& arguments,
                        const std::filesystem::path& programFolder);

// The report of one help request, one line per fact.
std::string HelpDebugText(std::string_view request, const std::optional<HelpLink>& link,
                          const std::vector<std::string>& roots, const HelpSearch& search);

// Writes the reports of a process to "HHDebug.txt" in the program's folder, or in the temporary
// folder when the program's folder cannot be written. The first report of the process replaces an
// older file; later ones are added at its end.
class HelpDebugLog {
  public:
    HelpDebugLog(bool enabled, std::filesystem::path programFolder);

    bool Enabled() const { return enabled_; }
    // False when the report could not be written anywhere (or the log is off).
    bool Write(std::string_view report);
    // Where the reports went; empty until one was written.
    const std::filesystem::path& ReportFile() const { return reportFile_; }

  private:
    bool enabled_;
    std::filesystem::path programFolder_;
    std::filesystem::path reportFile_;
};

}  // namespace kelvo
