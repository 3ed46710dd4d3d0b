#include "raster.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// Vertical samples per pixel row; along each sample line the coverage is exact.
constexpr int SousLignes = 32;

struct Edge {
    double x0, y0, x1, y1; // y0 < y1
    int direction;         // +1 when the outline runs downwards, -1 upwards
};

struct Crossing {
    double x;
    int direction;
};

} // namespace

TCanvas::TCanvas(int width, int height)
    : width_(width), height_(height), pixels_(std::size_t(width) * std::size_t(height)) {}

void TCanvas::Set(const QRect& rect, TRgb colour, int alpha) {
    const QRect r = rect & QRect(0, 0, width_, height_);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            pixels_[std::size_t(y) * width_ + x] = {double(colour.r), double(colour.g), double(colour.b),
                                                    alpha / 255.0};
        }
    }
}

std::vector<double> TCanvas::Coverage(const QPainterPath& path) const {
    std::vector<Edge> edges;
    for (const QPolygonF& polygon : path.toSubpathPolygons()) {
        const qsizetype n = polygon.size();
        for (qsizetype i = 0; i < n; ++i) {
            const QPointF p = polygon[i];
            const QPointF q = polygon[(i + 1) % n];
            if (p.y() == q.y()) {
                continue;
            }
            if (p.y() < q.y()) {
                edges.push_back({p.x(), p.y(), q.x(), q.y(), 1});
            } else {
                edges.push_back({q.x(), q.y(), p.x(), p.y(), -1});
            }
        }
    }
    const bool winding = path.fillRule() == Qt::WindingFill;
    auto inside = [winding](int w) { return winding ? w != 0 : (w & 1) != 0; };

    std::vector<double> coverage(std::size_t(width_) * std::size_t(height_), 0.0);
    std::vector<Crossing> crossings;
    for (int row = 0; row < height_; ++row) {
        double* line = coverage.data() + std::size_t(row) * width_;
        for (int s = 0; s < SousLignes; ++s) {
            const double sy = row + (s + 0.5) / SousLignes;
            crossings.clear();
            for (const Edge& e : edges) {
                if (e.y0 <= sy && sy < e.y1) {
                    crossings.push_back({e.x0 + (sy - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0), e.direction});
                }
            }
            std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) {
                return a.x < b.x || (a.x == b.x && a.direction < b.direction);
            });
            int wind = 0;
            double start = 0;
            for (const Crossing& c : crossings) {
                const bool before = inside(wind);
                wind += c.direction;
                const bool after = inside(wind);
                if (!before && after) {
                    start = c.x;
                } else if (before && !after) {
                    const double a = std::clamp(start, 0.0, double(width_));
                    const double b = std::clamp(c.x, 0.0, double(width_));
                    for (int px = int(std::floor(a)); px < b && px < width_; ++px) {
                        const double overlap = std::min(b, px + 1.0) - std::max(a, double(px));
                        if (overlap > 0) {
                            line[px] += overlap / SousLignes;
                        }
                    }
                }
            }
        }
    }
    for (double& c : coverage) {
        c = std::clamp(c, 0.0, 1.0);
    }
    return coverage;
}

void TCanvas::Fill(const QPainterPath& path, TRgb colour, double opacity) {
    const std::vector<double> coverage = Coverage(path);
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        const double sa = coverage[i] * opacity;
        if (sa <= 0) {
            continue;
        }
        Pixel& d = pixels_[i];
        const double da = d.a * (1 - sa);
        const double a = sa + da;
        d.r = (colour.r * sa + d.r * da) / a;
        d.g = (colour.g * sa + d.g * da) / a;
        d.b = (colour.b * sa + d.b * da) / a;
        d.a = a;
    }
}

void TCanvas::Erase(const QPainterPath& path) {
    const std::vector<double> coverage = Coverage(path);
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        pixels_[i].a *= 1 - coverage[i];
    }
}

QImage TCanvas::ToImage() const {
    QImage image(width_, height_, QImage::Format_ARGB32);
    // A fixed resolution keeps the files free of whatever the screen of the moment reports.
    constexpr int PointsParMetre = 3780; // 96 dpi
    image.setDotsPerMeterX(PointsParMetre);
    image.setDotsPerMeterY(PointsParMetre);
    auto channel = [](double v) { return std::clamp(int(std::lround(v)), 0, 255); };
    for (int y = 0; y < height_; ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width_; ++x) {
            const Pixel& p = pixels_[std::size_t(y) * width_ + x];
            const int a = channel(p.a * 255);
            out[x] = a == 0 ? qRgba(0, 0, 0, 0) : qRgba(channel(p.r), channel(p.g), channel(p.b), a);
        }
    }
    return image;
}
