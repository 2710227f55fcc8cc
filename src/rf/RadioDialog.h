#pragma once

#include <QGridLayout>
#include <QHBoxLayout>
#include <cstdint>
#include <functional>

#include "model/MatchState.h"
#include "modulelink/ModuleExchange.h"
#include "rf/RadioHost.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

namespace rf {

// What the three radio dialogs share: two instruction texts, entry boxes that keep only
// values in their range, buttons that broadcast a command to every module, "Cancel" back
// to the set-up menu, and the classic board shown whenever the dialog opens.
class RadioDialog : public ui::Form {
    Q_OBJECT
  public:
    ui::Label Label3, Label4;    // instructions
    ui::CommandButton Command1;  // "Cancel"

    // Opens the dialog from the set-up menu with the classic board beside it, so the
    // transmitter presses that "Clear/Arm" waits for are seen whichever board was chosen.
    void open();

    void Command1_Click();

  protected:
    RadioDialog(const QString& caption, const QString& instruction, const QString& steps,
                RadioHost& host, modulelink::ModuleExchange& modules, model::MatchState& state);

    // An entry box with its label; every change of its text is checked against the range,
    // and the text that stays is handed on.
    void addBox(ui::Label& label, ui::TextBox& box, int minimum, int maximum,
                std::function<void(const QString&)> keep = {});
    void addButton(ui::CommandButton& button);
    // Sends the box's value plus the offset to every module.
    void send(int offset, const ui::TextBox& box);

    RadioHost& host_;

  private:
    modulelink::ModuleExchange& modules_;
    model::MatchState& state_;
    QGridLayout* boxes_;
    QHBoxLayout* buttons_;
};

}  // namespace rf
