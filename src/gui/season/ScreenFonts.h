#pragma once

#include "print/PrintJob.h"

#include <QFont>

// The fonts screens are designed with, in points at 800 x 600; the layout scales them.
inline QFont designFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The fixed-pitch font of lists and entry fields whose characters must line up.
inline QFont fixedPitchFont(double points, bool bold = false)
{
    QFont font(ReportFontName);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
