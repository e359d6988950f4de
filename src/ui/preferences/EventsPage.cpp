#include "ui/preferences/EventsPage.h"

#include "config/Settings.h"
#include "ui/common/ListFont.h"
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

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, const QString &tip = {})
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(tip);
    return box;
}

// A spin box with its unit, one line below its check box.
QSpinBox *lengthSpin(QWidget *parent, QVBoxLayout *layout, const char *name, int maximum, const QString &unit)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(1, maximum);
    spin->setToolTip(QStringLiteral("specify interval duration"));
    auto *line = new QHBoxLayout;
    line->addSpacing(24);
    line->addWidget(spin);
    line->addWidget(new QLabel(unit, parent));
    line->addStretch();
    layout->addLayout(line);
    return spin;
}

} // namespace

EventsPage::EventsPage(PreferencesDialogs &dialogs, QWidget *parent) : QWidget(parent), dialogs_(dialogs)
{
    auto *displayed = new QGroupBox(QStringLiteral("Displayed Events"), this);
    auto *displayedLayout = new QVBoxLayout(displayed);
    filterCheck_ = checkBox(displayed, "filterCheck", QStringLiteral("&Only Display Events Occurring In The Next..."));
    displayedLayout->addWidget(filterCheck_);
    filterLengthSpin_ = lengthSpin(displayed, displayedLayout, "filterLengthSpin", 26, QStringLiteral("Weeks"));
    showMissedCheck_ =
        checkBox(displayed, "showMissedCheck", QStringLiteral("Show Events That Occurred In The &Past..."));
    displayedLayout->addWidget(showMissedCheck_);
    missedLengthSpin_ = lengthSpin(displayed, displayedLayout, "missedLengthSpin", 21, QStringLiteral("Days"));
    hideUnknownCheck_ = checkBox(displayed, "hideUnknownCheck",
                                 QStringLiteral("&Hide Unknown Dates (dates which Nudgely can't resolve)"),
                                 QStringLiteral("hide dates Nudgely couldn't resolve"));
    appendToAgeCheck_ =
        checkBox(displayed, "appendToAgeCheck", QStringLiteral("Append Suffix To A&ge (eg \"1st\", \"2nd\", etc)"),
                 QStringLiteral("append \"st\", \"nd\", \"rd\", \"th\", etc to ages"));
    displayedLayout->addWidget(hideUnknownCheck_);
    displayedLayout->addWidget(appendToAgeCheck_);

    auto *font = new QGroupBox(QStringLiteral("Events Font"), this);
    auto *change = new QPushButton(QStringLiteral("Change &Font..."), font);
    change->setObjectName(QStringLiteral("fontButton"));
    change->setToolTip(QStringLiteral("specify font to use for displaying events"));
    connect(change, &QPushButton::clicked, this, &EventsPage::chooseFont);
    fontSample_ = new QLabel(font);
    fontSample_->setObjectName(QStringLiteral("fontSample"));
    auto *fontLayout = new QHBoxLayout(font);
    fontLayout->addWidget(change);
    fontLayout->addWidget(fontSample_, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(displayed);
    layout->addWidget(font);
    layout->addStretch();
}

void EventsPage::fill(bool hideUnknown, bool appendToAge, bool filter, int filterLength, bool showMissed,
                      int missedLength)
{
    hideUnknownCheck_->setChecked(hideUnknown);
    appendToAgeCheck_->setChecked(appendToAge);
    filterCheck_->setChecked(filter);
    // A stored length outside the range shows its nearest end.
    filterLengthSpin_->setValue(filterLength);
    showMissedCheck_->setChecked(showMissed);
    missedLengthSpin_->setValue(missedLength);
}

void EventsPage::setWorkingFont(const QString &name, double size, bool bold, bool italic)
{
    fontName_ = name;
    fontSize_ = size;
    bold_ = bold;
    italic_ = italic;
    showFontSample();
}

bool EventsPage::hideUnknown() const
{
    return hideUnknownCheck_->isChecked();
}

bool EventsPage::appendToAge() const
{
    return appendToAgeCheck_->isChecked();
}

bool EventsPage::filter() const
{
    return filterCheck_->isChecked();
}

int EventsPage::filterLength() const
{
    return filterLengthSpin_->value();
}

bool EventsPage::showMissed() const
{
    return showMissedCheck_->isChecked();
}

int EventsPage::missedLength() const
{
    return missedLengthSpin_->value();
}

QFont EventsPage::workingFont() const
{
    return listFont(fontName_, fontSize_, bold_, italic_);
}

void EventsPage::chooseFont()
{
    const auto chosen = dialogs_.chooseFont(this, workingFont());
    // The font shown for the stored default is not a choice of the user's: OK on it keeps the default.
    if (chosen && *chosen != workingFont())
        setWorkingFont(chosen->family(), chosen->pointSizeF(), chosen->bold(), chosen->italic());
}

void EventsPage::showFontSample()
{
    fontSample_->setFont(workingFont());
    QString caption = fontDescription(workingFont());
    if (fontName_.compare(Settings().fontName, Qt::CaseInsensitive) == 0)
        caption += QStringLiteral(" (the desktop's font)");
    fontSample_->setText(caption);
}

} // namespace nudgely
