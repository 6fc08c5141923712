#pragma once

// Where the program keeps its files: the per-user data folder that holds the
// state file, and the program's folder that holds the program texts and the
// common-words files.

#include <filesystem>
#include <string_view>
#include <vector>

namespace lexicount {

inline constexpr std::string_view kStateFileName = "tly.usr";
inline constexpr std::string_view kProgramTextFileName = "tly.dat";

// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share; empty
// when neither can be found.
std::filesystem::path AppDataFolder();

// <application-data folder>/<dataFolderName>/tly.usr. The data folder is
// created when missing (an existing one is used as it is). Empty when the
// name is not a single plain folder name (blank, ".", "..", or holding a
// separator) or the folder cannot be made.
std::filesystem::path StateFilePath(std::string_view dataFolderName);
// The same below a given application-data folder.
std::filesystem::path StateFilePathIn(const std::filesystem::path& appDataFolder,
                                      std::string_view dataFolderName);

// Folder of the running executable; empty when the system does not say.
std::filesystem::path ExecutableFolder();

// The places where the program's folder may be, best first: beside the
// executable, the data folder as the build placed it relative to the
// executable's (<prefix>/share/lexicount from <prefix>/bin, so a moved
// install still works), data/ beside the executable as a build leaves it,
// and the data folder of the configured install prefix.
std::vector<std::filesystem::path> ProgramFolderCandidates(const std::filesystem::path& executableFolder);

// The first candidate that holds tly.dat; the executable's folder when none
// does, so that the missing file is named where it belongs; empty when the
// executable's folder is not known.
std::filesystem::path FindProgramFolder(const std::filesystem::path& executableFolder);
std::filesystem::path ProgramFolder();

}  // namespace lexicount
