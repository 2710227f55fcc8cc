#include "sim/windows/VirtualModulesWindow.h"

#include <QApplication>
#include <QLineEdit>

#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <algorithm>

#include "sim/windows/KeyMap.h"
#include "sim/windows/ModuleText.h"
#include "sim/windows/ScreenButtons.h"

namespace sim {

VirtualModulesWindow::VirtualModulesWindow(VirtualModuleSet& set, QWidget* parent)
    // Clicks on it never take the keyboard from the board.
    : QWidget(parent, Qt::Window | Qt::WindowDoesNotAcceptFocus),
      set_(set),
      panelColumn_(new QVBoxLayout),
      addBar_(new AddModuleBar(set)),
      together_(new QPushButton(QStringLiteral("Press together"))),
      status_(new QLabel) {
    setWindowTitle(QStringLiteral("Virtual Team Modules"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    together_->setFocusPolicy(Qt::NoFocus);
    together_->setToolTip(
        QStringLiteral("Shift-click buttons to gather them, then press them "
                       "together here or by releasing Shift"));
    status_->setTextFormat(Qt::PlainText);

    auto* panels = new QWidget;
    panels->setLayout(panelColumn_);
    panelColumn_->addStretch(1);
    scroll_ = new QScrollArea;
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(panels);

    auto* keys = new QLabel(
        QStringLiteral("Keys (players 1-5 left to right; RF transmitter k is on the row of team "
                       "(k-1)/5+1):\n") +
        keymap::legend() +
        QStringLiteral("\nShift-click gathers buttons to press together; right-click an RF "
                       "transmitter for its programming mode."));
    keys->setTextFormat(Qt::PlainText);
    keys->setWordWrap(true);  // the window may stand in a narrow column beside the board

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(addBar_, 1);
    bottom->addWidget(together_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(scroll_, 1);
    column->addWidget(status_);
    column->addLayout(bottom);
    column->addWidget(keys);

    connect(addBar_, &AddModuleBar::added, this, &VirtualModulesWindow::syncPanels);
    connect(together_, &QPushButton::clicked, this, &VirtualModulesWindow::pressGathered);
    syncPanels();
    resize(760, 640);
}

void VirtualModulesWindow::syncPanels() {
    while (panelCount() < set_.size()) {
        VirtualModule& module = set_.module(panelCount());
        auto* panel = new ModulePanel(module);
        panelColumn_->insertWidget(panelColumn_->count() - 1, panel);
        panels_.push_back(panel);
        connect(panel, &ModulePanel::pressRequested, this,
                [this, &module](Button b) { pressButton(module, b); });
        connect(panel, &ModulePanel::gatherRequested, this,
                [this, &module](Button b) { gather(module, b); });
    }
    addBar_->refreshChoices();
    fitPanels();
}

void VirtualModulesWindow::addPanel(QWidget* panel) {
    panelColumn_->insertWidget(panelColumn_->count() - 1, panel);
    fitPanels();
}

// Never narrower than its panels: the column beside the board widens to show them whole.
void VirtualModulesWindow::fitPanels() {
    scroll_->setMinimumWidth(scroll_->widget()->minimumSizeHint().width() +
                             scroll_->verticalScrollBar()->sizeHint().width() +
                             2 * scroll_->frameWidth());
}

void VirtualModulesWindow::pressButton(VirtualModule& module, Button button) {
    const QString who =
        QStringLiteral("%1: %2").arg(module.label(), contestantName(module, button));
    if (module.press({button})) {
        status_->setText(who + QStringLiteral(" latched"));
    } else {
        status_->setText(who + QStringLiteral(" not taken (%1)").arg(stateText(module)));
    }
}

void VirtualModulesWindow::gather(VirtualModule& module, Button button) {
    gathered_.toggle(module, button);
    showGathered();
}

void VirtualModulesWindow::pressGathered() {
    if (gathered_.empty()) {
        return;
    }
    QStringList latched;
    for (VirtualModule* module : gathered_.pressAll()) {
        latched << module->label();
    }
    status_->setText(latched.isEmpty()
                         ? QStringLiteral("Pressed together: no module took the press")
                         : QStringLiteral("Pressed together: latched on %1")
                               .arg(latched.join(QStringLiteral(", "))));
    showGathered();
}

void VirtualModulesWindow::showGathered() {
    for (ModulePanel* panel : panels_) {
        panel->setGathered(gathered_.of(panel->module()));
    }
}

// Keys reach a wired module serving the team first, an RF module's transmitter otherwise.
VirtualModule* VirtualModulesWindow::moduleForKey(Button button) const {
    VirtualModule* found = nullptr;
    for (ModulePanel* panel : panels_) {
        VirtualModule& module = panel->module();
        const std::vector<Button> buttons = screenButtons(module);
        if (std::find(buttons.begin(), buttons.end(), button) == buttons.end()) {
            continue;
        }
        if (module.kind() != ModuleKind::Rf) {
            return &module;
        }
        if (found == nullptr) {
            found = &module;
        }
    }
    return found;
}

void VirtualModulesWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();  // no key goes further, the space bar least of all
    if (event->isAutoRepeat()) {
        return;
    }
    pressKey(event->key());
}

void VirtualModulesWindow::pressKey(int key) {
    const std::optional<Button> button = keymap::buttonForKey(key);
    if (!button) {
        return;
    }
    if (VirtualModule* module = moduleForKey(*button)) {
        pressButton(*module, *button);
    }
}

void VirtualModulesWindow::takeContestantKeysEverywhere() {
    qApp->installEventFilter(this);
}

bool VirtualModulesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* target = qobject_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (target == nullptr || target->window() == this || key->isAutoRepeat() ||
        key->key() == Qt::Key_Space || QApplication::activeModalWidget() != nullptr) {
        return false;
    }
    // A key travels from the focused control up to its window: take it at the first stop,
    // and never from a text box.
    QWidget* focus = QApplication::focusWidget();
    QWidget* first = focus != nullptr ? focus : target->window();
    if (target != first || qobject_cast<QLineEdit*>(focus) != nullptr) {
        return false;
    }
    pressKey(key->key());
    return false;  // the board ignores contestant keys anyway
}

void VirtualModulesWindow::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (event->key() == Qt::Key_Shift && !event->isAutoRepeat()) {
        pressGathered();
    }
}

}  // namespace sim
