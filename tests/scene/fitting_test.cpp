// Fit View's maths without a display: a fitted camera shows every corner of a soakaway inside
// the view less its border, as near as that allows, looking the way it looked before; and the
// ground cut round the soakaway covers all but the hole.
#include <gtest/gtest.h>

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <ostream>

#include "scene/fitting.h"
#include "scene/ground_mesh.h"

#include "start_camera.h"

namespace varnholt::scene {
namespace {

// A 10 m trench as the design places it: the box about the group's origin, the inflow pipe off
// its right end flush with its top, the wetted side panels and the base.
struct Trench {
    Node group{"trench"};
    Node* box;
    Trench(float length = 10.01f, float width = 0.32f, float depth = 1.5f) {
        box = &group.add("box", box3({length, depth, width}));
        Node& pipe = group.add("pipe", cylinder(Axis::X, 0.1f, 3));
        pipe.position = {length / 2 + 1.5f, depth / 2 - 0.1f, 0};
        for (float side : {-1.0f, 1.0f}) {
            group.add("panel", box3({length, depth / 2, 0.05f})).position = {
                0, -depth / 4, side * (width / 2 + 0.025f)};
        }
        group.add("base", box3({length, 0.05f, width})).position = {0, -depth / 2 - 0.025f, 0};
    }
    static Shape box3(QVector3D e) { return scene::box(e); }
    std::vector<QVector3D> corners() const {
        std::vector<QVector3D> all;
        for (const auto& child : group.children()) {
            const auto c = boundingCorners(*child);
            all.insert(all.end(), c.begin(), c.end());
        }
        return all;
    }
};

struct FitCase {
    const char* name;
    QSizeF pane;
    float aroundDegrees, downDegrees;  // orbit from the start camera
    QMarginsF border;
};

void PrintTo(const FitCase& c, std::ostream* out) {
    *out << c.name;
}

class FitView : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitView, PutsEveryCornerInsideTheBorderAsNearAsThatAllows) {
    const FitCase& c = GetParam();
    Trench trench;
    Camera camera = startCamera();
    camera.orbit(c.aroundDegrees, c.downDegrees);
    const QVector3D direction = camera.forwardAxis();
    ASSERT_TRUE(fitToView(camera, trench.corners(), c.pane, 96, c.border));

