#include "words/number_format.h"

#include <cmath>
#include <cstdio>

namespace lexicount {
namespace {

NumberLocale& Locale() {
    static NumberLocale locale;
    return locale;
}

std::string GroupDigits(const std::string& digits) {
    std::string out;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += Locale().groupSeparator;
        out += digits[i];
    }
    return out;
}

}  // namespace

const NumberLocale& CurrentNumberLocale() {
    return Locale();
}
void SetNumberLocale(NumberLocale locale) {
    Locale() = std::move(locale);
}

std::string FormatGrouped(std::int64_t n) {
    const bool negative = n < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    const std::string grouped = GroupDigits(std::to_string(magnitude));
    return negative ? std::string("-").append(grouped) : grouped;
}

std::string FormatGroupedDecimals(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value));
    std::string text = buffer;
    const size_t dot = text.find('.');
    std::string integer = text.substr(0, dot);
    std::string out = GroupDigits(integer);
    if (dot != std::string::npos) out += Locale().decimalPoint + text.substr(dot + 1);
    return value < 0 && out.find_first_not_of("0.,") != std::string::npos ? std::string("-").append(out)
                                                                          : out;
}

std::string FormatClassic(std::int64_t n) {
    return n < 0 ? std::to_string(n) : std::string(" ").append(std::to_string(n));
}

}  // namespace lexicount
