#include "model/FolderLookup.h"

#include <QDir>
#include <QFileInfo>

namespace model {

QString findInFolder(const QString& folder, const QString& name) {
    const QDir dir(folder);
    QString exact = dir.filePath(name);
    if (QFileInfo(exact).isFile()) {
        return exact;
    }
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& entry : files) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return dir.filePath(entry);
        }
    }
    return exact;
}

}  // namespace model
