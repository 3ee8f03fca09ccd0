#include "JobRenderer.h"

#include "season/SafeWrite.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr double kDefaultPoints = 10.0;
constexpr double kTwipsPerInch = TwipsPerInch;

QPageLayout pageLayout(QPageLayout::Orientation orientation)
{
    const double m = kPrintMarginPoints;
    return QPageLayout(QPageSize(QPageSize::Letter), orientation, QMarginsF(m, m, m, m), QPageLayout::Point);
}

QString familyFor(const QString& requested)
{
    if (requested.compare(ReportFontName, Qt::CaseInsensitive) == 0)
        return reportFontFamily();
    return requested;
}

// Draws a run of jobs on one paged device. Pages are opened lazily, when something is drawn, so
// an orientation given before the first line of a page still shapes that page.
class PageRenderer {
public:
    explicit PageRenderer(QPagedPaintDevice& device) : device_(device) {}

    ~PageRenderer() { finish(); }

    void finish()
    {
        if (painter_.isActive())
            painter_.end();
    }

    bool drewSomething() const { return pagesOpened_ > 0; }

    // Each job starts on a page of its own, upright, with the report's standard settings, as it
    // would on a printer of its own.
    void beginJob()
    {
        startNextDocument();
        orientation_ = QPageLayout::Portrait;
        family_ = reportFontFamily();
        points_ = kDefaultPoints;
        bold_ = false;
    }

    void render(const PrintJob& job)
    {
        beginJob();
        for (const PrintOp& op : job.ops()) {
            switch (op.kind) {
            case PrintOp::Kind::FontName:
                family_ = familyFor(op.text);
                break;
            case PrintOp::Kind::FontSize:
                if (op.value > 0)
                    points_ = op.value;
                break;
            case PrintOp::Kind::Bold:
                bold_ = op.value != 0;
                break;
            case PrintOp::Kind::Line:
                drawLine(op.text);
                break;
            case PrintOp::Kind::NewPage:
                if (painter_.isActive())
                    ++pendingPages_;
                break;
            case PrintOp::Kind::EndDoc:
                // Whatever follows the end of a document belongs to the next one.
                startNextDocument();
                break;
            case PrintOp::Kind::Orientation:
                orientation_ = op.value == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
                break;
            case PrintOp::Kind::Quality:
                break;  // resolution is the device's own
            case PrintOp::Kind::Image:
                drawImage(op);
                break;
            case PrintOp::Kind::Text:
                drawPlacedText(op);
                break;
            }
        }
    }

    QString error;

private:
    QFont font() const
    {
        QFont f(family_);
        f.setPointSizeF(points_);
        f.setBold(bold_);
        f.setStyleHint(family_ == reportFontFamily() ? QFont::TypeWriter : QFont::SansSerif);
        f.setKerning(false);
        return f;
    }

    void startNextDocument()
    {
        if (painter_.isActive())
            pendingPages_ = qMax(pendingPages_, 1);
    }

    // Opens the page to draw on: the first page of the device, or the new pages asked for.
    bool ensurePage()
    {
        if (!painter_.isActive()) {
            device_.setPageLayout(pageLayout(orientation_));
            if (!painter_.begin(&device_)) {
                error = QStringLiteral("The output could not be opened.");
                return false;
            }
            ++pagesOpened_;
            pendingPages_ = 0;  // no blank pages before the first line
            y_ = 0;
        }
        while (pendingPages_ > 0) {
            device_.setPageLayout(pageLayout(orientation_));
            device_.newPage();
            ++pagesOpened_;
            --pendingPages_;
            y_ = 0;
        }
        return true;
    }

    QRectF paintArea() const
    {
        return device_.pageLayout().paintRectPixels(device_.logicalDpiY());
    }

    void drawLine(const QString& text)
    {
        if (!ensurePage())
            return;
        const QFont f = font();
        painter_.setFont(f);
        const QFontMetricsF metrics(f, &device_);
        const double height = paintArea().height();
        if (y_ > 0 && y_ + metrics.height() > height) {
            pendingPages_ = 1;  // the page is full
            if (!ensurePage())
                return;
        }
        if (!text.isEmpty()) {
            painter_.setPen(Qt::black);
            painter_.drawText(QPointF(0, y_ + metrics.ascent()), text);
        }
        y_ += metrics.lineSpacing();
    }

