// The table window's side of the game: start-up, and what the engine asks of the window.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include "CartellaProgramma.h"
#include "FinestraTavolo.h"
#include "RiepilogoManche.h"
#include "FinePartita.h"
#include "FileImpostazioni.h"
#include "InsiemiCarte.h"
#include "Tavolo.h"

namespace brivetta {

namespace {
constexpr auto QuotaPasso = std::chrono::microseconds(2000); // time share of one card pass
constexpr auto RitardoMassimo = std::chrono::milliseconds(20);
constexpr int AttesaMassimaFinestraMs = 1500;
constexpr int FinestraFermaMs = 100;
constexpr int DistanzaDallaMano = 105; // the summary opens this far right of the longest hand
} // namespace

void FinestraTavolo::Form_Load() {
    RiempiSchermo();
    gioco_.AvvioIniziale();
    if (cartella_.isEmpty()) {
        const auto cartella =
            PreparaCartellaProgramma(QCoreApplication::applicationDirPath().toStdString());
        cartella_ = QString::fromStdString(cartella.string());
    }
    // Every file of the game is named relative to its own folder from here on.
    QDir::setCurrent(cartella_);
    const auto spunta = CaricaImpostazioni(stato_);
    if (spunta) menuS_->setChecked(*spunta);
    // A set that is not there at all is replaced silently; only a broken one is reported.
    ControllaCarte(stato_);
    CaricaCarte();
    CopiaAvatar();
    gioco_.AvvioFinale();
    Rinfresca();
}

void FinestraTavolo::RiempiSchermo() {
    const bool giaPronta =
        isVisible() && isMaximized() && windowHandle() && windowHandle()->isExposed();
    if (giaPronta) return;
    showMaximized();
    AttendiFinestraStabile();
}

// The window manager maximises the window some time after it is shown: the seats are counted
// only once the size has settled.
void FinestraTavolo::AttendiFinestraStabile() {
    QElapsedTimer tempo;
    tempo.start();
    QSize ultima = size();
    qint64 fermaDa = 0;
    while (tempo.elapsed() < AttesaMassimaFinestraMs) {
        QEventLoop attesa;
        QTimer::singleShot(10, &attesa, &QEventLoop::quit);
        attesa.exec();
        if (size() != ultima) {
            ultima = size();
            fermaDa = tempo.elapsed();
        }
        const bool esposta = windowHandle() && windowHandle()->isExposed();
        if (esposta && tempo.elapsed() - fermaDa >= FinestraFermaMs) break;
    }
}

int FinestraTavolo::AltezzaInterna() {
    return tavolo_->height() - SpostamentoTavolo;
}

int FinestraTavolo::LarghezzaTesto(const std::string& testo) {
    return QFontMetrics(label4_->font()).horizontalAdvance(QString::fromStdString(testo)) + 2 * 2;
}

void FinestraTavolo::Messaggio(const std::string& testo) {
    Rinfresca();
    QString righe = QString::fromStdString(testo);
    righe.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    righe.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Brivetta 2002"), righe, QMessageBox::Ok,
                    this);
    box.setTextFormat(Qt::PlainText); // names in the texts are shown as typed, tags included
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void FinestraTavolo::Suona(const std::string& file) {
    Rinfresca();
    if (suonatore) suonatore(file);
}

void FinestraTavolo::Cedi() {
    Rinfresca();
    QCoreApplication::processEvents();
}

void FinestraTavolo::PassoAnimazione() {
    const auto ora = Orologio::now();
    // A pass long after the previous one starts a new movement (or follows a pause): the
    // schedule starts again from now instead of hurrying to catch up.
    if (ora - scadenzaPasso_ > RitardoMassimo) scadenzaPasso_ = ora;
    scadenzaPasso_ += QuotaPasso;

    // The picture is moved at the screen's refresh rate; the passes in between only keep the
    // window responsive.
    const qreal hz = screen() && screen()->refreshRate() > 1 ? screen()->refreshRate() : 60.0;
    const auto quadro = std::chrono::microseconds(static_cast<long>(1e6 / hz));
    if (ora - ultimoQuadro_ >= quadro) {
        ultimoQuadro_ = ora;
        Rinfresca();
    }
    QCoreApplication::processEvents();
    const auto resto = scadenzaPasso_ - Orologio::now();
    if (resto > Orologio::duration::zero())
        QThread::usleep(static_cast<unsigned long>(
            std::chrono::duration_cast<std::chrono::microseconds>(resto).count()));
}

void FinestraTavolo::Beep() {
    QApplication::beep();
}

void FinestraTavolo::MostraRiepilogo(const Riepilogo& riepilogo) {
    Rinfresca();
    RiepilogoManche riepilogoManche(
        riepilogo, [this](int i) { return ImmagineFaccia(i); }, this);
    const int mano = LarghezzaCarta * std::max(1, riepilogo.CarteMassime) + DistanzaDallaMano;
    riepilogoManche.Posiziona(tavolo_->mapToGlobal(QPoint(mano, 0)).x());
    riepilogoManche.exec();
}

SceltaFine FinestraTavolo::MostraFinePartita() {
    Rinfresca();
    FinePartita fine(stato_, this);
    connect(&fine, &FinePartita::fineGioco, this, [this] {
        if (uscita) uscita();
    });
    fine.exec();
    return SceltaFine::AltraPartita;
}

} // namespace brivetta
