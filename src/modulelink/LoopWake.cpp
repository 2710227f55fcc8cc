#include "modulelink/LoopWake.h"

#include <fcntl.h>
#include <unistd.h>

namespace modulelink {

LoopWake::LoopWake(std::function<void()> onWake) : onWake_(std::move(onWake)) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return;  // without it arrivals wait for the next poll, as they always could
    }
    readEnd_ = fds[0];
    writeEnd_ = fds[1];
    for (int fd : fds) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    notifier_ = std::make_unique<QSocketNotifier>(readEnd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { readable(); });
}

LoopWake::~LoopWake() {
    notifier_.reset();
    for (int fd : {readEnd_, writeEnd_}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void LoopWake::wake() {
    if (writeEnd_ >= 0 && flag_.raise()) {
        const char byte = 1;
        [[maybe_unused]] const auto n = ::write(writeEnd_, &byte, 1);  // full: a wake is due
    }
}

void LoopWake::readable() {
    flag_.lower([this] {
        char bytes[64];
        while (::read(readEnd_, bytes, sizeof bytes) > 0) {
        }
    });
    onWake_();  // after the lowering: a wake folded into this one still has its run
}

}  // namespace modulelink
