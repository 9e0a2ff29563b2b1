// The planes' textures repeat without seams and come out the same for the same seed.
#include "scene/procedural_texture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>

namespace varnholt::scene {
namespace {

int difference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

struct Texture {
    const char* name;
    QImage (*paint)(int, quint32);
};
void PrintTo(const Texture& t, std::ostream* out) {
    *out << t.name;
}

class ProceduralTexture : public ::testing::TestWithParam<Texture> {};

TEST_P(ProceduralTexture, RepeatsWithoutSeamsTheSameForTheSameSeed) {
    const int size = 256;
    const QImage image = GetParam().paint(size, 7);
    ASSERT_EQ(image.size(), QSize(size, size));
    EXPECT_EQ(image, GetParam().paint(size, 7));
    EXPECT_NE(image, GetParam().paint(size, 8));

    // Across the seams, neighbours differ no more than neighbours anywhere inside.
    int inside = 0, seam = 0;
    for (int a = 0; a < size; ++a) {
        for (int b = 1; b < size; ++b) {
            inside = std::max(inside, difference(image.pixel(b - 1, a), image.pixel(b, a)));
            inside = std::max(inside, difference(image.pixel(a, b - 1), image.pixel(a, b)));
        }
        seam = std::max(seam, difference(image.pixel(size - 1, a), image.pixel(0, a)));
        seam = std::max(seam, difference(image.pixel(a, size - 1), image.pixel(a, 0)));
    }
    EXPECT_LE(seam, inside);
    EXPECT_GT(inside, 0);
}

INSTANTIATE_TEST_SUITE_P(Planes, ProceduralTexture,
                         ::testing::Values(Texture{"clouds", &cloudTexture},
                                           Texture{"ground", &groundTexture}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CloudTexture, ShowsBothOpenSkyAndWhiteCloud) {
    const QImage image = cloudTexture(128, 1);
    int sky = 0, cloud = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            sky += difference(p, QColor::fromRgbF(0.22f, 0.69f, 0.87f).rgb()) < 8;
            cloud += qRed(p) > 235 && qGreen(p) > 235 && qBlue(p) > 235;
        }
    const int all = image.width() * image.height();
    EXPECT_GT(sky, all / 10);
    EXPECT_GT(cloud, all / 20);
}

}  // namespace
}  // namespace varnholt::scene
