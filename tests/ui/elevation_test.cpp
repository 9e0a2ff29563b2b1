// Drags in the elevation with real mouse events: the field texts follow the pointer on every
// move, the design is re-sized at once, and the limits of each drag hold.
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>

#include <QMenuBar>

#include "gui_fixture.h"
#include "ui/drawing_area.h"

namespace varnholt {
namespace {

class ElevationTest : public testing::GuiTest {
protected:
    DrawingArea* area() { return find<DrawingArea>("drawingarea"); }
    const TrenchElevation::Shapes& trench() { return record_design().trenchElevation().shapes(); }
    const RingElevation::Shapes& ring() { return record_design().ringElevation().shapes(); }
    Design& record_design() { return program->session().design(); }
    QPoint centre(const Rect& r) {
        return area()->toLocal({r.left + r.width / 2, r.top + r.height / 2});
    }

    // Presses the left button on `start`, moves by the offsets in turn, checking after each,
    // then releases.
    void drag(QPoint start, const std::vector<QPoint>& moves,
              const std::function<void(int)>& afterEach = {}) {
        QTest::mousePress(area(), Qt::LeftButton, {}, start);
        QPoint at = start;
        for (std::size_t i = 0; i < moves.size(); ++i) {
            at += moves[i];
            QTest::mouseMove(area(), at);
            if (afterEach) afterEach(static_cast<int>(i));
        }
        QTest::mouseRelease(area(), Qt::LeftButton, {}, at);
    }
    // Whether the pointer at a point of the drawing meets the drawing area, not another pane or
    // nothing at all.
    bool inSight(QPoint local) {
        QMainWindow& w = program->mainWindow();
        return w.childAt(area()->mapTo(&w, local)) == area();
    }
    // Scrolls a point of the drawing into sight with the scroll bars, as the user would.
    QPoint reach(Point client) {
        const QPoint local = area()->toLocal(client);
        QApplication::processEvents();  // the pane has taken in the drawing's new size
        find<QScrollArea>("drawingscroll")->ensureVisible(local.x(), local.y(), 10, 10);
        QApplication::processEvents();
        EXPECT_TRUE(inSight(local)) << "out of reach at " << client.x << ", " << client.y;
        return local;
    }
    void enterTrench() {
        type("txtarea", "100");
        type("txtrain", "0.02");
        type("txtsinf", "0.00001");
        type("txtdepth", "1");
        type("lblwid", "1");
        type("txtlength", "10");
        ASSERT_EQ(text("lblwid"), "0.54");
        ASSERT_TRUE(trench().visible);
    }
};

TEST_F(ElevationTest, DraggingTheDepthHandleWritesTheDepthAndResizesTheTrench) {
    enterTrench();
    const Rect face = trench().face;
    ASSERT_EQ(face.height, 100);
    std::vector<std::string> depths;
    drag(centre(trench().depthGrip), {{0, -10}, {0, -10}, {0, 5}},
         [&](int) { depths.push_back(text("txtdepth")); });
    EXPECT_EQ(depths, (std::vector<std::string>{"1.1", "1.2", "1.15"}));
    EXPECT_EQ(trench().face.height, 115);
    EXPECT_EQ(trench().face.bottom(), face.bottom());  // the bottom edge stayed
    EXPECT_EQ(record().text(Field::txtlength), text("txtlength"));
    EXPECT_NE(text("txtlength"), "10.00");  // the length was solved again for each depth
    EXPECT_EQ(record_design().scene().node(SceneNodeId::GLTrench).extent[1], 1.15f);

    // Past the bottom the face keeps its 15-pixel minimum with its top at the pointer.
    drag(centre(trench().depthGrip), {{0, 200}});
    EXPECT_EQ(text("txtdepth"), "0.15");
    EXPECT_EQ(trench().face.height, 15);
}

TEST_F(ElevationTest, DraggingTheWidthHandleWritesTheWidthAndStopsTheHandlesOverlapping) {
    enterTrench();
    const int left = trench().face.left;
    // A sizing pass puts the handle at L + W - 8 and a drag step at L + W - 9, so the second
    // move finds the pointer one pixel further into the handle than it was pressed.
    drag(centre(trench().widthGrip), {{10, 0}, {10, 0}});
    EXPECT_EQ(text("lblwid"), "0.75");
    EXPECT_EQ(trench().face.left, left);
    EXPECT_EQ(trench().face.width, 75);
    EXPECT_EQ(trench().widthGrip.left, left + 75 - 9);

    drag(centre(trench().widthGrip), {{-50, 0}});  // a face of 25 pixels
    EXPECT_EQ(text("lblwid"), "0.25");
    EXPECT_EQ(trench().widthGrip.left, toPixel(left + 12.5 + 7));
}

TEST_F(ElevationTest, TheFaceMovesWithTheBodyButNotPastTheSplitterOrThePages) {
    enterTrench();
    const std::string width = text("lblwid");
    drag(centre(trench().face), {{-400, -400}});
    const ElevationCanvas& canvas = record_design().canvas();
    EXPECT_EQ(trench().face.left, canvas.splitterRight + 2);
    EXPECT_EQ(trench().face.top, canvas.pcmainBottom + 2);
    EXPECT_EQ(text("lblwid"), width);  // moving changes no dimension
    EXPECT_EQ(canvas.splitterRight, area()->clientOrigin().x());
    // The zoom bar lies lower than the input pages: the face stays below it, in reach.
    auto* zoom = find("zoompanel");
    QMainWindow& w = program->mainWindow();
    const int zoomBottom = zoom->mapTo(&w, QPoint(0, zoom->height())).y() - w.menuBar()->height();
    EXPECT_EQ(canvas.pcmainBottom, zoomBottom);
}

TEST_F(ElevationTest, TheRingGripSizesAnyDiameterDownToTheSmallestRing) {
    type("txtarea", "100");
    type("txtrain", "0.015");
    type("txtsinf", "0.00001");
    find<QTabWidget>("pcdetail")->setCurrentIndex(1);
    ASSERT_TRUE(ring().visible);
    ASSERT_EQ(ring().ringtop.width, 90);

    drag(centre(ring().ringgrip), {{33, 0}});
    EXPECT_EQ(text("rvdia"), "1230");
    EXPECT_EQ(ring().ringtop.width, 123);
    EXPECT_EQ(ring().ringbottom.top - ring().ringtop.top,
              toPixel(std::stod(text("rvdepth")) * 100));  // the bottom follows on release

    drag(centre(ring().ringgrip), {{-100, 0}});
    EXPECT_EQ(ring().ringtop.width, 90);
    EXPECT_EQ(text("rvdia"), "1230");  // below 91 pixels nothing is sized
}

// A drawing larger than its pane scrolls: every shape a drag starts on can be brought into
// sight and dragged there.
TEST_F(ElevationTest, EveryHandleOfADrawingLargerThanThePaneCanBeReachedAndDragged) {
    struct Case {
        const char* what;
        std::function<void()> enter;
        std::function<Rect()> farthest;  // the shape that runs off the pane
        std::function<Rect()> handle;
        QPoint move;
        const char* field;
    };
    auto enterRing = [&](const char* area) {
        clearAndType("txtarea", area);
        clearAndType("txtrain", "0.015");
        clearAndType("txtsinf", "0.00001");
        find<QTabWidget>("pcdetail")->setCurrentIndex(1);
        ASSERT_TRUE(ring().visible);
    };
    const Case cases[] = {
        {"a trench 6 m wide and 4 m deep",
         [&] {
             enterTrench();
             clearAndType("txtdepth", "4");
             clearAndType("lblwid", "6");
         },
         [&] { return trench().face; },
         [&] { return trench().widthGrip; },
         {20, 0},
         "lblwid"},
        {"a ring 3.9 m deep",
         [&] { enterRing("180"); },
         [&] { return ring().ringbottom; },
         [&] { return ring().ringgrip; },
         {33, 0},
         "rvdia"},
        {"the widest ring",
         [&] {
             enterRing("100");
             auto* table = find<QTableWidget>("PCring");
             QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                               table->visualRect(table->model()->index(8, 0)).center());
             ASSERT_EQ(text("rvdia"), "2700");
         },
         [&] { return ring().ringgrip; },
         [&] { return ring().ringgrip; },
         {-30, 0},
         "rvdia"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.enter();
        const Rect far = c.farthest();
        const QPoint corner = area()->toLocal({far.right() - 1, far.bottom() - 1});
        ASSERT_FALSE(inSight(corner)) << "the drawing fits the pane: nothing to show";
        reach({far.right() - 1, far.bottom() - 1});
        const Rect handle = c.handle();
        const QPoint at = reach({handle.left + handle.width / 2, handle.top + handle.height / 2});
        const std::string before = text(c.field);
        drag(at, {c.move});
        EXPECT_NE(text(c.field), before) << "the drag did not take";
        find<QScrollArea>("drawingscroll")->ensureVisible(0, 0);
    }
}

TEST_F(ElevationTest, AResizeTracesTheOutlineAgain) {
    enterTrench();
    ASSERT_FALSE(record_design().canvas().lines.empty());
    program->mainWindow().resize(900, 650);
    EXPECT_TRUE(eventually([&] { return program->mainWindow().width() == 900; }));
    EXPECT_FALSE(record_design().canvas().lines.empty());
    EXPECT_EQ(record_design().canvas().lines.front().colour, colours::black);
}

}  // namespace
}  // namespace varnholt
