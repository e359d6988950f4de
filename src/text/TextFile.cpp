#include "text/TextFile.h"

#include "text/TextDecoding.h"

#include <QByteArray>

namespace nudgely {

namespace {

constexpr qint64 ChunkSize = 1024 * 1024;

qsizetype lastLineEnd(const QByteArray &bytes)
{
    for (qsizetype i = bytes.size(); i > 0; --i) {
        if (bytes[i - 1] == '\n' || bytes[i - 1] == '\r')
            return i;
    }
    return 0;
}

} // namespace

TextFileContent readTextFile(QIODevice &device)
{
    TextFileContent content;
    QByteArray bytes;
    while (bytes.size() < MaxTextFileBytes) {
        const qsizetype before = bytes.size();
        const qint64 wanted = qMin(ChunkSize, MaxTextFileBytes - before);
        bytes.resize(before + wanted);
        const qint64 got = device.read(bytes.data() + before, wanted);
        bytes.resize(before + qMax<qint64>(got, 0));
        if (got < 0) {
            // The line the error cut is not one.
            content.readFailed = true;
            bytes.truncate(lastLineEnd(bytes));
            break;
        }
        if (got == 0)
            break;
    }
    content.text = decodeText(bytes);
    return content;
}

bool TextLines::next(QStringView &line)
{
    if (pos_ >= text_.size())
        return false;
    const QChar *begin = text_.data() + pos_;
    const QChar *end = text_.data() + text_.size();
    const QChar *stop = begin;
    while (stop != end && *stop != u'\r' && *stop != u'\n')
        ++stop;
    line = QStringView(begin, stop);
    pos_ += stop - begin;
    if (stop != end) {
        ++pos_;
        if (*stop == u'\r' && stop + 1 != end && stop[1] == u'\n')
            ++pos_;
    }
    return true;
}

} // namespace nudgely
