#include "FonteCasuale.h"

#include <chrono>
#include <ctime>

namespace brivetta {

namespace {
// The first seed: the finest clock there is, so that two games started together differ.
std::uint64_t OrologioAltaRisoluzione() {
#if defined(__x86_64__) || defined(__i386__)
    return __builtin_ia32_rdtsc();
#else
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
#endif
}

} // namespace

// A tick of a few milliseconds is plenty for the reseeds (the generator's own next number is
// mixed in too), and the kernel's coarse clock is read in half the time of the processor's
// counter, at a reseed for every card and every decision. The date above the time of day
// changes nothing in the mix, so the seconds are not reduced to the day: that division would
// stand between the clock and the next card. Nanoseconds in the low 30 bits.
std::uint64_t OraDelGiorno() {
#if defined(CLOCK_REALTIME_COARSE)
    timespec t{};
    clock_gettime(CLOCK_REALTIME_COARSE, &t);
    return static_cast<std::uint64_t>(t.tv_sec) << 30 ^ static_cast<std::uint64_t>(t.tv_nsec);
#else
    const auto ns =
        std::chrono::system_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
    return static_cast<std::uint64_t>(ns);
#endif
}

CasualeOrologio::CasualeOrologio() : CasualeOrologio(nullptr) {}

CasualeOrologio::CasualeOrologio(Orologio orologio) : orologio_(std::move(orologio)) {
    std::uint64_t x = orologio_ ? orologio_() : OrologioAltaRisoluzione();
    for (auto& parola : stato_)
        parola = SplitMix(x);
}

double CasualeRegistrato::Ripetuto() {
    if (!daRipetere_.empty()) {
        const double x = daRipetere_.front();
        daRipetere_.pop_front();
        Aggiorna();
        return x;
    }
    const double x = vera_.Numero();
    ++veri_;
    if (registra_) presi_.push_back(x);
    return x;
}

double CasualeScriptato::Numero() {
    if (!numeri_.empty()) {
        ultimo_ = numeri_.front();
        numeri_.pop_front();
    }
    return ultimo_;
}

} // namespace brivetta
