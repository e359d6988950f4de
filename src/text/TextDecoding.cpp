#include "text/TextDecoding.h"

#include <QStringDecoder>

#include <array>

namespace nudgely {

namespace {

// 0x80 to 0x9F; the five bytes that Windows-1252 leaves undefined keep their C1 code points.
// Qt Core has no Windows-1252 codec of its own, and ICU's would not keep those five.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QChar *windows1252(QByteArrayView bytes, QChar *out)
{
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(Windows1252High[byte - 0x80]) : QChar(byte);
    }
    return out;
}

} // namespace

QString decodeText(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    text.truncate(decodeTextTo(bytes, text.data()) - text.constData());
    return text;
}

QChar *decodeTextTo(QByteArrayView bytes, QChar *out)
{
    if (!bytes.isValidUtf8())
        return windows1252(bytes, out);
    // A byte order mark is dropped, as QString::fromUtf8 does.
    QStringDecoder utf8(QStringDecoder::Utf8);
    return utf8.appendToBuffer(out, bytes);
}

} // namespace nudgely
