// The window's lettering. The game was designed around Impact, which Linux lacks: a heavy
// condensed sans-serif with full Latin-1, compiled into the program, stands in for it.
#pragma once

#include <QFont>
#include <QString>

// Registers the fonts compiled into the program. Call once after the QGuiApplication exists and
// before the first window; later calls do nothing.
void EnregistrePolices();

// The family standing in for Impact, as registered.
QString FamillePoliceFenetre();

// The window font at a character height (em size) of `pixelHeight` pixels; the window uses 19,
// 24 and 12.
QFont PoliceFenetre(int pixelHeight);
