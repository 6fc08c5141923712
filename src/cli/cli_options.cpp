#include "cli/cli_options.h"

#include <getopt.h>

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "output/export.h"
#include "words/cp1252.h"

namespace lexicount::cli {
namespace {

std::optional<int> ParseInt(const std::string& text) {
    int value = 0;
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) return std::nullopt;
    return value;
}

bool CheckSet(const std::string& assignment, std::pair<std::string, std::string>& checked,
              std::string& error) {
    const size_t eq = assignment.find('=');
    if (eq == std::string::npos) {
        error = "--set needs NAME=VALUE, got '" + assignment + "'";
        return false;
    }
    checked = {assignment.substr(0, eq), assignment.substr(eq + 1)};
    const auto& [name, value] = checked;
    const FieldInfo* field = FindField(name);
    if (field == nullptr) {
        error = "unknown settings field '" + name + "'";
        return false;
    }
    if (field->kind == FieldKind::Text) return true;
    const auto number = ParseInt(value);
    const int limit = field->MaxValue();
    if (!number || *number < 0 || *number > limit) {
        error = "value of " + name + " must be a whole number from 0 to " + std::to_string(limit) +
                ", got '" + value + "'";
        return false;
    }
    return true;
}

bool AddSet(Options& options, const std::string& assignment, std::string& error) {
    std::pair<std::string, std::string> checked;
    if (!CheckSet(assignment, checked, error)) return false;
    options.sets.push_back(std::move(checked));
    return true;
}

// Every option with getopt_long's code for it: the short form where there
// is one, otherwise a number above the character range.
enum LongOnly : int {
    kOrder = 256,
    kType,
    kSettings,
    kSaveSettings,
    kCommonWords,
    kAutoCommonWords,
    kSummary,
    kTime,
    kUnicode,
    kExport,
    kSaveCounts,
    kMergeCounts,
    kInclude,
    kJobs,
    kPerFile,
};

constexpr option kLongOptions[] = {
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {"set", required_argument, nullptr, 's'},
    {"format", required_argument, nullptr, 'f'},
    {"output", required_argument, nullptr, 'o'},
    {"order", required_argument, nullptr, kOrder},
    {"type", required_argument, nullptr, kType},
    {"settings", required_argument, nullptr, kSettings},
    {"save-settings", required_argument, nullptr, kSaveSettings},
    {"common-words", required_argument, nullptr, kCommonWords},
    {"auto-common-words", no_argument, nullptr, kAutoCommonWords},
    {"summary", no_argument, nullptr, kSummary},
    {"time", no_argument, nullptr, kTime},
    {"unicode", no_argument, nullptr, kUnicode},
    {"export", required_argument, nullptr, kExport},
    {"save-counts", required_argument, nullptr, kSaveCounts},
    {"merge-counts", no_argument, nullptr, kMergeCounts},
    {"recursive", no_argument, nullptr, 'r'},
    {"include", required_argument, nullptr, kInclude},
    {"jobs", required_argument, nullptr, kJobs},
    {"per-file", no_argument, nullptr, kPerFile},
    {nullptr, 0, nullptr, 0},
};
// A leading ':' reports a missing value apart from an unknown option; no
// '+', so options may follow the file as GNU tools allow.
constexpr const char* kShortOptions = ":hVrs:f:o:";

bool TakeOption(int code, const std::string& value, Options& options, std::string& error) {
    switch (code) {
        case 'h': options.help = true; return true;
        case 'V': options.version = true; return true;
        case 's': return AddSet(options, value, error);
        case 'f': return AddSet(options, "cboDisplayFormat=" + value, error);
        case 'o': options.output = value; return true;
        case kOrder:
            if (value != "frequency" && value != "alphabetical") {
                error = "--order must be frequency or alphabetical, got '" + value + "'";
                return false;
            }
            return AddSet(options, value == "frequency" ? "cboWordOrder=0" : "cboWordOrder=1", error);
        case kType: options.type = value; return true;
        case kSettings: options.settingsFile = value; return true;
        case kSaveSettings: options.saveSettingsFile = value; return true;
        case kCommonWords: options.commonWords = value; return true;
        case kAutoCommonWords: options.autoCommonWords = true; return true;
        case kSummary: options.summary = true; return true;
        case kTime: options.time = true; return true;
        case kUnicode: return AddSet(options, "chkUnicodeWords=1", error);
        case kSaveCounts: options.saveCounts = value; return true;
        case kMergeCounts: options.mergeCounts = true; return true;
        case 'r': options.recursive = true; return true;
        case kInclude: options.includes.push_back(value); return true;
        case kPerFile: options.perFile = true; return true;
        case kJobs: {
            const std::optional<int> jobs = ParseInt(value);
            if (!jobs || *jobs < 1 || *jobs > 256) {
                error = "--jobs must be a whole number from 1 to 256, got '" + value + "'";
                return false;
            }
            options.jobs = *jobs;
            return true;
        }
        case kExport:
            if (!ExportFormatOf(value)) {
                error = "--export needs a file ending in .csv, .tsv, .json or .xlsx, got '" + value + "'";
                return false;
            }
            options.exports.push_back(value);
            return true;
        default: return false;
    }
}

// The option as the user wrote it, for a message about it.
std::string Written(const std::vector<char*>& argv, int index) {
    const std::string arg = argv[static_cast<size_t>(index)];
    const size_t eq = arg.find('=');
    return arg.rfind("--", 0) == 0 && eq != std::string::npos ? arg.substr(0, eq) : arg;
}

}  // namespace

