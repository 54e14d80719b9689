// statistiche.json shared, at its size limit, from a later version, damaged, and the temporary
// files of saves cut short. Run as "FileStatisticheTest --gioca FOLDER N", the test plays N
// manches of one game in FOLDER as a copy of the game would, and ends.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>

#include "FileStatistiche.h"
#include "StatisticheGiocatore.h"
#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

constexpr qint64 Limite = FileStatistiche::MassimaDimensione;

const DatiStatistiche Esempio{7,   5,   2,   301,
                              120, 150, 187, 4,
                              9,   120, -3,  {{11, 0, {50, 48, -3}}, {12, 1796565900, {100, 101}}}};

const QByteArray Testa = R"({"formato":"Brivetta, statistiche del giocatore","versione":2)";

// One game of `manches` manches, each saved as it ends: won, lost and even in turn.
int Gioca(const QString& cartella, int manches) {
    StatisticheGiocatore statistiche;
    statistiche.Carica(cartella);
    StatoTavolo s;
    s.MalloppoIniziale = 50;
    s.Soldi[1] = 50;
    statistiche.PartitaIniziata(s);
    for (int i = 0; i < manches; ++i) {
        s.Soldi[1] = static_cast<Intero>(s.Soldi[1] + (i % 3 == 0 ? 2 : i % 3 == 1 ? -1 : 0));
        statistiche.MancheSaldata(s);
    }
    return 0;
}

void Invecchia(const QString& file, qint64 secondi) {
    QFile f(file);
    if (!f.open(QIODevice::ReadWrite) ||
        !f.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-secondi),
                       QFileDevice::FileModificationTime))
        qWarning("cannot age %s", qPrintable(file));
}

QStringList Contenuto(const QTemporaryDir& cartella) {
    return QDir(cartella.path())
        .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System, QDir::Name);
}

} // namespace

