// Guards the shapes every scene is drawn from: solids closed and facing outwards with unit
// normals, so that they light the same from every side; the plane textured once across its
// square; the sky dome covering the whole upper half of the view without gaps or overlaps.
#include <gtest/gtest.h>

#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "scene/primitive_meshes.h"

namespace varnholt::scene {
namespace {

// The solid angle a triangle fills seen from `eye`, signed by its winding: positive when its
// corners run counter-clockwise seen from the side away from the eye.
double solidAngle(QVector3D eye, QVector3D p0, QVector3D p1, QVector3D p2) {
    const auto d = [&](QVector3D p) {
        return std::array<double, 3>{double(p.x()) - eye.x(), double(p.y()) - eye.y(),
                                     double(p.z()) - eye.z()};
    };
    const auto a = d(p0), b = d(p1), c = d(p2);
    const auto dot = [](const auto& u, const auto& v) {
        return u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
    };
    const auto len = [&](const auto& u) { return std::sqrt(dot(u, u)); };
    const double triple = a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
                          a[2] * (b[0] * c[1] - b[1] * c[0]);
    const double below =
        len(a) * len(b) * len(c) + dot(a, b) * len(c) + dot(a, c) * len(b) + dot(b, c) * len(a);
    return 2 * std::atan2(triple, below);
}

// How many times the surface wraps round `eye`, counted in full spheres.
template <typename Mesh>
double windings(const Mesh& m, QVector3D eye) {
    double sum = 0;
    for (std::size_t i = 0; i + 2 < m.positions.size(); i += 3)
        sum += solidAngle(eye, m.positions[i], m.positions[i + 1], m.positions[i + 2]);
    return sum / (4 * M_PI);
}

QVector3D faceCross(const MeshData& m, std::size_t i) {
    return QVector3D::crossProduct(m.positions[i + 1] - m.positions[i],
                                   m.positions[i + 2] - m.positions[i]);
}

struct SolidCase {
    std::string name;
    std::function<MeshData()> make;
    std::size_t vertices;
    // Whether a point lies on the solid's surface.
    std::function<bool(QVector3D)> onSurface;
};

void PrintTo(const SolidCase& c, std::ostream* os) {
    *os << c.name;
}

bool near(float a, float b) {
    return std::abs(a - b) < 1e-5f;
}

bool onCube(QVector3D p) {
    const float m = std::max({std::abs(p.x()), std::abs(p.y()), std::abs(p.z())});
    return near(m, 0.5f);
}

bool onCylinder(QVector3D p) {
    const float r = std::hypot(p.x(), p.z());
    return (near(r, 1) && std::abs(p.y()) <= 0.5f + 1e-6f) ||
           (near(std::abs(p.y()), 0.5f) && r <= 1 + 1e-6f);
}

class ClosedSolid : public ::testing::TestWithParam<SolidCase> {};

TEST_P(ClosedSolid, HasItsTrianglesAllOnItsSurface) {
    const MeshData m = GetParam().make();
    ASSERT_EQ(m.positions.size(), GetParam().vertices);
    ASSERT_EQ(m.normals.size(), m.positions.size());
    for (QVector3D p : m.positions) EXPECT_TRUE(GetParam().onSurface(p)) << p.x() << p.y() << p.z();
}

TEST_P(ClosedSolid, NormalsAreUnitAndPointOutwardsTheWayTheCornersTurn) {
    const MeshData m = GetParam().make();
    for (std::size_t i = 0; i < m.positions.size(); ++i) {
        EXPECT_NEAR(m.normals[i].length(), 1, 1e-5) << "vertex " << i;
        // A convex solid about the origin: outwards is away from the middle.
        EXPECT_GT(QVector3D::dotProduct(m.normals[i], m.positions[i]), 0) << "vertex " << i;
        EXPECT_GT(QVector3D::dotProduct(faceCross(m, i - i % 3), m.normals[i]), 0)
            << "triangle " << i / 3 << " turns against its normal";
    }
}

TEST_P(ClosedSolid, WrapsItsInsideOnceAndLeavesItsOutsideBare) {
    const MeshData m = GetParam().make();
    // Counter-clockwise seen from outside wraps an inside point once the positive way; a gap,
    // a doubled face or a face turned the wrong way would not.
    for (QVector3D inside :
         {QVector3D(0, 0, 0), QVector3D(0.3f, -0.2f, 0.1f), QVector3D(-0.1f, 0.45f, -0.35f)})
        EXPECT_NEAR(windings(m, inside), 1, 1e-6) << inside.x() << ' ' << inside.y();
    for (QVector3D outside : {QVector3D(2, 0, 0), QVector3D(0, -0.7f, 0), QVector3D(0.9f, 0, 0.9f)})
        EXPECT_NEAR(windings(m, outside), 0, 1e-6) << outside.x() << ' ' << outside.z();
}

INSTANTIATE_TEST_SUITE_P(
    PrimitiveMeshes, ClosedSolid,
    ::testing::Values(SolidCase{"Cube", unitCube, 36, onCube},
                      SolidCase{"CylinderOfThree", [] { return unitCylinder(3); }, 36, onCylinder},
                      SolidCase{"CylinderOfSeven", [] { return unitCylinder(7); }, 84, onCylinder},
                      SolidCase{"CylinderAsDrawn", [] { return unitCylinder(32); }, 384,
                                onCylinder}),
    [](const auto& info) { return info.param.name; });

TEST(UnitPlane, CoversItsSquareFacingUpWithItsTextureOnce) {
    const MeshData m = unitPlane();
    ASSERT_EQ(m.positions.size(), 6u);
    ASSERT_EQ(m.normals.size(), 6u);
    ASSERT_EQ(m.texCoords.size(), 6u);
    double area = 0;
    for (std::size_t i = 0; i < 6; i += 3) {
        const QVector3D cross = faceCross(m, i);
        // Up and counter-clockwise seen from above.
        EXPECT_GT(cross.y(), 0) << "triangle " << i / 3;
        area += cross.length() / 2;
    }
    EXPECT_NEAR(area, 1, 1e-6);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(m.normals[i], QVector3D(0, 1, 0));
        EXPECT_EQ(m.positions[i].y(), 0);
        // u along x, v away from the viewer along -z, a corner of the texture at each corner.
        EXPECT_FLOAT_EQ(m.texCoords[i].x(), m.positions[i].x() + 0.5f) << "vertex " << i;
        EXPECT_FLOAT_EQ(m.texCoords[i].y(), 0.5f - m.positions[i].z()) << "vertex " << i;
    }
}

struct DomeCase {
    float bandDegrees;
    int upperStacks;
    int slices;
};

void PrintTo(const DomeCase& c, std::ostream* os) {
    *os << c.bandDegrees << "° band, " << c.upperStacks << " stacks above, " << c.slices
        << " slices";
}

class SkyDomeMesh : public ::testing::TestWithParam<DomeCase> {
protected:
    SkyDome sky() const {
        SkyDome s;
        s.enabled = true;
        s.horizon = {0.9f, 0.8f, 0.7f};
        s.sky = {0.1f, 0.3f, 0.6f};
        s.bandDegrees = GetParam().bandDegrees;
        s.upperStacks = GetParam().upperStacks;
        return s;
    }
};

TEST_P(SkyDomeMesh, CoversTheUpperHalfOfTheViewOnce) {
    const ColouredMesh m = skyDome(sky(), GetParam().slices);
    ASSERT_EQ(m.colours.size(), m.positions.size());
    ASSERT_EQ(m.positions.size(),
              std::size_t(6 * GetParam().slices * (GetParam().upperStacks + 1)));
    float top = 0;
    for (QVector3D p : m.positions) {
        EXPECT_NEAR(p.length(), 1, 1e-5);
        EXPECT_GE(p.y(), -1e-6f);
        top = std::max(top, p.y());
    }
    EXPECT_NEAR(top, 1, 1e-6) << "the zenith is left open";
    // Seen from the camera in the middle the triangles fill half the sphere, all turned the same
    // way: no gap, no overlap.
    double sum = 0;
    int forwards = 0, backwards = 0;
    for (std::size_t i = 0; i < m.positions.size(); i += 3) {
        const double a = solidAngle({}, m.positions[i], m.positions[i + 1], m.positions[i + 2]);
        sum += a;
        if (a > 1e-9) ++forwards;
        if (a < -1e-9) ++backwards;
    }
    EXPECT_NEAR(std::abs(sum), 2 * M_PI, 1e-6);
    EXPECT_TRUE(forwards == 0 || backwards == 0)
        << forwards << " one way, " << backwards << " the other";
}

TEST_P(SkyDomeMesh, GradesFromTheHorizonToTheBandThenIsPlain) {
    const SkyDome s = sky();
    const ColouredMesh m = skyDome(s, GetParam().slices);
    const float bandTop = float(std::sin(qDegreesToRadians(double(s.bandDegrees))));
    for (std::size_t i = 0; i < m.positions.size(); ++i) {
        const float y = m.positions[i].y();
        if (std::abs(y) < 1e-6f)
            EXPECT_EQ(m.colours[i], s.horizon) << "vertex " << i << " on the horizon";
        else if (y >= bandTop - 1e-6f)
            EXPECT_EQ(m.colours[i], s.sky) << "vertex " << i << " above the band";
        else
            ADD_FAILURE() << "vertex " << i << " inside the band at " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(PrimitiveMeshes, SkyDomeMesh,
                         ::testing::Values(DomeCase{15, 4, 32}, DomeCase{30, 1, 8},
                                           DomeCase{45, 2, 5}, DomeCase{5, 6, 3}));

}  // namespace
}  // namespace varnholt::scene
