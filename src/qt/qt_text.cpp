#include "qt/qt_text.h"

#include "words/cp1252.h"

namespace lexicount {

QString QStringFromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string Utf8FromQString(const QString& text) {
    return text.toStdString();
}

QString QStringFromCp1252(std::string_view cp1252) {
    return QStringFromUtf8(Utf8FromCp1252(cp1252));
}

std::string Cp1252FromQString(const QString& text) {
    return Cp1252FromUtf8(Utf8FromQString(text));
}

std::string DisplayLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out.push_back(text[i]);
            continue;
        }
        out.push_back('\n');
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

std::string CoreLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

}  // namespace lexicount
