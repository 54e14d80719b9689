#pragma once
// statistiche.json in the program's folder: the player's statistics, written whole or not at
// all, compact, never larger than the reader takes. A file that cannot be read as ours never
// stops the game: it is put aside and the statistics start from zero. Several copies of the
// game may share it: each save re-reads the file under a lock and adds this copy's figures.

#include <QJsonObject>
#include <QString>
#include <optional>

#include "Statistiche.h"

namespace brivetta {

class FileStatistiche {
  public:
    // The largest file read; nothing larger is ever written.
    static constexpr qint64 MassimaDimensione = 4 * 1024 * 1024;
    // A temporary file of a save older than this is left over by a copy that was killed.
    static constexpr qint64 EtaTemporaneoAbbandonato = 60; // seconds

    explicit FileStatistiche(const QString& cartella);

    QString Percorso() const { return percorso_; }
    QString PercorsoDanneggiato() const { return percorso_ + QStringLiteral(".danneggiato"); }

    // The recorded figures, zero when there is no file. A damaged, truncated, foreign or
    // unreadable one is renamed to statistiche.json.danneggiato, replacing an older one. A
    // newer version's file we cannot make out is left as it is and never written over.
    DatiStatistiche Leggi();
    // Writes `dati` as they are: the whole file through a temporary one beside it, so a crash
    // leaves either the old file or the new one. Fields of a newer version read earlier are
    // written back as they were, while the file stays within MassimaDimensione. False when the
    // file could not be written; the old one is then untouched.
    bool Scrivi(const DatiStatistiche& dati);
    // What `mie` added since `base` (the figures of the last read or save), added to the file as
    // it is now; the figures written, or nothing when the file could not be written.
    std::optional<DatiStatistiche> Salva(const DatiStatistiche& base, const DatiStatistiche& mie);
    // Removes the temporary files of saves cut short (statistiche.json.XXXXXX), only those at
    // least EtaTemporaneoAbbandonato old, and only while no copy holds the lock of the saves.
    void TogliTemporanei();

  private:
    enum class Esito { Letto, Assente, Danneggiato, PiuNuovo };
    Esito LeggiFile(DatiStatistiche& dati);
    bool ScriviBloccato(const DatiStatistiche& dati);
    void MettiDaParte();

    QString percorso_;
    QJsonObject altri_;        // what a newer version keeps here beside our fields
    bool soloLettura_ = false; // a newer version's file we could not make out
};

} // namespace brivetta
