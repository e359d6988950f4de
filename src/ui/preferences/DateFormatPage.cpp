#include "ui/preferences/DateFormatPage.h"

#include "events/DateFormat.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace nudgely {

namespace {
const char *const ElementNames[3] = {"day", "month", "year"};
const char *const PositionCaptions[3] = {"First Element", "Second Element", "Third Element"};
} // namespace

DateFormatPage::DateFormatPage(QWidget *parent) : QWidget(parent)
{
    auto *group = new QGroupBox(QStringLiteral("Date Format"), this);
    auto *positions = new QHBoxLayout;
    for (int position = 1; position <= 3; ++position) {
        auto *box = new QGroupBox(QLatin1String(PositionCaptions[position - 1]), group);
        auto *boxLayout = new QVBoxLayout(box);
        groups_[position - 1] = new QButtonGroup(box);
        for (const DateElement element : {DayElement, MonthElement, YearElement}) {
            auto *option = new QRadioButton(QLatin1String(ElementNames[element]), box);
            option->setObjectName(QStringLiteral("%1Position%2Button").arg(QLatin1String(ElementNames[element])).arg(position));
            groups_[position - 1]->addButton(option);
            boxLayout->addWidget(option);
            options_[position - 1][element] = option;
            connect(option, &QRadioButton::clicked, this, [this, element, position] { chooseElement(element, position); });
        }
        positions->addWidget(box);
    }

    delimiterList_ = new QComboBox(group);
    delimiterList_->setObjectName(QStringLiteral("delimiterList"));
    delimiterList_->setToolTip(QStringLiteral("select date delimiter"));
    for (const char16_t delimiter : DateDelimiters)
        delimiterList_->addItem(QString(QChar(delimiter)));
    connect(delimiterList_, &QComboBox::currentIndexChanged, this, &DateFormatPage::showSamples);
    auto *delimiterLabel = new QLabel(QStringLiteral("Date De&limiter:"), group);
    delimiterLabel->setBuddy(delimiterList_);
    auto *delimiterLine = new QHBoxLayout;
    delimiterLine->addWidget(delimiterLabel);
    delimiterLine->addWidget(delimiterList_);
    delimiterLine->addStretch();

    numericSample_ = new QLabel(group);
    numericSample_->setObjectName(QStringLiteral("numericSample"));
    monthNameSample_ = new QLabel(group);
    monthNameSample_->setObjectName(QStringLiteral("monthNameSample"));
    auto *samples = new QHBoxLayout;
    samples->addWidget(numericSample_);
    samples->addSpacing(24);
    samples->addWidget(monthNameSample_);
    samples->addStretch();

    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(new QLabel(QStringLiteral("Specify the format of dates in your datafiles:"), group));
    groupLayout->addLayout(positions);
    groupLayout->addLayout(delimiterLine);
    groupLayout->addWidget(new QLabel(QStringLiteral("Expected date format using currently selected options:"), group));
    groupLayout->addLayout(samples);
    groupLayout->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
}

void DateFormatPage::fill(int delimiter, int dayPosition, int monthPosition, int yearPosition)
{
    delimiterList_->setCurrentIndex(delimiter >= 0 && delimiter < delimiterList_->count() ? delimiter : -1);
    // A stored position outside 1 to 3 names no option: nothing is selected for it.
    choice_.select(DayElement, dayPosition);
    choice_.select(MonthElement, monthPosition);
    choice_.select(YearElement, yearPosition);
    showChoice();
    showSamples();
}

int DateFormatPage::delimiterIndex() const
{
    return delimiterList_->currentIndex();
}

void DateFormatPage::chooseElement(DateElement element, int position)
{
    choice_.select(element, position);
    showChoice();
    showSamples();
}

void DateFormatPage::showChoice()
{
    for (int position = 1; position <= 3; ++position) {
        // Non-exclusive for a moment, so that a position can show nothing selected.
        groups_[position - 1]->setExclusive(false);
        for (const DateElement element : {DayElement, MonthElement, YearElement})
            options_[position - 1][element]->setChecked(choice_.isSelected(position, element));
        groups_[position - 1]->setExclusive(true);
    }
}

void DateFormatPage::showSamples()
{
    const QString delimiter = delimiterList_->currentText();
    numericSample_->setText(dateFormatSample(choice_, delimiter, false));
    monthNameSample_->setText(dateFormatSample(choice_, delimiter, true));
}

} // namespace nudgely
