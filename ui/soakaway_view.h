#pragma once

#include <QWidget>
#include <array>

#include "engine/scene_model.h"
#include "scene/scene.h"

namespace varnholt {

namespace scene {
class Viewer;
}

// GLSceneViewer1: the soakaway in 3D under its sky. The design's scene model says what shows
// where; the camera, the turn of the trench box, the pan of the trench group, the scale and the
// two display switches are this view's own and last for the run.
class SoakawayView : public QWidget {
    Q_OBJECT
public:
    // The focal length that gives the view its angle of about 40° across 322 pixels.
    static constexpr float kFocalLength = 58.014976501464844f;
    static constexpr float kZoomStep = 0.02f;

    explicit SoakawayView(QWidget* parent = nullptr);
    ~SoakawayView() override;

    // Takes the design's objects, sizes, visibility and captions.
    void showDesign(const SceneModel& model);

    void zoomIn();
    void zoomOut();
    void setShowAxes(bool on);
    void setShowSiltTrap(bool on);

    scene::Viewer& viewer() const { return *viewer_; }
    scene::Scene& scene() { return scene_; }
    scene::Node& node(SceneNodeId id) const { return *nodes_[static_cast<std::size_t>(id)]; }

private:
    void build();

    scene::Scene scene_;
    std::array<scene::Node*, kSceneNodeCount> nodes_{};
    bool showSiltTrap_ = false;
    scene::Viewer* viewer_ = nullptr;
};

}  // namespace varnholt
