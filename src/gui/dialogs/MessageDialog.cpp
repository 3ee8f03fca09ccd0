#include "dialogs/MessageDialog.h"

#include "dialogs/Button.h"
#include "guide/GuideKey.h"
#include "guide/GuidePages.h"
#include "season/Session.h"
#include "season/Sounds.h"

#include <QLineEdit>
#include <QPalette>

namespace {
// Design sizes for a screen of 800 by 600.
const QSize designSize(380, 222);
const QRect titleBox(10, 8, 360, 30);
const QRect lineGrid(10, 44, 360, 115);
const QRect pairLeft(70, 172, 100, 36);
const QRect pairRight(210, 172, 100, 36);
const QRect alone(140, 172, 100, 36);
// Three answers side by side.
const QRect threeLeft(20, 172, 100, 36);
const QRect threeMiddle(140, 172, 100, 36);
const QRect threeRight(260, 172, 100, 36);
}  // namespace

MessageDialog::MessageDialog(Session& session, const MessageEntry& entry, QWidget* parent)
    : CatalogueDialog(session, parent)
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    addTitleBox(titleBox);
    addLineGrid(lineGrid);
    const bool three = entry.buttons.size() == 3;
    Button* box1 = addButton("cmdBox1", three ? threeLeft : pairLeft);
    Button* box2 = addButton("cmdBox2", three ? threeMiddle : pairRight);
    Button* box3 = addButton("cmdBox3", three ? threeRight : alone);
    resize(designSize);
    scaleToScreen();

    SetSounds(session_);
    session_.playCue(session_.ErrorSound);

    // F1 opens the guide where it says what to do about this message.
    addGuideKey(this, session_, messageGuidePage(static_cast<int>(entry.id)));
    setHeading(entry.title);
    showLines(entry.lines);
    if (entry.paired && entry.buttons.size() == 2) {
        showButton(box1, entry.buttons[0]);
        showButton(box2, entry.buttons[1]);
    } else if (!entry.paired && entry.buttons.size() == 1) {
        showButton(box3, entry.buttons[0]);
    } else if (three) {
        showButton(box1, entry.buttons[0]);
        showButton(box2, entry.buttons[1]);
        showButton(box3, entry.buttons[2]);
    }
    widenToFitLines({box1, box2, box3}, {});
    fixSizeAndCentre();

    // A Yes that gives up data (the red Yes) is never what a stray Enter chooses.
    // Of three answers, a stray Enter stays where the user is.
    const bool redYes = entry.paired && entry.buttons[0].face == BgrColour::Red;
    Button* first = three ? box3 : entry.paired ? (redYes ? box2 : box1) : box3;
    if (!first->isHidden())
        first->setFocus();
}

Button* MessageDialog::addButton(const char* name, const QRect& designGeometry)
{
    auto* button = new Button(this);
    button->setObjectName(QString::fromLatin1(name));
    QFont font = button->font();
    font.setPointSizeF(10);
    font.setBold(true);
    button->setFont(font);
    button->setGeometry(designGeometry);
    button->setCaptionColour(BgrColour::Red);
    button->setAutoDefault(true);
    button->hide();
    return button;
}

void MessageDialog::showButton(Button* button, const MessageButton& shown)
{
    button->setCaption(shown.caption);
    button->setFaceColour(shown.face);
    button->setCaptionColour(shown.captionColour);
    const Answer answer = shown.answer;
    connect(button, &QPushButton::clicked, this, [this, answer] { finish(answer); });
    button->show();
}
