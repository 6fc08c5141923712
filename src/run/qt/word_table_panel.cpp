#include "run/qt/word_table_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

#include "qt/qt_text.h"
#include "words/number_format.h"

namespace lexicount {
namespace {

enum Column { kRank, kWord, kFrequency, kPercent, kPerMillion, kCumulative, kColumnCount };

constexpr const char* kHeaders[kColumnCount] = {"Rank",    "Word",        "Frequency",
                                                "Percent", "Per million", "Cumulative %"};

enum FilterMode { kContains, kWholeWord, kRegularExpression };

// Past the fixed columns: "Files", then one for each file.
constexpr int kFiles = kColumnCount;

std::int64_t FileCell(const ExportRow& row, int column) {
    if (column == kFiles) return row.files;
    const auto k = static_cast<size_t>(column - kFiles - 1);
    return k < row.byFile.size() ? row.byFile[k] : 0;
}

// The value a column sorts by.
double SortValue(const ExportRow& row, int column) {
    if (column >= kFiles) return static_cast<double>(FileCell(row, column));
    switch (column) {
        case kRank: return static_cast<double>(row.rank);
        case kWord: return static_cast<double>(row.alphabetical);
        case kFrequency: return static_cast<double>(row.frequency);
        case kPercent: return row.percent;
        case kPerMillion: return row.perMillion;
        default: return row.cumulativePercent;
    }
}

QString CellText(const ExportRow& row, int column) {
    if (column >= kFiles) return QStringFromUtf8(FormatGrouped(FileCell(row, column)));
    switch (column) {
        case kRank: return QStringFromUtf8(FormatGrouped(row.rank));
        case kWord: return QStringFromUtf8(row.word);
        case kFrequency: return QStringFromUtf8(FormatGrouped(row.frequency));
        case kPercent: return QStringFromUtf8(FormatGroupedDecimals(row.percent, 3));
        case kPerMillion: return QStringFromUtf8(FormatGroupedDecimals(row.perMillion, 1));
        default: return QStringFromUtf8(FormatGroupedDecimals(row.cumulativePercent, 2));
    }
}

}  // namespace

WordTableModel::WordTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void WordTableModel::SetRows(ExportTable table) {
    table_ = std::move(table);
    accepted_.assign(table_.rows.size(), 1);
    sortColumn_ = -1;
    Arrange();
}

void WordTableModel::Arrange() {
    beginResetModel();
    shown_.clear();
    for (size_t i = 0; i < table_.rows.size(); ++i) {
        if (accepted_[i] != 0) shown_.push_back(static_cast<int>(i));
    }
    if (sortColumn_ >= 0) {
        // Each row's value taken once, then the numbers sorted: a million
        // rows sort in a fraction of a second. Equal values keep the
        // listing's order, whichever way the column runs.
        const auto& rows = table_.rows;
        std::vector<std::pair<double, int>> keyed;
        keyed.reserve(shown_.size());
        for (const int i : shown_)
            keyed.emplace_back(SortValue(rows[static_cast<size_t>(i)], sortColumn_), i);
        const bool ascending = sortOrder_ == Qt::AscendingOrder;
        std::sort(keyed.begin(), keyed.end(), [ascending](const auto& a, const auto& b) {
            if (a.first != b.first) return ascending ? a.first < b.first : b.first < a.first;
            return a.second < b.second;
        });
        for (size_t k = 0; k < keyed.size(); ++k) shown_[k] = keyed[k].second;
    }
    endResetModel();
}

int WordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int WordTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return kColumnCount + (table_.countsFiles ? 1 : 0) + static_cast<int>(table_.fileColumns.size());
}

QVariant WordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(shown_.size())) return {};
    const ExportRow& row = table_.rows[static_cast<size_t>(shown_[static_cast<size_t>(index.row())])];
    if (role == Qt::DisplayRole) return CellText(row, index.column());
    if (role == Qt::TextAlignmentRole && index.column() != kWord) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant WordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (section == kFiles) return QStringLiteral("Files");
    if (section > kFiles)
        return QStringFromUtf8(table_.fileColumns[static_cast<size_t>(section - kFiles - 1)]);
    return QString::fromLatin1(kHeaders[section]);
}

void WordTableModel::sort(int column, Qt::SortOrder order) {
    sortColumn_ = column;
    sortOrder_ = order;
    Arrange();
}

