// Loading card sets: file look-up, damaged pictures, the fall-back to the default set and the
// sharper pictures for dense screens.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <set>

#include "CaricaCarte.h"
#include "GifProva.h"

using namespace brivetta::test;

using namespace brivetta;
namespace fs = std::filesystem;

namespace {
const QColor Rosso(200, 0, 0); // the default set's pictures
const QColor Blu(0, 0, 200);   // the chosen set
const QColor Verde(0, 160, 0); // a rival file for the same picture
const QColor Giallo(220, 220, 0);

struct Chiamata {
    int slot;
    QPixmap immagine;
};

struct Registro {
    std::vector<Chiamata> chiamate;
    QStringList messaggi;
    DestinoCarte Destino(qreal rapporto = 1.0) {
        DestinoCarte d;
        d.Imposta = [this](int slot, const QPixmap& p) { chiamate.push_back({slot, p}); };
        d.Messaggio = [this](const std::string& t) { messaggi << QString::fromStdString(t); };
        d.Rapporto = rapporto;
        return d;
    }
    // What each slot holds at the end.
    std::array<QPixmap, 47> Slot() const {
        std::array<QPixmap, 47> s{};
        for (const auto& c : chiamate)
            s[c.slot] = c.immagine;
        return s;
    }
};

QColor Colore(const QPixmap& p) {
    return p.isNull() ? QColor() : p.toImage().pixelColor(0, 0);
}
} // namespace

class CaricaCarteTest : public QObject {
    Q_OBJECT

    QTemporaryDir programma_;
    QString Percorso(const QString& relativo) const { return programma_.filePath(relativo); }
    void Insieme(const QString& nome, QColor colore, const std::set<int>& senza = {}) {
        QDir(programma_.path()).mkpath(nome);
        for (int i = 0; i <= 40; ++i)
            if (!senza.count(i))
                ScriviGif(Percorso(QStringLiteral("%1/%2_carta.gif")
                                       .arg(nome)
                                       .arg(i, 2, 10, QLatin1Char('0'))),
                          colore);
    }
    void Rimuovi(const QString& nome) { QDir(Percorso(nome)).removeRecursively(); }
    Registro Carica(const std::string& carte, qreal rapporto = 1.0,
                    std::string* carteFinali = nullptr) {
        StatoTavolo stato;
        stato.Carte = carte;
        Registro r;
        CaricaCarte(stato, r.Destino(rapporto), programma_.path().toStdString());
        if (carteFinali) *carteFinali = stato.Carte;
        return r;
    }

  private slots:
    void initTestCase() { QVERIFY(programma_.isValid()); }
    void init() {
        Rimuovi(QStringLiteral("Piacentine"));
        Rimuovi(QStringLiteral("Blu"));
        Insieme(QStringLiteral("Piacentine"), Rosso);
    }

    void UnInsiemeCompletoRiempieOgniSlotNellOrdineDelGioco() {
        Insieme(QStringLiteral("Blu"), Blu);
        std::string carte;
        const Registro r = Carica("Blu", 1.0, &carte);
        QVERIFY(r.messaggi.isEmpty());
        QCOMPARE(carte, std::string("Blu"));
        // The six covered backs come first, then the back of the deck, then the faces.
        std::vector<int> ordine;
        for (const auto& c : r.chiamate)
            ordine.push_back(c.slot);
        std::vector<int> atteso = {41, 42, 43, 44, 45, 46};
        for (int i = 0; i <= 40; ++i)
            atteso.push_back(i);
        QCOMPARE(ordine, atteso);
        for (const auto& c : r.chiamate)
            QCOMPARE(Colore(c.immagine), Blu);
    }

