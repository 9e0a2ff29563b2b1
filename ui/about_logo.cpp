#include "about_logo.h"

#include <QFont>

#include "scene/procedural_texture.h"
#include "scene/text_mesh.h"
#include "scene/viewer.h"

namespace varnholt {

namespace {
using scene::Material;

const Material kOrange{{1.0f, 0.5f, 0.0f}, {0.8f, 0.4f, 0.0f}, {1, 1, 1}, {}};
const Material kGreyGreen{{0.45f, 0.55f, 0.47f}, {0.35f, 0.43f, 0.37f}, {}, {}};
const Material kLetters{{0.13f, 0.33f, 0.67f}, {0.08f, 0.2f, 0.45f}, {0.6f, 0.6f, 0.6f}, {}};
// Textured planes take their colour from the texture.
const Material kPlain{{1, 1, 1}, {1, 1, 1}, {}, {}};
}  // namespace

AboutLogo::AboutLogo(QObject* parent) : QObject(parent) {
    build();
}

AboutLogo::~AboutLogo() = default;

void AboutLogo::build() {
    scene_.background = QColor(196, 186, 164);
    scene_.light.position = {5, 3, 25};
    scene_.light.flare = true;
    scene::Camera& camera = scene_.camera;
    camera.position = {3, 4, 9};
    camera.focalLength = 50;
    camera.depthOfView = 100;

    dummy_ = &scene_.root.add("GLDummyCube1");
    dummy_->position = {0, -0.2f, 0};
    box_ = &dummy_->add("GLCube1", scene::box({1, 1, 2}));
    box_->material = kOrange;
    scene::Node& pipe = dummy_->add("GLCylinder1", scene::cylinder(scene::Axis::Y, 0.5f, 1.5f));
    pipe.position = {-1, 0.25f, 0.5f};
    pipe.material = kGreyGreen;

    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    const struct {
        const char* text;
        float y;
    } lines[] = {{"Varnholt", 2.3f}, {"Soakaway", 1.6f}, {"Designer", 0.9f}};
    int n = 1;
    for (const auto& line : lines) {
        auto mesh = std::make_shared<scene::MeshData>(
            scene::extrudeText(QString::fromLatin1(line.text), font, 0.55f, 0.5f));
        scene::Node& text =
            dummy_->add("GLFlatText" + std::to_string(n++), scene::mesh(std::move(mesh)));
        text.position = {0, line.y, 0};
        text.material = kLetters;
        lowestLine_ = &text;
    }

    scene::Node& clouds = scene_.root.add(
        "GLPlaneClouds", scene::texturedPlane(1000, scene::cloudTexture(256, 7), 60));
    clouds.position = {0, 10, 0};
    clouds.material = kPlain;
    scene::Node& ground = scene_.root.add(
        "GLPlaneGround", scene::texturedPlane(1000, scene::groundTexture(256, 11), 150));
    ground.position = {0, -5, 0};
    ground.material = kPlain;
    aimAtText();
}

void AboutLogo::aimAtText() {
    scene_.camera.target = lowestLine_->worldMatrix().map(QVector3D());
}

scene::Viewer* AboutLogo::makeView(QWidget* parent) {
    viewer_ = new scene::Viewer(scene_, parent);
    viewer_->setCursor(Qt::PointingHandCursor);
    viewer_->navigation().setTurned(&box_->orientation);
    viewer_->navigation().setPanned(&dummy_->position);
    return viewer_;
}

void AboutLogo::zoom(int notches) {
    for (int i = 0; i < std::abs(notches); ++i)
        scene_.camera.addToScale(notches > 0 ? -kWheelStep : kWheelStep);
    if (viewer_) viewer_->redraw();
}

void AboutLogo::turnOneStep() {
    dummy_->orientation = QQuaternion::fromAxisAndAngle(0, 1, 0, 1) * dummy_->orientation;
    // The camera stays aimed at the lowest line, which the turn leaves where it was.
    aimAtText();
    if (viewer_) viewer_->redraw();
}

}  // namespace varnholt
