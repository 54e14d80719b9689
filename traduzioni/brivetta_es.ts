<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="it_IT">
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
        <translation>No se ha encontrado el archivo de imagen de una carta: se restablecen las cartas predeterminadas.</translation>
    </message>
    <message>
        <source>Il mazzo di carte Piacentine è danneggiato o mancante: reinstallare il gioco.</source>
        <translation>La baraja Piacentine está dañada o falta: vuelva a instalar el juego.</translation>
    </message>
</context>
<context>
    <name>Collegamenti</name>
    <message>
        <source>Non trovato file di documentazione/help %1</source>
        <translation>No se ha encontrado el archivo de ayuda %1</translation>
    </message>
    <message>
        <source>Impossibile aprire la guida %1: nessun programma del sistema apre questo tipo di documento.</source>
        <translation>No se puede abrir la ayuda %1: ningún programa del sistema abre este tipo de documento.</translation>
    </message>
    <message>
        <source>Impossibile aprire il programma di posta per scrivere a %1.</source>
        <translation>No se puede abrir el programa de correo para escribir a %1.</translation>
    </message>
    <message>
        <source>Impossibile aprire il browser sulla pagina %1.</source>
        <translation>No se puede abrir el navegador en la página %1.</translation>
    </message>
</context>
<context>
    <name>Regole</name>
    <message>
        <source>Il gioco consiste nel realizzare un punteggio il più vicino possibile a Brivetta. </source>
        <translation>El juego consiste en conseguir una puntuación lo más cercana posible a Brivetta. </translation>
    </message>
    <message>
        <source>I punti delle carte vengono contati 1 per l&apos;asso, 2,3,4,5,6,7 per le altre carte, le figure (fante, cavallo e re) valgono 1/2 punto. </source>
        <translation>Las cartas valen 1 el as y 2,3,4,5,6,7 las demás; las figuras (sota, caballo y rey) valen 1/2 punto. </translation>
    </message>
    <message>
        <source>Attenzione però a non totalizzare un punteggio maggiore di Brivetta poiché si perde la mano. (Ricordarsi che un punteggio di 5 punti può essere già discreto). </source>
        <translation>Pero cuidado con pasarse de Brivetta, porque se pierde la mano. (Recuerda que una puntuación de 5 puntos ya puede ser aceptable). </translation>
    </message>
    <message>
        <source>Nel mazzo è presente una &apos;Matta&apos; che è il Re di denare, a questa carta si possono attribuire tutti i valori interi da 1 a 7 oppure il valore delle figure cioè 1/2. </source>
        <translation>En la baraja hay un comodín, el Rey de Oros: puede valer cualquier número entero de 1 a 7 o lo que vale una figura, es decir 1/2. </translation>
    </message>
    <message>
        <source>Se il mazziere realizza un punteggio maggiore o uguale al giocatore vince la mano e si aggiudica la posta, altrimenti paga una somma equivalente alla posta.</source>
        <translation>Si la banca consigue una puntuación igual o mayor que la del jugador, gana la mano y se lleva la apuesta; si no, paga una cantidad igual a la apuesta. </translation>
    </message>
    <message>
        <source>Se un giocatore realizza un punteggio di Brivetta con 2 sole carte diventa automaticamente il mazziere, a meno che il mazziere medesimo non compia lo stesso punteggio sempre con 2 carte. </source>
        <translation>Un jugador que consigue Brivetta con solo 2 cartas pasa a ser la banca, a menos que la propia banca consiga la misma puntuación, también con 2 cartas. </translation>
    </message>
    <message>
        <source>Nella eventualità in cui 2 o più giocatori (diversi dal mazziere) abbiano realizzato Brivetta con 2 carte il mazzo passa al primo della mano.</source>
        <translation>Si 2 o más jugadores (distintos de la banca) consiguen Brivetta con 2 cartas, la baraja pasa al primero de ellos en el orden de juego.</translation>
    </message>
