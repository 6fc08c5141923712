// make bench: what exploring a result costs. The word table over one
// million different words, sorted by each column and filtered in each mode
// (in the window's own panel, on Qt's offscreen platform); and the contexts
// of a word in the benchmark corpus: how long until the first is found, and
// until all are.
//   lexicount-results-bench CORPUS WORD

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "base/settings_record.h"
#include "input/file_lines.h"
#include "input/line_splitter.h"
#include "run/qt/word_table_panel.h"
#include "run/text_count.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

double Time(const std::function<void()>& action) {
    const auto start = Clock::now();
    action();
    return Milliseconds(start);
}

// A million different words with Zipf-like frequencies, as a listing has them.
lexicount::ExportTable MillionWords() {
    constexpr int kWords = 1000000;
    lexicount::ExportTable table;
    table.rows.reserve(kWords);
    std::int64_t total = 0;
    for (int i = 0; i < kWords; ++i) total += kWords / (i + 1);
    double cumulative = 0;
    for (int i = 0; i < kWords; ++i) {
        lexicount::ExportRow row;
        row.rank = i + 1;
        std::string word;
        for (long long k = i * 7919LL % kWords, n = 0; n < 5; ++n, k /= 26)
            word += static_cast<char>('a' + k % 26);
        row.word = word + "x" + std::to_string(i % 97);
        row.frequency = kWords / (i + 1);
        row.percent = 100.0 * static_cast<double>(row.frequency) / static_cast<double>(total);
        row.perMillion = row.percent * 10000.0;
        cumulative += row.percent;
        row.cumulativePercent = cumulative;
        row.alphabetical = (i * 7919L) % kWords;
        table.rows.push_back(std::move(row));
    }
    return table;
}

void BenchTable() {
    lexicount::WordTablePanel panel;
    panel.resize(600, 400);
    panel.show();
    lexicount::ExportTable table = MillionWords();
    std::printf("word table, 1,000,000 words:\n");
    std::printf("  show               %8.1f ms\n", Time([&] { panel.Show(std::move(table), false); }));
    const char* columns[] = {"rank", "word", "frequency", "percent", "per million", "cumulative %"};
    double worst = 0;
    for (int column = 0; column < 6; ++column) {
        const double ms = Time([&] {
            panel.View()->sortByColumn(column, Qt::DescendingOrder);
            QApplication::processEvents();
        });
        worst = std::max(worst, ms);
        std::printf("  sort by %-12s %8.1f ms\n", columns[column], ms);
    }
    const std::pair<int, const char*> filters[] = {{0, "ab"}, {1, "abcdex1"}, {2, "^a.c"}};
    const char* modes[] = {"contains", "whole word", "expression"};
    for (const auto& [mode, text] : filters) {
        panel.FilterMode()->setCurrentIndex(mode);
        const double ms = Time([&, text = text] {
            panel.FilterBox()->setText(QString::fromLatin1(text));
            QApplication::processEvents();
        });
        worst = std::max(worst, ms);
        std::printf("  filter, %-12s %8.1f ms (%d rows)\n", modes[mode], ms,
                    panel.View()->model()->rowCount());
    }
    std::printf("  slowest: %.1f ms (target <= 200 ms)\n", worst);
}

void BenchContexts(const char* corpus, const std::string& word) {
    lexicount::SettingsRecord settings;
    const std::string extra = lexicount::BuildAllowedExtraChars(settings);
    const lexicount::WordsToIgnore ignore;
    const lexicount::CommonWords common;
    const auto start = Clock::now();
    double first = -1;
    std::int64_t found = 0;
    lexicount::TextCount search(settings, extra, ignore, common);
    search.BeginFile("txt");
    search.CaptureContexts(word, lexicount::kDefaultContextWidth, [&](lexicount::WordContext) {
        if (found++ == 0) first = Milliseconds(start);
    });
    lexicount::LineSplitter splitter(
        [&search](std::string& line) { return search.CountFileLine(line, false); });
    const std::error_code error = lexicount::SplitFile(corpus, splitter);
    if (error) std::fprintf(stderr, "results bench: %s: %s\n", corpus, error.message().c_str());
    std::printf("contexts of \"%s\": first after %.1f ms (target <= 100 ms), all %lld after %.1f ms\n",
                word.c_str(), first, static_cast<long long>(found), Milliseconds(start));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: lexicount-results-bench CORPUS WORD\n");
        return 2;
    }
    BenchTable();
    BenchContexts(argv[1], argv[2]);
    return 0;
}
