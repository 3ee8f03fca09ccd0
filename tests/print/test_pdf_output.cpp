#include "JobRenderer.h"
#include "OutputPrinter.h"
#include "PdfReadBack.h"
#include "print/PrintJob.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Word {
    double x = 0;  // left edge in points
    double y = 0;  // top edge in points
    QString text;
};

// Every word of one page with its place, as pdftotext finds it.
QVector<Word> pdfWords(const QString& file, int page)
{
    const QString html = runTool(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                  QString::number(page), file, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    QVector<Word> words;
    auto it = word.globalMatch(html);
    while (it.hasNext()) {
        const auto m = it.next();
        QString text = m.captured(3);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.append({m.captured(1).toDouble(), m.captured(2).toDouble(), text});
    }
    return words;
}

// Finds a printed line among the words of a page: its words in order on one row, each starting
// where its column puts it in a fixed-pitch font of `pitch` points per character. Returns the
// row's top, or -1 when the line is not there as printed.
double findLine(const QVector<Word>& words, const QString& line, double left, double pitch)
{
    struct Expected {
        int column;
        QString text;
    };
    QVector<Expected> expected;
    static const QRegularExpression nonBlank(QStringLiteral(R"(\S+)"));
    auto it = nonBlank.globalMatch(line);
    while (it.hasNext()) {
        const auto m = it.next();
        expected.append({int(m.capturedStart()), m.captured()});
    }
    if (expected.isEmpty())
        return -1;
    const auto at = [&](const Expected& e, double top) {
        for (const Word& w : words) {
            if (w.text == e.text && qAbs(w.x - (left + e.column * pitch)) < 0.5 &&
                (top < 0 || qAbs(w.y - top) < 0.5))
                return w.y;
        }
        return -1.0;
    };
    for (const Word& w : words) {
        if (w.text != expected.first().text)
            continue;
        const double top = at(expected.first(), w.y);
        bool all = top >= 0;
        for (int n = 1; n < expected.size() && all; ++n)
            all = at(expected[n], top) >= 0;
        if (all)
            return top;
    }
    return -1;
}

int indexOfLine(const QStringList& lines, const QString& wanted, int from = 0)
{
    for (int n = from; n < lines.size(); ++n) {
        if (lines[n] == wanted)
            return n;
    }
    return -1;
}

const QString kColumns =
    QStringLiteral("  17  Bears         21  Lions         42    $1,234.50   WINNER       END");

PrintJob twoPageReport()
{
    PrintJob job(QStringLiteral("Weekly report"));
    job.fontName(QStringLiteral("Courier New")).bold(true).fontSize(14);
    job.line(QStringLiteral("WEEKLY WINNERS")).line(QStringLiteral("WEEK 5   12/05/2026"));
    job.fontSize(12).line();
    job.line(kColumns);
    job.line(QStringLiteral("    3  Hawks          7  Owls          10        $5.00"));
    job.newPage();
    job.line(QStringLiteral("PAGE TWO HEADING"));
    job.line(QStringLiteral("   99  Last line of the report"));
    job.endDoc();
    return job;
}

}  // namespace

TEST(PdfOutput, TwoPageReportReadsBackLineForLine)
{
    ASSERT_EQ(kColumns.size(), 72);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    QString error;
    ASSERT_TRUE(writePdf({twoPageReport()}, file, &error)) << error.toStdString();

    const auto sizes = pageSizes(file);
    ASSERT_EQ(sizes.size(), 2);
    EXPECT_LT(sizes[0].width, sizes[0].height);

    // Every line in its place, every column where its character count puts it: Courier is
    // 0.6 of the size wide, the text starts at the printable area's corner.
    const double margin = kPrintMarginPoints;
    const QVector<Word> first = pdfWords(file, 1);
    const double title = findLine(first, QStringLiteral("WEEKLY WINNERS"), margin, 14 * 0.6);
    const double week = findLine(first, QStringLiteral("WEEK 5   12/05/2026"), margin, 14 * 0.6);
    const double columns = findLine(first, kColumns, margin, 12 * 0.6);
    const double hawks = findLine(first, QStringLiteral("    3  Hawks          7  Owls          10        $5.00"), margin, 12 * 0.6);
    ASSERT_GT(title, 0);
    ASSERT_GT(week, title);
    ASSERT_GT(columns, week);
    ASSERT_GT(hawks, columns);
    // Consecutive lines, each as high as its size asks, and the empty line keeps its place.
    const double step = hawks - columns;
    EXPECT_NEAR(step, 12 * 1.13, 1.5);
    EXPECT_NEAR(week - title, 14 * 1.13, 1.5);
    EXPECT_NEAR(columns - week, (week - title) + step, 0.5);
    EXPECT_NEAR(title, margin, 4);
    EXPECT_LT(findLine(first, QStringLiteral("PAGE TWO HEADING"), margin, 12 * 0.6), 0);

    const QVector<Word> second = pdfWords(file, 2);
    const double heading = findLine(second, QStringLiteral("PAGE TWO HEADING"), margin, 12 * 0.6);
    EXPECT_NEAR(heading, margin, 4);
    EXPECT_NEAR(findLine(second, QStringLiteral("   99  Last line of the report"), margin, 12 * 0.6), heading + step, 0.5);

    // As read back with the layout kept, the column line still shows its words in order.
    const QStringList text = pdfLines(file, 1);
    EXPECT_TRUE(text.filter(QRegularExpression(QStringLiteral(R"(^\s*17\s+Bears\s+21\s+Lions\s+42\s+\$1,234\.50\s+WINNER\s+END$)"))).size() == 1)
        << text.join(QLatin1Char('\n')).toStdString();

    // Bold fixed-pitch text: the report font or its metric twin.
    const QString fonts = runTool(QStringLiteral("pdffonts"), {file});
    EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral("(LiberationMono|CourierNew)[-,]?Bold"))))
        << fonts.toStdString();
}

