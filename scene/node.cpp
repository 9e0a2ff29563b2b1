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

bool Node::shown() const { return visible && (!parent_ || parent_->shown()); }

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

}  // namespace varnholt::scene
