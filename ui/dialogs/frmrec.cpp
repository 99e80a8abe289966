#include "dialogs/frmrec.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "accessibleroles.h"
#include "fittext.h"
#include "gamecommands.h"
#include "gamestate.h"
#include "media/programicon.h"
#include "prompter.h"
#include "recordsstore.h"
#include "twips.h"

namespace vantry {

namespace {

constexpr int ClientWidth = 5325;
constexpr int ClientHeight = 6165;
constexpr int GridLeft = 120;
constexpr int GridTop = 120;
constexpr int GridRight = 5160;
constexpr int GridBottom = 5400;
constexpr int RowPitch = 480;
constexpr int HeadingBottom = 600;
constexpr int LabelTop = 240;
constexpr int LabelHeight = 255;
constexpr int ButtonTop = 5640;

}  // namespace

frmRec::frmRec(GameState& state, Prompter& prompter, GameCommands& commands, QWidget* owner,
               ExitAction exitProgram, StoreFailureNotice* notice)
    : QDialog(owner), state_(state), prompter_(prompter), commands_(commands), exitProgram_(std::move(exitProgram)),
      notice_(notice ? *notice : ownNotice_) {
    setObjectName("frmRec");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(PixelEdge(ClientWidth), PixelEdge(ClientHeight));
    setWindowIcon(ProgramIcon());
    for (int i = 0; i <= RecordRowCount; ++i) {
        const int top = LabelTop + RowPitch * i;
        lblP_[i] = new QLabel(i == 0 ? tr("P", "heading of the places column") : QString::number(i), this);
        lblP_[i]->setObjectName(i == 0 ? QStringLiteral("Label11") : QStringLiteral("lblP(%1)").arg(i));
        lblP_[i]->move(PixelEdge(240), PixelEdge(top));
        lblP_[i]->adjustSize();

        lblName_[i] = new QLabel(this);
        lblMove_[i] = new QLabel(this);
        lblName_[i]->setObjectName(QStringLiteral("lblName(%1)").arg(i));
        lblName_[i]->setGeometry(PixelRect(600, top, 2895, LabelHeight));

        lblMove_[i]->setObjectName(QStringLiteral("lblMove(%1)").arg(i));
        lblMove_[i]->setGeometry(PixelRect(3720, top, 1335, LabelHeight));
        for (QLabel* label : {lblName_[i], lblMove_[i]}) {
            // A screen reader reads each row whole from its rank; the heading is read as it stands.
            if (i > 0) AccessibleRoles::Silence(label);
            label->setAlignment(Qt::AlignCenter);
            label->setTextFormat(Qt::PlainText);
        }
    }
    lblName_[0]->setText(tr("Name"));
    lblMove_[0]->setText(tr("Moves"));
    // The headings' larger font is taller than the rows' labels: each grows about its middle,
    // within the heading row, so that descenders and accents are not cut.
    for (QLabel* label : {lblName_[0], lblMove_[0]}) {
        label->setFont(QFont(QStringLiteral("Arial"), 12));
        const QRect row = label->geometry();
        const int height = std::max(row.height(), label->fontMetrics().height() + 2);
        label->setGeometry(row.x(), row.center().y() - height / 2, row.width(), height);
    }
    ShowRows(DefaultRecordRows());

    const auto button = [this](const char* name, const QString& caption, int leftTwips) {
        auto* made = new QPushButton(caption, this);
        made->setObjectName(name);
        made->setGeometry(PixelRect(leftTwips, ButtonTop, 1215, 375));
        return made;
    };
    QPushButton* cmdOK = button("cmdOK", tr("&New Game"), 600);
    QPushButton* cmdOpen = button("cmdOpen", tr("&Open Game"), 2160);
    QPushButton* cmdExit = button("cmdExit", tr("Exit"), 3720);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmRec::cmdOK_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmRec::cmdOpen_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmRec::cmdExit_Click);
    FitText::FitAll(this);
}

