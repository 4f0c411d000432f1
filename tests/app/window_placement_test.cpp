#include <QScreen>

#include "app/dialog_look.hpp"
#include "window_fixture.hpp"

namespace vezu {
namespace {

TEST(FramePosition, CentresWhereItFitsElseKeepsTheTitleBarOnTheScreen) {
    struct Case {
        QSize frame;
        QRect available;
        QPoint corner;
    };
    const Case cases[] = {
        // The main window with its frame on common screens.
        {{668, 638}, {0, 0, 1920, 1050}, {626, 206}},
        {{668, 638}, {0, 0, 1024, 600}, {178, 0}},
        {{668, 638}, {0, 0, 1093, 580}, {212, 0}},
        // A panel above or at the left moves the available area.
        {{668, 638}, {0, 32, 1024, 568}, {178, 32}},
        {{300, 200}, {48, 0, 976, 600}, {386, 200}},
        {{1200, 300}, {48, 0, 976, 600}, {48, 150}},
        {{1024, 600}, {0, 0, 1024, 600}, {0, 0}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(framePosition(cases[i].frame, cases[i].available), cases[i].corner) << i;
    }
}

TEST(CentreOnScreen, AWindowTallerThanTheScreenStartsAtItsTop) {
    qtApp();
    QWidget window;
    const QRect available = window.screen()->availableGeometry();
    window.setFixedSize(available.width() / 2, available.height() + 40);
    centreOnScreen(window);
    window.show();
    EXPECT_EQ(window.frameGeometry().top(), available.top());
    EXPECT_NEAR(window.frameGeometry().center().x(), available.center().x(), 2);
}

} // namespace
} // namespace vezu
