#include "ui/preferences/DataFilesPage.h"

#include "support/TestSession.h"
#include "ui/preferences/DataFileListModel.h"
#include "ui/preferences/PreferencesDialogs.h"

#include <QtWidgets>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// The file dialogs answer with the paths given, in turn.
struct AnsweringDialogs final : PreferencesDialogs {
    QString openDataFile(QWidget *) override { return paths.isEmpty() ? QString() : paths.takeFirst(); }
    QString newDataFile(QWidget *) override { return openDataFile(nullptr); }
    QString chooseEditor(QWidget *, const QString &) override { return {}; }
    std::optional<QColor> chooseColour(QWidget *, const QColor &) override { return {}; }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override { return {}; }
    QStringList paths;
};

TEST(DataFilesPageTest, APathWithALineBreakIsRefusedWithAMessageByAddAndNew)
{
    test::TestSession t;
    t.session.loadConfiguration();
    AnsweringDialogs dialogs;
    DataFilesPage page(t.session, dialogs);
    const QString broken = t.folder.path("data/two\nlines.txt");
    const QString plain = t.writeDataFile("plain.txt", "");
    dialogs.paths = {broken, t.folder.path("data/new\r.txt"), plain};
    page.addFile();
    page.newFile();
    EXPECT_EQ(page.model()->path(0), QString());
    ASSERT_EQ(t.messages.warnings.size(), 2);
    EXPECT_EQ(t.messages.warnings[0], "Nudgely cannot use the data file\n" + t.folder.path("data/two\u21b5lines.txt") +
                                          "\nIts name holds a line break (shown as \u21b5), which the configuration "
                                          "file cannot store. Rename the file, then add it again.");
    page.addFile();
    EXPECT_EQ(page.model()->path(0), plain);
    EXPECT_EQ(t.messages.warnings.size(), 2);
}

} // namespace
} // namespace nudgely
