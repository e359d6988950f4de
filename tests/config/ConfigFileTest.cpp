#include "config/ConfigFile.h"

#include "support/TempFolder.h"

#include <QFile>
#include <QStringEncoder>

#include <gtest/gtest.h>

#include <cerrno>
#include <thread>
#include <vector>

#include <sys/resource.h>

namespace nudgely {
namespace {

// Text as a Windows tool writes a UTF-16 file: a byte order mark, then units in its byte order.
QByteArray utf16(const QString &text, bool littleEndian = true)
{
    QStringEncoder encoder(littleEndian ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                           QStringEncoder::Flag::WriteBom);
    return encoder(text);
}

TEST(IniDocumentTest, ReadsTheValueOrNothing)
{
    const std::pair<QByteArray, std::optional<QString>> cases[] = { // {} for no value
        {"[Display]\nFilter=1\n", "1"}, {"[Editor]\nFilter=1\n[Display]\nCentre=1\n", {}}, {"[Display]\nFilter=\n", ""},
        {"[dIsPlAy]\nfILTER=3\n", "3"}, {"  [ Display ]  \n \tFilter \t= \t7 \t", "7"},
        {"[Display]\nFilter=\" Arial \"\n", " Arial "}, {"[Display]\nFilter=\"Arial\n", "\"Arial"},
        {"[Display]\nFilter=1\nFilter=2\n", "1"}, {"[Display]\nFilter=1\n[Display]\nFilter=2\n", "1"},
        {"Filter=9\n[Display]\n;Filter=9\n", {}}, {"[Display]\nFilter=/opt/a=b\n", "/opt/a=b"},
        {"[Display]\r\nCentre=4\rFilter=0\r\n", "0"}, {"\xEF\xBB\xBF[Display]\nFilter=5\n", "5"},
        {"[Display]\nFilter=/home/j\xC3\xB6rg/ed\n", "/home/j\xC3\xB6rg/ed"},
        {"[Display]\nFilter=C:\\J\xF6rg\\\x80.exe\n", "C:\\J\xC3\xB6rg\\\xE2\x82\xAC.exe"},
        {QByteArray("\x00\xFF[Display\x00]\nFilter=\x01\x02", 22), {}}, {utf16("[Display]\r\nFilter=J\u00f6rg"), "J\u00f6rg"},
        {utf16("[Display]\rFilter=\u20ac", false), "\u20ac"}, {utf16("[Display]\nFilter=1") + 'x', "1"}};
    for (const auto &[file, expected] : cases)
        EXPECT_EQ(IniDocument::fromBytes(file).value("display", "filter"), expected) << file.constData();
}

using Edits = std::vector<std::tuple<QString, QString, QString>>;

// A refused change shows in the commit's error.
int commitEdits(const QString &path, const Edits &edits)
{
    ConfigEdit edit(path);
    for (const auto &[section, key, value] : edits)
        edit.set(section, key, value);
    return edit.commit();
}

TEST(ConfigEditTest, ChangesOnlyWhatItMust)
{
    const QByteArray untouched = "\xEF\xBB\xBF; \x80\r\n[Display]\r\n  Filter = 1\r\njunk\r\n\tCentre=0\r\n; tail";
    // The file before, the edits, the file after; an empty file is no file.
    const std::tuple<QByteArray, Edits, QByteArray> cases[] = {
        {"", {{"Display", "Filter", "1"}, {"Display", "Centre", "0"}}, "[Display]\nFilter=1\nCentre=0\n"},
        // An existing key keeps its line and spelling; the first duplicate changes.
        {"[Display]\nFILTER = 1\nfilter=2", {{"Display", "filter", "0"}}, "[Display]\nFILTER = 0\nfilter=2"},
        // A new key goes after the last key of its section, with the file's line ends; a new section at the end.
        {"[A]\r\nk=1\r\n\r\n;\r\n[B]", {{"A", "j", "0"}, {"B", "k", "2"}, {"C", "k", "3"}},
         "[A]\r\nk=1\r\nj=0\r\n\r\n;\r\n[B]\r\nk=2\r\n\r\n[C]\r\nk=3\r\n"},
        {untouched, {{"Display", "Filter", "0"}, {"Display", "Filter", "1"}}, untouched}, // the rest stays as it was
        // An empty value removes every line of the key and nothing else; removing a missing key makes no file.
        {"[A]\nk=1\n;\nK=2\nj=0\n[B]\nk=3", {{"A", "k", ""}, {"B", "j", ""}, {"C", "k", ""}}, "[A]\n;\nj=0\n[B]\nk=3"},
        {"", {{"A", "k", ""}}, ""},
        // A UTF-16 file stays UTF-16 in its byte order, with its line ends.
        {utf16("; \u00e9\r\n[A]\r\nk = 1\r\n"), {{"A", "k", "\u20ac"}, {"B", "j", "2"}},
         utf16("; \u00e9\r\n[A]\r\nk = \u20ac\r\n\r\n[B]\r\nj=2\r\n")},
        {utf16("[A]\nk=1", false), {{"A", "j", "\u00e9"}}, utf16("[A]\nk=1\nj=\u00e9\n", false)},
        {utf16("[A]\r\nk=1") + '?', {{"B", "j", "2"}}, utf16("[A]\r\nk=1\r\n\r\n[B]\r\nj=2\r\n") + '?'}, // odd byte stays last
        // A key in Windows-1252 given a UTF-8 value becomes UTF-8 with it, so that the line reads back.
        {"[A]\nk\xE9=1\n", {{"A", "k\u00e9", "\u20ac"}}, "[A]\nk\xC3\xA9=\xE2\x82\xAC\n"}};
    for (const auto &[before, edits, after] : cases) {
        SCOPED_TRACE(before.constData());
        test::TempFolder folder;
        if (!before.isEmpty())
            folder.write("Nudgely.ini", before);
        ASSERT_EQ(commitEdits(folder.path("Nudgely.ini"), edits), 0);
        EXPECT_EQ(folder.read("Nudgely.ini"), after);
        EXPECT_EQ(folder.exists("Nudgely.ini"), !after.isEmpty());
    }
}

TEST(ConfigEditTest, ChangesWaitForTheCommitThatRefusesLineBreaksAndNeverReplacesAnUnreadOrReadOnlyFile)
{
    test::TempFolder folder;
    const QString path = folder.path("Nudgely.ini");
    folder.write(path, "[Display]\nFilter=1\n");
    // A refused change fails the whole commit: written without it, the file would lose it unseen.
    const Edits refused = {{"Display", "Filter", "1\n[Injected]"}, {"Display", "Filter", "1\rx"},
                           {"Display\nX", "Filter", "1"}, {"Display", "Fil\nter", "1"}, {"Display", "", "1"}};
    for (const auto &[section, key, value] : refused)
        EXPECT_EQ(commitEdits(path, {{section, key, value}, {"Display", "Centre", "0"}}), EINVAL)
            << qPrintable(section + key + value);
    ConfigEdit edit(path);
    // Values that reading would change are quoted; plain text is not.
    const QString values[] = {" padded ", "\"quoted\"", "\"", "tab\t", "plain \"inner\" quotes", QString(40000, 'v')};
    for (const QString &value : values) {
        ASSERT_EQ(edit.set(ConfigKeys::FontName, value), 0);
        EXPECT_EQ(edit.document().value("display", "fontname"), value);
    }
    EXPECT_EQ(folder.read(path), QByteArray("[Display]\nFilter=1\n"));
    ASSERT_EQ(edit.commit(), 0);
    EXPECT_EQ(folder.read(path), "[Display]\nFilter=1\nFontName=" + QByteArray(40000, 'v') + "\n");

    // Out of file descriptors while reading: the file is sound, but what it holds is unknown.
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    const rlimit none{0, limit.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    ConfigEdit unread(path);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &limit), 0);
    EXPECT_EQ(unread.commit(), EMFILE); // even with nothing changed
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_EQ(commitEdits(path, {}), EACCES); // even with nothing changed
    EXPECT_EQ(configWriteFailureText("saving", "/x", EACCES),
              "Nudgely failed to write to configuration file while saving:\n/x\n\nError 13: Permission denied");
    EXPECT_TRUE(configWriteFailureText("saving", "/x", 9999).endsWith("\n\nError 9999: Unknown error."));
}

TEST(ConfigEditTest, WritersAtOnceLoseNothing)
{
    test::TempFolder folder;
    const QString path = folder.path("Nudgely.ini");
    std::vector<std::jthread> writers; // four, each saving its own fifteen keys
    for (int writer = 0; writer < 4; ++writer) {
        writers.emplace_back([&, writer] {
            for (int save = 0; save < 15; ++save)
                EXPECT_EQ(commitEdits(path, {{QString("Writer%1").arg(writer), QString("Key%1").arg(save), "1"}}), 0);
        });
    }
    writers.clear(); // joins them
    EXPECT_EQ(folder.read(path).count("=1\n"), 60);
    EXPECT_FALSE(folder.exists("Nudgely.ini.lock"));
}

} // namespace
} // namespace nudgely
