// The M5-60 map window as its user meets it: opened from the pop-up menu beside the main
// window, its map dragged about under a caption that stays put, and back at the map's top-left
// corner whenever it is shown again. The menu bar and the tool bar open the web page instead.
#include <QAction>
#include <QDesktopServices>
#include <QImage>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>

#include "gui_fixture.h"
#include "opened_urls.h"
#include "ui/map_window.h"

namespace varnholt {
namespace {

class MapWindowTest : public testing::GuiTest {
protected:
    QWidget* map() { return &program->mapWindow(); }
    template <typename T = QWidget>
    T* inMap(const char* name) {
        return map()->findChild<T*>(QString::fromLatin1(name));
    }
    QWidget* picture() { return inMap("imgmap"); }
    void trigger(const char* action) {
        program->mainWindow().findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    void openMap() {
        trigger("ViewM560Map1");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(map()));
    }
    // The pointer as the window system reports it, at places in the window's client area (where
    // the map lies at (0, 0) when shown): a press goes to the control under it, which then
    // holds the pointer until the button is released.
    void press(QPoint inWindow, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(map()->windowHandle(), button, {}, inWindow);
    }
    void pointerTo(QPoint inWindow) { QTest::mouseMove(map()->windowHandle(), inWindow); }
    void release(QPoint inWindow, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(map()->windowHandle(), button, {}, inWindow);
    }
    // A drag in steps of at most 40 px, as a hand moves.
    void drag(QPoint from, QPoint to) {
        press(from);
        const QPoint way = to - from;
        const int steps = std::max(1, std::max(std::abs(way.x()), std::abs(way.y())) / 40);
        for (int i = 1; i <= steps; ++i) pointerTo(from + way * i / steps);
        release(to);
    }
    QSize outer() { return map()->frameGeometry().size(); }

