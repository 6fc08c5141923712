#include "output/export.h"

#include <xlsxwriter.h>

#include <unistd.h>
#include <array>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "base/checked_file.h"
#include "base/file_errors.h"
#include "base/file_replace.h"
#include "output/listing.h"
#include "words/chars.h"
#include "words/cp1252.h"

namespace lexicount {
namespace {

// Shortest text that reads back as the same number, whatever the locale.
std::string Number(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string CsvField(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", byte);
            out += escaped.data();
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::vector<std::string> Fields(const ExportTable& table, const ExportRow& row) {
    std::vector<std::string> fields = {std::to_string(row.rank),      row.word,
                                       std::to_string(row.frequency), Number(row.percent),
                                       Number(row.perMillion),        Number(row.cumulativePercent)};
    if (table.countsFiles) fields.push_back(std::to_string(row.files));
    for (const std::int64_t count : row.byFile) fields.push_back(std::to_string(count));
    return fields;
}

constexpr size_t kWordColumn = 1;

// libxlsxwriter writes to a path: a temporary file beside the target, whose
// bytes then replace the target as every file of the program is replaced.
std::string WriteXlsx(const std::string& path, const ExportTable& table) {
    const std::filesystem::path target = PathFromUtf8(path);
    const std::filesystem::path temporary =
        target.parent_path() / (".lexicount-export-" + std::to_string(::getpid()) + ".xlsx");
    lxw_workbook* workbook = workbook_new(temporary.string().c_str());
    if (workbook == nullptr) return "Cannot create a workbook beside " + path;
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Words");
    const std::vector<std::string> columns = ExportColumns(table);
    for (size_t c = 0; c < columns.size(); ++c) {
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), columns[c].c_str(), nullptr);
    }
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const ExportRow& row = table.rows[r];
        const auto line = static_cast<lxw_row_t>(r + 1);
        worksheet_write_string(sheet, line, kWordColumn, row.word.c_str(), nullptr);
        // The other columns are numbers, which a spreadsheet must take as such.
        std::vector<double> numbers = {static_cast<double>(row.rank), static_cast<double>(row.frequency),
                                       row.percent, row.perMillion, row.cumulativePercent};
        if (table.countsFiles) numbers.push_back(static_cast<double>(row.files));
        for (const std::int64_t count : row.byFile) numbers.push_back(static_cast<double>(count));
        for (size_t n = 0; n < numbers.size(); ++n) {
            const auto column = static_cast<lxw_col_t>(n < kWordColumn ? n : n + 1);
            worksheet_write_number(sheet, line, column, numbers[n], nullptr);
        }
    }
    worksheet_freeze_panes(sheet, 1, 0);
    const lxw_error closed = workbook_close(workbook);
    std::string bytes;
    if (closed == LXW_NO_ERROR) {
        std::ifstream in(temporary, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    if (closed != LXW_NO_ERROR) return std::string("Cannot write the workbook: ") + lxw_strerror(closed);
    const std::error_code error = ReplaceFileContents(target, bytes);
    return error ? DescribeError(error) : std::string();
}

}  // namespace

std::string TsvField(std::string_view field) {
    std::string out(field);
    for (char& c : out) {
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

std::optional<ExportFormat> ExportFormatOf(std::string_view path) {
    const size_t dot = path.find_last_of("./\\");
    if (dot == std::string_view::npos || path[dot] != '.') return std::nullopt;
    const std::string extension = LowerCaseLatin(path.substr(dot + 1));
    if (extension == "csv") return ExportFormat::Csv;
    if (extension == "tsv" || extension == "tab") return ExportFormat::Tsv;
    if (extension == "json") return ExportFormat::Json;
    if (extension == "xlsx") return ExportFormat::Xlsx;
    return std::nullopt;
}

const std::vector<std::string>& ExportColumns() {
    static const std::vector<std::string> columns = {"rank",    "word",        "frequency",
                                                     "percent", "per_million", "cumulative_percent"};
    return columns;
}

std::vector<std::string> ExportColumns(const ExportTable& table) {
    std::vector<std::string> columns = ExportColumns();
    if (table.countsFiles) columns.emplace_back("files");
    columns.insert(columns.end(), table.fileColumns.begin(), table.fileColumns.end());
    return columns;
}

ExportTable MakeExportTable(const WordTable& table, const WordStatistics& stats, int cboWordOrder,
                            std::int64_t totalInstances, bool utf8Words,
                            const std::vector<std::string>& fileNames) {
    ExportTable out;
    out.countsFiles = table.KnowsFiles();
    if (out.countsFiles) out.fileColumns = fileNames;
    out.differentWords = stats.lngNumWordsIncluded;
    out.listedInstances = stats.lngNumOccurrences;
    out.totalInstances = totalInstances;
    const double listed = stats.lngNumOccurrences > 0 ? static_cast<double>(stats.lngNumOccurrences) : 1.0;
    std::int64_t running = 0;
    ForEachListedRecord(table, stats, cboWordOrder, [&](std::int64_t i) {
        const WordRecord& record = table[i];
        running += record.Frequency;
        ExportRow row;
        row.rank = record.FreqRank;
        row.alphabetical = i;  // the table is in alphabetical order
        row.word = utf8Words ? record.Word : Utf8FromCp1252(record.Word);
        row.frequency = record.Frequency;
        row.percent = 100.0 * static_cast<double>(record.Frequency) / listed;
        row.perMillion = 1e6 * static_cast<double>(record.Frequency) / listed;
        row.cumulativePercent = 100.0 * static_cast<double>(running) / listed;
        if (out.countsFiles) {
            const WordFiles& files = table.FilesOf(record);
            row.files = files.files;
            row.byFile.assign(out.fileColumns.size(), 0);
            for (const FileCount& count : files.byFile) {
                if (count.file < row.byFile.size()) row.byFile[count.file] = count.count;
            }
        }
        out.rows.push_back(std::move(row));
        return true;
    });
    return out;
}

std::string DelimitedText(const ExportTable& table, ExportFormat format) {
    const bool csv = format == ExportFormat::Csv;
    const char* lineEnd = csv ? "\r\n" : "\n";
    auto appendLine = [&](std::string& text, const std::vector<std::string>& fields) {
        for (size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) text += csv ? ',' : '\t';
            text += csv ? CsvField(fields[i]) : TsvField(fields[i]);
        }
        text += lineEnd;
    };
    std::string text;
    appendLine(text, ExportColumns(table));
    for (const ExportRow& row : table.rows) appendLine(text, Fields(table, row));
    return text;
}

std::string JsonText(const ExportTable& table) {
    std::string text = "{\n  \"summary\": {\"different_words\": " + std::to_string(table.differentWords) +
                       ", \"listed_instances\": " + std::to_string(table.listedInstances) +
                       ", \"total_instances\": " + std::to_string(table.totalInstances) +
                       "},\n  \"words\": [";
    const std::vector<std::string> columns = ExportColumns(table);
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const std::vector<std::string> fields = Fields(table, table.rows[r]);
        text += r == 0 ? "\n    {" : ",\n    {";
        for (size_t c = 0; c < fields.size(); ++c) {
            if (c > 0) text += ", ";
            text += JsonString(columns[c]) + ": " + (c == kWordColumn ? JsonString(fields[c]) : fields[c]);
        }
        text += '}';
    }
    return text + (table.rows.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

std::string WriteExport(const std::string& path, ExportFormat format, const ExportTable& table) {
    if (format == ExportFormat::Xlsx) return WriteXlsx(path, table);
    const std::string text = format == ExportFormat::Json ? JsonText(table) : DelimitedText(table, format);
    const std::error_code error = ReplaceFileContents(PathFromUtf8(path), text);
    return error ? DescribeError(error) : std::string();
}

}  // namespace lexicount
