#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace nudgely {

// The "Data File Editor " page: the desktop's default application, or another editor that
// may take several files at once.
class EditorPage final : public QWidget {
    Q_OBJECT

public:
    explicit EditorPage(QWidget *parent = nullptr);

    void fill(bool useDefault, const QString &path, bool multiFile);
    bool useDefaultEditor() const;
    QString editorPath() const;
    bool multiFile() const;

    // The two options sit in different boxes; this is what makes them exclude each other.
    void optnUseDefaultEditor_Click(int index);
    void btnBrowseEditor_Click();

private:
    QRadioButton *optnUseDefaultEditor_[2] = {};
    QLabel *lblEditor_ = nullptr;
    QPushButton *btnBrowseEditor_ = nullptr;
    QCheckBox *chkEditMultiFiles_ = nullptr;
};

} // namespace nudgely
