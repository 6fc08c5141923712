#pragma once

// The charts of a result: the most frequent words as a bar chart (how many
// is adjustable) and rank against frequency on log-log axes, each saved as
// PNG or SVG.

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

#include "output/export.h"

class QChartView;
class QLabel;
class QSpinBox;
class QTabWidget;

namespace lexicount {

class ChartsWindow : public QDialog {
    Q_OBJECT

public:
    // chooseFile asks where to save a chart (a save dialog); nullopt for Cancel.
    ChartsWindow(QWidget* parent, std::function<std::optional<std::string>()> chooseFile);

    void Show(ExportTable table);
    // Saves the chart on the current tab: SVG for a name ending in ".svg",
    // PNG otherwise; false when it could not be written.
    bool SaveCurrentChart(const std::string& path);

    QChartView* BarChart() const { return barView_; }
    QChartView* ZipfChart() const { return zipfView_; }
    QSpinBox* WordCount() const { return spnTopWords_; }
    QTabWidget* Tabs() const { return tabs_; }
    QLabel* StatusLine() const { return lblChartStatus_; }

private:
    void DrawBars();
    void DrawZipf();
    void Save();

    ExportTable table_;
    std::function<std::optional<std::string>()> chooseFile_;
    QTabWidget* tabs_;
    QChartView* barView_;
    QChartView* zipfView_;
    QSpinBox* spnTopWords_;
    QLabel* lblChartStatus_;
};

}  // namespace lexicount
