#pragma once

#include "front/FrontLines.h"
#include "print/PrintJob.h"

#include <QVector>

class Session;

// The font of the ticket front, in the preview and on paper, and its standard size in points:
// the size of a line whose format code has no size digit.
inline const QString FrontFontName = QStringLiteral("Arial");
inline constexpr double FrontStandardPoints = 8;

// How the front is printed: one ticket upright on a page, or three or four side by side on a
// landscape sheet to be copied onto ticket stock.
enum class FrontStyle { Portrait, ThreeToSheet, FourToSheet };

// The style of a ticket size: upright, or the landscape sheet that suits the size (four to a
// sheet for size 0, three for the others).
FrontStyle sheetStyle(int ticketSize, bool landscape);

// Where one copy of the front goes, in twips from the corner of the printable area.
struct FrontPlace {
    double left = 0, top = 0, width = 0, height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool operator==(const FrontPlace&) const = default;
};

// The places of the copies on one page for a ticket size (0..4), as the ticket stock wants them.
// Three to a sheet suits sizes 1 to 4 and four to a sheet size 0 only; a style that does not
// suit the size has no places.
QVector<FrontPlace> frontPlaces(int ticketSize, FrontStyle style);

// The part of a place that text is drawn in: the place without a narrow margin on either side.
FrontPlace printedPart(const FrontPlace& place);

// The places as printed. Where the printed part of a copy would run past the printable area of
// the page, every place of the page is shrunk alike (only as much as needed) and moved back
// inside; places that fit stay exactly where they are.
QVector<FrontPlace> fitOnPage(const QVector<FrontPlace>& places, bool landscape);

// One page of fronts: every copy of the lines drawn as text at its fitted place, each line in
// its row with the size, boldness and centring of its format code. Empty (no operations) when
// the style does not suit the ticket size.
PrintJob frontSheetJob(const QVector<FrontLine>& lines, int ticketSize, FrontStyle style);

// Asks how many pages of fronts to print (1 to 999, asked again outside); 0 when cancelled.
int askFrontCopies(Session& session);
