// The window font: the embedded stand-in for Impact, with every letter the window writes.
#include "fonts.h"

#include <QFontInfo>
#include <QRawFont>

#include <gtest/gtest.h>

TEST(WindowFont, IsTheEmbeddedBoldCondensedFace) {
    EXPECT_EQ(FamillePoliceFenetre(), "Roboto Condensed");
    for (int height : {12, 19, 24}) {
        const QFont font = PoliceFenetre(height);
        EXPECT_EQ(font.pixelSize(), height);
        const QFontInfo info(font);
        EXPECT_EQ(info.family(), "Roboto Condensed");
        EXPECT_TRUE(info.bold());
    }
}

TEST(WindowFont, CoversTheFrenchTextsOfTheWindow) {
    const QRawFont raw = QRawFont::fromFont(PoliceFenetre(19));
    ASSERT_TRUE(raw.isValid());
    EXPECT_EQ(raw.familyName(), "Roboto Condensed");
    const QString texts = QString::fromUtf8("Dés capturés Reste à jouer Dés non joués 0123456789 / "
                                            "àâäçéèêëîïôöùûüÿÀÂÇÉÈÊËÎÏÔÙÛÜ«»œŒ'!?:()");
    for (const QChar c : texts) {
        EXPECT_TRUE(raw.supportsCharacter(c)) << QString(c).toStdString();
    }
}
