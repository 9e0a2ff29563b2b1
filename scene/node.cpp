#include "node.h"

namespace varnholt::scene {

Node& Node::add(std::unique_ptr<Node> child) {
    child->parent_ = this;
    children_.push_back(std::move(child));
    return *children_.back();
}

QMatrix4x4 Node::localMatrix() const {
    QMatrix4x4 m;
    m.translate(position);
    m.rotate(orientation);
    return m;
}

QMatrix4x4 Node::worldMatrix() const {
    return parent_ ? parent_->worldMatrix() * localMatrix() : localMatrix();
}

bool Node::shown() const {
    return visible && (!parent_ || parent_->shown());
}

Shape box(QVector3D extent) {
    Shape s;
    s.kind = Shape::Kind::Box;
    s.extent = extent;
    return s;
}

Shape cylinder(Axis axis, float radius, float length) {
    Shape s;
    s.kind = Shape::Kind::Cylinder;
    s.axis = axis;
    s.radius = radius;
    s.length = length;
    return s;
}

Shape mesh(std::shared_ptr<const MeshData> data) {
    Shape s;
    s.kind = Shape::Kind::Mesh;
    s.mesh = std::move(data);
    return s;
}

Shape texturedPlane(float size, QImage texture, float repeats) {
    Shape s;
    s.kind = Shape::Kind::Plane;
    s.planeSize = size;
    s.texture = std::move(texture);
    s.textureRepeats = repeats;
    return s;
}

QMatrix4x4 shapeMatrix(const Shape& s) {
    QMatrix4x4 m;
    switch (s.kind) {
        case Shape::Kind::Box:
            m.scale(s.extent);
            break;
        case Shape::Kind::Cylinder:
            if (s.axis == Axis::X) m.rotate(-90, 0, 0, 1);
            if (s.axis == Axis::Z) m.rotate(90, 1, 0, 0);
            m.scale(s.radius, s.length, s.radius);
            break;
        case Shape::Kind::Plane:
            m.scale(s.planeSize, 1, s.planeSize);
            break;
        default:
            break;
    }
    return m;
}

}  // namespace varnholt::scene
