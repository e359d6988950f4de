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
    resetButton_ = new QPushButton(QStringLiteral("Reset"), size);
    resetButton_->setObjectName(QStringLiteral("resetButton"));
    resetButton_->setToolTip(QStringLiteral("reset Nudgely window size and column widths"));
    auto *explanation =
        new QLabel(QStringLiteral("Clicking Reset will reset the window size and column widths to default settings."), size);
    explanation->setWordWrap(true);
    auto *sizeLayout = new QHBoxLayout(size);
    sizeLayout->addWidget(resetButton_);
    sizeLayout->addWidget(explanation, 1);

    auto *location = new QGroupBox(QStringLiteral("Startup Window Location"), this);
    rememberButton_ = new QRadioButton(QStringLiteral("&Remember Location From Last Time"), location);
    rememberButton_->setObjectName(QStringLiteral("rememberLocationButton"));
    rememberButton_->setToolTip(QStringLiteral("remember Nudgely location"));
    centreButton_ = new QRadioButton(QStringLiteral("&Centre Nudgely on the Screen"), location);
    centreButton_->setObjectName(QStringLiteral("centreButton"));
    centreButton_->setToolTip(QStringLiteral("centre Nudgely"));
    centreNowButton_ = new QPushButton(QStringLiteral("Centre &Now"), location);
    centreNowButton_->setObjectName(QStringLiteral("centreNowButton"));
    centreNowButton_->setToolTip(QStringLiteral("centre Nudgely on the screen now"));
    auto *locationLayout = new QVBoxLayout(location);
    locationLayout->addWidget(rememberButton_);
    locationLayout->addWidget(centreButton_);
    auto *centreLine = new QHBoxLayout;
    centreLine->addStretch();
    centreLine->addWidget(centreNowButton_);
    locationLayout->addLayout(centreLine);

    auto *startup = new QGroupBox(QStringLiteral("Nudgely Startup"), this);
    autoStartCheck_ = new QCheckBox(QStringLiteral("Auto &Start Nudgely (when you log in)"), startup);
    autoStartCheck_->setObjectName(QStringLiteral("autoStartCheck"));
    autoStartCheck_->setToolTip(QStringLiteral("start Nudgely when you log in"));
    auto *startupLayout = new QVBoxLayout(startup);
    startupLayout->addWidget(autoStartCheck_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(size);
    layout->addWidget(location);
    layout->addWidget(startup);
    layout->addStretch();
}

void WindowsPage::fill(bool centre, bool autoStart)
{
    (centre ? centreButton_ : rememberButton_)->setChecked(true);
    autoStartCheck_->setChecked(autoStart);
}

bool WindowsPage::centre() const
{
    return centreButton_->isChecked();
}

bool WindowsPage::autoStart() const
{
    return autoStartCheck_->isChecked();
}

} // namespace nudgely
