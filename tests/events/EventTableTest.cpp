#include "events/DataFileReader.h"
#include "events/EventTable.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QStringList>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TempFolder;

// Each event as "slot:date:description", with "/A" after the date of a one-off event.
QStringList eventsOf(const EventTable &table)
{
    QStringList list;
    for (const Event &event : table.events()) {
        list.append(QStringLiteral("%1:%2%3:%4")
                        .arg(event.slot)
                        .arg(table.date(event), event.oneOff ? QStringLiteral("/A") : QString(),
                             table.description(event)));
    }
    return list;
}

TEST(ReadDataFileTest, ReadsOnlyOrdinaryFiles)
{
    TempFolder folder;
    folder.write(QStringLiteral("dates.txt"), "01/01/2000 J\xC3\xB6rg\n");
    const auto content = readDataFile(folder.path(QStringLiteral("dates.txt")));
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(content->text, QString::fromUtf8("01/01/2000 J\xC3\xB6rg\n"));

    ASSERT_TRUE(QDir().mkpath(folder.path(QStringLiteral("folder.txt"))));
    ASSERT_EQ(::mkfifo(qPrintable(folder.path(QStringLiteral("fifo.txt"))), 0600), 0);
    // The pipe last: opened, it would wait for a writer that never comes.
    for (const QString &path : {QStringLiteral("/dev/zero"), folder.path(QStringLiteral("folder.txt")),
                                folder.path(QStringLiteral("missing.txt")), folder.path(QStringLiteral("fifo.txt"))})
        EXPECT_FALSE(readDataFile(path).has_value()) << qPrintable(path);
}

TEST(EventTableTest, OneEventPerEventLineInLineOrder)
{
    EventTable table;
    table.addFile(2,
                  QStringLiteral("01/01/2000 a1\r\n; comment\r\n\r\n02/01/2000 /A a2\rword\n   \n03/01/2000  last "));
    EXPECT_EQ(eventsOf(table),
              QStringList({"2:01/01/2000:a1", "2:02/01/2000/A:a2", "2::word", "2:03/01/2000:last "}));
    EXPECT_EQ(table.filesRead(), 1);
}

TEST(EventTableTest, FilesKeepSlotThenLineOrderAndEveryFileCounts)
{
    const QString shared = QStringLiteral("01/01/2000 a1\n01/01/2000 a2");
    EventTable table;
    table.addFile(0, shared);
    table.addFile(1, QStringLiteral("02/02/2000 b1\n"));
    table.addFile(4, QString());
    table.addFile(6, QStringLiteral("; only\r\n   \r\n' comments\r\n"));
    table.addFile(9, shared); // two slots may name the same file
    EXPECT_EQ(eventsOf(table), QStringList({"0:01/01/2000:a1", "0:01/01/2000:a2", "1:02/02/2000:b1",
                                            "9:01/01/2000:a1", "9:01/01/2000:a2"}));
    EXPECT_EQ(table.filesRead(), 5);
}

TEST(EventTableTest, TheTableStopsAtMaxEventsAcrossFiles)
{
    EventTable table;
    table.addFile(0, QStringLiteral("01/01/2000 first\r\n").repeated(EventTable::MaxEvents - 7));
    table.addFile(1, QStringLiteral("; comment\r\n").repeated(3) + QStringLiteral("01/01/2000 second\n").repeated(10));
    table.addFile(2, QStringLiteral("01/01/2000 third\n"));
    ASSERT_EQ(table.events().size(), std::size_t(EventTable::MaxEvents));
    const auto description = [&](int index) { return table.description(table.events()[std::size_t(index)]); };
    EXPECT_EQ(description(EventTable::MaxEvents - 8), QStringLiteral("first"));
    EXPECT_EQ(description(EventTable::MaxEvents - 7), QStringLiteral("second"));
    EXPECT_EQ(description(EventTable::MaxEvents - 1), QStringLiteral("second"));
    EXPECT_EQ(table.events().back().slot, 1);
    EXPECT_EQ(table.filesRead(), 3);
}

TEST(EventTableTest, BinaryJunkAndAHugeLineDoNotStopTheRead)
{
    QByteArray junk;
    for (int i = 0; i < 200000; ++i)
        junk += static_cast<char>((i * 7919) % 256);
    TempFolder folder;
    folder.write(QStringLiteral("junk.bin"),
                 junk + "\n" + QByteArray(100000, 'x') + " long\n" + QByteArray(3, '\0') + "\n");
    const auto content = readDataFile(folder.path(QStringLiteral("junk.bin")));
    ASSERT_TRUE(content.has_value());
    EventTable table;
    table.addFile(0, content->text);
    table.addFile(1, QStringLiteral("01/01/2000 after\n"));
    EXPECT_EQ(table.filesRead(), 2);
    ASSERT_GE(table.events().size(), 3u);
    const Event &huge = table.events()[table.events().size() - 3];
    EXPECT_EQ(table.date(huge), QString(100000, u'x'));
    EXPECT_EQ(table.description(huge), QStringLiteral("long"));
    EXPECT_EQ(table.description(table.events().back()), QStringLiteral("after"));
}

} // namespace
} // namespace nudgely
