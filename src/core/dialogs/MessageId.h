#pragma once

#include <QStringList>

// Every numbered message of the catalogue by name; the number is the one the user sees. The
// texts a message inserts are passed with it, in the order given here.
enum class MessageId {
    ScoresAlreadyExist = 1,        // PREVIOUS SCORES FOUND {week}
    StartNewSeason = 2,            // START OF NEW SEASON?
    EnterWeekAgain = 3,            // INPUT ERROR, week
    SaveAllChanges = 4,            // WARNING! save all changes (annual data, ticket front)
    LastTicketBeforeFirst = 5,     // INPUT ERROR, last < first
    TicketOutOfRange = 6,          // INPUT ERROR, first/last beyond the tickets {ticket count}
    OutputPaused = 7,              // OUTPUT PAUSED
    DeleteFile = 8,                // WARNING! delete selected file
    PreviousWeekNotFound = 9,      // PREVIOUS WEEK NOT FOUND {the week to enter first}
    RegularWeeksTooMany = 10,      // WEEKS EXCEEDS MAXIMUM, regular
    TotalWeeksTooMany = 11,        // WEEKS EXCEEDS MAXIMUM, regular plus playoff
    PlayoffWeeksTooMany = 12,      // WEEKS EXCEEDS MAXIMUM, playoff
    PriceOutOfRange = 13,          // INPUT ERROR, price
    EstimatedSoldOutOfRange = 14,  // INPUT ERROR, estimated tickets sold {ticket count}
    PrinterChoiceNotMade = 15,     // SELECTION NOT MADE
    FileNotFound = 16,             // FILE NOT FOUND
    CommaNotFound = 17,            // INPUT ERROR, sequence without comma
    SequenceOutOfRange = 18,       // INPUT ERROR, sequence beyond the tickets {ticket count}
    ScoresFileNotFound = 19,       // SCORES FILE NOT FOUND {team count}
    FileNameNotEntered = 20,       // FILE NAME NOT ENTERED
    FileNameExists = 21,           // FILE NAME EXISTS
    FileNotSelected = 22,          // FILE NOT SELECTED
    ReplaceCurrentFile = 23,       // WARNING! replace the file in use
    FileCannotReplaceItself = 24,  // PERMISSION DENIED
    ExitProgram = 25,              // EXIT PROGRAM?
    SaveAllChangesMain = 26,       // WARNING! save all changes (main screen)
    EnterScoreAgain = 29,          // INPUT ERROR, score
    DamagedFile = 30,              // DAMAGED DATA FILE {file, line, what was expected, copy kept}
    FileNotSaved = 31,             // FILE NOT SAVED {file, why}
    DamagedFileNotCopied = 32,     // DAMAGED DATA FILE, no copy could be kept {file, line, expected, why}
    FileNotReadable = 33,          // FILE NOT READABLE {file, why}
    BackupNotMade = 34,            // BACKUP NOT MADE {file, why}
    FileNameNotAllowed = 35,       // FILE NAME NOT ALLOWED {why}
    NoCurrentFile = 36,            // NO CURRENT USE FILE, nothing to save
    FileOperationFailed = 37,      // FILE OPERATION FAILED {what was not done, why}
    AboutKickpool = 38,            // ABOUT KICKPOOL {version line, home folder, Qt version}
    HomeInUse = 39,                // HOME FOLDER IN USE {home folder, the program writing it}
    FileChangedOnDisk = 40,        // FILE CHANGED ON DISK, replace it? {file}
    ChangesNotSaved = 45,          // CHANGES NOT SAVED: Yes saves, No drops them, Cancel stays
    TicketNotForSale = 50,         // NOT FOR SALE {ticket}
    DamagedRegister = 51,          // DAMAGED SALES REGISTER {file, line, what is wrong, copy kept}
    MarkUnsold = 52,               // MARK UNSOLD? {the sequences, sold count}
    TooManyUnsoldRuns = 53,        // TOO MANY UNSOLD SEQUENCES {runs}
    RegisterNotSaved = 54,         // REGISTER NOT SAVED {file, why}
    RegisterNotReadable = 55,      // REGISTER NOT READABLE {file, why}
    AmountNotValid = 56,           // INPUT ERROR, amount paid {text}
    DateNotValid = 57,             // INPUT ERROR, date paid {text}
    GrandPrizeNotDecided = 58,     // GRAND PRIZE NOT DECIDED {last regular week}
    ImportTickets = 59,            // IMPORT TICKETS? {rows taken, rows refused}
    TeamNotFound = 60,             // TEAM NOT FOUND {pasted line number, the name}
    TeamNameNotClear = 61,         // TEAM NAME NOT CLEAR {pasted line number, the name, the teams it fits}
    TeamNamedTwice = 62,           // TEAM NAMED TWICE {pasted line number, the team, the line that named it first}
    PastedLineNotRead = 63,        // LINE NOT READ {pasted line number, the line, why}
    NothingToRead = 64,            // NOTHING TO READ {where the results were looked for}
    ResultsPageNotWritten = 65,    // RESULTS PAGE NOT WRITTEN {file or folder, why}
    NoWeekToPublish = 66,          // NO WEEK TO PUBLISH
    PublishWeekAgain = 67,         // INPUT ERROR, week to publish {latest scored week}
    MailTextCopied = 69,           // E-MAIL TEXT COPIED {week}
    UpdateAvailable = 70,          // UPDATE AVAILABLE {latest version, this copy's version}
    GuideNotFound = 75,            // USER GUIDE NOT FOUND {the guide's folder}
};

// How a dialog was closed: the button of a message, or OK (also Enter) and Cancel of an input.
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// A message that refuses what was asked, with the texts it inserts: shown as
// session.message(refusal.id, refusal.arguments).
struct Refusal {
    MessageId id;
    QStringList arguments;
    bool operator==(const Refusal&) const = default;
};
