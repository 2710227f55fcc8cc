#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <QWebSocket>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace bench {

// Live audience pages on a thread of their own (so they cost the console's thread
// nothing): each holds a WebSocket on /live. After `expect(text)`, the crowd notes when
// the last page has received a message holding the text.
class PageCrowd {
  public:
    using Clock = std::chrono::steady_clock;

    // `done` runs on the crowd's thread when the last page has the expected text.
    PageCrowd(quint16 port, int pages, std::function<void()> done);
    ~PageCrowd();

    // Waits (events of the calling thread run) until every page is connected.
    bool connected() const { return connected_ == pages_; }
    void expect(const QString& text, Clock::time_point since);
    // The time from `since` to the last page's message, once every page has it.
    bool done() const { return seen_ == pages_; }
    double lastPageMs() const { return lastPageMs_; }

  private:
    void received(int page, const QString& message);

    int pages_;
    std::function<void()> done_;
    QThread thread_;
    QObject* home_ = nullptr;  // lives on the thread; the sockets are its children
    std::atomic<int> connected_{0};
    std::atomic<int> seen_{0};
    std::atomic<double> lastPageMs_{0};
    std::mutex mutex_;
    QString expected_;
    Clock::time_point since_;
    std::vector<int> round_;  // per page: the round it last saw
    int currentRound_ = 0;
};

}  // namespace bench
