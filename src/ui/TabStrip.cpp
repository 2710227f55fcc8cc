#include "ui/TabStrip.h"

namespace ui {

TabStrip::TabStrip(QWidget* parent, const QStringList& captions)
    : Control(new QTabBar, parent, colors::buttonFace, colors::buttonText) {
    for (const QString& c : captions) {
        bar()->addTab(c);
    }
    connect(bar(), &QTabBar::currentChanged, this, [this] { fireClick(); });
}

void TabStrip::select(int index) {
    if (bar()->currentIndex() == index - 1) {
        fireClick();  // selecting the selected tab still runs the click
        return;
    }
    bar()->setCurrentIndex(index - 1);
}

}  // namespace ui
