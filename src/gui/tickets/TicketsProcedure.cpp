// "Tickets - Print Back": the first and last ticket and the pause count in Text1..Text3, then the
// backs of the range in the list and, with the printer box ticked, one print job per back.
#include "main/MainScreen.h"

#include "season/Numbers.h"
#include "season/Season.h"
#include "season/Services.h"
#include "season/Session.h"
#include "tickets/TicketBacks.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <exception>

namespace {

int boxValue(const QLineEdit* box)
{
    return toInteger(leadingNumber(box->text()));
}

void showPrompt(QLineEdit* box, QLabel* label, const QString& caption)
{
    box->show();
    box->setFocus();
    label->setStyleSheet(QString());
    label->setText(caption);
    label->show();
}

}  // namespace

void MainScreen::Tickets()
{
    const Season& season = session_.season;
    const auto emptyBoxes = [this] {
        for (int n = 1; n <= 3; ++n)
            text_[n]->clear();
        text_[1]->setFocus();
    };

    // The focus ends on the first empty box in the order first, last, pause.
    if (text_[3]->text().isEmpty()) {
        showPrompt(text_[3], label_[3], QStringLiteral("# To Print Before Pause"));
        addLines(ticketBackHelpLines(season));
    }
    if (text_[2]->text().isEmpty())
        showPrompt(text_[2], label_[2], QStringLiteral("Last Ticket #"));
    if (text_[1]->text().isEmpty())
        showPrompt(text_[1], label_[1], QStringLiteral("First Ticket #"));
    if (text_[1]->text().isEmpty() || text_[2]->text().isEmpty() || text_[3]->text().isEmpty())
        return;

    const int first = boxValue(text_[1]);
    const int last = boxValue(text_[2]);
    if (const int refusal = ticketRangeRefusal(season, first, last)) {
        session_.message(refusal);
        emptyBoxes();
        cmdRun_Click();
        return;
    }

    const bool printing = printerTicked();
    Printer* printer = printing ? session_.services.printer : nullptr;
    const TicketBackMargins margins = ticketBackMargins(season);
    const int pauseAfter = boxValue(text_[3]);
    const auto showFailure = [this](int number, const QString& description) {
        label_[3]->setStyleSheet(QStringLiteral("color: red"));
        label_[3]->setText(ticketBackFailureText(number, description));
        label_[3]->show();
    };

    int sincePause = 0;
    for (int ticket = first; ticket <= last; ++ticket) {
        // A failure is shown and the run goes on with the next ticket: it never retries.
        try {
            addLines(ticketBackLines(season, ticket));
            if (printer) {
                printer->print(ticketBackJob(season, ticket, margins));
                const QString failure = printer->takeFailure();
                if (!failure.isEmpty())
                    showFailure(TicketBackFailure::Printer, failure);
            }
        } catch (const std::exception& failure) {
            showFailure(TicketBackFailure::Other, QString::fromLocal8Bit(failure.what()));
        }

        ++sincePause;
        if (ticket != last && sincePause == pauseAfter) {
            sincePause = 0;
            if (session_.message(TicketBackMessage::OutputPaused) == 2) {
                emptyBoxes();
                return;
            }
        }
    }
    emptyBoxes();
}
