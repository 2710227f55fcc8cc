#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "ui/Color.h"
#include "ui/Font.h"

namespace ui {

// Mouse buttons as the handlers receive them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// The part every control shares: it owns a real Qt widget and keeps the properties the
// program reads back (visible, enabled, colours, font), so logic never asks Qt's palette
// or a parent's visibility. Events reach the handlers whether they come from a person
// (real Qt events) or from a test calling the handler.
class Control : public QObject {
    Q_OBJECT
  public:
    ~Control() override;

    QWidget* widget() const { return widget_; }

    bool visible() const { return visible_; }
    void setVisible(bool on);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);

    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);

    const Font& font() const { return font_; }
    void setFont(const Font& f);

    // Place and size in the parent, in pixels.
    void move(int left, int top, int width, int height);

    // Events. MouseDown gets the button (kLeftButton, kRightButton, kMiddleButton).
    std::function<void(int button)> MouseDown;
    std::function<void()> MouseMove;
    std::function<void()> Click;

  signals:
    // What the control shows changed: caption, colours or visibility (views that mirror a
    // window follow it without looking again and again).
    void looksChanged();

  protected:
    // Takes ownership of the widget (deleted with its Qt parent, or here when it has none).
    Control(QWidget* widget, QWidget* parent, Color back, Color fore);
    bool eventFilter(QObject* watched, QEvent* event) override;
    virtual void applyColors();
    // Runs after the font was set (a label fits its caption again).
    virtual void fontChanged() {}
    void fireClick();

  private:
    QPointer<QWidget> widget_;
    bool visible_ = true;
    bool enabled_ = true;
    Color backColor_;
    Color foreColor_;
    Font font_;
};

}  // namespace ui
