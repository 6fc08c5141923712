#include "cli/count_command.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "base/file_replace.h"
#include "input/common_words_reader.h"
#include "input/document_language.h"
#include "input/docx_reader.h"
#include "input/file_helpers.h"
#include "input/file_lines.h"
#include "input/line_splitter.h"
#include "input/text_file_class.h"
#include "output/output_file.h"
#include "output/text_box_listing.h"
#include "run/summary.h"
#include "run/text_count.h"
#include "settings/app_data.h"
#include "settings/languages.h"
#include "settings/state_file.h"
#include "settings/words_to_ignore.h"
#include "words/chars.h"
#include "words/cp1252.h"
#include "words/number_format.h"

namespace lexicount::cli {
namespace {

constexpr int kFailure = 1;

// A message's CR LF line breaks as the terminal's LF.
std::string WithLineFeeds(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

// The tool asks nothing: every box is printed as "title: text" and answered
// with its default button.
class PrintingDialogs : public DefaultAnswers {
public:
    explicit PrintingDialogs(std::ostream& err) : err_(err) {}
    Answer Show(const MessageBox& box) override {
        err_ << box.title << ": " << WithLineFeeds(box.text) << "\n";
        return DefaultAnswers::Show(box);
    }

private:
    std::ostream& err_;
};

bool ReadsStandardInput(const Options& options) {
    return options.input.empty() || options.input == "-";
}

// Text-box text (Windows-1252, CR LF) as UTF-8 lines that all end with LF.
std::string AsOutputLines(const std::string& boxText) {
    std::string out = WithLineFeeds(Utf8FromCp1252(boxText));
    if (!out.empty() && out.back() != '\n') out += '\n';
    return out;
}

void PrintSummary(const TextCount& count, bool ignoresListedWords, std::ostream& err) {
    const SummaryLabels labels =
        ComposeSummaryLabels(count.Statistics(), count.lngTotalNumOccurrences(), ignoresListedWords, false);
    err << labels.lblNumberOfWords << "\n"
        << labels.lblNumWordsExcluded << "\n"
        << labels.lblNumOccurrences << "\n"
        << labels.lblTotalNumOccurrences << "\n";
}

// The settings in force: a settings file, then the --set options.
bool EffectiveSettings(const Options& options, SettingsRecord& settings, std::ostream& err) {
    if (!options.settingsFile.empty()) {
        std::string strCommonWordsFile;
        std::string strWordsToIgnore;
        const std::string message = RestoreSavedState(settings, strCommonWordsFile, strWordsToIgnore,
                                                      PathFromUtf8(options.settingsFile));
        if (!message.empty()) {
            err << "Load settings: " << message << "\n";
            return false;
        }
    }
    for (const auto& [name, value] : options.sets) ApplySet(settings, name, value);
    return true;
}

// The common-words file the options ask for, or "" for none.
std::string CommonWordsPath(const Options& options, const SettingsRecord& settings) {
    const std::filesystem::path folder = ProgramFolder();
    if (!options.commonWords.empty()) {
        const std::string& v = options.commonWords;
        if (v == "all") return CommonWordsFilePath(folder, kLanguageCount - 1);
        if (v == "en_de") return CommonWordsFilePath(folder, kLanguageCount - 2);
        if (v.size() == 2 && LanguageIndexForCode(v) >= 0) return CommonWordsFileForCode(folder, v);
        return v;
    }
    if (options.autoCommonWords) {
        const std::string code =
            ReadsStandardInput(options)
                ? std::string(kDefaultLanguageCode)
                : GetDocumentLanguage(options.input, kLanguageCodes, kDefaultLanguageCode);
        return CommonWordsFileForCode(folder, code);
    }
    return IsOn(settings.chkIgnoreCommonWords) ? settings.txbCommonWordsFile : std::string();
}

bool LoadCommonWords(const std::string& path, SettingsRecord& settings, CommonWords& words,
                     PrintingDialogs& dialogs, std::ostream& err) {
    if (path.empty()) return true;
    ClassifyState state;
    CommonWordsReading reading = ReadCommonWordsFile(path, dialogs, state);
    if (reading.status == CommonWordsReading::Status::NotFound) {
        err << kCommonWordsNotFoundTitle << ": " << kCommonWordsNotFoundText << " (" << path << ")\n";
    } else if (reading.status == CommonWordsReading::Status::ReadError) {
        err << "Fatal error: error reading " << path << ": " << reading.error << "\n";
    }
    if (!reading.ok()) return false;
    words = std::move(reading.words);
    settings.chkIgnoreCommonWords = 1;
    settings.txbCommonWordsFile = reading.path;
    return true;
}

// True when the path names the file that standard input reads (as in
// "--output notes.txt < notes.txt").
bool IsStandardInput(const std::string& path) {
#ifdef _WIN32
    (void)path;
    return false;
#else
    struct stat in {
    }, file{};
    return ::fstat(STDIN_FILENO, &in) == 0 && ::stat(path.c_str(), &file) == 0 && in.st_dev == file.st_dev &&
           in.st_ino == file.st_ino;
#endif
}

// A file the run writes must not be one it reads, under any name: the
// write would destroy it. Checked before anything is read or written.
bool WritesOverARead(const Options& options, const std::string& commonWordsPath, std::ostream& err) {
    struct Named {
        std::string path;
        const char* name;
        bool standardInput = false;
    };
    const Named reads[] = {{options.input, "the input file", ReadsStandardInput(options)},
                           {options.settingsFile, "the settings file"},
                           {commonWordsPath, "the common-words file"}};
    const Named writes[] = {{options.output, "Output file"},
                            {options.saveSettingsFile, "The file the settings are saved to"}};
    auto same = [](const Named& read, const std::string& written) {
        if (read.standardInput) return IsStandardInput(written);
        return !read.path.empty() && SameFile(PathFromUtf8(read.path), PathFromUtf8(written));
    };
    for (const Named& write : writes) {
        if (write.path.empty()) continue;
        for (const Named& read : reads) {
            if (!same(read, write.path)) continue;
            err << "Lexicount: " << write.name << " cannot be the same as " << read.name << ".\n";
            return true;
        }
    }
    if (!options.output.empty() && !options.saveSettingsFile.empty() &&
        SameFile(PathFromUtf8(options.output), PathFromUtf8(options.saveSettingsFile))) {
        err << "Lexicount: Output file cannot be the same as the file the settings are saved to.\n";
        return true;
    }
    return false;
}

// Creates a missing output file, as the window's run does before counting,
// so an unwritable path fails before the count. An existing file is left as
// it is until the list is written.
bool PrepareOutputFile(const Options& options, std::ostream& err) {
    if (options.output.empty()) return true;
    bool created = false;
    if (const std::error_code error = ProbeWritableFile(PathFromUtf8(options.output), created)) {
        err << "Fatal error: cannot write to " << options.output << ": " << error.message() << "\n";
        return false;
    }
    return true;
}

bool CountDocument(const std::string& path, DocumentKind kind, TextCount& count, PrintingDialogs& dialogs,
                   std::ostream& err) {
    const ExtractedXml member = ExtractXMLFileFromDocXFile(PathFromUtf8(path), kind, false, false, dialogs);
    if (member.result < 0) {
        err << WithLineFeeds(ExtractionFailureText(member.result, PathFromUtf8(path))) << "\n";
        return false;
    }
    const DocumentText text = GetLineFromXMLFile(member.xml, kind);
    const long checked = CheckDocumentText(PathFromUtf8(path), member.xml.size(), text, false, dialogs);
    if (checked < 0) {
        err << WithLineFeeds(ExtractionFailureText(checked, PathFromUtf8(path))) << "\n";
        return false;
    }
    LineSplitter splitter([&](std::string& line) { return count.CountFileLine(line, true); });
    splitter.Feed(text.text);
    splitter.Finish();
    return true;
}

bool CountFile(const Options& options, TextCount& count, PrintingDialogs& dialogs, std::ostream& err) {
    LineSplitter splitter([&](std::string& line) { return count.CountFileLine(line, false); });
    if (ReadsStandardInput(options)) {
        if (SplitStream(stdin, splitter)) return true;
        err << "Fatal error: error reading standard input: " << std::strerror(errno) << "\n";
        return false;
    }
    const std::string& path = options.input;
    if (IsDocxFile(path)) return CountDocument(path, DocumentKind::Docx, count, dialogs, err);
    if (IsOdtFile(path)) return CountDocument(path, DocumentKind::Odt, count, dialogs, err);
    ClassifyState state;
    if (!ClassifyTextFile(path, true, state, dialogs).ok) return false;
    if (const auto error = SplitFile(path, splitter)) {
        err << "Fatal error: File " << path << "\ncannot be opened. (" << error.message() << ")\n";
        return false;
    }
    return true;
}

std::string InputType(const Options& options) {
    if (!options.type.empty()) return LowerCaseLatin(options.type);
    return ReadsStandardInput(options) ? "txt" : GetFileExtension(options.input, true);
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
    PrintingDialogs dialogs(err);
    SettingsRecord settings;
    if (!EffectiveSettings(options, settings, err)) return kFailure;
    const std::string strWordsToIgnore = ApplyWordsToIgnore(settings);
    const std::string allowed = BuildAllowedExtraChars(settings);
    const std::string refusal = CheckAllowedExtraCharsMessage(settings.txbWordsToIgnore, allowed);
    if (!refusal.empty()) {
        err << kCharacterNotAllowedTitle << ": " << WithLineFeeds(refusal) << "\n";
        return kFailure;
    }
    const std::string commonWordsPath = CommonWordsPath(options, settings);
    if (WritesOverARead(options, commonWordsPath, err)) return kFailure;
    CommonWords commonWords;
    if (!LoadCommonWords(commonWordsPath, settings, commonWords, dialogs, err)) return kFailure;
    int status = 0;
    if (!options.saveSettingsFile.empty()) {
        const std::string message =
            SaveState(settings, settings.txbCommonWordsFile, PathFromUtf8(options.saveSettingsFile));
        if (!message.empty()) {
            err << "Save settings: " << message << "\n";
            status = kFailure;
        }
    }
    if (!PrepareOutputFile(options, err)) return kFailure;

    const WordsToIgnore wordsToIgnore(strWordsToIgnore);
    TextCount count(settings, allowed, wordsToIgnore, commonWords);
    count.BeginFile(InputType(options));
    if (!CountFile(options, count, dialogs, err)) return kFailure;
    count.SortTable();
    count.RunPasses();

    if (!options.output.empty()) {
        const std::string error =
            WriteOutputFile(PathFromUtf8(options.output), count.Table(), count.Statistics(), settings, 6);
        if (!error.empty()) {
            err << "Fatal error: cannot write " << options.output << ": " << error << "\n";
            status = kFailure;
        }
    }
    StringTextBox box;
    ListingContext context(box);
    ShowListInTextBox(count.Table(), count.Statistics(), settings, 6, context);
    out << AsOutputLines(box.Text());
    if (options.summary) {
        PrintSummary(count, !strWordsToIgnore.empty() || IsOn(settings.chkIgnoreCommonWords), err);
    }
    if (options.time) err << ScanTimeLine(count.ScanSeconds()) << "\n";
    out.flush();
    return out ? status : kFailure;
}

}  // namespace lexicount::cli
