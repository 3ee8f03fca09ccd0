#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The season file's code page, Windows-1252, by a table of its own so that every platform reads
// and writes the same bytes. Every byte has a character: the five bytes the code page leaves
// unassigned (81, 8D, 8F, 90, 9D) stand for the control characters of the same number, so any
// file reads back byte for byte.
namespace Windows1252 {

QString decode(const QByteArray& bytes);
// A character the code page has no place for becomes one '?' (a character outside the Basic
// Multilingual Plane too).
QByteArray encode(QStringView text);
// Whether the character or the whole text has a place in the code page.
bool canEncode(char32_t character);
bool canEncode(QStringView text);

}  // namespace Windows1252