</context>
<context>
    <name>TestiGioco</name>
    <message>
        <source>Attenzione si inizia una nuova partita ora. %1 terrà il mazzo.</source>
        <translation>Atención: empieza ahora una nueva partida. %1 llevará la banca.</translation>
    </message>
    <message>
        <source>Attenzione si inizia una nuova partita ora. %1 (COMPUTER)  terrà il mazzo.</source>
        <extracomment>%1 is a computer player, tagged as one.</extracomment>
        <translation>Atención: empieza ahora una nueva partida. %1 (ORDENADOR) llevará la banca.</translation>
    </message>
    <message>
        <source>D&apos;ora in poi il mazzo passerà a: %1 perchè ha fatto Brivetta con due carte. Si inizia una nuova manche dopo aver rimescolato il mazzo.</source>
        <extracomment>Brivetta: 7 1/2.</extracomment>
        <translation>A partir de ahora la baraja pasa a %1, que ha hecho Brivetta con dos cartas. Empieza una nueva mano después de volver a barajar.</translation>
    </message>
    <message>
        <source>D&apos;ora in poi il mazzo passerà a: %1 (COMPUTER)  perchè ha fatto Brivetta con due carte. Si inizia una nuova manche dopo aver rimescolato il mazzo.</source>
        <extracomment>%1 is a computer player, tagged as one. Brivetta: 7 1/2.</extracomment>
        <translation>A partir de ahora la baraja pasa a %1 (ORDENADOR), que ha hecho Brivetta con dos cartas. Empieza una nueva mano después de volver a barajar.</translation>
    </message>
    <message>
        <source>Avviso dal mazziere (%1) - &apos;Se hai paura di perdere non giocare! Almeno un $ sei costretto a puntarlo, per questa volta l&apos;ho fatto io.&apos;</source>
        <extracomment>%1 is the dealer. The player staked nothing with his first card.</extracomment>
        <translation>Aviso de la banca (%1) - &apos;¡Si tienes miedo de perder, no juegues! Estás obligado a apostar al menos un $; por esta vez lo he hecho yo.&apos;</translation>
    </message>
    <message>
        <source>Avviso dal mazziere (%1) - &apos;Vuoi vincermi anche le mutande! - Quando un giocatore si ferma (premendo il bottone &lt;Stop&gt;) può puntare solo con la prima carta. L&apos;ultima puntata non viene affatto accettata.&apos;</source>
        <extracomment>%1 is the dealer. &lt;Stop&gt; is the button of that name.</extracomment>
        <translation>Aviso de la banca (%1) - &apos;¡Quieres ganarme hasta los calzoncillos! - Cuando un jugador se planta (pulsando el botón &lt;Basta&gt;) solo puede apostar con la primera carta. Esa última apuesta no se acepta en absoluto.&apos;</translation>
    </message>
    <message>
        <source>Il mazziere ha finito le carte, ora rimescola le carte usate nelle precedenti manches.</source>
        <translation>La banca se ha quedado sin cartas: ahora baraja las cartas usadas en las manos anteriores.</translation>
    </message>
    <message>
        <source>Il mazziere mescola le carte perchè è uscita la matta.</source>
        <translation>La banca baraja las cartas porque ha salido el comodín.</translation>
    </message>
    <message>
        <source>La partita è terminata perchè %1 ha finito i soldi. Tu sei arrivato al Primo posto.</source>
        <translation>La partida ha terminado porque %1 se ha quedado sin dinero. Has quedado primero.</translation>
    </message>
    <message>
        <source>Sei proprio in gamba!. Stasera puoi sbancare il Casinò</source>
        <translation>¡Eres un fenómeno! Esta noche puedes hacer saltar la banca del casino.</translation>
    </message>
    <message>
        <source>La partita è terminata perchè %1 ha finito i soldi. Tu sei arrivato al Secondo posto.</source>
        <translation>La partida ha terminado porque %1 se ha quedado sin dinero. Has quedado segundo.</translation>
    </message>
    <message>
        <source>Te la sei cavata abbastanza bene!. Se ti impegni puoi arrivare primo.</source>
        <translation>¡Lo has hecho bastante bien! Si te esfuerzas, puedes llegar primero.</translation>
    </message>
    <message>
        <source>La partita è terminata perchè %1 ha finito i soldi. Tu sei arrivato al Terzo posto.</source>
        <translation>La partida ha terminado porque %1 se ha quedado sin dinero. Has quedado tercero.</translation>
    </message>
    <message>
        <source>Non sei proprio uno schianto, ma neanche un disastro!</source>
        <translation>No eres ninguna maravilla, ¡pero tampoco un desastre!</translation>
    </message>
    <message>
        <source>La partita è terminata perchè %1 ha finito i soldi. Tu sei arrivato al Quarto posto.</source>
        <translation>La partida ha terminado porque %1 se ha quedado sin dinero. Has quedado cuarto.</translation>
    </message>
    <message>
        <source>Cerca di sforzarti di più. Con più impegno ce la puoi fare!</source>
        <translation>Intenta esforzarte más. ¡Con más empeño lo puedes conseguir!</translation>
    </message>
    <message>
        <source>La partita è terminata perchè %1 ha finito i soldi. Tu sei arrivato al Quinto posto.</source>
        <translation>La partida ha terminado porque %1 se ha quedado sin dinero. Has quedado quinto.</translation>
    </message>
    <message>
        <source>Sei un bel disastro!. Vedi di fare meglio la prossima volta.</source>
        <translation>¡Menudo desastre! A ver si lo haces mejor la próxima vez.</translation>
    </message>
    <message>
        <source>La partita è terminata perchè %1 ha finito i soldi. Tu sei arrivato all&apos;Ultimo posto.</source>
        <translation>La partida ha terminado porque %1 se ha quedado sin dinero. Has quedado el último.</translation>
    </message>
    <message>
        <source>Ti consiglio di non giocare con carte e soldi veri!</source>
        <translation>¡Te aconsejo que no juegues con cartas y dinero de verdad!</translation>
    </message>
    <message>
        <source>1°</source>
        <extracomment>The places in the hand summary&apos;s ranking.</extracomment>
        <translation>1º</translation>
    </message>
    <message>
        <source>2°</source>
        <translation>2º</translation>
    </message>
    <message>
        <source>3°</source>
        <translation>3º</translation>
    </message>
    <message>
        <source>4°</source>
        <translation>4º</translation>
    </message>
    <message>
        <source>5°</source>
        <translation>5º</translation>
    </message>
    <message>
        <source>6°</source>
        <translation>6º</translation>
    </message>
    <message>
        <source>Denare</source>
        <translation>Oros</translation>
    </message>
    <message>
        <source>Coppe</source>
        <translation>Copas</translation>
    </message>
    <message>
        <source>Bastoni</source>
        <translation>Bastos</translation>
    </message>
    <message>
        <source>Spade</source>
        <translation>Espadas</translation>
    </message>
    <message>
        <source>Fante</source>
        <translation>Sota</translation>
    </message>
    <message>
        <source>Cavallo</source>
        <translation>Caballo</translation>
    </message>
    <message>
        <source>Re</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Vuoi fare un&apos;altra partitina?</source>
        <translation>¿Te apetece otra partidita?</translation>
    </message>
    <message>
        <source>Out</source>
        <extracomment>A hand&apos;s score above 7 1/2: the hand is bust.</extracomment>
        <translation>Pasado</translation>
    </message>
    <message>
        <source>Denaro: %1€ · Mazziere: %2</source>
        <extracomment>The human&apos;s money and the dealer&apos;s name, in the bar under the table.</extracomment>
        <translation>Dinero: %1€ · Banca: %2</translation>
    </message>
    <message>
        <source>Giocatore umano (tu)</source>
        <translation>Jugador humano (tú)</translation>
    </message>
    <message>
        <source>Giocatore virtuale</source>
        <translation>Jugador virtual</translation>
    </message>
    <message>
        <source>Sballo %1% · 7½ %2%</source>
        <extracomment>The odds that the next card busts the hand, or makes it 7 1/2.</extracomment>
        <translation>Pasarse %1% · 7½ %2%</translation>
    </message>
    <message>
        <source>%1 (Mazziere)</source>
        <extracomment>The dealer&apos;s line in the hand summary.</extracomment>
        <translation>%1 (Banca)</translation>
    </message>
    <message>
        <source>mazzo</source>
        <extracomment>The deck&apos;s picture, as a screen reader names it.</extracomment>
        <translation>baraja</translation>
    </message>
    <message>
        <source>carta coperta</source>
        <extracomment>A card&apos;s back, as a screen reader names it.</extracomment>
        <translation>carta boca abajo</translation>
    </message>
    <message>
        <source>Re di Denare, la matta</source>
        <extracomment>The king of Denare, the wild card.</extracomment>
        <translation>Rey de Oros, el comodín</translation>
    </message>
    <message>
        <source>Asso</source>
        <translation>As</translation>
    </message>
    <message>
        <source>%1 di %2</source>
        <extracomment>A card: its rank (%1) and suit (%2).</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1, coperta</source>
        <extracomment>The human&apos;s covered card, which he alone sees.</extracomment>
        <translation>%1, boca abajo</translation>
    </message>
