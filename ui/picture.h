// Picture composition, shared by every painted area: layers drawn with alpha over a
// picture that the first layer makes white, then copied opaquely, scaled into a rectangle.
#pragma once

#include <QRect>
#include <QVector>

class QPainter;
class TImageList;

class TPicture {
public:
    // Adds image `index` of `list` as the next layer; an index outside the list adds nothing.
    void Draw(const TImageList& list, int index);
    bool IsEmpty() const { return layers_.isEmpty(); }

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
