#pragma once

#include <QByteArray>
#include <QString>

#include "saverecord.h"

namespace vantry {

// The saved-game file: 17 lines, each ended by CR LF, in UTF-8. Kind lines hold "True" or
// "False", number lines a blank, the digits and a blank, name lines the name itself. A name
// that the reader would otherwise change (one holding a comma or beginning with a blank or a
// double quote) is written between double quotes.

// Nothing larger is a saved game; such a file is refused without reading it whole.
constexpr qint64 MaxSaveFileSize = 1024 * 1024;

struct ParsedRecord {
    RecordResult result;
    SaveRecord record;
};

// Whether the whole text is a decimal numeral: an optional sign, then ASCII digits, with a
// decimal point among or before them when `fraction` allows it ("12", "-3", "4.", ".5", "1.25").
// As with a pattern anchored by '$', one line feed may close the text. Written out rather than
// matched by a regular expression, so that reading a saved game does not load and compile a
// pattern engine.
bool IsNumeral(QStringView text, bool fraction);

// True for a name that goes between double quotes in the file, because the reader would
// otherwise cut it at a comma or drop its leading blanks or its first double quote.
bool NameNeedsQuotes(const QString& name);

// False for a name that a save cannot bring back unchanged: one that must go between double
// quotes and holds a double quote itself (written with apostrophes instead), or one holding a
// line break (written as a blank). Where names are entered, such names are refused.
bool NameSurvivesSaving(const QString& name);

// The bytes of the file for the record: its 17 lines, then the game's events unless they would
// make the file too large to be read again.
QByteArray EncodeSaveRecord(const SaveRecord& record);

// Windows-1252 from a table of our own (0x80..0x9F, Latin-1 above and below), for a Qt
// without a converter for it.
QString DecodeWindows1252(const QByteArray& bytes);

// Reads the 17 fields from the bytes of a file, then the game's events from the lines after
// them (none when they are missing or damaged, which never fails the read); a lone CR or a lone
// LF ends a line of the fields as CR LF does. Fails when the text ends before the 17th
// field or a number field is not a 16-bit number. The values are not range-checked here.
ParsedRecord ParseSaveRecord(const QByteArray& bytes);

// Replaces the file at `path` only when the whole record was written: a failure leaves any
// previous file as it was. Where the folder takes no new file, an existing file the user may
// write is written in place instead, and a failure part way leaves it spoilt. A path that is not a regular file (a directory, a pipe,
// a device) is refused without opening it.
RecordResult WriteSaveRecord(const SaveRecord& record, const QString& path);

// Reads the record from the file at `path`; the file is closed again in every case. A path
// that is not a regular file is refused without opening it, so no read waits on a pipe.
ParsedRecord ReadSaveRecord(const QString& path);

}  // namespace vantry
