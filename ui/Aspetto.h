#pragma once
// What every window of the game shares in its look: the title, the colours of the table and
// the table's fonts.

#include <QColor>
#include <QFont>
#include <QString>

namespace brivetta {

// The title of the table window and of every message box.
inline const QString TitoloGioco = QStringLiteral("Brivetta 2002");

// The colours of the table, from the standard sixteen of a text screen.
namespace colori {
inline const QColor Nero(0, 0, 0);
inline const QColor BluScuro(0, 0, 128);
inline const QColor Panno(0, 128, 0); // the green cloth
inline const QColor Grigio(192, 192, 192);
inline const QColor Blu(0, 0, 255);
inline const QColor Verde(0, 255, 0);
inline const QColor Ciano(0, 255, 255);
inline const QColor Rosso(255, 0, 0);
inline const QColor Magenta(255, 0, 255);
inline const QColor Giallo(255, 255, 0);
inline const QColor Bianco(255, 255, 255);
} // namespace colori

// The panel of seat 1..6 at the left of its row.
QColor ColorePannello(int posto);

// Tahoma-like fonts, 8.25 pt: bold for the printed names, regular for the labels.
QFont CarattereTavolo(bool grassetto);

} // namespace brivetta
