#pragma once

#include <QString>
#include <QStringList>

class Session;

// What a report selection of the main screen may use of the screen: the list, the printer box,
// the three prompt boxes Text1..Text3 with their labels Label1..Label3, RUN AGAIN and the
// button that changes the letter's return address.
class SelectionHost {
public:
    virtual ~SelectionHost() = default;

    virtual Session& session() = 0;
    virtual bool printerTicked() const = 0;

    // List1: lines added as they stand, trailing blanks included.
    virtual void addLines(const QStringList& lines) = 0;
    virtual void clearList() = 0;

    // Prompt box n (1..3) and its label.
    virtual QString promptText(int n) const = 0;
    // Shows the box, gives it the focus and shows the label with `caption` in its usual colour.
    virtual void askPrompt(int n, const QString& caption) = 0;
    virtual void emptyPrompt(int n) = 0;
    virtual void focusPrompt(int n) = 0;
    // Empties and hides the box and hides its label.
    virtual void hidePrompt(int n) = 0;
    // Shows `text` in red in the box's label (a failure during a run).
    virtual void showPromptFailure(int n, const QString& text) = 0;

    // Runs the selected option again, as RUN AGAIN does (the prompt appears again).
    virtual void runAgain() = 0;
    // Empties the list and the prompt boxes, hides the boxes, their labels and
    // CHANGE YOUR ADDRESS.
    virtual void Clear() = 0;
    // Shows CHANGE YOUR ADDRESS.
    virtual void showAddressButton() = 0;
};

// The report selections, each in the folder of its subsystem.
void Winners(SelectionHost& host);
void Letter(SelectionHost& host);
void Tickets(SelectionHost& host);
void GrandPrizePreview(SelectionHost& host);
