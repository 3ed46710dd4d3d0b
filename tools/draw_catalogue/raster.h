// A small rasteriser of our own, so that the catalogue comes out byte for byte the same on any
// processor: Qt's painter picks SIMD blending paths at run time, this code does not.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRect>

#include <cstdint>
#include <vector>

struct TRgb {
    int r, g, b;
};

constexpr TRgb RgbDe(std::uint32_t rrggbb) {
    return {int(rrggbb >> 16 & 0xFF), int(rrggbb >> 8 & 0xFF), int(rrggbb & 0xFF)};
}

// An image being drawn, in straight (not premultiplied) colour with exact double channels.
class TCanvas {
public:
    TCanvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Sets every pixel of `rect` (integer pixels) to `colour` at `alpha` (0 to 255), replacing
    // what was there: used where the catalogue gives exact colours and alpha values.
    void Set(const QRect& rect, TRgb colour, int alpha);
    // Draws `path` over the canvas in `colour`, anti-aliased, at `opacity` (0 to 1).
    void Fill(const QPainterPath& path, TRgb colour, double opacity = 1.0);
    // Makes the area of `path` transparent again, anti-aliased at its edges.
    void Erase(const QPainterPath& path);

    // The canvas as 8-bit ARGB, each channel rounded to the nearest value.
    QImage ToImage() const;

private:
    struct Pixel {
        double r = 0, g = 0, b = 0, a = 0;
    };
    // The share of each pixel covered by `path`, 0 to 1.
    std::vector<double> Coverage(const QPainterPath& path) const;

    int width_;
    int height_;
    std::vector<Pixel> pixels_;
};