    testing::OpenedUrls pages{{"http", "https"}};
};

TEST_F(MapWindowTest, ThePopUpMenuShowsTheMapBesideTheMainWindow) {
    EXPECT_FALSE(map()->isVisible());  // made at start-up, hidden
    EXPECT_TRUE(pages.urls.isEmpty());
    openMap();
    EXPECT_TRUE(pages.urls.isEmpty());
    EXPECT_EQ(map()->objectName(), "Tfrmmap");
    EXPECT_EQ(map()->windowTitle(), "M5-60 Map of the UK");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(program->mainWindow().isEnabled());
    EXPECT_EQ(map()->size(), QSize(521, 366));
    EXPECT_LT(map()->minimumWidth(), map()->maximumWidth());  // resizable
    EXPECT_LT(map()->minimumHeight(), map()->maximumHeight());
    EXPECT_FALSE(map()->windowIcon().isNull());
    const QPoint off = map()->geometry().center() - map()->screen()->availableGeometry().center();
    EXPECT_LE(std::abs(off.x()), 10);
    EXPECT_LE(std::abs(off.y()), 30);

    EXPECT_EQ(picture()->size(), QSize(1242, 1500));
    EXPECT_EQ(picture()->pos(), QPoint(0, 0));
    EXPECT_EQ(picture()->cursor().shape(), Qt::PointingHandCursor);
    auto* caption = inMap<QLabel>("Label1");
    EXPECT_EQ(caption->text(),
              "Rainfall depths of 5 year return period and 60 minutes duration (M5-60). The "
              "values on the contours are in millimetres of rainfall.");
    EXPECT_EQ(caption->mapTo(map(), QPoint(0, 0)), QPoint(8, 8));
    EXPECT_EQ(caption->width(), 215);
    EXPECT_TRUE(caption->wordWrap());
    EXPECT_FALSE(caption->autoFillBackground());  // the map shows through
    auto* status = inMap<QStatusBar>("StatusBar1");
    ASSERT_NE(status, nullptr);
    const QList<QLabel*> panels = status->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 1);
    EXPECT_EQ(panels[0]->text(), "Click and drag the map to view.");
    EXPECT_GE(status->mapTo(map(), QPoint(0, 0)).y() + status->height(), 366);
    expectWhole(map());
}

TEST_F(MapWindowTest, TheMenuBarAndTheToolBarOpenTheOnlineMapPage) {
    trigger("pdm560");
    QTest::mouseClick(find<QToolButton>("tbmap1"), Qt::LeftButton);
    EXPECT_EQ(pages.urls, (QList<QUrl>{QUrl("http://127.0.0.1:9/help/m560.htm"),
                                       QUrl("http://127.0.0.1:9/help/m560.htm")}));
    EXPECT_FALSE(map()->isVisible());
}

TEST_F(MapWindowTest, TheMapFollowsThePointerUnderTheCaptionAndStopsAtItsLimits) {
    openMap();
    auto* caption = inMap("Label1");
    // Up and left it follows the pointer exactly, in several steps.
    press({300, 200});
    pointerTo({280, 190});
    pointerTo({250, 170});
    EXPECT_EQ(picture()->pos(), QPoint(-50, -30));
    pointerTo({200, 150});
    release({200, 150});
    EXPECT_EQ(picture()->pos(), QPoint(-100, -50));
    EXPECT_EQ(caption->mapTo(map(), QPoint(0, 0)), QPoint(8, 8));
    const QObjectList stacking = caption->parentWidget()->children();  // bottom to top
    EXPECT_GT(stacking.indexOf(caption), stacking.indexOf(picture()));

    // Grabbed anywhere, even under the caption, it drags.
    drag({100, 30}, {130, 40});
    EXPECT_EQ(picture()->pos(), QPoint(-70, -40));

    // Far up and left, grabbed again and again, it stops 28 px above the outer bottom and
    // 10 px inside the outer right.
    for (int i = 0; i < 5; ++i) drag({500, 330}, {10, 10});
    EXPECT_EQ(picture()->y() + 1500, outer().height() - 28);
    EXPECT_EQ(picture()->x() + 1242, outer().width() - 10);

    // Far right and down it stops with 1 px of background at the top and left.
    for (int i = 0; i < 6; ++i) drag({10, 10}, {500, 330});
    EXPECT_EQ(picture()->pos(), QPoint(1, 1));
    // A move of 1 or 2 px from the top left stands.
    map()->hide();
    openMap();
    drag({200, 200}, {202, 201});
    EXPECT_EQ(picture()->pos(), QPoint(2, 1));
}

TEST_F(MapWindowTest, OnlyTheLeftButtonDrags) {
    openMap();
    press({300, 200}, Qt::RightButton);
    pointerTo({200, 100});
    release({200, 100}, Qt::RightButton);
    EXPECT_EQ(picture()->pos(), QPoint(0, 0));
}

TEST_F(MapWindowTest, ClosingHidesAndReopeningShowsTheTopLeftCornerInANormalWindow) {
    openMap();
    drag({400, 300}, {100, 100});
    EXPECT_EQ(picture()->pos(), QPoint(-300, -200));
    QWidget* before = map();
    map()->showMaximized();
    map()->close();  // the close box
    EXPECT_FALSE(map()->isVisible());
    EXPECT_EQ(inMap("imgmap"), picture());
    openMap();
    EXPECT_EQ(map(), before);
    EXPECT_EQ(picture()->pos(), QPoint(0, 0));
    EXPECT_FALSE(map()->windowState() & Qt::WindowMaximized);
}

TEST_F(MapWindowTest, ComingBackToTheMainWindowFromTheMapRecalculates) {
    enterWorkedTrench();
    openMap();
    ASSERT_TRUE(eventually([&] { return QApplication::activeWindow() == map(); }));
    // A void ratio set meanwhile, as the design options beside the main window would set it,
    // starts nothing by itself.
    program->session().design().write(Field::txtVR, "0.4");
    EXPECT_EQ(text("lblwid"), "0.32");
    ASSERT_TRUE(activate(&program->mainWindow()));
    EXPECT_TRUE(eventually([&] { return text("lblwid") == "0.24"; }));
}

// Every opening starts on the map's top-left corner: a user who has not dragged yet must see
// Great Britain there, not open sea, and the caption that stays put must not hide the land.
TEST_F(MapWindowTest, TheWindowOpensOnLandWithTheCaptionOverSea) {
    openMap();
    const QImage image = picture()->grab().toImage();
    const QRect view = inMap("mapArea")->rect();
    const QRect caption = inMap("Label1")->geometry();
    const QColor gbLand(0x8d, 0xc4, 0x7a);
    const QList<QColor> lands{gbLand, QColor(0xbc, 0xd9, 0xae), QColor(0xdc, 0xdb, 0xd0)};
    int land = 0, samples = 0;
    for (int y = view.top(); y <= view.bottom(); y += 4)
        for (int x = view.left(); x <= view.right(); x += 4, ++samples) {
            const QColor c = image.pixelColor(x, y);
            if (c == gbLand) ++land;
            if (caption.contains(x, y)) {
                EXPECT_FALSE(lands.contains(c)) << "land under the caption at " << x << "," << y;
            }
        }
    EXPECT_GT(land, samples / 50) << land << " of " << samples;
}

TEST_F(MapWindowTest, ThePictureShowsLandAndSeaAtItsFullSize) {
    openMap();
    const QImage image = picture()->grab().toImage();
    EXPECT_EQ(image.size(), QSize(1242, 1500));
    // Great Britain's green and the sea's blue, each over a good part of the picture.
    int land = 0, sea = 0, samples = 0;
    for (int y = 5; y < image.height(); y += 10)
        for (int x = 5; x < image.width(); x += 10, ++samples) {
            const QColor c = image.pixelColor(x, y);
            if (c == QColor(0x8d, 0xc4, 0x7a)) ++land;
            if (c == QColor(0xcd, 0xe3, 0xf1)) ++sea;
        }
    EXPECT_GT(land, samples / 10);
    EXPECT_GT(sea, samples / 3);
}

}  // namespace
}  // namespace varnholt