// getopt_long, the C library's parser of GNU command lines: long options
// with "=" or a separate value, short forms, "--" to end the options.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    std::vector<std::string> storage = {"lexicount-cli"};
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : storage) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(storage.size());

    Options options;
    opterr = 0;
    optind = 0;  // glibc: start afresh
    int code = 0;
    while ((code = getopt_long(argc, argv.data(), kShortOptions, kLongOptions, nullptr)) != -1) {
        if (code == ':') {
            error = Written(argv, optind - 1) + " needs a value";
            return std::nullopt;
        }
        if (code == '?') {
            error = "unknown option '" +
                    (optopt != 0 && optopt < kOrder ? "-" + std::string(1, static_cast<char>(optopt))
                                                    : Written(argv, optind - 1)) +
                    "'";
            return std::nullopt;
        }
        if (!TakeOption(code, optarg != nullptr ? optarg : "", options, error)) return std::nullopt;
    }
    if (options.mergeCounts) {
        options.countsFiles.assign(argv.begin() + optind, argv.begin() + argc);
        if (options.countsFiles.empty()) {
            error = "--merge-counts needs one or more counts files";
            return std::nullopt;
        }
        return options;
    }
    // getopt_long has moved the operands behind the options in argv.
    options.inputs.assign(argv.begin() + optind, argv.begin() + argc);
    if (!options.inputs.empty()) options.input = options.inputs.front();
    if (options.inputs.size() > 1 &&
        std::find(options.inputs.begin(), options.inputs.end(), "-") != options.inputs.end()) {
        error = "standard input cannot be one of several inputs";
        return std::nullopt;
    }
    return options;
}

bool Options::ManyInputs() const {
    if (mergeCounts) return false;
    if (inputs.size() > 1 || recursive || !includes.empty()) return true;
    std::error_code error;
    return inputs.size() == 1 && std::filesystem::is_directory(inputs.front(), error);
}

void ApplySet(SettingsRecord& settings, const std::string& name, const std::string& value) {
    const FieldInfo& field = *FindField(name);
    if (field.kind == FieldKind::Text) {
        // Word-rule text is Windows-1252; paths stay as the system gives them.
        SetText(settings, name, field.wordText ? Cp1252FromUtf8(value) : value);
    } else {
        SetNumber(settings, name, *ParseInt(value));
    }
}

