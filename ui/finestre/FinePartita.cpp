#include "FinePartita.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "Aspetto.h"
#include "Immagine.h"
#include "Testi.h"
#include "TestiGioco.h"

namespace brivetta {

namespace {
constexpr int LarghezzaMessaggio = 305;
constexpr int AltezzaMessaggio = 43;
constexpr int RientroRighe = 104; // the money column starts well right of the message
constexpr int LarghezzaSoldi = 44;
constexpr int AltezzaRigaSoldi = 28;
constexpr QSize MisuraBottone(121, 40);

QPushButton* Bottone(QDialogButtonBox* bottoni, const QString& testo, const char* icona,
                     const QString& suggerimento, QDialogButtonBox::ButtonRole ruolo) {
    QPushButton* b = BottoneDialogo(bottoni, testo, ruolo, QString::fromUtf8(icona));
    b->setToolTip(suggerimento);
    b->setMinimumSize(MisuraBottone);
    return b;
}
} // namespace

FinePartita::FinePartita(const StatoTavolo& stato, QWidget* parent) : QDialog(parent) {
    CaricaRisorse();
    setWindowTitle(tr("Brivetta - fine partita"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(CarattereTavolo(false));

    messaggio_ = new QLabel(TestiGioco::FinePartita(DescriviFinePartita(stato)));
    // The message and the names are shown as typed, even a name that looks like a tag.
    messaggio_->setTextFormat(Qt::PlainText);
    messaggio_->setWordWrap(true);
    messaggio_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    messaggio_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    messaggio_->setFixedWidth(LarghezzaMessaggio);
    messaggio_->setMinimumHeight(AltezzaMessaggio);

    auto* righe = new QGridLayout;
    righe->setContentsMargins(RientroRighe, 0, 0, 0);
    righe->setVerticalSpacing(0);
    righe->setColumnMinimumWidth(0, LarghezzaSoldi);
    righe->setColumnStretch(1, 1);
    for (int i = 0; i < MaxGiocatori; ++i) {
        soldi_[i] = new QLabel(QString::number(stato.Soldi[i + 1]));
        // The computer seats' names without the blanks the table puts before them.
        nomi_[i] = new QLabel(
            QString::fromStdString(i == 0 ? stato.Nomi[1] : SenzaSpaziIniziali(stato.Nomi[i + 1])));
        nomi_[i]->setTextFormat(Qt::PlainText);
        for (auto* l : {soldi_[i], nomi_[i]}) {
            l->setMinimumHeight(AltezzaRigaSoldi);
            l->setVisible(i < stato.NumGiocatori);
        }
        righe->addWidget(soldi_[i], i, 0);
        righe->addWidget(nomi_[i], i, 1);
    }

    auto* bottoni = new QDialogButtonBox(this);
    altraPartita_ = Bottone(bottoni, tr("&Altra partita"), ":/immagini/altra_partita.png",
                            tr("Ricominci altra gara"), QDialogButtonBox::AcceptRole);
    fineGioco_ = Bottone(bottoni, tr("&Fine gioco"), ":/immagini/fine_gioco.png", tr("Uscita"),
                         QDialogButtonBox::DestructiveRole);
    bottoni->setCenterButtons(true);
    altraPartita_->setDefault(true);
    connect(bottoni, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(fineGioco_, &QPushButton::clicked, this, [this] {
        // Whoever ends the program may already have done away with this window.
        const QPointer<FinePartita> resta(this);
        emit fineGioco();
        if (resta) close();
    });

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(messaggio_);
    colonna->addLayout(righe);
    colonna->addWidget(bottoni);
    colonna->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

} // namespace brivetta
