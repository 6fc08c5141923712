#pragma once

// Text crossing between the core and Qt. The core keeps word text as
// Windows-1252 bytes and messages as UTF-8; Qt wants QString. The result
// box shows CR LF line ends as Qt's single line breaks.

#include <QString>
#include <string>
#include <string_view>

namespace lexicount {

QString QStringFromUtf8(std::string_view utf8);
std::string Utf8FromQString(const QString& text);

QString QStringFromCp1252(std::string_view cp1252);
// A character without a Windows-1252 code becomes "?".
std::string Cp1252FromQString(const QString& text);

// CR LF and lone CR become LF, as a plain-text widget holds line breaks.
std::string DisplayLineBreaks(std::string_view text);
// LF becomes CR LF: the widget's text as the core counts its length.
std::string CoreLineBreaks(std::string_view text);

}  // namespace lexicount
