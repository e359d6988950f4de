#include "support/QtPrinters.h"

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '{';
    for (const QString &text : list) {
        PrintTo(text, out);
        *out << (&text == &list.back() ? "" : ", ");
    }
    *out << '}';
}

void PrintTo(const QByteArray &bytes, std::ostream *out)
{
    *out << '"' << bytes.toStdString() << '"';
}

void PrintTo(const QDate &date, std::ostream *out)
{
    *out << date.toString(Qt::ISODate).toStdString();
}
