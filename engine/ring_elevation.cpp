#include "ring_elevation.h"

namespace varnholt {

using N = SceneNodeId;

void RingElevation::showring() {
    tell("showring");
    mirrorring();
    scene_.node(N::GLDummyTrench).visible = false;
    scene_.node(N::GLDummyRing).visible = true;
}

void RingElevation::hidering() {
    tell("hidering");
    scene_.node(N::GLDummyRing).visible = false;
}

void RingElevation::ringboxtoviz() {
    tell("ringboxtoviz");
    record_.number(Field::rvdia);
    record_.number(Field::rvdepth);
    diametermove();
    depthmove();
    mirrorring();
    drawringbase();
    ringlines();
}

void RingElevation::mirrorring() {
    tell("mirrorring");
    if (record_.text(Field::rvdepth) == "Fail") return;
    SceneNode& ring = scene_.node(N::GLPCRing);
    ring.radius = static_cast<float>(record_.number(Field::rvdia) / 2000);
    ring.length = static_cast<float>(record_.number(Field::rvdepth));
}

void RingElevation::ringlines() {
    tell("ringlines");
    drawringbase();
    if (record_.text(Field::txtoverflow) != "0") {
        scene_.node(N::GLTrenchOutflow).visible = true;
        scene_.node(N::GLRingOutflow).visible = true;
    }
}

void RingElevation::drawringbase() { tell("drawringbase"); }

void RingElevation::diametermove() { tell("diametermove"); }

void RingElevation::depthmove() {
    tell("depthmove");
    scene_.caption(SceneCaptionId::GLtxtringdepth) =
        "Depth = " + record_.text(Field::rvdepth) + "m";
}

}  // namespace varnholt
