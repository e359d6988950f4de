#include "ui/preferences/EditorPage.h"

#include "ui/preferences/PreferencesDialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace nudgely {

EditorPage::EditorPage(QWidget *parent) : QWidget(parent)
{
    auto *group = new QGroupBox(QStringLiteral("Data File Editor"), this);
    optnUseDefaultEditor_[0] = new QRadioButton(QStringLiteral("Use Default &Text Editor (system default)"), group);
    optnUseDefaultEditor_[0]->setToolTip(QStringLiteral("use default text editor to edit datafiles"));
    auto *other = new QGroupBox(group);
    optnUseDefaultEditor_[1] = new QRadioButton(QStringLiteral("&Use Another Editor..."), other);
    optnUseDefaultEditor_[1]->setToolTip(QStringLiteral("use another editor to edit datafiles"));
    for (int index = 0; index < 2; ++index) {
        optnUseDefaultEditor_[index]->setObjectName(QStringLiteral("optnUseDefaultEditor_%1").arg(index));
        connect(optnUseDefaultEditor_[index], &QRadioButton::clicked, this,
                [this, index] { optnUseDefaultEditor_Click(index); });
    }
    lblEditor_ = new QLabel(other);
    lblEditor_->setObjectName(QStringLiteral("lblEditor"));
    lblEditor_->setFrameShape(QFrame::StyledPanel);
    lblEditor_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblEditor_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    btnBrowseEditor_ = new QPushButton(QStringLiteral("&Browse..."), other);
    btnBrowseEditor_->setObjectName(QStringLiteral("btnBrowseEditor"));
    btnBrowseEditor_->setToolTip(QStringLiteral("specify location of editor"));
    connect(btnBrowseEditor_, &QPushButton::clicked, this, &EditorPage::btnBrowseEditor_Click);
    chkEditMultiFiles_ = new QCheckBox(QStringLiteral("Editor Supports &Multiple Files"), other);
    chkEditMultiFiles_->setObjectName(QStringLiteral("chkEditMultiFiles"));
    chkEditMultiFiles_->setToolTip(QStringLiteral("this editor can edit multiple files simultaneously"));
    auto *explanation = new QLabel(
        QStringLiteral("(Checking this box will allow multiple data files to be selected and sent to the specified "
                       "editor together.  This will only work if the specified editor supports multiple files.)"),
        other);
    explanation->setWordWrap(true);

    auto *pathLine = new QHBoxLayout;
    pathLine->addWidget(lblEditor_, 1);
    pathLine->addWidget(btnBrowseEditor_);
    auto *otherLayout = new QVBoxLayout(other);
    otherLayout->addWidget(optnUseDefaultEditor_[1]);
    otherLayout->addLayout(pathLine);
    otherLayout->addWidget(chkEditMultiFiles_);
    otherLayout->addWidget(explanation);

    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(optnUseDefaultEditor_[0]);
    groupLayout->addWidget(other);
    groupLayout->addWidget(new QLabel(QStringLiteral("These options will take effect immediately."), group));
    groupLayout->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
}

void EditorPage::fill(bool useDefault, const QString &path, bool multiFile)
{
    optnUseDefaultEditor_[useDefault ? 0 : 1]->setChecked(true);
    optnUseDefaultEditor_Click(useDefault ? 0 : 1);
    lblEditor_->setText(path);
    chkEditMultiFiles_->setChecked(multiFile);
}

bool EditorPage::useDefaultEditor() const
{
    return optnUseDefaultEditor_[0]->isChecked();
}

QString EditorPage::editorPath() const
{
    return lblEditor_->text();
}

bool EditorPage::multiFile() const
{
    return chkEditMultiFiles_->isChecked();
}

void EditorPage::optnUseDefaultEditor_Click(int index)
{
    optnUseDefaultEditor_[1 - index]->setChecked(false);
    const bool another = index == 1;
    chkEditMultiFiles_->setEnabled(another);
    btnBrowseEditor_->setEnabled(another);
    lblEditor_->setEnabled(another);
}

void EditorPage::btnBrowseEditor_Click()
{
    const QString path = BrowseEditor(this);
    if (!path.isEmpty())
        lblEditor_->setText(path);
    update();
}

} // namespace nudgely
