#include <gtest/gtest.h>

#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>

#include "board/boardcues.h"
#include "version.h"

namespace vantry::test {
namespace {

bool MultimediaMapped() {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

QStringList messages;
void Collect(QtMsgType, const QMessageLogContext&, const QString& message) { messages << message; }

TEST(SoundModuleTest, TheAudioSystemComesWithTheFirstCueOnly) {
    // The program runs from the build tree, so the module built beside it is the one it takes.
    EXPECT_EQ(FindSoundModule(), QString::fromUtf8(VANTRY_BUILD_SOUND_MODULE));
    BoardCues cues;
    EXPECT_FALSE(cues.Loaded());
    EXPECT_FALSE(MultimediaMapped()) << "the audio system was there before the first cue";
    cues.Play(Cue::TossClick);
    EXPECT_TRUE(cues.Loaded());
    EXPECT_TRUE(MultimediaMapped());
    cues.Play(Cue::TossClick);
    EXPECT_TRUE(cues.Loaded());
}

// Whatever is wrong with the module, every cue is silence and nothing is said about it.
TEST(SoundModuleTest, AModuleThatCannotBeUsedIsSilentAndQuiet) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString notALibrary = dir.filePath("libvantry_sound.so");
    QFile file(notALibrary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("not a library at all") > 0);
    file.close();
    const QString withoutEntry = QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Core.so.6";
    ASSERT_TRUE(QFile::exists(withoutEntry));
    const bool mappedBefore = MultimediaMapped();

    const struct {
        const char* what;
        QString module;
    } cases[] = {
        {"missing", dir.filePath("nothing-here/libvantry_sound.so")},
        {"not a library", notALibrary},
        {"a library without the entry point", withoutEntry},
        {"no file named", QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(Collect);
        BoardCues cues(c.module);
        cues.Play(Cue::TossClick);
        cues.Play(Cue::TossClick);
        qInstallMessageHandler(previous);
        EXPECT_FALSE(cues.Loaded());
        EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    }
    EXPECT_EQ(MultimediaMapped(), mappedBefore);
}

}  // namespace
}  // namespace vantry::test
