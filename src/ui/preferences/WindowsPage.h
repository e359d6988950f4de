#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace nudgely {

// The "Windows " page: default size, where the main window opens, and starting at login.
class WindowsPage final : public QWidget {
    Q_OBJECT

public:
    explicit WindowsPage(QWidget *parent = nullptr);

    void fill(bool centre, bool autoStart);
    bool centre() const;
    bool autoStart() const;

    QPushButton *centreNowButton() const { return btnCentreNow_; }
    QPushButton *resetButton() const { return btnReset_; }

private:
    QCheckBox *chkAutoStart_ = nullptr;
    QRadioButton *optnCentreForm_[2] = {}; // 0 centred, 1 remembered
    QPushButton *btnCentreNow_ = nullptr;
    QPushButton *btnReset_ = nullptr;
};

} // namespace nudgely
