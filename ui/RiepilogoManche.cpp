#include "RiepilogoManche.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "Immagine.h"
#include "Tavolo.h"
#include "Twips.h"

namespace brivetta {

namespace {
constexpr int PassoRiga = 495;
constexpr int AltoIntestazione = 45;
constexpr int LatoFacciaTw = 510;
constexpr int SinistraFacciaTw = 90;
// Left edges of name, score, amount, money and position.
constexpr std::array<int, 5> SinistraColonna = {600, 2040, 3120, 4080, 4890};
constexpr int LarghezzaUltimaColonna = 40;
constexpr int MargineDestro = 8;
constexpr int SpazioColonne = 8;
constexpr int MargineSchermo = 70; // twips kept free at the screen's right edge

const std::array<const char*, 5> Intestazioni = {"Giocatore", "Punti", "€", "€ Rim.", "Pos."};
const std::array<const char*, 5> Suggerimenti = {"Nome giocatore", "Punti fatti in questa manche",
                                                 "$ puntati questa manche", "$ rimasti",
                                                 "Posizione in classifica"};
} // namespace

RiepilogoManche::RiepilogoManche(const Riepilogo& riepilogo, const std::function<QPixmap(int)>& facce,
               QWidget* parent)
    : QDialog(parent) {
    CaricaRisorse();
    setWindowTitle(QStringLiteral("Brivetta - Riepilogo manche"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const QFont testo = CarattereTavolo(false);
    QFont intestazione = CarattereTavolo(true);
    QFont mazziere = testo;
    mazziere.setPointSizeF(9.75);
    mazziere.setItalic(true);

    for (int c = 0; c < 5; ++c) {
        auto* l = new QLabel(QString::fromUtf8(Intestazioni[c]), this);
        l->setFont(intestazione);
        l->setToolTip(QString::fromUtf8(Suggerimenti[c]));
        celle_[0][c] = l;
    }
    int ultimaRiga = 0;
    for (int i = 1; i <= MaxGiocatori; ++i) {
        const RigaRiepilogo& r = riepilogo.Righe[i];
        facce_[i] = new Immagine(this);
        facce_[i]->ImpostaImmagine(facce(r.Faccia));
        // Even elements are the smiling faces.
        facce_[i]->setAccessibleName(r.Faccia % 2 == 0 ? QStringLiteral("contento")
                                                       : QStringLiteral("scontento"));
        const QString valori[5] = {QString::fromStdString(r.Nome), QString::fromStdString(r.Punti),
                                   QString::fromStdString(r.Importo), QString::number(r.Soldi),
                                   QString::fromStdString(r.Posizione)};
        for (int c = 0; c < 5; ++c) {
            auto* l = new QLabel(valori[c], this);
            l->setTextFormat(Qt::PlainText); // the human's name as typed, tags included
            l->setFont(testo);
            l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            celle_[i][c] = l;
        }
        if (r.Mazziere) {
            celle_[i][0]->setFont(mazziere);
            QPalette blu = celle_[i][0]->palette();
            blu.setColor(QPalette::WindowText, ColorePalette(1));
            celle_[i][0]->setPalette(blu);
        }
        facce_[i]->setVisible(r.Visibile);
        for (auto* l : celle_[i])
            l->setVisible(r.Visibile);
        if (r.Visibile) ultimaRiga = i;
    }
    facce_[1]->setToolTip(QStringLiteral("Questa è la riga con il tuo punteggio"));

    // Columns at their usual places, pushed right only when a name (the dealer's, longer and
    // larger) would run into the scores.
    std::array<int, 5> sinistra{};
    for (int c = 0; c < 5; ++c)
        sinistra[c] = Px(SinistraColonna[c]);
    int larghezzaNomi = 0;
    for (int i = 0; i <= MaxGiocatori; ++i)
        if (celle_[i][0]->isVisibleTo(this) || i == 0)
            larghezzaNomi = std::max(larghezzaNomi, celle_[i][0]->sizeHint().width());
    const int spinta = std::max(0, sinistra[0] + larghezzaNomi + SpazioColonne - sinistra[1]);
    for (int c = 1; c < 5; ++c)
        sinistra[c] += spinta;

    const int lato = Px(LatoFacciaTw);
    for (int i = 0; i <= MaxGiocatori; ++i) {
        const int alto = i == 0 ? Px(AltoIntestazione) : Px(PassoRiga * i);
        const int altezza = i == 0 ? QFontMetrics(intestazione).height() : lato;
        if (i > 0) facce_[i]->setGeometry(Px(SinistraFacciaTw), alto, lato, lato);
        for (int c = 0; c < 5; ++c) {
            const int fine = c < 4 ? sinistra[c + 1] - 2 : sinistra[4] + LarghezzaUltimaColonna;
            celle_[i][c]->setGeometry(sinistra[c], alto, fine - sinistra[c], altezza);
        }
    }

    ok_ = new QPushButton(QIcon(QStringLiteral(":/immagini/ok.png")), QStringLiteral("&OK"), this);
    ok_->setToolTip(QStringLiteral("OK ho visto, vai avanti."));
    ok_->setIconSize(QSize(24, 24));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    const int larghezza = sinistra[4] + LarghezzaUltimaColonna + MargineDestro;
    const QSize bottone(std::max(90, ok_->sizeHint().width()), 34);
    const int altoBottone = Px(PassoRiga * ultimaRiga) + lato + 12;
    ok_->setGeometry((larghezza - bottone.width()) / 2, altoBottone, bottone.width(),
                     bottone.height());
    setFixedSize(larghezza, altoBottone + bottone.height() + 10);
    ok_->setFocus();
}

void RiepilogoManche::Posiziona(int sinistraMano) {
    const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = schermo->availableGeometry();
    const QSize fuori = frameGeometry().size().expandedTo(size());
    const int x = std::min(sinistraMano, area.right() + 1 - fuori.width() - Px(MargineSchermo));
    const int y = area.top() + (area.height() - fuori.height()) / 2;
    move(std::max(area.left(), x), std::max(area.top(), y));
}

} // namespace brivetta
