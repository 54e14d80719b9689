#include "FinestraStatistiche.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <functional>
#include <optional>

#include "Aspetto.h"
#include "Immagine.h"

namespace brivetta {

namespace {
constexpr QSize MisuraGrafico(480, 280);
constexpr int SpazioColonne = 32;
constexpr int MassimoTacche = 10;   // ticks on the manche axis, whatever the game's length
constexpr double MargineDenaro = 2; // money above and below the line, so it never runs on an edge
constexpr double MargineManche = 0.02; // of the manches shown
constexpr int MargineValore = 8;       // room beside a value's text in its field

QString Euro(int denaro) {
    return QString::number(denaro) + QStringLiteral("€");
}

QString Numero(int n) {
    return QString::number(n);
}

std::optional<QString> EuroSeDato(std::optional<int> denaro) {
    if (!denaro) return std::nullopt;
    return Euro(*denaro);
}

struct Voce {
    const char* didascalia;
    // The value's text; nothing when the figure is not shown.
    std::function<std::optional<QString>(const DatiStatistiche&)> valore;
    int riga, colonna;
};
// Games on the left, manches on the right, the money and the records under them; Tab follows
// this order.
const std::array<Voce, 10> TutteLeVoci = {{
    {QT_TRANSLATE_NOOP("brivetta::FinestraStatistiche", "Partite iniziate"),
     [](const DatiStatistiche& d) { return Numero(d.PartiteIniziate); }, 0, 0},
    {QT_TRANSLATE_NOOP("brivetta::FinestraStatistiche", "Partite finite"),
     [](const DatiStatistiche& d) { return Numero(d.PartiteFinite); }, 1, 0},
    {QT_TRANSLATE_NOOP("brivetta::FinestraStatistiche", "Partite vinte"),
     [](const DatiStatistiche& d) {
         return FinestraStatistiche::ConPercentuale(d.PartiteVinte, d.PartiteFinite);
     },
     2, 0},
    {QT_TRANSLATE_NOOP("brivetta::FinestraStatistiche", "Manches giocate"),
     [](const DatiStatistiche& d) { return Numero(d.MancheGiocate); }, 0, 1},
    {QT_TRANSLATE_NOOP("brivetta::FinestraStatistiche", "Manches vinte"),
     [](const DatiStatistiche& d) {
         return FinestraStatistiche::ConPercentuale(d.MancheVinte, d.MancheGiocate);
     },
     1, 1},
    {QT_TRANSLATE_NOOP("brivetta::FinestraStatistiche", "Manches perse"),
     [](const DatiStatistiche& d) { return Numero(d.ManchePerse); }, 2, 1},
    {QT_TRANSLATE_NOOP("brivetta::FinestraStatistiche", "Massimo denaro"),
     [](const DatiStatistiche& d) { return Euro(d.MassimoDenaro); }, 3, 0},
    {QT_TRANSLATE_NOOP("brivetta::FinestraStatistiche", "Serie di manches vinte più lunga"),
     [](const DatiStatistiche& d) { return Numero(d.SerieVintePiuLunga); }, 3, 1},
    // A record of finished games only once one has finished.
    {QT_TRANSLATE_NOOP("brivetta::FinestraStatistiche", "Miglior denaro a fine partita"),
     [](const DatiStatistiche& d) { return EuroSeDato(d.MigliorFinale); }, 4, 0},
    {QT_TRANSLATE_NOOP("brivetta::FinestraStatistiche", "Peggior denaro a fine partita"),
     [](const DatiStatistiche& d) { return EuroSeDato(d.PeggiorFinale); }, 4, 1},
}};

// "6/12/2026 14:05", in the player's own time.
QString DataPartita(const PartitaRegistrata& p) {
    if (p.Inizio == 0)
        return QCoreApplication::translate("brivetta::FinestraStatistiche", "Data non registrata");
    //: the date and time a game started, in QDateTime::toString's format
    return QDateTime::fromSecsSinceEpoch(p.Inizio).toString(
        QCoreApplication::translate("brivetta::FinestraStatistiche", "d/M/yyyy HH:mm"));
}

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
    setWindowTitle(tr("%1 - Statistiche").arg(TitoloGioco));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(CarattereTavolo(false));

    auto* conteggi = new QGridLayout;
    conteggi->setHorizontalSpacing(SpazioColonne / 4);
    for (const Voce& v : TutteLeVoci) {
        const QString didascalia = tr(v.didascalia);
        //: a figure's caption before its value
        auto* etichetta = new QLabel(tr("%1:").arg(didascalia));
        // A field that reads like a label: Tab reaches it, and a screen reader says the
        // caption and the value.
        auto* valore = new QLineEdit;
        valore->setReadOnly(true);
        valore->setFrame(false);
        valore->setAccessibleName(didascalia);
        QPalette sfondo = valore->palette();
        sfondo.setColor(QPalette::Base, Qt::transparent);
        valore->setPalette(sfondo);
        etichetta->setBuddy(valore);
        didascalie_ << etichetta;
        valori_ << valore;
        conteggi->addWidget(etichetta, v.riga, 2 * v.colonna);
        conteggi->addWidget(valore, v.riga, 2 * v.colonna + 1);
    }
    conteggi->setColumnMinimumWidth(2, SpazioColonne);
    conteggi->setColumnStretch(4, 1);

    auto* sceltaPartita = new QHBoxLayout;
    auto* etichettaPartita = new QLabel(tr("&Partita:"));
    partita_ = new QComboBox;
    partita_->setAccessibleName(tr("Partita"));
    etichettaPartita->setBuddy(partita_);
    sceltaPartita->addWidget(etichettaPartita);
    sceltaPartita->addWidget(partita_);
    sceltaPartita->addStretch(1);
    connect(partita_, &QComboBox::currentIndexChanged, this, [this](int indice) {
        DisegnaAndamento(indice < 0 ? std::vector<int>{} : andamenti_.at(indice));
    });

