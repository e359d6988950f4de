#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QWidget;

namespace nudgely {

// The user guide in a window of its own, with a search field that highlights every match
// and steps through them.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Loads the guide (again, if it changed) and shows it from the top.
    void showContents(const QString &helpFile);
    // The same, with the search field ready for typing.
    void showSearch(const QString &helpFile);

    QTextBrowser *browser() const { return browser_; }
    QLineEdit *searchField() const { return searchField_; }
    QLabel *matchesLabel() const { return matches_; }

    // Highlights every match of the search text and moves to the next (or previous) one.
    void findNext();
    void findPrevious();

private:
    void load(const QString &helpFile);
    void highlightMatches();
    void find(bool backwards);

    QTextBrowser *browser_ = nullptr;
    QWidget *searchBar_ = nullptr;
    QLineEdit *searchField_ = nullptr;
    QLabel *matches_ = nullptr;
};

// The Help menu's two commands: the guide at its contents, and the guide ready to search.
// Both use HelpFilePath.
void ShowHelpContents(QWidget *owner);
void SearchHelp(QWidget *owner);
// The help window, once a command has opened it.
HelpWindow *OpenHelpWindow();

} // namespace nudgely