</context>
<context>
    <name>brivetta::BarraComandi</name>
    <message>
        <source>Nuova partita</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Scoperta</source>
        <translation>Abierta</translation>
    </message>
    <message>
        <source>Altra carta scoperta</source>
        <translation>Otra carta, boca arriba</translation>
    </message>
    <message>
        <source>Coperta</source>
        <translation>Tapada</translation>
    </message>
    <message>
        <source>Altra carta coperta</source>
        <translation>Otra carta, boca abajo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Basta</translation>
    </message>
    <message>
        <source>OK mi basta e mi fermo.</source>
        <translation>Vale, ya tengo bastante y me planto.</translation>
    </message>
    <message>
        <source>Posta:</source>
        <translation>Puja:</translation>
    </message>
    <message>
        <source>Posta</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Dollari puntati</source>
        <translation>Dinero apostado</translation>
    </message>
    <message>
        <source>Probabilità</source>
        <translation>Probabilidades</translation>
    </message>
    <message>
        <source>Probabilità che la prossima carta ti faccia sballare o fare 7½</source>
        <translation>Probabilidad de que la próxima carta te haga pasarte o llegar a 7½</translation>
    </message>
    <message>
        <source>Situazione</source>
        <translation>Situación</translation>
    </message>
    <message>
        <source>Consiglio</source>
        <translation>Consejo</translation>
    </message>
    <message>
        <source>Stop %1</source>
        <translation>Basta %1</translation>
    </message>
    <message>
        <source>Carta %1</source>
        <translation>Carta %1</translation>
    </message>
    <message>
        <source>Consigliato</source>
        <translation>Recomendado</translation>
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
        <translation>Hombre con bigote</translation>
    </message>
    <message>
        <source>Bambino</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Bambina</source>
        <translation>Niña</translation>
    </message>
    <message>
        <source>Donna (Zarina)</source>
        <translation>Mujer (Zarina)</translation>
    </message>
    <message>
        <source>%1 - Opzioni</source>
        <translation>%1 - Opciones</translation>
    </message>
    <message>
        <source>Nome giocatore : </source>
        <translation>Nombre del jugador : </translation>
    </message>
    <message>
        <source>Nome giocatore</source>
        <translation>Nombre del jugador</translation>
    </message>
    <message>
        <source>Personaggio</source>
        <translation>Personaje</translation>
    </message>
    <message>
        <source>Settaggi gioco</source>
        <translation>Ajustes del juego</translation>
    </message>
    <message>
        <source>Vincite raddoppiate con Brivetta reale</source>
        <translation>Ganancias dobles con Brivetta real</translation>
    </message>
    <message>
        <source>Malloppo iniziale</source>
        <translation>Dinero inicial</translation>
    </message>
    <message>
        <source>Velocità carta</source>
        <translation>Velocidad de las cartas</translation>
    </message>
    <message>
        <source>Bluff giocatori</source>
        <translation>Farol de los jugadores</translation>
    </message>
    <message>
        <source>Tipo di carte (dblclick)</source>
        <translation>Tipo de cartas (doble clic)</translation>
    </message>
    <message>
        <source>Doppio click per cambiare tipo di carte</source>
        <translation>Doble clic para cambiar el tipo de cartas</translation>
    </message>
    <message>
        <source>Tipo di carte</source>
        <translation>Tipo de cartas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>brivetta::FinePartita</name>
    <message>
        <source>Brivetta - fine partita</source>
        <translation>Brivetta - fin de la partida</translation>
    </message>
    <message>
        <source>&amp;Altra partita</source>
        <translation>&amp;Otra partida</translation>
    </message>
    <message>
        <source>Ricominci altra gara</source>
        <translation>Empieza otra partida</translation>
    </message>
    <message>
        <source>&amp;Fine gioco</source>
        <translation>&amp;Terminar</translation>
    </message>
    <message>
        <source>Uscita</source>
        <translation>Salir del juego</translation>
    </message>
