#include "settings/app_data.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "words/chars.h"

namespace fs = std::filesystem;

namespace lexicount {
namespace {

fs::path EnvironmentPath(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? fs::path(value) : fs::path();
}

bool IsPlainFolderName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\\') == std::string_view::npos;
}

}  // namespace

fs::path AppDataFolder() {
    // A relative XDG_DATA_HOME is invalid by the XDG rules and is ignored.
    fs::path xdg = EnvironmentPath("XDG_DATA_HOME");
    if (xdg.is_absolute()) return xdg;
    fs::path home = EnvironmentPath("HOME");
    if (home.empty()) return {};
    return home / ".local" / "share";
}

fs::path StateFilePathIn(const fs::path& appDataFolder, std::string_view dataFolderName) {
    const std::string name = Trim(dataFolderName);
    if (appDataFolder.empty() || !IsPlainFolderName(name)) return {};
    const fs::path folder = appDataFolder / name;
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        fs::create_directories(folder, ec);
        if (ec || !fs::is_directory(folder, ec)) return {};
    }
    return folder / kStateFileName;
}

fs::path StateFilePath(std::string_view dataFolderName) {
    return StateFilePathIn(AppDataFolder(), dataFolderName);
}

fs::path ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return exe.parent_path();
}

std::vector<fs::path> ProgramFolderCandidates(const fs::path& executableFolder) {
    if (executableFolder.empty()) return {};
    const fs::path installed = (executableFolder / LEXICOUNT_DATA_FROM_BINDIR).lexically_normal();
    return {executableFolder, installed, executableFolder / "data", LEXICOUNT_INSTALLED_DATA_DIR};
}

fs::path FindProgramFolder(const fs::path& executableFolder) {
    const std::vector<fs::path> candidates = ProgramFolderCandidates(executableFolder);
    for (const fs::path& candidate : candidates) {
        std::error_code ec;
        if (fs::is_regular_file(candidate / kProgramTextFileName, ec)) return candidate;
    }
    // Never the current folder: the program's files are where the program is.
    return candidates.empty() ? fs::path() : candidates.front();
}

fs::path ProgramFolder() {
    return FindProgramFolder(ExecutableFolder());
}

}  // namespace lexicount
