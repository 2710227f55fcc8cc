#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "../Events.h"
#include "TempFolder.h"
#include "record/windows/BuzzLog.h"
#include "record/windows/ScoreSheet.h"

namespace {

using Kind = model::MatchEvent::Kind;

// The log follows the match as it goes: a row per arm, filled in as presses and points
// come; Copy puts the same table on the clipboard.
TEST(BuzzLog, FollowsTheMatchLiveAndCopies) {
    record::MatchModel m;
    record::BuzzLog log(m);
    log.show();
    EXPECT_EQ(log.table().rowCount(), 0);
    m.apply(test::beginEvent(0, {0, 1},
                             {"Owls", "Ann", "", "", "", "", "Larks", "Eve", "", "", "", ""}));
    m.apply(test::armEvent(1'000));
    EXPECT_EQ(log.table().rowCount(), 1);
    EXPECT_EQ(log.table().item(0, 2)->text(), "");
    model::MatchEvent press = test::pressEvent(Kind::PressTaken, 1, 1, 1'254'321);
    press.who.teamName = "Larks";
    press.who.playerName = "Eve";
    m.apply(press);
    model::MatchEvent second = test::pressEvent(Kind::SecondHeld, 0, 1, 1'256'821);
    second.who.teamName = "Owls";
    second.who.playerName = "Ann";
    m.apply(second);
    m.apply(test::scoreEvent(model::ScoreHolder::TeamSlot, 1, "Larks", "0", " 10"));
    const QStringList row{"1",        log.table().item(0, 1)->text(),
                          "Eve",      "Larks",
                          "254.3",    "Ann (Owls)",
                          "2.5",      "",
                          "Larks +10"};
    for (int c = 0; c < row.size(); ++c) {
        EXPECT_EQ(log.table().item(0, c)->text(), row[c]) << c;
    }
    QTest::mouseClick(&log.copyButton(), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(),
              record::buzzLogColumns().join('\t') + '\n' + row.join('\t') + '\n');
    m.apply(test::armEvent(3'000, true));
    EXPECT_EQ(log.table().rowCount(), 2);
    EXPECT_TRUE(log.table().item(1, 1)->text().endsWith(" re-arm"));
}

TEST(ScoreSheet, NamesTeamsPlayersScoresAndTossUpsAndWritesAPdf) {
    record::MatchModel m;
    m.apply(test::beginEvent(0, {0}, {"Owls & Co", "Ann", "", "", "", ""}));
    m.apply(test::armEvent(1'000));
    m.apply(test::scoreEvent(model::ScoreHolder::TeamSlot, 0, "Owls & Co", "0", " 10"));
    const QString html = record::scoreSheetHtml(m);
    EXPECT_TRUE(html.contains("Owls &amp; Co</td><td align='right'>10</td>"));
    EXPECT_TRUE(html.contains("Ann (0)"));
    EXPECT_TRUE(html.contains("<td>Owls &amp; Co +10</td>"));
    test::TempFolder folder;
    ASSERT_TRUE(record::writeScoreSheet(m, folder.file("sheet.pdf")));
    EXPECT_TRUE(folder.read("sheet.pdf").startsWith("%PDF"));
    EXPECT_FALSE(record::writeScoreSheet(m, folder.file("no/such/folder/sheet.pdf")));
}

}  // namespace
