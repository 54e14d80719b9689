#include "BarraComandi.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "Aspetto.h"
#include "GeometriaTavolo.h"
#include "Immagine.h"
#include "PannelloTavolo.h"
#include "Probabilita.h"
#include "Strategia.h"

namespace brivetta {

namespace {
constexpr int AltoBottoni = 8;
constexpr int AltezzaBottoni = 27;
constexpr int LarghezzaBarra = 3000;
constexpr int LatoIcona = 20;
constexpr QSize Moneta(135, 18);
constexpr int Distacco = 8; // of the odds from the stake caption
constexpr int Margine = 6;  // inside the odds label, around its widest text and the focus frame

const QString NomeProbabilita = QStringLiteral("Probabilità");
const QString SuggerimentoProbabilita =
    QStringLiteral("Probabilità che la prossima carta ti faccia sballare o fare 7½");

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
    setGeometry(0, 0, LarghezzaBarra, AltezzaBarraBottoni);

    nuovaPartita_ = BottoneImmagine(this, "nuova", {}, QStringLiteral("Nuova partita"),
                                    {6, AltoBottoni - 4, 25, AltezzaBottoni});
    cartaScoperta_ = BottoneImmagine(this, "scoperta", QStringLiteral("Scoperta"),
                                     QStringLiteral("Altra carta scoperta"),
                                     {32, AltoBottoni - 4, 73, AltezzaBottoni});
    cartaCoperta_ = BottoneImmagine(this, "coperta", QStringLiteral("Coperta"),
                                    QStringLiteral("Altra carta coperta"),
                                    {106, AltoBottoni - 4, 105, AltezzaBottoni});
    stop_ = BottoneImmagine(this, "stop", QStringLiteral("Stop"),
                            QStringLiteral("OK mi basta e mi fermo."),
                            {212, AltoBottoni - 4, 61, AltezzaBottoni});
    for (Azione a :
         {Azione::NuovaPartita, Azione::CartaScoperta, Azione::CartaCoperta, Azione::Stop})
        connect(Bottone(a), &QPushButton::clicked, this, [this, a] { emit mossa(a, 0); });

    const QFont testo = CarattereTavolo(false);
    etichettaPosta_ = new QLabel(QStringLiteral("Posta:"), this);
    etichettaPosta_->setFont(testo);
    etichettaPosta_->setGeometry(278, AltoBottoni - 4, 37, AltezzaBottoni);
    cursore_ = new QScrollBar(Qt::Horizontal, this);
    cursore_->setRange(0, MassimoCursore);
    cursore_->setSingleStep(1);
    cursore_->setPageStep(5);
    cursore_->setGeometry(312, AltoBottoni, 133, AltezzaBottoni - 8);
    cursore_->setAccessibleName(QStringLiteral("Posta"));
    connect(cursore_, &QScrollBar::valueChanged, this,
            [this](int valore) { emit mossa(Azione::Posta, valore); });
    monete_ = new Immagine(this, Immagine::Modo::Ritaglia);
    monete_->ImpostaImmagine(QPixmap(QStringLiteral(":/immagini/monete.png")));
    monete_->setGeometry(448, AltoBottoni + (AltezzaBottoni - 8 - Moneta.height()) / 2, 0,
                         Moneta.height());
    monete_->setToolTip(QStringLiteral("Dollari puntati"));
    monete_->setAccessibleName(QStringLiteral("Dollari puntati"));
    didascaliaPosta_ = new QLabel(this);
    didascaliaPosta_->setFont(testo);
    didascaliaPosta_->setGeometry(592, AltoBottoni - 4, 30, AltezzaBottoni);

    probabilita_ = new QLabel(this);
    probabilita_->setFont(testo);
    probabilita_->setTextFormat(Qt::PlainText);
    probabilita_->setAccessibleName(NomeProbabilita);
    probabilita_->setToolTip(SuggerimentoProbabilita);
    probabilita_->setFocusPolicy(Qt::TabFocus);
    probabilita_->installEventFilter(new CorniceAlFuoco(probabilita_));
    const QRect posta = didascaliaPosta_->geometry();
    const int larghezza = probabilita_->fontMetrics().horizontalAdvance(
        QString::fromStdString(TestoProbabilita({1, 1, 1}))); // the widest text
    probabilita_->setGeometry(posta.right() + 1 + Distacco, posta.top(), larghezza + 2 * Margine,
                              posta.height());
    probabilita_->setIndent(Margine);
    probabilita_->hide();
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
    if (b && b->isVisible() && b->isEnabled()) b->click();
}

void BarraComandi::SpostaPosta(int passi) {
    if (cursore_->isVisible() && cursore_->isEnabled())
        cursore_->setValue(cursore_->value() + passi);
}

void BarraComandi::Mostra(const VistaTavolo& v, bool cursoreTenuto, const QString& probabilita) {
    Comanda(nuovaPartita_, v.NuovaPartita);
    Comanda(cartaScoperta_, v.CartaScoperta);
    Comanda(stop_, v.Stop);
    Comanda(cartaCoperta_, v.CartaCoperta);
    Comanda(cursore_, v.Cursore);
    if (cursore_->value() != v.Posta && !cursoreTenuto) {
        const QSignalBlocker blocco(cursore_);
        cursore_->setValue(v.Posta);
    }
    ImpostaTesto(didascaliaPosta_, QString::fromStdString(TestoPosta(v.Didascalia)));
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
}

} // namespace brivetta
