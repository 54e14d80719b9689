<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="it_IT">
<context>
    <name>Accessibile</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CaricaCarte</name>
    <message>
        <source>Non trovato file di immagine per la carta, si ripristina il default.</source>
        <translation>A card picture file was not found: the default cards are restored.</translation>
    </message>
    <message>
        <source>Il mazzo di carte Piacentine è danneggiato o mancante: reinstallare il gioco.</source>
        <translation>The Piacentine card set is damaged or missing: please reinstall the game.</translation>
    </message>
</context>
<context>
    <name>Collegamenti</name>
    <message>
        <source>Non trovato file di documentazione/help %1</source>
        <translation>Help file %1 not found</translation>
    </message>
    <message>
        <source>Impossibile aprire la guida %1: nessun programma del sistema apre questo tipo di documento.</source>
        <translation>Cannot open the help %1: no program on this system opens this kind of document.</translation>
    </message>
    <message>
        <source>Impossibile aprire il programma di posta per scrivere a %1.</source>
        <translation>Cannot open the mail program to write to %1.</translation>
    </message>
    <message>
        <source>Impossibile aprire il browser sulla pagina %1.</source>
        <translation>Cannot open the browser on the page %1.</translation>
    </message>
</context>
<context>
    <name>Regole</name>
    <message>
        <source>Il gioco consiste nel realizzare un punteggio il più vicino possibile a Brivetta. </source>
        <translation>The aim of the game is a score as close as possible to Brivetta. </translation>
    </message>
    <message>
        <source>I punti delle carte vengono contati 1 per l&apos;asso, 2,3,4,5,6,7 per le altre carte, le figure (fante, cavallo e re) valgono 1/2 punto. </source>
        <translation>Cards count 1 for the ace and 2,3,4,5,6,7 for the others; the court cards (jack, knight and king) are worth 1/2 point. </translation>
    </message>
    <message>
        <source>Attenzione però a non totalizzare un punteggio maggiore di Brivetta poiché si perde la mano. (Ricordarsi che un punteggio di 5 punti può essere già discreto). </source>
        <translation>But take care not to go over Brivetta, or you lose the hand. (Remember that a score of 5 points can already be a fair one). </translation>
    </message>
    <message>
        <source>Nel mazzo è presente una &apos;Matta&apos; che è il Re di denare, a questa carta si possono attribuire tutti i valori interi da 1 a 7 oppure il valore delle figure cioè 1/2. </source>
        <translation>The deck holds a wild card, the King of Coins: it can take any whole value from 1 to 7, or the value of a court card, that is 1/2. </translation>
    </message>
    <message>
        <source>Se il mazziere realizza un punteggio maggiore o uguale al giocatore vince la mano e si aggiudica la posta, altrimenti paga una somma equivalente alla posta.</source>
        <translation>If the dealer&apos;s score is equal to or higher than the player&apos;s, the dealer wins the hand and takes the stake; otherwise the dealer pays a sum equal to the stake. </translation>
    </message>
    <message>
        <source>Se un giocatore realizza un punteggio di Brivetta con 2 sole carte diventa automaticamente il mazziere, a meno che il mazziere medesimo non compia lo stesso punteggio sempre con 2 carte. </source>
        <translation>A player who makes Brivetta with only 2 cards becomes the dealer at once, unless the dealer makes the same score, also with 2 cards. </translation>
    </message>
    <message>
        <source>Nella eventualità in cui 2 o più giocatori (diversi dal mazziere) abbiano realizzato Brivetta con 2 carte il mazzo passa al primo della mano.</source>
        <translation>Should 2 or more players (other than the dealer) make Brivetta with 2 cards, the deck passes to the first of them in the order of play.</translation>
    </message>
