#include "trench_elevation.h"

namespace varnholt {

using N = SceneNodeId;

bool TrenchElevation::overLimit() const {
    return record_.number(Field::txthalfempty) < record_.trench.halfEmptyTime;
}

void TrenchElevation::boxtovizwidth() {
    tell("boxtovizwidth");
    const double width = record_.number(Field::lblwid);
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
    heightmove();
    widthmove();
    lengthmove();
    blacklines();
    drawbase();
    scene_.node(N::GLTrench).extent[1] = static_cast<float>(depth);
}

void TrenchElevation::boxtovizlength() {
    tell("boxtovizlength");
    scene_.node(N::GLTrench).extent[0] = static_cast<float>(record_.number(Field::txtlength));
}

void TrenchElevation::showtrench() {
    tell("showtrench");
    if (overLimit()) record_.show(Notice::trenchwarning);
    scene_.node(N::GLDummyTrench).visible = true;
    scene_.node(N::GLDummyRing).visible = false;
}

void TrenchElevation::hidetrench() {
    tell("hidetrench");
    if (overLimit()) record_.hide(Notice::trenchwarning);
    scene_.node(N::GLDummyTrench).visible = false;
}

void TrenchElevation::blacklines() {
    tell("blacklines");
    drawbase();
    if (record_.text(Field::txtoverflow) != "0") {
        scene_.node(N::GLTrenchOutflow).visible = true;
        scene_.node(N::GLRingOutflow).visible = true;
    }
}

void TrenchElevation::drawbase() {
    tell("drawbase");
    // Drawing on a window that is not on screen yet would be lost, so nothing happens then.
    if (!record_.windowShown) return;
    const bool base = record_.checked(Check::chkbase);
    record_.show(Notice::lblbaseincluded, base);
    scene_.node(N::GLTrenchbase).visible = base;
    drawsides();
}

void TrenchElevation::drawsides() { tell("drawsides"); }

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

}  // namespace varnholt
