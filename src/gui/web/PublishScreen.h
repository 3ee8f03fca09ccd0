#pragma once

#include "main/SecondaryScreen.h"

#include <QSize>

class Button;
class MainScreen;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class Session;

// "Results Web Page...": the folder the pages go to (Text1, Web/ in the home folder at first,
// CHOOSE to pick another), the week to publish (Text2, blank for the latest scored week), "Show
// winners' first names" (ChkNames), WRITE PAGES, COPY E-MAIL TEXT and EXIT. List1 shows the
// week's e-mail text, and what was written. The pages themselves are made in the core.
class PublishScreen : public SecondaryScreen {
    Q_OBJECT
public:
    explicit PublishScreen(Session& session, QWidget* parent = nullptr);
    PublishScreen(Session& session, QSize screenSize, QWidget* parent = nullptr);

    void cmdWrite_Click();
    void cmdMail_Click();
    void cmdChoose_Click();

private:
    void buildControls();
    // The week typed in Text2, or the latest scored week; 0 after message 67 (asked again).
    int chosenWeek();
    void showMailText(int week);

    Session& session_;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QCheckBox* chkNames_ = nullptr;
    Button* cmdChoose_ = nullptr;
    Button* cmdWrite_ = nullptr;
    Button* cmdMail_ = nullptr;
    Button* cmdExit_ = nullptr;
    QListWidget* list1_ = nullptr;
};

// "Copy as E-mail Text" of the main screen's menu: the latest scored week's winners on the
// clipboard and in the main screen's list, or message 66 when no week is scored.
void copyMailText(MainScreen& main);
