#pragma once
// The folder that filled print documents go to: a folder of the user's own
// inside the temporary folder, so that no other user can read a document or
// plant a link where the program writes.

#include <filesystem>
#include <string>

namespace kelvo {

struct TempFolderResult {
    std::filesystem::path Folder;  // empty on failure
    std::string Error;             // why the folder cannot be used
    bool Ok() const { return Error.empty(); }
};

// "kelvo-<uid>" inside `base`: created with mode 0700 when missing; refused
// when it is a link, not a folder, owned by another user or open to others.
TempFolderResult PreparePrivateFolder(const std::filesystem::path& base);

// The same inside the user's temporary folder ($TMPDIR when it names an
// absolute path, else /tmp).
TempFolderResult PrepareUserTempFolder();

}  // namespace kelvo
