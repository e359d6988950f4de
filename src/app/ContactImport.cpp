#include "app/ContactImport.h"

#include "events/ContactCards.h"
#include "events/DataFileReader.h"

#include <QFile>
#include <QFileInfo>

namespace nudgely {

namespace {

// A long address book names its first cards and counts the rest.
QString someNames(const QStringList &names)
{
    constexpr qsizetype Named = 10;
    QString text = names.mid(0, Named).join(QStringLiteral(", "));
    if (names.size() > Named)
        text += QStringLiteral(" and %1 more").arg(names.size() - Named);
    return text;
}

QString plural(qsizetype count, const char *noun)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(noun)).arg(count == 1 ? "" : "s");
}

} // namespace

ContactImportResult importContacts(const QString &vcardPath, const QString &target, const DateFormat &format)
{
    ContactImportResult result;
    const DataFileContent content = readDataFile(vcardPath);
    if (!content.openProblem.isEmpty() || content.text.readFailed) {
        result.message = QStringLiteral("Cannot read the contacts file %1: %2.")
                             .arg(vcardPath, content.openProblem.isEmpty() ? QStringLiteral("a read error stopped it")
                                                                           : content.openProblem);
        return result;
    }
    const std::vector<ContactCard> cards = readContactCards(content.text.bytes);
    if (cards.empty()) {
        result.message = QStringLiteral("%1 holds no contact cards (vCard); nothing was written.").arg(vcardPath);
        return result;
    }
    const ContactDataFile file = contactDataFile(cards, format, QFileInfo(vcardPath).fileName());
    const QString without = file.cardsWithoutDates.isEmpty()
                                ? QString()
                                : QStringLiteral("\nCards without a birthday or anniversary: %1.")
                                      .arg(someNames(file.cardsWithoutDates));
    if (file.dates == 0) {
        result.message =
            QStringLiteral("No birthday or anniversary found in %1; nothing was written.").arg(vcardPath) + without;
        return result;
    }
    // Created only when no file of that name exists, so that none is ever written over.
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        result.message = QFileInfo::exists(target) || QFileInfo(target).isSymLink()
                             ? QStringLiteral("%1 already exists. Nudgely never writes over a file: choose a new "
                                              "name for the imported dates.")
                                   .arg(target)
                             : QStringLiteral("Cannot create %1: %2.").arg(target, out.errorString());
        return result;
    }
    const QByteArray bytes = file.text.toUtf8();
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        result.message = QStringLiteral("Cannot write %1: %2.").arg(target, out.errorString());
        out.remove();
        return result;
    }
    out.close();
    result.written = true;
    result.message = QStringLiteral("Imported %1 from %2 into %3.")
                         .arg(plural(file.dates, "date"), plural(qsizetype(cards.size()), "contact card"), target) +
                     without;
    return result;
}

} // namespace nudgely
