// A card picture read from its file: its size, the 2x picture beside it, and a picture whose
// blocks are well formed but whose image data stops before the last pixel (the decoder would
// leave the rest transparent, so it counts as damaged).
#include <QDir>

#include "CaricaCarte.h"
#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

constexpr QSize Carta(58, 99);
constexpr qsizetype InizioDati = 13 + 6 + 1 + 9 + 1; // header, palette, image descriptor, size

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
        const QByteArray giusta = GifProva(Blu), doppia = GifProva(Verde, {116, 198}), no;
        QTest::newRow("giusta") << giusta << no << Blu;
        QTest::newRow("misura sbagliata") << GifProva(Blu, {57, 99}) << no << QColor();
        QTest::newRow("testata enorme") << GifProva(Blu, {58, 99}, {5790, 5790}) << no << QColor();
        QTest::newRow("tagliata a metà") << giusta.left(giusta.size() / 2) << no << QColor();
        QTest::newRow("2x giusta") << giusta << doppia << Verde;
        QTest::newRow("2x della misura semplice") << giusta << GifProva(Verde) << Blu;
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
