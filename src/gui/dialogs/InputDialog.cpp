#include "dialogs/InputDialog.h"

#include "dialogs/Button.h"
#include "dialogs/InputCatalogue.h"
#include "season/Session.h"

#include <QLineEdit>

namespace {
// Design sizes for a screen of 800 by 600.
const QSize designSize(400, 274);
const QRect titleBox(10, 8, 380, 30);
const QRect lineGrid(10, 44, 380, 130);
const QRect inputBox(10, 182, 380, 30);
const QRect okButton(90, 226, 100, 36);
const QRect cancelButton(210, 226, 100, 36);
}  // namespace

InputDialog::InputDialog(Session& session, const InputEntry& entry, QWidget* parent)
    : CatalogueDialog(session, parent)
{
    addTitleBox(titleBox);
    addLineGrid(lineGrid);
    input_ = new QLineEdit(this);
    input_->setObjectName(QStringLiteral("Text2"));
    QFont font = input_->font();
    font.setPointSizeF(11);
    input_->setFont(font);
    input_->setGeometry(inputBox);
    Button* ok = addButton("cmdOK", QStringLiteral("OK"), okButton);
    Button* cancel = addButton("cmdCancel", QStringLiteral("Cancel"), cancelButton);
    resize(designSize);
    scaleToScreen();

    if (entry.questionSound)
        session_.playCue(session_.QuestionSound);

    setHeading(entry.title);
    input_->setText(entry.startText);
    showLines(entry.lines);
    input_->setSelection(0, input_->text().size());

    connect(input_, &QLineEdit::returnPressed, this, [this] { finish(Answer::Ok); });
    connect(ok, &QPushButton::clicked, this, [this] { finish(Answer::Ok); });
    connect(cancel, &QPushButton::clicked, this, [this] { finish(Answer::Cancel); });

    widenToFitLines({ok, cancel}, {input_});
    fixSizeAndCentre();
    input_->setFocus();
}

QString InputDialog::text() const
{
    return input_->text();
}

Button* InputDialog::addButton(const char* name, const QString& caption, const QRect& designGeometry)
{
    auto* button = new Button(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    QFont font = button->font();
    font.setPointSizeF(10);
    font.setBold(true);
    button->setFont(font);
    button->setGeometry(designGeometry);
    // Enter belongs to the input box; a button is pressed by clicking it (or the space bar).
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}
