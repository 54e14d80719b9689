#include "FinestraTavolo.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "Aspetto.h"
#include "BarraComandi.h"
#include "CartellaProgramma.h"
#include "ConsiglioTavolo.h"
#include "Facce.h"
#include "GeometriaTavolo.h"
#include "GiocaPerMe.h"
#include "Immagine.h"
#include "LettoreSuoni.h"
#include "Messaggio.h"
#include "PannelloTavolo.h"
#include "Preferenze.h"
#include "Probabilita.h"
#include "Regia.h"
#include "ScelteTavolo.h"
#include "SchermoPieno.h"
#include "StatisticheGiocatore.h"
#include "TestiGioco.h"

namespace brivetta {

FinestraTavolo::FinestraTavolo(FonteCasuale* caso, LettoreSuoni* suoni, QWidget* parent)
    : QMainWindow(parent), casoProprio_(caso ? nullptr : std::make_unique<CasualeOrologio>()),
      facce_(std::make_unique<Facce>()), statistiche_(std::make_unique<StatisticheGiocatore>()),
      preferenze_(std::make_unique<Preferenze>()) {
    CaricaRisorse();
    setWindowTitle(TitoloGioco);
    QIcon icona;
    for (int lato : {16, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(":/immagini/brivetta-%1.png").arg(lato);
        if (QFile::exists(file)) icona.addFile(file);
    }
    if (!icona.isNull()) setWindowIcon(icona);

    // The bar stays on top; the cloth under it scrolls when its rows do not fit. The bar comes
    // first in the Tab order.
    auto* centro = new QWidget(this);
    auto* colonna = new QVBoxLayout(centro);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    barra_ = new BarraComandi(centro);
    colonna->addWidget(barra_);
    pannello_ = new PannelloTavolo(*facce_);
    // The cloth can hold the focus, so the play keys reach the window whatever was used before.
    pannello_->setFocusPolicy(Qt::StrongFocus);
    scorrimento_ = new QScrollArea(centro);
    scorrimento_->setFrameShape(QFrame::NoFrame);
    scorrimento_->setFocusPolicy(Qt::NoFocus);
    scorrimento_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scorrimento_->setWidgetResizable(true);
    scorrimento_->setWidget(pannello_);
    // At the least, the human's own row in sight.
    scorrimento_->setMinimumHeight(geometria::Riga(2) + 28 + SpostamentoTavolo);
    colonna->addWidget(scorrimento_, 1);
    setCentralWidget(centro);
    connect(barra_, &BarraComandi::mossa, this, [this](Azione azione, int valore) {
        if (azione == Azione::NuovaPartita)
            NuovaPartita();
        else
            Mossa(azione, valore);
    });

    suoni_ = suoni ? suoni : new LettoreSuoni;
    suoni_->setParent(this);
    regia_ =
        new Regia(caso ? *caso : *casoProprio_, *suoni_, *pannello_, *facce_, *statistiche_, *this);
    schermo_ = new SchermoPieno(*this);
    scelte_ = new ScelteTavolo(regia_->Motore(), *pannello_, *facce_, this);
    connect(scelte_, &ScelteTavolo::avviso, this, &FinestraTavolo::Avviso);
    connect(regia_, &Regia::cambiata, this, &FinestraTavolo::Rinfresca);
    connect(regia_, &Regia::fineGioco, this, &FinestraTavolo::Esci);
    connect(regia_, &Regia::altraPartitaChiesta, this,
            [this] { schermo_->Poi([this] { regia_->AltraPartita(AltezzaInterna()); }); });
    consiglio_ = new ConsiglioTavolo(this);
    CreaMenu();
    giocaPerMe_ = new GiocaPerMe(*regia_, *consiglio_, *this, voceGiocaPerMe_->shortcut());
    connect(consiglio_, &ConsiglioTavolo::pronti, this, [this] {
        Rinfresca();
        giocaPerMe_->Guarda();
    });
    connect(regia_, &Regia::cambiata, giocaPerMe_, &GiocaPerMe::Guarda);
    // The player's own path, so the kept game records the moves as his.
    connect(giocaPerMe_, &GiocaPerMe::mossa, this,
            [this](Azione azione, int valore) { Mossa(azione, valore); });
    connect(giocaPerMe_, &GiocaPerMe::nuovaPartita, this, &FinestraTavolo::NuovaPartita);
    connect(giocaPerMe_, &GiocaPerMe::spento, this, [this] {
        voceGiocaPerMe_->setChecked(false);
        CambiaGiocaPerMe();
    });
    Rinfresca();
}

FinestraTavolo::~FinestraTavolo() = default;

const StatoTavolo& FinestraTavolo::Stato() const {
    return regia_->Motore().Stato();
}

Gioco& FinestraTavolo::Motore() {
    return regia_->Motore();
}

QPixmap FinestraTavolo::ImmagineCarta(int indice) const {
    return pannello_->ImmagineCarta(indice);
}

void FinestraTavolo::ImpostaCalcoloConsiglio(
    std::function<ValoreMosse(const StatoTavolo&, const VistaTavolo&)> calcolo) {
    consiglio_->ImpostaCalcolo(std::move(calcolo));
}

void FinestraTavolo::ImpostaPausaGiocaPerMe(int ms) {
    giocaPerMe_->ImpostaPausa(ms);
}

bool FinestraTavolo::InPausa() const {
    return regia_->InPausa();
}

bool FinestraTavolo::CartaInVolo() const {
    return regia_->CartaInVolo();
}

// --- Start-up ----------------------------------------------------------------------------------

void FinestraTavolo::Avvia() {
    Gioco& gioco = regia_->Motore();
    gioco.AvvioIniziale();
    if (cartella_.isEmpty()) {
        const auto cartella =
            PreparaCartellaProgramma(QCoreApplication::applicationDirPath().toStdString());
        cartella_ = QString::fromStdString(cartella.string());
    }
    // Every file of the game is named relative to its own folder from here on.
    QDir::setCurrent(cartella_);
    preferenze_ = std::make_unique<Preferenze>(cartella_);
    statistiche_->Carica(cartella_);
    if (const auto spunta = scelte_->Leggi()) voceSuono_->setChecked(*spunta);
    voceProbabilita_->setChecked(preferenze_->Probabilita());
    voceConsiglio_->setChecked(preferenze_->Consiglio());
    RipristinaGeometria();
    schermo_->Poi([this] {
        // The game plays on, but settings and statistics are lost at the end.
        if (!CartellaScrivibile(QFile::encodeName(cartella_).toStdString()))
            Avviso(tr("Impossibile scrivere nella cartella %1: le impostazioni e le statistiche "
                      "non saranno salvate.")
                       .arg(cartella_));
        scelte_->CaricaCarte();
        regia_->Motore().AvvioFinale(AltezzaInterna());
        pronta_ = true;
        Rinfresca();
        Avviso(regia_->Custodisci(cartella_));
    });
}

void FinestraTavolo::RipristinaGeometria() {
    const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = schermo ? schermo->availableGeometry() : QRect(0, 0, 1024, 768);
    setGeometry(SchermoPieno::GeometriaNormale(preferenze_->Geometria(), area,
                                               minimumSizeHint().expandedTo(minimumSize())));
}

int FinestraTavolo::AltezzaInterna() const {
    return PannelloTavolo::AltezzaInterna(scorrimento_->viewport()->height());
}

// --- The table shown -----------------------------------------------------------------------------

void FinestraTavolo::Rinfresca() {
    const Gioco& gioco = regia_->Motore();
    const VistaTavolo& v = gioco.Vista();
    pannello_->Mostra(v, gioco.Stato().Nomi);
    // The odds only at the human's own move, dealer or not: at any other time the odds of his
    // next card mean nothing.
    const bool probabilita = voceProbabilita_->isChecked() && regia_->MossaUmano() && !chiusa_;
    barra_->Mostra(v, regia_->CursoreTenuto(),
                   probabilita ? TestiGioco::Probabilita(ProbabilitaUmano(gioco.Stato(), v))
                               : QString(),
                   TestiGioco::Situazione(v.Situazione, gioco.Stato().Nomi));
    MostraConsiglio();
    if (regia_->MossaUmano()) barra_->TurnoUmano();
    voceNuova_->setEnabled(v.MenuNuovaAbilitato);
    voceOpzioni_->setEnabled(v.MenuOpzioniAbilitato);
}

// The advice is reckoned at the human's move, for the label or for playing in his place, and
// shown, for every position of the slider, once it is ready. The slider's own sound does not
// end his move.
void FinestraTavolo::MostraConsiglio() {
    const Gioco& gioco = regia_->Motore();
    const StatoTavolo& s = gioco.Stato();
    const bool mostra = voceConsiglio_->isChecked() && !chiusa_;
    if ((mostra || (giocaPerMe_->Acceso() && !chiusa_)) && regia_->MossaUmano())
        consiglio_->Chiedi(s, gioco.Vista());
    std::optional<BarraComandi::ConsigliPerPosta> consigli;
    const ValoreMosse* valori = consiglio_->Valori(s, gioco.Vista());
    if (mostra && valori && (regia_->MossaUmano() || regia_->CursoreSuona())) {
        consigli.emplace();
        for (int cursore = 0; cursore <= MassimoCursore; ++cursore)
            (*consigli)[static_cast<std::size_t>(cursore)] = ConPosta(s, *valori, cursore);
    }
    barra_->MostraConsiglio(mostra, voceProbabilita_->isChecked(), consigli);
}

// --- The player's moves --------------------------------------------------------------------------

void FinestraTavolo::Mossa(Azione azione, int valore) {
    if (schermo_->InAttesa() || !pronta_) return;
    regia_->Gioca(azione, valore);
}

void FinestraTavolo::NuovaPartita() {
    if (schermo_->InAttesa() || !pronta_ || !regia_->Libera()) return;
    barra_->FuocoAlGioco();
    schermo_->Poi([this] { regia_->NuovaPartita(AltezzaInterna()); });
}

void FinestraTavolo::keyPressEvent(QKeyEvent* evento) {
    const Qt::KeyboardModifiers altri =
        evento->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (altri == Qt::NoModifier) {
        switch (evento->key()) {
        case Qt::Key_S:
            return barra_->Premi(Azione::CartaScoperta);
        case Qt::Key_C:
            return barra_->Premi(Azione::CartaCoperta);
        case Qt::Key_F:
            return barra_->Premi(Azione::Stop);
        case Qt::Key_Plus:
            return barra_->SpostaPosta(1);
        case Qt::Key_Minus:
            return barra_->SpostaPosta(-1);
        default:
            break;
        }
    }
    QMainWindow::keyPressEvent(evento);
}

// --- The player's windows and messages -----------------------------------------------------------

// A dialog of the player's over the table: play holds until it closes.
void FinestraTavolo::ApriSopra(QDialog* finestra) {
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    connect(finestra, &QDialog::finished, regia_, &Regia::Riprendi);
    regia_->Sospendi();
    finestra->open();
}

// The table's own messages (a broken card set, a save that failed, the rules...), one at a
// time, each pausing the table.
void FinestraTavolo::Avviso(const QString& testo) {
    if (testo.isEmpty()) return;
    avvisi_ << testo;
    if (!avvisoAperto_) ProssimoAvviso();
}

void FinestraTavolo::ProssimoAvviso() {
    if (avvisi_.isEmpty() || chiusa_) return;
    avvisoAperto_ = true;
    regia_->Sospendi();
    QMessageBox* box = CreaMessaggio(this, avvisi_.takeFirst());
    connect(box, &QDialog::finished, this, [this] {
        avvisoAperto_ = false;
        ProssimoAvviso(); // the next one keeps the table paused
        regia_->Riprendi();
    });
    box->open();
}

// --- Leaving ---------------------------------------------------------------------------------

void FinestraTavolo::Esci() {
    close();
}

void FinestraTavolo::CambiaSchermoIntero() {
    // Only the window changes: the seats are counted again at the next game, as after any
    // change of size.
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void FinestraTavolo::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::WindowStateChange && voceSchermoIntero_)
        voceSchermoIntero_->setChecked(isFullScreen());
    QMainWindow::changeEvent(evento);
}

void FinestraTavolo::closeEvent(QCloseEvent* evento) {
    // Leaving is immediate, whatever is moving or open: the game stops where it is and the
    // application ends normally.
    if (!chiusa_ && pronta_) preferenze_->ImpostaGeometria(normalGeometry());
    chiusa_ = true;
    giocaPerMe_->Accendi(false);
    consiglio_->Dimentica();
    regia_->Chiudi();
    evento->accept();
    emit uscita();
}

} // namespace brivetta
