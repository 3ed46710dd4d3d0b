// The eight image lists against the catalogue: which image each index shows, and the pixels
// that define each kind of image.
#include "colours.h"
#include "image_list.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace {

QColor Couleur(std::uint32_t rgb) {
    return QColor::fromRgb(QRgb(rgb));
}

// Premultiplied storage rounds the colour of see-through pixels, so colours compare within 2.
bool EstProche(const QColor& actual, const QColor& expected, int alpha) {
    return std::abs(actual.red() - expected.red()) <= 2 && std::abs(actual.green() - expected.green()) <= 2 &&
           std::abs(actual.blue() - expected.blue()) <= 2 && actual.alpha() == alpha;
}

::testing::AssertionResult Proche(const QColor& actual, const QColor& expected, int alpha) {
    if (EstProche(actual, expected, alpha)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "pixel " << actual.name(QColor::HexArgb).toStdString() << ", expected "
           << expected.name(QColor::HexRgb).toStdString() << " at alpha " << alpha;
}

int Alpha(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y));
}

struct TListeAttendue {
    const TImageList* list;
    const char* name;
    QSize size;
    int count;
    std::vector<std::pair<int, const char*>> items;
};

} // namespace

TEST(ImageLists, MatchTheCatalogueTable) {
    const TCatalogue& c = Catalogue();
    const std::vector<TListeAttendue> table{
        {&c.VirtualImageListChf, "VirtualImageListChf", {120, 160}, 100, {{0, "00"}, {47, "47"}, {99, "99"}}},
        {&c.VirtualImageListFnd,
         "VirtualImageListFnd",
         {160, 160},
         10,
         {{0, "Fond_0_noir"}, {1, "Fond_1_ciel"}, {2, "Fond_2_Magenta"}, {9, "Fond_9_gris"}}},
        {&c.VirtualImageListDes, "VirtualImageListDes", {160, 160}, 6, {{0, "Dé1"}, {5, "Dé6"}}},
        {&c.VirtualImageListFde, "VirtualImageListFde", {160, 160}, 8, {{0, "FondDé_0"}, {7, "FondDé_7"}}},
        {&c.VirtualImageListBtn, "VirtualImageListBtn", {160, 160}, 2, {{0, "go"}, {1, "stop"}}},
        {&c.VirtualImageListTjr,
         "VirtualImageListTjr",
         {160, 160},
         2,
         {{0, "Type_0_Humain"}, {1, "Type_1_Automate"}}},
        {&c.VirtualImageListTDe, "VirtualImageListTDe", {160, 160}, 8, {{0, "TourDé_0"}, {7, "TourDé_7"}}},
        {&c.VirtualImageListSte,
         "VirtualImageListSte",
         {160, 160},
         10,
         {{0, "Star_0_Noir"}, {3, "Star_3_Orange"}, {9, "Star_9_Gris"}}},
    };
    for (const TListeAttendue& e : table) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.list->Name(), e.name);
        EXPECT_EQ(e.list->Size(), e.size);
        ASSERT_EQ(e.list->Count(), e.count);
        for (const auto& [index, item] : e.items) {
            EXPECT_EQ(e.list->ItemName(index), QString::fromUtf8(item)) << "index " << index;
        }
        // Every image is compiled in and comes out at the list's size, signs included.
        for (int i = 0; i < e.count; ++i) {
            EXPECT_EQ(e.list->Image(i).size(), e.size) << "index " << i;
        }
        for (int outside : {-1, e.count}) {
            EXPECT_TRUE(e.list->Image(outside).isNull());
            EXPECT_TRUE(e.list->Scaled(outside, {60, 60}).isNull());
            EXPECT_TRUE(e.list->ItemName(outside).isEmpty());
        }
    }
}

TEST(ImageLists, ScaledCopiesHaveTheAskedSizeAndAreKept) {
    const TImageList& bodies = Catalogue().VirtualImageListFde;
    const QImage& a = bodies.Scaled(3, {60, 60});
    EXPECT_EQ(a.size(), QSize(60, 60));
    EXPECT_EQ(&bodies.Scaled(3, {60, 60}), &a);
    EXPECT_EQ(bodies.Scaled(3, {31, 31}).size(), QSize(31, 31));
    EXPECT_EQ(bodies.Scaled(3, {60, 60}).constBits(), a.constBits());
    EXPECT_TRUE(bodies.Scaled(3, {0, 60}).isNull());
    // Scaled down, the body keeps its colour in the middle and its transparent margin.
    EXPECT_TRUE(Proche(a.pixelColor(30, 30), Couleur(ValeurCouleur[cOrange]), 255));
    EXPECT_EQ(Alpha(a, 2, 30), 0);
}

TEST(CatalogueImages, TilesAreOpaqueInTheirColour) {
    const TImageList& tiles = Catalogue().VirtualImageListFnd;
    for (int k = 0; k < NbCouleurs; ++k) {
        const QImage& image = tiles.Image(k);
        for (QPoint p : {QPoint(0, 0), QPoint(80, 80), QPoint(159, 159), QPoint(0, 159)}) {
            EXPECT_TRUE(Proche(image.pixelColor(p), Couleur(ValeurCouleur[k]), 255)) << "colour " << k;
        }
    }
}

