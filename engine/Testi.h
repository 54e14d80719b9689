#pragma once
// What the dealer and the table say: the texts of the game's messages.

#include <array>
#include <string>

#include "StatoTavolo.h"
#include "VistaTavolo.h"

namespace brivetta {

inline constexpr const char* TestoMinimoForzato =
    "Se hai paura di perdere non giocare! Almeno un $ sei costretto a puntarlo, per questa volta "
    "l'ho fatto io.";
inline constexpr const char* TestoRilancioRifiutato =
    "Vuoi vincermi anche le mutande! - Quando un giocatore si ferma (premendo il bottone <Stop>) "
    "può puntare solo con la prima carta. L'ultima puntata non viene affatto accettata.";
inline constexpr const char* TestoMazzoFinito =
    "Il mazziere ha finito le carte, ora rimescola le carte usate nelle precedenti manches.";
inline constexpr const char* TestoMattaUscita =
    "Il mazziere mescola le carte perchè è uscita la matta.";

std::string SenzaSpaziIniziali(const std::string& testo);

// "Avviso dal mazziere (<dealer>) - '<testo>'", in the dealer's voice whoever deals.
std::string AvvisoMazziere(const StatoTavolo& s, const std::string& testo);
// The first dealer of a new game.
std::string AnnuncioNuovaPartita(const StatoTavolo& s);
// The deck passing to the seat that made 7 1/2 with two cards.
std::string AnnuncioPassaggioMazzo(const StatoTavolo& s, int nuovoMazziere);
// The end of the game, naming the broke seat, the human's place and everyone's money.
std::string MessaggioFinePartita(const StatoTavolo& s, int postoSenzaSoldi);

// "Denaro: 60€ · Mazziere: Bruno", or nothing before the first game.
std::string TestoSituazione(const SituazioneUmano& situazione,
                            const std::array<std::string, MaxGiocatori + 1>& nomi);

// The seat label's tooltip.
std::string SuggerimentoEtichetta(int posto);

} // namespace brivetta
