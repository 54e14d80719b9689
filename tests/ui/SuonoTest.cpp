// The sound player's files: the wave header, the look-up, and that playing always returns.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "Suono.h"
#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

template <typename T> QByteArray Le(T v) {
    QByteArray b(sizeof(T), 0);
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray Fmt(quint16 formato, quint32 frequenza, quint16 canali, quint16 bit) {
    return "fmt " + Le<quint32>(16) + Le(formato) + Le(canali) + Le(frequenza) +
           Le<quint32>(frequenza * canali * bit / 8) + Le<quint16>(canali * bit / 8) + Le(bit);
}

QByteArray Wav(const QByteArray& blocchi) {
    return "RIFF" + Le<quint32>(4 + blocchi.size()) + "WAVE" + blocchi;
}

QByteArray Dati(quint32 dichiarati, int presenti) {
    return "data" + Le(dichiarati) + QByteArray(presenti, '\0');
}

const QByteArray Mono8k = Fmt(1, 8000, 1, 16); // 16000 bytes a second

} // namespace

class SuonoTest : public QObject {
    Q_OBJECT
    QTemporaryDir cartella_;
    QString precedente_;

  private slots:
    void initTestCase() {
        precedente_ = QDir::currentPath();
        QDir::setCurrent(cartella_.path());
        Scrivi("Risata.wav", Wav(Mono8k + Dati(1600, 1600)));
        Scrivi("rotto.wav", Wav(Mono8k).left(20));
        QDir().mkdir("Cartella.wav");
    }
    void cleanupTestCase() { QDir::setCurrent(precedente_); }

    void durata_data() {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<int>("millisecondi");
        QTest::newRow("plain") << Wav(Mono8k + Dati(1600, 1600)) << 100;
        QTest::newRow("a list chunk first")
            << Wav("LIST" + Le<quint32>(5) + "abcde" + QByteArray(1, 0) + Mono8k + Dati(3200, 3200))
            << 200;
        QTest::newRow("data longer than the file") << Wav(Mono8k + Dati(0xFFFFFFF0u, 800)) << 50;
        QTest::newRow("float samples") << Wav(Fmt(3, 8000, 1, 32) + Dati(3200, 3200)) << -1;
        QTest::newRow("zero rate") << Wav(Fmt(1, 0, 1, 16) + Dati(1600, 1600)) << -1;
        QTest::newRow("cut in the header") << Wav(Mono8k).left(20) << -1;
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

    // Missing, damaged and valid files all come back, with or without an audio output; a
    // hang fails the test by its time limit.
    void ritornaSempre() {
        for (const char* nome : {"mancante.wav", "rotto.wav", "risata.wav"})
            SuonaEffetto(nome);
    }
};

QTEST_MAIN(SuonoTest)
#include "SuonoTest.moc"
