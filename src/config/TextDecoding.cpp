#include "config/TextDecoding.h"

#include <array>
#include <cstring>

namespace nudgely {

namespace {

// 0x80 to 0x9F; the five bytes that Windows-1252 leaves undefined keep their C1 code points.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Checks UTF-8 validity byte by byte, with the ranges that exclude overlong forms,
// surrogates and code points beyond Unicode.
class Utf8Validator {
public:
    void feed(QByteArrayView bytes);
    bool valid() const { return !invalid_ && need_ == 0; }

private:
    int need_ = 0; // continuation bytes still expected
    unsigned char low_ = 0x80;
    unsigned char high_ = 0xBF;
    bool invalid_ = false;
};

void Utf8Validator::feed(QByteArrayView bytes)
{
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    while (p != end) {
        if (invalid_)
            return;
        // Plain ASCII, eight bytes at a time: most text is nothing else.
        if (need_ == 0) {
            while (end - p >= 8) {
                quint64 word;
                memcpy(&word, p, sizeof word);
                if (word & 0x8080808080808080ULL)
                    break;
                p += 8;
            }
            if (p == end)
                return;
        }
        const auto byte = static_cast<unsigned char>(*p++);
        if (need_ == 0) {
            if (byte < 0x80)
                continue;
            low_ = 0x80;
            high_ = 0xBF;
            if (byte >= 0xC2 && byte <= 0xDF) {
                need_ = 1;
            } else if (byte >= 0xE0 && byte <= 0xEF) {
                need_ = 2;
                if (byte == 0xE0)
                    low_ = 0xA0;
                else if (byte == 0xED)
                    high_ = 0x9F;
            } else if (byte >= 0xF0 && byte <= 0xF4) {
                need_ = 3;
                if (byte == 0xF0)
                    low_ = 0x90;
                else if (byte == 0xF4)
                    high_ = 0x8F;
            } else {
                invalid_ = true;
            }
            continue;
        }
        if (byte < low_ || byte > high_) {
            invalid_ = true;
            continue;
        }
        --need_;
        low_ = 0x80;
        high_ = 0xBF;
    }
}

} // namespace

bool IsValidUtf8(QByteArrayView bytes)
{
    Utf8Validator validator;
    validator.feed(bytes);
    return validator.valid();
}

QString DecodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(Windows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QString DecodeText(QByteArrayView bytes)
{
    if (IsValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return DecodeWindows1252(bytes);
}

} // namespace nudgely
