#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QWidget>

#include "sim/VirtualModuleSet.h"

namespace sim {

// "Add module": a list of the models and team slots still free, and a button that plugs
// the chosen module into the set.
class AddModuleBar final : public QWidget {
    Q_OBJECT
  public:
    explicit AddModuleBar(VirtualModuleSet& set, QWidget* parent = nullptr);

    QComboBox* choices() const { return choices_; }
    QPushButton* addButton() const { return add_; }
    // Lists what can be added now (after modules came or went).
    void refreshChoices();

  signals:
    void added(sim::VirtualModule& module);

  private:
    void addChosen();

    VirtualModuleSet& set_;
    QComboBox* choices_;
    QPushButton* add_;
};

}  // namespace sim
