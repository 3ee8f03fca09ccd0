#include "print/PrintJob.h"

#include "season/Services.h"

namespace {
PrintOp op(PrintOp::Kind kind)
{
    PrintOp o;
    o.kind = kind;
    return o;
}

PrintOp boxed(PrintOp::Kind kind, int left, int top, int width, int height)
{
    PrintOp o = op(kind);
    o.left = left;
    o.top = top;
    o.width = width;
    o.height = height;
    return o;
}
}  // namespace

PrintJob& PrintJob::fontName(const QString& font)
{
    PrintOp o = op(PrintOp::Kind::FontName);
    o.text = font;
    ops_.append(o);
    return *this;
}

PrintJob& PrintJob::fontSize(double points)
{
    PrintOp o = op(PrintOp::Kind::FontSize);
    o.value = points;
    ops_.append(o);
    return *this;
}

PrintJob& PrintJob::bold(bool on)
{
    PrintOp o = op(PrintOp::Kind::Bold);
    o.value = on ? 1 : 0;
    ops_.append(o);
    return *this;
}

PrintJob& PrintJob::line(const QString& text)
{
    PrintOp o = op(PrintOp::Kind::Line);
    o.text = text;
    ops_.append(o);
    return *this;
}

PrintJob& PrintJob::newPage()
{
    ops_.append(op(PrintOp::Kind::NewPage));
    return *this;
}

PrintJob& PrintJob::endDoc()
{
    ops_.append(op(PrintOp::Kind::EndDoc));
    return *this;
}

PrintJob& PrintJob::orientation(int value)
{
    PrintOp o = op(PrintOp::Kind::Orientation);
    o.value = value;
    ops_.append(o);
    return *this;
}

PrintJob& PrintJob::quality(int value)
{
    PrintOp o = op(PrintOp::Kind::Quality);
    o.value = value;
    ops_.append(o);
    return *this;
}

PrintJob& PrintJob::image(const QByteArray& png, int left, int top, int width, int height)
{
    PrintOp o = boxed(PrintOp::Kind::Image, left, top, width, height);
    o.image = png;
    ops_.append(o);
    return *this;
}

PrintJob& PrintJob::text(const QString& text, int left, int top, int width, int height, bool centred)
{
    PrintOp o = boxed(PrintOp::Kind::Text, left, top, width, height);
    o.text = text;
    o.value = centred ? 1 : 0;
    ops_.append(o);
    return *this;
}

QStringList PrintJob::lines() const
{
    QStringList out;
    for (const PrintOp& o : ops_) {
        if (o.kind == PrintOp::Kind::Line || o.kind == PrintOp::Kind::Text)
            out.append(o.text);
    }
    return out;
}

int PrintJob::pageCount() const
{
    int pages = 1;
    for (const PrintOp& o : ops_) {
        if (o.kind == PrintOp::Kind::NewPage)
            ++pages;
    }
    return pages;
}

void printEvery(Printer* printer, const QVector<PrintJob>& jobs)
{
    if (!printer)
        return;
    for (const PrintJob& job : jobs)
        printer->print(job);
}
