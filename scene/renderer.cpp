#include "renderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtMath>
#include <cmath>

namespace varnholt::scene {

namespace {

// Position, normal, texture coordinate.
constexpr int kLitStride = 8;
// Position, colour.
constexpr int kFlatStride = 6;

const char* kLitVertex = R"(#version 120
attribute vec3 position;
attribute vec3 normal;
attribute vec2 texCoord;
uniform mat4 modelViewProjection;
uniform mat4 model;
uniform mat3 normalMatrix;
uniform float textureRepeats;
varying vec3 worldPosition;
varying vec3 worldNormal;
varying vec2 uv;
void main() {
    worldPosition = (model * vec4(position, 1.0)).xyz;
    worldNormal = normalMatrix * normal;
    uv = texCoord * textureRepeats;
    gl_Position = modelViewProjection * vec4(position, 1.0);
}
)";

// Emission, ambient and diffuse share one colour per side; the light adds its diffuse and
// specular share on top, so nothing is ever darker than its own colour.
const char* kLitFragment = R"(#version 120
uniform float opacity;
uniform bool shaded;
uniform vec3 frontColour;
uniform vec3 backColour;
uniform vec3 frontSpecular;
uniform vec3 backSpecular;
uniform float shininess;
uniform vec3 lightPosition;
uniform vec3 lightDiffuse;
uniform vec3 lightSpecular;
uniform vec3 eyePosition;
uniform bool textured;
uniform sampler2D texture0;
varying vec3 worldPosition;
varying vec3 worldNormal;
varying vec2 uv;
void main() {
    vec3 n = normalize(worldNormal);
    vec3 colour = frontColour;
    vec3 specular = frontSpecular;
    if (!gl_FrontFacing) {
        n = -n;
        colour = backColour;
        specular = backSpecular;
    }
    if (textured) colour = texture2D(texture0, uv).rgb;
    if (!shaded) {
        gl_FragColor = vec4(colour, opacity);
        return;
    }
    vec3 toLight = normalize(lightPosition - worldPosition);
    float diffuse = max(dot(n, toLight), 0.0);
    vec3 result = colour + colour * lightDiffuse * diffuse;
    if (diffuse > 0.0) {
        vec3 halfway = normalize(toLight + normalize(eyePosition - worldPosition));
        result += specular * lightSpecular * pow(max(dot(n, halfway), 0.0), shininess);
    }
    gl_FragColor = vec4(min(result, vec3(1.0)), opacity);
}
)";

const char* kFlatVertex = R"(#version 120
attribute vec3 position;
attribute vec3 colour;
uniform mat4 modelViewProjection;
varying vec3 fragmentColour;
void main() {
    fragmentColour = colour;
    gl_Position = modelViewProjection * vec4(position, 1.0);
}
)";

// Dotted lines count pixels along the line's major screen axis, as line stipple did: pattern
// 0xCCCC at factor 1 is two pixels off, two on.
const char* kFlatFragment = R"(#version 120
uniform int stippleAxis;
varying vec3 fragmentColour;
void main() {
    if (stippleAxis != 0) {
        float along = stippleAxis == 1 ? gl_FragCoord.x : gl_FragCoord.y;
        if (mod(floor(along), 4.0) < 2.0) discard;
    }
    gl_FragColor = vec4(fragmentColour, 1.0);
}
)";

// Quads fixed to the view: the flare's glows and rings, added to the picture, and captions,
// whose white glyphs are tinted with their colour.
const char* kSpriteVertex = R"(#version 120
attribute vec2 corner;
uniform vec2 centre;
uniform vec2 radius;
varying vec2 offset;
void main() {
    offset = corner;
    gl_Position = vec4(centre + corner * radius, 0.0, 1.0);
}
)";

const char* kSpriteFragment = R"(#version 120
uniform bool glyphs;
uniform sampler2D texture0;
uniform vec3 colour;
uniform float ring;
varying vec2 offset;
void main() {
    if (glyphs) {
        float ink = texture2D(texture0, vec2(offset.x * 0.5 + 0.5, 0.5 - offset.y * 0.5)).a;
        gl_FragColor = vec4(colour * ink, ink);
        return;
    }
    float d = length(offset);
    float glow = ring > 0.0 ? max(0.0, 1.0 - abs(d - ring) * 8.0) : pow(max(0.0, 1.0 - d), 2.0);
    gl_FragColor = vec4(colour * glow, 1.0);
}
)";

