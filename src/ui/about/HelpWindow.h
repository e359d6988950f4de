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
    // The search field ready for typing.
    void startSearch();

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

} // namespace nudgely
