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

QString Indexed(const char* name, int index) { return QStringLiteral("%1(%2)").arg(name).arg(index); }

}  // namespace

frmRec::frmRec(GameState& state, Prompter& prompter, GameCommands& commands, QWidget* owner,
               ExitAction exitProgram, StoreFailureNotice* notice)
    : QDialog(owner), state_(state), prompter_(prompter), commands_(commands), owner_(owner),
      exitProgram_(std::move(exitProgram)), notice_(notice ? *notice : ownNotice_) {
    setObjectName("frmRec");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(PixelEdge(ClientWidth), PixelEdge(ClientHeight));
    setWindowIcon(ProgramIcon());
    BuildRows();
    BuildButtons();
    FitText::FitAll(this);
}

void frmRec::BuildRows() {
    for (int i = 0; i <= RecordRowCount; ++i) {
        const int top = LabelTop + RowPitch * i;
        lblP_[i] = new QLabel(i == 0 ? tr("P", "heading of the places column") : QString::number(i), this);
        lblP_[i]->setObjectName(i == 0 ? QStringLiteral("Label11") : Indexed("lblP", i));
        lblP_[i]->move(PixelEdge(240), PixelEdge(top));
        lblP_[i]->adjustSize();

        lblName_[i] = new QLabel(this);
        lblMove_[i] = new QLabel(this);
        // A screen reader reads each row whole from its rank; the heading is read as it stands.
        if (i > 0) {
            AccessibleRoles::Silence(lblName_[i]);
            AccessibleRoles::Silence(lblMove_[i]);
        }
        lblName_[i]->setObjectName(Indexed("lblName", i));
        lblName_[i]->setGeometry(PixelRect(600, top, 2895, LabelHeight));

        lblMove_[i]->setObjectName(Indexed("lblMove", i));
        lblMove_[i]->setGeometry(PixelRect(3720, top, 1335, LabelHeight));
        for (QLabel* label : {lblName_[i], lblMove_[i]}) {
            label->setAlignment(Qt::AlignCenter);
            label->setTextFormat(Qt::PlainText);
        }
    }
    const QFont heading(QStringLiteral("Arial"), 12);
    lblName_[0]->setFont(heading);
    lblMove_[0]->setFont(heading);
    lblName_[0]->setText(tr("Name"));
    lblMove_[0]->setText(tr("Moves"));
    // The headings' larger font is taller than the rows' labels: each grows about its middle,
    // within the heading row, so that descenders and accents are not cut.
    for (QLabel* label : {lblName_[0], lblMove_[0]}) {
        const QRect row = label->geometry();
        const int height = std::max(row.height(), label->fontMetrics().height() + 2);
        label->setGeometry(row.x(), row.center().y() - height / 2, row.width(), height);
    }
    ShowRows(DefaultRecordRows());
}

QPushButton* frmRec::MakeButton(const char* name, const QString& caption, int leftTwips) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(PixelRect(leftTwips, ButtonTop, 1215, 375));
    return button;
}

void frmRec::BuildButtons() {
    QPushButton* cmdOK = MakeButton("cmdOK", tr("&New Game"), 600);
    QPushButton* cmdOpen = MakeButton("cmdOpen", tr("&Open Game"), 2160);
    QPushButton* cmdExit = MakeButton("cmdExit", tr("Exit"), 3720);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmRec::cmdOK_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmRec::cmdOpen_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmRec::cmdExit_Click);
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
        QString said;
        if (moves == UnreadableMoves) {
            //: A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %3 the count as stored.
            said = tr("%1, %2, moves: %3").arg(QString::number(row), shown.name, shown.moves);
        } else {
            //: A row of the best players read aloud: %1 the place (1 to 10), %2 the name, %n the moves.
            said = tr("%1, %2, %n moves", nullptr, moves).arg(QString::number(row), shown.name);
        }
        lblP_[row]->setAccessibleName(said);
    }
}

RecordRows frmRec::ShownRows() const {
    RecordRows rows;
    for (int row = 1; row <= RecordRowCount; ++row) {
        rows[static_cast<std::size_t>(row - 1)] = {lblName_[row]->text(), lblMove_[row]->text()};
    }
    return rows;
}

void frmRec::MarkRow(int row) {
    for (QLabel* label : {lblName_[row], lblMove_[row], lblP_[row]}) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    // The rank is sized to its text, which is wider in bold.
    lblP_[row]->adjustSize();
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
    if (state_.RecordsStored) ShowRows(ReadStoredRecordRows());
    RecordsTable table(ShownRows());
    setWindowTitle(tr("Vantry - Best Players"));
    const int row = table.Enter(winner_, winnerMoves_);
    if (row == 0) return;
    MarkRow(row);
    ShowRows(table.Captions());
}

void frmRec::done(int result) {
    if (!exiting_ && keepResult_) StoreResult();
    QDialog::done(result);
}

void frmRec::StoreResult() {
    // The rows shown may be out of date: the result goes into the table as it is stored now,
    // by the same rule, so that what another copy stored meanwhile is kept beside it.
    const RecordRows stored = ReadStoredRecordRows();
    RecordsTable table(stored);
    const bool entered = table.Enter(winner_, winnerMoves_) != 0;
    const auto failure = StoreRecordRows(entered ? table.Captions() : stored);
    // Once stored, the table is read back at the next win of this run too, as a later run would.
    if (!failure) {
        state_.RecordsStored = true;
        return;
    }
    //: %1 is the settings file, %2 why it could not be written ("the file is read-only").
    notice_.Tell(prompter_, tr("The best players could not be stored in %1: %2.").arg(failure->path, failure->reason));
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
    if (owner_) owner_->show();
    commands_.OpenGame();
}

void frmRec::cmdExit_Click() {
    exiting_ = true;
    outcome_ = Outcome::Exit;
    exitProgram_();
    QDialog::done(Rejected);
}

void frmRec::EndProgram() { QCoreApplication::exit(0); }

void frmRec::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const auto px = [](int twips) { return twips / 15.0; };
    painter.drawRect(QRectF(px(GridLeft), px(GridTop), px(GridRight - GridLeft), px(GridBottom - GridTop)));
    for (int x : {480, 3600}) painter.drawLine(QLineF(px(x), px(GridTop), px(x), px(GridBottom)));
    for (int y = HeadingBottom; y < GridBottom; y += RowPitch) {
        painter.drawLine(QLineF(px(GridLeft), px(y), px(GridRight), px(y)));
    }
}

}  // namespace vantry
