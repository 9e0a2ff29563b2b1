#pragma once

#include <QColor>
#include <QImage>
#include <QMatrix4x4>
#include <QQuaternion>
#include <QVector3D>
#include <memory>
#include <string>
#include <vector>

#include "mesh_data.h"

namespace varnholt::scene {

// A two-sided material: each side's ambient, diffuse and emission colours are the same, so a
// surface shows at least its own colour whatever the light. Specular is black unless given.
// A see-through material (opacity below 1) is drawn after every solid; one that is not lit
// shows its own colour only.
struct Material {
    QVector3D front;
    QVector3D back;
    QVector3D frontSpecular;
    QVector3D backSpecular;
    float shininess = 16;
    float opacity = 1;
    bool lit = true;
};

enum class Axis { X, Y, Z };

// What a node draws. A group draws nothing of its own.
struct Shape {
    enum class Kind { Group, Box, Cylinder, Mesh, Plane } kind = Kind::Group;
    QVector3D extent{1, 1, 1};  // box
    Axis axis = Axis::Y;        // cylinder
    float radius = 0.5f;        // cylinder
    float length = 1;           // cylinder, along its axis
    std::shared_ptr<const MeshData> mesh;
    float planeSize = 1;  // plane: a square in x and z, facing up
    QImage texture;       // plane, or a mesh with texture coordinates
    float textureRepeats = 1;
};

// One object of the scene: its place in its parent, its orientation about its own centre, its
// visibility (a hidden node hides its children), its shape and material.
class Node {
public:
    explicit Node(std::string name, Shape shape = {}) : name_(std::move(name)), shape_(shape) {}
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    const std::string& name() const { return name_; }
    Shape& shape() { return shape_; }
    const Shape& shape() const { return shape_; }

    bool visible = true;
    QVector3D position;
    QQuaternion orientation;
    Material material;
    // Dotted lines along the node's own axes (groups show them for the whole group).
    bool showAxes = false;

    Node& add(std::unique_ptr<Node> child);
    Node& add(std::string name, Shape shape = {}) {
        return add(std::make_unique<Node>(std::move(name), std::move(shape)));
    }
    const std::vector<std::unique_ptr<Node>>& children() const { return children_; }
    Node* parent() const { return parent_; }

    QMatrix4x4 localMatrix() const;
    QMatrix4x4 worldMatrix() const;
    // Visible itself and through all its parents.
    bool shown() const;

private:
    std::string name_;
    Shape shape_;
    Node* parent_ = nullptr;
    std::vector<std::unique_ptr<Node>> children_;
};

Shape box(QVector3D extent);
Shape cylinder(Axis axis, float radius, float length);
Shape mesh(std::shared_ptr<const MeshData> data);
Shape texturedPlane(float size, QImage texture, float repeats);

// What the unit solid of a shape (a cube of side 1, a cylinder of radius 1 and length 1 along y,
// a square of side 1 facing up) is scaled and turned by to become that shape.
QMatrix4x4 shapeMatrix(const Shape& shape);

}  // namespace varnholt::scene
