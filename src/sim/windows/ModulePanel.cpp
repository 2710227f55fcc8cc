#include "sim/windows/ModulePanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "sim/windows/KeyMap.h"
#include "sim/windows/ModuleText.h"
#include "sim/windows/ScreenButtons.h"

namespace sim {

namespace {

constexpr int kColumns = 5;  // players of a team, or transmitters of a row

bool contains(const std::vector<Button>& list, Button b) {
    return std::find(list.begin(), list.end(), b) != list.end();
}

}  // namespace

ModulePanel::ModulePanel(VirtualModule& module, QWidget* parent)
    : QGroupBox(module.label(), parent),
      module_(module),
      identity_(new QLabel),
      state_(new QLabel),
      plug_(new QPushButton) {
    plug_->setFocusPolicy(Qt::NoFocus);
    state_->setTextFormat(Qt::PlainText);
    identity_->setTextFormat(Qt::PlainText);
    identity_->setWordWrap(true);  // the panel fits a narrow column beside the board
    QFont bold = state_->font();
    bold.setBold(true);
    state_->setFont(bold);

    auto* top = new QHBoxLayout;
    top->addWidget(identity_, 1);
    top->addWidget(plug_);
    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    addButtons(grid);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(state_);
    column->addLayout(grid);

    connect(plug_, &QPushButton::clicked, this, &ModulePanel::togglePlug);
    connect(&module_, &VirtualModule::changed, this, &ModulePanel::refresh);
    refresh();
}

void ModulePanel::addButtons(QGridLayout* grid) {
    const bool rf = module_.kind() == ModuleKind::Rf;
    int row = -1;
    int lastTeam = 0;
    for (const Button& b : screenButtons(module_)) {
        if (b.team != lastTeam) {
            lastTeam = b.team;
            ++row;
            const int first = transmitterOf(module_, b);
            const QString name = rf ? QStringLiteral("T%1-T%2").arg(first).arg(
                                          std::min(first + kColumns - 1, kRfTransmitters))
                                    : QStringLiteral("Team %1").arg(b.team);
            grid->addWidget(new QLabel(name), row, 0);
        }
        auto* button = new PlayerButton(b, buttonCaption(b));
        grid->addWidget(button, row, (b.player - 1) % kColumns + 1);
        buttons_.push_back(button);
        connect(button, &PlayerButton::pressRequested, this, &ModulePanel::pressRequested);
        connect(button, &PlayerButton::gatherRequested, this, &ModulePanel::gatherRequested);
        if (rf) {
            connect(button, &PlayerButton::programmingRequested, this,
                    &ModulePanel::toggleProgramming);
            button->setToolTip(QStringLiteral(
                "Right click: press and hold for programming mode (again: leave it)"));
            // Three lines, each shown whole whatever its numbers and mark.
            const QFontMetrics metrics = button->fontMetrics();
            const QString widest =
                transmitterText({32, 15, 9, true, false});  // the widest there is
            button->setMinimumSize(metrics.size(0, widest).width() + 10, 3 * metrics.height() + 12);
        }
    }
}

QString ModulePanel::buttonCaption(Button b) const {
    const QString key = keymap::keyLabel(b);
    const int k = transmitterOf(module_, b);
    if (k != 0) {
        return QStringLiteral("T%1  [%2]\n%3").arg(k).arg(key, transmitterText(module_, k));
    }
    return QStringLiteral("%1·%2  [%3]").arg(b.team).arg(b.player).arg(key);
}

PlayerButton* ModulePanel::button(Button b) const {
    for (PlayerButton* button : buttons_) {
        if (button->contestant() == b) {
            return button;
        }
    }
    return nullptr;
}

void ModulePanel::setGathered(const std::vector<Button>& gathered) {
    gathered_ = gathered;
    refresh();
}

void ModulePanel::refresh() {
    const bool plugged = module_.isPlugged();
    identity_->setText(sim::identityText(module_));
    state_->setText(sim::stateText(module_));
    state_->setStyleSheet(!plugged          ? QStringLiteral("color: #c00000;")
                          : module_.armed() ? QStringLiteral("color: #008000;")
                                            : QStringLiteral("color: #606060;"));
    plug_->setText(plugged ? QStringLiteral("Unplug") : QStringLiteral("Plug in"));
    for (PlayerButton* button : buttons_) {
        const Button b = button->contestant();
        button->setEnabled(plugged);
        button->showState(module_.lampLit(b), contains(module_.latchedPress(), b),
                          contains(gathered_, b));
        if (module_.kind() == ModuleKind::Rf) {
            button->setText(buttonCaption(b));
        }
    }
}

void ModulePanel::togglePlug() {
    if (module_.isPlugged()) {
        module_.unplug();
    } else {
        module_.plug();
    }
}

void ModulePanel::toggleProgramming(Button b) {
    const int k = transmitterOf(module_, b);
    if (module_.transmitter(k).programming) {
        module_.setProgramming(k, false);
    } else {
        module_.holdTransmitter(k);
    }
}

}  // namespace sim
