#include "artwork.h"

namespace artwork {

// ---------------------------------------------------------------------------------------------
// The page background: dark purple and violet marble on black, seamless when tiled.

constexpr int kTileSize = 96;

static std::uint32_t hash(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

// Smoothly interpolated random values on a lattice of `cells` x `cells` cells that wraps around
// the tile, so the noise repeats every kTileSize pixels.
static double valueNoise(double x, double y, int cells, std::uint32_t seed) {
    const double scale = static_cast<double>(cells) / kTileSize;
    const double fx = x * scale;
    const double fy = y * scale;
    const int ix = static_cast<int>(std::floor(fx));
    const int iy = static_cast<int>(std::floor(fy));
    const auto lattice = [&](int cx, int cy) {
        cx = ((cx % cells) + cells) % cells;
        cy = ((cy % cells) + cells) % cells;
        const std::uint32_t key = hash(seed ^ hash(static_cast<std::uint32_t>(cy * cells + cx)));
        return key / 4294967296.0;
    };
    const auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double tx = smooth(fx - ix);
    const double ty = smooth(fy - iy);
    const double top = lattice(ix, iy) * (1 - tx) + lattice(ix + 1, iy) * tx;
    const double bottom = lattice(ix, iy + 1) * (1 - tx) + lattice(ix + 1, iy + 1) * tx;
    return top * (1 - ty) + bottom * ty;
}

// Four octaves of value noise, the coarsest with `cells` cells across the tile, in 0 .. 1.
static double turbulence(double x, double y, std::uint32_t seed, int cells) {
    double sum = 0;
    double weight = 0;
    double amplitude = 1;
    for (int octave = 0; octave < 4; ++octave, cells *= 2) {
        sum += amplitude * valueNoise(x, y, cells, seed + static_cast<std::uint32_t>(cells));
        weight += amplitude;
        amplitude *= 0.5;
    }
    return sum / weight;
}

QImage tile() {
    QImage image(kTileSize, kTileSize, QImage::Format_RGB888);
    const double tau = 2 * std::numbers::pi;
    const auto smoothstep = [](double edge0, double edge1, double t) {
        t = std::clamp((t - edge0) / (edge1 - edge0), 0.0, 1.0);
        return t * t * (3 - 2 * t);
    };
    for (int y = 0; y < kTileSize; ++y)
        for (int x = 0; x < kTileSize; ++x) {
            // Patches: where the slow noise is high the stone shows colour, elsewhere black.
            const double patch = smoothstep(0.40, 0.64, turbulence(x, y, 0x5157u, 4));
            // Veins: thin ridges of a sine whose period divides the tile, bent by more noise.
            const double phase = tau * (x + y) / kTileSize + 10.0 * turbulence(x, y, 0xBEEFu, 3);
            const double vein = std::pow(1.0 - std::abs(std::sin(phase)), 4.0);
            // Which of the two colours: purple or violet.
            const double violet = smoothstep(0.38, 0.62, turbulence(x, y, 0xA11Du, 2));
            const double light = std::clamp(0.75 * patch + 0.55 * vein * (0.4 + patch), 0.0, 1.0);
            const double r = light * (0x5C + violet * 0x20);
            const double g = light * (0x08 + violet * 0x28);
            const double b = light * (0x54 + violet * 0x74);
            image.setPixel(x, y,
                           qRgb(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b)));
        }
    return image;
}

}  // namespace artwork
