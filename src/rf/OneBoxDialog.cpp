#include "rf/OneBoxDialog.h"

namespace rf {

OneBoxDialog::OneBoxDialog(const QString& caption, const QString& instruction, const QString& steps,
                           const Entry& entry, QString& setting, RadioHost& host,
                           modulelink::ModuleExchange& modules, model::MatchState& state)
    : RadioDialog(caption, instruction, steps, host, modules, state),
      Label1(client(), entry.label),
      Text1(client(), setting),
      Command2(client(), entry.button),
      offset_(entry.offset) {
    addBox(Label1, Text1, entry.minimum, entry.maximum,
           [&setting](const QString& text) { setting = text; });
    addButton(Command2);
    Command2.Click = [this] { Command2_Click(); };
}

void OneBoxDialog::Command2_Click() {
    send(offset_, Text1);
}

}  // namespace rf
