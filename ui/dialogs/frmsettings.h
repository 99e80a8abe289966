#pragma once

#include <QDialog>

#include <functional>

#include "playeroptions.h"
#include "xmppoptions.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace vantry {

class AccountPlay;
struct StoreFailure;

// The Settings window, modal over the board: the marks, the travel, the computer's pace, the
// sound and its volume, the language of the next start and the XMPP account for playing
// through a server (made there on request). Every change of the options is handed on at once
// through `changed`, so the board follows while the window is still open; whoever opened it
// stores the options once it is closed.
class frmSettings : public QDialog {
    Q_OBJECT
public:
    using Changed = std::function<void(const PlayerOptions&)>;
    // The network module's part of the account, loaded when first asked; null without it.
    using Accounts = std::function<AccountPlay*()>;

    frmSettings(const PlayerOptions& options, Changed changed, QWidget* owner, const XmppOptions& account = {},
                Accounts accounts = {});

    const PlayerOptions& Options() const { return options_; }
    XmppOptions Account() const;
    // The password typed, or empty when the keyring's is to stay.
    QString Password() const;

    // What the player is told, once a run, when the options could not be stored.
    static QString StoreFailedText(const StoreFailure& failure);

private:
    void BuildSound(QGridLayout* grid, int row);
    void BuildLanguage(QGridLayout* grid, int row);
    void BuildAccount(QGridLayout* grid, int row);
    void CreateAccount();
    // Sets one of the options and hands them on.
    template <typename Value>
    void Change(Value PlayerOptions::*option, const Value& value);
    void ShowVolume();

    PlayerOptions options_;
    Changed changed_;
    Accounts accounts_;

    QCheckBox* chkMarks = nullptr;
    QCheckBox* chkTravel = nullptr;
    QComboBox* cmbPace = nullptr;
    QCheckBox* chkSound = nullptr;
    QLabel* lblVolume = nullptr;
    QSlider* sldVolume = nullptr;
    QLabel* lblVolumeValue = nullptr;
    QComboBox* cmbLanguage = nullptr;
    QLineEdit* txtAddress = nullptr;
    QLineEdit* txtPassword = nullptr;
    QLineEdit* txtServer = nullptr;
    QCheckBox* chkDirect = nullptr;
    QPushButton* cmdCreateAccount = nullptr;
    QLabel* lblAccountNote = nullptr;
};

}  // namespace vantry
