#include "web/ResultsSite.h"

#include "season/Numbers.h"
#include "season/SafeWrite.h"
#include "season/Session.h"

#include <QDir>
#include <QFile>

namespace {

QString esc(const QString& text)
{
    return text.toHtmlEscaped();
}

// One page: the head, the club's header with the page links, the content, the date it was made.
class Page {
public:
    Page(const PublishedSeason& season, const QString& title, const QString& current) : season_(season)
    {
        html_.reserve(4096);
        html_ += QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                                "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>")
            + esc(title) + QStringLiteral(" - ") + esc(season.title)
            + QStringLiteral("</title>\n<link rel=\"stylesheet\" href=\"style.css\">\n</head>\n<body>\n"
                             "<header class=\"site\">\n<h1>")
            + esc(season.title) + QStringLiteral("</h1>\n");
        if (!season.subtitle.isEmpty())
            html_ += QStringLiteral("<p class=\"season\">") + esc(season.subtitle) + QStringLiteral("</p>\n");
        html_ += QStringLiteral("<nav aria-label=\"Pages\">\n<ul>\n");
        link(QStringLiteral("index.html"), QStringLiteral("Latest week"), current);
        link(QStringLiteral("standings.html"), QStringLiteral("Standings"), current);
        link(QStringLiteral("tickets.html"), QStringLiteral("Look up your ticket"), current);
        html_ += QStringLiteral("</ul>\n</nav>\n</header>\n<main>\n");
    }

    QString& html() { return html_; }
    void add(const QString& text) { html_ += text; }

    SiteFile finish(const QString& name, const QString& script = {})
    {
        html_ += QStringLiteral("</main>\n<footer>\n<p>Made ") + esc(season_.made)
            + QStringLiteral(" with Kickpool.</p>\n</footer>\n");
        if (!script.isEmpty())
            html_ += QStringLiteral("<script src=\"") + script + QStringLiteral("\"></script>\n");
        html_ += QStringLiteral("</body>\n</html>\n");
        return {name, html_.toUtf8()};
    }

private:
    void link(const QString& href, const QString& text, const QString& current)
    {
        html_ += QStringLiteral("<li><a href=\"") + href + QLatin1Char('"')
            + (href == current ? QStringLiteral(" class=\"current\"") : QString()) + QLatin1Char('>') + text
            + QStringLiteral("</a></li>\n");
    }

    const PublishedSeason& season_;
    QString html_;
};

QString cell(const QString& label, const QString& content, const char* cls = nullptr)
{
    QString td = QStringLiteral("<td data-label=\"") + label + QLatin1Char('"');
    if (cls)
        td += QStringLiteral(" class=\"") + QLatin1String(cls) + QLatin1Char('"');
    return td + QLatin1Char('>') + content + QStringLiteral("</td>");
}

QString headerRow(const QStringList& columns)
{
    QString row = QStringLiteral("<thead><tr>");
    for (const QString& column : columns)
        row += QStringLiteral("<th scope=\"col\">") + column + QStringLiteral("</th>");
    return row + QStringLiteral("</tr></thead>\n");
}

bool anyName(const QVector<PublishedWinner>& winners)
{
    return std::any_of(winners.begin(), winners.end(), [](const PublishedWinner& w) { return !w.name.isEmpty(); });
}

