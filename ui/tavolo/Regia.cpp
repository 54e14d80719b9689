#include "Regia.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>

#include "Facce.h"
#include "FilePartita.h"
#include "FinePartita.h"
#include "GeometriaTavolo.h"
#include "LettoreSuoni.h"
#include "Messaggio.h"
#include "PannelloTavolo.h"
#include "RiepilogoManche.h"
#include "StatisticheGiocatore.h"
#include "TestiGioco.h"
#include "VoloCarta.h"

namespace brivetta {

namespace {
constexpr int DistanzaDallaMano = 105; // the summary opens this far right of the longest hand
constexpr double PixelAlSecondoPerVelocita = 100.0;
} // namespace

Regia::Regia(FonteCasuale& caso, LettoreSuoni& suoni, PannelloTavolo& pannello, const Facce& facce,
             StatisticheGiocatore& statistiche, QWidget& finestra)
    : QObject(&finestra), gioco_(caso), suoni_(suoni), pannello_(pannello), facce_(facce),
      statistiche_(statistiche), finestra_(finestra), volo_(new VoloCarta(this)) {
    gioco_.ImpostaCronaca(&statistiche_);
    connect(volo_, &VoloCarta::arrivata, this, &Regia::Fatto);
    connect(&suoni_, &LettoreSuoni::finito, this, &Regia::Fatto);
}

Regia::~Regia() {
    gioco_.ImpostaTestimone(nullptr);
}

QString Regia::Custodisci(const QString& cartella) {
    partita_ = std::make_unique<FilePartita>(cartella);
    if (!partita_->Custode())
        return tr("Un'altra copia di Brivetta sta già giocando in questa cartella: "
                  "la partita di questa finestra non sarà conservata.");
    partita_->contatore = [this](Conteggio c) {
        const DatiStatistiche& d = statistiche_.Figure().Dati();
        switch (c) {
        case Conteggio::PartitaIniziata:
            return d.PartiteIniziate;
        case Conteggio::MancheSaldata:
            return d.MancheGiocate;
        case Conteggio::PartitaFinita:
            break;
        }
        return d.PartiteFinite;
    };
    RegistroPartita registro;
    if (partita_->Leggi(registro) == FilePartita::Esito::Ripresa) {
        // Tried first on a game of its own, so that a record that does not hold together
        // leaves this one at its idle table.
        CasualeOrologio caso;
        Gioco prova(caso);
        prova.AvvioIniziale();
        if (prova.Rigioca(registro, nullptr))
            gioco_.Rigioca(registro, &partita_->CronacaRipresa(statistiche_));
        else
            partita_->MettiDaParte();
    }
    gioco_.ImpostaTestimone(partita_.get());
    // What was under way when the game was left is over: the card has landed, the sound played.
    const TipoEvento attesa = gioco_.Attesa().Tipo;
    if (attesa == TipoEvento::Volo || attesa == TipoEvento::Suono || attesa == TipoEvento::Beep)
        gioco_.Rispondi();
    Prosegui();
    return {};
}

bool Regia::Libera() const {
    return !inAttesa_ && pausa_ == 0 && !chiusa_ && gioco_.Attesa().Tipo == TipoEvento::Giocatore;
}

bool Regia::MossaUmano() const {
    const StatoTavolo& s = gioco_.Stato();
    return Libera() && s.Turno == 1 && s.TurniGiocati < s.NumGiocatori;
}

bool Regia::AttendeConferma() const {
    return daConfermare_ && daConfermare_->isVisible() && pausa_ == 0 && !chiusa_;
}

void Regia::Conferma() {
    if (AttendeConferma()) daConfermare_->accept();
}

bool Regia::CursoreSuona() const {
    const Evento& e = gioco_.Attesa();
    return pausa_ == 0 && !chiusa_ && e.Tipo == TipoEvento::Suono && e.Effetto == Effetto::Posta &&
           gioco_.Stato().Turno == 1;
}

bool Regia::CartaInVolo() const {
    return volo_->InVolo();
}

void Regia::Gioca(Azione azione, int valore) {
    if (!Libera()) {
        // Moved while a sound of the slider plays: taken when the game can take it.
        const Comando& cursore = gioco_.Vista().Cursore;
        if (azione == Azione::Posta && !chiusa_ && cursore.Visibile && cursore.Abilitato)
            postaRichiesta_ = valore;
        return;
    }
    if (!gioco_.Gioca(azione, valore)) {
        emit cambiata(); // a refused move puts the slider back
        return;
    }
    Prosegui();
}

void Regia::NuovaPartita(int altezza) {
    if (!Libera()) return;
    gioco_.ImpostaAltezza(altezza);
    Gioca(Azione::NuovaPartita);
}

// Shows the game's events one after the other until one takes time (a card's flight, a sound,
// a window); its end calls Fatto, which goes on from there.
void Regia::Prosegui() {
    while (!inAttesa_ && pausa_ == 0 && !chiusa_) {
        emit cambiata();
        const Evento& e = gioco_.Attesa();
        switch (e.Tipo) {
        case TipoEvento::Giocatore:
            if (postaRichiesta_) {
                const int valore = *std::exchange(postaRichiesta_, std::nullopt);
                if (gioco_.Gioca(Azione::Posta, valore)) continue;
                emit cambiata();
            }
            return;
        case TipoEvento::Beep:
            QApplication::beep();
            gioco_.Rispondi();
            continue;
        case TipoEvento::Suono:
            Suona(FileEffetto(e.Effetto));
            return;
        case TipoEvento::Messaggio:
            ApriMessaggio(TestiGioco::Messaggio(e.Testo, gioco_.Stato().Nomi));
            return;
        case TipoEvento::Volo: {
            inAttesa_ = true;
            const int velocita = std::clamp<int>(gioco_.Stato().VelocitaCarta, 1, 100);
            pannello_.FaiVolare(*volo_, e.Carta, PixelAlSecondoPerVelocita * velocita);
            if (pausa_ > 0) volo_->Sospendi(true);
            return;
        }
        case TipoEvento::Riepilogo:
            ApriRiepilogo();
            return;
        case TipoEvento::FinePartita:
            ApriFinePartita();
            return;
        }
    }
}

void Regia::Fatto() {
    if (!inAttesa_ || chiusa_) return;
    inAttesa_ = false;
    // The table is paused under another window: the game goes on when that one closes.
    if (pausa_ > 0) {
        daRispondere_ = true;
        return;
    }
    gioco_.Rispondi();
    Prosegui();
}

void Regia::Suona(const QString& file) {
    inAttesa_ = true;
    suoni_.Suona(file);
}

void Regia::ApriMessaggio(const QString& testo) {
    inAttesa_ = true;
    QMessageBox* box = CreaMessaggio(&finestra_, testo);
    connect(box, &QDialog::finished, this, &Regia::Fatto);
    daConfermare_ = box;
    box->open();
}

void Regia::ApriRiepilogo() {
    inAttesa_ = true;
    const Riepilogo riepilogo = gioco_.RiepilogoManche();
    auto* finestra = new RiepilogoManche(
        riepilogo, [this](int posto, Volto volto) { return facce_.Posto(posto, volto); },
        &finestra_);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    const int mano =
        geometria::Carta.width() * std::max(1, riepilogo.CarteMassime) + DistanzaDallaMano;
    finestra->Posiziona(pannello_.mapToGlobal(QPoint(mano, 0)).x());
    connect(finestra, &QDialog::finished, this, &Regia::Fatto);
    daConfermare_ = finestra;
    finestra->open();
}

void Regia::ApriFinePartita() {
    inAttesa_ = true;
    auto* fine = new FinePartita(gioco_.Stato(), &finestra_);
    fine->setAttribute(Qt::WA_DeleteOnClose);
    // Leaving ends the program; any other way out starts another game.
    connect(fine, &FinePartita::fineGioco, this, [this] {
        if (partita_) partita_->Cancella(); // no game in progress any more
        emit fineGioco();
    });
    connect(fine, &QDialog::finished, this, [this] {
        if (!chiusa_) emit altraPartitaChiesta();
    });
    fine->open();
}

void Regia::AltraPartita(int altezza) {
    if (chiusa_ || !inAttesa_ || gioco_.Attesa().Tipo != TipoEvento::FinePartita) return;
    gioco_.ImpostaAltezza(altezza);
    Fatto();
}

void Regia::Sospendi() {
    if (pausa_++ == 0) volo_->Sospendi(true);
}

void Regia::Riprendi() {
    if (pausa_ == 0 || --pausa_ > 0 || chiusa_) return;
    volo_->Sospendi(false);
    if (std::exchange(daRispondere_, false)) gioco_.Rispondi();
    // A message or card still under way: the table is told all the same that it is free again.
    if (inAttesa_) emit cambiata();
    Prosegui();
}

void Regia::Chiudi() {
    chiusa_ = true;
    volo_->Sospendi(true);
}

} // namespace brivetta
