#pragma once

#include <QPixmap>
#include <QTimer>
#include <QString>
#include <QWidget>

#include "leftclick.h"

namespace vantry {

// A picture element of the game's windows: one SVG resource stretched to fill the widget,
// drawn crisply at the screen's pixel density and see-through where the picture is. One
// rendering is kept, at the size last shown, and redone only when the size or the pixel
// density changes; while the window is being dragged to a new size, the last rendering is
// shown stretched, and the picture is drawn sharp once the size has been still for 150 ms.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    explicit SvgPicture(const QString& resource, QWidget* parent = nullptr);

    QString resource() const { return resource_; }
    // The pixmap painted at the widget's present size and pixel density.
    QPixmap currentPixmap() const;
    QSize sizeHint() const override;

signals:
    // The left button was pressed and released inside the picture.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QString resource_;
    mutable QPixmap cache_;
    QTimer settle_;
    LeftClick click_;
};

}  // namespace vantry
