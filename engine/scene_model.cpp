#include "scene_model.h"

#include "enum_tables.h"

namespace varnholt {

namespace {
constexpr std::array<std::string_view, kSceneNodeCount> kNodeNames = {
    "GLDummyTrench", "GLTrenchInflow", "GLTrench",      "GLSiltTrap",  "GLTrenchOutflow",
    "GLTrenchbase",  "GLside1",        "GLside2",       "GLside3",     "GLside4",
    "GLDummyRing",   "GLPCRing",       "GLRingOutflow", "GLRingInflow"};
constexpr std::array<std::string_view, kSceneCaptionCount> kCaptionNames = {
    "GLtxtlength", "GLtxtdepth", "GLtxtwidth", "GLtxtdiameter", "GLtxtringdepth"};
static_assert(noEntryMissing(kNodeNames) && noEntryMissing(kCaptionNames));
}  // namespace

std::string_view nameOf(SceneNodeId id) {
    return kNodeNames[static_cast<std::size_t>(id)];
}
std::string_view nameOf(SceneCaptionId id) {
    return kCaptionNames[static_cast<std::size_t>(id)];
}

SceneModel::SceneModel() {
    using N = SceneNodeId;
    // Placeholders until the first sizing places everything.
    node(N::GLTrenchInflow) = {true, {0, 0, 0}, {1, 1, 1}, 0.1f, 3};
    node(N::GLSiltTrap) = {false, {1, 0, 0}, {1, 1, 1}, 0.5f, 0.5f};
    // The overflow pipes start hidden, as the default overflow of 0 has them: the filter report
    // that hides them says nothing until a first sizing has run.
    node(N::GLTrenchOutflow) = {false, {-1.5f, 0.5f, 0}, {1, 1, 1}, 0.1f, 2};
    node(N::GLTrenchbase) = {true, {0, -1, 0}, {1, 0.05f, 1}, 0, 0};
    node(N::GLside1) = {true, {0, 0, 1}, {1, 1, 0.05f}, 0, 0};
    node(N::GLside2) = {true, {0, 0, -1}, {1, 1, 0.05f}, 0, 0};
    node(N::GLside3) = {true, {2, 0, 0}, {0.05f, 1, 1}, 0, 0};
    node(N::GLside4) = {true, {-2, 0, 0}, {0.05f, 1, 1}, 0, 0};
    node(N::GLPCRing) = {true, {0, 0, 0}, {1, 1, 1}, 0.5f, 1};
    node(N::GLRingOutflow) = {false, {0, 0, 0}, {1, 1, 1}, 0.1f, 1};
    node(N::GLRingInflow) = {true, {0, 0, 0}, {1, 1, 1}, 0.1f, 2};
    captions = {"Length", "Depth", "Width", "Diameter", "Depth"};
}

}  // namespace varnholt
