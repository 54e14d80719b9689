#include "RiepilogoManche.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "Aspetto.h"
#include "Immagine.h"
#include "TestiGioco.h"

namespace brivetta {

namespace {
constexpr int LatoFacciaRiga = 34;
constexpr int SpazioRighe = 0; // the faces almost touch, one seat under the other
constexpr int SpazioColonne = 8;
// Narrowest width of name, score, amount, money and position, so the columns line up the
// same way from one manche to the next.
constexpr std::array<int, RiepilogoManche::NumColonne> LarghezzaColonna = {88, 64, 56, 46, 40};
constexpr int MargineSchermo = 5; // kept free at the screen's right edge
constexpr int LarghezzaBottone = 90;
constexpr qreal PuntiMazziere = 9.75;

const std::array<const char*, RiepilogoManche::NumColonne> Intestazioni = {
    QT_TRANSLATE_NOOP("brivetta::RiepilogoManche", "Giocatore"),
    QT_TRANSLATE_NOOP("brivetta::RiepilogoManche", "Punti"),
    QT_TRANSLATE_NOOP("brivetta::RiepilogoManche", "€"),
    QT_TRANSLATE_NOOP("brivetta::RiepilogoManche", "€ Rim."),
    QT_TRANSLATE_NOOP("brivetta::RiepilogoManche", "Pos.")};
const std::array<const char*, RiepilogoManche::NumColonne> Suggerimenti = {
    QT_TRANSLATE_NOOP("brivetta::RiepilogoManche", "Nome giocatore"),
    QT_TRANSLATE_NOOP("brivetta::RiepilogoManche", "Punti fatti in questa manche"),
    QT_TRANSLATE_NOOP("brivetta::RiepilogoManche", "$ puntati questa manche"),
    QT_TRANSLATE_NOOP("brivetta::RiepilogoManche", "$ rimasti"),
    QT_TRANSLATE_NOOP("brivetta::RiepilogoManche", "Posizione in classifica")};

// The one place that reads the row's face: its picture and whether it smiles.
void MostraFaccia(Immagine* dove, int posto, const RigaRiepilogo& riga,
                  const std::function<QPixmap(int, Volto)>& facce) {
    dove->ImpostaImmagine(facce(posto, riga.Faccia));
    dove->setAccessibleName(
        riga.Faccia == Volto::Contento
            ? QCoreApplication::translate("brivetta::RiepilogoManche", "contento")
            : QCoreApplication::translate("brivetta::RiepilogoManche", "scontento"));
}
} // namespace

RiepilogoManche::RiepilogoManche(const Riepilogo& riepilogo,
                                 const std::function<QPixmap(int, Volto)>& facce, QWidget* parent)
    : QDialog(parent) {
    CaricaRisorse();
    setWindowTitle(tr("Brivetta - Riepilogo manche"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(CarattereTavolo(false));
    QFont mazziere = font();
    mazziere.setPointSizeF(PuntiMazziere);
    mazziere.setItalic(true);

    auto* tabella = new QGridLayout;
    tabella->setVerticalSpacing(SpazioRighe);
    tabella->setHorizontalSpacing(SpazioColonne);
    for (int c = 0; c < NumColonne; ++c) {
        auto* l = new QLabel(tr(Intestazioni[c]));
        l->setFont(CarattereTavolo(true));
        l->setToolTip(tr(Suggerimenti[c]));
        celle_[0][c] = l;
        tabella->addWidget(l, 0, c + 1);
        tabella->setColumnMinimumWidth(c + 1, LarghezzaColonna[c]);
    }
    for (int i = 1; i <= MaxGiocatori; ++i) {
        const RigaRiepilogo& r = riepilogo.Righe[i];
        facce_[i] = new Immagine;
        facce_[i]->setFixedSize(LatoFacciaRiga, LatoFacciaRiga);
        MostraFaccia(facce_[i], i, r, facce);
        tabella->addWidget(facce_[i], i, 0);
        const std::array<QString, NumColonne> valori = {
            TestiGioco::NomeRiepilogo(r), TestiGioco::Punteggio(r.Punti),
            TestiGioco::Importo(r.Importo), QString::number(r.Soldi),
            TestiGioco::Posizione(r.Posizione)};
        for (int c = 0; c < NumColonne; ++c) {
            auto* l = new QLabel(valori[c]);
            l->setTextFormat(Qt::PlainText); // the human's name as typed, tags included
            celle_[i][c] = l;
            tabella->addWidget(l, i, c + 1);
        }
        if (r.Mazziere) {
            celle_[i][Nome]->setFont(mazziere);
            QPalette blu = celle_[i][Nome]->palette();
            blu.setColor(QPalette::WindowText, colori::BluScuro);
            celle_[i][Nome]->setPalette(blu);
        }
        facce_[i]->setVisible(r.Visibile);
        for (auto* l : celle_[i])
            l->setVisible(r.Visibile);
    }
    facce_[1]->setToolTip(tr("Questa è la riga con il tuo punteggio"));

    auto* bottoni = new QDialogButtonBox(this);
    ok_ = BottoneDialogo(bottoni, tr("&OK"), QDialogButtonBox::AcceptRole,
                         QStringLiteral(":/immagini/ok.png"));
    ok_->setMinimumWidth(LarghezzaBottone);
    ok_->setToolTip(tr("OK ho visto, vai avanti."));
    ok_->setDefault(true);
    bottoni->setCenterButtons(true);
    connect(bottoni, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(tabella);
    colonna->addWidget(bottoni);
    colonna->setSizeConstraint(QLayout::SetFixedSize);
    ok_->setFocus();
    // Posiziona needs the final size before the window is shown.
    adjustSize();
}

void RiepilogoManche::Posiziona(int sinistraMano) {
    const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = schermo->availableGeometry();
    const QSize fuori = frameGeometry().size().expandedTo(size());
    const int x = std::min(sinistraMano, area.right() + 1 - fuori.width() - MargineSchermo);
    const int y = area.top() + (area.height() - fuori.height()) / 2;
    move(std::max(area.left(), x), std::max(area.top(), y));
}

} // namespace brivetta
