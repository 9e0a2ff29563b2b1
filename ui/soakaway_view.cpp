#include "soakaway_view.h"

#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "scene/fitting.h"
#include "scene/ground_mesh.h"
#include "scene/procedural_texture.h"
#include "scene/viewer.h"

namespace varnholt {

namespace {

using scene::Axis;
using scene::Material;
using N = SceneNodeId;

const Material kTrench{
    {0.89f, 0.47f, 0.2f}, {0.196078f, 0.8f, 0.6f}, {0.89f, 0.47f, 0.2f}, {0.89f, 0.47f, 0.2f}};
const Material kTrenchBase{
    {0.439216f, 0.576471f, 0.858824f}, {0.439216f, 0.576471f, 0.858824f}, {}, {}};
const Material kPCRing{{0.32f, 0.49f, 0.46f}, {0.560784f, 0.737255f, 0.560784f}, {}, {}};

const Material kJoint{{0.15f, 0.15f, 0.15f}, {0.15f, 0.15f, 0.15f}, {}, {}};
// A joint slab stands this far out of each face it crosses, and is this thick.
constexpr float kJointProud = 0.004f;
constexpr float kJointThickness = 0.012f;
// More joints than this would paint the box over rather than show its units.
constexpr long long kMostJointSlabs = 400;

QVector3D toQt(const Vec3& v) {
    return {v[0], v[1], v[2]};
}

QVector3D toVector(QColor c) {
    return {float(c.redF()), float(c.greenF()), float(c.blueF())};
}

// The ground reaches well past the largest soakaway, and past the soakaway on show.
constexpr float kGroundReach = 25;
// Just below the soakaway's top, so that pipes flush with the top show whole.
constexpr float kGroundBelowTop = 0.002f;

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
    connect(viewer_, &scene::Viewer::fitRequested, this, &SoakawayView::fitView);
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

