#pragma once
// The one table that turns what the engine says (identities with their arguments, scores,
// amounts, cards) into the player's language. Italian is the source; the rest are translations
// of the "TestiGioco" context.

#include <QString>
#include <array>
#include <string>

#include "Probabilita.h"
#include "Riepilogo.h"
#include "Testi.h"
#include "VistaTavolo.h"

namespace brivetta::TestiGioco {

// A message box of the game, naming a seat of `nomi`.
QString Messaggio(const Annuncio& annuncio, const std::array<std::string, MaxGiocatori + 1>& nomi);
// The end-of-game window's message: the broke seat, the place and its comment, everyone's
// money, the question.
QString FinePartita(const FineDellaPartita& fine);

// "Out" above 7 1/2, otherwise "5", "5 1/2" or "1/2".
QString Punteggio(Singolo punteggio);
// A seat label: "7 1/2", "€12/38" or nothing.
QString Etichetta(const EtichettaPosto& etichetta);
// The stake caption: "5€".
QString Posta(int valore);
// "Denaro: 60€ · Mazziere: Bruno", or nothing before the first game.
QString Situazione(const SituazioneUmano& situazione,
                   const std::array<std::string, MaxGiocatori + 1>& nomi);
// The seat label's tooltip.
QString SuggerimentoEtichetta(int posto);
// "Sballo 12% · 7½ 10%"
QString Probabilita(const brivetta::Probabilita& p);

// A row of the hand summary: the name ("Bruno (Mazziere)" for the dealer), the amount ("+ 3",
// "- 5") and the place ("2°").
QString NomeRiepilogo(const RigaRiepilogo& riga);
QString Importo(int importo);
QString Posizione(int posizione);

// "7 di Coppe", "Re di Denare, la matta"; the backs are "carta coperta", picture 0 the deck.
QString NomeCarta(int indice);
// The human's covered card, which he alone sees: "5 di Denare, coperta".
QString NomeCartaCoperta(int indice);

} // namespace brivetta::TestiGioco
