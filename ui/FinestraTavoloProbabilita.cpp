// The odds of the next card in the button bar, for a player who asks for them in the options
// menu. The switch is kept in preferenze.ini: brivetta.ini has no place for it.
#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QSettings>

#include "FinestraTavolo.h"
#include "Probabilita.h"
#include "Tavolo.h"

namespace brivetta {

namespace {
const QString ChiaveProbabilita = QStringLiteral("opzioni/probabilita");
const QString NomeProbabilita = QStringLiteral("Probabilità");
const QString SuggerimentoProbabilita =
    QStringLiteral("Probabilità che la prossima carta ti faccia sballare o fare 7½");
const QString TestoPiuLargo = QString::fromStdString(TestoProbabilita({1, 1, 1}));
constexpr int Distacco = 8; // from the stake caption
constexpr int Margine = 6;  // inside the label, around its widest text and the focus frame

// A label reached with Tab shows a frame while it holds the focus: the bar's buttons show theirs.
class CorniceAlFuoco : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        auto* etichetta = qobject_cast<QLabel*>(oggetto);
        if (etichetta && (evento->type() == QEvent::FocusIn || evento->type() == QEvent::FocusOut))
            etichetta->setFrameShape(evento->type() == QEvent::FocusIn ? QFrame::Box
                                                                       : QFrame::NoFrame);
        return false;
    }
};
} // namespace

void FinestraTavolo::CreaVoceProbabilita(QMenu* opzioni) {
    voceProbabilita_ = opzioni->addAction(QStringLiteral("&Probabilità"));
    voceProbabilita_->setCheckable(true);
    voceProbabilita_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(voceProbabilita_, &QAction::triggered, this, &FinestraTavolo::CambiaProbabilita);
}

void FinestraTavolo::CreaEtichettaProbabilita() {
    probabilita_ = new QLabel(barra_);
    probabilita_->setFont(CarattereTavolo(false));
    probabilita_->setTextFormat(Qt::PlainText);
    probabilita_->setAccessibleName(NomeProbabilita);
    probabilita_->setToolTip(SuggerimentoProbabilita);
    probabilita_->setFocusPolicy(Qt::TabFocus);
    probabilita_->installEventFilter(new CorniceAlFuoco(probabilita_));
    const QRect posta = didascaliaPosta_->geometry();
    const int larghezza = probabilita_->fontMetrics().horizontalAdvance(TestoPiuLargo);
    probabilita_->setGeometry(posta.right() + 1 + Distacco, posta.top(), larghezza + 2 * Margine,
                              posta.height());
    probabilita_->setIndent(Margine);
    probabilita_->hide();
}

void FinestraTavolo::CaricaProbabilita() {
    const QSettings preferenze(FilePreferenze(), QSettings::IniFormat);
    voceProbabilita_->setChecked(preferenze.value(ChiaveProbabilita, false).toBool());
}

void FinestraTavolo::CambiaProbabilita() {
    QSettings preferenze(FilePreferenze(), QSettings::IniFormat);
    preferenze.setValue(ChiaveProbabilita, voceProbabilita_->isChecked());
    MostraProbabilita();
}

// Only at the human's own move, dealer or not: while anything else happens the odds of his next
// card mean nothing.
void FinestraTavolo::MostraProbabilita() {
    const StatoTavolo& s = gioco_.Stato();
    const bool turno = gioco_.Attesa().Tipo == TipoEvento::Giocatore && s.Turno == 1 &&
                       s.TurniGiocati < s.NumGiocatori && !inAttesa_ && !chiusa_;
    const QString testo =
        voceProbabilita_->isChecked() && turno
            ? QString::fromStdString(TestoProbabilita(ProbabilitaUmano(s, gioco_.Vista())))
            : QString();
    if (probabilita_->text() != testo) {
        probabilita_->setText(testo);
        // A screen reader says the name, then the numbers.
        probabilita_->setAccessibleDescription(testo);
    }
    probabilita_->setVisible(!testo.isEmpty());
}

} // namespace brivetta
