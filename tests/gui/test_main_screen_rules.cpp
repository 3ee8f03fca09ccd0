// What the treasurer is told about a printout on the main screen: a failure is said where it
// happened and only there, and a PDF written in place of the printer is named after what it holds.
#include "OutputPrinter.h"
#include "dialogs/ScriptedDialogs.h"
#include "main/MainScreen.h"
#include "season/Session.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

// A printer that can be told to fail: one job on its way to the device, or the whole run when it
// is written to a file at the end.
class TroublePrinter final : public Printer {
public:
    void print(const PrintJob& job) override
    {
        jobs.append(job);
        if (std::exchange(failNextJob, false))
            failure = QStringLiteral("Paper jam");
    }
    QString finishRun() override
    {
        if (std::exchange(failRun, false))
            failure = QStringLiteral("The output could not be opened.");
        return {};
    }
    QString takeFailure() override { return std::exchange(failure, {}); }

    QVector<PrintJob> jobs;
    bool failNextJob = false;
    bool failRun = false;
    QString failure;
};

class MainScreenRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        ASSERT_TRUE(home.isValid());
        QDir().mkpath(home.filePath(QStringLiteral("Files")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(KICKPOOL_DIST "/Files/Kickpool.txt"),
                                home.filePath(QStringLiteral("Files/Kickpool.txt"))));
    }

    void start(Printer& printer)
    {
        session = std::make_unique<Session>(home.path(), Services{&dialogs, &clock, nullptr, &printer});
        screen = std::make_unique<MainScreen>(*session);
        screen->show();
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    }

    template <class T>
    T* find(const QString& name) const
    {
        T* widget = screen->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QLabel* label(int n) const { return find<QLabel>(QStringLiteral("Label%1").arg(n)); }
    QLabel* note() const { return find<QLabel>(QStringLiteral("LabelPrinted")); }
    bool shownRed(QLabel* l) const { return l->palette().color(l->foregroundRole()) == QColor(Qt::red); }

    void choose(int index) const
    {
        QTest::mouseClick(find<QRadioButton>(QStringLiteral("optSelection%1").arg(index)), Qt::LeftButton);
    }
    void tickPrinter() const
    {
        QTest::mouseClick(find<QCheckBox>(QStringLiteral("ChkPrint")), Qt::LeftButton, {}, QPoint(5, 5));
    }
    void typeAndEnter(const QString& text) const
    {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClicks(focused, text);
        QTest::keyClick(focused, Qt::Key_Return);
    }
    void typeTicketRange(const QString& first, const QString& last, const QString& pause) const
    {
        typeAndEnter(first);
        typeAndEnter(last);
        typeAndEnter(pause);
    }

    QTemporaryDir home;
    ScriptedDialogs dialogs;
    FixedClock clock{QDate(2026, 11, 20)};
    std::unique_ptr<Session> session;
    std::unique_ptr<MainScreen> screen;
};

}  // namespace

TEST_F(MainScreenRules, APrintoutThatFailsIsSaidInRedAndNotBlamedOnTheNextTicketBack)
{
    TroublePrinter printer;
    start(printer);
    tickPrinter();

    // The printer refuses the letter: the screen says so in red instead of keeping quiet.
    printer.failNextJob = true;
    dialogs.answerInput(QStringLiteral("1"));
    choose(2);
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_TRUE(note()->isVisible());
    EXPECT_EQ(note()->text(), QStringLiteral("Printing failed: Paper jam"));
    EXPECT_TRUE(shownRed(note()));

    // The ticket back that follows prints well: no failure on Label3, no note.
    choose(5);
    EXPECT_FALSE(note()->isVisible());
    typeTicketRange(QStringLiteral("7"), QStringLiteral("7"), QStringLiteral("0"));
    ASSERT_EQ(printer.jobs.size(), 2);
    EXPECT_EQ(label(3)->text(), QStringLiteral("# To Print Before Pause"));
    EXPECT_FALSE(shownRed(label(3)));
    EXPECT_FALSE(note()->isVisible());

    // A run that cannot be written at its end is said the same way.
    printer.failRun = true;
    choose(6);
    EXPECT_EQ(printer.jobs.size(), 3);
    EXPECT_TRUE(note()->isVisible());
    EXPECT_EQ(note()->text(), QStringLiteral("Printing failed: The output could not be opened."));
    EXPECT_TRUE(shownRed(note()));

    // RUN AGAIN prints it well: nothing in red is left.
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdRun")), Qt::LeftButton);
    EXPECT_EQ(printer.jobs.size(), 4);
    EXPECT_FALSE(note()->isVisible());
}

TEST_F(MainScreenRules, APdfOfTicketBacksIsNamedByItsRange)
{
    OutputPrinter printer(home.path(), true);
    start(printer);
    tickPrinter();
    const QString prints = QDir(home.filePath(QStringLiteral("Prints"))).absolutePath();
    const auto savedAs = [&](const QString& name) {
        const QString text = note()->text();
        const QString prefix = QStringLiteral("No printer found; the printout was saved as ");
        EXPECT_TRUE(text.startsWith(prefix)) << text.toStdString();
        const QString path = text.mid(prefix.size());
        const QRegularExpression expected(QStringLiteral("^") + QRegularExpression::escape(prints + QLatin1Char('/') + name)
                                          + QStringLiteral(" \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.pdf$"));
        EXPECT_TRUE(expected.match(path).hasMatch()) << path.toStdString();
        EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
        EXPECT_FALSE(shownRed(note()));
    };

    choose(5);
    typeTicketRange(QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("0"));
    savedAs(QStringLiteral("Ticket backs 2 to 4"));

    // One ticket back keeps its own name; copies of one letter keep the letter's.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    typeTicketRange(QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("0"));
    savedAs(QStringLiteral("Ticket back 9"));
    dialogs.answerInput(QStringLiteral("2"));
    choose(2);
    savedAs(QStringLiteral("Letter to winners"));
}
