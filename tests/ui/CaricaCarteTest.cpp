// A card picture read from its file: its size, the 2x picture beside it, and pictures whose
// blocks are well formed but whose image data stops before the last pixel (the decoder would
// leave the rest transparent, so they count as damaged).
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
    // A card picture counts only when it is a whole GIF of the card's size, twice that in 2x/,
    // as its header says before any decoding, and its image data covers every pixel. A sound 2x
    // picture is drawn sharper at the same size; a broken one leaves the plain picture.
    void LImmagineDiUnaCarta_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("doppio"); // in 2x/, when not empty
        QTest::addColumn<QColor>("colore");     // invalid: no picture; green: the 2x one
        const qint64 tutti = qint64(Carta.width()) * Carta.height();
        const QByteArray giusta = GifProva(Blu), doppia = GifProva(Verde, {116, 198}), no;
        QTest::newRow("giusta") << giusta << no << Blu;
        QTest::newRow("misura sbagliata") << GifProva(Blu, {57, 99}) << no << QColor();
        QTest::newRow("testata enorme") << GifProva(Blu, {58, 99}, {5790, 5790}) << no << QColor();
        QTest::newRow("tagliata a metà") << giusta.left(giusta.size() / 2) << no << QColor();
        QTest::newRow("non GIF") << PngProva() << no << QColor();
        QTest::newRow("2x giusta") << giusta << doppia << Verde;
        QTest::newRow("2x della misura semplice") << giusta << GifProva(Verde) << Blu;
        QTest::newRow("compressa, intera") << GifCompressa(Blu, tutti) << no << Blu;
        QTest::newRow("compressa, un pixel in meno")
            << GifCompressa(Blu, tutti - 1) << no << QColor();
        QTest::newRow("compressa, dati a metà")
            << DatiTagliati(GifCompressa(Blu, tutti), 60) << no << QColor();
        QTest::newRow("semplice, primi 20 byte") << DatiTagliati(giusta, 20) << no << QColor();
        QTest::newRow("semplice, senza l'ultimo byte")
            << DatiTagliati(giusta, -1) << no << QColor();
        QTest::newRow("semplice, intera") << DatiTagliati(giusta, 1 << 20) << no << Blu;
        QByteArray codiceImpossibile = giusta;
        codiceImpossibile[InizioDati + 1] = char(0x07); // clear code then 7: no such entry yet
        QTest::newRow("codice che non esiste") << codiceImpossibile << no << QColor();
        QByteArray bitSbagliati = giusta;
        bitSbagliati[InizioDati - 1] = char(12); // codes would start past 12 bits
        QTest::newRow("dimensione dei codici impossibile") << bitSbagliati << no << QColor();
    }
    void LImmagineDiUnaCarta() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, doppio);
        QFETCH(QColor, colore);
        QCOMPARE(GifIntegra(file, Carta), colore.isValid());
        QTemporaryDir cartella;
        Scrivi(cartella.filePath("07_sette.gif"), file);
        if (!doppio.isEmpty()) {
            QDir(cartella.path()).mkpath("2x");
            Scrivi(cartella.filePath("2x/07_sette.gif"), doppio);
        }
        const QPixmap p =
            LeggiImmagineCarta(QFile::encodeName(cartella.path()).toStdString(), 7, 2.0);
        QCOMPARE(Colore(p), colore);
        if (p.isNull()) return;
        QCOMPARE(p.devicePixelRatio(), colore == Verde ? 2.0 : 1.0);
        QCOMPARE(p.deviceIndependentSize(), QSizeF(Carta));
    }
};

QTEST_MAIN(CaricaCarteTest)
#include "CaricaCarteTest.moc"
