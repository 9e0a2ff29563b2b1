// The logo's letters as solids: closed, facing outwards, holes open, sized and centred as
// promised whatever the letters.
#include "scene/text_mesh.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cctype>
#include <map>
#include <string>
#include <tuple>

namespace varnholt::scene {
namespace {

constexpr float kHeight = 0.6f;
constexpr float kDepth = 0.5f;

QFont sans(int points = 12) {
    return QFont(QStringLiteral("Liberation Sans"), points);
}

QVector3D faceCross(const MeshData& m, std::size_t i) {
    return QVector3D::crossProduct(m.positions[i + 1] - m.positions[i],
                                   m.positions[i + 2] - m.positions[i]);
}

// The area the letters cover by the odd rule, counted in pixels of a large drawing of them and
// brought to scene units by the font's ascent, as the letters are sized.
double paintedArea(const QString& text) {
    QFont font = sans();
    font.setPixelSize(400);
    font.setHintingPreference(QFont::PreferNoHinting);
    const qreal ascent = QFontMetricsF(font).ascent();
    QPainterPath path;
    path.addText(0, 0, font, text);
    path.setFillRule(Qt::OddEvenFill);
    const QRectF bounds = path.boundingRect();
    QImage image(bounds.size().toSize() + QSize(4, 4), QImage::Format_Grayscale8);
    image.fill(0);
    QPainter painter(&image);
    painter.translate(-bounds.topLeft() + QPointF(2, 2));
    painter.fillPath(path, Qt::white);
    painter.end();
    long inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) inked += image.pixelColor(x, y).value() > 127;
    const double unit = kHeight / ascent;
    return inked * unit * unit;
}

class TextMesh : public ::testing::TestWithParam<const char*> {};

TEST_P(TextMesh, IsAClosedSolidOfTheLettersAreaTimesItsDepth) {
    const QString text = QString::fromUtf8(GetParam());
    const MeshData m = extrudeText(text, sans(), kHeight, kDepth);
    ASSERT_GT(m.positions.size(), 0u);
    ASSERT_EQ(m.positions.size() % 3, 0u);
    ASSERT_EQ(m.normals.size(), m.positions.size());

    // Closed and turned one way throughout: each edge is met once in each direction.
    using Corner = std::tuple<float, float, float>;
    auto corner = [](const QVector3D& p) { return Corner(p.x(), p.y(), p.z()); };
    std::map<std::pair<Corner, Corner>, int> edges;
    for (std::size_t i = 0; i < m.positions.size(); i += 3)
        for (int k = 0; k < 3; ++k)
            ++edges[{corner(m.positions[i + k]), corner(m.positions[i + (k + 1) % 3])}];
    int unmatched = 0;
    for (const auto& [edge, count] : edges) {
        const auto reverse = edges.find({edge.second, edge.first});
        if (count != 1 || reverse == edges.end() || reverse->second != 1) ++unmatched;
    }
    EXPECT_EQ(unmatched, 0);

    // The enclosed volume, outward faces counted positive, is the front face's area times the
    // depth; that area is what the letters cover, holes left out.
    double volume = 0, frontArea = 0;
    for (std::size_t i = 0; i < m.positions.size(); i += 3) {
        volume +=
            QVector3D::dotProduct(m.positions[i],
                                  QVector3D::crossProduct(m.positions[i + 1], m.positions[i + 2])) /
            6.0;
        if (m.normals[i].z() > 0.5f) frontArea += faceCross(m, i).z() / 2.0;
    }
    const double painted = paintedArea(text);
    EXPECT_NEAR(frontArea, painted, 0.02 * painted);
    EXPECT_NEAR(volume, frontArea * kDepth, 1e-3 * volume);

    // Every triangle turns counter-clockwise towards its unit normal.
    for (std::size_t i = 0; i < m.positions.size(); i += 3) {
        const QVector3D face = faceCross(m, i);
        for (int k = 0; k < 3; ++k) ASSERT_NEAR(m.normals[i + k].length(), 1.0f, 1e-5f);
        if (face.length() < 1e-9f) continue;  // a sliver has no direction worth checking
        ASSERT_GT(QVector3D::dotProduct(face / face.length(), m.normals[i]), 0.99f)
            << "triangle " << i / 3;
    }
}

TEST_P(TextMesh, StandsOnTheBaselineCentredAcrossAndInDepth) {
    const MeshData m = extrudeText(QString::fromUtf8(GetParam()), sans(), kHeight, kDepth);
    ASSERT_FALSE(m.positions.empty());
    QVector3D low = m.positions.front(), high = low;
    for (const QVector3D& p : m.positions) {
        low =
            QVector3D(std::min(low.x(), p.x()), std::min(low.y(), p.y()), std::min(low.z(), p.z()));
        high = QVector3D(std::max(high.x(), p.x()), std::max(high.y(), p.y()),
                         std::max(high.z(), p.z()));
    }
    EXPECT_NEAR(low.x(), -high.x(), 1e-5f);
    EXPECT_FLOAT_EQ(low.z(), -kDepth / 2);
    EXPECT_FLOAT_EQ(high.z(), kDepth / 2);
    // Liberation Sans: capitals and ascenders reach about 0.8 of the ascent, descenders about
    // 0.23 below the baseline, and round letters overshoot the baseline a little.
    EXPECT_GT(high.y(), 0.4f * kHeight);
    EXPECT_LE(high.y(), kHeight);
    EXPECT_GT(low.y(), -0.3f * kHeight);
    EXPECT_LT(low.y(), 0.01f * kHeight);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextMesh,
                         ::testing::Values("o", "I", "Varnholt", "Soakaway", "Design 4.0",
                                           "B&Q @ 8%"),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST(TextMeshHoles, TheCounterOfAnOStaysOpenOnBothFaces) {
    const MeshData m = extrudeText(QStringLiteral("o"), sans(), kHeight, kDepth);
    // The middle of the letter, half its height up.
    float top = 0;
    for (const QVector3D& p : m.positions) top = std::max(top, p.y());
    const QPointF middle(0, top / 2);
    int covering = 0;
    for (std::size_t i = 0; i < m.positions.size(); i += 3) {
        if (std::abs(m.normals[i].z()) < 0.5f) continue;
        QPolygonF face;
        for (int k = 0; k < 3; ++k) face << m.positions[i + k].toPointF();
        covering += face.containsPoint(middle, Qt::OddEvenFill);
    }
    EXPECT_EQ(covering, 0);
}

TEST(TextMeshSize, TheFontsPointSizeDoesNotCountAndBlankTextIsEmpty) {
    EXPECT_EQ(extrudeText(QStringLiteral("Varnholt"), sans(8), kHeight, kDepth).positions,
              extrudeText(QStringLiteral("Varnholt"), sans(72), kHeight, kDepth).positions);
    EXPECT_TRUE(extrudeText(QString(), sans(), kHeight, kDepth).positions.empty());
    EXPECT_TRUE(extrudeText(QStringLiteral("  "), sans(), kHeight, kDepth).positions.empty());
}

}  // namespace
}  // namespace varnholt::scene
