#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTextDocument>
#include <QTimer>

#include <functional>

#include "boardrig.h"
#include "qtprompter.h"

namespace vantry {
namespace {

// Runs `look` on the modal window the prompter puts up, then closes it.
template <typename Window>
class WhenShown {
public:
    explicit WhenShown(std::function<void(Window&)> look) : look_(std::move(look)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
            if (!window) return;
            timer_.stop();
            look_(*window);
            window->reject();
        });
        timer_.start();
    }

private:
    std::function<void(Window&)> look_;
    QTimer timer_;
};

// What a tooltip shows: the toolkit renders it as markup when it looks like markup.
QString ShownTip(const QString& tip) {
    if (!Qt::mightBeRichText(tip)) return tip;
    QTextDocument document;
    document.setHtml(tip);
    return document.toPlainText().replace(QChar::Nbsp, QLatin1Char(' '));
}

TEST(QtPrompterText, NamesThatLookLikeMarkupAreShownAsTyped) {
    const QString name = QStringLiteral("<u>Al</u>  & <b>co</b>");
    QtPrompter prompter;
    Qt::TextFormat shownAs = Qt::AutoText;
    const WhenShown<QMessageBox> closer([&](QMessageBox& box) {
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) shownAs = label->textFormat();
    });
    prompter.Message(name + QStringLiteral(" Wins!"));
    EXPECT_EQ(shownAs, Qt::PlainText);

    test::BoardRig rig;
    rig.engine.SetName(2, name.toStdString());
    auto* label = rig.Find<QLabel>(QStringLiteral("txtName(2)"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(ShownTip(label->toolTip()), name);
}

// A game saved under a name without the extension can be found again, in both dialogs.
TEST(QtPrompterDialogs, OfferAllFilesAfterTheGamesOwnFilter) {
    QtPrompter prompter;
    const QString games = QStringLiteral("Vantry Game Files (*.vty)");
    for (bool open : {true, false}) {
        QStringList filters;
        QString chosen;
        const WhenShown<QFileDialog> closer([&](QFileDialog& dialog) {
            filters = dialog.nameFilters();
            chosen = dialog.selectedNameFilter();
        });
        const auto path = open ? prompter.OpenFileName("Open File", games) : prompter.SaveFileName("Save File", games);
        EXPECT_FALSE(path.has_value());
        ASSERT_EQ(filters.size(), 2) << open;
        EXPECT_EQ(filters[0], games);
        EXPECT_TRUE(filters[1].endsWith(QStringLiteral("(*)"))) << filters[1].toStdString();
        EXPECT_EQ(chosen, games);
    }
}

}  // namespace
}  // namespace vantry
