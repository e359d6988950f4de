#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace nudgely {

// Reads the lines of a text file: CR LF, a lone CR and a lone LF all end a line, and a
// last line without an end is read like the others. A file whose bytes are all valid UTF-8
// is read as UTF-8, any other as Windows-1252, so files brought from Windows read right.
class TextLineReader {
public:
    // A line longer than this keeps its beginning only; no real event line comes near it.
    static constexpr qsizetype MaxLineBytes = 1 << 20;

    // The device must be open for reading, at its start.
    explicit TextLineReader(QIODevice &device);

    bool atEnd();
    // False when reading failed; the reader is then at its end, so that a persistent
    // error never loops.
    bool readLine(QString &line);

private:
    void decideEncoding();
    bool fill();
    bool peekByte(char *byte);

    QIODevice &device_;
    bool utf8_ = true;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool eof_ = false;
    bool failed_ = false;
    bool skipLf_ = false; // the last line ended in CR: a following LF belongs to it
};

} // namespace nudgely
