#pragma once
// The player's choices kept between runs, as one value: the settings file reads and writes it,
// the options dialog takes one and hands one back, and the table applies it to the game.

#include <string>

#include "StatoTavolo.h"

namespace brivetta {

struct Impostazioni {
    std::string Nome = "Anonimo"; // the human's name
    Intero Bluff = 0;
    Intero VelocitaCarta = 0;
    bool VincitaDoppia = false;
    Intero Personaggio = 0;
    Intero MalloppoIniziale = 0;
    bool Suono = true;
    std::string Carte; // the card set's folder name, byte for byte
    // The name's bytes as the settings file held them, of which Nome is the UTF-8 reading: an
    // older editor's Latin-1 name goes back to the file as it came, while it is the name in use.
    std::string NomeNelFile;
    // The number the settings file held for sound on: any but 0 plays sounds, and it goes back
    // to the file as it came while sound stays on. Turned off, sound is 0 and on again 1.
    Intero SuonoNelFile = 1;

    bool operator==(const Impostazioni&) const = default;
};

inline Impostazioni ImpostazioniDelTavolo(const StatoTavolo& s) {
    return {s.Nomi[1],          s.Bluff, s.VelocitaCarta, s.VincitaDoppia, s.Personaggio,
            s.MalloppoIniziale, s.Suono, s.Carte,         s.NomeNelFile,   s.SuonoNelFile};
}

inline void ApplicaImpostazioni(StatoTavolo& s, const Impostazioni& i) {
    s.Nomi[1] = i.Nome;
    s.NomeNelFile = i.NomeNelFile;
    s.Bluff = i.Bluff;
    s.VelocitaCarta = i.VelocitaCarta;
    s.VincitaDoppia = i.VincitaDoppia;
    s.Personaggio = i.Personaggio;
    s.MalloppoIniziale = i.MalloppoIniziale;
    s.Suono = i.Suono;
    // Sound turned off forgets the file's own number: turned on again, it is written as 1.
    s.SuonoNelFile = i.Suono ? i.SuonoNelFile : Intero{1};
    s.Carte = i.Carte;
}

} // namespace brivetta
