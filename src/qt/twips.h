#pragma once

// Window sizes and positions are given in twips: 15 twips a pixel at 96 dpi,
// scaled with the screen's logical resolution.

class QWidget;

namespace lexicount {

int PixelsFromTwips(int twips, const QWidget* onScreenOf = nullptr);
int TwipsFromPixels(int pixels, const QWidget* onScreenOf = nullptr);

}  // namespace lexicount
