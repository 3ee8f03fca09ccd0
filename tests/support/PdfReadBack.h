#pragma once

// Reads a written PDF back with poppler's tools: its text as laid out, and its pages.

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QVector>

// What a tool writes to its output, or a text saying that it failed.
inline QString runTool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The lines of one page, or of every page when `page` is 0, as `pdftotext -layout` lays them
// out, without trailing blanks.
inline QStringList pdfLines(const QString& file, int page = 0)
{
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    static const QRegularExpression trailingBlanks(QStringLiteral(" +$"));
    QStringList lines = runTool(QStringLiteral("pdftotext"), args << file << QStringLiteral("-")).remove(QLatin1Char('\f')).split(QLatin1Char('\n'));
    for (QString& line : lines)
        line.remove(trailingBlanks);
    return lines;
}

// Lines with every run of blanks made one and the empty lines left out: printed lines and the
// lines they were made from compare alike whatever the page's margin.
inline QStringList simplifiedLines(QStringList lines)
{
    for (QString& line : lines)
        line = line.simplified();
    lines.removeAll(QString());
    return lines;
}

struct PageSize {
    double width = 0;
    double height = 0;
};

// Width and height in points of every page.
inline QVector<PageSize> pageSizes(const QString& file)
{
    const QString info = runTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("9999"), file});
    static const QRegularExpression pageLine(QStringLiteral(R"(Page\s+\d+ size:\s+([\d.]+) x ([\d.]+))"));
    QVector<PageSize> sizes;
    for (auto it = pageLine.globalMatch(info); it.hasNext();) {
        const auto m = it.next();
        sizes.append({m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return sizes;
}

// One word of a page as `pdftotext -bbox` finds it, with its box in points from the top left.
struct PdfWord {
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};
struct PdfPage {
    double width = 0, height = 0;
    QVector<PdfWord> words;
};

// Every page of a PDF with the words on it.
inline QVector<PdfPage> pdfWords(const QString& file)
{
    const QString html = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    static const QRegularExpression item(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    QVector<PdfPage> pages;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty())
            pages.append({m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
        else if (!pages.isEmpty())
            pages.last().words.append({m.captured(7), m.captured(3).toDouble(), m.captured(4).toDouble(),
                                       m.captured(5).toDouble(), m.captured(6).toDouble()});
    }
    return pages;
}
