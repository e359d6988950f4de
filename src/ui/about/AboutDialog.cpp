#include "ui/about/AboutDialog.h"

#include "startup/AppIdentity.h"

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

const QString BuildDate = QStringLiteral("1 October 2001");
int loadCount = 0;

QFrame *Rule(QWidget *parent)
{
    auto *rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

} // namespace

QString AboutVersionLine()
{
    return VersionText() + QStringLiteral("  (") + BuildDate + QLatin1Char(')');
}

int frmAbout::loads()
{
    return loadCount;
}

frmAbout::frmAbout(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setFont(QFont(QStringLiteral("Tahoma")));

    auto *icon = new QLabel(this);
    icon->setPixmap(QGuiApplication::windowIcon().pixmap(64, 64));
    lblAppName_ = new QLabel(this);
    lblAppName_->setObjectName(QStringLiteral("lblAppName"));
    QFont bold = lblAppName_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    lblAppName_->setFont(bold);
    lblVersion_ = new QLabel(this);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    auto *notice = new QLabel(
        QStringLiteral("Reminds you of the days that matter. Your data files are only ever read."), this);
    notice->setWordWrap(true);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnClose"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmAbout::btnClose_Click);

    auto *names = new QVBoxLayout;
    names->addWidget(lblAppName_);
    names->addWidget(lblVersion_);
    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(names, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Rule(this));
    layout->addWidget(notice);
    layout->addWidget(Rule(this));
    layout->addLayout(buttons);
    Form_Load();
    setFixedSize(sizeHint());
}

void frmAbout::Form_Load()
{
    ++loadCount;
    setWindowTitle(QStringLiteral("About ") + AppTitle);
    lblAppName_->setText(AppTitle);
    lblVersion_->setText(AboutVersionLine());
}

void frmAbout::btnClose_Click()
{
    hide();
}

void frmAbout::closeEvent(QCloseEvent *event)
{
    // The close box unloads it; OK, Enter and Esc only hide it.
    event->accept();
    deleteLater();
}

} // namespace nudgely
