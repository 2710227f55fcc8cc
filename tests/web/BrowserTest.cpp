#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QJsonObject>
#include <QPainter>

#include "Browser.h"
#include "MatchFixture.h"

namespace {

// Reddish pixels (the board's dark red text) in the top `share` of a picture.
int redPixels(const QImage& image, double share) {
    int count = 0;
    for (int y = 0; y < image.height() * share; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 150 && c.green() < 70 && c.blue() < 70 ? 1 : 0;
        }
    }
    return count;
}

// Keeps a picture for the README when the run asks for them.
void keep(const QByteArray& png, const char* name) {
    const QString folder = qEnvironmentVariable("QVX_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(png);
    }
}

// A streaming tool's scene behind the overlay: bands of strong colours, light and dark.
QImage streamScene(QSize size) {
    QImage scene(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scene);
    const QColor bands[] = {QColor(0, 177, 64),    QColor(255, 0, 255), QColor(255, 230, 0),
                            QColor(255, 255, 255), QColor(20, 20, 20),  QColor(0, 90, 255)};
    const int width = size.width() / int(std::size(bands)) + 1;
    for (int i = 0; i < int(std::size(bands)); ++i) {
        painter.fillRect(i * width, 0, width, size.height(), bands[i]);
    }
    return scene;
}

struct BrowserMatch : test::Match {
    BrowserMatch() : Match("4097:1,4097:2,4097:3") {}
};

// The console on virtual modules serves its board; Chromium shows a scripted press's
// responder on the board page and on the overlay.
TEST_F(BrowserMatch, APressShowsTheRespondersNameInTheBrowser) {
    if (test::Browser::executable().isEmpty()) {
        GTEST_SKIP() << "chromium is not installed (tools/deps.sh installs it)";
    }
    openBoard();
    ASSERT_TRUE(console.audience().switchTo(true, 0).isEmpty());
    const QString base =
        QStringLiteral("http://127.0.0.1:%1").arg(console.audience().screen().port());
    clock.advanceMs(20);

    test::Browser browser;
    ASSERT_TRUE(browser.ready()) << "Chromium's DevTools did not answer";
    browser.resize(390, 844);  // a phone held upright
    browser.open(base + "/");
    ASSERT_TRUE(browser.shows("document.querySelectorAll('#rows .row').length", "3"));
    EXPECT_EQ(browser.evaluate("document.getElementById('responder').textContent"),
              board().NameLabel.caption())
        << "the board's own caption before the first arm";

    space();
    clock.advanceMs(300);
    module(3).press({{3, 2}});
    clock.advanceMs(20);
    ASSERT_EQ(board().NameLabel.caption(), "Twelve");
    EXPECT_TRUE(browser.shows("document.getElementById('responder').textContent", "Twelve"));
    EXPECT_EQ(browser.evaluate("document.getElementById('team').textContent"), "Team 3");
    EXPECT_EQ(
        browser.evaluate("document.querySelector('#rows .row:nth-child(3) .name').textContent"),
        "Team 3");
    const QByteArray phone = browser.screenshot();
    const QImage phoneImage = QImage::fromData(phone, "PNG");
    ASSERT_EQ(phoneImage.size(), QSize(390, 844));
    EXPECT_GT(redPixels(phoneImage, 0.3), 200) << "the name drawn in the board's text colour";
    keep(phone, "web-board-phone.png");

    browser.resize(3840, 2160);
    EXPECT_EQ(browser.evaluate("document.documentElement.scrollWidth <= 3840"), "true");
    keep(browser.screenshot(), "web-board-4k.png");

    browser.resize(1280, 720);
    browser.open(base + "/overlay?scores=off");
    EXPECT_TRUE(browser.shows("document.getElementById('responder').textContent", "Twelve"));
    EXPECT_EQ(browser.evaluate("document.getElementById('scores').hidden"), "true");
    EXPECT_EQ(browser.evaluate("getComputedStyle(document.body).backgroundColor"),
              "rgba(0, 0, 0, 0)")
        << "transparent for streaming tools";
    keep(browser.screenshot(), "web-overlay.png");

    // As a streaming tool composes it: the overlay's own picture, transparent where it
    // draws nothing, laid over a scene of strong colours.
    browser.open(base + "/overlay");
    EXPECT_TRUE(browser.shows("document.getElementById('responder').textContent", "Twelve"));
    browser.call("Emulation.setDefaultBackgroundColorOverride",
                 {{"color", QJsonObject{{"r", 0}, {"g", 0}, {"b", 0}, {"a", 0}}}});
    const QImage layer = QImage::fromData(browser.screenshot(), "PNG")
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(layer.size(), QSize(1280, 720));
    EXPECT_EQ(qAlpha(layer.pixel(640, 100)), 0) << "the scene shows above the lower third";
    const QImage scene = streamScene(layer.size());
    QImage composed = scene;
    QPainter(&composed).drawImage(0, 0, layer);
    EXPECT_EQ(composed.pixel(640, 100), scene.pixel(640, 100));
    QByteArray png;
    QBuffer buffer(&png);
    composed.save(&buffer, "PNG");
    keep(png, "web-overlay-scene.png");

    browser.open(base + "/log");
    EXPECT_TRUE(
        browser.shows("document.querySelector('#log td:nth-child(2)').textContent", "Twelve"));
    keep(browser.screenshot(), "web-log.png");
}

}  // namespace
