#include "BarraComandi.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "Aspetto.h"
#include "GeometriaTavolo.h"
#include "Immagine.h"
#include "PannelloTavolo.h"
#include "Probabilita.h"
#include "Strategia.h"
#include "TestiGioco.h"

namespace brivetta {

namespace {
constexpr int AltoBottoni = 8;
constexpr int AltezzaBottoni = 27;
constexpr int LatoIcona = 20;
constexpr QSize Moneta(135, 18);
constexpr int Distacco = 8; // of the odds from the stake caption
constexpr int Margine = 6;  // inside the labels read with Tab, around their text and focus frame

// The room kept for the money and the dealer: a long money and the longest computer name.
QString SituazioneLarga() {
    std::array<std::string, MaxGiocatori + 1> nomi{};
    nomi[1] = "Leonardo";
    return TestiGioco::Situazione({-9999, 1}, nomi);
}

// Money to the cent, its sign always shown: "+0,00€", "-12,50€".
QString Euro(double importo) {
    const qint64 centesimi = qRound64(importo * 100);
    const qint64 assoluti = std::abs(centesimi);
    return QStringLiteral("%1%2,%3€")
        .arg(QLatin1Char(centesimi < 0 ? '-' : '+'))
        .arg(assoluti / 100)
        .arg(assoluti % 100, 2, 10, QLatin1Char('0'));
}

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

void ImpostaTesto(QLabel* l, const QString& testo) {
    if (l->text() != testo) l->setText(testo);
}

void Comanda(QWidget* w, const Comando& c) {
    w->setVisible(c.Visibile);
    w->setEnabled(c.Abilitato);
}

// The slider's keys: arrows by 1, the page keys by 5, Home and End to its ends; the value then
// goes the way of any other change. Other keys (the play keys, + and -) go on to the window.
class TastiCursore : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        auto* cursore = qobject_cast<QScrollBar*>(oggetto);
        if (!cursore || evento->type() != QEvent::KeyPress) return false;
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tasto->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) return false;
        int valore = cursore->value();
        switch (tasto->key()) {
        case Qt::Key_Right:
        case Qt::Key_Up:
            valore += cursore->singleStep();
            break;
        case Qt::Key_Left:
        case Qt::Key_Down:
            valore -= cursore->singleStep();
            break;
        case Qt::Key_PageUp:
            valore += cursore->pageStep();
            break;
        case Qt::Key_PageDown:
            valore -= cursore->pageStep();
            break;
        case Qt::Key_Home:
            valore = cursore->minimum();
            break;
        case Qt::Key_End:
            valore = cursore->maximum();
            break;
        default:
            return false;
        }
        cursore->setValue(valore);
        return true;
    }
};

// A label a screen reader reads when reached with Tab.
QLabel* EtichettaLetta(QWidget* barra, const QString& nome, QObject* cornice) {
    auto* l = new QLabel(barra);
    l->setFont(CarattereTavolo(false));
    l->setTextFormat(Qt::PlainText);
    l->setAccessibleName(nome);
    l->setFocusPolicy(Qt::TabFocus);
    l->installEventFilter(cornice);
    l->setIndent(Margine);
    return l;
}

// A label reached with Tab shows a frame while it holds the focus: the bar's buttons show theirs.
class CorniceAlFuoco : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        auto* etichetta = qobject_cast<QLabel*>(oggetto);
        if (etichetta && (evento->type() == QEvent::FocusIn || evento->type() == QEvent::FocusOut))
            etichetta->setFrameShape(evento->type() == QEvent::FocusIn ? QFrame::Box
                                                                       : QFrame::NoFrame);
        return false;
    }
};
} // namespace

