#include "drawings.h"

#include <QFile>
#include <QRawFont>
#include <QTransform>

#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

constexpr int Tuile = 160;
constexpr TRgb Noir{0, 0, 0};
constexpr TRgb Blanc{255, 255, 255};

// Die geometry shared by the pips, the body and the ring.
constexpr int CorpsDebut = 21; // first pixel of the body square
constexpr int CorpsFin = 138;  // last pixel of the body square
constexpr int CadreDebut = 18; // outer edge of the pips' outline
constexpr int CadreFin = 141;
constexpr int CadreEpaisseur = 4;
constexpr int FilmAlpha = 23;
constexpr double PointDiametre = 24;

// Outline units are read at the font's own design size so that no hinting bends them.
QRawFont ChargePolice(const QString& fichier) {
    QFile file(fichier);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read font " + fichier.toStdString());
    }
    const QByteArray data = file.readAll();
    QRawFont probe(data, 16, QFont::PreferNoHinting);
    if (!probe.isValid()) {
        throw std::runtime_error("not a font: " + fichier.toStdString());
    }
    return QRawFont(data, probe.unitsPerEm(), QFont::PreferNoHinting);
}

// The outline of `text` set on one line from x = 0 along the baseline y = 0.
QPainterPath Texte(const QRawFont& font, const QString& text) {
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    QPointF pen(0, 0);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        path.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    return path;
}

// Scales and moves `path` so that its bounds fill `box` (either stretched or kept in proportion).
QPainterPath PlaceDans(const QPainterPath& path, const QRectF& bounds, const QRectF& box, bool proportion) {
    double sx = box.width() / bounds.width();
    double sy = box.height() / bounds.height();
    if (proportion) {
        sx = sy = std::min(sx, sy);
    }
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-bounds.center().x(), -bounds.center().y());
    QPainterPath placed = t.map(path);
    placed.setFillRule(path.fillRule());
    return placed;
}

QPainterPath Disque(QPointF centre, double diameter) {
    QPainterPath path;
    path.addEllipse(centre, diameter / 2, diameter / 2);
    return path;
}

QPainterPath RectangleArrondi(const QRectF& r, double radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath Octogone(QPointF centre, double apothem) {
    const double radius = apothem / std::cos(std::numbers::pi / 8);
    QPainterPath path;
    for (int k = 0; k < 8; ++k) {
        const double angle = std::numbers::pi / 8 + k * std::numbers::pi / 4;
        const QPointF p = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (k == 0) {
            path.moveTo(p);
        } else {
            path.lineTo(p);
        }
    }
    path.closeSubpath();
    return path;
}

} // namespace

QImage DessineChiffre(const TPolices& polices, int digit, TRgb colour) {
    // Every numeral gets the same scale, taken from the bounds of all ten, so that a 1 stays
    // narrow and all of them stand on the same baseline.
    static const QRawFont font = ChargePolice(polices.Chiffres);
    QRectF all;
    for (int d = 0; d <= 9; ++d) {
        all |= Texte(font, QString::number(d)).boundingRect();
    }
    const QRectF glyphBox(5, 7, 114, 145); // x 5 to 118, y 7 to 151
    QPainterPath path = Texte(font, QString::number(digit));
    const QRectF own = path.boundingRect();
    const double sx = glyphBox.width() / all.width();
    const double sy = glyphBox.height() / all.height();
    QTransform t;
    t.translate(glyphBox.center().x(), glyphBox.top());
    t.scale(sx, sy);
    t.translate(-own.center().x(), -all.top());
    QPainterPath placed = t.map(path);
    placed.setFillRule(Qt::WindingFill);

    TCanvas canvas(120, Tuile);
    canvas.Fill(placed, colour);
    return canvas.ToImage();
}

QImage DessineDe(int face) {
    // Pip centres on a grid of 50, 80 and 110 pixels, in the order of the catalogue.
    static const std::array<std::vector<QPointF>, 6> points{{
        {{80, 80}},
        {{50, 50}, {110, 110}},
        {{110, 50}, {80, 80}, {50, 110}},
        {{50, 50}, {110, 50}, {50, 110}, {110, 110}},
        {{50, 50}, {110, 50}, {50, 110}, {110, 110}, {80, 80}},
        {{50, 50}, {50, 80}, {50, 110}, {110, 50}, {110, 80}, {110, 110}},
    }};
    TCanvas canvas(Tuile, Tuile);
    canvas.Set(QRect(QPoint(CadreDebut, CadreDebut), QPoint(CadreFin, CadreFin)), Noir, 255);
    canvas.Set(QRect(QPoint(CadreDebut + CadreEpaisseur, CadreDebut + CadreEpaisseur),
                     QPoint(CadreFin - CadreEpaisseur, CadreFin - CadreEpaisseur)),
               Noir, FilmAlpha);
    for (const QPointF& p : points.at(face - 1)) {
        canvas.Fill(Disque(p, PointDiametre), Noir);
    }
    return canvas.ToImage();
}

