#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class Printer;

// The fixed-pitch font of every report, on screen and on paper: the columns line up in it.
inline const QString ReportFontName = QStringLiteral("Courier New");

// The paper of every printout: US Letter, printed from the corner of its printable area, which
// lies this many points in from every edge, as on a common office printer.
inline constexpr double PrintMarginPoints = 18;
inline constexpr double TwipsPerInch = 1440;
// The printable area of an upright page in twips; a landscape page has them the other way round.
inline constexpr double PrintableWidthTwips = 8.5 * TwipsPerInch - 2 * PrintMarginPoints * 20;
inline constexpr double PrintableHeightTwips = 11 * TwipsPerInch - 2 * PrintMarginPoints * 20;

// One operation sent to the printer.
struct PrintOp {
    enum class Kind { FontName, FontSize, Bold, Line, NewPage, EndDoc, Orientation, Quality, Image, Text };
    Kind kind = Kind::Line;
    QString text;       // FontName: the font; Line: the text (empty for an empty line)
    double value = 0;   // FontSize: points; Bold: 0/1; Orientation: 1 portrait, 2 landscape; Quality
    QByteArray image;   // Image: PNG data
    // Image, Text: the box in twips from the corner of the printable area
    int left = 0, top = 0, width = 0, height = 0;

    bool operator==(const PrintOp&) const = default;
};

// One printed document: the operations from its first line to its end. The core builds jobs;
// the print layer renders them on a printer or into a PDF.
class PrintJob {
public:
    PrintJob() = default;
    explicit PrintJob(QString name) : name_(std::move(name)) {}

    PrintJob& fontName(const QString& font);
    PrintJob& fontSize(double points);
    PrintJob& bold(bool on);
    PrintJob& line(const QString& text = {});
    PrintJob& newPage();
    PrintJob& endDoc();
    PrintJob& orientation(int value);  // 1 portrait, 2 landscape
    PrintJob& quality(int value);      // -4: the printer's highest quality
    PrintJob& image(const QByteArray& png, int left, int top, int width, int height);
    // A text in a box, in the current font: vertically centred, and left-aligned or centred
    // across the box (blanks included). A text wider than its box is drawn in a smaller size
    // that fits, so nothing of it falls outside. Does not move the line position.
    PrintJob& text(const QString& text, int left, int top, int width, int height, bool centred);

    const QVector<PrintOp>& ops() const { return ops_; }
    // What the job is about, for naming a PDF: "Weekly report", "Ticket back 17".
    const QString& name() const { return name_; }
    // The printed text lines and placed texts in order (empty lines included).
    QStringList lines() const;
    // Number of pages: new pages plus one.
    int pageCount() const;

    bool operator==(const PrintJob&) const = default;

private:
    QString name_;
    QVector<PrintOp> ops_;
};

// Sends the jobs to the printer one after the other; without a printer nothing is printed.
void printEvery(Printer* printer, const QVector<PrintJob>& jobs);
