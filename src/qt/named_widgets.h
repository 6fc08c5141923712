#pragma once

// Controls are found by their object names (the names the program's design
// gives them), in the program and in the tests. A button's caption marks its
// access key with "&", which the user sees as an underline, not as text.

#include <QPushButton>
#include <QString>
#include <vector>

namespace lexicount {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

inline QPushButton* Button(const char* name, const char* caption) {
    return Named(new QPushButton(QString::fromUtf8(caption)), name);
}

// The caption as the user reads it: without the access-key mark.
inline QString WithoutAccessKey(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
        text += caption[i];
    }
    return text;
}

// A caption given as plain text, with its first character as the access key.
inline QString WithAccessKey(const QString& text) {
    return text.isEmpty() ? text : QStringLiteral("&") + QString(text).replace(u'&', QStringLiteral("&&"));
}

// Tab and Shift+Tab visit the widgets in this order.
inline void SetTabOrder(const std::vector<QWidget*>& order) {
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace lexicount
