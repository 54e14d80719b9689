// Temporary empty bodies so the tree links while the game flow is being written.
// Each function moves to its own file as it is implemented; this file then goes away.
#include "Gioco.h"

namespace brivetta {
void Gioco::CambiaCursore(int) {}
void Gioco::NuovaPartita() {}
void Gioco::HScroll1_Change() {}
void Gioco::AggiornaPosta() {}
void Gioco::ImpostaCursore(int) {}
void Gioco::Command3d2_Click() {}
void Gioco::Command3d4_Click() {}
void Gioco::DaiPrimaCarta() {}
void Gioco::EsitoCarta() {}
void Gioco::MuoviCarta(int, int) {}
void Gioco::ScopriCoperta(int) {}
void Gioco::DecisioneComputer() {}
void Gioco::Command3d3_Click() {}
void Gioco::SaldaManche() {}
void Gioco::Classifica() {}
Riepilogo Gioco::CaricaRiepilogo() { return {}; }
void Gioco::FineManche() {}
bool Gioco::PassaggioMazzo() { return false; }
std::string Gioco::ComponiMessaggioFine(int) const { return {}; }
void Gioco::DisegnaTavolo() {}
void Gioco::SegnaTurno() {}
} // namespace brivetta
