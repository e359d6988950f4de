#include "config/ConfigFile.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace nudgely {
namespace {

using test::TempFolder;

TEST(IniDocumentTest, ReadsTheValueOrNothing)
{
    const std::pair<QByteArray, const char *> cases[] = { // UTF-8; null when there is no value
        {"[Display]\nFilter=1\n", "1"},
        {"[Editor]\nFilter=1\n", nullptr},
        {"[Display]\nCentre=1\n", nullptr},
        {"[Display]\nFilter=\n", ""},
        {"[dIsPlAy]\nfILTER=3\n", "3"},
        {"  [ Display ]  \n \tFilter \t= \t7 \t\n", "7"},
        {"[Display]\nFilter=\" Arial \"\n", " Arial "},
        {"[Display]\nFilter=\"Arial\n", "\"Arial"},
        {"[Display]\nFilter=1\nFilter=2\n", "1"},
        {"[Display]\nFilter=1\n[Display]\nFilter=2\n", "1"},
        {"Filter=9\n[Display]\n", nullptr},
        {"[Display]\n;Filter=9\n", nullptr},
        {"[Display]\nFilter=/opt/a=b\n", "/opt/a=b"},
        {"[Display]\r\nCentre=4\r\nFilter=0\r\n", "0"},
        {"[Display]\rCentre=4\rFilter=0", "0"},
        {"\xEF\xBB\xBF[Display]\nFilter=5\n", "5"},
        {"[Display]\nFilter=/home/j\xC3\xB6rg/ed\n", "/home/j\xC3\xB6rg/ed"},
        {"[Display]\nFilter=C:\\J\xF6rg\\\x80.exe\n", "C:\\J\xC3\xB6rg\\\xE2\x82\xAC.exe"},
        {QByteArray("\x00\xFF[Display\x00]\nFilter=\x01\x02", 22), nullptr},
    };
    for (const auto &[file, expected] : cases) {
        const auto value = IniDocument::fromBytes(file).value(QLatin1String("display"), QLatin1String("filter"));
        EXPECT_EQ(value, expected ? std::optional(QString::fromUtf8(expected)) : std::nullopt) << file.constData();
    }
}

using Edits = std::vector<std::tuple<const char *, const char *, QString>>;

// Sets the values in one edit and commits it.
int commitEdits(const QString &path, const Edits &edits)
{
    ConfigEdit edit(path);
    for (const auto &[section, key, value] : edits)
        EXPECT_EQ(edit.set(QLatin1String(section), QLatin1String(key), value), 0) << key;
    return edit.commit();
}

TEST(ConfigEditTest, ChangesOnlyWhatItMust)
{
    const QByteArray untouched = "\xEF\xBB\xBF; J\xC3\xB6rg's settings \x80\r\n[Other]\r\nkeep = me\r\n\r\n"
                                 "[Display]\r\n  Filter = 1\r\nunknown line\r\n\tCentre=0\r\n; tail comment";
    const std::tuple<const char *, QByteArray, Edits, QByteArray> cases[] = { // an empty file is no file
        {"new file", "", {{"Display", "Filter", "1"}, {"Display", "Centre", "0"}}, "[Display]\nFilter=1\nCentre=0\n"},
        {"an existing key keeps its line and spelling; the first duplicate changes",
         "[Display]\nFILTER = 1\nCentre=1\nfilter=2\n", {{"Display", "filter", "0"}},
         "[Display]\nFILTER = 0\nCentre=1\nfilter=2\n"},
        {"a new key goes after the last key of its section, with the file's line ends",
         "; top\r\n[Display]\r\nFilter=1\r\n\r\n; about dates\r\n[DateFormat]\r\nDayPos=1\r\n[Editor]\r\n",
         {{"Display", "Centre", "0"}, {"DateFormat", "MonthPos", "2"}, {"Editor", "Path", "vi"}},
         "; top\r\n[Display]\r\nFilter=1\r\nCentre=0\r\n\r\n; about dates\r\n"
         "[DateFormat]\r\nDayPos=1\r\nMonthPos=2\r\n[Editor]\r\nPath=vi\r\n"},
        {"a new section goes at the end", "[Display]\nFilter=1", {{"Editor", "Path", "vi"}},
         "[Display]\nFilter=1\n\n[Editor]\nPath=vi\n"},
        {"the rest stays byte for byte", untouched, {{"Display", "Filter", "0"}, {"Display", "Filter", "1"}},
         untouched},
        {"an empty value removes every line of the key",
         "[Editor]\nUseDefault=1\nPath=/usr/bin/vi\n; note\nPATH=duplicate\nMultiFile=0\n[Other]\nPath=x\n",
         {{"Editor", "path", QString()}}, "[Editor]\nUseDefault=1\n; note\nMultiFile=0\n[Other]\nPath=x\n"},
        {"removing a missing key creates no file", "", {{"Editor", "Path", QString()}}, ""},
        {"removing a missing key changes nothing", "[Editor]\nUseDefault=1", {{"Editor", "Path", QString()}},
         "[Editor]\nUseDefault=1"},
    };
    for (const auto &[name, before, edits, after] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        if (!before.isEmpty())
            folder.write("Nudgely.ini", before);
        ASSERT_EQ(commitEdits(folder.path("Nudgely.ini"), edits), 0);
        EXPECT_EQ(folder.read("Nudgely.ini"), after);
        EXPECT_EQ(folder.exists("Nudgely.ini"), !after.isEmpty());
    }
}

TEST(ConfigEditTest, ValuesThatReadingWouldChangeAreQuotedAndReadBackUnchanged)
{
    TempFolder folder;
    const QString path = folder.path("Nudgely.ini");
    const QString values[] = {" padded ", "\"quoted\"", "\"", "tab\t", "plain \"inner\" quotes",
                              QString(40000, QLatin1Char('v'))};
    for (const QString &value : values) {
        ASSERT_EQ(commitEdits(path, {{"Display", "FontName", value}}), 0);
        EXPECT_EQ(readConfigFile(path).value(QLatin1String("Display"), QLatin1String("FontName")), value);
    }
    EXPECT_TRUE(folder.read(path).endsWith("FontName=" + QByteArray(40000, 'v') + "\n")); // plain text stays unquoted
}

TEST(ConfigEditTest, PendingChangesAreReadableAndLineBreaksAreRefused)
{
    TempFolder folder;
    folder.write("Nudgely.ini", "[Display]\nFilter=1\n");
    ConfigEdit edit(folder.path("Nudgely.ini"));
    const std::tuple<QString, QString, QString> refused[] = {
        {"Display", "Filter", "1\n[Injected]"}, {"Display", "Filter", "1\rx"}, {"Display\nX", "Filter", "1"},
        {"Display", "Fil\nter", "1"},           {"Display", "", "1"},
    };
    for (const auto &[section, key, value] : refused)
        EXPECT_EQ(edit.set(section, key, value), EINVAL) << qPrintable(section + key + value);
    EXPECT_EQ(edit.set(ConfigKeys::Centre, QStringLiteral("0")), 0);
    EXPECT_EQ(edit.document().value(QLatin1String("display"), QLatin1String("centre")), QStringLiteral("0"));
    EXPECT_EQ(folder.read("Nudgely.ini"), QByteArray("[Display]\nFilter=1\n")); // written at commit only
    ASSERT_EQ(edit.commit(), 0);
    EXPECT_EQ(folder.read("Nudgely.ini"), QByteArray("[Display]\nFilter=1\nCentre=0\n"));
}

TEST(ConfigEditTest, AReadOnlyFileIsRefusedEvenWithNothingChanged)
{
    TempFolder folder;
    const QString path = folder.path("Nudgely.ini");
    folder.write(path, "[Display]\nFilter=1\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_EQ(commitEdits(path, {{"Display", "Filter", "0"}}), EACCES);
    EXPECT_EQ(commitEdits(path, {{"Display", "Filter", "1"}}), EACCES);
    EXPECT_EQ(commitEdits(path, {}), EACCES);
    EXPECT_EQ(folder.read(path), QByteArray("[Display]\nFilter=1\n"));
    EXPECT_EQ(configWriteFailureText(QStringLiteral("saving settings"), path, EACCES),
              "Nudgely failed to write to configuration file while saving settings:\n" + path +
                  "\n\nError 13: Permission denied");
    EXPECT_EQ(configWriteFailureText(QStringLiteral("migrating settings"), QStringLiteral("/x"), 9999),
              QStringLiteral("Nudgely failed to write to configuration file while migrating settings:\n/x\n\n"
                             "Error 9999: Unknown error."));
}

TEST(ConfigEditTest, AFileThatCouldNotBeReadIsNeverReplaced)
{
    TempFolder folder;
    const QString path = folder.path("Nudgely.ini");
    folder.write(path, "[Display]\nFilter=1\n");
    // Out of file descriptors while reading: the file is sound, but what it holds is unknown.
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    rlimit low = limit;
    low.rlim_cur = std::min<rlim_t>(limit.rlim_cur, 256);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    std::vector<int> held;
    for (int fd = 0; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
        held.push_back(fd);
    const IniDocument unread = readConfigFile(path);
    ConfigEdit edit(path);
    for (const int fd : held)
        ::close(fd);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &limit), 0);
    EXPECT_EQ(unread.toBytes(), QByteArray());
    ASSERT_EQ(edit.set(ConfigKeys::Filter, QStringLiteral("0")), 0);
    EXPECT_EQ(edit.commit(), EMFILE);
    EXPECT_EQ(folder.read(path), QByteArray("[Display]\nFilter=1\n"));

    QDir().mkpath(folder.path("folder.ini"));
    EXPECT_EQ(readConfigFile(folder.path("folder.ini")).toBytes(), QByteArray());
    EXPECT_EQ(commitEdits(folder.path("folder.ini"), {{"Display", "Filter", "0"}}), EISDIR);
}

} // namespace
} // namespace nudgely