std::string UsageText() {
    return R"(Usage: lexicount-cli [OPTIONS] [FILE]
       lexicount-cli [OPTIONS] FILE|FOLDER...
       lexicount-cli [OPTIONS] --merge-counts FILE...

Counts the different words of FILE (standard input when FILE is absent or
"-") and prints the list the main window would show: a header and one line
per word, by frequency or alphabetically. FILE may be a text file (ANSI or
UTF-8) or a docx or odt document.

Options (a value may follow as "--format 3" or "--format=3"; "--" ends the
options):
  -s, --set NAME=VALUE
                     set a field of the settings by its name: check boxes
                     0 or 1, lists by item index, texts by text
                     (e.g. --set chkAllowWordsWithApostrophes=1)
  --order frequency|alphabetical
                     word order (cboWordOrder)
  -f, --format N     display format 0-9 (cboDisplayFormat):
                     0 rank frequency word   5 frequency word
                     1 rank word frequency   6 word rank
                     2 rank frequency        7 word frequency
                     3 rank word             8 word
                     4 frequency rank        9 word (+ commas)
  --type EXT         read the input as a file with extension EXT: htm, html,
                     php and xml skip markup; others skip C comments
                     (standard input: txt)
  -o, --output FILE  also write the list to FILE for spreadsheets (replaced
                     whole if it exists, emptied when no word is listed;
                     --set chkOutputWithCommas=1 for commas); never a file
                     that the count reads
  --settings FILE    load a settings or state file before the --set options
  --save-settings FILE
                     write the effective settings to FILE
  --common-words LANG|FILE
                     ignore the common words of a language (en de es pt it
                     fr en_de all; da nl fi hu no sv; with --unicode also
                     cs el ja pl ro ru tr uk zh) or of a file
  --unicode          words in any script (--set chkUnicodeWords=1): Cyrillic,
                     Greek, Arabic, Chinese, ...; the list is UTF-8 and an
                     output file UTF-8 with a byte-order mark
  --auto-common-words
                     ignore the common words of the language the input
                     declares (English when it declares none or, without
                     --unicode, one of the languages added to the six)
  --export FILE      also write the listed words to FILE for spreadsheets and
                     scripts, in the format of its extension: .csv, .tsv,
                     .json or .xlsx; columns rank, word, frequency, percent,
                     per_million, cumulative_percent (UTF-8; may be repeated)
  -r, --recursive    with a FOLDER, its subfolders too
  --include PATTERN  the files of a FOLDER that are counted, by name, as
                     "*.txt" (case ignored; may be repeated); without it
                     text, docx and odt files. Several FILEs and FOLDERs are
                     counted one after another into one list; a file that
                     cannot be counted is named at the end and ends nothing
  --jobs N           count with N workers (default: one for each core):
                     several files, or a file of 4 MB or more in pieces;
                     the list is the same for any N
  --per-file         with several files, --export also writes a frequency
                     column for each file (of up to 200 files), headed by its
                     path below their common folder; a "files" column (in
                     how many files a word occurs) is always written
  --save-counts FILE also write the counted words with their frequencies and
                     the settings that counted them to FILE, for a later
                     --merge-counts
  --merge-counts FILE...
                     list the words of saved counts together, as one run
                     over all their inputs would (instead of counting an
                     input); the counts must come from the settings in force
  --summary          write the four summary lines to standard error
  --time             write the seconds the scan took to standard error
  -h, --help         show this text
  -V, --version      show the version

The count is the window's own: its checks, messages and questions are the
same. Messages go to standard error as "title: text"; nobody is asked, and
each question gets a fixed answer, printed after it in brackets:
  "UTF-8 or ANSI file?"   as chkUTF8 says (0: No, scan as ANSI; 1: Yes)
  "Big file"              Yes: a large document is counted
  "... scan this file anyway?" (a damaged document)
                          No: it is not counted
  an existing output file is replaced without asking; other questions get
  their default button.

Exit status: 0 on success (also when no word is listed), 1 when the input
cannot be read, the settings are refused or a warning was shown, 2 for a
usage error.
)";
}

}  // namespace lexicount::cli
