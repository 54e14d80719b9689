#include "FinestraTavolo.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolButton>
#include <cstdlib>

#include "Accessibile.h"
#include "Immagine.h"
#include "Suono.h"
#include "Tavolo.h"

namespace brivetta {

namespace {
constexpr int AltoBottoni = 8;
constexpr int AltezzaBottoni = 27;
constexpr int LarghezzaFrame1 = 3000;
constexpr int PaddingEtichetta = 2;
constexpr int LatoIcona = 20;
constexpr QSize Moneta(135, 18);

const QString Suggerimento4 = QStringLiteral("OK mi basta e mi fermo.");

QToolButton* BottoneImmagine(QWidget* barra, const char* icona, const QString& testo,
                             const QString& suggerimento, QRect dove) {
    auto* b = new QToolButton(barra);
    b->setIcon(QIcon(QStringLiteral(":/immagini/%1.png").arg(QLatin1String(icona))));
    b->setIconSize(QSize(LatoIcona, LatoIcona));
    b->setText(testo);
    b->setToolButtonStyle(testo.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    b->setToolTip(suggerimento);
    b->setAccessibleName(suggerimento);
    b->setFocusPolicy(Qt::TabFocus);
    b->setFont(CarattereTavolo(false));
    // Narrow margins: the caption fits beside the icon in the bar's fixed widths.
    b->setStyleSheet(QStringLiteral("QToolButton { padding: 1px; }"));
    b->setGeometry(dove);
    return b;
}

void ImpostaTesto(QLabel* l, const QString& testo) {
    if (l->text() != testo) l->setText(testo);
}
} // namespace

FinestraTavolo::FinestraTavolo(FonteCasuale* caso, QWidget* parent)
    : QMainWindow(parent), casoProprio_(caso ? nullptr : std::make_unique<CasualeOrologio>()),
      gioco_(stato_, vista_, *this, caso ? *caso : *casoProprio_) {
    CaricaRisorse();
    setWindowTitle(QStringLiteral("Brivetta 2002"));
    QIcon icona;
    for (int lato : {16, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(":/immagini/brivetta-%1.png").arg(lato);
        if (QFile::exists(file)) icona.addFile(file);
    }
    if (!icona.isNull()) setWindowIcon(icona);
    suonatore = [](const std::string& file) { SuonaEffetto(file); };
    // Leaving is immediate: no question, nothing saved, no clean-up that could write.
    uscita = [] { std::_Exit(0); };

    CreaTavolo();
    CreaBarra();
    CreaMenu();
    CaricaFacce();
    Rinfresca();
}

FinestraTavolo::~FinestraTavolo() = default;

void FinestraTavolo::CreaTavolo() {
    tavolo_ = new Tavolo(stato_, vista_, this);
    setCentralWidget(tavolo_);
    const QFont etichette = CarattereTavolo(false);

    for (int i = 0; i < NumPicture1; ++i) {
        auto* c = new Immagine(tavolo_);
        c->resize(LarghezzaCarta, AltezzaCarta);
        c->setAccessibleName(NomeCarta(i));
        picture1_[i] = c;
    }
    picture1_[Matta]->setToolTip(QStringLiteral("Questa è la matta, vale 1,2,3,4,5,6,7 o 1/2"));
    for (int i = 0; i < static_cast<int>(picture3_.size()); ++i) {
        picture3_[i] = new Immagine(tavolo_);
        picture3_[i]->resize(LatoFaccia, LatoFaccia);
    }
    picture2_ = new Immagine(tavolo_);
    picture2_->resize(LarghezzaSegnaTurno, AltezzaSegnaTurno);
    picture2_->ImpostaImmagine(QPixmap(QStringLiteral(":/immagini/turno.png")));
    picture2_->setToolTip(QStringLiteral("Giocatore di turno"));
    picture2_->setAccessibleName(QStringLiteral("Giocatore di turno"));

    for (int i = 0; i < MaxGiocatori; ++i) {
        auto* l = new QLabel(tavolo_);
        // The seat labels keep the window's bold font; only the name and the stake labels
        // are regular.
        l->setFont(CarattereTavolo(true));
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("background-color: rgb(255,255,0); color: rgb(0,0,255);"));
        l->setToolTip(QString::fromStdString(Gioco::TooltipLabel5(i)));
        l->hide();
        label5_[i] = l;
    }
    label4_ = new QLabel(tavolo_);
    label4_->setFont(etichette);
    label4_->setTextFormat(Qt::PlainText); // a name typed as "<b>Ugo" is shown as typed
    label4_->setAlignment(Qt::AlignCenter);
    label4_->setStyleSheet(QStringLiteral("background-color: rgb(0,255,255); color: black;"));
    label4_->setToolTip(QStringLiteral("Clicca su opzioni per cambio nome"));
    label4_->hide();
}

void FinestraTavolo::CreaBarra() {
    frame1_ = new QFrame(tavolo_);
    frame1_->setFrameShape(QFrame::Panel);
    frame1_->setFrameShadow(QFrame::Raised);
    frame1_->setAutoFillBackground(true);
    // The bar is a grey panel over the green cloth.
    QPalette grigio = frame1_->palette();
    grigio.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    frame1_->setPalette(grigio);
    frame1_->setGeometry(0, 0, LarghezzaFrame1, AltezzaBarraBottoni);

    command3d1_ = BottoneImmagine(frame1_, "nuova", {}, QStringLiteral("Nuova partita"),
                                  {6, AltoBottoni - 4, 25, AltezzaBottoni});
    command3d2_ = BottoneImmagine(frame1_, "scoperta", QStringLiteral("Scoperta"),
                                  QStringLiteral("Altra carta scoperta"),
                                  {32, AltoBottoni - 4, 73, AltezzaBottoni});
    command3d4_ = BottoneImmagine(frame1_, "coperta", QStringLiteral("Coperta"),
                                  QStringLiteral("Altra carta coperta"),
                                  {106, AltoBottoni - 4, 105, AltezzaBottoni});
    command3d3_ = BottoneImmagine(frame1_, "stop", QStringLiteral("Stop"), Suggerimento4,
                                  {212, AltoBottoni - 4, 61, AltezzaBottoni});
    connect(command3d1_, &QToolButton::clicked, this, &FinestraTavolo::Command3d1_Click);
    connect(command3d2_, &QToolButton::clicked, this, &FinestraTavolo::Command3d2_Click);
    connect(command3d3_, &QToolButton::clicked, this, &FinestraTavolo::Command3d3_Click);
    connect(command3d4_, &QToolButton::clicked, this, &FinestraTavolo::Command3d4_Click);

    const QFont etichette = CarattereTavolo(false);
    label2_ = new QLabel(QStringLiteral("Posta:"), frame1_);
    label2_->setFont(etichette);
    label2_->setGeometry(278, AltoBottoni - 4, 37, AltezzaBottoni);
    hScroll1_ = new QScrollBar(Qt::Horizontal, frame1_);
    hScroll1_->setRange(0, MassimoCursore);
    hScroll1_->setSingleStep(1);
    hScroll1_->setPageStep(5);
    hScroll1_->setGeometry(312, AltoBottoni, 133, AltezzaBottoni - 8);
    hScroll1_->setAccessibleName(QStringLiteral("Posta"));
    connect(hScroll1_, &QScrollBar::valueChanged, this, &FinestraTavolo::HScroll1_Change);
    picture4_ = new Immagine(frame1_, Immagine::Modo::Ritaglia);
    picture4_->ImpostaImmagine(QPixmap(QStringLiteral(":/immagini/monete.png")));
    picture4_->setGeometry(448, AltoBottoni + (AltezzaBottoni - 8 - Moneta.height()) / 2, 0,
                           Moneta.height());
    picture4_->setToolTip(QStringLiteral("Dollari puntati"));
    picture4_->setAccessibleName(QStringLiteral("Dollari puntati"));
    label1_ = new QLabel(frame1_);
    label1_->setFont(etichette);
    label1_->setGeometry(592, AltoBottoni - 4, 30, AltezzaBottoni);
}

void FinestraTavolo::CreaMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    fileNuovo_ = file->addAction(QStringLiteral("&Nuova partita"), this, &FinestraTavolo::FileNuovo_Click);
    fileNuovo_->setShortcut(QKeySequence(Qt::Key_F2));
    file->addSeparator();
    menuEsci_ = file->addAction(QStringLiteral("&Esci"), this, &FinestraTavolo::MenuEsci_Click);
    menuEsci_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));

    QMenu* opzioni = menuBar()->addMenu(QStringLiteral("&Opzioni"));
    menuspeed_ = opzioni->addAction(QStringLiteral("&Cambia ..."), this, &FinestraTavolo::Menuspeed_Click);
    opzioni->addSeparator();
    menuS_ = opzioni->addAction(QStringLiteral("&Suono"));
    menuS_->setCheckable(true);
    menuS_->setChecked(true);
    // The entry's tick is flipped by MenuS_Click together with Suono, not by the click itself.
    connect(menuS_, &QAction::triggered, this, [this](bool) {
        menuS_->setChecked(!menuS_->isChecked());
        MenuS_Click();
    });

    QMenu* aiuto = menuBar()->addMenu(QStringLiteral("?"));
    aiuto->addAction(QStringLiteral("&Help"), this, &FinestraTavolo::MenuHelp_Click)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    aiuto->addAction(QStringLiteral("&Regole di Brivetta "), this, &FinestraTavolo::Menureg_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    aiuto->addSeparator();
    aiuto->addAction(QStringLiteral("&Mail all'autore"), this, &FinestraTavolo::MenuMail_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F8));
    aiuto->addAction(QStringLiteral("&Visita Lampo Home Page ..."), this, &FinestraTavolo::MenuPHP_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F9));
    aiuto->addSeparator();
    aiuto->addAction(QStringLiteral("&Info su Brivetta ..."), this, &FinestraTavolo::MenuInfo_Click)
        ->setShortcut(QKeySequence(Qt::Key_F4));
}

