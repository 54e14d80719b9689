#pragma once
// What the human's move is worth, in money, counted only from what he can see: his own cards
// (the covered one included), every face-up card, the cards put aside since the deck was last
// shuffled or refilled, the stakes, who deals and the settings. Every card he cannot see is as
// likely as the rest to be anywhere he cannot see, but for a seat that has played: its covered
// card is weighed by how likely its play by the decision table was with it.
//
// His own next cards are counted exactly, class by class (cards of one class score alike), with
// the best choice at every later move made on what he would see then. The dealer's play never
// depends on chance, so his hand is counted exactly too; when the human deals, the stopped seats'
// covered cards are. Only the seats between the human and the dealer, who bluff, are sampled:
// each sample is one play of theirs, shared by every hand of his, so the choices between his
// hands compare like with like. The game's own settlement gives the money.

#include <cstdint>

#include "FonteCasuale.h"
#include "StatoTavolo.h"
#include "Strategia.h"
#include "VistaTavolo.h"

namespace brivetta {

struct OpzioniConsiglio {
    // The most samples of the seats between the human and the dealer; fewer once both figures
    // are within 0.02 of the stake (95%).
    int Campioni = 10000;
    std::uint64_t Seme = 1;
    // Threads sharing the samples out, 0: one per processor. The figures do not depend on it.
    int Fili = 0;
};

// Expected change of the human's money at this manche's settlement.
struct Consiglio {
    double Stop = 0;  // if he stops now
    double Carta = 0; // if he takes another card now and then plays on as well as he can
    // Half-widths of the 95% confidence intervals of the two figures.
    double MargineStop = 0;
    double MargineCarta = 0;
    bool CartaPossibile = true; // a full hand takes no more cards
    bool MeglioCarta() const { return CartaPossibile && Carta > Stop; }
};

// The figures per unit of the human's stake when he plays against the dealer (his money moves
// by his whole stake times them), or in money when he deals. Later moves add nothing to the
// stake: the slider stands at 0 after every card.
struct ValoreMosse {
    double Stop = 0, Carta = 0;
    double MargineStop = 0, MargineCarta = 0;
    bool CartaPossibile = true;
    bool PerUnita = true; // false: the human deals, and the figures are money
};

// The values at the human's move (s.Turno == 1).
ValoreMosse ValutaMosse(const StatoTavolo& s, const VistaTavolo& v, const OpzioniConsiglio& o);

// The figures with the stake the slider shows now: the first card stakes at least 1, a stop
// with two cards or more adds nothing.
Consiglio Consiglia(const StatoTavolo& s, const VistaTavolo& v, int cursore,
                    const OpzioniConsiglio& o);

// The same from values already reckoned: one reckoning serves every position of the slider.
Consiglio ConPosta(const StatoTavolo& s, const ValoreMosse& valori, int cursore);

// The best move and its stake: the largest when the move is worth more with more at stake,
// otherwise the least the dealer allows.
Mossa MossaMigliore(const StatoTavolo& s, const ValoreMosse& valori);

// Plays the human's seat with the advisor's best move; the table's view tells it what the human
// can see. Each decision draws its samples' seed from the game's random source.
class StrategiaConsiglio : public Strategia {
  public:
    StrategiaConsiglio(const VistaTavolo& vista, int campioni)
        : vista_(vista), campioni_(campioni) {}
    Mossa Scegli(const StatoTavolo& s, FonteCasuale& caso) override;

  private:
    const VistaTavolo& vista_;
    int campioni_;
};

} // namespace brivetta
