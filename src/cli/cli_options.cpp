#include "cli/cli_options.h"

#include <charconv>

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

// Options that take a value, and where it goes.
std::string* ValueOption(Options& options, const std::string& arg) {
    if (arg == "--type") return &options.type;
    if (arg == "--output") return &options.output;
    if (arg == "--settings") return &options.settingsFile;
    if (arg == "--save-settings") return &options.saveSettingsFile;
    if (arg == "--common-words") return &options.commonWords;
    return nullptr;
}

bool ParseOne(const std::vector<std::string>& args, size_t& i, Options& options, bool& haveInput,
              std::string& error) {
    const std::string& arg = args[i];
    const bool takesValue =
        arg == "--set" || arg == "--order" || arg == "--format" || ValueOption(options, arg) != nullptr;
    if (takesValue && i + 1 >= args.size()) {
        error = arg + " needs a value";
        return false;
    }
    if (arg == "--help" || arg == "-h") {
        options.help = true;
    } else if (arg == "--summary") {
        options.summary = true;
    } else if (arg == "--time") {
        options.time = true;
    } else if (arg == "--auto-common-words") {
        options.autoCommonWords = true;
    } else if (arg == "--set") {
        return AddSet(options, args[++i], error);
    } else if (arg == "--order") {
        const std::string& v = args[++i];
        if (v != "frequency" && v != "alphabetical") {
            error = "--order must be frequency or alphabetical";
            return false;
        }
        return AddSet(options, v == "frequency" ? "cboWordOrder=0" : "cboWordOrder=1", error);
    } else if (arg == "--format") {
        return AddSet(options, "cboDisplayFormat=" + args[++i], error);
    } else if (std::string* target = ValueOption(options, arg)) {
        *target = args[++i];
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
        error = "unknown option '" + arg + "'";
        return false;
    } else if (haveInput) {
        error = "only one input file may be given";
        return false;
    } else {
        options.input = arg;
        haveInput = true;
    }
    return true;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    bool haveInput = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (!ParseOne(args, i, options, haveInput, error)) return std::nullopt;
    }
    return options;
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

Counts the different words of FILE (standard input when FILE is absent or
"-") and prints the list the main window would show: a header and one line
per word, by frequency or alphabetically. FILE may be a text file (ANSI or
UTF-8) or a docx or odt document.

Options:
  --set NAME=VALUE   set a field of the settings by its name: check boxes
                     0 or 1, lists by item index, texts by text
                     (e.g. --set chkAllowWordsWithApostrophes=1)
  --order frequency|alphabetical
                     word order (cboWordOrder)
  --format N         display format 0-9 (cboDisplayFormat):
                     0 rank frequency word   5 frequency word
                     1 rank word frequency   6 word rank
                     2 rank frequency        7 word frequency
                     3 rank word             8 word
                     4 frequency rank        9 word (+ commas)
  --type EXT         read the input as a file with extension EXT: htm, html,
                     php and xml skip markup; others skip C comments
                     (standard input: txt)
  --output FILE      also write the list to FILE for spreadsheets (replaced
                     whole if it exists, emptied when no word is listed;
                     --set chkOutputWithCommas=1 for commas); never a file
                     that the count reads
  --settings FILE    load a settings or state file before the --set options
  --save-settings FILE
                     write the effective settings to FILE
  --common-words LANG|FILE
                     ignore the common words of a language (en de es pt it
                     fr en_de all) or of a file
  --auto-common-words
                     ignore the common words of the language the input
                     declares (English when it declares none)
  --summary          write the four summary lines to standard error
  --time             write the seconds the scan took to standard error
  --help             show this text

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
