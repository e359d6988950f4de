#pragma once

#include "startup/MessageBoxes.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <vector>

namespace nudgely::test {

// Answers message boxes without a person and remembers what they said.
class RecordingPresenter final : public MessagePresenter {
public:
    struct Message {
        MessageIcon icon;
        MessageButtons buttons;
        QString text;
    };

    MessageAnswer present(MessageIcon icon, MessageButtons buttons, const QString &text) override;

    std::vector<Message> messages;
    MessageAnswer answer = MessageAnswer::No; // for questions
};

// A private world for one test: a temporary folder holding the program folder, the user's
// configuration folder ($XDG_CONFIG_HOME) and the configuration file, fresh settings and
// tables, an empty events grid, recorded message boxes, status messages, beeps and caption,
// the C locale, and today fixed at 5 December 2026.
// Everything is put back on destruction.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment &) = delete;
    TestEnvironment &operator=(const TestEnvironment &) = delete;

    QString root() const;
    QString programFolder() const;   // <root>/program
    QString xdgConfigHome() const;   // <root>/config
    QString userConfigFolder() const; // <root>/config/Nudgely
    QString iniPath() const;         // <root>/program/Nudgely.ini, also IniFilePath

    // Paths relative to root() are taken as such; absolute ones are used as they are.
    QString path(const QString &relative) const;
    void writeFile(const QString &relative, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relative) const;
    bool exists(const QString &relative) const;

    void writeIni(const QByteArray &bytes) const { writeFile(iniPath(), bytes); }
    QByteArray readIni() const { return readFile(iniPath()); }
    void writeRegistry(const QByteArray &bytes) const;
    QByteArray readRegistry() const;

    RecordingPresenter presenter;
    std::vector<QString> statuses; // every status message, in order
    int beeps = 0;
    QString caption;               // the main window's caption, as last set

private:
    QTemporaryDir dir_;
    QByteArray savedXdgConfigHome_;
    bool hadXdgConfigHome_ = false;
};

} // namespace nudgely::test
