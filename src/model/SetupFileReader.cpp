#include "model/SetupFileReader.h"

#include <cmath>
#include <limits>
#include <optional>

#include "model/LeadingNumber.h"
#include "model/SetupFileFormat.h"

namespace model {

namespace {

struct ReadFailure {
    QString description;
};

// A number that fills the whole line apart from blanks around it.
std::optional<double> wholeLineNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (trimmed.isEmpty() || !ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return std::nearbyint(value);  // halves to the even neighbour
}

class Reading {
  public:
    Reading(const SetupFileLines& lines, SetupReader reader, MatchSettings& settings,
            MatchState& state, SetupFileTarget& target)
        : lines_(lines), reader_(reader), s_(settings), state_(state), target_(target) {}

    void run() {
        for (QString& text : s_.rosterText) {
            text = next();
        }
        for (int box = 6; box <= 10; ++box) {
            s_.timerText(box) = next();
        }
        readStepButtons();
        s_.moduleSpeakersOn = nextFlag();
        s_.soundCardOn = nextFlag();
        s_.leaderBoardChosen = nextFlag();
        s_.classicBoardChosen = nextFlag();
        s_.cutThroatChosen = nextFlag();
        applyBoardChoice();
        if (reader_ == SetupReader::RestoreDefaults || reader_ == SetupReader::ChosenFile) {
            target_.bringSetupMenuToFront();
        }
        s_.buzzSoundFile = next();
        s_.timerSoundFile = next();
        s_.gameSoundFile = next();
        s_.boardBackColor = nextColor();
        target_.setbackcolor();
        s_.boardTextColor = nextColor();
        target_.SetForeColor();
        readOptionBox(s_.timerTabsOn, OptionBox::CheckTimerTabs);
        readOptionBox(s_.twentySecondTabOn, OptionBox::Check20SecondTab);
        readOptionBox(s_.buzzDuringBonus, OptionBox::CheckBuzzonBonus);
        readOptionBox(s_.timerContinuesAfterBuzz, OptionBox::CheckTimerContinues);
        readOptionBox(s_.matchTimerDisabled, OptionBox::CheckDisableMatchTimer);
        readOptionBox(s_.lockSecondResponder, OptionBox::CheckPlayerWaiting);
        s_.computerGenerated = nextFlag();
        if (s_.computerGenerated) {
            s_.moderatorRead = false;
        }
        state_.matchTimeSetting = s_.matchTime;
        target_.showSettings();
        target_.SetUpFormOptions();
        target_.OptionDisplay();
        if (reader_ == SetupReader::StartUp) {
            applyBoardChoice();
        }
    }

  private:
    QString next() {
        if (lineNumber_ >= lines_.count()) {
            throw ReadFailure{lines_.stopDescription()};
        }
        return lines_.line(++lineNumber_);
    }

    bool nextFlag() { return leadingNumber(next()) != 0; }

    ui::Color nextColor() {
        const std::optional<double> value = wholeLineNumber(next());
        if (!value) {
            throw ReadFailure{QStringLiteral("Line %1 is not a number.").arg(lineNumber_)};
        }
        using Limits = std::numeric_limits<std::int32_t>;
        if (*value < Limits::min() || *value > Limits::max()) {
            throw ReadFailure{QStringLiteral("Line %1 is not a colour.").arg(lineNumber_)};
        }
        return ui::Color::fromInt(static_cast<std::int32_t>(*value));
    }

    void readStepButtons() {
        const int steps[] = {1, 5, 10};
        bool* marks[] = {&s_.scoreStep1, &s_.scoreStep5, &s_.scoreStep10};
        for (int i = 0; i < 3; ++i) {
            *marks[i] = nextFlag();
            for (BoardChoice board :
                 {BoardChoice::Leader, BoardChoice::Classic, BoardChoice::CutThroat}) {
                target_.setStepButton(board, steps[i], *marks[i]);
            }
        }
    }

    // The marks are applied as they come; with several set, the last one shown wins.
    void applyBoardChoice() {
        if (s_.leaderBoardChosen) {
            show(BoardChoice::Leader, BoardChoice::CutThroat, BoardChoice::Classic);
        }
        if (s_.classicBoardChosen) {
            show(BoardChoice::Classic, BoardChoice::Leader, BoardChoice::CutThroat);
        }
        if (s_.cutThroatChosen) {
            show(BoardChoice::CutThroat, BoardChoice::Classic, BoardChoice::Leader);
        }
    }

    void show(BoardChoice shown, BoardChoice hidden1, BoardChoice hidden2) {
        target_.hideBoard(hidden1);
        target_.hideBoard(hidden2);
        target_.showBoard(shown);
    }

    // A check box runs its effect only when its value changes.
    void readOptionBox(bool& field, OptionBox box) {
        const std::optional<double> value = wholeLineNumber(next());
        if (!value) {
            throw ReadFailure{QStringLiteral("Line %1 is not a number.").arg(lineNumber_)};
        }
        if (*value != 0 && *value != 1) {
            throw ReadFailure{QStringLiteral("Line %1 is not 0 or 1.").arg(lineNumber_)};
        }
        const bool checked = *value == 1;
        if (checked != field) {
            field = checked;
            target_.optionBoxChanged(box);
        }
    }

    const SetupFileLines& lines_;
    const SetupReader reader_;
    MatchSettings& s_;
    MatchState& state_;
    SetupFileTarget& target_;
    int lineNumber_ = 1;  // the last line taken: the header is checked before the values
};

}  // namespace

SetupReadResult applySetupFile(const SetupFileLines& lines, SetupReader reader,
                               MatchSettings& settings, MatchState& state,
                               SetupFileTarget& target) {
    using Status = SetupReadResult::Status;
    if (lines.count() == 0 && lines.stop() != SetupFileLines::Stop::LineTooLong) {
        return {Status::Failed, lines.stopDescription()};
    }
    // An over-long first line cannot be the header.
    if (lines.count() == 0 || lines.line(1) != kSetupHeader) {
        return {Status::WrongHeader, {}};
    }
    Reading reading(lines, reader, settings, state, target);
    try {
        reading.run();
    } catch (const ReadFailure& failure) {
        target.showSettings();
        return {Status::Failed, failure.description};
    }
    return {Status::Complete, {}};
}

}  // namespace model
