#include "modulelink/windows/TitleForm.h"

#include <QScrollBar>
#include <QVBoxLayout>

namespace modulelink {
namespace {
// Drivers of the tablet software that conflicts with the modules.
const char* const kConflictingDrivers[] = {
    "c:\\windows\\system32\\drivers\\smartvtabletpcx64.sys",
    "c:\\winnt\\system32\\drivers\\smartvtabletpcx64.sys",
    "c:\\windows\\system32\\drivers\\smartvtabletpcx86.sys",
    "c:\\winnt\\system32\\drivers\\smartvtabletpcx86.sys",
};
}  // namespace

SmartMsg::SmartMsg(ui::Platform& platform)
    : ui::Form("Smart Board Software Detected"), platform_(platform) {}

void SmartMsg::Form_Load() {
    platform_.messageBox(
        "Smart Virtual Tablet PC software has been detected on this computer.\r\n"
        "This software in known to cause a conflict with the Quorvantix hardware.\r\n"
        "If the Smart Virtual Tablet PC has been disabled Click OK to continue.\r\n"
        "If this software has not been disabled then disconnect all Quorvantix Team\r\n"
        "Modules at this time and reconnect the modules then prompted.");
}

TitleForm::TitleForm(ModuleLink& link, ui::Platform& platform)
    : ui::Form("Title Screen"),
      LabelTitle(client(), "Quorvantix"),
      Labelstatus(client(), "Checking Communications...."),
      Label2(client()),
      Label3(client()),
      Label4(client()),
      Label5(client(), "."),
      Label6(client()),
      Label7(client()),
      Label8(client()),
      ResultsMemo(nullptr),
      Command1(client(), "DONE"),
      link_(link),
      platform_(platform),
      smartMsg_(platform) {
    LabelTitle.setFont({"Arial", 36, true});  // Arial throughout the window
    LabelTitle.setForeColor(ui::colors::blue);
    Labelstatus.setFont({"Arial", 14, true});
    for (ui::Label* l : {&LabelTitle, &Labelstatus, &Label2, &Label3, &Label4, &Label5, &Label6,
                         &Label7, &Label8}) {
        l->setTransparent(true);
    }
    for (ui::Label* l : {&Label2, &Label3, &Label4}) {
        l->setFont({"Arial", 11, false});
    }
    ResultsMemo.setFont({"Arial", 11, false});
    ResultsMemo.setWordWrap(true);
    ResultsMemo.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ResultsMemo.setBackColor(ui::colors::white);
    resultsArea_ = new QScrollArea;
    resultsArea_->setWidgetResizable(true);
    resultsArea_->setWidget(ResultsMemo.widget());
    Command1.setFont({"Arial", 14, true});
    Command1.Click = [this] { link_.Command1_Click(); };

    auto* layout = new QVBoxLayout(client());
    layout->addWidget(LabelTitle.widget(), 0, Qt::AlignHCenter);
    layout->addWidget(Labelstatus.widget(), 0, Qt::AlignHCenter);
    for (ui::Label* l : {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8}) {
        layout->addWidget(l->widget());
    }
    layout->addWidget(resultsArea_, 1);
    layout->addWidget(Command1.widget());
    window()->resize(640, 520);
    refreshCaptions();
}

void TitleForm::refreshCaptions() {
    Label2.setCaption(link_.Label2);
    Label3.setCaption(link_.Label3);
    Label4.setCaption(link_.Label4);
    ResultsMemo.setCaption(link_.ResultsMemo);
    resultsArea_->verticalScrollBar()->setValue(resultsArea_->verticalScrollBar()->maximum());
}

void TitleForm::Form_Load() {
    for (const char* path : kConflictingDrivers) {
        if (platform_.fileExists(path)) {
            smartMsg_.show();
            smartMsg_.unload();
        }
    }
    link_.Load();
}

void TitleForm::Form_Activate() {
    link_.Activate();
}

}  // namespace modulelink
