#pragma once
// statistiche.json in the program's folder: the player's statistics, written whole or not at
// all. A file that cannot be read as ours never stops the game: it is put aside and the
// statistics start from zero.

#include <QJsonObject>
#include <QString>

#include "Statistiche.h"

namespace brivetta {

class FileStatistiche {
  public:
    explicit FileStatistiche(const QString& cartella);

    QString Percorso() const { return percorso_; }
    QString PercorsoDanneggiato() const { return percorso_ + QStringLiteral(".danneggiato"); }

    // The recorded figures, zero when there is no file. A damaged, truncated, foreign or
    // unreadable one is renamed to statistiche.json.danneggiato, replacing an older one.
    DatiStatistiche Leggi();
    // Writes the whole file through a temporary one beside it, so a crash leaves either the old
    // file or the new one. Fields of a newer version read earlier are written back as they were.
    // False when the file could not be written; the old one is then untouched.
    bool Scrivi(const DatiStatistiche& dati);

  private:
    void MettiDaParte();

    QString percorso_;
    QJsonObject altri_; // what a newer version keeps here beside our fields
};

} // namespace brivetta