TEST(CatalogueImages, DieBodyIsOpaqueExactlyInsideItsSquare) {
    const TImageList& bodies = Catalogue().VirtualImageListFde;
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        const QImage& image = bodies.Image(k);
        const QColor colour = k == cNoir ? QColor(Qt::white) : Couleur(ValeurCouleur[k]);
        for (int y = 0; y < 160; ++y) {
            for (int x = 0; x < 160; ++x) {
                const bool inside = x >= 21 && x <= 138 && y >= 21 && y <= 138;
                ASSERT_EQ(Alpha(image, x, y), inside ? 255 : 0) << x << "," << y;
            }
        }
        EXPECT_TRUE(Proche(image.pixelColor(21, 21), colour, 255));
        EXPECT_TRUE(Proche(image.pixelColor(138, 80), colour, 255));
    }
}

TEST(CatalogueImages, RingIsTheComplementOfTheBody) {
    struct TAnneau {
        QRgb rgb;
        int alpha;
    };
    const std::vector<TAnneau> rings{{0xFFFFFF, 255}, {0x0033EC, 219}, {0xB00052, 198}, {0xFF8000, 255},
                                     {0xFF0000, 255}, {0xFFFF00, 159}, {0x008900, 255}, {0x6C0095, 180}};
    const TImageList& list = Catalogue().VirtualImageListTDe;
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        const QImage& image = list.Image(k);
        for (int y = 0; y < 160; ++y) {
            for (int x = 0; x < 160; ++x) {
                const bool centre = x >= 21 && x <= 138 && y >= 21 && y <= 138;
                ASSERT_EQ(Alpha(image, x, y), centre ? 0 : rings[k].alpha) << x << "," << y;
            }
        }
        for (QPoint p : {QPoint(0, 0), QPoint(20, 80), QPoint(80, 139), QPoint(159, 159)}) {
            EXPECT_TRUE(Proche(image.pixelColor(p), Couleur(rings[k].rgb), rings[k].alpha));
        }
    }
}

TEST(CatalogueImages, PipsAreDarkAtTheirCentresAndFilmLightBetween) {
    // The seven places a pip can take, and which faces have one there.
    const std::vector<std::pair<QPoint, std::set<int>>> places{
        {{80, 80}, {1, 3, 5}},     {{50, 50}, {2, 4, 5, 6}},  {{110, 110}, {2, 4, 5, 6}},
        {{110, 50}, {3, 4, 5, 6}}, {{50, 110}, {3, 4, 5, 6}}, {{50, 80}, {6}},
        {{110, 80}, {6}},
    };
    constexpr int Film = 23;
    const TImageList& pips = Catalogue().VirtualImageListDes;
    for (int face = 1; face <= 6; ++face) {
        SCOPED_TRACE(face);
        const QImage& image = pips.Image(face - 1);
        for (const auto& [p, faces] : places) {
            const bool pip = faces.count(face) > 0;
            EXPECT_EQ(Alpha(image, p.x(), p.y()), pip ? 255 : Film) << p.x() << "," << p.y();
            if (pip) {
                EXPECT_EQ(qGray(image.pixel(p)), 0);
                // 24 pixels across: dark 10 px from the centre, film 14 px away.
                EXPECT_EQ(Alpha(image, p.x() + 10, p.y()), 255);
                EXPECT_EQ(Alpha(image, p.x() + 14, p.y()), Film);
            }
        }
        EXPECT_EQ(Alpha(image, 65, 65), Film);
        // The outline from 18 to 141, about 4 px, and nothing outside it.
        for (int x : {18, 21, 138, 141}) {
            EXPECT_EQ(Alpha(image, x, 80), 255) << x;
            EXPECT_EQ(Alpha(image, 80, x), 255) << x;
        }
        for (int x : {0, 17, 142, 159}) {
            EXPECT_EQ(Alpha(image, x, 80), 0) << x;
            EXPECT_EQ(Alpha(image, 80, x), 0) << x;
        }
    }
}

TEST(CatalogueImages, StarIsItsColourInsideAndTransparentAround) {
    const TImageList& stars = Catalogue().VirtualImageListSte;
    for (int k = 0; k < NbCouleurs; ++k) {
        SCOPED_TRACE(k);
        const QImage& image = stars.Image(k);
        for (QPoint p : {QPoint(80, 85), QPoint(80, 14), QPoint(12, 64), QPoint(147, 64), QPoint(38, 144),
                         QPoint(121, 144)}) {
            EXPECT_TRUE(Proche(image.pixelColor(p), Couleur(ValeurCouleur[k]), 255)) << p.x() << "," << p.y();
        }
        // Corners, and the notches between the points.
        for (QPoint p : {QPoint(2, 2), QPoint(157, 2), QPoint(2, 157), QPoint(157, 157), QPoint(80, 150),
                         QPoint(30, 30), QPoint(130, 30)}) {
            EXPECT_EQ(Alpha(image, p.x(), p.y()), 0) << p.x() << "," << p.y();
        }
    }
}

