#include "run/qt/charts_window.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

#include "output/chart_data.h"
#include "qt/qt_text.h"

namespace lexicount {
namespace {

QChartView* NewChartView(const char* name) {
    auto* view = new QChartView(new QChart);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(520, 360);
    return view;
}

QLogValueAxis* LogAxis(const QString& title) {
    auto* axis = new QLogValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setBase(10);
    axis->setMinorTickCount(-1);
    return axis;
}

// The view shows the new chart; the old one goes with its series and axes.
void ReplaceChart(QChartView& view, QChart* chart) {
    QChart* old = view.chart();
    view.setChart(chart);
    delete old;
}

}  // namespace

ChartsWindow::ChartsWindow(QWidget* parent, std::function<std::optional<std::string>()> chooseFile)
    : QDialog(parent),
      chooseFile_(std::move(chooseFile)),
      tabs_(new QTabWidget),
      barView_(NewChartView("chtTopWords")),
      zipfView_(NewChartView("chtZipf")),
      spnTopWords_(new QSpinBox),
      lblChartStatus_(new QLabel) {
    setObjectName(QStringLiteral("frmCharts"));
    setWindowTitle(QStringLiteral("Charts"));
    tabs_->setObjectName(QStringLiteral("tabCharts"));
    tabs_->addTab(barView_, QStringLiteral("Most frequent words"));
    tabs_->addTab(zipfView_, QStringLiteral("Rank and frequency"));
    spnTopWords_->setObjectName(QStringLiteral("spnTopWords"));
    spnTopWords_->setRange(1, 100);
    spnTopWords_->setValue(20);
    auto* save = new QPushButton(QStringLiteral("&Save chart..."));
    save->setObjectName(QStringLiteral("cmdSaveChart"));
    auto* close = new QPushButton(QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("cmdCloseCharts"));

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Words in the bar chart:")));
    row->addWidget(spnTopWords_);
    row->addStretch(1);
    row->addWidget(save);
    row->addWidget(close);
    lblChartStatus_->setObjectName(QStringLiteral("lblChartStatus"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(row);
    layout->addWidget(lblChartStatus_);

    connect(spnTopWords_, &QSpinBox::valueChanged, this, &ChartsWindow::DrawBars);
    connect(save, &QPushButton::clicked, this, &ChartsWindow::Save);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void ChartsWindow::Show(ExportTable table) {
    table_ = std::move(table);
    DrawBars();
    DrawZipf();
    show();
    raise();
}

void ChartsWindow::DrawBars() {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("The most frequent words"));
    chart->legend()->hide();
    auto* set = new QBarSet(QStringLiteral("Frequency"));
    QStringList words;
    double highest = 1;
    for (const Bar& bar : MostFrequentWords(table_, spnTopWords_->value())) {
        *set << static_cast<double>(bar.frequency);
        words << QStringFromUtf8(bar.word);
        highest = std::max(highest, static_cast<double>(bar.frequency));
    }
    auto* series = new QBarSeries;
    series->append(set);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(words);
    categories->setLabelsAngle(-60);
    categories->setTruncateLabels(false);  // a word cut to "..." tells nothing
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    values->setLabelFormat(QStringLiteral("%g"));
    values->setRange(0, highest);
    values->applyNiceNumbers();
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    ReplaceChart(*barView_, chart);
}

void ChartsWindow::DrawZipf() {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Rank and frequency (log-log)"));
    chart->legend()->hide();
    auto* series = new QLineSeries;
    series->setName(QStringLiteral("Frequency by rank"));
    for (const auto& [rank, frequency] : RankFrequencyPoints(table_)) series->append(rank, frequency);
    chart->addSeries(series);
    QLogValueAxis* ranks = LogAxis(QStringLiteral("Rank"));
    chart->addAxis(ranks, Qt::AlignBottom);
    series->attachAxis(ranks);
    QLogValueAxis* frequencies = LogAxis(QStringLiteral("Frequency"));
    chart->addAxis(frequencies, Qt::AlignLeft);
    series->attachAxis(frequencies);
    ReplaceChart(*zipfView_, chart);
}

void ChartsWindow::Save() {
    const std::optional<std::string> path = chooseFile_ ? chooseFile_() : std::nullopt;
    if (!path || path->empty()) return;
    const QString file = QStringFromUtf8(*path);
    lblChartStatus_->setText(SaveCurrentChart(*path) ? QStringLiteral("Saved ") + file
                                                     : QStringLiteral("Could not save ") + file);
}

bool ChartsWindow::SaveCurrentChart(const std::string& path) {
    auto* view = static_cast<QChartView*>(tabs_->currentWidget());
    const QString file = QStringFromUtf8(path);
    if (!file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) return view->grab().save(file, "PNG");
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(view->size());
    svg.setViewBox(view->rect());
    svg.setTitle(view->chart()->title());
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    view->render(&painter);
    return painter.end();
}

}  // namespace lexicount
