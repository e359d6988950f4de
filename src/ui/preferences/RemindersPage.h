#pragma once

#include "config/Settings.h"

#include <QWidget>

class QCheckBox;
class QSpinBox;

namespace nudgely {

// The "Reminders " page: what Nudgely does besides showing the list, the notification of
// what is due and staying current while it runs.
class RemindersPage final : public QWidget {
    Q_OBJECT

public:
    explicit RemindersPage(QWidget *parent = nullptr);

    void fill(const ReminderSettings &reminders);
    ReminderSettings reminders() const;
    // Without a notification area its box keeps what was stored, and cannot be changed.
    void setTrayAvailable(bool available);

private:
    QCheckBox *notifyCheck_ = nullptr;
    QSpinBox *daysAheadSpin_ = nullptr;
    QCheckBox *keepInTrayCheck_ = nullptr;
    QCheckBox *updateAtMidnightCheck_ = nullptr;
    QCheckBox *reloadOnChangeCheck_ = nullptr;
};

} // namespace nudgely
