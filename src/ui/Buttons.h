#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/Control.h"

namespace ui {

// A push button. Click runs when it is clicked (by mouse, or `click()` from code).
class CommandButton final : public Control {
    Q_OBJECT
  public:
    explicit CommandButton(QWidget* parent, const QString& caption = {});
    QString caption() const { return button()->text(); }
    void setCaption(const QString& text) { button()->setText(text); }
    void click() { button()->click(); }
    // Buttons on the boards never take the keyboard focus, so the space bar stays the
    // board's arm key.
    void setTakesFocus(bool on);
    QPushButton* button() const { return static_cast<QPushButton*>(widget()); }
};

// A check box whose value is 0 or 1. Change runs whenever the value changes, clicked or
// set from code, so setting a box runs its effect at once.
class CheckBox final : public Control {
    Q_OBJECT
  public:
    explicit CheckBox(QWidget* parent, const QString& caption = {});
    int value() const { return box()->isChecked() ? 1 : 0; }
    void setValue(int value) { box()->setChecked(value != 0); }
    QString caption() const { return box()->text(); }
    QCheckBox* box() const { return static_cast<QCheckBox*>(widget()); }

    std::function<void()> Change;
};

// An option button; the option buttons of one container are exclusive. Click runs when
// it becomes selected, clicked or set from code.
class OptionButton final : public Control {
    Q_OBJECT
  public:
    explicit OptionButton(QWidget* parent, const QString& caption = {});
    bool value() const { return radio()->isChecked(); }
    void setValue(bool on);
    QRadioButton* radio() const { return static_cast<QRadioButton*>(widget()); }
};

}  // namespace ui
