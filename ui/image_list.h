// The eight image lists over the embedded catalogue. Each list maps its indexes to images
// of the catalogue, renders them at its own size, and keeps scaled copies at the sizes
// they are drawn at, so painting never rescales a 160-pixel image twice.
#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <unordered_map>

class TPicture;

class TImageList {
public:
    // paths: resource paths of the list's images in index order, e.g. ":/assets/Dés/Dé1.png".
    TImageList(const QString& name, QSize size, const QStringList& paths);

    const QString& Name() const { return name_; }
    QSize Size() const { return size_; }
    int Count() const;
    // The item's name: the image's name without its group ("Dé1", "Fond_0_noir", "00");
    // empty outside the list.
    QString ItemName(int index) const;
    // The image at the list's size (premultiplied ARGB); a null image for an index outside the list.
    const QImage& Image(int index) const;
    // The image scaled smoothly from its drawn original to `size` (device pixels), cached;
    // null outside the list or for an empty size. Copies are kept for the list's lifetime
    // (the window draws at a handful of sizes), so the reference stays valid that long.
    const QImage& Scaled(int index, QSize size) const;

    // Draws image `index` over `picture` with alpha; an index outside the list draws nothing.
    void Draw(TPicture& picture, int index) const;

private:
    QString name_;
    QSize size_;
    QStringList paths_;
    QList<QImage> images_; // the originals, at the size they were drawn at
    mutable std::unordered_map<quint64, QImage> scaled_;
};

// The eight lists, built once on first use from the images compiled into the program.
struct TCatalogue {
    TImageList VirtualImageListChf; // digits: index = colour + 10 x digit
    TImageList VirtualImageListFnd; // opaque tiles, index = colour
    TImageList VirtualImageListDes; // pips, index = face - 1
    TImageList VirtualImageListFde; // die bodies, index = colour (0 to 7)
    TImageList VirtualImageListBtn; // 0 OK, 1 STOP
    TImageList VirtualImageListTjr; // 0 human, 1 computer
    TImageList VirtualImageListTDe; // rings, index = colour (0 to 7)
    TImageList VirtualImageListSte; // stars, index = colour
};

const TCatalogue& Catalogue();

// Makes the images and fonts compiled into the program readable under ":/assets". Catalogue()
// and EnregistrePolices() call it; calling it again does nothing.
void InitialiseRessources();
