#include "picture.h"

#include "image_list.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

void TPicture::Draw(const TImageList& list, int index) {
    if (index < 0 || index >= list.Count()) {
        return;
    }
    layers_.push_back({&list, index});
}

QSize TPicture::Size() const {
    return layers_.isEmpty() ? QSize() : layers_.first().list->Size();
}

QImage TPicture::Compose(QSize size) const {
    if (layers_.isEmpty() || size.isEmpty()) {
        return {};
    }
    // Each layer is drawn from the copy its list keeps at the final size, so no pixel is
    // resampled twice and a 60-pixel cell costs no 160-pixel work.
    const QSize own = Size();
    const double sx = double(size.width()) / own.width();
    const double sy = double(size.height()) / own.height();
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (const Layer& layer : layers_) {
        const QSize listSize = layer.list->Size();
        const QSize scaled(int(std::lround(listSize.width() * sx)), int(std::lround(listSize.height() * sy)));
        painter.drawImage(0, 0, layer.list->Scaled(layer.index, scaled));
    }
    return picture;
}

void TPicture::CopyTo(QPainter& painter, const QRect& target) const {
    if (layers_.isEmpty() || target.isEmpty() || !painter.isActive()) {
        return;
    }
    // Compose at the pixels the target really covers: the painter's device transform holds the
    // screen's pixel ratio and any scaling of the painter, so the copy is crisp on dense screens.
    const QTransform transform = painter.deviceTransform();
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const bool scaleOnly = transform.type() <= QTransform::TxScale;
    const double rx = scaleOnly ? std::abs(transform.m11()) : ratio;
    const double ry = scaleOnly ? std::abs(transform.m22()) : ratio;
    const QSize device(std::max(1, int(std::lround(target.width() * rx))),
                       std::max(1, int(std::lround(target.height() * ry))));
    QImage picture = Compose(device);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Drawn at its own pixel ratio the picture is copied pixel for pixel; a rectangle would have
    // it resampled even at a net scale of one.
    if (rx == ry && device == QSize(int(target.width() * rx), int(target.height() * ry))) {
        picture.setDevicePixelRatio(rx);
        painter.drawImage(QPointF(target.topLeft()), picture);
    } else {
        painter.drawImage(QRectF(target), picture);
    }
    painter.restore();
}
