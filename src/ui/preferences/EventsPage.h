#pragma once

#include <QFont>
#include <QWidget>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace nudgely {

class PreferencesDialogs;

// The "Events " page: the periods around today, hiding unreadable dates, age suffixes, and
// the font of the events list.
class EventsPage final : public QWidget {
    Q_OBJECT

public:
    explicit EventsPage(PreferencesDialogs &dialogs, QWidget *parent = nullptr);

    void fill(bool hideUnknown, bool appendToAge, bool filter, int filterLength, bool showMissed, int missedLength);
    // The font the dialog works on until Apply; the sample shows it.
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
    QLabel *fontSample() const { return fontSample_; }

public Q_SLOTS:
    void chooseFont();

private:
    QFont workingFont() const;
    void showFontSample();

    PreferencesDialogs &dialogs_;
    QCheckBox *filterCheck_ = nullptr;
    QSpinBox *filterLengthSpin_ = nullptr;
    QCheckBox *showMissedCheck_ = nullptr;
    QSpinBox *missedLengthSpin_ = nullptr;
    QCheckBox *hideUnknownCheck_ = nullptr;
    QCheckBox *appendToAgeCheck_ = nullptr;
    QLabel *fontSample_ = nullptr;
    QString fontName_;
    double fontSize_ = 8;
    bool bold_ = false;
    bool italic_ = false;
};

} // namespace nudgely