BarraComandi::BarraComandi(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    // The bar is a grey panel over the green cloth.
    QPalette grigio = palette();
    grigio.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    setPalette(grigio);
    setFixedHeight(AltezzaBarraBottoni);

    nuovaPartita_ = BottoneImmagine(this, "nuova", {}, tr("Nuova partita"),
                                    {6, AltoBottoni - 4, 25, AltezzaBottoni});
    cartaScoperta_ = BottoneImmagine(this, "scoperta", tr("Scoperta"), tr("Altra carta scoperta"),
                                     {32, AltoBottoni - 4, 73, AltezzaBottoni});
    cartaCoperta_ = BottoneImmagine(this, "coperta", tr("Coperta"), tr("Altra carta coperta"),
                                    {106, AltoBottoni - 4, 105, AltezzaBottoni});
    stop_ = BottoneImmagine(this, "stop", tr("Stop"), tr("OK mi basta e mi fermo."),
                            {212, AltoBottoni - 4, 61, AltezzaBottoni});
    for (Azione a :
         {Azione::NuovaPartita, Azione::CartaScoperta, Azione::CartaCoperta, Azione::Stop}) {
        QPushButton* b = Bottone(a);
        // Buttons take the focus from Tab only: one that holds it was pressed from the keyboard.
        connect(b, &QPushButton::clicked, this, [this, a, b] {
            daRidare_ = daTastiera_ || b->hasFocus() ? b : nullptr;
            emit mossa(a, 0);
        });
    }

    const QFont testo = CarattereTavolo(false);
    etichettaPosta_ = new QLabel(tr("Posta:"), this);
    etichettaPosta_->setFont(testo);
    etichettaPosta_->setGeometry(278, AltoBottoni - 4, 37, AltezzaBottoni);
    cursore_ = new QScrollBar(Qt::Horizontal, this);
    cursore_->setRange(0, MassimoCursore);
    cursore_->setSingleStep(1);
    cursore_->setPageStep(5);
    cursore_->setGeometry(312, AltoBottoni, 133, AltezzaBottoni - 8);
    cursore_->setAccessibleName(tr("Posta"));
    // In the Tab order, where arrows and +/- move it by 1, Page Up/Down by 5, Home/End to its
    // ends; every change is a move like a drag of the mouse.
    cursore_->setFocusPolicy(Qt::TabFocus);
    cursore_->installEventFilter(new TastiCursore(cursore_));
    connect(cursore_, &QScrollBar::valueChanged, this, [this](int valore) {
        if (cursore_->hasFocus()) daRidare_ = cursore_;
        ScriviConsiglio(); // the stake the slider shows now, before the game takes it
        emit mossa(Azione::Posta, valore);
    });
    monete_ = new Immagine(this, Immagine::Modo::Ritaglia);
    monete_->ImpostaImmagine(QPixmap(QStringLiteral(":/immagini/monete.png")));
    monete_->setGeometry(448, AltoBottoni + (AltezzaBottoni - 8 - Moneta.height()) / 2, 0,
                         Moneta.height());
    monete_->setToolTip(tr("Dollari puntati"));
    monete_->setAccessibleName(tr("Dollari puntati"));
    didascaliaPosta_ = new QLabel(this);
    didascaliaPosta_->setFont(testo);
    didascaliaPosta_->setGeometry(592, AltoBottoni - 4, 30, AltezzaBottoni);

    auto* cornice = new CorniceAlFuoco(this);
    probabilita_ = EtichettaLetta(this, tr("Probabilità"), cornice);
    probabilita_->setToolTip(tr("Probabilità che la prossima carta ti faccia sballare o fare 7½"));
    const QRect posta = didascaliaPosta_->geometry();
    const int larghezza = probabilita_->fontMetrics().horizontalAdvance(
        TestiGioco::Probabilita({1, 1, 1})); // the widest text
    probabilita_->setGeometry(posta.right() + 1 + Distacco, posta.top(), larghezza + 2 * Margine,
                              posta.height());
    probabilita_->hide();

    // The better move in bold: the label reads rich text built from our own words only.
    consiglio_ = EtichettaLetta(this, tr("Consiglio"), cornice);
    consiglio_->setTextFormat(Qt::RichText);
    QFont grassetto = consiglio_->font();
    grassetto.setBold(true);
    // Room for usual figures; a longer text widens the label and the bar.
    larghezzaConsiglio_ = QFontMetrics(grassetto).horizontalAdvance(
                              tr("Stop %1").arg(Euro(-99.99)) + QStringLiteral(" · ") +
                              tr("Carta %1").arg(Euro(-99.99))) +
                          2 * Margine;
    consiglio_->setGeometry(0, posta.top(), larghezzaConsiglio_, posta.height());
    consiglio_->hide();

    situazione_ = EtichettaLetta(this, tr("Situazione"), cornice);
    situazione_->setGeometry(0, posta.top(), 0, posta.height());
    situazione_->hide();
    PosaSituazione();
}

