#pragma once

#include <QLineEdit>

#include "ui/Control.h"

namespace ui {

// A one-line text box. Change runs on every change of the text, typed or set.
class TextBox final : public Control {
    Q_OBJECT
  public:
    explicit TextBox(QWidget* parent, const QString& text = {});

    QString text() const { return edit()->text(); }
    void setText(const QString& text);

    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }

    std::function<void()> Change;
};

}  // namespace ui
