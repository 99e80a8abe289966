#pragma once

#include <QPointF>
#include <QRect>
#include <QtMath>

#include "boardgeometry.h"

namespace vantry {

// Every window is designed in twips (1440 to the inch); 15 of them make a logical pixel, which
// Qt scales for high-density screens. Positions stay twips in the models and become pixels only
// here, where something is drawn or a widget is placed.
constexpr float TwipsPerPixel = 15.0f;

// Both edges are rounded, so elements that touch in twips touch on screen.
inline int PixelEdge(float twips) { return qRound(twips / TwipsPerPixel); }

inline QRect PixelRect(const TwipsRect& r) {
    const int left = PixelEdge(r.left);
    const int top = PixelEdge(r.top);
    return QRect(left, top, PixelEdge(r.left + r.width) - left, PixelEdge(r.top + r.height) - top);
}

inline QRect PixelRect(float left, float top, float width, float height) {
    return PixelRect(TwipsRect{left, top, width, height});
}

inline QPointF PixelPoint(float x, float y) { return QPointF(x / TwipsPerPixel, y / TwipsPerPixel); }

}  // namespace vantry
