#include "text_mesh.h"

#include <GL/glu.h>

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <cmath>
#include <deque>
#include <memory>
#include <utility>

namespace varnholt::scene {
namespace {

// Outlines are taken at this size in pixels; their curves are flattened to within half a pixel,
// under half a percent of the letter height.
constexpr qreal kOutlinePixels = 128;

using Point = std::array<GLdouble, 3>;  // the tessellator's vertex, z always 0
using Contour = std::vector<const Point*>;

struct Outlines {
    std::deque<Point> points;  // a deque: the tessellator holds on to their addresses
    std::vector<Contour> contours;
    double unit = 1;  // one outline pixel in scene units
};

// The text's flattened contours in scene units: y up, the ink centred on x = 0.
Outlines outlines(const QString& text, const QFont& font, float height) {
    QFont outlineFont(font);
    outlineFont.setPixelSize(static_cast<int>(kOutlinePixels));
    outlineFont.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, outlineFont, text);

    Outlines out;
    const qreal ascent = QFontMetricsF(outlineFont).ascent();
    out.unit = ascent > 0 ? height / ascent : 0;
    const double centre = path.boundingRect().center().x();
    for (const QPolygonF& polygon : path.toSubpathPolygons()) {
        Contour contour;
        for (const QPointF& p : polygon) {
            const Point point{(p.x() - centre) * out.unit, -p.y() * out.unit, 0};
            // A repeated point (the closing one above all) would be a wall without width.
            if (!contour.empty() && *contour.back() == point) continue;
            out.points.push_back(point);
            contour.push_back(&out.points.back());
        }
        while (contour.size() > 1 && *contour.front() == *contour.back()) contour.pop_back();
        if (contour.size() >= 3) out.contours.push_back(std::move(contour));
    }
    return out;
}

// What the tessellator hands back: three corners per triangle.
struct Triangles {
    std::deque<Point>* points;
    std::vector<const Point*> corners;
    bool failed = false;
};

void GLAPIENTRY onBegin(GLenum, void*) {}  // always GL_TRIANGLES: an edge-flag callback is set
void GLAPIENTRY onEdgeFlag(GLboolean, void*) {}
void GLAPIENTRY onEnd(void*) {}
void GLAPIENTRY onVertex(void* vertex, void* triangles) {
    static_cast<Triangles*>(triangles)->corners.push_back(static_cast<const Point*>(vertex));
}
// Where contours cross (touching or overlapping letters) the tessellator needs a new point.
void GLAPIENTRY onCombine(GLdouble coords[3], void* [4], GLfloat[4], void** made, void* triangles) {
    auto* t = static_cast<Triangles*>(triangles);
    t->points->push_back({coords[0], coords[1], coords[2]});
    *made = &t->points->back();
}
void GLAPIENTRY onError(GLenum, void* triangles) {
    static_cast<Triangles*>(triangles)->failed = true;
}

template <typename F>
_GLUfuncptr callback(F* f) {
    return reinterpret_cast<_GLUfuncptr>(f);
}

// The filled region as triangles, counter-clockwise seen from +z.
Triangles tessellate(Outlines& o) {
    Triangles t{&o.points, {}, false};
    std::unique_ptr<GLUtesselator, void (*)(GLUtesselator*)> tess(gluNewTess(), gluDeleteTess);
    if (!tess) return {&o.points, {}, true};
    gluTessProperty(tess.get(), GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_ODD);
    gluTessNormal(tess.get(), 0, 0, 1);
    gluTessCallback(tess.get(), GLU_TESS_BEGIN_DATA, callback(&onBegin));
    gluTessCallback(tess.get(), GLU_TESS_EDGE_FLAG_DATA, callback(&onEdgeFlag));
    gluTessCallback(tess.get(), GLU_TESS_END_DATA, callback(&onEnd));
    gluTessCallback(tess.get(), GLU_TESS_VERTEX_DATA, callback(&onVertex));
    gluTessCallback(tess.get(), GLU_TESS_COMBINE_DATA, callback(&onCombine));
    gluTessCallback(tess.get(), GLU_TESS_ERROR_DATA, callback(&onError));
    gluTessBeginPolygon(tess.get(), &t);
    for (const Contour& contour : o.contours) {
        gluTessBeginContour(tess.get());
        for (const Point* p : contour)
            gluTessVertex(tess.get(), const_cast<GLdouble*>(p->data()), const_cast<Point*>(p));
        gluTessEndContour(tess.get());
    }
    gluTessEndPolygon(tess.get());
    t.corners.resize(t.corners.size() - t.corners.size() % 3);

    // The tessellator turns all triangles the same way; which way is not promised, so the
    // whole set is turned if needed rather than each sliver judged by its own tiny area.
    double area = 0;
    for (std::size_t i = 0; i < t.corners.size(); i += 3) {
        const Point &a = *t.corners[i], &b = *t.corners[i + 1], &c = *t.corners[i + 2];
        area += (b[0] - a[0]) * (c[1] - a[1]) - (c[0] - a[0]) * (b[1] - a[1]);
    }
    if (area < 0)
        for (std::size_t i = 0; i < t.corners.size(); i += 3)
            std::swap(t.corners[i + 1], t.corners[i + 2]);
    return t;
}

// Whether `x, y` lies in the filled region by the odd winding rule.
bool filled(const std::vector<Contour>& contours, double x, double y) {
    bool inside = false;
    for (const Contour& c : contours) {
        for (std::size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
            const Point &p = *c[i], &q = *c[j];
            if ((p[1] > y) != (q[1] > y) && x < p[0] + (y - p[1]) * (q[0] - p[0]) / (q[1] - p[1]))
                inside = !inside;
        }
    }
    return inside;
}

class MeshBuilder {
public:
    explicit MeshBuilder(float depth) : front_(depth / 2), back_(-depth / 2) {}

