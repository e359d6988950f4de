#include "ui/about/AboutDialog.h"
#include "ui/about/HelpWindow.h"

#include "support/TestSession.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace nudgely {
namespace {

// The main window of a run, loaded as at start-up.
struct Window {
    Window() { window.load(); }
    QAction *action(const char *name) const { return window.findChild<QAction *>(QLatin1String(name)); }
    // Opens the modal About box and, once it is up, answers it as the user would.
    void openAbout(const std::function<void(AboutDialog &)> &answer)
    {
        QTimer::singleShot(0, &window, [this, answer] {
            AboutDialog *about = window.aboutDialog();
            answer(*about);
            EXPECT_FALSE(about->isVisible()) << "the answer left the About box open";
            about->hide(); // so that a failure does not hang the test
        });
        action("aboutAction")->trigger();
    }

    test::TestSession s;
    MainWindow window{s.session};
};

TEST(AboutAndHelpTest, TheAboutBoxShowsNameAndVersionAndOkKeepsItForTheNextOpening)
{
    Window w;
    w.openAbout([](AboutDialog &about) { about.findChild<QPushButton *>(QStringLiteral("okButton"))->click(); });
    const QPointer<AboutDialog> about = w.window.aboutDialog();
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Nudgely"));
    EXPECT_EQ(about->nameLabel()->text(), QStringLiteral("Nudgely"));
    EXPECT_EQ(about->versionLabel()->text(), QStringLiteral("version 1.4 rev 2  (1 October 2001)"));

    w.openAbout([](AboutDialog &box) { QTest::keyClick(&box, Qt::Key_Return); }); // Enter is OK too
    EXPECT_EQ(w.window.aboutDialog(), about.data());
    EXPECT_FALSE(about.isNull());
    // The close box unloads it instead.
    w.openAbout([](AboutDialog &box) { box.close(); });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

TEST(AboutAndHelpTest, F1AndSearchOpenTheGuideBesideTheProgramWhateverTheCurrentFolder)
{
    Window w;
    const QString guide = QDir(w.s.paths.programFolder).filePath(QStringLiteral("Nudgely.html"));
    // Missing, it is reported in the help window, which says where it looked.
    w.action("helpContentsAction")->trigger();
    ASSERT_NE(w.window.helpWindow(), nullptr);
    HelpWindow &help = *w.window.helpWindow();
    EXPECT_TRUE(help.browser()->toPlainText().contains(u"The user guide could not be found"));
    EXPECT_TRUE(help.browser()->toPlainText().contains(guide));
    EXPECT_TRUE(w.s.messages.warnings.isEmpty());

    w.s.folder.write(guide, "<h1>Guide</h1><p>Sorting by age.</p><p>More about age here.</p>");
    w.window.activateWindow(); // F1 is the main window's
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    const QString current = QDir::currentPath();
    QDir::setCurrent(w.s.folder.root());
    QTest::keyClick(&w.window, Qt::Key_F1);
    QDir::setCurrent(current);
    EXPECT_EQ(help.browser()->source().toLocalFile(), guide);
    EXPECT_TRUE(help.browser()->toPlainText().startsWith(u"Guide"));

    w.action("searchHelpAction")->trigger();
    EXPECT_EQ(help.focusWidget(), help.searchField());
    QTest::keyClicks(help.searchField(), QStringLiteral("age"));
    EXPECT_EQ(help.matchesLabel()->text(), QStringLiteral("2 found"));
    EXPECT_EQ(help.browser()->extraSelections().size(), 2);
    help.findNext();
    const int first = help.browser()->textCursor().position();
    help.findNext();
    EXPECT_GT(help.browser()->textCursor().position(), first);
    help.findNext(); // round to the first again
    EXPECT_EQ(help.browser()->textCursor().position(), first);
}

} // namespace
} // namespace nudgely
