#include "PageCrowd.h"

#include <QUrl>

namespace bench {

PageCrowd::PageCrowd(quint16 port, int pages, std::function<void()> done)
    : pages_(pages), done_(std::move(done)), round_(pages, 0) {
    thread_.start();
    home_ = new QObject;
    home_->moveToThread(&thread_);
    QMetaObject::invokeMethod(home_, [this, port] {
        for (int i = 0; i < pages_; ++i) {
            auto* socket = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, home_);
            QObject::connect(socket, &QWebSocket::connected, [this] { ++connected_; });
            QObject::connect(socket, &QWebSocket::textMessageReceived,
                             [this, i](const QString& m) { received(i, m); });
            socket->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/live").arg(port)));
        }
    });
}

PageCrowd::~PageCrowd() {
    QMetaObject::invokeMethod(
        home_, [this] { delete home_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void PageCrowd::expect(const QString& text, Clock::time_point since) {
    std::lock_guard lock(mutex_);
    expected_ = text;
    since_ = since;
    ++currentRound_;
    seen_ = 0;
}

void PageCrowd::received(int page, const QString& message) {
    const Clock::time_point now = Clock::now();
    std::lock_guard lock(mutex_);
    if (expected_.isEmpty() || round_[page] == currentRound_ || !message.contains(expected_)) {
        return;
    }
    round_[page] = currentRound_;
    if (++seen_ == pages_) {
        lastPageMs_ = std::chrono::duration<double, std::milli>(now - since_).count();
        done_();
    }
}

}  // namespace bench
