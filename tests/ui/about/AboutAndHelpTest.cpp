#include "ui/about/AboutDialog.h"
#include "ui/about/HelpWindow.h"

#include "startup/AppPaths.h"
#include "support/TestEnvironment.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace nudgely {
namespace {

using test::TestEnvironment;

class AboutAndHelpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.writeIni("");
        window = std::make_unique<frmMain>();
        window->Form_Load();
    }
    void TearDown() override
    {
        if (HelpWindow *help = OpenHelpWindow())
            delete help;
        window.reset();
    }
    QAction *action(const char *name) const { return window->findChild<QAction *>(QLatin1String(name)); }
    // Opens the About box and presses OK on it once it is up.
    void openAboutAndPressOk()
    {
        QTimer::singleShot(0, window.get(), [this] {
            window->aboutBox()->findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
        });
        action("menuAbout")->trigger();
    }

    TestEnvironment env;
    std::unique_ptr<frmMain> window;
};

TEST_F(AboutAndHelpTest, AboutShowsNameVersionAndBuildDateAndReopensWithoutLoading)
{
    const int loadsBefore = frmAbout::loads();
    openAboutAndPressOk();
    frmAbout *about = window->aboutBox();
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Nudgely"));
    EXPECT_EQ(about->appNameLabel()->text(), QStringLiteral("Nudgely"));
    EXPECT_TRUE(about->appNameLabel()->font().bold());
    EXPECT_EQ(about->versionLabel()->text(), QStringLiteral("version 1.4 rev 2  (1 October 2001)"));
    EXPECT_EQ(about->font().family(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(about->findChild<QPushButton *>(QStringLiteral("btnClose"))->isDefault());

    openAboutAndPressOk();
    EXPECT_EQ(window->aboutBox(), about);
    EXPECT_EQ(frmAbout::loads(), loadsBefore + 1);
}

TEST_F(AboutAndHelpTest, F1AndSearchOpenTheGuideFromAnyCurrentFolder)
{
    env.writeFile(env.programFolder() + "/Nudgely.html",
                  "<html><body><h1>Guide</h1><p>Sorting by age.</p><p>More about age here.</p></body></html>");
    HelpFilePath = FindHelpFile();
    const QString saved = QDir::currentPath();
    QDir::setCurrent(env.xdgConfigHome());

    QTest::keyClick(window.get(), Qt::Key_F1);
    HelpWindow *help = OpenHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->browser()->source().toLocalFile(), env.programFolder() + "/Nudgely.html");
    EXPECT_TRUE(help->browser()->toPlainText().startsWith(QStringLiteral("Guide")));

    action("menuSearchHelp")->trigger();
    EXPECT_EQ(help->focusWidget(), help->searchField());
    QTest::keyClicks(help->searchField(), QStringLiteral("age"));
    EXPECT_EQ(help->matchesLabel()->text(), QStringLiteral("2 found"));
    EXPECT_EQ(help->browser()->extraSelections().size(), 2);
    help->findNext();
    const int first = help->browser()->textCursor().position();
    help->findNext();
    EXPECT_GT(help->browser()->textCursor().position(), first);
    help->findNext(); // round to the first again
    EXPECT_EQ(help->browser()->textCursor().position(), first);
    QDir::setCurrent(saved);
}

TEST_F(AboutAndHelpTest, AMissingGuideIsReportedInTheHelpWindow)
{
    HelpFilePath = env.root() + "/nowhere/Nudgely.html";
    action("menuHelpContents")->trigger();
    HelpWindow *help = OpenHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("The user guide could not be found")));
    EXPECT_TRUE(help->browser()->toPlainText().contains(HelpFilePath));
    EXPECT_TRUE(env.presenter.messages.empty());
}

TEST(FindHelpFileTest, BesideTheProgramElseTheInstalledSharedFolder)
{
    TestEnvironment env;
    SetProgramFolder(env.root() + "/prefix/bin");
    EXPECT_EQ(FindHelpFile(), env.root() + "/prefix/bin/Nudgely.html"); // neither: where it belongs
    env.writeFile("prefix/share/nudgely/Nudgely.html", "<p>installed</p>");
    EXPECT_EQ(FindHelpFile(), env.root() + "/prefix/share/nudgely/Nudgely.html");
    env.writeFile("prefix/bin/Nudgely.html", "<p>beside</p>");
    EXPECT_EQ(FindHelpFile(), env.root() + "/prefix/bin/Nudgely.html");
}

} // namespace
} // namespace nudgely
