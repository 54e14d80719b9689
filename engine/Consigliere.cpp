#include "Consigliere.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <unordered_map>
#include <vector>

#include "Probabilita.h"
#include "Punteggio.h"
#include "Saldo.h"
#include "StrategiaTabella.h"

namespace brivetta {

namespace {
constexpr int Umano = 1;
constexpr double Z95 = 1.96;
constexpr int Nascosta = 0; // a card of another seat the human cannot see

// splitmix64: quick to seed once per sample, so every hand of the human meets the same bluffs.
class Generatore : public FonteCasuale {
  public:
    explicit Generatore(std::uint64_t seme) : x_(seme) {}
    std::uint64_t Prossimo() {
        std::uint64_t z = (x_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Numero() override { return static_cast<double>(Prossimo() >> 11) * 0x1.0p-53; }
    void Riseme() override {} // the sample's own seed fixes its play
    int Fino(int n) { return static_cast<int>(Numero() * n); }

  private:
    std::uint64_t x_;
};

using Maschera = std::uint64_t; // bit c set: card c

constexpr Maschera Bit(int carta) {
    return Maschera{1} << carta;
}

// Everything the human knows, gathered once.
struct Posizione {
    int giocatori = 0;
    int mazziere = 0;
    int primo = 0; // the seat that opened the manche: its turn began without valuing the matta
    std::vector<int> ignote; // cards he cannot see, in hands or in the deck
    std::vector<int> usate;  // put aside, back in the deck should it run out
    std::vector<int> manoUmano;
    std::vector<int> daGiocare; // seats after him, in playing order, the dealer last
    std::array<bool, MaxGiocatori + 1> giocato{};
    bool umanoMazziere = false;
};

Posizione Raccogli(const StatoTavolo& s, const VistaTavolo& v) {
    Posizione p;
    p.giocatori = s.NumGiocatori;
    p.mazziere = s.Mazziere;
    p.primo = s.Mazziere % s.NumGiocatori + 1;
    p.umanoMazziere = s.Mazziere == Umano;
    const CarteNote note = CarteConosciute(s, v);
    for (int k = 1; k <= s.NumCarte[Umano]; ++k)
        p.manoUmano.push_back(s.Mano[Umano][k]);
    for (int c = 1; c <= CarteNelMazzo; ++c) {
        const bool mia = std::find(p.manoUmano.begin(), p.manoUmano.end(), c) != p.manoUmano.end();
        if (mia) continue;
        if (!note[c])
            p.ignote.push_back(c);
        else if (s.Mazzo[c] == StatoCarta::Usata)
            p.usate.push_back(c);
    }
    // Seats from the opener up to the human have played; the rest follow him.
    for (int k = 0, posto = p.primo; k < s.NumGiocatori; ++k) {
        if (posto == Umano) {
            for (int j = posto % s.NumGiocatori + 1; j != p.primo; j = j % s.NumGiocatori + 1)
                p.daGiocare.push_back(j);
            break;
        }
        p.giocato[posto] = true;
        posto = posto % s.NumGiocatori + 1;
    }
    return p;
}

// The rest of the manche in one sample, for one hand of the human's that stops.
class Partita {
  public:
    Partita(const StatoTavolo& s, const VistaTavolo& v, const Posizione& p)
        : base_(s), t_(s), p_(p) {
        // The other seats as the human sees them: a card out of his sight is to be sampled.
        for (int posto = 1; posto <= p.giocatori; ++posto) {
            if (posto == Umano) continue;
            for (int k = 1; k <= s.NumCarte[posto]; ++k)
                if (v.Carte[s.Mano[posto][k]].Posto == 0) base_.Mano[posto][k] = Nascosta;
        }
    }

    // The human's money change (per unit of his stake when he plays against the dealer) with
    // his hand `mano` scored `punti` at his stop, in the sample `ordine` seeded by `seme`.
    double Gioca(std::span<const Intero> ordine, Maschera mano, std::span<const int> carte,
                 Singolo punti, std::uint64_t seme) {
        ordine_ = ordine;
        escluse_ = mano;
        prossima_ = 0;
        riserva_.clear();
        rifornito_ = false;
        caso_ = Generatore(seme);
        t_.GiocatoreMatta = 0;
        for (int posto = 1; posto <= p_.giocatori; ++posto) {
            t_.Posta[posto] = base_.Posta[posto];
            if (posto == Umano) {
                t_.NumCarte[Umano] = static_cast<Intero>(carte.size());
                for (std::size_t k = 0; k < carte.size(); ++k)
                    t_.Mano[Umano][k + 1] = static_cast<Intero>(carte[k]);
            } else {
                t_.NumCarte[posto] = base_.NumCarte[posto];
                for (int k = 1; k <= base_.NumCarte[posto]; ++k) {
                    const int c = base_.Mano[posto][k];
                    t_.Mano[posto][k] = static_cast<Intero>(c == Nascosta ? Pesca() : c);
                }
            }
            PunteggioMano(t_, posto);
        }
        t_.Punteggio[Umano] = punti;
        t_.Posta[Umano] = p_.umanoMazziere ? 0 : 1;
        for (int posto = 1; posto <= p_.giocatori; ++posto) {
            if (!p_.giocato[posto]) continue;
            if (t_.NumCarte[posto] == 1 && posto != p_.primo) ValutaMattaAInizioTurno(t_, posto);
            ValutaMattaAlloStop(t_, posto);
        }
        for (int posto : p_.daGiocare)
            Turno(posto);
        return SaldaManche(t_)[Umano];
    }

    // After a play-out: how far into the sample's order the other seats drew, -1 when the deck
    // ran out, and the dealer's hand at its stop.
    long Consumate() const { return rifornito_ ? -1 : static_cast<long>(prossima_); }
    Singolo PuntiMazziere() const { return t_.Punteggio[p_.mazziere]; }
    Intero CarteMazziere() const { return t_.NumCarte[p_.mazziere]; }

  private:
    int Pesca() {
        while (prossima_ < ordine_.size()) {
            const int c = ordine_[prossima_++];
            if (!(escluse_ & Bit(c))) return c;
        }
        // The deck ran out: the cards put aside come back, in an order of their own.
        if (!rifornito_) {
            rifornito_ = true;
            riserva_ = p_.usate;
            for (std::size_t k = riserva_.size(); k > 1; --k)
                std::swap(riserva_[k - 1],
                          riserva_[static_cast<std::size_t>(caso_.Fino(static_cast<int>(k)))]);
        }
        if (riserva_.empty()) return 0;
        const int c = riserva_.back();
        riserva_.pop_back();
        return c;
    }

    // A computer seat's turn, as the game plays it.
    void Turno(int posto) {
        t_.Turno = static_cast<Intero>(posto);
        const bool mazziere = posto == p_.mazziere;
        ValutaMattaAInizioTurno(t_, posto);
        int cursore = 0;
        for (;;) {
            const Mossa m = tabella_.Scegli(t_, caso_);
            cursore = std::clamp(m.Cursore, 0, MassimoCursore);
            if (m.Gesto == Azione::Stop || t_.NumCarte[posto] >= MaxCarteMano) break;
            const int c = Pesca();
            if (c == 0) break;
            if (cursore == 0 && !mazziere && t_.NumCarte[posto] == 1) cursore = 1;
            t_.Mano[posto][++t_.NumCarte[posto]] = static_cast<Intero>(c);
            if (!mazziere) t_.Posta[posto] = static_cast<Intero>(t_.Posta[posto] + cursore);
            cursore = 0;
            PunteggioMano(t_, posto);
            if (SiFermaDaSolo(t_, posto)) break;
        }
        // The stop: no raise with two cards or more, at least 1 with the first.
        if (cursore > 0 && t_.NumCarte[posto] >= 2) cursore = 0;
        if (cursore == 0 && !mazziere && t_.NumCarte[posto] == 1) cursore = 1;
        if (!mazziere) t_.Posta[posto] = static_cast<Intero>(t_.Posta[posto] + cursore);
        ValutaMattaAlloStop(t_, posto);
    }

    StatoTavolo base_;
    StatoTavolo t_;
    const Posizione& p_;
    StrategiaTabella tabella_;
    Generatore caso_{0};
    std::span<const Intero> ordine_;
    Maschera escluse_ = 0;
    std::size_t prossima_ = 0;
    std::vector<int> riserva_;
    bool rifornito_ = false;
};

using Valori = std::vector<float>; // one figure per sample

double Media(const Valori& x) {
    double somma = 0;
    for (float v : x)
        somma += v;
    return x.empty() ? 0 : somma / static_cast<double>(x.size());
}

double Margine(const Valori& x) {
    if (x.size() < 2) return 0;
    const double m = Media(x);
    double q = 0;
    for (float v : x)
        q += (v - m) * (v - m);
    return Z95 * std::sqrt(q / static_cast<double>(x.size() - 1) / static_cast<double>(x.size()));
}

// The human's hands from here on, each card of his counted exactly, each hand's stop played
// out in every sample.
class Albero {
  public:
    Albero(const StatoTavolo& s, const VistaTavolo& v, const OpzioniConsiglio& o)
        : s_(s), p_(Raccogli(s, v)), partita_(s, v, p_) {
        const int n = std::max(o.Campioni, 1);
        const std::size_t k = p_.ignote.size();
        Generatore caso(o.Seme);
        ordini_.resize(static_cast<std::size_t>(n) * k);
        semi_.resize(static_cast<std::size_t>(n));
        for (int w = 0; w < n; ++w) {
            Intero* ordine = ordini_.data() + static_cast<std::size_t>(w) * k;
            for (std::size_t j = 0; j < k; ++j)
                ordine[j] = static_cast<Intero>(p_.ignote[j]);
            for (std::size_t j = k; j > 1; --j)
                std::swap(ordine[j - 1], ordine[caso.Fino(static_cast<int>(j))]);
            semi_[static_cast<std::size_t>(w)] = caso.Prossimo();
        }
        prova_ = s;
        // Aces to sevens by rank, the figures together, the matta alone.
        for (int c : p_.ignote)
            classi_[c == Matta ? 8 : std::min(ValoreCarta(c), 8) - 1].push_back(c);
        if (!p_.umanoMazziere) Riferimento(s);
    }

    ValoreMosse Valuta() {
        ValoreMosse r;
        r.PerUnita = !p_.umanoMazziere;
        // His score now, as the table shows it, valued at the stop.
        prova_.Punteggio[Umano] = s_.Punteggio[Umano];
        prova_.GiocatoreMatta = s_.GiocatoreMatta == Umano ? Umano : 0;
        ValutaMattaAlloStop(prova_, Umano);
        const Valori stop = Ferma(Maschera{0}, p_.manoUmano, prova_.Punteggio[Umano]);
        r.Stop = Media(stop);
        r.MargineStop = Margine(stop);
        r.CartaPossibile = PuoPescare(Maschera{0}, p_.manoUmano);
        if (r.CartaPossibile) {
            const Valori carta = Pesca(Maschera{0}, p_.manoUmano);
            r.Carta = Media(carta);
            r.MargineCarta = Margine(carta);
        }
        return r;
    }

  private:
    std::size_t Campioni() const { return semi_.size(); }
    std::span<const Intero> Ordine(std::size_t w) const {
        const std::size_t k = p_.ignote.size();
        return std::span(ordini_).subspan(w * k, k);
    }

    // Against the dealer only the dealer's hand counts, and the seats after the human draw the
    // same cards whatever he holds unless one of his cards was among them: each sample is played
    // out once, and a hand of his that leaves those cards alone is settled against its dealer.
    void Riferimento(const StatoTavolo& s) {
        const std::size_t n = Campioni();
        usate_.assign(n, Maschera{0});
        mazziere_.resize(n);
        carteMazziere_.resize(n);
        for (std::size_t w = 0; w < n; ++w) {
            partita_.Gioca(Ordine(w), Maschera{0}, p_.manoUmano, s.Punteggio[Umano], semi_[w]);
            const long consumate = partita_.Consumate();
            if (consumate < 0) {
                usate_[w] = ~Maschera{0}; // the deck ran out: always played out again
                continue;
            }
            for (long j = 0; j < consumate; ++j)
                usate_[w] |= Bit(Ordine(w)[static_cast<std::size_t>(j)]);
            mazziere_[w] = partita_.PuntiMazziere();
            carteMazziere_[w] = partita_.CarteMazziere();
        }
        saldo_.NumGiocatori = 2;
        saldo_.Mazziere = 2;
        saldo_.VincitaDoppia = s.VincitaDoppia;
    }

    // The human's result per unit of stake against a dealer's hand.
    double ControMazziere(Singolo punti, int carte, Singolo mazziere, Intero carteMazziere) {
        saldo_.Punteggio[1] = punti;
        saldo_.NumCarte[1] = static_cast<Intero>(carte);
        saldo_.Posta[1] = 1;
        saldo_.Punteggio[2] = mazziere;
        saldo_.NumCarte[2] = carteMazziere;
        saldo_.Posta[2] = 0;
        return SaldaManche(saldo_)[1];
    }

    bool PuoPescare(Maschera mano, const std::vector<int>& carte) const {
        if (carte.size() >= MaxCarteMano) return false;
        return std::any_of(p_.ignote.begin(), p_.ignote.end(),
                           [mano](int c) { return !(mano & Bit(c)); });
    }

    Valori Ferma(Maschera mano, const std::vector<int>& carte, Singolo punti) {
        Valori x(Campioni());
        // A bust loses the stake whatever the others hold.
        if (!p_.umanoMazziere && Sballato(punti)) {
            std::fill(x.begin(), x.end(), -1.0f);
            return x;
        }
        const std::size_t k = p_.ignote.size();
        for (std::size_t w = 0; w < Campioni(); ++w)
            x[w] = static_cast<float>(
                partita_.Gioca(std::span(ordini_).subspan(w * k, k), mano, carte, punti, semi_[w]));
        return x;
    }

    // Another card: each card he cannot see as likely as the rest, then the better of stopping
    // and going on, chosen on the mean, as he would choose seeing only his own hand. Cards of
    // one class score alike and play alike for everyone, so one of each stands for its class,
    // weighed by how many of the class are left.
    Valori Pesca(Maschera mano, const std::vector<int>& carte) {
        Valori somma(Campioni(), 0.0f);
        int candidate = 0;
        for (const std::vector<int>& classe : classi_) {
            int libere = 0;
            int prima = 0;
            for (int c : classe) {
                if (mano & Bit(c)) continue;
                if (libere++ == 0) prima = c;
            }
            if (libere == 0) continue;
            candidate += libere;
            std::vector<int> nuove = carte;
            nuove.push_back(prima);
            const Valori& x = Dopo(mano | Bit(prima), nuove);
            const auto peso = static_cast<float>(libere);
            for (std::size_t w = 0; w < somma.size(); ++w)
                somma[w] += peso * x[w];
        }
        for (float& v : somma)
            v /= static_cast<float>(std::max(candidate, 1));
        return somma;
    }

    // The hand just grown by a card: the stop it forces, or his better choice.
    const Valori& Dopo(Maschera mano, const std::vector<int>& carte) {
        // The same cards in another order score alike unless the matta came last.
        const Maschera chiave = mano * 2 + (carte.back() == Matta ? 1 : 0);
        if (const auto trovato = memoria_.find(chiave); trovato != memoria_.end())
            return trovato->second;
        prova_.GiocatoreMatta = 0;
        prova_.NumCarte[Umano] = static_cast<Intero>(carte.size());
        for (std::size_t k = 0; k < carte.size(); ++k)
            prova_.Mano[Umano][k + 1] = static_cast<Intero>(carte[k]);
        PunteggioMano(prova_, Umano);
        const bool sifFerma = SiFermaDaSolo(prova_, Umano);
        ValutaMattaAlloStop(prova_, Umano);
        Valori stop = Ferma(mano, carte, prova_.Punteggio[Umano]);
        if (!sifFerma && PuoPescare(mano, carte)) {
            Valori carta = Pesca(mano, carte);
            if (Media(carta) > Media(stop)) stop = std::move(carta);
        }
        return memoria_.emplace(chiave, std::move(stop)).first->second;
    }

    const StatoTavolo& s_;
    Posizione p_;
    Partita partita_;
    StatoTavolo prova_;
    std::vector<Intero> ordini_; // the samples' orders of the unseen cards, one after another
    std::vector<std::uint64_t> semi_;
    std::vector<Maschera> usate_; // per sample, the cards the other seats drew
    std::vector<Singolo> mazziere_;
    std::vector<Intero> carteMazziere_;
    StatoTavolo saldo_; // the human against the dealer alone
    std::array<std::vector<int>, 9> classi_;
    std::unordered_map<Maschera, Valori> memoria_;
};
} // namespace

ValoreMosse ValutaMosse(const StatoTavolo& s, const VistaTavolo& v, const OpzioniConsiglio& o) {
    // Only at the human's move in a manche in play.
    if (s.Turno != Umano || s.NumCarte[Umano] < 1 || s.NumGiocatori < 2 || s.Mazziere < 1 ||
        s.Mazziere > s.NumGiocatori) {
        ValoreMosse nulla;
        nulla.CartaPossibile = false;
        return nulla;
    }
    return Albero(s, v, o).Valuta();
}

namespace {
// The stake a stop adds, and the one a card adds, with the slider at `cursore`.
int PostaStop(const StatoTavolo& s, int cursore) {
    return s.NumCarte[Umano] == 1 ? std::max(cursore, 1) : 0;
}
int PostaCarta(const StatoTavolo& s, int cursore) {
    return s.NumCarte[Umano] == 1 ? std::max(cursore, 1) : cursore;
}
} // namespace

Consiglio Consiglia(const StatoTavolo& s, const VistaTavolo& v, int cursore,
                    const OpzioniConsiglio& o) {
    return ConPosta(s, ValutaMosse(s, v, o), cursore);
}

Consiglio ConPosta(const StatoTavolo& s, const ValoreMosse& m, int cursore) {
    Consiglio c{m.Stop, m.Carta, m.MargineStop, m.MargineCarta, m.CartaPossibile};
    if (!m.PerUnita) return c;
    cursore = std::clamp(cursore, 0, MassimoCursore);
    const double stop = s.Posta[Umano] + PostaStop(s, cursore);
    const double carta = s.Posta[Umano] + PostaCarta(s, cursore);
    c.Stop *= stop;
    c.MargineStop *= stop;
    c.Carta *= carta;
    c.MargineCarta *= carta;
    return c;
}

Mossa MossaMigliore(const StatoTavolo& s, const ValoreMosse& m) {
    if (!m.PerUnita) {
        const Azione gesto =
            m.CartaPossibile && m.Carta > m.Stop ? Azione::CartaScoperta : Azione::Stop;
        return {0, 0, gesto};
    }
    const int minimo = s.NumCarte[Umano] == 1 ? 1 : 0;
    const int cursoreStop = m.Stop > 0 ? MassimoCursore : minimo;
    const int cursoreCarta = m.Carta > 0 ? MassimoCursore : minimo;
    const double stop = (s.Posta[Umano] + PostaStop(s, cursoreStop)) * m.Stop;
    const double carta = (s.Posta[Umano] + PostaCarta(s, cursoreCarta)) * m.Carta;
    if (m.CartaPossibile && carta > stop)
        return {cursoreCarta, cursoreCarta, Azione::CartaScoperta};
    // A stop with two cards or more takes no raise.
    const int c = s.NumCarte[Umano] == 1 ? cursoreStop : 0;
    return {c, c, Azione::Stop};
}

Mossa StrategiaConsiglio::Scegli(const StatoTavolo& s, FonteCasuale& caso) {
    OpzioniConsiglio o;
    o.Campioni = campioni_;
    o.Seme = static_cast<std::uint64_t>(caso.Numero() * 0x1.0p53);
    return MossaMigliore(s, ValutaMosse(s, vista_, o));
}

} // namespace brivetta
