#include "FinestraTavolo.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "Accessibile.h"
#include "FileStatistiche.h"
#include "GeometriaTavolo.h"
#include "Immagine.h"
#include "LettoreSuoni.h"
#include "Tavolo.h"
#include "Testi.h"
#include "VoloCarta.h"

namespace brivetta {

namespace {
constexpr int AltoBottoni = 8;
constexpr int AltezzaBottoni = 27;
constexpr int LarghezzaBarra = 3000;
constexpr int LatoIcona = 20;
constexpr QSize Moneta(135, 18);
constexpr int PrimoPersonaggio = 12; // faces 12.. are the characters' pairs

const QString SuggerimentoStop = QStringLiteral("OK mi basta e mi fermo.");

QPushButton* BottoneImmagine(QWidget* barra, const char* icona, const QString& testo,
                             const QString& suggerimento, QRect dove) {
    auto* b = new QPushButton(barra);
    b->setIcon(IconaRisorsa(QStringLiteral(":/immagini/%1.png").arg(QLatin1String(icona))));
    b->setIconSize(QSize(LatoIcona, LatoIcona));
    // A push button centres its icon and caption together in the bar's fixed widths.
    b->setText(testo);
    b->setAutoDefault(false);
    b->setToolTip(suggerimento);
    b->setAccessibleName(suggerimento);
    b->setFocusPolicy(Qt::TabFocus);
    b->setFont(CarattereTavolo(false));
    b->setGeometry(dove);
    return b;
}

// Colours through the palette rather than a style sheet, which tooltips would inherit.
void Colora(QLabel* l, QColor sfondo, QColor testo) {
    QPalette p = l->palette();
    p.setColor(QPalette::Window, sfondo);
    p.setColor(QPalette::WindowText, testo);
    l->setPalette(p);
    l->setAutoFillBackground(true);
}

void ImpostaTesto(QLabel* l, const QString& testo) {
    if (l->text() != testo) l->setText(testo);
}

void Mostra(QWidget* w, bool visibile, QPoint dove = {}) {
    if (visibile) w->move(Tavolo::Punto(dove));
    w->setVisible(visibile);
}
} // namespace

FinestraTavolo::FinestraTavolo(FonteCasuale* caso, QWidget* parent)
    : QMainWindow(parent), casoProprio_(caso ? nullptr : std::make_unique<CasualeOrologio>()),
      gioco_(caso ? *caso : *casoProprio_) {
    CaricaRisorse();
    setWindowTitle(QStringLiteral("Brivetta 2002"));
    QIcon icona;
    for (int lato : {16, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(":/immagini/brivetta-%1.png").arg(lato);
        if (QFile::exists(file)) icona.addFile(file);
    }
    if (!icona.isNull()) setWindowIcon(icona);
    uscita = [] { QCoreApplication::quit(); };

    volo_ = new VoloCarta(this);
    connect(volo_, &VoloCarta::arrivata, this, &FinestraTavolo::Fatto);
    lettore_ = new LettoreSuoni(this);
    connect(lettore_, &LettoreSuoni::finito, this, &FinestraTavolo::Fatto);

    CreaTavolo();
    CreaBarra();
    CreaMenu();
    CaricaFacce();
    Rinfresca();
}

FinestraTavolo::~FinestraTavolo() = default;

void FinestraTavolo::CreaTavolo() {
    using namespace geometria;
    tavolo_ = new Tavolo(gioco_, this);
    // The cloth holds the focus, so the play keys reach the window whatever was used before.
    tavolo_->setFocusPolicy(Qt::StrongFocus);
    setCentralWidget(tavolo_);

    auto carta = [this](const QString& nome) {
        auto* c = new Immagine(tavolo_);
        c->resize(Carta);
        c->setAccessibleName(nome);
        c->hide();
        return c;
    };
    for (int i = 0; i <= CarteNelMazzo; ++i)
        carte_[i] = carta(NomeCarta(i));
    for (int s = 1; s <= MaxGiocatori; ++s)
        dorsi_[s] = carta(NomeCarta(CarteNelMazzo + s));
    carte_[Matta]->setToolTip(QStringLiteral("Questa è la matta, vale 1,2,3,4,5,6,7 o 1/2"));
    for (auto*& volto : volti_) {
        volto = new Immagine(tavolo_);
        volto->resize(LatoFaccia);
        volto->hide();
    }
    segnaTurno_ = new Immagine(tavolo_);
    segnaTurno_->resize(geometria::SegnaTurno);
    segnaTurno_->ImpostaImmagine(QPixmap(QStringLiteral(":/immagini/turno.png")));
    segnaTurno_->setToolTip(QStringLiteral("Giocatore di turno"));
    segnaTurno_->setAccessibleName(QStringLiteral("Giocatore di turno"));
    segnaTurno_->hide();

    for (int s = 1; s <= MaxGiocatori; ++s) {
        auto* l = new QLabel(tavolo_);
        // The seat labels keep the window's bold font; only the name and the stake labels
        // are regular.
        l->setFont(CarattereTavolo(true));
        l->setAlignment(Qt::AlignCenter);
        Colora(l, ColorePalette(14), ColorePalette(9));
        l->setToolTip(QString::fromStdString(SuggerimentoEtichetta(s)));
        l->hide();
        etichette_[s] = l;
    }
    nomeUmano_ = new QLabel(tavolo_);
    nomeUmano_->setFont(CarattereTavolo(false));
    nomeUmano_->setTextFormat(Qt::PlainText); // a name typed as "<b>Ugo" is shown as typed
    nomeUmano_->setAlignment(Qt::AlignCenter);
    Colora(nomeUmano_, ColorePalette(11), ColorePalette(0));
    nomeUmano_->setToolTip(QStringLiteral("Clicca su opzioni per cambio nome"));
    nomeUmano_->hide();
}

void FinestraTavolo::CreaBarra() {
    barra_ = new QFrame(tavolo_);
    barra_->setFrameShape(QFrame::Panel);
    barra_->setFrameShadow(QFrame::Raised);
    barra_->setAutoFillBackground(true);
    // The bar is a grey panel over the green cloth.
    QPalette grigio = barra_->palette();
    grigio.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    barra_->setPalette(grigio);
    barra_->setGeometry(0, 0, LarghezzaBarra, AltezzaBarraBottoni);

    nuovaPartita_ = BottoneImmagine(barra_, "nuova", {}, QStringLiteral("Nuova partita"),
                                    {6, AltoBottoni - 4, 25, AltezzaBottoni});
    cartaScoperta_ = BottoneImmagine(barra_, "scoperta", QStringLiteral("Scoperta"),
                                     QStringLiteral("Altra carta scoperta"),
                                     {32, AltoBottoni - 4, 73, AltezzaBottoni});
    cartaCoperta_ = BottoneImmagine(barra_, "coperta", QStringLiteral("Coperta"),
                                    QStringLiteral("Altra carta coperta"),
                                    {106, AltoBottoni - 4, 105, AltezzaBottoni});
    stop_ = BottoneImmagine(barra_, "stop", QStringLiteral("Stop"), SuggerimentoStop,
                            {212, AltoBottoni - 4, 61, AltezzaBottoni});
    connect(nuovaPartita_, &QPushButton::clicked, this, &FinestraTavolo::NuovaPartita);
    connect(cartaScoperta_, &QPushButton::clicked, this, &FinestraTavolo::CartaScoperta);
    connect(cartaCoperta_, &QPushButton::clicked, this, &FinestraTavolo::CartaCoperta);
    connect(stop_, &QPushButton::clicked, this, &FinestraTavolo::Stop);

    const QFont testo = CarattereTavolo(false);
    etichettaPosta_ = new QLabel(QStringLiteral("Posta:"), barra_);
    etichettaPosta_->setFont(testo);
    etichettaPosta_->setGeometry(278, AltoBottoni - 4, 37, AltezzaBottoni);
    cursore_ = new QScrollBar(Qt::Horizontal, barra_);
    cursore_->setRange(0, MassimoCursore);
    cursore_->setSingleStep(1);
    cursore_->setPageStep(5);
    cursore_->setGeometry(312, AltoBottoni, 133, AltezzaBottoni - 8);
    cursore_->setAccessibleName(QStringLiteral("Posta"));
    connect(cursore_, &QScrollBar::valueChanged, this, &FinestraTavolo::PostaCambiata);
    monete_ = new Immagine(barra_, Immagine::Modo::Ritaglia);
    monete_->ImpostaImmagine(QPixmap(QStringLiteral(":/immagini/monete.png")));
    monete_->setGeometry(448, AltoBottoni + (AltezzaBottoni - 8 - Moneta.height()) / 2, 0,
                         Moneta.height());
    monete_->setToolTip(QStringLiteral("Dollari puntati"));
    monete_->setAccessibleName(QStringLiteral("Dollari puntati"));
    didascaliaPosta_ = new QLabel(barra_);
    didascaliaPosta_->setFont(testo);
    didascaliaPosta_->setGeometry(592, AltoBottoni - 4, 30, AltezzaBottoni);
    CreaEtichettaProbabilita();
}

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
    CreaVoceProbabilita(opzioni);

    // A menu closed with Escape leaves the menu bar holding the keys, and F would open "File"
    // instead of stopping: the cloth takes the focus back as soon as a menu closes.
    auto ridaiFuoco = [this] {
        QTimer::singleShot(0, this, [this] {
            // Moving on to the next menu keeps the keys in the menu bar.
            if (!QApplication::activePopupWidget() && !QApplication::activeModalWidget())
                tavolo_->setFocus(Qt::OtherFocusReason);
        });
    };
    connect(file, &QMenu::aboutToHide, this, ridaiFuoco);
    connect(opzioni, &QMenu::aboutToHide, this, ridaiFuoco);

    QMenu* aiuto = menuBar()->addMenu(QStringLiteral("?"));
    connect(aiuto, &QMenu::aboutToHide, this, ridaiFuoco);
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
}

void FinestraTavolo::CaricaFacce() {
    for (int s = 2; s <= MaxGiocatori; ++s) {
        immaginiFacce_[2 * s - 2] =
            QPixmap(QStringLiteral(":/immagini/faccia_%1_felice.png").arg(s));
        immaginiFacce_[2 * s - 1] =
            QPixmap(QStringLiteral(":/immagini/faccia_%1_triste.png").arg(s));
    }
    for (int p = 0; p < 8; ++p) {
        immaginiFacce_[PrimoPersonaggio + 2 * p] =
            QPixmap(QStringLiteral(":/immagini/personaggio_%1_felice.png").arg(p));
        immaginiFacce_[PrimoPersonaggio + 1 + 2 * p] =
            QPixmap(QStringLiteral(":/immagini/personaggio_%1_triste.png").arg(p));
    }
    CopiaAvatar();
}

// The human's seat wears the faces of the character he chose.
void FinestraTavolo::CopiaAvatar() {
    const int p = std::clamp<int>(gioco_.Stato().Personaggio, 0, 7);
    immaginiFacce_[0] = immaginiFacce_[PrimoPersonaggio + 2 * p];
    immaginiFacce_[1] = immaginiFacce_[PrimoPersonaggio + 1 + 2 * p];
    for (int i = 0; i < static_cast<int>(volti_.size()); ++i)
        volti_[i]->ImpostaImmagine(immaginiFacce_[i]);
}

void FinestraTavolo::ImpostaImmagineCarta(int indice, const QPixmap& immagine) {
    if (indice < 0 || indice > CarteNelMazzo) return;
    immaginiCarte_[indice] = immagine;
    carte_[indice]->ImpostaImmagine(immagine);
    // The covered cards show the set's back.
    if (indice == 0)
        for (int s = 1; s <= MaxGiocatori; ++s)
            dorsi_[s]->ImpostaImmagine(immagine);
}

QPixmap FinestraTavolo::ImmagineCarta(int indice) const {
    return indice >= 0 && indice <= CarteNelMazzo ? immaginiCarte_[indice] : QPixmap();
}

QPixmap FinestraTavolo::ImmagineFaccia(int indice) const {
    return indice >= 0 && indice < static_cast<int>(immaginiFacce_.size()) ? immaginiFacce_[indice]
                                                                           : QPixmap();
}

bool FinestraTavolo::CartaInVolo() const {
    return volo_->InVolo();
}

void FinestraTavolo::Rinfresca() {
    using namespace geometria;
    const VistaTavolo& v = gioco_.Vista();
    const StatoTavolo& s = gioco_.Stato();
    QWidget* inVolo = volo_->InVolo() ? volo_->Carta() : nullptr;

    for (int c = 1; c <= CarteNelMazzo; ++c) {
        const Luogo& l = v.Carte[c];
        if (carte_[c] == inVolo) continue; // the flight places it
        Mostra(carte_[c], l.Posto != 0, Slot(l.Posto, l.Casella));
        // A card that has just been placed lies over everything.
        if (!(l == luoghiMostrati_[c]) && l.Posto != 0) carte_[c]->raise();
        luoghiMostrati_[c] = l;
    }
    for (int seat = 1; seat <= MaxGiocatori; ++seat)
        Mostra(dorsi_[seat], v.Dorso[seat], Slot(seat, 1));
    Mostra(carte_[0], v.Mazzo != 0, geometria::Mazzo(v.Mazzo));
    carte_[0]->stackUnder(segnaTurno_); // the marker may point at the dealer's row
    for (int seat = 1; seat <= MaxGiocatori; ++seat) {
        const brivetta::Volto volto = v.Volti[seat];
        Mostra(volti_[2 * seat - 2], volto == brivetta::Volto::Contento, geometria::Faccia(seat));
        Mostra(volti_[2 * seat - 1], volto == brivetta::Volto::Scontento, geometria::Faccia(seat));
        for (int k = 0; k < 2; ++k) {
            const QString nome = NomeEtichettaPosto(s.Nomi[seat], k ? "scontento" : "contento");
            QWidget* w = volti_[2 * seat - 2 + k];
            if (w->accessibleName() != nome) w->setAccessibleName(nome);
        }
    }
    Mostra(segnaTurno_, v.SegnaTurno >= 1 && v.SegnaTurno <= MaxGiocatori,
           geometria::Turno(v.SegnaTurno));

    for (int seat = 1; seat <= MaxGiocatori; ++seat) {
        QLabel* l = etichette_[seat];
        const std::string testo = TestoEtichetta(v.Etichette[seat]);
        ImpostaTesto(l, QString::fromStdString(testo));
        l->setGeometry(QRect(Tavolo::Punto(geometria::Etichetta(seat)),
                             QSize(LarghezzaEtichetta, l->fontMetrics().height() + 2)));
        const QString accessibile = NomeEtichettaPosto(s.Nomi[seat], testo);
        if (l->accessibleName() != accessibile) l->setAccessibleName(accessibile);
        l->setVisible(!testo.empty() && seat <= v.EtichetteInGioco);
    }
    // The name label is as wide as its text, placed where the name it was centred for sets it.
    const QFontMetrics metrica(nomeUmano_->font());
    auto larghezza = [&metrica](const std::string& testo) {
        return metrica.horizontalAdvance(QString::fromStdString(testo)) + 4;
    };
    const QString nome = QString::fromStdString(v.NomeUmano);
    ImpostaTesto(nomeUmano_, nome);
    nomeUmano_->setGeometry(QRect(Tavolo::Punto(NomeUmano(larghezza(v.NomeCentrato))),
                                  QSize(larghezza(v.NomeUmano), metrica.height() + 2)));
    nomeUmano_->setVisible(!nome.isEmpty() && v.RigheDipinte > 0);

    auto comando = [](QWidget* w, const Comando& c) {
        w->setVisible(c.Visibile);
        w->setEnabled(c.Abilitato);
    };
    comando(nuovaPartita_, v.NuovaPartita);
    comando(cartaScoperta_, v.CartaScoperta);
    comando(stop_, v.Stop);
    comando(cartaCoperta_, v.CartaCoperta);
    comando(cursore_, v.Cursore);
    // A slider being dragged while the game is busy keeps the player's position.
    if (cursore_->value() != v.Posta && !postaRichiesta_) {
        const QSignalBlocker blocco(cursore_);
        cursore_->setValue(v.Posta);
    }
    ImpostaTesto(didascaliaPosta_, QString::fromStdString(TestoPosta(v.Didascalia)));
    didascaliaPosta_->setVisible(v.DidascaliaVisibile);
    etichettaPosta_->setVisible(v.EtichettaPostaVisibile);
    MostraProbabilita();
    // Before the slider's first change the bar has one coin per unit of the slider.
    const int monete = LarghezzaMoneta * (v.Monete > 0 ? v.Monete : v.Posta);
    monete_->setVisible(v.MoneteVisibili && monete > 0);
    monete_->resize(std::min(monete, Moneta.width()), Moneta.height());
    voceNuova_->setEnabled(v.MenuNuovaAbilitato);
    voceOpzioni_->setEnabled(v.MenuOpzioniAbilitato);
    barra_->raise();
    // The cloth is repainted only when what is painted on it changes.
    if (v.RigheDipinte != righeDipinte_ || s.Nomi != nomiDipinti_) {
        righeDipinte_ = v.RigheDipinte;
        nomiDipinti_ = s.Nomi;
        tavolo_->update();
    }
}

// --- The player's moves --------------------------------------------------------------------------

void FinestraTavolo::Mossa(Azione azione, int valore) {
    // A move counts only where the game waits for one, with no window over the table.
    if (inAttesa_ || pausa_ > 0 || schermoInAttesa_ || !pronta_) return;
    if (!gioco_.Gioca(azione, valore)) return;
    if (azione == Azione::NuovaPartita) ContaNuovaPartita();
    Prosegui();
}

void FinestraTavolo::NuovaPartita() {
    if (inAttesa_ || pausa_ > 0 || schermoInAttesa_ || !pronta_) return;
    if (gioco_.Attesa().Tipo != TipoEvento::Giocatore) return;
    QuandoSchermoPieno([this] {
        gioco_.ImpostaAltezza(AltezzaInterna());
        Mossa(Azione::NuovaPartita);
    });
}

void FinestraTavolo::CartaScoperta() {
    Mossa(Azione::CartaScoperta);
}
void FinestraTavolo::CartaCoperta() {
    Mossa(Azione::CartaCoperta);
}
void FinestraTavolo::Stop() {
    Mossa(Azione::Stop);
}

void FinestraTavolo::PostaCambiata(int valore) {
    if (!inAttesa_ && pausa_ == 0 && gioco_.Attesa().Tipo == TipoEvento::Giocatore) {
        Mossa(Azione::Posta, valore);
        Rinfresca(); // a refused move puts the slider back
        return;
    }
    // Moved while a sound of the slider plays: taken when the game can take it.
    if (gioco_.Vista().Cursore.Visibile && gioco_.Vista().Cursore.Abilitato)
        postaRichiesta_ = valore;
}

void FinestraTavolo::keyPressEvent(QKeyEvent* evento) {
    const Qt::KeyboardModifiers altri =
        evento->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    auto premi = [](QPushButton* b) {
        if (b->isVisible() && b->isEnabled()) b->click();
    };
    if (altri == Qt::NoModifier) {
        switch (evento->key()) {
        case Qt::Key_S:
            premi(cartaScoperta_);
            return;
        case Qt::Key_C:
            premi(cartaCoperta_);
            return;
        case Qt::Key_F:
            premi(stop_);
            return;
        case Qt::Key_Plus:
        case Qt::Key_Minus:
            if (cursore_->isVisible() && cursore_->isEnabled())
                cursore_->setValue(cursore_->value() + (evento->key() == Qt::Key_Plus ? 1 : -1));
            return;
        default:
            break;
        }
    }
    QMainWindow::keyPressEvent(evento);
}

// --- Leaving ---------------------------------------------------------------------------------

void FinestraTavolo::Esci() {
    close();
}

void FinestraTavolo::closeEvent(QCloseEvent* evento) {
    // Leaving is immediate, whatever is moving or open: the game stops where it is and the
    // application ends normally. There is nothing to save.
    if (!chiusa_ && pronta_) SalvaGeometria();
    chiusa_ = true;
    volo_->Sospendi(true);
    evento->accept();
    if (uscita) uscita();
}

} // namespace brivetta
