#include "ui/preferences/EventsPage.h"

#include "ui/preferences/PreferencesDialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace nudgely {

namespace {

QCheckBox *CheckBox(QWidget *parent, const char *name, const QString &caption, const QString &tip = {})
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(tip);
    return box;
}

// An up-down with its unit, one line below its check box.
QSpinBox *UpDown(QWidget *parent, QVBoxLayout *layout, const char *name, int maximum, const QString &unit)
{
    auto *upDown = new QSpinBox(parent);
    upDown->setObjectName(QLatin1String(name));
    upDown->setRange(1, maximum);
    upDown->setToolTip(QStringLiteral("specify interval duration"));
    auto *line = new QHBoxLayout;
    line->addSpacing(24);
    line->addWidget(upDown);
    line->addWidget(new QLabel(unit, parent));
    line->addStretch();
    layout->addLayout(line);
    return upDown;
}

} // namespace

EventsPage::EventsPage(QWidget *parent) : QWidget(parent)
{
    auto *displayed = new QGroupBox(QStringLiteral("Displayed Events"), this);
    auto *displayedLayout = new QVBoxLayout(displayed);
    chkFilterDates_ =
        CheckBox(displayed, "chkFilterDates", QStringLiteral("&Only Display Events Occurring In The Next..."));
    displayedLayout->addWidget(chkFilterDates_);
    scrlPeriod_ = UpDown(displayed, displayedLayout, "scrlPeriod", 26, QStringLiteral("Weeks"));
    chkShowMissed_ = CheckBox(displayed, "chkShowMissed", QStringLiteral("Show Events That Occurred In The &Past..."));
    displayedLayout->addWidget(chkShowMissed_);
    scrlMissedLength_ = UpDown(displayed, displayedLayout, "scrlMissedLength", 21, QStringLiteral("Days"));
    chkHideUnknown_ = CheckBox(displayed, "chkHideUnknown",
                               QStringLiteral("&Hide Unknown Dates (dates which Nudgely can't resolve)"),
                               QStringLiteral("hide dates Nudgely couldn't resolve"));
    chkAppendToAge_ = CheckBox(displayed, "chkAppendToAge", QStringLiteral("Append Suffix To A&ge (eg \"1st\", \"2nd\", etc)"),
                               QStringLiteral("append \"st\", \"nd\", \"rd\", \"th\", etc to ages"));
    displayedLayout->addWidget(chkHideUnknown_);
    displayedLayout->addWidget(chkAppendToAge_);

    auto *font = new QGroupBox(QStringLiteral("Events Font"), this);
    auto *change = new QPushButton(QStringLiteral("Change &Font..."), font);
    change->setObjectName(QStringLiteral("btnSpecifyEventsFont"));
    change->setToolTip(QStringLiteral("specify font to use for displaying events"));
    connect(change, &QPushButton::clicked, this, &EventsPage::btnSpecifyEventsFont_Click);
    lblSampleEventsFont_ = new QLabel(font);
    lblSampleEventsFont_->setObjectName(QStringLiteral("lblSampleEventsFont"));
    auto *fontLayout = new QHBoxLayout(font);
    fontLayout->addWidget(change);
    fontLayout->addWidget(lblSampleEventsFont_, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(displayed);
    layout->addWidget(font);
    layout->addStretch();
}

void EventsPage::fillDisplay(bool hideUnknown, bool appendToAge, bool filter, int filterLength, bool showMissed,
                             int missedLength)
{
    chkHideUnknown_->setChecked(hideUnknown);
    chkAppendToAge_->setChecked(appendToAge);
    chkFilterDates_->setChecked(filter);
    // A stored length outside the range shows its nearest end.
    scrlPeriod_->setValue(filterLength);
    chkShowMissed_->setChecked(showMissed);
    scrlMissedLength_->setValue(missedLength);
}

void EventsPage::setWorkingFont(const QString &name, double size, bool bold, bool italic)
{
    fontName_ = name;
    fontSize_ = size;
    bold_ = bold;
    italic_ = italic;
}

bool EventsPage::hideUnknown() const
{
    return chkHideUnknown_->isChecked();
}

bool EventsPage::appendToAge() const
{
    return chkAppendToAge_->isChecked();
}

bool EventsPage::filter() const
{
    return chkFilterDates_->isChecked();
}

int EventsPage::filterLength() const
{
    return scrlPeriod_->value();
}

bool EventsPage::showMissed() const
{
    return chkShowMissed_->isChecked();
}

int EventsPage::missedLength() const
{
    return scrlMissedLength_->value();
}

QFont EventsPage::workingFont() const
{
    QFont font(fontName_);
    font.setPointSizeF(qMax(1.0, fontSize_));
    font.setBold(bold_);
    font.setItalic(italic_);
    return font;
}

void EventsPage::btnSpecifyEventsFont_Click()
{
    const auto chosen = CurrentPreferencesDialogs().chooseFont(this, workingFont());
    if (!chosen)
        return;
    setWorkingFont(chosen->family(), chosen->pointSizeF(), chosen->bold(), chosen->italic());
    DisplaySampleEventsFont();
}

void EventsPage::DisplaySampleEventsFont()
{
    lblSampleEventsFont_->setFont(workingFont());
    QString caption = fontName_;
    if (bold_)
        caption += QStringLiteral(", bold");
    if (italic_)
        caption += QStringLiteral(", italic");
    caption += QStringLiteral(", size ") + QString::number(fontSize_, 'g', 6);
    lblSampleEventsFont_->setText(caption);
}

} // namespace nudgely
