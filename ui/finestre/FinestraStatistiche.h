#pragma once
// The player's statistics: games and manches counted with the share won, the records, and a
// chart of the human's money manche by manche for the game in progress or an earlier one.
// Every figure is a read-only field reached by Tab and named by its caption. "Azzera" asks
// first, then tells the table through a signal; the table resets the figures, saves them and
// shows them here again.

#include <QDialog>
#include <QList>
#include <vector>

#include "Statistiche.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QPushButton;
class QValueAxis;

namespace brivetta {

class FinestraStatistiche : public QDialog {
    Q_OBJECT
  public:
    explicit FinestraStatistiche(const Statistiche& statistiche, QWidget* parent = nullptr);

    void Mostra(const Statistiche& statistiche);

    // "Caption: value" of every figure shown, in the order Tab reaches them.
    QStringList Voci() const;
    // The fields of the figures shown, in the same order.
    QList<QLineEdit*> Valori() const;
    // The game whose money the chart shows: the one in progress first, then the earlier ones
    // from the latest, each by the date it started.
    QComboBox* Partita() const { return partita_; }
    QChartView* Grafico() const { return grafico_; }
    QPushButton* Azzera() const { return azzera_; }
    QPushButton* Ok() const { return ok_; }

    // "50€, 48€, 52€": what a screen reader reads of the chart.
    static QString Descrizione(const std::vector<int>& andamento);
    // "3 (60%)": `n` with its share of `su` to the nearest whole percent, halves up; `n` alone
    // when `su` is 0.
    static QString ConPercentuale(int n, int su);

  signals:
    // The player confirmed the reset.
    void azzeramento();

  private:
    void ChiediAzzeramento();
    void DisegnaAndamento(const std::vector<int>& andamento);

    QList<QLabel*> didascalie_;
    QList<QLineEdit*> valori_;
    QComboBox* partita_ = nullptr;
    std::vector<std::vector<int>> andamenti_; // one for each entry of partita_
    QChart* chart_ = nullptr;
    QChartView* grafico_ = nullptr;
    QLineSeries* serie_ = nullptr;
    QValueAxis* asseManche_ = nullptr;
    QValueAxis* asseDenaro_ = nullptr;
    QPushButton* azzera_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace brivetta
