#pragma once

#include <QString>

// Why a printout may not be written as a PDF at `path`, or an empty text when it may: a PDF is
// never written into the Files folder of the home (nor anywhere below it, such as Backups), and
// never over anything but a regular file (a folder, a link, a pipe or a device). The PDF itself is
// written through the safe writing of SafeWrite.h.
QString pdfTargetProblem(const QString& home, const QString& path);
