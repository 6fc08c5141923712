#include "cli/count_command.h"

#include <sys/stat.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>

#include "output/text_box_listing.h"
#include "run/line_splitter.h"
#include "run/summary.h"
#include "run/text_count.h"
#include "settings/words_to_ignore.h"
#include "words/chars.h"
#include "words/cp1252.h"
#include "words/number_format.h"

namespace lexicount::cli {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f != nullptr && f != stdin) std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

bool ReadsStandardInput(const Options& options) { return options.input.empty() || options.input == "-"; }

std::string ExtensionOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : LowerCaseLatin(name.substr(dot + 1));
}

// A message's CR LF line breaks as the terminal's LF.
std::string WithLineFeeds(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

// Text-box text (Windows-1252, CR LF) as UTF-8 lines that all end with LF.
std::string AsOutputLines(const std::string& boxText) {
    std::string out = WithLineFeeds(Utf8FromCp1252(boxText));
    if (!out.empty() && out.back() != '\n') out += '\n';
    return out;
}

FilePtr OpenInput(const Options& options, std::ostream& err) {
    if (ReadsStandardInput(options)) return FilePtr(stdin);
    struct stat info {};
    // Only regular files: a FIFO or device would block or never end.
    if (::stat(options.input.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        const bool missing = errno == ENOENT;
        err << "Fatal error: File " << options.input << (missing ? " not found." : "\ncannot be opened.") << "\n";
        return nullptr;
    }
    FilePtr file(std::fopen(options.input.c_str(), "rb"));
    if (!file) err << "Fatal error: File " << options.input << "\ncannot be opened.\n";
    return file;
}

void PrintSummary(const TextCount& count, bool ignoresListedWords, std::ostream& err) {
    const SummaryLabels labels =
        ComposeSummaryLabels(count.Statistics(), count.lngTotalNumOccurrences(), ignoresListedWords, false);
    err << labels.lblNumberOfWords << "\n"
        << labels.lblNumWordsExcluded << "\n"
        << labels.lblNumOccurrences << "\n"
        << labels.lblTotalNumOccurrences << "\n";
}

}  // namespace

void UseSystemNumberLocale() {
    const std::lconv* conv = std::localeconv();
    NumberLocale locale;
    if (conv != nullptr && conv->thousands_sep != nullptr && conv->thousands_sep[0] != '\0') {
        locale.groupSeparator = conv->thousands_sep;
    }
    if (conv != nullptr && conv->decimal_point != nullptr && conv->decimal_point[0] != '\0') {
        locale.decimalPoint = conv->decimal_point;
    }
    SetNumberLocale(locale);
}

int RunCount(const Options& options, std::ostream& out, std::ostream& err) {
    SettingsRecord settings = options.settings;
    const std::string strWordsToIgnore = ApplyWordsToIgnore(settings);
    const std::string allowed = BuildAllowedExtraChars(settings);
    const std::string refusal = CheckAllowedExtraCharsMessage(settings.txbWordsToIgnore, allowed);
    if (!refusal.empty()) {
        err << kCharacterNotAllowedTitle << ": " << WithLineFeeds(refusal) << "\n";
        return 1;
    }
    FilePtr input = OpenInput(options, err);
    if (!input) return 1;

    const WordsToIgnore wordsToIgnore(strWordsToIgnore);
    const CommonWords commonWords;
    TextCount count(settings, allowed, wordsToIgnore, commonWords);
    const std::string type = !options.type.empty() ? LowerCaseLatin(options.type)
                             : ReadsStandardInput(options) ? "txt"
                                                           : ExtensionOf(options.input);
    count.BeginFile(type);
    LineSplitter splitter([&](std::string& line) { return count.CountFileLine(line, false); });
    if (!SplitStream(input.get(), splitter)) {
        err << "Fatal error: error reading " << (ReadsStandardInput(options) ? "standard input" : options.input)
            << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    count.SortTable();
    count.RunPasses();

    StringTextBox box;
    ListingContext context(box);
    ShowListInTextBox(count.Table(), count.Statistics(), settings, 6, context);
    out << AsOutputLines(box.Text());
    if (options.summary) PrintSummary(count, !strWordsToIgnore.empty() || IsOn(settings.chkIgnoreCommonWords), err);
    out.flush();
    return out ? 0 : 1;
}

}  // namespace lexicount::cli
