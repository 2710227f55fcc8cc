#include "rf/RadioDialog.h"

#include <QVBoxLayout>

#include "rf/RadioValue.h"
#include "ui/Screens.h"

namespace rf {
namespace {
const ui::Font kTextFont{"Arial", 12, false};
const ui::Font kEntryFont{"Arial", 14, true};
}  // namespace

RadioDialog::RadioDialog(const QString& caption, const QString& instruction, const QString& steps,
                         RadioHost& host, modulelink::ModuleExchange& modules,
                         model::MatchState& state)
    : ui::Form(caption),
      Label3(client(), instruction),
      Label4(client(), steps),
      Command1(client(), "Cancel"),
      host_(host),
      modules_(modules),
      state_(state),
      boxes_(new QGridLayout),
      buttons_(new QHBoxLayout) {
    for (ui::Label* l : {&Label3, &Label4}) {
        l->setTransparent(true);
        l->setWordWrap(true);
        l->setFont(kTextFont);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    Label3.setFont({"Arial", 12, true});
    auto* layout = new QVBoxLayout(client());
    layout->setSpacing(14);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->addWidget(Label3.widget());
    layout->addWidget(Label4.widget());
    layout->addLayout(boxes_);
    layout->addStretch(1);
    layout->addLayout(buttons_);
    Command1.Click = [this] { Command1_Click(); };
    window()->resize(640, 370);
    ui::screens::centreOnOperatorScreen(window());
}

void RadioDialog::addBox(ui::Label& label, ui::TextBox& box, int minimum, int maximum,
                         std::function<void(const QString&)> keep) {
    label.setTransparent(true);
    label.setFont(kEntryFont);
    box.setFont(kEntryFont);
    box.edit()->setMaximumWidth(120);
    box.Change = [&box, minimum, maximum, keep = std::move(keep)] {
        box.setText(validatedBoxText(box.text(), minimum, maximum));
        if (keep) {
            keep(box.text());
        }
    };
    const int row = boxes_->rowCount();
    boxes_->addWidget(label.widget(), row, 0);
    boxes_->addWidget(box.widget(), row, 1, Qt::AlignLeft);
    boxes_->setColumnStretch(1, 1);
}

// Buttons in the order added, "Cancel" last.
void RadioDialog::addButton(ui::CommandButton& button) {
    for (ui::CommandButton* b : {&button, &Command1}) {
        b->setFont(kEntryFont);
        b->widget()->setMinimumHeight(40);
        buttons_->removeWidget(b->widget());
        buttons_->addWidget(b->widget());
    }
}

void RadioDialog::send(int offset, const ui::TextBox& box) {
    state_.moduleCommand = radioCommand(offset, box.text());
    modules_.ReportSender();
}

void RadioDialog::Command1_Click() {
    hide();
    host_.showSetupMenu();
}

void RadioDialog::open() {
    host_.showClassicBoard();
    show();
}

}  // namespace rf
