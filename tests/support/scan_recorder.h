#pragma once

// A scan host that records the words the scanner hands on, and can ask for a
// stop after so many of them.

#include <string>
#include <string_view>
#include <vector>

#include "words/line_scanner.h"

namespace lexicount::test {

class ScanRecorder : public ScanHost {
public:
    void TakeWordFound(std::string_view word) override {
        words.emplace_back(word);
        if (stopAfter > 0 && static_cast<int>(words.size()) >= stopAfter) stop = true;
    }
    void Yield() override { ++yieldCount; }
    bool StopRequested() const override { return stop; }

    std::vector<std::string> words;
    int stopAfter = 0;
    bool stop = false;
    int yieldCount = 0;
};

}  // namespace lexicount::test