    EXPECT_NEAR((camera.forwardAxis() - direction).length(), 0, 1e-5) << "keeps its direction";
    EXPECT_EQ(camera.target, QVector3D(0, 0, 0));
    const QRectF inside = QRectF(QPointF(0, 0), c.pane).marginsRemoved(c.border);
    double closest = 1e9;
    for (const QVector3D& corner : trench.corners()) {
        const QPointF p = camera.project(corner, c.pane, 96);
        EXPECT_GE(p.x(), inside.left() - 0.01);
        EXPECT_LE(p.x(), inside.right() + 0.01);
        EXPECT_GE(p.y(), inside.top() - 0.01);
        EXPECT_LE(p.y(), inside.bottom() + 0.01);
        closest = std::min({closest, p.x() - inside.left(), inside.right() - p.x(),
                            p.y() - inside.top(), inside.bottom() - p.y()});
    }
    // Filled: something touches the border, the trench is not a speck in the middle.
    EXPECT_LT(closest, 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Panes, FitView,
    ::testing::Values(FitCase{"StartPane", {322, 393}, 0, 0, {16, 74, 16, 16}},
                      FitCase{"TallPane", {322, 640}, 0, 0, {16, 74, 16, 16}},
                      FitCase{"WideMaximisedPane", {1100, 560}, 0, 0, {16, 74, 16, 16}},
                      FitCase{"OrbitedAlongTheTrench", {322, 393}, 80, 0, {16, 74, 16, 16}},
                      FitCase{"FromAbove", {322, 393}, 20, -40, {16, 74, 16, 16}},
                      FitCase{"FromBelowTheGround", {322, 393}, -30, 70, {16, 74, 16, 16}},
                      FitCase{"NoBorder", {500, 500}, 45, 0, {0, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FitView, AFittedCameraIsFittedAlready) {
    Trench trench;
    Camera camera = startCamera();
    const QMarginsF border(16, 74, 16, 16);
    ASSERT_TRUE(fitToView(camera, trench.corners(), {322, 393}, 96, border));
    const QVector3D once = camera.position;
    // From much too near and much too far alike.
    for (float distance : {0.5f, 90.0f}) {
        camera.position = camera.target - camera.forwardAxis() * distance;
        ASSERT_TRUE(fitToView(camera, trench.corners(), {322, 393}, 96, border));
        EXPECT_NEAR((camera.position - once).length(), 0, 1e-4) << distance;
    }
}

TEST(FitView, ASmallerSceneScaleFitsNearer) {
    // Every pixel covers more of the scene at a smaller scale, so less distance is needed.
    Trench trench;
    Camera wide = startCamera(), narrow = startCamera();
    wide.sceneScale = 0.5f;
    ASSERT_TRUE(fitToView(wide, trench.corners(), {322, 393}, 96, {}));
    ASSERT_TRUE(fitToView(narrow, trench.corners(), {322, 393}, 96, {}));
    EXPECT_LT(wide.distanceToTarget(), narrow.distanceToTarget());
}

TEST(FitView, NeverPassesTheTargetOrCutsThroughTheNearPlane) {
    // A small object far beyond the target: the camera may not move past the target to reach
    // it, which would turn the view round.
    Camera camera = startCamera();
    const QVector3D ahead = camera.forwardAxis();
    const QVector3D far = camera.target + ahead * 30;
    ASSERT_TRUE(fitToView(camera, {far, far + QVector3D(0.1f, 0, 0)}, {322, 393}, 96, {}));
    EXPECT_NEAR((camera.forwardAxis() - ahead).length(), 0, 1e-5);
    // A point at the target itself lies beyond the near plane.
    const float nearPlane = camera.frustum({322, 393}, 96).nearPlane;
    ASSERT_TRUE(fitToView(camera, {camera.target}, {322, 393}, 96, {}));
    EXPECT_GT(camera.distanceToTarget(), nearPlane);
}

TEST(FitView, LeavesTheCameraAloneWithNothingToFitOrNowhereToShowIt) {
    Trench trench;
    struct Case {
        std::vector<QVector3D> points;
        QSizeF pane;
        float scale;
    } cases[] = {
        {{}, {322, 393}, 1}, {trench.corners(), {0, 0}, 1}, {trench.corners(), {322, 393}, 0}};
    for (const Case& c : cases) {
        Camera camera = startCamera();
        camera.sceneScale = c.scale;
        EXPECT_FALSE(fitToView(camera, c.points, c.pane, 96, {}));
        EXPECT_EQ(camera.position, QVector3D(0, 3, 3));
    }
}

TEST(BoundingCorners, FollowTheShapeItsPlaceAndItsTurn) {
    Node group("group");
    group.position = {1, 0, 0};
    struct Case {
        Shape shape;
        QQuaternion turn;
        QVector3D low, high;
    } cases[] = {
        {box({4, 2, 1}), {}, {-1, -1, -0.5f}, {3, 1, 0.5f}},
        // Turned a quarter about the vertical, its length lies along z.
        {box({4, 2, 1}), QQuaternion::fromAxisAndAngle(0, 1, 0, 90), {0.5f, -1, -2}, {1.5f, 1, 2}},
        {cylinder(Axis::X, 0.1f, 3), {}, {-0.5f, -0.1f, -0.1f}, {2.5f, 0.1f, 0.1f}},
        {cylinder(Axis::Y, 1.35f, 2), {}, {-0.35f, -1, -1.35f}, {2.35f, 1, 1.35f}},
    };
    for (const Case& c : cases) {
        Node& n = group.add("n", c.shape);
        n.orientation = c.turn;
        const auto corners = boundingCorners(n);
        ASSERT_EQ(corners.size(), 8u);
        QVector3D low = corners[0], high = corners[0];
        for (const QVector3D& p : corners) {
            low = QVector3D(std::min(low.x(), p.x()), std::min(low.y(), p.y()),
                            std::min(low.z(), p.z()));
            high = QVector3D(std::max(high.x(), p.x()), std::max(high.y(), p.y()),
                             std::max(high.z(), p.z()));
        }
        EXPECT_NEAR((low - c.low).length(), 0, 1e-5);
        EXPECT_NEAR((high - c.high).length(), 0, 1e-5);
    }
    EXPECT_TRUE(boundingCorners(group).empty()) << "a group has no shape of its own";
}

struct HoleCase {
    const char* name;
    GroundHole hole;
    double holeArea;
};

void PrintTo(const HoleCase& c, std::ostream* out) {
    *out << c.name;
}

class GroundCut : public ::testing::TestWithParam<HoleCase> {};

bool inHole(const GroundHole& hole, QVector2D p) {
    if (hole.kind == GroundHole::Kind::Circle) return p.length() < hole.halfExtent.x() * 0.99f;
    return std::abs(p.x()) < hole.halfExtent.x() * 0.99f &&
           std::abs(p.y()) < hole.halfExtent.y() * 0.99f;
}

TEST_P(GroundCut, CoversTheSquareUpFacingLessTheHole) {
    const HoleCase& c = GetParam();
    const float half = 30;
    const QVector2D origin(-5.005f, -0.16f);
    const MeshData mesh = groundWithHole(half, c.hole, origin);
    ASSERT_EQ(mesh.positions.size() % 3, 0u);
    ASSERT_EQ(mesh.texCoords.size(), mesh.positions.size());
    double area = 0;
    for (std::size_t i = 0; i < mesh.positions.size(); i += 3) {
        const QVector3D a = mesh.positions[i], b = mesh.positions[i + 1], d = mesh.positions[i + 2];
        const QVector3D normal = QVector3D::crossProduct(b - a, d - a);
        EXPECT_GE(normal.y(), 0) << "faces up, counter-clockwise from above";
        area += normal.length() / 2;
        const QVector3D centre = (a + b + d) / 3;
        EXPECT_FALSE(inHole(c.hole, {centre.x(), centre.z()})) << "nothing over the hole";
        for (const QVector3D& p : {a, b, d}) {
            EXPECT_EQ(p.y(), 0);
            EXPECT_LE(std::max(std::abs(p.x()), std::abs(p.z())), half + 1e-4);
        }
    }
    EXPECT_NEAR(area, 4.0 * half * half - c.holeArea, 0.01 * c.holeArea + 1e-3);
    // A texture repeated once a metre: its lines through the trench's corner.
    for (std::size_t i = 0; i < mesh.positions.size(); ++i) {
        const QVector3D p = mesh.positions[i];
        EXPECT_NEAR((mesh.texCoords[i] - (QVector2D(p.x(), p.z()) - origin)).length(), 0, 1e-4);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Holes, GroundCut,
    ::testing::Values(
        HoleCase{
            "LongNarrowTrench", {GroundHole::Kind::Rectangle, {5.055f, 0.21f}}, 4 * 5.055 * 0.21},
        HoleCase{"SquarePit", {GroundHole::Kind::Rectangle, {1, 1}}, 4.0},
        HoleCase{"Ring2700", {GroundHole::Kind::Circle, {1.35f, 1.35f}}, M_PI * 1.35 * 1.35},
        HoleCase{"Ring900", {GroundHole::Kind::Circle, {0.45f, 0.45f}}, M_PI * 0.45 * 0.45}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace varnholt::scene
