#include "procedural_texture.h"

#include <QColor>
#include <algorithm>
#include <cmath>

namespace varnholt::scene {
namespace {

// A fixed integer hash, so that a seed paints the same picture on every platform.
quint32 hash(quint32 x, quint32 y, quint32 layer, quint32 seed) {
    quint32 h = seed * 0x9E3779B9u ^ x * 0x85EBCA6Bu ^ y * 0xC2B2AE35u ^ layer * 0x27D4EB2Fu;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double lattice(int x, int y, int cells, quint32 layer, quint32 seed) {
    // Wrapping the lattice at `cells` is what makes the picture tile.
    const auto wrap = [cells](int i) {
        return static_cast<quint32>(((i % cells) + cells) % cells);
    };
    return hash(wrap(x), wrap(y), layer, seed) / 4294967295.0;
}

double smooth(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

// Value noise in 0..1 over a lattice of `cells` x `cells`, `u, v` in 0..1.
double valueNoise(double u, double v, int cells, quint32 layer, quint32 seed) {
    const double x = u * cells, y = v * cells;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = smooth(x - x0), fy = smooth(y - y0);
    const double top =
        std::lerp(lattice(x0, y0, cells, layer, seed), lattice(x0 + 1, y0, cells, layer, seed), fx);
    const double bottom = std::lerp(lattice(x0, y0 + 1, cells, layer, seed),
                                    lattice(x0 + 1, y0 + 1, cells, layer, seed), fx);
    return std::lerp(top, bottom, fy);
}

// Octaves of value noise, each twice as fine and half as strong as the one before; 0..1.
double fractalNoise(double u, double v, int cells, int octaves, quint32 layer, quint32 seed) {
    double sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * valueNoise(u, v, cells << o, layer * 16 + static_cast<quint32>(o), seed);
        total += weight;
        weight /= 2;
    }
    return sum / total;
}

QRgb mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(static_cast<int>(std::lround(std::lerp(a.red(), b.red(), t))),
                static_cast<int>(std::lround(std::lerp(a.green(), b.green(), t))),
                static_cast<int>(std::lround(std::lerp(a.blue(), b.blue(), t))));
}

template <typename Paint>
QImage painted(int size, Paint paint) {
    QImage image(std::max(size, 1), std::max(size, 1), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = paint(double(x) / image.width(), double(y) / image.height());
    }
    return image;
}

}  // namespace

QImage cloudTexture(int size, quint32 seed) {
    const QColor sky = QColor::fromRgbF(0.22f, 0.69f, 0.87f);  // the blue of the sky dome
    const QColor cloud(Qt::white);
    return painted(size, [&](double u, double v) {
        const double n = fractalNoise(u, v, 4, 5, 1, seed);
        // Only the upper part of the noise becomes cloud, leaving open sky between.
        return mix(sky, cloud, (n - 0.45) / 0.3);
    });
}

QImage groundTexture(int size, quint32 seed) {
    const QColor grass(74, 122, 48), lightGrass(112, 150, 62);
    const QColor earth(118, 92, 60), darkEarth(92, 70, 46);
    return painted(size, [&](double u, double v) {
        const double patches = fractalNoise(u, v, 4, 5, 2, seed);
        const double grain = fractalNoise(u, v, 64, 2, 3, seed);
        const QColor turf(mix(grass, lightGrass, grain));
        const QColor soil(mix(earth, darkEarth, grain));
        // Worn patches fade into the grass over a band of the noise rather than at a line.
        return mix(turf, soil, (patches - 0.56) / 0.22);
    });
}

QImage gridTexture(int size, QColor ground, QColor line, int lineWidth) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(ground);
    const int before = lineWidth / 2, after = lineWidth - before;
    for (int i = 0; i < size; ++i) {
        const bool onLine = i < after || i >= size - before;
        for (int j = 0; j < size; ++j)
            if (onLine) {
                image.setPixelColor(i, j, line);
                image.setPixelColor(j, i, line);
            }
    }
    return image;
}

}  // namespace varnholt::scene
