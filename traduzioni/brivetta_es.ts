<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="it_IT">
<context>
    <name>Accessibile</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CaricaCarte</name>
    <message>
        <source>Non trovato file di immagine per la carta, si ripristina il default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il mazzo di carte Piacentine è danneggiato o mancante: reinstallare il gioco.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Collegamenti</name>
    <message>
        <source>Non trovato file di documentazione/help %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire la guida %1: nessun programma del sistema apre questo tipo di documento.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire il programma di posta per scrivere a %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire il browser sulla pagina %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Regole</name>
    <message>
        <source>Il gioco consiste nel realizzare un punteggio il più vicino possibile a Brivetta. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I punti delle carte vengono contati 1 per l&apos;asso, 2,3,4,5,6,7 per le altre carte, le figure (fante, cavallo e re) valgono 1/2 punto. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenzione però a non totalizzare un punteggio maggiore di Brivetta poiché si perde la mano. (Ricordarsi che un punteggio di 5 punti può essere già discreto). </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nel mazzo è presente una &apos;Matta&apos; che è il Re di denare, a questa carta si possono attribuire tutti i valori interi da 1 a 7 oppure il valore delle figure cioè 1/2. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se il mazziere realizza un punteggio maggiore o uguale al giocatore vince la mano e si aggiudica la posta, altrimenti paga una somma equivalente alla posta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se un giocatore realizza un punteggio di Brivetta con 2 sole carte diventa automaticamente il mazziere, a meno che il mazziere medesimo non compia lo stesso punteggio sempre con 2 carte. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nella eventualità in cui 2 o più giocatori (diversi dal mazziere) abbiano realizzato Brivetta con 2 carte il mazzo passa al primo della mano.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brivetta::BarraComandi</name>
    <message>
        <source>Nuova partita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scoperta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altra carta scoperta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coperta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altra carta coperta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK mi basta e mi fermo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dollari puntati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probabilità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probabilità che la prossima carta ti faccia sballare o fare 7½</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Situazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denaro: -9999€ · Mazziere: Leonardo</source>
        <extracomment>Only measured, never shown: the status label at its usual widest.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brivetta::DialogoOpzioni</name>
    <message>
        <source>Raimondo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ottavio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beatrice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rosina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uomo baffuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bambino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bambina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donna (Zarina)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Opzioni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome giocatore : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome giocatore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personaggio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settaggi gioco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vincite raddoppiate con Brivetta reale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malloppo iniziale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocità carta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluff giocatori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo di carte (dblclick)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppio click per cambiare tipo di carte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo di carte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brivetta::FinePartita</name>
    <message>
        <source>Brivetta - fine partita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Altra partita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ricominci altra gara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fine gioco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uscita</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brivetta::FinestraInfo</name>
    <message>
        <source>%1 - Versione %2.%3.%4</source>
        <extracomment>%1 the game&apos;s title, %2.%3.%4 the version&apos;s numbers, each after a blank when positive</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un gioco di carte del Brivetta Team. Scrivi a %1 - Le carte Piacentine sono state copiate con uno scanner da un mazzo di piacentine  Ricordati che è molto più divertente giocare con carte e giocatori veri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brivetta 2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clicca per continuare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re bello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sette bello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clicca per visitare il sito ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brivetta::FinestraStatistiche</name>
    <message>
        <source>Partite iniziate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partite finite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partite vinte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manches giocate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manches vinte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manches perse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Massimo denaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serie di manches vinte più lunga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miglior denaro a fine partita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peggior denaro a fine partita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data non registrata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d/M/yyyy HH:mm</source>
        <extracomment>the date and time a game started, in QDateTime::toString&apos;s format</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Statistiche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>a figure&apos;s caption before its value</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Partita:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denaro (€)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Andamento del denaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Azzera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riparte da zero con tutte le statistiche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partita in corso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna partita giocata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azzerare tutte le statistiche?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sì</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brivetta::FinestraTavolo</name>
    <message>
        <source>Impossibile scrivere nella cartella %1: le impostazioni e le statistiche non saranno salvate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nuova partita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Opzioni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cambia ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Suono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Probabilità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schermo &amp;intero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Regole di Brivetta </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mail all&apos;autore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visita Lampo Home Page ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistiche ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info su Brivetta ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brivetta::PannelloTavolo</name>
    <message>
        <source>Tavolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Giocatore di turno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clicca su opzioni per cambio nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, coperta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questa è la matta, vale 1,2,3,4,5,6,7 o 1/2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La tua carta coperta: gli altri non la vedono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scontento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contento</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brivetta::Regia</name>
    <message>
        <source>Un&apos;altra copia di Brivetta sta già giocando in questa cartella: la partita di questa finestra non sarà conservata.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brivetta::RiepilogoManche</name>
    <message>
        <source>Giocatore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>€</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>€ Rim.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome giocatore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punti fatti in questa manche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$ puntati questa manche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$ rimasti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posizione in classifica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scontento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brivetta - Riepilogo manche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questa è la riga con il tuo punteggio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK ho visto, vai avanti.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brivetta::ScelteTavolo</name>
    <message>
        <source>Impossibile salvare le impostazioni in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
