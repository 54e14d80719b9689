// The table window's menus: the options and the card pictures they choose, the sound switch,
// the odds, the documents, the rules, the statistics and the about window.
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTimer>

#include "BarraComandi.h"
#include "Collegamenti.h"
#include "ConsiglioTavolo.h"
#include "DialogoOpzioni.h"
#include "Facce.h"
#include "FinestraInfo.h"
#include "FinestraStatistiche.h"
#include "FinestraTavolo.h"
#include "GiocaPerMe.h"
#include "PannelloTavolo.h"
#include "Preferenze.h"
#include "Regia.h"
#include "Regole.h"
#include "ScelteTavolo.h"
#include "StatisticheGiocatore.h"

namespace brivetta {

namespace {
constexpr int ReBello = 10;
constexpr int SetteBello = 7;

// An entry with two keys shows both.
void ConScorciatoie(QAction* voce, const QList<QKeySequence>& tasti) {
    voce->setShortcuts(tasti);
    voce->setText(voce->text() + QLatin1Char('\t') +
                  QKeySequence::listToString(tasti, QKeySequence::NativeText));
}
} // namespace

void FinestraTavolo::CreaMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    voceNuova_ = file->addAction(tr("&Nuova partita"), this, &FinestraTavolo::NuovaPartita);
    ConScorciatoie(voceNuova_, {QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_N)});
    // Not kept: each session the player plays his own hands until he asks otherwise.
    voceGiocaPerMe_ = file->addAction(tr("&Gioca per me"));
    voceGiocaPerMe_->setCheckable(true);
    voceGiocaPerMe_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(voceGiocaPerMe_, &QAction::triggered, this, &FinestraTavolo::CambiaGiocaPerMe);
    file->addSeparator();
    ConScorciatoie(file->addAction(tr("&Esci"), this, &FinestraTavolo::Esci),
                   {QKeySequence(Qt::CTRL | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_Q)});

    QMenu* opzioni = menuBar()->addMenu(tr("&Opzioni"));
    voceOpzioni_ = opzioni->addAction(tr("&Cambia ..."), this, &FinestraTavolo::ApriOpzioni);
    opzioni->addSeparator();
    voceSuono_ = opzioni->addAction(tr("&Suono"));
    voceSuono_->setCheckable(true);
    voceSuono_->setChecked(true);
    // The tick follows the game's sound switch, set by CambiaSuono, not by the click itself.
    connect(voceSuono_, &QAction::triggered, this, [this](bool) {
        voceSuono_->setChecked(!voceSuono_->isChecked());
        CambiaSuono();
    });
    voceProbabilita_ = opzioni->addAction(tr("&Probabilità"));
    voceProbabilita_->setCheckable(true);
    voceProbabilita_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(voceProbabilita_, &QAction::triggered, this, &FinestraTavolo::CambiaProbabilita);
    voceConsiglio_ = opzioni->addAction(tr("&Consiglio"));
    voceConsiglio_->setCheckable(true);
    voceConsiglio_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(voceConsiglio_, &QAction::triggered, this, &FinestraTavolo::CambiaConsiglio);
    voceSchermoIntero_ = opzioni->addAction(tr("Schermo &intero"));
    voceSchermoIntero_->setCheckable(true);
    voceSchermoIntero_->setShortcut(QKeySequence(Qt::Key_F11));
    // The tick follows the window, whatever put it in full screen.
    connect(voceSchermoIntero_, &QAction::triggered, this, [this](bool) {
        voceSchermoIntero_->setChecked(isFullScreen());
        CambiaSchermoIntero();
    });

    QMenu* aiuto = menuBar()->addMenu(tr("?"));
    aiuto->addAction(tr("&Help"), this, &FinestraTavolo::ApriAiuto)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    aiuto->addAction(tr("&Regole di Brivetta "), this, &FinestraTavolo::MostraRegole)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    aiuto->addSeparator();
    aiuto->addAction(tr("&Mail all'autore"), this, &FinestraTavolo::ScriviAutore)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F8));
    aiuto->addAction(tr("&Visita Lampo Home Page ..."), this, &FinestraTavolo::VisitaSito)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F9));
    aiuto->addAction(tr("&Statistiche ..."), this, &FinestraTavolo::MostraStatistiche)
        ->setShortcut(QKeySequence(Qt::Key_F3));
    aiuto->addSeparator();
    aiuto->addAction(tr("&Info su Brivetta ..."), this, &FinestraTavolo::MostraInfo)
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

    // F10 opens the first menu, as on the desktop; the arrows go on from there.
    auto* primoMenu = new QAction(this);
    primoMenu->setShortcut(QKeySequence(Qt::Key_F10));
    connect(primoMenu, &QAction::triggered, this, [this, file] {
        if (!QApplication::activeModalWidget()) menuBar()->setActiveAction(file->menuAction());
    });
    addAction(primoMenu);
}

void FinestraTavolo::ApriOpzioni() {
    if (!regia_->Motore().Vista().MenuOpzioniAbilitato || chiusa_) return;
    auto* opzioni = new DialogoOpzioni(
        scelte_->Attuali(),
        [this](int personaggio) { return facce_->Personaggio(personaggio, Volto::Contento); },
        this);
    connect(opzioni, &DialogoOpzioni::mazzoScelto, this, [this, opzioni](const QByteArray& nome) {
        scelte_->ScegliMazzo(nome.toStdString());
        opzioni->MostraMazzoInUso(Stato().Carte);
    });
    opzioni->setAttribute(Qt::WA_DeleteOnClose);
    connect(opzioni, &QDialog::finished, this, [this, opzioni](int esito) {
        const Intero malloppo = Stato().MalloppoIniziale;
        if (esito == QDialog::Accepted) {
            scelte_->Applica(opzioni->Scelte());
            Rinfresca();
        }
        regia_->Riprendi();
        // A new starting money only means something for a game that starts with it.
        if (Stato().MalloppoIniziale != malloppo) NuovaPartita();
    });
    regia_->Sospendi();
    opzioni->open();
}

void FinestraTavolo::CambiaSuono() {
    const bool acceso = !voceSuono_->isChecked();
    scelte_->ImpostaSuono(acceso);
    voceSuono_->setChecked(acceso);
}

// The odds are kept in preferenze.ini: brivetta.ini has no place for them.
void FinestraTavolo::CambiaProbabilita() {
    preferenze_->ImpostaProbabilita(voceProbabilita_->isChecked());
    Rinfresca();
}

// Kept in preferenze.ini, as the odds.
void FinestraTavolo::CambiaConsiglio() {
    preferenze_->ImpostaConsiglio(voceConsiglio_->isChecked());
    if (!voceConsiglio_->isChecked() && !giocaPerMe_->Acceso()) consiglio_->Dimentica();
    Rinfresca();
}

void FinestraTavolo::CambiaGiocaPerMe() {
    giocaPerMe_->Accendi(voceGiocaPerMe_->isChecked() && !chiusa_);
    if (!giocaPerMe_->Acceso() && !voceConsiglio_->isChecked()) consiglio_->Dimentica();
    Rinfresca();
}

void FinestraTavolo::ApriAiuto() {
    Avviso(brivetta::ApriGuida());
}

void FinestraTavolo::MostraRegole() {
    Avviso(TestoRegole());
}

void FinestraTavolo::ScriviAutore() {
    Avviso(ScriviAllAutore());
}

void FinestraTavolo::VisitaSito() {
    Avviso(VisitaIlSito());
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
