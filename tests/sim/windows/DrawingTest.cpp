#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>

#include "WindowFixture.h"

using sim::Button;
using test::WindowFixture;

namespace {

// The window as drawn, also saved as NAME.png when QVX_SCREENSHOT_DIR names a folder.
QImage drawn(QWidget& window, const QString& name) {
    const QImage image = window.grab().toImage();
    const QString folder = qEnvironmentVariable("QVX_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(image.save(QDir(folder).filePath(name + QStringLiteral(".png"))));
    }
    return image;
}

QColor faceOf(const QImage& image, QWidget& window, QWidget* button) {
    const QPoint inside = button->mapTo(&window, QPoint(6, button->height() - 6));
    return image.pixelColor(inside);
}

}  // namespace

TEST(VirtualModulesWindowDrawing, ALitLampPaintsItsButtonYellow) {
    WindowFixture f("2012:5-6,4097:7,712");
    f.window->resize(900, 1100);
    f.armAll();
    f.click(f.button(0, {6, 3}));
    f.sendAll(0);
    f.send(1, 22);
    f.click(f.panel(1).plugButton());
    QCoreApplication::processEvents();
    const QImage image = drawn(*f.window, QStringLiteral("virtual_modules"));
    const QColor lit = faceOf(image, *f.window, f.button(0, {6, 3}));
    const QColor dark = faceOf(image, *f.window, f.button(0, {6, 2}));
    EXPECT_GT(lit.red(), 200);
    EXPECT_GT(lit.green(), 200);
    EXPECT_LT(lit.blue(), 80);
    EXPECT_GT(dark.blue(), 150);  // grey, not yellow
}
