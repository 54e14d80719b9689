// The table window's side of the player's statistics: read at start-up, counted at the moments
// of the game they follow, saved after each, and shown in their own window.
#include "FileStatistiche.h"
#include "FinestraStatistiche.h"
#include "FinestraTavolo.h"

namespace brivetta {

void FinestraTavolo::CaricaStatistiche() {
    fileStatistiche_ = std::make_unique<FileStatistiche>(cartella_);
    statistiche_ = Statistiche(fileStatistiche_->Leggi());
}

void FinestraTavolo::SalvaStatistiche() {
    // A folder that takes no file keeps the figures for this session only; the game goes on.
    if (fileStatistiche_ && !fileStatistiche_->Scrivi(statistiche_.Dati()) &&
        !salvataggioFallito_) {
        salvataggioFallito_ = true;
        qWarning("Impossibile salvare %s", qPrintable(fileStatistiche_->Percorso()));
    }
}

// Every seat starts a game with the starting money.
void FinestraTavolo::ContaNuovaPartita() {
    statistiche_.NuovaPartita(gioco_.Stato().MalloppoIniziale);
    SalvaStatistiche();
}

void FinestraTavolo::ContaManche(const Riepilogo& riepilogo) {
    statistiche_.FineManche(riepilogo.Righe[1].Soldi);
    SalvaStatistiche();
}

void FinestraTavolo::ContaFinePartita() {
    statistiche_.FinePartita(gioco_.Stato().Piazzamento == 1);
    SalvaStatistiche();
}

void FinestraTavolo::MostraStatistiche() {
    if (chiusa_) return;
    auto* finestra = new FinestraStatistiche(statistiche_, this);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    connect(finestra, &FinestraStatistiche::azzeramento, this, [this, finestra] {
        statistiche_.Azzera();
        SalvaStatistiche();
        finestra->Mostra(statistiche_);
    });
    connect(finestra, &QDialog::finished, this, &FinestraTavolo::Riprendi);
    Sospendi();
    finestra->open();
}

} // namespace brivetta
