// The sound player: the wave header it accepts, the look-up, and that the end of every sound
// is told exactly once, later, whatever the file and the audio side do.
#include <QDir>
#include <QMutex>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "LettoreSuoni.h"
#include "Riproduttore.h"
#include "Suono.h"
#include "Supporto.h"

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
    quint16 formato = 1;
    quint16 canali = 1;
    quint32 frequenza = 8000;
    quint16 bit = 16;
    int bloccoErrato = 0; // added to the block size, the byte rate following it
    int byteErrati = 0;   // added to the byte rate
    quint32 lunghezza = 16;
};

QByteArray Fmt(Formato f) {
    const quint16 blocco = f.canali * f.bit / 8 + f.bloccoErrato;
    return "fmt " + Le(f.lunghezza) + Le(f.formato) + Le(f.canali) + Le(f.frequenza) +
           Le<quint32>(f.frequenza * blocco + f.byteErrati) + Le(blocco) + Le(f.bit) +
           QByteArray(f.lunghezza > 16 ? f.lunghezza - 16 : 0, '\0');
}

QByteArray Wav(const QByteArray& blocchi) {
    return "RIFF" + Le<quint32>(4 + blocchi.size()) + "WAVE" + blocchi;
}

QByteArray Dati(quint32 dichiarati, int presenti) {
    return "data" + Le(dichiarati) + QByteArray(presenti, '\0');
}

const QByteArray Mono8k = Fmt({});                       // 16000 bytes a second
const QByteArray Breve = Wav(Mono8k + Dati(1600, 1600)); // 100 ms
constexpr auto Margine = 50ms;

// The audio side, without sound: records what it is asked to play and answers as told.
class RiproduttoreProva : public Riproduttore {
  public:
    enum Fine { Subito, Mai };
    RiproduttoreProva(bool uscita, Fine fine, QSemaphore* blocco = nullptr)
        : uscita_(uscita), fine_(fine), blocco_(blocco) {}
    QStringList Suonati() const {
        QMutexLocker l(&mutex_);
        return suonati_;
    }

  protected:
    bool UscitaPresente() override { return uscita_; }
    void Riproduci(quint64 voce, const QString& percorso, int, QDeadlineTimer) override {
        {
            QMutexLocker l(&mutex_);
            suonati_ << QFileInfo(percorso).fileName();
        }
        if (blocco_) blocco_->acquire(); // an audio system that never returns, until released
        if (fine_ == Subito) emit finito(voce);
    }

  private:
    const bool uscita_;
    const Fine fine_;
    QSemaphore* blocco_;
    mutable QMutex mutex_;
    QStringList suonati_;
};

