#include "ring_elevation.h"

#include <algorithm>
#include <array>

namespace varnholt {

namespace {
using N = SceneNodeId;
}  // namespace

void RingElevation::showring() {
    tell("showring");
    shapes_.visible = true;
    shapes_.innerVisible = true;
    mirrorring();
    canvas_.repaint();
    scene_.node(N::GLDummyTrench).visible = false;
    scene_.node(N::GLDummyRing).visible = true;
}

void RingElevation::hidering() {
    tell("hidering");
    shapes_.visible = false;
    shapes_.innerVisible = false;
    scene_.node(N::GLDummyRing).visible = false;
}

void RingElevation::ringboxtoviz() {
    tell("ringboxtoviz");
    Rect& top = shapes_.ringtop;
    Rect& bottom = shapes_.ringbottom;
    top.width = std::max(kMinimumWidth, toPixel(record_.number(Field::rvdia) / 10));
    bottom.width = top.width;
    bottom.top = top.top + toPixel(record_.number(Field::rvdepth) * 100);
    bottom.left = top.left;
    bottom.height = top.height;
    shapes_.ringgrip.left = top.left + top.width - 8;
    shapes_.ringgrip.top = top.top + toPixel(top.height / 2.0) - 4;
    diametermove();
    depthmove();
    mirrorring();
    drawringbase();
    ringlines();
}

// Puts the bottom at the depth of the ring on show and the wall's inner ellipses inside both
// ends, and sizes the 3D ring. A failing ring has no depth to show: the drawing stays.
void RingElevation::mirrorring() {
    tell("mirrorring");
    if (record_.text(Field::rvdepth) == "Fail") return;
    const Rect& top = shapes_.ringtop;
    Rect& bottom = shapes_.ringbottom;
    bottom.top = top.top + toPixel(record_.number(Field::rvdepth) * 100);
    bottom.left = top.left;
    bottom.height = top.height;
    bottom.width = top.width;
    for (auto [inner, outer] :
         {std::pair{&shapes_.shinringtop, &top}, {&shapes_.shinringbot, &shapes_.ringbottom}}) {
        inner->top = outer->top + 8;
        inner->left = outer->left + 16;
        inner->height = 25;
        inner->width = outer->width - 32;
    }
    SceneNode& ring = scene_.node(N::GLPCRing);
    ring.radius = static_cast<float>(record_.number(Field::rvdia) / 2000);
    ring.length = static_cast<float>(record_.number(Field::rvdepth));
}

void RingElevation::ringlines() {
    tell("ringlines");
    canvas_.repaint();
    const Rgb colour = record_.ringcolour;
    shapes_.colour = colour;
    const Rect& top = shapes_.ringtop;
    const Rect& bottom = shapes_.ringbottom;
    trace({top.left, middle(top)}, {bottom.left, middle(bottom)}, colour);
    trace({top.right(), middle(top)}, {bottom.right(), middle(bottom)}, colour);
    drawringbase();
    const Rect& innerTop = shapes_.shinringtop;
    const Rect& innerBottom = shapes_.shinringbot;
    trace({innerTop.left, middle(innerTop)}, {innerBottom.left, middle(innerBottom)}, colour);
    trace({innerTop.right(), middle(innerTop)},
          {innerBottom.left + innerTop.width, middle(innerBottom)}, colour);
    if (record_.text(Field::txtoverflow) != "0") {
        scene_.node(N::GLTrenchOutflow).visible = true;
        scene_.node(N::GLRingOutflow).visible = true;
    }
    if (record_.appliedRingSurround) traceSurround();
}

// The square pit of fill around the rings, seen at an angle: a parallelogram at each end whose
// back edge is about 25 pixels right of the ellipse and its front edge 25 pixels left.
void RingElevation::traceSurround() {
    const int l = toPixel(record_.appliedRingMargin * 100);
    auto corners = [l](const Rect& e) {
        return std::array<Point, 4>{Point{e.left + 23, e.top - l},
                                    Point{e.left + e.width + 25 + 2 * l, e.top - l},
                                    Point{e.left + e.width - 25, e.top + e.height + l},
                                    Point{e.left - 27 - 2 * l, e.top + e.height + l}};
    };
    const auto top = corners(shapes_.ringtop);
    const auto bottom = corners(shapes_.ringbottom);
    for (const auto& c : {top, bottom})
        for (std::size_t i = 0; i < 4; ++i) trace(c[i], c[(i + 1) % 4], colours::teal);
    for (std::size_t i = 0; i < 4; ++i) trace(top[i], bottom[i], colours::teal);
}

void RingElevation::drawringbase() {
    tell("drawringbase");
    if (!record_.windowShown) return;
    shapes_.bottomOutline = record_.ringcolour;
    shapes_.hatchedBase = record_.checked(Check::chkringbase);
}

void RingElevation::diametermove() {
    tell("diametermove");
    scene_.caption(SceneCaptionId::GLtxtdiameter) =
        "Diameter = " + generalText(shapes_.ringtop.width / 100.0) + "m";
}

// The outflow leaves the left side just below the top, the inflow enters the right side at
// the top, both touching the ring wall.
void RingElevation::depthmove() {
    tell("depthmove");
    scene_.caption(SceneCaptionId::GLtxtringdepth) =
        "Depth = " + record_.text(Field::rvdepth) + "m";
    const SceneNode& ring = scene_.node(N::GLPCRing);
    const float x = ring.position[0], y = ring.position[1], h = ring.length, r = ring.radius;
    SceneNode& outflow = scene_.node(N::GLRingOutflow);
    SceneNode& inflow = scene_.node(N::GLRingInflow);
    outflow.position[1] = y + h - h / 2 - 2 * outflow.radius;
    outflow.position[0] = x - r - outflow.length / 2;
    inflow.position[1] = y + h - h / 2 - outflow.radius;
    inflow.position[0] = x + r + inflow.length / 2;
}

void RingElevation::ringoutbounds() {
    Rect& top = shapes_.ringtop;
    if (top.left < canvas_.splitterRight) top.left = canvas_.splitterRight + 2;
    if (top.top < canvas_.pcmainBottom) top.top = canvas_.pcmainBottom + 2;
    shapes_.ringgrip.left = top.left + top.width - 9;
    shapes_.ringgrip.top = toPixel(top.top + top.height / 2.0 - 4);
}

void RingElevation::ringviztoboxdia() {
    const int width = shapes_.ringtop.width;
    record_.write(Field::rvdia, std::to_string(width * 10));
    record_.ring.radius = width * 10 / 2.0 / 1000;
    if (ringcalcvariable_) ringcalcvariable_();
}

void RingElevation::topMoved(Point at, bool leftHeld) {
    shapes_.hint = "Failure depth = " + record_.text(Field::txtringfail) +
                   " metres , Factor of Safety = " + record_.text(Field::txtFOS) +
                   ", Margin = " + generalText(record_.appliedRingMargin) + " metres";
    if (!leftHeld) return;
    const int dx = at.x - press_.x, dy = at.y - press_.y;
    for (Rect* r : {&shapes_.ringtop, &shapes_.ringgrip}) {
        r->left += dx;
        r->top += dy;
    }
    ringoutbounds();
    mirrorring();
    ringlines();
    diametermove();
    depthmove();
}

// The left edge stays and the right edge follows the pointer, never narrower than the
// smallest ring; the depth is never dragged, it is sized.
void RingElevation::gripMoved(Point at, bool leftHeld) {
    if (!leftHeld) return;
    const int dx = at.x - press_.x;
    Rect& top = shapes_.ringtop;
    top.width = std::max(kMinimumWidth, top.width + dx);
    if (top.width < 91) {
        shapes_.ringgrip.left = top.left + top.width - 7;
        return;
    }
    shapes_.ringgrip.left += dx;
    ringlines();
    diametermove();
    depthmove();
    mirrorring();
    ringviztoboxdia();
}

// Brings the bottom to the depth just sized, and the 3D pipes to the wall of the ring just
// sized (during the drag they are placed before the ring is resized).
void RingElevation::gripReleased() {
    mirrorring();
    ringlines();
    depthmove();
}

}  // namespace varnholt
