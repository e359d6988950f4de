#pragma once

#include <QFont>
#include <QWidget>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace nudgely {

// The "Events " page: the periods around today, hiding bad dates, age suffixes, and the
// font of the events list.
class EventsPage final : public QWidget {
    Q_OBJECT

public:
    explicit EventsPage(QWidget *parent = nullptr);

    void fillDisplay(bool hideUnknown, bool appendToAge, bool filter, int filterLength, bool showMissed,
                     int missedLength);
    // The font the dialog works on until Apply.
    void setWorkingFont(const QString &name, double size, bool bold, bool italic);

    bool hideUnknown() const;
    bool appendToAge() const;
    bool filter() const;
    int filterLength() const;
    bool showMissed() const;
    int missedLength() const;
    QString fontName() const { return fontName_; }
    double fontSize() const { return fontSize_; }
    bool fontBold() const { return bold_; }
    bool fontItalic() const { return italic_; }

    void btnSpecifyEventsFont_Click();
    void DisplaySampleEventsFont();

private:
    QFont workingFont() const;

    QCheckBox *chkFilterDates_ = nullptr;
    QSpinBox *scrlPeriod_ = nullptr;
    QCheckBox *chkShowMissed_ = nullptr;
    QSpinBox *scrlMissedLength_ = nullptr;
    QCheckBox *chkHideUnknown_ = nullptr;
    QCheckBox *chkAppendToAge_ = nullptr;
    QLabel *lblSampleEventsFont_ = nullptr;
    QString fontName_;
    double fontSize_ = 8;
    bool bold_ = false;
    bool italic_ = false;
};

} // namespace nudgely
