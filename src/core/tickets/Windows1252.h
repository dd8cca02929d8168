#pragma once

#include <QByteArray>
#include <QString>

// Ticket names are stored as single bytes of the Windows-1252 code page, so a
// file written on another desktop reads back with the same letters.
namespace windows1252 {

// At most maxBytes bytes; a character the code page has no byte for becomes "?".
QByteArray Encode(const QString& text, int maxBytes);
QString Decode(const QByteArray& bytes);

}  // namespace windows1252
