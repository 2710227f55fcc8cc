#include "setup/OptionSummary.h"

namespace setup {

QString optionSummary(const model::MatchSettings& s) {
    QString text;
    const auto add = [&](const QString& line) { text += line + "\r\n"; };
    const auto addIf = [&](bool on, const char* line) {
        if (on) {
            add(line);
        }
    };
    add("Currently Selected Options List");
    add("(Use Menu to change options)");
    add("");
    add("Channel # selected:  " + s.radioChannel);
    add("Transmitter Power Level selected:  " + s.powerLevel);
    addIf(s.computerGenerated, "*Computer Generated Question Display is ON.");
    addIf(s.moderatorRead, "*Moderator Read Question Mode is ON.");
    addIf(s.moduleSpeakersOn, "* Quorvantix speakers are ON.");
    addIf(s.soundCardOn, "* Sound card is ON.");
    addIf(!s.moduleSpeakersOn && !s.soundCardOn, "* Sound is OFF");
    addIf(s.classicBoardChosen, "* Classic ScoreBoard display selected");
    addIf(s.leaderBoardChosen, "* LeaderBoard ScoreBoard display selected");
    addIf(s.cutThroatChosen, "* Cut Throat Scoreboard display selected");
    addIf(s.twentySecondTabOn, "* Twenty second Timer tab is ON.");
    addIf(s.buzzDuringBonus, "* Players can 'Buzz-in' during Bonus.");
    addIf(s.timerContinuesAfterBuzz, "* Response Timer will continue to run after 'buzz-in'.");
    addIf(s.matchTimerDisabled, "* Match Timer is DISABLED.");
    addIf(s.lockSecondResponder, "* System 'locks-up' second place respondent.");
    addIf(s.operatorPromptsOff, "* Operator 'mouse-over' prompts are OFF.");
    return text;
}

}  // namespace setup
