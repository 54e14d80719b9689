#pragma once
// The moments of play the window underlines with a sound. The game names what happens; the
// window chooses how it sounds.

#include <cstdint>

namespace brivetta {

enum class Effetto : std::uint8_t {
    CartaScoperta, // a seat takes a card face up
    CartaCoperta,  // a seat takes a card face down
    Stop,          // a seat stops, by choice or by itself
    Posta,         // the stake slider moves on the human's turn
    Sballato,      // the human's hand goes over 7 1/2
    SetteEMezzo,   // the human's hand makes 7 1/2
    MancheVinta,   // the summary opens on a manche the human did not lose, below 7 1/2
    ManchePersa,   // the summary opens on a manche the human lost without busting
};

} // namespace brivetta
