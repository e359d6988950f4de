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
    QString line;
    while (!reader.atEnd()) {
        EXPECT_TRUE(reader.readLine(line));
        lines.append(line);
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

TEST(TextLineReaderTest, CrLfSplitBetweenTwoReadsIsOneLineEnd)
{
    for (const int length : {65535, 65536, 65537}) {
        const QByteArray first(length - 1, 'x');
        const QStringList lines = ReadAll(first + "\r\nsecond\r\n");
        ASSERT_EQ(lines.size(), 2) << length;
        EXPECT_EQ(lines[1], QStringLiteral("second"));
    }
}

TEST(TextLineReaderTest, AnOverlongLineKeepsItsBeginningAndTheNextLineStaysWhole)
{
    const QStringList lines = ReadAll(QByteArray(TextLineReader::MaxLineBytes + 5000, 'y') + "\nnext");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].size(), TextLineReader::MaxLineBytes);
    EXPECT_EQ(lines[1], QStringLiteral("next"));
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
