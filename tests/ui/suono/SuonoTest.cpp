// The sound player: the wave header it accepts, and the end of every sound told exactly once,
// later, whatever the file (found ignoring letter case) and the audio side do.
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <csignal>
#include <functional>
#include <sys/stat.h>

#include "FileWav.h"
#include "LettoreSuoni.h"
#include "Supporto.h"
#include "UscitaAudio.h"

using namespace brivetta;
using namespace brivetta::test;
using namespace std::chrono_literals;

namespace {

template <typename T> QByteArray Le(T v) {
    QByteArray b(sizeof(T), 0);
    qToLittleEndian(v, b.data());
    return b;
}

struct Formato {
    quint16 formato = 1, canali = 1;
    quint32 frequenza = 8000;
    quint16 bit = 16;
    int bloccoErrato = 0; // added to the block size
};

QByteArray Fmt(Formato f) {
    const quint16 blocco = f.canali * f.bit / 8 + f.bloccoErrato;
    return "fmt " + Le<quint32>(16) + Le(f.formato) + Le(f.canali) + Le(f.frequenza) +
           Le<quint32>(f.frequenza * blocco) + Le(blocco) + Le(f.bit);
}

QByteArray Wav(const QByteArray& b) {
    return "RIFF" + Le<quint32>(4 + b.size()) + "WAVE" + b;
}
QByteArray Dati(quint32 detti, int presenti) {
    return "data" + Le(detti) + QByteArray(presenti, 0);
}

const QByteArray Mono8k = Fmt({});                       // 16000 bytes a second
const QByteArray Breve = Wav(Mono8k + Dati(1600, 1600)); // 100 ms
constexpr auto Margine = 50ms;

// The audio side, without sound: records what it is asked to play and answers as told.
struct AudioProva : UscitaAudio {
    enum Fine { Subito, Mai };
    bool uscita;
    Fine fine;
    QStringList suonati;
    AudioProva(bool u, Fine f) : uscita(u), fine(f) {}
    void Richiesta(quint64 voce, const QString& percorso, int, QDeadlineTimer scadenza) override {
        if (!percorso.isEmpty() && uscita && !scadenza.hasExpired()) {
            suonati << QFileInfo(percorso).fileName();
            if (fine == Subito) emit finito(voce);
        } else if (!percorso.isEmpty()) {
            emit finito(voce);
        }
        emit risposta(voce, uscita);
    }
};

struct Lettore {
    AudioProva* audio;
    LettoreSuoni lettore;
    QSignalSpy fine{&lettore, &LettoreSuoni::finito};
    Lettore(bool uscita, AudioProva::Fine f = {})
        : audio(new AudioProva(uscita, f)), lettore(std::unique_ptr<UscitaAudio>(audio), Margine) {}
};

// The player over a stand-in for the sound process, with short times.
const TempiProcesso Brevi{
    .risposta = 2000ms, .coda = 300ms, .pausa = 100ms, .senzaUscita = 200ms, .chiusura = 300ms};
constexpr auto MargineProcesso = 500ms;
constexpr int Attesa = 10000; // for what takes a process or two to start

struct Processo {
    QTemporaryDir cartella;
    std::unique_ptr<LettoreSuoni> lettore;
    std::unique_ptr<QSignalSpy> fine;
    int chiamate = 0;

    explicit Processo(const QString& modo, TempiProcesso tempi = Brevi,
                      const QString& programma = QStringLiteral(SUONO_FINTO)) {
        Modo(modo);
        lettore = std::make_unique<LettoreSuoni>(
            std::make_unique<UscitaProcesso>(programma, QStringList{cartella.path()}, tempi),
            MargineProcesso);
        fine = std::make_unique<QSignalSpy>(lettore.get(), &LettoreSuoni::finito);
    }
    void Modo(const QString& modo) { Scrivi(cartella.filePath("modo"), modo.toUtf8()); }
    QStringList Registro() const {
        return QString::fromUtf8(Leggi(cartella.filePath("registro")))
            .split('\n', Qt::SkipEmptyParts);
    }
    qsizetype Avvii() const { return Registro().filter(QStringLiteral(": avvio ")).size(); }
    void Suona(const QString& file) {
        ++chiamate;
        lettore->Suona(file);
    }
    // Plays `file`, each time the last sound has ended, until `fatto`.
    bool SuonaFinche(const QString& file, const std::function<bool()>& fatto) {
        return QTest::qWaitFor(
            [&] {
                if (fine->count() == chiamate) Suona(file);
                return fatto();
            },
            Attesa);
    }
};

const QString Accentato = QStringLiteral("Altro è 100%.wav"); // crosses the pipe as it is

} // namespace

class SuonoTest : public QObject {
    Q_OBJECT
    QTemporaryDir cartella_;
    QString precedente_;

  private slots:
    void initTestCase() {
        precedente_ = QDir::currentPath();
        QDir::setCurrent(cartella_.path());
        QDir().mkdir("Cartella.wav");
        mkfifo("Tubo.wav", 0600);
    }
    void init() {
        for (const QString& nome :
             {QStringLiteral("Risata.wav"), QStringLiteral("Altro.wav"), Accentato})
            Scrivi(nome, Breve);
        Scrivi("rotto.wav", Breve.left(40));
    }
    void cleanupTestCase() { QDir::setCurrent(precedente_); }

