#include "ui/preferences/DateFormatPage.h"

#include "events/DateParsing.h"

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
const char *const OptionArrays[3] = {"optnDayPos", "optnMonthPos", "optnYearPos"};
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
            option->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(OptionArrays[element])).arg(position));
            groups_[position - 1]->addButton(option);
            boxLayout->addWidget(option);
            options_[position - 1][element] = option;
            connect(option, &QRadioButton::clicked, this, [this, element, position] { optnPos_Click(element, position); });
        }
        positions->addWidget(box);
    }

    lstDateDelimiter_ = new QComboBox(group);
    lstDateDelimiter_->setObjectName(QStringLiteral("lstDateDelimiter"));
    lstDateDelimiter_->setToolTip(QStringLiteral("select date delimiter"));
    for (int index = 0; DateDelimiter(index); ++index)
        lstDateDelimiter_->addItem(QString(*DateDelimiter(index)));
    connect(lstDateDelimiter_, &QComboBox::currentIndexChanged, this, &DateFormatPage::ShowDateFormatExample);
    auto *delimiterLabel = new QLabel(QStringLiteral("Date De&limiter:"), group);
    delimiterLabel->setBuddy(lstDateDelimiter_);
    auto *delimiterLine = new QHBoxLayout;
    delimiterLine->addWidget(delimiterLabel);
    delimiterLine->addWidget(lstDateDelimiter_);
    delimiterLine->addStretch();

    lblSampleDateFormat_ = new QLabel(group);
    lblSampleDateFormat_->setObjectName(QStringLiteral("lblSampleDateFormat"));
    lblSampleDateFormat2_ = new QLabel(group);
    lblSampleDateFormat2_->setObjectName(QStringLiteral("lblSampleDateFormat2"));
    auto *samples = new QHBoxLayout;
    samples->addWidget(lblSampleDateFormat_);
    samples->addSpacing(24);
    samples->addWidget(lblSampleDateFormat2_);
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

void DateFormatPage::fill(int delimiter, int dayPos, int monthPos, int yearPos)
{
    lstDateDelimiter_->setCurrentIndex(delimiter >= 0 && delimiter < lstDateDelimiter_->count() ? delimiter : -1);
    // A stored position outside 1 to 3 names no option: nothing is selected for it.
    choice_.select(DayElement, dayPos);
    choice_.select(MonthElement, monthPos);
    choice_.select(YearElement, yearPos);
    showChoice();
    ShowDateFormatExample();
}

int DateFormatPage::delimiterIndex() const
{
    return lstDateDelimiter_->currentIndex();
}

void DateFormatPage::optnPos_Click(DateElement element, int position)
{
    choice_.select(element, position);
    showChoice();
    ShowDateFormatExample();
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

void DateFormatPage::ShowDateFormatExample()
{
    const QString delimiter = lstDateDelimiter_->currentText();
    lblSampleDateFormat_->setText(DateFormatSample(choice_, delimiter, false));
    lblSampleDateFormat2_->setText(DateFormatSample(choice_, delimiter, true));
}

} // namespace nudgely
