// Menu entries of the table window: the options, the sound switch, the documents, the rules and
// the about window, and the card pictures the options choose.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "CaricaCarte.h"
#include "CercaFile.h"
#include "Collegamenti.h"
#include "DialogoOpzioni.h"
#include "FileImpostazioni.h"
#include "FinestraInfo.h"
#include "FinestraTavolo.h"
#include "Regole.h"

namespace brivetta {

namespace {
constexpr const char* FileAiuto = "Brivetta.htm";
constexpr int ReBello = 10;
constexpr int SetteBello = 7;
constexpr int PrimoPersonaggio = 12; // the characters' smiling faces are 12, 14, ...
} // namespace

void FinestraTavolo::CaricaCarte() {
    DestinoCarte destino;
    destino.Imposta = [this](int indice, const QPixmap& immagine) {
        ImpostaImmagineCarta(indice, immagine);
    };
    destino.Messaggio = [this](const std::string& testo) { Avviso(QString::fromStdString(testo)); };
    destino.Rapporto = qApp->devicePixelRatio(); // the sharpest screen the table may be shown on
    Impostazioni impostazioni = ImpostazioniDelTavolo(gioco_.Stato());
    brivetta::CaricaCarte(impostazioni.Carte, destino);
    gioco_.CambiaImpostazioni(impostazioni);
}

void FinestraTavolo::ApriOpzioni() {
    if (!gioco_.Vista().MenuOpzioniAbilitato || chiusa_) return;
    auto* opzioni = new DialogoOpzioni(
        ImpostazioniDelTavolo(gioco_.Stato()),
        [this](int personaggio) { return ImmagineFaccia(PrimoPersonaggio + 2 * personaggio); },
        this);
    opzioni->setAttribute(Qt::WA_DeleteOnClose);
    // A set chosen in the list is in force at once, whatever button closes the dialog.
    connect(opzioni, &DialogoOpzioni::mazzoScelto, this, [this, opzioni](const QByteArray& nome) {
        Impostazioni impostazioni = ImpostazioniDelTavolo(gioco_.Stato());
        impostazioni.Carte = nome.toStdString();
        gioco_.CambiaImpostazioni(impostazioni);
        CaricaCarte();
        opzioni->MostraMazzoInUso(gioco_.Stato().Carte);
    });
    connect(opzioni, &QDialog::finished, this, [this, opzioni](int esito) {
        const Intero malloppo = gioco_.Stato().MalloppoIniziale;
        if (esito == QDialog::Accepted) ApplicaOpzioni(opzioni->Scelte());
        Riprendi();
        // A new starting money only means something for a game that starts with it.
        if (gioco_.Stato().MalloppoIniziale != malloppo) NuovaPartita();
    });
    Sospendi();
    opzioni->open();
}

void FinestraTavolo::ApplicaOpzioni(const Impostazioni& scelte) {
    gioco_.CambiaImpostazioni(scelte);
    CopiaAvatar();
    Salva();
    Rinfresca();
}

void FinestraTavolo::Salva() {
    const EsitoSalvataggio esito = SalvaImpostazioni(ImpostazioniDelTavolo(gioco_.Stato()));
    if (esito.Riuscito || impostazioniNonSalvateDette_) return;
    impostazioniNonSalvateDette_ = true;
    // The game goes on with the choices in force; the old file stays as it was.
    Avviso(QStringLiteral("Impossibile salvare le impostazioni in %1: %2")
               .arg(QDir::toNativeSeparators(QString::fromStdString(esito.Cartella.string())),
                    QString::fromStdString(esito.Errore)));
}

void FinestraTavolo::CambiaSuono() {
    const bool acceso = !voceSuono_->isChecked();
    Impostazioni impostazioni = ImpostazioniDelTavolo(gioco_.Stato());
    impostazioni.Suono = acceso ? 1 : 0;
    gioco_.CambiaImpostazioni(impostazioni);
    voceSuono_->setChecked(acceso);
    // Saved at once, so the choice survives even a game left by "Esci" right after.
    Salva();
}

void FinestraTavolo::ApriAiuto() {
    const std::filesystem::path aiuto = CercaFile(".", FileAiuto);
    std::error_code ec;
    if (aiuto.empty() || !std::filesystem::is_regular_file(aiuto, ec)) {
        Avviso(QStringLiteral("Non trovato file di documentazione/help %1")
                   .arg(QLatin1String(FileAiuto)));
        return;
    }
    const QString percorso = QFileInfo(QFile::decodeName(aiuto.c_str())).absoluteFilePath();
    if (!ApriDocumento(QUrl::fromLocalFile(percorso)))
        Avviso(QStringLiteral("Impossibile aprire la guida %1: nessun programma del sistema "
                              "apre questo tipo di documento.")
                   .arg(QDir::toNativeSeparators(percorso)));
}

void FinestraTavolo::MostraRegole() {
    Avviso(QString::fromStdString(TestoRegole()));
}

void FinestraTavolo::ScriviAutore() {
    if (!ApriDocumento(QUrl(QStringLiteral("mailto:") + PostaAutore)))
        Avviso(QStringLiteral("Impossibile aprire il programma di posta per scrivere a %1.")
                   .arg(PostaAutore));
}

void FinestraTavolo::VisitaSito() {
    if (!ApriDocumento(QUrl(SitoAutore)))
        Avviso(QStringLiteral("Impossibile aprire il browser sulla pagina %1.").arg(SitoAutore));
}

void FinestraTavolo::MostraInfo() {
    auto* informazioni = new FinestraInfo(ImmagineCarta(ReBello), ImmagineCarta(SetteBello), this);
    informazioni->setAttribute(Qt::WA_DeleteOnClose);
    connect(informazioni, &QDialog::finished, this, &FinestraTavolo::Riprendi);
    Sospendi();
    informazioni->open();
}

} // namespace brivetta
