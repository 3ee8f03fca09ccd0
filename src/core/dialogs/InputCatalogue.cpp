#include "dialogs/InputCatalogue.h"

#include "season/Numbers.h"
#include "season/Session.h"

namespace {

MessageLine line(const QString& text, const char* format)
{
    return {text, QString::fromLatin1(format)};
}

const MessageLine emptyLine{QString(), QStringLiteral("N")};

InputEntry returnAddress(const Session& session, int n, const QString& lineName)
{
    InputEntry entry;
    entry.title = QStringLiteral("INPUT YOUR RETURN ADDRESS");
    entry.startText = session.season.ReturnAddress[n];
    entry.clearsInputText = true;
    entry.lines = {emptyLine,
                   line(QStringLiteral("    If a line is not used, leave line blank."), "0"),
                   emptyLine,
                   line(QStringLiteral("    Press 'ENTER' or click 'OK'"), "0"),
                   emptyLine,
                   line(QStringLiteral("   ") + lineName, "B0")};
    entry.questionSound = n == 1;
    return entry;
}

InputEntry numberToPrint(const Session& session, const QString& title, const QString& what)
{
    InputEntry entry;
    entry.title = title;
    entry.startText = session.InputText;
    entry.lines = {emptyLine, emptyLine, emptyLine,
                   line(QStringLiteral(" Press 'Enter' or click 'OK' when done"), "0"),
                   emptyLine,
                   line(QStringLiteral(" ") + what, "B0")};
    entry.questionSound = true;
    return entry;
}

}  // namespace

InputEntry inputEntry(const Session& session, int id)
{
    switch (id) {
    case 1:
        return returnAddress(session, 1, QStringLiteral("NAME OF ORGANIZATION"));
    case 2:
        return returnAddress(session, 2, QStringLiteral("ADDRESS LINE 1"));
    case 3:
        return returnAddress(session, 3, QStringLiteral("ADDRESS LINE 2"));
    case 4:
        return returnAddress(session, 4, QStringLiteral("CITY, STATE & ZIP CODE"));
    case 5: {
        const int team = session.i;
        const QString name = team >= 1 && team <= MaxTeams ? session.season.TeamName[team] : QString();
        InputEntry entry;
        entry.title = QStringLiteral("INPUT SCORES FOR WEEK # ") + QString::number(session.WeekNo);
        entry.startText = session.InputText;
        entry.lines = {line(QStringLiteral(" IMPORTANT"), "RB0"),
                       line(QStringLiteral(" If a team 'Does Not Play' (has bye week)"), "0"),
                       line(QStringLiteral(" Leave (or Make) score blank"), "0"),
                       emptyLine,
                       line(QStringLiteral(" Enter Score - Press 'Enter' or click 'OK' when done"), "0"),
                       line(QStringLiteral(" ") + QString::number(team) + QStringLiteral(" ")
                                + name.toUpper(),
                            "B0")};
        return entry;
    }
    case 6:
        return numberToPrint(session, QStringLiteral("LETTER TO WINNERS"), QStringLiteral("NUMBER OF COPIES"));
    case 7:
        return numberToPrint(session, QStringLiteral("PRINT FRONT OF TICKETS"),
                             QStringLiteral("NUMBER OF TICKETS TO PRINT"));
    default:
        return {};
    }
}

QStringList inputTextLines(const InputEntry& entry)
{
    return dialogTextLines(entry.title, entry.lines);
}

int askCount(Session& session, int id, int most)
{
    for (;;) {
        session.InputText = QStringLiteral("1");
        if (session.input(id) == Answer::Cancel)
            return 0;
        const int count = toInteger(leadingNumber(session.InputText));
        if (count >= 1 && count <= most)
            return count;
    }
}
