#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextLayout>
#include <QUrl>

#include <memory>
#include <vector>

#include "dialogs/frmabout.h"
#include "isolatedstores.h"
#include "media/svgpicture.h"

namespace vantry {
namespace {

class FrmAboutTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(stores_.valid()); }

    frmAbout& Open() {
        window_ = std::make_unique<frmAbout>(nullptr, [this](const QUrl& url) { opened_.push_back(url); });
        window_->show();
        return *window_;
    }
    QLabel* Line(int i) const { return window_->findChild<QLabel*>(QStringLiteral("lbl(%1)").arg(i)); }

    test::IsolatedStores stores_;
    std::unique_ptr<frmAbout> window_;
    std::vector<QUrl> opened_;
};

TEST_F(FrmAboutTest, LicenceLinesShowTheMachineWideValues) {
    struct Case {
        const char* what;
        QByteArray file;  // empty: no store at all
        QString line6;
        QString line7;
    };
    const Case cases[] = {
        {"no store", {}, "Error", ""},
        {"one value", "[1.0]\nName=Ann Lee\n", "Ann Lee", ""},
        {"empty value skipped", "[1.0]\n1Name=\n2Company=Acme\n", "Acme", ""},
        {"comma value whole", "[1.0]\n1Name=Ann\n2Company=Acme, Inc.\n3More=x\n", "Ann", "Acme, Inc."},
    };
    for (const Case& c : cases) {
        if (!c.file.isEmpty()) {
            ASSERT_TRUE(stores_.WriteMachineValues(c.file));
        }
        Open();
        EXPECT_EQ(Line(6)->text(), c.line6) << c.what;
        EXPECT_EQ(Line(7)->text(), c.line7) << c.what;
    }
}

// At open the credits wait below the panel, each under the one before, so the scroll brings
// them up one at a time and in their order; the title stands inside the panel.
TEST_F(FrmAboutTest, CreditLinesWaitBelowThePanelInTheirOrder) {
    Open();
    const QWidget* panel = window_->findChild<QWidget*>("Picture1");
    ASSERT_NE(panel, nullptr);
    for (int i = 0; i < 10; ++i) {
        EXPECT_GE(Line(i)->y(), panel->height()) << i;
        if (i > 0) {
            EXPECT_GT(Line(i)->y(), Line(i - 1)->geometry().bottom()) << i;
        }
    }
    EXPECT_TRUE(panel->rect().contains(Line(frmAbout::TitleIndex)->geometry()));
}

TEST_F(FrmAboutTest, SizableWindowWithTheBackgroundFillingThePanel) {
    Open();
    EXPECT_TRUE(window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_NE(window_->minimumSize(), window_->maximumSize());
    const auto* image = window_->findChild<SvgPicture*>("Image1");
    const auto* panel = window_->findChild<QWidget*>("Picture1");
    ASSERT_TRUE(image && panel);
    EXPECT_EQ(image->geometry(), panel->rect());
    EXPECT_FALSE(image->currentImage().isNull());
}

TEST_F(FrmAboutTest, TitleKeepsTheEditionOnItsSecondLine) {
    Open();
    QLabel* title = Line(frmAbout::TitleIndex);
    QString shown = title->text();
    EXPECT_EQ(shown.replace(QChar(0x00A0), ' '), "Vantry" + QString(9, ' ') + "3rd Edition");

    QTextLayout layout(title->text(), title->font());
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrap);
    layout.beginLayout();
    std::vector<QString> lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(title->contentsRect().width());
        lines.push_back(title->text().mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Vantry");
    EXPECT_EQ(QString(lines[1]).replace(QChar(0x00A0), ' '), "3rd Edition");
}

TEST_F(FrmAboutTest, EveryTickRaisesEveryLineAndTheScrollStopsWhenAllAreGone) {
    Open();
    std::vector<float> start;
    for (int i = 0; i < frmAbout::LineCount; ++i) start.push_back(window_->LineTop(i));
    EXPECT_TRUE(window_->ScrollRunning());
    for (int tick = 0; tick < 10; ++tick) window_->Timer1_Timer();
    for (int i = 0; i < frmAbout::LineCount; ++i) {
        EXPECT_FLOAT_EQ(window_->LineTop(i), start[static_cast<std::size_t>(i)] - 500.0f) << i;
        EXPECT_EQ(Line(i)->y(), qRound(window_->LineTop(i) / 15.0)) << i;
    }
    // Line 9 starts at 7535 and is 255 high: its bottom reaches the panel's top on tick 156.
    int ticks = 10;
    while (window_->ScrollRunning() && ticks < 1000) {
        window_->Timer1_Timer();
        ++ticks;
    }
    EXPECT_EQ(ticks, 156);
    EXPECT_LE(window_->LineTop(9) + 255.0f, 0.0f);
    EXPECT_GT(window_->LineTop(9) + 255.0f + 50.0f, 0.0f);
}

TEST_F(FrmAboutTest, TheScrollRunsOnTheTimerOnItsOwn) {
    Open();
    const float before = window_->LineTop(0);
    QTest::qWait(100);
    EXPECT_LT(window_->LineTop(0), before);
}

// A screen reader reads the panel as one text; a line that leads into the next runs on.
TEST_F(FrmAboutTest, ThePanelReadsItsCreditsAsSentences) {
    Open();
    const QString spoken = window_->findChild<QWidget*>("Picture1")->accessibleName();
    for (const char* part : {"Written by Tamsin Orrell.", "Griphics: Bram Kettleby. Ysolde Marrin.",
                             "Published by Hollowmere Software"}) {
        EXPECT_TRUE(spoken.contains(QLatin1String(part))) << qPrintable(spoken);
    }
}

TEST_F(FrmAboutTest, LinksOpenMailAndWebPage) {
    Open();
    auto* email = window_->findChild<QLabel*>("lblEmail");
    auto* site = window_->findChild<QLabel*>("lblWSite");
    ASSERT_TRUE(email && site);
    EXPECT_TRUE(email->text().startsWith("E-mail: "));
    EXPECT_TRUE(site->text().startsWith("W-site: "));
    EXPECT_EQ(email->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(email, Qt::LeftButton);
    QTest::mouseClick(site, Qt::LeftButton);
    ASSERT_EQ(opened_.size(), 2u);
    EXPECT_EQ(opened_[0], QUrl("mailto:" + email->text().mid(8)));
    EXPECT_EQ(opened_[1], QUrl("https://" + site->text().mid(8)));
}

TEST_F(FrmAboutTest, OkCloses) {
    Open();
    auto* ok = window_->findChild<QPushButton*>("Command1");
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(window_->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace vantry
