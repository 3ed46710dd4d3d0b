// Small drawing helpers shared by the painters of the main window.
#pragma once

#include "colours.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

inline QColor Rgb(std::uint32_t v) {
    return QColor::fromRgb(v);
}
inline QColor Couleur(TCouleur c) {
    return Rgb(ValeurCouleur[c]);
}

// The painted rectangle of an area: its right and bottom edges are left out.
inline QRect RectangleZone(const QWidget& zone) {
    return QRect(0, 0, zone.width() - 1, zone.height() - 1);
}

// Writes `texte` with its top-left corner at `coin`, its extent filled in `fond`.
inline void TexteOpaque(QPainter& painter, QPoint coin, const QString& texte, QColor fond, QColor encre) {
    const QFontMetrics fm = painter.fontMetrics();
    painter.fillRect(QRect(coin, QSize(fm.horizontalAdvance(texte), fm.height())), fond);
    painter.setPen(encre);
    painter.drawText(coin.x(), coin.y() + fm.ascent(), texte);
}
