#include "savefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <optional>
#include <utility>

#include <sys/stat.h>

#include "recordlines.h"

namespace vantry {

namespace {

const QChar Blank = QLatin1Char(' ');
const QChar Comma = QLatin1Char(',');
const QChar Quote = QLatin1Char('"');
const QChar Cr = QLatin1Char('\r');
const QChar Lf = QLatin1Char('\n');

QString Sentence(QString reason) {
    if (!reason.endsWith(QLatin1Char('.'))) reason += QLatin1Char('.');
    return reason;
}

ParsedRecord Refused(QString why) { return {RecordResult::Failure(std::move(why)), {}}; }

// Walks the text of a file field by field, the way the game has always read its saved games.
class FieldReader {
public:
    explicit FieldReader(const QString& text) : text_(text) {}

    // No value when the text has ended before the field. A number field's characters run up to
    // a blank, comma or line end.
    std::optional<QString> Field(bool number) {
        SkipBlanks();
        if (AtEnd()) return std::nullopt;
        if (!number && Peek() == Quote) return QuotedText();
        const qsizetype start = pos_;
        while (!AtEnd() && !AtSeparator() && !(number && Peek() == Blank)) ++pos_;
        const QString value = text_.mid(start, pos_ - start);
        SkipBlanks();
        PassSeparator();
        return value;
    }

    // What follows the last field read.
    QStringView Rest() const { return QStringView(text_).mid(pos_); }

private:
    // Runs to the next double quote wherever it stands; what follows it up to the separator
    // is passed over.
    QString QuotedText() {
        ++pos_;
        const qsizetype close = text_.indexOf(Quote, pos_);
        const qsizetype end = close < 0 ? text_.size() : close;
        const QString value = text_.mid(pos_, end - pos_);
        pos_ = close < 0 ? end : end + 1;
        while (!AtEnd() && !AtSeparator()) ++pos_;
        PassSeparator();
        return value;
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    QChar Peek() const { return text_.at(pos_); }
    bool AtSeparator() const { return Peek() == Comma || Peek() == Cr || Peek() == Lf; }
    void SkipBlanks() {
        while (!AtEnd() && Peek() == Blank) ++pos_;
    }
    // One comma or one line end: CR LF, a lone CR or a lone LF.
    void PassSeparator() {
        if (AtEnd() || !AtSeparator()) return;
        const bool cr = Peek() == Cr;
        ++pos_;
        if (cr && !AtEnd() && Peek() == Lf) ++pos_;
    }

    const QString& text_;
    qsizetype pos_ = 0;
};

std::optional<std::int16_t> ToNumber(const QString& text) {
    if (!IsNumeral(text, false)) return std::nullopt;
    // Out of the 16-bit range is no number either.
    bool ok = false;
    const short value = text.toShort(&ok);
    return ok ? std::optional<std::int16_t>(value) : std::nullopt;
}

// A name is one line: each line break in it (CR LF, a lone CR or a lone LF) becomes a blank.
QString OneLine(QString name) {
    name.replace(QLatin1String("\r\n"), QLatin1String(" "));
    name.replace(Cr, Blank);
    name.replace(Lf, Blank);
    return name;
}

// Such names travel between double quotes. A name in quotes cannot hold one, so its double
// quotes become apostrophes; a line break would end the field.
QString NameLine(QString name) {
    name = OneLine(std::move(name));
    if (!NameNeedsQuotes(name)) return name;
    name.replace(Quote, QLatin1Char('\''));
    return Quote + name + Quote;
}

// Opening a pipe, a device or a socket can wait for another process for ever, so such paths
// are refused before anything opens them. Empty for a regular file and for no file at all.
QString NotRegularFile(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0) return {};
    const mode_t mode = info.st_mode;
    if (S_ISREG(mode)) return {};
    const char* what = QT_TRANSLATE_NOOP("SaveFile", "It is not a regular file.");
    if (S_ISDIR(mode)) what = QT_TRANSLATE_NOOP("SaveFile", "It is a directory, not a regular file.");
    if (S_ISFIFO(mode)) what = QT_TRANSLATE_NOOP("SaveFile", "It is a named pipe, not a regular file.");
    if (S_ISCHR(mode) || S_ISBLK(mode)) what = QT_TRANSLATE_NOOP("SaveFile", "It is a device, not a regular file.");
    if (S_ISSOCK(mode)) what = QT_TRANSLATE_NOOP("SaveFile", "It is a socket, not a regular file.");
    return QCoreApplication::translate("SaveFile", what);
}

}  // namespace

bool IsNumeral(QStringView text, bool fraction) {
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    qsizetype digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
            ++digits;
        } else if (fraction && !point && text[i] == QLatin1Char('.')) {
            point = true;
        } else {
            return false;
        }
    }
    return digits > 0;
}

