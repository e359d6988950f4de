#include "ui/preferences/RemindersPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace nudgely {

namespace {

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(tip);
    return box;
}

} // namespace

RemindersPage::RemindersPage(QWidget *parent) : QWidget(parent)
{
    auto *notification = new QGroupBox(QStringLiteral("Notification"), this);
    notifyCheck_ = checkBox(notification, "notifyCheck", QStringLiteral("Show a desktop &notification of what is due"),
                            QStringLiteral("when Nudgely starts, and on each new day while it runs"));
    daysAheadSpin_ = new QSpinBox(notification);
    daysAheadSpin_->setObjectName(QStringLiteral("daysAheadSpin"));
    daysAheadSpin_->setRange(0, 60);
    daysAheadSpin_->setToolTip(QStringLiteral("0: today's events only"));
    connect(notifyCheck_, &QCheckBox::toggled, daysAheadSpin_, &QSpinBox::setEnabled);
    auto *daysLabel = new QLabel(QStringLiteral("&days ahead"), notification);
    daysLabel->setBuddy(daysAheadSpin_);
    auto *daysLine = new QHBoxLayout;
    daysLine->addSpacing(24);
    daysLine->addWidget(daysAheadSpin_);
    daysLine->addWidget(daysLabel);
    daysLine->addStretch();
    auto *notificationLayout = new QVBoxLayout(notification);
    notificationLayout->addWidget(notifyCheck_);
    notificationLayout->addLayout(daysLine);

    auto *running = new QGroupBox(QStringLiteral("While Nudgely Runs"), this);
    keepInTrayCheck_ = checkBox(running, "keepInTrayCheck", QStringLiteral("&Keep running in the notification area"),
                                QString());
    updateAtMidnightCheck_ =
        checkBox(running, "updateAtMidnightCheck", QStringLiteral("&Update the list at midnight"),
                 QStringLiteral("the day counts move on with the date, also after the computer slept"));
    reloadOnChangeCheck_ =
        checkBox(running, "reloadOnChangeCheck", QStringLiteral("R&eload when a data file changes"),
                 QStringLiteral("a data file saved in an editor is read again at once"));
    auto *runningLayout = new QVBoxLayout(running);
    runningLayout->addWidget(keepInTrayCheck_);
    runningLayout->addWidget(updateAtMidnightCheck_);
    runningLayout->addWidget(reloadOnChangeCheck_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(notification);
    layout->addWidget(running);
    layout->addStretch();
    setTrayAvailable(true);
}

void RemindersPage::setTrayAvailable(bool available)
{
    keepInTrayCheck_->setEnabled(available);
    keepInTrayCheck_->setToolTip(available
                                     ? QStringLiteral("closing the window leaves Nudgely running, with its icon in "
                                                      "the notification area")
                                     : QStringLiteral("this desktop has no notification area"));
}

void RemindersPage::fill(const ReminderSettings &reminders)
{
    notifyCheck_->setChecked(reminders.notify != 0);
    daysAheadSpin_->setEnabled(reminders.notify != 0);
    daysAheadSpin_->setValue(reminders.daysAhead); // beyond the range: its nearest end
    keepInTrayCheck_->setChecked(reminders.keepInTray != 0);
    updateAtMidnightCheck_->setChecked(reminders.updateAtMidnight != 0);
    reloadOnChangeCheck_->setChecked(reminders.reloadOnChange != 0);
}

ReminderSettings RemindersPage::reminders() const
{
    ReminderSettings r;
    r.notify = notifyCheck_->isChecked() ? 1 : 0;
    r.daysAhead = static_cast<quint8>(daysAheadSpin_->value());
    r.keepInTray = keepInTrayCheck_->isChecked() ? 1 : 0;
    r.updateAtMidnight = updateAtMidnightCheck_->isChecked() ? 1 : 0;
    r.reloadOnChange = reloadOnChangeCheck_->isChecked() ? 1 : 0;
    return r;
}

} // namespace nudgely