    QRectF boxOf(const PrintOp& op) const
    {
        const double perTwipX = device_.logicalDpiX() / kTwipsPerInch;
        const double perTwipY = device_.logicalDpiY() / kTwipsPerInch;
        return QRectF(op.left * perTwipX, op.top * perTwipY, op.width * perTwipX, op.height * perTwipY);
    }

    void drawImage(const PrintOp& op)
    {
        if (!ensurePage())
            return;
        QImage image;
        if (!image.loadFromData(op.image))
            return;
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        painter_.drawImage(boxOf(op), image);
    }

    // Blanks at the end of a left-aligned text take no room; in a centred one they shift the
    // visible part and count.
    void drawPlacedText(const PrintOp& op)
    {
        if (!ensurePage() || op.text.isEmpty())
            return;
        const bool centred = op.value != 0;
        const QRectF box = boxOf(op);
        QFont f = font();
        QString measured = op.text;
        if (!centred) {
            while (measured.endsWith(QLatin1Char(' ')))
                measured.chop(1);
        }
        // Sizes come in whole device pixels, so a smaller size is measured again until it fits.
        double wide = QFontMetricsF(f, &device_).horizontalAdvance(measured);
        for (int tries = 0; wide > box.width() && tries < 10; ++tries) {
            f.setPointSizeF(f.pointSizeF() * box.width() / wide * 0.99);
            wide = QFontMetricsF(f, &device_).horizontalAdvance(measured);
        }
        const QFontMetricsF metrics(f, &device_);
        const double x = centred ? box.left() + (box.width() - metrics.horizontalAdvance(op.text)) / 2 : box.left();
        const double baseline = box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
        painter_.setFont(f);
        painter_.setPen(Qt::black);
        painter_.drawText(QPointF(x, baseline), op.text);
    }

    QPagedPaintDevice& device_;
    QPainter painter_;
    QString family_;
    double points_ = kDefaultPoints;
    bool bold_ = false;
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    int pendingPages_ = 0;
    int pagesOpened_ = 0;
    double y_ = 0;  // top of the next line, in device pixels from the top margin
};

}  // namespace

QString reportFontFamily()
{
    static QString family;
    if (family.isEmpty()) {
        if (QFontDatabase::hasFamily(ReportFontName)) {
            family = ReportFontName;
        } else {
            const QString standIn = QStringLiteral("Liberation Mono");
            if (QFontDatabase::hasFamily(standIn))
                QFont::insertSubstitution(ReportFontName, standIn);
            family = QFontDatabase::hasFamily(standIn) ? standIn : ReportFontName;
        }
    }
    return family;
}

bool writePdf(const QVector<PrintJob>& jobs, const QString& file, QString* error)
{
    // Drawn in memory first, then written through the safe writing: a PDF that cannot be written
    // leaves no file, and never an empty or half-written one.
    QByteArray pdf;
    QString reason;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Kickpool"));
        writer.setTitle(jobs.isEmpty() ? QString() : jobs.first().name());
        PageRenderer renderer(writer);
        for (const PrintJob& job : jobs)
            renderer.render(job);
        renderer.finish();
        reason = renderer.error;
        if (reason.isEmpty() && !renderer.drewSomething())
            reason = QStringLiteral("Nothing was printed.");
    }
    const QString folder = QFileInfo(file).absolutePath();
    if (reason.isEmpty() && !QDir().mkpath(folder))
        reason = QStringLiteral("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder));
    if (reason.isEmpty())
        writeFileSafely(file, pdf, reason);
    if (!reason.isEmpty()) {
        if (error)
            *error = reason;
        return false;
    }
    return true;
}

bool printJob(const PrintJob& job, QPrinter& printer, QString* error)
{
    if (!job.name().isEmpty())
        printer.setDocName(job.name());
    PageRenderer renderer(printer);
    renderer.render(job);
    renderer.finish();
    if (!renderer.error.isEmpty()) {
        if (error)
            *error = renderer.error;
        return false;
    }
    return true;
}

bool hasDefaultPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}
