#pragma once

// Controls are found by their object names (the names the program's design
// gives them), in the program and in the tests.

#include <QPushButton>
#include <QString>

namespace lexicount {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

inline QPushButton* Button(const char* name, const char* caption) {
    return Named(new QPushButton(QString::fromUtf8(caption)), name);
}

}  // namespace lexicount
