#include "setup/FrmMenu3_5.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPixmap>
#include <QVBoxLayout>

#include "setup/ColourChoice.h"
#include "setup/ContactBox.h"
#include "setup/OptionSummary.h"
#include "setup/ScoreUpkeep.h"

namespace setup {
namespace {
const char* const kRowCaptions[6] = {
    "Team Name:", "Player One:", "Player Two:", "Player Three:", "Player Four:", "Player Five:"};
const char* const kTimerCaptions[5] = {
    "Match Timer:", "Toss-up Timer:", "Bonus Timer:", "Time-Out:", "Auxillary:"};
}  // namespace

FrmMenu3_5::FrmMenu3_5(model::MatchSettings& settings, model::MatchState& state,
                       ui::Platform& platform, MenuHost& host)
    : ui::Form("Main Set-up Menu"),
      TabStrip1(client(), {"Teams 1-3", "Teams 4-6", "Teams 7-9", "Team 10"}),
      Label1(client(), "Currently selected options."),
      WebQr(client()),
      CommandHide(client(), "Hide Set-up Menu"),
      mnufile(window()->menuBar(), "&File"),
      mnuOpen(mnufile, "&Open Set-up File"),
      mnuSaveAs(mnufile, "Save &As Set-up File"),
      mnuNewMatch(mnufile, "&New Match"),
      mnuExportMatch(mnufile, "&Export Match..."),
      mnuPrintSheet(mnufile, "&Print Score Sheet..."),
      mnuExit(mnufile, "E&xit"),
      mnuSetup(window()->menuBar(), "&Setup"),
      mnuSndSource(mnuSetup, "&Sound Source"),
      mnuQvxSpeaker(mnuSndSource, "&Quorvantix Speaker"),
      mnuSndCard(mnuSndSource, "&Sound Card"),
      mnuMoreOptions(mnuSetup, "&More Set-up Options"),
      mnuBuzzerRoles(mnuSetup, "Other &Buzzers..."),
      mnuRFOptions(mnuSetup, "RF Wireless Options"),
      mnuXmitterCode(mnuRFOptions, "Change Transmitter Code (RF Only)"),
      mnuChangeChannel(mnuRFOptions, "Change Channel Number (RF Only)"),
      mnuPaLevel(mnuRFOptions, "Change Xmitter Power (RF Only)"),
      munOptions(window()->menuBar(), "&Options"),
      mnuScoreChoices(munOptions, "Score Board Choices"),
      mnuLeaderBd(mnuScoreChoices, "&Leader Board Team Scoring - up to 10 teams"),
      mnuScoreBd(mnuScoreChoices, "&Classic Score Board - up to three teams"),
      mnuCutThroat(mnuScoreChoices, "&Cut-Throat -  Indiduals not Teams"),
      mnuSounds(munOptions, "&Sound (Sound Card)"),
      MnuBuzzSnd(mnuSounds, "&Team Buzz-in "),
      mnuTimersnd(mnuSounds, "&Timer Expired"),
      mnuGamesnd(mnuSounds, "& Game Over"),
      mnuColors(munOptions, "&Colors"),
      mnubackgroundcolor(mnuColors, "Background Color"),
      mnutextcolor(mnuColors, "Text Color"),
      mnuRestoreDefault(munOptions, "&Restore Menu Default Options"),
      mnuSwapSides(munOptions, "&Swap Sides"),
      mnuEraseScores(munOptions, "&Erase Scores"),
      mnuQuestionS(window()->menuBar(), "&Questions"),
      mnuQuestionSource(mnuQuestionS, "Question Source"),
      mnuModeratorRead(mnuQuestionSource, "Moderator Read Questions"),
      mnuComputerGenerated(mnuQuestionSource, "Computer Generated Questions "),
      mnuQuestionEditor(mnuQuestionS, "Question Editor"),
      mnuStatistics(window()->menuBar(), "&Statistics"),
      mnuIndividual(mnuStatistics, "Individual"),
      mnuTeam(mnuStatistics, "Team"),
      mnuMatch(mnuStatistics, "Match"),
      mnuView(window()->menuBar(), "&View"),
      mnuBuzzLog(mnuView, "&Buzz Log"),
      mnuInternet(window()->menuBar(), "&Internet"),
      mnuHelp(window()->menuBar(), "&Help"),
      mnuVersionInfo(mnuHelp, "&Version Info"),
      mnuContactKorvessa(mnuHelp, "&Contact Us"),
      settings_(settings),
      state_(state),
      platform_(platform),
      host_(host),
      files_(settings, state, platform, *this),
      effects_(settings, state, host, [this] { Texttimer[6]->setText(settings_.matchTime); }),
      sounds_(platform) {
    // Design states of the menu bar. "&Questions" stays open so that the question source
    // can be chosen; its editor is not there.
    mnuRFOptions.setEnabled(false);
    mnuQuestionEditor.setEnabled(false);
    mnuStatistics.setEnabled(false);
    mnuInternet.setEnabled(false);

    buildPages();
    buildTimerBoxes();
    for (int i = 0; i < model::kTeamSlots; ++i) {
        Score[i] = std::make_unique<ui::Label>(client(), "0");
        Score[i]->setVisible(false);
    }
    Label1.setWordWrap(true);
    Label1.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    CommandHide.Click = [this] { CommandHide_Click(); };
    TabStrip1.Click = [this] { TabStrip1_Click(); };
    wireMenus();
    showSettings();

    auto* layout = new QGridLayout(client());
    auto* left = new QVBoxLayout;
    left->addWidget(TabStrip1.widget());
    auto* pages = new QWidget;
    pages->setMinimumSize(620, 260);
    // The pages share one place and fill it; only the page shown takes it.
    auto* place = new QGridLayout(pages);
    place->setContentsMargins(0, 0, 0, 0);
    for (QWidget* page : picTab) {
        place->addWidget(page, 0, 0);
    }
    left->addWidget(pages, 1);
    layout->addLayout(left, 0, 0, 2, 1);
    auto* timers = new QGridLayout;
    for (int box = 6; box <= 10; ++box) {
        timers->addWidget(new QLabel(kTimerCaptions[box - 6]), box - 6, 0);
        timers->addWidget(Texttimer[box]->widget(), box - 6, 1);
    }
    layout->addLayout(timers, 0, 1);
    layout->addWidget(Label1.widget(), 1, 1);
    layout->addWidget(WebQr.widget(), 0, 2, 2, 1, Qt::AlignTop);
    WebQr.setVisible(false);
    layout->addWidget(CommandHide.widget(), 2, 0, 1, 2);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    window()->resize(960, 480);
}

FrmMenu3_5::~FrmMenu3_5() = default;

void FrmMenu3_5::buildPages() {
    for (int page = 0; page < 4; ++page) {
        picTab[page] = new QWidget;
        auto* grid = new QGridLayout(picTab[page]);
        const int firstTeam = 3 * page;
        const int lastTeam = page == 3 ? 9 : firstTeam + 2;
        for (int team = firstTeam; team <= lastTeam; ++team) {
            const int column = 2 * (team - firstTeam);
            for (int row = 0; row < 6; ++row) {
                const int index = model::teamNameIndex(team) + row;
                rowLabel[index] = std::make_unique<ui::Label>(picTab[page], kRowCaptions[row]);
                rowLabel[index]->setTransparent(true);
                Text[index] = std::make_unique<ui::TextBox>(picTab[page]);
                Text[index]->Change = [this, index] {
                    const QString old = settings_.rosterText[index];
                    settings_.rosterText[index] = Text[index]->text();
                    state_.events->record(model::nameChanged(index, old, Text[index]->text()));
                };
                grid->addWidget(rowLabel[index]->widget(), row, column);
                grid->addWidget(Text[index]->widget(), row, column + 1);
                if (row == 5) {  // fifth players show only on models that have them
                    rowLabel[index]->setVisible(false);
                    Text[index]->setVisible(false);
                }
            }
        }
        grid->setRowStretch(6, 1);
    }
}

void FrmMenu3_5::buildTimerBoxes() {
    for (int box = 6; box <= 10; ++box) {
        Texttimer[box] = std::make_unique<ui::TextBox>(client());
        Texttimer[box]->Change = [this, box] { settings_.timerText(box) = Texttimer[box]->text(); };
    }
}

void FrmMenu3_5::wireMenus() {
    mnuOpen.Click = [this] { files_.mnuOpen_Click(); };
    mnuSaveAs.Click = [this] { files_.mnuSaveAs_Click(); };
    mnuRestoreDefault.Click = [this] { files_.mnuRestoreDefault_Click(); };
    mnuExit.Click = [this] { mnuExit_Click(); };
    mnuNewMatch.Click = [this] { host_.newMatch(); };
    mnuExportMatch.Click = [this] { host_.exportMatch(); };
    mnuPrintSheet.Click = [this] { host_.printScoreSheet(); };
    mnuBuzzLog.Click = [this] { host_.showBuzzLog(); };
    mnuQvxSpeaker.Click = [this] { mnuQvxSpeaker_Click(); };
    mnuSndCard.Click = [this] { mnuSndCard_Click(); };
    mnuLeaderBd.Click = [this] { chooseBoard(model::BoardChoice::Leader); };
    mnuScoreBd.Click = [this] { chooseBoard(model::BoardChoice::Classic); };
    mnuCutThroat.Click = [this] { chooseBoard(model::BoardChoice::CutThroat); };
    mnuModeratorRead.Click = [this] { chooseQuestionSource(model::QuestionSource::ModeratorRead); };
    mnuComputerGenerated.Click = [this] {
        chooseQuestionSource(model::QuestionSource::ComputerGenerated);
    };
    mnuMoreOptions.Click = [this] { formOptions().show(); };
    mnuBuzzerRoles.Click = [this] { host_.showBuzzerRoles(); };
    MnuBuzzSnd.Click = [this] {
        sounds_.choose(SoundChoice::Item::BuzzIn, settings_.buzzSoundFile);
    };
    mnuTimersnd.Click = [this] {
        sounds_.choose(SoundChoice::Item::TimerExpired, settings_.timerSoundFile);
    };
    mnuGamesnd.Click = [this] {
        sounds_.choose(SoundChoice::Item::GameOver, settings_.gameSoundFile);
    };
    mnubackgroundcolor.Click = [this] {
        if (chooseColour(platform_, settings_.boardBackColor)) {
            setbackcolor();
        }
    };
    mnutextcolor.Click = [this] {
        if (chooseColour(platform_, settings_.boardTextColor)) {
            SetForeColor();
        }
    };
    mnuEraseScores.Click = [this] {
        eraseScores(platform_, host_, *this);
        state_.events->scoresTouched(model::ScoreHow::Erase);
    };
    mnuSwapSides.Click = [this] {
        swapSides(state_, Text, *this);
        state_.events->scoresTouched(model::ScoreHow::Swap);
    };
    mnuVersionInfo.Click = [this] { mnuVersionInfo_Click(); };
    mnuXmitterCode.Click = [this] { host_.showRadioDialog(RadioDialog::TransmitterCode); };
    mnuChangeChannel.Click = [this] { host_.showRadioDialog(RadioDialog::Channel); };
    mnuPaLevel.Click = [this] { host_.showRadioDialog(RadioDialog::PowerLevel); };
    mnuContactKorvessa.Click = [this] { showContactBox(platform_); };
}

void FrmMenu3_5::showSettings() {
    for (int i = 0; i < model::kRosterSize; ++i) {
        Text[i]->setText(settings_.rosterText[i]);
    }
    for (int box = 6; box <= 10; ++box) {
        Texttimer[box]->setText(settings_.timerText(box));
    }
    showMenuMarks();
    if (options_) {
        options_->showSettings();
    }
}

void FrmMenu3_5::showMenuMarks() {
    mnuQvxSpeaker.setChecked(settings_.moduleSpeakersOn);
    mnuSndCard.setChecked(settings_.soundCardOn);
    mnuLeaderBd.setChecked(settings_.leaderBoardChosen);
    mnuScoreBd.setChecked(settings_.classicBoardChosen);
    mnuCutThroat.setChecked(settings_.cutThroatChosen);
    mnuModeratorRead.setChecked(settings_.moderatorRead);
    mnuComputerGenerated.setChecked(settings_.computerGenerated);
}

void FrmMenu3_5::Form_Load() {
    if (state_.modelNumber == 712) {
        mnuRFOptions.setEnabled(true);
    }
    files_.loadAtStartUp();
    OptionDisplay();
    GreyOut();
}

void FrmMenu3_5::Form_Activate() {
    if (!state_.moduleListConfirmed) {
        host_.showTitleForm();
    }
    mnuSwapSides.setEnabled(settings_.classicBoardChosen);
    state_.playerCount = 0;
    // A board may have changed the match time (a clock that ran out) while we were away.
    for (int box = 6; box <= 10; ++box) {
        Texttimer[box]->setText(settings_.timerText(box));
    }
    if (state_.hasFifthPlayer()) {
        for (int team = 0; team < model::kTeamSlots; ++team) {
            Text[model::playerNameIndex(team, 5)]->setVisible(true);
            rowLabel[model::playerNameIndex(team, 5)]->setVisible(true);
        }
    }
    if (state_.modelNumber == 712) {
        for (int i = 1; i <= 8; ++i) {
            state_.teamModuleHandle[i] = 8;
        }
    }
    SetUpFormOptions();
    if (state_.teamCount > 3) {
        mnuScoreBd.setEnabled(false);
        chooseLeaderBoardForManyTeams();
    }
    // Every page starts hidden; cycling the tabs enables each, and tab 1 ends in front.
    for (QWidget* page : picTab) {
        page->hide();
        page->setEnabled(false);
    }
    if (state_.teamCount > 2) {
        mnuSwapSides.setEnabled(false);
    }
    for (int tab : {2, 3, 4, 1}) {
        TabStrip1.select(tab);
        picTab[tab - 1]->setEnabled(true);
    }
    picTab[0]->show();
    currentPage = 0;
}

// The classic board shows three teams at most: with more teams served it cannot stay the
// choice, so the leader board takes its place, as choosing it from the menu would.
void FrmMenu3_5::chooseLeaderBoardForManyTeams() {
    if (!settings_.classicBoardChosen) {
        return;
    }
    if (boards::Board* classic = host_.existingBoard(model::BoardChoice::Classic)) {
        classic->hideBoard();
    }
    settings_.chooseBoard(model::BoardChoice::Leader);
    showMenuMarks();
    OptionDisplay();
}

void FrmMenu3_5::TabStrip1_Click() {
    const int page = TabStrip1.selectedIndex() - 1;
    if (page == currentPage) {
        return;
    }
    picTab[page]->show();
    picTab[page]->setEnabled(true);
    picTab[currentPage]->hide();
    currentPage = page;
}

void FrmMenu3_5::AddToResults(const QString& text) {
    Label1.setCaption(Label1.caption() + text + "\r\n");
}

void FrmMenu3_5::OptionDisplay() {
    Label1.setCaption({});
    state_.computerQuestionMode =
        settings_.moderatorRead ? false
                                : (settings_.computerGenerated || state_.computerQuestionMode);
    AddToResults(optionSummary(settings_).chopped(2));
    showAudienceScreen();
}

// Beyond the switches: where browsers find the board, as text and as a QR code.
void FrmMenu3_5::showAudienceScreen() {
    const AudienceScreenInfo audience = host_.audienceScreen();
    WebQr.setVisible(audience.on && !audience.qrCode.isNull());
    if (!audience.on) {
        return;
    }
    AddToResults("* Audience screen in a browser is ON:");
    for (const QString& address : audience.addresses) {
        AddToResults("    " + address);
    }
    WebQr.label()->setPixmap(QPixmap::fromImage(audience.qrCode));
}

void FrmMenu3_5::GreyOut() {
    for (int team = 0; team < model::kTeamSlots; ++team) {
        for (int row = 0; row < 6; ++row) {
            Text[model::teamNameIndex(team) + row]->setEnabled(state_.teamModuleHandle[team] != 0);
        }
    }
}

void FrmMenu3_5::runOptionEffect(model::OptionBox box) {
    effects_.run(box);
    if (options_) {
        options_->showSettings();  // a set-up read changes the switches one by one
    }
}

void FrmMenu3_5::SetUpFormOptions() {
    effects_.runAll();
    OptionDisplay();
}

FormOptions& FrmMenu3_5::formOptions() {
    if (!options_) {
        options_ = std::make_unique<FormOptions>(
            settings_, [this](model::OptionBox box) { runOptionEffect(box); });
        options_->switchAudienceScreen = [this](bool on, quint16 port) {
            return host_.switchAudienceScreen(on, port);
        };
        const AudienceScreenInfo audience = host_.audienceScreen();
        options_->showAudienceScreen(audience.on, audience.port);
    }
    return *options_;
}

void FrmMenu3_5::setStepButton(model::BoardChoice board, int step, bool selected) {
    host_.board(board).setStepButton(step, selected);
}

void FrmMenu3_5::showBoard(model::BoardChoice board) {
    host_.board(board).showBoard();
}

void FrmMenu3_5::hideBoard(model::BoardChoice board) {
    host_.board(board).hideBoard();
}

void FrmMenu3_5::setbackcolor() {
    forEachBoard(host_,
                 [this](boards::Board& b) { b.setBoardBackColor(settings_.boardBackColor); });
}

void FrmMenu3_5::SetForeColor() {
    forEachBoard(host_,
                 [this](boards::Board& b) { b.setBoardTextColor(settings_.boardTextColor); });
}

void FrmMenu3_5::CommandHide_Click() {
    hide();
    if (settings_.leaderBoardChosen) {
        host_.board(model::BoardChoice::Leader).showFromSetupMenu();
    }
    if (settings_.classicBoardChosen) {
        host_.board(model::BoardChoice::Classic).showFromSetupMenu();
    }
    if (settings_.cutThroatChosen) {
        host_.board(model::BoardChoice::CutThroat).showFromSetupMenu();
    }
}

void FrmMenu3_5::mnuExit_Click() {
    state_.shutdownInProgress = true;
    state_.events->record(model::consoleEnded());
    host_.ShutItDown();
}

void FrmMenu3_5::mnuQvxSpeaker_Click() {
    settings_.moduleSpeakersOn = !settings_.moduleSpeakersOn;
    mnuQvxSpeaker.setChecked(settings_.moduleSpeakersOn);
    platform_.messageBox(settings_.moduleSpeakersOn
                             ? "Quorvantix Team Module speakers are now ON."
                             : "Quorvantix Team Module speakers are now OFF.");
    OptionDisplay();
}

void FrmMenu3_5::mnuSndCard_Click() {
    settings_.soundCardOn = !settings_.soundCardOn;
    mnuSndCard.setChecked(settings_.soundCardOn);
    platform_.messageBox(settings_.soundCardOn ? "Computer Sound Card is now ON."
                                               : "Computer Sound Card is now OFF.");
    OptionDisplay();
}

void FrmMenu3_5::chooseBoard(model::BoardChoice choice) {
    for (auto other :
         {model::BoardChoice::Leader, model::BoardChoice::Classic, model::BoardChoice::CutThroat}) {
        if (other != choice) {
            if (boards::Board* b = host_.existingBoard(other)) {
                b->hideBoard();
            }
        }
    }
    settings_.chooseBoard(choice);
    showMenuMarks();
    host_.board(choice).showBoard();
    mnuSwapSides.setEnabled(settings_.classicBoardChosen && state_.teamCount <= 2);
    state_.events->record(model::boardChosen(choice));
    if (choice == model::BoardChoice::Classic) {
        show();
    } else if (choice == model::BoardChoice::CutThroat) {
        hide();
    }
    OptionDisplay();
}

// Clicking the source that is chosen switches to the other one.
void FrmMenu3_5::chooseQuestionSource(model::QuestionSource clicked) {
    using model::QuestionSource;
    const bool clickedIsChosen = clicked == QuestionSource::ModeratorRead
                                     ? settings_.moderatorRead
                                     : settings_.computerGenerated;
    const QuestionSource other = clicked == QuestionSource::ModeratorRead
                                     ? QuestionSource::ComputerGenerated
                                     : QuestionSource::ModeratorRead;
    settings_.chooseQuestionSource(clickedIsChosen ? other : clicked);
    showMenuMarks();
    host_.board(model::BoardChoice::Classic).showQuestionButton(settings_.computerGenerated);
    OptionDisplay();
}

void FrmMenu3_5::mnuVersionInfo_Click() {
    platform_.messageBox(" Software Version USB1.9E-1, from Lumetrica Rev 10/16/2014",
                         ui::MsgButtons::OK, ui::MsgIcon::Information,
                         "Software Version Information");
}

QString FrmMenu3_5::scoreCaption(int slot) const {
    return Score[slot]->caption();
}

void FrmMenu3_5::setScoreCaption(int slot, const QString& caption) {
    Score[slot]->setCaption(caption);
}

bool FrmMenu3_5::nameBoxEnabled(int index) const {
    return Text[index]->enabled();
}

}  // namespace setup
