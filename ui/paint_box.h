// A thin stand-in for the classic painted area, timer and label: a named widget with a Tag
// whose paint and mouse events call the window's handlers.
#pragma once

#include <QColor>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <functional>

class QPainter;

class TPaintBox : public QWidget {
    Q_OBJECT
public:
    // geometry in the parent's logical pixels; `fond` is cleared before every paint.
    TPaintBox(QWidget* parent, const QString& name, const QRect& geometry, int tag, QColor fond = Qt::black);

    int Tag;
    QColor Couleur;      // background, cleared before OnPaint runs
    QColor CouleurTexte; // the font colour of the area

    std::function<void(TPaintBox&, QPainter&)> OnPaint;
    std::function<void(TPaintBox&, Qt::MouseButton, QPoint)> OnMouseDown;
    std::function<void(TPaintBox&)> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool clicEnCours_ = false;
};

// A timer that carries a Tag, here the blink phase of a suite star.
class TTimer : public QTimer {
    Q_OBJECT
public:
    TTimer(QObject* parent, const QString& name, int intervalMs);
    int Tag = 0;
};

// A centred label on its own black background, as the dice captions are.
QLabel* CreeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QFont& font,
                  const QString& caption);
void ColoreLabel(QLabel& label, QColor couleur);
