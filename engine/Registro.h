#pragma once
// The record of a game in progress, from which the game is played again as it was: the table as
// it stood when it last waited for the human's move, then every input the game has taken since,
// each with the random numbers the game drew before it. The game is deterministic given these,
// so playing the inputs again over the table gives back the same game at every step.

#include <cstdint>
#include <string>
#include <vector>

#include "Evento.h"
#include "Impostazioni.h"

namespace brivetta {

// The table and the game's own state, as numbers and texts in a fixed order.
struct Istantanea {
    std::vector<std::int64_t> Numeri;
    std::vector<std::string> Testi;
    bool operator==(const Istantanea&) const = default;
};

// What the game tells its chronicle, recorded before it does: so that a count is made once.
enum class Conteggio : std::uint8_t { PartitaIniziata, MancheSaldata, PartitaFinita };

struct Passaggio {
    enum class Tipo : std::uint8_t {
        Gioca,        // the human's move: Azione and Valore
        Rispondi,     // the window was done with the event
        Impostazioni, // new settings from the options
        Altezza,      // the window's inner height, in Valore
        Conteggio,    // a moment told to the chronicle, in Valore (a Conteggio)
        Attesa,       // the game stopped at an event, with what it drew to get there
    };
    Tipo Cosa = Tipo::Rispondi;
    std::vector<double> Numeri; // drawn by the game since the passage before
    Azione Mossa = Azione::NuovaPartita;
    int Valore = 0;
    brivetta::Impostazioni Scelte;
    bool operator==(const Passaggio&) const = default;
};

inline Passaggio PassaggioDi(Passaggio::Tipo cosa, int valore = 0) {
    Passaggio p;
    p.Cosa = cosa;
    p.Valore = valore;
    return p;
}

struct RegistroPartita {
    Istantanea Base;
    std::vector<Passaggio> Passaggi;
};

// Told of everything the game records, as it happens.
class Testimone {
  public:
    virtual ~Testimone() = default;
    // The game waits for the human's move: the record can start again from this table;
    // `inCorso` is false at the idle table, before any game.
    virtual void NuovaBase(const Istantanea& base, bool inCorso) = 0;
    // An input the game is about to take, or a moment it is about to tell its chronicle.
    virtual void Aggiungi(const Passaggio& passaggio) = 0;
};

} // namespace brivetta
