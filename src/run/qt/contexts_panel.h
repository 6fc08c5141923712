#pragma once

// The contexts of a word: each of its places in the counted text, with the
// text to the left and right, aligned on the word. Choosing a word in the
// word table (or typing one) asks for its contexts; they come in while the
// text is read again, and the search can be stopped.

#include <QAbstractTableModel>
#include <QWidget>

#include <vector>

#include "run/word_contexts.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class QTimer;

namespace lexicount {

class ContextsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ContextsModel(QObject* parent = nullptr);

    void Clear();
    void Append(std::vector<WordContext> found);
    void Arrange(ContextOrder order);
    const std::vector<WordContext>& Contexts() const { return contexts_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<WordContext> contexts_;
};

class ContextsPanel : public QWidget {
    Q_OBJECT

public:
    explicit ContextsPanel(QWidget* parent = nullptr);

    // A word chosen elsewhere (the word table): searched for after a short
    // pause, so that moving through the table does not read the text for
    // every word passed.
    void Choose(const QString& word);
    void Found(std::vector<WordContext> found);
    void Ended(const QString& status);
    // Forgets the contexts shown (a new count).
    void Clear();
    // The selected contexts, or all when none is selected, as tab-separated
    // text with a header line.
    QString SelectedText() const;
    const ContextsModel& Model() const { return model_; }
    bool Searching() const { return searching_; }

    QLineEdit* WordBox() const { return txbContextWord_; }
    QSpinBox* WidthBox() const { return spnContextWidth_; }
    QComboBox* OrderBox() const { return cboContextOrder_; }
    QPushButton* FindButton() const { return cmdFindContexts_; }
    QPushButton* CopyButton() const { return cmdCopyContexts_; }
    QPushButton* ExportButton() const { return cmdExportContexts_; }
    QTableView* View() const { return view_; }
    QLabel* StatusLine() const { return lblContextsStatus_; }

signals:
    void FindRequested(const QString& word, int width);
    void StopRequested();
    void ExportRequested();

private:
    void FindOrStop();
    void Start();
    void ApplyOrder();

    ContextsModel model_;
    QLineEdit* txbContextWord_;
    QSpinBox* spnContextWidth_;
    QComboBox* cboContextOrder_;
    QPushButton* cmdFindContexts_;
    QPushButton* cmdCopyContexts_;
    QPushButton* cmdExportContexts_;
    QTableView* view_;
    QLabel* lblContextsStatus_;
    QTimer* pause_;
    bool searching_ = false;
    // A search asked for while one runs: started once that one has ended.
    bool restart_ = false;
};

}  // namespace lexicount