void push(std::vector<float>& v, QVector3D p, QVector3D n, QVector2D t = {}) {
    v.insert(v.end(), {p.x(), p.y(), p.z(), n.x(), n.y(), n.z(), t.x(), t.y()});
}

// A cube of side 1 about the origin.
std::vector<float> unitCube() {
    std::vector<float> v;
    const QVector3D normals[] = {{1, 0, 0},  {-1, 0, 0}, {0, 1, 0},
                                 {0, -1, 0}, {0, 0, 1},  {0, 0, -1}};
    for (QVector3D n : normals) {
        // Two axes across the face, so that u × w = n keeps the corners counter-clockwise.
        QVector3D u = std::abs(n.y()) > 0 ? QVector3D(0, 0, 1) : QVector3D(0, 1, 0);
        u *= 1;
        QVector3D w = QVector3D::crossProduct(n, u);
        u = QVector3D::crossProduct(w, n);
        const QVector3D c = n * 0.5f;
        const QVector3D a = c - u * 0.5f - w * 0.5f, b = c + u * 0.5f - w * 0.5f,
                        d = c + u * 0.5f + w * 0.5f, e = c - u * 0.5f + w * 0.5f;
        for (QVector3D p : {a, b, d, a, d, e}) push(v, p, n);
    }
    return v;
}

// A cylinder of radius 1 and length 1 along y about the origin, closed at both ends.
std::vector<float> unitCylinder(int slices) {
    std::vector<float> v;
    for (int i = 0; i < slices; ++i) {
        const double a0 = 2 * M_PI * i / slices, a1 = 2 * M_PI * (i + 1) / slices;
        const QVector3D r0(float(std::sin(a0)), 0, float(std::cos(a0)));
        const QVector3D r1(float(std::sin(a1)), 0, float(std::cos(a1)));
        const QVector3D up(0, 0.5f, 0);
        push(v, r0 - up, r0);
        push(v, r1 - up, r1);
        push(v, r1 + up, r1);
        push(v, r0 - up, r0);
        push(v, r1 + up, r1);
        push(v, r0 + up, r0);
        push(v, up, {0, 1, 0});
        push(v, r0 + up, {0, 1, 0});
        push(v, r1 + up, {0, 1, 0});
        push(v, -up, {0, -1, 0});
        push(v, r1 - up, {0, -1, 0});
        push(v, r0 - up, {0, -1, 0});
    }
    return v;
}

// A square of side 1 in x and z facing up, its texture repeated once.
std::vector<float> unitPlane() {
    std::vector<float> v;
    const QVector3D n(0, 1, 0);
    push(v, {-0.5f, 0, 0.5f}, n, {0, 0});
    push(v, {0.5f, 0, 0.5f}, n, {1, 0});
    push(v, {0.5f, 0, -0.5f}, n, {1, 1});
    push(v, {-0.5f, 0, 0.5f}, n, {0, 0});
    push(v, {0.5f, 0, -0.5f}, n, {1, 1});
    push(v, {-0.5f, 0, -0.5f}, n, {0, 1});
    return v;
}

void pushFlat(std::vector<float>& v, QVector3D p, QVector3D c) {
    v.insert(v.end(), {p.x(), p.y(), p.z(), c.x(), c.y(), c.z()});
}

// The dome of radius 1: one band of stacks from the horizon to the band's top, graded, then
// plain stacks up to the zenith.
std::vector<float> skyDome(const SkyDome& sky, int slices) {
    std::vector<float> v;
    std::vector<std::pair<double, QVector3D>> rings{{0.0, sky.horizon}};
    for (int i = 0; i <= sky.upperStacks; ++i)
        rings.emplace_back(sky.bandDegrees + (90.0 - sky.bandDegrees) * i / sky.upperStacks,
                           sky.sky);
    auto at = [](double elevation, double around) {
        const double e = qDegreesToRadians(elevation);
        return QVector3D(float(std::cos(e) * std::sin(around)), float(std::sin(e)),
                         float(std::cos(e) * std::cos(around)));
    };
    for (std::size_t r = 0; r + 1 < rings.size(); ++r) {
        const auto [e0, c0] = rings[r];
        const auto [e1, c1] = rings[r + 1];
        for (int i = 0; i < slices; ++i) {
            const double a0 = 2 * M_PI * i / slices, a1 = 2 * M_PI * (i + 1) / slices;
            pushFlat(v, at(e0, a0), c0);
            pushFlat(v, at(e0, a1), c0);
            pushFlat(v, at(e1, a1), c1);
            pushFlat(v, at(e0, a0), c0);
            pushFlat(v, at(e1, a1), c1);
            pushFlat(v, at(e1, a0), c1);
        }
    }
    return v;
}

