#include "model/TextEncoding.h"

#include <QStringDecoder>
#include <array>

namespace model {

bool isValidUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // Decoding is what finds the errors; the text itself is not needed.
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString fromWindows1252(QByteArrayView bytes) {
    static constexpr std::array<char16_t, 32> k80to9F = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
    };
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(QChar(b >= 0x80 && b <= 0x9F ? k80to9F[b - 0x80] : char16_t{b}));
    }
    return text;
}

}  // namespace model
