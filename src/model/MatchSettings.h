#pragma once

#include <QString>
#include <array>

#include "ui/Color.h"

namespace model {

inline constexpr int kTeamSlots = 10;
inline constexpr int kRosterSize = 60;  // six entries per team slot

// Roster entry of team index t (0..9): the team name at 6t, players 1..5 at 6t+p.
constexpr int teamNameIndex(int team) {
    return 6 * team;
}
constexpr int playerNameIndex(int team, int player) {
    return 6 * team + player;
}

enum class BoardChoice { Leader, Classic, CutThroat };
enum class QuestionSource { ModeratorRead, ComputerGenerated };

// The operator's settings: what the set-up file keeps, plus the prompts switch. Every
// window is bound to these fields; defaults are those of a fresh start.
struct MatchSettings {
    std::array<QString, kRosterSize> rosterText = defaultRoster();

    QString matchTime = "15:00";
    QString tossUpTime = "5";
    QString bonusTime = "10";
    QString timeOutTime = "60";
    QString auxiliaryTime = "60";

    // The score-step marks as the set-up file stores them (the leader board's buttons);
    // a reader loads them into the step buttons of all three boards.
    bool scoreStep1 = false;
    bool scoreStep5 = false;
    bool scoreStep10 = false;

    bool moduleSpeakersOn = true;
    bool soundCardOn = true;

    // The three board marks; the menu handlers keep exactly one set, the file readers
    // apply them as they come.
    bool leaderBoardChosen = false;
    bool classicBoardChosen = true;
    bool cutThroatChosen = false;

    // The two question-source marks.
    bool moderatorRead = true;
    bool computerGenerated = false;

    bool timerTabsOn = false;
    bool twentySecondTabOn = false;
    bool buzzDuringBonus = false;
    bool timerContinuesAfterBuzz = false;
    bool matchTimerDisabled = false;
    bool lockSecondResponder = false;
    bool operatorPromptsOff = false;  // never saved

    QString buzzSoundFile;
    QString timerSoundFile;
    QString gameSoundFile;

    ui::Color boardBackColor = ui::colors::blue;
    ui::Color boardTextColor = ui::colors::darkRed;  // the name labels' design colour

    // The radio dialogs' channel and power-level boxes (not in the set-up file).
    QString radioChannel = "0";
    QString powerLevel = "9";

    // The timer length texts by the set-up menu's box numbers 6..10.
    QString& timerText(int box);
    const QString& timerText(int box) const;

    BoardChoice boardChoice() const;
    void chooseBoard(BoardChoice choice);
    QuestionSource questionSource() const;
    void chooseQuestionSource(QuestionSource source);

    static std::array<QString, kRosterSize> defaultRoster();

    bool operator==(const MatchSettings&) const = default;
};

}  // namespace model