void frmRec::ShowRows(const RecordRows& rows) {
    for (int row = 1; row <= RecordRowCount; ++row) {
        const RecordRow& shown = rows[static_cast<std::size_t>(row - 1)];
        lblName_[row]->setText(shown.name);
        lblMove_[row]->setText(shown.moves);
        FitText::Fit(lblName_[row]);
        // The count is read as a number, with its noun as the language wants; a count the table
        // could not read is said as it stands.
        const int moves = MovesFromCaption(shown.moves);
        if (moves == UnreadableMoves) {
            //: A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %3 the count as stored.
            lblP_[row]->setAccessibleName(tr("%1, %2, moves: %3").arg(QString::number(row), shown.name, shown.moves));
        } else {
            //: A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %n the moves.
            lblP_[row]->setAccessibleName(tr("%1, %2, %n moves", nullptr, moves).arg(QString::number(row), shown.name));
        }
    }
}

frmRec::Outcome frmRec::Run() {
    Form_Load();
    exec();
    return outcome_;
}

void frmRec::Form_Load() {
    winner_ = QString::fromStdString(state_.WinnerName);
    winnerMoves_ = state_.WinnerMoves;
    //: The winner's result: %1 the winner's name, %n the moves of the game.
    prompter_.Message(tr("%1 Moves = %n", nullptr, winnerMoves_).arg(winner_));
    // Another copy of the game may have stored the first table since this one's board loaded.
    ReadRecordsStored(state_.RecordsStored);
    // Until a table has been stored the default rows stay shown.
    const RecordRows rows = state_.RecordsStored ? ReadStoredRecordRows() : DefaultRecordRows();
    ShowRows(rows);
    RecordsTable table(rows);
    setWindowTitle(tr("Vantry - Best Players"));
    const int row = table.Enter(winner_, winnerMoves_);
    if (row == 0) return;
    for (QLabel* label : {lblName_[row], lblMove_[row], lblP_[row]}) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    // The rank is sized to its text, which is wider in bold.
    lblP_[row]->adjustSize();
    ShowRows(table.Captions());
}

void frmRec::done(int result) {
    if (keepResult_) {
        // The rows shown may be out of date: the result goes into the table as it is stored now,
        // by the same rule, so that what another copy stored meanwhile is kept beside it.
        const RecordRows stored = ReadStoredRecordRows();
        RecordsTable table(stored);
        const bool entered = table.Enter(winner_, winnerMoves_) != 0;
        const auto failure = StoreRecordRows(entered ? table.Captions() : stored);
        if (failure) {
            //: %1 is the settings file, %2 why it could not be written ("the file is read-only").
            notice_.Tell(prompter_,
                         tr("The best players could not be stored in %1: %2.").arg(failure->path, failure->reason));
        } else {
            // Once stored, the table is read back at the next win of this run too, as a later run
            // would.
            state_.RecordsStored = true;
        }
    }
    QDialog::done(result);
}

void frmRec::cmdOK_Click() {
    outcome_ = Outcome::NewGame;
    accept();
}

void frmRec::cmdOpen_Click() {
    // With a stored table the entry of this opening is dropped again: a game opened instead of
    // a new one does not keep its predecessor's result, and the stored table stays as it is.
    if (state_.RecordsStored) {
        ShowRows(ReadStoredRecordRows());
        keepResult_ = false;
    }
    commands_.ResetBoard();
    outcome_ = Outcome::OpenGame;
    accept();
    if (QWidget* owner = parentWidget()) owner->show();
    commands_.OpenGame();
}

void frmRec::cmdExit_Click() {
    keepResult_ = false;
    outcome_ = Outcome::Exit;
    exitProgram_();
    QDialog::done(Rejected);
}

void frmRec::EndProgram() { QCoreApplication::exit(0); }

void frmRec::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(QRectF(PixelPoint(GridLeft, GridTop), PixelPoint(GridRight, GridBottom)));
    for (int x : {480, 3600}) painter.drawLine(PixelPoint(x, GridTop), PixelPoint(x, GridBottom));
    for (int y = HeadingBottom; y < GridBottom; y += RowPitch) {
        painter.drawLine(PixelPoint(GridLeft, y), PixelPoint(GridRight, y));
    }
}

}  // namespace vantry
