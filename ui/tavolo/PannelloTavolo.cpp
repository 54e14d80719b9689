#include "PannelloTavolo.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "Accessibile.h"
#include "Aspetto.h"
#include "Facce.h"
#include "GeometriaTavolo.h"
#include "Immagine.h"
#include "TestiGioco.h"
#include "VoloCarta.h"

namespace brivetta {

namespace {
constexpr std::array<Volto, 2> Umori = {Volto::Contento, Volto::Scontento};

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

void ImpostaNome(QWidget* w, const QString& nome) {
    if (w->accessibleName() != nome) w->setAccessibleName(nome);
}

void MostraIn(QWidget* w, bool visibile, QPoint dove = {}) {
    if (visibile) w->move(PannelloTavolo::Punto(dove));
    w->setVisible(visibile);
}
} // namespace

PannelloTavolo::PannelloTavolo(const Facce& facce, QWidget* parent)
    : QWidget(parent), facce_(facce) {
    QPalette verde = palette();
    verde.setColor(QPalette::Window, colori::Panno);
    setPalette(verde);
    setAutoFillBackground(true);
    setAccessibleName(tr("Tavolo"));

    auto carta = [this](const QString& nome) {
        auto* c = new Immagine(this);
        c->resize(geometria::Carta);
        c->setAccessibleName(nome);
        c->hide();
        return c;
    };
    for (int i = 0; i <= CarteNelMazzo; ++i)
        carte_[i] = carta(TestiGioco::NomeCarta(i));
    for (int posto = 1; posto <= MaxGiocatori; ++posto)
        dorsi_[posto] = carta(TestiGioco::NomeCarta(CarteNelMazzo + posto));
    for (int posto = 1; posto <= MaxGiocatori; ++posto) {
        for (auto*& volto : volti_[posto]) {
            volto = new Immagine(this);
            volto->resize(geometria::LatoFaccia);
            volto->hide();
        }
    }
    AggiornaFacce();
    segnaTurno_ = new Immagine(this);
    segnaTurno_->resize(geometria::SegnaTurno);
    segnaTurno_->ImpostaImmagine(QPixmap(QStringLiteral(":/immagini/turno.png")));
    segnaTurno_->setToolTip(tr("Giocatore di turno"));
    segnaTurno_->setAccessibleName(tr("Giocatore di turno"));
    segnaTurno_->hide();
    CreaEtichette();
}

void PannelloTavolo::CreaEtichette() {
    for (int posto = 1; posto <= MaxGiocatori; ++posto) {
        auto* l = new QLabel(this);
        // The seat labels keep the window's bold font; only the name label is regular.
        l->setFont(CarattereTavolo(true));
        l->setAlignment(Qt::AlignCenter);
        Colora(l, colori::Giallo, colori::Blu);
        l->setToolTip(TestiGioco::SuggerimentoEtichetta(posto));
        l->hide();
        etichette_[posto] = l;
    }
    nomeUmano_ = new QLabel(this);
    nomeUmano_->setFont(CarattereTavolo(false));
    nomeUmano_->setTextFormat(Qt::PlainText); // a name typed as "<b>Ugo" is shown as typed
    nomeUmano_->setAlignment(Qt::AlignCenter);
    Colora(nomeUmano_, colori::Ciano, colori::Nero);
    nomeUmano_->setToolTip(tr("Clicca su opzioni per cambio nome"));
    nomeUmano_->hide();
}

void PannelloTavolo::ImpostaImmagineCarta(int indice, const QPixmap& immagine) {
    if (indice < 0 || indice > CarteNelMazzo) return;
    immaginiCarte_[indice] = immagine;
    carte_[indice]->ImpostaImmagine(immagine);
    // The covered cards show the set's back.
    if (indice == 0)
        for (int posto = 1; posto <= MaxGiocatori; ++posto)
            dorsi_[posto]->ImpostaImmagine(immagine);
}

QPixmap PannelloTavolo::ImmagineCarta(int indice) const {
    return indice >= 0 && indice <= CarteNelMazzo ? immaginiCarte_[indice] : QPixmap();
}

void PannelloTavolo::AggiornaFacce() {
    for (int posto = 1; posto <= MaxGiocatori; ++posto)
        for (int k = 0; k < 2; ++k)
            volti_[posto][k]->ImpostaImmagine(facce_.Posto(posto, Umori[k]));
}

void PannelloTavolo::FaiVolare(VoloCarta& volo, const Volo& dati, double pixelAlSecondo) {
    using namespace geometria;
    const QPoint da =
        dati.DallaCoperta ? PartenzaDallaCoperta(dati.Posto) : PartenzaDalMazzo(dati.Mazziere);
    volo_ = &volo;
    volo.Parti(carte_[dati.Carta], Punto(da), Punto(Casella(dati.Posto, dati.Casella)),
               pixelAlSecondo);
    // The flight has raised it over everything already.
    luoghiMostrati_[dati.Carta] = {static_cast<std::int8_t>(dati.Posto),
                                   static_cast<std::int8_t>(dati.Casella)};
}

void PannelloTavolo::Mostra(const VistaTavolo& v,
                            const std::array<std::string, MaxGiocatori + 1>& nomi) {
    using namespace geometria;
    const QWidget* inVolo = volo_ && volo_->InVolo() ? volo_->Carta() : nullptr;
    for (int c = 1; c <= CarteNelMazzo; ++c) {
        const Luogo& l = v.Carte[c];
        if (carte_[c] == inVolo) continue; // the flight places it
        MostraIn(carte_[c], l.Posto != 0, Casella(l.Posto, l.Casella));
        // The human sees his covered card face up: his alone, as name and tooltip tell.
        const bool coperta = v.CopertaUmano && l == Luogo{1, 1};
        ImpostaNome(carte_[c],
                    coperta ? TestiGioco::NomeCartaCoperta(c) : TestiGioco::NomeCarta(c));
        const QString suggerimento =
            c == Matta ? tr("Questa è la matta, vale 1,2,3,4,5,6,7 o 1/2") : QString();
        const QString tuaCoperta = tr("La tua carta coperta: gli altri non la vedono");
        const QString conCoperta =
            suggerimento.isEmpty() ? tuaCoperta : suggerimento + QLatin1Char('\n') + tuaCoperta;
        if (carte_[c]->toolTip() != (coperta ? conCoperta : suggerimento))
            carte_[c]->setToolTip(coperta ? conCoperta : suggerimento);
        // A card that has just been placed lies over everything.
        if (!(l == luoghiMostrati_[c]) && l.Posto != 0) carte_[c]->raise();
        luoghiMostrati_[c] = l;
    }
    for (int posto = 1; posto <= MaxGiocatori; ++posto)
        MostraIn(dorsi_[posto], v.Dorso[posto], Casella(posto, 1));
    MostraIn(carte_[0], v.Mazzo != 0, geometria::Mazzo(v.Mazzo));
    carte_[0]->stackUnder(segnaTurno_); // the marker may point at the dealer's row
    for (int posto = 1; posto <= MaxGiocatori; ++posto) {
        for (int k = 0; k < 2; ++k) {
            QWidget* w = volti_[posto][k];
            MostraIn(w, v.Volti[posto] == Umori[k], Faccia(posto));
            ImpostaNome(w, NomeEtichettaPosto(nomi[posto], k ? tr("scontento") : tr("contento")));
        }
    }
    MostraIn(segnaTurno_, v.SegnaTurno >= 1 && v.SegnaTurno <= MaxGiocatori, Turno(v.SegnaTurno));

    for (int posto = 1; posto <= MaxGiocatori; ++posto) {
        QLabel* l = etichette_[posto];
        const QString testo = TestiGioco::Etichetta(v.Etichette[posto]);
        ImpostaTesto(l, testo);
        l->setGeometry(QRect(Punto(Etichetta(posto)),
                             QSize(LarghezzaEtichetta, l->fontMetrics().height() + 2)));
        ImpostaNome(l, NomeEtichettaPosto(nomi[posto], testo));
        l->setVisible(!testo.isEmpty() && posto <= v.EtichetteInGioco);
    }
    // The name label is as wide as its text, placed where the name it was centred for sets it.
    const QFontMetrics metrica(nomeUmano_->font());
    auto larghezza = [&metrica](const std::string& testo) {
        return metrica.horizontalAdvance(QString::fromStdString(testo)) + 4;
    };
    const QString nome = QString::fromStdString(v.NomeUmano);
    ImpostaTesto(nomeUmano_, nome);
    nomeUmano_->setGeometry(QRect(Punto(NomeUmano(larghezza(v.NomeCentrato))),
                                  QSize(larghezza(v.NomeUmano), metrica.height() + 2)));
    nomeUmano_->setVisible(!nome.isEmpty() && v.RigheDipinte > 0);

    // The cloth is repainted only when what is painted on it changes.
    if (v.RigheDipinte != righe_ || nomi != nomi_) {
        righe_ = v.RigheDipinte;
        // Rows that do not fit in the window are scrolled to.
        const int righe = std::clamp<int>(righe_, 0, MaxGiocatori);
        setMinimumHeight(righe > 0 ? Riga(righe + 1) + 28 + SpostamentoTavolo : 0);
        nomi_ = nomi;
        update();
    }
}

void PannelloTavolo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.translate(0, SpostamentoTavolo);
    p.setFont(CarattereTavolo(true));
    using namespace geometria;
    const int righe = std::min(righe_, MaxGiocatori);
    for (int posto = 1; posto <= righe; ++posto) {
        // Panel from (39, row + 28) to (98, next row + 26), both corners included.
        const QRect pannello(QPoint(SinistraPannello - 1, Riga(posto) + 28),
                             QPoint(SinistraPannello + LarghezzaPannello, Riga(posto + 1) + 26));
        p.fillRect(pannello, ColorePannello(posto));
        p.setPen(colori::Bianco);
        p.drawRect(pannello.adjusted(0, 0, -1, -1));
        p.drawLine(0, Riga(posto + 1) + 27, width(), Riga(posto + 1) + 27);
        if (posto > 1) {
            // The computer names keep their leading blanks; grey then black gives the shadow.
            const QString nome = QString::fromStdString(nomi_[posto]);
            const int y = Riga(posto + 1);
            p.setPen(colori::Grigio);
            p.drawText(QRect(39, y, 400, 40), Qt::AlignLeft | Qt::AlignTop, nome);
            p.setPen(colori::Nero);
            p.drawText(QRect(40, y + 1, 400, 40), Qt::AlignLeft | Qt::AlignTop, nome);
        }
    }
}

} // namespace brivetta
