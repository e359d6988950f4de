#include "ui/preferences/WindowsPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace nudgely {

WindowsPage::WindowsPage(QWidget *parent) : QWidget(parent)
{
    auto *size = new QGroupBox(QStringLiteral("Window Size and Column Widths"), this);
    btnReset_ = new QPushButton(QStringLiteral("Reset"), size);
    btnReset_->setObjectName(QStringLiteral("btnReset"));
    btnReset_->setToolTip(QStringLiteral("reset Nudgely window size and column widths"));
    auto *explanation =
        new QLabel(QStringLiteral("Clicking Reset will reset the window size and column widths to default settings."), size);
    explanation->setWordWrap(true);
    auto *sizeLayout = new QHBoxLayout(size);
    sizeLayout->addWidget(btnReset_);
    sizeLayout->addWidget(explanation, 1);

    auto *location = new QGroupBox(QStringLiteral("Startup Window Location"), this);
    optnCentreForm_[1] = new QRadioButton(QStringLiteral("&Remember Location From Last Time"), location);
    optnCentreForm_[1]->setToolTip(QStringLiteral("remember Nudgely location"));
    optnCentreForm_[0] = new QRadioButton(QStringLiteral("&Centre Nudgely on the Screen"), location);
    optnCentreForm_[0]->setToolTip(QStringLiteral("centre Nudgely"));
    for (int index = 0; index < 2; ++index)
        optnCentreForm_[index]->setObjectName(QStringLiteral("optnCentreForm_%1").arg(index));
    btnCentreNow_ = new QPushButton(QStringLiteral("Centre &Now"), location);
    btnCentreNow_->setObjectName(QStringLiteral("btnCentreNow"));
    btnCentreNow_->setToolTip(QStringLiteral("centre Nudgely on the screen now"));
    auto *locationLayout = new QVBoxLayout(location);
    locationLayout->addWidget(optnCentreForm_[1]);
    locationLayout->addWidget(optnCentreForm_[0]);
    auto *centreLine = new QHBoxLayout;
    centreLine->addStretch();
    centreLine->addWidget(btnCentreNow_);
    locationLayout->addLayout(centreLine);

    auto *startup = new QGroupBox(QStringLiteral("Nudgely Startup"), this);
    chkAutoStart_ = new QCheckBox(QStringLiteral("Auto &Start Nudgely (start with Windows)"), startup);
    chkAutoStart_->setObjectName(QStringLiteral("chkAutoStart"));
    chkAutoStart_->setToolTip(QStringLiteral("auto start Nudgely on login to Windows"));
    auto *startupLayout = new QVBoxLayout(startup);
    startupLayout->addWidget(chkAutoStart_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(size);
    layout->addWidget(location);
    layout->addWidget(startup);
    layout->addStretch();
}

void WindowsPage::fill(bool centre, bool autoStart)
{
    optnCentreForm_[centre ? 0 : 1]->setChecked(true);
    chkAutoStart_->setChecked(autoStart);
}

bool WindowsPage::centre() const
{
    return optnCentreForm_[0]->isChecked();
}

bool WindowsPage::autoStart() const
{
    return chkAutoStart_->isChecked();
}

} // namespace nudgely
