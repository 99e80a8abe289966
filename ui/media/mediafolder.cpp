#include "media/mediafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "version.h"

#include <array>

namespace vantry {

namespace {

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
    QString folder = qEnvironmentVariable("VANTRY_DATA_DIR");
    if (folder.isEmpty()) {
        const QString build = QString::fromUtf8(VANTRY_BUILD_DATA_DIR);
        folder = QFileInfo(build).isDir() && RunsFromBuildTree() ? build : QString::fromUtf8(VANTRY_INSTALL_DATA_DIR);
    }
    while (folder.size() > 1 && (folder.endsWith('/') || folder.endsWith('\\'))) folder.chop(1);
    return folder;
}

QString CueFile(const QString& folder, Cue cue) {
    static constexpr std::array<const char*, 5> Names{"TossClick", "PicMMove", "MOH", "NOH", "Tashwiq"};
    return QStringLiteral("%1/Media/%2.wav").arg(folder, QLatin1String(Names[static_cast<std::size_t>(cue)]));
}

QString FindSoundModule() { return ModulePath(VANTRY_BUILD_SOUND_MODULE, VANTRY_INSTALL_SOUND_MODULE); }
QString NetModulePath() { return ModulePath(VANTRY_BUILD_NET_MODULE, VANTRY_INSTALL_NET_MODULE); }

}  // namespace vantry
