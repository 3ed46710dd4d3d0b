#include "paint_box.h"

#include <QMouseEvent>
#include <QPainter>

TPaintBox::TPaintBox(QWidget* parent, const QString& name, const QRect& geometry, int tag, QColor fond)
    : QWidget(parent), Tag(tag), Couleur(fond), CouleurTexte(Qt::white) {
    setObjectName(name);
    setGeometry(geometry);
    // The area paints every pixel itself, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Couleur);
    if (OnPaint)
        OnPaint(*this, painter);
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    clicEnCours_ = event->button() == Qt::LeftButton;
    if (OnMouseDown)
        OnMouseDown(*this, event->button(), event->position().toPoint());
}

// A click is a left press and release inside the area.
void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool clic =
        clicEnCours_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    clicEnCours_ = false;
    if (clic && OnClick)
        OnClick(*this);
}

TTimer::TTimer(QObject* parent, const QString& name, int intervalMs) : QTimer(parent) {
    setObjectName(name);
    setInterval(intervalMs);
}

QLabel* CreeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QFont& font,
                  const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    ColoreLabel(*label, Qt::white);
    return label;
}

void ColoreLabel(QLabel& label, QColor couleur) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, couleur);
    label.setPalette(palette);
}