void FinestraTavolo::CaricaFacce() {
    for (int s = 2; s <= MaxGiocatori; ++s) {
        facce_[2 * s - 2] = QPixmap(QStringLiteral(":/immagini/faccia_%1_felice.png").arg(s));
        facce_[2 * s - 1] = QPixmap(QStringLiteral(":/immagini/faccia_%1_triste.png").arg(s));
    }
    for (int p = 0; p < 8; ++p) {
        facce_[12 + 2 * p] = QPixmap(QStringLiteral(":/immagini/personaggio_%1_felice.png").arg(p));
        facce_[13 + 2 * p] = QPixmap(QStringLiteral(":/immagini/personaggio_%1_triste.png").arg(p));
    }
    CopiaAvatar();
}

void FinestraTavolo::CopiaAvatar() {
    const int p = std::clamp<int>(stato_.Personaggio, 0, 7);
    facce_[0] = facce_[12 + 2 * p];
    facce_[1] = facce_[13 + 2 * p];
    for (int i = 0; i < static_cast<int>(picture3_.size()); ++i)
        picture3_[i]->ImpostaImmagine(facce_[i]);
}

void FinestraTavolo::ImpostaImmagineCarta(int slot, const QPixmap& immagine) {
    if (slot < 0 || slot >= NumPicture1) return;
    carte_[slot] = immagine;
    picture1_[slot]->ImpostaImmagine(immagine);
}

