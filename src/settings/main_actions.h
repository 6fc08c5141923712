#pragma once

// What the settings window's logic asks of the main window's: the main
// controller implements it, so the settings layer never depends on the run.

#include <filesystem>
#include <string>

#include "base/run_state.h"
#include "base/settings_record.h"

namespace lexicount {

class MainActions {
public:
    virtual ~MainActions() = default;

    virtual SettingsRecord& Settings() = 0;
    virtual RunState& State() = 0;
    virtual const std::filesystem::path& ProgramFolder() const = 0;
    // Resets the run-time values and the settings part.
    virtual void InitializeVariables() = 0;
    // The settings part alone.
    virtual void Initialize() = 0;
    // Selects the default item of the five lists.
    virtual void FillComboBoxes() = 0;
    // Reads strCommonWordsFile (after the user chose a file or language).
    virtual void AttemptToReadCommonWords() = 0;
    virtual void ConcealNumWords(bool blnConcealTime) = 0;
    // A setting that affects counting changed: the table may not be relisted.
    virtual void WordRulesChanged() = 0;
    // The words-to-ignore box was normalised into strWordsToIgnore.
    virtual void SetWordsToIgnore(std::string framed) = 0;
};

}  // namespace lexicount
