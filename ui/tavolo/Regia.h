#pragma once
// The game in motion: owns the engine, the card's flight and the sound player, and turns each
// event of the game into what the player sees and hears (a card travelling, a sound, a message,
// the summary, the end-of-game window), telling the game when it is over. Windows of the player
// open over the table pause play; play resumes where it stopped when they close.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Gioco.h"

class QDialog;
class QWidget;

namespace brivetta {

class Facce;
class FilePartita;
class LettoreSuoni;
class PannelloTavolo;
class StatisticheGiocatore;
class VoloCarta;

class Regia : public QObject {
    Q_OBJECT
  public:
    // `finestra` is the parent of the game's dialogs; `pannello` shows the cards' flights.
    Regia(FonteCasuale& caso, LettoreSuoni& suoni, PannelloTavolo& pannello, const Facce& facce,
          StatisticheGiocatore& statistiche, QWidget& finestra);
    ~Regia() override;

    Gioco& Motore() { return gioco_; }
    const Gioco& Motore() const { return gioco_; }

    // The game waits for the player's move, with nothing being shown and nothing over the table.
    bool Libera() const;
    // It is the human's own move: the odds of his next card mean something.
    bool MossaUmano() const;
    // The player's move. A move the game does not take now is dropped; a stake set while a
    // sound of the slider plays is taken as soon as the game can take it.
    void Gioca(Azione azione, int valore = 0);
    // A new game on a table of `altezza` pixels (the window's inner height counts the seats).
    void NuovaPartita(int altezza);
    // The next game, once the window has settled after the end-of-game window.
    void AltraPartita(int altezza);
    // A message or the summary of the game waits to be closed, with no window of the player's
    // over it; Conferma closes it as its OK button does.
    bool AttendeConferma() const;
    void Conferma();
    // The stake slider's own sound plays at the human's move: his move is still to come.
    bool CursoreSuona() const;
    // A stake the player set is waiting for the game: the slider keeps it.
    bool CursoreTenuto() const { return postaRichiesta_.has_value(); }

    // The player's windows over the table hold play; each Sospendi is matched by a Riprendi.
    void Sospendi();
    void Riprendi();
    bool InPausa() const { return pausa_ > 0; }
    bool CartaInVolo() const;
    // The player has left: nothing of the game moves any more.
    void Chiudi();

    // Keeps the game in progress in the program's folder from now on, after bringing back the
    // one kept there, which goes on where it was: at the human's move he moves, a message or a
    // window that was open opens again, a card that was travelling has landed. Returns what
    // the player is to be told, or nothing.
    QString Custodisci(const QString& cartella);

  signals:
    // The table changed: it is to be drawn again.
    void cambiata();
    // The end-of-game window closed on another game: it starts once the window has settled,
    // with AltraPartita.
    void altraPartitaChiesta();
    // The player chose to leave at the end of a game.
    void fineGioco();

  private:
    void Prosegui();
    void Fatto();
    void Suona(const QString& file);
    void ApriMessaggio(const QString& testo);
    void ApriRiepilogo();
    void ApriFinePartita();

    Gioco gioco_;
    LettoreSuoni& suoni_;
    PannelloTavolo& pannello_;
    const Facce& facce_;
    StatisticheGiocatore& statistiche_;
    QWidget& finestra_;
    VoloCarta* volo_;
    std::unique_ptr<FilePartita> partita_;
    QPointer<QDialog> daConfermare_; // the message or summary on show

    bool inAttesa_ = false;     // an event of the game is being shown
    bool daRispondere_ = false; // it ended while the table was paused
    int pausa_ = 0;             // the player's windows open over the table
    bool chiusa_ = false;
    std::optional<int> postaRichiesta_; // a slider move made while the game was busy
};

} // namespace brivetta