void BarraComandi::resizeEvent(QResizeEvent* evento) {
    QFrame::resizeEvent(evento);
    PosaSituazione();
}

// At the bar's right end, as wide as its text. Every control of the bar stays in sight: the bar is
// never narrower than its controls with the money and the dealer at their usual widest, or
// wider still for a longer name.
void BarraComandi::PosaSituazione() {
    const QFontMetrics metrica = situazione_->fontMetrics();
    const int larghezza = metrica.horizontalAdvance(situazione_->text()) + 2 * Margine;
    const int riservata = std::max(larghezza, metrica.horizontalAdvance(SituazioneLarga()));
    // The advice in the odds' place; with the odds switched on too, the two one above the other,
    // so that the bar still fits a screen 1024 pixels wide. Its room only while it is switched
    // on, so the bar is otherwise as narrow as before.
    const QRect posta = didascaliaPosta_->geometry();
    const bool impilate = consiglioAcceso_ && conProbabilita_;
    const int alta = impilate ? posta.height() / 2 : posta.height();
    const int x = probabilita_->x();
    probabilita_->setGeometry(x, posta.top(), probabilita_->width(), alta);
    consiglio_->setGeometry(x, posta.bottom() + 1 - alta, consiglio_->width(), alta);
    int destra = probabilita_->geometry().right();
    if (consiglioAcceso_) destra = std::max(destra, consiglio_->geometry().right());
    setMinimumWidth(destra + 1 + Distacco + riservata + Margine);
    situazione_->setGeometry(width() - Margine - larghezza, situazione_->y(), larghezza,
                             situazione_->height());
}

QPushButton* BarraComandi::Bottone(Azione azione) const {
    switch (azione) {
    case Azione::NuovaPartita:
        return nuovaPartita_;
    case Azione::CartaScoperta:
        return cartaScoperta_;
    case Azione::CartaCoperta:
        return cartaCoperta_;
    case Azione::Stop:
        return stop_;
    case Azione::Posta:
        break;
    }
    return nullptr;
}

void BarraComandi::Premi(Azione azione) {
    QPushButton* b = Bottone(azione);
    if (!b || !b->isVisible() || !b->isEnabled()) return;
    daTastiera_ = true;
    b->click();
    daTastiera_ = false;
}

void BarraComandi::FuocoAlGioco() {
    daRidare_ = nuovaPartita_;
}

void BarraComandi::TurnoUmano() {
    QWidget* w = std::exchange(daRidare_, nullptr);
    if (!w) return;
    auto pronto = [this](const QWidget* c) { return c->isVisibleTo(this) && c->isEnabled(); };
    // A new game is never started again by the same key.
    if (w == nuovaPartita_ || !pronto(w)) {
        w = nullptr;
        for (QWidget* b : {cartaScoperta_, cartaCoperta_, stop_})
            if (pronto(b)) {
                w = b;
                break;
            }
    }
    if (w) w->setFocus(Qt::OtherFocusReason);
}

void BarraComandi::SpostaPosta(int passi) {
    if (cursore_->isVisible() && cursore_->isEnabled())
        cursore_->setValue(cursore_->value() + passi);
}

