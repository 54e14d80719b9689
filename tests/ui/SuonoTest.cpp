// The sound player's file handling: look-up, the wave header, and that it always returns.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "Accessibile.h"
#include "Suono.h"

using namespace brivetta;

namespace {

QByteArray Le32(quint32 v) {
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray Le16(quint16 v) {
    QByteArray b(2, 0);
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray Fmt(quint16 formato, quint32 frequenza, quint16 canali, quint16 bit) {
    const quint32 byteAlSecondo = frequenza * canali * bit / 8;
    return "fmt " + Le32(16) + Le16(formato) + Le16(canali) + Le32(frequenza) +
           Le32(byteAlSecondo) + Le16(static_cast<quint16>(canali * bit / 8)) + Le16(bit);
}

QByteArray Wav(const QByteArray& blocchi) {
    return "RIFF" + Le32(4 + blocchi.size()) + "WAVE" + blocchi;
}

QByteArray Dati(quint32 dichiarati, int presenti) {
    return "data" + Le32(dichiarati) + QByteArray(presenti, '\0');
}

void Scrivi(const QString& percorso, const QByteArray& contenuto) {
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenuto);
}

} // namespace

class SuonoTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        cartella_ = std::make_unique<QTemporaryDir>();
        precedente_ = QDir::currentPath();
        QDir::setCurrent(cartella_->path());
    }
    void cleanup() { QDir::setCurrent(precedente_); }
    void durata_data();
    void durata();
    void ricercaSenzaMaiuscole_data();
    void ricercaSenzaMaiuscole();
    void ritornaSempre();
    void nomiAccessibili_data();
    void nomiAccessibili();

  private:
    std::unique_ptr<QTemporaryDir> cartella_;
    QString precedente_;
};

void SuonoTest::durata_data() {
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<int>("millisecondi");
    const QByteArray mono8k = Fmt(1, 8000, 1, 16); // 16000 bytes a second
    QTest::newRow("plain") << Wav(mono8k + Dati(1600, 1600)) << 100;
    QTest::newRow("stereo 44.1 kHz") << Wav(Fmt(1, 44100, 2, 16) + Dati(176400, 176400)) << 1000;
    QTest::newRow("a list chunk first")
        << Wav("LIST" + Le32(5) + "abcde" + QByteArray(1, 0) + mono8k + Dati(3200, 3200)) << 200;
    QTest::newRow("data longer than the file") << Wav(mono8k + Dati(0xFFFFFFF0u, 800)) << 50;
    QTest::newRow("float samples") << Wav(Fmt(3, 8000, 1, 32) + Dati(3200, 3200)) << -1;
    QTest::newRow("no format chunk") << Wav(Dati(1600, 1600)) << -1;
    QTest::newRow("zero rate") << Wav(Fmt(1, 0, 1, 16) + Dati(1600, 1600)) << -1;
    QTest::newRow("no data chunk") << Wav(mono8k) << -1;
    QTest::newRow("cut in the header") << Wav(mono8k).left(20) << -1;
    QTest::newRow("not a wave") << QByteArray("ID3\x03 not a wave file at all") << -1;
    QTest::newRow("empty") << QByteArray() << -1;
    QTest::newRow("chunk length past the end") << Wav("junk" + Le32(0x7FFFFFFF)) << -1;
}

void SuonoTest::durata() {
    QFETCH(QByteArray, contenuto);
    QFETCH(int, millisecondi);
    Scrivi(QStringLiteral("prova.wav"), contenuto);
    QCOMPARE(DurataWav(QStringLiteral("prova.wav")), millisecondi);
}

void SuonoTest::ricercaSenzaMaiuscole_data() {
    QTest::addColumn<QString>("cercato");
    QTest::addColumn<QString>("trovato");
    QTest::newRow("same spelling") << "Risata.wav"
                                   << "Risata.wav";
    QTest::newRow("other case") << "risata.wav"
                                << "Risata.wav";
    QTest::newRow("all capitals") << "LASER.WAV"
                                  << "laser.wav";
    QTest::newRow("a folder does not count") << "cartella.wav"
                                             << "";
    QTest::newRow("missing") << "dindin.wav"
                             << "";
    QTest::newRow("not below the folder") << "../Risata.wav"
                                          << "";
    QTest::newRow("empty name") << ""
                                << "";
}

void SuonoTest::ricercaSenzaMaiuscole() {
    QFETCH(QString, cercato);
    QFETCH(QString, trovato);
    Scrivi(QStringLiteral("Risata.wav"), "x");
    Scrivi(QStringLiteral("laser.wav"), "x");
    QDir().mkdir(QStringLiteral("Cartella.wav"));
    const QString risultato = TrovaFileProgramma(cercato);
    QCOMPARE(QFileInfo(risultato).fileName(), trovato);
}

// Missing, damaged and valid files (the latter silent here: no audio output under test)
// all come back; a hang would fail the test by its time limit.
void SuonoTest::ritornaSempre() {
    Scrivi(QStringLiteral("rotto.wav"), "RIFF\x10\0\0\0WAVEfmt ");
    Scrivi(QStringLiteral("buono.wav"), Wav(Fmt(1, 8000, 1, 16) + Dati(16000, 16000)));
    for (const char* nome : {"mancante.wav", "rotto.wav", "buono.wav", "BUONO.WAV"})
        SuonaEffetto(nome);
    QVERIFY(true);
}

void SuonoTest::nomiAccessibili_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("nome");
    QTest::newRow("ace of Denare") << 1 << "Asso di Denare";
    QTest::newRow("seven of Coppe") << 17 << "7 di Coppe";
    QTest::newRow("the matta") << 10 << "Re di Denare, la matta";
    QTest::newRow("king of Coppe is no matta") << 20 << "Re di Coppe";
    QTest::newRow("knave of Spade") << 38 << "Fante di Spade";
    QTest::newRow("knight of Bastoni") << 29 << "Cavallo di Bastoni";
    QTest::newRow("the deck") << 0 << "mazzo";
    QTest::newRow("a covered card") << 41 << "carta coperta";
    QTest::newRow("the last covered card") << 46 << "carta coperta";
}

void SuonoTest::nomiAccessibili() {
    QFETCH(int, slot);
    QFETCH(QString, nome);
    QCOMPARE(NomeCarta(slot), nome);
    QCOMPARE(NomeEtichettaPosto("   Bruno", "€3/47"), QStringLiteral("Bruno: €3/47"));
    QCOMPARE(NomeEtichettaPosto("Anonimo", "7 1/2"), QStringLiteral("Anonimo: 7 1/2"));
}

QTEST_MAIN(SuonoTest)
#include "SuonoTest.moc"
