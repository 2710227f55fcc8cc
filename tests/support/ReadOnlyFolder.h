#pragma once

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QString>

namespace test {

// Makes a folder read-only while it lives, as a write-protected medium would be, even for
// root: the folder loses its write bits and this thread the capability that overrides them.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const QString& path) : path_(QFile::encodeName(path)) {
        ::chmod(path_.constData(), 0555);
        syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        syscall(SYS_capset, &header_, reduced);
    }
    ~ReadOnlyFolder() {
        syscall(SYS_capset, &header_, saved_);
        ::chmod(path_.constData(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  private:
    QByteArray path_;
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
};

}  // namespace test
