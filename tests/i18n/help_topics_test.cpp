#include "i18n/help_topics.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

namespace kelvo {
namespace {

TEST(HelpTopics, LinksPerLanguageAndTopic) {
    const struct {
        HelpTopicKind kind;
        int language;
        const char* link;
    } cases[] = {
        {HelpTopicKind::Start, 1, "ZuzivOdi_BG.chm::/ZUZIVODIBG.htm"},
        {HelpTopicKind::Start, 2, "ZuzivOdi_DE.chm::/ZUZIVODIDE.htm"},
        {HelpTopicKind::Start, 3, "ZuzivOdi_EN.chm::/ZUZIVODIEN.htm"},
        {HelpTopicKind::Start, 0, "ZuzivOdi_EN.chm::/ZUZIVODIEN.htm"},  // any other: English
        {HelpTopicKind::Start, 7, "ZuzivOdi_EN.chm::/ZUZIVODIEN.htm"},
        {HelpTopicKind::Print, 1, "ZuzivOdi_BG.chm::/PRINTBG.htm"},
        {HelpTopicKind::Print, 2, "ZuzivOdi_DE.chm::/PRINTDE.htm"},
        {HelpTopicKind::Print, 3, "ZuzivOdi_EN.chm::/PRINTEN.htm"},
        {HelpTopicKind::Print, -1, "ZuzivOdi_EN.chm::/PRINTEN.htm"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HelpLinkText(HelpLinkOf(c.kind, c.language)), c.link) << c.language;
    }
}

TEST(HelpTopics, LinksMapToAFolderPerHelpFile) {
    EXPECT_EQ(HelpPagePath(HelpLinkOf(HelpTopicKind::Start, 3)), "ZuzivOdi_EN/ZUZIVODIEN.htm");
    EXPECT_EQ(HelpPagePath(HelpLinkOf(HelpTopicKind::Print, 1)), "ZuzivOdi_BG/PRINTBG.htm");
    EXPECT_EQ(HelpFolderOf("ZuzivOdi_DE.chm"), "ZuzivOdi_DE");
    EXPECT_EQ(HelpFolderOf("C:\\Program\\ZuzivOdi_DE.chm"), "ZuzivOdi_DE");
    EXPECT_EQ(HelpFolderOf("/opt/kelvo/ZuzivOdi_DE"), "ZuzivOdi_DE");
    EXPECT_EQ(HelpPagePath({"ZuzivOdi_EN.chm", "sub\\page.htm", ""}), "ZuzivOdi_EN/sub/page.htm");
}

TEST(HelpTopics, ParsesFileTopicAndAnchor) {
    const struct {
        const char* text;
        const char* file;
        const char* topic;
        const char* anchor;
    } cases[] = {
        {"ZuzivOdi_EN.chm::/PRINTEN.htm", "ZuzivOdi_EN.chm", "PRINTEN.htm", ""},
        {"ZuzivOdi_EN.chm::PRINTEN.htm", "ZuzivOdi_EN.chm", "PRINTEN.htm", ""},
        {" ZuzivOdi_DE.chm::/gauges.htm#schema ", "ZuzivOdi_DE.chm", "gauges.htm", "schema"},
        // A help file alone opens its start page, whatever the case of its name.
        {"ZuzivOdi_BG.chm", "ZuzivOdi_BG.chm", "ZUZIVODIBG.htm", ""},
        {"zuzivodi_de.chm::/", "zuzivodi_de.chm", "ZUZIVODIDE.htm", ""},
        {"Other.chm::/page.htm", "Other.chm", "page.htm", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<HelpLink> link = ParseHelpLink(c.text);
        ASSERT_TRUE(link.has_value());
        EXPECT_EQ(link->File, c.file);
        EXPECT_EQ(link->Topic, c.topic);
        EXPECT_EQ(link->Anchor, c.anchor);
    }
    // Round trip of the program's own links.
    const HelpLink print = HelpLinkOf(HelpTopicKind::Print, 2);
    const std::optional<HelpLink> again = ParseHelpLink(HelpLinkText(print));
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->File, print.File);
    EXPECT_EQ(again->Topic, print.Topic);
}

TEST(HelpTopics, RejectsLinksThatNameNoPageOrLeaveTheFolder) {
    for (const char* text : {"", "   ", "::/PRINTEN.htm", "Other.chm", "Other.chm::/",
                             "ZuzivOdi_EN.chm::/../secret.txt", "ZuzivOdi_EN.chm::/a/../../b.htm",
                             "ZuzivOdi_EN.chm::/\\etc\\passwd", "ZuzivOdi_EN.chm::C:/x.htm",
                             "ZuzivOdi_EN.chm::..\\x.htm"}) {
        EXPECT_FALSE(ParseHelpLink(text).has_value()) << text;
    }
}

TEST(HelpTopics, FindsThePageUnderTheFirstRootThatHoldsIt) {
    const std::set<std::string> existing = {"/usr/share/kelvo/help/ZuzivOdi_EN/PRINTEN.htm",
                                            "/opt/help/ZuzivOdi_EN/PRINTEN.htm"};
    const auto exists = [&](const std::string& path) { return existing.count(path) > 0; };
    const HelpLink link = HelpLinkOf(HelpTopicKind::Print, 3);
    const std::vector<std::string> roots = {":/help", "/usr/share/kelvo/help/", "/opt/help"};

    const HelpSearch search = FindHelpPage(link, roots, exists);
    ASSERT_TRUE(search.Found.has_value());
    EXPECT_EQ(*search.Found, "/usr/share/kelvo/help/ZuzivOdi_EN/PRINTEN.htm");
    EXPECT_EQ(search.Tried,
              (std::vector<std::string>{":/help/ZuzivOdi_EN/PRINTEN.htm",
                                        "/usr/share/kelvo/help/ZuzivOdi_EN/PRINTEN.htm"}));

    const HelpSearch missing = FindHelpPage(HelpLinkOf(HelpTopicKind::Print, 1), roots, exists);
    EXPECT_FALSE(missing.Found.has_value());
    EXPECT_EQ(missing.Tried.size(), 3u);
}

// A folder of its own under the temporary folder, removed at the end of the test.
class TempFolder {
  public:
    TempFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("kelvo_help_test_" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(path_, error);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(HelpDebug, SwitchedOnByArgumentOrFileBesideTheProgram) {
    TempFolder folder;
    EXPECT_FALSE(HelpDebugRequested({"zuzivodi"}, folder.path()));
    EXPECT_FALSE(HelpDebugRequested({"zuzivodi", "--debug", "debug"}, folder.path()));
    EXPECT_TRUE(HelpDebugRequested({"zuzivodi", "/debug"}, folder.path()));
    EXPECT_TRUE(HelpDebugRequested({"zuzivodi", "-DEBUG"}, folder.path()));
    EXPECT_TRUE(HelpDebugRequested({"zuzivodi", "x", "/Debug"}, {}));

    std::ofstream(folder.path() / "debug.debug") << "";
    EXPECT_TRUE(HelpDebugRequested({"zuzivodi"}, folder.path()));
}

TEST(HelpDebug, ReportNamesWhatWasSoughtAndFound) {
    const HelpLink link = HelpLinkOf(HelpTopicKind::Start, 2);
    HelpSearch search;
    search.Tried = {":/help/ZuzivOdi_DE/ZUZIVODIDE.htm", "/opt/help/ZuzivOdi_DE/ZUZIVODIDE.htm"};
    search.Found = search.Tried[1];
    const std::string report =
        HelpDebugText(HelpLinkText(link), link, {":/help", "/opt/help"}, search);
    EXPECT_NE(report.find("Help request: ZuzivOdi_DE.chm::/ZUZIVODIDE.htm\n"), std::string::npos);
    EXPECT_NE(report.find("Topic: ZUZIVODIDE.htm\n"), std::string::npos);
    EXPECT_NE(report.find("Looked for: :/help/ZuzivOdi_DE/ZUZIVODIDE.htm - missing\n"),
              std::string::npos);
    EXPECT_NE(report.find("Looked for: /opt/help/ZuzivOdi_DE/ZUZIVODIDE.htm - found\n"),
              std::string::npos);
    EXPECT_NE(report.find("Shown: /opt/help/ZuzivOdi_DE/ZUZIVODIDE.htm\n"), std::string::npos);

    const std::string notFound = HelpDebugText("x", link, {}, HelpSearch{});
    EXPECT_NE(notFound.find("Page not found"), std::string::npos);
    EXPECT_NE(HelpDebugText("bad::/../x", std::nullopt, {}, {}).find("nothing shown"),
              std::string::npos);
}

TEST(HelpDebug, LogWritesBesideTheProgramReplacingThenAppending) {
    TempFolder folder;
    std::ofstream(folder.path() / "HHDebug.txt") << "from an earlier run\n";
    HelpDebugLog log(true, folder.path());
    ASSERT_TRUE(log.Write("first\n"));
    ASSERT_TRUE(log.Write("second\n"));
    EXPECT_EQ(log.ReportFile(), folder.path() / "HHDebug.txt");
    EXPECT_EQ(ReadAll(folder.path() / "HHDebug.txt"), "first\nsecond\n");

    TempFolder quiet;
    HelpDebugLog off(false, quiet.path());
    EXPECT_FALSE(off.Write("nothing\n"));
    EXPECT_FALSE(std::filesystem::exists(quiet.path() / "HHDebug.txt"));
}

TEST(HelpDebug, LogFallsBackToTheTemporaryFolderWhenTheProgramFolderIsMissing) {
    TempFolder folder;
    // The temporary folder of this test alone, so that no other report is touched.
    const char* previous = std::getenv("TMPDIR");
    const std::string saved = previous != nullptr ? previous : "";
    ::setenv("TMPDIR", folder.path().c_str(), 1);
    HelpDebugLog log(true, folder.path() / "no such folder");
    const bool written = log.Write("report\n");
    previous != nullptr ? ::setenv("TMPDIR", saved.c_str(), 1) : ::unsetenv("TMPDIR");
    ASSERT_TRUE(written);
    EXPECT_EQ(log.ReportFile(), folder.path() / "HHDebug.txt");
    EXPECT_EQ(ReadAll(folder.path() / "HHDebug.txt"), "report\n");
}

}  // namespace
}  // namespace kelvo
