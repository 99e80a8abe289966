#pragma once

#include <QCache>
#include <QImage>
#include <QString>

class QSize;

namespace vantry {

// The one drawer of the game's pictures, for the board, the dialogs and the icon: a picture asked
// for at a size and pixel density is drawn from its SVG once and kept, so that every repaint and
// every window showing it at that size takes the same pixels. What is kept is bounded by its
// bytes; the pictures used longest ago go first. A picture the build drew at exactly the size
// asked for is taken from the program's own memory instead, without a copy: drawing the board's
// pictures at start would cost some 80 ms. GUI thread only.
class PictureRenderer {
public:
    // A board filling a 4K screen takes some 36 MiB of pictures; the bound leaves room for the
    // dialogs and the icon, and for the size a resize left behind.
    static constexpr qsizetype DefaultBoundBytes = qsizetype{48} << 20;

    explicit PictureRenderer(qsizetype boundBytes = DefaultBoundBytes);

    // The renderer every window shares.
    static PictureRenderer& Shared();

    // The file name of a picture drawn at build time at its design size ("background.argb") or,
    // for the icon, at one of its square sides ("icon-16.argb"): its premultiplied ARGB pixels,
    // row after row, compiled in under ":/prerendered/".
    static QString BuiltName(const QString& picture, int side = 0);

    // The picture stretched to logicalSize, at logicalSize * dpr device pixels and tagged with
    // that ratio, see-through where the picture is. Null for an empty size or a picture that
    // cannot be drawn. A picture larger than the bound is drawn afresh each time.
    QImage Render(const QString& picture, const QSize& logicalSize, qreal dpr);

    // The picture as Render gives it when it is still kept; null, and nothing drawn, otherwise.
    QImage Kept(const QString& picture, const QSize& logicalSize, qreal dpr);

    // Lets the kernel take back the pages of every picture drawn at build time: once the board is
    // on the screen, only a repaint of a part of a picture reads its rows again, from the page
    // cache. Some 2.4 MiB of the program's resident memory.
    void ReleaseBuilt();

    // After the release, lets go again the pages a repaint read from the picture drawn at build
    // time at its design size: the kernel may map a whole run of the program's file for a single
    // row, which for the blinking name over the background is 1 MiB until the next start.
    void Repainted(const QString& picture) const;

private:
    QCache<QString, QImage> kept_;
    bool builtReleased_ = false;
};

}  // namespace vantry