</context>
<context>
    <name>TestiGioco</name>
    <message>
        <source>Attenzione si inizia una nuova partita ora. %1 terrà il mazzo.</source>
        <translation>Attention: a new game begins now. %1 will be the dealer.</translation>
    </message>
    <message>
        <source>Attenzione si inizia una nuova partita ora. %1 (COMPUTER)  terrà il mazzo.</source>
        <extracomment>%1 is a computer player, tagged as one.</extracomment>
        <translation>Attention: a new game begins now. %1 (COMPUTER) will be the dealer.</translation>
    </message>
    <message>
        <source>D&apos;ora in poi il mazzo passerà a: %1 perchè ha fatto Brivetta con due carte. Si inizia una nuova manche dopo aver rimescolato il mazzo.</source>
        <extracomment>Brivetta: 7 1/2.</extracomment>
        <translation>From now on the deck passes to %1, who made Brivetta with two cards. A new round starts once the deck has been reshuffled.</translation>
    </message>
    <message>
        <source>D&apos;ora in poi il mazzo passerà a: %1 (COMPUTER)  perchè ha fatto Brivetta con due carte. Si inizia una nuova manche dopo aver rimescolato il mazzo.</source>
        <extracomment>%1 is a computer player, tagged as one. Brivetta: 7 1/2.</extracomment>
        <translation>From now on the deck passes to %1 (COMPUTER), who made Brivetta with two cards. A new round starts once the deck has been reshuffled.</translation>
    </message>
    <message>
        <source>Avviso dal mazziere (%1) - &apos;Se hai paura di perdere non giocare! Almeno un $ sei costretto a puntarlo, per questa volta l&apos;ho fatto io.&apos;</source>
        <extracomment>%1 is the dealer. The player staked nothing with his first card.</extracomment>
        <translation>A word from the dealer (%1) - &apos;If you are afraid of losing, don&apos;t play! You have to stake at least one $: this time I did it for you.&apos;</translation>
    </message>
    <message>
        <source>Avviso dal mazziere (%1) - &apos;Vuoi vincermi anche le mutande! - Quando un giocatore si ferma (premendo il bottone &lt;Stop&gt;) può puntare solo con la prima carta. L&apos;ultima puntata non viene affatto accettata.&apos;</source>
        <extracomment>%1 is the dealer. &lt;Stop&gt; is the button of that name.</extracomment>
        <translation>A word from the dealer (%1) - &apos;You&apos;d have the shirt off my back! - When a player stops (pressing the &lt;Stop&gt; button) he may stake only with his first card. That last stake is not accepted at all.&apos;</translation>
    </message>
    <message>
        <source>Il mazziere ha finito le carte, ora rimescola le carte usate nelle precedenti manches.</source>
        <translation>The dealer has run out of cards and now shuffles back the cards used in the previous rounds.</translation>
    </message>
    <message>
        <source>Il mazziere mescola le carte perchè è uscita la matta.</source>
        <translation>The dealer shuffles the cards because the wild card has come out.</translation>
    </message>
    <message>
        <source>La partita è terminata perchè %1 ha finito i soldi. Tu sei arrivato al Primo posto.</source>
        <translation>The game is over because %1 has run out of money. You finished first.</translation>
    </message>
    <message>
        <source>Sei proprio in gamba!. Stasera puoi sbancare il Casinò</source>
        <translation>You really are good! Tonight you could break the bank at the casino.</translation>
    </message>
    <message>
        <source>La partita è terminata perchè %1 ha finito i soldi. Tu sei arrivato al Secondo posto.</source>
        <translation>The game is over because %1 has run out of money. You finished second.</translation>
    </message>
    <message>
        <source>Te la sei cavata abbastanza bene!. Se ti impegni puoi arrivare primo.</source>
        <translation>You did quite well! Put your mind to it and you can finish first.</translation>
    </message>
    <message>
        <source>La partita è terminata perchè %1 ha finito i soldi. Tu sei arrivato al Terzo posto.</source>
        <translation>The game is over because %1 has run out of money. You finished third.</translation>
    </message>
    <message>
        <source>Non sei proprio uno schianto, ma neanche un disastro!</source>
        <translation>Not exactly brilliant, but no disaster either!</translation>
    </message>
    <message>
        <source>La partita è terminata perchè %1 ha finito i soldi. Tu sei arrivato al Quarto posto.</source>
        <translation>The game is over because %1 has run out of money. You finished fourth.</translation>
    </message>
    <message>
        <source>Cerca di sforzarti di più. Con più impegno ce la puoi fare!</source>
        <translation>Try a bit harder. With more effort you can do it!</translation>
    </message>
    <message>
        <source>La partita è terminata perchè %1 ha finito i soldi. Tu sei arrivato al Quinto posto.</source>
        <translation>The game is over because %1 has run out of money. You finished fifth.</translation>
    </message>
    <message>
        <source>Sei un bel disastro!. Vedi di fare meglio la prossima volta.</source>
        <translation>What a disaster! Mind you do better next time.</translation>
    </message>
    <message>
        <source>La partita è terminata perchè %1 ha finito i soldi. Tu sei arrivato all&apos;Ultimo posto.</source>
        <translation>The game is over because %1 has run out of money. You finished last.</translation>
    </message>
    <message>
        <source>Ti consiglio di non giocare con carte e soldi veri!</source>
        <translation>Take my advice: don&apos;t play with real cards and real money!</translation>
    </message>
    <message>
        <source>1°</source>
        <extracomment>The places in the hand summary&apos;s ranking.</extracomment>
        <translation>1st</translation>
    </message>
    <message>
        <source>2°</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>3°</source>
        <translation>3rd</translation>
    </message>
    <message>
        <source>4°</source>
        <translation>4th</translation>
    </message>
    <message>
        <source>5°</source>
        <translation>5th</translation>
    </message>
    <message>
        <source>6°</source>
        <translation>6th</translation>
    </message>
    <message>
        <source>Denare</source>
        <translation>Coins</translation>
    </message>
    <message>
        <source>Coppe</source>
        <translation>Cups</translation>
    </message>
    <message>
        <source>Bastoni</source>
        <translation>Batons</translation>
    </message>
    <message>
        <source>Spade</source>
        <translation>Swords</translation>
    </message>
    <message>
        <source>Fante</source>
        <translation>Jack</translation>
    </message>
    <message>
        <source>Cavallo</source>
        <translation>Knight</translation>
    </message>
    <message>
        <source>Re</source>
        <translation>King</translation>
    </message>
    <message>
        <source>Vuoi fare un&apos;altra partitina?</source>
        <translation>Fancy another game?</translation>
    </message>
    <message>
        <source>Out</source>
        <extracomment>A hand&apos;s score above 7 1/2: the hand is bust.</extracomment>
        <translation>Bust</translation>
    </message>
    <message>
        <source>Denaro: %1€ · Mazziere: %2</source>
        <extracomment>The human&apos;s money and the dealer&apos;s name, in the bar under the table.</extracomment>
        <translation>Money: %1€ · Dealer: %2</translation>
    </message>
    <message>
        <source>Giocatore umano (tu)</source>
        <translation>Human player (you)</translation>
    </message>
    <message>
        <source>Giocatore virtuale</source>
        <translation>Computer player</translation>
    </message>
    <message>
        <source>Sballo %1% · 7½ %2%</source>
        <extracomment>The odds that the next card busts the hand, or makes it 7 1/2.</extracomment>
        <translation>Bust %1% · 7½ %2%</translation>
    </message>
    <message>
        <source>%1 (Mazziere)</source>
        <extracomment>The dealer&apos;s line in the hand summary.</extracomment>
        <translation>%1 (Dealer)</translation>
    </message>
    <message>
        <source>mazzo</source>
        <extracomment>The deck&apos;s picture, as a screen reader names it.</extracomment>
        <translation>deck</translation>
    </message>
    <message>
        <source>carta coperta</source>
        <extracomment>A card&apos;s back, as a screen reader names it.</extracomment>
        <translation>face-down card</translation>
    </message>
    <message>
        <source>Re di Denare, la matta</source>
        <extracomment>The king of Denare, the wild card.</extracomment>
        <translation>King of Coins, the wild card</translation>
    </message>
    <message>
        <source>Asso</source>
        <translation>Ace</translation>
    </message>
    <message>
        <source>%1 di %2</source>
        <extracomment>A card: its rank (%1) and suit (%2).</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1, coperta</source>
        <extracomment>The human&apos;s covered card, which he alone sees.</extracomment>
        <translation>%1, face down</translation>
    </message>
