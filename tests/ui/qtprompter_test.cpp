#include <gtest/gtest.h>

#include "qtprompter.h"

namespace vantry {
namespace {

TEST(QtPrompterFilter, GameFiltersBecomeQtFilters) {
    const std::pair<QString, QString> cases[] = {
        {"Vantry Game Files (*.vty)|*.vty", "Vantry Game Files (*.vty)"},
        {"Games|*.vty", "Games (*.vty)"},
        {"Games|*.vty;*.sav|All Files (*.*)|*.*", "Games (*.vty *.sav);;All Files (*.*)"},
        {"", ""},
    };
    for (const auto& [game, qt] : cases) EXPECT_EQ(QtPrompter::QtFilter(game), qt) << game.toStdString();
}

}  // namespace
}  // namespace vantry
