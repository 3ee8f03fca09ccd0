#include "front/FrontScreenTexts.h"

namespace {

const QString SaveAnyTime = QStringLiteral("At any time, including when all selection changes ");
const QString ClickSave = QStringLiteral("have been made, click  'SAVE ALL CHANGES'.");

}  // namespace

QString ticketSizeEntry(int size)
{
    static const char* const heights[] = {"5.75", "6.25", "6.75", "7.25", "7.50"};
    static const char* const widths[] = {"2.75", "3.00", "3.25", "3.50", "3.67"};
    if (size < 0 || size >= TicketSizeCount)
        return {};
    QString entry = QStringLiteral("TICKET SIZE - Heigth %1\", Width %2\"")
                        .arg(QLatin1String(heights[size]), QLatin1String(widths[size]));
    if (size == 0)
        entry += QStringLiteral(" (4 per page)");
    if (size == 4)
        entry += QStringLiteral(" (3 per page)");
    return entry;
}

QString frontTextPrompt(int text)
{
    switch (text) {
    case 1:
        return QStringLiteral("TITLE OF YOUR ORGANIZATION");
    case 2:
        return QStringLiteral("SPORT THAT WILL BE USED");
    case 3:
        return QStringLiteral("YEAR THAT DEFINES SEASON");
    case 4:
        return QStringLiteral("INFORMATION LINE (below odds of winning line)");
    default:
        return {};
    }
}

QStringList frontTextHelp(int text)
{
    const QString capitals = QStringLiteral("All capital letters looks best.");
    QStringList lines;
    switch (text) {
    case 1:
        lines = {QStringLiteral("To save organization title, press 'ENTER'."), {}, capitals, {}};
        break;
    case 2:
        lines = {QStringLiteral("To save sport title, press 'ENTER'."), {},
                 QStringLiteral("Enter sport only. Examples: FOOTBALL, HOCKEY"), {}, capitals, {}};
        break;
    case 3:
        lines = {QStringLiteral("To save year, press 'ENTER'."), {},
                 QStringLiteral("Enter year only. Examples: 2006,  2006-2007,  ") + QStringLiteral("2006 - 10 Week"), {},
                 QStringLiteral("League & year may be entered. Example: ") + QStringLiteral("BIG WEST 2005, KFL 2005"), {}};
        break;
    case 4:
        lines = {QStringLiteral("To save information line, press 'ENTER'."), {},
                 QStringLiteral("Line included so that ") + QStringLiteral("raffle permit number could be shown, if required."),
                 QStringLiteral("Line will appear below 'Odds of Winning' line."),
                 QStringLiteral("Anything can be written on this line."), {}};
        break;
    default:
        return {};
    }
    return lines << SaveAnyTime << ClickSave;
}

QStringList ticketSizeHelp()
{
    return {QStringLiteral("Available ticket sizes are shown in window below."), {},
            QStringLiteral("To change ticket size, 'CLICK' on size in ") + QStringLiteral("drop-down box below."), {},
            QStringLiteral("Ticket size MUST be 'SAVED' for use ") + QStringLiteral("in printing back of tickets."), {},
            SaveAnyTime, ClickSave};
}

QStringList portraitHelp()
{
    return {QStringLiteral("This selection is used to print front of ") + QStringLiteral("tickets."), {},
            QStringLiteral("ATTENTION: 'Print Quality' of your printer ") + QStringLiteral("must be set to best available."),
            QStringLiteral("Best quality necessary because printout ") + QStringLiteral("is copy of an image (picture)."), {},
            QStringLiteral("Consult printer manual to set print quality to BEST."), {},
            QStringLiteral("When ready to print, click  'PRINT'")};
}

QStringList landscapeHelp(bool fourToSheet)
{
    const QString master = QStringLiteral("This 'master' can be copied onto ticket ")
        + QStringLiteral("stock prior to cutting/perforating.");
    QStringList lines;
    if (fourToSheet)
        lines = {QStringLiteral("This selection is used to print front of ") + QStringLiteral("four tickets on 8 1/2 X 11 sheet."),
                 master,
                 QStringLiteral("The tickets will all print slightly left of center, ")
                     + QStringLiteral("to compensate for your"),
                 {}};
    else
        lines = {QStringLiteral("This selection is used to print front of ") + QStringLiteral("three tickets on 8 1/2 X 11 sheet."),
                 master};
    // The printing advice, from its ATTENTION line on.
    return lines << QString() << portraitHelp().mid(2);
}