</context>
<context>
    <name>brivetta::FinestraInfo</name>
    <message>
        <source>%1 - Versione %2.%3.%4</source>
        <extracomment>%1 the game&apos;s title, %2.%3.%4 the version&apos;s numbers, each after a blank when positive</extracomment>
        <translation>%1 - Versión %2.%3.%4</translation>
    </message>
    <message>
        <source>Un gioco di carte del Brivetta Team. Scrivi a %1 - Le carte Piacentine sono state copiate con uno scanner da un mazzo di piacentine  Ricordati che è molto più divertente giocare con carte e giocatori veri</source>
        <translation>Un juego de cartas del Brivetta Team. Escribe a %1 - Las cartas Piacentine se han copiado con un escáner de una baraja piacentina.  Recuerda que es mucho más divertido jugar con cartas y jugadores de verdad</translation>
    </message>
    <message>
        <source>Brivetta 2000</source>
        <translation>Brivetta 2000</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Clicca per continuare</source>
        <translation>Haz clic para continuar</translation>
    </message>
    <message>
        <source>Re bello</source>
        <translation>El Rey bonito</translation>
    </message>
    <message>
        <source>Sette bello</source>
        <translation>El Siete bonito</translation>
    </message>
    <message>
        <source>Clicca per visitare il sito ...</source>
        <translation>Haz clic para visitar el sitio ...</translation>
    </message>
