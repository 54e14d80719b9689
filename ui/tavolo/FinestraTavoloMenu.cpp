// The table window's menus: the options and the card pictures they choose, the sound switch,
// the odds, the documents, the rules, the statistics and the about window.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QTimer>
#include <filesystem>

#include "BarraComandi.h"
#include "CaricaCarte.h"
#include "CercaFile.h"
#include "Collegamenti.h"
#include "DialogoOpzioni.h"
#include "Facce.h"
#include "FileImpostazioni.h"
#include "FinestraInfo.h"
#include "FinestraStatistiche.h"
#include "FinestraTavolo.h"
#include "PannelloTavolo.h"
#include "Preferenze.h"
#include "Regia.h"
#include "Regole.h"
#include "StatisticheGiocatore.h"

namespace brivetta {

namespace {
constexpr const char* FileAiuto = "Brivetta.htm";
constexpr int ReBello = 10;
constexpr int SetteBello = 7;
} // namespace

void FinestraTavolo::CreaMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    voceNuova_ =
        file->addAction(QStringLiteral("&Nuova partita"), this, &FinestraTavolo::NuovaPartita);
    voceNuova_->setShortcut(QKeySequence(Qt::Key_F2));
    file->addSeparator();
    file->addAction(QStringLiteral("&Esci"), this, &FinestraTavolo::Esci)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));

    QMenu* opzioni = menuBar()->addMenu(QStringLiteral("&Opzioni"));
    voceOpzioni_ =
        opzioni->addAction(QStringLiteral("&Cambia ..."), this, &FinestraTavolo::ApriOpzioni);
    opzioni->addSeparator();
    voceSuono_ = opzioni->addAction(QStringLiteral("&Suono"));
    voceSuono_->setCheckable(true);
    voceSuono_->setChecked(true);
    // The tick follows the game's sound switch, set by CambiaSuono, not by the click itself.
    connect(voceSuono_, &QAction::triggered, this, [this](bool) {
        voceSuono_->setChecked(!voceSuono_->isChecked());
        CambiaSuono();
    });
    voceProbabilita_ = opzioni->addAction(QStringLiteral("&Probabilità"));
    voceProbabilita_->setCheckable(true);
    voceProbabilita_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(voceProbabilita_, &QAction::triggered, this, &FinestraTavolo::CambiaProbabilita);

    QMenu* aiuto = menuBar()->addMenu(QStringLiteral("?"));
    aiuto->addAction(QStringLiteral("&Help"), this, &FinestraTavolo::ApriAiuto)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    aiuto->addAction(QStringLiteral("&Regole di Brivetta "), this, &FinestraTavolo::MostraRegole)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    aiuto->addSeparator();
    aiuto->addAction(QStringLiteral("&Mail all'autore"), this, &FinestraTavolo::ScriviAutore)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F8));
    aiuto
        ->addAction(QStringLiteral("&Visita Lampo Home Page ..."), this,
                    &FinestraTavolo::VisitaSito)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F9));
    aiuto->addAction(QStringLiteral("&Statistiche ..."), this, &FinestraTavolo::MostraStatistiche)
        ->setShortcut(QKeySequence(Qt::Key_F3));
    aiuto->addSeparator();
    aiuto->addAction(QStringLiteral("&Info su Brivetta ..."), this, &FinestraTavolo::MostraInfo)
        ->setShortcut(QKeySequence(Qt::Key_F4));

    // A menu closed with Escape leaves the menu bar holding the keys, and F would open "File"
    // instead of stopping: the cloth takes the focus back as soon as a menu closes.
    auto ridaiFuoco = [this] {
        QTimer::singleShot(0, this, [this] {
            // Moving on to the next menu keeps the keys in the menu bar.
            if (!QApplication::activePopupWidget() && !QApplication::activeModalWidget())
                pannello_->setFocus(Qt::OtherFocusReason);
        });
    };
    for (QMenu* menu : {file, opzioni, aiuto})
        connect(menu, &QMenu::aboutToHide, this, ridaiFuoco);
}

