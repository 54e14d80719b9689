#include "SchermoPieno.h"

#include <QElapsedTimer>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <memory>

namespace brivetta {

namespace {
constexpr int AttesaMassimaMs = 1500;
constexpr int FermaMs = 100;
constexpr int ControlloMs = 10;
constexpr QSize DimensioneComoda(1024, 720);
} // namespace

SchermoPieno::SchermoPieno(QWidget& finestra) : QObject(&finestra), finestra_(finestra) {}

void SchermoPieno::Poi(std::function<void()> poi) {
    QWindow* finestra = finestra_.windowHandle();
    const bool piena = finestra_.isMaximized() || finestra_.isFullScreen();
    if (finestra_.isVisible() && piena && finestra && finestra->isExposed()) {
        poi();
        return;
    }
    finestra_.showMaximized();
    inAttesa_ = true;
    auto* controllo = new QTimer(this);
    auto tempo = std::make_shared<QElapsedTimer>();
    tempo->start();
    auto ultima = std::make_shared<QSize>(finestra_.size());
    auto fermaDa = std::make_shared<qint64>(0);
    connect(controllo, &QTimer::timeout, this, [this, controllo, tempo, ultima, fermaDa, poi] {
        if (finestra_.size() != *ultima) {
            *ultima = finestra_.size();
            *fermaDa = tempo->elapsed();
        }
        const bool esposta = finestra_.windowHandle() && finestra_.windowHandle()->isExposed();
        const bool ferma = esposta && tempo->elapsed() - *fermaDa >= FermaMs;
        if (!ferma && tempo->elapsed() < AttesaMassimaMs) return;
        controllo->stop();
        controllo->deleteLater();
        inAttesa_ = false;
        poi();
    });
    controllo->start(ControlloMs);
}

QRect SchermoPieno::GeometriaNormale(const QRect& salvata, const QRect& area, QSize minima) {
    if (salvata.isValid() && salvata.width() >= minima.width() &&
        salvata.height() >= minima.height() && area.intersects(salvata))
        return salvata;
    const QSize comoda = DimensioneComoda.boundedTo(area.size());
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, comoda, area);
}

} // namespace brivetta