TEST(PdfOutput, FullPagesContinueOnNewPagesAndJobsStartOnTheirOwn)
{
    PrintJob longJob(QStringLiteral("Ticket backs"));
    longJob.fontName(QStringLiteral("Courier New")).bold(true).fontSize(12);
    for (int n = 1; n <= 120; ++n)
        longJob.line(QStringLiteral("LINE %1").arg(n, 3, 10, QLatin1Char('0')));
    longJob.endDoc();
    PrintJob shortJob(QStringLiteral("Letter"));
    shortJob.fontName(QStringLiteral("Courier New")).fontSize(10).line(QStringLiteral("SECOND DOCUMENT")).endDoc();

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("long.pdf"));
    ASSERT_TRUE(writePdf({longJob, shortJob}, file));
    const int pages = pageSizes(file).size();
    ASSERT_GE(pages, 3);  // 120 lines of 12 points need more than one Letter page

    // Every line once, in order, and the second job alone on the last page.
    const QStringList all = pdfLines(file);
    int at = 0;
    for (int n = 1; n <= 120; ++n) {
        const int found = indexOfLine(all, QStringLiteral("LINE %1").arg(n, 3, 10, QLatin1Char('0')), at);
        ASSERT_GE(found, at) << n;
        at = found + 1;
    }
    const QStringList last = pdfLines(file, pages);
    EXPECT_GE(indexOfLine(last, QStringLiteral("SECOND DOCUMENT")), 0);
    EXPECT_EQ(last.filter(QStringLiteral("LINE")).size(), 0);
    EXPECT_EQ(pdfLines(file, pages - 1).filter(QStringLiteral("SECOND")).size(), 0);
}

TEST(PdfOutput, LandscapeJobsGiveLandscapePages)
{
    PrintJob portrait(QStringLiteral("Weekly report"));
    portrait.fontName(QStringLiteral("Courier New")).fontSize(12).line(QStringLiteral("UPRIGHT")).endDoc();

    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");

    PrintJob landscape(QStringLiteral("Ticket fronts"));
    landscape.orientation(2).quality(-4);
    landscape.image(png, 720, 720, 2880, 1440);
    landscape.image(png, -100, 4320, 1440, 720);  // a little left of the printable corner
    landscape.fontName(QStringLiteral("Courier New")).fontSize(12).line(QStringLiteral("SIDEWAYS"));
    landscape.newPage().line(QStringLiteral("SIDEWAYS AGAIN")).endDoc();

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("mixed.pdf"));
    ASSERT_TRUE(writePdf({portrait, landscape, portrait}, file));
    const auto sizes = pageSizes(file);
    ASSERT_EQ(sizes.size(), 4);
    EXPECT_LT(sizes[3].width, sizes[3].height);  // the next document is upright again
    EXPECT_LT(sizes[0].width, sizes[0].height);
    EXPECT_GT(sizes[1].width, sizes[1].height);
    EXPECT_GT(sizes[2].width, sizes[2].height);
    EXPECT_GE(indexOfLine(pdfLines(file, 3), QStringLiteral("SIDEWAYS AGAIN")), 0);

    // The picture lies where its twips put it: half an inch in from the printable corner,
    // two inches wide and one high. Rendered at 72 dpi one inch is 72 pixels.
    const QString base = dir.filePath(QStringLiteral("page"));
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"), QStringLiteral("2"),
                                          QStringLiteral("-l"), QStringLiteral("2"), QStringLiteral("-png"), file, base});
    const QStringList rendered = QDir(dir.path()).entryList({QStringLiteral("page*.png")});
    ASSERT_EQ(rendered.size(), 1);
    const QImage page(dir.filePath(rendered.first()));
    ASSERT_FALSE(page.isNull());
    const int margin = int(kPrintMarginPoints);
    const auto isBlue = [&](int x, int y) {
        const QColor c = page.pixelColor(x, y);
        return c.blue() > 200 && c.red() < 60 && c.green() < 60;
    };
    EXPECT_TRUE(isBlue(margin + 36 + 4, margin + 36 + 4));
    EXPECT_TRUE(isBlue(margin + 36 + 144 - 4, margin + 36 + 72 - 4));
    EXPECT_FALSE(isBlue(margin + 36 - 4, margin + 36 + 4));
    EXPECT_FALSE(isBlue(margin + 36 + 144 + 4, margin + 36 + 4));
    // A negative left reaches into the margin instead of being cut off (100 twips = 5 points).
    EXPECT_TRUE(isBlue(margin - 3, margin + 216 + 4));
    EXPECT_FALSE(isBlue(margin - 7, margin + 216 + 4));
}

