#include "support/web_links.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "base/dialogs.h"
#include "input/file_helpers.h"
#include "qt/dialog_presenter.h"
#include "qt/qt_text.h"
#include "settings/help_text.h"
#include "settings/program_texts.h"

namespace lexicount {

namespace {

// A link is one stop for Tab and Shift+Tab, drawn with a focus frame, and
// opened by Enter or Space. (A label's own keyboard access to its links
// takes a stop of its own and can hold Shift+Tab on the link.)
class LinkLabel : public QLabel {
public:
    explicit LinkLabel(QWidget* parent) : QLabel(parent) {
        setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Space: emit linkActivated(QStringLiteral("#")); return;
            default: QLabel::keyPressEvent(event);
        }
    }

    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!hasFocus()) return;
        QStylePainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
};

}  // namespace

WebLinks::WebLinks(FolderSource programFolder, DialogPresenter& presenter, QWidget* parent, UrlOpener opener)
    : programFolder_(std::move(programFolder)),
      presenter_(presenter),
      parent_(parent),
      opener_(std::move(opener)) {
    if (!opener_) opener_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

bool WebLinks::OpenWebPage(const std::string& strTarget) {
    const WebTarget target = ResolveWebTarget(strTarget, programFolder_());
    int code = 0;
    if (strTarget.empty()) {
        code = kLaunchFileNotFound;
    } else if (!target.isUrl && !std::filesystem::exists(PathFromUtf8(target.location))) {
        code = kLaunchFileNotFound;
    } else {
        const QUrl url = target.isUrl ? QUrl(QStringFromUtf8(target.location))
                                      : QUrl::fromLocalFile(QStringFromUtf8(target.location));
        if (opener_(url)) return true;
        // The desktop gives no reason; having no program for the type is
        // by far the likeliest.
        code = kLaunchNoAssociation;
    }
    presenter_.ShowBox(parent_,
                       MessageBox{std::string(kBrowserErrorTitle), BrowserLaunchErrorMessage(code, strTarget),
                                  Icon::Warning, Buttons::Ok, 0});
    return false;
}

bool WebLinks::OpenProgramText(int number) {
    return OpenWebPage(GetProgramText(number));
}

QLabel* WebLinks::MakeLink(const char* objectName, const QString& caption, int number, QWidget* parent) {
    auto* label = new LinkLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(caption.toHtmlEscaped()));
    label->setTextFormat(Qt::RichText);
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &QLabel::linkActivated, label, [this, number] { OpenProgramText(number); });
    return label;
}

QLabel* WebLinks::lblCorvaticSystems(QWidget* parent) {
    return MakeLink("lblCorvaticSystems", QStringLiteral("Lexicount home page"), kHomePageText, parent);
}

QLabel* WebLinks::lblOnlineDocumentation(QWidget* parent) {
    return MakeLink("lblOnlineDocumentation", QStringLiteral("Online user manual"), kOnlineManualText,
                    parent);
}

}  // namespace lexicount
