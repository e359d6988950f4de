#pragma once

#include <QDialog>

class QLabel;

namespace nudgely {

// The About box: the program's name, version and build date, and its icon. OK hides it, so
// the next opening shows it again as it is; the close box unloads it.
class AboutDialog final : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *owner);

    QLabel *nameLabel() const { return nameLabel_; }
    QLabel *versionLabel() const { return versionLabel_; }

public Q_SLOTS:
    // Esc: hidden like OK, where QDialog would close it.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *nameLabel_ = nullptr;
    QLabel *versionLabel_ = nullptr;
};

// "version 1.4 rev 2  (1 October 2001)": two blanks before the build date.
QString aboutVersionLine();

} // namespace nudgely
