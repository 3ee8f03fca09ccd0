#include "reports/ReportTitle.h"

#include "season/Format.h"
#include "season/Season.h"

QString seasonTitleLine(const Season& season, int indent, int width)
{
    const QString& organisation = season.FrontText[1];
    const QString& seasonText = season.FrontText[3];
    return blanks(indent) + organisation + blanks(width - organisation.size() - seasonText.size())
        + seasonText + QStringLiteral(" SEASON");
}
