#include "media/mediafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "version.h"

#include <array>

namespace vantry {

namespace {

QString WithoutTrailingSeparator(QString folder) {
    while (folder.size() > 1 && (folder.endsWith('/') || folder.endsWith('\\'))) folder.chop(1);
    return folder;
}

bool RunsFromBuildTree() {
    const QString buildRoot = QFileInfo(QString::fromUtf8(VANTRY_BUILD_DATA_DIR)).absolutePath();
    const QString program = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    const QString root = QDir(buildRoot).canonicalPath();
    return !root.isEmpty() && (program == root || program.startsWith(root + '/'));
}

QString ModulePath(const char* build, const char* installed) {
    if (RunsFromBuildTree() && QFileInfo(QString::fromUtf8(build)).isFile()) return QString::fromUtf8(build);
    return QString::fromUtf8(installed);
}

}  // namespace

QString FindMediaFolder() {
    const QString configured = qEnvironmentVariable("VANTRY_DATA_DIR");
    if (!configured.isEmpty()) return WithoutTrailingSeparator(configured);
    const QString build = QString::fromUtf8(VANTRY_BUILD_DATA_DIR);
    if (QFileInfo(build).isDir() && RunsFromBuildTree()) return WithoutTrailingSeparator(build);
    return WithoutTrailingSeparator(QString::fromUtf8(VANTRY_INSTALL_DATA_DIR));
}

QString CueFile(const QString& folder, Cue cue) {
    static constexpr std::array<const char*, 5> Names{"TossClick", "PicMMove", "MOH", "NOH", "Tashwiq"};
    return folder + QLatin1String("/Media/") + QLatin1String(Names[static_cast<std::size_t>(cue)]) +
           QLatin1String(".wav");
}

QString FindSoundModule() { return ModulePath(VANTRY_BUILD_SOUND_MODULE, VANTRY_INSTALL_SOUND_MODULE); }
QString NetModulePath() { return ModulePath(VANTRY_BUILD_NET_MODULE, VANTRY_INSTALL_NET_MODULE); }

}  // namespace vantry
