#pragma once

#include <QLabel>

#include "ui/Control.h"

namespace ui {

// A label: a caption on an optionally filled background. With fitText on, the font
// shrinks (never grows past the set size) until the caption fits the label's box, so a
// long name or score still reads whole. A centred label paints its caption without the
// blanks around it: " 25" keeps its blank for the program to read back, but what shows
// stands in the middle of the box.
class Label final : public Control {
    Q_OBJECT
  public:
    explicit Label(QWidget* parent, const QString& caption = {}, Color back = colors::buttonFace,
                   Color fore = colors::buttonText);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& text);

    void setAlignment(Qt::Alignment alignment);
    // Transparent labels show the window behind them (no background fill).
    void setTransparent(bool on);
    void setWordWrap(bool on);
    void setFitText(bool on);

    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    // The text as painted.
    QString shownText() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void fontChanged() override { fit(); }

  private:
    void fit();

    QString caption_;
    bool fitText_ = false;
};

}  // namespace ui
