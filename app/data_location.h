#pragma once
// The program's data folder: what "$(KELVO)\" stands for, and where zuzivodi.pls and the
// templates folder live.

#include <QString>
#include <filesystem>

namespace kelvo {

// The folder of the executable when it holds zuzivodi.pls (a program copied with its data);
// else <executable folder>/../share/kelvo when that holds it (the installed layout); else the
// source tree's data folder (running from the build tree). The first candidate that exists
// when none holds the list.
std::filesystem::path ProgramDataFolder();

// The same rules for a given executable folder and source data folder.
std::filesystem::path ProgramDataFolderFor(const std::filesystem::path& executableFolder,
                                           const std::filesystem::path& sourceDataFolder);

}  // namespace kelvo
