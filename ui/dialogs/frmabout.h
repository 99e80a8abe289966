#pragma once

#include <QDialog>
#include <QTimer>

#include <array>
#include <functional>

#include "boardgeometry.h"

class QLabel;
class QPaintEvent;
class QUrl;

namespace vantry {

// The About window: the title over the background picture, credit lines rising through the
// picture panel, the maker's mail and web links and "OK". The licence lines come from the
// machine-wide values of the records layer; links go to the desktop through `openUrl`.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    using UrlOpener = std::function<void(const QUrl&)>;

    static constexpr int LineCount = 11;  // lbl(0..9) credit lines, lbl(10) the title
    static constexpr int TitleIndex = 10;
    static constexpr float ScrollStep = 50.0f;

    explicit frmAbout(QWidget* owner, UrlOpener openUrl);

    // One step of the scroll; the timer stops once every line has left the panel.
    void Timer1_Timer();
    bool ScrollRunning() const { return Timer1_.isActive(); }
    // A line's top in twips within the panel.
    float LineTop(int index) const { return lblPlace_[static_cast<std::size_t>(index)].top; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();

    UrlOpener openUrl_;
    QWidget* Picture1_ = nullptr;
    QLabel* lblEmail_ = nullptr;
    std::array<QLabel*, LineCount> lbl_{};
    // Each line's place in twips within the panel.
    std::array<TwipsRect, LineCount> lblPlace_{};
    QTimer Timer1_;
};

}  // namespace vantry
