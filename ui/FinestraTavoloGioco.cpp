// The table window's side of the game: start-up, and the game's events shown and answered.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include "CartellaProgramma.h"
#include "EffettiSonori.h"
#include "FileImpostazioni.h"
#include "FinePartita.h"
#include "FinestraTavolo.h"
#include "GeometriaTavolo.h"
#include "Immagine.h"
#include "InsiemiCarte.h"
#include "LettoreSuoni.h"
#include "RiepilogoManche.h"
#include "Tavolo.h"
#include "VoloCarta.h"

namespace brivetta {

namespace {
constexpr int AttesaMassimaFinestraMs = 1500;
constexpr int FinestraFermaMs = 100;
constexpr int ControlloFinestraMs = 10;
constexpr int DistanzaDallaMano = 105; // the summary opens this far right of the longest hand
constexpr double PixelAlSecondoPerVelocita = 100.0;
constexpr QSize DimensioneMinima(800, 600);
constexpr QSize DimensioneComoda(1024, 720);
const QString ChiaveGeometria = QStringLiteral("finestra/geometria");

QMessageBox* Messaggio(QWidget* genitore, const QString& testo) {
    QString righe = testo;
    righe.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    righe.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Brivetta 2002"), righe,
                                QMessageBox::Ok, genitore);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText); // names in the texts are shown as typed, tags included
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return box;
}
} // namespace

// --- Start-up ----------------------------------------------------------------------------------

void FinestraTavolo::Avvia() {
    gioco_.AvvioIniziale();
    if (cartella_.isEmpty()) {
        const auto cartella =
            PreparaCartellaProgramma(QCoreApplication::applicationDirPath().toStdString());
        cartella_ = QString::fromStdString(cartella.string());
    }
    // Every file of the game is named relative to its own folder from here on.
    QDir::setCurrent(cartella_);
    CaricaStatistiche();
    Impostazioni impostazioni = ImpostazioniDelTavolo(gioco_.Stato());
    const auto spunta = CaricaImpostazioni(impostazioni);
    if (spunta) voceSuono_->setChecked(*spunta);
    CaricaProbabilita();
    // A set that is not there at all is replaced silently; only a broken one is reported.
    ControllaCarte(impostazioni.Carte);
    gioco_.CambiaImpostazioni(impostazioni);
    RipristinaGeometria();
    QuandoSchermoPieno([this] {
        CaricaCarte();
        CopiaAvatar();
        gioco_.AvvioFinale(AltezzaInterna());
        pronta_ = true;
        Rinfresca();
    });
}

// The size and place the window takes when it is no longer maximised: the last one the player
// gave it, when it still fits a screen, or a comfortable size in the middle of the screen.
void FinestraTavolo::RipristinaGeometria() {
    const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = schermo ? schermo->availableGeometry() : QRect(0, 0, 1024, 768);
    QSettings preferenze(FilePreferenze(), QSettings::IniFormat);
    const QRect salvata = preferenze.value(ChiaveGeometria).toRect();
    if (salvata.isValid() && salvata.width() >= DimensioneMinima.width() &&
        salvata.height() >= DimensioneMinima.height() && area.intersects(salvata)) {
        setGeometry(salvata);
        return;
    }
    const QSize comoda = DimensioneComoda.boundedTo(area.size());
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, comoda, area));
}

void FinestraTavolo::SalvaGeometria() {
    QSettings preferenze(FilePreferenze(), QSettings::IniFormat);
    preferenze.setValue(ChiaveGeometria, normalGeometry());
}

QString FinestraTavolo::FilePreferenze() const {
    return QDir(cartella_.isEmpty() ? QDir::currentPath() : cartella_)
        .filePath(QStringLiteral("preferenze.ini"));
}

// The window manager maximises the window some time after it is shown: the seats are counted
// only once the size has settled.
void FinestraTavolo::QuandoSchermoPieno(std::function<void()> poi) {
    if (isVisible() && isMaximized() && windowHandle() && windowHandle()->isExposed()) {
        poi();
        return;
    }
    showMaximized();
    schermoInAttesa_ = true;
    auto* controllo = new QTimer(this);
    auto tempo = std::make_shared<QElapsedTimer>();
    tempo->start();
    auto ultima = std::make_shared<QSize>(size());
    auto fermaDa = std::make_shared<qint64>(0);
    connect(controllo, &QTimer::timeout, this, [this, controllo, tempo, ultima, fermaDa, poi] {
        if (size() != *ultima) {
            *ultima = size();
            *fermaDa = tempo->elapsed();
        }
        const bool esposta = windowHandle() && windowHandle()->isExposed();
        const bool ferma = esposta && tempo->elapsed() - *fermaDa >= FinestraFermaMs;
        if (!ferma && tempo->elapsed() < AttesaMassimaFinestraMs) return;
        controllo->stop();
        controllo->deleteLater();
        schermoInAttesa_ = false;
        poi();
    });
    controllo->start(ControlloFinestraMs);
}

int FinestraTavolo::AltezzaInterna() const {
    return tavolo_->height() - SpostamentoTavolo;
}

// --- The game's events
// ----------------------------------------------------------------------------

