#include "FinestraInfo.h"

#include <QApplication>
#include <QCursor>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "Aspetto.h"
#include "Collegamenti.h"
#include "Immagine.h"

#ifndef BRIVETTA_VERSIONE_MAGGIORE
#error "the build gives the project's version to the about window"
#endif

namespace brivetta {

namespace {
constexpr QSize MisuraCarta(58, 99);
constexpr int BordoCarte = 12; // white around the two cards
constexpr int SpazioCarte = 9;
constexpr int LarghezzaAvviso = 180;
constexpr int AltezzaAvviso = 119;
constexpr int MargineAvviso = 4;
constexpr int SpazioVersione = 18;
constexpr QPoint PuntaDito(10, 1); // the hot spot of the hand pointer

QString TestoNumero(int n) {
    // The sign's place holds a blank for zero and positive numbers.
    return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n);
}

QCursor Mano() {
    const bool nitida = qApp->devicePixelRatio() > 1.0;
    QPixmap mano(nitida ? QStringLiteral(":/immagini/mano@2x.png")
                        : QStringLiteral(":/immagini/mano.png"));
    if (mano.isNull()) return QCursor(Qt::PointingHandCursor);
    if (nitida) mano.setDevicePixelRatio(2.0);
    return QCursor(mano, PuntaDito.x(), PuntaDito.y());
}

Immagine* Carta(const QPixmap& figura, const QString& nome) {
    auto* carta = new Immagine;
    carta->ImpostaImmagine(figura);
    carta->setFixedSize(MisuraCarta);
    carta->setToolTip(nome);
    carta->setAccessibleName(nome);
    return carta;
}
} // namespace

QString FinestraInfo::RigaVersione(int maggiore, int minore, int revisione) {
    //: %1 the game's title, %2.%3.%4 the version's numbers, each after a blank when positive
    return tr("%1 - Versione %2.%3.%4")
        .arg(TitoloGioco, TestoNumero(maggiore), TestoNumero(minore), TestoNumero(revisione));
}

QString FinestraInfo::TestoAvviso() {
    return tr("Un gioco di carte del Brivetta Team. Scrivi a %1 - Le carte Piacentine sono state "
              "copiate con uno scanner da un mazzo di piacentine  Ricordati che è molto più "
              "divertente giocare con carte e giocatori veri")
        .arg(PostaAutore);
}

FinestraInfo::FinestraInfo(const QPixmap& reBello, const QPixmap& setteBello, QWidget* parent)
    : QDialog(parent) {
    CaricaRisorse();
    setWindowTitle(tr("Brivetta 2000"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(CarattereTavolo(false));

    // Left: the two cards, "OK" under them. Right: the link and the notice. The version line
    // runs across the bottom.
    auto* bottoni = new QDialogButtonBox(this);
    ok_ = BottoneDialogo(bottoni, tr("&OK"), QDialogButtonBox::AcceptRole,
                         QStringLiteral(":/immagini/ok.png"));
    ok_->setToolTip(tr("Clicca per continuare"));
    ok_->setDefault(true);
    connect(bottoni, &QDialogButtonBox::accepted, this, &QDialog::accept);
    QWidget* carte = CreaCarte(reBello, setteBello);
    // The button is as wide as the cards' white background above it.
    ok_->setMinimumWidth(carte->sizeHint().width());

    auto* destra = new QVBoxLayout;
    destra->addWidget(CreaSito(), 0, Qt::AlignHCenter);
    auto* avviso = new QLabel(TestoAvviso());
    avviso->setFrameShape(QFrame::Box);
    avviso->setWordWrap(true);
    avviso->setAlignment(Qt::AlignCenter);
    avviso->setMargin(MargineAvviso);
    avviso->setFixedWidth(LarghezzaAvviso);
    avviso->setMinimumHeight(AltezzaAvviso);
    destra->addWidget(avviso, 1);

    auto* versione = new QLabel(RigaVersione(BRIVETTA_VERSIONE_MAGGIORE, BRIVETTA_VERSIONE_MINORE,
                                             BRIVETTA_VERSIONE_REVISIONE));
    versione->setAlignment(Qt::AlignCenter);

    auto* griglia = new QGridLayout(this);
    griglia->addWidget(carte, 0, 0, Qt::AlignTop);
    griglia->addWidget(bottoni, 1, 0, Qt::AlignBottom);
    griglia->addLayout(destra, 0, 1, 2, 1);
    griglia->setRowMinimumHeight(2, SpazioVersione);
    griglia->addWidget(versione, 3, 0, 1, 2);
    griglia->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    ok_->setFocus();
}

QWidget* FinestraInfo::CreaCarte(const QPixmap& reBello, const QPixmap& setteBello) {
    auto* sfondo = new QWidget;
    QPalette bianco = sfondo->palette();
    bianco.setColor(QPalette::Window, Qt::white);
    sfondo->setPalette(bianco);
    sfondo->setAutoFillBackground(true);
    auto* riga = new QHBoxLayout(sfondo);
    riga->setContentsMargins(BordoCarte, BordoCarte, BordoCarte, BordoCarte);
    riga->setSpacing(SpazioCarte);
    riga->addWidget(Carta(reBello, tr("Re bello")));
    riga->addWidget(Carta(setteBello, tr("Sette bello")));
    return sfondo;
}

QWidget* FinestraInfo::CreaSito() {
    sito_ = new QLabel(SitoAutore);
    QFont link = font();
    link.setBold(true);
    link.setUnderline(true);
    sito_->setFont(link);
    QPalette blu = sito_->palette();
    blu.setColor(QPalette::WindowText, colori::BluScuro);
    sito_->setPalette(blu);
    sito_->setToolTip(tr("Clicca per visitare il sito ..."));
    sito_->setAccessibleName(SitoAutore);
    sito_->setFocusPolicy(Qt::TabFocus); // Enter or Space on it opens the site too
    sito_->setCursor(Mano());
    sito_->installEventFilter(this);
    return sito_;
}

void FinestraInfo::ApriSito() {
    // The window stays open.
    ApriDocumento(QUrl(sito_->text()));
}

bool FinestraInfo::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == sito_) {
        if (evento->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(evento);
            if (mouse->button() == Qt::LeftButton &&
                sito_->rect().contains(mouse->position().toPoint())) {
                ApriSito();
                return true;
            }
        } else if (evento->type() == QEvent::KeyPress) {
            const int tasto = static_cast<QKeyEvent*>(evento)->key();
            if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter || tasto == Qt::Key_Space) {
                ApriSito();
                return true;
            }
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

} // namespace brivetta
