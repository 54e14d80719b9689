#include "Tavolo.h"

#include <QPainter>

#include "GeometriaTavolo.h"

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

Tavolo::Tavolo(const Gioco& gioco, QWidget* parent) : QWidget(parent), gioco_(gioco) {
    QPalette verde = palette();
    verde.setColor(QPalette::Window, ColorePalette(2));
    setPalette(verde);
    setAutoFillBackground(true);
}

void Tavolo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.translate(0, SpostamentoTavolo);
    p.setFont(CarattereTavolo(true));
    using namespace geometria;
    const int righe = std::min<int>(gioco_.Vista().RigheDipinte, MaxGiocatori);
    for (int s = 1; s <= righe; ++s) {
        // Panel from (39, row + 28) to (98, next row + 26), both corners included.
        const QRect pannello(QPoint(SinistraPannello - 1, Riga(s) + 28),
                             QPoint(SinistraPannello + LarghezzaPannello, Riga(s + 1) + 26));
        p.fillRect(pannello, ColorePalette(s + 9));
        p.setPen(ColorePalette(15));
        p.drawRect(pannello.adjusted(0, 0, -1, -1));
        p.drawLine(0, Riga(s + 1) + 27, width(), Riga(s + 1) + 27);
        if (s > 1) {
            // The computer names keep their leading blanks; grey then black gives the shadow.
            const QString nome = QString::fromStdString(gioco_.Stato().Nomi[s]);
            const int y = Riga(s + 1);
            p.setPen(ColorePalette(7));
            p.drawText(QRect(39, y, 400, 40), Qt::AlignLeft | Qt::AlignTop, nome);
            p.setPen(ColorePalette(0));
            p.drawText(QRect(40, y + 1, 400, 40), Qt::AlignLeft | Qt::AlignTop, nome);
        }
    }
}

} // namespace brivetta
