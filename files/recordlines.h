#pragma once

#include <QByteArray>
#include <QStringView>

#include "gamerecord.h"

namespace vantry {

// The game's record as it follows the 17 lines of a saved game, where the 17-field reader never
// looks. Plain ASCII, each line ended by CR LF like the lines above it:
//
//   Vantry record 1                     the record's first line; the number is its form
//   N                                   a new game (every seat at the start, seat 0 on turn)
//   O p0 p1 p2 p3 m0 m1 m2 m3 c name    an opened game: squares and move counts of seats 0..3,
//                                       the seat on turn, the file's name percent-encoded
//   T s f                               seat s threw face f (0..5)
//   M s from reached to moves start     seat s moved; start is 1 for a move from beside the board
//   P s                                 the turn passed to seat s
//   W s moves                           seat s won
//   E n                                 the record's last line: it holds n events
//
// Squares are 0-based positions, as in the 17 fields. Numbers are plain decimal digits, a
// minus sign in front of none.

// The lines of `record`; nothing for an empty record.
QByteArray EncodeRecordLines(const GameRecord& record);

// The record in `text`, the file's text after its 17th field. Empty when there is none or any
// line of it is not as written above; whether the game agrees with it is not checked here.
GameRecord ParseRecordLines(QStringView text);

}  // namespace vantry
