#include "Supporto.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "Form3a.h"
#include "Form4.h"

namespace brivetta::test {

CartellaProva::CartellaProva() {
    const QString pronta = QStringLiteral(BRIVETTA_CARTELLA_PRONTA);
    QFile::link(pronta + QStringLiteral("/Piacentine"),
                dir_.path() + QStringLiteral("/Piacentine"));
}

double CasualeProva::Numero() {
    if (!numeri_.empty()) {
        const double n = numeri_.front();
        numeri_.pop_front();
        return n;
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(generatore_);
}

Risponditore::Risponditore() {
    connect(&timer_, &QTimer::timeout, this, &Risponditore::Rispondi);
    timer_.start(5);
}

void Risponditore::Rispondi() {
    QWidget* modale = QApplication::activeModalWidget();
    if (!modale || !modale->isVisible()) return;
    if (auto* box = qobject_cast<QMessageBox*>(modale)) {
        messaggi << box->text();
        box->button(QMessageBox::Ok)->click();
    } else if (auto* riepilogo = qobject_cast<Form3a*>(modale)) {
        QStringList righe;
        for (int i = 1; i <= 6; ++i) {
            if (!riepilogo->Cella(i, 0)->isVisible()) continue;
            QStringList celle;
            for (int c = 0; c < 5; ++c)
                celle << riepilogo->Cella(i, c)->text();
            righe << celle.join(QLatin1Char('|'));
        }
        riepiloghi << righe;
        riepilogo->Command3D1()->click();
    } else if (auto* fine = qobject_cast<Form4*>(modale)) {
        ++finiPartita;
        fine->Command3d1()->click();
    }
}

} // namespace brivetta::test
