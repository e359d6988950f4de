#include "text/TextFile.h"

#include <QByteArray>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace nudgely {

namespace {

constexpr qint64 ChunkSize = 1024 * 1024;

qsizetype lastLineEnd(QByteArrayView bytes)
{
    for (qsizetype i = bytes.size(); i > 0; --i) {
        if (bytes[i - 1] == '\n' || bytes[i - 1] == '\r')
            return i;
    }
    return 0;
}

// Lines are scanned eight characters at a time where the processor allows: reading the
// data files is most of the time of a load.
const char16_t *findLineEnd(const char16_t *from, const char16_t *end)
{
#ifdef __SSE2__
    const __m128i returns = _mm_set1_epi16(u'\r');
    const __m128i newlines = _mm_set1_epi16(u'\n');
    while (end - from >= 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
        const __m128i found = _mm_or_si128(_mm_cmpeq_epi16(chars, returns), _mm_cmpeq_epi16(chars, newlines));
        if (const int mask = _mm_movemask_epi8(found))
            return from + __builtin_ctz(static_cast<unsigned>(mask)) / 2;
        from += 8;
    }
#endif
    while (from != end && *from != u'\n' && *from != u'\r')
        ++from;
    return from;
}

} // namespace

TextFileContent readTextFile(QIODevice &device, qint64 limit)
{
    TextFileContent content;
    QByteArray bytes;
    // A file's size, when known, is read in one go into a buffer of just that size; one
    // more byte tells that it has not grown meanwhile, or that it goes on past the limit.
    const qint64 expected = device.isSequential() ? 0 : device.size() + 1;
    bool shortRead = false;
    while (bytes.size() <= limit) {
        const qsizetype before = bytes.size();
        qint64 got = 0;
        if (shortRead) {
            // The end is most likely reached: learning so, or meeting an error, takes no
            // larger buffer, which would copy the whole file into new memory.
            char probe[4096];
            got = device.read(probe, qMin<qint64>(sizeof probe, limit + 1 - before));
            if (got > 0)
                bytes.append(probe, got);
            shortRead = false;
        } else {
            const qint64 wanted = qMin(before == 0 && expected > 0 ? expected : ChunkSize, limit + 1 - before);
            bytes.resize(before + wanted);
            got = device.read(bytes.data() + before, wanted);
            bytes.resize(before + qMax<qint64>(got, 0));
            shortRead = got < wanted;
        }
        if (got < 0) {
            // The line the error cut is not one.
            content.readFailed = true;
            bytes.truncate(lastLineEnd(bytes));
            break;
        }
        if (got == 0)
            break;
    }
    if (bytes.size() > limit) {
        content.cut = true;
        bytes.truncate(lastLineEnd(bytes.first(limit)));
    }
    content.bytes = std::move(bytes);
    return content;
}

bool TextLines::next(QStringView &line)
{
    if (pos_ >= text_.size())
        return false;
    const char16_t *begin = text_.utf16() + pos_;
    const char16_t *end = text_.utf16() + text_.size();
    const char16_t *stop = findLineEnd(begin, end);
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
