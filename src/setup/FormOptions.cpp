#include "setup/FormOptions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "ui/Screens.h"

namespace setup {
namespace {
const char* const kTextOptionPrompt =
    "Move mouse over a particular optiion for a description of that option";
const ui::Font kBoxFont{"Arial", 12, false};
const ui::Font kDescriptionFont{"Arial", 12, false};
const char* const kAudienceDescription =
    "Checking this box shows the board in any web browser on the same network: phones, "
    "a second room's screen, or a streaming tool (the overlay page). The addresses and a "
    "QR code appear in the set-up menu's summary.  Nothing a browser does changes the match.";
}  // namespace

using model::MatchSettings;
using model::OptionBox;

FormOptions::FormOptions(MatchSettings& settings, std::function<void(OptionBox)> changed)
    : ui::Form("Options Menu"),
      Check20SecondTab(client(), "Turn on 20 second Timer Tab (Oklahoma)"),
      CheckTimerTabs(client(), "Turn on Timer Tabs"),
      CheckBuzzonBonus(client(), "Allow \"Buzz-in\" during Bonus"),
      CheckTimerContinues(client(), "Allow Timer to continue after \"Buzz-in\""),
      CheckDisableMatchTimer(client(), "Disable Match Timer"),
      CheckPlayerWaiting(client(), "Lock up second place respondent"),
      CheckPromptsOff(client(), "Turn off \"mouse over\" operator prompts"),
      TextOption(client(), "", ui::colors::white, ui::colors::black),
      CommandOptions(client(), "Done"),
      CheckAudienceScreen(client(), "Audience screen in a browser"),
      TextWebPort(client(), "8765"),
      settings_(settings),
      changed_(std::move(changed)),
      rows_{{
          {OptionBox::Check20SecondTab, &Check20SecondTab, &MatchSettings::twentySecondTabOn,
           "Checking this box makes the 20 second timer tab available.  (Oklahoma)"},
          {OptionBox::CheckTimerTabs, &CheckTimerTabs, &MatchSettings::timerTabsOn,
           "Checking this option will display tabs on the response Timer for Toss Up, Bonus, "
           "and Auxillary Timer.  You must select this option to use the Auxillary Timer."},
          {OptionBox::CheckBuzzonBonus, &CheckBuzzonBonus, &MatchSettings::buzzDuringBonus,
           "Checking this box will allow contestants to Buzz-in while the Bonus Timer is "
           "running."},
          {OptionBox::CheckTimerContinues, &CheckTimerContinues,
           &MatchSettings::timerContinuesAfterBuzz,
           "Checking this option causes the Timer (Toss-up, Bonus, and Auxillay) to continue "
           "to count down after a Buzz-in."},
          {OptionBox::CheckDisableMatchTimer, &CheckDisableMatchTimer,
           &MatchSettings::matchTimerDisabled,
           "Checking this box will disable (grey-out) the Match Timer.  Use this option if you "
           "are NOT using the Match Timer."},
          {OptionBox::CheckPlayerWaiting, &CheckPlayerWaiting, &MatchSettings::lockSecondResponder,
           "Checking this box will lock up the name of the player who was second to buzz in. "
           "This player's name will be displayed as soon as the computer operator clears the "
           "system.  This feature is only availble on computers using a sound card. Sound "
           "from The Quorvantix speaker will be turned off."},
          {OptionBox::CheckPromptsOff, &CheckPromptsOff, &MatchSettings::operatorPromptsOff,
           "Checking this option turns OFF operator instructions displayed as the mouse moves "
           "over the various controls."},
      }} {
    for (const Row& row : rows_) {
        row.control->setFont(kBoxFont);
        row.control->Change = [this, &row] { boxChanged(row); };
        row.control->MouseMove = [this, &row] { TextOption.setCaption(row.description); };
    }
    TextOption.setFont(kDescriptionFont);
    TextOption.setWordWrap(true);
    TextOption.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TextOption.label()->setFrameStyle(QFrame::Box | QFrame::Plain);
    TextOption.label()->setMargin(6);
    TextOption.MouseMove = [this] { TextOption.setCaption(kTextOptionPrompt); };
    CheckAudienceScreen.setFont(kBoxFont);
    CheckAudienceScreen.Change = [this] { audienceScreenChanged(); };
    CheckAudienceScreen.MouseMove = [this] { TextOption.setCaption(kAudienceDescription); };
    TextWebPort.setFont(kBoxFont);
    TextWebPort.MouseMove = [this] { TextOption.setCaption(kAudienceDescription); };
    CommandOptions.setFont(kBoxFont);
    CommandOptions.Click = [this] { CommandOptions_Click(); };
    // The bare background empties the description.
    client()->setMouseTracking(true);
    showSettings();
    layOut();
}

FormOptions::~FormOptions() = default;

void FormOptions::layOut() {
    auto* grid = new QGridLayout(client());
    grid->setContentsMargins(18, 18, 18, 18);
    grid->setHorizontalSpacing(24);
    auto* boxes = new QVBoxLayout;
    boxes->setSpacing(10);
    for (const Row& row : rows_) {
        boxes->addWidget(row.control->widget());
    }
    auto* audience = new QHBoxLayout;
    audience->addWidget(CheckAudienceScreen.widget());
    audience->addWidget(new QLabel("Port:"));
    audience->addWidget(TextWebPort.widget());
    TextWebPort.widget()->setMaximumWidth(80);
    boxes->addLayout(audience);
    boxes->addStretch(1);
    grid->addLayout(boxes, 0, 0);
    TextOption.widget()->setMinimumSize(340, 230);
    grid->addWidget(TextOption.widget(), 0, 1);
    grid->addWidget(CommandOptions.widget(), 1, 1, Qt::AlignRight);
    CommandOptions.widget()->setMinimumSize(120, 34);
    grid->setColumnStretch(1, 1);
    window()->resize(window()->sizeHint().expandedTo(QSize(780, 330)));
    ui::screens::centreOnOperatorScreen(window());
}

void FormOptions::showSettings() {
    for (const Row& row : rows_) {
        row.control->setValue(settings_.*row.field ? 1 : 0);
    }
}

// Setting a box from the settings changes nothing, so only a real change runs the effect.
void FormOptions::boxChanged(const Row& row) {
    const bool checked = row.control->value() == 1;
    bool& field = settings_.*row.field;
    if (field == checked) {
        return;
    }
    field = checked;
    changed_(row.box);
}

void FormOptions::showAudienceScreen(bool on, quint16 port) {
    TextWebPort.setText(QString::number(port));
    showingAudience_ = true;
    CheckAudienceScreen.setValue(on ? 1 : 0);
    showingAudience_ = false;
}

// A port that is not a number from 1 to 65535, or one that is taken, leaves the screen off
// with the reason in the description box.
void FormOptions::audienceScreenChanged() {
    if (showingAudience_) {
        return;
    }
    const bool on = CheckAudienceScreen.value() == 1;
    bool number = false;
    const uint port = TextWebPort.text().trimmed().toUInt(&number);
    QString problem;
    if (on && (!number || port < 1 || port > 65535)) {
        problem = QStringLiteral("The port must be a number from 1 to 65535.");
    } else if (switchAudienceScreen) {
        problem = switchAudienceScreen(on, static_cast<quint16>(port));
    }
    if (!problem.isEmpty()) {
        TextOption.setCaption(problem);
        showingAudience_ = true;
        CheckAudienceScreen.setValue(0);
        showingAudience_ = false;
    }
}

bool FormOptions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client() && event->type() == QEvent::MouseMove) {
        // Moves over a control travel on to the background; only the bare background counts.
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (client()->childAt(at) == nullptr) {
            TextOption.setCaption({});
        }
    }
    return ui::Form::eventFilter(watched, event);
}

}  // namespace setup
