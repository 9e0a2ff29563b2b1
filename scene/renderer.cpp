#include "renderer.h"

#include <algorithm>

#include "primitive_meshes.h"
#include "shader_sources.h"
#include "vertex_layout.h"

namespace varnholt::scene {

using vertex_layout::interleaved;
using vertex_layout::kFlatStride;
using vertex_layout::kLitStride;

Renderer::~Renderer() = default;

// Uniform locations are looked up once: asking the driver by name on every draw cost the
// software renderer more than the drawing.
int Renderer::location(QOpenGLShaderProgram& program, std::string_view name) {
    const auto key = std::make_pair(static_cast<const void*>(&program), name);
    auto found = uniforms_.find(key);
    if (found == uniforms_.end())
        found = uniforms_.emplace(key, program.uniformLocation(name.data())).first;
    return found->second;
}

QString Renderer::initialise() {
    initializeOpenGLFunctions();
    const auto build = [](QOpenGLShaderProgram& p, const char* vertex, const char* fragment,
                          std::initializer_list<const char*> attributes) {
        if (!p.addCacheableShaderFromSourceCode(QOpenGLShader::Vertex, vertex) ||
            !p.addCacheableShaderFromSourceCode(QOpenGLShader::Fragment, fragment))
            return p.log();
        int i = 0;
        for (const char* a : attributes) p.bindAttributeLocation(a, i++);
        return p.link() ? QString() : p.log();
    };
    QString problem = build(lit_, kLitVertex, kLitFragment, {"position", "normal", "texCoord"});
    if (problem.isEmpty())
        problem = build(flat_, kFlatVertex, kFlatFragment, {"position", "colour"});
    if (problem.isEmpty()) problem = build(sprite_, kSpriteVertex, kSpriteFragment, {"corner"});
    if (!problem.isEmpty()) return problem;
    // A core profile draws nothing without a vertex array object; older contexts need none.
    if (vao_.create()) vao_.bind();
    upload(cube_, interleaved(unitCube()), kLitStride);
    upload(cylinder_, interleaved(unitCylinder(32)), kLitStride);
    upload(plane_, interleaved(unitPlane()), kLitStride);
    upload(quad_, {-1, -1, 1, -1, 1, 1, -1, -1, 1, 1, -1, 1}, 2);
    ready_ = true;
    return {};
}

void Renderer::release() {
    cube_.buffer.destroy();
    cylinder_.buffer.destroy();
    plane_.buffer.destroy();
    sky_.buffer.destroy();
    lines_.buffer.destroy();
    quad_.buffer.destroy();
    meshes_.clear();
    textures_.clear();
    captions_.clear();
    uniforms_.clear();
    vao_.destroy();
    ready_ = false;
}

void Renderer::upload(Geometry& g, const std::vector<float>& interleaved, int floatsPerVertex) {
    if (!g.buffer.isCreated()) g.buffer.create();
    g.buffer.bind();
    g.buffer.allocate(interleaved.data(), int(interleaved.size() * sizeof(float)));
    g.buffer.release();
    g.vertexCount = int(interleaved.size()) / floatsPerVertex;
}

void Renderer::render(const Scene& scene, QSize pixels, QSizeF logical, double dotsPerInch) {
    if (!ready_) return;
    if (vao_.isCreated()) vao_.bind();
    glViewport(0, 0, pixels.width(), pixels.height());
    const QColor bg = scene.background;
    glClearColor(float(bg.redF()), float(bg.greenF()), float(bg.blueF()), 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    dropUnusedMeshes();

    const Frustum frustum = scene.camera.frustum(logical, dotsPerInch);
    const QMatrix4x4 projection = frustum.matrix();
    const QMatrix4x4 viewProjection = projection * scene.camera.viewMatrix();
    if (scene.sky.enabled) drawSky(scene, projection, frustum.nearPlane);

    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LESS);
    glDisable(GL_CULL_FACE);
    // One program for all the solids of the frame: switching costs more than drawing them.
    lit_.bind();
    set(lit_, "lightPosition", scene.light.position);
    set(lit_, "lightDiffuse", scene.light.diffuse);
    set(lit_, "lightSpecular", scene.light.specular);
    set(lit_, "eyePosition", scene.camera.position);
    for (int i = 0; i < 3; ++i) lit_.enableAttributeArray(i);
    drawNode(scene.root, QMatrix4x4(), viewProjection, false);
    // See-through surfaces over the solids, which show through them; they hide nothing.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    drawNode(scene.root, QMatrix4x4(), viewProjection, true);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    for (int i = 0; i < 3; ++i) lit_.disableAttributeArray(i);
    lit_.release();
    drawAxes(scene.root, QMatrix4x4(), scene, viewProjection);
    if (scene.light.flare) drawFlare(scene, viewProjection, logical);
    glDisable(GL_DEPTH_TEST);
    drawCaptions(scene, logical, double(pixels.width()) / std::max(1.0, logical.width()));
    if (vao_.isCreated()) vao_.release();
}

void Renderer::drawSky(const Scene& scene, const QMatrix4x4& projection, float nearPlane) {
    if (sky_.vertexCount == 0) upload(sky_, interleaved(skyDome(scene.sky, 32)), kFlatStride);
    // Only the camera's turn: the dome is centred on the camera wherever it goes, and sits
    // inside the far plane.
    QMatrix4x4 view = scene.camera.viewMatrix();
    view.setColumn(3, QVector4D(0, 0, 0, 1));
    const float radius = 0.9f * (nearPlane + scene.camera.depthOfView);
    QMatrix4x4 model;
    model.scale(radius);
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    flat_.bind();
    set(flat_, "modelViewProjection", projection * view * model);
    set(flat_, "stippleAxis", 0);
    sky_.buffer.bind();
    flat_.enableAttributeArray(0);
    flat_.enableAttributeArray(1);
    flat_.setAttributeBuffer(0, GL_FLOAT, 0, 3, kFlatStride * sizeof(float));
    flat_.setAttributeBuffer(1, GL_FLOAT, 3 * sizeof(float), 3, kFlatStride * sizeof(float));
    glDrawArrays(GL_TRIANGLES, 0, sky_.vertexCount);
    flat_.disableAttributeArray(0);
    flat_.disableAttributeArray(1);
    sky_.buffer.release();
    flat_.release();
    glDepthMask(GL_TRUE);
}

void Renderer::drawNode(const Node& node, const QMatrix4x4& parentWorld,
                        const QMatrix4x4& viewProjection, bool seeThrough) {
    if (!node.visible) return;
    const QMatrix4x4 world = parentWorld * node.localMatrix();
    if (node.shape().kind != Shape::Kind::Group && (node.material.opacity < 1) == seeThrough)
        drawShape(node.shape(), world, node.material, viewProjection);
    for (const auto& child : node.children()) drawNode(*child, world, viewProjection, seeThrough);
}

void Renderer::drawShape(const Shape& shape, const QMatrix4x4& world, const Material& material,
                         const QMatrix4x4& viewProjection) {
    Geometry* g = nullptr;
    switch (shape.kind) {
        case Shape::Kind::Box:
            g = &cube_;
            break;
        case Shape::Kind::Cylinder:
            g = &cylinder_;
            break;
        case Shape::Kind::Plane:
            g = &plane_;
            break;
        case Shape::Kind::Mesh:
            if (!shape.mesh || shape.mesh->positions.empty()) return;
            g = &meshGeometry(shape.mesh);
            break;
        case Shape::Kind::Group:
            return;
    }
    const QMatrix4x4 model = world * shapeMatrix(shape);
    set(lit_, "model", model);
    set(lit_, "modelViewProjection", viewProjection * model);
    set(lit_, "normalMatrix", model.normalMatrix());
    set(lit_, "frontColour", material.front);
    set(lit_, "backColour", material.back);
    set(lit_, "frontSpecular", material.frontSpecular);
    set(lit_, "backSpecular", material.backSpecular);
    set(lit_, "shininess", material.shininess);
    set(lit_, "opacity", material.opacity);
    set(lit_, "shaded", material.lit);
    const bool texturable = shape.kind == Shape::Kind::Plane || shape.kind == Shape::Kind::Mesh;
    QOpenGLTexture* texture =
        texturable && !shape.texture.isNull() ? textureFor(shape.texture) : nullptr;
    set(lit_, "textured", texture != nullptr);
    set(lit_, "textureRepeats", shape.textureRepeats);
    if (texture) {
        texture->bind(0);
        set(lit_, "texture0", 0);
    }
    g->buffer.bind();
    lit_.setAttributeBuffer(0, GL_FLOAT, 0, 3, kLitStride * sizeof(float));
    lit_.setAttributeBuffer(1, GL_FLOAT, 3 * sizeof(float), 3, kLitStride * sizeof(float));
    lit_.setAttributeBuffer(2, GL_FLOAT, 6 * sizeof(float), 2, kLitStride * sizeof(float));
    glDrawArrays(GL_TRIANGLES, 0, g->vertexCount);
    g->buffer.release();
    if (texture) texture->release(0);
}

// A mesh that only this cache still holds has been replaced (a resized ground, say): its
// buffer goes with it, so that a drag that rebuilds a mesh on every step does not pile them up.
void Renderer::dropUnusedMeshes() {
    std::erase_if(meshes_, [](const auto& entry) { return entry.second.first.use_count() == 1; });
}

Renderer::Geometry& Renderer::meshGeometry(const std::shared_ptr<const MeshData>& mesh) {
    auto& entry = meshes_[mesh.get()];
    if (!entry.second) {
        entry.first = mesh;
        entry.second = std::make_unique<Geometry>();
        upload(*entry.second, interleaved(*mesh), kLitStride);
    }
    return *entry.second;
}

QOpenGLTexture* Renderer::textureFor(const QImage& image) {
    auto& t = textures_[image.cacheKey()];
    if (!t) {
        t = std::make_unique<QOpenGLTexture>(image.mirrored());
        t->setWrapMode(QOpenGLTexture::Repeat);
        t->setMinMagFilters(QOpenGLTexture::LinearMipMapLinear, QOpenGLTexture::Linear);
    }
    return t.get();
}

}  // namespace varnholt::scene
