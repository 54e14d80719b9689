#pragma once
// The random source: uniform numbers in [0, 1) and a reseed from the clock.

#include <cstdint>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace brivetta {

// splitmix64: the next of a sequence of well-mixed words, quick to start from any seed.
inline std::uint64_t SplitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The clock the reseeds read: the time of day, with the date above it.
std::uint64_t OraDelGiorno();

class FonteCasuale {
  public:
    virtual ~FonteCasuale() = default;
    virtual double Numero() = 0; // uniform in [0, 1)
    virtual void Riseme() = 0;   // reseed from the clock
};

// Production source. The reseed mixes the time of day into the generator's own state, so two
// reseeds within one clock tick never replay a sequence.
class CasualeOrologio final : public FonteCasuale {
  public:
    using Orologio = std::function<std::uint64_t()>;
    CasualeOrologio();
    explicit CasualeOrologio(Orologio orologio);
    // 53 random bits give every double in [0, 1) on an even grid.
    double Numero() override { return static_cast<double>(Prossimo() >> 11) * 0x1.0p-53; }
    // The clock is mixed into the current state rather than replacing it, so a reseed in the
    // same tick as the last one still moves the generator on to a fresh sequence. One word is
    // enough: the generator spreads it over the whole state at the next steps.
    void Riseme() override {
        const std::uint64_t x = (orologio_ ? orologio_() : OraDelGiorno()) ^ Prossimo();
        stato_[1] ^= x * 0x9E3779B97F4A7C15ull; // the word the next number is made from
        if ((stato_[0] | stato_[1] | stato_[2] | stato_[3]) == 0) stato_[0] = 1;
    }

  private:
    static constexpr std::uint64_t Ruota(std::uint64_t x, int k) {
        return (x << k) | (x >> (64 - k));
    }
    std::uint64_t Prossimo() {
        const std::uint64_t risultato = Ruota(stato_[1] * 5, 7) * 9;
        const std::uint64_t t = stato_[1] << 17;
        stato_[2] ^= stato_[0];
        stato_[3] ^= stato_[1];
        stato_[1] ^= stato_[2];
        stato_[0] ^= stato_[3];
        stato_[2] ^= t;
        stato_[3] = Ruota(stato_[3], 45);
        return risultato;
    }
    Orologio orologio_;        // empty: the system's time of day
    std::uint64_t stato_[4]{}; // xoshiro256**: fast to reseed, which happens at every draw
};

// The source a kept game draws from: the real one, each number written down while someone
// keeps the record; while a record is played again, its own numbers first, in order.
class CasualeRegistrato final : public FonteCasuale {
  public:
    // The production source is called directly: the game draws millions of numbers.
    explicit CasualeRegistrato(FonteCasuale& vera)
        : vera_(vera), orologio_(dynamic_cast<CasualeOrologio*>(&vera)) {}
    double Numero() override {
        if (!diretto_) return Ripetuto();
        ++veri_;
        return orologio_->Numero();
    }
    void Riseme() override {
        if (!daRipetere_.empty()) return;
        if (orologio_)
            orologio_->Riseme();
        else
            vera_.Riseme();
    }
    void Registra(bool registra) {
        registra_ = registra;
        Aggiorna();
    }
    // The numbers drawn from the real source since the last call.
    std::vector<double> Prendi() { return std::exchange(presi_, {}); }
    bool HaPresi() const { return !presi_.empty(); }
    void Ripeti(const std::vector<double>& numeri) {
        daRipetere_.insert(daRipetere_.end(), numeri.begin(), numeri.end());
        Aggiorna();
    }
    std::size_t DaRipetere() const { return daRipetere_.size(); }
    void Dimentica() {
        daRipetere_.clear();
        Aggiorna();
    }
    // Numbers drawn from the real source since the count was last reset.
    long Veri() const { return veri_; }
    void AzzeraVeri() { veri_ = 0; }

  private:
    double Ripetuto(); // a number played again, one written down, or one from another source
    // Nothing to play again or write down, and the production source: the number is its own.
    void Aggiorna() { diretto_ = orologio_ && !registra_ && daRipetere_.empty(); }
    FonteCasuale& vera_;
    CasualeOrologio* orologio_; // the same source when it is the production one
    bool diretto_ = orologio_ != nullptr;
    bool registra_ = false;
    std::vector<double> presi_;
    long veri_ = 0;
    std::deque<double> daRipetere_;
};

// Test source: hands out scripted numbers in order, then repeats the last one (0 if none).
class CasualeScriptato : public FonteCasuale {
  public:
    CasualeScriptato() = default;
    CasualeScriptato(std::initializer_list<double> numeri) : numeri_(numeri) {}
    void Aggiungi(double numero) { numeri_.push_back(numero); }
    // The number that gives card index c (1..40) in a draw.
    void AggiungiCarta(int carta) { Aggiungi((carta - 1 + 0.5) / 40.0); }
    double Numero() override;
    void Riseme() override { ++riseme_; }
    int Risemi() const { return riseme_; }
    bool Vuoto() const { return numeri_.empty(); }

  private:
    std::deque<double> numeri_;
    double ultimo_ = 0.0;
    int riseme_ = 0;
};

} // namespace brivetta
