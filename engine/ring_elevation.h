#pragma once

#include "design_record.h"
#include "drawing.h"
#include "scene_model.h"

namespace varnholt {

// The ring elevation and the 3D ring: carries the variable ring design into the drawing and
// the scene.
class RingElevation : public RingView {
public:
    RingElevation(DesignRecord& record, SceneModel& scene, DrawingObserver* observer)
        : record_(record), scene_(scene), observer_(observer) {}

    void showring() override;
    void hidering() override;
    void ringboxtoviz() override;
    void mirrorring() override;
    void ringlines() override;
    void drawringbase() override;
    void diametermove() override;
    void depthmove() override;

private:
    void tell(std::string_view op) {
        if (observer_) observer_->operation(op);
    }

    DesignRecord& record_;
    SceneModel& scene_;
    DrawingObserver* observer_;
};

}  // namespace varnholt
