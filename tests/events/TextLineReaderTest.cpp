#include "events/TextLineReader.h"

#include "events/DataFileReader.h"
#include "events/EventTables.h"
#include "support/TestEnvironment.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

QStringList ReadAll(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    TextLineReader reader(buffer);
    QStringList lines;
    QStringView line;
    while (!reader.atEnd()) {
        EXPECT_TRUE(reader.readLine(line));
        lines.append(line.toString());
    }
    return lines;
}

TEST(TextLineReaderTest, LineEnds)
{
    EXPECT_EQ(ReadAll(""), QStringList());
    EXPECT_EQ(ReadAll("a"), QStringList({"a"}));
    EXPECT_EQ(ReadAll("a\r\n"), QStringList({"a"}));
    EXPECT_EQ(ReadAll("a\r"), QStringList({"a"}));
    EXPECT_EQ(ReadAll("a\n\nb"), QStringList({"a", "", "b"}));
    EXPECT_EQ(ReadAll("a\n\rb"), QStringList({"a", "", "b"}));
    EXPECT_EQ(ReadAll("\r\n\r\n"), QStringList({"", ""}));
    EXPECT_EQ(ReadAll("a\r\r\nb"), QStringList({"a", "", "b"}));
}

TEST(TextLineReaderTest, TheWholeFileHasOneEncoding)
{
    EXPECT_EQ(ReadAll("J\xC3\xB6rg\r\nplain"), QStringList({QString::fromUtf8("J\xC3\xB6rg"), "plain"}));
    // One byte that is not UTF-8 makes every line Windows-1252, the valid-looking ones too.
    EXPECT_EQ(ReadAll("J\xC3\xB6rg\r\n\x80"), QStringList({QString::fromUtf8("J\xC3\x83\xC2\xB6rg"),
                                                          QString::fromUtf8("\xE2\x82\xAC")}));
}

// Gives its data up to a point and then fails every read, as a failing disk would.
class FailingDevice final : public QIODevice {
public:
    FailingDevice(QByteArray data, qint64 failAt) : data_(std::move(data)), failAt_(failAt) {}

protected:
    qint64 readData(char *out, qint64 max) override
    {
        const qint64 from = pos();
        if (from >= failAt_)
            return -1;
        const qint64 n = qMin(max, qMin<qint64>(data_.size(), failAt_) - from);
        memcpy(out, data_.constData() + from, static_cast<size_t>(n));
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray data_;
    qint64 failAt_;
};

TEST(TextLineReaderTest, AReadErrorEndsTheFileAndKeepsWhatWasRead)
{
    test::TestEnvironment env;
    QByteArray data;
    for (int i = 0; i < 5000; ++i)
        data += "01/01/2000 event\r\n";
    FailingDevice device(data, 70000);
    device.open(QIODevice::ReadOnly);
    ReadDataLines(device, 1);
    EXPECT_EQ(EventCount, 70000 / 18); // the whole lines before the error; the broken one is dropped
    EXPECT_EQ(std::count(env.statuses.begin(), env.statuses.end(), QStringLiteral("failed to read line...")), 1);
}

} // namespace
} // namespace nudgely
