// Draws the image catalogue of the game into assets/: 146 PNG files and the resource list
// that compiles them into the program. Run with --check to verify that the committed files
// are exactly what this program draws.
#include "drawings.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QStringList>
#include <QTextStream>

#include "colours.h"

#include <array>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct TEntree {
    QString chemin; // "<group>/<name>.png", relative to the assets folder
    std::function<QImage()> dessin;
};

// The ring colours are the catalogue's own, lighter or see-through beside the main colours.
struct TTour {
    std::uint32_t rgb;
    int alpha;
};
constexpr std::array<TTour, 8> CouleursTour{{
    {0xFFFFFF, 255},
    {0x0033EC, 219},
    {0xB00052, 198},
    {0xFF8000, 255},
    {0xFF0000, 255},
    {0xFFFF00, 159},
    {0x008900, 255},
    {0x6C0095, 180},
}};
constexpr std::uint32_t VertPanneau = 0x008000;
constexpr std::uint32_t RougePanneau = 0xCC282A;

// The window font is embedded with the images; the numeral font only serves this program.
const QStringList PolicesEmbarquees{"fonts/RobotoCondensed-Bold.ttf"};

std::vector<TEntree> Catalogue(const TPolices& polices) {
    std::vector<TEntree> entries;
    for (int n = 0; n < 100; ++n) {
        const TRgb colour = RgbDe(ValeurCouleur[n % 10]);
        entries.push_back({QStringLiteral("Chiffres/%1.png").arg(n, 2, 10, QLatin1Char('0')),
                           [&polices, n, colour] { return DessineChiffre(polices, n / 10, colour); }});
    }
    for (int face = 1; face <= 6; ++face) {
        entries.push_back({QStringLiteral("Dés/Dé%1.png").arg(face), [face] { return DessineDe(face); }});
    }
    const QStringList fonds{"Fond_0_noir",  "Fond_1_ciel", "Fond_2_Magenta", "Fond_3_orange", "Fond_4_rouge",
                            "Fond_5_jaune", "Fond_6_vert", "Fond_7_pourpre", "Fond_8_blanc",  "Fond_9_gris"};
    for (int k = 0; k < NbCouleurs; ++k) {
        const TRgb colour = RgbDe(ValeurCouleur[k]);
        entries.push_back({"Fonds/" + fonds[k] + ".png", [colour] { return DessineFond(colour); }});
    }
    entries.push_back({QStringLiteral("Types/Type_0_Humain.png"), DessineHumain});
    entries.push_back({QStringLiteral("Types/Type_1_Automate.png"), DessineAutomate});
    for (int k = 0; k < 8; ++k) {
        const TRgb colour = k == 0 ? TRgb{255, 255, 255} : RgbDe(ValeurCouleur[k]);
        entries.push_back(
            {QStringLiteral("FondsDé/FondDé_%1.png").arg(k), [colour] { return DessineFondDe(colour); }});
    }
    entries.push_back({QStringLiteral("Boutons/go.png"),
                       [&polices] { return DessinePanneau(polices, RgbDe(VertPanneau), "OK"); }});
    entries.push_back({QStringLiteral("Boutons/stop.png"),
                       [&polices] { return DessinePanneau(polices, RgbDe(RougePanneau), "STOP"); }});
    for (int k = 0; k < NbCouleurs; ++k) {
        const TRgb colour = RgbDe(ValeurCouleur[k]);
        entries.push_back({QStringLiteral("Stars/Star_%1_%2.png").arg(k).arg(NomCouleur[k]),
                           [colour] { return DessineEtoile(colour); }});
    }
    for (int k = 0; k < 8; ++k) {
        const TTour ring = CouleursTour[k];
        entries.push_back({QStringLiteral("ToursDé/TourDé_%1.png").arg(k),
                           [ring] { return DessineTourDe(RgbDe(ring.rgb), ring.alpha); }});
    }
    return entries;
}

QByteArray EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(100); // Qt counts 0 to 100: the strongest zlib level
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot encode PNG: %s\n", qPrintable(writer.errorString()));
    }
    return bytes;
}

QByteArray ResourceList(const std::vector<TEntree>& entries) {
    QByteArray text;
    QTextStream out(&text);
    out << "<!DOCTYPE RCC>\n<!-- Written by tools/draw_catalogue; regenerate rather than edit. -->\n"
        << "<RCC version=\"1.0\">\n<qresource prefix=\"/assets\">\n";
    for (const TEntree& e : entries) {
        out << "    <file>" << e.chemin << "</file>\n";
    }
    for (const QString& font : PolicesEmbarquees) {
        out << "    <file>" << font << "</file>\n";
    }
    out << "</qresource>\n</RCC>\n";
    out.flush();
    return text;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[]) {
    // The font outlines come through Qt's font engine, which needs a platform; none is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool check = args.removeAll("--check") > 0;
    if (args.size() > 1 || (!args.isEmpty() && args.first().startsWith('-'))) {
        std::fprintf(stderr, "usage: draw_catalogue [--check] [assets-folder]\n");
        return 2;
    }
    const QString assets = args.isEmpty() ? QStringLiteral(DORVANE_ASSETS_DIR) : args.first();
    const TPolices polices{assets + "/fonts/DejaVuSerif-Bold.ttf",
                           assets + "/fonts/RobotoCondensed-Bold.ttf"};

    std::vector<TEntree> entries;
    try {
        entries = Catalogue(polices);
        std::vector<std::pair<QString, QByteArray>> files;
        for (const TEntree& e : entries) {
            files.emplace_back(assets + "/" + e.chemin, EncodePng(e.dessin()));
        }
        files.emplace_back(assets + "/catalogue.qrc", ResourceList(entries));

        int problems = 0;
        for (const auto& [path, bytes] : files) {
            if (check) {
                if (ReadFile(path) != bytes) {
                    std::fprintf(stderr, "differs from what draw_catalogue draws: %s\n", qPrintable(path));
                    ++problems;
                }
            } else if (!WriteFile(path, bytes)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                ++problems;
            }
        }
        if (problems == 0) {
            std::printf("%s %zu images in %s\n", check ? "checked" : "drew", entries.size(),
                        qPrintable(assets));
        }
        return problems == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "draw_catalogue: %s\n", e.what());
        return 1;
    }
}
