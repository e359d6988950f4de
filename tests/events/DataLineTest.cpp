#include "events/DataLine.h"

#include <QString>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// A line's parts as "date|/A|description" ("/A" for a one-off event only), or "nothing".
QString partsOf(QStringView line)
{
    const auto parsed = parseDataLine(line);
    if (!parsed)
        return QStringLiteral("nothing");
    return parsed->date.toString() + (parsed->oneOff ? QStringLiteral("|/A|") : QStringLiteral("||")) +
           parsed->description.toString();
}

TEST(ParseDataLineTest, CutsTheLineIntoDateOptionAndDescription)
{
    const std::pair<const char16_t *, const char *> cases[] = {
        {u"   12/05/1970   a  b  ", "12/05/1970||a  b  "}, {u"1 /a x", "1|/A|x"}, {u"1  /A   x", "1|/A|x"},
        {u"1 /Ax x", "1||/Ax x"}, {u"1 x /A", "1||x /A"}, {u"1/A x", "1/A||x"}, {u"/A x", "/A||x"},
        {u"1 /A ", "1|/A|"}, {u"1    ", "1||"},
        // An option word must be followed by a space.
        {u"1 /A", "nothing"}, {u"1 /x", "nothing"}, {u"1 /A\tx", "nothing"}, {u"  /A", "nothing"},
        // One word: no date.
        {u"x", "||x"},
        // Only the space character separates.
        {u"1\tx y", "1\tx||y"}, {u"1 \tx", "1||\tx"}, {u"\t; x", "\t;||x"},
        // A comment mark counts only as the first character after the spaces.
        {u"; x", "nothing"}, {u"   ' x", "nothing"}, {u":x", "nothing"}, {u"1 ;x", "1||;x"},
        {u"", "nothing"}, {u"     ", "nothing"},
    };
    for (const auto &[line, expected] : cases)
        EXPECT_EQ(partsOf(line), QString::fromUtf8(expected)) << QString::fromUtf16(line).toStdString();
}

} // namespace
} // namespace nudgely
