#include "dialogs/InputCatalogue.h"

#include "season/Numbers.h"
#include "season/Session.h"

namespace {

MessageLine line(const QString& text, const char* format)
{
    return {text, QString::fromLatin1(format)};
}

const MessageLine emptyLine{QString(), QStringLiteral("N")};

InputEntry returnAddress(const QString& current, const QString& lineName, bool questionSound)
{
    InputEntry entry;
    entry.title = QStringLiteral("INPUT YOUR RETURN ADDRESS");
    entry.startText = current;
    entry.lines = {emptyLine,
                   line(QStringLiteral("    If a line is not used, leave line blank."), "0"),
                   emptyLine,
                   line(QStringLiteral("    Press 'ENTER' or click 'OK'"), "0"),
                   emptyLine,
                   line(QStringLiteral("   ") + lineName, "B0")};
    entry.questionSound = questionSound;
    return entry;
}

InputEntry numberToPrint(const QString& offered, const QString& title, const QString& what)
{
    InputEntry entry;
    entry.title = title;
    entry.startText = offered;
    entry.lines = {emptyLine, emptyLine, emptyLine,
                   line(QStringLiteral(" Press 'Enter' or click 'OK' when done"), "0"),
                   emptyLine,
                   line(QStringLiteral(" ") + what, "B0")};
    entry.questionSound = true;
    return entry;
}

InputEntry entryOf(InputId id, const QStringList& arguments)
{
    const auto text = [&arguments](int n) { return arguments.value(n); };
    switch (id) {
    case InputId::OrganisationName:
        return returnAddress(text(0), QStringLiteral("NAME OF ORGANIZATION"), true);
    case InputId::AddressLine1:
        return returnAddress(text(0), QStringLiteral("ADDRESS LINE 1"), false);
    case InputId::AddressLine2:
        return returnAddress(text(0), QStringLiteral("ADDRESS LINE 2"), false);
    case InputId::CityStateZip:
        return returnAddress(text(0), QStringLiteral("CITY, STATE & ZIP CODE"), false);
    case InputId::TeamScore: {
        InputEntry entry;
        entry.title = QStringLiteral("INPUT SCORES FOR WEEK # ") + text(0);
        entry.startText = text(3);
        entry.lines = {line(QStringLiteral(" IMPORTANT"), "RB0"),
                       line(QStringLiteral(" If a team 'Does Not Play' (has bye week)"), "0"),
                       line(QStringLiteral(" Leave (or Make) score blank"), "0"),
                       emptyLine,
                       line(QStringLiteral(" Enter Score - Press 'Enter' or click 'OK' when done"), "0"),
                       line(QStringLiteral(" ") + text(1) + QStringLiteral(" ") + text(2).toUpper(), "B0")};
        return entry;
    }
    case InputId::LetterCopies:
        return numberToPrint(text(0), QStringLiteral("LETTER TO WINNERS"), QStringLiteral("NUMBER OF COPIES"));
    case InputId::TicketFrontCount:
        return numberToPrint(text(0), QStringLiteral("PRINT FRONT OF TICKETS"),
                             QStringLiteral("NUMBER OF TICKETS TO PRINT"));
    }
    return {};
}

}  // namespace

InputEntry inputEntry(InputId id, const QStringList& arguments)
{
    InputEntry entry = entryOf(id, arguments);
    entry.id = id;
    return entry;
}

QStringList inputTextLines(const InputEntry& entry)
{
    return dialogTextLines(entry.title, entry.lines);
}

int askCount(Session& session, InputId id, int most)
{
    for (;;) {
        const InputReply reply = session.input(id, {QStringLiteral("1")});
        if (reply.cancelled())
            return 0;
        const int count = toInteger(leadingNumber(reply.text));
        if (count >= 1 && count <= most)
            return count;
    }
}
