#include "FinestraInfo.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "Collegamenti.h"
#include "Immagine.h"
#include "Tavolo.h"
#include "Twips.h"

#ifndef BRIVETTA_VERSIONE_MAGGIORE
#error "the build gives the project's version to the about window"
#endif

namespace brivetta {

namespace {
// Layout in twips, inside a client area of 5820 x 5100.
constexpr int LarghezzaCliente = 5820;
constexpr int AltezzaCliente = 5100;
constexpr int Margine = 240;

constexpr int LarghezzaSfondo = 2115; // the white rectangle under the two cards
constexpr int AltezzaSfondo = 1905;
constexpr int LarghezzaCartaInfo = 870;
constexpr int AltezzaCartaInfo = 1485;
constexpr int SpazioCarte = 135;

constexpr int AltoBottone = AltezzaSfondo + 180; // from the top of the block
constexpr int AltezzaBottone = 555;

constexpr int LarghezzaLink = 2175;
constexpr int AltezzaLink = 300;
constexpr int SpazioLink = 120;
constexpr int LarghezzaAvviso = 2700;
constexpr int AltezzaAvviso = 1785;
constexpr int MargineAvviso = 60;

constexpr int LarghezzaVersione = 4575;
constexpr int AltezzaVersione = 300;
constexpr int SpazioVersione = 360;

constexpr int LatoIconaBottone = 24;
constexpr QPoint PuntaDito(10, 1); // the hot spot of the hand pointer

const QString Titolo = QStringLiteral("Brivetta 2002");

QRect Twips(int sinistra, int alto, int larghezza, int altezza) {
    return {Px(sinistra), Px(alto), Px(larghezza), Px(altezza)};
}

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
} // namespace

QString FinestraInfo::RigaVersione(int maggiore, int minore, int revisione) {
    return Titolo + QStringLiteral(" - Versione ") + TestoNumero(maggiore) + QStringLiteral(".") +
           TestoNumero(minore) + QStringLiteral(".") + TestoNumero(revisione);
}

QString FinestraInfo::Avviso() {
    return QStringLiteral("Un gioco di carte del Brivetta Team. Scrivi a ") + PostaAutore +
           QStringLiteral(" - ") +
           QStringLiteral("Le carte Piacentine sono state copiate con uno scanner da un mazzo di "
                          "piacentine  Ricordati che è molto più divertente giocare con carte "
                          "e giocatori veri");
}

FinestraInfo::FinestraInfo(const QPixmap& reBello, const QPixmap& setteBello, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Brivetta 2000"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(CarattereTavolo(false));

    // Left column: the two cards on their white rectangle, "OK" under them. Right column: the
    // link and the notice. The version line runs across the bottom. The whole block is
    // centred in the window.
    auto* sfondo = new QLabel(this);
    sfondo->setStyleSheet(QStringLiteral("QLabel { background-color: white; }"));
    picture2_ = new Immagine(this);
    picture3_ = new Immagine(this);
    picture2_->setToolTip(QStringLiteral("Re bello"));
    picture2_->setAccessibleName(QStringLiteral("Re bello"));
    picture3_->setToolTip(QStringLiteral("Sette bello"));
    picture3_->setAccessibleName(QStringLiteral("Sette bello"));
    picture2_->ImpostaImmagine(reBello);
    picture3_->ImpostaImmagine(setteBello);

    command3d1_ =
        new QPushButton(QIcon(QStringLiteral(":/immagini/ok.png")), QStringLiteral("&OK"), this);
    command3d1_->setIconSize(QSize(LatoIconaBottone, LatoIconaBottone));
    command3d1_->setToolTip(QStringLiteral("Clicca per continuare"));
    command3d1_->setDefault(true);
    connect(command3d1_, &QPushButton::clicked, this, &QDialog::accept);

    label2_ = new QLabel(SitoAutore, this);
    QFont link = font();
    link.setBold(true);
    link.setUnderline(true);
    label2_->setFont(link);
    label2_->setStyleSheet(QStringLiteral("QLabel { color: rgb(0,0,128); }"));
    label2_->setAlignment(Qt::AlignCenter);
    label2_->setToolTip(QStringLiteral("Clicca per visitare il sito ..."));
    label2_->setAccessibleName(SitoAutore);
    label2_->setFocusPolicy(Qt::TabFocus); // Enter or Space on it opens the site too
    label2_->setCursor(Mano());
    label2_->installEventFilter(this);

    panel3d2_ = new QLabel(Avviso(), this);
    panel3d2_->setFrameShape(QFrame::Box);
    panel3d2_->setWordWrap(true);
    panel3d2_->setAlignment(Qt::AlignCenter);
    panel3d2_->setMargin(Px(MargineAvviso));

    label3_ = new QLabel(RigaVersione(BRIVETTA_VERSIONE_MAGGIORE, BRIVETTA_VERSIONE_MINORE,
                                      BRIVETTA_VERSIONE_REVISIONE),
                         this);
    label3_->setAlignment(Qt::AlignCenter);

    const int sinistraColonna = Px(Margine + LarghezzaSfondo + Margine);
    const int larghezzaColonna = Px(LarghezzaCliente - Margine) - sinistraColonna;
    // The address and the notice are never cut: they take what their text needs.
    const int larghezzaLink =
        std::min(larghezzaColonna, std::max(Px(LarghezzaLink), label2_->sizeHint().width()));
    const int larghezzaAvviso = std::min(larghezzaColonna, Px(LarghezzaAvviso));
    const int altoAvviso = Px(AltezzaLink + SpazioLink);
    // The notice ends level with the button beside it, or lower when its text needs it.
    const int altezzaAvviso =
        std::max({Px(AltezzaAvviso), panel3d2_->heightForWidth(larghezzaAvviso),
                  Px(AltoBottone + AltezzaBottone) - altoAvviso});
    const int blocco = std::max(altoAvviso + altezzaAvviso, Px(AltoBottone + AltezzaBottone)) +
                       Px(SpazioVersione) + Px(AltezzaVersione);
    const int altezza = std::max(Px(AltezzaCliente), blocco + 2 * Px(Margine));
    const int alto = (altezza - blocco) / 2;

    sfondo->setGeometry(Twips(Margine, 0, LarghezzaSfondo, AltezzaSfondo).translated(0, alto));
    const int bordoX = (LarghezzaSfondo - 2 * LarghezzaCartaInfo - SpazioCarte) / 2;
    const int bordoY = (AltezzaSfondo - AltezzaCartaInfo) / 2;
    picture2_->setGeometry(
        Twips(Margine + bordoX, bordoY, LarghezzaCartaInfo, AltezzaCartaInfo).translated(0, alto));
    picture3_->setGeometry(Twips(Margine + bordoX + LarghezzaCartaInfo + SpazioCarte, bordoY,
                                 LarghezzaCartaInfo, AltezzaCartaInfo)
                               .translated(0, alto));
    command3d1_->setGeometry(
        Twips(Margine, AltoBottone, LarghezzaSfondo, AltezzaBottone).translated(0, alto));
    label2_->setGeometry(sinistraColonna + (larghezzaColonna - larghezzaLink) / 2, alto,
                         larghezzaLink, Px(AltezzaLink));
    panel3d2_->setGeometry(sinistraColonna + (larghezzaColonna - larghezzaAvviso) / 2,
                           alto + altoAvviso, larghezzaAvviso, altezzaAvviso);
    label3_->setGeometry((Px(LarghezzaCliente) - Px(LarghezzaVersione)) / 2,
                         alto + blocco - Px(AltezzaVersione), Px(LarghezzaVersione),
                         Px(AltezzaVersione));
    setFixedSize(Px(LarghezzaCliente), altezza);

    const QScreen* schermo = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (schermo) {
        const QRect area = schermo->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void FinestraInfo::Label2_Click() {
    ApriDocumento(QUrl(label2_->text()));
}

bool FinestraInfo::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == label2_) {
        if (evento->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(evento);
            if (mouse->button() == Qt::LeftButton &&
                label2_->rect().contains(mouse->position().toPoint())) {
                Label2_Click();
                return true;
            }
        } else if (evento->type() == QEvent::KeyPress) {
            const int tasto = static_cast<QKeyEvent*>(evento)->key();
            if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter || tasto == Qt::Key_Space) {
                Label2_Click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

} // namespace brivetta
