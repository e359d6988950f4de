#include "events/DataFileReader.h"
#include "events/EventTable.h"

#include "support/TempFolder.h"

#include <QFile>
#include <QStringList>

#include <atomic>
#include <thread>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// Each event as "slot:date:description", with "/A" after the date of a one-off event.
QStringList eventsOf(const EventTable &table)
{
    QStringList list;
    for (const Event &e : table.events())
        list.append(QStringLiteral("%1:%2%3:%4").arg(QString::number(e.slot), table.date(e),
                                                    e.oneOff ? QStringLiteral("/A") : QString(), table.description(e)));
    return list;
}

// Each event's line number and its line as written.
QStringList linesOf(const EventTable &table)
{
    QStringList list;
    for (const Event &e : table.events())
        list.append(QString::number(e.line) + u':' + table.lineText(e).toString());
    return list;
}

TEST(ReadDataFileTest, ReadsOnlyOrdinaryFilesAndSaysWhyNot)
{
    test::TempFolder folder;
    folder.write(QStringLiteral("a.txt"), "1 J\xC3\xB6rg\n");
    EXPECT_EQ(readDataFile(folder.path(QStringLiteral("a.txt"))).text.bytes, "1 J\xC3\xB6rg\n");
    ASSERT_EQ(::mkdir(qPrintable(folder.path(QStringLiteral("folder.txt"))), 0700), 0);
    const std::pair<const char *, const char *> cases[] = {{"/dev/zero", "not an ordinary file"},
                                                           {"folder.txt", "not an ordinary file"},
                                                           {"missing.txt", "No such file or directory"}};
    for (const auto &[path, problem] : cases)
        EXPECT_EQ(readDataFile(folder.path(QString::fromLatin1(path))).openProblem, QLatin1String(problem)) << path;
}

// A pipe put in the file's place between a check and the open would wait for a writer for ever.
TEST(ReadDataFileTest, NeverWaitsOnAPipeSwappedInForTheFile)
{
    test::TempFolder folder;
    const auto native = [&](const char *name) { return QFile::encodeName(folder.path(QString::fromLatin1(name))); };
    const QByteArray data = native("data.txt"), fifo = native("fifo"), plain = native("plain");
    std::atomic<bool> done = false;
    std::thread swapper([&] {
        while (!done) {
            ::mkfifo(fifo.constData(), 0600);
            ::rename(fifo.constData(), data.constData());
            folder.write(QStringLiteral("plain"), "1 a\n");
            ::rename(plain.constData(), data.constData());
        }
    });
    // Stuck in an open, the test could never end: the watchdog ends it as a failure.
    std::thread watchdog([&] {
        for (int tenths = 0; tenths < 300 && !done; ++tenths)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!done) {
            std::fputs("reading a data file waits on a pipe\n", stderr);
            std::_Exit(1);
        }
    });
    int pipes = 0;
    for (int i = 0; i < 3000; ++i)
        pipes += readDataFile(QFile::decodeName(data)).openProblem == u"not an ordinary file" ? 1 : 0;
    done = true;
    swapper.join();
    watchdog.join();
    EXPECT_GT(pipes, 0);
}

// A file over the limit is read up to its last whole line within it, so that a character cut
// in two does not turn a UTF-8 file into Windows-1252; its problems are named.
TEST(LoadDataFileTest, AFileOverTheLimitIsCutAtALineAndSaysSo)
{
    test::TempFolder folder;
    QByteArray bytes = "1 J\xC3\xB6rg\n";
    const QByteArray filler = "; " + QByteArray(60000, 'x') + "\n";
    while (bytes.size() + filler.size() < MaxTextFileBytes)
        bytes += filler;
    bytes += QByteArray(MaxTextFileBytes - bytes.size() - 1, ';') + "\xC3\xB6\n2 cut off\n";
    folder.write(QStringLiteral("big.txt"), bytes);
    EventTable table;
    const DataFileLoad load = loadDataFile(table, 0, folder.path(QStringLiteral("big.txt")));
    EXPECT_EQ(eventsOf(table), QStringList({QString::fromUtf8("0:1:J\xC3\xB6rg")}));
    EXPECT_EQ(load.problems, QStringList("larger than 64 MiB; only the lines within the first 64 MiB were read"));
}