QImage DessineFond(TRgb colour) {
    TCanvas canvas(Tuile, Tuile);
    canvas.Set(QRect(0, 0, Tuile, Tuile), colour, 255);
    return canvas.ToImage();
}

QImage DessineFondDe(TRgb colour) {
    TCanvas canvas(Tuile, Tuile);
    canvas.Set(QRect(QPoint(CorpsDebut, CorpsDebut), QPoint(CorpsFin, CorpsFin)), colour, 255);
    return canvas.ToImage();
}

QImage DessineTourDe(TRgb colour, int alpha) {
    TCanvas canvas(Tuile, Tuile);
    canvas.Set(QRect(0, 0, Tuile, Tuile), colour, alpha);
    canvas.Set(QRect(QPoint(CorpsDebut, CorpsDebut), QPoint(CorpsFin, CorpsFin)), colour, 0);
    return canvas.ToImage();
}

QImage DessineEtoile(TRgb colour) {
    // A regular star whose outer radius puts the top point at y 9 and the lower points at y 150.
    constexpr double Haut = 9;
    constexpr double Bas = 150;
    const double outer = (Bas - Haut) / (1 + std::cos(std::numbers::pi / 5));
    const double inner = outer * std::sin(std::numbers::pi / 10) / std::sin(3 * std::numbers::pi / 10);
    const QPointF centre(80, Haut + outer);
    QPainterPath path;
    for (int k = 0; k < 10; ++k) {
        const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        const double r = k % 2 == 0 ? outer : inner;
        const QPointF p = centre + QPointF(r * std::cos(angle), r * std::sin(angle));
        if (k == 0) {
            path.moveTo(p);
        } else {
            path.lineTo(p);
        }
    }
    path.closeSubpath();
    TCanvas canvas(Tuile, Tuile);
    canvas.Fill(path, colour);
    return canvas.ToImage();
}

QImage DessinePanneau(const TPolices& polices, TRgb colour, const QString& word) {
    static const QRawFont font = ChargePolice(polices.Panneaux);
    constexpr int Cote = 121;
    constexpr double Rim = 4;
    const QPointF centre(Cote / 2.0, Cote / 2.0);
    TCanvas canvas(Cote, Cote);
    canvas.Fill(Octogone(centre, Cote / 2.0), Blanc);
    canvas.Fill(Octogone(centre, Cote / 2.0 - Rim), colour);

    // The word fills the sign's width, as large as a short word allows.
    const QPainterPath text = Texte(font, word);
    const double maxWidth = word.size() > 2 ? 92 : 78;
    const double maxHeight = 48;
    const QRectF box(centre.x() - maxWidth / 2, centre.y() - maxHeight / 2, maxWidth, maxHeight);
    canvas.Fill(PlaceDans(text, text.boundingRect(), box, true), Blanc);
    return canvas.ToImage();
}

QImage DessineHumain() {
    TCanvas canvas(Tuile, Tuile);
    const QPointF head(80, 50);
    constexpr double HeadRadius = 28;
    constexpr double Gap = 6;

    // Shoulders: a rounded bust whose top is cut away around the head.
    QPainterPath bust;
    bust.moveTo(20, 148);
    bust.lineTo(20, 128);
    bust.cubicTo(20, 100, 44, 86, 80, 86);
    bust.cubicTo(116, 86, 140, 100, 140, 128);
    bust.lineTo(140, 148);
    bust.closeSubpath();
    canvas.Fill(bust, Noir);
    canvas.Erase(Disque(head, 2 * (HeadRadius + Gap)));
    canvas.Fill(Disque(head, 2 * HeadRadius), Noir);
    return canvas.ToImage();
}

QImage DessineAutomate() {
    TCanvas canvas(Tuile, Tuile);
    // Screen: a thick frame around an empty display.
    canvas.Fill(RectangleArrondi(QRectF(24, 12, 112, 80), 7), Noir);
    canvas.Erase(RectangleArrondi(QRectF(33, 21, 94, 62), 2));
    // Foot: a neck and a flat base.
    QPainterPath neck;
    neck.moveTo(70, 92);
    neck.lineTo(90, 92);
    neck.lineTo(94, 106);
    neck.lineTo(66, 106);
    neck.closeSubpath();
    canvas.Fill(neck, Noir);
    canvas.Fill(RectangleArrondi(QRectF(52, 104, 56, 7), 3), Noir);
    // Keyboard: a slab with three rows of keys and a space bar cut out of it.
    canvas.Fill(RectangleArrondi(QRectF(14, 118, 132, 32), 5), Noir);
    constexpr int Keys = 11;
    constexpr double KeyPitch = 11.2;
    constexpr double KeySize = 7.6;
    for (int row = 0; row < 2; ++row) {
        for (int k = 0; k < Keys; ++k) {
            canvas.Erase(RectangleArrondi(QRectF(19.6 + k * KeyPitch, 122 + row * 9, KeySize, 6), 1.2));
        }
    }
    canvas.Erase(RectangleArrondi(QRectF(48, 140, 64, 6), 1.2));
    return canvas.ToImage();
}
