#pragma once

#include <QDialog>

#include <functional>

#include "playeroptions.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QSlider;

namespace vantry {

struct StoreFailure;

// The Settings window, modal over the board: the marks, the travel, the computer's pace, the
// sound and its volume, and the language of the next start. Every change is handed on at once
// through `changed`, so the board follows while the window is still open; whoever opened it
// stores the options once it is closed.
class frmSettings : public QDialog {
    Q_OBJECT
public:
    using Changed = std::function<void(const PlayerOptions&)>;

    frmSettings(const PlayerOptions& options, Changed changed, QWidget* owner);

    const PlayerOptions& Options() const { return options_; }

    // What the player is told, once a run, when the options could not be stored.
    static QString StoreFailedText(const StoreFailure& failure);

private:
    void Build();
    void BuildSound(QGridLayout* grid, int row);
    void BuildLanguage(QGridLayout* grid, int row);
    void ShowOptions();
    void Change(const std::function<void(PlayerOptions&)>& edit);
    void ShowVolume();

    PlayerOptions options_;
    Changed changed_;

    QCheckBox* chkMarks = nullptr;
    QCheckBox* chkTravel = nullptr;
    QComboBox* cmbPace = nullptr;
    QCheckBox* chkSound = nullptr;
    QLabel* lblVolume = nullptr;
    QSlider* sldVolume = nullptr;
    QLabel* lblVolumeValue = nullptr;
    QComboBox* cmbLanguage = nullptr;
};

}  // namespace vantry