// Shows the game's events one after the other until one takes time (a card's flight, a sound,
// a window); its end calls Fatto, which goes on from there.
void FinestraTavolo::Prosegui() {
    while (!inAttesa_ && pausa_ == 0 && !chiusa_) {
        Rinfresca();
        const Evento& e = gioco_.Attesa();
        switch (e.Tipo) {
        case TipoEvento::Giocatore:
            if (postaRichiesta_) {
                const int valore = *std::exchange(postaRichiesta_, std::nullopt);
                if (gioco_.Gioca(Azione::Posta, valore)) continue;
                Rinfresca();
            }
            return;
        case TipoEvento::Beep:
            QApplication::beep();
            gioco_.Rispondi();
            continue;
        case TipoEvento::Suono:
            Suona(qPrintable(FileEffetto(e.Effetto)));
            return;
        case TipoEvento::Messaggio:
            ApriMessaggioDelGioco(e.Testo);
            return;
        case TipoEvento::Volo:
            PartiCarta(e.Carta);
            return;
        case TipoEvento::Riepilogo:
            ApriRiepilogo();
            return;
        case TipoEvento::FinePartita:
            ApriFinePartita();
            return;
        }
    }
}

void FinestraTavolo::Fatto() {
    if (!inAttesa_ || chiusa_) return;
    inAttesa_ = false;
    // The table is paused under another window: the game goes on when that one closes.
    if (pausa_ > 0) {
        daRispondere_ = true;
        return;
    }
    gioco_.Rispondi();
    Prosegui();
}

void FinestraTavolo::Suona(const char* file) {
    inAttesa_ = true;
    if (suonatore) {
        suonatore(file);
        QTimer::singleShot(0, this, &FinestraTavolo::Fatto);
        return;
    }
    lettore_->Suona(QString::fromLatin1(file));
}

void FinestraTavolo::ApriMessaggioDelGioco(const std::string& testo) {
    inAttesa_ = true;
    QMessageBox* box = Messaggio(this, QString::fromStdString(testo));
    connect(box, &QDialog::finished, this, &FinestraTavolo::Fatto);
    box->open();
}

void FinestraTavolo::ApriRiepilogo() {
    inAttesa_ = true;
    const Riepilogo riepilogo = gioco_.RiepilogoManche();
    ContaManche(riepilogo);
    auto* finestra = new RiepilogoManche(
        riepilogo,
        [this](int posto, Volto v) {
            return ImmagineFaccia(v == Volto::Contento ? 2 * posto - 2 : 2 * posto - 1);
        },
        this);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    const int mano =
        geometria::Carta.width() * std::max(1, riepilogo.CarteMassime) + DistanzaDallaMano;
    finestra->Posiziona(tavolo_->mapToGlobal(QPoint(mano, 0)).x());
    connect(finestra, &QDialog::finished, this, &FinestraTavolo::Fatto);
    finestra->open();
}

void FinestraTavolo::ApriFinePartita() {
    inAttesa_ = true;
    ContaFinePartita();
    auto* fine = new FinePartita(gioco_.Stato(), this);
    fine->setAttribute(Qt::WA_DeleteOnClose);
    // Leaving ends the program here and now; any other way out starts another game.
    connect(fine, &FinePartita::fineGioco, this, &FinestraTavolo::Esci);
    connect(fine, &QDialog::finished, this, [this] {
        if (chiusa_) return;
        QuandoSchermoPieno([this] {
            gioco_.ImpostaAltezza(AltezzaInterna());
            ContaNuovaPartita(); // answering the window starts the next game
            Fatto();
        });
    });
    fine->open();
}

void FinestraTavolo::PartiCarta(const Volo& volo) {
    inAttesa_ = true;
    using namespace geometria;
    const QPoint da =
        volo.DallaCoperta ? PartenzaDallaCoperta(volo.Posto) : PartenzaDalMazzo(volo.Mazziere);
    const int velocita = std::clamp<int>(gioco_.Stato().VelocitaCarta, 1, 100);
    volo_->Parti(carte_[volo.Carta], Tavolo::Punto(da),
                 Tavolo::Punto(Slot(volo.Posto, volo.Casella)),
                 PixelAlSecondoPerVelocita * velocita);
    luoghiMostrati_[volo.Carta] = gioco_.Vista().Carte[volo.Carta];
    if (pausa_ > 0) volo_->Sospendi(true);
}

// --- The player's windows over the table ---------------------------------------------------------

void FinestraTavolo::Sospendi() {
    if (pausa_++ == 0) volo_->Sospendi(true);
}

void FinestraTavolo::Riprendi() {
    if (pausa_ == 0 || --pausa_ > 0 || chiusa_) return;
    volo_->Sospendi(false);
    if (std::exchange(daRispondere_, false)) gioco_.Rispondi();
    Prosegui();
}

// The table's own messages (a broken card set, a save that failed, the rules...), one at a
// time, each pausing the table.
void FinestraTavolo::Avviso(const QString& testo) {
    avvisi_ << testo;
    if (!avvisoAperto_) ProssimoAvviso();
}

void FinestraTavolo::ProssimoAvviso() {
    if (avvisi_.isEmpty() || chiusa_) return;
    avvisoAperto_ = true;
    Sospendi();
    QMessageBox* box = Messaggio(this, avvisi_.takeFirst());
    connect(box, &QDialog::finished, this, [this] {
        avvisoAperto_ = false;
        ProssimoAvviso(); // the next one keeps the table paused
        Riprendi();
    });
    box->open();
}

} // namespace brivetta
