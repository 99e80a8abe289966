#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include "boardrig.h"
#include "document.h"
#include "savefile.h"
#include "saverecord.h"

namespace vantry::test {
namespace {

// The board with the real document behind its drops, wired as the application wires them.
struct DocumentRig : BoardRig {
    DocumentRig() {
        commands.onOpenDropped = [this](const QString& path) { document.OpenPath(path); };
    }
    Document document{engine, prompter};
};

// Ann on 13 and Bart at position 0 (a loaded counter stands on square 1), Robin (the computer)
// on 31 to play, Eve on 8.
SaveRecord ExampleRecord() {
    SaveRecord record;
    const QString names[] = {"Ann", "Bart", "Robin", "Eve"};
    const std::int16_t positions[] = {12, 0, 30, 7};
    for (int seat = 0; seat < 4; ++seat) {
        record.Kind(seat) = seat == 2 ? "True" : "False";
        record.Moves(seat) = 4;
        record.Square(seat) = positions[seat];
        record.Name(seat) = names[seat];
    }
    record.CurrentPlayer() = 2;
    return record;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QMimeData* Urls(const QList<QUrl>& urls) {
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

struct DropResult {
    bool enterAccepted;
    bool dropAccepted;
    Qt::DropAction action;
};

// Drags the payload onto the board and drops it there, then lets the queued open run.
DropResult DragAndDrop(QWidget* board, QMimeData* data, Qt::DropActions offered) {
    std::unique_ptr<QMimeData> owned(data);
    QDragEnterEvent enter(QPoint(200, 200), offered, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(board, &enter);
    QDropEvent drop(QPointF(200, 200), offered, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(board, &drop);
    QCoreApplication::processEvents();
    return {enter.isAccepted(), drop.isAccepted(), drop.dropAction()};
}

// The example game saved in `dir` by the game's own writer.
QString ExampleFile(const QTemporaryDir& dir) {
    const QString path = dir.filePath("race.vty");
    WriteFile(path, EncodeSaveRecord(ExampleRecord()));
    return path;
}

TEST(BoardDrop, ASavedGameOpensAsFileOpenWouldOpenIt) {
    QTemporaryDir dir;
    const QString path = ExampleFile(dir);

    DocumentRig rig;
    rig.window->show();
    // A file manager offers a move as well; taking it would let the source delete the file.
    const DropResult r = DragAndDrop(rig.window.get(), Urls({QUrl::fromLocalFile(path)}),
                                     Qt::MoveAction | Qt::CopyAction);
    EXPECT_TRUE(r.enterAccepted);
    EXPECT_TRUE(r.dropAccepted);
    EXPECT_EQ(r.action, Qt::CopyAction);
    EXPECT_TRUE(QFile::exists(path));

    EXPECT_EQ(rig.commands.dropped, QStringList{path});
    EXPECT_TRUE(rig.prompter.messages.isEmpty()) << rig.prompter.messages.join('|').toStdString();
    EXPECT_EQ(rig.document.GamePath(), path);
    EXPECT_EQ(rig.window->windowTitle(), "Vantry - race.vty");
    EXPECT_EQ(rig.state.CurrentPlayer, 2);
    EXPECT_EQ(rig.state.Position, (std::array<std::int16_t, 4>{12, 0, 30, 7}));
    EXPECT_TRUE(rig.state.IsComputer[2]);
    EXPECT_EQ(QString::fromStdString(rig.state.Names[2]), "Robin");
    EXPECT_EQ(rig.Find("picM(0)")->accessibleName(), "Red counter on square 13");
    EXPECT_EQ(rig.Find("picM(1)")->accessibleName(), "Blue counter on square 1");
    EXPECT_EQ(rig.Find("txtName(2)")->accessibleDescription(), "Robin, yellow, computer, to play");
    EXPECT_EQ(rig.Find("txtName(0)")->accessibleDescription(), "Ann, red");
}

TEST(BoardDrop, ADamagedFileIsToldAndChangesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.vty");
    WriteFile(path, "True\r\nFalse\r\n 12 \r\n");

    DocumentRig rig;
    rig.window->show();
    const GameState before = rig.state;
    const DropResult r = DragAndDrop(rig.window.get(), Urls({QUrl::fromLocalFile(path)}), Qt::CopyAction);
    EXPECT_TRUE(r.dropAccepted);

    ASSERT_EQ(rig.prompter.messages.size(), 1);
    EXPECT_TRUE(rig.prompter.messages[0].startsWith(
        QString("The game could not be opened from \"%1\".").arg(QDir::toNativeSeparators(path))))
        << rig.prompter.messages[0].toStdString();
    EXPECT_TRUE(rig.document.GamePath().isEmpty());
    EXPECT_EQ(rig.window->windowTitle(), "Vantry - Untitled");
    EXPECT_EQ(rig.state.Position, before.Position);
    EXPECT_EQ(rig.state.CurrentPlayer, before.CurrentPlayer);
    EXPECT_EQ(rig.state.GamesStarted, before.GamesStarted);
    EXPECT_EQ(QString::fromStdString(rig.state.Names[0]), "Unknown1");
}

TEST(BoardDrop, RefusesWhatIsNotOneLocalFile) {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.vty");
    const QString b = dir.filePath("b.vty");
    WriteFile(a, EncodeSaveRecord(ExampleRecord()));
    WriteFile(b, EncodeSaveRecord(ExampleRecord()));

    struct Case {
        const char* what;
        std::function<QMimeData*()> payload;
        Qt::DropActions offered;
    };
    const Case cases[] = {
        {"text",
         [] {
             auto* data = new QMimeData;
             data->setText("race.vty");
             return data;
         },
         Qt::CopyAction},
        {"a web address", [] { return Urls({QUrl("https://example.org/race.vty")}); }, Qt::CopyAction},
        {"two files", [&] { return Urls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)}); }, Qt::CopyAction},
        {"a folder", [&] { return Urls({QUrl::fromLocalFile(dir.path())}); }, Qt::CopyAction},
        {"a move only", [&] { return Urls({QUrl::fromLocalFile(a)}); }, Qt::MoveAction},
    };
    for (const Case& c : cases) {
        DocumentRig rig;
        rig.window->show();
        const DropResult r = DragAndDrop(rig.window.get(), c.payload(), c.offered);
        EXPECT_FALSE(r.enterAccepted) << c.what;
        EXPECT_FALSE(r.dropAccepted) << c.what;
        EXPECT_TRUE(rig.commands.dropped.isEmpty()) << c.what;
        EXPECT_TRUE(rig.prompter.messages.isEmpty()) << c.what;
        EXPECT_EQ(rig.window->windowTitle(), "Vantry - Untitled") << c.what;
    }
}

TEST(BoardDrop, ALinkIsTakenWhenNoCopyIsOffered) {
    QTemporaryDir dir;
    const QString path = ExampleFile(dir);
    DocumentRig rig;
    rig.window->show();
    const DropResult r = DragAndDrop(rig.window.get(), Urls({QUrl::fromLocalFile(path)}),
                                     Qt::MoveAction | Qt::LinkAction);
    EXPECT_TRUE(r.dropAccepted);
    EXPECT_EQ(r.action, Qt::LinkAction);
    EXPECT_EQ(rig.document.GamePath(), path);
}

}  // namespace
}  // namespace vantry::test
