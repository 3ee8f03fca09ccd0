#include "front/FrontPrint.h"

#include "dialogs/GridFormat.h"
#include "dialogs/InputCatalogue.h"

#include <algorithm>

namespace {

// The rows of a front are measured in standard lines: a line in the standard size is one, a
// larger line is as much taller as its font. A front holds this many, the room of the longest
// front with a little to spare at the top and bottom.
constexpr double FrontHeightInLines = 47;
constexpr double TopMarginInLines = 0.5;
// Share of a place's width left free on either side of the text.
constexpr double SideMargin = 0.04;
// Line height of the front's font as a multiple of its size.
constexpr double LineSpacing = 1.2;

double pointsOf(const QString& code)
{
    const double points = formatCodePoints(code);
    return points > 0 ? points : FrontStandardPoints;
}

// Moves an extent [low, high] into [0, size]; 0 when it lies inside already.
double shiftInto(double low, double high, double size)
{
    if (low < 0)
        return -low;
    if (high > size)
        return size - high;
    return 0;
}

}  // namespace

FrontStyle sheetStyle(int ticketSize, bool landscape)
{
    if (!landscape)
        return FrontStyle::Portrait;
    return ticketSize == 0 ? FrontStyle::FourToSheet : FrontStyle::ThreeToSheet;
}

QVector<FrontPlace> frontPlaces(int ticketSize, FrontStyle style)
{
    struct Upright {
        double left, width, height;
    };
    static const Upright upright[5] = {
        {20, 3960, 7920}, {-100, 4680, 8640}, {-50, 5040, 9360}, {0, 5400, 10080}, {0, 5544, 10368},
    };
    // Three to a sheet: the left of the first copy and the step to the next, sizes 1 to 4.
    static const double firstLeft[5] = {0, 180, 180, 180, 145};
    static const double step[5] = {0, 4320, 4680, 5068.8, 5284.8};
    if (ticketSize < 0 || ticketSize > 4)
        return {};
    const Upright& size = upright[ticketSize];
    QVector<FrontPlace> places;
    switch (style) {
    case FrontStyle::Portrait:
        places.append({size.left, 360, size.width, size.height});
        break;
    case FrontStyle::ThreeToSheet:
        if (ticketSize == 0)
            break;
        for (int m = 0; m < 3; ++m)
            places.append({firstLeft[ticketSize] + m * step[ticketSize], 0, size.width, size.height});
        break;
    case FrontStyle::FourToSheet:
        if (ticketSize != 0)
            break;
        for (int m = 0; m < 4; ++m)
            places.append({m * 3960.0, 0, 4032, 7920});
        break;
    }
    return places;
}

FrontPlace printedPart(const FrontPlace& place)
{
    const double margin = place.width * SideMargin;
    return {place.left + margin, place.top, place.width - 2 * margin, place.height};
}

QVector<FrontPlace> fitOnPage(const QVector<FrontPlace>& places, bool landscape)
{
    if (places.isEmpty())
        return places;
    const double areaWidth = landscape ? PrintableHeightTwips : PrintableWidthTwips;
    const double areaHeight = landscape ? PrintableWidthTwips : PrintableHeightTwips;
    FrontPlace all = printedPart(places.first());
    double right = all.right(), bottom = all.bottom();
    for (const FrontPlace& place : places) {
        const FrontPlace part = printedPart(place);
        all.left = std::min(all.left, part.left);
        all.top = std::min(all.top, part.top);
        right = std::max(right, part.right());
        bottom = std::max(bottom, part.bottom());
    }
    const double scale = std::min({1.0, areaWidth / (right - all.left), areaHeight / (bottom - all.top)});
    const double dx = shiftInto(all.left * scale, right * scale, areaWidth);
    const double dy = shiftInto(all.top * scale, bottom * scale, areaHeight);
    if (scale == 1.0 && dx == 0 && dy == 0)
        return places;
    QVector<FrontPlace> fitted;
    for (const FrontPlace& p : places)
        fitted.append({p.left * scale + dx, p.top * scale + dy, p.width * scale, p.height * scale});
    return fitted;
}

PrintJob frontSheetJob(const QVector<FrontLine>& lines, int ticketSize, FrontStyle style)
{
    const bool landscape = style != FrontStyle::Portrait;
    const QVector<FrontPlace> places = fitOnPage(frontPlaces(ticketSize, style), landscape);
    PrintJob job(QStringLiteral("Ticket front"));
    if (places.isEmpty())
        return job;
    job.quality(-4);
    if (landscape)
        job.orientation(2);
    job.fontName(FrontFontName);
    for (const FrontPlace& place : places) {
        const FrontPlace part = printedPart(place);
        const double lineHeight = place.height / FrontHeightInLines;  // twips
        double top = place.top + TopMarginInLines * lineHeight;
        for (const FrontLine& line : lines) {
            const double scale = pointsOf(line.format) / FrontStandardPoints;
            const double height = lineHeight * scale;
            if (!line.text.isEmpty()) {
                job.fontSize(height / 20 / LineSpacing).bold(line.format.contains(QLatin1Char('B')));
                job.text(line.text, qRound(part.left), qRound(top), qRound(part.width), qRound(height),
                         line.format.contains(QLatin1Char('C')));
            }
            top += height;
        }
    }
    job.endDoc();
    return job;
}

int askFrontCopies(Session& session)
{
    return askCount(session, InputId::TicketFrontCount, 999);
}
