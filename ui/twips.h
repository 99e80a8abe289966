#pragma once

#include <QPointF>
#include <QRect>
#include <QtMath>

#include "boardlayout.h"

namespace vantry {

// Twips to logical pixels, only where something is drawn or a widget is placed. Both edges are
// rounded, so elements that touch in twips touch on screen.
inline int PixelEdge(float twips) { return qRound(twips / TwipsPerPixel); }

inline QRect PixelRect(const TwipsRect& r) {
    const int left = PixelEdge(r.left);
    const int top = PixelEdge(r.top);
    return QRect(left, top, PixelEdge(r.left + r.width) - left, PixelEdge(r.top + r.height) - top);
}

inline QPointF PixelPoint(float x, float y) { return QPointF(x / TwipsPerPixel, y / TwipsPerPixel); }

}  // namespace vantry
