#pragma once
// The secondary windows are laid out in twips: 15 twips make one pixel at 96 dpi.

namespace brivetta {

constexpr int TwipsPerPixel = 15;
constexpr int Px(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

} // namespace brivetta
