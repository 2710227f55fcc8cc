#pragma once

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebSocket>

#include "WebClients.h"

namespace test {

// Debian's Chromium, headless, driven over its DevTools protocol: open a page, read what
// it shows, take a picture of it. Nothing is downloaded.
class Browser {
  public:
    static QString executable() { return QStandardPaths::findExecutable("chromium"); }

    Browser() {
        process_.setProgram(executable());
        process_.setArguments({"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                               "--hide-scrollbars", "--user-data-dir=" + profile_.path(),
                               "--remote-debugging-port=0", "about:blank"});
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setStandardErrorFile(QProcess::nullDevice());
        process_.start();
        const QString portFile = profile_.filePath("DevToolsActivePort");
        if (!waitUntil([&] { return QFile::exists(portFile) && QFile(portFile).size() > 0; },
                       60000)) {
            return;
        }
        QFile file(portFile);
        file.open(QIODevice::ReadOnly);
        const quint16 port = file.readLine().trimmed().toUShort();
        const QJsonArray targets = QJsonDocument::fromJson(get(port, "/json/list").body).array();
        for (const QJsonValue& target : targets) {
            if (target["type"].toString() == "page") {
                QObject::connect(&socket_, &QWebSocket::textMessageReceived,
                                 [this](const QString& m) { received(m); });
                socket_.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/devtools/page/%2")
                                      .arg(port)
                                      .arg(target["id"].toString())));
                waitUntil([&] { return socket_.state() == QAbstractSocket::ConnectedState; });
                break;
            }
        }
    }
    ~Browser() {
        socket_.close();
        process_.kill();
        process_.waitForFinished(10000);
    }

    bool ready() const { return socket_.state() == QAbstractSocket::ConnectedState; }

    // Runs one DevTools command and returns its result.
    QJsonObject call(const QString& method, const QJsonObject& params = {}) {
        const int id = ++lastId_;
        socket_.sendTextMessage(QString::fromUtf8(
            QJsonDocument(QJsonObject{{"id", id}, {"method", method}, {"params", params}})
                .toJson(QJsonDocument::Compact)));
        waitUntil([&] { return answers_.contains(id); }, 30000);
        return answers_.take(id);
    }

    // Sets the window's size in CSS pixels.
    void resize(int width, int height) {
        call("Emulation.setDeviceMetricsOverride", {{"width", width},
                                                    {"height", height},
                                                    {"deviceScaleFactor", 1},
                                                    {"mobile", width < height}});
    }

    void open(const QString& url) {
        call("Page.navigate", {{"url", url}});
        waitUntil([&] { return evaluate("document.readyState") == "complete"; });
    }

    // The value of a script expression in the page, as text.
    QString evaluate(const QString& expression) {
        const QJsonObject result =
            call("Runtime.evaluate", {{"expression", expression}, {"returnByValue", true}});
        return result["result"].toObject()["value"].toVariant().toString();
    }

    // Waits until the expression yields `expected`; false when it never does.
    bool shows(const QString& expression, const QString& expected) {
        return waitUntil([&] { return evaluate(expression) == expected; });
    }

    QByteArray screenshot() {
        const QJsonObject result = call("Page.captureScreenshot", {{"format", "png"}});
        return QByteArray::fromBase64(result["data"].toString().toLatin1());
    }

  private:
    void received(const QString& message) {
        const QJsonObject o = QJsonDocument::fromJson(message.toUtf8()).object();
        if (o.contains("id")) {
            answers_.insert(o["id"].toInt(), o["result"].toObject());
        }
    }

    QTemporaryDir profile_;
    QProcess process_;
    QWebSocket socket_;
    int lastId_ = 0;
    QHash<int, QJsonObject> answers_;
};

}  // namespace test
