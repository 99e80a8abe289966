#pragma once

#include <QAccessible>

class QComboBox;
class QWidget;

namespace vantry {

// Gives our own drawn controls (die faces, counters, the FILE picture, name labels, the spoken
// line) what a screen reader needs beyond a name: a role, states that follow what is drawn,
// and a press action for the ones a player presses. Qt would read them as anonymous panels.
// The toolkit keeps the first reading of a widget: Install() comes before the widgets are made,
// and a plain toolkit widget is given its role before anything is set on it.
class AccessibleRoles {
public:
    static void Install();
    static void Set(QWidget* widget, QAccessible::Role role);
    // The role while the widget is disabled (a counter that may not move is only a picture).
    static void SetWhenDisabled(QWidget* widget, QAccessible::Role role);
    // A widget read as the one in use of its kind, such as the name of the seat on turn.
    static void SetActive(QWidget* widget, bool active);
    // A list that shows one choice at a time, read with the choice it shows.
    static void SetChoiceList(QComboBox* list);
    // A label whose text is read elsewhere and is kept out of what is read aloud.
    static void Silence(QWidget* widget);
};

}  // namespace vantry
