#include "config/IniSettings.h"

#include "startup/AppPaths.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>

namespace nudgely {
namespace {

using test::TestEnvironment;

class IniTest : public ::testing::Test {
protected:
    QString read(const char *section, const char *key, const char *fallback = "default") const
    {
        return ReadIniString(QString::fromUtf8(section), QString::fromUtf8(key), env.iniPath(),
                             QString::fromUtf8(fallback));
    }
    bool write(const char *section, const char *key, const QString &value) const
    {
        return WriteIniString(QString::fromUtf8(section), QString::fromUtf8(key), value, env.iniPath());
    }
    void makeIniReadOnly() const
    {
        QFile::setPermissions(env.iniPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }

    TestEnvironment env;
};

struct ReadCase {
    const char *name;
    QByteArray file;
    const char *section;
    const char *key;
    const char *expected;
};

class IniReadTest : public IniTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(IniReadTest, ReadsTheValueOrTheDefault)
{
    env.writeIni(GetParam().file);
    EXPECT_EQ(read(GetParam().section, GetParam().key), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniReadTest,
    ::testing::Values(
        ReadCase{"plain", "[Display]\nFilter=1\n", "Display", "Filter", "1"},
        ReadCase{"missingSection", "[Display]\nFilter=1\n", "Editor", "Filter", "default"},
        ReadCase{"missingKey", "[Display]\nFilter=1\n", "Display", "Centre", "default"},
        ReadCase{"emptyValueIsNotTheDefault", "[Editor]\nPath=\n", "Editor", "Path", ""},
        ReadCase{"namesIgnoreCase", "[dIsPlAy]\nfILTER=3\n", "Display", "Filter", "3"},
        ReadCase{"spacesTrimmed", "  [ Display ]  \n  Filter  =  7  \n", "Display", "Filter", "7"},
        ReadCase{"quotesDropped", "[Display]\nFontName=\" Arial \"\n", "Display", "FontName", " Arial "},
        ReadCase{"oneQuoteKept", "[Display]\nFontName=\"Arial\n", "Display", "FontName", "\"Arial"},
        ReadCase{"firstDuplicateWins", "[Display]\nFilter=1\nFilter=2\n", "Display", "Filter", "1"},
        ReadCase{"firstSectionWins", "[Display]\nFilter=1\n[Display]\nFilter=2\n", "Display", "Filter", "1"},
        ReadCase{"keyBeforeAnySection", "Filter=9\n[Display]\n", "Display", "Filter", "default"},
        ReadCase{"commentIsNoKey", "[Display]\n;Filter=9\n", "Display", "Filter", "default"},
        ReadCase{"equalsInValue", "[Editor]\nPath=/opt/a=b\n", "Editor", "Path", "/opt/a=b"},
        ReadCase{"crLfLines", "[Display]\r\nFilter=4\r\nCentre=0\r\n", "Display", "Centre", "0"},
        ReadCase{"loneCrLines", "[Display]\rFilter=4\rCentre=0", "Display", "Centre", "0"},
        ReadCase{"utf8ByteOrderMark", "\xEF\xBB\xBF[Display]\nFilter=5\n", "Display", "Filter", "5"},
        ReadCase{"utf8Value", "[Editor]\nPath=/home/j\xC3\xB6rg/ed\n", "Editor", "Path", "/home/j\xC3\xB6rg/ed"},
        ReadCase{"windows1252Value", "[Editor]\nPath=C:\\J\xF6rg\\\x80.exe\n", "Editor", "Path",
                 "C:\\J\xC3\xB6rg\\\xE2\x82\xAC.exe"},
        ReadCase{"binaryJunk", QByteArray("\x00\xFF[Display\x00]\nFilter=\x01\x02", 22), "Display", "Filter", "default"},
        ReadCase{"emptyFile", "", "Display", "Filter", "default"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(IniTest, AFolderInsteadOfTheFileGivesTheDefaultAndRefusesWrites)
{
    QDir().mkpath(env.iniPath());
    EXPECT_EQ(read("Display", "Filter", "x"), QStringLiteral("x"));
    EXPECT_FALSE(write("Display", "Filter", QStringLiteral("1")));
    EXPECT_EQ(LastIniError, EISDIR);
}

TEST_F(IniTest, LongValuesAreReadWhole)
{
    for (const int length : {254, 255, 256, 1000, 40000}) {
        const QString value(length, QLatin1Char('v'));
        ASSERT_TRUE(write("Editor", "Path", value));
        EXPECT_EQ(read("Editor", "Path"), value) << length;
    }
}

TEST_F(IniTest, WritingCreatesTheFileAndItsFolder)
{
    IniFilePath = env.root() + "/new/deeper/Nudgely.ini";
    ASSERT_TRUE(WriteIniString("Display", "Filter", "1", IniFilePath));
    EXPECT_EQ(env.readFile(IniFilePath), QByteArray("[Display]\nFilter=1\n"));
}

TEST_F(IniTest, ExistingKeyKeepsItsLineAndSpelling)
{
    env.writeIni("[Display]\nFILTER = 1\nCentre=1\n");
    ASSERT_TRUE(write("Display", "filter", QStringLiteral("0")));
    EXPECT_EQ(env.readIni(), QByteArray("[Display]\nFILTER = 0\nCentre=1\n"));
}

TEST_F(IniTest, NewKeyGoesAfterTheLastKeyOfItsSection)
{
    env.writeIni("; top\r\n[Display]\r\nFilter=1\r\n\r\n; about dates\r\n[DateFormat]\r\nDayPos=1\r\n[Editor]\r\n");
    ASSERT_TRUE(write("Display", "Centre", QStringLiteral("0")));
    ASSERT_TRUE(write("DateFormat", "MonthPos", QStringLiteral("2")));
    ASSERT_TRUE(write("Editor", "Path", QStringLiteral("vi")));
    EXPECT_EQ(env.readIni(), QByteArray("; top\r\n[Display]\r\nFilter=1\r\nCentre=0\r\n\r\n; about dates\r\n"
                                        "[DateFormat]\r\nDayPos=1\r\nMonthPos=2\r\n[Editor]\r\nPath=vi\r\n"));
}

TEST_F(IniTest, NewSectionGoesAtTheEndEvenWithoutAFinalLineBreak)
{
    env.writeIni("[Display]\nFilter=1");
    ASSERT_TRUE(write("Editor", "Path", QStringLiteral("vi")));
    EXPECT_EQ(env.readIni(), QByteArray("[Display]\nFilter=1\n\n[Editor]\nPath=vi\n"));
}

TEST_F(IniTest, EverythingNotWrittenStaysByteForByte)
{
    const QByteArray before = "\xEF\xBB\xBF; Jörg's settings \x80\r\n[Other]\r\nkeep = me\r\n\r\n"
                              "[Display]\r\n  Filter = 1\r\nunknown line\r\n\tCentre=0\r\n; tail comment";
    env.writeIni(before);
    ASSERT_TRUE(write("Display", "Filter", QStringLiteral("0")));
    ASSERT_TRUE(write("Display", "Filter", QStringLiteral("1")));
    EXPECT_EQ(env.readIni(), before);
}

TEST_F(IniTest, EmptyValueRemovesOnlyTheKeyLine)
{
    env.writeIni("[Editor]\nUseDefault=1\nPath=/usr/bin/vi\n; note\nPATH=duplicate\nMultiFile=0\n");
    ASSERT_TRUE(write("Editor", "path", QString()));
    EXPECT_EQ(env.readIni(), QByteArray("[Editor]\nUseDefault=1\n; note\nMultiFile=0\n"));
    EXPECT_EQ(read("Editor", "Path", "gone"), QStringLiteral("gone"));
}

TEST_F(IniTest, RemovingAMissingKeyChangesNothing)
{
    ASSERT_TRUE(write("Editor", "Path", QString()));
    EXPECT_FALSE(QFile::exists(env.iniPath()));
    env.writeIni("[Editor]\nUseDefault=1");
    ASSERT_TRUE(write("Editor", "Path", QString()));
    EXPECT_EQ(env.readIni(), QByteArray("[Editor]\nUseDefault=1"));
}

TEST_F(IniTest, ValuesThatReadingWouldChangeAreQuotedAndRoundTrip)
{
    for (const QString &value : {QStringLiteral(" padded "), QStringLiteral("\"quoted\""), QStringLiteral("\""),
                                 QStringLiteral("tab\t"), QStringLiteral("plain \"inner\" quotes")}) {
        ASSERT_TRUE(write("Display", "FontName", value));
        EXPECT_EQ(read("Display", "FontName"), value);
    }
}

TEST_F(IniTest, ReadOnlyFileIsRefusedWithPermissionDenied)
{
    env.writeIni("[Display]\nFilter=1\n");
    makeIniReadOnly();
    EXPECT_FALSE(write("Display", "Filter", QStringLiteral("0")));
    EXPECT_EQ(LastIniError, 13);
    EXPECT_EQ(LastIniErrorText, QStringLiteral("Permission denied"));
    EXPECT_EQ(env.readIni(), QByteArray("[Display]\nFilter=1\n"));
}

TEST_F(IniTest, EarlierFailureCodeIsKeptAfterALaterSuccess)
{
    env.writeIni("[Display]\nFilter=1\n");
    makeIniReadOnly();
    ASSERT_FALSE(write("Display", "Filter", QStringLiteral("0")));
    IniFilePath = env.root() + "/other.ini";
    ASSERT_TRUE(WriteIniString("Display", "Filter", "0", IniFilePath));
    EXPECT_EQ(LastIniError, EACCES);
    EXPECT_EQ(LastIniErrorText, QStringLiteral("Permission denied"));
}

TEST_F(IniTest, LineBreaksAreRefusedAndNothingIsWritten)
{
    env.writeIni("[Display]\nFilter=1\n");
    const std::tuple<QString, QString, QString> attempts[] = {
        {"Display", "Filter", "1\n[Injected]"},
        {"Display", "Filter", "1\rx"},
        {"Display\nX", "Filter", "1"},
        {"Display", "Fil\nter", "1"},
    };
    for (const auto &[section, key, value] : attempts) {
        LastIniError = 0;
        EXPECT_FALSE(WriteIniString(section, key, value, env.iniPath()));
        EXPECT_EQ(LastIniError, EINVAL);
        EXPECT_EQ(LastIniErrorText, QStringLiteral("Invalid argument"));
    }
    EXPECT_EQ(env.readIni(), QByteArray("[Display]\nFilter=1\n"));
}

TEST_F(IniTest, SymbolicLinkStaysALinkAndItsTargetIsUpdated)
{
    env.writeFile("real/settings.ini", "[Display]\nFilter=1\n");
    ASSERT_TRUE(QFile::link("../real/settings.ini", env.iniPath()));
    ASSERT_TRUE(write("Display", "Filter", QStringLiteral("0")));
    EXPECT_TRUE(QFileInfo(env.iniPath()).isSymLink());
    EXPECT_EQ(env.readFile("real/settings.ini"), QByteArray("[Display]\nFilter=0\n"));
}

TEST_F(IniTest, PermissionsAreKeptAndNoTemporaryFileRemains)
{
    env.writeIni("[Display]\nFilter=1\n");
    ASSERT_EQ(::chmod(QFile::encodeName(env.iniPath()).constData(), 0640), 0);
    ASSERT_TRUE(write("Display", "Filter", QStringLiteral("0")));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(env.iniPath()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(env.programFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Nudgely.ini"});
}

TEST_F(IniTest, BatchWritesOnceAndReadsWhatIsPending)
{
    env.writeIni("[Display]\nFilter=1\n");
    {
        IniWriteBatch batch(env.iniPath());
        ASSERT_TRUE(write("Display", "Filter", QStringLiteral("0")));
        ASSERT_TRUE(write("Display", "Centre", QStringLiteral("0")));
        EXPECT_EQ(read("Display", "Centre"), QStringLiteral("0"));
        EXPECT_EQ(env.readIni(), QByteArray("[Display]\nFilter=1\n"));
        ASSERT_TRUE(batch.commit());
    }
    EXPECT_EQ(env.readIni(), QByteArray("[Display]\nFilter=0\nCentre=0\n"));
}

TEST_F(IniTest, BatchRefusesAReadOnlyFileAtTheFirstWrite)
{
    env.writeIni("[Display]\nFilter=1\n");
    makeIniReadOnly();
    IniWriteBatch batch(env.iniPath());
    EXPECT_FALSE(write("Display", "Filter", QStringLiteral("0")));
    EXPECT_EQ(LastIniError, EACCES);
    EXPECT_TRUE(batch.commit()); // nothing was stored, so nothing to write
    EXPECT_EQ(env.readIni(), QByteArray("[Display]\nFilter=1\n"));
}

TEST_F(IniTest, BatchReportsAFailureAtCommit)
{
    IniFilePath = env.root() + "/blocked/Nudgely.ini";
    IniWriteBatch batch(IniFilePath);
    ASSERT_TRUE(WriteIniString("Display", "Filter", "1", IniFilePath));
    env.writeFile("blocked", "a file where the folder should be");
    EXPECT_FALSE(batch.commit());
    EXPECT_EQ(LastIniError, ENOTDIR);
}

} // namespace
} // namespace nudgely
