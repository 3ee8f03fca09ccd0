#pragma once

// The main screen in a temporary home folder, with scripted dialogs, a recording printer and
// recorded sound cues, driven through its controls by their names as the operator drives it.

#include "TestFiles.h"

#include "dialogs/ScriptedDialogs.h"
#include "main/MainScreen.h"
#include "main/ScreenRegistry.h"
#include "print/RecordingPrinter.h"
#include "season/Layout.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

// A printer that keeps its jobs and can be told to fail: the next job, every job, or the whole
// run when it is written to a file at the end.
class TroublePrinter final : public Printer {
public:
    void print(const PrintJob& job) override
    {
        jobs.append(job);
        if (failEveryJob || std::exchange(failNextJob, false))
            failure = jobFailure;
    }
    QString finishRun() override
    {
        if (std::exchange(failRun, false))
            failure = QStringLiteral("The output could not be opened.");
        return {};
    }
    QString takeFailure() override { return std::exchange(failure, {}); }
    bool writesFile() const override { return toFile; }
    bool toFile = false;  // stands for a printer that writes a PDF

    QVector<PrintJob> jobs;
    bool failNextJob = false;
    bool failEveryJob = false;
    bool failRun = false;
    QString jobFailure = QStringLiteral("Paper jam");
    QString failure;
};

class MainScreenHarness : public ::testing::Test {
protected:
    MainScreenHarness() { QApplication::setQuitOnLastWindowClosed(false); }
    void TearDown() override { screen.reset(); }

    QString seasonPath() const { return home.filePath(QStringLiteral("Files/Kickpool.txt")); }
    // A season file of tests/data/seasons as the season file of the home folder.
    void placeSeasonFile(const QString& name = QStringLiteral("riverside.txt"))
    {
        placed = dataBytes(QStringLiteral("seasons/") + name);
        ASSERT_FALSE(placed.isEmpty());
        ASSERT_TRUE(writeFile(seasonPath(), placed));
    }
    // `season` saved as the season file of the home folder.
    void writeSeason(const Season& season) const { ASSERT_TRUE(writeFile(seasonPath(), seasonFileBytes(season))); }
    // Both sound cues in the home's Sounds folder.
    void placeSounds()
    {
        for (const char* name : {"Sounds/error.wav", "Sounds/Question.wav"})
            ASSERT_TRUE(writeFile(home.filePath(QLatin1String(name)), "RIFF"));
    }
    // The season as the file holds it now, dated as the screen dates it.
    Session saved()
    {
        Session reader(home.path(), Services{nullptr, &clock, nullptr, nullptr});
        LoadSeason(reader);
        return reader;
    }

    // A session on the home folder with the scripted dialogs and `otherPrinter`, or `printer`.
    void newSession(Printer* otherPrinter = nullptr)
    {
        session = std::make_unique<Session>(home.path(),
                                            Services{&dialogs, &clock, &sounds, otherPrinter ? otherPrinter : &printer,
                                                     nullptr, &guide});
    }
    static void showActive(QWidget* w)
    {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    // Opens the main screen, scaled for `screenSize`, as the active window.
    void start(Printer* otherPrinter = nullptr, QSize screenSize = primaryScreenSize())
    {
        screen.reset();
        newSession(otherPrinter);
        screen = std::make_unique<MainScreen>(*session, screens, screenSize);
        showActive(screen.get());
    }
    // Forgets what the dialogs were asked and answered so far.
    ScriptedDialogs& rescript() { return dialogs = ScriptedDialogs(); }

    // The window whose controls a test drives: the main screen, or a screen open in its place.
    virtual QWidget* window() const { return screen.get(); }

    template <class T>
    T* find(const QString& name) const
    {
        T* widget = window()->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QRadioButton* option(int index) const { return find<QRadioButton>(QStringLiteral("optSelection%1").arg(index)); }
    QCheckBox* chkPrint() const { return find<QCheckBox>(QStringLiteral("ChkPrint")); }
    QPushButton* button(const char* name) const { return find<QPushButton>(QLatin1String(name)); }
    QListWidget* list() const { return find<QListWidget>(QStringLiteral("List1")); }
    QLineEdit* box(int n) const { return find<QLineEdit>(QStringLiteral("Text%1").arg(n)); }
    QLabel* label(int n) const { return find<QLabel>(QStringLiteral("Label%1").arg(n)); }
    QLabel* note() const { return find<QLabel>(QStringLiteral("LabelPrinted")); }

    void click(QAbstractButton* target) const { QTest::mouseClick(target, Qt::LeftButton); }
    // Types into the control that has the focus and presses Enter there.
    void typeAndEnter(const QString& text = {}) const
    {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClicks(focused, text);
        QTest::keyClick(focused, Qt::Key_Return);
    }
    void pressEnter() const { typeAndEnter(); }

    // The three ticket numbers typed in turn, each box getting the focus when its turn comes.
    void typeTicketRange(const QStringList& numbers) const
    {
        for (int n = 1; n <= numbers.size(); ++n) {
            EXPECT_EQ(QApplication::focusWidget(), box(n));
            typeAndEnter(numbers[n - 1]);
        }
    }
    static bool shownRed(QLabel* l) { return l->palette().color(l->foregroundRole()) == QColor(Qt::red); }

    // The lines List1 shows.
    QStringList shownLines() const
    {
        QStringList lines;
        for (int row = 0; row < list()->count(); ++row)
            lines.append(list()->item(row)->text());
        return lines;
    }

    QTemporaryDir home;
    QByteArray placed;
    ScriptedDialogs dialogs;
    FixedClock clock{QDate(2026, 11, 20)};
    RecordingSounds sounds;
    RecordingPrinter printer;
    RecordingGuide guide;
    ScreenRegistry screens;  // none unless a test adds one
    std::unique_ptr<Session> session;
    std::unique_ptr<MainScreen> screen;
};