void BarraComandi::Mostra(const VistaTavolo& v, bool cursoreTenuto, const QString& probabilita,
                          const QString& situazione) {
    Comanda(nuovaPartita_, v.NuovaPartita);
    Comanda(cartaScoperta_, v.CartaScoperta);
    Comanda(stop_, v.Stop);
    Comanda(cartaCoperta_, v.CartaCoperta);
    Comanda(cursore_, v.Cursore);
    if (cursore_->value() != v.Posta && !cursoreTenuto) {
        const QSignalBlocker blocco(cursore_);
        cursore_->setValue(v.Posta);
    }
    ImpostaTesto(didascaliaPosta_, TestiGioco::Posta(v.Didascalia));
    didascaliaPosta_->setVisible(v.DidascaliaVisibile);
    etichettaPosta_->setVisible(v.EtichettaPostaVisibile);
    // Before the slider's first change the bar has one coin per unit of the slider.
    const int monete = geometria::LarghezzaMoneta * (v.Monete > 0 ? v.Monete : v.Posta);
    monete_->setVisible(v.MoneteVisibili && monete > 0);
    monete_->resize(std::min(monete, Moneta.width()), Moneta.height());

    if (probabilita_->text() != probabilita) {
        probabilita_->setText(probabilita);
        // A screen reader says the name, then the numbers.
        probabilita_->setAccessibleDescription(probabilita);
    }
    probabilita_->setVisible(!probabilita.isEmpty());

    if (situazione_->text() != situazione) {
        situazione_->setText(situazione);
        situazione_->setAccessibleDescription(situazione);
        PosaSituazione();
    }
    situazione_->setVisible(!situazione.isEmpty());
}

void BarraComandi::MostraConsiglio(bool acceso, bool conProbabilita,
                                   const std::optional<ConsigliPerPosta>& consigli) {
    consigli_ = consigli;
    if (consiglioAcceso_ != acceso || conProbabilita_ != conProbabilita) {
        consiglioAcceso_ = acceso;
        conProbabilita_ = conProbabilita;
        PosaSituazione();
    }
    ScriviConsiglio();
}

// "Stop +1,20€ · Carta -0,40€" with the stake the slider shows, the better move in bold and its
// buttons' tooltips saying so; only the stop when the hand takes no more cards.
void BarraComandi::ScriviConsiglio() {
    if (!consiglio_) return; // the slider is set up before the label
    const Consiglio* c =
        consigli_ ? &(*consigli_)[std::clamp(cursore_->value(), 0, MassimoCursore)] : nullptr;
    const bool carta = c && c->MeglioCarta();
    QString testo;
    QString letto;
    if (c) {
        const QString stop = tr("Stop %1").arg(Euro(c->Stop));
        const QString altra = tr("Carta %1").arg(Euro(c->Carta));
        auto segnato = [](const QString& parte, bool meglio) {
            return meglio ? QStringLiteral("<b>%1</b>").arg(parte.toHtmlEscaped())
                          : parte.toHtmlEscaped();
        };
        testo = segnato(stop, !carta);
        letto = stop;
        if (c->CartaPossibile) {
            testo += QStringLiteral(" · ") + segnato(altra, carta);
            letto += QStringLiteral(" · ") + altra;
        }
    }
    if (consiglio_->text() != testo) {
        consiglio_->setText(testo);
        // A screen reader says the name, then the figures.
        consiglio_->setAccessibleDescription(letto);
        const int larghezza = std::max(larghezzaConsiglio_, consiglio_->sizeHint().width());
        if (larghezza != consiglio_->width()) {
            consiglio_->resize(larghezza, consiglio_->height());
            PosaSituazione();
        }
    }
    consiglio_->setVisible(c != nullptr);
    // A button's normal tooltip is its name.
    const QString consigliato = tr("Consigliato");
    stop_->setToolTip(c && !carta ? consigliato : stop_->accessibleName());
    for (QPushButton* b : {cartaScoperta_, cartaCoperta_})
        b->setToolTip(carta ? consigliato : b->accessibleName());
}

} // namespace brivetta
