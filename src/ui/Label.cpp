#include "ui/Label.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <algorithm>

namespace ui {

Label::Label(QWidget* parent, const QString& caption, Color back, Color fore)
    : Control(new QLabel, parent, back, fore) {
    label()->setAutoFillBackground(true);
    label()->setTextFormat(Qt::PlainText);
    setCaption(caption);
}

void Label::setCaption(const QString& text) {
    const bool changed = caption_ != text;
    caption_ = text;
    label()->setText(shownText());
    fit();
    if (changed) {
        emit looksChanged();
    }
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
    // A wrapping label may use every line of its box; the others have one line.
    const bool wrap = label()->wordWrap();
    double size = f.pointSizeF();
    while (size > 4) {
        f.setPointSizeF(size);
        const QFontMetricsF metrics(f);
        const QSizeF need =
            wrap ? metrics.boundingRect(QRectF(0, 0, box.width(), 1e6), Qt::TextWordWrap, shown)
                       .size()
                 : metrics.size(0, shown);
        if (need.width() <= box.width() && need.height() <= box.height() * (wrap ? 1.0 : 1.2)) {
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
    // A click is a left press and release over the label.
    if (watched == widget() && event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::LeftButton &&
            label()->rect().contains(release->position().toPoint())) {
            fireClick();
        }
    }
    return Control::eventFilter(watched, event);
}

}  // namespace ui