QPixmap FinestraTavolo::ImmagineCarta(int slot) const {
    return slot >= 0 && slot < NumPicture1 ? carte_[slot] : QPixmap();
}

QPixmap FinestraTavolo::ImmagineFaccia(int indice) const {
    return indice >= 0 && indice < NumPicture3 ? facce_[indice] : QPixmap();
}

void FinestraTavolo::Rinfresca() {
    sincronizzando_ = true;
    // Pictures put below the bottom edge stay out of sight even if the window grows later.
    auto fuoriVista = [this](const Posizione& p) {
        return vista_.Altezza > 0 && p.Alto >= vista_.Altezza;
    };
    for (int i = 0; i < NumPicture1; ++i) {
        const Posizione& p = vista_.Picture1[i];
        picture1_[i]->move(Tavolo::Punto(p));
        picture1_[i]->setVisible(!fuoriVista(p));
        if (!(p == ultimaPosCarta_[i])) {
            // A card that has just moved lies over everything; the deck stays under the
            // turn marker that may point at the dealer's row.
            if (i == 0)
                picture1_[i]->stackUnder(picture2_);
            else
                picture1_[i]->raise();
            ultimaPosCarta_[i] = p;
        }
    }
    for (int i = 0; i < static_cast<int>(picture3_.size()); ++i) {
        picture3_[i]->move(Tavolo::Punto(vista_.Picture3[i]));
        picture3_[i]->setVisible(!fuoriVista(vista_.Picture3[i]));
        const QString nome =
            NomeEtichettaPosto(stato_.Nomi[i / 2 + 1], i % 2 ? "scontento" : "contento");
        if (picture3_[i]->accessibleName() != nome) picture3_[i]->setAccessibleName(nome);
    }
    picture2_->move(Tavolo::Punto(vista_.Picture2));
    picture2_->setVisible(!fuoriVista(vista_.Picture2));

    for (int i = 0; i < MaxGiocatori; ++i) {
        const Etichetta& e = vista_.Label5[i];
        QLabel* l = label5_[i];
        ImpostaTesto(l, QString::fromStdString(e.Testo));
        l->setGeometry(
            QRect(Tavolo::Punto(e.Pos), QSize(LarghezzaLabel5, l->fontMetrics().height() + 2)));
        const QString accessibile = NomeEtichettaPosto(stato_.Nomi[i + 1], e.Testo);
        if (l->accessibleName() != accessibile) l->setAccessibleName(accessibile);
        l->setVisible(!e.Testo.empty() && !fuoriVista(e.Pos));
    }
    const QString nome = QString::fromStdString(vista_.Label4.Testo);
    ImpostaTesto(label4_, nome);
    label4_->setGeometry(
        QRect(Tavolo::Punto(vista_.Label4.Pos),
              QSize(LarghezzaTesto(vista_.Label4.Testo), label4_->fontMetrics().height() + 2)));
    label4_->setVisible(!nome.isEmpty() && vista_.RigheDipinte > 0);

    auto controllo = [](QWidget* w, const Controllo& c) {
        w->setVisible(c.Visibile);
        w->setEnabled(c.Abilitato);
    };
    controllo(command3d1_, vista_.Command3d1);
    controllo(command3d2_, vista_.Command3d2);
    controllo(command3d3_, vista_.Command3d3);
    controllo(command3d4_, vista_.Command3d4);
    controllo(hScroll1_, vista_.HScroll1Ctl);
    if (hScroll1_->value() != vista_.HScroll1) {
        const QSignalBlocker blocco(hScroll1_);
        hScroll1_->setValue(vista_.HScroll1);
    }
    ImpostaTesto(label1_, QString::fromStdString(vista_.Label1));
    label1_->setVisible(vista_.Label1Visibile);
    label2_->setVisible(vista_.Label2Visibile);
    // Before the slider's first change the bar has its design width: one coin per unit.
    const int monete = vista_.Picture4Larghezza > 0 ? vista_.Picture4Larghezza
                                                    : LarghezzaMonetaPosta * vista_.HScroll1;
    picture4_->setVisible(vista_.Picture4Visibile && monete > 0);
    picture4_->resize(std::min(monete, Moneta.width()), Moneta.height());
    fileNuovo_->setEnabled(vista_.FileNuovoAbilitato);
    menuspeed_->setEnabled(vista_.MenuspeedAbilitato);
    frame1_->raise();
    // The cloth is repainted only when what is painted on it changes.
    if (vista_.RigheDipinte != righeDipinte_ || stato_.Nomi != nomiDipinti_) {
        righeDipinte_ = vista_.RigheDipinte;
        nomiDipinti_ = stato_.Nomi;
        tavolo_->update();
    }
    sincronizzando_ = false;
}

