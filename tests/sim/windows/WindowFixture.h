#pragma once

#include <QTest>
#include <memory>

#include "../SimFixture.h"
#include "sim/windows/VirtualModulesWindow.h"

namespace test {

// Virtual modules opened by an agent, as in a simulated run, and the window showing them.
class WindowFixture : public SimFixture {
  public:
    explicit WindowFixture(const QString& list)
        : SimFixture(list), window(std::make_unique<sim::VirtualModulesWindow>(*set)) {
        window->show();
    }

    sim::VirtualModule& module(int i) { return set->module(i); }
    sim::ModulePanel& panel(int i) { return window->panel(i); }
    sim::PlayerButton* button(int i, sim::Button b) { return window->panel(i).button(b); }

    // Reset, read the identities, arm and read the idle reports, as a match starts.
    void armAll() {
        sendAll(123);
        drain();
        sendAll(125);
        drain();
    }
    void drain() {
        for (int i = 0; i < set->size(); ++i) {
            EXPECT_NE(read(i).data1, -1);
        }
    }
    void click(QWidget* widget, Qt::KeyboardModifiers modifiers = {}) {
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton, modifiers);
    }

    std::unique_ptr<sim::VirtualModulesWindow> window;
};

}  // namespace test
