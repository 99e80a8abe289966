#pragma once

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "leftclick.h"

namespace vantry {

// A picture element of the game's windows: one SVG resource stretched to fill the widget,
// drawn crisply at the screen's pixel density and see-through where the picture is. While the
// window is being dragged to a new size, the picture at the size last shown is stretched, and it
// is drawn sharp once the size has been still for 150 ms.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    explicit SvgPicture(const QString& resource, QWidget* parent = nullptr);

    // The picture painted at the widget's present size and pixel density.
    QImage currentImage() const;

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
    QSize shown_;
    qreal shownDpr_ = 0;
    QTimer settle_;
    LeftClick click_;
};

}  // namespace vantry
