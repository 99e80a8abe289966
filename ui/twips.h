#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>
#include <QtMath>

#include <algorithm>

#include "boardgeometry.h"

namespace vantry {

// Every window is designed in twips (1440 to the inch); 15 of them make a logical pixel, which
// Qt scales for high-density screens. Positions stay twips in the models and become pixels only
// here, where something is drawn or a widget is placed.
constexpr float TwipsPerPixel = 15.0f;

// The one mapping from twips to a window's logical pixels: twips / 15, times the scale, plus the
// offset. Dialogs keep the design mapping; the board window scales it with its size.
struct TwipsMapping {
    qreal scale = 1.0;
    QPointF offset;

    qreal X(float twips) const { return offset.x() + twips / TwipsPerPixel * scale; }
    qreal Y(float twips) const { return offset.y() + twips / TwipsPerPixel * scale; }
    // Both edges are rounded, so elements that touch in twips touch on screen.
    QRect Rect(const TwipsRect& r) const {
        const int left = qRound(X(r.left));
        const int top = qRound(Y(r.top));
        return QRect(left, top, qRound(X(r.left + r.width)) - left, qRound(Y(r.top + r.height)) - top);
    }

    // The mapping that fits a design of `design` logical pixels into `window`, keeping its
    // proportions and centring it, never below `smallest` of its size.
    static TwipsMapping Fitting(const QSize& design, const QSize& window, qreal smallest) {
        if (design.isEmpty() || window.isEmpty()) return {};
        const qreal fit = std::min(qreal(window.width()) / design.width(), qreal(window.height()) / design.height());
        const qreal scale = std::max(smallest, fit);
        return TwipsMapping{scale, QPointF((window.width() - design.width() * scale) / 2.0,
                                           (window.height() - design.height() * scale) / 2.0)};
    }
};

inline int PixelEdge(float twips) { return qRound(twips / TwipsPerPixel); }

inline QRect PixelRect(const TwipsRect& r) { return TwipsMapping{}.Rect(r); }

inline QRect PixelRect(float left, float top, float width, float height) {
    return PixelRect(TwipsRect{left, top, width, height});
}

inline QPointF PixelPoint(float x, float y) { return QPointF(TwipsMapping{}.X(x), TwipsMapping{}.Y(y)); }

}  // namespace vantry
