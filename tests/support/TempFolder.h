#pragma once

#include <QString>
#include <QTemporaryDir>

namespace test {

// A fresh folder for one test, removed afterwards.
class TempFolder {
  public:
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Writes bytes to a file in the folder and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

  private:
    QTemporaryDir dir_;
};

}  // namespace test
