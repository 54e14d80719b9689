#pragma once
// The odds of the next card for the human, counted only from what he can know: the cards he
// sees face up and those put aside in earlier manches are not in the deck; every other card,
// the other seats' covered ones included, may come next, each as likely as the rest.

#include <array>
#include <span>

#include "StatoTavolo.h"
#include "VistaTavolo.h"

namespace brivetta {

// Cards 1..40 the player knows are out of the deck.
using CarteNote = std::array<bool, CarteNelMazzo + 1>;

struct Probabilita {
    int Candidate = 0;        // cards the next one may be
    int Sballano = 0;         // of them, those that take the score over 7 1/2
    int FannoSetteEMezzo = 0; // those that make it exactly 7 1/2
    int PercentoSballo() const;
    int PercentoSetteEMezzo() const;
    bool operator==(const Probabilita&) const = default;
};

// parte / tutto as a whole percent, halves rounded up; 0 when there is nothing to count.
int Percento(int parte, int tutto);

// Everything face up on the table now, and the cards put aside since the deck was last
// shuffled or refilled, unless the deck is empty: the next draw takes those back first.
CarteNote CarteConosciute(const StatoTavolo& s, const VistaTavolo& v);

// One more card, face up, after the cards of `mano`, scored by the game's rule.
Probabilita ProbabilitaProssimaCarta(const CarteNote& note, std::span<const Intero> mano);

// The human's odds at the table as it is now.
Probabilita ProbabilitaUmano(const StatoTavolo& s, const VistaTavolo& v);

} // namespace brivetta
