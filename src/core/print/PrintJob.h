#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class Printer;

// The fixed-pitch font of every report, on screen and on paper: the columns line up in it.
inline const QString ReportFontName = QStringLiteral("Courier New");

// One operation sent to the printer.
struct PrintOp {
    enum class Kind { FontName, FontSize, Bold, Line, NewPage, EndDoc, Orientation, Quality, Image };
    Kind kind = Kind::Line;
    QString text;       // FontName: the font; Line: the text (empty for an empty line)
    double value = 0;   // FontSize: points; Bold: 0/1; Orientation: 1 portrait, 2 landscape; Quality
    QByteArray image;   // Image: PNG data
    int left = 0, top = 0, width = 0, height = 0;  // Image: position and size in twips

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

    const QVector<PrintOp>& ops() const { return ops_; }
    // What the job is about, for naming a PDF: "Weekly report", "Ticket back 17".
    const QString& name() const { return name_; }
    // The printed text lines in order (empty lines included).
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
