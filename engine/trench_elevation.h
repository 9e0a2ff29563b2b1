#pragma once

#include <string>
#include <vector>

#include "design_record.h"
#include "drawing.h"
#include "elevation_canvas.h"
#include "scene_model.h"

namespace varnholt {

// The trench elevation: one rectangle, the trench's cross-section at 100 pixels per metre,
// with a handle on its top edge for the depth and one on its right edge for the width; and
// the 3D trench objects with their captions. It carries the trench fields into the drawing and
// the scene, and the designer's drags back into the fields.
class TrenchElevation : public TrenchView {
public:
    static constexpr int kMinimumSide = 15;

    struct Shapes {
        Rect face{288, 340, 105, 69};     // shfront
        Rect depthGrip{336, 332, 9, 17};  // frontgrip1
        Rect widthGrip{384, 368, 17, 9};  // frontgrip2
        bool visible = true;
        Rgb colour = colours::black;  // outline of the face, fill of both handles
        std::string hint;             // of the face
    };

    TrenchElevation(DesignRecord& record, SceneModel& scene, ElevationCanvas& canvas,
                    DrawingObserver* observer)
        : record_(record), scene_(scene), canvas_(canvas), observer_(observer) {}

    const Shapes& shapes() const { return shapes_; }

    // With crates, the joints between the units as the cross-section shows them: a vertical
    // line at each unit width across and a horizontal one at each layer up, inside the face.
    // None with gravel, or while the trench is hidden.
    struct Joint {
        Point from, to;
    };
    std::vector<Joint> crateJoints() const;

    void boxtovizwidth() override;
    void boxtovizdepth() override;
    void boxtovizlength() override;
    void showtrench() override;
    void hidetrench() override;
    void blacklines() override;
    void drawbase() override;
    void drawsides() override;
    void widthmove() override;
    void lengthmove() override;
    void heightmove() override;
    void outbounds();
    void viztoboxwidth();
    void viztoboxdepth();

    // The three drags. Points are in the pressed shape's own coordinates; `leftHeld` says that
    // the left button pressed on that shape is still down.
    void facePressed(Point at);
    void faceMoved(Point at, bool leftHeld);
    void faceReleased() { blacklines(); }
    void depthGripPressed(Point at);
    void depthGripMoved(Point at, bool leftHeld);
    void depthGripReleased() { blacklines(); }
    void widthGripPressed(Point at) { press_ = at; }
    void widthGripMoved(Point at, bool leftHeld);
    void widthGripReleased();

private:
    void tell(std::string_view op) {
        if (observer_) observer_->operation(op);
    }
    bool overLimit() const;
    void setFaceWidth(int width);
    void setFaceHeight(int height);
    void trace(Point from, Point to) { canvas_.trace(from, to, record_.outlinecolour); }

    DesignRecord& record_;
    SceneModel& scene_;
    ElevationCanvas& canvas_;
    DrawingObserver* observer_;
    Shapes shapes_;
    Point press_;
    int pressBottom_ = 0;
};

}  // namespace varnholt
