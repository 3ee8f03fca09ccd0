#pragma once

// The results web site: a few static pages, one stylesheet and a small script, all in one folder
// and with nothing fetched from elsewhere, so that the folder can be uploaded anywhere or sent.
//   index.html      the latest week: winners, scores, links to every week, the grand prize once
//                   it is decided, the prizes
//   week-NN.html    the same for every published week
//   standings.html  every ticket's season value so far, ranked
//   tickets.html    "Look up your ticket" (lookup.js), with a plain table of every ticket below

#include "web/PublishedResults.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class FileSteps;
class Session;

struct SiteFile {
    QString name;
    QByteArray content;  // UTF-8
};

// "week-07.html".
QString weekPageName(int week);

// Every file of the site, index.html first.
QVector<SiteFile> resultsSite(const PublishedSeason& season);

// What writing the site into a folder came to.
struct SiteWriting {
    bool written = false;
    QString failedFile;  // the file that could not be written (or the folder that could not be made)
    QString why;
    qint64 bytes = 0;    // the size of every file written
};

// Writes the files into `folder`, made when missing, each through the safe writing (a file is
// either the old one or the new one, complete). Stops at the first file that fails.
SiteWriting writeResultsSite(const QString& folder, const QVector<SiteFile>& files, FileSteps* steps = nullptr);

// Web/ in the home folder.
QString defaultWebFolder(const Session& session);

// What the list shows once the site is written: the folder, each file, the count and size.
QStringList siteWrittenLines(const QString& folder, const QVector<SiteFile>& files, const SiteWriting& writing);
