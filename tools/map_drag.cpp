#include "map_drag.h"

namespace varnholt {

MapPoint movecheck(MapPoint place, MapSize picture, MapSize window) {
    if (place.y > 2) place.y = 1;
    if (place.x > 2) place.x = 1;
    if (place.y + picture.height < window.height) place.y = window.height - picture.height - 28;
    if (place.x + picture.width < window.width) place.x = window.width - picture.width - 10;
    return place;
}

bool MapDrag::moved(MapPoint at, bool leftHeld, MapSize window) {
    if (!leftHeld) return false;
    const MapPoint before = place_;
    place_.x += at.x - pressedAt_.x;
    place_.y += at.y - pressedAt_.y;
    place_ = movecheck(place_, picture_, window);
    return place_ != before;
}

}  // namespace varnholt
