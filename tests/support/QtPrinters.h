#pragma once

// Readable Qt values in test failure messages. Every test file includes this first (see
// CMakeLists.txt): a printer seen by some files and not by others would break the one
// definition rule, and which one the linker keeps would be chance.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <ostream>

void PrintTo(const QString &text, std::ostream *out);
void PrintTo(const QStringList &list, std::ostream *out);
void PrintTo(const QByteArray &bytes, std::ostream *out);
void PrintTo(const QDate &date, std::ostream *out);
