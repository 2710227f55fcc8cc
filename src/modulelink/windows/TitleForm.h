#pragma once

#include <QScrollArea>

#include "modulelink/ModuleLink.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Platform.h"

namespace modulelink {

// "Smart Board Software Detected": warns about tablet software known to upset the
// modules; its message shows each time the window loads.
class SmartMsg final : public ui::Form {
    Q_OBJECT
  public:
    explicit SmartMsg(ui::Platform& platform);

  protected:
    void Form_Load() override;

  private:
    ui::Platform& platform_;
};

// "Title Screen": the start-up module check. Shows what the module link found and hands
// over to the set-up menu with DONE.
class TitleForm final : public ui::Form {
    Q_OBJECT
  public:
    TitleForm(ModuleLink& link, ui::Platform& platform);

    ui::Label LabelTitle, Labelstatus, Label2, Label3, Label4, Label5, Label6, Label7, Label8;
    ui::Label ResultsMemo;
    ui::CommandButton Command1;  // "DONE"

    // Shows the link's captions and results list.
    void refreshCaptions();

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    // Closing the start-up window ends the program.
    void Form_Close() override { link_.ShutItDown(); }

  private:
    ModuleLink& link_;
    ui::Platform& platform_;
    SmartMsg smartMsg_;
    QScrollArea* resultsArea_ = nullptr;
};

}  // namespace modulelink
