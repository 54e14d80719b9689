#pragma once
// partita.json beside brivetta.ini: the game in progress, kept so that leaving, a crash or a
// power cut loses nothing. It holds the table as it stood at the human's last move and every
// input since (JSON lines): each input reaches the disk before the game takes it, and at each
// move of the human the file starts again from the new table, so it stays a few kilobytes.
// A torn last line, as a kill leaves it, is ignored; a damaged, foreign or newer file is set
// aside as partita.json.danneggiato and the table starts idle. One copy of the game keeps the
// file at a time: another copy in the same folder plays without keeping.

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "Cronaca.h"
#include "Registro.h"

namespace brivetta {

class FilePartita : public Testimone {
  public:
    explicit FilePartita(const QString& cartella);
    ~FilePartita() override;
    FilePartita(const FilePartita&) = delete;
    FilePartita& operator=(const FilePartita&) = delete;

    QString Percorso() const { return percorso_; }
    QString PercorsoDanneggiato() const { return percorso_ + QStringLiteral(".danneggiato"); }

    // This copy of the game keeps the file; false when another copy already does.
    bool Custode() const { return custode_; }

    // The statistics' count of each moment before it is counted, written beside it, so that a
    // game played again counts each moment once whatever the moment it was interrupted.
    std::function<int(Conteggio)> contatore;

    enum class Esito { Nessuna, Ripresa, Danneggiata };
    // The kept game: nothing, a record to play again, or a file set aside.
    Esito Leggi(RegistroPartita& registro);
    // A chronicle that passes on, while the record is played again, only the moments the
    // statistics have not counted yet.
    Cronaca& CronacaRipresa(Cronaca& statistiche);
    // No game is in progress any more: the player has left at the end of one.
    void Cancella();
    // The record could not be played again: the file is set aside, the table starts idle.
    void MettiDaParte();

    void NuovaBase(const Istantanea& base, bool inCorso) override;
    void Aggiungi(const Passaggio& passaggio) override;

  private:
    class Filtro;
    bool RiscriviTutto();
    bool Accoda(const QByteArray& riga);

    QString percorso_;
    int blocco_ = -1; // the lock held as long as this copy runs
    bool custode_ = false;
    bool suDisco_ = false; // the file holds the record in memory
    bool inCorso_ = false;
    Istantanea base_;
    std::vector<QByteArray> righe_; // the passages as written
    std::deque<int> conteggiPrima_; // while the record is played again
    std::unique_ptr<Filtro> filtro_;
};

} // namespace brivetta
