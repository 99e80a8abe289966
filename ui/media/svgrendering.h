#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

class QSize;
class QSvgRenderer;

namespace vantry {

// The renderer of a picture resource, parsed once per process and kept until the application
// object goes. Null when the resource is missing; an unparsable file gives an invalid renderer.
// GUI thread only.
QSvgRenderer* SharedSvgRenderer(const QString& resource);

// The picture drawn afresh from its SVG at `device` pixels, see-through where the picture is.
QImage DrawSvg(const QString& resource, const QSize& device);

// The picture stretched to logicalSize, drawn at logicalSize * dpr device pixels and tagged with
// that ratio. A null pixmap for an empty size or a picture that cannot be drawn.
QPixmap RenderSvg(const QString& resource, const QSize& logicalSize, qreal dpr);

}  // namespace vantry
