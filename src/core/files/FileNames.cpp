#include "files/FileNames.h"

#include <QDir>

namespace {

bool isWindowsDeviceName(const QString& typedName)
{
    // Windows takes the part before the first dot, trailing blanks dropped, as the device.
    const QString device = typedName.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList fixed{QStringLiteral("CON"),   QStringLiteral("PRN"),     QStringLiteral("AUX"),
                                   QStringLiteral("NUL"),   QStringLiteral("CONIN$"),  QStringLiteral("CONOUT$")};
    if (fixed.contains(device))
        return true;
    // COM1..COM9 and LPT1..LPT9, also with the superscript digits 1, 2 and 3.
    static const QString digits = QStringLiteral("123456789\u00b9\u00b2\u00b3");
    return device.size() == 4 && (device.startsWith(QLatin1String("COM")) || device.startsWith(QLatin1String("LPT")))
           && digits.contains(device[3]);
}

}  // namespace

QString fileNameProblem(const QString& typedName)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    for (const char32_t c : typedName.toUcs4()) {
        if (c < 0x80 && refused.contains(QChar(c)))
            return QStringLiteral("The character %1 is not allowed").arg(QChar(c));
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:  // also the marks that turn text right to left
        case QChar::Other_Surrogate:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return QStringLiteral("Control characters are not allowed");
        default:
            break;
        }
    }
    if (typedName.contains(QLatin1String("..")))
        return QStringLiteral("Two dots in a row are not allowed");
    if (typedName.startsWith(QLatin1Char('.')))
        return QStringLiteral("It must not start with a dot");
    if (!typedName.isEmpty() && typedName[0].isSpace())
        return QStringLiteral("It must not start with a blank");
    // Windows drops a trailing dot or blank, so "Kickpool." would be the season in use.
    if (!typedName.isEmpty() && (typedName.back() == QLatin1Char('.') || typedName.back().isSpace()))
        return QStringLiteral("It must not end with a dot or a blank");
    if (typedName.size() > MaxFileNameLength)
        return QStringLiteral("It is longer than %1 characters").arg(MaxFileNameLength);
    if (isWindowsDeviceName(typedName))
        return QStringLiteral("%1 is a device name on Windows").arg(typedName.section(QLatin1Char('.'), 0, 0).trimmed());
    return {};
}

bool isCurrentUseName(const QString& typedName)
{
    return typedName.compare(QStringLiteral("Kickpool"), Qt::CaseInsensitive) == 0;
}

QStringList storedSeasons(const QString& filesFolder)
{
    return QDir(filesFolder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}