    serie_ = new QLineSeries;
    serie_->setPointsVisible(true); // a game with no manche yet still shows its start
    chart_ = new QChart;
    chart_->addSeries(serie_);
    chart_->legend()->hide();
    chart_->setAnimationOptions(QChart::NoAnimation); // no timer runs while the window is idle
    asseManche_ = new QValueAxis;
    asseManche_->setTitleText(tr("Manche"));
    asseManche_->setLabelFormat(QStringLiteral("%d"));
    asseManche_->setTickType(QValueAxis::TicksDynamic);
    asseManche_->setTickAnchor(0);
    asseDenaro_ = new QValueAxis;
    asseDenaro_->setTitleText(tr("Denaro (€)"));
    asseDenaro_->setLabelFormat(QStringLiteral("%d"));
    chart_->addAxis(asseManche_, Qt::AlignBottom);
    chart_->addAxis(asseDenaro_, Qt::AlignLeft);
    serie_->attachAxis(asseManche_);
    serie_->attachAxis(asseDenaro_);
    grafico_ = new QChartView(chart_);
    grafico_->setRenderHint(QPainter::Antialiasing);
    grafico_->setMinimumSize(MisuraGrafico);
    grafico_->setAccessibleName(tr("Andamento del denaro"));
    grafico_->setFocusPolicy(Qt::TabFocus); // reached by Tab, so a screen reader reads it

    auto* bottoni = new QDialogButtonBox(this);
    azzera_ = bottoni->addButton(tr("&Azzera"), QDialogButtonBox::ResetRole);
    azzera_->setToolTip(tr("Riparte da zero con tutte le statistiche"));
    ok_ = BottoneDialogo(bottoni, tr("&OK"), QDialogButtonBox::AcceptRole,
                         QStringLiteral(":/immagini/ok.png"));
    ok_->setDefault(true);
    connect(bottoni, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(azzera_, &QPushButton::clicked, this, &FinestraStatistiche::ChiediAzzeramento);

    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(conteggi);
    colonna->addLayout(sceltaPartita);
    colonna->addWidget(grafico_, 1);
    colonna->addWidget(bottoni);
    Mostra(statistiche);
    adjustSize();
    ok_->setFocus();
}

void FinestraStatistiche::Mostra(const Statistiche& statistiche) {
    const DatiStatistiche& d = statistiche.Dati();
    for (int i = 0; i < static_cast<int>(TutteLeVoci.size()); ++i) {
        const std::optional<QString> valore = TutteLeVoci[i].valore(d);
        QLineEdit* campo = valori_[i];
        campo->setText(valore.value_or(QString()));
        campo->setMinimumWidth(campo->fontMetrics().horizontalAdvance(campo->text()) +
                               MargineValore);
        campo->setVisible(valore.has_value());
        didascalie_[i]->setVisible(valore.has_value());
    }

    const QSignalBlocker silenzio(partita_);
    partita_->clear();
    andamenti_.clear();
    const PartitaRegistrata* inCorso = statistiche.InCorso();
    if (inCorso) {
        partita_->addItem(tr("Partita in corso"));
        andamenti_.push_back(inCorso->Denaro);
    }
    for (auto p = d.Partite.rbegin(); p != d.Partite.rend(); ++p) {
        if (inCorso && p->Id == inCorso->Id) continue;
        partita_->addItem(DataPartita(*p));
        andamenti_.push_back(p->Denaro);
    }
    partita_->setEnabled(!andamenti_.empty());
    partita_->setCurrentIndex(andamenti_.empty() ? -1 : 0);
    DisegnaAndamento(andamenti_.empty() ? std::vector<int>{} : andamenti_.front());
}

QStringList FinestraStatistiche::Voci() const {
    QStringList voci;
    for (int i = 0; i < valori_.size(); ++i)
        if (!valori_[i]->isHidden())
            voci << valori_[i]->accessibleName() + QStringLiteral(": ") + valori_[i]->text();
    return voci;
}

QList<QLineEdit*> FinestraStatistiche::Valori() const {
    QList<QLineEdit*> mostrati;
    for (QLineEdit* v : valori_)
        if (!v->isHidden()) mostrati << v;
    return mostrati;
}

QString FinestraStatistiche::ConPercentuale(int n, int su) {
    if (su <= 0) return QString::number(n);
    const long long percento = (200LL * n + su) / (2LL * su);
    return QStringLiteral("%1 (%2%)").arg(n).arg(percento);
}

QString FinestraStatistiche::Descrizione(const std::vector<int>& andamento) {
    QStringList valori;
    for (int denaro : andamento)
        valori << Euro(denaro);
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
    chart_->setTitle(andamento.empty() ? tr("Nessuna partita giocata") : QString());
    grafico_->setAccessibleDescription(Descrizione(andamento));
}

void FinestraStatistiche::ChiediAzzeramento() {
    auto* domanda =
        new QMessageBox(QMessageBox::Question, TitoloGioco, tr("Azzerare tutte le statistiche?"),
                        QMessageBox::NoButton, this);
    domanda->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* si = domanda->addButton(tr("&Sì"), QMessageBox::YesRole);
    QPushButton* no = domanda->addButton(tr("&No"), QMessageBox::NoRole);
    // Losing every figure takes a deliberate choice: Enter keeps them.
    domanda->setDefaultButton(no);
    domanda->setEscapeButton(no);
    connect(domanda, &QMessageBox::buttonClicked, this, [this, si](QAbstractButton* scelto) {
        if (scelto == si) emit azzeramento();
    });
    domanda->open();
}

} // namespace brivetta
