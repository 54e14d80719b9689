#include "SchermoPieno.h"

#include <QElapsedTimer>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
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
    if (area.isEmpty()) return QRect(QPoint(0, 0), DimensioneComoda);
    // The file may hold any four numbers: the sides are worked out in 64 bits, where no sum of
    // two of them can overflow.
    const qint64 sinistra = salvata.left(), alto = salvata.top();
    const qint64 larghezza = qint64(salvata.right()) - sinistra + 1;
    const qint64 altezza = qint64(salvata.bottom()) - alto + 1;
    const bool sulloSchermo = sinistra <= area.right() && sinistra + larghezza > area.left() &&
                              alto <= area.bottom() && alto + altezza > area.top();
    if (larghezza < minima.width() || altezza < minima.height() || !sulloSchermo) {
        const QSize comoda = DimensioneComoda.boundedTo(area.size());
        return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, comoda, area);
    }
    // Never larger than the screen, and wholly on it: a window beyond its edges could not be
    // moved back by its title bar.
    // A screen smaller than the window's own minimum leaves it at that minimum, from the
    // screen's top left corner.
    const int w = int(std::max<qint64>(std::min<qint64>(larghezza, area.width()), minima.width()));
    const int h = int(std::max<qint64>(std::min<qint64>(altezza, area.height()), minima.height()));
    const int x =
        int(std::max<qint64>(area.left(), std::min<qint64>(sinistra, area.right() + 1 - w)));
    const int y = int(std::max<qint64>(area.top(), std::min<qint64>(alto, area.bottom() + 1 - h)));
    return QRect(x, y, w, h);
}

} // namespace brivetta
