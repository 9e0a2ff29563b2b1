// The camera and pointer maths of the 3D views, without a display: the focal-length
// projection, the orbit's pole margins, the pan per pixel, the zoom's single-precision steps and
// which pointer gesture does what.
#include <gtest/gtest.h>

#include <QtMath>
#include <cmath>

#include "scene/camera.h"
#include "scene/navigation.h"

#include "start_camera.h"

namespace varnholt::scene {
namespace {

double degreesAcross(float halfExtent, float nearPlane) {
    return qRadiansToDegrees(2 * std::atan(double(halfExtent) / nearPlane));
}

double polarAngle(const Camera& c) {
    const QVector3D d = c.position - c.target;
    return std::acos(double(d.y()) / d.length());
}

struct ProjectionCase {
    int width, height;
    float scale;
    double across, down, nearPlane;
};

TEST(CameraProjection, EachPixelCoversTheSameAngleWhateverTheViewSize) {
    const ProjectionCase cases[] = {
        {322, 393, 1, 40.3, 48.3, 1.116},
        // A wider pane shows more of the scene, not a larger picture.
        {644, 393, 1, 72.6, 48.3, 1.116 * 393 / 644},
        {1000, 1000, 1, 97.5, 97.5, 1.116 * 393 / 1000},
        // Zooming in by one step narrows the view a little.
        {322, 393, 1.02f, 39.6, 47.5, 1.116},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " at " << c.scale);
        Camera camera = startCamera();
        camera.sceneScale = c.scale;
        const Frustum f = camera.frustum(QSizeF(c.width, c.height), 96);
        EXPECT_NEAR(f.nearPlane, c.nearPlane, 0.002);
        EXPECT_FLOAT_EQ(f.farPlane, f.nearPlane + 100);
        EXPECT_NEAR(degreesAcross(f.halfWidth, f.nearPlane), c.across, 0.1);
        EXPECT_NEAR(degreesAcross(f.halfHeight, f.nearPlane), c.down, 0.1);
    }
}

TEST(CameraProjection, ANegativeScaleTurnsThePictureUpsideDown) {
    Camera camera = startCamera();
    camera.sceneScale = -1;
    const QMatrix4x4 m = camera.frustum(QSizeF(322, 393), 96).matrix();
    const QVector4D up = m * QVector4D(0, 1, -5, 1);
    EXPECT_LT(up.y() / up.w(), 0);
}

TEST(CameraOrbit, HoldsOffThePolesAndKeepsItsDistance) {
    struct Case {
        float downDegrees;
        double polar;
    } cases[] = {{-90, 0.025},
                 {-10, qDegreesToRadians(35.0)},
                 {30, qDegreesToRadians(75.0)},
                 {200, M_PI - 0.025}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.downDegrees);
        Camera camera = startCamera();
        camera.orbit(0, c.downDegrees);
        EXPECT_NEAR(polarAngle(camera), c.polar, 1e-4);
        EXPECT_NEAR(camera.distanceToTarget(), std::sqrt(18.0), 1e-4);
        EXPECT_NEAR(camera.position.x(), 0, 1e-5);  // straight up or down only
    }
    // Against the margin, a further push upwards stays there.
    Camera camera = startCamera();
    for (int i = 0; i < 10; ++i) camera.orbit(0, -20);
    EXPECT_NEAR(polarAngle(camera), 0.025, 1e-4);
}

TEST(CameraOrbit, SwingsAboutTheVerticalThroughTheTarget) {
    Camera camera = startCamera();
    camera.target = {1, 0, 0};
    camera.position = {1, 3, 3};
    camera.orbit(90, 0);
    EXPECT_NEAR(camera.position.y(), 3, 1e-5);
    EXPECT_NEAR(std::abs(camera.position.x() - 1), 3, 1e-5);
    EXPECT_NEAR(camera.position.z(), 0, 1e-5);
}

