#include "soakaway_view.h"

#include <QVBoxLayout>

#include "scene/viewer.h"

namespace varnholt {

namespace {

using scene::Axis;
using scene::Material;
using N = SceneNodeId;

const Material kTrench{{0.89f, 0.47f, 0.2f}, {0.196078f, 0.8f, 0.6f}, {0.89f, 0.47f, 0.2f},
                       {0.89f, 0.47f, 0.2f}};
const Material kTrenchBase{{0.439216f, 0.576471f, 0.858824f},
                           {0.439216f, 0.576471f, 0.858824f}, {}, {}};
const Material kPCRing{{0.32f, 0.49f, 0.46f}, {0.560784f, 0.737255f, 0.560784f}, {}, {}};

QVector3D toQt(const Vec3& v) { return {v[0], v[1], v[2]}; }

}  // namespace

SoakawayView::SoakawayView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GLSceneViewer1"));
    build();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    viewer_ = new scene::Viewer(scene_, this);
    viewer_->setCursor(Qt::PointingHandCursor);
    layout->addWidget(viewer_);
    viewer_->navigation().setTurned(&node(N::GLTrench).orientation);
    viewer_->navigation().setPanned(&node(N::GLDummyTrench).position);
}

SoakawayView::~SoakawayView() = default;

void SoakawayView::build() {
    scene_.sky.enabled = true;
    scene_.background = QColor(196, 186, 164);
    scene_.light.position = {0, 2, 1};
    scene::Camera& camera = scene_.camera;
    camera.position = {0, 3, 3};
    camera.target = {0, 0, 0};
    camera.focalLength = kFocalLength;
    camera.depthOfView = 100;
    camera.sceneScale = 1;

    const auto place = [this](scene::Node& parent, N id, scene::Shape shape,
                              const Material& material) -> scene::Node& {
        scene::Node& n = parent.add(std::string(nameOf(id)), std::move(shape));
        n.material = material;
        nodes_[static_cast<std::size_t>(id)] = &n;
        return n;
    };
    scene::Node& trench = scene_.root.add(std::string(nameOf(N::GLDummyTrench)));
    nodes_[static_cast<std::size_t>(N::GLDummyTrench)] = &trench;
    place(trench, N::GLTrenchInflow, scene::cylinder(Axis::X, 0.1f, 3), kTrenchBase);
    place(trench, N::GLTrench, scene::box({1, 1, 1}), kTrench);
    place(trench, N::GLSiltTrap, scene::cylinder(Axis::Y, 0.5f, 0.5f), kTrench);
    place(trench, N::GLTrenchOutflow, scene::cylinder(Axis::X, 0.1f, 2), kTrench);
    place(trench, N::GLTrenchbase, scene::box({1, 0.05f, 1}), kTrenchBase);
    for (N side : {N::GLside1, N::GLside2, N::GLside3, N::GLside4})
        place(trench, side, scene::box({1, 1, 1}), kTrenchBase);

    scene::Node& ring = scene_.root.add(std::string(nameOf(N::GLDummyRing)));
    nodes_[static_cast<std::size_t>(N::GLDummyRing)] = &ring;
    place(ring, N::GLPCRing, scene::cylinder(Axis::Y, 0.5f, 1), kPCRing);
    place(ring, N::GLRingOutflow, scene::cylinder(Axis::X, 0.1f, 1), kTrench);
    place(ring, N::GLRingInflow, scene::cylinder(Axis::X, 0.1f, 2), kTrenchBase);

    // Both groups stay hidden until the first refresh shows one.
    trench.visible = false;
    ring.visible = false;
    for (auto [id, y, owner] : {std::tuple{SceneCaptionId::GLtxtlength, 25, &trench},
                                {SceneCaptionId::GLtxtdepth, 38, &trench},
                                {SceneCaptionId::GLtxtwidth, 51, &trench},
                                {SceneCaptionId::GLtxtdiameter, 25, &ring},
                                {SceneCaptionId::GLtxtringdepth, 38, &ring}})
        scene_.captions.push_back({QString::fromLatin1(nameOf(id).data(), nameOf(id).size()),
                                   QPoint(2, y), Qt::black, owner});
}

void SoakawayView::showDesign(const SceneModel& model) {
    for (std::size_t i = 0; i < kSceneNodeCount; ++i) {
        const auto id = static_cast<N>(i);
        const SceneNode& from = model.node(id);
        scene::Node& to = *nodes_[i];
        to.visible = from.visible;
        // The groups' places are the pan's, which is the view's own.
        if (id == N::GLDummyTrench || id == N::GLDummyRing) continue;
        to.position = toQt(from.position);
        scene::Shape& shape = to.shape();
        if (shape.kind == scene::Shape::Kind::Box) shape.extent = toQt(from.extent);
        if (shape.kind == scene::Shape::Kind::Cylinder) {
            shape.radius = from.radius;
            shape.length = from.length;
        }
    }
    node(N::GLSiltTrap).visible = showSiltTrap_;
    for (std::size_t i = 0; i < kSceneCaptionCount; ++i)
        scene_.captions[i].text =
            QString::fromStdString(model.caption(static_cast<SceneCaptionId>(i)));
    viewer_->redraw();
}

void SoakawayView::zoomIn() {
    scene_.camera.addToScale(kZoomStep);
    viewer_->redraw();
}

void SoakawayView::zoomOut() {
    scene_.camera.addToScale(-kZoomStep);
    viewer_->redraw();
}

void SoakawayView::setShowAxes(bool on) {
    node(N::GLDummyTrench).showAxes = on;
    node(N::GLDummyRing).showAxes = on;
    viewer_->redraw();
}

void SoakawayView::setShowSiltTrap(bool on) {
    showSiltTrap_ = on;
    node(N::GLSiltTrap).visible = on;
    viewer_->redraw();
}

}  // namespace varnholt
