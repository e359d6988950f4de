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

QString read(const QByteArray &bytes, qint64 failAt = 99)
{
    FailingBuffer device(bytes, failAt);
    const TextFileContent content = readTextFile(device);
    return decodeText(content.bytes) + (content.readFailed ? "<failed>" : "");
}

TEST(TextLinesTest, CrLfLoneCrAndLoneLfEachEndALine)
{
    const std::pair<const char16_t *, const char *> cases[] = { // each line followed by ";"
        {u"", ""}, {u"a", "a;"}, {u"a\r\n", "a;"}, {u"a\r", "a;"}, {u"a\n\nb", "a;;b;"}, {u"a\n\rb", "a;;b;"},
        {u"\r\n\r\n", ";;"}, {u"a\r\r\nb", "a;;b;"}};
    for (const auto &[text, expected] : cases) {
        TextLines lines(text);
        QString got;
        for (QStringView line; lines.next(line);)
            got.append(line).append(u';');
        EXPECT_EQ(got, QLatin1String(expected)) << QString::fromUtf16(text).toStdString();
    }
}

TEST(ReadTextFileTest, TheWholeFileHasOneEncodingAndAReadErrorKeepsTheCompleteLinesBeforeIt)
{
    EXPECT_EQ(read("J\xC3\xB6rg\r\nplain"), QString::fromUtf8("J\xC3\xB6rg\r\nplain"));
    // A byte that is not UTF-8 makes the whole file Windows-1252; its five undefined bytes keep their code points.
    EXPECT_EQ(read("J\xC3\xB6rg\r\n\x80\x81\x8D\x8F\x90\x9D\x9F\xA0\xFF"),
              QString::fromUtf16(u"J\u00C3\u00B6rg\r\n\u20AC\u0081\u008D\u008F\u0090\u009D\u0178\u00A0\u00FF"));
    EXPECT_EQ(read("a\nb\r\nbroken", 9), "a\nb\r\n<failed>");
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

} // namespace
} // namespace nudgely