TEST(CameraZoom, StepsInSinglePrecisionAndOnlyAnExactZeroBecomesOne) {
    Camera camera;
    for (int i = 0; i < 50; ++i) camera.addToScale(-0.02f);
    EXPECT_NE(camera.sceneScale, 0.0f);
    EXPECT_LT(std::abs(camera.sceneScale), 1e-5f);
    camera.addToScale(-0.02f);
    EXPECT_LT(camera.sceneScale, 0);

    camera.sceneScale = 0.02f;
    camera.addToScale(-0.02f);
    EXPECT_EQ(camera.sceneScale, 1.0f);
}

TEST(Navigation, PansTheCarriedObjectAboutNineMillimetresPerPixel) {
    Camera camera = startCamera();
    QVector3D group;
    Navigation nav(camera);
    nav.setPanned(&group);
    EXPECT_NEAR(nav.panPerPixel(), 0.0088, 0.00005);

    nav.press({100, 100});
    EXPECT_EQ(nav.move({110, 100}, Qt::RightButton, Qt::NoModifier), PointerAction::Pan);
    EXPECT_NEAR(group.x(), 10 * 0.008776, 1e-5);
    EXPECT_NEAR(group.y(), 0, 1e-6);
    nav.move({110, 90}, Qt::RightButton, Qt::NoModifier);
    EXPECT_GT(group.y(), 0.08);
    EXPECT_EQ(group.z(), 0);
    // The camera stays put and keeps aiming at the moved object.
    EXPECT_EQ(camera.position, QVector3D(0, 3, 3));
    EXPECT_EQ(camera.target, group);
}

TEST(Navigation, EachGestureDoesItsOwnThing) {
    struct Case {
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers keys;
        PointerAction action;
    } cases[] = {
        {Qt::LeftButton, Qt::ShiftModifier, PointerAction::TurnObject},
        {Qt::LeftButton, Qt::NoModifier, PointerAction::Orbit},
        {Qt::LeftButton, Qt::ControlModifier, PointerAction::Orbit},
        {Qt::LeftButton | Qt::RightButton, Qt::NoModifier, PointerAction::Orbit},
        {Qt::RightButton, Qt::NoModifier, PointerAction::Pan},
        {Qt::RightButton, Qt::ShiftModifier, PointerAction::None},
        {Qt::RightButton, Qt::ControlModifier, PointerAction::None},
        {Qt::RightButton, Qt::AltModifier, PointerAction::None},
        {Qt::MiddleButton, Qt::NoModifier, PointerAction::None},
        {Qt::NoButton, Qt::NoModifier, PointerAction::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.buttons) << " " << int(c.keys));
        Camera camera = startCamera();
        QQuaternion box;
        QVector3D group;
        Navigation nav(camera);
        nav.setTurned(&box);
        nav.setPanned(&group);
        nav.press({50, 50});
        EXPECT_EQ(nav.move({40, 45}, c.buttons, c.keys), c.action);
        EXPECT_EQ(nav.lastPosition(), QPoint(40, 45));
        EXPECT_EQ(!box.isIdentity(), c.action == PointerAction::TurnObject);
        EXPECT_EQ(camera.position != QVector3D(0, 3, 3), c.action == PointerAction::Orbit);
        EXPECT_EQ(!group.isNull(), c.action == PointerAction::Pan);
    }
}

TEST(Navigation, ShiftDragTurnsAboutTheCamerasOwnAxes) {
    Camera camera = startCamera();
    QQuaternion box;
    Navigation nav(camera);
    nav.setTurned(&box);
    nav.press({0, 0});
    // Ninety pixels across: a quarter turn about the camera's up axis.
    nav.move({-90, 0}, Qt::LeftButton, Qt::ShiftModifier);
    const QVector3D up = camera.upAxis();
    EXPECT_NEAR((box.rotatedVector(up) - up).length(), 0, 1e-5);
    const QVector3D right = camera.rightAxis();
    EXPECT_NEAR(QVector3D::dotProduct(box.rotatedVector(right), right), 0, 1e-5);
}

}  // namespace
}  // namespace varnholt::scene
