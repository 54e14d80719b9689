#include "FinestraStatistiche.h"

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <array>

#include "Immagine.h"
#include "Aspetto.h"

namespace brivetta {

namespace {
constexpr QSize MisuraGrafico(480, 280);
constexpr int SpazioColonne = 32;
constexpr int MassimoTacche = 10;   // ticks on the manche axis, whatever the game's length
constexpr double MargineDenaro = 2; // money above and below the line, so it never runs on an edge
constexpr double MargineManche = 0.02; // of the manches shown

struct Voce {
    const char* didascalia;
    int DatiStatistiche::*campo;
    int riga, colonna;
};
// Games on the left, manches on the right, the money across under them.
const std::array<Voce, 7> Voci = {{
    {"Partite iniziate", &DatiStatistiche::PartiteIniziate, 0, 0},
    {"Partite finite", &DatiStatistiche::PartiteFinite, 1, 0},
    {"Partite vinte", &DatiStatistiche::PartiteVinte, 2, 0},
    {"Manches giocate", &DatiStatistiche::MancheGiocate, 0, 1},
    {"Manches vinte", &DatiStatistiche::MancheVinte, 1, 1},
    {"Manches perse", &DatiStatistiche::ManchePerse, 2, 1},
    {"Massimo denaro", &DatiStatistiche::MassimoDenaro, 3, 0},
}};
constexpr int VoceDenaro = 6;

// 1, 2, 5, 10, 20, 50...: the smallest that keeps the ticks to a readable number.
double PassoTacche(int manches) {
    for (double decina = 1;; decina *= 10)
        for (double passo : {1.0, 2.0, 5.0})
            if (manches / (passo * decina) <= MassimoTacche) return passo * decina;
}
} // namespace

FinestraStatistiche::FinestraStatistiche(const Statistiche& statistiche, QWidget* parent)
    : QDialog(parent) {
    CaricaRisorse();
    setWindowTitle(TitoloGioco + QStringLiteral(" - Statistiche"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(CarattereTavolo(false));

    auto* conteggi = new QGridLayout;
    conteggi->setHorizontalSpacing(SpazioColonne);
    for (const Voce& v : Voci) {
        auto* etichetta = new QLabel;
        etichetta->setTextInteractionFlags(Qt::TextSelectableByMouse);
        etichette_ << etichetta;
        conteggi->addWidget(etichetta, v.riga, v.colonna);
    }
    conteggi->setColumnStretch(2, 1);

    serie_ = new QLineSeries;
    serie_->setPointsVisible(true); // a game with no manche yet still shows its start
    chart_ = new QChart;
    chart_->addSeries(serie_);
    chart_->legend()->hide();
    chart_->setAnimationOptions(QChart::NoAnimation); // no timer runs while the window is idle
    asseManche_ = new QValueAxis;
    asseManche_->setTitleText(QStringLiteral("Manche"));
    asseManche_->setLabelFormat(QStringLiteral("%d"));
    asseManche_->setTickType(QValueAxis::TicksDynamic);
    asseManche_->setTickAnchor(0);
    asseDenaro_ = new QValueAxis;
    asseDenaro_->setTitleText(QStringLiteral("Denaro (€)"));
    asseDenaro_->setLabelFormat(QStringLiteral("%d"));
    chart_->addAxis(asseManche_, Qt::AlignBottom);
    chart_->addAxis(asseDenaro_, Qt::AlignLeft);
    serie_->attachAxis(asseManche_);
    serie_->attachAxis(asseDenaro_);
    grafico_ = new QChartView(chart_);
    grafico_->setRenderHint(QPainter::Antialiasing);
    grafico_->setMinimumSize(MisuraGrafico);
    grafico_->setAccessibleName(QStringLiteral("Andamento del denaro"));
    grafico_->setFocusPolicy(Qt::TabFocus); // reached by Tab, so a screen reader reads it

    auto* bottoni = new QDialogButtonBox(this);
    azzera_ = bottoni->addButton(QStringLiteral("&Azzera"), QDialogButtonBox::ResetRole);
    azzera_->setToolTip(QStringLiteral("Riparte da zero con tutte le statistiche"));
    ok_ = BottoneDialogo(bottoni, QStringLiteral("&OK"), QDialogButtonBox::AcceptRole,
                         QStringLiteral(":/immagini/ok.png"));
    ok_->setDefault(true);
    connect(bottoni, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(azzera_, &QPushButton::clicked, this, &FinestraStatistiche::ChiediAzzeramento);

    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(conteggi);
    colonna->addWidget(grafico_, 1);
    colonna->addWidget(bottoni);
    Mostra(statistiche);
    adjustSize();
    ok_->setFocus();
}

void FinestraStatistiche::Mostra(const Statistiche& statistiche) {
    const DatiStatistiche& d = statistiche.Dati();
    for (int i = 0; i < static_cast<int>(Voci.size()); ++i)
        etichette_[i]->setText(QStringLiteral("%1: %2%3")
                                   .arg(QLatin1String(Voci[i].didascalia))
                                   .arg(d.*Voci[i].campo)
                                   .arg(i == VoceDenaro ? QStringLiteral("€") : QString()));
    DisegnaAndamento(statistiche.Andamento());
}

QString FinestraStatistiche::Descrizione(const std::vector<int>& andamento) {
    QStringList valori;
    for (int denaro : andamento)
        valori << QString::number(denaro);
    return valori.join(QStringLiteral(", "));
}

// Manche 0 is the starting money.
void FinestraStatistiche::DisegnaAndamento(const std::vector<int>& andamento) {
    QList<QPointF> punti;
    for (int i = 0; i < static_cast<int>(andamento.size()); ++i)
        punti << QPointF(i, andamento[i]);
    serie_->replace(punti);
    const int manches = std::max(1, static_cast<int>(andamento.size()) - 1);
    // A little room at both ends, so the first and last points are drawn whole.
    asseManche_->setRange(-manches * MargineManche, manches * (1 + MargineManche));
    asseManche_->setTickInterval(PassoTacche(manches));
    const auto [minimo, massimo] =
        andamento.empty()
            ? std::pair(0, 0)
            : std::pair(*std::ranges::min_element(andamento), *std::ranges::max_element(andamento));
    asseDenaro_->setRange(minimo - MargineDenaro, massimo + MargineDenaro);
    asseDenaro_->applyNiceNumbers();
    // Axes with nothing on them would only show made-up numbers.
    asseManche_->setVisible(!andamento.empty());
    asseDenaro_->setVisible(!andamento.empty());
    chart_->setTitle(andamento.empty() ? QStringLiteral("Nessuna partita giocata") : QString());
    grafico_->setAccessibleDescription(Descrizione(andamento));
}

void FinestraStatistiche::ChiediAzzeramento() {
    auto* domanda = new QMessageBox(QMessageBox::Question, TitoloGioco,
                                    QStringLiteral("Azzerare tutte le statistiche?"),
                                    QMessageBox::NoButton, this);
    domanda->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* si = domanda->addButton(QStringLiteral("&Sì"), QMessageBox::YesRole);
    QPushButton* no = domanda->addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    // Losing every figure takes a deliberate choice: Enter keeps them.
    domanda->setDefaultButton(no);
    domanda->setEscapeButton(no);
    connect(domanda, &QMessageBox::buttonClicked, this, [this, si](QAbstractButton* scelto) {
        if (scelto == si) emit azzeramento();
    });
    domanda->open();
}

} // namespace brivetta
