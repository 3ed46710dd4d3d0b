// The version numbers of the program, the About text and the help page's place.
#pragma once

#include <QString>
#include <QStringList>

inline constexpr const char* ErreurVersion = "Erreur inattendue : aucune information de version incluse.";

// Splits "major.minor.release.build" into "major.minor.release" and ".build"; throws
// std::runtime_error with ErreurVersion when the data is empty or malformed.
void LitVersion(const QString& donnees, QString& stVersion, QString& stSousVersion);

// The version data compiled into the program, "1.1.0.21"; replaceable so that a test can
// start a window without it.
QString& DonneesVersionProgramme();

QString TexteAPropos(const QString& stVersion, const QString& stSousVersion);

// Where the help page may lie: beside the program, then in an installed layout.
QStringList EmplacementsAide(const QString& dossierProgramme);
