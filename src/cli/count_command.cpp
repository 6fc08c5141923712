#include "cli/count_command.h"

#include <algorithm>
#include <clocale>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "base/file_replace.h"
#include "cli/cli_view.h"
#include "input/document_language.h"
#include "input/file_helpers.h"
#include "input/file_set.h"
#include "output/counts_file.h"
#include "output/export.h"
#include "output/output_file.h"
#include "run/main_controller.h"
#include "run/summary.h"
#include "run/text_count.h"
#include "settings/app_data.h"
#include "settings/languages.h"
#include "settings/state_file.h"
#include "words/cp1252.h"
#include "words/number_format.h"

namespace lexicount::cli {
namespace {

constexpr int kFailure = 1;

bool ReadsStandardInput(const Options& options) {
    return options.input.empty() || options.input == "-";
}

// Text-box text (Windows-1252 or UTF-8, CR LF) as UTF-8 lines that all end with LF.
std::string AsOutputLines(const TextBox& box) {
    std::string out = WithLineFeeds(box.Utf8() ? box.Text() : Utf8FromCp1252(box.Text()));
    if (!out.empty() && out.back() != '\n') out += '\n';
    return out;
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
        // Every language's code names its list, whatever the text model.
        if (v.size() == 2) return CommonWordsFileForCode(folder, v, true);
        return v;
    }
    if (options.autoCommonWords) {
        const bool unicode = IsOn(settings.chkUnicodeWords);
        const std::string code =
            ReadsStandardInput(options)
                ? std::string(kDefaultLanguageCode)
                : GetDocumentLanguage(options.input, unicode ? UnicodeLanguageCodes() : kLanguageCodes,
                                      kDefaultLanguageCode);
        return CommonWordsFileForCode(folder, code, unicode);
    }
    return IsOn(settings.chkIgnoreCommonWords) ? settings.txbCommonWordsFile : std::string();
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

// A file the tool writes must not be one it reads, under any name: the
// write would destroy it. These are the tool's own files; the output file
// against the input file is the run's check. Checked before anything is
// read or written.
struct Named {
    std::string path;
    const char* name;
    bool standardInput = false;
};

// The files the run writes, the output file first.
std::vector<Named> WrittenFiles(const Options& options) {
    std::vector<Named> writes = {{options.output, "Output file"},
                                 {options.saveSettingsFile, "The file the settings are saved to"},
                                 {options.saveCounts, "The file the counts are saved to"}};
    for (const std::string& file : options.exports) writes.push_back({file, "An export file"});
    return writes;
}

bool WritesOverARead(const Options& options, const std::string& commonWordsPath, std::ostream& err) {
    const bool fromStdin = ReadsStandardInput(options) && !options.mergeCounts;
    std::vector<Named> reads = {{fromStdin ? std::string() : options.input, "the input file", fromStdin},
                                {options.settingsFile, "the settings file"},
                                {commonWordsPath, "the common-words file"}};
    for (const std::string& file : options.countsFiles) reads.push_back({file, "a counts file"});
    for (size_t i = 1; i < options.inputs.size(); ++i) reads.push_back({options.inputs[i], "an input file"});
    const std::vector<Named> writes = WrittenFiles(options);
    auto same = [](const Named& read, const Named& write) {
        if (read.standardInput) return IsStandardInput(write.path);
        return !read.path.empty() && SameFile(PathFromUtf8(read.path), PathFromUtf8(write.path));
    };
    for (const Named& write : writes) {
        if (write.path.empty()) continue;
        for (const Named& read : reads) {
            const bool runChecks = &write == &writes[0] && &read == &reads[0] && !read.standardInput;
            if (runChecks || !same(read, write)) continue;
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

// Reads the common words as the settings window does; false when they were
// asked for and could not be read (the reason has been shown).
bool LoadCommonWords(const std::string& path, MainController& controller) {
    if (path.empty()) return true;
    controller.State().strCommonWordsFile = path;
    controller.AttemptToReadCommonWords();
    return controller.State().blnCommonWordsLoaded;
}

// The run's input and output are the command line's, whatever a loaded
// settings file named.
void UseCommandLineFiles(const Options& options, SettingsRecord& settings) {
    settings.source = SourceOption::optInFile;
    settings.txbFile[0] = ReadsStandardInput(options) ? std::string() : options.input;
    settings.txbFile[1] = options.output;
    settings.chkDisableOutputToFile = 0;
}

int Jobs(const Options& options) {
    if (options.jobs > 0) return options.jobs;
    return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}

// The files of several inputs; false when there is none to count (the
// reason has been printed). Those that cannot be found are named.
bool ChooseFiles(const Options& options, std::vector<std::string>& files, bool& missing, std::ostream& err) {
    const InputFiles found = ExpandInputs(options.inputs, {options.recursive, options.includes});
    for (const auto& [path, reason] : found.refused) err << "Lexicount: " << path << " " << reason << ".\n";
    // A file this run writes (an output file kept in the folder counted, say)
    // is not one of its inputs.
    const std::vector<Named> writes = WrittenFiles(options);
    files.clear();
    for (const std::string& file : found.files) {
        const bool written = std::any_of(writes.begin(), writes.end(), [&file](const Named& write) {
            return !write.path.empty() && SameFile(PathFromUtf8(write.path), PathFromUtf8(file));
        });
        if (!written) files.push_back(file);
    }
    missing = !found.refused.empty();
    if (!files.empty()) return true;
    err << "Lexicount: no file to count.\n";
    return false;
}

// The --save-counts file of a finished count; false when it could not be
// written (the reason has been printed).
bool SaveCounts(const Options& options, const MainController& controller, std::ostream& err) {
    if (options.saveCounts.empty()) return true;
    const TextCount& count = *controller.State().count;
    const std::string text =
        CountsText(CountsHeader(count.Settings(), controller.LoadedCommonWords()), count.Table(),
                   count.lngTotalNumOccurrences(), count.LettersOutsideCp1252());
    const std::error_code error = ReplaceFileContents(PathFromUtf8(options.saveCounts), text);
    if (!error) return true;
    err << "Save counts: " << options.saveCounts << ": " << error.message() << "\n";
    return false;
}

// The --export files of a finished count; false when one could not be
// written (the reason has been printed).
bool WriteExports(const Options& options, const MainController& controller, const SettingsRecord& settings,
                  std::ostream& err) {
    if (options.exports.empty()) return true;
    const ExportTable table =
        controller.State().count->ListedRows(settings.cboWordOrder, controller.CountedFileColumns());
    bool written = true;
    for (const std::string& file : options.exports) {
        const std::string failure = WriteExport(file, *ExportFormatOf(file), table);
        if (failure.empty()) continue;
        err << "Export: " << file << ": " << failure << "\n";
        written = false;
    }
    return written;
}

void PrintSummary(const CliView& view, std::ostream& err) {
    for (StatusLabel label : {StatusLabel::lblNumberOfWords, StatusLabel::lblNumWordsExcluded,
                              StatusLabel::lblNumOccurrences, StatusLabel::lblTotalNumOccurrences}) {
        err << view.Label(label) << "\n";
    }
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
    SettingsRecord settings;
    if (!EffectiveSettings(options, settings, err)) return kFailure;
    const std::string commonWordsPath = CommonWordsPath(options, settings);
    if (WritesOverARead(options, commonWordsPath, err)) return kFailure;

    std::vector<std::string> files;
    bool missing = false;
    if (options.ManyInputs() && !ChooseFiles(options, files, missing, err)) return kFailure;
    CliView view(settings, err);
    MainController controller(view, settings);
    controller.SetFileColumns(!options.exports.empty(), options.perFile);
    const std::string loadError = controller.LoadForCommandLine(
        ProgramFolder(),
        {ReadsStandardInput(options), options.type, options.countsFiles, files, Jobs(options), true});
    if (!loadError.empty()) {
        err << "Lexicount: " << WithLineFeeds(loadError) << "\n";
        return kFailure;
    }
    if (!LoadCommonWords(commonWordsPath, controller)) return kFailure;
    int status = missing ? kFailure : 0;
    if (!options.saveSettingsFile.empty()) {
        const std::string message =
            SaveState(settings, settings.txbCommonWordsFile, PathFromUtf8(options.saveSettingsFile));
        if (!message.empty()) {
            err << "Save settings: " << message << "\n";
            status = kFailure;
        }
    }

    UseCommandLineFiles(options, settings);
    controller.cmdListWords_Click();
    if (!controller.State().blnListShown) return kFailure;
    // Of several inputs, one that could not be counted ends nothing: the
    // list of the others is printed, and the status says that one failed.
    if (view.Failed()) {
        if (files.empty()) return kFailure;
        status = kFailure;
    }
    out << AsOutputLines(view.OutputBox());
    if (!WriteExports(options, controller, settings, err)) status = kFailure;
    if (!SaveCounts(options, controller, err)) status = kFailure;
    if (options.summary) PrintSummary(view, err);
    if (options.time) err << ScanTimeLine(controller.State().count->ScanSeconds()) << "\n";
    out.flush();
    return out ? status : kFailure;
}

}  // namespace lexicount::cli
