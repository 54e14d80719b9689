// Card pictures whose blocks are well formed but whose image data stops before the last pixel:
// the decoder would leave the rest transparent, so they count as damaged.
#include <QDir>

#include "CaricaCarte.h"
#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

constexpr QSize Carta(58, 99);
constexpr qsizetype InizioDati = 13 + 6 + 1 + 9 + 1; // header, palette, image descriptor, size

// A card-size GIF of one colour whose LZW data gives `pixel` pixels, compressed the way an
// encoder does it, so that the table's strings grow and the code size with them.
QByteArray GifCompressa(QColor colore, qint64 pixel) {
    QByteArray gif = GifProva(colore).left(InizioDati);
    QByteArray codici;
    quint32 accumulo = 0;
    int bit = 0, bitCodice = 3, prossima = 6;
    const auto emetti = [&](int codice) {
        accumulo |= quint32(codice) << bit;
        for (bit += bitCodice; bit >= 8; bit -= 8, accumulo >>= 8)
            codici.append(char(accumulo & 0xFF));
    };
    emetti(4); // clear
    // One colour: the string in hand is always a run, and entry 6 + k is a run of k + 2.
    qint64 run = 0;
    const auto codiceRun = [](qint64 n) { return n == 1 ? 0 : int(6 + n - 2); };
    for (qint64 i = 0; i < pixel; ++i) {
        if (run == 0 || codiceRun(run + 1) < prossima) {
            ++run;
            continue;
        }
        emetti(codiceRun(run));
        ++prossima; // the run one pixel longer
        if (prossima > (1 << bitCodice)) ++bitCodice;
        run = 1;
    }
    if (run > 0) emetti(codiceRun(run));
    emetti(5); // end
    if (bit > 0) codici.append(char(accumulo & 0xFF));
    for (qsizetype i = 0; i < codici.size(); i += 255) {
        const QByteArray blocco = codici.mid(i, 255);
        gif.append(char(blocco.size())).append(blocco);
    }
    return gif.append('\0').append('\x3B');
}

// The same picture keeping only the first `byte` bytes of its image data (all but the last
// -`byte` when negative), in blocks that are still well formed, as a careless copy might leave it.
QByteArray DatiTagliati(const QByteArray& gif, qsizetype byte) {
    QByteArray dati;
    for (qsizetype i = InizioDati; quint8(gif[i]) != 0; i += quint8(gif[i]) + 1)
        dati.append(gif.mid(i + 1, quint8(gif[i])));
    dati.truncate(byte < 0 ? dati.size() + byte : byte);
    QByteArray tagliata = gif.left(InizioDati);
    for (qsizetype i = 0; i < dati.size(); i += 255) {
        const QByteArray blocco = dati.mid(i, 255);
        tagliata.append(char(blocco.size())).append(blocco);
    }
    return tagliata.append('\0').append('\x3B');
}

} // namespace

class CaricaCarteTest : public QObject {
    Q_OBJECT
  private slots:
    void iDatiCopronoLImmagine_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QColor>("colore"); // invalid: no picture
        const qint64 tutti = qint64(Carta.width()) * Carta.height();
        QTest::newRow("compressa, intera") << GifCompressa(Blu, tutti) << Blu;
        QTest::newRow("compressa, un pixel in meno") << GifCompressa(Blu, tutti - 1) << QColor();
        QTest::newRow("compressa, dati a metà")
            << DatiTagliati(GifCompressa(Blu, tutti), 60) << QColor();
        QTest::newRow("semplice, primi 20 byte") << DatiTagliati(GifProva(Blu), 20) << QColor();
        QTest::newRow("semplice, senza l'ultimo byte")
            << DatiTagliati(GifProva(Blu), -1) << QColor();
        QTest::newRow("semplice, intera") << DatiTagliati(GifProva(Blu), 1 << 20) << Blu;
        QByteArray codiceImpossibile = GifProva(Blu);
        codiceImpossibile[InizioDati + 1] = char(0x07); // clear code then 7: no such entry yet
        QTest::newRow("codice che non esiste") << codiceImpossibile << QColor();
        QByteArray bitSbagliati = GifProva(Blu);
        bitSbagliati[InizioDati - 1] = char(12); // codes would start past 12 bits
        QTest::newRow("dimensione dei codici impossibile") << bitSbagliati << QColor();
    }
    void iDatiCopronoLImmagine() {
        QFETCH(QByteArray, file);
        QFETCH(QColor, colore);
        QCOMPARE(GifIntegra(file, Carta), colore.isValid());
        QTemporaryDir cartella;
        Scrivi(cartella.filePath("07.gif"), file);
        const QPixmap p = LeggiImmagineCarta(QFile::encodeName(cartella.path()).toStdString(), 7);
        QCOMPARE(Colore(p), colore);
    }

    // A whole set cut that way is reported as any broken set, and the default comes back.
    void UnInsiemeTagliato() {
        QTemporaryDir programma;
        for (const QString& insieme : {QStringLiteral("Piacentine"), QStringLiteral("Tagliate")}) {
            QVERIFY(QDir(programma.path()).mkpath(insieme));
            const QByteArray gif =
                insieme == "Tagliate" ? DatiTagliati(GifProva(Blu), 20) : GifProva(Rosso);
            for (int i = 0; i <= 40; ++i)
                Scrivi(programma.filePath(insieme +
                                          QStringLiteral("/%1.gif").arg(i, 2, 10, QChar('0'))),
                       gif);
        }
        QList<QColor> colori(41);
        QStringList messaggi;
        DestinoCarte destino;
        destino.Imposta = [&colori](int i, const QPixmap& p) { colori[i] = Colore(p); };
        destino.Messaggio = [&messaggi](const std::string& t) {
            messaggi << QString::fromStdString(t);
        };
        std::string carte = "Tagliate";
        CaricaCarte(carte, destino, QFile::encodeName(programma.path()).toStdString());
        QCOMPARE(carte, std::string("Piacentine"));
        QCOMPARE(messaggi, QStringList{MessaggioCartaMancante});
        QCOMPARE(colori, QList<QColor>(41, Rosso));
    }
};

QTEST_MAIN(CaricaCarteTest)
#include "CaricaCarteTest.moc"
