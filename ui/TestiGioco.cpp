#include "TestiGioco.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "Punteggio.h"

namespace brivetta::TestiGioco {

namespace {
constexpr char Contesto[] = "TestiGioco";
constexpr int Umano = 1;

QString Tr(const char* sorgente) {
    return QCoreApplication::translate(Contesto, sorgente);
}

QString Nome(const std::string& nome) {
    return QString::fromStdString(nome);
}

const char* Sorgente(Frase frase) {
    switch (frase) {
    case Frase::NuovaPartitaUmano:
        return QT_TRANSLATE_NOOP("TestiGioco", "Attenzione si inizia una nuova partita ora. %1 "
                                               "terrà il mazzo.");
    case Frase::NuovaPartitaComputer:
        //: %1 is a computer player, tagged as one.
        return QT_TRANSLATE_NOOP("TestiGioco", "Attenzione si inizia una nuova partita ora. %1 "
                                               "(COMPUTER)  terrà il mazzo.");
    case Frase::PassaggioMazzoUmano:
        //: Brivetta: 7 1/2.
        return QT_TRANSLATE_NOOP("TestiGioco",
                                 "D'ora in poi il mazzo passerà a: %1 perchè ha fatto Brivetta "
                                 "con due carte. Si inizia una nuova manche dopo aver rimescolato "
                                 "il mazzo.");
    case Frase::PassaggioMazzoComputer:
        //: %1 is a computer player, tagged as one. Brivetta: 7 1/2.
        return QT_TRANSLATE_NOOP("TestiGioco",
                                 "D'ora in poi il mazzo passerà a: %1 (COMPUTER)  perchè ha fatto "
                                 "Brivetta con due carte. Si inizia una nuova manche dopo aver "
                                 "rimescolato il mazzo.");
    case Frase::MinimoForzato:
        //: %1 is the dealer. The player staked nothing with his first card.
        return QT_TRANSLATE_NOOP("TestiGioco",
                                 "Avviso dal mazziere (%1) - 'Se hai paura di perdere non "
                                 "giocare! Almeno un $ sei costretto a puntarlo, per questa volta "
                                 "l'ho fatto io.'");
    case Frase::RilancioRifiutato:
        //: %1 is the dealer. <Stop> is the button of that name.
        return QT_TRANSLATE_NOOP("TestiGioco",
                                 "Avviso dal mazziere (%1) - 'Vuoi vincermi anche le mutande! - "
                                 "Quando un giocatore si ferma (premendo il bottone <Stop>) può "
                                 "puntare solo con la prima carta. L'ultima puntata non viene "
                                 "affatto accettata.'");
    case Frase::MazzoFinito:
        return QT_TRANSLATE_NOOP("TestiGioco", "Il mazziere ha finito le carte, ora rimescola le "
                                               "carte usate nelle precedenti manches.");
    case Frase::MattaUscita:
        return QT_TRANSLATE_NOOP("TestiGioco",
                                 "Il mazziere mescola le carte perchè è uscita la matta.");
    }
    return "";
}

// The human's place at the end of the game, 1..5 and the last, with its comment.
struct Arrivo {
    const char* frase;
    const char* commento;
};
const std::array<Arrivo, Ultimo + 1> Arrivi = {{
    {"", ""},
    {QT_TRANSLATE_NOOP("TestiGioco", "La partita è terminata perchè %1 ha finito i soldi. Tu "
                                     "sei arrivato al Primo posto."),
     QT_TRANSLATE_NOOP("TestiGioco", "Sei proprio in gamba!. Stasera puoi sbancare il Casinò")},
    {QT_TRANSLATE_NOOP("TestiGioco", "La partita è terminata perchè %1 ha finito i soldi. Tu "
                                     "sei arrivato al Secondo posto."),
     QT_TRANSLATE_NOOP("TestiGioco",
                       "Te la sei cavata abbastanza bene!. Se ti impegni puoi arrivare primo.")},
    {QT_TRANSLATE_NOOP("TestiGioco", "La partita è terminata perchè %1 ha finito i soldi. Tu "
                                     "sei arrivato al Terzo posto."),
     QT_TRANSLATE_NOOP("TestiGioco", "Non sei proprio uno schianto, ma neanche un disastro!")},
    {QT_TRANSLATE_NOOP("TestiGioco", "La partita è terminata perchè %1 ha finito i soldi. Tu "
                                     "sei arrivato al Quarto posto."),
     QT_TRANSLATE_NOOP("TestiGioco",
                       "Cerca di sforzarti di più. Con più impegno ce la puoi fare!")},
    {QT_TRANSLATE_NOOP("TestiGioco", "La partita è terminata perchè %1 ha finito i soldi. Tu "
                                     "sei arrivato al Quinto posto."),
     QT_TRANSLATE_NOOP("TestiGioco",
                       "Sei un bel disastro!. Vedi di fare meglio la prossima volta.")},
    {QT_TRANSLATE_NOOP("TestiGioco", "La partita è terminata perchè %1 ha finito i soldi. Tu "
                                     "sei arrivato all'Ultimo posto."),
     QT_TRANSLATE_NOOP("TestiGioco", "Ti consiglio di non giocare con carte e soldi veri!")},
}};

//: The places in the hand summary's ranking.
const std::array<const char*, MaxGiocatori + 1> Posizioni = {"",
                                                             QT_TRANSLATE_NOOP("TestiGioco", "1°"),
                                                             QT_TRANSLATE_NOOP("TestiGioco", "2°"),
                                                             QT_TRANSLATE_NOOP("TestiGioco", "3°"),
                                                             QT_TRANSLATE_NOOP("TestiGioco", "4°"),
                                                             QT_TRANSLATE_NOOP("TestiGioco", "5°"),
                                                             QT_TRANSLATE_NOOP("TestiGioco", "6°")};

const std::array<const char*, 5> Semi = {
    "", QT_TRANSLATE_NOOP("TestiGioco", "Denare"), QT_TRANSLATE_NOOP("TestiGioco", "Coppe"),
    QT_TRANSLATE_NOOP("TestiGioco", "Bastoni"), QT_TRANSLATE_NOOP("TestiGioco", "Spade")};
const std::array<const char*, 3> Figure = {QT_TRANSLATE_NOOP("TestiGioco", "Fante"),
                                           QT_TRANSLATE_NOOP("TestiGioco", "Cavallo"),
                                           QT_TRANSLATE_NOOP("TestiGioco", "Re")};
} // namespace

QString Messaggio(const Annuncio& annuncio, const std::array<std::string, MaxGiocatori + 1>& nomi) {
    const QString testo = Tr(Sorgente(annuncio.Cosa));
    // The deck's two reshuffles name nobody.
    const bool nomina = annuncio.Cosa != Frase::MazzoFinito && annuncio.Cosa != Frase::MattaUscita;
    return nomina ? testo.arg(Nome(NomeAnnunciato(annuncio, nomi))) : testo;
}

QString FinePartita(const FineDellaPartita& fine) {
    const Arrivo& a = Arrivi[static_cast<std::size_t>(std::clamp(fine.Arrivo, 1, Ultimo))];
    QString testo = Tr(a.frase).arg(Nome(fine.SenzaSoldi)) + QLatin1Char('\n') + Tr(a.commento) +
                    QLatin1Char('\n');
    // Each seat's name and money, as in a column of figures.
    for (int j = 1; j <= fine.Righe; ++j)
        testo +=
            QStringLiteral("%1      %2\n").arg(Nome(fine.Nomi[j]), QString::number(fine.Soldi[j]));
    return testo + Tr(QT_TRANSLATE_NOOP("TestiGioco", "Vuoi fare un'altra partitina?"));
}

QString Punteggio(Singolo punteggio) {
    //: A hand's score above 7 1/2: the hand is bust.
    if (Sballato(punteggio)) return Tr(QT_TRANSLATE_NOOP("TestiGioco", "Out"));
    const long intera = static_cast<long>(std::floor(punteggio));
    if (punteggio == std::floor(punteggio)) return QString::number(intera);
    if (punteggio > 1) return QStringLiteral("%1 1/2").arg(intera);
    return QStringLiteral("1/2");
}

QString Etichetta(const EtichettaPosto& e) {
    switch (e.Mostra) {
    case EtichettaPosto::Tipo::Punteggio:
        return Punteggio(e.Punti);
    case EtichettaPosto::Tipo::Posta:
        return QStringLiteral("€%1/%2").arg(e.Posta).arg(e.Soldi);
    case EtichettaPosto::Tipo::Vuota:
        break;
    }
    return {};
}

QString Posta(int valore) {
    return QStringLiteral("%1€").arg(valore);
}

QString Situazione(const SituazioneUmano& situazione,
                   const std::array<std::string, MaxGiocatori + 1>& nomi) {
    if (situazione.Mazziere < 1 || situazione.Mazziere > MaxGiocatori) return {};
    //: The human's money and the dealer's name, in the bar under the table.
    return Tr(QT_TRANSLATE_NOOP("TestiGioco", "Denaro: %1€ · Mazziere: %2"))
        .arg(QString::number(situazione.Soldi),
             Nome(SenzaSpaziIniziali(nomi[static_cast<std::size_t>(situazione.Mazziere)])));
}

QString SuggerimentoEtichetta(int posto) {
    return posto == Umano ? Tr(QT_TRANSLATE_NOOP("TestiGioco", "Giocatore umano (tu)"))
                          : Tr(QT_TRANSLATE_NOOP("TestiGioco", "Giocatore virtuale"));
}

QString Probabilita(const brivetta::Probabilita& p) {
    //: The odds that the next card busts the hand, or makes it 7 1/2.
    return Tr(QT_TRANSLATE_NOOP("TestiGioco", "Sballo %1% · 7½ %2%"))
        .arg(QString::number(p.PercentoSballo()), QString::number(p.PercentoSetteEMezzo()));
}

QString NomeRiepilogo(const RigaRiepilogo& riga) {
    if (!riga.Mazziere) return Nome(riga.Nome);
    //: The dealer's line in the hand summary.
    return Tr(QT_TRANSLATE_NOOP("TestiGioco", "%1 (Mazziere)")).arg(Nome(riga.Nome));
}

QString Importo(int importo) {
    return importo >= 0 ? QStringLiteral("+ %1").arg(importo)
                        : QStringLiteral("- %1").arg(-importo);
}

QString Posizione(int posizione) {
    if (posizione < 1 || posizione > MaxGiocatori) return {};
    return Tr(Posizioni[static_cast<std::size_t>(posizione)]);
}

QString NomeCarta(int indice) {
    //: The deck's picture, as a screen reader names it.
    if (indice == 0) return Tr(QT_TRANSLATE_NOOP("TestiGioco", "mazzo"));
    //: A card's back, as a screen reader names it.
    if (indice < 1 || indice > CarteNelMazzo)
        return Tr(QT_TRANSLATE_NOOP("TestiGioco", "carta coperta"));
    //: The king of Denare, the wild card.
    if (indice == Matta) return Tr(QT_TRANSLATE_NOOP("TestiGioco", "Re di Denare, la matta"));
    const int valore = ValoreCarta(indice);
    const QString figura = valore == 1   ? Tr(QT_TRANSLATE_NOOP("TestiGioco", "Asso"))
                           : valore <= 7 ? QString::number(valore)
                                         : Tr(Figure[static_cast<std::size_t>(valore - 8)]);
    //: A card: its rank (%1) and suit (%2).
    return Tr(QT_TRANSLATE_NOOP("TestiGioco", "%1 di %2"))
        .arg(figura, Tr(Semi[static_cast<std::size_t>(SemeCarta(indice))]));
}

QString NomeCartaCoperta(int indice) {
    //: The human's covered card, which he alone sees.
    return Tr(QT_TRANSLATE_NOOP("TestiGioco", "%1, coperta")).arg(NomeCarta(indice));
}

} // namespace brivetta::TestiGioco
