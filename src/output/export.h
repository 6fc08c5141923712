#pragma once

// Exports of a count's listed words for spreadsheets and scripts: CSV
// (RFC 4180), TSV, JSON and XLSX, all UTF-8, with a header row and nothing
// else (JSON: the rows and the summary figures). The output file of the
// settings window is another thing (output_file.h).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "words/post_scan.h"
#include "words/word_table.h"

namespace lexicount {

enum class ExportFormat { Csv, Tsv, Json, Xlsx };

// The format that a file's extension names, in any case; nullopt for none.
std::optional<ExportFormat> ExportFormatOf(std::string_view path);

struct ExportRow {
    std::int64_t rank = 0;  // by frequency, whatever the order of the rows
    std::string word;       // UTF-8
    std::int64_t frequency = 0;
    double percent = 0;            // of the listed instances
    double perMillion = 0;         // of the listed instances
    double cumulativePercent = 0;  // of this row and those before it
    // The word's place in the program's alphabetical order, for sorting the
    // rows by word (not exported).
    std::int64_t alphabetical = 0;
    // Of a count of many files: in how many the word occurs, and its count
    // in each file that has a column.
    std::int64_t files = 0;
    std::vector<std::int64_t> byFile;
};

// A count of many files keeps a column for each file for this many at most.
inline constexpr size_t kMaxFileColumns = 200;

struct ExportTable {
    std::vector<ExportRow> rows;  // in the listing's order
    std::int64_t differentWords = 0;
    std::int64_t listedInstances = 0;
    std::int64_t totalInstances = 0;       // of all words found, listed or not
    bool countsFiles = false;              // a count of many files: the "files" column
    std::vector<std::string> fileColumns;  // the headers of the columns by file
};

// The listed words of a finished count in the order of cboWordOrder.
// utf8Words: the table holds UTF-8 (the Unicode text model), otherwise
// Windows-1252, which the export turns into UTF-8.
// fileNames: the headers of the columns by file, of a table that counted
// its words by file; none, for no such columns.
ExportTable MakeExportTable(const WordTable& table, const WordStatistics& stats, int cboWordOrder,
                            std::int64_t totalInstances, bool utf8Words,
                            const std::vector<std::string>& fileNames = {});

// A field of tab-separated text: a tab or line end inside it (no word holds
// one) becomes a space rather than break the row.
std::string TsvField(std::string_view field);

// The column names of the header row, in order.
const std::vector<std::string>& ExportColumns();
// The columns of this table: those above, then "files" and those by file.
std::vector<std::string> ExportColumns(const ExportTable& table);

// CSV with separator ',' (fields quoted as RFC 4180 asks, lines ending in
// CR LF) or TSV with separator '\t' (lines ending in LF).
std::string DelimitedText(const ExportTable& table, ExportFormat format);
std::string JsonText(const ExportTable& table);

// Writes the export; "" when done, else a description of the failure.
std::string WriteExport(const std::string& path, ExportFormat format, const ExportTable& table);

}  // namespace lexicount
