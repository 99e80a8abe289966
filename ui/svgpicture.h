#pragma once

#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

namespace vantry {

// A picture of the game drawn from an SVG resource, stretched to the widget and kept as a
// pixmap for the current size and pixel ratio. Reports a click.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    explicit SvgPicture(const QString& resource, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSvgRenderer renderer_;
    QPixmap cache_;
    bool pressed_ = false;
};

}  // namespace vantry
