#pragma once
// The work files are 8-bit text in the Windows-1252 code page: é is the single byte E9.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace travail {

QByteArray encode1252(const QString &texte);   // a character outside the code page becomes '?'
QString decode1252(QByteArrayView octets);

} // namespace travail
