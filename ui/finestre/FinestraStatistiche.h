#pragma once
// The player's statistics: games and manches counted, the most money held, and a chart of the
// human's money manche by manche. "Azzera" asks first, then tells the table through a signal;
// the table resets the figures, saves them and shows them here again.

#include <QDialog>
#include <QList>

#include "Statistiche.h"

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QPushButton;
class QValueAxis;

namespace brivetta {

class FinestraStatistiche : public QDialog {
    Q_OBJECT
  public:
    explicit FinestraStatistiche(const Statistiche& statistiche, QWidget* parent = nullptr);

    void Mostra(const Statistiche& statistiche);

    // "Caption: N", in the order they are shown.
    const QList<QLabel*>& Etichette() const { return etichette_; }
    QChartView* Grafico() const { return grafico_; }
    QPushButton* Azzera() const { return azzera_; }
    QPushButton* Ok() const { return ok_; }

    // "50, 48, 52": what a screen reader reads of the chart.
    static QString Descrizione(const std::vector<int>& andamento);

  signals:
    // The player confirmed the reset.
    void azzeramento();

  private:
    void ChiediAzzeramento();
    void DisegnaAndamento(const std::vector<int>& andamento);

    QList<QLabel*> etichette_;
    QChart* chart_ = nullptr;
    QChartView* grafico_ = nullptr;
    QLineSeries* serie_ = nullptr;
    QValueAxis* asseManche_ = nullptr;
    QValueAxis* asseDenaro_ = nullptr;
    QPushButton* azzera_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace brivetta
