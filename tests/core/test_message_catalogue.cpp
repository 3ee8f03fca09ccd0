#include "dialogs/InputCatalogue.h"
#include "dialogs/MessageCatalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace {

QStringList shown(MessageId id, const QStringList& arguments)
{
    return messageTextLines(messageEntry(id, arguments));
}

}  // namespace

TEST(MessageCatalogue, InsertedTextsStandWhereTheUserReadsThem)
{
    EXPECT_EQ(shown(MessageId::ScoresAlreadyExist, {"7"})[2], "Scores for week # 7 already exist!");
    EXPECT_EQ(shown(MessageId::TicketOutOfRange, {"1128"})[2], "First # <1 or First # >1128 or Last # >1128");
    EXPECT_EQ(shown(MessageId::PreviousWeekNotFound, {"4"})[4], "Week # 4 MUST be entered first");
    EXPECT_EQ(shown(MessageId::SequenceOutOfRange, {"496"})[2], "First # < 1 or Last # > 496");
    EXPECT_EQ(shown(MessageId::ScoresFileNotFound, {"32"})[2], "32 teams was not found.");
    EXPECT_EQ(shown(MessageId::DamagedFile, {"Kickpool.txt", "12", "a whole number", "copy.txt"}).mid(1, 3),
              (QStringList{"Kickpool.txt", "Line 12: a whole number expected", "A copy was kept as copy.txt"}));
    EXPECT_EQ(shown(MessageId::FileNotSaved, {"No space left on device"})[2], "No space left on device");
    // A text not given reads as empty.
    EXPECT_EQ(shown(MessageId::ScoresAlreadyExist, {})[2], "Scores for week #  already exist!");

    EXPECT_EQ(inputEntry(InputId::AddressLine2, {"PO Box 5"}).startText, "PO Box 5");
    EXPECT_EQ(inputEntry(InputId::LetterCopies, {"1"}).startText, "1");
    // The question cue: the first address line and the two numbers to print.
    for (InputId id : {InputId::OrganisationName, InputId::AddressLine1, InputId::TeamScore, InputId::LetterCopies,
                       InputId::TicketFrontCount})
        EXPECT_EQ(inputEntry(id).questionSound, id != InputId::AddressLine1 && id != InputId::TeamScore) << int(id);
}

TEST(MessageCatalogue, EveryMessageHasTheButtonsOfItsKind)
{
    const std::set<int> questions{1, 21, 25, 59, 70};
    const std::set<int> warnings{2, 4, 8, 23, 26, 40, 52};
    // 45 has three answers (save, drop, stay) and is tested on the screens that ask it.
    const std::set<int> notInCatalogue{27, 28, 41, 42, 43, 44, 45, 46, 47, 48, 49, 68};
    for (int n = 1; n <= 70; ++n) {
        if (notInCatalogue.count(n))
            continue;
        const MessageEntry entry = messageEntry(static_cast<MessageId>(n));
        EXPECT_FALSE(entry.title.isEmpty()) << n;
        QVector<Answer> answers;
        for (const MessageButton& button : entry.buttons)
            answers.append(button.answer);
        if (questions.count(n) || warnings.count(n)) {
            EXPECT_EQ(answers, (QVector<Answer>{Answer::Yes, Answer::No})) << n;
            // A Yes that gives data up is red.
            EXPECT_EQ(entry.buttons[0].face == BgrColour::Red, warnings.count(n) == 1) << n;
        } else {
            EXPECT_EQ(answers, (n == 7 ? QVector<Answer>{Answer::Ok, Answer::Cancel} : QVector<Answer>{Answer::Ok})) << n;
        }
        EXPECT_EQ(entry.paired, answers.size() == 2) << n;
    }
    EXPECT_TRUE(messageEntry(static_cast<MessageId>(27)).buttons.isEmpty());
}
