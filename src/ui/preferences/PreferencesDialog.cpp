#include "ui/preferences/PreferencesDialog.h"

#include "app/Session.h"
#include "config/WindowGeometry.h"
#include "ui/common/ScreenMetrics.h"
#include "ui/preferences/DataFileListModel.h"
#include "ui/preferences/DataFilesPage.h"
#include "ui/preferences/DateFormatPage.h"
#include "ui/preferences/EditorPage.h"
#include "ui/preferences/EventsPage.h"
#include "ui/preferences/RemindersPage.h"
#include "ui/preferences/WindowsPage.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace nudgely {

PreferencesDialog::PreferencesDialog(Session &session, PreferencesDialogs *dialogs, QWidget *owner)
    : QDialog(owner), session_(session), dialogs_(dialogs ? *dialogs : qtDialogs_)
{
    setObjectName(QStringLiteral("preferencesDialog"));
    setWindowTitle(QStringLiteral("Nudgely Preferences"));
    tabs_ = new QTabWidget(this);
    tabs_->setUsesScrollButtons(false); // every page's tab in sight
    dataFiles_ = new DataFilesPage(session, dialogs_, tabs_);
    dateFormat_ = new DateFormatPage(tabs_);
    events_ = new EventsPage(dialogs_, tabs_);
    windows_ = new WindowsPage(tabs_);
    editor_ = new EditorPage(session, dialogs_, tabs_);
    reminders_ = new RemindersPage(tabs_);
    reminders_->setTrayAvailable(QSystemTrayIcon::isSystemTrayAvailable());
    tabs_->addTab(dataFiles_, QStringLiteral("Data Files "));
    tabs_->addTab(dateFormat_, QStringLiteral("Date Format "));
    tabs_->addTab(events_, QStringLiteral("Events "));
    tabs_->addTab(windows_, QStringLiteral("Windows "));
    tabs_->addTab(editor_, QStringLiteral("Data File Editor "));
    tabs_->addTab(reminders_, QStringLiteral("Reminders "));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QPushButton *cancelButton = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    QPushButton *applyButton = buttons->addButton(QStringLiteral("&Apply"), QDialogButtonBox::ApplyRole);
    applyButton->setObjectName(QStringLiteral("applyButton"));
    connect(ok, &QPushButton::clicked, this, &PreferencesDialog::applyAndClose);
    connect(cancelButton, &QPushButton::clicked, this, &PreferencesDialog::cancel);
    connect(applyButton, &QPushButton::clicked, this, &PreferencesDialog::apply);
    connect(windows_->centreNowButton(), &QPushButton::clicked, this, &PreferencesDialog::centreWindowRequested);
    connect(windows_->resetButton(), &QPushButton::clicked, this, &PreferencesDialog::defaultWindowSizeRequested);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
    restorePosition();
}

void PreferencesDialog::restorePosition()
{
    twipsPerPixel_ = screenTwipsPerPixel(screen());
    const QRect screenRect = screen() ? screen()->geometry() : QRect(0, 0, 1024, 768);
    const DialogPosition stored = session_.storedDialogPosition();
    // With no stored position the dialog, frame and all, is centred on the screen. Before the
    // window manager has framed it, its frame is taken to be its owner's.
    QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull() && parentWidget() && parentWidget()->windowHandle())
        frame = parentWidget()->windowHandle()->frameMargins();
    const QSize outer = size().grownBy(frame);
    setLeftTwips_ = stored.left.value_or((screenRect.width() - outer.width()) * twipsPerPixel_ / 2.0);
    setTopTwips_ = stored.top.value_or((screenRect.height() - outer.height()) * twipsPerPixel_ / 2.0);
    setPosition_ = QPoint(twipsToPixels(setLeftTwips_, twipsPerPixel_), twipsToPixels(setTopTwips_, twipsPerPixel_));
    move(setPosition_);
}

void PreferencesDialog::placeOnceFramesAreKnown()
{
    // Loaded with the main window, before any frame was known: placed again, unless moved.
    if (!shownOnce_ && pos() == setPosition_)
        restorePosition();
}

void PreferencesDialog::storePosition()
{
    if (positionStored_)
        return;
    positionStored_ = true;
    placeOnceFramesAreKnown(); // never shown, it stores where it would have opened
    const QPoint position = pos();
    const auto twips = [this](int pixels, int setPixels, double setTwips) {
        return pixels == setPixels ? setTwips : double(pixels) * twipsPerPixel_;
    };
    session_.saveDialogPosition(twips(position.x(), setPosition_.x(), setLeftTwips_),
                                twips(position.y(), setPosition_.y(), setTopTwips_));
}

void PreferencesDialog::closeEvent(QCloseEvent *event)
{
    // The close box unloads the dialog; the next opening loads it afresh.
    storePosition();
    event->accept();
    deleteLater();
}

void PreferencesDialog::fillFromSettings()
{
    const Settings &s = session_.settings();
    session_.showStatus(QString());
    dataFiles_->showDataFiles();
    dateFormat_->fill(s.delimiter, s.dayPos, s.monthPos, s.yearPos);
    events_->fill(s.hideUnknown != 0, s.appendToAge != 0, s.filter != 0, s.filterLength, s.showMissed != 0,
                  s.missedLength);
    editor_->fill(s.useDefaultEditor == 1, s.editorPath, s.multiFile != 0);
    windows_->fill(s.centre == 1, s.autoStart);
    reminders_->fill(session_.reminders());
    events_->setWorkingFont(s.fontName, s.fontSize, s.fontStyle & 1, s.fontStyle & 2);
}

void PreferencesDialog::showCurrentSettings()
{
    fillFromSettings();
    placeOnceFramesAreKnown();
    shownOnce_ = true;
    exec();
}

WorkingPreferences PreferencesDialog::working() const
{
    WorkingPreferences w;
    w.files = dataFiles_->model()->rows();
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
    w.editorPath = editor_->editorCommand();
    w.multiFile = editor_->multiFile();
    w.fontName = events_->fontName();
    w.fontSize = events_->fontSize();
    w.bold = events_->fontBold();
    w.italic = events_->fontItalic();
    w.reminders = reminders_->reminders();
    return w;
}

void PreferencesDialog::setListFont(const QFont &font)
{
    dataFiles_->setListFont(font);
}

void PreferencesDialog::setTrayAvailable(bool available)
{
    reminders_->setTrayAvailable(available);
}

void PreferencesDialog::apply()
{
    Q_EMIT applied(session_.applyPreferences(working()));
}

void PreferencesDialog::applyAndClose()
{
    hide();
    if (parentWidget())
        parentWidget()->repaint();
    session_.showStatus(QString());
    apply();
}

void PreferencesDialog::cancel()
{
    hide();
    session_.showStatus(QString());
}

void PreferencesDialog::reject()
{
    cancel();
}

} // namespace nudgely
