#include "playeroptions.h"

#include <QSettings>

namespace vantry {

namespace {

const QString Section = QStringLiteral("Options/");

QString Stored(const QSettings& settings, const char* key) {
    return SettingText(settings.value(Section + QLatin1String(key))).trimmed();
}

bool ReadFlag(const QSettings& settings, const char* key, bool fallback) {
    const QString text = Stored(settings, key);
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    return fallback;
}

// Only whole numbers in decimal count; "50.5", "0x20" and "1e2" are damage, not values.
std::optional<int> ReadWhole(const QSettings& settings, const char* key) {
    bool ok = false;
    const int value = Stored(settings, key).toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString FlagText(bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); }

}  // namespace

bool PlayerOptions::operator==(const PlayerOptions& other) const {
    return marks == other.marks && travel == other.travel && pace == other.pace && sound == other.sound &&
           volume == other.volume && language == other.language;
}

const QStringList& GameLanguages() {
    static const QStringList codes{QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("es"),
                                   QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("nl"),
                                   QStringLiteral("pl"), QStringLiteral("pt_BR")};
    return codes;
}

PlayerOptions ReadPlayerOptions() {
    PlayerOptions options;
    const auto store = OpenUserStore();
    if (!store) return options;
    const QSettings& settings = *store;
    options.marks = ReadFlag(settings, "Marks", options.marks);
    options.travel = ReadFlag(settings, "Travel", options.travel);
    options.sound = ReadFlag(settings, "Sound", options.sound);
    const std::optional<int> pace = ReadWhole(settings, "Pace");
    if (pace == PlayerOptions::BriskPace || pace == PlayerOptions::DesignedPace || pace == PlayerOptions::RelaxedPace) {
        options.pace = *pace;
    }
    const std::optional<int> volume = ReadWhole(settings, "Volume");
    if (volume && *volume >= 0 && *volume <= PlayerOptions::MaxVolume) options.volume = *volume;
    // Codes are compared exactly, as the translations' files are named.
    const QString language = Stored(settings, "Language");
    if (GameLanguages().contains(language)) options.language = language;
    return options;
}

std::optional<StoreFailure> StorePlayerOptions(const PlayerOptions& options, const PlayerOptions& before,
                                               int lockWaitMs) {
    StoreValues values;
    const auto store = [&values](bool differs, const char* key, const QString& value) {
        if (differs) values.append({Section + QLatin1String(key), value});
    };
    store(options.marks != before.marks, "Marks", FlagText(options.marks));
    store(options.travel != before.travel, "Travel", FlagText(options.travel));
    store(options.pace != before.pace, "Pace", QString::number(options.pace));
    store(options.sound != before.sound, "Sound", FlagText(options.sound));
    store(options.volume != before.volume, "Volume", QString::number(options.volume));
    store(options.language != before.language, "Language", options.language);
    if (values.isEmpty()) return std::nullopt;
    return WriteUserStore(values, lockWaitMs);
}

}  // namespace vantry