TEST(LoadDataFileTest, OverlongLinesAreSkippedAndNamedTheRestIsRead)
{
    test::TempFolder folder;
    const QByteArray longLine = "1 " + QByteArray(EventTable::MaxLineLength, 'x') + "\n";
    folder.write(QStringLiteral("one.txt"), "1 a\n" + longLine + "; " + QByteArray(EventTable::MaxLineLength - 2, 'c') + "\n2 b");
    folder.write(QStringLiteral("two.txt"), longLine + longLine.chopped(1) + "\r\r\n3 c\r");
    EventTable table;
    const DataFileLoad one = loadDataFile(table, 0, folder.path(QStringLiteral("one.txt")));
    const DataFileLoad two = loadDataFile(table, 1, folder.path(QStringLiteral("two.txt")));
    EXPECT_EQ(eventsOf(table), QStringList({"0:1:a", "0:2:b", "1:3:c"}));
    EXPECT_EQ(linesOf(table), QStringList({"1:1 a", "4:2 b", "4:3 c"})); // skipped lines keep their numbers
    EXPECT_EQ(one.problems, QStringList("line 2 is longer than 64 KiB and was skipped"));
    EXPECT_EQ(two.problems, QStringList("2 lines longer than 64 KiB were skipped, the first at line 1"));
}

TEST(EventTableTest, EventLinesInSlotThenLineOrderAndEveryFileCounts)
{
    const QByteArray shared = "1 a\r\n; c\r\n\r\n2 /A b\rword\n   \n3  last ";
    EventTable table;
    table.addFile(2, shared);
    table.addFile(4, QByteArray());
    table.addFile(6, "' only\r\n   \r\n: comments\r\n");
    table.addFile(7, "4 d\n");
    table.addFile(9, shared); // two slots may name the same file: each keeps its own events
    EXPECT_EQ(eventsOf(table), QStringList({"2:1:a", "2:2/A:b", "2::word", "2:3:last ", "7:4:d", "9:1:a", "9:2/A:b",
                                            "9::word", "9:3:last "}));
    EXPECT_EQ(table.filesRead(), 5);
    EXPECT_EQ(linesOf(table).mid(0, 5), QStringList({"1:1 a", "4:2 /A b", "5:word", "7:3  last ", "1:4 d"}));
    // Read again into the memory of the first read: nothing of it shows through.
    table.clear();
    table.addFile(3, "5 \xE9t\xE9\n");
    EXPECT_EQ(eventsOf(table), QStringList({QString::fromUtf8("3:5:\xC3\xA9t\xC3\xA9")}));
    EXPECT_EQ(table.filesRead(), 1);
}

TEST(EventTableTest, TextsLargerThanABlockStayWholeAndACopyKeepsItsTextsThroughTheNextRead)
{
    const QByteArray wide = "1 " + QByteArray(60000, 'w') + "\n";
    EventTable table;
    table.addFile(0, "1 small\n");
    table.addFile(1, wide.repeated(40) + "2 after\n"); // 2.4 million characters: past the first block
    table.addFile(2, "3 next\n");
    const QStringList first = eventsOf(table);
    ASSERT_EQ(first.size(), 43);
    EXPECT_EQ(first[1], "1:1:" + QString(60000, u'w'));
    EXPECT_EQ(first.mid(41), QStringList({"1:2:after", "2:3:next"}));

    const EventTable copy = table.copy();
    table.clear();
    table.addFile(5, "4 again\n");
    EXPECT_EQ(eventsOf(table), QStringList("5:4:again"));
    EXPECT_EQ(eventsOf(copy), first);
}

TEST(EventTableTest, TheTableStopsAtMaxEventsAcrossFilesAndCountsTheRest)
{
    EventTable table;
    EXPECT_EQ(table.addFile(0, QByteArray("1 first\n").repeated(EventTable::MaxEvents - 7)).eventsNotLoaded, 0);
    EXPECT_EQ(table.addFile(1, QByteArray("; c\n").repeated(3) + QByteArray("1 second\n").repeated(10)).eventsNotLoaded, 3);
    EXPECT_EQ(table.addFile(2, "1 third\n\n; not an event\n").eventsNotLoaded, 1);
    EXPECT_EQ(eventsOf(table).mid(EventTable::MaxEvents - 8),
              QStringList({"0:1:first"}) + QStringList(7, QStringLiteral("1:1:second")));
    EXPECT_EQ(table.filesRead(), 3);
}

} // namespace
} // namespace nudgely
