// The players dialog: a colour for each player among seven, and his type, person or
// computer. Every click takes effect at once; cancel puts back what was there before.
#pragma once

#include "colours.h"
#include "paint_box.h"

#include <QDialog>

class TFormMain;

class TFormJoueurs : public QDialog {
    Q_OBJECT
public:
    explicit TFormJoueurs(TFormMain& owner);

    void PaintBoxPaint(TPaintBox& sender, QPainter& painter);
    void PaintBoxClick(TPaintBox& sender);

    // Closing by any route comes through here: OK keeps the choice, cancel undoes it.
    void done(int result) override;

private:
    void FormCreate();
    void FormClose(int result);

    TFormMain& FormMain;
    TCouleur CoulJG = cNoir;
    TCouleur CoulJD = cNoir;
    bool AutoJG = false;
    bool AutoJD = false;
};

// The player that a box's name stands for: 'G' left, 'D' right, anything else nobody.
TIdJoueur JoueurDeLaBoite(const QString& nom);