// The winners' table: a week's winners (with their pair and its total) or the grand prize (with
// the ticket's season value).
QString winnersTable(const QString& caption, const QVector<PublishedWinner>& winners, bool grand)
{
    const bool names = anyName(winners);
    const QString totalLabel = grand ? QStringLiteral("Season value") : QStringLiteral("Total");
    QStringList columns{QStringLiteral("Prize"), QStringLiteral("Ticket")};
    if (!grand)
        columns << QStringLiteral("Teams");
    columns << totalLabel << QStringLiteral("Amount");
    if (names)
        columns << QStringLiteral("Winner");
    QString html = QStringLiteral("<table class=\"winners\">\n<caption>") + esc(caption)
        + QStringLiteral("</caption>\n") + headerRow(columns) + QStringLiteral("<tbody>\n");
    for (const PublishedWinner& w : winners) {
        html += QStringLiteral("<tr>") + cell(QStringLiteral("Prize"), esc(w.prize))
            + cell(QStringLiteral("Ticket"),
                   QStringLiteral("<a href=\"tickets.html#%1\">%1</a>").arg(w.ticket), "num");
        if (!grand)
            html += cell(QStringLiteral("Teams"), esc(w.pair));
        html += cell(totalLabel, w.total, "num");
        html += w.unsold ? cell(QStringLiteral("Amount"),
                                QStringLiteral("not paid (") + currency(w.cents)
                                    + QStringLiteral(", ticket not sold)"),
                                "num unpaid")
                         : cell(QStringLiteral("Amount"), currency(w.cents), "num");
        if (names)
            html += cell(QStringLiteral("Winner"), esc(w.name));
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</tbody>\n</table>\n");
}

QString weekHeading(const PublishedWeek& week)
{
    QString text = QStringLiteral("Week %1").arg(week.week);
    if (!week.date.isEmpty())
        text += QStringLiteral(" <span class=\"date\">ending ") + esc(week.date) + QStringLiteral("</span>");
    if (!week.regular)
        text += QStringLiteral(" <span class=\"date\">playoffs</span>");
    return text;
}

void weekContent(Page& page, const PublishedSeason& season, const PublishedWeek& week)
{
    page.add(QStringLiteral("<section class=\"week\">\n<h2>") + weekHeading(week) + QStringLiteral("</h2>\n"));
    if (week.noWinners)
        page.add(QStringLiteral("<p>No pair played this week: there are no weekly winners.</p>\n"));
    if (!week.winners.isEmpty())
        page.add(winnersTable(QStringLiteral("Winners of week %1").arg(week.week), week.winners, false));
    page.add(QStringLiteral("<table class=\"scores\">\n<caption>Scores of week %1</caption>\n").arg(week.week)
             + headerRow({QStringLiteral("Team"), QStringLiteral("Score")}) + QStringLiteral("<tbody>\n"));
    QString& html = page.html();
    for (const TeamScore& score : week.scores)
        html += QStringLiteral("<tr><td>") + esc(score.team) + QStringLiteral("</td><td class=\"num\">") + score.score
            + QStringLiteral("</td></tr>\n");
    page.add(QStringLiteral("</tbody>\n</table>\n</section>\n"));

    page.add(QStringLiteral("<nav class=\"weeks\" aria-labelledby=\"every-week\">\n<h2 id=\"every-week\">Every week</h2>\n<ul>\n"));
    for (const PublishedWeek& other : season.weeks) {
        html += QStringLiteral("<li><a href=\"") + weekPageName(other.week) + QLatin1Char('"')
            + (other.week == week.week ? QStringLiteral(" class=\"current\"") : QString())
            + QStringLiteral(">Week %1").arg(other.week);
        if (!other.date.isEmpty())
            html += QStringLiteral(" <span class=\"date\">") + esc(other.date) + QStringLiteral("</span>");
        html += QStringLiteral("</a></li>\n");
    }
    page.add(QStringLiteral("</ul>\n</nav>\n"));
}

void grandPrizeContent(Page& page, const PublishedSeason& season)
{
    if (!season.grandPrizeDecided || season.grandPrize.isEmpty())
        return;
    page.add(QStringLiteral("<section class=\"grand\">\n<h2>Grand prize</h2>\n")
             + winnersTable(QStringLiteral("Grand prize winners, regular season"), season.grandPrize, true)
             + QStringLiteral("</section>\n"));
}

void prizeContent(Page& page, const PublishedSeason& season)
{
    if (season.prizeLines.isEmpty())
        return;
    page.add(QStringLiteral("<section class=\"prizes\">\n<h2>Rules and prizes</h2>\n"));
    bool inList = false;
    for (const QString& line : season.prizeLines) {
        const bool heading = line.startsWith(QLatin1Char('#'));
        if (heading && inList)
            page.add(QStringLiteral("</ul>\n"));
        else if (!heading && !inList)
            page.add(QStringLiteral("<ul>\n"));
        inList = !heading;
        page.add(heading ? QStringLiteral("<h3>") + esc(line.mid(1)) + QStringLiteral("</h3>\n")
                         : QStringLiteral("<li>") + esc(line) + QStringLiteral("</li>\n"));
    }
    if (inList)
        page.add(QStringLiteral("</ul>\n"));
    page.add(QStringLiteral("</section>\n"));
}

SiteFile weekPage(const PublishedSeason& season, const PublishedWeek& week, bool index)
{
    const QString name = index ? QStringLiteral("index.html") : weekPageName(week.week);
    Page page(season, index ? QStringLiteral("Latest results") : QStringLiteral("Week %1").arg(week.week), name);
    weekContent(page, season, week);
    if (index || week.week == season.regularWeeks)
        grandPrizeContent(page, season);
    if (index)
        prizeContent(page, season);
    return page.finish(name);
}

SiteFile emptyIndex(const PublishedSeason& season)
{
    Page page(season, QStringLiteral("Latest results"), QStringLiteral("index.html"));
    page.add(QStringLiteral("<p>No week has been scored yet.</p>\n"));
    prizeContent(page, season);
    return page.finish(QStringLiteral("index.html"));
}

SiteFile standingsPage(const PublishedSeason& season)
{
    Page page(season, QStringLiteral("Standings"), QStringLiteral("standings.html"));
    page.add(QStringLiteral("<h2>Standings after week %1</h2>\n").arg(season.standingsWeeks)
             + QStringLiteral("<p>A ticket's value is the points its two teams scored, added up over the "
                              "regular season weeks so far. The highest and the lowest value at the end of "
                              "the regular season win the grand prize.</p>\n")
             + QStringLiteral("<table class=\"standings\">\n<caption>Every ticket by its value</caption>\n")
             + headerRow({QStringLiteral("Position"), QStringLiteral("Ticket"), QStringLiteral("Value")})
             + QStringLiteral("<tbody>\n"));
    QString& html = page.html();
    for (int n = 0; n < season.standings.size(); ++n) {
        const TicketStanding& s = season.standings[n];
        html += QStringLiteral("<tr><td>%1</td><td><a href=\"tickets.html#%2\">%2</a></td><td>%3</td></tr>\n")
                    .arg(n + 1)
                    .arg(s.ticket)
                    .arg(s.value);
    }
    page.add(QStringLiteral("</tbody>\n</table>\n"));
    return page.finish(QStringLiteral("standings.html"));
}

SiteFile ticketsPage(const PublishedSeason& season)
{
    Page page(season, QStringLiteral("Look up your ticket"), QStringLiteral("tickets.html"));
    const int tickets = season.tickets.size();
    page.add(QStringLiteral("<h2>Look up your ticket</h2>\n"
                            "<form id=\"lookup\" class=\"lookup\" hidden>\n"
                            "<label for=\"ticket\">Ticket number</label>\n"
                            "<input id=\"ticket\" name=\"ticket\" type=\"number\" min=\"1\" max=\"%1\" required>\n"
                            "<button type=\"submit\">Show</button>\n</form>\n"
                            "<div id=\"result\" aria-live=\"polite\"></div>\n")
                 .arg(tickets));

    page.add(QStringLiteral("<section class=\"all\">\n<h2>Every ticket</h2>\n"
                            "<p>Each week shows the numbers of the ticket's two teams (see the list of teams), "
                            "their total, and what the ticket won; \"bye\" when one of them did not play.</p>\n"
                            "<table id=\"teams\" class=\"teams\">\n<caption>Teams</caption>\n")
             + headerRow({QStringLiteral("No."), QStringLiteral("Team")}) + QStringLiteral("<tbody>\n"));
    QString& html = page.html();
    for (int t = 0; t < season.teams.size(); ++t)
        html += QStringLiteral("<tr><td>%1</td><td>").arg(t + 1) + esc(season.teams[t]) + QStringLiteral("</td></tr>\n");
    page.add(QStringLiteral("</tbody>\n</table>\n<div class=\"scroll\">\n<table id=\"all\" class=\"tickets\">\n"
                            "<caption>Every ticket, week by week</caption>\n<thead><tr><th scope=\"col\">Ticket</th>"));
    for (const PublishedWeek& week : season.weeks)
        html += QStringLiteral("<th scope=\"col\" data-date=\"") + esc(week.date) + QStringLiteral("\">Wk %1</th>").arg(week.week);
    page.add(QStringLiteral("<th scope=\"col\">Value</th><th scope=\"col\">Position</th>"
                            "<th scope=\"col\">Grand prize</th></tr></thead>\n<tbody>\n"));
    html.reserve(html.size() + tickets * (60 + 18 * season.weeks.size()));
    for (const PublishedTicket& ticket : season.tickets) {
        html += QStringLiteral("<tr id=\"%1\"><th scope=\"row\">%1</th>").arg(ticket.ticket);
        for (const TicketWeek& week : ticket.weeks) {
            html += week.won.isEmpty() ? QStringLiteral("<td>") : QStringLiteral("<td class=\"won\">");
            html += QString::number(week.first) + QLatin1Char('-') + QString::number(week.second) + QLatin1Char(' ')
                + week.total;
            if (!week.won.isEmpty())
                html += QLatin1Char(' ') + week.won;
            html += QStringLiteral("</td>");
        }
        html += QStringLiteral("<td>%1</td><td>%2</td><td>").arg(ticket.value).arg(
                    ticket.position > 0 ? QString::number(ticket.position) : QStringLiteral("-"))
            + ticket.grandPrize + QStringLiteral("</td></tr>\n");
    }
    page.add(QStringLiteral("</tbody>\n</table>\n</div>\n</section>\n"));
    return page.finish(QStringLiteral("tickets.html"), QStringLiteral("lookup.js"));
}

const char* const StyleSheet = R"css(/* Results pages: readable on a phone, on a desktop and on paper. */
:root { --ink: #1b1b1b; --muted: #4a4a4a; --accent: #14532d; --line: #c8c8c8; --won: #e7f4ea; }
* { box-sizing: border-box; }
body { margin: 0; font: 1rem/1.5 system-ui, -apple-system, "Segoe UI", Roboto, Arial, sans-serif;
  color: var(--ink); background: #fff; }
header.site { background: var(--accent); color: #fff; padding: 1rem max(1rem, calc((100% - 58rem) / 2)); }
header.site h1 { margin: 0; font-size: 1.6rem; line-height: 1.2; }
header.site .season { margin: .25rem 0 .5rem; }
header.site ul { list-style: none; margin: 0; padding: 0; display: flex; flex-wrap: wrap; gap: .25rem 1rem; }
header.site a { color: #fff; font-weight: 600; }
header.site a.current { text-decoration: none; border-bottom: 3px solid #fff; }
main { padding: 0 1rem 1rem; max-width: 60rem; margin: 0 auto; }
h2 { font-size: 1.3rem; margin: 1.5rem 0 .5rem; color: var(--accent); }
h3 { font-size: 1.05rem; margin: 1rem 0 .25rem; }
a { color: #0b4f9c; }
.date { font-weight: normal; color: var(--muted); }
table { border-collapse: collapse; margin: .5rem 0 1rem; }
caption { text-align: left; font-weight: 600; padding: .25rem 0; }
th, td { border-bottom: 1px solid var(--line); padding: .3rem .6rem; text-align: left; vertical-align: top; }
thead th { border-bottom: 2px solid var(--ink); }
.num { text-align: right; font-variant-numeric: tabular-nums; }
.unpaid { color: #8a1c1c; }
.scores td:last-child, .standings td { text-align: right; font-variant-numeric: tabular-nums; }
nav.weeks ul { list-style: none; padding: 0; display: flex; flex-wrap: wrap; gap: .4rem; }
nav.weeks a { display: inline-block; padding: .3rem .6rem; border: 1px solid var(--line); border-radius: .3rem;
  text-decoration: none; }
nav.weeks a.current { background: var(--accent); color: #fff; }
nav.weeks a.current .date { color: #fff; }
.lookup { display: flex; flex-wrap: wrap; gap: .5rem; align-items: center; margin: .5rem 0 1rem; }
.lookup input { font-size: 1.2rem; width: 7rem; padding: .3rem; }
.lookup button { font-size: 1.1rem; padding: .35rem 1rem; background: var(--accent); color: #fff;
  border: 0; border-radius: .3rem; }
.scroll { overflow-x: auto; }
.tickets { font-size: .85rem; white-space: nowrap; }
.tickets td.won, .ticket td.won { background: var(--won); font-weight: 600; }
.ticket td:first-child { white-space: nowrap; }
footer { color: var(--muted); padding: 1rem; text-align: center; font-size: .9rem; }
@media (max-width: 40rem) {
  header.site h1 { font-size: 1.35rem; }
  table.winners, table.winners tbody, table.winners tr, table.winners td { display: block; width: 100%; }
  table.winners caption { display: block; }
  table.winners thead { position: absolute; left: -9999px; }
  table.winners tr { border: 1px solid var(--line); border-radius: .3rem; margin-bottom: .6rem; padding: .2rem 0; }
  table.winners td { border: 0; padding: .15rem .6rem; text-align: left; }
  table.winners td::before { content: attr(data-label) ": "; font-weight: 600; }
}
@media print {
  header.site { background: none; color: #000; padding: 0; }
  header.site nav, nav.weeks, .lookup, #result:empty { display: none; }
  a { color: #000; text-decoration: none; }
  .scroll { overflow: visible; }
  tr { break-inside: avoid; }
}
)css";

const char* const LookupScript = R"js(// "Look up your ticket": shows one ticket's pairs, totals and wins, read from the table of
// every ticket on the page (tickets.html#17 opens on ticket 17).
(function () {
  'use strict';
  var form = document.getElementById('lookup');
  var input = document.getElementById('ticket');
  var result = document.getElementById('result');
  var all = document.getElementById('all');
  if (!form || !all) { return; }
  var teams = {};
  Array.prototype.forEach.call(document.querySelectorAll('#teams tbody tr'), function (row) {
    teams[row.cells[0].textContent] = row.cells[1].textContent;
  });
  var heads = all.tHead.rows[0].cells;
  var weeks = heads.length - 4;
  var rows = {};
  Array.prototype.forEach.call(all.tBodies[0].rows, function (row) {
    rows[row.id] = row;
    row.removeAttribute('id');  // the lookup, not the table row, answers tickets.html#N
  });

  function add(parent, tag, text, cls) {
    var node = document.createElement(tag);
    if (text !== undefined) { node.textContent = text; }
    if (cls) { node.className = cls; }
    parent.appendChild(node);
    return node;
  }

  function show(number) {
    result.textContent = '';
    var row = rows[String(number)];
    if (!row) {
      add(result, 'p', 'There is no ticket ' + number + '. Tickets are numbered 1 to ' +
        all.tBodies[0].rows.length + '.');
      return;
    }
    add(result, 'h2', 'Ticket ' + number);
    var value = row.cells[weeks + 1].textContent;
    var position = row.cells[weeks + 2].textContent;
    add(result, 'p', 'Season value so far: ' + value +
      (position === '-' ? '' : ' (position ' + position + ' in the standings)') + '.');
    var grand = row.cells[weeks + 3].textContent;
    if (grand) { add(result, 'p', 'Grand prize: ' + grand, 'won'); }
    var table = add(add(result, 'div', undefined, 'scroll'), 'table', undefined, 'ticket');
    add(table, 'caption', 'Ticket ' + number + ', week by week');
    var head = add(add(table, 'thead'), 'tr');
    ['Week', 'Teams', 'Total', 'Won'].forEach(function (text) {
      add(head, 'th', text).scope = 'col';
    });
    var body = add(table, 'tbody');
    for (var w = 1; w <= weeks; w++) {
      var parts = /^(\d+)-(\d+) (\S+)(?: (.+))?$/.exec(row.cells[w].textContent);
      if (!parts) { continue; }
      var tr = add(body, 'tr');
      var week = add(tr, 'td', String(w) + ' ');
      add(week, 'span', heads[w].getAttribute('data-date'), 'date');
      add(tr, 'td', teams[parts[1]] + ' & ' + teams[parts[2]]);
      add(tr, 'td', parts[3], 'num');
      add(tr, 'td', parts[4] || '', parts[4] ? 'won' : '');
    }
  }

  function fromAddress() {
    var number = parseInt(window.location.hash.slice(1), 10);
    if (number > 0) {
      input.value = number;
      show(number);
    }
  }

  form.hidden = false;
  form.addEventListener('submit', function (event) {
    event.preventDefault();
    var number = parseInt(input.value, 10);
    if (window.location.hash === '#' + number) { show(number); } else { window.location.hash = number; }
  });
  window.addEventListener('hashchange', fromAddress);
  fromAddress();
}());
)js";

}  // namespace

QString weekPageName(int week)
{
    return QStringLiteral("week-%1.html").arg(week, 2, 10, QLatin1Char('0'));
}

QVector<SiteFile> resultsSite(const PublishedSeason& season)
{
    QVector<SiteFile> files;
    if (season.weeks.isEmpty()) {
        files << emptyIndex(season);
    } else {
        files << weekPage(season, season.weeks.last(), true);
        for (const PublishedWeek& week : season.weeks)
            files << weekPage(season, week, false);
    }
    files << standingsPage(season) << ticketsPage(season);
    files << SiteFile{QStringLiteral("style.css"), QByteArray(StyleSheet)};
    files << SiteFile{QStringLiteral("lookup.js"), QByteArray(LookupScript)};
    return files;
}

SiteWriting writeResultsSite(const QString& folder, const QVector<SiteFile>& files, FileSteps* steps)
{
    SiteWriting writing;
    if (!QDir().mkpath(folder)) {
        writing.failedFile = QDir::toNativeSeparators(folder);
        writing.why = QStringLiteral("The folder cannot be made.");
        return writing;
    }
    const QDir dir(folder);
    for (const SiteFile& file : files) {
        const QString path = dir.filePath(file.name);
        if (!writeFileSafely(path, file.content, writing.why, steps ? *steps : systemFileSteps())) {
            writing.failedFile = QDir::toNativeSeparators(path);
            return writing;
        }
        writing.bytes += file.content.size();
    }
    writing.written = true;
    return writing;
}

QString defaultWebFolder(const Session& session)
{
    return session.pathInHome(QStringLiteral("Web"));
}

QStringList siteWrittenLines(const QString& folder, const QVector<SiteFile>& files, const SiteWriting& writing)
{
    QStringList lines{QStringLiteral("Results page written to ") + QDir::toNativeSeparators(folder) + QLatin1Char(':')};
    for (const SiteFile& file : files)
        lines << QStringLiteral("  ") + file.name;
    lines << QStringLiteral("%1 files, %2 KB").arg(files.size()).arg((writing.bytes + 1023) / 1024);
    return lines;
}
