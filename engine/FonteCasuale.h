#pragma once
// The random source: uniform numbers in [0, 1) and a reseed from the clock.

#include <cstdint>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace brivetta {

class FonteCasuale {
  public:
    virtual ~FonteCasuale() = default;
    virtual double Numero() = 0; // uniform in [0, 1)
    virtual void Riseme() = 0;   // reseed from the clock
};

// Production source. The reseed mixes a high-resolution clock reading into the generator's
// own state, so two reseeds within one clock tick never replay a sequence.
class CasualeOrologio : public FonteCasuale {
  public:
    using Orologio = std::function<std::uint64_t()>;
    CasualeOrologio();
    explicit CasualeOrologio(Orologio orologio);
    double Numero() override;
    void Riseme() override;

  private:
    std::uint64_t Prossimo();
    Orologio orologio_;        // empty: the processor's own clock, read directly
    std::uint64_t stato_[4]{}; // xoshiro256**: fast to reseed, which happens at every draw
};

// The source a kept game draws from: the real one, each number written down while someone
// keeps the record; while a record is played again, its own numbers first, in order.
class CasualeRegistrato : public FonteCasuale {
  public:
    explicit CasualeRegistrato(FonteCasuale& vera) : vera_(vera) {}
    double Numero() override {
        if (!daRipetere_.empty() || registra_) return Ripetuto();
        ++veri_;
        return vera_.Numero();
    }
    void Riseme() override {
        if (daRipetere_.empty()) vera_.Riseme();
    }
    void Registra(bool registra) { registra_ = registra; }
    // The numbers drawn from the real source since the last call.
    std::vector<double> Prendi() { return std::exchange(presi_, {}); }
    bool HaPresi() const { return !presi_.empty(); }
    void Ripeti(const std::vector<double>& numeri) {
        daRipetere_.insert(daRipetere_.end(), numeri.begin(), numeri.end());
    }
    std::size_t DaRipetere() const { return daRipetere_.size(); }
    void Dimentica() { daRipetere_.clear(); }
    // Numbers drawn from the real source since the count was last reset.
    long Veri() const { return veri_; }
    void AzzeraVeri() { veri_ = 0; }

  private:
    double Ripetuto(); // a number played again, or one written down
    FonteCasuale& vera_;
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
