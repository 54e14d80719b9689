// The game's own texts in Italian, exactly as the player reads them, from the engine's
// identities and arguments (no translation loaded).
#include <QTest>

#include "TestiGioco.h"

using namespace brivetta;

namespace {
const std::array<std::string, MaxGiocatori + 1> Nomi = {
    "", "Anonimo", "   Bruno", "  Sandro", "   Elvira", "Leonardo", " Marisa"};

struct Atteso {
    QString testo;
    QString atteso;
};
} // namespace

class TestiGiocoTest : public QObject {
    Q_OBJECT

  private slots:
    // The messages that name a seat: the announcements name it as the table does, blanks and
    // all, and tag a computer seat; the dealer's warnings name it without the blanks.
    void messaggi() {
        const QString avviso = QStringLiteral("Avviso dal mazziere (%1) - '%2'");
        const QString minimo = QStringLiteral(
            "Se hai paura di perdere non giocare! Almeno un $ sei costretto a puntarlo, per "
            "questa volta l'ho fatto io.");
        const QString passa =
            QStringLiteral("D'ora in poi il mazzo passerà a: %1 perchè ha fatto Brivetta con due "
                           "carte. Si inizia una nuova manche dopo aver rimescolato il mazzo.");
        auto messaggio = [](Frase f, int posto) {
            return TestiGioco::Messaggio({f, static_cast<Intero>(posto)}, Nomi);
        };
        const std::vector<Atteso> casi = {
            {messaggio(Frase::NuovaPartitaUmano, 1),
             "Attenzione si inizia una nuova partita ora. Anonimo terrà il mazzo."},
            {messaggio(Frase::NuovaPartitaComputer, 3),
             "Attenzione si inizia una nuova partita ora.   Sandro (COMPUTER)  terrà il mazzo."},
            {messaggio(Frase::PassaggioMazzoUmano, 1), passa.arg("Anonimo")},
            {messaggio(Frase::PassaggioMazzoComputer, 6), passa.arg(" Marisa (COMPUTER) ")},
            {messaggio(Frase::MinimoForzato, 2), avviso.arg("Bruno", minimo)},
            {messaggio(Frase::RilancioRifiutato, 3),
             avviso.arg("Sandro", "Vuoi vincermi anche le mutande! - Quando un giocatore si ferma "
                                  "(premendo il bottone <Stop>) può puntare solo con la prima "
                                  "carta. L'ultima puntata non viene affatto accettata.")},
        };
        for (const Atteso& c : casi)
            QCOMPARE(c.testo, c.atteso);
    }

    // The whole end-of-game message once, then each place.
    void finePartita() {
        StatoTavolo s;
        s.Nomi = Nomi;
        s.NumGiocatori = 3;
        s.Soldi = {0, 4, 0, 146, 0, 0, 0};
        s.SenzaSoldi = 2;
        s.Piazzamento = 3;
        QCOMPARE(TestiGioco::FinePartita(DescriviFinePartita(s)),
                 QStringLiteral("La partita è terminata perchè    Bruno ha finito i soldi. Tu sei "
                                "arrivato all'Ultimo posto.\nTi consiglio di non giocare con "
                                "carte e soldi veri!\nAnonimo      4\nBruno      0\nSandro      "
                                "146\nVuoi fare un'altra partitina?"));
        // Each place named by its number.
        FineDellaPartita fine;
        fine.SenzaSoldi = "Gigi";
        const char* const posti[] = {"Primo", "Secondo", "Terzo", "Quarto", "Quinto"};
        for (int arrivo = 1; arrivo <= 5; ++arrivo) {
            fine.Arrivo = arrivo;
            QVERIFY(TestiGioco::FinePartita(fine).contains(
                QStringLiteral("Tu sei arrivato al %1 posto.\n").arg(posti[arrivo - 1])));
        }
    }

    // Scores, labels, the stake, the bar's texts, the summary's cells and the cards' names.
    void testiDelTavolo() {
        using T = EtichettaPosto::Tipo;
        Probabilita odds;
        odds.Candidate = 38;
        odds.Sballano = 19;
        odds.FannoSetteEMezzo = 15;
        RigaRiepilogo mazziere;
        mazziere.Nome = "Sandro";
        mazziere.Mazziere = true;
        const std::vector<Atteso> casi = {
            {TestiGioco::Punteggio(0.5f), "1/2"},
            {TestiGioco::Punteggio(1.5f), "1 1/2"},
            {TestiGioco::Punteggio(7.5f), "7 1/2"},
            {TestiGioco::Punteggio(8), "Out"},
            {TestiGioco::Etichetta({T::Posta, 0, 12, -38}), "€12/-38"},
            {TestiGioco::Posta(15), "15€"},
            {TestiGioco::Situazione({-3, 4}, Nomi), "Denaro: -3€ · Mazziere: Elvira"},
            {TestiGioco::Situazione({50, 0}, Nomi), ""},
            {TestiGioco::SuggerimentoEtichetta(1), "Giocatore umano (tu)"},
            {TestiGioco::Probabilita(odds), "Sballo 50% · 7½ 39%"},
            {TestiGioco::NomeRiepilogo(mazziere), "Sandro (Mazziere)"},
            {TestiGioco::Importo(-15), "- 15"},
            {TestiGioco::Posizione(1), "1°"},
            // Cards: 1..7 Denare, 8/9 fante/cavallo, 10 the matta, then Coppe, Bastoni, Spade.
            {TestiGioco::NomeCarta(0), "mazzo"},
            {TestiGioco::NomeCarta(1), "Asso di Denare"},
            {TestiGioco::NomeCarta(10), "Re di Denare, la matta"},
            {TestiGioco::NomeCarta(18), "Fante di Coppe"},
            {TestiGioco::NomeCarta(40), "Re di Spade"},
            {TestiGioco::NomeCarta(41), "carta coperta"},
            {TestiGioco::NomeCartaCoperta(5), "5 di Denare, coperta"},
        };
        for (const Atteso& c : casi)
            QCOMPARE(c.testo, c.atteso);
    }
};

QTEST_GUILESS_MAIN(TestiGiocoTest)
#include "TestiGiocoTest.moc"