</context>
<context>
    <name>brivetta::BarraComandi</name>
    <message>
        <source>Nuova partita</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Scoperta</source>
        <translation>Face up</translation>
    </message>
    <message>
        <source>Altra carta scoperta</source>
        <translation>Another card, face up</translation>
    </message>
    <message>
        <source>Coperta</source>
        <translation>Face down</translation>
    </message>
    <message>
        <source>Altra carta coperta</source>
        <translation>Another card, face down</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>OK mi basta e mi fermo.</source>
        <translation>OK, that&apos;s enough, I stop here.</translation>
    </message>
    <message>
        <source>Posta:</source>
        <translation>Stake:</translation>
    </message>
    <message>
        <source>Posta</source>
        <translation>Stake</translation>
    </message>
    <message>
        <source>Dollari puntati</source>
        <translation>Money staked</translation>
    </message>
    <message>
        <source>Probabilità</source>
        <translation>Odds</translation>
    </message>
    <message>
        <source>Probabilità che la prossima carta ti faccia sballare o fare 7½</source>
        <translation>Odds that the next card makes you go bust or reach 7½</translation>
    </message>
    <message>
        <source>Situazione</source>
        <translation>Situation</translation>
    </message>
    <message>
        <source>Consiglio</source>
        <translation>Advice</translation>
    </message>
    <message>
        <source>Stop %1</source>
        <translation>Stop %1</translation>
    </message>
    <message>
        <source>Carta %1</source>
        <translation>Card %1</translation>
    </message>
    <message>
        <source>Consigliato</source>
        <translation>Recommended</translation>
    </message>
