#pragma once

#include <QImage>
#include <QString>

namespace web {

// A QR code of `text` (medium error correction), `scale` pixels a module, with the quiet
// zone around it; a null image when the text cannot be encoded.
QImage qrCodeImage(const QString& text, int scale);

}  // namespace web
