#include "image_list.h"

#include "picture.h"

#include <QFileInfo>

namespace {

const QImage& ImageNulle() {
    static const QImage none;
    return none;
}

QStringList Chemins(const QString& group, const QStringList& names) {
    QStringList paths;
    for (const QString& name : names) {
        paths << QStringLiteral(":/assets/%1/%2.png").arg(group, name);
    }
    return paths;
}

QStringList Numerotes(const QString& pattern, int first, int last) {
    QStringList names;
    for (int k = first; k <= last; ++k) {
        names << pattern.arg(k);
    }
    return names;
}

constexpr QSize Tuile(160, 160);
constexpr QSize TuileChiffre(120, 160);

} // namespace

// The resource's initialiser lives in an object of a static library that nothing else
// references, so the linker would drop it without this explicit call.
void InitialiseRessources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(catalogue);
        return true;
    }();
    (void)done;
}

TImageList::TImageList(const QString& name, QSize size, const QStringList& paths)
    : name_(name), size_(size), paths_(paths) {
    images_.reserve(paths_.size());
    for (const QString& path : paths_) {
        images_.push_back(QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

int TImageList::Count() const {
    return int(paths_.size());
}

QString TImageList::ItemName(int index) const {
    if (index < 0 || index >= Count()) {
        return {};
    }
    return QFileInfo(paths_[index]).completeBaseName();
}

const QImage& TImageList::Image(int index) const {
    return Scaled(index, size_);
}

const QImage& TImageList::Scaled(int index, QSize size) const {
    constexpr int MaxCote = 0xFFFF;
    if (index < 0 || index >= Count() || size.isEmpty() || size.width() > MaxCote ||
        size.height() > MaxCote) {
        return ImageNulle();
    }
    const quint64 key = quint64(index) << 32 | quint64(size.width()) << 16 | quint64(size.height());
    if (const auto found = scaled_.find(key); found != scaled_.end()) {
        return found->second;
    }
    const QImage& original = images_[index];
    QImage scaled = original.size() == size || original.isNull()
                        ? original
                        : original.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return scaled_.emplace(key, std::move(scaled)).first->second;
}

void TImageList::Draw(TPicture& picture, int index) const {
    picture.Draw(*this, index);
}

const TCatalogue& Catalogue() {
    static const TCatalogue catalogue = [] {
        InitialiseRessources();
        QStringList digits;
        for (int n = 0; n < 100; ++n) {
            digits << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        }
        return TCatalogue{
            TImageList("VirtualImageListChf", TuileChiffre, Chemins("Chiffres", digits)),
            TImageList("VirtualImageListFnd", Tuile,
                       Chemins("Fonds", {"Fond_0_noir", "Fond_1_ciel", "Fond_2_Magenta", "Fond_3_orange",
                                         "Fond_4_rouge", "Fond_5_jaune", "Fond_6_vert", "Fond_7_pourpre",
                                         "Fond_8_blanc", "Fond_9_gris"})),
            TImageList("VirtualImageListDes", Tuile, Chemins("Dés", Numerotes("Dé%1", 1, 6))),
            TImageList("VirtualImageListFde", Tuile, Chemins("FondsDé", Numerotes("FondDé_%1", 0, 7))),
            TImageList("VirtualImageListBtn", Tuile, Chemins("Boutons", {"go", "stop"})),
            TImageList("VirtualImageListTjr", Tuile, Chemins("Types", {"Type_0_Humain", "Type_1_Automate"})),
            TImageList("VirtualImageListTDe", Tuile, Chemins("ToursDé", Numerotes("TourDé_%1", 0, 7))),
            TImageList("VirtualImageListSte", Tuile,
                       Chemins("Stars", {"Star_0_Noir", "Star_1_Bleu", "Star_2_Magenta", "Star_3_Orange",
                                         "Star_4_Rouge", "Star_5_Jaune", "Star_6_Vert", "Star_7_Pourpre",
                                         "Star_8_Blanc", "Star_9_Gris"})),
        };
    }();
    return catalogue;
}
