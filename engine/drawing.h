#pragma once

#include <string_view>

namespace varnholt {

// What the recalculation asks of the trench drawing: the elevation face with its handles and
// the 3D trench objects with their captions. Named as the program names the operations.
class TrenchView {
public:
    virtual ~TrenchView() = default;
    virtual void boxtovizwidth() = 0;
    virtual void boxtovizdepth() = 0;
    virtual void boxtovizlength() = 0;
    virtual void showtrench() = 0;
    virtual void hidetrench() = 0;
    virtual void blacklines() = 0;
    virtual void drawbase() = 0;
    virtual void drawsides() = 0;
    virtual void widthmove() = 0;
    virtual void lengthmove() = 0;
    virtual void heightmove() = 0;
};

// What the ring sizing asks of the ring drawing and the 3D ring.
class RingView {
public:
    virtual ~RingView() = default;
    virtual void showring() = 0;
    virtual void hidering() = 0;
    virtual void ringboxtoviz() = 0;
    virtual void mirrorring() = 0;
    virtual void ringlines() = 0;
    virtual void drawringbase() = 0;
    virtual void diametermove() = 0;
    virtual void depthmove() = 0;
};

// Told of every drawing operation as it starts, so that the tests can check the order of the
// calls.
class DrawingObserver {
public:
    virtual ~DrawingObserver() = default;
    virtual void operation(std::string_view name) = 0;
};

}  // namespace varnholt
