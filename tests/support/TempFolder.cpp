#include "TempFolder.h"

#include <QFile>

namespace test {

QString TempFolder::write(const QString& name, const QByteArray& bytes) const {
    const QString path = file(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(bytes);
    }
    return path;
}

QByteArray TempFolder::read(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace test
