#include "events/TextLineReader.h"

#include "config/TextDecoding.h"

namespace nudgely {

namespace {
constexpr qint64 ChunkSize = 64 * 1024;
}

TextLineReader::TextLineReader(QIODevice &device) : device_(device)
{
    decideEncoding();
}

void TextLineReader::decideEncoding()
{
    // One pass over the whole file before the first line: the encoding is the file's, not
    // each line's.
    Utf8Validator validator;
    QByteArray chunk(ChunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = device_.read(chunk.data(), ChunkSize);
        if (got <= 0)
            break;
        validator.feed(QByteArrayView(chunk.constData(), got));
        if (validator.invalid())
            break;
    }
    utf8_ = validator.valid();
    if (!device_.seek(0))
        failed_ = true;
}

bool TextLineReader::fill()
{
    if (eof_ || failed_)
        return false;
    buffer_.resize(ChunkSize);
    const qint64 got = device_.read(buffer_.data(), ChunkSize);
    pos_ = 0;
    if (got < 0) {
        buffer_.clear();
        failed_ = true;
        return false;
    }
    buffer_.resize(got);
    if (got == 0)
        eof_ = true;
    return got > 0;
}

bool TextLineReader::peekByte(char *byte)
{
    if (pos_ == buffer_.size() && !fill())
        return false;
    *byte = buffer_.at(pos_);
    return true;
}

bool TextLineReader::atEnd()
{
    char next = 0;
    if (skipLf_ && peekByte(&next) && next == '\n')
        ++pos_;
    skipLf_ = false;
    if (failed_)
        return true;
    return !peekByte(&next) && !failed_;
}

bool TextLineReader::readLine(QString &line)
{
    line.clear();
    if (failed_)
        return false;
    // A line that lies whole in the buffer is decoded from there; only one that spans two
    // reads is gathered first.
    QByteArray gathered;
    QByteArrayView whole;
    bool spans = false;
    char next = 0;
    while (peekByte(&next)) {
        const char *begin = buffer_.constData() + pos_;
        const char *end = buffer_.constData() + buffer_.size();
        const char *stop = begin;
        while (stop != end && *stop != '\r' && *stop != '\n')
            ++stop;
        const QByteArrayView piece(begin, qMin<qsizetype>(stop - begin, MaxLineBytes));
        if (!spans && stop != end) {
            whole = piece;
        } else {
            spans = true;
            const qsizetype room = qMax<qsizetype>(0, MaxLineBytes - gathered.size());
            gathered.append(piece.first(qMin(room, piece.size())));
        }
        pos_ += stop - begin;
        if (stop != end) {
            skipLf_ = (*stop == '\r');
            ++pos_;
            break;
        }
    }
    if (failed_)
        return false;
    const QByteArrayView raw = spans ? QByteArrayView(gathered) : whole;
    line = utf8_ ? QString::fromUtf8(raw) : DecodeWindows1252(raw);
    return true;
}

} // namespace nudgely
