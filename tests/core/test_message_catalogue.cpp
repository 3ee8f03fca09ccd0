#include "dialogs/MessageCatalogue.h"
#include "season/Session.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Line {
    const char* text;
    const char* format;
};
struct Btn {
    const char* caption;
    int face;
    int captionColour;
    int answer;
};
struct Row {
    int id;
    const char* title;
    std::vector<Line> lines;
    std::vector<Btn> buttons;
    bool paired;
};

// The four kinds of entry and their buttons: Yes/No, the warning's red Yes, OK/Cancel, OK alone.
const std::vector<Btn> question{{"Yes", 65535, 255, 6}, {"No", 65280, 255, 7}};
const std::vector<Btn> warningQuestion{{"Yes", 255, 16777215, 6}, {"No", 65280, 255, 7}};
const std::vector<Btn> pause{{"OK", 65280, 255, 1}, {"Cancel", 65535, 255, 2}};
const std::vector<Btn> notice{{"OK", 65280, 255, 1}};

const Line none{"", "N"};

// Shown with week 7, 32 teams (496 tickets), i = 3 and the details of a damaged file.
const std::vector<Row> catalogue{
    {1, "PREVIOUS SCORES FOUND",
     {none, {"Scores for week # 7 already exist!", "C0"}, none, {"Correction to existing scores?", "B0"}},
     question, true},
    {2, "START OF NEW SEASON?",
     {{"Previous data will no longer be available.", "CBR"}, {"Save the file first for future reference.", "BR"},
      none, {"Create NEW Scores File?", "B0"}},
     warningQuestion, true},
    {3, "INPUT ERROR", {none, none, {"Enter Week # Again", "CB"}}, notice, false},
    {4, "WARNING!",
     {{"All changes, including changes made", "CBR"}, {"to 'Annual Data' will be saved.", "BR"},
      {"Do Not Change while season in progress!!", "BR"}, {"Save ALL Changes?", "B0"}},
     warningQuestion, true},
    {5, "INPUT ERROR",
     {none, {"Last Ticket # Smaller Than First Ticket #", "C0"}, none, {"Enter Ticket Numbers Again", "B0"}},
     notice, false},
    {6, "INPUT ERROR",
     {none, {"First # <1 or First # >496 or Last # >496", "C0"}, none, {"Enter Ticket Numbers Again", "B0"}},
     notice, false},
    {7, "OUTPUT PAUSED", {none, none, none, {"Continue Printing Tickets?", "CB0"}}, pause, true},
    {8, "WARNING!",
     {{"The selected file will", "CBR0"}, {"no longer be available", "BR0"}, none, {"Delete selected file?", "B0"}},
     warningQuestion, true},
    {9, "PREVIOUS WEEK NOT FOUND",
     {none, {"Previous weeks' Scores not found", "CBR0"}, none, {"Week # 4 MUST be entered first", "B0"}},
     notice, false},
    {10, "WEEKS EXCEEDS MAXIMUM",
     {none, {"MAXIMUM number of ", "CB0"}, none, {"regular season weeks is 29", "B0"}}, notice, false},
    {11, "WEEKS EXCEEDS MAXIMUM",
     {none, {"Max number of regular season", "CB0"}, none, {"weeks PLUS playoff weeks, is 28", "B0"}},
     notice, false},
    {12, "WEEKS EXCEEDS MAXIMUM", {none, {"MAXIMUM number", "CB0"}, none, {"of playoff weeks is 28", "B0"}},
     notice, false},
    {13, "INPUT ERROR",
     {none, {"Price < 1 or Price > 100", "C0"}, none, {"Enter Price Per Ticket Again", "B0"}, none}, notice,
     false},
    {14, "INPUT ERROR",
     {none, {"Estimated # < 1 or Estimated # > 496", "C0"}, none, {"Enter Estimated Tickets Again", "B0"}, none},
     notice, false},
    {15, "SELECTION NOT MADE", {none, {"'Printer Output' selection", "CB0"}, none, {"MUST be made", "B0"}},
     notice, false},
    {16, "FILE NOT FOUND",
     {{"Data file not found", "CRB0"}, none, {"Run 'Update Annual Data' and", "B0"},
      {"SAVE data to create a new file", "B0"}},
     notice, false},
    {17, "INPUT ERROR",
     {none, {"Comma delimiter not found", "C0"}, none, {"Enter Ticket Numbers Again", "B0"}}, notice, false},
    {18, "INPUT ERROR",
     {none, {"First # < 1 or Last # > 496", "C0"}, none, {"Enter Ticket Numbers Again", "B0"}}, notice, false},
    {19, "SCORES FILE NOT FOUND",
     {{"A Scores file with ", "CBR0"}, {"32 teams was not found.", "BR0"}, {"A NEW file MUST be created.", "0"},
      {"Scores MUST start at Week # 1.", "0"}},
     notice, false},
    {20, "FILE NAME NOT ENTERED", {none, none, {"File name MUST be entered", "CB0"}, none}, notice, false},
    {21, "FILE NAME EXISTS",
     {none, {"The file name already exists", "CRB0"}, none, {"Overwrite existing file?", "B0"}}, question, true},
    {22, "FILE NOT SELECTED", {none, none, {"File MUST be selected", "CB0"}, none}, notice, false},
    {23, "WARNING!",
     {{"The file currently in use will", "CBR0"}, {"no longer be available", "BR0"}, {"unless it was SAVED", "BR0"},
      {"Replace file?", "B0"}},
     warningQuestion, true},
    {24, "PERMISSION DENIED", {none, none, {"File cannot replace itself", "CB0"}, none}, notice, false},
    {25, "EXIT PROGRAM?", {none, none, none, {"Exit Program?", "CB0"}}, question, true},
    {26, "WARNING!",
     {{"All changes, including changes made", "CBR"}, {"to 'Annual Data' will be saved.", "BR"},
      {"During season, save only changes made", "B"}, {"to letter address!   Save ALL Changes?", "B"}},
     warningQuestion, true},
    {29, "INPUT ERROR", {none, none, {"Enter Score Again", "CB"}}, notice, false},
    {30, "DAMAGED DATA FILE",
     {{"Kickpool.txt", "CBR0"}, {"Line 12: TeamCount expected", "B0"},
      {"A copy was kept as Kickpool-damaged.txt", "0"}, none, {"Run 'Update Annual Data' and SAVE", "B0"}},
     notice, false},
    {31, "FILE NOT SAVED",
     {{"The season file could not be written:", "CBR0"}, {"No space left on device", "B0"}, none,
      {"The old file is unchanged and", "B0"}, {"your changes are still in memory.", "B0"}},
     notice, false},
};

}  // namespace

