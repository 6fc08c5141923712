#pragma once

// Numbers as the program shows them: grouped with the locale's thousands
// separator in labels and messages, plain digits in word lists, and the
// classic conversion with a leading blank in place of the sign.

#include <cstdint>
#include <string>

namespace lexicount {

struct NumberLocale {
    std::string groupSeparator = ",";
    std::string decimalPoint = ".";
};

// The separators in force; the programs set them once from their locale.
const NumberLocale& CurrentNumberLocale();
void SetNumberLocale(NumberLocale locale);

// 1234567 -> "1,234,567"; negative numbers keep their minus sign.
std::string FormatGrouped(std::int64_t n);
// 1536 / 1024.0 with 2 decimals -> "1.50"; grouped integer part.
std::string FormatGroupedDecimals(double value, int decimals);
// " 25" for 25, "-3" for -3.
std::string FormatClassic(std::int64_t n);

}  // namespace lexicount
