// The stake: the slider says how much the next action adds, AggiornaPosta adds it, and the
// dealer's two warnings keep every seat's first action at 1 or more and refuse a raise at a stop
// made with two or more cards.
#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

#include "Gioco.h"

namespace brivetta {

namespace {
// Writes a number at p and returns the end; the labels are rewritten at every action, so they
// are built in place without temporary strings.
char* Scrivi(char* p, int n) {
    return std::to_chars(p, p + 8, n).ptr;
}
constexpr std::string_view Euro = "€";
char* Scrivi(char* p, std::string_view testo) {
    return std::copy(testo.begin(), testo.end(), p);
}

std::string SenzaSpaziIniziali(const std::string& testo) {
    const auto primo = testo.find_first_not_of(' ');
    return primo == std::string::npos ? std::string{} : testo.substr(primo);
}
} // namespace

void Gioco::HScroll1_Change() {
    const int valore = v_.HScroll1;
    char testo[16];
    char* fine = Scrivi(testo, valore);
    fine = Scrivi(fine, Euro);
    v_.Label1.assign(testo, fine);
    if (s_.Turno == 1) SuonaEffetto("dindin.wav");
    v_.Picture4Visibile = valore != 0;
    if (valore != 0) v_.Picture4Larghezza = valore * LarghezzaMonetaPosta;
}

void Gioco::ImpostaCursore(int valore) {
    // Like a scroll bar, assigning the value it already has fires no change.
    valore = std::clamp(valore, 0, MassimoCursore);
    if (valore == v_.HScroll1) return;
    v_.HScroll1 = valore;
    HScroll1_Change();
}

void Gioco::CambiaCursore(int valore) {
    // The player can only move a slider he sees and that is not locked by a moving card; and
    // while a chain of play runs, the stake it is about to add is not his to change.
    if (!v_.HScroll1Ctl.Visibile || !v_.HScroll1Ctl.Abilitato || occupato_) return;
    ImpostaCursore(valore);
}

void Gioco::AggiornaPosta() {
    const int t = s_.Turno;
    if (t < 1 || t > MaxGiocatori || t == s_.Mazziere) return; // the dealer never stakes
    s_.Posta[t] = static_cast<Intero>(s_.Posta[t] + v_.HScroll1);
    char testo[32];
    char* fine = Scrivi(testo, Euro);
    fine = Scrivi(fine, s_.Posta[t]);
    *fine++ = '/';
    fine = Scrivi(fine, s_.Soldi[t]);
    v_.Label5[t - 1].Testo.assign(testo, fine);
}

void Gioco::AvvisoMazziere(const std::string& testo) {
    ui_.Messaggio("Avviso dal mazziere (" + SenzaSpaziIniziali(s_.Nomi[s_.Mazziere]) + ") - '" +
                  testo + "'");
}

void Gioco::PuntataMinimaForzata() {
    // Whoever plays against the dealer stakes at least 1 with the first card.
    const int t = s_.Turno;
    if (v_.HScroll1 == 0 && t != s_.Mazziere && s_.NumCarte[t] == 1) {
        AvvisoMazziere("Se hai paura di perdere non giocare! Almeno un $ sei costretto a "
                       "puntarlo, per questa volta l'ho fatto io.");
        ImpostaCursore(1);
    }
}

} // namespace brivetta
