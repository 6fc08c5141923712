#include "run/qt/contexts_panel.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <set>

#include "qt/qt_text.h"

namespace lexicount {
namespace {

enum Column { kLine, kLeft, kWord, kRight, kColumnCount };

constexpr const char* kHeaders[kColumnCount] = {"Line", "Left", "Word", "Right"};

constexpr int kPauseMs = 300;

}  // namespace

ContextsModel::ContextsModel(QObject* parent) : QAbstractTableModel(parent) {}

void ContextsModel::Clear() {
    beginResetModel();
    contexts_.clear();
    endResetModel();
}

void ContextsModel::Append(std::vector<WordContext> found) {
    if (found.empty()) return;
    const int first = static_cast<int>(contexts_.size());
    beginInsertRows({}, first, first + static_cast<int>(found.size()) - 1);
    contexts_.insert(contexts_.end(), std::make_move_iterator(found.begin()),
                     std::make_move_iterator(found.end()));
    endInsertRows();
}

void ContextsModel::Arrange(ContextOrder order) {
    beginResetModel();
    SortContexts(contexts_, order);
    endResetModel();
}

int ContextsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(contexts_.size());
}

int ContextsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ContextsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(contexts_.size())) return {};
    const WordContext& context = contexts_[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
            case kLine: return QString::number(context.line);
            case kLeft: return QStringFromUtf8(context.left);
            case kWord: return QStringFromUtf8(context.word);
            default: return QStringFromUtf8(context.right);
        }
    }
    // The left context ends at the word and the right one begins there: a
    // long one is cut where it is farthest from the word.
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment side = index.column() == kRight
                                       ? Qt::AlignLeft
                                       : (index.column() == kWord ? Qt::AlignHCenter : Qt::AlignRight);
        return QVariant::fromValue(side | Qt::AlignVCenter);
    }
    if (role == Qt::FontRole && index.column() == kWord) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

QVariant ContextsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return QString::fromLatin1(kHeaders[section]);
}

