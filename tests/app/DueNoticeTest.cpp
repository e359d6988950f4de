#include "app/DueNotice.h"

#include "events/OccurrenceResolver.h"

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// The summary and body for events on Saturday 5 December 2026; empty when nothing is due.
QString noticeText(const QByteArray &events, int daysAhead, bool appendToAge = true)
{
    EventTable table;
    table.addFile(0, events);
    resolveEvents(table, DateFormat(), QDate(2026, 12, 5));
    const auto notice = dueNotice(table, daysAhead, appendToAge);
    return notice ? notice->summary + u'\n' + notice->body : QString();
}

TEST(DueNoticeTest, NamesTheDueEventsByDayInTableOrder)
{
    // Three events today, one tomorrow, two in 3 days, one in 4; a past one-off event, a bad
    // date and Christmas are never due. Age 0 is a first occurrence: no age, as for a one-off.
    const QByteArray week = "06/12/XXXX Advent fair\n08/12/XXXX Tom & Jerry <show>\n08/12/2026 /A Dentist at 9:30.\n"
                            "05/12/1989 Alex's birthday\n99/xx/19 Broken line\n04/12/2026 /A Gone\n05/12/2026 Wedding\n"
                            "1SA/12/XXXX Market\n25/12/XXXX Christmas\n09/12/1985 Sam's birthday\n";
    EXPECT_EQ(noticeText(week, 4), "Nudgely: 3 events today, 4 in the next 4 days\n"
                                   "Today: Alex's birthday (37th), Wedding, Market.\nTomorrow: Advent fair.\n"
                                   "In 3 days: Tom &amp; Jerry &lt;show&gt;, Dentist at 9:30.\n"
                                   "In 4 days: Sam's birthday (41st).");
    EXPECT_EQ(noticeText(week, 1, false), "Nudgely: 3 events today, 1 tomorrow\n"
                                          "Today: Alex's birthday (37), Wedding, Market.\nTomorrow: Advent fair.");
    EXPECT_EQ(noticeText("06/12/XXXX a\n99/xx/19 b\n04/12/2026 /A c\n", 0), QString());

    // At most 8 events named, a long description cut short.
    const QByteArray many =
        "06/12/XXXX " + QByteArray(90, 'x') + "\n" + QByteArray("06/12/XXXX e\n").repeated(9) + "07/12/XXXX f\n";
    EXPECT_EQ(noticeText(many, 3), "Nudgely: 11 events in the next 3 days\nTomorrow: " + QString(79, u'x') + u'\u2026' +
                                       QString(", e").repeated(7) + ".\nAnd 3 more.");
}

} // namespace
} // namespace nudgely
