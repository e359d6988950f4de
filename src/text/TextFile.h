#pragma once

#include <QIODevice>
#include <QString>
#include <QStringView>

namespace nudgely {

// A text file read whole, as bytes; decodeText makes it text.
struct TextFileContent {
    QByteArray bytes;
    // Reading stopped at an error: the bytes hold the complete lines read before it.
    bool readFailed = false;
    // The file is larger than the limit: the bytes hold the complete lines within it, so
    // that its encoding is judged on whole characters.
    bool cut = false;
};

// No data file comes near this; a larger file is read up to here.
inline constexpr qint64 MaxTextFileBytes = 64 * 1024 * 1024;

// The device must be open for reading.
TextFileContent readTextFile(QIODevice &device, qint64 limit = MaxTextFileBytes);

// The lines of a text: CR LF, a lone CR and a lone LF all end a line, and a last line
// without an end is a line like the others. Lines are views into the text.
class TextLines {
public:
    explicit TextLines(QStringView text) : text_(text) {}

    // False at the end.
    bool next(QStringView &line);

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

} // namespace nudgely
