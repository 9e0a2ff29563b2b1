// What the renderer draws over the scene's solids: the nodes' dotted axes, the light's flare and
// the captions.
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "renderer.h"
#include "vertex_layout.h"

namespace varnholt::scene {

using vertex_layout::kFlatStride;
using vertex_layout::pushFlat;

namespace {

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

// The axes of every shown node that has them ticked, after the solids.
void Renderer::drawAxes(const Node& node, const QMatrix4x4& parentWorld, const Scene& scene,
                        const QMatrix4x4& viewProjection) {
    if (!node.visible) return;
    const QMatrix4x4 world = parentWorld * node.localMatrix();
    if (node.showAxes) drawAxesOf(world, scene, viewProjection);
    for (const auto& child : node.children()) drawAxes(*child, world, scene, viewProjection);
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

}  // namespace varnholt::scene
