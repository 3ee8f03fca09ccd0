#include "dialogs/MessageCatalogue.h"

namespace {

enum class Kind { Question, WarningQuestion, Pause, Notice, SaveDropStay };

QVector<MessageButton> buttonsOf(Kind kind)
{
    using namespace BgrColour;
    switch (kind) {
    case Kind::Question:
        return {{QStringLiteral("Yes"), Yellow, Red, Answer::Yes},
                {QStringLiteral("No"), Green, Red, Answer::No}};
    case Kind::WarningQuestion:
        return {{QStringLiteral("Yes"), Red, White, Answer::Yes},
                {QStringLiteral("No"), Green, Red, Answer::No}};
    case Kind::Pause:
        return {{QStringLiteral("OK"), Green, Red, Answer::Ok},
                {QStringLiteral("Cancel"), Yellow, Red, Answer::Cancel}};
    case Kind::Notice:
        return {{QStringLiteral("OK"), Green, Red, Answer::Ok}};
    case Kind::SaveDropStay:
        return {{QStringLiteral("Yes"), Yellow, Red, Answer::Yes},
                {QStringLiteral("No"), Red, White, Answer::No},
                {QStringLiteral("Cancel"), Green, Red, Answer::Cancel}};
    }
    return {};
}

MessageEntry make(const QString& title, QVector<MessageLine> lines, Kind kind)
{
    return {MessageId{}, title, std::move(lines), buttonsOf(kind), kind != Kind::Notice};
}

MessageEntry entryOf(MessageId id, const QStringList& arguments)
{
    const MessageLine empty{QString(), QStringLiteral("N")};
    auto line = [](const QString& text, const char* format) {
        return MessageLine{text, QString::fromLatin1(format)};
    };
    // The text inserted in the place of argument n; one that was not given reads as empty.
    const auto text = [&arguments](int n) { return arguments.value(n); };
    const QString enterTicketsAgain = QStringLiteral("Enter Ticket Numbers Again");
    const QString inputError = QStringLiteral("INPUT ERROR");
    const QString warning = QStringLiteral("WARNING!");
    const QString weeksExceed = QStringLiteral("WEEKS EXCEEDS MAXIMUM");
    const QString allChanges = QStringLiteral("All changes, including changes made");
    const QString annualSaved = QStringLiteral("to 'Annual Data' will be saved.");

    switch (id) {
    case MessageId::ScoresAlreadyExist:
        return make(QStringLiteral("PREVIOUS SCORES FOUND"),
                    {empty,
                     line(QStringLiteral("Scores for week # ") + text(0)
                              + QStringLiteral(" already exist!"),
                          "C0"),
                     empty, line(QStringLiteral("Correction to existing scores?"), "B0")},
                    Kind::Question);
    case MessageId::StartNewSeason:
        return make(QStringLiteral("START OF NEW SEASON?"),
                    {line(QStringLiteral("Previous data will no longer be available."), "CBR"),
                     line(QStringLiteral("Save the file first for future reference."), "BR"),
                     empty, line(QStringLiteral("Create NEW Scores File?"), "B0")},
                    Kind::WarningQuestion);
    case MessageId::EnterWeekAgain:
        return make(inputError, {empty, empty, line(QStringLiteral("Enter Week # Again"), "CB")},
                    Kind::Notice);
    case MessageId::SaveAllChanges:
        return make(warning,
                    {line(allChanges, "CBR"), line(annualSaved, "BR"),
                     line(QStringLiteral("Do Not Change while season in progress!!"), "BR"),
                     line(QStringLiteral("Save ALL Changes?"), "B0")},
                    Kind::WarningQuestion);
    case MessageId::LastTicketBeforeFirst:
        return make(inputError,
                    {empty, line(QStringLiteral("Last Ticket # Smaller Than First Ticket #"), "C0"),
                     empty, line(enterTicketsAgain, "B0")},
                    Kind::Notice);
    case MessageId::TicketOutOfRange:
        return make(inputError,
                    {empty,
                     line(QStringLiteral("First # <1 or First # >") + text(0)
                              + QStringLiteral(" or Last # >") + text(0),
                          "C0"),
                     empty, line(enterTicketsAgain, "B0")},
                    Kind::Notice);
    case MessageId::OutputPaused:
        return make(QStringLiteral("OUTPUT PAUSED"),
                    {empty, empty, empty, line(QStringLiteral("Continue Printing Tickets?"), "CB0")},
                    Kind::Pause);
    case MessageId::DeleteFile:
        return make(warning,
                    {line(QStringLiteral("The selected file will"), "CBR0"),
                     line(QStringLiteral("no longer be available"), "BR0"), empty,
                     line(QStringLiteral("Delete selected file?"), "B0")},
                    Kind::WarningQuestion);
    case MessageId::PreviousWeekNotFound:
        return make(QStringLiteral("PREVIOUS WEEK NOT FOUND"),
                    {empty, line(QStringLiteral("Previous weeks' Scores not found"), "CBR0"), empty,
                     line(QStringLiteral("Week # ") + text(0)
                              + QStringLiteral(" MUST be entered first"),
                          "B0")},
                    Kind::Notice);
    case MessageId::RegularWeeksTooMany:
        return make(weeksExceed,
                    {empty, line(QStringLiteral("MAXIMUM number of "), "CB0"), empty,
                     line(QStringLiteral("regular season weeks is 29"), "B0")},
                    Kind::Notice);
    case MessageId::TotalWeeksTooMany:
        return make(weeksExceed,
                    {empty, line(QStringLiteral("Max number of regular season"), "CB0"), empty,
                     line(QStringLiteral("weeks PLUS playoff weeks, is 28"), "B0")},
                    Kind::Notice);
    case MessageId::PlayoffWeeksTooMany:
        return make(weeksExceed,
                    {empty, line(QStringLiteral("MAXIMUM number"), "CB0"), empty,
                     line(QStringLiteral("of playoff weeks is 28"), "B0")},
                    Kind::Notice);
    case MessageId::PriceOutOfRange:
        return make(inputError,
                    {empty, line(QStringLiteral("Price < 1 or Price > 100"), "C0"), empty,
                     line(QStringLiteral("Enter Price Per Ticket Again"), "B0"), empty},
                    Kind::Notice);
    case MessageId::EstimatedSoldOutOfRange:
        return make(inputError,
                    {empty, line(QStringLiteral("Estimated # < 1 or Estimated # > ") + text(0), "C0"),
                     empty, line(QStringLiteral("Enter Estimated Tickets Again"), "B0"), empty},
                    Kind::Notice);
    case MessageId::PrinterChoiceNotMade:
        return make(QStringLiteral("SELECTION NOT MADE"),
                    {empty, line(QStringLiteral("'Printer Output' selection"), "CB0"), empty,
                     line(QStringLiteral("MUST be made"), "B0")},
                    Kind::Notice);
    case MessageId::FileNotFound:
        return make(QStringLiteral("FILE NOT FOUND"),
                    {line(QStringLiteral("Data file not found"), "CRB0"),
                     text(0).isEmpty() ? empty : line(text(0), "0"),
                     line(QStringLiteral("Run 'Update Annual Data' and"), "B0"),
                     line(QStringLiteral("SAVE data to create a new file"), "B0")},
                    Kind::Notice);
    case MessageId::CommaNotFound:
        return make(inputError,
                    {empty, line(QStringLiteral("Comma delimiter not found"), "C0"), empty,
                     line(enterTicketsAgain, "B0")},
                    Kind::Notice);
    case MessageId::SequenceOutOfRange:
        return make(inputError,
                    {empty, line(QStringLiteral("First # < 1 or Last # > ") + text(0), "C0"), empty,
                     line(enterTicketsAgain, "B0")},
                    Kind::Notice);
    case MessageId::ScoresFileNotFound:
        return make(QStringLiteral("SCORES FILE NOT FOUND"),
                    {line(QStringLiteral("A Scores file with "), "CBR0"),
                     line(text(0)
                              + QStringLiteral(" teams was not found."),
                          "BR0"),
                     line(QStringLiteral("A NEW file MUST be created."), "0"),
                     line(QStringLiteral("Scores MUST start at Week # 1."), "0")},
                    Kind::Notice);
    case MessageId::FileNameNotEntered:
        return make(QStringLiteral("FILE NAME NOT ENTERED"),
                    {empty, empty, line(QStringLiteral("File name MUST be entered"), "CB0"), empty},
                    Kind::Notice);
    case MessageId::FileNameExists:
        return make(QStringLiteral("FILE NAME EXISTS"),
                    {empty, line(QStringLiteral("The file name already exists"), "CRB0"), empty,
                     line(QStringLiteral("Overwrite existing file?"), "B0")},
                    Kind::Question);
    case MessageId::FileNotSelected:
        return make(QStringLiteral("FILE NOT SELECTED"),
                    {empty, empty, line(QStringLiteral("File MUST be selected"), "CB0"), empty},
                    Kind::Notice);
    case MessageId::ReplaceCurrentFile:
        return make(warning,
                    {line(QStringLiteral("The file currently in use will"), "CBR0"),
                     line(QStringLiteral("no longer be available"), "BR0"),
                     line(QStringLiteral("unless it was SAVED"), "BR0"),
                     line(QStringLiteral("Replace file?"), "B0")},
                    Kind::WarningQuestion);
    case MessageId::FileCannotReplaceItself:
        return make(QStringLiteral("PERMISSION DENIED"),
                    {empty, empty, line(QStringLiteral("File cannot replace itself"), "CB0"), empty},
                    Kind::Notice);
    case MessageId::ExitProgram:
        return make(QStringLiteral("EXIT PROGRAM?"),
                    {empty, empty, empty, line(QStringLiteral("Exit Program?"), "CB0")},
                    Kind::Question);
    case MessageId::SaveAllChangesMain:
        return make(warning,
                    {line(allChanges, "CBR"), line(annualSaved, "BR"),
                     line(QStringLiteral("During season, save only changes made"), "B"),
                     line(QStringLiteral("to letter address!   Save ALL Changes?"), "B")},
                    Kind::WarningQuestion);
    case MessageId::EnterScoreAgain:
        return make(inputError, {empty, empty, line(QStringLiteral("Enter Score Again"), "CB")},
                    Kind::Notice);
    case MessageId::DamagedFile:
        return make(QStringLiteral("DAMAGED DATA FILE"),
                    {line(text(0), "CBR0"),
                     line(QStringLiteral("Line ") + text(1) + QStringLiteral(": ")
                              + text(2) + QStringLiteral(" expected"),
                          "B0"),
                     line(QStringLiteral("A copy was kept as ") + text(3), "0"), empty,
                     line(QStringLiteral("Run 'Update Annual Data' and SAVE"), "B0")},
                    Kind::Notice);
    case MessageId::FileNotSaved:
        return make(QStringLiteral("FILE NOT SAVED"),
                    {line(QStringLiteral("The season file could not be written:"), "CBR0"),
                     line(text(0), "B0"),
                     text(1).isEmpty() ? empty : line(text(1), "0"),
                     line(QStringLiteral("The old file is unchanged and"), "B0"),
                     line(QStringLiteral("your changes are still in memory."), "B0")},
                    Kind::Notice);
    case MessageId::DamagedFileNotCopied:
        return make(QStringLiteral("DAMAGED DATA FILE"),
                    {line(text(0), "CBR0"),
                     line(QStringLiteral("Line ") + text(1) + QStringLiteral(": ")
                              + text(2) + QStringLiteral(" expected"),
                          "B0"),
                     line(QStringLiteral("No copy could be kept: ") + text(3), "0"),
                     line(QStringLiteral("SAVE will not replace it: move it"), "B0"),
                     line(QStringLiteral("to a safe place first, then SAVE"), "B0")},
                    Kind::Notice);
    case MessageId::FileNotReadable:
        return make(QStringLiteral("FILE NOT READABLE"),
                    {line(text(0), "CBR0"),
                     line(QStringLiteral("The file cannot be read: ") + text(1), "B0"), empty,
                     line(QStringLiteral("Check that you may read it."), "B0"),
                     line(QStringLiteral("SAVE will not replace it."), "B0")},
                    Kind::Notice);
    case MessageId::BackupNotMade:
        return make(QStringLiteral("BACKUP NOT MADE"),
                    {line(QStringLiteral("No backup could be kept:"), "CBR0"), line(text(0), "B0"),
                     line(text(1), "0"), empty,
                     line(QStringLiteral("Nothing was changed."), "B0")},
                    Kind::Notice);
    case MessageId::FileNameNotAllowed:
        return make(QStringLiteral("FILE NAME NOT ALLOWED"),
                    {empty, line(QStringLiteral("This file name cannot be used:"), "CBR0"),
                     line(text(0), "B0"), empty,
                     line(QStringLiteral("Enter another file name"), "B0")},
                    Kind::Notice);
    case MessageId::NoCurrentFile:
        return make(QStringLiteral("NO CURRENT USE FILE"),
                    {empty, line(QStringLiteral("Kickpool.txt does not exist,"), "CBR0"),
                     line(QStringLiteral("so there is nothing to save."), "BR0"), empty,
                     line(QStringLiteral("SAVE data to create the file first"), "B0")},
                    Kind::Notice);
    case MessageId::FileOperationFailed:
        return make(QStringLiteral("FILE OPERATION FAILED"),
                    {line(text(0), "CBR0"), line(text(1), "B0"), empty,
                     line(QStringLiteral("Every file is as it was."), "B0")},
                    Kind::Notice);
    case MessageId::ChangesNotSaved:
        return make(QStringLiteral("CHANGES NOT SAVED"),
                    {line(QStringLiteral("These changes are not saved yet!"), "CBR"), empty,
                     line(QStringLiteral("Yes: save them, then go on"), "0"),
                     line(QStringLiteral("No: drop them, then go on"), "0"),
                     line(QStringLiteral("Cancel: stay here"), "0"), empty,
                     line(QStringLiteral("Save the changes?"), "B0")},
                    Kind::SaveDropStay);
    case MessageId::AboutKickpool:
        return make(QStringLiteral("ABOUT KICKPOOL"),
                    {line(text(0), "CB0"), line(QStringLiteral("Home folder: ") + text(1), "0"),
                     empty, line(QStringLiteral("Qt ") + text(2), "0"),
                     line(QStringLiteral("User guide (F1): ") + text(3), "0")},
                    Kind::Notice);
    case MessageId::GuideNotFound:
        return make(QStringLiteral("USER GUIDE NOT FOUND"),
                    {line(QStringLiteral("The user guide is not in"), "CBR0"), line(text(0), "0"), empty,
                     line(QStringLiteral("Install Kickpool again to get it back."), "B0")},
                    Kind::Notice);
    case MessageId::TicketNotForSale:
        return make(QStringLiteral("NOT FOR SALE"),
                    {empty, line(QStringLiteral("Ticket # ") + text(0) + QStringLiteral(" is in an unsold sequence"), "CBR0"),
                     line(QStringLiteral("and cannot have a buyer."), "BR0"), empty,
                     line(QStringLiteral("Change the unsold sequences first"), "B0")},
                    Kind::Notice);
    case MessageId::DamagedRegister:
        return make(QStringLiteral("DAMAGED SALES REGISTER"),
                    {line(text(0), "CBR0"), line(QStringLiteral("Line ") + text(1) + QStringLiteral(": ") + text(2), "B0"),
                     line(QStringLiteral("A copy was kept as ") + text(3), "0"),
                     line(QStringLiteral("The register shows empty; the file stays"), "B0"),
                     line(QStringLiteral("as it is until you save the register."), "B0")},
                    Kind::Notice);
    case MessageId::MarkUnsold:
        return make(QStringLiteral("MARK UNSOLD?"),
                    {line(QStringLiteral("Tickets without a buyer:"), "CBR0"), line(text(0), "B0"),
                     line(QStringLiteral("Tickets sold: ") + text(1), "0"), empty,
                     line(QStringLiteral("Make these the unsold sequences and save?"), "B0")},
                    Kind::WarningQuestion);
    case MessageId::TooManyUnsoldRuns:
        return make(QStringLiteral("TOO MANY UNSOLD SEQUENCES"),
                    {empty, line(QStringLiteral("The tickets without a buyer form ") + text(0) + QStringLiteral(" runs;"), "CBR0"),
                     line(QStringLiteral("at most 48 unsold sequences can be kept."), "BR0"), empty,
                     line(QStringLiteral("Nothing was changed."), "B0")},
                    Kind::Notice);
    case MessageId::RegisterNotSaved:
        return make(QStringLiteral("REGISTER NOT SAVED"),
                    {line(QStringLiteral("The sales register could not be written:"), "CBR0"), line(text(0), "B0"),
                     line(text(1), "0"), line(QStringLiteral("The old file is unchanged and"), "B0"),
                     line(QStringLiteral("your changes are still in memory."), "B0")},
                    Kind::Notice);
    case MessageId::RegisterNotReadable:
        return make(QStringLiteral("REGISTER NOT READABLE"),
                    {line(text(0), "CBR0"), line(QStringLiteral("The file cannot be read: ") + text(1), "B0"), empty,
                     line(QStringLiteral("Check that you may read it."), "B0"),
                     line(QStringLiteral("Saving will not replace it."), "B0")},
                    Kind::Notice);
    case MessageId::AmountNotValid:
        return make(inputError,
                    {empty, line(QStringLiteral("\"") + text(0) + QStringLiteral("\" is not an amount"), "CBR0"),
                     line(QStringLiteral("Type an amount such as 5 or 12.50"), "B0"), empty,
                     line(QStringLiteral("Enter Amount Again"), "B0")},
                    Kind::Notice);
    case MessageId::DateNotValid:
        return make(inputError,
                    {empty, line(QStringLiteral("\"") + text(0) + QStringLiteral("\" is not a date"), "CBR0"),
                     line(QStringLiteral("Type a date such as 2024-11-20"), "B0"), empty,
                     line(QStringLiteral("Enter Date Again"), "B0")},
                    Kind::Notice);
    case MessageId::GrandPrizeNotDecided:
        return make(QStringLiteral("GRAND PRIZE NOT DECIDED"),
                    {empty, line(QStringLiteral("The grand prize is decided in week # ") + text(0), "CBR0"), empty,
                     line(QStringLiteral("Week # ") + text(0) + QStringLiteral(" MUST be entered first"), "B0")},
                    Kind::Notice);
    case MessageId::ImportTickets:
        return make(QStringLiteral("IMPORT TICKETS?"),
                    {empty, line(text(0) + QStringLiteral(" rows can be taken,"), "CBR0"),
                     line(text(1) + QStringLiteral(" rows cannot (listed)."), "BR0"), empty,
                     line(QStringLiteral("Write the rows taken into the register?"), "B0")},
                    Kind::Question);
    case MessageId::HomeInUse:
        return make(QStringLiteral("HOME FOLDER IN USE"),
                    {line(QStringLiteral("Another program is saving in"), "CBR0"), line(text(0), "B0"),
                     line(text(1), "0"), empty,
                     line(QStringLiteral("Nothing was changed. Try again"), "B0"),
                     line(QStringLiteral("once it has finished."), "B0")},
                    Kind::Notice);
    case MessageId::FileChangedOnDisk:
        return make(QStringLiteral("FILE CHANGED ON DISK"),
                    {line(QStringLiteral("Another program changed the file"), "CBR0"), line(text(0), "B0"),
                     line(QStringLiteral("since Kickpool read it."), "BR0"), empty,
                     line(QStringLiteral("Replace it with the season here?"), "B0")},
                    Kind::WarningQuestion);
    case MessageId::TeamNotFound:
        return make(QStringLiteral("TEAM NOT FOUND"),
                    {line(QStringLiteral("Line ") + text(0) + QStringLiteral(" of the results:"), "CBR0"),
                     line(QStringLiteral("No team of this season is called \"") + text(1) + QStringLiteral("\"."), "B0"),
                     empty, line(QStringLiteral("Correct the line, then read the results again."), "B0"),
                     line(QStringLiteral("Nothing was stored."), "0")},
                    Kind::Notice);
    case MessageId::TeamNameNotClear:
        return make(QStringLiteral("TEAM NAME NOT CLEAR"),
                    {line(QStringLiteral("Line ") + text(0) + QStringLiteral(" of the results:"), "CBR0"),
                     line(QStringLiteral("\"") + text(1) + QStringLiteral("\" fits ") + text(2) + QLatin1Char('.'), "B0"),
                     empty, line(QStringLiteral("Write more of the name, then read the results again."), "B0"),
                     line(QStringLiteral("Nothing was stored."), "0")},
                    Kind::Notice);
    case MessageId::TeamNamedTwice:
        return make(QStringLiteral("TEAM NAMED TWICE"),
                    {line(QStringLiteral("Line ") + text(0) + QStringLiteral(" of the results:"), "CBR0"),
                     line(text(1) + QStringLiteral(" already has a score from line ") + text(2) + QLatin1Char('.'), "B0"),
                     empty, line(QStringLiteral("Keep one of the lines, then read the results again."), "B0"),
                     line(QStringLiteral("Nothing was stored."), "0")},
                    Kind::Notice);
    case MessageId::PastedLineNotRead:
        return make(QStringLiteral("LINE NOT READ"),
                    {line(QStringLiteral("Line ") + text(0) + QStringLiteral(": ") + text(1), "CBR0"),
                     line(text(2), "B0"), empty,
                     line(QStringLiteral("Correct the line, then read the results again."), "B0"),
                     line(QStringLiteral("Nothing was stored."), "0")},
                    Kind::Notice);
    case MessageId::NothingToRead:
        return make(QStringLiteral("NOTHING TO READ"),
                    {empty, line(text(0) + QStringLiteral(" holds no results."), "CBR0"), empty,
                     line(QStringLiteral("Copy the week's results, then paste them again."), "B0")},
                    Kind::Notice);
    case MessageId::UpdateAvailable:
        return make(QStringLiteral("UPDATE AVAILABLE"),
                    {empty, line(QStringLiteral("Kickpool ") + text(0) + QStringLiteral(" is available."), "CB0"),
                     line(QStringLiteral("This copy is ") + text(1) + QStringLiteral("."), "0"), empty,
                     line(QStringLiteral("Open the download page in the web browser?"), "B0")},
                    Kind::Question);
    case MessageId::ResultsPageNotWritten:
        return make(QStringLiteral("RESULTS PAGE NOT WRITTEN"),
                    {line(QStringLiteral("The results page could not be written:"), "CBR0"),
                     line(text(0), "B0"), line(text(1), "0"), empty,
                     line(QStringLiteral("Choose another folder and try again."), "B0")},
                    Kind::Notice);
    case MessageId::NoWeekToPublish:
        return make(QStringLiteral("NO WEEK TO PUBLISH"),
                    {empty, line(QStringLiteral("No week has been scored yet."), "CBR0"), empty,
                     line(QStringLiteral("Enter a week's scores first"), "B0")},
                    Kind::Notice);
    case MessageId::PublishWeekAgain:
        return make(inputError,
                    {empty, line(QStringLiteral("Publish a scored week: 1 to ") + text(0), "CBR0"), empty,
                     line(QStringLiteral("Enter Week Number Again"), "B0")},
                    Kind::Notice);
    case MessageId::MailTextCopied:
        return make(QStringLiteral("E-MAIL TEXT COPIED"),
                    {empty, line(QStringLiteral("The winners of week ") + text(0), "CB0"),
                     line(QStringLiteral("are ready to paste into an e-mail."), "B0")},
                    Kind::Notice);
    }
    return {};
}

}  // namespace

MessageEntry messageEntry(MessageId id, const QStringList& arguments)
{
    MessageEntry entry = entryOf(id, arguments);
    entry.id = id;
    return entry;
}

QStringList dialogTextLines(const QString& title, const QVector<MessageLine>& lines)
{
    QStringList text{title};
    for (const MessageLine& line : lines)
        text.append(line.text);
    return text;
}

QStringList messageTextLines(const MessageEntry& entry)
{
    return dialogTextLines(entry.title, entry.lines);
}
