#include "ui/about/AboutDialog.h"
#include "ui/about/HelpWindow.h"

#include "support/TestSession.h"
#include "ui/main/MainWindow.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

TEST(AboutAndHelpTest, TheAboutBoxIsKeptUntilItsCloseBoxAndF1AndSearchOpenTheGuideBesideTheProgram)
{
    test::TestSession s;
    MainWindow window(s.session);
    window.load();
    const auto action = [&window](const char *name) { return window.findChild<QAction *>(QLatin1String(name)); };
    // Opens the modal About box from the menu and, once it is up, answers it as the user would.
    const auto openAbout = [&](const std::function<void(AboutDialog &)> &answer) {
        QTimer::singleShot(0, &window, [&window, answer] {
            answer(*window.aboutDialog());
            EXPECT_FALSE(window.aboutDialog()->isVisible()) << "the answer left the About box open";
            window.aboutDialog()->hide(); // so that a failure does not hang the test
        });
        action("aboutAction")->trigger();
    };
    openAbout([](AboutDialog &box) { box.findChild<QPushButton *>(QStringLiteral("okButton"))->click(); });
    const QPointer<AboutDialog> about = window.aboutDialog();
    EXPECT_EQ((QStringList{about->windowTitle(), about->nameLabel()->text(), about->versionLabel()->text()}),
              (QStringList{"About Nudgely", "Nudgely", "version 1.4 rev 2  (1 October 2001)"}));
    openAbout([](AboutDialog &box) { QTest::keyClick(&box, Qt::Key_Return); }); // Enter and Esc are OK too
    openAbout([](AboutDialog &box) { QTest::keyClick(&box, Qt::Key_Escape); });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(about && window.aboutDialog() == about); // kept for the next opening, its window too
    EXPECT_TRUE(about->windowHandle() && about->windowHandle()->handle());
    openAbout([](AboutDialog &box) { box.close(); });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());

    // A missing guide is said in the help window, with where it was looked for.
    const QString guide = QDir(s.paths.programFolder).filePath(QStringLiteral("Nudgely.html"));
    action("helpContentsAction")->trigger();
    HelpWindow *help = window.helpWindow();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->browser()->toPlainText().contains(guide));
    EXPECT_TRUE(s.messages.warnings.isEmpty());

    s.folder.write(guide, "<h1>Guide</h1><p>Sorting by age.</p><p>More about age here.</p>");
    window.activateWindow(); // F1 is the main window's
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1); // the program folder is never the current one
    EXPECT_EQ(help->browser()->source().toLocalFile(), guide);

    action("searchHelpAction")->trigger();
    EXPECT_EQ(help->focusWidget(), help->searchField());
    QTest::keyClicks(help->searchField(), QStringLiteral("age")); // not in the page saying the guide is missing
    EXPECT_EQ(help->matchesLabel()->text(), u"2 found");
    EXPECT_EQ(help->browser()->extraSelections().size(), 2);
    const auto next = [help] { return help->findNext(), help->browser()->textCursor().position(); };
    const int first = next(), second = next();
    EXPECT_TRUE(second > first && next() == first) << "the third goes round to the first again";
}

} // namespace
} // namespace nudgely
