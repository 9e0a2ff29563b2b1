#pragma once

#include <functional>
#include <string>

#include "design_record.h"
#include "drawing.h"
#include "elevation_canvas.h"
#include "scene_model.h"

namespace varnholt {

// The ring elevation: the top and bottom of the ring stack as two ellipses joined by side
// lines, an inner ellipse at each end for the wall, a hatched bottom when the base counts and
// a box around it when the granular surround does; 1 pixel of width is 10 mm of diameter and
// 100 pixels are a metre of depth. Also the 3D ring, its pipes and captions. The designer
// moves the drawing by its top and changes the diameter with the grip on its right.
class RingElevation : public RingView {
public:
    static constexpr int kMinimumWidth = 90;  // 900 mm, the smallest ring

    struct Shapes {
        Rect ringtop{384, 256, 193, 41};
        Rect ringbottom{384, 320, 193, 41};
        Rect shinringtop{400, 264, 161, 25};
        Rect shinringbot{400, 328, 161, 25};
        Rect ringgrip{568, 272, 17, 9};
        bool visible = true;          // the five shapes
        bool innerVisible = false;    // the inner ellipses are hidden until first shown
        Rgb colour = colours::black;  // every outline and the grip's fill
        Rgb bottomOutline = colours::black;
        bool hatchedBase = false;  // the bottom's fill: green cross-hatch, else white
        std::string hint;          // of the top ellipses
    };

    RingElevation(DesignRecord& record, SceneModel& scene, ElevationCanvas& canvas,
                  DrawingObserver* observer)
        : record_(record), scene_(scene), canvas_(canvas), observer_(observer) {}

    // The ring sizing of a dragged diameter (the variable ring design).
    void setVariableSizing(std::function<void()> ringcalcvariable) {
        ringcalcvariable_ = std::move(ringcalcvariable);
    }

    const Shapes& shapes() const { return shapes_; }

    void showring() override;
    void hidering() override;
    void ringboxtoviz() override;
    void mirrorring() override;
    void ringlines() override;
    void drawringbase() override;
    void diametermove() override;
    void depthmove() override;
    void ringoutbounds();
    void ringviztoboxdia();

    // Moving the drawing by the top ellipse or its inner ellipse; points are in the pressed
    // shape's own coordinates.
    void topPressed(Point at) { press_ = at; }
    void topMoved(Point at, bool leftHeld);
    void topReleased() { ringlines(); }
    // The diameter grip.
    void gripPressed(Point at) { press_ = at; }
    void gripMoved(Point at, bool leftHeld);
    void gripReleased();

private:
    void tell(std::string_view op) {
        if (observer_) observer_->operation(op);
    }
    void trace(Point from, Point to, Rgb colour) { canvas_.trace(from, to, colour); }
    void traceSurround();
    static int middle(const Rect& r) { return r.top + toPixel(r.height / 2.0); }

    DesignRecord& record_;
    SceneModel& scene_;
    ElevationCanvas& canvas_;
    DrawingObserver* observer_;
    std::function<void()> ringcalcvariable_;
    Shapes shapes_;
    Point press_;
};

}  // namespace varnholt