void FinestraTavolo::CaricaCarte() {
    DestinoCarte destino;
    destino.Imposta = [this](int indice, const QPixmap& immagine) {
        pannello_->ImpostaImmagineCarta(indice, immagine);
    };
    destino.Messaggio = [this](const std::string& testo) { Avviso(QString::fromStdString(testo)); };
    destino.Rapporto = qApp->devicePixelRatio(); // the sharpest screen the table may be shown on
    Impostazioni impostazioni = ImpostazioniDelTavolo(Stato());
    brivetta::CaricaCarte(impostazioni.Carte, destino);
    regia_->Motore().CambiaImpostazioni(impostazioni);
}

void FinestraTavolo::ApriOpzioni() {
    if (!regia_->Motore().Vista().MenuOpzioniAbilitato || chiusa_) return;
    auto* opzioni = new DialogoOpzioni(
        ImpostazioniDelTavolo(Stato()),
        [this](int personaggio) { return facce_->Personaggio(personaggio, Volto::Contento); },
        this);
    opzioni->setAttribute(Qt::WA_DeleteOnClose);
    // A set chosen in the list is in force at once, whatever button closes the dialog.
    connect(opzioni, &DialogoOpzioni::mazzoScelto, this, [this, opzioni](const QByteArray& nome) {
        Impostazioni impostazioni = ImpostazioniDelTavolo(Stato());
        impostazioni.Carte = nome.toStdString();
        regia_->Motore().CambiaImpostazioni(impostazioni);
        CaricaCarte();
        opzioni->MostraMazzoInUso(Stato().Carte);
    });
    connect(opzioni, &QDialog::finished, this, [this, opzioni](int esito) {
        const Intero malloppo = Stato().MalloppoIniziale;
        if (esito == QDialog::Accepted) ApplicaOpzioni(opzioni->Scelte());
        regia_->Riprendi();
        // A new starting money only means something for a game that starts with it.
        if (Stato().MalloppoIniziale != malloppo) NuovaPartita();
    });
    regia_->Sospendi();
    opzioni->open();
}

void FinestraTavolo::ApplicaOpzioni(const Impostazioni& scelte) {
    regia_->Motore().CambiaImpostazioni(scelte);
    facce_->ScegliPersonaggio(Stato().Personaggio);
    pannello_->AggiornaFacce();
    Salva();
    Rinfresca();
}

void FinestraTavolo::Salva() {
    const EsitoSalvataggio esito = SalvaImpostazioni(ImpostazioniDelTavolo(Stato()));
    if (esito.Riuscito || impostazioniNonSalvateDette_) return;
    impostazioniNonSalvateDette_ = true;
    // The game goes on with the choices in force; the old file stays as it was.
    Avviso(QStringLiteral("Impossibile salvare le impostazioni in %1: %2")
               .arg(QDir::toNativeSeparators(QString::fromStdString(esito.Cartella.string())),
                    QString::fromStdString(esito.Errore)));
}

void FinestraTavolo::CambiaSuono() {
    const bool acceso = !voceSuono_->isChecked();
    Impostazioni impostazioni = ImpostazioniDelTavolo(Stato());
    impostazioni.Suono = acceso ? 1 : 0;
    regia_->Motore().CambiaImpostazioni(impostazioni);
    voceSuono_->setChecked(acceso);
    // Saved at once, so the choice survives even a game left by "Esci" right after.
    Salva();
}

// The odds are kept in preferenze.ini: brivetta.ini has no place for them.
void FinestraTavolo::CambiaProbabilita() {
    preferenze_->ImpostaProbabilita(voceProbabilita_->isChecked());
    Rinfresca();
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
    ApriSopra(new FinestraInfo(ImmagineCarta(ReBello), ImmagineCarta(SetteBello), this));
}

void FinestraTavolo::MostraStatistiche() {
    if (chiusa_) return;
    auto* finestra = new FinestraStatistiche(statistiche_->Figure(), this);
    connect(finestra, &FinestraStatistiche::azzeramento, this, [this, finestra] {
        statistiche_->Azzera();
        finestra->Mostra(statistiche_->Figure());
    });
    ApriSopra(finestra);
}

} // namespace brivetta
