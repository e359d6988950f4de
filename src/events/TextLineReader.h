#pragma once

#include <QIODevice>
#include <QString>
#include <QStringView>

namespace nudgely {

// Reads the lines of a text file: CR LF, a lone CR and a lone LF all end a line, and a
// last line without an end is read like the others. A file whose bytes are all valid UTF-8
// is read as UTF-8, any other as Windows-1252, so files brought from Windows read right.
// The file is read and decoded whole; its lines are views into that text.
class TextLineReader {
public:
    // No data file comes near this; a larger file is read up to here.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

    // The device must be open for reading.
    explicit TextLineReader(QIODevice &device);

    bool atEnd() const;
    // The next line, valid while the reader lives. False where reading the file failed: the
    // lines before are kept, the broken one is dropped, and the reader is then at its end.
    bool readLine(QStringView &line);

private:
    QString text_;
    qsizetype pos_ = 0;
    bool failed_ = false;
};

} // namespace nudgely
