#include "events/DataFileReader.h"
#include "events/EventTable.h"

#include "support/TempFolder.h"

#include <QStringList>

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

TEST(ReadDataFileTest, ReadsOnlyOrdinaryFilesWhateverTheyHold)
{
    test::TempFolder folder;
    folder.write(QStringLiteral("a.txt"), "1 J\xC3\xB6rg\n");
    EXPECT_EQ(readDataFile(folder.path(QStringLiteral("a.txt"))).value().bytes, "1 J\xC3\xB6rg\n");
    ASSERT_EQ(::mkdir(qPrintable(folder.path(QStringLiteral("folder.txt"))), 0700), 0);
    ASSERT_EQ(::mkfifo(qPrintable(folder.path(QStringLiteral("fifo.txt"))), 0600), 0);
    // The pipe last: opened, it would wait for a writer that never comes.
    for (const char *path : {"/dev/zero", "folder.txt", "missing.txt", "fifo.txt"})
        EXPECT_FALSE(readDataFile(folder.path(QString::fromLatin1(path))).has_value()) << path;

    // Binary junk, a huge line and NUL characters do not stop the read.
    QByteArray junk;
    for (int i = 0; i < 200000; ++i)
        junk += static_cast<char>((i * 7919) % 256);
    folder.write(QStringLiteral("junk.bin"), junk + "\n" + QByteArray(100000, 'x') + " long\n" + QByteArray(3, '\0'));
    EventTable table;
    table.addFile(0, readDataFile(folder.path(QStringLiteral("junk.bin"))).value().bytes);
    table.addFile(1, "1 after\n");
    EXPECT_EQ(eventsOf(table).mid(qsizetype(table.events().size()) - 3),
              QStringList({"0:" + QString(100000, u'x') + ":long", "0::" + QString(3, QChar()), "1:1:after"}));
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
    // Read again into the memory of the first read: nothing of it shows through.
    table.clear();
    table.addFile(3, "5 \xE9t\xE9\n");
    EXPECT_EQ(eventsOf(table), QStringList({QString::fromUtf8("3:5:\xC3\xA9t\xC3\xA9")}));
    EXPECT_EQ(table.filesRead(), 1);
}

TEST(EventTableTest, TheTableStopsAtMaxEventsAcrossFiles)
{
    EventTable table;
    table.addFile(0, QByteArray("1 first\n").repeated(EventTable::MaxEvents - 7));
    table.addFile(1, QByteArray("; c\n").repeated(3) + QByteArray("1 second\n").repeated(10));
    table.addFile(2, "1 third\n");
    EXPECT_EQ(eventsOf(table).mid(EventTable::MaxEvents - 8),
              QStringList({"0:1:first"}) + QStringList(7, QStringLiteral("1:1:second")));
    EXPECT_EQ(table.filesRead(), 3);
}

} // namespace
} // namespace nudgely