</context>
<context>
    <name>brivetta::DialogoOpzioni</name>
    <message>
        <source>Raimondo</source>
        <translation>Raimondo</translation>
    </message>
    <message>
        <source>Ottavio</source>
        <translation>Ottavio</translation>
    </message>
    <message>
        <source>Beatrice</source>
        <translation>Beatrice</translation>
    </message>
    <message>
        <source>Rosina</source>
        <translation>Rosina</translation>
    </message>
    <message>
        <source>Uomo baffuto</source>
        <translation>Man with a moustache</translation>
    </message>
    <message>
        <source>Bambino</source>
        <translation>Boy</translation>
    </message>
    <message>
        <source>Bambina</source>
        <translation>Girl</translation>
    </message>
    <message>
        <source>Donna (Zarina)</source>
        <translation>Woman (Tsarina)</translation>
    </message>
    <message>
        <source>%1 - Opzioni</source>
        <translation>%1 - Options</translation>
    </message>
    <message>
        <source>Nome giocatore : </source>
        <translation>Player name : </translation>
    </message>
    <message>
        <source>Nome giocatore</source>
        <translation>Player name</translation>
    </message>
    <message>
        <source>Personaggio</source>
        <translation>Character</translation>
    </message>
    <message>
        <source>Settaggi gioco</source>
        <translation>Game settings</translation>
    </message>
    <message>
        <source>Vincite raddoppiate con Brivetta reale</source>
        <translation>Double wins with a real Brivetta</translation>
    </message>
    <message>
        <source>Malloppo iniziale</source>
        <translation>Starting money</translation>
    </message>
    <message>
        <source>Velocità carta</source>
        <translation>Card speed</translation>
    </message>
    <message>
        <source>Bluff giocatori</source>
        <translation>Players&apos; bluff</translation>
    </message>
    <message>
        <source>Tipo di carte (dblclick)</source>
        <translation>Card set (double-click)</translation>
    </message>
    <message>
        <source>Doppio click per cambiare tipo di carte</source>
        <translation>Double-click to change the card set</translation>
    </message>
    <message>
        <source>Tipo di carte</source>
        <translation>Card set</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>brivetta::FinePartita</name>
    <message>
        <source>Brivetta - fine partita</source>
        <translation>Brivetta - end of the game</translation>
    </message>
    <message>
        <source>&amp;Altra partita</source>
        <translation>&amp;Another game</translation>
    </message>
    <message>
        <source>Ricominci altra gara</source>
        <translation>Start another game</translation>
    </message>
    <message>
        <source>&amp;Fine gioco</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Uscita</source>
        <translation>Leave the game</translation>
    </message>
