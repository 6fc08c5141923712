#pragma once

// Many input files at once: the files and folders named, a folder's files
// (with its subfolders when asked) that match the file-name patterns, each
// file once, in a fixed order, and what could not be taken with why.

#include <string>
#include <utility>
#include <vector>

namespace lexicount {

struct FileSelection {
    bool recursive = false;
    // Patterns on a folder's file names ("*.txt"), case ignored; none: the
    // default, text and document files. A file named itself is always taken.
    std::vector<std::string> includes;
};

inline constexpr const char* kDefaultIncludes[] = {"*.txt", "*.docx", "*.odt"};

struct InputFiles {
    std::vector<std::string> files;
    std::vector<std::pair<std::string, std::string>> refused;  // path, reason
};

// The files of the operands: a file as named; a folder's files in the
// byte order of their paths, files before subfolders, names that begin with
// "." left out, links to folders not followed (so no walk can loop). The
// same file reached twice is taken once, where it was first reached.
InputFiles ExpandInputs(const std::vector<std::string>& operands, const FileSelection& choice);

}  // namespace lexicount
