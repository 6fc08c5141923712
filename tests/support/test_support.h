#pragma once

// Shared helpers of the test suite.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/dialogs.h"
#include "words/number_format.h"

namespace lexicount::test {

// Windows-1252 bytes of a UTF-8 literal, so tests can write "café".
std::string W(std::string_view utf8);

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    // Writes bytes to a file in the folder and returns its path.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);

// Ranks 0..n-1 for the n positions of a range such that the descending
// quicksort with a middle pivot picks the largest remaining key as every
// pivot, peeling one element per partition: n squared comparisons.
std::vector<long> MiddlePivotKillerRanks(long n);

// Folder of the checked-in fixtures (tests/data).
std::filesystem::path TestDataDir();
// Folder of the program's data files beside the built executables.
std::filesystem::path ProgramDataDir();

// Sets the number separators for one test and restores the previous ones.
class NumberLocaleGuard {
public:
    explicit NumberLocaleGuard(NumberLocale locale) : saved_(CurrentNumberLocale()) {
        SetNumberLocale(std::move(locale));
    }
    ~NumberLocaleGuard() { SetNumberLocale(saved_); }

private:
    NumberLocale saved_;
};

// Records every box and answers with a queue of answers (then Ok).
class RecordingDialogs : public Dialogs {
public:
    Answer Show(const MessageBox& box) override {
        shown.push_back(box);
        if (answers.empty()) return Answer::Ok;
        const Answer a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    std::vector<MessageBox> shown;
    std::vector<Answer> answers;
};

}  // namespace lexicount::test
