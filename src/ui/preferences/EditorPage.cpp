#include "ui/preferences/EditorPage.h"

#include "app/EditorLauncher.h"
#include "app/Session.h"
#include "config/DesktopExec.h"
#include "ui/preferences/PreferencesDialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace nudgely {

EditorPage::EditorPage(Session &session, PreferencesDialogs &dialogs, QWidget *parent)
    : QWidget(parent), session_(session), dialogs_(dialogs)
{
    auto *group = new QGroupBox(QStringLiteral("Data File Editor"), this);
    defaultButton_ = new QRadioButton(QStringLiteral("Use Default &Text Editor (system default)"), group);
    defaultButton_->setObjectName(QStringLiteral("defaultEditorButton"));
    defaultButton_->setToolTip(QStringLiteral("use default text editor to edit datafiles"));
    auto *other = new QGroupBox(group);
    otherButton_ = new QRadioButton(QStringLiteral("&Use Another Editor..."), other);
    otherButton_->setObjectName(QStringLiteral("otherEditorButton"));
    otherButton_->setToolTip(QStringLiteral("use another editor to edit datafiles"));
    connect(defaultButton_, &QRadioButton::clicked, this, [this] { chooseDefault(true); });
    connect(otherButton_, &QRadioButton::clicked, this, [this] { chooseDefault(false); });
    commandEdit_ = new QLineEdit(other);
    commandEdit_->setObjectName(QStringLiteral("editorCommandEdit"));
    commandEdit_->setToolTip(QStringLiteral("the editor and its arguments, e.g. gedit --new-window; put an argument "
                                            "with spaces in double quotes"));
    browseButton_ = new QPushButton(QStringLiteral("&Browse..."), other);
    browseButton_->setObjectName(QStringLiteral("browseButton"));
    browseButton_->setToolTip(QStringLiteral("specify location of editor"));
    connect(browseButton_, &QPushButton::clicked, this, &EditorPage::browse);
    multiFileCheck_ = new QCheckBox(QStringLiteral("Editor Supports &Multiple Files"), other);
    multiFileCheck_->setObjectName(QStringLiteral("multiFileCheck"));
    multiFileCheck_->setToolTip(QStringLiteral("this editor can edit multiple files simultaneously"));
    auto *explanation = new QLabel(
        QStringLiteral("(Checking this box will allow multiple data files to be selected and sent to the specified "
                       "editor together.  This will only work if the specified editor supports multiple files.)"),
        other);
    explanation->setWordWrap(true);

    auto *pathLine = new QHBoxLayout;
    pathLine->addWidget(commandEdit_, 1);
    pathLine->addWidget(browseButton_);
    auto *otherLayout = new QVBoxLayout(other);
    otherLayout->addWidget(otherButton_);
    otherLayout->addLayout(pathLine);
    otherLayout->addWidget(multiFileCheck_);
    otherLayout->addWidget(explanation);

    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(defaultButton_);
    groupLayout->addWidget(other);
    groupLayout->addWidget(new QLabel(QStringLiteral("These options take effect when you click Apply or OK."), group));
    groupLayout->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
}

void EditorPage::fill(bool useDefault, const QString &command, bool multiFile)
{
    (useDefault ? defaultButton_ : otherButton_)->setChecked(true);
    chooseDefault(useDefault);
    commandEdit_->setText(command);
    multiFileCheck_->setChecked(multiFile);
}

bool EditorPage::useDefaultEditor() const
{
    return defaultButton_->isChecked();
}

QString EditorPage::editorCommand() const
{
    return commandEdit_->text();
}

bool EditorPage::multiFile() const
{
    return multiFileCheck_->isChecked();
}

void EditorPage::chooseDefault(bool useDefault)
{
    (useDefault ? otherButton_ : defaultButton_)->setChecked(false);
    multiFileCheck_->setEnabled(!useDefault);
    browseButton_->setEnabled(!useDefault);
    commandEdit_->setEnabled(!useDefault);
}

void EditorPage::browse()
{
    session_.showStatus(QString());
    // The dialog starts at the editor as applied, not as this page shows it.
    QStringList words;
    QString unused;
    splitEditorCommand(session_.settings().editorPath, words, unused);
    const QString path = dialogs_.chooseEditor(this, words.value(0));
    // Quoted when it needs it, so that a path with spaces stays one program.
    if (!path.isEmpty())
        commandEdit_->setText(desktopExecArgument(path));
}

} // namespace nudgely