struct Lettore {
    RiproduttoreProva* audio;
    LettoreSuoni lettore;
    QSignalSpy fine{&lettore, &LettoreSuoni::finito};
    Lettore(bool uscita, RiproduttoreProva::Fine f = RiproduttoreProva::Subito,
            QSemaphore* blocco = nullptr)
        : audio(new RiproduttoreProva(uscita, f, blocco)),
          lettore(std::unique_ptr<Riproduttore>(audio), Margine) {}
    // The end is never told inside Suona(), and is told once the queued events are delivered.
    void SuonaEFinisceSubito(const QString& file) {
        const auto prima = fine.count();
        lettore.Suona(file);
        QCOMPARE(fine.count(), prima);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(fine.count(), prima + 1);
    }
};

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
    }
    void init() {
        Scrivi("Risata.wav", Breve);
        Scrivi("Altro.wav", Breve);
        Scrivi("rotto.wav", Breve.left(40));
    }
    void cleanupTestCase() { QDir::setCurrent(precedente_); }

    void durata_data() {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<int>("millisecondi");
        const QByteArray cento = Dati(1600, 1600);
        QTest::newRow("plain") << Breve << 100;
        QTest::newRow("stereo 8 bit at 44.1 kHz")
            << Wav(Fmt({.canali = 2, .frequenza = 44100, .bit = 8}) + Dati(8820, 8820)) << 100;
        QTest::newRow("192 kHz") << Wav(Fmt({.frequenza = 192000}) + Dati(3840, 3840)) << 10;
        QTest::newRow("a list chunk first, odd length")
            << Wav("LIST" + Le<quint32>(5) + "abcde" + QByteArray(1, 0) + Mono8k + cento) << 100;
        QTest::newRow("fmt with an extension size") << Wav(Fmt({.lunghezza = 18}) + cento) << 100;
        QTest::newRow("a chunk after the data") << Wav(Mono8k + cento + "LIST" + Le(0)) << 100;

        QTest::newRow("not riff") << "RIFX" + Breve.mid(4) << -1;
        QTest::newRow("not wave") << Breve.left(8) + "AVI " + Breve.mid(12) << -1;
        QTest::newRow("float samples") << Wav(Fmt({.formato = 3, .bit = 32}) + cento) << -1;
        QTest::newRow("extensible format") << Wav(Fmt({.formato = 0xFFFE}) + cento) << -1;
        QTest::newRow("no channels") << Wav(Fmt({.canali = 0}) + cento) << -1;
        QTest::newRow("three channels") << Wav(Fmt({.canali = 3}) + cento) << -1;
        QTest::newRow("1 Hz") << Wav(Fmt({.frequenza = 1}) + Dati(100000, 100000)) << -1;
        QTest::newRow("below 8 kHz") << Wav(Fmt({.frequenza = 7999}) + cento) << -1;
        QTest::newRow("above 192 kHz") << Wav(Fmt({.frequenza = 192001}) + cento) << -1;
        QTest::newRow("24 bit") << Wav(Fmt({.bit = 24}) + cento) << -1;
        QTest::newRow("block size wrong") << Wav(Fmt({.bloccoErrato = 2}) + cento) << -1;
        QTest::newRow("byte rate wrong") << Wav(Fmt({.byteErrati = 1}) + cento) << -1;
        // Read as 16 bytes, its fields would end in the next chunk's name.
        QTest::newRow("fmt shorter than its fields")
            << Wav("fmt " + Le<quint32>(14) + Mono8k.mid(8, 14) + Mono8k.right(2) + "xx" + Le(0) +
                   cento)
            << -1;
        QTest::newRow("data before fmt") << Wav(cento + Mono8k) << -1;
        QTest::newRow("no data") << Wav(Mono8k) << -1;
        QTest::newRow("empty data") << Wav(Mono8k + Dati(0, 0)) << -1;
        QTest::newRow("data longer than the file") << Wav(Mono8k + Dati(1600, 1000)) << -1;
        QTest::newRow("data beyond what is loaded") << Wav(Mono8k + Dati(9 << 20, 9 << 20)) << -1;
        QTest::newRow("cut in the header") << Breve.left(20) << -1;
        QTest::newRow("chunk length past the end") << Wav("junk" + Le<quint32>(0x7FFFFFFF)) << -1;
    }
    void durata() {
        QFETCH(QByteArray, contenuto);
        QFETCH(int, millisecondi);
        Scrivi("prova.wav", contenuto);
        QCOMPARE(DurataWav("prova.wav"), millisecondi);
    }

    void ricerca_data() {
        QTest::addColumn<QString>("cercato");
        QTest::addColumn<QString>("trovato");
        QTest::newRow("other case") << "RISATA.wav"
                                    << "Risata.wav";
        QTest::newRow("a folder does not count") << "cartella.wav"
                                                 << "";
        QTest::newRow("not below the folder") << "../Risata.wav"
                                              << "";
    }
    void ricerca() {
        QFETCH(QString, cercato);
        QFETCH(QString, trovato);
        QCOMPARE(QFileInfo(TrovaFileProgramma(cercato)).fileName(), trovato);
    }

    // Each sound's end is told once: a silent one at once, a played one when the audio side
    // says so, and never a second time by the watchdog.
    void fineUnaVolta_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("uscita");
        QTest::addColumn<QStringList>("suonati");
        QTest::newRow("played") << "risata.WAV" << true << QStringList{"Risata.wav"};
        QTest::newRow("missing") << "mancante.wav" << true << QStringList{};
        QTest::newRow("damaged") << "rotto.wav" << true << QStringList{};
        QTest::newRow("no output") << "risata.wav" << false << QStringList{};
    }
    void fineUnaVolta() {
        QFETCH(QString, file);
        QFETCH(bool, uscita);
        QFETCH(QStringList, suonati);
        Lettore l(uscita);
        l.lettore.Suona(file);
        QCOMPARE(l.fine.count(), 0);
        QTRY_COMPARE(l.fine.count(), 1);
        if (suonati.isEmpty()) l.SuonaEFinisceSubito(file);
        QTest::qWait((Margine * 4).count()); // past every watchdog
        QCOMPARE(l.fine.count(), suonati.isEmpty() ? 2 : 1);
        QCOMPARE(l.audio->Suonati(), suonati);
    }

    void fileCancellatoSilenzioso() {
        Lettore l(true);
        l.lettore.Suona("risata.wav");
        QTRY_COMPARE(l.fine.count(), 1);
        QFile::remove("Risata.wav");
        l.SuonaEFinisceSubito("risata.wav");
        QCOMPARE(l.audio->Suonati(), QStringList{"Risata.wav"});
    }

    // An audio side that never reports the end, or never returns at all: the watchdog tells
    // the end, and once the audio thread is known stuck the next sounds end at once.
    void audioMuto() {
        Lettore l(true, RiproduttoreProva::Mai);
        l.lettore.Suona("risata.wav");
        QTRY_COMPARE(l.fine.count(), 1);
        QTest::qWait((Margine * 2).count());
        QCOMPARE(l.fine.count(), 1);
    }
    void audioBloccato() {
        QSemaphore blocco;
        Lettore l(true, RiproduttoreProva::Subito, &blocco);
        l.lettore.Suona("risata.wav"); // holds the audio thread
        l.lettore.Suona("altro.wav");  // waits behind it
        QTRY_COMPARE(l.fine.count(), 2);
        l.SuonaEFinisceSubito("risata.wav");
        // Once the audio thread answers again, sounds are played again, but none that the
        // table has already left behind.
        blocco.release(1000);
        int chiamate = 3;
        const auto suonaAncora = [&] {
            l.lettore.Suona("risata.wav");
            ++chiamate;
            return l.audio->Suonati().size();
        };
        QTRY_VERIFY(suonaAncora() > 1);
        QVERIFY(!l.audio->Suonati().contains("Altro.wav"));
        QTest::qWait((Margine * 4).count()); // past every watchdog
        QCOMPARE(l.fine.count(), chiamate);
    }

    // The real audio side, whatever this machine has: every call returns and ends once.
    void riproduttoreDelSistema() {
        LettoreSuoni lettore;
        QSignalSpy fine(&lettore, &LettoreSuoni::finito);
        for (const char* nome : {"mancante.wav", "rotto.wav", "risata.wav", "risata.wav"})
            lettore.Suona(nome);
        QCOMPARE(fine.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(fine.count(), 4, 10000);
    }
};

QTEST_MAIN(SuonoTest)
#include "SuonoTest.moc"
