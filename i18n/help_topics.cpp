#include "i18n/help_topics.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <sstream>
#include <system_error>

namespace kelvo {

namespace {

// The help file of each language with its start and print topics.
struct HelpFile {
    int Language;
    std::string_view File;
    std::string_view StartTopic;
    std::string_view PrintTopic;
};
constexpr std::array<HelpFile, 3> kHelpFiles = {{
    {1, "ZuzivOdi_BG.chm", "ZUZIVODIBG.htm", "PRINTBG.htm"},
    {2, "ZuzivOdi_DE.chm", "ZUZIVODIDE.htm", "PRINTDE.htm"},
    {3, "ZuzivOdi_EN.chm", "ZUZIVODIEN.htm", "PRINTEN.htm"},
}};
constexpr std::size_t kEnglishFile = 2;

constexpr std::string_view kTopicSeparator = "::";

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

const HelpFile* KnownFile(std::string_view file) {
    const std::string name = HelpFolderOf(file);
    for (const HelpFile& known : kHelpFiles) {
        if (EqualIgnoringCase(HelpFolderOf(known.File), name)) {
            return &known;
        }
    }
    return nullptr;
}

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A topic stays inside its help folder.
bool TopicStaysInFolder(std::string_view topic) {
    if (topic.empty() || topic.front() == '/' || topic.front() == '\\' ||
        topic.find(':') != std::string_view::npos) {
        return false;
    }
    std::size_t start = 0;
    while (start <= topic.size()) {
        const std::size_t end = topic.find_first_of("/\\", start);
        const std::string_view part = topic.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (part == "..") {
            return false;
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return true;
}

bool ArgumentAsksForDebug(std::string_view argument) {
    return EqualIgnoringCase(argument, "/debug") || EqualIgnoringCase(argument, "-debug");
}

}  // namespace

HelpLink HelpLinkOf(HelpTopicKind kind, int languageNumber) {
    const HelpFile* file = &kHelpFiles[kEnglishFile];
    for (const HelpFile& known : kHelpFiles) {
        if (known.Language == languageNumber) {
            file = &known;
        }
    }
    const std::string_view topic =
        kind == HelpTopicKind::Print ? file->PrintTopic : file->StartTopic;
    return {std::string(file->File), std::string(topic), {}};
}

std::string HelpLinkText(const HelpLink& link) {
    std::string text = link.File + std::string(kTopicSeparator) + "/" + link.Topic;
    if (!link.Anchor.empty()) {
        text += "#" + link.Anchor;
    }
    return text;
}

std::optional<HelpLink> ParseHelpLink(std::string_view text) {
    text = Trim(text);
    HelpLink link;
    std::string_view topic;
    const std::size_t separator = text.find(kTopicSeparator);
    if (separator == std::string_view::npos) {
        link.File = std::string(text);
    } else {
        link.File = std::string(Trim(text.substr(0, separator)));
        topic = Trim(text.substr(separator + kTopicSeparator.size()));
        if (!topic.empty() && (topic.front() == '/' || topic.front() == '\\')) {
            topic.remove_prefix(1);
        }
    }
    if (link.File.empty()) {
        return std::nullopt;
    }
    const std::size_t hash = topic.find('#');
    if (hash != std::string_view::npos) {
        link.Anchor = std::string(topic.substr(hash + 1));
        topic = topic.substr(0, hash);
    }
    if (topic.empty()) {
        const HelpFile* known = KnownFile(link.File);
        if (known == nullptr) {
            return std::nullopt;
        }
        topic = known->StartTopic;
    }
    if (!TopicStaysInFolder(topic)) {
        return std::nullopt;
    }
    link.Topic = std::string(topic);
    return link;
}

std::string HelpFolderOf(std::string_view file) {
    const std::size_t slash = file.find_last_of("/\\");
    if (slash != std::string_view::npos) {
        file.remove_prefix(slash + 1);
    }
    const std::size_t dot = file.rfind('.');
    if (dot != std::string_view::npos && dot > 0) {
        file = file.substr(0, dot);
    }
    return std::string(file);
}

std::string HelpPagePath(const HelpLink& link) {
    std::string topic = link.Topic;
    std::replace(topic.begin(), topic.end(), '\\', '/');
    return HelpFolderOf(link.File) + "/" + topic;
}

HelpSearch FindHelpPage(const HelpLink& link, const std::vector<std::string>& roots,
                        const std::function<bool(const std::string&)>& exists) {
    HelpSearch search;
    const std::string page = HelpPagePath(link);
    for (const std::string& root : roots) {
        std::string candidate = root;
        if (!candidate.empty() && candidate.back() != '/') {
            candidate += '/';
        }
        candidate += page;
        search.Tried.push_back(candidate);
        if (exists(candidate)) {
            search.Found = candidate;
            break;
        }
    }
    return search;
}

bool HelpDebugRequested(const std::vector<std::string>& arguments,
                        const std::filesystem::path& programFolder) {
    if (std::any_of(arguments.begin(), arguments.end(),
                    [](const std::string& argument) { return ArgumentAsksForDebug(argument); })) {
        return true;
    }
    std::error_code error;
    return !programFolder.empty() &&
           std::filesystem::is_regular_file(programFolder / kHelpDebugSwitchFile, error);
}

std::string HelpDebugText(std::string_view request, const std::optional<HelpLink>& link,
                          const std::vector<std::string>& roots, const HelpSearch& search) {
    std::ostringstream out;
    out << "Help request: " << request << '\n';
    if (!link) {
        out << "Not a help link of this program; nothing shown.\n\n";
        return out.str();
    }
    out << "Help file: " << link->File << " (folder " << HelpFolderOf(link->File) << ")\n";
    out << "Topic: " << link->Topic;
    if (!link->Anchor.empty()) {
        out << " at #" << link->Anchor;
    }
    out << '\n';
    out << "Help roots:";
    if (roots.empty()) {
        out << " none";
    }
    for (const std::string& root : roots) {
        out << ' ' << root;
    }
    out << '\n';
    for (const std::string& tried : search.Tried) {
        out << "Looked for: " << tried << (search.Found == tried ? " - found" : " - missing")
            << '\n';
    }
    out << (search.Found ? "Shown: " + *search.Found : std::string("Page not found")) << "\n\n";
    return out.str();
}

HelpDebugLog::HelpDebugLog(bool enabled, std::filesystem::path programFolder)
    : enabled_(enabled), programFolder_(std::move(programFolder)) {}

bool HelpDebugLog::Write(std::string_view report) {
    if (!enabled_) {
        return false;
    }
    const auto writeTo = [&](const std::filesystem::path& file, std::ios::openmode mode) {
        std::ofstream out(file, std::ios::binary | mode);
        out << report;
        out.flush();
        return static_cast<bool>(out);
    };
    if (!reportFile_.empty() && writeTo(reportFile_, std::ios::app)) {
        return true;
    }
    std::vector<std::filesystem::path> places;
    if (!programFolder_.empty()) {
        places.push_back(programFolder_ / kHelpDebugReportName);
    }
    std::error_code error;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    if (!error) {
        places.push_back(temp / kHelpDebugReportName);
    }
    for (const std::filesystem::path& place : places) {
        if (writeTo(place, std::ios::trunc)) {
            reportFile_ = place;
            return true;
        }
    }
    return false;
}

}  // namespace kelvo
