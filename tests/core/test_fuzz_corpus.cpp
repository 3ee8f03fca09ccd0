#include "SeasonExercise.h"
#include "TestFiles.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

// Every input of the season loader's fuzz corpus goes once through what the fuzzer does with it:
// none may crash (a crash or a failed round trip aborts the test program), and none may take
// more than 100 ms, so that no value that loads makes a command run long.
TEST(FuzzCorpus, EveryInputLoadsQuickly)
{
    const QDir corpus(QStringLiteral(KICKPOOL_TEST_DATA "/fuzz"));
    const QStringList names = corpus.entryList(QDir::Files);
    ASSERT_GE(names.size(), 6);
    std::pair<qint64, QString> slowest{-1, {}};
    for (const QString& name : names) {
        const QByteArray input = readFile(corpus.filePath(name));
        QElapsedTimer timer;
        timer.start();
        exerciseSeasonFile(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
        slowest = std::max(slowest, {timer.elapsed(), name});
        EXPECT_LT(timer.elapsed(), 100) << name.toStdString();
    }
    RecordProperty("slowest", QStringLiteral("%1 ms, %2 of %3 inputs").arg(slowest.first).arg(slowest.second).arg(names.size()).toStdString());
}
