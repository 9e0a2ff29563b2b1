#pragma once

#include "design_record.h"
#include "drawing.h"
#include "scene_model.h"

namespace varnholt {

// The trench elevation and the 3D trench: carries the trench fields into the drawing and the
// scene, and shows the notices that go with the drawing (the warning, "Base Included").
class TrenchElevation : public TrenchView {
public:
    TrenchElevation(DesignRecord& record, SceneModel& scene, DrawingObserver* observer)
        : record_(record), scene_(scene), observer_(observer) {}

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

private:
    void tell(std::string_view op) {
        if (observer_) observer_->operation(op);
    }
    bool overLimit() const;

    DesignRecord& record_;
    SceneModel& scene_;
    DrawingObserver* observer_;
};

}  // namespace varnholt
