#include "model/MatchSettings.h"

#include <QStringList>
#include <stdexcept>

namespace model {

std::array<QString, kRosterSize> MatchSettings::defaultRoster() {
    static const QStringList players = {
        "One",        "Two",          "Three",        "Four",        "Five",
        "Six",        "Seven",        "Eight",        "Nine",        "Ten",
        "Eleven",     "Twelve",       "Thirteen",     "Fourteen",    "Fifteen",
        "Sixteen",    "Seventeen",    "Eighteen",     "Nineteen",    "Twenty",
        "Twenty-one", "Twenty-two",   "Twenty-three", "Twenty-four", "Twenty-five",
        "Twenty-six", "Twenty-seven", "Twenty-eight", "Twenty-nine", "Thirty",
        "Thirty-one", "Thirty-Two",   "Thirty-three", "Thirty-four", "Thirty-five",
        "Thirty-six", "Thirty-seven", "Thirty-eight", "Thirty-nine", "Forty",
        "Forty-one",  "Forty-two",    "Forty-three",  "Forty-four",  "Forty-five",
        "Forty-six",  "Forty-seven",  "Forty-eight",  "Forty-nine",  "Fifty"};
    std::array<QString, kRosterSize> roster;
    for (int t = 0; t < kTeamSlots; ++t) {
        roster[teamNameIndex(t)] = QString("Team %1").arg(t + 1);
        for (int p = 1; p <= 5; ++p) {
            roster[playerNameIndex(t, p)] = players[5 * t + p - 1];
        }
    }
    return roster;
}

QString& MatchSettings::timerText(int box) {
    return const_cast<QString&>(static_cast<const MatchSettings*>(this)->timerText(box));
}

const QString& MatchSettings::timerText(int box) const {
    switch (box) {
        case 6:
            return matchTime;
        case 7:
            return tossUpTime;
        case 8:
            return bonusTime;
        case 9:
            return timeOutTime;
        case 10:
            return auxiliaryTime;
    }
    throw std::out_of_range("timer box number outside 6..10");
}

// With several marks set (a hand-edited file), the board applied last wins, as when the
// readers apply the marks in the order leader, classic, cut-throat.
BoardChoice MatchSettings::boardChoice() const {
    if (cutThroatChosen) {
        return BoardChoice::CutThroat;
    }
    if (classicBoardChosen) {
        return BoardChoice::Classic;
    }
    return leaderBoardChosen ? BoardChoice::Leader : BoardChoice::Classic;
}

void MatchSettings::chooseBoard(BoardChoice choice) {
    leaderBoardChosen = choice == BoardChoice::Leader;
    classicBoardChosen = choice == BoardChoice::Classic;
    cutThroatChosen = choice == BoardChoice::CutThroat;
}

QuestionSource MatchSettings::questionSource() const {
    return computerGenerated ? QuestionSource::ComputerGenerated : QuestionSource::ModeratorRead;
}

void MatchSettings::chooseQuestionSource(QuestionSource source) {
    computerGenerated = source == QuestionSource::ComputerGenerated;
    moderatorRead = !computerGenerated;
}

}  // namespace model
