#include "trench_elevation.h"

#include <algorithm>

#include "trench_fill.h"

namespace varnholt {

namespace {
using N = SceneNodeId;
constexpr float kPanelThickness = 0.05f;
}  // namespace

bool TrenchElevation::overLimit() const {
    return record_.number(Field::txthalfempty) < record_.trench.halfEmptyTime;
}

// Anything narrower or shallower than the minimum is drawn at the minimum, so a drag never
// reads back less than 0.15 m.
void TrenchElevation::setFaceWidth(int width) {
    shapes_.face.width = std::max(width, kMinimumSide);
}
void TrenchElevation::setFaceHeight(int height) {
    shapes_.face.height = std::max(height, kMinimumSide);
}

std::vector<TrenchElevation::Joint> TrenchElevation::crateJoints() const {
    std::vector<Joint> joints;
    if (!shapes_.visible) return joints;
    const std::optional<CrateTank> tank = crateTankOf(record_);
    if (!tank) return joints;
    const Rect& f = shapes_.face;
    const int right = f.left + f.width - 1, bottom = f.top + f.height - 1;
    // Units narrower than two pixels would only fill the face with ink.
    if (tank->across * 2 <= f.width)
        for (long long i = 1; i < tank->across; ++i) {
            const int x = f.left + toPixel(static_cast<double>(f.width * i) /
                                           static_cast<double>(tank->across));
            joints.push_back({{x, f.top + 1}, {x, bottom - 1}});
        }
    if (tank->layers * 2 <= f.height)
        for (long long i = 1; i < tank->layers; ++i) {
            const int y = f.top + toPixel(static_cast<double>(f.height * i) /
                                          static_cast<double>(tank->layers));
            joints.push_back({{f.left + 1, y}, {right - 1, y}});
        }
    return joints;
}

void TrenchElevation::boxtovizwidth() {
    tell("boxtovizwidth");
    const double width = record_.number(Field::lblwid);
    Rect& face = shapes_.face;
    setFaceWidth(toPixel(width * 100));
    shapes_.depthGrip.left = toPixel(face.left + face.width / 2.0 - 4);
    shapes_.widthGrip.left = face.left + face.width - 8;
    widthmove();
    heightmove();
    lengthmove();
    blacklines();
    drawbase();
    scene_.node(N::GLTrench).extent[2] = static_cast<float>(width);
}

void TrenchElevation::boxtovizdepth() {
    tell("boxtovizdepth");
    const double depth = record_.number(Field::txtdepth);
    Rect& face = shapes_.face;
    setFaceHeight(toPixel(depth * 100));  // the top edge stays, the bottom moves
    shapes_.widthGrip.top = toPixel(face.top + face.height / 2.0 - 4);
    heightmove();
    widthmove();
    lengthmove();
    blacklines();
    drawbase();

    SceneNode& box = scene_.node(N::GLTrench);
    box.extent[1] = static_cast<float>(depth);
    const float top = box.position[1] + box.extent[1] / 2;
    // The length from its field, not the box's: the box takes a new length only in
    // boxtovizlength, after this, so a pass without nested passes would place the pipes and
    // the trap at the ends of the previous length.
    const float halfLength = static_cast<float>(record_.number(Field::txtlength)) / 2;
    SceneNode& outflow = scene_.node(N::GLTrenchOutflow);
    outflow.position[1] = top - 2 * outflow.radius;
    outflow.position[0] = box.position[0] - halfLength - outflow.length / 2;
    SceneNode& inflow = scene_.node(N::GLTrenchInflow);
    inflow.position[1] = top - outflow.radius;  // flush with the top: both pipes are 0.1 round
    inflow.position[0] = box.position[0] + halfLength + inflow.length / 2;
    SceneNode& trap = scene_.node(N::GLSiltTrap);
    trap.position[1] = top - trap.length / 2;
    trap.position[0] = box.position[0] + halfLength + trap.radius;
}

// The side panels cover the lower half of the depth on all four sides: the wetted faces the
// sizing counts.
void TrenchElevation::boxtovizlength() {
    tell("boxtovizlength");
    SceneNode& box = scene_.node(N::GLTrench);
    box.extent[0] = static_cast<float>(record_.number(Field::txtlength));
    const Vec3 e = box.extent;
    const float panelY = box.position[1] - e[1] * 0.25f;
    for (auto [id, sign] : {std::pair{N::GLside1, 1.0f}, {N::GLside2, -1.0f}}) {
        SceneNode& side = scene_.node(id);
        side.extent = {e[0], e[1] / 2, kPanelThickness};
        side.position = {box.position[0], panelY,
                         box.position[2] + sign * (e[2] / 2 + kPanelThickness / 2)};
    }
    for (auto [id, sign] : {std::pair{N::GLside3, 1.0f}, {N::GLside4, -1.0f}}) {
        SceneNode& end = scene_.node(id);
        end.extent = {kPanelThickness, e[1] / 2, e[2]};
        end.position = {box.position[0] + sign * (e[0] / 2 + kPanelThickness / 2), panelY,
                        box.position[2]};
    }
    // The crate units' joints, for the 3D view to draw on the box.
    const std::optional<CrateTank> tank = crateTankOf(record_);
    scene_.crateUnits = tank ? std::array<long long, 3>{tank->along, tank->layers, tank->across}
                             : std::array<long long, 3>{};
    SceneNode& base = scene_.node(N::GLTrenchbase);
    base.extent = {e[0], kPanelThickness, e[2]};
    base.position = {box.position[0], box.position[1] - e[1] / 2 - kPanelThickness / 2,
                     box.position[2]};
}

void TrenchElevation::showtrench() {
    tell("showtrench");
    shapes_.visible = true;
    if (overLimit()) record_.show(Notice::trenchwarning);
    scene_.node(N::GLDummyTrench).visible = true;
    scene_.node(N::GLDummyRing).visible = false;
}

void TrenchElevation::hidetrench() {
    tell("hidetrench");
    shapes_.visible = false;
    canvas_.repaint();
    if (overLimit()) record_.hide(Notice::trenchwarning);
    scene_.node(N::GLDummyTrench).visible = false;
}

// The face's own outline and the lines traced on the window lie on the same pixels: one
// rectangle in the outline colour, with a transparent inside.
void TrenchElevation::blacklines() {
    tell("blacklines");
    canvas_.repaint();
    shapes_.colour = record_.outlinecolour;
    const Rect& f = shapes_.face;
    const int right = f.left + f.width - 1, bottom = f.top + f.height - 1;
    trace({f.left, f.top}, {f.left, bottom});
    trace({f.left, f.top}, {right, f.top});
    trace({right, f.top}, {right, bottom});
    drawbase();
    trace({right, f.top}, {right, bottom});
    trace({f.left, f.top}, {right, f.top});
    if (record_.text(Field::txtoverflow) != "0") {
        scene_.node(N::GLTrenchOutflow).visible = true;
        scene_.node(N::GLRingOutflow).visible = true;
    }
}

void TrenchElevation::drawbase() {
    tell("drawbase");
    // Drawing on a window that is not on screen yet would be lost, so nothing happens then.
    if (!record_.windowShown) return;
    const Rect& f = shapes_.face;
    trace({f.left, f.top + f.height - 1}, {f.left + f.width - 1, f.top + f.height - 1});
    const bool base = record_.checked(Check::chkbase);
    record_.show(Notice::lblbaseincluded, base);
    scene_.node(N::GLTrenchbase).visible = base;
    drawsides();
}

// The wetted lower half of the left edge.
void TrenchElevation::drawsides() {
    tell("drawsides");
    const Rect& f = shapes_.face;
    trace({f.left, f.top + f.height - 1}, {f.left, f.top + toPixel(f.height / 2.0) - 1});
}

void TrenchElevation::widthmove() {
    tell("widthmove");
    scene_.caption(SceneCaptionId::GLtxtwidth) = "Width = " + record_.text(Field::lblwid) + "m";
}

void TrenchElevation::lengthmove() {
    tell("lengthmove");
    scene_.caption(SceneCaptionId::GLtxtlength) =
        "Length = " + record_.text(Field::txtlength) + "m";
}

void TrenchElevation::heightmove() {
    tell("heightmove");
    scene_.caption(SceneCaptionId::GLtxtdepth) = "Depth = " + record_.text(Field::txtdepth) + "m";
}

// Keeps the face right of the splitter and below the input pages, and puts both handles back
// on it. It may run off to the right or the bottom.
void TrenchElevation::outbounds() {
    Rect& f = shapes_.face;
    if (f.left < canvas_.splitterRight) f.left = canvas_.splitterRight + 2;
    if (f.top < canvas_.pcmainBottom) f.top = canvas_.pcmainBottom + 2;
    shapes_.depthGrip.left = toPixel(f.left + f.width / 2.0 - 4);
    shapes_.depthGrip.top = f.top - 7;
    shapes_.widthGrip.left = f.left + f.width - 9;
    shapes_.widthGrip.top = toPixel(f.top + f.height / 2.0 - 4);
}

void TrenchElevation::viztoboxwidth() {
    record_.write(Field::lblwid, plainText(shapes_.face.width / 100.0));
}

void TrenchElevation::viztoboxdepth() {
    record_.write(Field::txtdepth, plainText(shapes_.face.height / 100.0));
}

void TrenchElevation::facePressed(Point at) {
    press_ = at;
}

void TrenchElevation::faceMoved(Point at, bool leftHeld) {
    shapes_.hint = "Void Ratio = " + record_.text(trenchVoidRatioField(record_)) +
                   ", Factor of Safety = " + record_.text(Field::txtFOS);
    if (!leftHeld) return;
    const int dx = at.x - press_.x, dy = at.y - press_.y;
    for (Rect* r : {&shapes_.face, &shapes_.depthGrip, &shapes_.widthGrip}) {
        r->left += dx;
        r->top += dy;
    }
    outbounds();
    widthmove();
    lengthmove();
    heightmove();
    blacklines();
}

void TrenchElevation::depthGripPressed(Point at) {
    press_ = at;
    pressBottom_ = shapes_.face.top + shapes_.face.height;
}

// The top edge follows the pointer and the bottom edge stays, until the face is at its
// minimum depth; then the face moves down with the pointer.
void TrenchElevation::depthGripMoved(Point at, bool leftHeld) {
    if (!leftHeld) return;
    const int gripTop = shapes_.depthGrip.top;
    Rect& face = shapes_.face;
    face.top = at.y + gripTop - press_.y + 8;
    setFaceHeight(pressBottom_ - face.top);
    viztoboxdepth();
    shapes_.depthGrip.top = at.y + gripTop - press_.y;
    shapes_.widthGrip.top = toPixel(face.top + face.height / 2.0 - 4);
    outbounds();
    widthmove();
    lengthmove();
    heightmove();
}

// The left edge stays and the right edge follows the pointer. On a face 30 pixels wide or
// less the width handle sits right of the depth handle, so the two never overlap.
void TrenchElevation::widthGripMoved(Point at, bool leftHeld) {
    if (!leftHeld) return;
    const int dx = at.x - press_.x;
    Rect& face = shapes_.face;
    setFaceWidth(face.width + dx);
    viztoboxwidth();
    if (face.width >= 31) {
        shapes_.widthGrip.left += dx;
        shapes_.depthGrip.left = toPixel(face.left + face.width / 2.0 - 4);
        outbounds();
        widthmove();
        lengthmove();
        heightmove();
    } else {
        shapes_.widthGrip.left = toPixel(face.left + face.width / 2.0 + 7);
    }
}

void TrenchElevation::widthGripReleased() {
    const Rect& face = shapes_.face;
    shapes_.depthGrip.left = toPixel(face.left + face.width / 2.0 - 4);
    blacklines();
}

}  // namespace varnholt