</context>
<context>
    <name>brivetta::FinestraStatistiche</name>
    <message>
        <source>Partite iniziate</source>
        <translation>Partidas empezadas</translation>
    </message>
    <message>
        <source>Partite finite</source>
        <translation>Partidas terminadas</translation>
    </message>
    <message>
        <source>Partite vinte</source>
        <translation>Partidas ganadas</translation>
    </message>
    <message>
        <source>Manches giocate</source>
        <translation>Manos jugadas</translation>
    </message>
    <message>
        <source>Manches vinte</source>
        <translation>Manos ganadas</translation>
    </message>
    <message>
        <source>Manches perse</source>
        <translation>Manos perdidas</translation>
    </message>
    <message>
        <source>Massimo denaro</source>
        <translation>Máximo de dinero</translation>
    </message>
    <message>
        <source>Serie di manches vinte più lunga</source>
        <translation>Racha más larga de manos ganadas</translation>
    </message>
    <message>
        <source>Miglior denaro a fine partita</source>
        <translation>Mejor dinero al final de una partida</translation>
    </message>
    <message>
        <source>Peggior denaro a fine partita</source>
        <translation>Peor dinero al final de una partida</translation>
    </message>
    <message>
        <source>Data non registrata</source>
        <translation>Fecha no registrada</translation>
    </message>
    <message>
        <source>d/M/yyyy HH:mm</source>
        <extracomment>the date and time a game started, in QDateTime::toString&apos;s format</extracomment>
        <translation>d/M/yyyy HH:mm</translation>
    </message>
    <message>
        <source>%1 - Statistiche</source>
        <translation>%1 - Estadísticas</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>a figure&apos;s caption before its value</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>&amp;Partita:</source>
        <translation>&amp;Partida:</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Manche</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Denaro (€)</source>
        <translation>Dinero (€)</translation>
    </message>
    <message>
        <source>Andamento del denaro</source>
        <translation>Evolución del dinero</translation>
    </message>
    <message>
        <source>&amp;Azzera</source>
        <translation>&amp;Poner a cero</translation>
    </message>
    <message>
        <source>Riparte da zero con tutte le statistiche</source>
        <translation>Vuelve a empezar de cero todas las estadísticas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Partita in corso</source>
        <translation>Partida en curso</translation>
    </message>
    <message>
        <source>Nessuna partita giocata</source>
        <translation>Ninguna partida jugada</translation>
    </message>
    <message>
        <source>Azzerare tutte le statistiche?</source>
        <translation>¿Poner a cero todas las estadísticas?</translation>
    </message>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Sí</translation>
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
        <translation>No se puede escribir en la carpeta %1: los ajustes y las estadísticas no se guardarán.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Nuova partita</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Opzioni</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Cambia ...</source>
        <translation>&amp;Cambiar ...</translation>
    </message>
    <message>
        <source>&amp;Suono</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Probabilità</source>
        <translation>&amp;Probabilidades</translation>
    </message>
    <message>
        <source>Schermo &amp;intero</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Regole di Brivetta </source>
        <translation>&amp;Reglas de Brivetta </translation>
    </message>
    <message>
        <source>&amp;Mail all&apos;autore</source>
        <translation>&amp;Escribir al autor</translation>
    </message>
    <message>
        <source>&amp;Visita Lampo Home Page ...</source>
        <translation>&amp;Visitar la página de Lampo ...</translation>
    </message>
    <message>
        <source>&amp;Statistiche ...</source>
        <translation>E&amp;stadísticas ...</translation>
    </message>
    <message>
        <source>&amp;Info su Brivetta ...</source>
        <translation>Acerca &amp;de Brivetta ...</translation>
    </message>
    <message>
        <source>&amp;Gioca per me</source>
        <translation>&amp;Juega por mí</translation>
    </message>
    <message>
        <source>&amp;Consiglio</source>
        <translation>C&amp;onsejo</translation>
    </message>
