// Picture composition: layers over a white picture made by the first layer, copied opaquely
// and scaled into a rectangle.
#include "colours.h"
#include "image_list.h"
#include "picture.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr QRgb Rouge = 0xFFFF0000;

// A canvas that shows which pixels a copy touched.
QImage Toile(QSize size = {100, 100}, qreal ratio = 1) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Rouge);
    image.setDevicePixelRatio(ratio);
    return image;
}

void Copie(const TPicture& picture, QImage& canvas, const QRect& target) {
    QPainter painter(&canvas);
    picture.CopyTo(painter, target);
}

QRgb Opaque(std::uint32_t rgb) {
    return 0xFF000000u | rgb;
}

const TCatalogue& C() {
    return Catalogue();
}

} // namespace

TEST(Picture, FirstLayerGivesAWhitePictureOfItsListsSize) {
    TPicture pips;
    EXPECT_TRUE(pips.Size().isEmpty());
    C().VirtualImageListDes.Draw(pips, 0);
    EXPECT_EQ(pips.Size(), QSize(160, 160));
    const QImage image = pips.Compose({160, 160});
    EXPECT_EQ(image.pixel(5, 5), 0xFFFFFFFFu);   // white where the pips image is transparent
    EXPECT_EQ(image.pixel(80, 80), 0xFF000000u); // the pip
    EXPECT_EQ(qRed(image.pixel(40, 40)), 232);   // the 9 % black film over white
    TPicture digit;
    C().VirtualImageListChf.Draw(digit, 47);
    EXPECT_EQ(digit.Size(), QSize(120, 160));
    EXPECT_EQ(digit.Compose({120, 160}).pixel(0, 0), 0xFFFFFFFFu);
}

TEST(Picture, IndexOutsideTheListDrawsNothing) {
    TPicture picture;
    C().VirtualImageListFde.Draw(picture, 8); // cBlanc has no die body
    C().VirtualImageListTDe.Draw(picture, -1);
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_TRUE(picture.Compose({60, 60}).isNull());
    // A picture with no layer copies nothing.
    QImage canvas = Toile();
    Copie(picture, canvas, QRect(0, 0, 100, 100));
    EXPECT_EQ(canvas, Toile());

    // After a real layer, a missing one leaves the picture as it was.
    TPicture grey;
    C().VirtualImageListFnd.Draw(grey, cGris);
    TPicture greyAndMissing = grey;
    C().VirtualImageListFde.Draw(greyAndMissing, cGris);
    C().VirtualImageListSte.Draw(greyAndMissing, NbCouleurs);
    EXPECT_EQ(greyAndMissing.Compose({60, 60}), grey.Compose({60, 60}));
}

TEST(Picture, LayersAreDrawnInOrderOverAnOpaqueTile) {
    TPicture cell;
    C().VirtualImageListFnd.Draw(cell, cGris);
    C().VirtualImageListTDe.Draw(cell, cBleu);
    C().VirtualImageListFde.Draw(cell, cOrange);
    C().VirtualImageListDes.Draw(cell, 5);
    const QImage image = cell.Compose({160, 160});
    EXPECT_EQ(image.pixel(65, 65), Opaque(0xE87400)); // body under the 9 % film: 232/255 of orange
    EXPECT_EQ(image.pixel(50, 50), 0xFF000000u);      // pip
    // Blue ring at alpha 219 over grey, the colour the window shows round a suite.
    const QRgb ring = image.pixel(5, 80);
    EXPECT_NEAR(qRed(ring), (0x00 * 219 + 0x40 * 36) / 255, 1);
    EXPECT_NEAR(qBlue(ring), (0xEC * 219 + 0x40 * 36) / 255, 1);
    // Without the ring, the same place is the grey tile.
    TPicture plain;
    C().VirtualImageListFnd.Draw(plain, cGris);
    C().VirtualImageListFde.Draw(plain, cOrange);
    EXPECT_EQ(plain.Compose({160, 160}).pixel(5, 80), Opaque(ValeurCouleur[cGris]));
}

TEST(Picture, NarrowLayerCoversOnlyItsOwnWidth) {
    // A 120 x 160 digit over a 160 x 160 black tile: the last 40 columns stay black.
    TPicture picture;
    C().VirtualImageListFnd.Draw(picture, cNoir);
    C().VirtualImageListChf.Draw(picture, 8 * 10 + cBlanc);
    const QImage image = picture.Compose({80, 80}); // half size: the digit is 60 wide
    int whiteLeft = 0;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 80; ++x) {
            const bool white = qRed(image.pixel(x, y)) > 128;
            if (x >= 60) {
                ASSERT_FALSE(white) << x << "," << y;
            }
            whiteLeft += white ? 1 : 0;
        }
    }
    EXPECT_GT(whiteLeft, 500);
}

TEST(Picture, CopyFillsExactlyTheTargetRectangle) {
    TPicture picture;
    C().VirtualImageListFnd.Draw(picture, cGris);
    C().VirtualImageListFde.Draw(picture, cBleu);
    QImage canvas = Toile();
    const QRect target(10, 20, 60, 60);
    Copie(picture, canvas, target);
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (!target.contains(x, y)) {
                ASSERT_EQ(canvas.pixel(x, y), Rouge) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(canvas.pixel(10 + 30, 20 + 30), Opaque(ValeurCouleur[cBleu]));
    EXPECT_EQ(canvas.pixel(10, 20), Opaque(ValeurCouleur[cGris]));
    EXPECT_EQ(canvas.pixel(69, 79), Opaque(ValeurCouleur[cGris]));
    // The copy is the picture composed at the target's size.
    EXPECT_EQ(canvas.copy(target), picture.Compose({60, 60}).convertToFormat(canvas.format()));
}

TEST(Picture, CopyIsOpaqueEvenWhereEveryLayerIsTransparent) {
    TPicture star;
    C().VirtualImageListSte.Draw(star, cJaune);
    QImage canvas = Toile({31, 31});
    Copie(star, canvas, QRect(0, 0, 31, 31));
    EXPECT_EQ(canvas.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.pixel(15, 16), Opaque(ValeurCouleur[cJaune]));
}

TEST(Picture, CopyIsComposedAtTheDevicePixelsOfADenseScreen) {
    TPicture picture;
    C().VirtualImageListFnd.Draw(picture, cNoir);
    C().VirtualImageListBtn.Draw(picture, 1);
    QImage dense = Toile({128, 128}, 2);
    Copie(picture, dense, QRect(0, 0, 64, 64)); // 64 logical pixels, 128 device pixels
    QImage expected = picture.Compose({128, 128}).convertToFormat(dense.format());
    expected.setDevicePixelRatio(2);
    EXPECT_EQ(dense, expected);
}
