#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace nudgely {

// An INI file held as its lines, so that a change touches only the lines it must and
// everything else is written back byte for byte. Section and key names match without
// regard to case; the first of duplicate sections or keys wins. A file with a UTF-16 byte
// order mark (as Windows tools write INI files) is read and written as UTF-16 in its own
// byte order; any other is UTF-8 or Windows-1252 line by line, and new text is UTF-8.
class IniDocument {
public:
    static IniDocument fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;

    // The value, trimmed of spaces and of one pair of enclosing double quotes.
    std::optional<QString> value(QAnyStringView section, QAnyStringView key) const;

    // An existing key keeps its line; a new key goes after the last key of its section; a
    // missing section is added at the end. Returns whether the content changed.
    bool setValue(QAnyStringView section, QAnyStringView key, const QString &value);

    // Removes every line of the key in its section and nothing else.
    bool removeKey(QAnyStringView section, QAnyStringView key);

private:
    enum class Encoding { Bytes, Utf16Le, Utf16Be };
    enum class Kind { Other, Section, Key };
    struct Line {
        QByteArray text; // without its line end
        QByteArray end;  // "\r\n", "\n", "\r", or empty for a last line without one
        // What the text says, worked out once when the line is read or changed.
        Kind kind = Kind::Other;
        QString name;  // section or key name
        QString value; // for a key
    };
    Line makeLine(const QByteArray &text, const QByteArray &end) const;
    // Code units: bytes, or UTF-16 units of two bytes.
    qsizetype unitSize() const { return encoding_ == Encoding::Bytes ? 1 : 2; }
    char16_t unitAt(const QByteArray &bytes, qsizetype offset) const;
    QString decode(const QByteArray &text) const;
    QByteArray encode(const QString &text) const;
    struct SectionRange {
        std::size_t header; // index of the "[section]" line
        std::size_t end;    // one past its last line
    };

    std::optional<SectionRange> findSection(QAnyStringView section) const;
    std::vector<std::size_t> findKeyLines(const SectionRange &range, QAnyStringView key) const;
    QByteArray lineEnd() const;
    void insertLine(std::size_t index, const QString &text);

    Encoding encoding_ = Encoding::Bytes;
    std::vector<Line> lines_;
    QByteArray trailer_; // an odd last byte of a UTF-16 file
};

} // namespace nudgely
