#include "Tavolo.h"

#include <QPainter>

namespace brivetta {

QColor ColorePalette(int n) {
    static const QColor colori[16] = {
        {0, 0, 0},     {0, 0, 128},     {0, 128, 0},     {0, 128, 128},  {128, 0, 0}, {128, 0, 128},
        {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255},    {0, 255, 0}, {0, 255, 255},
        {255, 0, 0},   {255, 0, 255},   {255, 255, 0},   {255, 255, 255}};
    return colori[n & 15];
}

QFont CarattereTavolo(bool grassetto) {
    QFont f;
    // Condensed DejaVu stands in where Tahoma is not installed: close in width.
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"),
                   QStringLiteral("DejaVu Sans")});
    f.setPointSizeF(8.25);
    f.setBold(grassetto);
    return f;
}

Tavolo::Tavolo(const StatoTavolo& stato, const VistaTavolo& vista, QWidget* parent)
    : QWidget(parent), stato_(stato), vista_(vista) {
    QPalette verde = palette();
    verde.setColor(QPalette::Window, ColorePalette(2));
    setPalette(verde);
    setAutoFillBackground(true);
}

void Tavolo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.translate(0, SpostamentoTavolo);
    p.setFont(CarattereTavolo(true));
    const int righe = std::min(vista_.RigheDipinte, MaxGiocatori);
    for (int s = 1; s <= righe; ++s) {
        // Panel from (39, 99(s-1)+28) to (98, 99s+26), both corners included.
        const QRect pannello(QPoint(39, AltezzaRiga * (s - 1) + MargineCartaRiga),
                             QPoint(98, AltezzaRiga * s + 26));
        p.fillRect(pannello, ColorePalette(s + 9));
        p.setPen(ColorePalette(15));
        p.drawRect(pannello.adjusted(0, 0, -1, -1));
        p.drawLine(0, AltezzaRiga * s + 27, width(), AltezzaRiga * s + 27);
        if (s > 1) {
            // The computer names keep their leading blanks; grey then black gives the shadow.
            const QString nome = QString::fromStdString(stato_.Nomi[s]);
            const int y = AltezzaRiga * s;
            p.setPen(ColorePalette(7));
            p.drawText(QRect(39, y, 400, 40), Qt::AlignLeft | Qt::AlignTop, nome);
            p.setPen(ColorePalette(0));
            p.drawText(QRect(40, y + 1, 400, 40), Qt::AlignLeft | Qt::AlignTop, nome);
        }
    }
}

} // namespace brivetta
