#pragma once

#include "config/DateOrderChoice.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QLabel;
class QRadioButton;

namespace nudgely {

// The "Date Format " page: which element comes first, second and third, and the delimiter,
// with two samples of the format.
class DateFormatPage final : public QWidget {
    Q_OBJECT

public:
    explicit DateFormatPage(QWidget *parent = nullptr);

    // Selects the stored delimiter and positions, in the order day, month, year.
    void fill(int delimiter, int dayPos, int monthPos, int yearPos);
    const DateOrderChoice &choice() const { return choice_; }
    int delimiterIndex() const;

    // An element chosen at a position (1 to 3), as a click on its option does.
    void optnPos_Click(DateElement element, int position);
    void ShowDateFormatExample();

private:
    void showChoice();

    DateOrderChoice choice_;
    QRadioButton *options_[3][3] = {}; // [position - 1][element]
    QButtonGroup *groups_[3] = {};
    QComboBox *lstDateDelimiter_ = nullptr;
    QLabel *lblSampleDateFormat_ = nullptr;
    QLabel *lblSampleDateFormat2_ = nullptr;
};

} // namespace nudgely
