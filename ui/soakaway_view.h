#pragma once

#include <QVector3D>
#include <QWidget>
#include <array>
#include <vector>

#include "engine/scene_model.h"
#include "scene/scene.h"

namespace varnholt {

namespace scene {
class Viewer;
}

// GLSceneViewer1: the soakaway in 3D under its sky, sunk in a see-through ground with a 1 m grid.
// The design's scene model says what shows where; the camera, the turn of the trench box, the
// pan of the trench group, the scale and the two display switches are this view's own and last
// for the run. Fit View moves the camera along its line of sight until the soakaway on show
// fills the view below the captions; the view does so by itself once for the first design
// that can be drawn and once for each project opened.
class SoakawayView : public QWidget {
    Q_OBJECT
public:
    // The focal length that gives the view its angle of about 40° across 322 pixels.
    static constexpr float kFocalLength = 58.014976501464844f;
    static constexpr float kZoomStep = 0.02f;
    // Pixels left clear between the soakaway and the view's edges (and the captions) by a fit.
    static constexpr int kFitBorder = 16;
    // The ground is the earth that shows below the horizon, seen through this much where it
    // lies over the soakaway.
    static constexpr float kGroundOpacity = 0.6f;

    explicit SoakawayView(QWidget* parent = nullptr);
    ~SoakawayView() override;

    // Takes the design's objects, sizes, visibility and captions.
    void showDesign(const SceneModel& model);

    void zoomIn();
    void zoomOut();
    // Fit View. Nothing happens while no soakaway shows.
    void fitView();
    // Fits the view once a soakaway shows: now, if one does, or else when the design first
    // becomes drawable.
    void fitWhenDrawable();
    void setShowAxes(bool on);
    void setShowSiltTrap(bool on);

    scene::Viewer& viewer() const { return *viewer_; }
    scene::Scene& scene() { return scene_; }
    scene::Node& node(SceneNodeId id) const { return *nodes_[static_cast<std::size_t>(id)]; }

    // The corners of the boxes round every shown object of the soakaway on show.
    std::vector<QVector3D> shownCorners() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void build();
    void placeGround();
    void placeCrateJoints(const std::array<long long, 3>& units);
    bool fitNow();
    void fitLater();

    scene::Scene scene_;
    std::array<scene::Node*, kSceneNodeCount> nodes_{};
    bool showSiltTrap_ = false;
    // Thin slabs through the trench box at the crate units' joints, whose edges show on its
    // faces as lines; kept for reuse, the ones not needed hidden.
    std::vector<scene::Node*> jointSlabs_;
    bool fitPending_ = true;
    // The ground under each group, with what its mesh was last made for.
    struct Ground {
        scene::Node* node = nullptr;
        std::array<float, 5> madeFor{};
    };
    Ground trenchGround_, ringGround_;
    scene::Viewer* viewer_ = nullptr;
};

}  // namespace varnholt
