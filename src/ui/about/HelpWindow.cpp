#include "ui/about/HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace nudgely {

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Nudgely Help"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);

    searchBar_ = new QWidget(this);
    searchField_ = new QLineEdit(searchBar_);
    searchField_->setObjectName(QStringLiteral("helpSearch"));
    searchField_->setPlaceholderText(QStringLiteral("Find in the guide"));
    searchField_->setClearButtonEnabled(true);
    auto *previous = new QPushButton(QStringLiteral("&Previous"), searchBar_);
    auto *next = new QPushButton(QStringLiteral("&Next"), searchBar_);
    matches_ = new QLabel(searchBar_);
    matches_->setObjectName(QStringLiteral("helpMatches"));
    auto *bar = new QHBoxLayout(searchBar_);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addWidget(new QLabel(QStringLiteral("&Search:"), searchBar_));
    bar->addWidget(searchField_, 1);
    bar->addWidget(previous);
    bar->addWidget(next);
    bar->addWidget(matches_);
    qobject_cast<QLabel *>(bar->itemAt(0)->widget())->setBuddy(searchField_);

    connect(searchField_, &QLineEdit::textChanged, this, &HelpWindow::highlightMatches);
    connect(searchField_, &QLineEdit::returnPressed, this, &HelpWindow::findNext);
    connect(next, &QPushButton::clicked, this, &HelpWindow::findNext);
    connect(previous, &QPushButton::clicked, this, &HelpWindow::findPrevious);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        searchField_->setFocus();
        searchField_->selectAll();
    });
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this, &HelpWindow::findNext);
    connect(new QShortcut(QKeySequence::FindPrevious, this), &QShortcut::activated, this, &HelpWindow::findPrevious);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(searchBar_);
    layout->addWidget(browser_, 1);
    resize(760, 600);
}

void HelpWindow::load(const QString &helpFile)
{
    if (QFileInfo(helpFile).isFile()) {
        browser_->setSource(QUrl::fromLocalFile(helpFile));
        browser_->reload();
        return;
    }
    // Said here, where the guide should be, rather than in a message box.
    browser_->setHtml(QStringLiteral("<h2>The user guide could not be found</h2>"
                                     "<p>%1 looked for it at</p><p><code>%2</code></p>"
                                     "<p>Reinstalling %1 puts it back.</p>")
                          .arg(QStringLiteral("Nudgely"), helpFile.toHtmlEscaped()));
}

void HelpWindow::showContents(const QString &helpFile)
{
    load(helpFile);
    browser_->moveCursor(QTextCursor::Start);
    browser_->verticalScrollBar()->setValue(0);
    show();
    raise();
    activateWindow();
    browser_->setFocus();
}

void HelpWindow::startSearch()
{
    searchField_->setFocus();
    searchField_->selectAll();
}

void HelpWindow::highlightMatches()
{
    QList<QTextEdit::ExtraSelection> selections;
    const QString text = searchField_->text();
    if (!text.isEmpty()) {
        QTextCursor cursor(browser_->document());
        QTextCharFormat format;
        format.setBackground(palette().color(QPalette::Highlight).lighter(160));
        for (;;) {
            cursor = browser_->document()->find(text, cursor);
            if (cursor.isNull())
                break;
            selections.append({cursor, format});
        }
    }
    browser_->setExtraSelections(selections);
    matches_->setText(text.isEmpty() ? QString()
                                     : selections.isEmpty() ? QStringLiteral("not found")
                                                            : QStringLiteral("%1 found").arg(selections.size()));
}

void HelpWindow::find(bool backwards)
{
    const QString text = searchField_->text();
    if (text.isEmpty())
        return;
    const QTextDocument::FindFlags flags = backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (!browser_->find(text, flags)) {
        // Round from the other end, as a search field does.
        browser_->moveCursor(backwards ? QTextCursor::End : QTextCursor::Start);
        browser_->find(text, flags);
    }
}

void HelpWindow::findNext()
{
    find(false);
}

void HelpWindow::findPrevious()
{
    find(true);
}

} // namespace nudgely