</context>
<context>
    <name>brivetta::FinestraInfo</name>
    <message>
        <source>%1 - Versione %2.%3.%4</source>
        <extracomment>%1 the game&apos;s title, %2.%3.%4 the version&apos;s numbers, each after a blank when positive</extracomment>
        <translation>%1 - Version %2.%3.%4</translation>
    </message>
    <message>
        <source>Un gioco di carte del Brivetta Team. Scrivi a %1 - Le carte Piacentine sono state copiate con uno scanner da un mazzo di piacentine  Ricordati che è molto più divertente giocare con carte e giocatori veri</source>
        <translation>A card game by the Brivetta Team. Write to %1 - The Piacentine cards were scanned from a real Piacentine deck.  Remember: playing with real cards and real players is much more fun</translation>
    </message>
    <message>
        <source>Brivetta 2000</source>
        <translation>Brivetta 2000</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Clicca per continuare</source>
        <translation>Click to go on</translation>
    </message>
    <message>
        <source>Re bello</source>
        <translation>The fine King</translation>
    </message>
    <message>
        <source>Sette bello</source>
        <translation>The fine Seven</translation>
    </message>
    <message>
        <source>Clicca per visitare il sito ...</source>
        <translation>Click to visit the site ...</translation>
    </message>
</context>
<context>
    <name>brivetta::FinestraStatistiche</name>
    <message>
        <source>Partite iniziate</source>
        <translation>Games started</translation>
    </message>
    <message>
        <source>Partite finite</source>
        <translation>Games finished</translation>
    </message>
    <message>
        <source>Partite vinte</source>
        <translation>Games won</translation>
    </message>
    <message>
        <source>Manches giocate</source>
        <translation>Rounds played</translation>
    </message>
    <message>
        <source>Manches vinte</source>
        <translation>Rounds won</translation>
    </message>
    <message>
        <source>Manches perse</source>
        <translation>Rounds lost</translation>
    </message>
    <message>
        <source>Massimo denaro</source>
        <translation>Most money</translation>
    </message>
    <message>
        <source>Serie di manches vinte più lunga</source>
        <translation>Longest run of rounds won</translation>
    </message>
    <message>
        <source>Miglior denaro a fine partita</source>
        <translation>Best money at the end of a game</translation>
    </message>
    <message>
        <source>Peggior denaro a fine partita</source>
        <translation>Worst money at the end of a game</translation>
    </message>
    <message>
        <source>Data non registrata</source>
        <translation>Date not recorded</translation>
    </message>
    <message>
        <source>d/M/yyyy HH:mm</source>
        <extracomment>the date and time a game started, in QDateTime::toString&apos;s format</extracomment>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>%1 - Statistiche</source>
        <translation>%1 - Statistics</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>a figure&apos;s caption before its value</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>&amp;Partita:</source>
        <translation>&amp;Game:</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Manche</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Denaro (€)</source>
        <translation>Money (€)</translation>
    </message>
    <message>
        <source>Andamento del denaro</source>
        <translation>Money over the game</translation>
    </message>
    <message>
        <source>&amp;Azzera</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>Riparte da zero con tutte le statistiche</source>
        <translation>Starts all the statistics again from zero</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Partita in corso</source>
        <translation>Game in progress</translation>
    </message>
    <message>
        <source>Nessuna partita giocata</source>
        <translation>No game played</translation>
    </message>
    <message>
        <source>Azzerare tutte le statistiche?</source>
        <translation>Reset all the statistics?</translation>
    </message>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>brivetta::FinestraTavolo</name>
    <message>
        <source>Impossibile scrivere nella cartella %1: le impostazioni e le statistiche non saranno salvate.</source>
        <translation>Cannot write in the folder %1: the settings and the statistics will not be saved.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Nuova partita</source>
        <translation>&amp;New game</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Opzioni</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Cambia ...</source>
        <translation>&amp;Change ...</translation>
    </message>
    <message>
        <source>&amp;Suono</source>
        <translation>&amp;Sound</translation>
    </message>
    <message>
        <source>&amp;Probabilità</source>
        <translation>&amp;Odds</translation>
    </message>
    <message>
        <source>Schermo &amp;intero</source>
        <translation>&amp;Full screen</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Regole di Brivetta </source>
        <translation>&amp;Rules of Brivetta </translation>
    </message>
    <message>
        <source>&amp;Mail all&apos;autore</source>
        <translation>&amp;Mail the author</translation>
    </message>
    <message>
        <source>&amp;Visita Lampo Home Page ...</source>
        <translation>&amp;Visit Lampo Home Page ...</translation>
    </message>
    <message>
        <source>&amp;Statistiche ...</source>
        <translation>&amp;Statistics ...</translation>
    </message>
    <message>
        <source>&amp;Info su Brivetta ...</source>
        <translation>&amp;About Brivetta ...</translation>
    </message>
    <message>
        <source>&amp;Gioca per me</source>
        <translation>&amp;Play for me</translation>
    </message>
    <message>
        <source>&amp;Consiglio</source>
        <translation>&amp;Advice</translation>
    </message>