class FileStatisticheTest : public QObject {
    Q_OBJECT
  private slots:
    // Two copies play a game each in one folder at the same time: every manche and both games
    // are in the file.
    void dueCopie() {
        QTemporaryDir cartella;
        constexpr int Manches = 150;
        QList<QProcess*> copie;
        for (int i = 0; i < 2; ++i) {
            auto* p = new QProcess(this);
            p->start(QCoreApplication::applicationFilePath(),
                     {"--gioca", cartella.path(), QString::number(Manches)});
            copie << p;
        }
        for (QProcess* p : copie) {
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->exitCode(), 0);
        }
        const DatiStatistiche d = FileStatistiche(cartella.path()).Leggi();
        QCOMPARE(d.PartiteIniziate, 2);
        QCOMPARE(d.MancheGiocate, 2 * Manches);
        QCOMPARE(d.MancheVinte, 2 * Manches / 3);
        QCOMPARE(d.ManchePerse, 2 * Manches / 3);
        QCOMPARE(d.Partite.size(), std::size_t{2});
        for (const PartitaRegistrata& p : d.Partite)
            QCOMPARE(p.Denaro.size(), std::size_t{Manches + 1});
        QCOMPARE(Contenuto(cartella), QStringList{"statistiche.json"});
    }

    // Fields we do not know stay while the compact file is within the reader's limit and go
    // when it would not be; what is written always reads back.
    void alLimite_data() {
        QTest::addColumn<QByteArray>("altro"); // the unknown field's value as written
        QTest::addColumn<bool>("resta");
        QTest::newRow("1,023 deep") << QByteArray(1023, '[') + QByteArray(1023, ']') << true;
        // A string that makes the file exactly as large as the reader takes, and one byte more.
        const qint64 senzaAltro = [] {
            QTemporaryDir c;
            Scrivi(c.filePath("statistiche.json"), Testa + R"(,"x":""})");
            FileStatistiche f(c.path());
            f.Leggi();
            f.Scrivi(Esempio);
            return QFileInfo(f.Percorso()).size();
        }();
        const QByteArray pieno = '"' + QByteArray(Limite - senzaAltro, 'a') + '"';
        QTest::newRow("exactly the limit") << pieno << true;
        QTest::newRow("a byte over")
            << '"' + QByteArray(Limite - senzaAltro + 1, 'a') + '"' << false;
    }
    void alLimite() {
        QFETCH(QByteArray, altro);
        QFETCH(bool, resta);
        QTemporaryDir cartella;
        FileStatistiche file(cartella.path());
        Scrivi(file.Percorso(), Testa + R"(,"x":)" + altro + "}");
        QCOMPARE(file.Leggi(), DatiStatistiche{});
        QVERIFY(!QFileInfo::exists(file.PercorsoDanneggiato()));
        QVERIFY(file.Scrivi(Esempio));
        const QByteArray scritto = Leggi(file.Percorso());
        QVERIFY2(scritto.size() <= Limite, QByteArray::number(scritto.size()));
        QCOMPARE(scritto.contains(R"("x":)" + altro.left(20)), resta);
        // Read back by the next start, and kept by its next save.
        FileStatistiche dopo(cartella.path());
        QCOMPARE(dopo.Leggi(), Esempio);
        QVERIFY(!QFileInfo::exists(file.PercorsoDanneggiato()));
        QVERIFY(dopo.Scrivi(Esempio));
        QCOMPARE(Leggi(file.Percorso()), scritto);
    }

    // A later version's file whose fields we cannot make out is left as it is.
    void versioni() {
        QTemporaryDir cartella;
        FileStatistiche file(cartella.path());
        const QByteArray nuovo = R"({"formato": "Brivetta, statistiche del giocatore",
            "versione": 3, "mancheGiocate": 8, "partite": {"elenco": []}})";
        Scrivi(file.Percorso(), nuovo);
        QCOMPARE(file.Leggi(), DatiStatistiche{});
        QVERIFY(!file.Scrivi(Esempio));
        QVERIFY(!file.Salva({}, Esempio));
        QCOMPARE(Leggi(file.Percorso()), nuovo);
        QCOMPARE(Contenuto(cartella), QStringList{"statistiche.json"});
    }

    // Anything that is not our file is put aside, replacing an older one, and the figures start
    // from zero; the next save writes a good file.
    void fileDanneggiato_data() {
        QTest::addColumn<QByteArray>("contenuto"); // empty: a folder in the file's place
        QTest::newRow("truncated") << Testa;
        QTest::newRow("binary junk") << QByteArray("\x89PNG\r\n\x1a\n\0\0\xff\xfe", 12);
        QTest::newRow("a folder") << QByteArray();
    }
    void fileDanneggiato() {
        QFETCH(QByteArray, contenuto);
        QTemporaryDir cartella;
        FileStatistiche file(cartella.path());
        Scrivi(file.PercorsoDanneggiato(), "vecchio");
        if (contenuto.isEmpty())
            QVERIFY(QDir(cartella.path()).mkdir("statistiche.json"));
        else
            Scrivi(file.Percorso(), contenuto);

        QCOMPARE(file.Leggi(), DatiStatistiche{});
        QVERIFY(!QFileInfo::exists(file.Percorso()));
        if (contenuto.isEmpty())
            QVERIFY(QFileInfo(file.PercorsoDanneggiato()).isDir());
        else
            QCOMPARE(Leggi(file.PercorsoDanneggiato()), contenuto);
        QVERIFY(file.Scrivi(Esempio));
        QCOMPARE(FileStatistiche(cartella.path()).Leggi(), Esempio);
    }

    // At start-up the temporary files of our saves a minute old go; recent ones, other names,
    // links and folders stay, and nothing goes while another copy is saving.
    void temporanei() {
        for (bool bloccato : {false, true}) {
            QTemporaryDir cartella;
            const QStringList vecchi = {
                "statistiche.json.Ab3dE9", "statistiche.json.abc", "statistiche.json.danneggiato",
                "preferenze.ini.Ab3dE9",   "brivetta.bak",         "statistiche.json.xyzXYZ9"};
            for (const QString& nome : vecchi) {
                Scrivi(cartella.filePath(nome), "x");
                Invecchia(cartella.filePath(nome), 120);
            }
            Scrivi(cartella.filePath("statistiche.json.Nuovo1"), "x");
            Invecchia(cartella.filePath("statistiche.json.Nuovo1"), 10);
            QVERIFY(QDir(cartella.path()).mkdir("statistiche.json.Cart01"));
            QVERIFY(QFile::link(cartella.filePath("brivetta.bak"),
                                cartella.filePath("statistiche.json.Link01")));
            QLockFile altraCopia(cartella.filePath("statistiche.json.lock"));
            if (bloccato) QVERIFY(altraCopia.tryLock(0));
            const QStringList prima = Contenuto(cartella);

            StatisticheGiocatore statistiche;
            statistiche.Carica(cartella.path());
            QStringList attesi = prima;
            if (!bloccato) attesi.removeOne("statistiche.json.Ab3dE9");
            QCOMPARE(Contenuto(cartella), attesi);
        }
    }
};

int main(int argc, char* argv[]) {
    if (argc == 4 && QByteArray(argv[1]) == "--gioca") {
        QCoreApplication app(argc, argv);
        return Gioca(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    }
    QApplication app(argc, argv);
    FileStatisticheTest prova;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prova, argc, argv);
}

#include "FileStatisticheTest.moc"
