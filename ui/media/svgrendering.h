#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

class QSize;
class QSvgRenderer;

namespace vantry {

// Makes the compiled-in pictures (":/pictures/...") reachable; a static library registers them
// only when asked. Every function here asks by itself; code that opens a picture by its path
// (an icon) asks first.
void RegisterPictures();

// The renderer of a picture resource, parsed once per process and kept until the application
// object goes. Null when the resource is missing; an unparsable file gives an invalid renderer.
// GUI thread only.
QSvgRenderer* SharedSvgRenderer(const QString& resource);

// The picture drawn afresh from its SVG at `device` pixels, see-through where the picture is.
QImage DrawSvg(const QString& resource, const QSize& device);

// The file name of a picture drawn at build time at its design size ("background.argb") or, for
// the icon, at one of its square sides ("icon-16.argb"): its premultiplied ARGB pixels, row after
// row, compiled in under ":/prerendered/".
QString PrerenderedName(const QString& resource, int side = 0);

// The picture as drawn at build time, over the program's own memory without a copy; null unless
// it was drawn at exactly logicalSize * dpr device pixels.
QImage PrerenderedSvg(const QString& resource, const QSize& logicalSize, qreal dpr);

// Lets the kernel take back the pages of every picture drawn at build time: once the board is
// on the screen, only a repaint of a part of a picture reads its rows again, from the page
// cache. Some 2.4 MiB of the program's resident memory.
void ReleasePrerendered();

// After the release, lets go again the pages a repaint read from the picture drawn at build
// time at its design size: the kernel may map a whole run of the program's file for a single
// row, which for the blinking name over the background is 1 MiB until the next start.
void ReleaseRepainted(const QString& resource);

// The picture stretched to logicalSize, drawn at logicalSize * dpr device pixels and tagged with
// that ratio; taken from the pictures drawn at build time when it has their size. A null pixmap
// for an empty size or a picture that cannot be drawn.
QPixmap RenderSvg(const QString& resource, const QSize& logicalSize, qreal dpr);

}  // namespace vantry
