// What every window test needs: an offscreen application with the program's fonts, a
// settings folder of its own, a fresh game and the real main window.
#pragma once

#include "base.h"
#include "data_folder.h"
#include "fonts.h"
#include "main_f.h"
#include "paint_box.h"
#include "random_face.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// A main() for window test executables: Qt must run offscreen and exist before any test.
#define DORVANE_WINDOW_TEST_MAIN                                                                             \
    int main(int argc, char** argv) {                                                                        \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                             \
        QApplication application(argc, argv);                                                                \
        EnregistrePolices();                                                                                 \
        ::testing::InitGoogleTest(&argc, argv);                                                              \
        return RUN_ALL_TESTS();                                                                              \
    }

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dossier.isValid());
        stRepDonnees = dossier.path().toStdString() + "/";
        InitialiseGenerateur(12345);
        CouleurJoueur = {cNoir, cNoir, cNoir};
        Partie = std::make_unique<TPartie>(mjBlitz);
        AvantFenetre();
        fenetre = std::make_unique<TFormMain>();
        fenetre->show();
    }

    void TearDown() override {
        if (fenetre->isVisible())
            fenetre->close();
        Partie.reset();
        fenetre.reset();
        stRepDonnees.clear();
    }

    // Runs once the game exists and before the window is created, e.g. to write a settings file.
    virtual void AvantFenetre() {}

    TFormMain& F() { return *fenetre; }
    TPaintBox& Zone(const QString& nom) {
        auto* z = fenetre->findChild<TPaintBox*>(nom);
        EXPECT_NE(z, nullptr) << nom.toStdString();
        return *z;
    }
    QLabel& Label(const QString& nom) { return *fenetre->findChild<QLabel*>(nom); }
    QAction& Action(const QString& nom) { return *fenetre->findChild<QAction*>(nom); }
    QImage Grab(const QString& nom) { return Zone(nom).grab().toImage(); }

    void Press(const QString& nom, QPoint pt, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(&Zone(nom), b, Qt::NoModifier, pt);
        QTest::mouseRelease(&Zone(nom), b, Qt::NoModifier, pt);
    }
    static QPoint Cellule(int x, int y) { return QPoint(x * 64 + 32, y * 64 + 32); }
    static QPoint Place(int k) { return QPoint((k - 1) % 6 * 32 + 16, (k - 1) / 6 * 32 + 16); }
    void Nouvelle(TModeJeu mode) {
        Action(mode == mjMaster ? "MenuItemModeMaster" : "MenuItemModeBlitz").setChecked(true);
        Action("MenuItemPartieNouvelle").trigger();
    }

    // Puts die `d` on (x, y) as a placement does, without captures.
    static void Pose(TNumDe d, int x, int y) {
        TDe& de = *Partie->Des[d];
        de.Etat = edPose;
        de.x = x;
        de.y = y;
        Partie->Gr[x][y] = d;
    }

    QTemporaryDir dossier;
    std::unique_ptr<TFormMain> fenetre;
};

inline QColor Pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}
inline QColor CouleurRgb(std::uint32_t v) {
    return QColor::fromRgb(v);
}
