#pragma once

// The text-box pass of a listing: the header straight into the box, the
// lines through a buffer flushed every 20 lines, the capacity test before
// every flush, and the closing touches of format 9.

#include <cstdint>
#include <functional>
#include <string>

#include "base/text_box.h"
#include "output/listing.h"

namespace lexicount {

struct SettingsRecord;

struct ListingContext {
    explicit ListingContext(TextBox& textBox) : box(textBox) {}
    TextBox& box;
    size_t capacity = 0;  // lngMaxTextLength; 0 for no limit
    std::function<void()> yield;
    std::function<bool()> stopRequested;
    std::function<void(std::int64_t)> twirl;  // the busy sign, per listed line
    // ReportError(number, description, procedure)
    std::function<void(int, const std::string&, const std::string&)> reportError;
};

// Lists every listed word into the text box in the order and format of the
// settings. Returns false when the listing stopped early (a stop request;
// a full text box is reported and is not a stop).
bool ListWordsToTextBox(const WordTable& table, const WordStatistics& stats, const SettingsRecord& settings,
                        int intMinWidth, ListingContext& context);

// The whole text-box pass of ListWords, from emptying the box to the
// closing touches: the no-words message, the list, "Listing stopped.", and
// the end of the format-9 line.
void ShowListInTextBox(const WordTable& table, const WordStatistics& stats, const SettingsRecord& settings,
                       int intMinWidth, ListingContext& context);

}  // namespace lexicount
