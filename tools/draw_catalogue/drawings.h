// The drawings of the catalogue, one function for each kind of image.
#pragma once

#include "raster.h"

#include <QImage>
#include <QString>

// The outlines of the lettering, read straight from the font files kept with the images.
struct TPolices {
    QString Chiffres; // heavy serif numerals of the score digits
    QString Panneaux; // bold condensed capitals of the road signs
};

// The numeral `digit` (0 to 9) in `colour` on a 120 x 160 tile.
QImage DessineChiffre(const TPolices& polices, int digit, TRgb colour);
// The pips of `face` (1 to 6) in a thin square outline over a faint black film, 160 x 160.
QImage DessineDe(int face);
// A fully opaque 160 x 160 tile.
QImage DessineFond(TRgb colour);
// The 118 x 118 body of a die in the middle of a transparent 160 x 160 tile.
QImage DessineFondDe(TRgb colour);
// The band around the die body, exactly its complement, at `alpha`.
QImage DessineTourDe(TRgb colour, int alpha);
// A five-pointed star, one point up, 160 x 160.
QImage DessineEtoile(TRgb colour);
// An octagonal road sign, 121 x 121, white rim and white capitals.
QImage DessinePanneau(const TPolices& polices, TRgb colour, const QString& word);
// Black pictograms on transparent, 160 x 160: a person, a desktop computer.
QImage DessineHumain();
QImage DessineAutomate();
