#include "settings/qt/secondary_windows.h"

#include <QLabel>
#include <QUrl>

#include "qt/qt_text.h"
#include "run/main_controller.h"
#include "run/qt/main_window.h"
#include "settings/help_text.h"
#include "settings/program_texts.h"
#include "settings/qt/settings_window.h"
#include "support/help_window.h"
#include "support/web_links.h"

namespace lexicount {

SecondaryWindows::SecondaryWindows(MainWindow& main, DialogPresenter& presenter)
    : main_(main), presenter_(presenter), frmParams_(new SettingsWindow(main, presenter)) {
    main.SetSettingsWindowCommand([this] { ShowSettings(); });
    main.SetHelpCommand([this] { ShowHelp(); });
    main.AddWebLinks(Links().lblCorvaticSystems(&main), Links().lblOnlineDocumentation(&main));
}

SecondaryWindows::~SecondaryWindows() {
    main_.SetSettingsWindowCommand(nullptr);
    main_.SetHelpCommand(nullptr);
    delete frmHelp_.data();
    delete frmParams_.data();
}

HelpWindow& SecondaryWindows::frmHelp() {
    if (frmHelp_.isNull()) {
        // The guide names the manual where this installation keeps it.
        const WebTarget manual =
            ResolveWebTarget(GetProgramText(kOnlineManualText), main_.Controller().ProgramFolder());
        const std::string address =
            manual.isUrl ? manual.location
                         : Utf8FromQString(QUrl::fromLocalFile(QStringFromUtf8(manual.location)).toString());
        frmHelp_ = new HelpWindow(main_, address);
    }
    return *frmHelp_;
}

WebLinks& SecondaryWindows::Links() {
    if (!links_) {
        links_ = std::make_unique<WebLinks>([this] { return main_.Controller().ProgramFolder(); }, presenter_,
                                            &main_);
    }
    return *links_;
}

void SecondaryWindows::ShowSettings() {
    frmParams_->ShowWindow();
}

void SecondaryWindows::ShowHelp() {
    frmHelp().ShowHelp();
}

}  // namespace lexicount
