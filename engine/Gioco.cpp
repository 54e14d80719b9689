#include "Gioco.h"

#include <algorithm>

namespace brivetta {

Gioco::Gioco(StatoTavolo& stato, VistaTavolo& vista, Interfaccia& ui, FonteCasuale& caso)
    : s_(stato), v_(vista), ui_(ui), caso_(caso) {}

namespace {
// Clears the busy flag however the action ends.
class Impegno {
public:
    explicit Impegno(bool& flag) : flag_(flag) { flag_ = true; }
    ~Impegno() { flag_ = false; }
    Impegno(const Impegno&) = delete;
    Impegno& operator=(const Impegno&) = delete;

private:
    bool& flag_;
};
} // namespace

bool Gioco::Esegui(Azione azione) {
    if (occupato_) return false;
    Impegno impegno(occupato_);
    switch (azione) {
    case Azione::NuovaPartita: NuovaPartita(); break;
    case Azione::CartaScoperta: Command3d2_Click(); break;
    case Azione::CartaCoperta: Command3d4_Click(); break;
    case Azione::Stop: Command3d3_Click(); break;
    }
    return true;
}

void Gioco::SuonaEffetto(const std::string& file) {
    // Sound off means no look-up at all; any non-zero value is on.
    if (s_.Suono == 0) return;
    ui_.Suona(file);
}

std::string Gioco::TooltipLabel5(int indice) {
    return indice < 1 ? "Giocatore umano (tu)" : "Giocatore virtuale";
}

void Gioco::AvvioIniziale() {
    s_.Semi = {"", "Denare", "Coppe", "Bastoni", "Spade"};
    // The leading blanks belong to the computer names and are shown as they are.
    s_.Nomi = {"", "Anonimo", "   Bruno", "  Sandro", "   Elvira", "Leonardo", " Marisa"};
    s_.Suono = 1; // a settings file without the key leaves sound on
}

Intero Gioco::GiocatoriPerAltezza(int altezzaInterna) {
    // A game needs the human and at least one opponent, however low the window.
    const int righe = (altezzaInterna - 3) / AltezzaRiga;
    return static_cast<Intero>(std::clamp(righe, 2, MaxGiocatori));
}

void Gioco::AvvioFinale() {
    v_.Altezza = ui_.AltezzaInterna();
    for (auto& p : v_.Picture1) p.Alto = v_.Altezza;
    v_.Picture2.Alto = v_.Altezza;
    for (int i = 0; i <= 19; ++i) v_.Picture3[i].Alto = v_.Altezza;
    for (auto& l : v_.Label5) l.Pos.Alto = v_.Altezza;
    s_.NumGiocatori = GiocatoriPerAltezza(v_.Altezza);
    DisegnaTavolo();
}

} // namespace brivetta
