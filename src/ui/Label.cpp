#include "ui/Label.h"

#include <QEvent>
#include <QFontMetricsF>
#include <algorithm>

namespace ui {

Label::Label(QWidget* parent, const QString& caption, Color back, Color fore)
    : Control(new QLabel, parent, back, fore) {
    label()->setAutoFillBackground(true);
    label()->setTextFormat(Qt::PlainText);
    setCaption(caption);
}

void Label::setCaption(const QString& text) {
    caption_ = text;
    label()->setText(shownText());
    fit();
}

QString Label::shownText() const {
    return label()->alignment().testFlag(Qt::AlignHCenter) ? caption_.trimmed() : caption_;
}

void Label::setAlignment(Qt::Alignment alignment) {
    label()->setAlignment(alignment);
    label()->setText(shownText());
    fit();
}

void Label::setTransparent(bool on) {
    label()->setAutoFillBackground(!on);
}

void Label::setWordWrap(bool on) {
    label()->setWordWrap(on);
}

void Label::setFitText(bool on) {
    fitText_ = on;
    fit();
}

void Label::fit() {
    QFont f = toQFont(font());
    const QString shown = shownText();
    if (!fitText_ || shown.isEmpty() || label()->width() <= 0) {
        label()->setFont(f);
        return;
    }
    const QRectF box = label()->contentsRect().adjusted(0, 0, -std::max(0, label()->indent()), 0);
    double size = f.pointSizeF();
    while (size > 4) {
        f.setPointSizeF(size);
        const QSizeF need = QFontMetricsF(f).size(0, shown);
        if (need.width() <= box.width() && need.height() <= box.height() * 1.2) {
            break;
        }
        size *= 0.9;
    }
    label()->setFont(f);
}

bool Label::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::Resize && fitText_) {
        fit();
    }
    return Control::eventFilter(watched, event);
}

}  // namespace ui
