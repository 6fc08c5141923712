#include "run/main_controller.h"

#include <string>

#include "base/checked_file.h"
#include "base/file_replace.h"
#include "output/export.h"
#include "output/output_file.h"
#include "run/text_count.h"

namespace lexicount {
namespace {

constexpr const char* kExportTitle = "Export";

}  // namespace

void MainController::cmdExport_Click() {
    if (Busy() || !state_.count || !state_.blnListShown) {
        ShowWarning(kExportTitle, "There is no list to export yet: count the words first.");
        return;
    }
    const std::optional<std::string> chosen = view_.ChooseExportFile();
    if (!chosen || chosen->empty()) return;
    // A name without a known extension is exported as CSV.
    const std::string path = ExportFormatOf(*chosen) ? *chosen : *chosen + ".csv";
    if (IsInputFile(path)) {
        ShowWarning(kExportTitle, "An export file cannot be the same as the input file.");
        return;
    }
    const std::string failure = WriteExport(
        path, *ExportFormatOf(path), state_.count->ListedRows(settings_.cboWordOrder, countedFileColumns_));
    if (!failure.empty())
        ShowWarning(kExportTitle, "The words could not be exported to " + path + ": " + failure);
}

void MainController::ExportContexts(const std::vector<WordContext>& contexts) {
    const std::optional<std::string> chosen = view_.ChooseContextsFile();
    if (!chosen || chosen->empty()) return;
    if (IsInputFile(*chosen)) {
        ShowWarning(kExportTitle, "The contexts cannot be written over the input file.");
        return;
    }
    const std::error_code error = ReplaceFileContents(PathFromUtf8(*chosen), ContextsText(contexts));
    if (error)
        ShowWarning(kExportTitle, "The contexts could not be written to " + *chosen + ": " + error.message());
}

}  // namespace lexicount
