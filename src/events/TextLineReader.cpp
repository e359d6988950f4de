#include "events/TextLineReader.h"

#include "config/TextDecoding.h"

#include <QByteArray>

namespace nudgely {

namespace {

constexpr qint64 ChunkSize = 1024 * 1024;

qsizetype LastLineEnd(const QByteArray &bytes)
{
    for (qsizetype i = bytes.size(); i > 0; --i) {
        if (bytes[i - 1] == '\n' || bytes[i - 1] == '\r')
            return i;
    }
    return 0;
}

} // namespace

TextLineReader::TextLineReader(QIODevice &device)
{
    QByteArray bytes;
    while (bytes.size() < MaxFileBytes) {
        const qsizetype before = bytes.size();
        const qint64 wanted = qMin(ChunkSize, MaxFileBytes - before);
        bytes.resize(before + wanted);
        const qint64 got = device.read(bytes.data() + before, wanted);
        bytes.resize(before + qMax<qint64>(got, 0));
        if (got < 0) {
            // Keep the whole lines read so far; the line the error cut is not one.
            failed_ = true;
            bytes.truncate(LastLineEnd(bytes));
            break;
        }
        if (got == 0)
            break;
    }
    text_ = IsValidUtf8(bytes) ? QString::fromUtf8(bytes) : DecodeWindows1252(bytes);
}

bool TextLineReader::atEnd() const
{
    return pos_ >= text_.size() && !failed_;
}

bool TextLineReader::readLine(QStringView &line)
{
    if (pos_ >= text_.size()) {
        line = {};
        failed_ = false; // told once
        return false;
    }
    const QChar *begin = text_.constData() + pos_;
    const QChar *end = text_.constData() + text_.size();
    const QChar *stop = begin;
    while (stop != end && *stop != QLatin1Char('\r') && *stop != QLatin1Char('\n'))
        ++stop;
    line = QStringView(begin, stop);
    pos_ += stop - begin;
    if (stop != end) {
        ++pos_;
        if (*stop == QLatin1Char('\r') && stop + 1 != end && stop[1] == QLatin1Char('\n'))
            ++pos_;
    }
    return true;
}

} // namespace nudgely
