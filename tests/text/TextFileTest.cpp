#include "text/NumericText.h"
#include "text/TextDecoding.h"
#include "text/TextFile.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// Gives its data up to a point and then fails every read, as a failing disk would.
struct FailingBuffer final : QBuffer {
    FailingBuffer(const QByteArray &bytes, qint64 failAt) : at(failAt) { setData(bytes); open(ReadOnly); }
    qint64 readData(char *p, qint64 n) override { return pos() < at ? QBuffer::readData(p, qMin(n, at - pos())) : -1; }
    const qint64 at;
};

// The lines read from a device that fails after failAt bytes, each followed by ";"; after a failure, the bytes kept.
QString readLines(const QByteArray &bytes, qint64 failAt)
{
    FailingBuffer device(bytes, failAt);
    const TextFileContent content = readTextFile(device);
    const QString text = decodeText(content.bytes);
    TextLines lines(text);
    QString got;
    for (QStringView line; lines.next(line);)
        got.append(line).append(u';');
    return got + (content.readFailed ? QStringLiteral("<failed, %1 kept>").arg(content.bytes.size()) : QString());
}

TEST(TextFileTest, CrLfLoneCrAndLoneLfEachEndALineTheFileHasOneEncodingAndAReadErrorKeepsTheLinesBeforeIt)
{
    const std::tuple<QByteArray, qint64, const char16_t *> cases[] = {
        {"", 99, u""}, {"a", 99, u"a;"}, {"a\r\n", 99, u"a;"}, {"a\r", 99, u"a;"}, {"a\n\nb", 99, u"a;;b;"},
        {"a\n\rb", 99, u"a;;b;"}, {"\r\n\r\n", 99, u";;"}, {"a\r\r\nb", 99, u"a;;b;"},
        {"J\xC3\xB6rg\r\nplain", 99, u"J\u00F6rg;plain;"},
        // A byte that is not UTF-8 makes the whole file Windows-1252; its five undefined bytes keep their code points.
        {"J\xC3\xB6rg\r\n\x80\x81\x8D\x8F\x90\x9D\x9F\xA0\xFF", 99,
         u"J\u00C3\u00B6rg;\u20AC\u0081\u008D\u008F\u0090\u009D\u0178\u00A0\u00FF;"},
        {"a\nb\r\nbroken", 9, u"a;b;<failed, 5 kept>"}};
    for (const auto &[bytes, failAt, expected] : cases)
        EXPECT_EQ(readLines(bytes, failAt), QString::fromUtf16(expected)) << bytes.toHex().constData();
}

TEST(NumericValueTest, NumericTextAndItsRoundedValue)
{
    const std::pair<const char *, std::optional<int>> cases[] = {
        {"5", 5}, {"05", 5}, {" 7 ", 7}, {"+3", 3}, {"-12", -12}, {"-0", 0}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2},
        {"0.5", 0}, {".5", 0}, {"1.", 1}, {"1e3", 1000}, {"1E+2", 100}, {"25e-1", 2}, {"32767", 32767},
        {"-32768", -32768}, {"32767.4", 32767}, {"-32768.5", -32768}, {"32767.5", {}}, {"32768", {}},
        {"-32769", {}}, {"+99999", {}}, {"1e5", {}}, {"1e400", {}}, {"", {}}, {" ", {}}, {"+", {}}, {".", {}},
        {"1e", {}}, {"1e+", {}}, {"+-5", {}}, {"0x10", {}}, {"1,5", {}}, {"12a", {}}, {"\t5", {}}, {"5\t", {}},
        {"- 5", {}}, {"XXXX", {}}};
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(numericValue(QString::fromLatin1(text)), expected) << '"' << text << '"';
    EXPECT_EQ(numericTextValue(u"+1234567.125"), 1234567.125); // unrounded: keeps the fraction, has no range
    EXPECT_EQ(numericTextValue(u"\u0663"), std::nullopt);       // other scripts' digits are no digits
}

// Gives at most a few bytes per read, as a slow or interrupted device may.
struct TricklingBuffer final : QBuffer {
    explicit TricklingBuffer(const QByteArray &bytes) { setData(bytes); open(ReadOnly); }
    qint64 readData(char *p, qint64 n) override { return QBuffer::readData(p, qMin<qint64>(n, 3)); }
};

TEST(TextFileTest, AShortReadIsNoEndOfFile)
{
    const QByteArray bytes = QByteArray("line one\nline two\n").repeated(600); // more than one small read
    TricklingBuffer device(bytes);
    const TextFileContent content = readTextFile(device);
    EXPECT_EQ(content.bytes, bytes);
    EXPECT_FALSE(content.readFailed);
    EXPECT_FALSE(content.cut);
}

} // namespace
} // namespace nudgely
