// The self-closing pop-up: modal until its timer or a click hides it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest/QTest>

#include "gui/support/window_fixture.h"
#include "qt/twips.h"
#include "support/pop_up.h"

namespace lexicount::test {
namespace {

TEST(PopUpTest, AClickHidesTheMessageAtOnceAndTheTimerStaysQuiet) {
    PopUpWindow popUp;
    bool clicked = false;
    auto ready = WhenReady([&] {
        if (!popUp.isVisible()) return false;
        QTest::mouseClick(popUp.lblMessage(), Qt::LeftButton);
        clicked = true;
        return true;
    });
    popUp.PopUp("Settings saved.", 2400, 300, 60 * 60 * 1000, 6500, 5200);
    EXPECT_TRUE(clicked);
    EXPECT_FALSE(popUp.isVisible());
    EXPECT_FALSE(popUp.Timer1()->isActive());
}

TEST(PopUpTest, TheTimerHidesTheMessageAndTheCallerResumes) {
    PopUpWindow popUp;
    popUp.PopUp("Settings saved.", 2400, 300, 10, 6500, 5200);
    EXPECT_FALSE(popUp.isVisible());
    EXPECT_FALSE(popUp.Timer1()->isActive());
    EXPECT_EQ(popUp.lblMessage()->text(), "Settings saved.");
}

TEST(PopUpTest, TheNextMessageReusesTheWindowWithItsOwnSizeAndPlace) {
    PopUpWindow popUp;
    popUp.PopUp("first", 2400, 300, 1, 6500, 5200);
    popUp.PopUp("second", 3000, 450, 1, 1500, 1200);
    EXPECT_EQ(popUp.lblMessage()->text(), "second");
    EXPECT_EQ(popUp.size(), QSize(PixelsFromTwips(3000, &popUp), PixelsFromTwips(450, &popUp)));
    EXPECT_EQ(popUp.lblMessage()->size(), popUp.size());
    EXPECT_EQ(popUp.pos(), QPoint(PixelsFromTwips(1200, &popUp), PixelsFromTwips(1500, &popUp)));
}

TEST(PopUpTest, TwipsAreFifteenToAPixelAt96Dpi) {
    // Exact at the offscreen platform's 96 dpi; scaled elsewhere.
    QWidget widget;
    const double scale = widget.logicalDpiX() / 96.0;
    EXPECT_EQ(PixelsFromTwips(2400, &widget), static_cast<int>(std::lround(160 * scale)));
    EXPECT_EQ(TwipsFromPixels(PixelsFromTwips(1500, &widget), &widget), 1500);
}

}  // namespace
}  // namespace lexicount::test
