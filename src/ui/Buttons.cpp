#include "ui/Buttons.h"

namespace ui {

CommandButton::CommandButton(QWidget* parent, const QString& caption)
    : Control(new QPushButton(caption), parent, colors::buttonFace, colors::buttonText) {
    connect(button(), &QPushButton::clicked, this, [this] { fireClick(); });
}

void CommandButton::setTakesFocus(bool on) {
    button()->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

CheckBox::CheckBox(QWidget* parent, const QString& caption)
    : Control(new QCheckBox(caption), parent, colors::buttonFace, colors::buttonText) {
    connect(box(), &QCheckBox::toggled, this, [this] {
        if (Change) {
            Change();
        }
    });
}

namespace {
// On the boards an option button is a tab the operator clicks anywhere on, not only on
// its dot or its text.
class WholeAreaRadioButton final : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};
}  // namespace

OptionButton::OptionButton(QWidget* parent, const QString& caption)
    : Control(new WholeAreaRadioButton(caption), parent, colors::buttonFace, colors::buttonText) {
    connect(radio(), &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            fireClick();
        }
    });
}

void OptionButton::setValue(bool on) {
    if (!on && radio()->autoExclusive()) {
        // Qt will not clear an exclusive button on its own; clear it alone.
        radio()->setAutoExclusive(false);
        radio()->setChecked(false);
        radio()->setAutoExclusive(true);
        return;
    }
    radio()->setChecked(on);
}

}  // namespace ui