    // Every way a set can fail: one message, Carte back to the default, every slot from it.
    // In "Blu" the file `togli` is deleted, then `metti` is written with `contenuto` ("DIR"
    // makes it a folder).
    void UnInsiemeGuastoRipiegaSulPredefinito_data() {
        QTest::addColumn<QString>("carte");
        QTest::addColumn<QString>("togli");
        QTest::addColumn<QString>("metti");
        QTest::addColumn<QByteArray>("contenuto");
        QTest::newRow("manca la 23") << "Blu"
                                     << "23_carta.gif"
                                     << "" << QByteArray();
        QTest::newRow("manca il dorso") << "Blu"
                                        << "00_carta.gif"
                                        << "" << QByteArray();
        QTest::newRow("cartella inesistente") << "Nessuno"
                                              << ""
                                              << "" << QByteArray();
        QTest::newRow("fuori dalla cartella") << "../Blu"
                                              << ""
                                              << "" << QByteArray();
        QTest::newRow("percorso assoluto") << "/"
                                           << ""
                                           << "" << QByteArray();
        QTest::newRow("punto") << "."
                               << ""
                               << "" << QByteArray();
        QTest::newRow("non GIF con nome .gif") << "Blu"
                                               << "12_carta.gif"
                                               << "12_carta.gif" << PngProva();
        QTest::newRow("GIF troncato") << "Blu"
                                      << "40_carta.gif"
                                      << "40_carta.gif" << GifProva(Blu).left(14);
        QTest::newRow("solo 5.gif") << "Blu"
                                    << "05_carta.gif"
                                    << "5.gif" << GifProva(Blu);
        QTest::newRow("una cartella al posto del file") << "Blu"
                                                        << "31_carta.gif"
                                                        << "31_cartella.gif" << QByteArray("DIR");
    }
    void UnInsiemeGuastoRipiegaSulPredefinito() {
        QFETCH(QString, carte);
        QFETCH(QString, togli);
        QFETCH(QString, metti);
        QFETCH(QByteArray, contenuto);
        Insieme(QStringLiteral("Blu"), Blu);
        if (!togli.isEmpty()) QVERIFY(QFile::remove(Percorso("Blu/" + togli)));
        if (contenuto == "DIR") {
            QVERIFY(QDir(programma_.path()).mkpath("Blu/" + metti));
        } else if (!metti.isEmpty()) {
            QFile f(Percorso("Blu/" + metti));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenuto);
        }
        std::string finali;
        const Registro r = Carica(carte.toStdString(), 1.0, &finali);
        QCOMPARE(r.messaggi, QStringList{QString::fromUtf8(MessaggioCartaMancante)});
        QCOMPARE(finali, std::string("Piacentine"));
        const auto slot = r.Slot();
        for (int i = 0; i < 47; ++i)
            QCOMPARE(Colore(slot[i]), Rosso);
    }

    void DueFileConLeStesseCifreVinceIlPrimoDellaCartella() {
        Insieme(QStringLiteral("Blu"), Blu, {5});
        ScriviGif(Percorso("Blu/05_a.gif"), Verde);
        ScriviGif(Percorso("Blu/05_b.gif"), Giallo);
        // The folder's own order decides, whatever it is on this file system.
        QString primo;
        for (const auto& voce : fs::directory_iterator(Percorso("Blu").toStdString())) {
            const QString nome = QString::fromStdString(voce.path().filename().string());
            if (nome.startsWith("05")) {
                primo = nome;
                break;
            }
        }
        const Registro r = Carica("Blu");
        QCOMPARE(Colore(r.Slot()[5]), primo == "05_a.gif" ? Verde : Giallo);
    }

    void IlPredefinitoGuastoAvvisaDueVolteESiFerma_data() {
        QTest::addColumn<QString>("carte");
        QTest::newRow("dal predefinito") << "Piacentine";
        QTest::newRow("da un altro insieme guasto") << "Nessuno";
    }
    void IlPredefinitoGuastoAvvisaDueVolteESiFerma() {
        QFETCH(QString, carte);
        QFile::remove(Percorso("Piacentine/30_carta.gif"));
        const Registro r = Carica(carte.toStdString());
        QCOMPARE(
            r.messaggi,
            (QStringList{"Non trovato file di immagine per la carta, si ripristina il default.",
                         "Il mazzo di carte Piacentine è danneggiato o mancante: reinstallare "
                         "il gioco."}));
        // Everything readable is shown; the missing picture leaves its slot empty.
        const auto slot = r.Slot();
        for (int i = 0; i < 47; ++i)
            QCOMPARE(Colore(slot[i]), i == 30 ? QColor() : Rosso);
    }

    void SenzaPredefinitoNessunoSlotTieneLInsiemeFallito() {
        Insieme(QStringLiteral("Blu"), Blu, {39});
        Rimuovi(QStringLiteral("Piacentine"));
        const Registro r = Carica("Blu");
        QCOMPARE(r.messaggi.size(), 2);
        for (const auto& p : r.Slot())
            QVERIFY(p.isNull());
    }

    void ImmaginiNitidePerGliSchermiDensi_data() {
        QTest::addColumn<qreal>("rapporto");
        QTest::addColumn<bool>("doppiaLeggibile");
        QTest::addColumn<qreal>("dprAtteso");
        QTest::addColumn<QColor>("atteso");
        QTest::newRow("schermo normale") << 1.0 << true << 1.0 << Blu;
        QTest::newRow("schermo denso") << 2.0 << true << 2.0 << Giallo;
        QTest::newRow("doppia guasta") << 2.0 << false << 1.0 << Blu;
    }
    void ImmaginiNitidePerGliSchermiDensi() {
        QFETCH(qreal, rapporto);
        QFETCH(bool, doppiaLeggibile);
        QFETCH(qreal, dprAtteso);
        QFETCH(QColor, atteso);
        Insieme(QStringLiteral("Blu"), Blu);
        QDir(programma_.path()).mkpath("Blu/2x");
        for (int i = 0; i <= 40; ++i) {
            const QString file =
                Percorso(QStringLiteral("Blu/2x/%1_carta.gif").arg(i, 2, 10, QLatin1Char('0')));
            if (doppiaLeggibile)
                ScriviGif(file, Giallo);
            else {
                QFile f(file);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write("non una figura");
            }
        }
        const Registro r = Carica("Blu", rapporto);
        QVERIFY(r.messaggi.isEmpty());
        for (const auto& p : r.Slot()) {
            QCOMPARE(p.devicePixelRatio(), dprAtteso);
            QCOMPARE(Colore(p), atteso);
        }
    }

    void UnaDoppiaMancanteNonEUnGuasto() {
        Insieme(QStringLiteral("Blu"), Blu);
        const Registro r = Carica("Blu", 2.0);
        QVERIFY(r.messaggi.isEmpty());
        QCOMPARE(Colore(r.Slot()[17]), Blu);
    }
};

QTEST_MAIN(CaricaCarteTest)
#include "CaricaCarteTest.moc"
