#include "accessibleroles.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>

#include <utility>

namespace vantry {

namespace {

constexpr char RoleKey[] = "vantryAccessibleRole";
constexpr char DisabledRoleKey[] = "vantryAccessibleDisabledRole";
constexpr char ActiveKey[] = "vantryAccessibleActive";
constexpr char SilentKey[] = "vantryAccessibleSilent";
constexpr char ChoiceKey[] = "vantryAccessibleChoice";

bool Pressable(QAccessible::Role role) { return role == QAccessible::Button || role == QAccessible::ButtonMenu; }

// What our own drawn widgets are unless told otherwise; Client for any other. The toolkit keeps
// the first reading of a widget, which may come as soon as it is made, so these are known from
// the start.
QAccessible::Role OwnRole(const QObject* object) {
    if (object->inherits("vantry::ClickPanel")) return QAccessible::Button;
    if (object->inherits("vantry::SvgPicture")) return QAccessible::Graphic;
    if (object->inherits("vantry::NameLabel")) return QAccessible::StaticText;
    return QAccessible::Client;
}

class DrawnControl : public QAccessibleWidget {
public:
    explicit DrawnControl(QWidget* widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override {
        const QVariant disabled = widget()->property(DisabledRoleKey);
        if (!widget()->isEnabled() && disabled.isValid()) return static_cast<QAccessible::Role>(disabled.toInt());
        const QVariant role = widget()->property(RoleKey);
        return role.isValid() ? static_cast<QAccessible::Role>(role.toInt()) : OwnRole(widget());
    }

    QString text(QAccessible::Text t) const override {
        if (widget()->property(SilentKey).toBool()) return QString();
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (auto* label = qobject_cast<const QLabel*>(widget())) return label->text();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() == QAccessible::ButtonMenu) state.hasPopup = true;
        if (widget()->property(ActiveKey).toBool()) state.active = true;
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (Pressable(role()) && widget()->isEnabled()) names.prepend(pressAction());
        return names;
    }

    // Our controls report a press as their clicked() signal, as a mouse click does.
    void doAction(const QString& name) override {
        if (name == pressAction() && Pressable(role()) && widget()->isEnabled()) {
            QMetaObject::invokeMethod(widget(), "clicked");
            return;
        }
        QAccessibleWidget::doAction(name);
    }
};

// A list that shows one choice at a time, read with the choice it shows. Qt 6.4 gives a screen
// reader no way to find that choice (no selection), so it would say only the label and "combo
// box": the shown choice is offered as the list's text, and a new choice is told as its text's
// change while the list has the focus.
class ChoiceList : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ChoiceList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {
        QObject::connect(list, &QComboBox::currentTextChanged, list, [list](const QString& choice) {
            if (!list->hasFocus()) return;
            QAccessibleTextUpdateEvent event(list, 0, QString(), choice);
            QAccessible::updateAccessibility(&event);
        });
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? List()->currentText() : QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QStringList actionNames() const override { return QStringList{showMenuAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& name) override {
        if (name == showMenuAction()) List()->showPopup();
        else QAccessibleWidget::doAction(name);
    }

    // The choice as a text that cannot be edited, all of it selected: it is the list's selection.
    QString text(int start, int end) const override { return List()->currentText().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(List()->currentText().size()); }
    void selection(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
    }
    int selectionCount() const override { return characterCount() > 0 ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QComboBox* List() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* DrawnControls(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (auto* list = qobject_cast<QComboBox*>(object); list && list->property(ChoiceKey).toBool()) return new ChoiceList(list);
    if (!widget || (!widget->property(RoleKey).isValid() && OwnRole(widget) == QAccessible::Client)) return nullptr;
    return new DrawnControl(widget);
}

}  // namespace

void AccessibleRoles::Install() {
    static bool installed = false;
    if (!std::exchange(installed, true)) QAccessible::installFactory(DrawnControls);
}

void AccessibleRoles::Set(QWidget* widget, QAccessible::Role role) {
    Install();
    widget->setProperty(RoleKey, static_cast<int>(role));
}

void AccessibleRoles::SetWhenDisabled(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(DisabledRoleKey, static_cast<int>(role));
}

void AccessibleRoles::SetActive(QWidget* widget, bool active) { widget->setProperty(ActiveKey, active); }

void AccessibleRoles::SetChoiceList(QComboBox* list) {
    Install();
    list->setProperty(ChoiceKey, true);
}

void AccessibleRoles::Silence(QWidget* widget) {
    Set(widget, QAccessible::StaticText);
    widget->setProperty(SilentKey, true);
}

}  // namespace vantry
