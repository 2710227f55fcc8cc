#include "sim/windows/AddModuleBar.h"

#include <QHBoxLayout>
#include <QLabel>

#include "sim/ModuleList.h"
#include "sim/windows/ModuleChoices.h"

namespace sim {

AddModuleBar::AddModuleBar(VirtualModuleSet& set, QWidget* parent)
    : QWidget(parent),
      set_(set),
      choices_(new QComboBox),
      add_(new QPushButton(QStringLiteral("Add module"))) {
    choices_->setFocusPolicy(Qt::NoFocus);
    add_->setFocusPolicy(Qt::NoFocus);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("New module:")));
    row->addWidget(choices_);
    row->addWidget(add_);
    row->addStretch(1);
    connect(add_, &QPushButton::clicked, this, &AddModuleBar::addChosen);
    refreshChoices();
}

void AddModuleBar::refreshChoices() {
    const QString chosen = choices_->currentText();
    choices_->clear();
    choices_->addItems(addableModules(set_));
    const int again = choices_->findText(chosen);
    if (again >= 0) {
        choices_->setCurrentIndex(again);
    }
    add_->setEnabled(choices_->count() > 0);
}

void AddModuleBar::addChosen() {
    const ModuleListResult parsed = parseModuleList(choices_->currentText());
    if (!parsed.ok || parsed.modules.size() != 1) {
        return;
    }
    VirtualModule& module = set_.add(parsed.modules.front());
    refreshChoices();
    emit added(module);
}

}  // namespace sim