void FinestraTavolo::Esegui(Azione azione) {
    // A second play action inside the yields of the first is ignored.
    if (gioco_.Occupato()) return;
    gioco_.Esegui(azione);
    Rinfresca();
}

void FinestraTavolo::FileNuovo_Click() {
    Esegui(Azione::NuovaPartita);
}
void FinestraTavolo::Command3d1_Click() {
    Esegui(Azione::NuovaPartita);
}
void FinestraTavolo::Command3d2_Click() {
    Esegui(Azione::CartaScoperta);
}
void FinestraTavolo::Command3d3_Click() {
    Esegui(Azione::Stop);
}
void FinestraTavolo::Command3d4_Click() {
    Esegui(Azione::CartaCoperta);
}
void FinestraTavolo::MenuEsci_Click() {
    if (uscita) uscita();
}

void FinestraTavolo::closeEvent(QCloseEvent* evento) {
    // Closed in the middle of the computers' play: leave at once, as "Esci" does, rather than
    // let the chain of turns run on behind a closed window. There is nothing to save.
    if (gioco_.Occupato()) MenuEsci_Click();
    QMainWindow::closeEvent(evento);
}

void FinestraTavolo::HScroll1_Change(int valore) {
    if (sincronizzando_) return;
    gioco_.CambiaCursore(valore);
    Rinfresca();
}

void FinestraTavolo::keyPressEvent(QKeyEvent* evento) {
    const Qt::KeyboardModifiers altri =
        evento->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    auto premi = [](QToolButton* b) {
        if (b->isVisible() && b->isEnabled()) b->click();
    };
    if (altri == Qt::NoModifier) {
        switch (evento->key()) {
        case Qt::Key_S:
            premi(command3d2_);
            return;
        case Qt::Key_C:
            premi(command3d4_);
            return;
        case Qt::Key_F:
            premi(command3d3_);
            return;
        case Qt::Key_Plus:
        case Qt::Key_Minus:
            if (hScroll1_->isVisible() && hScroll1_->isEnabled())
                hScroll1_->setValue(hScroll1_->value() + (evento->key() == Qt::Key_Plus ? 1 : -1));
            return;
        default:
            break;
        }
    }
    QMainWindow::keyPressEvent(evento);
}

} // namespace brivetta
