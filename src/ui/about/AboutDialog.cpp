#include "ui/about/AboutDialog.h"

#include "app/Version.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace nudgely {

namespace {

QFrame *rule(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

QString aboutVersionLine()
{
    return QLatin1String(VersionText) + QStringLiteral("  (1 October 2001)");
}

AboutDialog::AboutDialog(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setFont(QFont(QStringLiteral("Tahoma")));
    setWindowTitle(QStringLiteral("About Nudgely"));

    auto *icon = new QLabel(this);
    icon->setPixmap(QGuiApplication::windowIcon().pixmap(64, 64));
    nameLabel_ = new QLabel(QStringLiteral("Nudgely"), this);
    nameLabel_->setObjectName(QStringLiteral("nameLabel"));
    QFont bold = nameLabel_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    nameLabel_->setFont(bold);
    versionLabel_ = new QLabel(aboutVersionLine(), this);
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));
    auto *notice = new QLabel(
        QStringLiteral("Reminds you of the days that matter. Your data files are only ever read."), this);
    notice->setWordWrap(true);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);

    auto *names = new QVBoxLayout;
    names->addWidget(nameLabel_);
    names->addWidget(versionLabel_);
    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(names, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(rule(this));
    layout->addWidget(notice);
    layout->addWidget(rule(this));
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void AboutDialog::reject()
{
    hide();
}

void AboutDialog::closeEvent(QCloseEvent *event)
{
    // The close box unloads it; OK, Enter and Esc only hide it.
    event->accept();
    deleteLater();
}

} // namespace nudgely