WordTablePanel::WordTablePanel(QWidget* parent)
    : QWidget(parent),
      txbFilter_(new QLineEdit),
      cboFilterMode_(new QComboBox),
      view_(new QTableView),
      lblTableStatus_(new QLabel),
      chkPerFile_(new QCheckBox(QStringLiteral("Per-&file columns"))) {
    setObjectName(QStringLiteral("WordTable"));
    txbFilter_->setObjectName(QStringLiteral("txbFilter"));
    txbFilter_->setPlaceholderText(QStringLiteral("Filter the words"));
    txbFilter_->setClearButtonEnabled(true);
    cboFilterMode_->setObjectName(QStringLiteral("cboFilterMode"));
    cboFilterMode_->addItems(
        {QStringLiteral("contains"), QStringLiteral("whole word"), QStringLiteral("regular expression")});
    view_->setObjectName(QStringLiteral("tblWords"));
    view_->setModel(&model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSortingEnabled(true);
    // The rows keep the listing's order until a header is clicked.
    view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->verticalHeader()->hide();
    // Compact rows and columns sized for their usual contents: measuring a
    // million rows would cost more than it shows.
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    const QFontMetrics metrics = view_->fontMetrics();
    const int widths[kColumnCount] = {8, 16, 10, 9, 11, 12};  // in average characters
    for (int column = 0; column < kColumnCount; ++column) {
        view_->horizontalHeader()->resizeSection(column, widths[column] * metrics.averageCharWidth() + 12);
    }
    lblTableStatus_->setObjectName(QStringLiteral("lblTableStatus"));

    auto* copy = new QAction(QStringLiteral("Copy"), view_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    view_->addAction(copy);
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(SelectedText()); });

    auto* filterRow = new QHBoxLayout;
    filterRow->setContentsMargins(0, 0, 0, 0);
    filterRow->addWidget(txbFilter_, 1);
    filterRow->addWidget(cboFilterMode_);
    chkPerFile_->setObjectName(QStringLiteral("chkPerFile"));
    chkPerFile_->setToolTip(
        QStringLiteral(
            "A frequency column for each file, from the next count of several files (up to %1 files)")
            .arg(static_cast<qulonglong>(kMaxFileColumns)));
    filterRow->addWidget(chkPerFile_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(filterRow);
    layout->addWidget(view_, 1);
    layout->addWidget(lblTableStatus_);

    connect(txbFilter_, &QLineEdit::textChanged, this, &WordTablePanel::ApplyFilter);
    connect(cboFilterMode_, &QComboBox::currentIndexChanged, this, &WordTablePanel::ApplyFilter);
}

void WordTablePanel::Show(ExportTable table, bool caseSignificant) {
    caseSignificant_ = caseSignificant;
    view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    model_.SetRows(std::move(table));
    // The columns of files are narrow: their counts are short.
    const int width = 8 * view_->fontMetrics().averageCharWidth() + 12;
    for (int column = kColumnCount; column < model_.columnCount(); ++column) {
        view_->horizontalHeader()->resizeSection(column, width);
    }
    ApplyFilter();
}

void WordTablePanel::Clear() {
    model_.SetRows({});
    lblTableStatus_->clear();
}

void WordTablePanel::ApplyFilter() {
    const QString text = txbFilter_->text();
    const Qt::CaseSensitivity cs = caseSignificant_ ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const int mode = cboFilterMode_->currentIndex();
    QRegularExpression expression;
    if (mode == kRegularExpression) {
        expression.setPattern(text);
        if (!caseSignificant_) expression.setPatternOptions(QRegularExpression::CaseInsensitiveOption);
    }
    const bool validExpression = mode != kRegularExpression || expression.isValid();
    model_.Filter([&](const std::string& word) {
        if (text.isEmpty()) return true;
        if (!validExpression) return false;
        const QString w = QStringFromUtf8(word);
        if (mode == kContains) return w.contains(text, cs);
        if (mode == kWholeWord) return w.compare(text, cs) == 0;
        return expression.match(w).hasMatch();
    });
    const std::string shown = FormatGrouped(static_cast<std::int64_t>(model_.Shown().size()));
    const std::string all = FormatGrouped(static_cast<std::int64_t>(model_.Table().rows.size()));
    lblTableStatus_->setText(validExpression
                                 ? QStringFromUtf8(shown + " of " + all + " words")
                                 : QStringLiteral("Not a regular expression: ") + expression.errorString());
}

QString WordTablePanel::SelectedText() const {
    QModelIndexList selected = view_->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList lines;
    QStringList header;
    for (int column = 0; column < model_.columnCount(); ++column) {
        header << model_.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    lines << header.join(QLatin1Char('\t'));
    for (const QModelIndex& index : selected) {
        QStringList cells;
        for (int column = 0; column < model_.columnCount(); ++column) {
            cells << model_.data(model_.index(index.row(), column), Qt::DisplayRole).toString();
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace lexicount
