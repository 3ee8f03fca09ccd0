#include "SeasonExercise.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

// Every input of the season loader's fuzz corpus goes once through what the fuzzer does with it:
// loading, saving and reading back, and every command on what loaded. A crash or a failed round
// trip aborts the test program. How long an input may take is watched by the fuzzer itself.
TEST(FuzzCorpus, EveryInputLoadsAndRoundTrips)
{
    const QDir corpus(QStringLiteral(KICKPOOL_TEST_DATA "/fuzz"));
    const QStringList names = corpus.entryList(QDir::Files);
    ASSERT_GE(names.size(), 6);
    for (const QString& name : names) {
        const QByteArray input = readFile(corpus.filePath(name));
        exerciseSeasonFile(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
    }
}
