#include "text/NumericText.h"
#include "text/TextDecoding.h"
#include "text/TextFile.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

QStringList linesOf(const QString &text)
{
    TextLines lines(text);
    QStringList all;
    QStringView line;
    while (lines.next(line))
        all.append(line.toString());
    return all;
}

TextFileContent readBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readTextFile(buffer);
}

TEST(TextLinesTest, CrLfLoneCrAndLoneLfEachEndALine)
{
    const std::pair<const char *, QStringList> cases[] = {
        {"", {}}, {"a", {"a"}}, {"a\r\n", {"a"}}, {"a\r", {"a"}}, {"a\n\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}}, {"\r\n\r\n", {"", ""}}, {"a\r\r\nb", {"a", "", "b"}},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(linesOf(QString::fromLatin1(text)), expected) << '"' << text << '"';
}

TEST(ReadTextFileTest, TheWholeFileHasOneEncoding)
{
    const TextFileContent utf8 = readBytes("J\xC3\xB6rg\r\nplain");
    EXPECT_EQ(utf8.text, QString::fromUtf8("J\xC3\xB6rg\r\nplain"));
    EXPECT_FALSE(utf8.readFailed);
    // One byte that is not UTF-8 makes every line Windows-1252, the valid-looking ones too.
    EXPECT_EQ(readBytes("J\xC3\xB6rg\r\n\x80").text, QString::fromUtf8("J\xC3\x83\xC2\xB6rg\r\n\xE2\x82\xAC"));
    // The five bytes Windows-1252 leaves undefined keep their own code points.
    EXPECT_EQ(decodeText("\x80\x81\x8D\x8F\x90\x9D\x9F\xA0\xFF"),
              QString::fromUtf16(u"\u20AC\u0081\u008D\u008F\u0090\u009D\u0178\u00A0\u00FF"));
}

// Gives its data up to a point and then fails every read, as a failing disk would.
class FailingBuffer final : public QBuffer {
public:
    explicit FailingBuffer(qint64 failAt) : failAt_(failAt) {}

protected:
    qint64 readData(char *out, qint64 max) override
    {
        return pos() >= failAt_ ? -1 : QBuffer::readData(out, qMin(max, failAt_ - pos()));
    }

private:
    qint64 failAt_;
};

TEST(ReadTextFileTest, AReadErrorKeepsTheCompleteLinesBeforeIt)
{
    QByteArray data;
    for (int i = 0; i < 5000; ++i)
        data += "01/01/2000 event\r\n";
    FailingBuffer device(70000);
    device.setData(data);
    device.open(QIODevice::ReadOnly);
    const TextFileContent content = readTextFile(device);
    EXPECT_TRUE(content.readFailed);
    // 70000 bytes hold 3888 lines of 18 and a broken one, which is dropped.
    EXPECT_EQ(content.text, QString::fromLatin1(data.left(3888 * 18)));
}

TEST(NumericValueTest, NumericTextAndItsRoundedValue)
{
    const std::pair<const char *, std::optional<int>> cases[] = {
        {"5", 5}, {"05", 5}, {" 7 ", 7}, {"+3", 3}, {"-12", -12}, {"-0", 0}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2},
        {"0.5", 0}, {".5", 0}, {"1.", 1}, {"1e3", 1000}, {"1E+2", 100}, {"25e-1", 2}, {"32767", 32767},
        {"-32768", -32768}, {"32767.4", 32767}, {"-32768.5", -32768}, {"32767.5", {}}, {"32768", {}},
        {"-32769", {}}, {"+99999", {}}, {"1e5", {}}, {"1e400", {}}, {"", {}}, {" ", {}}, {"+", {}}, {".", {}},
        {"1e", {}}, {"1e+", {}}, {"+-5", {}}, {"0x10", {}}, {"1,5", {}}, {"12a", {}}, {"\t5", {}}, {"5\t", {}},
        {"- 5", {}}, {"XXXX", {}},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(numericValue(QString::fromLatin1(text)), expected) << '"' << text << '"';
}

TEST(NumericTextValueTest, KeepsTheFractionAndHasNoRange)
{
    EXPECT_EQ(numericTextValue(u" -2.25e1 "), -22.5);
    EXPECT_EQ(numericTextValue(u"1234567"), 1234567.0);
    EXPECT_EQ(numericTextValue(u"+0.125"), 0.125);
    EXPECT_EQ(numericTextValue(u"21st"), std::nullopt);
    EXPECT_EQ(numericTextValue(u"?"), std::nullopt);
    EXPECT_EQ(numericTextValue(u"\u0663"), std::nullopt); // other scripts' digits are no digits
}

} // namespace
} // namespace nudgely
