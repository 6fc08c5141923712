#include "output/chart_data.h"

#include <algorithm>
#include <cmath>

namespace lexicount {
namespace {

// The rows' indexes in rank order.
std::vector<size_t> ByRank(const ExportTable& table) {
    std::vector<size_t> order(table.rows.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b) { return table.rows[a].rank < table.rows[b].rank; });
    return order;
}

}  // namespace

std::vector<Bar> MostFrequentWords(const ExportTable& table, int n) {
    std::vector<Bar> bars;
    for (const size_t i : ByRank(table)) {
        if (static_cast<int>(bars.size()) >= n) break;
        bars.push_back({table.rows[i].word, table.rows[i].frequency});
    }
    return bars;
}

std::vector<std::pair<double, double>> RankFrequencyPoints(const ExportTable& table, int maxPoints) {
    const std::vector<size_t> order = ByRank(table);
    std::vector<std::pair<double, double>> points;
    if (order.empty()) return points;
    const double last = static_cast<double>(table.rows[order.back()].rank);
    const double step = std::log(std::max(last, 2.0)) / std::max(maxPoints - 1, 1);
    double nextLog = -1;
    for (size_t k = 0; k < order.size(); ++k) {
        const ExportRow& row = table.rows[order[k]];
        const double rank = static_cast<double>(row.rank);
        const bool isLast = k + 1 == order.size();
        if (std::log(rank) < nextLog && !isLast) continue;
        points.emplace_back(rank, static_cast<double>(row.frequency));
        nextLog = std::log(rank) + step;
    }
    return points;
}

}  // namespace lexicount