ContextsPanel::ContextsPanel(QWidget* parent)
    : QWidget(parent),
      txbContextWord_(new QLineEdit),
      spnContextWidth_(new QSpinBox),
      cboContextOrder_(new QComboBox),
      cmdFindContexts_(new QPushButton(QStringLiteral("Co&ntexts"))),
      cmdCopyContexts_(new QPushButton(QStringLiteral("Cop&y"))),
      cmdExportContexts_(new QPushButton(QStringLiteral("Expo&rt contexts..."))),
      view_(new QTableView),
      lblContextsStatus_(new QLabel),
      pause_(new QTimer(this)) {
    setObjectName(QStringLiteral("Contexts"));
    txbContextWord_->setObjectName(QStringLiteral("txbContextWord"));
    txbContextWord_->setPlaceholderText(QStringLiteral("A word of the count"));
    txbContextWord_->setClearButtonEnabled(true);
    spnContextWidth_->setObjectName(QStringLiteral("spnContextWidth"));
    spnContextWidth_->setRange(5, 500);
    spnContextWidth_->setValue(kDefaultContextWidth);
    spnContextWidth_->setSuffix(QStringLiteral(" characters"));
    spnContextWidth_->setToolTip(QStringLiteral("How much text is shown on each side of the word"));
    cboContextOrder_->setObjectName(QStringLiteral("cboContextOrder"));
    cboContextOrder_->addItems({QStringLiteral("in text order"), QStringLiteral("by left context"),
                                QStringLiteral("by right context")});
    cmdFindContexts_->setObjectName(QStringLiteral("cmdFindContexts"));
    cmdFindContexts_->setToolTip(QStringLiteral("Lists every place of the word in the counted text"));
    cmdCopyContexts_->setObjectName(QStringLiteral("cmdCopyContexts"));
    cmdExportContexts_->setObjectName(QStringLiteral("cmdExportContexts"));
    view_->setObjectName(QStringLiteral("tblContexts"));
    view_->setModel(&model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setTextElideMode(Qt::ElideNone);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    const int character = view_->fontMetrics().averageCharWidth();
    view_->horizontalHeader()->resizeSection(kLine, 8 * character + 12);
    view_->horizontalHeader()->resizeSection(kLeft, 42 * character);
    view_->horizontalHeader()->resizeSection(kWord, 14 * character);
    view_->horizontalHeader()->setStretchLastSection(true);
    lblContextsStatus_->setObjectName(QStringLiteral("lblContextsStatus"));
    pause_->setSingleShot(true);
    pause_->setInterval(kPauseMs);

    auto* copy = new QAction(QStringLiteral("Copy"), view_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    view_->addAction(copy);
    const auto copyText = [this] { QGuiApplication::clipboard()->setText(SelectedText()); };
    connect(copy, &QAction::triggered, this, copyText);
    connect(cmdCopyContexts_, &QPushButton::clicked, this, copyText);
    connect(cmdExportContexts_, &QPushButton::clicked, this, &ContextsPanel::ExportRequested);
    connect(cmdFindContexts_, &QPushButton::clicked, this, &ContextsPanel::FindOrStop);
    connect(txbContextWord_, &QLineEdit::returnPressed, this, &ContextsPanel::Start);
    connect(pause_, &QTimer::timeout, this, &ContextsPanel::Start);
    connect(spnContextWidth_, &QSpinBox::valueChanged, this, [this] {
        if (!model_.Contexts().empty() || searching_) pause_->start();
    });
    connect(cboContextOrder_, &QComboBox::currentIndexChanged, this, &ContextsPanel::ApplyOrder);

    auto* controls = new QHBoxLayout;
    controls->setContentsMargins(0, 0, 0, 0);
    controls->addWidget(txbContextWord_, 1);
    controls->addWidget(cmdFindContexts_);
    controls->addWidget(spnContextWidth_);
    controls->addWidget(cboContextOrder_);
    controls->addWidget(cmdCopyContexts_);
    controls->addWidget(cmdExportContexts_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(controls);
    layout->addWidget(view_, 1);
    layout->addWidget(lblContextsStatus_);
}

void ContextsPanel::Choose(const QString& word) {
    txbContextWord_->setText(word);
    pause_->start();
}

void ContextsPanel::FindOrStop() {
    if (searching_) {
        restart_ = false;
        emit StopRequested();
        return;
    }
    Start();
}

void ContextsPanel::Start() {
    pause_->stop();
    if (txbContextWord_->text().trimmed().isEmpty()) return;
    if (searching_) {
        // The search that runs ends first; this one follows.
        restart_ = true;
        emit StopRequested();
        return;
    }
    searching_ = true;
    model_.Clear();
    cmdFindContexts_->setText(QStringLiteral("Sto&p"));
    lblContextsStatus_->setText(QStringLiteral("Reading the text again ..."));
    emit FindRequested(txbContextWord_->text().trimmed(), spnContextWidth_->value());
}

void ContextsPanel::Found(std::vector<WordContext> found) {
    model_.Append(std::move(found));
    lblContextsStatus_->setText(QStringLiteral("%1 so far ...").arg(model_.rowCount()));
}

void ContextsPanel::Ended(const QString& status) {
    searching_ = false;
    cmdFindContexts_->setText(QStringLiteral("Co&ntexts"));
    lblContextsStatus_->setText(status);
    ApplyOrder();
    if (restart_) {
        restart_ = false;
        QTimer::singleShot(0, this, &ContextsPanel::Start);
    }
}

void ContextsPanel::Clear() {
    pause_->stop();
    model_.Clear();
    lblContextsStatus_->clear();
}

void ContextsPanel::ApplyOrder() {
    // While a search runs its contexts come in text order; they are arranged
    // once it has ended.
    if (searching_) return;
    model_.Arrange(static_cast<ContextOrder>(cboContextOrder_->currentIndex()));
}

QString ContextsPanel::SelectedText() const {
    std::set<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes()) rows.insert(index.row());
    const std::vector<WordContext>& all = model_.Contexts();
    if (rows.empty()) return QStringFromUtf8(ContextsText(all));
    std::vector<WordContext> selected;
    for (const int row : rows) selected.push_back(all[static_cast<size_t>(row)]);
    return QStringFromUtf8(ContextsText(selected));
}

}  // namespace lexicount
