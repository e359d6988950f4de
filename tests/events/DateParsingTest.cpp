#include "events/DateParsing.h"

#include "config/Settings.h"
#include "events/Calendar.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TestEnvironment;

struct FormCase {
    const char *field;
    DateKind kind;
    QDate date;  // full dates
    int month;   // year-less dates and weekday rules
    int day;     // year-less dates
    int count;   // weekday rules
    int weekday;
};

class DateFormTest : public ::testing::TestWithParam<FormCase> {
protected:
    TestEnvironment env; // default date format: day/month/year with "/"
};

TEST_P(DateFormTest, ClassifiesTheFieldAndReadsItsMeaning)
{
    const FormCase &c = GetParam();
    const ClassifiedDate parsed = ClassifyDateField(QString::fromUtf8(c.field), 2026);
    ASSERT_EQ(parsed.kind, c.kind) << c.field;
    switch (c.kind) {
    case DateKind::FullDate:
        EXPECT_EQ(parsed.date, c.date) << c.field;
        break;
    case DateKind::YearlessDate:
        EXPECT_EQ(parsed.monthValue, c.month) << c.field;
        EXPECT_EQ(parsed.dayValue, c.day) << c.field;
        break;
    case DateKind::WeekdayRule:
        EXPECT_EQ(parsed.monthValue, c.month) << c.field;
        EXPECT_EQ(parsed.rule.count, c.count) << c.field;
        EXPECT_EQ(parsed.rule.weekday, c.weekday) << c.field;
        break;
    case DateKind::Bad:
        break;
    }
}

FormCase Full(const char *field, QDate date)
{
    return {field, DateKind::FullDate, date, 0, 0, 0, 0};
}
FormCase Yearless(const char *field, int month, int day)
{
    return {field, DateKind::YearlessDate, {}, month, day, 0, 0};
}
FormCase Rule(const char *field, int month, int count, int weekday)
{
    return {field, DateKind::WeekdayRule, {}, month, 0, count, weekday};
}
FormCase Bad(const char *field)
{
    return {field, DateKind::Bad, {}, 0, 0, 0, 0};
}

INSTANTIATE_TEST_SUITE_P(
    AcceptedForms, DateFormTest,
    ::testing::Values(Full("12/05/1970", QDate(1970, 5, 12)),
                      Full("12/May/1970", QDate(1970, 5, 12)),
                      Full("12/MAY/1970", QDate(1970, 5, 12)),
                      Full("12/mayo/1970", QDate(1970, 5, 12)),
                      Full("12/05/70", QDate(1970, 5, 12)),
                      Full("12/05/29", QDate(2029, 5, 12)),
                      Full("12/05/30", QDate(1930, 5, 12)),
                      Full("12/05/0", QDate(2000, 5, 12)),
                      Full("31/02/1990", QDate(1990, 3, 3)),
                      Full("12/13/1970", QDate(1971, 1, 12)),
                      Full("0/1/2000", QDate(1999, 12, 31)),
                      Full("12.4/5/1970.5", QDate(1970, 5, 12)),
                      Full("1/1/100", QDate(100, 1, 1)),
                      Full("31/12/9999", QDate(9999, 12, 31)),
                      Yearless("12/05/XXXX", 5, 12),
                      Yearless("12/05/x", 5, 12),
                      Yearless("12/05/19XX", 5, 12),
                      Yearless("29/02/XXXX", 2, 29),
                      Yearless("31/04/XXXX", 4, 31),
                      Rule("2SU/05/XXXX", 5, 2, 1),
                      Rule("SU/05/XXXX", 5, 1, 1),
                      Rule("1sunday/05/XXXX", 5, 1, 1),
                      Rule("2su/05/XXXX", 5, 2, 1),
                      Rule("0MO/06/XXXX", 6, 0, 2),
                      Rule("5FI/02/XXXX", 2, 5, 6),
                      Rule("3SA/Dec/xxxx", 12, 3, 7),
                      Rule("1TU/14/XXXX", 14, 1, 3),
                      Bad("2SU/05/2001"),
                      Bad("2FR/05/XXXX"),
                      Bad("2S/05/XXXX"),
                      Bad("99999SU/05/XXXX"),
                      Bad("12/05"),
                      Bad("12/05/"),
                      Bad("12/Ma/1970"),
                      Bad("12/Foo/1970"),
                      Bad("12/05/1970/1"),
                      Bad("1/1/99999"),
                      Bad("31/12/-1"),
                      Bad("12/05/"),
                      Bad(""),
                      Bad("99/xx/19")));

