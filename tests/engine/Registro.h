#pragma once
// A recording window: every call the engine makes is kept in order, so a test reads like the
// game's own sequence of events.

#include <string>
#include <vector>

#include "Interfaccia.h"
#include "Riepilogo.h"

namespace brivetta::test {

class Registro : public Interfaccia {
  public:
    // "messaggio: ...", "suono: x.wav", "beep", "riepilogo", "fine"
    std::vector<std::string> eventi;
    SceltaFine scelta = SceltaFine::FineGioco; // the answer of every end-of-game window
    int cedi = 0;
    int passi = 0;
    int altezza = 700;

    void Messaggio(const std::string& testo) override { eventi.push_back("messaggio: " + testo); }
    void Suona(const std::string& file) override { eventi.push_back("suono: " + file); }
    void Cedi() override { ++cedi; }
    void PassoAnimazione() override { ++passi; }
    void Beep() override { eventi.push_back("beep"); }
    void MostraRiepilogo(const Riepilogo&) override { eventi.push_back("riepilogo"); }
    SceltaFine MostraFinePartita() override {
        eventi.push_back("fine");
        return scelta;
    }
    void RiempiSchermo() override {}
    int AltezzaInterna() override { return altezza; }
    int LarghezzaTesto(const std::string& testo) override {
        return 6 * static_cast<int>(testo.size());
    }

    std::vector<std::string> Messaggi() const {
        std::vector<std::string> m;
        for (const auto& e : eventi)
            if (e.rfind("messaggio: ", 0) == 0) m.push_back(e.substr(11));
        return m;
    }
};

} // namespace brivetta::test
