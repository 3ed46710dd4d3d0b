// Picture composition, shared by every painted area: layers drawn with alpha over a
// picture that the first layer makes white, then copied opaquely, scaled into a rectangle.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QVector>

class QPainter;
class TImageList;

class TPicture {
public:
    // Adds image `index` of `list` as the next layer; an index outside the list adds nothing.
    void Draw(const TImageList& list, int index);
    bool IsEmpty() const { return layers_.isEmpty(); }
    // The picture's own size: the size of the first layer's list; empty while no layer is drawn.
    QSize Size() const;

    // The picture composed at `size` pixels: white, then each layer at (0, 0) at its list's size,
    // all scaled by size / Size(). A null image when no layer is drawn or `size` is empty.
    QImage Compose(QSize size) const;

    // Copies the picture opaquely into `target` (logical pixels of `painter`), composed at the
    // target's device size from the lists' scaled images; a picture with no layer copies nothing.
    void CopyTo(QPainter& painter, const QRect& target) const;

private:
    struct Layer {
        const TImageList* list;
        int index;
    };
    QVector<Layer> layers_;
};
