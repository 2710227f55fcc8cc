#pragma once

#include <QByteArrayView>
#include <QString>

namespace model {

// Files are written in UTF-8; files of the earlier Windows console are in Windows-1252.
bool isValidUtf8(QByteArrayView bytes);
// Windows-1252: its own letters and signs in 0x80..0x9F, Latin-1 elsewhere. The five
// unassigned bytes map to the control characters of the same number, as Windows does.
QString fromWindows1252(QByteArrayView bytes);

}  // namespace model