    void triangle(const QVector3D& a, const QVector3D& b, const QVector3D& c,
                  const QVector3D& normal) {
        for (const QVector3D& p : {a, b, c}) {
            mesh_.positions.push_back(p);
            mesh_.normals.push_back(normal);
        }
    }
    QVector3D front(const Point& p) const { return at(p, front_); }
    QVector3D back(const Point& p) const { return at(p, back_); }
    MeshData take() { return std::move(mesh_); }

private:
    static QVector3D at(const Point& p, float z) {
        return QVector3D(static_cast<float>(p[0]), static_cast<float>(p[1]), z);
    }
    float front_, back_;
    MeshData mesh_;
};

}  // namespace

MeshData extrudeText(const QString& text, const QFont& font, float height, float depth) {
    Outlines o = outlines(text, font, height);
    if (o.contours.empty()) return {};
    const Triangles caps = tessellate(o);
    if (caps.failed) return {};

    MeshBuilder mesh(depth);
    const QVector3D towardsViewer(0, 0, 1);
    for (std::size_t i = 0; i < caps.corners.size(); i += 3) {
        const Point &a = *caps.corners[i], &b = *caps.corners[i + 1], &c = *caps.corners[i + 2];
        mesh.triangle(mesh.front(a), mesh.front(b), mesh.front(c), towardsViewer);
        mesh.triangle(mesh.back(a), mesh.back(c), mesh.back(b), -towardsViewer);
    }

    // Each wall faces away from the filled side of its edge. That side is probed rather than
    // read from the contour's direction, which fonts do not agree on.
    const double probe = 0.01 * o.unit;
    for (const Contour& contour : o.contours) {
        for (std::size_t i = 0; i < contour.size(); ++i) {
            const Point* a = contour[i];
            const Point* b = contour[(i + 1) % contour.size()];
            const double dx = (*b)[0] - (*a)[0], dy = (*b)[1] - (*a)[1];
            const double length = std::hypot(dx, dy);
            if (length == 0) continue;
            const double midX = ((*a)[0] + (*b)[0]) / 2, midY = ((*a)[1] + (*b)[1]) / 2;
            const bool leftFilled =
                filled(o.contours, midX - dy / length * probe, midY + dx / length * probe);
            if (!leftFilled) std::swap(a, b);  // now the filled side is on the left of a to b
            const double side = leftFilled ? 1 : -1;
            // Normalised in double: QVector3D::normalized() gives up on short edges.
            const QVector3D n(static_cast<float>(side * dy / length),
                              static_cast<float>(-side * dx / length), 0);
            mesh.triangle(mesh.back(*a), mesh.back(*b), mesh.front(*b), n);
            mesh.triangle(mesh.back(*a), mesh.front(*b), mesh.front(*a), n);
        }
    }
    return mesh.take();
}

}  // namespace varnholt::scene
