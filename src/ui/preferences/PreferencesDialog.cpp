#include "ui/preferences/PreferencesDialog.h"

#include "config/Settings.h"
#include "config/WindowGeometry.h"
#include "eventlist/EventListBuilder.h"
#include "events/DataFileReader.h"
#include "events/OccurrenceResolver.h"
#include "startup/StatusMessages.h"
#include "ui/main/MainWindow.h"
#include "ui/main/WindowUtilities.h"
#include "ui/preferences/DataFilesPage.h"
#include "ui/preferences/DateFormatPage.h"
#include "ui/preferences/EditorPage.h"
#include "ui/preferences/EventsPage.h"
#include "ui/preferences/WindowsPage.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace nudgely {

frmOptions::frmOptions(frmMain *owner) : QDialog(owner), owner_(owner)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Nudgely Preferences"));
    tabs_ = new QTabWidget(this);
    tabs_->setUsesScrollButtons(false); // every page's tab in sight
    dataFiles_ = new DataFilesPage(tabs_);
    dateFormat_ = new DateFormatPage(tabs_);
    events_ = new EventsPage(tabs_);
    windows_ = new WindowsPage(tabs_);
    editor_ = new EditorPage(tabs_);
    tabs_->addTab(dataFiles_, QStringLiteral("Data Files "));
    tabs_->addTab(dateFormat_, QStringLiteral("Date Format "));
    tabs_->addTab(events_, QStringLiteral("Events "));
    tabs_->addTab(windows_, QStringLiteral("Windows "));
    tabs_->addTab(editor_, QStringLiteral("Data File Editor "));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    QPushButton *apply = buttons->addButton(QStringLiteral("&Apply"), QDialogButtonBox::ApplyRole);
    apply->setObjectName(QStringLiteral("btnApply"));
    connect(ok, &QPushButton::clicked, this, &frmOptions::btnOK_Click);
    connect(cancel, &QPushButton::clicked, this, &frmOptions::btnCancel_Click);
    connect(apply, &QPushButton::clicked, this, &frmOptions::btnApply_Click);
    connect(windows_->centreNowButton(), &QPushButton::clicked, this, &frmOptions::btnCentreNow_Click);
    connect(windows_->resetButton(), &QPushButton::clicked, this, &frmOptions::btnReset_Click);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    Form_Load();
}

void frmOptions::Form_Load()
{
    setFixedSize(sizeHint());
    twipsPerPixel_ = ScreenTwipsPerPixel(screen());
    const QRect screenRect = screen() ? screen()->geometry() : QRect(0, 0, 1024, 768);
    // With no stored position the dialog is centred on the screen.
    setLeftTwips_ = ReadTwips(QStringLiteral("frmOLeft"))
                        .value_or((screenRect.width() - width()) * twipsPerPixel_ / 2.0);
    setTopTwips_ = ReadTwips(QStringLiteral("frmOTop"))
                       .value_or((screenRect.height() - height()) * twipsPerPixel_ / 2.0);
    setPosition_ = QPoint(TwipsToPixels(setLeftTwips_, twipsPerPixel_), TwipsToPixels(setTopTwips_, twipsPerPixel_));
    move(setPosition_);
}

void frmOptions::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    const QPoint position = pos();
    const auto twips = [this](int pixels, int setPixels, double setTwips) {
        return pixels == setPixels ? setTwips : double(pixels) * twipsPerPixel_;
    };
    WriteTwips(QStringLiteral("frmOTop"), twips(position.y(), setPosition_.y(), setTopTwips_));
    WriteTwips(QStringLiteral("frmOLeft"), twips(position.x(), setPosition_.x(), setLeftTwips_));
}

void frmOptions::closeEvent(QCloseEvent *event)
{
    // The close box unloads the dialog; the next opening loads it afresh.
    Form_Unload();
    event->accept();
    deleteLater();
}

void frmOptions::FillFromSettings()
{
    const SettingsRecord &s = Settings;
    ShowStatus(QString());
    dataFiles_->ShowDatafiles();
    dateFormat_->fill(s.Delimiter, s.DayPos, s.MonthPos, s.YearPos);
    events_->fillDisplay(s.HideUnknown != 0, s.AppendToAge != 0, s.Filter != 0, s.FilterLength, s.ShowMissed != 0,
                         s.MissedLength);
    editor_->fill(s.UseDefault == 1, s.Path, s.MultiFile != 0);
    windows_->fill(s.Centre == 1, s.AutoStart != 0);
    events_->setWorkingFont(s.FontName, s.FontSize, s.FontStyle & 1, s.FontStyle & 2);
    events_->DisplaySampleEventsFont();
}

void frmOptions::ShowCurrentSettings()
{
    FillFromSettings();
    exec();
}

WorkingPreferences frmOptions::working() const
{
    WorkingPreferences w;
    w.files = dataFiles_->workingFiles();
    w.hideUnknown = events_->hideUnknown();
    w.appendToAge = events_->appendToAge();
    w.delimiter = dateFormat_->delimiterIndex();
    w.dateOrder = dateFormat_->choice();
    w.filter = events_->filter();
    w.filterLength = events_->filterLength();
    w.showMissed = events_->showMissed();
    w.missedLength = events_->missedLength();
    w.centre = windows_->centre();
    w.autoStart = windows_->autoStart();
    w.useDefaultEditor = editor_->useDefaultEditor();
    w.editorPath = editor_->editorPath();
    w.multiFile = editor_->multiFile();
    w.fontName = events_->fontName();
    w.fontSize = events_->fontSize();
    w.bold = events_->fontBold();
    w.italic = events_->fontItalic();
    return w;
}

void frmOptions::setEventsFont(const QFont &font)
{
    dataFiles_->setEventsFont(font);
}

void frmOptions::btnApply_Click()
{
    const ApplyOutcome outcome = ApplyPreferences(working());
    if (outcome.reloadNeeded) {
        ReadDataFiles();
        ResolveEvents();
    }
    if (outcome.redisplayNeeded) {
        DisplayEvents();
        owner_->ApplyEventsFont();
    }
}

void frmOptions::btnOK_Click()
{
    hide();
    owner_->repaint();
    ShowStatus(QString());
    btnApply_Click();
}

void frmOptions::btnCancel_Click()
{
    hide();
    ShowStatus(QString());
}

void frmOptions::reject()
{
    btnCancel_Click();
}

void frmOptions::btnCentreNow_Click()
{
    owner_->menuCentreNow_Click();
}

void frmOptions::btnReset_Click()
{
    owner_->menuDefaultWindowSize_Click();
}

} // namespace nudgely
