#include "events/NumericText.h"

#include <QString>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

TEST(NumericValueTest, NumericTextAndItsRoundedValue)
{
    const std::pair<const char *, std::optional<int>> cases[] = {
        {"5", 5},          {"05", 5},          {" 7 ", 7},        {"+3", 3},         {"-12", -12},
        {"2.5", 2},        {"3.5", 4},         {"-2.5", -2},      {".5", 0},         {"1.", 1},
        {"1e3", 1000},     {"1E+2", 100},      {"25e-1", 2},      {"32767", 32767},  {"-32768", -32768},
        {"32767.4", 32767}, {"32768", {}},     {"-32769", {}},    {"1e400", {}},     {"", {}},
        {" ", {}},         {"+", {}},          {".", {}},         {"1e", {}},        {"0x10", {}},
        {"1,5", {}},       {"12a", {}},        {"\t5", {}},       {"- 5", {}},       {"XXXX", {}},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(NumericValue(QString::fromLatin1(text)), expected) << '"' << text << '"';
}

TEST(NumericTextValueTest, KeepsTheFractionAndHasNoRange)
{
    EXPECT_EQ(NumericTextValue(u" -2.25e1 "), -22.5);
    EXPECT_EQ(NumericTextValue(u"1234567"), 1234567.0);
    EXPECT_EQ(NumericTextValue(u"21st"), std::nullopt);
    EXPECT_EQ(NumericTextValue(u"?"), std::nullopt);
}

} // namespace
} // namespace nudgely