TEST(PdfOutput, OutputPrinterWritesOneFileForTheRun)
{
    QTemporaryDir home;
    OutputPrinter printer(home.path(), true);
    EXPECT_TRUE(printer.writesFile());
    EXPECT_EQ(printer.finishRun(), QString());  // nothing printed: no file

    printer.print(twoPageReport());
    PrintJob grand(QStringLiteral("Grand prize"));
    grand.fontName(QStringLiteral("Courier New")).bold(true).fontSize(12).line(QStringLiteral("GRAND PRIZE")).endDoc();
    printer.print(grand);
    const QString path = printer.finishRun();
    ASSERT_FALSE(path.isEmpty()) << printer.lastError().toStdString();

    const QFileInfo info(path);
    EXPECT_TRUE(info.isFile());
    EXPECT_EQ(QDir::cleanPath(info.absolutePath()), QDir::cleanPath(QDir(home.path()).filePath(QStringLiteral("Prints"))));
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^Weekly report \d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.pdf$)"))
                    .match(info.fileName()).hasMatch())
        << info.fileName().toStdString();
    EXPECT_EQ(QDir(info.absolutePath()).entryList(QDir::Files).size(), 1);

    ASSERT_EQ(pageSizes(path).size(), 3);
    EXPECT_GE(indexOfLine(pdfLines(path, 1), QStringLiteral("WEEKLY WINNERS")), 0);
    EXPECT_GE(indexOfLine(pdfLines(path, 2), QStringLiteral("PAGE TWO HEADING")), 0);
    EXPECT_GE(indexOfLine(pdfLines(path, 3), QStringLiteral("GRAND PRIZE")), 0);
    EXPECT_EQ(indexOfLine(pdfLines(path, 2), QStringLiteral("GRAND PRIZE")), -1);

    // The run is over: the next run starts empty and gets its own file.
    EXPECT_EQ(printer.finishRun(), QString());
    printer.print(grand);
    const QString next = printer.finishRun();
    ASSERT_FALSE(next.isEmpty());
    EXPECT_NE(next, path);
    EXPECT_TRUE(QFileInfo(next).fileName().startsWith(QStringLiteral("Grand prize ")));
    EXPECT_EQ(pageSizes(next).size(), 1);

    EXPECT_EQ(OutputPrinter::pdfPath(QStringLiteral("/home/club"), QStringLiteral("Ticket back 1/2"),
                                     QDateTime(QDate(2026, 12, 5), QTime(15, 40, 12))),
              QDir::toNativeSeparators(QStringLiteral("/home/club/Prints/Ticket back 1 2 2026-12-05 15-40-12.pdf")));
}

TEST(PdfOutput, PrinterGetsTheSameDrawing)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("printer.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    QString error;
    ASSERT_TRUE(printJob(twoPageReport(), printer, &error)) << error.toStdString();
    EXPECT_EQ(printer.docName(), QStringLiteral("Weekly report"));
    ASSERT_EQ(pageSizes(file).size(), 2);
    const QVector<Word> first = pdfWords(file, 1);
    EXPECT_GT(findLine(first, kColumns, kPrintMarginPoints, 12 * 0.6), 0);
    EXPECT_GT(findLine(pdfWords(file, 2), QStringLiteral("   99  Last line of the report"), kPrintMarginPoints, 12 * 0.6), 0);
}
