#include "FinePartita.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "Immagine.h"
#include "Tavolo.h"
#include "Twips.h"

namespace brivetta {

namespace {
constexpr int Margine = 150;
constexpr int LarghezzaMessaggio = 4575;
constexpr int AltezzaMessaggio = 645;
constexpr int AltoRighe = 840;
constexpr int PassoRiga = 420;
constexpr int SinistraSoldi = 1710;
constexpr int SinistraNome = 2430;
constexpr int AltoBottoni = 3360;
constexpr int SinistraAltra = 510;
constexpr int SinistraFine = 2580;
constexpr int LarghezzaBottone = 1815;
constexpr int AltezzaBottone = 825;

const std::array<const char*, MaxGiocatori> NomiFissi = {"Anonimo", "Bruno",    "Sandro",
                                                         "Elvira",  "Leonardo", "Marisa"};
} // namespace

FinePartita::FinePartita(const StatoTavolo& stato, std::function<void()> uscita, QWidget* parent)
    : QDialog(parent), uscita_(std::move(uscita)) {
    CaricaRisorse();
    setWindowTitle(QStringLiteral("Brivetta - fine partita"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const QFont testo = CarattereTavolo(false);

    // The message's lines are separated by carriage returns.
    QString messaggio = QString::fromStdString(stato.MessaggioFine);
    messaggio.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    messaggio.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    label1_ = new QLabel(messaggio, this);
    // The message and the names are shown as typed, even a name that looks like a tag.
    label1_->setTextFormat(Qt::PlainText);
    label1_->setFont(testo);
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const int larghezza = Px(LarghezzaMessaggio);
    const int altezza = std::max(Px(AltezzaMessaggio), label1_->heightForWidth(larghezza));
    label1_->setGeometry(Px(Margine), Px(Margine), larghezza, altezza);
    // A message taller than its design box pushes the rest down instead of being cut.
    const int spinta = altezza - Px(AltezzaMessaggio);

    for (int i = 0; i < MaxGiocatori; ++i) {
        const int alto = Px(AltoRighe + PassoRiga * i) + spinta;
        label3_[i] = new QLabel(QString::number(stato.Soldi[i + 1]), this);
        label2_[i] = new QLabel(
            i == 0 ? QString::fromStdString(stato.Nomi[1]) : QString::fromUtf8(NomiFissi[i]), this);
        label2_[i]->setTextFormat(Qt::PlainText);
        label3_[i]->setFont(testo);
        label2_[i]->setFont(testo);
        label3_[i]->setGeometry(Px(SinistraSoldi), alto, Px(SinistraNome - SinistraSoldi) - 4,
                                Px(PassoRiga));
        label2_[i]->setGeometry(Px(SinistraNome), alto, Px(LarghezzaMessaggio) - Px(SinistraNome),
                                Px(PassoRiga));
        const bool inGioco = i < stato.NumGiocatori;
        label2_[i]->setVisible(inGioco);
        label3_[i]->setVisible(inGioco);
    }

    const QSize bottone(Px(LarghezzaBottone), Px(AltezzaBottone));
    command3d1_ = new QPushButton(QIcon(QStringLiteral(":/immagini/altra_partita.png")),
                                  QStringLiteral("&Altra partita"), this);
    command3d1_->setToolTip(QStringLiteral("Ricominci altra gara"));
    command1_ = new QPushButton(QIcon(QStringLiteral(":/immagini/fine_gioco.png")),
                                QStringLiteral("&Fine gioco"), this);
    command1_->setToolTip(QStringLiteral("Uscita"));
    for (auto* b : {command3d1_, command1_})
        b->setIconSize(QSize(24, 24));
    const int altoBottoni = Px(AltoBottoni) + spinta;
    command3d1_->setGeometry(QRect(QPoint(Px(SinistraAltra), altoBottoni), bottone));
    command1_->setGeometry(QRect(QPoint(Px(SinistraFine), altoBottoni), bottone));
    command3d1_->setDefault(true);
    connect(command3d1_, &QPushButton::clicked, this, &QDialog::accept);
    // Leaving ends the whole program here and now: nothing of the game runs or is written.
    connect(command1_, &QPushButton::clicked, this, [this] {
        if (uscita_) uscita_();
    });

    setFixedSize(Px(Margine) * 2 + larghezza, altoBottoni + bottone.height() + Px(Margine) + 4);
    const QScreen* schermo = QGuiApplication::primaryScreen();
    if (schermo) {
        const QRect area = schermo->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

} // namespace brivetta
