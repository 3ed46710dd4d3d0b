#include "fonts.h"

#include "image_list.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>

namespace {

// Roboto Condensed Bold: heavy, narrow and complete in Latin-1, the nearest free face to Impact.
const QString FichierPoliceFenetre = QStringLiteral(":/assets/fonts/RobotoCondensed-Bold.ttf");
const QString FamilleAttendue = QStringLiteral("Roboto Condensed");
// Used only if the embedded face could not be registered: narrow faces Debian installs widely.
const QStringList FamillesDeSecours{QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")};

QString& FamilleEnregistree() {
    static QString family;
    return family;
}

} // namespace

void EnregistrePolices() {
    // The font database exists only with a QGuiApplication; without one, wait for a later call.
    if (!FamilleEnregistree().isEmpty() ||
        qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    InitialiseRessources();
    const int id = QFontDatabase::addApplicationFont(FichierPoliceFenetre);
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    FamilleEnregistree() = families.isEmpty() ? FamilleAttendue : families.first();
}

QString FamillePoliceFenetre() {
    EnregistrePolices();
    return FamilleEnregistree().isEmpty() ? FamilleAttendue : FamilleEnregistree();
}

QFont PoliceFenetre(int pixelHeight) {
    QFont font;
    font.setFamilies(QStringList{FamillePoliceFenetre()} + FamillesDeSecours);
    font.setPixelSize(std::max(1, pixelHeight));
    font.setWeight(QFont::Bold);
    return font;
}
