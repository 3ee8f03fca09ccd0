// front [portrait|landscape] [COPIES]: the ticket front as "CODE<TAB>TEXT" lines; with --pdf
// that many pages of fronts, one upright or three or four to a landscape sheet by the stored
// ticket size.
#include "Commands.h"

#include "front/FrontLines.h"
#include "front/FrontPrint.h"
#include "season/Season.h"
#include "season/Services.h"
#include "season/Session.h"

int runFront(CliContext& context)
{
    int copies = 1;
    bool landscape = false;
    for (const QString& arg : context.args) {
        bool number = false;
        const int count = arg.toInt(&number);
        if (arg == QLatin1String("portrait") || arg == QLatin1String("landscape"))
            landscape = arg == QLatin1String("landscape");
        else if (number && count >= 1 && count <= 999)
            copies = count;
        else
            return context.usageError(QStringLiteral("front takes portrait or landscape and a number of copies from 1 to 999"));
    }
    if (!context.loadSeason())
        return ExitStatus::Refused;
    const Season& season = context.session.season;
    const FrontStyle style = sheetStyle(season.TicketSize, landscape);

    const QVector<FrontLine> lines = frontLines(season);
    for (const FrontLine& line : lines)
        context.out << line.format << '\t' << line.text << '\n';
    if (Printer* printer = context.session.services.printer) {
        const PrintJob sheet = frontSheetJob(lines, season.TicketSize, style);
        for (int copy = 0; copy < copies; ++copy)
            printer->print(sheet);
    }
    return ExitStatus::Ok;
}
