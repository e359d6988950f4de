#include "config/Registry.h"

#include "support/TestEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TestEnvironment;

const QString Settings = QStringLiteral("Software\\Nudgely\\Settings");

const QByteArray Export = "Windows Registry Editor Version 5.00\r\n"
                          "\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Nudgely]\r\n"
                          "\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Nudgely\\Settings]\r\n"
                          "\"frmCentre\"=dword:00000001\r\n"
                          "\"Minus\"=dword:ffffffff\r\n"
                          "\"Seven\"=dword:00000007\r\n"
                          "\"Editor\"=\"C:\\\\Program Files\\\\Ed \\\"Pro\\\"\\\\ed.exe\"\r\n"
                          "\"Empty\"=\"\"\r\n"
                          "@=\"default value\"\r\n"
                          "\"Blob\"=hex:01,02,03,\\\r\n"
                          "  04,05\r\n"
                          "\"Words\"=hex(4):2a,00,00,00\r\n"
                          "\"Expand\"=hex(2):25,00,54,00,00,00\r\n"
                          "\r\n";

QString ReadText(const QString &key, const QString &name, bool *ok = nullptr)
{
    QString text = QStringLiteral("unchanged");
    const bool read = ReadRegString(RegRoot::CurrentUser, key, name, text);
    if (ok)
        *ok = read;
    return text;
}

class RegistryTest : public ::testing::Test {
protected:
    TestEnvironment env;
};

TEST_F(RegistryTest, ReadsEveryValueKindOfAnExport)
{
    env.writeRegistry(Export);
    struct Case {
        const char *name;
        QString text;
    };
    const Case cases[] = {
        {"frmCentre", "1"},
        {"Minus", "-1"},
        {"Editor", "C:\\Program Files\\Ed \"Pro\"\\ed.exe"},
        {"Empty", ""},
        {"", "default value"},
        {"Words", "42"},
    };
    for (const Case &c : cases) {
        bool ok = false;
        EXPECT_EQ(ReadText(Settings, QString::fromLatin1(c.name), &ok), c.text) << c.name;
        EXPECT_TRUE(ok) << c.name;
    }
    // Other types are read without a text of their own.
    bool ok = false;
    EXPECT_EQ(ReadText(Settings, QStringLiteral("Blob"), &ok), QStringLiteral("unchanged"));
    EXPECT_TRUE(ok);
}

TEST_F(RegistryTest, NumbersReadOnlyFromDwords)
{
    env.writeRegistry(Export);
    qint32 number = 99;
    EXPECT_TRUE(ReadRegNumber(RegRoot::CurrentUser, Settings, QStringLiteral("Minus"), number));
    EXPECT_EQ(number, -1);
    EXPECT_TRUE(ReadRegNumber(RegRoot::CurrentUser, Settings, QStringLiteral("Seven"), number));
    EXPECT_EQ(number, 7);
    number = 99;
    for (const char *name : {"Editor", "Blob", "Missing", "Expand"})
        EXPECT_FALSE(ReadRegNumber(RegRoot::CurrentUser, Settings, QString::fromLatin1(name), number)) << name;
    EXPECT_EQ(number, 99);
}

TEST_F(RegistryTest, KeysAndNamesIgnoreCase)
{
    env.writeRegistry(Export);
    qint32 number = 0;
    EXPECT_TRUE(ReadRegNumber(RegRoot::CurrentUser, QStringLiteral("SOFTWARE\\nudgely\\settings"),
                              QStringLiteral("FRMCENTRE"), number));
    EXPECT_EQ(number, 1);
}

TEST_F(RegistryTest, MissingFileKeyOrValueFailsWithEmptyText)
{
    bool ok = true;
    EXPECT_EQ(ReadText(Settings, QStringLiteral("frmCentre"), &ok), QString());
    EXPECT_FALSE(ok);
    env.writeRegistry(Export);
    EXPECT_EQ(ReadText(QStringLiteral("Software\\Other"), QStringLiteral("x"), &ok), QString());
    EXPECT_FALSE(ok);
    EXPECT_EQ(ReadText(Settings, QStringLiteral("Nope"), &ok), QString());
    EXPECT_FALSE(ok);
}