bool NameNeedsQuotes(const QString& name) {
    return name.contains(Comma) || name.startsWith(Blank) || name.startsWith(Quote);
}

bool NameSurvivesSaving(const QString& name) {
    if (name.contains(Cr) || name.contains(Lf)) return false;
    return !(NameNeedsQuotes(name) && name.contains(Quote));
}

QByteArray EncodeSaveRecord(const SaveRecord& record) {
    QByteArray bytes;
    const auto line = [&bytes](const QString& text) { bytes += text.toUtf8() + "\r\n"; };
    for (const QString& kind : record.Kinds) line(kind);
    for (std::int16_t n : record.Numbers) line(QStringLiteral(" %1 ").arg(n));
    for (const QString& name : record.Names) line(NameLine(name));
    // A game played on for tens of thousands of moves keeps its 17 lines openable.
    const QByteArray events = EncodeRecordLines(record.Events);
    if (bytes.size() + events.size() <= MaxSaveFileSize) bytes += events;
    return bytes;
}

QString DecodeWindows1252(const QByteArray& bytes) {
    static constexpr std::array<char16_t, 32> High{
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text += (b >= 0x80 && b <= 0x9F) ? QChar(High[b - 0x80u]) : QChar(b);
    }
    return text;
}

ParsedRecord ParseSaveRecord(const QByteArray& bytes) {
    // UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError()) {
        QStringDecoder ansi("windows-1252");
        text = ansi.isValid() ? QString(ansi(bytes)) : DecodeWindows1252(bytes);
    }
    FieldReader reader(text);
    ParsedRecord parsed;
    for (int field = 0; field < SaveRecord::FieldCount; ++field) {
        const bool number = field >= 4 && field < 13;
        const std::optional<QString> value = reader.Field(number);
        if (!value) {
            return Refused(QCoreApplication::translate("SaveFile", "It ends after %1 of the %2 fields of a saved game.")
                               .arg(field)
                               .arg(SaveRecord::FieldCount));
        }
        if (field < 4) {
            parsed.record.Kinds[static_cast<std::size_t>(field)] = *value;
        } else if (!number) {
            // A quoted name runs over line ends; the board, the messages and the stores take
            // one line, as the new-game dialog gives them.
            parsed.record.Names[static_cast<std::size_t>(field - 13)] = OneLine(*value);
        } else if (const auto n = ToNumber(*value)) {
            parsed.record.Numbers[static_cast<std::size_t>(field - 4)] = *n;
        } else {
            return Refused(SaveRecord::NotANumber(field, *value));
        }
    }
    parsed.record.Events = ParseRecordLines(reader.Rest());
    parsed.result = RecordResult::Success();
    return parsed;
}

RecordResult WriteSaveRecord(const SaveRecord& record, const QString& path) {
    if (const QString special = NotRegularFile(path); !special.isEmpty()) return RecordResult::Failure(special);
    const QByteArray bytes = EncodeSaveRecord(record);
    QSaveFile file(path);
    // A file the player may write in a folder they may not can only be written in place; a
    // failure part way then leaves it spoilt, which is reported like any failed save.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return RecordResult::Failure(Sentence(file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        // Drops a new file, and lets go of a file written in place, which the save file would
        // otherwise delete when it goes out of scope uncommitted.
        file.commit();
        return RecordResult::Failure(Sentence(reason));
    }
    if (!file.commit() || file.error() != QFileDevice::NoError) return RecordResult::Failure(Sentence(file.errorString()));
    return RecordResult::Success();
}

ParsedRecord ReadSaveRecord(const QString& path) {
    if (const QString special = NotRegularFile(path); !special.isEmpty()) return Refused(special);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Refused(Sentence(file.errorString()));
    // A read that fails part way hands over what came before the failure without a word; only
    // the read after it reports the error. So reading goes on until a read brings nothing.
    // Reads are of a few pages at most: asking for the whole mebibyte would make the toolkit set
    // that much memory aside for a file of a hundred bytes.
    constexpr qint64 ChunkBytes = 16 * 1024;
    QByteArray bytes;
    while (bytes.size() <= MaxSaveFileSize) {
        const QByteArray chunk = file.read(std::min(ChunkBytes, MaxSaveFileSize + 1 - bytes.size()));
        if (chunk.isEmpty()) break;
        bytes += chunk;
    }
    const bool failed = file.error() != QFileDevice::NoError;
    const QString reason = file.errorString();
    file.close();
    if (failed) return Refused(Sentence(reason));
    if (bytes.size() > MaxSaveFileSize) {
        return Refused(QCoreApplication::translate("SaveFile", "It is larger than 1 MiB, so it is not a saved game."));
    }
    return ParseSaveRecord(bytes);
}

}  // namespace vantry