    // The ground, unlit so that it is the earth below the horizon, with a faint 1 m grid drawn
    // into it; see-through so that the soakaway shows sunk in it.
    const QColor earth = scene_.background;
    Material ground{toVector(earth), toVector(earth), {}, {}};
    ground.opacity = kGroundOpacity;
    ground.lit = false;
    const QImage grid = scene::gridTexture(256, earth, earth.darker(135), 4);
    for (auto [group, g] : {std::pair{&trench, &trenchGround_}, {&ring, &ringGround_}}) {
        g->node = &group->add("ground");
        g->node->material = ground;
        g->node->shape().texture = grid;
    }

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
    placeCrateJoints(model.crateUnits);
    for (std::size_t i = 0; i < kSceneCaptionCount; ++i)
        scene_.captions[i].text =
            QString::fromStdString(model.caption(static_cast<SceneCaptionId>(i)));
    placeGround();
    if (fitPending_ && fitNow()) fitPending_ = false;
    viewer_->redraw();
}

void SoakawayView::placeCrateJoints(const std::array<long long, 3>& units) {
    scene::Node& box = node(N::GLTrench);
    const QVector3D e = box.shape().extent;
    long long needed = 0;
    for (long long n : units) needed += std::max(n - 1, 0LL);
    if (needed > kMostJointSlabs) needed = 0;
    std::size_t used = 0;
    for (int axis = 0; axis < 3 && needed > 0; ++axis) {
        for (long long i = 1; i < units[static_cast<std::size_t>(axis)]; ++i) {
            if (used == jointSlabs_.size()) {
                jointSlabs_.push_back(&box.add("crateJoint", scene::box({1, 1, 1})));
                jointSlabs_.back()->material = kJoint;
            }
            scene::Node& slab = *jointSlabs_[used++];
            QVector3D extent = e + QVector3D(2, 2, 2) * kJointProud;
            extent[axis] = kJointThickness;
            QVector3D at;
            at[axis] = e[axis] * (static_cast<float>(i) /
                                      static_cast<float>(units[static_cast<std::size_t>(axis)]) -
                                  0.5f);
            slab.shape().extent = extent;
            slab.position = at;
            slab.visible = true;
        }
    }
    for (std::size_t i = used; i < jointSlabs_.size(); ++i) jointSlabs_[i]->visible = false;
}

// The ground lies at the soakaway's top with a hole where it goes down: the trench's box with
// its side panels, or the ring. The grid's lines run through the trench's corner or the ring's
// centre, so that whole metres read off from there.
void SoakawayView::placeGround() {
    const auto shape = [](Ground& g, scene::GroundHole hole, QVector2D gridOrigin) {
        const std::array<float, 5> key{float(hole.kind), hole.halfExtent.x(), hole.halfExtent.y(),
                                       gridOrigin.x(), gridOrigin.y()};
        if (g.node->shape().mesh && key == g.madeFor) return;
        g.madeFor = key;
        const float reach = kGroundReach + std::max(hole.halfExtent.x(), hole.halfExtent.y());
        g.node->shape().kind = scene::Shape::Kind::Mesh;
        g.node->shape().mesh =
            std::make_shared<scene::MeshData>(scene::groundWithHole(reach, hole, gridOrigin));
    };

    const scene::Node& box = node(N::GLTrench);
    const QVector3D centre = box.position;
    const QVector3D e = box.shape().extent;
    QVector2D half(e.x() / 2, e.z() / 2);
    for (N id : {N::GLside1, N::GLside2, N::GLside3, N::GLside4, N::GLTrenchbase}) {
        const scene::Node& n = node(id);
        const QVector3D ne = n.shape().extent;
        half = QVector2D(std::max(half.x(), std::abs(n.position.x() - centre.x()) + ne.x() / 2),
                         std::max(half.y(), std::abs(n.position.z() - centre.z()) + ne.z() / 2));
    }
    shape(trenchGround_, {scene::GroundHole::Kind::Rectangle, half},
          QVector2D(-e.x() / 2, -e.z() / 2));
    trenchGround_.node->position = centre + QVector3D(0, e.y() / 2 - kGroundBelowTop, 0);

    const scene::Node& ring = node(N::GLPCRing);
    const float r = ring.shape().radius;
    shape(ringGround_, {scene::GroundHole::Kind::Circle, QVector2D(r, r)}, QVector2D(0, 0));
    ringGround_.node->position =
        ring.position + QVector3D(0, ring.shape().length / 2 - kGroundBelowTop, 0);
}

std::vector<QVector3D> SoakawayView::shownCorners() const {
    std::vector<QVector3D> corners;
    for (std::size_t i = 0; i < kSceneNodeCount; ++i) {
        const scene::Node& n = *nodes_[i];
        if (!n.shown()) continue;
        const std::vector<QVector3D> c = scene::boundingCorners(n);
        corners.insert(corners.end(), c.begin(), c.end());
    }
    return corners;
}

void SoakawayView::fitView() {
    fitNow();
}

void SoakawayView::fitWhenDrawable() {
    fitPending_ = !fitNow();
}

// Back to the start's scale, then along the line of sight until the soakaway fills the view
// below the captions. False while no soakaway shows or the view has no size yet.
bool SoakawayView::fitNow() {
    const std::vector<QVector3D> corners = shownCorners();
    const QSizeF pixels = viewer_->size();
    if (corners.empty() || pixels.isEmpty() || !isVisible()) return false;
    QMarginsF border(kFitBorder, kFitBorder, kFitBorder, kFitBorder);
    for (const scene::Caption& c : scene_.captions)
        if (c.shown() && !c.text.isEmpty())
            border.setTop(
                std::max(border.top(), double(c.at.y() + scene::kCaptionHeight + kFitBorder / 2)));
    scene::Camera fitted = scene_.camera;
    fitted.sceneScale = 1;
    if (!scene::fitToView(fitted, corners, pixels, viewer_->logicalDpiX(), border)) return false;
    scene_.camera = fitted;
    viewer_->redraw();
    return true;
}

// A fit that waited for the view to have a size is made once the events of the moment have
// run: the view is shown before the window's first show hides the model's placeholders.
void SoakawayView::fitLater() {
    if (!fitPending_) return;
    QTimer::singleShot(0, this, [this] {
        if (fitPending_ && fitNow()) fitPending_ = false;
    });
}

void SoakawayView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitLater();
}

void SoakawayView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fitLater();
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
