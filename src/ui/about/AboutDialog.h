#pragma once

#include <QDialog>

class QLabel;

namespace nudgely {

// The About box: the program's name, version and build date, and its icon. OK hides it, so
// the next opening shows it again as it is; the close box unloads it.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget *owner);

    QLabel *appNameLabel() const { return lblAppName_; }
    QLabel *versionLabel() const { return lblVersion_; }
    // How many times a dialog has loaded in this run.
    static int loads();

    void btnClose_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();

    QLabel *lblAppName_ = nullptr;
    QLabel *lblVersion_ = nullptr;
};

// "version 1.4 rev 2  (1 October 2001)": two blanks before the build date.
QString AboutVersionLine();

} // namespace nudgely
