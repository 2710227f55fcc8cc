#pragma once

#include <QString>

#include "rf/RadioDialog.h"

namespace rf {

// A radio dialog with one entry box whose text the set-up menu's summary shows, and one
// button that broadcasts the box's value plus its command offset.
class OneBoxDialog : public RadioDialog {
    Q_OBJECT
  public:
    struct Entry {
        const char* label;
        int minimum;
        int maximum;
        const char* button;
        int offset;
    };

    ui::Label Label1;
    ui::TextBox Text1;
    ui::CommandButton Command2;

    void Command2_Click();

  protected:
    // The box starts with the text the setting holds and keeps it up to date.
    OneBoxDialog(const QString& caption, const QString& instruction, const QString& steps,
                 const Entry& entry, QString& setting, RadioHost& host,
                 modulelink::ModuleExchange& modules, model::MatchState& state);

  private:
    int offset_;
};

}  // namespace rf
