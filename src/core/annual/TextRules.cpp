#include "annual/TextRules.h"

#include "season/Windows1252.h"

#include <QChar>
#include <QList>

namespace {

// The character in the other case, or the character itself when the file could not hold that.
QChar withCase(QChar c, bool upper)
{
    const QChar other = upper ? c.toUpper() : c.toLower();
    return isStorable(other.unicode()) ? other : c;
}

QString upperCase(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        c = withCase(c, true);
    return out;
}

QString capitalsOfPart(const QString& part)
{
    return part == upperCase(part) ? part : properCase(part);
}

}  // namespace

bool isStorable(char32_t character)
{
    if (character == U'"' || QChar::category(character) == QChar::Other_Control)
        return false;
    if (QChar::requiresSurrogates(character))
        return false;
    return Windows1252::canEncode(character);
}

QString storablePart(const QString& text)
{
    QString out;
    for (const char32_t c : text.toUcs4()) {
        if (isStorable(c))
            out += QChar(static_cast<char16_t>(c));
    }
    return out;
}

QString properCase(const QString& text)
{
    QString out = text;
    bool wordStart = true;
    for (QChar& c : out) {
        const bool blank = c == QLatin1Char(' ');
        if (!blank)
            c = withCase(c, wordStart);
        wordStart = blank;
    }
    return out;
}

QString normaliseDate(const QString& typed)
{
    const QString date = properCase(typed);
    if (date.size() <= 3)
        return date;
    return date.left(3) + date.mid(3).rightJustified(3, QLatin1Char(' '));
}

QString Capitals(const QString& name)
{
    const int blank = name.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return capitalsOfPart(name);
    return capitalsOfPart(name.left(blank)) + QLatin1Char(' ') + capitalsOfPart(name.mid(blank + 1));
}
