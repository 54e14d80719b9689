#include "Immagine.h"

#include <QHash>
#include <QPainter>
#include <QPushButton>

static void RegistraImmagini() {
    Q_INIT_RESOURCE(immagini);
}

namespace brivetta {

void CaricaRisorse() {
    static const bool fatto = (RegistraImmagini(), true);
    (void)fatto;
}

QIcon IconaRisorsa(const QString& risorsa) {
    static QHash<QString, QIcon> icone; // windows live on the one GUI thread
    auto trovata = icone.constFind(risorsa);
    if (trovata == icone.constEnd()) trovata = icone.insert(risorsa, QIcon(risorsa));
    return *trovata;
}

QPushButton* BottoneDialogo(QDialogButtonBox* bottoni, const QString& testo,
                            QDialogButtonBox::ButtonRole ruolo, const QString& icona) {
    constexpr int LatoIcona = 24;
    QPushButton* b = bottoni->addButton(testo, ruolo);
    b->setIcon(IconaRisorsa(icona));
    b->setIconSize(QSize(LatoIcona, LatoIcona));
    return b;
}

Immagine::Immagine(QWidget* parent, Modo modo) : QLabel(parent), modo_(modo) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void Immagine::ImpostaImmagine(const QPixmap& immagine) {
    figura_ = immagine;
    update();
}

void Immagine::paintEvent(QPaintEvent*) {
    // A missing picture shows nothing: the table stays visible beneath.
    if (figura_.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (modo_ == Modo::Adatta)
        p.drawPixmap(rect(), figura_);
    else
        p.drawPixmap(0, 0, figura_); // logical size; the box clips the rest
}

} // namespace brivetta
