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

// Windows-1252 fields hold word-rule text; paths stay as the system gives them.
bool IsWordText(const std::string& name) {
    return name == "txbWordsToIgnore" || name.rfind("txbStartComment", 0) == 0 ||
           name.rfind("txbEndComment", 0) == 0;
}

bool ApplySet(Options& options, const std::string& assignment, std::string& error) {
    const size_t eq = assignment.find('=');
    if (eq == std::string::npos) {
        error = "--set needs NAME=VALUE, got '" + assignment + "'";
        return false;
    }
    const std::string name = assignment.substr(0, eq);
    const std::string value = assignment.substr(eq + 1);
    const FieldInfo* field = FindField(name);
    if (field == nullptr) {
        error = "unknown settings field '" + name + "'";
        return false;
    }
    if (field->kind == FieldKind::Text) {
        SetText(options.settings, name, IsWordText(name) ? Cp1252FromUtf8(value) : value);
        return true;
    }
    const auto number = ParseInt(value);
    const int limit = field->kind == FieldKind::List ? field->itemCount - 1 : 1;
    if (!number || *number < 0 || *number > limit) {
        error = "value of " + name + " must be a whole number from 0 to " + std::to_string(limit) + ", got '" +
                value + "'";
        return false;
    }
    SetNumber(options.settings, name, *number);
    return true;
}

bool NeedsValue(const std::vector<std::string>& args, size_t i, std::string& error) {
    if (i + 1 < args.size()) return true;
    error = args[i] + " needs a value";
    return false;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    bool haveInput = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--summary") {
            options.summary = true;
        } else if (arg == "--set") {
            if (!NeedsValue(args, i, error) || !ApplySet(options, args[++i], error)) return std::nullopt;
        } else if (arg == "--order") {
            if (!NeedsValue(args, i, error)) return std::nullopt;
            const std::string& v = args[++i];
            if (v != "frequency" && v != "alphabetical") {
                error = "--order must be frequency or alphabetical";
                return std::nullopt;
            }
            options.settings.cboWordOrder = v == "frequency" ? kByFrequency : kAlphabetical;
        } else if (arg == "--format") {
            if (!NeedsValue(args, i, error) || !ApplySet(options, "cboDisplayFormat=" + args[++i], error)) {
                return std::nullopt;
            }
        } else if (arg == "--type") {
            if (!NeedsValue(args, i, error)) return std::nullopt;
            options.type = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        } else if (haveInput) {
            error = "only one input file may be given";
            return std::nullopt;
        } else {
            options.input = arg;
            haveInput = true;
        }
    }
    return options;
}

std::string UsageText() {
    return R"(Usage: lexicount-cli [OPTIONS] [FILE]

Counts the different words of FILE (standard input when FILE is absent or
"-") and prints the list the main window would show: a header and one line
per word, by frequency or alphabetically.

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
  --summary          write the four summary lines to standard error
  --help             show this text

Exit status: 0 on success (also when no word is listed), 1 when the input
cannot be read or the settings are refused, 2 for a usage error.
)";
}

}  // namespace lexicount::cli
