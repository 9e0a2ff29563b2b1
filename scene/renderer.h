#pragma once

#include <QOpenGLBuffer>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QOpenGLTexture>
#include <QOpenGLVertexArrayObject>
#include <QSize>
#include <QString>
#include <map>
#include <memory>
#include <string_view>
#include <utility>

#include "scene.h"

namespace varnholt::scene {

// Draws a scene with the current OpenGL context: shaders for OpenGL 2.1 and later, vertex
// buffers only, so that nothing needs the old fixed-function pipeline.
class Renderer : protected QOpenGLFunctions {
public:
    Renderer() = default;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;
    ~Renderer();

    // With the context current. Returns an empty string, or what the context lacks.
    QString initialise();
    // `pixels` in device pixels, `logical` the view's size in the window's own pixels.
    void render(const Scene& scene, QSize pixels, QSizeF logical, double dotsPerInch);
    // With the context current, before it goes.
    void release();

private:
    struct Geometry {
        QOpenGLBuffer buffer{QOpenGLBuffer::VertexBuffer};
        int vertexCount = 0;
    };
    void upload(Geometry& g, const std::vector<float>& interleaved, int floatsPerVertex);
    void drawSky(const Scene& scene, const QMatrix4x4& projection, float nearPlane);
    // The solids, or the see-through surfaces.
    void drawNode(const Node& node, const QMatrix4x4& parentWorld, const QMatrix4x4& viewProjection,
                  bool seeThrough);
    void drawShape(const Shape& shape, const QMatrix4x4& model, const Material& material,
                   const QMatrix4x4& viewProjection);
    // Over the solids, in renderer_overlays.cpp.
    void drawAxes(const Node& node, const QMatrix4x4& parentWorld, const Scene& scene,
                  const QMatrix4x4& viewProjection);
    void drawAxesOf(const QMatrix4x4& world, const Scene& scene, const QMatrix4x4& viewProjection);
    void drawFlare(const Scene& scene, const QMatrix4x4& viewProjection, QSizeF logical);
    void drawCaptions(const Scene& scene, QSizeF logical, double pixelRatio);
    int location(QOpenGLShaderProgram& program, std::string_view name);
    template <typename T>
    void set(QOpenGLShaderProgram& program, std::string_view name, const T& value) {
        program.setUniformValue(location(program, name), value);
    }
    Geometry& meshGeometry(const std::shared_ptr<const MeshData>& mesh);
    void dropUnusedMeshes();
    QOpenGLTexture* textureFor(const QImage& image);

    QOpenGLShaderProgram lit_;
    QOpenGLShaderProgram flat_;
    QOpenGLShaderProgram sprite_;
    QOpenGLVertexArrayObject vao_;
    Geometry cube_, cylinder_, plane_, sky_, lines_, quad_;
    // Held by the cache as well, so that no other mesh can come to live at the same address.
    std::map<const MeshData*, std::pair<std::shared_ptr<const MeshData>, std::unique_ptr<Geometry>>>
        meshes_;
    std::map<qint64, std::unique_ptr<QOpenGLTexture>> textures_;
    struct CaptionPicture {
        QString text;
        double pixelRatio = 1;
        QSize size;
        std::unique_ptr<QOpenGLTexture> texture;
    };
    std::vector<CaptionPicture> captions_;
    // Names are string literals, which live as long as the program.
    std::map<std::pair<const void*, std::string_view>, int> uniforms_;
    bool ready_ = false;
};

}  // namespace varnholt::scene
