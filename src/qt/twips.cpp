#include "qt/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace lexicount {

namespace {

constexpr double kTwipsPerPixelAt96Dpi = 15.0;

double DpiScale(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr || screen->logicalDotsPerInch() <= 0) return 1.0;
    return screen->logicalDotsPerInch() / 96.0;
}

}  // namespace

int PixelsFromTwips(int twips, const QWidget* onScreenOf) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixelAt96Dpi * DpiScale(onScreenOf)));
}

int TwipsFromPixels(int pixels, const QWidget* onScreenOf) {
    return static_cast<int>(std::lround(pixels * kTwipsPerPixelAt96Dpi / DpiScale(onScreenOf)));
}

}  // namespace lexicount
