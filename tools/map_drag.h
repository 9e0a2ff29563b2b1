#pragma once

namespace varnholt {

// Positions and sizes in pixels; y grows downwards.
struct MapPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(MapPoint, MapPoint) = default;
};

struct MapSize {
    int width = 0;
    int height = 0;
};

// movecheck: the picture's place corrected so that it keeps covering the window. `window` is
// the window's outer size, frame and title bar included. The four rules apply in turn, so in
// a window larger than the picture the bottom rule wins on the vertical and the right rule on
// the horizontal.
MapPoint movecheck(MapPoint place, MapSize picture, MapSize window);

// The map viewer's grab-and-drag (Tfrmmap's imgmap): the picture follows the pointer while
// the left button, pressed on it, is held.
class MapDrag {
public:
    explicit MapDrag(MapSize picture) : picture_(picture) {}

    // FormShow: every showing starts with the map's top-left corner in view.
    void shown() { place_ = {0, 0}; }

    // imgmapMouseDown: the press point, in the picture's own coordinates, whatever the button.
    void pressed(MapPoint at) { pressedAt_ = at; }

    // imgmapMouseMove: with the left button held, moves the picture by the pointer's offset
    // from the press point, then applies movecheck. `at` is in the picture's coordinates.
    // Returns whether the picture moved.
    bool moved(MapPoint at, bool leftHeld, MapSize window);

    MapPoint place() const { return place_; }

private:
    MapSize picture_;
    MapPoint place_;
    MapPoint pressedAt_;
};

}  // namespace varnholt
