#pragma once

#include <QtTest/qtestspontaneevent.h>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>

namespace test {

// The operator's click on a window's close button: a close event from the window system,
// unlike a close the program starts itself with QWidget::close().
inline void closeAsOperator(QWidget* window) {
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    // notify() as the window system delivers it; sendEvent() would clear the mark.
    QCoreApplication::instance()->notify(window, &close);
}

}  // namespace test
