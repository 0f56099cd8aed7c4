#include "output/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "print_test_support.h"

namespace kelvo {
namespace {

namespace fs = std::filesystem;

fs::path OwnFolderIn(const fs::path& base) {
    return base / ("kelvo-" + std::to_string(::geteuid()));
}

mode_t ModeOf(const fs::path& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(PreparePrivateFolder, CreatesAFolderOnlyTheUserCanEnterAndReusesIt) {
    test::ScratchFolder scratch;
    const TempFolderResult first = PreparePrivateFolder(scratch.Path());
    ASSERT_TRUE(first.Ok()) << first.Error;
    EXPECT_EQ(first.Folder, OwnFolderIn(scratch.Path()));
    EXPECT_EQ(ModeOf(first.Folder), 0700u);
    const TempFolderResult again = PreparePrivateFolder(scratch.Path());
    EXPECT_TRUE(again.Ok()) << again.Error;
    EXPECT_EQ(again.Folder, first.Folder);
}

TEST(PreparePrivateFolder, RefusesALinkPlacedWhereTheFolderGoes) {
    test::ScratchFolder scratch;
    fs::create_directories(scratch.Path() / "elsewhere");
    fs::permissions(scratch.Path() / "elsewhere", fs::perms::owner_all);
    fs::create_directory_symlink(scratch.Path() / "elsewhere", OwnFolderIn(scratch.Path()));
    const TempFolderResult result = PreparePrivateFolder(scratch.Path());
    EXPECT_FALSE(result.Ok());
    EXPECT_TRUE(result.Folder.empty());
    EXPECT_NE(result.Error.find("link"), std::string::npos);
}

TEST(PreparePrivateFolder, RefusesAFolderOthersCanEnterOrAFile) {
    test::ScratchFolder scratch;
    fs::create_directories(OwnFolderIn(scratch.Path()));
    ::chmod(OwnFolderIn(scratch.Path()).c_str(), 0755);
    EXPECT_FALSE(PreparePrivateFolder(scratch.Path()).Ok());

    test::ScratchFolder other;
    test::WriteBytes(OwnFolderIn(other.Path()), "not a folder");
    EXPECT_FALSE(PreparePrivateFolder(other.Path()).Ok());
}

TEST(PreparePrivateFolder, RefusesAFolderOfAnotherUser) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a folder to another user";
    }
    test::ScratchFolder scratch;
    const fs::path folder = OwnFolderIn(scratch.Path());
    fs::create_directories(folder);
    ::chmod(folder.c_str(), 0700);
    ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    const TempFolderResult result = PreparePrivateFolder(scratch.Path());
    EXPECT_FALSE(result.Ok());
    EXPECT_NE(result.Error.find("another user"), std::string::npos);
}

TEST(PreparePrivateFolder, ReportsABaseThatDoesNotExist) {
    test::ScratchFolder scratch;
    const TempFolderResult result = PreparePrivateFolder(scratch.Path() / "no" / "such");
    EXPECT_FALSE(result.Ok());
    EXPECT_FALSE(result.Error.empty());
}

TEST(PrepareUserTempFolder, UsesTmpdirWhenItIsAnAbsolutePath) {
    test::ScratchFolder scratch;
    const char* saved = std::getenv("TMPDIR");
    const std::string savedValue = saved ? saved : "";
    ::setenv("TMPDIR", scratch.Path().c_str(), 1);
    const TempFolderResult result = PrepareUserTempFolder();
    saved ? ::setenv("TMPDIR", savedValue.c_str(), 1) : ::unsetenv("TMPDIR");
    ASSERT_TRUE(result.Ok()) << result.Error;
    EXPECT_EQ(result.Folder, OwnFolderIn(scratch.Path()));
}

}  // namespace
}  // namespace kelvo
