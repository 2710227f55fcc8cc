#include "foreign/windows/BuzzerRoles.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace foreign {

namespace {

const QString kNoButton = QStringLiteral("No button");

}  // namespace

BuzzerRoles::BuzzerRoles(ForeignTransport& devices, ui::Platform& platform)
    : ui::Form(QStringLiteral("Other Buzzers")),
      Label1(client()),
      cmdOK(client(), QStringLiteral("OK")),
      cmdCancel(client(), QStringLiteral("Cancel")),
      devices_(devices),
      platform_(platform),
      list_(new QWidget) {
    Label1.setWordWrap(true);
    Label1.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { hide(); };
    new QVBoxLayout(list_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK.widget());
    buttons->addWidget(cmdCancel.widget());
    auto* column = new QVBoxLayout(client());
    column->addWidget(list_);
    column->addWidget(Label1.widget());
    column->addLayout(buttons);
}

BuzzerRoles::~BuzzerRoles() = default;

void BuzzerRoles::showRoles() {
    for (const auto& r : rows_) {
        delete r->box;
    }
    rows_.clear();
    for (const ForeignTransport::Attached& device : devices_.attached()) {
        addRow(device);
    }
    Label1.setCaption(
        rows_.empty()
            ? QStringLiteral("No Buzz! controller or game controller is attached.")
            : QStringLiteral("A new choice of buttons counts from the next arm. A change "
                             "between one team and four teams takes effect when the console "
                             "starts again."));
    cmdOK.setEnabled(!rows_.empty());
    window()->adjustSize();
    show();
}

void BuzzerRoles::addRow(const ForeignTransport::Attached& device) {
    auto row = std::make_unique<Row>();
    row->device = device;
    row->box = new QGroupBox(device.name);
    list_->layout()->addWidget(row->box);
    const DeviceRole role = devices_.roleOf(device.key);
    auto* grid = new QGridLayout(row->box);
    if (device.kind == DeviceKind::Buzz) {
        row->oneTeam = std::make_unique<ui::OptionButton>(
            row->box, QStringLiteral("One team of four players (handset k is player k)"));
        row->fourTeams = std::make_unique<ui::OptionButton>(
            row->box, QStringLiteral("Four teams of one player (one team per handset)"));
        (role.fourTeams ? row->fourTeams : row->oneTeam)->setValue(true);
        grid->addWidget(row->oneTeam->widget(), 0, 0);
        grid->addWidget(row->fourTeams->widget(), 1, 0);
    } else {
        for (int p = 0; p < 5; ++p) {
            auto* choice = new QComboBox;
            choice->addItem(kNoButton);
            for (int b = 1; b <= device.buttons; ++b) {
                choice->addItem(QStringLiteral("Button %1").arg(b));
            }
            const int chosen = role.buttonOfPlayer[static_cast<std::size_t>(p)];
            choice->setCurrentIndex(chosen <= device.buttons ? chosen : 0);
            grid->addWidget(new QLabel(QStringLiteral("Player %1:").arg(p + 1)), p, 0);
            grid->addWidget(choice, p, 1);
            row->playerButton[static_cast<std::size_t>(p)] = choice;
        }
    }
    rows_.push_back(std::move(row));
}

DeviceRole BuzzerRoles::chosenRole(const Row& row) const {
    DeviceRole role = devices_.roleOf(row.device.key);
    if (row.device.kind == DeviceKind::Buzz) {
        role.fourTeams = row.fourTeams->value();
    } else {
        for (std::size_t p = 0; p < role.buttonOfPlayer.size(); ++p) {
            role.buttonOfPlayer[p] = row.playerButton[p]->currentIndex();
        }
    }
    return role;
}

QString BuzzerRoles::doubleChoice() const {
    for (const auto& row : rows_) {
        if (row->device.kind == DeviceKind::Buzz) {
            continue;
        }
        const DeviceRole role = chosenRole(*row);
        for (std::size_t p = 0; p < role.buttonOfPlayer.size(); ++p) {
            for (std::size_t q = p + 1; q < role.buttonOfPlayer.size(); ++q) {
                const int b = role.buttonOfPlayer[p];
                if (b != 0 && b == role.buttonOfPlayer[q]) {
                    return QStringLiteral(
                               "%1: button %2 is chosen for players %3 and %4. "
                               "Choose each button for one player only.")
                        .arg(row->device.name)
                        .arg(b)
                        .arg(p + 1)
                        .arg(q + 1);
                }
            }
        }
    }
    return {};
}

void BuzzerRoles::cmdOK_Click() {
    if (const QString problem = doubleChoice(); !problem.isEmpty()) {
        platform_.messageBox(problem, ui::MsgButtons::OK, ui::MsgIcon::Warning);
        return;  // the window stays, with the choices as they are
    }
    for (const auto& row : rows_) {
        const DeviceRole role = chosenRole(*row);
        if (!(role == devices_.roleOf(row->device.key))) {
            devices_.setRole(row->device.key, role);
        }
    }
    hide();
}

}  // namespace foreign
