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

    QPushButton *centreNowButton() const { return centreNowButton_; }
    QPushButton *resetButton() const { return resetButton_; }

private:
    QCheckBox *autoStartCheck_ = nullptr;
    QRadioButton *rememberButton_ = nullptr;
    QRadioButton *centreButton_ = nullptr;
    QPushButton *centreNowButton_ = nullptr;
    QPushButton *resetButton_ = nullptr;
};

} // namespace nudgely
