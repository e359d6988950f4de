#include "events/DataLine.h"

#include <QString>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// A line's parts as "date|/A|description" ("/A" for a one-off event only), or "nothing".
QString partsOf(const char *text)
{
    const QString line = QString::fromUtf8(text);
    const auto parsed = parseDataLine(line);
    if (!parsed)
        return QStringLiteral("nothing");
    return parsed->date.toString() + u'|' + (parsed->oneOff ? QStringLiteral("/A") : QString()) + u'|' +
           parsed->description.toString();
}

TEST(ParseDataLineTest, CutsTheLineIntoDateOptionAndDescription)
{
    const std::pair<const char *, const char *> cases[] = {
        {"12/05/1970 Wedding anniversary", "12/05/1970||Wedding anniversary"},
        {"   12/05/1970   Wedding anniversary  ", "12/05/1970||Wedding anniversary  "},
        {"01/06/2030 /a Dentist", "01/06/2030|/A|Dentist"},
        {"01/06/2030  /A   Dentist at  9", "01/06/2030|/A|Dentist at  9"},
        {"01/06/2030 /Ax Dentist", "01/06/2030||/Ax Dentist"},
        {"01/06/2030 Dentist /A", "01/06/2030||Dentist /A"},
        {"01/06/2030/A Dentist", "01/06/2030/A||Dentist"},
        {"/A Dentist", "/A||Dentist"},
        {"01/06/2030 /A ", "01/06/2030|/A|"},
        {"01/06/2030    ", "01/06/2030||"},
        // An option word must be followed by a space.
        {"01/06/2030 /A", "nothing"},
        {"01/06/2030 /x", "nothing"},
        {"01/06/2030 /A\tDentist", "nothing"},
        {"  /A", "nothing"},
        // One word: no date.
        {"Dentist", "||Dentist"},
        // Only the space character separates.
        {"\t12/05/1970 tab first", "\t12/05/1970||tab first"},
        {"12/05/1970\ttab inside", "12/05/1970\ttab||inside"},
        {"12/05/1970 \tdescription", "12/05/1970||\tdescription"},
        {"\t; a tab is no space", "\t;||a tab is no space"},
        {"; old entries below", "nothing"},
        {"   ' quoted comment", "nothing"},
        {":colon comment", "nothing"},
        {"12/05/1970 ;not a comment", "12/05/1970||;not a comment"},
        {"", "nothing"},
        {"     ", "nothing"},
    };
    for (const auto &[line, expected] : cases)
        EXPECT_EQ(partsOf(line), QString::fromUtf8(expected)) << line;
}

} // namespace
} // namespace nudgely
