#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace nudgely {

class PreferencesDialogs;
class Session;

// The "Data File Editor " page: the desktop's default application, or another editor, a
// command typed in or browsed for, that may take several files at once.
class EditorPage final : public QWidget {
    Q_OBJECT

public:
    EditorPage(Session &session, PreferencesDialogs &dialogs, QWidget *parent = nullptr);

    void fill(bool useDefault, const QString &command, bool multiFile);
    bool useDefaultEditor() const;
    QString editorCommand() const; // as typed
    bool multiFile() const;

public Q_SLOTS:
    void browse();

private:
    // The two options sit in different boxes; this is what makes them exclude each other.
    void chooseDefault(bool useDefault);

    Session &session_;
    PreferencesDialogs &dialogs_;
    QRadioButton *defaultButton_ = nullptr;
    QRadioButton *otherButton_ = nullptr;
    QLineEdit *commandEdit_ = nullptr;
    QPushButton *browseButton_ = nullptr;
    QCheckBox *multiFileCheck_ = nullptr;
};

} // namespace nudgely