</context>
<context>
    <name>brivetta::PannelloTavolo</name>
    <message>
        <source>Tavolo</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Giocatore di turno</source>
        <translation>Player whose turn it is</translation>
    </message>
    <message>
        <source>Clicca su opzioni per cambio nome</source>
        <translation>Click on options to change the name</translation>
    </message>
    <message>
        <source>Questa è la matta, vale 1,2,3,4,5,6,7 o 1/2</source>
        <translation>This is the wild card: it is worth 1,2,3,4,5,6,7 or 1/2</translation>
    </message>
    <message>
        <source>La tua carta coperta: gli altri non la vedono</source>
        <translation>Your face-down card: the others can&apos;t see it</translation>
    </message>
    <message>
        <source>scontento</source>
        <translation>unhappy</translation>
    </message>
    <message>
        <source>contento</source>
        <translation>happy</translation>
    </message>
</context>
<context>
    <name>brivetta::Regia</name>
    <message>
        <source>Un&apos;altra copia di Brivetta sta già giocando in questa cartella: la partita di questa finestra non sarà conservata.</source>
        <translation>Another copy of Brivetta is already playing in this folder: the game in this window will not be kept.</translation>
    </message>
</context>
<context>
    <name>brivetta::RiepilogoManche</name>
    <message>
        <source>Giocatore</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Punti</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>€</source>
        <translation>€</translation>
    </message>
    <message>
        <source>€ Rim.</source>
        <translation>€ Left</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Nome giocatore</source>
        <translation>Player name</translation>
    </message>
    <message>
        <source>Punti fatti in questa manche</source>
        <translation>Points made in this round</translation>
    </message>
    <message>
        <source>$ puntati questa manche</source>
        <translation>$ staked this round</translation>
    </message>
    <message>
        <source>$ rimasti</source>
        <translation>$ left</translation>
    </message>
    <message>
        <source>Posizione in classifica</source>
        <translation>Place in the standings</translation>
    </message>
    <message>
        <source>contento</source>
        <translation>happy</translation>
    </message>
    <message>
        <source>scontento</source>
        <translation>unhappy</translation>
    </message>
    <message>
        <source>Brivetta - Riepilogo manche</source>
        <translation>Brivetta - Round summary</translation>
    </message>
    <message>
        <source>Questa è la riga con il tuo punteggio</source>
        <translation>This is the row with your score</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK ho visto, vai avanti.</source>
        <translation>OK, seen it, go on.</translation>
    </message>
</context>
<context>
    <name>brivetta::ScelteTavolo</name>
    <message>
        <source>Impossibile salvare le impostazioni in %1: %2</source>
        <translation>Cannot save the settings in %1: %2</translation>
    </message>
</context>
</TS>