</context>
<context>
    <name>brivetta::PannelloTavolo</name>
    <message>
        <source>Tavolo</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Giocatore di turno</source>
        <translation>Jugador al que le toca</translation>
    </message>
    <message>
        <source>Clicca su opzioni per cambio nome</source>
        <translation>Haz clic en opciones para cambiar el nombre</translation>
    </message>
    <message>
        <source>Questa è la matta, vale 1,2,3,4,5,6,7 o 1/2</source>
        <translation>Este es el comodín: vale 1,2,3,4,5,6,7 o 1/2</translation>
    </message>
    <message>
        <source>La tua carta coperta: gli altri non la vedono</source>
        <translation>Tu carta boca abajo: los demás no la ven</translation>
    </message>
    <message>
        <source>scontento</source>
        <translation>descontento</translation>
    </message>
    <message>
        <source>contento</source>
        <translation>contento</translation>
    </message>
</context>
<context>
    <name>brivetta::Regia</name>
    <message>
        <source>Un&apos;altra copia di Brivetta sta già giocando in questa cartella: la partita di questa finestra non sarà conservata.</source>
        <translation>Otra copia de Brivetta ya está jugando en esta carpeta: la partida de esta ventana no se conservará.</translation>
    </message>
</context>
<context>
    <name>brivetta::RiepilogoManche</name>
    <message>
        <source>Giocatore</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Punti</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>€</source>
        <translation>€</translation>
    </message>
    <message>
        <source>€ Rim.</source>
        <translation>€ Rest.</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Nome giocatore</source>
        <translation>Nombre del jugador</translation>
    </message>
    <message>
        <source>Punti fatti in questa manche</source>
        <translation>Puntos hechos en esta mano</translation>
    </message>
    <message>
        <source>$ puntati questa manche</source>
        <translation>$ apostados en esta mano</translation>
    </message>
    <message>
        <source>$ rimasti</source>
        <translation>$ restantes</translation>
    </message>
    <message>
        <source>Posizione in classifica</source>
        <translation>Puesto en la clasificación</translation>
    </message>
    <message>
        <source>contento</source>
        <translation>contento</translation>
    </message>
    <message>
        <source>scontento</source>
        <translation>descontento</translation>
    </message>
    <message>
        <source>Brivetta - Riepilogo manche</source>
        <translation>Brivetta - Resumen de la mano</translation>
    </message>
    <message>
        <source>Questa è la riga con il tuo punteggio</source>
        <translation>Esta es la fila con tu puntuación</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>OK ho visto, vai avanti.</source>
        <translation>Vale, ya lo he visto, sigue.</translation>
    </message>
</context>
<context>
    <name>brivetta::ScelteTavolo</name>
    <message>
        <source>Impossibile salvare le impostazioni in %1: %2</source>
        <translation>No se pueden guardar los ajustes en %1: %2</translation>
    </message>
</context>
</TS>
