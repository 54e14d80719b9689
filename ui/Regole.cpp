#include "Regole.h"

#include <QCoreApplication>
#include <array>

namespace brivetta {

QString TestoRegole() {
    // Each sentence carries its own final blank where it has one; they are joined as they are.
    static const std::array<const char*, 7> frasi = {
        QT_TRANSLATE_NOOP("Regole", "Il gioco consiste nel realizzare un punteggio il più vicino "
                                    "possibile a Brivetta. "),
        QT_TRANSLATE_NOOP("Regole",
                          "I punti delle carte vengono contati 1 per l'asso, 2,3,4,5,6,7 per le "
                          "altre carte, le figure (fante, cavallo e re) valgono 1/2 punto. "),
        QT_TRANSLATE_NOOP("Regole",
                          "Attenzione però a non totalizzare un punteggio maggiore di Brivetta "
                          "poiché si perde la mano. (Ricordarsi che un punteggio di 5 punti può "
                          "essere già discreto). "),
        QT_TRANSLATE_NOOP("Regole",
                          "Nel mazzo è presente una 'Matta' che è il Re di denare, a questa carta "
                          "si possono attribuire tutti i valori interi da 1 a 7 oppure il valore "
                          "delle figure cioè 1/2. "),
        QT_TRANSLATE_NOOP("Regole",
                          "Se il mazziere realizza un punteggio maggiore o uguale al giocatore "
                          "vince la mano e si aggiudica la posta, altrimenti paga una somma "
                          "equivalente alla posta."),
        QT_TRANSLATE_NOOP("Regole",
                          "Se un giocatore realizza un punteggio di Brivetta con 2 sole carte "
                          "diventa automaticamente il mazziere, a meno che il mazziere medesimo "
                          "non compia lo stesso punteggio sempre con 2 carte. "),
        QT_TRANSLATE_NOOP("Regole",
                          "Nella eventualità in cui 2 o più giocatori (diversi dal mazziere) "
                          "abbiano realizzato Brivetta con 2 carte il mazzo passa al primo della "
                          "mano.")};
    QString testo;
    for (const char* frase : frasi)
        testo += QCoreApplication::translate("Regole", frase);
    return testo;
}

} // namespace brivetta
