#pragma once

#include <QByteArray>
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

// The name of the picture's entry in the disk cache at that many device pixels and that ratio;
// empty when there is no such picture. GUI thread only: the names of compiled-in pictures are
// remembered once worked out.
QByteArray PictureKey(const QString& resource, const QSize& device, qreal dpr);

// The picture stretched to logicalSize, drawn at logicalSize * dpr device pixels and tagged with
// that ratio, transparent where the picture is. A null pixmap for an empty size or a picture
// that cannot be drawn. Drawn once per machine: later calls read the pixels back from the
// program's picture cache on disk.
QPixmap RenderSvg(const QString& resource, const QSize& logicalSize, qreal dpr);

// The same picture straight from its entry in the picture cache (drawn and stored first if it is
// not there), read from the file as it is painted instead of held in memory; null when the
// cache keeps nothing.
QImage MapSvg(const QString& resource, const QSize& logicalSize, qreal dpr);

}  // namespace vantry
