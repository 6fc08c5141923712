#pragma once

// The word table: a second view of a count's result beside the text box,
// over all listed words at once (the text box holds a limited part of a
// large list). Columns sort on a click of their header, the word column in
// the program's alphabetical order; a filter keeps the words that contain a
// text, are a word, or match a regular expression; Ctrl+C copies the
// selected rows as tab-separated text with a header.

#include <QAbstractTableModel>
#include <QWidget>

#include <vector>

#include "output/export.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace lexicount {

class WordTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit WordTableModel(QObject* parent = nullptr);

    void SetRows(ExportTable table);
    const ExportTable& Table() const { return table_; }
    // The rows shown, as indexes into Table().rows, in their shown order.
    const std::vector<int>& Shown() const { return shown_; }
    // Keeps the rows whose word the predicate accepts, in the present order.
    template <typename Accept>
    void Filter(Accept accept);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Column -1 restores the listing's order.
    void sort(int column, Qt::SortOrder order) override;

private:
    void Arrange();

    ExportTable table_;
    std::vector<int> shown_;
    std::vector<char> accepted_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

template <typename Accept>
void WordTableModel::Filter(Accept accept) {
    accepted_.assign(table_.rows.size(), 0);
    for (size_t i = 0; i < table_.rows.size(); ++i) accepted_[i] = accept(table_.rows[i].word) ? 1 : 0;
    Arrange();
}

class WordTablePanel : public QWidget {
    Q_OBJECT

public:
    explicit WordTablePanel(QWidget* parent = nullptr);

    // The rows of a finished count; the filter compares case as the count did.
    void Show(ExportTable table, bool caseSignificant);
    void Clear();
    // The selected rows as tab-separated text with a header line.
    QString SelectedText() const;

    QTableView* View() const { return view_; }
    QLineEdit* FilterBox() const { return txbFilter_; }
    QComboBox* FilterMode() const { return cboFilterMode_; }
    QLabel* StatusLine() const { return lblTableStatus_; }
    // Asks for a column for each file in the next count of several.
    QCheckBox* PerFileBox() const { return chkPerFile_; }
    WordTableModel& Model() { return model_; }

private:
    void ApplyFilter();

    WordTableModel model_;
    QLineEdit* txbFilter_;
    QComboBox* cboFilterMode_;
    QTableView* view_;
    QLabel* lblTableStatus_;
    QCheckBox* chkPerFile_;
    bool caseSignificant_ = false;
};

}  // namespace lexicount
