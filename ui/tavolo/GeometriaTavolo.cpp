#include "GeometriaTavolo.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace brivetta::geometria {

namespace {
double Avanza(int da, int a, double percorsi) {
    const int distanza = std::abs(a - da);
    const double passo = std::min(percorsi, static_cast<double>(distanza));
    return da + (a >= da ? passo : -passo);
}
} // namespace

QPoint LungoIlPercorso(QPoint da, QPoint a, double percorsi) {
    percorsi = std::max(0.0, percorsi);
    return {static_cast<int>(std::lround(Avanza(da.x(), a.x(), percorsi))),
            static_cast<int>(std::lround(Avanza(da.y(), a.y(), percorsi)))};
}

int LunghezzaPercorso(QPoint da, QPoint a) {
    return std::max(std::abs(a.x() - da.x()), std::abs(a.y() - da.y()));
}

} // namespace brivetta::geometria
