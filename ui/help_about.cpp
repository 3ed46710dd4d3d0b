// Help page, About box and the version numbers they show.
#include "help_about.h"

#include "main_f.h"
#include "version_data.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <stdexcept>

void LitVersion(const QString& donnees, QString& stVersion, QString& stSousVersion) {
    const QStringList n = donnees.split('.');
    bool ok = n.size() == 4;
    for (const QString& s : n) {
        bool nombre = false;
        s.toUInt(&nombre);
        ok = ok && nombre;
    }
    if (!ok)
        throw std::runtime_error(ErreurVersion);
    stVersion = QString("%1.%2.%3").arg(n[0].toUInt()).arg(n[1].toUInt()).arg(n[2].toUInt());
    stSousVersion = QString(".%1").arg(n[3].toUInt());
}

QString TexteAPropos(const QString& stVersion, const QString& stSousVersion) {
    constexpr int bits = static_cast<int>(sizeof(void*) * 8);
    return QString::asprintf("Dorvane %s%s version %d bits", qUtf8Printable(stVersion),
                             qUtf8Printable(stSousVersion), bits) +
           "\n" + QString::fromUtf8("11/02/2021") + "\n\n" +
           QString::fromUtf8("Conçu et programmé par Tessarine.") + "\n" +
           QString::fromUtf8("Logiciel libre distribué sous licence GNU GPL, version 3 ou ultérieure.");
}

QStringList EmplacementsAide(const QString& dossierProgramme) {
    return {dossierProgramme + "/html/index.html", dossierProgramme + "/../share/dorvane/html/index.html"};
}

QString& DonneesVersionProgramme() {
    static QString donnees = QString::fromUtf8(DonneesVersion);
    return donnees;
}

void TFormMain::LitVersion() {
    ::LitVersion(DonneesVersionProgramme(), stVersion, stSousVersion);
}

QString TFormMain::TexteAPropos() const {
    return ::TexteAPropos(stVersion, stSousVersion);
}

// A missing page shows nothing, as a missing browser does.
void TFormMain::MenuItemAideClick() {
    for (const QString& page : EmplacementsAide(QCoreApplication::applicationDirPath()))
        if (QFileInfo::exists(page)) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(page).canonicalFilePath()));
            return;
        }
}

void TFormMain::MenuItemAProposClick() {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8("À propos de Dorvane"), TexteAPropos(),
                    QMessageBox::Ok, this);
    box.setObjectName("BoiteAPropos");
    box.exec();
}
