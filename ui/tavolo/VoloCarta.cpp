#include "VoloCarta.h"

#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "GeometriaTavolo.h"

namespace brivetta {

VoloCarta::VoloCarta(QObject* parent) : QObject(parent) {
    animazione_.setEasingCurve(QEasingCurve::Linear);
    connect(&animazione_, &QVariantAnimation::valueChanged, this, &VoloCarta::Muovi);
    arrivo_.setSingleShot(true);
    arrivo_.setTimerType(Qt::PreciseTimer);
    connect(&arrivo_, &QTimer::timeout, this, &VoloCarta::Arriva);
}

void VoloCarta::Arriva() {
    animazione_.stop();
    arrivo_.stop();
    resto_ = 0;
    inVolo_ = false;
    if (carta_) carta_->move(a_);
    emit arrivata();
}

int VoloCarta::DurataMs(QPoint da, QPoint a, double pixelAlSecondo) {
    const int lunghezza = geometria::LunghezzaPercorso(da, a);
    if (lunghezza == 0 || pixelAlSecondo <= 0) return 0;
    return static_cast<int>(std::lround(1000.0 * lunghezza / pixelAlSecondo));
}

void VoloCarta::Parti(QWidget* carta, QPoint da, QPoint a, double pixelAlSecondo) {
    animazione_.stop();
    arrivo_.stop();
    resto_ = 0;
    inVolo_ = true;
    carta_ = carta;
    da_ = da;
    a_ = a;
    const int durata = DurataMs(da, a, pixelAlSecondo);
    if (carta_) {
        carta_->move(da);
        carta_->show();
        carta_->raise(); // the moving card passes over everything
    }
    // With nothing to travel the card has arrived, reported from the event loop all the same.
    arrivo_.start(durata);
    if (durata == 0) return;
    animazione_.setStartValue(0.0);
    animazione_.setEndValue(static_cast<double>(geometria::LunghezzaPercorso(da, a)));
    animazione_.setDuration(durata);
    animazione_.start();
}

void VoloCarta::Sospendi(bool sospeso) {
    if (!inVolo_) return;
    if (sospeso && arrivo_.isActive()) {
        resto_ = std::max(0, arrivo_.remainingTime());
        arrivo_.stop();
        if (animazione_.state() == QAbstractAnimation::Running) animazione_.pause();
    } else if (!sospeso && !arrivo_.isActive()) {
        if (animazione_.state() == QAbstractAnimation::Paused) animazione_.resume();
        arrivo_.start(resto_);
    }
}

bool VoloCarta::InVolo() const {
    return inVolo_;
}

void VoloCarta::Muovi(const QVariant& percorsi) {
    if (carta_) carta_->move(geometria::LungoIlPercorso(da_, a_, percorsi.toDouble()));
}

} // namespace brivetta
