#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace nudgely {

// Files brought from Windows are Windows-1252; files written here are UTF-8. Bytes that
// are valid UTF-8 are read as UTF-8, anything else as Windows-1252.
QString DecodeText(QByteArrayView bytes);

QString DecodeWindows1252(QByteArrayView bytes);

bool IsValidUtf8(QByteArrayView bytes);

// Checks UTF-8 validity piece by piece, for files read in chunks.
class Utf8Validator {
public:
    void feed(QByteArrayView bytes);
    // A sequence cut off at the end is not valid.
    bool valid() const { return !invalid_ && need_ == 0; }
    // No later bytes can make it valid again.
    bool invalid() const { return invalid_; }

private:
    int need_ = 0; // continuation bytes still expected
    unsigned char low_ = 0x80;
    unsigned char high_ = 0xBF;
    bool invalid_ = false;
};

} // namespace nudgely
