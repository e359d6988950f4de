#include "app/DueNotice.h"

#include "events/OccurrenceResolver.h"

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// On Saturday 5 December 2026: three events today, one tomorrow, two in 3 days and one in 4,
// besides a past one-off event, a bad date and Christmas.
const QByteArray Week = "06/12/XXXX Advent fair\n"
                        "08/12/XXXX Tom & Jerry <show>\n"
                        "08/12/2026 /A Dentist at 9:30.\n"
                        "05/12/1989 Alex's birthday\n"
                        "99/xx/19 Broken line\n"
                        "04/12/2026 /A Gone\n"
                        "05/12/2026 Wedding\n"
                        "1SA/12/XXXX Market\n"
                        "25/12/XXXX Christmas\n"
                        "09/12/1985 Sam's birthday\n";

TEST(DueNoticeTest, NamesTheDueEventsByDayInTableOrder)
{
    struct Case {
        QByteArray events;
        int daysAhead;
        bool appendToAge;
        QString summary; // nothing due when empty
        QString body;
    };
    const Case cases[] = {
        // Age 0 is a first occurrence still ahead; a one-off event has no age; no line ends in "..".
        {Week, 4, true, "Nudgely: 3 events today, 4 in the next 4 days",
         "Today: Alex's birthday (37th), Wedding, Market.\nTomorrow: Advent fair.\n"
         "In 3 days: Tom &amp; Jerry &lt;show&gt;, Dentist at 9:30.\nIn 4 days: Sam's birthday (41st)."},
        {Week, 0, false, "Nudgely: 3 events today", "Today: Alex's birthday (37), Wedding, Market."},
        {Week, 1, true, "Nudgely: 3 events today, 1 tomorrow",
         "Today: Alex's birthday (37th), Wedding, Market.\nTomorrow: Advent fair."},
        {"07/12/XXXX a\n08/12/XXXX b\n", 3, true, "Nudgely: 2 events in the next 3 days", "In 2 days: a.\nIn 3 days: b."},
        // At most 8 events, a long description cut short.
        {"06/12/XXXX " + QByteArray(90, 'x') + "\n" + QByteArray("06/12/XXXX e\n").repeated(9) + "07/12/XXXX f\n", 3,
         true, "Nudgely: 11 events in the next 3 days",
         "Tomorrow: " + QString(79, u'x') + u'\u2026' + QString(", e").repeated(7) + ".\nAnd 3 more."},
        {"06/12/XXXX a\n99/xx/19 b\n04/12/2026 /A c\n", 0, true, {}, {}},
    };
    for (const Case &c : cases) {
        EventTable table;
        table.addFile(0, c.events);
        resolveEvents(table, DateFormat(), QDate(2026, 12, 5));
        const auto notice = dueNotice(table, QDate(2026, 12, 5), c.daysAhead, c.appendToAge);
        EXPECT_EQ(notice.value_or(DueNotice()).summary, c.summary) << c.events.left(30).constData();
        EXPECT_EQ(notice.value_or(DueNotice()).body, c.body) << c.events.left(30).constData();
    }
}

} // namespace
} // namespace nudgely
