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
    void fill(int delimiter, int dayPosition, int monthPosition, int yearPosition);
    const DateOrderChoice &choice() const { return choice_; }
    int delimiterIndex() const;

    // An element chosen at a position (1 to 3), as a click on its option does.
    void chooseElement(DateElement element, int position);
    QRadioButton *elementButton(int position, DateElement element) const { return options_[position - 1][element]; }
    QLabel *numericSample() const { return numericSample_; }
    QLabel *monthNameSample() const { return monthNameSample_; }

private:
    void showChoice();
    void showSamples();

    DateOrderChoice choice_;
    QRadioButton *options_[3][3] = {}; // [position - 1][element]
    QButtonGroup *groups_[3] = {};
    QComboBox *delimiterList_ = nullptr;
    QLabel *numericSample_ = nullptr;
    QLabel *monthNameSample_ = nullptr;
};

} // namespace nudgely
