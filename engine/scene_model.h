#pragma once

#include <array>
#include <string>
#include <string_view>

namespace varnholt {

// The 3D model as plain data: what each object of the scene is, where, how large and whether
// it shows. The 3D view draws it; the elevation operations and the filter report set it.
enum class SceneNodeId {
    GLDummyTrench,
    GLTrenchInflow,
    GLTrench,
    GLSiltTrap,
    GLTrenchOutflow,
    GLTrenchbase,
    GLside1,
    GLside2,
    GLside3,
    GLside4,
    GLDummyRing,
    GLPCRing,
    GLRingOutflow,
    GLRingInflow,
};
inline constexpr std::size_t kSceneNodeCount =
    static_cast<std::size_t>(SceneNodeId::GLRingInflow) + 1;

enum class SceneCaptionId { GLtxtlength, GLtxtdepth, GLtxtwidth, GLtxtdiameter, GLtxtringdepth };
inline constexpr std::size_t kSceneCaptionCount =
    static_cast<std::size_t>(SceneCaptionId::GLtxtringdepth) + 1;

using Vec3 = std::array<float, 3>;  // single precision, as the scene holds its values

struct SceneNode {
    bool visible = true;
    Vec3 position{};
    Vec3 extent{1, 1, 1};  // boxes
    float radius = 0;      // cylinders
    float length = 0;      // cylinders: length along their axis (height when upright)
};

struct SceneModel {
    SceneModel();

    SceneNode& node(SceneNodeId id) { return nodes[static_cast<std::size_t>(id)]; }
    const SceneNode& node(SceneNodeId id) const { return nodes[static_cast<std::size_t>(id)]; }
    std::string& caption(SceneCaptionId id) { return captions[static_cast<std::size_t>(id)]; }
    const std::string& caption(SceneCaptionId id) const {
        return captions[static_cast<std::size_t>(id)];
    }

    std::array<SceneNode, kSceneNodeCount> nodes;
    std::array<std::string, kSceneCaptionCount> captions;
    // Crate units along the trench box's x, y and z (length, depth, width); all 0 for gravel.
    std::array<long long, 3> crateUnits{};
};

std::string_view nameOf(SceneNodeId id);
std::string_view nameOf(SceneCaptionId id);

}  // namespace varnholt
