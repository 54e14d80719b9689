#include "ScelteTavolo.h"

#include <QApplication>
#include <QDir>

#include "CaricaCarte.h"
#include "Facce.h"
#include "FileImpostazioni.h"
#include "Gioco.h"
#include "InsiemiCarte.h"
#include "PannelloTavolo.h"

namespace brivetta {

ScelteTavolo::ScelteTavolo(Gioco& gioco, PannelloTavolo& pannello, Facce& facce, QObject* parent)
    : QObject(parent), gioco_(gioco), pannello_(pannello), facce_(facce) {}

Impostazioni ScelteTavolo::Attuali() const {
    return ImpostazioniDelTavolo(gioco_.Stato());
}

std::optional<bool> ScelteTavolo::Leggi() {
    Impostazioni impostazioni = Attuali();
    const auto spunta = CaricaImpostazioni(impostazioni);
    // A set that is not there at all is replaced silently; only a broken one is reported.
    ControllaCarte(impostazioni.Carte);
    gioco_.CambiaImpostazioni(impostazioni);
    return spunta;
}

void ScelteTavolo::CaricaCarte() {
    DestinoCarte destino;
    destino.Imposta = [this](int indice, const QPixmap& immagine) {
        pannello_.ImpostaImmagineCarta(indice, immagine);
    };
    destino.Messaggio = [this](const std::string& testo) {
        emit avviso(QString::fromStdString(testo));
    };
    destino.Rapporto = qApp->devicePixelRatio(); // the sharpest screen the table may be shown on
    Impostazioni impostazioni = Attuali();
    brivetta::CaricaCarte(impostazioni.Carte, destino);
    gioco_.CambiaImpostazioni(impostazioni);
    facce_.ScegliPersonaggio(impostazioni.Personaggio);
    pannello_.AggiornaFacce();
}

void ScelteTavolo::ScegliMazzo(const std::string& nome) {
    Impostazioni impostazioni = Attuali();
    impostazioni.Carte = nome;
    gioco_.CambiaImpostazioni(impostazioni);
    CaricaCarte();
}

void ScelteTavolo::Applica(const Impostazioni& scelte) {
    gioco_.CambiaImpostazioni(scelte);
    facce_.ScegliPersonaggio(scelte.Personaggio);
    pannello_.AggiornaFacce();
    Salva();
}

void ScelteTavolo::ImpostaSuono(bool acceso) {
    Impostazioni impostazioni = Attuali();
    impostazioni.Suono = acceso;
    gioco_.CambiaImpostazioni(impostazioni);
    // Saved at once, so the choice survives even a game left by "Esci" right after.
    Salva();
}

void ScelteTavolo::Salva() {
    const EsitoSalvataggio esito = SalvaImpostazioni(Attuali());
    if (esito.Riuscito || salvataggioFallitoDetto_) return;
    salvataggioFallitoDetto_ = true;
    // The game goes on with the choices in force; the old file stays as it was.
    emit avviso(tr("Impossibile salvare le impostazioni in %1: %2")
                    .arg(QDir::toNativeSeparators(QString::fromStdString(esito.Cartella.string())),
                         QString::fromStdString(esito.Errore)));
}

} // namespace brivetta