// Captions are set in Arial with cells kCaptionHeight pixels high: 13-pixel type.
QFont captionFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

QSize captionSize(const QString& text) {
    return {QFontMetrics(captionFont()).horizontalAdvance(text) + 2, kCaptionHeight};
}

// White glyphs on nothing, premultiplied, the first row at the top.
QImage captionImage(const QString& text, double pixelRatio) {
    const QSize size = captionSize(text);
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(captionFont());
    painter.setPen(Qt::white);
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignLeft | Qt::AlignTop, text);
    return image;
}

}  // namespace

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
    upload(cube_, unitCube(), kLitStride);
    upload(cylinder_, unitCylinder(32), kLitStride);
    upload(plane_, unitPlane(), kLitStride);
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
    if (sky_.vertexCount == 0) upload(sky_, skyDome(scene.sky, 32), kFlatStride);
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

// The axes of every shown node that has them ticked, after the solids.
void Renderer::drawAxes(const Node& node, const QMatrix4x4& parentWorld, const Scene& scene,
                        const QMatrix4x4& viewProjection) {
    if (!node.visible) return;
    const QMatrix4x4 world = parentWorld * node.localMatrix();
    if (node.showAxes) drawAxesOf(world, scene, viewProjection);
    for (const auto& child : node.children()) drawAxes(*child, world, scene, viewProjection);
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

void Renderer::drawAxesOf(const QMatrix4x4& world, const Scene& scene,
                          const QMatrix4x4& viewProjection) {
    const float reach = scene.camera.depthOfView;
    const QVector3D axes[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    // Dotted lines stay crisp and in their own colours: smoothing would blend their dots away.
    glDisable(GL_MULTISAMPLE);
    flat_.bind();
    set(flat_, "modelViewProjection", viewProjection * world);
    for (QVector3D axis : axes) {
        for (float half : {1.0f, -1.0f}) {
            // Full intensity on the positive half, half on the negative.
            const QVector3D colour = axis * (half > 0 ? 1.0f : 0.5f);
            std::vector<float> v;
            pushFlat(v, {}, colour);
            pushFlat(v, axis * reach * half, colour);
            upload(lines_, v, kFlatStride);
            // Count the dots along the screen axis the line runs more nearly along.
            const QVector4D a = viewProjection * world * QVector4D(0, 0, 0, 1);
            const QVector4D b = viewProjection * world * QVector4D(axis * 0.01f * half, 1);
            const float sx = b.x() / b.w() - a.x() / a.w(), sy = b.y() / b.w() - a.y() / a.w();
            set(flat_, "stippleAxis", std::abs(sx) >= std::abs(sy) ? 1 : 2);
            lines_.buffer.bind();
            flat_.enableAttributeArray(0);
            flat_.enableAttributeArray(1);
            flat_.setAttributeBuffer(0, GL_FLOAT, 0, 3, kFlatStride * sizeof(float));
            flat_.setAttributeBuffer(1, GL_FLOAT, 3 * sizeof(float), 3,
                                     kFlatStride * sizeof(float));
            glDrawArrays(GL_LINES, 0, 2);
            flat_.disableAttributeArray(0);
            flat_.disableAttributeArray(1);
            lines_.buffer.release();
        }
    }
    flat_.release();
    glEnable(GL_MULTISAMPLE);
}

void Renderer::drawFlare(const Scene& scene, const QMatrix4x4& viewProjection, QSizeF logical) {
    const QVector4D clip = viewProjection * QVector4D(scene.light.position, 1);
    if (clip.w() <= 0) return;  // behind the camera
    const QVector2D centre(clip.x() / clip.w(), clip.y() / clip.w());
    if (std::abs(centre.x()) > 1.2f || std::abs(centre.y()) > 1.2f) return;
    const float aspect = float(logical.width() / std::max(1.0, logical.height()));
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    sprite_.bind();
    quad_.buffer.bind();
    sprite_.enableAttributeArray(0);
    sprite_.setAttributeBuffer(0, GL_FLOAT, 0, 2, 2 * sizeof(float));
    // The glow about the light, a ring round it, and two ghosts along the line through the
    // middle of the view.
    struct Sprite {
        float along, size, ring;
        QVector3D colour;
    };
    const Sprite sprites[] = {{0, 0.35f, 0, {0.9f, 0.8f, 0.5f}},
                              {0, 0.22f, 0.85f, {0.35f, 0.25f, 0.1f}},
                              {0.6f, 0.06f, 0, {0.25f, 0.35f, 0.25f}},
                              {1.4f, 0.1f, 0, {0.2f, 0.2f, 0.35f}}};
    set(sprite_, "glyphs", false);
    for (const Sprite& s : sprites) {
        set(sprite_, "centre", centre * (1 - s.along));
        set(sprite_, "radius", QVector2D(s.size, s.size * aspect));
        set(sprite_, "colour", s.colour);
        set(sprite_, "ring", s.ring);
        glDrawArrays(GL_TRIANGLES, 0, quad_.vertexCount);
    }
    sprite_.disableAttributeArray(0);
    quad_.buffer.release();
    sprite_.release();
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

// Captions are drawn as pictures of their text, made again only when the text changes: the
// painter's own OpenGL engine would cost the first frame more than the whole scene.
void Renderer::drawCaptions(const Scene& scene, QSizeF logical, double pixelRatio) {
    if (captions_.size() < scene.captions.size()) captions_.resize(scene.captions.size());
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    sprite_.bind();
    set(sprite_, "glyphs", true);
    set(sprite_, "texture0", 0);
    quad_.buffer.bind();
    sprite_.enableAttributeArray(0);
    sprite_.setAttributeBuffer(0, GL_FLOAT, 0, 2, 2 * sizeof(float));
    for (std::size_t i = 0; i < scene.captions.size(); ++i) {
        const Caption& c = scene.captions[i];
        if (!c.shown() || c.text.isEmpty()) continue;
        CaptionPicture& picture = captions_[i];
        if (!picture.texture || picture.text != c.text || picture.pixelRatio != pixelRatio) {
            picture.text = c.text;
            picture.pixelRatio = pixelRatio;
            picture.size = captionSize(c.text);
            // No mipmaps: making them costs the software renderer a first-frame shader build.
            picture.texture = std::make_unique<QOpenGLTexture>(captionImage(c.text, pixelRatio),
                                                               QOpenGLTexture::DontGenerateMipMaps);
            picture.texture->setMinMagFilters(QOpenGLTexture::Nearest, QOpenGLTexture::Nearest);
            picture.texture->setWrapMode(QOpenGLTexture::ClampToEdge);
        }
        const QSizeF half(picture.size.width() / logical.width(),
                          picture.size.height() / logical.height());
        sprite_.setUniformValue(
            "centre", QVector2D(float(-1 + 2 * c.at.x() / logical.width() + half.width()),
                                float(1 - 2 * c.at.y() / logical.height() - half.height())));
        set(sprite_, "radius", QVector2D(float(half.width()), float(half.height())));
        set(sprite_, "colour",
            QVector3D(float(c.colour.redF()), float(c.colour.greenF()), float(c.colour.blueF())));
        picture.texture->bind(0);
        glDrawArrays(GL_TRIANGLES, 0, quad_.vertexCount);
        picture.texture->release(0);
    }
    sprite_.disableAttributeArray(0);
    quad_.buffer.release();
    sprite_.release();
    glDisable(GL_BLEND);
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
        std::vector<float> v;
        v.reserve(mesh->positions.size() * kLitStride);
        for (std::size_t i = 0; i < mesh->positions.size(); ++i)
            push(v, mesh->positions[i], i < mesh->normals.size() ? mesh->normals[i] : QVector3D(),
                 i < mesh->texCoords.size() ? mesh->texCoords[i] : QVector2D());
        upload(*entry.second, v, kLitStride);
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
