#include "output/output_file.h"

#include "base/file_replace.h"
#include "base/settings_record.h"
#include "output/listing.h"

namespace lexicount {

std::string ComposeOutputFile(const WordTable& table, const WordStatistics& stats,
                              const SettingsRecord& settings, int intMinWidth,
                              const std::function<bool()>& goOn) {
    LineLayout layout = MakeLineLayout(stats, settings, intMinWidth);
    layout.commaMode = IsOn(settings.chkOutputWithCommas);

    // Words in any script are written as UTF-8, with the byte-order mark
    // that tells spreadsheets so.
    std::string text = layout.unicode ? "\xEF\xBB\xBF" : "";
    text += "\"To open this file in Excel state that it is delimited by ";
    text += layout.commaMode ? "commas." : "spaces.";
    text += layout.unicode ? "\r\n\"Set File Origin: Unicode (UTF-8) & Text qualifier: double-quote.\r\n\r\n"
                           : "\r\n\"Set File Origin: Windows (ANSI) & Text qualifier: double-quote.\r\n\r\n";
    const bool oneLine = layout.format == kWordsWithCommasFormat;
    if (!oneLine) text += ComposeLine(layout, nullptr) + "\r\n";
    bool first = true;
    auto keepGoing = [&] { return !goOn || goOn(); };
    auto list = [&](std::int64_t i) {
        if (oneLine) {
            if (!first) text += ", ";
            text += ComposeLine(layout, &table[i]);
        } else {
            text += ComposeLine(layout, &table[i]) + "\r\n";
        }
        first = false;
        return keepGoing();
    };
    ForEachListedRecord(table, stats, settings.cboWordOrder, list, [&](std::int64_t) { return keepGoing(); });
    return text;
}

std::string WriteOutputFile(const std::filesystem::path& path, const WordTable& table,
                            const WordStatistics& stats, const SettingsRecord& settings, int intMinWidth,
                            const std::function<bool()>& goOn) {
    // With nothing listed the file is emptied: it must not keep an earlier
    // run's list.
    const std::string text = stats.lngNumWordsIncluded > 0
                                 ? ComposeOutputFile(table, stats, settings, intMinWidth, goOn)
                                 : std::string();
    const std::error_code error = ReplaceFileContents(path, text);
    return error ? error.message() : std::string();
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ea, eb;
    const bool aExists = std::filesystem::exists(a, ea);
    const bool bExists = std::filesystem::exists(b, eb);
    if (aExists && bExists) {
        std::error_code e;
        const bool same = std::filesystem::equivalent(a, b, e);
        if (!e) return same;
    }
    std::error_code e1, e2;
    const auto ca = std::filesystem::weakly_canonical(std::filesystem::absolute(a, e1), e1);
    const auto cb = std::filesystem::weakly_canonical(std::filesystem::absolute(b, e2), e2);
    return ca == cb;
}

}  // namespace lexicount
