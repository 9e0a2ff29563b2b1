// Guards the map viewer's drag: the picture follows the pointer, and movecheck keeps it over
// the window with its odd snaps (to 1 at the top and left, to 28 and 10 px short of the outer
// bottom and right).
#include <gtest/gtest.h>

#include <ostream>

#include "tools/map_drag.h"

namespace varnholt {

std::ostream& operator<<(std::ostream& out, MapPoint p) {
    return out << '(' << p.x << ", " << p.y << ')';
}

namespace {

constexpr MapSize picture{1242, 1500};
constexpr MapSize window{537, 405};  // outer size: 521 x 366 inside, frame and title bar

// The map's place after a drag that brought it to `from`, then a second drag whose pointer
// moves `by` pixels on the screen.
MapPoint dragged(MapPoint from, MapPoint by) {
    MapDrag drag(picture);
    drag.shown();
    drag.pressed({0, 0});
    drag.moved(from, true, window);
    const MapPoint grip{600, 700};
    drag.pressed(grip);
    // Until the picture moves, the pointer's place in it is the grip plus its own move.
    drag.moved({grip.x + by.x, grip.y + by.y}, true, window);
    return drag.place();
}

TEST(MapDrag, MovecheckSnapsEachEdgeAsItsRuleSays) {
    struct Case {
        MapPoint place, expected;
    };
    const int top = window.height - picture.height;  // bottom edge at the outer bottom
    const int left = window.width - picture.width;   // right edge at the outer right
    for (const Case& c : {
             Case{{0, 0}, {0, 0}},
             Case{{1, 2}, {1, 2}},  // a gap of 1 or 2 px at the top left stands
             Case{{3, 0}, {1, 0}},  // more than 2 snaps to 1
             Case{{0, 3}, {0, 1}},
             Case{{400, 250}, {1, 1}},
             Case{{-300, -700}, {-300, -700}},
             Case{{left, top}, {left, top}},  // edges exactly on the window's still stand
             Case{{left - 1, 0}, {left - 10, 0}},
             Case{{0, top - 1}, {0, top - 28}},
             Case{{-5000, -5000}, {left - 10, top - 28}},
         }) {
        EXPECT_EQ(movecheck(c.place, picture, window), c.expected) << "from " << c.place;
    }
}

TEST(MapDrag, InAWindowLargerThanThePictureTheLastRuleOnEachAxisWins) {
    const MapSize small{100, 80}, large{300, 200};
    for (MapPoint place : {MapPoint{0, 0}, MapPoint{5, 5}, MapPoint{-50, -40}})
        EXPECT_EQ(movecheck(place, small, large), (MapPoint{190, 92})) << place;
}

TEST(MapDrag, ThePictureFollowsThePointerThenMovecheckApplies) {
    struct Case {
        MapPoint from, by, expected;
    };
    for (const Case& c : {
             Case{{0, 0}, {1, 2}, {1, 2}},  // moves of 1 or 2 px right or down stand
             Case{{0, 0}, {3, 0}, {1, 0}},  // more snap back to 1
             Case{{0, 0}, {0, 40}, {0, 1}},
             Case{{0, 0}, {-30, -20}, {-30, -20}},  // up and left it follows exactly
             Case{{-300, -400}, {25, -17}, {-275, -417}},
             Case{{-300, -400}, {500, 500}, {1, 1}},
             Case{{0, 0}, {-3000, 0}, {window.width - picture.width - 10, 0}},
             Case{{0, 0}, {0, -3000}, {0, window.height - picture.height - 28}},
         }) {
        EXPECT_EQ(dragged(c.from, c.by), c.expected) << "from " << c.from << " by " << c.by;
    }
}

TEST(MapDrag, SuccessiveMovesKeepTheGrippedPointUnderThePointer) {
    MapDrag drag(picture);
    drag.shown();
    drag.pressed({300, 200});
    MapPoint screen{300, 200};  // the pointer, in the window: the picture lies at (0, 0)
    for (MapPoint step : {MapPoint{-10, -5}, MapPoint{-40, 0}, MapPoint{0, -33}, MapPoint{7, 2}}) {
        screen.x += step.x;
        screen.y += step.y;
        const MapPoint at{screen.x - drag.place().x, screen.y - drag.place().y};
        EXPECT_TRUE(drag.moved(at, true, window));
        EXPECT_EQ(drag.place(), (MapPoint{screen.x - 300, screen.y - 200}));
    }
    // Unmoved pointer: nothing moves.
    const MapPoint at{screen.x - drag.place().x, screen.y - drag.place().y};
    EXPECT_FALSE(drag.moved(at, true, window));
}

TEST(MapDrag, OnlyTheLeftButtonDragsAndEveryShowingStartsAtTheTopLeft) {
    MapDrag drag(picture);
    drag.shown();
    drag.pressed({100, 100});
    EXPECT_FALSE(drag.moved({50, 60}, false, window));  // another button, or none
    EXPECT_EQ(drag.place(), (MapPoint{0, 0}));
    EXPECT_TRUE(drag.moved({50, 60}, true, window));
    EXPECT_EQ(drag.place(), (MapPoint{-50, -40}));
    drag.shown();
    EXPECT_EQ(drag.place(), (MapPoint{0, 0}));
}

}  // namespace
}  // namespace varnholt
