#pragma once
// The player's settings on the table: read from brivetta.ini at start-up, applied to the game,
// its card set and faces, and saved at once whenever the options or the sound switch change
// them. A save that fails is told once a session; the game goes on with the choices in force.

#include <QObject>
#include <optional>

#include "Impostazioni.h"

namespace brivetta {

class Facce;
class Gioco;
class PannelloTavolo;

class ScelteTavolo : public QObject {
    Q_OBJECT
  public:
    ScelteTavolo(Gioco& gioco, PannelloTavolo& pannello, Facce& facce, QObject* parent = nullptr);

    Impostazioni Attuali() const;
    // Start-up, in the program's folder: the settings file read and applied. The sound entry's
    // tick, when the file says it.
    std::optional<bool> Leggi();
    // The card pictures of the set in force, and the faces of the chosen character.
    void CaricaCarte();
    // A set chosen in the options is in force at once, whatever button closes them.
    void ScegliMazzo(const std::string& nome);
    // The options accepted.
    void Applica(const Impostazioni& scelte);
    void ImpostaSuono(bool acceso);

  signals:
    // Something the player is to be told: a broken card set, a save that failed.
    void avviso(const QString& testo);

  private:
    void Salva();

    Gioco& gioco_;
    PannelloTavolo& pannello_;
    Facce& facce_;
    bool salvataggioFallitoDetto_ = false;
};

} // namespace brivetta