TEST(DateSettingsTest, ElementsAreReadFromTheConfiguredPositions)
{
    TestEnvironment env;
    Settings.DayPos = 2;
    Settings.MonthPos = 1;
    EXPECT_EQ(ClassifyDateField(QStringLiteral("05/12/1970"), 2026).date, QDate(1970, 5, 12));

    Settings.Delimiter = 1;
    Settings.DayPos = 3;
    Settings.MonthPos = 2;
    EXPECT_EQ(ClassifyDateField(QStringLiteral("1970-05-12"), 2026).date, QDate(1970, 5, 12));
    const ClassifiedDate rule = ClassifyDateField(QStringLiteral("XXXX-05-2SU"), 2026);
    EXPECT_EQ(rule.kind, DateKind::WeekdayRule);
    EXPECT_EQ(rule.rule.count, 2);
    // The field holds no "-": bad under this delimiter.
    EXPECT_EQ(ClassifyDateField(QStringLiteral("12/05/1970"), 2026).kind, DateKind::Bad);

    Settings.Delimiter = 2;
    Settings.DayPos = 1;
    Settings.MonthPos = 3; // year in the middle
    EXPECT_EQ(ClassifyDateField(QStringLiteral("12.1970.05"), 2026).date, QDate(1970, 5, 12));

    Settings.DayPos = 0; // no roles at all
    EXPECT_EQ(ClassifyDateField(QStringLiteral("12.05.1970"), 2026).kind, DateKind::Bad);
    Settings.DayPos = 1;
    Settings.Delimiter = 7;
    EXPECT_EQ(ClassifyDateField(QStringLiteral("12.05.1970"), 2026).kind, DateKind::Bad);
}

TEST(DateSettingsTest, SplitReplacesAMonthNameByItsNumber)
{
    TestEnvironment env;
    QString day, month, year;
    ASSERT_TRUE(SplitDateField(QStringLiteral("3/decembre/XXXX"), day, month, year));
    EXPECT_EQ(day, QStringLiteral("3"));
    EXPECT_EQ(month, QStringLiteral("12"));
    EXPECT_EQ(year, QStringLiteral("XXXX"));
}

TEST(BuildDateTest, CarriesAndKeepsToTheCalendarRange)
{
    EXPECT_EQ(BuildDate(2026, 13, 1), QDate(2027, 1, 1));
    EXPECT_EQ(BuildDate(2026, 0, 1), QDate(2025, 12, 1));
    EXPECT_EQ(BuildDate(2026, -11, 1), QDate(2025, 1, 1));
    EXPECT_EQ(BuildDate(2026, 1, 0), QDate(2025, 12, 31));
    EXPECT_EQ(BuildDate(2026, 2, 29), QDate(2026, 3, 1));
    EXPECT_EQ(BuildDate(2028, 2, 29), QDate(2028, 2, 29));
    EXPECT_EQ(BuildDate(99, 12, 32), QDate(2000, 1, 1)); // 99 means 1999, then the day carries
    EXPECT_EQ(BuildDate(100, 1, 1), QDate(100, 1, 1));
    EXPECT_EQ(BuildDate(100, 1, 0), std::nullopt);
    EXPECT_EQ(BuildDate(9999, 12, 31), QDate(9999, 12, 31));
    EXPECT_EQ(BuildDate(9999, 12, 32), std::nullopt);
    EXPECT_EQ(BuildDate(-5, 1, 1), std::nullopt);
    EXPECT_EQ(BuildDate(101, -12, 1), std::nullopt);
    EXPECT_EQ(BuildDate(10000, 0, 1), QDate(9999, 12, 1));
    EXPECT_EQ(BuildDate(32767, 32767, 32767), std::nullopt);
    EXPECT_EQ(BuildDate(-32768, -32768, -32768), std::nullopt);
}

} // namespace
} // namespace nudgely