TEST(CatalogueImages, DigitTilesShowTheirDigitInTheirColour) {
    const TImageList& digits = Catalogue().VirtualImageListChf;
    std::vector<QImage> shapes(10);
    for (int n = 0; n < 100; ++n) {
        SCOPED_TRACE(n);
        const QImage& image = digits.Image(n);
        for (QPoint p : {QPoint(0, 0), QPoint(119, 0), QPoint(0, 159), QPoint(119, 159)}) {
            EXPECT_EQ(Alpha(image, p.x(), p.y()), 0);
        }
        // Somewhere in the glyph area the digit is solid in the tile's colour.
        int solid = 0;
        for (int y = 7; y <= 151; ++y) {
            for (int x = 5; x <= 118; ++x) {
                solid += EstProche(image.pixelColor(x, y), Couleur(ValeurCouleur[n % 10]), 255) ? 1 : 0;
            }
        }
        EXPECT_GT(solid, 1000);
        // The shape is the digit's: the same in every colour, different from every other digit.
        const QImage shape = image.convertToFormat(QImage::Format_Alpha8);
        if (n % 10 == 0) {
            shapes[n / 10] = shape;
        } else {
            EXPECT_EQ(shape, shapes[n / 10]);
        }
    }
    for (int a = 0; a < 10; ++a) {
        for (int b = a + 1; b < 10; ++b) {
            EXPECT_NE(shapes[a], shapes[b]) << a << " and " << b;
        }
    }
    // The numeral fills its area: the widest reaches both sides, all reach top and bottom.
    const QImage& zero = digits.Image(0);
    EXPECT_GT(Alpha(zero, 8, 80), 128);
    EXPECT_GT(Alpha(zero, 116, 80), 128);
    EXPECT_GT(Alpha(zero, 62, 9), 128);
    EXPECT_GT(Alpha(zero, 62, 149), 128);
}

TEST(CatalogueImages, SignsAreGreenOkAndRedStopWithWhiteRimAndLettering) {
    const TImageList& signs = Catalogue().VirtualImageListBtn;
    const std::vector<QColor> fields{QColor(0x00, 0x80, 0x00), QColor(0xCC, 0x28, 0x2A)};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const QImage& image = signs.Image(i); // scaled up from 121 to 160
        for (QPoint p : {QPoint(1, 1), QPoint(158, 1), QPoint(1, 158), QPoint(158, 158), QPoint(18, 18)}) {
            EXPECT_EQ(Alpha(image, p.x(), p.y()), 0);
        }
        EXPECT_TRUE(Proche(image.pixelColor(80, 1), Qt::white, 255));
        EXPECT_TRUE(Proche(image.pixelColor(1, 80), Qt::white, 255));
        EXPECT_TRUE(Proche(image.pixelColor(80, 14), fields[i], 255));
        EXPECT_TRUE(Proche(image.pixelColor(80, 146), fields[i], 255));
        // The word: white in the middle band, and none of it outside that band.
        int white = 0;
        for (int y = 40; y < 120; ++y) {
            for (int x = 10; x < 150; ++x) {
                white += EstProche(image.pixelColor(x, y), Qt::white, 255) ? 1 : 0;
            }
        }
        EXPECT_GT(white, 800);
        for (int x = 45; x < 115; ++x) {
            EXPECT_TRUE(Proche(image.pixelColor(x, 24), fields[i], 255)) << x;
        }
    }
}

TEST(CatalogueImages, PictogramsAreBlackOnTransparent) {
    const TImageList& types = Catalogue().VirtualImageListTjr;
    for (int i = 0; i < 2; ++i) {
        const QImage& image = types.Image(i);
        int black = 0;
        int other = 0;
        for (int y = 0; y < 160; ++y) {
            for (int x = 0; x < 160; ++x) {
                if (Alpha(image, x, y) == 0) {
                    continue;
                }
                (qGray(image.pixel(x, y)) == 0 ? black : other)++;
            }
        }
        EXPECT_GT(black, 3000) << i;
        EXPECT_EQ(other, 0) << i;
        EXPECT_EQ(Alpha(image, 1, 1), 0);
    }
    const QImage& person = types.Image(0);
    EXPECT_EQ(Alpha(person, 80, 50), 255);  // head
    EXPECT_EQ(Alpha(person, 80, 82), 0);    // gap below the chin
    EXPECT_EQ(Alpha(person, 80, 130), 255); // shoulders
    const QImage& computer = types.Image(1);
    EXPECT_EQ(Alpha(computer, 80, 50), 0);    // empty screen
    EXPECT_EQ(Alpha(computer, 28, 50), 255);  // its frame
    EXPECT_EQ(Alpha(computer, 80, 98), 255);  // foot
    EXPECT_EQ(Alpha(computer, 16, 134), 255); // keyboard
}