    void durata_data() {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<int>("millisecondi");
        const QByteArray cento = Dati(1600, 1600);
        QTest::newRow("plain") << Breve << 100;
        QTest::newRow("192 kHz") << Wav(Fmt({.frequenza = 192000}) + Dati(3840, 3840)) << 10;
        QTest::newRow("a list chunk first, odd length")
            << Wav("LIST" + Le<quint32>(5) + "abcde" + QByteArray(1, 0) + Mono8k + cento) << 100;

        QTest::newRow("float samples") << Wav(Fmt({.formato = 3, .bit = 32}) + cento) << -1;
        QTest::newRow("above 192 kHz") << Wav(Fmt({.frequenza = 192001}) + cento) << -1;
        QTest::newRow("block size wrong") << Wav(Fmt({.bloccoErrato = 2}) + cento) << -1;
        QTest::newRow("data longer than the file") << Wav(Mono8k + Dati(1600, 1000)) << -1;
        QTest::newRow("data beyond what is loaded") << Wav(Mono8k + Dati(9 << 20, 9 << 20)) << -1;
        QTest::newRow("chunk length past the end") << Wav("junk" + Le<quint32>(0x7FFFFFFF)) << -1;
    }
    void durata() {
        QFETCH(QByteArray, contenuto);
        Scrivi("prova.wav", contenuto);
        QTEST(DurataWav("prova.wav"), "millisecondi");
    }

    // Each sound's end is told once: a silent one at once, a played one when the audio side
    // says so or, when it never does, by the watchdog; never a second time.
    void fineUnaVolta_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("uscita");
        QTest::addColumn<int>("fine");
        QTest::addColumn<QStringList>("suonati");
        QTest::addColumn<QByteArray>("poi"); // the file after the first end, then played again
        const QStringList risata{"Risata.wav"}, nessuno;
        const QByteArray resta = Breve, cancellato;
        QTest::newRow("played") << "risata.WAV" << true << 0 << risata << resta;
        QTest::newRow("never ends") << "risata.wav" << true << 1 << risata << resta;
        QTest::newRow("deleted, silent") << "risata.wav" << true << 0 << risata << cancellato;
        QTest::newRow("damaged") << "rotto.wav" << true << 0 << nessuno << resta;
        QTest::newRow("a folder") << "cartella.wav" << true << 0 << nessuno << resta;
        QTest::newRow("a pipe") << "tubo.wav" << true << 0 << nessuno << resta; // no read waits
        QTest::newRow("no output") << "risata.wav" << false << 0 << nessuno << resta;
    }
    void fineUnaVolta() {
        QFETCH(QString, file);
        QFETCH(bool, uscita);
        QFETCH(int, fine);
        QFETCH(QByteArray, poi);
        Lettore l(uscita, AudioProva::Fine(fine));
        l.lettore.Suona(file);
        QCOMPARE(l.fine.count(), 0);
        QTRY_COMPARE(l.fine.count(), 1);
        if (poi.isEmpty())
            QFile::remove("Risata.wav");
        else
            Scrivi("Risata.wav", poi);
        const bool muto = poi != Breve || l.audio->suonati.isEmpty();
        if (muto) { // never told inside Suona(), told once the queued events are delivered
            l.lettore.Suona(file);
            QCOMPARE(l.fine.count(), 1);
            QCoreApplication::sendPostedEvents();
            QCOMPARE(l.fine.count(), 2);
        }
        QTest::qWait((Margine * 4).count()); // past every watchdog
        QCOMPARE(l.fine.count(), muto ? 2 : 1);
        QTEST(l.audio->suonati, "suonati");
    }

    // However the sound process fails (the server holds it, it dies, it sees no output), the game
    // goes on, a new process takes over and the sounds are heard again; each end told once. A
    // healthy process is kept.
    void processoSostituito_data() {
        QTest::addColumn<QString>("modo");
        QTest::newRow("healthy") << "suona";
        QTest::newRow("never answers") << "muto";
        QTest::newRow("never ends a sound") << "infinito";
        QTest::newRow("dies") << "muore";
        QTest::newRow("no output") << "senza";
    }
    void processoSostituito() {
        QFETCH(QString, modo);
        Processo p(modo);
        p.Suona("risata.wav");
        QTRY_COMPARE_WITH_TIMEOUT(p.fine->count(), 1, Attesa);
        p.Modo("suona");
        QVERIFY(
            p.SuonaFinche(Accentato, [&] { return p.Registro().contains("suona: " + Accentato); }));
        QTRY_COMPARE_WITH_TIMEOUT(p.fine->count(), p.chiamate, Attesa);
        QCOMPARE(p.Avvii() > 1, modo != "suona");
        QTest::qWait((MargineProcesso + Brevi.coda).count() * 2); // past every watchdog
        QCOMPARE(p.fine->count(), p.chiamate);
    }

    // At exit a process the server holds is killed, not waited for.
    void uscitaConProcessoBloccato() {
        Processo p("fermo");
        p.Suona("risata.wav");
        QTRY_COMPARE(p.Avvii(), 1);
        const pid_t pid = p.Registro().first().section(' ', 2).toInt();
        QVERIFY(pid > 0);
        QElapsedTimer chiusura;
        chiusura.start();
        p.fine.reset();
        p.lettore.reset();
        QVERIFY2(chiusura.elapsed() < 5000, "the exit waited for the sound process");
        QCOMPARE(::kill(pid, 0), -1); // gone, and reaped
    }

    // The real sound process, whatever this machine has: every call returns and ends once.
    void uscitaDelSistema() {
        LettoreSuoni lettore(std::make_unique<UscitaProcesso>(QStringLiteral(SUONO_VERO)), 1000ms);
        QSignalSpy fine(&lettore, &LettoreSuoni::finito);
        for (const char* nome : {"mancante.wav", "rotto.wav", "risata.wav", "risata.wav"})
            lettore.Suona(nome);
        QCOMPARE(fine.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(fine.count(), 4, Attesa);
    }
};

QTEST_MAIN(SuonoTest)
#include "SuonoTest.moc"
