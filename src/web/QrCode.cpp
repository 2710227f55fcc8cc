#include "web/QrCode.h"

#include <qrencode.h>

#include <memory>

namespace web {

QImage qrCodeImage(const QString& text, int scale) {
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code || scale < 1) {
        return {};
    }
    constexpr int kQuiet = 4;  // modules of white around the code, as readers expect
    const int side = (code->width + 2 * kQuiet) * scale;
    QImage image(side, side, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    image.fill(0);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            if ((code->data[y * code->width + x] & 1) == 0) {
                continue;
            }
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    image.setPixel((x + kQuiet) * scale + dx, (y + kQuiet) * scale + dy, 1);
                }
            }
        }
    }
    return image;
}

}  // namespace web
