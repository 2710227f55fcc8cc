#pragma once

#include <QTabBar>

#include "ui/Control.h"

namespace ui {

// A tab strip. Tabs are numbered from 1; Click runs when a tab becomes selected, by a
// click or from code.
class TabStrip final : public Control {
    Q_OBJECT
  public:
    TabStrip(QWidget* parent, const QStringList& captions);
    int selectedIndex() const { return bar()->currentIndex() + 1; }
    void select(int index);
    int count() const { return bar()->count(); }
    QString caption(int index) const { return bar()->tabText(index - 1); }
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }
};

}  // namespace ui
