#include "input/file_set.h"

#include <fnmatch.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

#include "base/checked_file.h"

namespace lexicount {
namespace {

namespace fs = std::filesystem;

bool Matches(const std::string& name, const FileSelection& choice) {
    const auto match = [&name](const char* pattern) {
        return ::fnmatch(pattern, name.c_str(), FNM_CASEFOLD) == 0;
    };
    if (choice.includes.empty())
        return std::any_of(std::begin(kDefaultIncludes), std::end(kDefaultIncludes), match);
    return std::any_of(choice.includes.begin(), choice.includes.end(),
                       [&match](const std::string& pattern) { return match(pattern.c_str()); });
}

// Paths of one folder in the order of their paths, which is that of their
// names: each name is taken once, not for every comparison.
void SortByName(std::vector<fs::path>& paths) {
    std::vector<std::pair<fs::path::string_type, size_t>> names;
    names.reserve(paths.size());
    for (size_t i = 0; i < paths.size(); ++i) names.emplace_back(paths[i].filename().native(), i);
    std::sort(names.begin(), names.end());
    std::vector<fs::path> sorted;
    sorted.reserve(paths.size());
    for (const auto& name : names) sorted.push_back(std::move(paths[name.second]));
    paths = std::move(sorted);
}

class Walk {
public:
    Walk(const FileSelection& choice, InputFiles& out) : choice_(choice), out_(out) {}

    void Operand(const std::string& operand) {
        const fs::path path = PathFromUtf8(operand);
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        if (error || !fs::exists(status)) {
            out_.refused.emplace_back(operand, "cannot be found");
        } else if (fs::is_directory(status)) {
            Folder(path);
        } else {
            Take(path);
        }
    }

private:
    void Folder(const fs::path& folder) {
        std::error_code error;
        fs::directory_iterator entries(folder, error);
        if (error) {
            out_.refused.emplace_back(folder.string(), "cannot be read: " + error.message());
            return;
        }
        std::vector<fs::path> files;
        std::vector<fs::path> folders;
        for (; entries != fs::directory_iterator(); entries.increment(error)) {
            const fs::path& path = entries->path();
            if (path.filename().string().rfind('.', 0) == 0) continue;
            std::error_code kindError;
            if (entries->is_symlink(kindError) && entries->is_directory(kindError)) continue;
            if (entries->is_directory(kindError)) {
                if (choice_.recursive) folders.push_back(path);
            } else if (Matches(path.filename().string(), choice_)) {
                files.push_back(path);
            }
        }
        if (error) out_.refused.emplace_back(folder.string(), "cannot be read: " + error.message());
        SortByName(files);
        SortByName(folders);
        for (const fs::path& file : files) Take(file);
        for (const fs::path& sub : folders) Folder(sub);
    }

    void Take(const fs::path& path) {
        // The same file under two names (a link, "a/../a") is counted once:
        // told by its device and inode, which one call gives, where
        // resolving the name would cost a call for each folder on its way.
        struct stat status {};
        if (::stat(path.c_str(), &status) == 0) {
            if (!seenFiles_.emplace(status.st_dev, status.st_ino).second) return;
        } else if (!seenNames_.insert(path).second) {
            return;
        }
        out_.files.push_back(path.string());
    }

    const FileSelection& choice_;
    InputFiles& out_;
    std::set<std::pair<dev_t, ino_t>> seenFiles_;
    std::set<fs::path> seenNames_;
};

}  // namespace

InputFiles ExpandInputs(const std::vector<std::string>& operands, const FileSelection& choice) {
    InputFiles out;
    Walk walk(choice, out);
    for (const std::string& operand : operands) walk.Operand(operand);
    return out;
}

}  // namespace lexicount