TEST(MessageCatalogue, EveryEntryAsTheUserSeesIt)
{
    Session session;
    session.season.TeamCount = 32;
    session.season.computeDerived();
    ASSERT_EQ(session.season.TicketCount, 496);
    session.WeekNo = 7;
    session.i = 3;

    for (const Row& row : catalogue) {
        SCOPED_TRACE(row.id);
        session.MsgDetail = row.id == 16 ? QStringList{}
                            : row.id == 31
                                ? QStringList{QStringLiteral("No space left on device")}
                                : QStringList{QStringLiteral("Kickpool.txt"), QStringLiteral("12"),
                                              QStringLiteral("TeamCount"), QStringLiteral("Kickpool-damaged.txt")};
        const MessageEntry entry = messageEntry(session, row.id);
        EXPECT_EQ(entry.title, QString::fromUtf8(row.title));
        ASSERT_EQ(entry.lines.size(), qsizetype(row.lines.size()));
        for (size_t n = 0; n < row.lines.size(); ++n) {
            EXPECT_EQ(entry.lines[n].text, QString::fromUtf8(row.lines[n].text)) << "line " << n + 1;
            EXPECT_EQ(entry.lines[n].format, QString::fromUtf8(row.lines[n].format)) << "line " << n + 1;
        }
        EXPECT_EQ(entry.paired, row.paired);
        ASSERT_EQ(entry.buttons.size(), qsizetype(row.buttons.size()));
        for (size_t n = 0; n < row.buttons.size(); ++n) {
            EXPECT_EQ(entry.buttons[n].caption, QString::fromUtf8(row.buttons[n].caption));
            EXPECT_EQ(entry.buttons[n].face, row.buttons[n].face);
            EXPECT_EQ(entry.buttons[n].captionColour, row.buttons[n].captionColour);
            EXPECT_EQ(entry.buttons[n].answer, row.buttons[n].answer);
        }
    }

    session.season.TeamCount = 48;
    session.season.computeDerived();
    EXPECT_EQ(messageEntry(session, 6).lines[1].text, QStringLiteral("First # <1 or First # >1128 or Last # >1128"));
}
