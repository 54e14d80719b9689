#include "GiocaPerMe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "Consigliere.h"
#include "ConsiglioTavolo.h"
#include "Regia.h"

namespace brivetta {

GiocaPerMe::GiocaPerMe(Regia& regia, ConsiglioTavolo& consiglio, QWidget& finestra,
                       const QKeySequence& interruttore)
    : QObject(&finestra), regia_(regia), consiglio_(consiglio), finestra_(finestra),
      interruttore_(interruttore) {
    pausa_.setSingleShot(true);
    connect(&pausa_, &QTimer::timeout, this, &GiocaPerMe::Passo);
}

void GiocaPerMe::Accendi(bool acceso) {
    if (acceso == acceso_) return;
    acceso_ = acceso;
    if (!acceso) {
        pausa_.stop();
        qApp->removeEventFilter(this);
        return;
    }
    qApp->installEventFilter(this);
    // Switched on, it plays at once: the pause is for following the moves that come after.
    pausa_.start(0);
}

void GiocaPerMe::Spegni() {
    Accendi(false);
    emit spento();
}

void GiocaPerMe::Guarda() {
    if (!acceso_) return;
    // The end-of-game window is the player's own choice.
    if (regia_.Motore().Attesa().Tipo == TipoEvento::FinePartita) return Spegni();
    // Counted from the table's last change, so each move stays in sight for the whole pause.
    pausa_.start(attesa_);
}

// One step of the player's, if one is due: a message or summary closed, the first game started,
// the stake set, the move made. The table's next change brings the next; a step the window did
// not take (it was settling) is tried again after another pause.
void GiocaPerMe::Passo() {
    if (!acceso_) return;
    const Gioco& gioco = regia_.Motore();
    if (gioco.Attesa().Tipo == TipoEvento::FinePartita) return Spegni();
    if (regia_.AttendeConferma()) {
        regia_.Conferma();
    } else if (!regia_.Libera()) {
        return; // a card, a sound or the player's own window: its end comes with Guarda
    } else if (!regia_.MossaUmano()) {
        emit nuovaPartita(); // the idle table: the player's first move is a new game
    } else {
        const StatoTavolo& s = gioco.Stato();
        const VistaTavolo& v = gioco.Vista();
        consiglio_.Chiedi(s, v);
        const ValoreMosse* valori = consiglio_.Valori(s, v);
        if (!valori) return; // the advice is on its way and comes with Guarda
        const Mossa m = MossaMigliore(s, *valori);
        if (v.Cursore.Visibile && v.Cursore.Abilitato && v.Posta != m.Cursore)
            emit mossa(Azione::Posta, m.Cursore);
        else
            emit mossa(m.Gesto, 0);
    }
    if (acceso_) pausa_.start(attesa_);
}

// A window of the table's own, or one of its dialogs, but not its menus: a menu is how the
// player switches this off.
bool GiocaPerMe::DelTavolo(const QObject* oggetto) const {
    for (auto* w = qobject_cast<const QWidget*>(oggetto); w; w = w->parentWidget()) {
        if (qobject_cast<const QMenuBar*>(w) || qobject_cast<const QMenu*>(w)) return false;
        if (w == &finestra_) return true;
    }
    return false;
}

bool GiocaPerMe::eventFilter(QObject* oggetto, QEvent* evento) {
    switch (evento->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        switch (tasto->key()) {
        case Qt::Key_Control:
        case Qt::Key_Shift:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
            return false; // the first half of a combination, perhaps the switch's own
        default:
            break;
        }
        if (QKeySequence(tasto->keyCombination()) == interruttore_) return false;
        if (DelTavolo(oggetto)) Spegni();
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (DelTavolo(oggetto)) Spegni();
        return false;
    default:
        return false;
    }
}

} // namespace brivetta