TEST_F(RegistryTest, DataLongerThan1024BytesIsNotRead)
{
    env.writeRegistry("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Nudgely\\Settings]\n\"Long\"=\"" +
                      QByteArray(1024, 'x') + "\"\n\"Fits\"=\"" + QByteArray(1023, 'x') + "\"\n");
    bool ok = true;
    ReadText(Settings, QStringLiteral("Long"), &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(ReadText(Settings, QStringLiteral("Fits"), &ok).size(), 1023);
    EXPECT_TRUE(ok);
}

TEST_F(RegistryTest, ReadsAUtf16ExportFromWindows)
{
    const QString text = QString::fromUtf8(Export) +
                         QStringLiteral("[HKEY_CURRENT_USER\\Software\\Nudgely\\DataFiles]\r\n\"1File\"=\"C:\\\\J\u00f6rg\\\\dates.txt\"\r\n");
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    env.writeRegistry(bytes);
    EXPECT_EQ(ReadText(Settings, QStringLiteral("Editor")), QStringLiteral("C:\\Program Files\\Ed \"Pro\"\\ed.exe"));
    EXPECT_EQ(ReadText(QStringLiteral("Software\\Nudgely\\DataFiles"), QStringLiteral("1File")),
              QStringLiteral("C:\\J\u00f6rg\\dates.txt"));
}

TEST_F(RegistryTest, Windows1252Regedit4ExportReadsRight)
{
    env.writeRegistry("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Nudgely\\Settings]\r\n\"EventsFontName\"=\"Caf\xE9\"\r\n");
    EXPECT_EQ(ReadText(Settings, QStringLiteral("EventsFontName")), QStringLiteral("Caf\u00e9"));
}

TEST_F(RegistryTest, WriteCreatesFileAndKeyAndAnEmptyTextReadsBackEmpty)
{
    ASSERT_TRUE(WriteRegString(RegRoot::CurrentUser, QStringLiteral("Software\\New\\Key"), QStringLiteral("Name"),
                               QString()));
    bool ok = false;
    EXPECT_EQ(ReadText(QStringLiteral("Software\\New\\Key"), QStringLiteral("Name"), &ok), QString());
    EXPECT_TRUE(ok);
    ASSERT_TRUE(WriteRegString(RegRoot::CurrentUser, QStringLiteral("Software\\New\\Key"), QStringLiteral("name"),
                               QStringLiteral("a \"quoted\" \\ text")));
    EXPECT_EQ(ReadText(QStringLiteral("Software\\New\\Key"), QStringLiteral("Name")),
              QStringLiteral("a \"quoted\" \\ text"));
    EXPECT_TRUE(env.readRegistry().startsWith("Windows Registry Editor Version 5.00\r\n"));
}

TEST_F(RegistryTest, RewritingKeepsWhatItDidNotChange)
{
    env.writeRegistry(Export + "; a comment\r\n");
    ASSERT_TRUE(DeleteRegValue(RegRoot::CurrentUser, Settings, QStringLiteral("Seven")));
    bool ok = false;
    ReadText(Settings, QStringLiteral("Seven"), &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(ReadText(Settings, QStringLiteral("Editor")), QStringLiteral("C:\\Program Files\\Ed \"Pro\"\\ed.exe"));
    EXPECT_EQ(ReadText(Settings, QStringLiteral("Minus")), QStringLiteral("-1"));
    const QByteArray after = env.readRegistry();
    EXPECT_TRUE(after.contains("\"Blob\"=hex:01,02,03,04,05\r\n")) << after.constData();
    EXPECT_TRUE(after.contains("\"Expand\"=hex(2):25,00,54,00,00,00\r\n")) << after.constData();
    EXPECT_TRUE(after.contains("; a comment\r\n"));
}

TEST_F(RegistryTest, TextWithALineBreakSurvivesARewrite)
{
    for (const char *header : {"Windows Registry Editor Version 5.00", "REGEDIT4"}) {
        env.writeRegistry(QByteArray(header) + "\r\n");
        const QString text = QStringLiteral("first\nsecond\r\nthird");
        ASSERT_TRUE(WriteRegString(RegRoot::CurrentUser, Settings, QStringLiteral("Multi"), text));
        ASSERT_TRUE(WriteRegString(RegRoot::CurrentUser, Settings, QStringLiteral("After"), QStringLiteral("x")));
        EXPECT_EQ(ReadText(Settings, QStringLiteral("Multi")), text) << header;
        EXPECT_EQ(ReadText(Settings, QStringLiteral("After")), QStringLiteral("x")) << header;
    }
}

TEST_F(RegistryTest, Utf16FileStaysUtf16WhenRewritten)
{
    const QString text = QString::fromUtf8(Export);
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    env.writeRegistry(bytes);
    ASSERT_TRUE(DeleteRegValue(RegRoot::CurrentUser, Settings, QStringLiteral("Seven")));
    EXPECT_TRUE(env.readRegistry().startsWith("\xFF\xFEW\0i\0"));
    EXPECT_EQ(ReadText(Settings, QStringLiteral("Minus")), QStringLiteral("-1"));
}

TEST_F(RegistryTest, DeleteValueNeedsTheKeyAndTheValue)
{
    env.writeRegistry(Export);
    EXPECT_FALSE(DeleteRegValue(RegRoot::CurrentUser, QStringLiteral("Software\\Missing"), QStringLiteral("x")));
    EXPECT_FALSE(DeleteRegValue(RegRoot::CurrentUser, Settings, QStringLiteral("Missing")));
    EXPECT_EQ(env.readRegistry(), Export);
}

TEST_F(RegistryTest, DeleteKeyRemovesItsValuesButNotAKeyWithSubkeys)
{
    env.writeRegistry(Export);
    EXPECT_FALSE(DeleteRegKey(RegRoot::CurrentUser, QStringLiteral("Software\\Nudgely")));
    ASSERT_TRUE(DeleteRegKey(RegRoot::CurrentUser, Settings));
    bool ok = true;
    ReadText(Settings, QStringLiteral("Editor"), &ok);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(DeleteRegKey(RegRoot::CurrentUser, Settings));
    EXPECT_TRUE(DeleteRegKey(RegRoot::CurrentUser, QStringLiteral("Software\\Nudgely")));
}

TEST_F(RegistryTest, ImportDeletionsAreApplied)
{
    env.writeRegistry(Export + "[-HKEY_CURRENT_USER\\Software\\Nudgely\\Settings]\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Nudgely\\Other]\r\n\"a\"=\"1\"\r\n\"a\"=-\r\n");
    bool ok = true;
    ReadText(Settings, QStringLiteral("Editor"), &ok);
    EXPECT_FALSE(ok);
    ReadText(QStringLiteral("Software\\Nudgely\\Other"), QStringLiteral("a"), &ok);
    EXPECT_FALSE(ok);
}

TEST_F(RegistryTest, AFileThatIsNoExportReadsEmptyAndIsNeverOverwritten)
{
    const QByteArray junk = "this is not\r\n[HKEY_CURRENT_USER\\Software\\Nudgely\\Settings]\r\n\"frmCentre\"=dword:1\r\n";
    env.writeRegistry(junk);
    bool ok = true;
    ReadText(Settings, QStringLiteral("frmCentre"), &ok);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(WriteRegString(RegRoot::CurrentUser, Settings, QStringLiteral("x"), QStringLiteral("y")));
    EXPECT_FALSE(DeleteRegKey(RegRoot::CurrentUser, Settings));
    EXPECT_EQ(env.readRegistry(), junk);
}

TEST_F(RegistryTest, MangledLinesInsideAnExportAreKeptAndSkipped)
{
    env.writeRegistry("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Nudgely\\Settings]\n\"Bad\"=dword:xyz\n\"Open\"=\"no end\n"
                      "\"Good\"=dword:00000002\n");
    qint32 number = 0;
    EXPECT_TRUE(ReadRegNumber(RegRoot::CurrentUser, Settings, QStringLiteral("Good"), number));
    EXPECT_EQ(number, 2);
    EXPECT_FALSE(ReadRegNumber(RegRoot::CurrentUser, Settings, QStringLiteral("Bad"), number));
    ASSERT_TRUE(DeleteRegValue(RegRoot::CurrentUser, Settings, QStringLiteral("Good")));
    EXPECT_TRUE(env.readRegistry().contains("\"Bad\"=dword:xyz\n\"Open\"=\"no end\n"));
}

} // namespace
} // namespace nudgely
