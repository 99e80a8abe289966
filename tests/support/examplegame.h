#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "gamestate.h"

namespace vantry::test {

// Ann (a person) on 12 after 6 moves, Bart (the computer) on 20 after 5, Robin (the computer)
// on 3 after 5, Eve (a person) on 44 after 5; Bart to play. The counters stay where they were.
inline void SetUpExample(GameState& state) {
    state.IsComputer = {false, true, true, false};
    state.Position = {12, 20, 3, 44};
    state.MoveCount = {6, 5, 5, 5};
    state.CurrentPlayer = 1;
    state.Names = {"Ann", "Bart", "Robin", "Eve"};
}

inline const QByteArray ExampleBytes(
    "True\r\nFalse\r\nFalse\r\nTrue\r\n"
    " 5 \r\n 20 \r\n 5 \r\n 44 \r\n 6 \r\n 12 \r\n 1 \r\n 5 \r\n 3 \r\n"
    "Bart\r\nEve\r\nAnn\r\nRobin\r\n");

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace vantry::test
