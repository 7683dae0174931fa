<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Advice</name>
    <message>
        <source>Check that the tracker is switched on and that its cable is in this port. If it may be on another port, choose that one, or let Find Tracker on the window menu ask each port.</source>
        <translation>Verifica che il tracker sia acceso e che il suo cavo sia collegato a questa porta. Se può trovarsi su un&apos;altra porta, scegli quella, oppure lascia che Trova tracker nel menu della finestra interroghi ogni porta.</translation>
    </message>
    <message>
        <source>Check that the tracker is switched on and that its cable is in this port. &apos;qz5cfg ports&apos; lists the ports; &apos;qz5cfg ports --find&apos; asks each one for the tracker.</source>
        <translation>Verifica che il tracker sia acceso e che il suo cavo sia collegato a questa porta. &apos;qz5cfg ports&apos; elenca le porte; &apos;qz5cfg ports --find&apos; chiede a ciascuna se risponde il tracker.</translation>
    </message>
    <message>
        <source>Write the configuration again.</source>
        <translation>Scrivi di nuovo la configurazione.</translation>
    </message>
    <message>
        <source>Write the configuration again. The tracker&apos;s settings from before this write are in the history as number %1: History on the window menu shows them.</source>
        <translation>Scrivi di nuovo la configurazione. Le impostazioni del tracker precedenti a questa scrittura sono nella cronologia con il numero %1: Cronologia nel menu della finestra le mostra.</translation>
    </message>
    <message>
        <source>Write the configuration again. The tracker&apos;s settings from before this write are in the history: &apos;qz5cfg history&apos; lists them, &apos;qz5cfg history show %1&apos; prints them.</source>
        <translation>Scrivi di nuovo la configurazione. Le impostazioni del tracker precedenti a questa scrittura sono nella cronologia: &apos;qz5cfg history&apos; le elenca, &apos;qz5cfg history show %1&apos; le stampa.</translation>
    </message>
    <message>
        <source>Another program holds this port: close it and try again, or choose another port.</source>
        <translation>Un altro programma tiene occupata questa porta: chiudilo e riprova, oppure scegli un&apos;altra porta.</translation>
    </message>
    <message>
        <source>The system does not let you open this port: the reason given with &quot;Could not aquire Com Port&quot; says what gives you the right to use it.</source>
        <translation>Il sistema non ti permette di aprire questa porta: il motivo indicato con &quot;Impossibile acquisire la porta COM&quot; dice che cosa ti dà il diritto di usarla.</translation>
    </message>
    <message>
        <source>The device is not there: plug the adapter in again, or choose a port from the list.</source>
        <translation>Il dispositivo non c&apos;è: ricollega l&apos;adattatore oppure scegli una porta dall&apos;elenco.</translation>
    </message>
    <message>
        <source>The device is not there: plug the adapter in again, or choose a port that &apos;qz5cfg ports&apos; lists.</source>
        <translation>Il dispositivo non c&apos;è: ricollega l&apos;adattatore oppure scegli una porta tra quelle elencate da &apos;qz5cfg ports&apos;.</translation>
    </message>
    <message>
        <source>Unplug the adapter, plug it in again, and try again.</source>
        <translation>Scollega l&apos;adattatore, ricollegalo e riprova.</translation>
    </message>
    <message>
        <source>Check the cable and that the tracker is switched on, then try again.</source>
        <translation>Controlla il cavo e che il tracker sia acceso, poi riprova.</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>enter your own</source>
        <translation>inserisci il tuo</translation>
    </message>
    <message>
        <source>enter one</source>
        <translation>inseriscine uno</translation>
    </message>
    <message>
        <source>enter it as sent</source>
        <translation>inseriscilo come viene inviato</translation>
    </message>
    <message>
        <source>shorten it</source>
        <translation>accorcialo</translation>
    </message>
    <message>
        <source>remove the empty hop</source>
        <translation>rimuovi il salto vuoto</translation>
    </message>
    <message>
        <source>ask for two hops</source>
        <translation>richiedi due salti</translation>
    </message>
    <message>
        <source>replace the retired alias</source>
        <translation>sostituisci l&apos;alias dismesso</translation>
    </message>
    <message>
        <source>use WIDE2-2 at most</source>
        <translation>usa al massimo WIDE2-2</translation>
    </message>
    <message>
        <source>put WIDE1-1 first</source>
        <translation>metti WIDE1-1 per primo</translation>
    </message>
    <message>
        <source>lower the SSID</source>
        <translation>abbassa l&apos;SSID</translation>
    </message>
    <message>
        <source>remove the used-up hop</source>
        <translation>rimuovi il salto esaurito</translation>
    </message>
    <message>
        <source>remove the internet alias</source>
        <translation>rimuovi l&apos;alias di internet</translation>
    </message>
    <message>
        <source>beacon less often</source>
        <translation>invia il beacon meno spesso</translation>
    </message>
    <message>
        <source>keep it below the slow rate</source>
        <translation>tienilo sotto l&apos;intervallo lento</translation>
    </message>
    <message>
        <source>keep it above the low speed</source>
        <translation>tienilo sopra la velocità bassa</translation>
    </message>
    <message>
        <source>turn it or SmartBeaconing off</source>
        <translation>disattivalo o disattiva SmartBeaconing</translation>
    </message>
    <message>
        <source>keep it within the rate</source>
        <translation>tienilo entro l&apos;intervallo</translation>
    </message>
    <message>
        <source>use plain ASCII</source>
        <translation>usa solo ASCII semplice</translation>
    </message>
    <message>
        <source>use the 2 m band</source>
        <translation>usa la banda dei 2 m</translation>
    </message>
    <message>
        <source>keep to 146 MHz at most</source>
        <translation>resta al massimo a 146 MHz</translation>
    </message>
    <message>
        <source>use your APRS channel</source>
        <translation>usa il tuo canale APRS</translation>
    </message>
    <message>
        <source>set your APRS channel</source>
        <translation>imposta il tuo canale APRS</translation>
    </message>
    <message>
        <source>choose another</source>
        <translation>scegline un altro</translation>
    </message>
    <message>
        <source>choose one a map can draw</source>
        <translation>scegline uno che una mappa sa disegnare</translation>
    </message>
    <message>
        <source>enter a value it keeps</source>
        <translation>inserisci un valore che conserva</translation>
    </message>
    <message>
        <source>Beacon every %1 or slower instead of every %2: one minute is for special events, two or more for routine use.</source>
        <translation>Invia il beacon ogni %1 o più di rado invece che ogni %2: un minuto è per eventi speciali, due o più per l&apos;uso abituale.</translation>
    </message>
    <message>
        <source>Make the fast rate shorter than the slow rate (now %1 and %2), or faster driving would beacon less often.</source>
        <translation>Rendi l&apos;intervallo veloce più breve dell&apos;intervallo lento (ora %1 e %2), altrimenti guidando più veloce si invierebbe il beacon meno spesso.</translation>
    </message>
    <message>
        <source>Make the high speed greater than the low speed (now %1 and %2).</source>
        <translation>Rendi la velocità alta maggiore della velocità bassa (ora %1 e %2).</translation>
    </message>
    <message>
        <source>Turn off either the time slot or SmartBeaconing: the tracker keeps the slot in SmartBeaconing&apos;s settings.</source>
        <translation>Disattiva la finestra temporale oppure SmartBeaconing: il tracker conserva la finestra nelle impostazioni di SmartBeaconing.</translation>
    </message>
    <message>
        <source>Set the time slot to at most the transmit rate, %1: a slot at %2 never comes.</source>
        <translation>Imposta la finestra temporale al massimo all&apos;intervallo di trasmissione, %1: una finestra a %2 non arriva mai.</translation>
    </message>
    <message>
        <source>Choose another Mic-E message unless this is a real emergency: Emergency! sets off alarms at every station that hears it.</source>
        <translation>Scegli un altro messaggio Mic-E, a meno che non si tratti di una vera emergenza: Emergency! fa scattare gli allarmi in ogni stazione che lo riceve.</translation>
    </message>
    <message>
        <source>Enter the station&apos;s callsign: the tracker would send a blank one.</source>
        <translation>Inserisci il nominativo della stazione: il tracker ne invierebbe uno vuoto.</translation>
    </message>
    <message>
        <source>Enter your own callsign: APRS-IS servers refuse %1.</source>
        <translation>Inserisci il tuo nominativo: i server APRS-IS rifiutano %1.</translation>
    </message>
    <message>
        <source>Enter the callsign as %1, which is what the tracker will send: it keeps at most six letters or digits and an SSID from 0 to 15.</source>
        <translation>Inserisci il nominativo come %1, cioè come lo invierà il tracker: conserva al massimo sei lettere o cifre e un SSID da 0 a 15.</translation>
    </message>
    <message>
        <source>Set a frequency in the 2 m band, %1 to %2.</source>
        <translation>Imposta una frequenza nella banda dei 2 m, da %1 a %2.</translation>
    </message>
    <message>
        <source>Set your APRS channel before the tracker goes into service: %1 is for testing.</source>
        <translation>Imposta il tuo canale APRS prima di mettere in servizio il tracker: %1 è per le prove.</translation>
    </message>
    <message>
        <source>If you operate in %1, set a frequency of at most %2: the 2 m band of ITU Region 1 ends there.</source>
        <translation>Se operi in %1, imposta una frequenza di al massimo %2: lì finisce la banda dei 2 m della Regione 1 ITU.</translation>
    </message>
    <message>
        <source>If you operate in %1, set its APRS channel, %2.</source>
        <translation>Se operi in %1, imposta il suo canale APRS, %2.</translation>
    </message>
    <message>
        <source>Enter a value the tracker can hold: %1 would be sent as %2.</source>
        <translation>Inserisci un valore che il tracker può conservare: %1 verrebbe inviato come %2.</translation>
    </message>
    <message>
        <source>Shorten the path: the tracker keeps only &quot;%1&quot;.</source>
        <translation>Accorcia il percorso: il tracker conserva solo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Remove the empty element from the path: the tracker would send a blank digipeater address.</source>
        <translation>Rimuovi l&apos;elemento vuoto dal percorso: il tracker invierebbe un indirizzo di digipeater vuoto.</translation>
    </message>
    <message>
        <source>Remove %1 from the path: it marks packets from the internet and must never go out on the air.</source>
        <translation>Rimuovi %1 dal percorso: contrassegna i pacchetti provenienti da internet e non deve mai andare in aria.</translation>
    </message>
    <message>
        <source>Replace %1 with WIDE1-1 or WIDE2-n: digipeaters no longer service this alias.</source>
        <translation>Sostituisci %1 con WIDE1-1 o WIDE2-n: i digipeater non servono più questo alias.</translation>
    </message>
    <message>
        <source>Use WIDE2-2 at most instead of %1: digipeaters limit WIDEn-N to n of 2.</source>
        <translation>Usa al massimo WIDE2-2 invece di %1: i digipeater limitano WIDEn-N a n pari a 2.</translation>
    </message>
    <message>
        <source>Put WIDE1-1 first in the path or leave it out: it asks for a fill-in digipeater&apos;s first hop only.</source>
        <translation>Metti WIDE1-1 per primo nel percorso oppure omettilo: richiede solo il primo salto di un digipeater fill-in.</translation>
    </message>
    <message>
        <source>Use %1 rather than %2: N above n is not serviced.</source>
        <translation>Usa %1 invece di %2: N maggiore di n non viene servito.</translation>
    </message>
    <message>
        <source>Remove %1 from the path: a hop with SSID 0 is used up and asks for nothing.</source>
        <translation>Rimuovi %1 dal percorso: un salto con SSID 0 è esaurito e non richiede nulla.</translation>
    </message>
    <message>
        <source>Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks for %1, which floods the network.</source>
        <translation>Richiedi due salti, come fa WIDE1-1,WIDE2-1: questo percorso ne richiede %1, il che inonda la rete.</translation>
    </message>
    <message>
        <source>Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks for %1, which suits only an area with few digipeaters.</source>
        <translation>Richiedi due salti, come fa WIDE1-1,WIDE2-1: questo percorso ne richiede %1, il che va bene solo in una zona con pochi digipeater.</translation>
    </message>
    <message>
        <source>no callsign-prefix list: %1</source>
        <translation>nessun elenco dei prefissi dei nominativi: %1</translation>
    </message>
    <message>
        <source>no callsign-prefix list: %1 holds no country that can be read</source>
        <translation>nessun elenco dei prefissi dei nominativi: %1 non contiene alcun paese leggibile</translation>
    </message>
    <message>
        <source>the callsign-prefix list %1 was read only in part: line %2 cannot be read and was left out</source>
        <translation>l&apos;elenco dei prefissi dei nominativi %1 è stato letto solo in parte: la riga %2 non è leggibile ed è stata omessa</translation>
    </message>
    <message numerus="yes">
        <source>Shorten the status text, use fewer digipeaters or share settings between the profiles: the tracker keeps only its first %n characters.</source>
        <translation>
            <numerusform>Accorcia il testo di stato, usa meno digipeater o condividi le impostazioni tra i profili: il tracker conserva solo %n carattere iniziale.</numerusform>
            <numerusform>Accorcia il testo di stato, usa meno digipeater o condividi le impostazioni tra i profili: il tracker conserva solo i primi %n caratteri.</numerusform>
        </translation>
    </message>
    <message>
        <source>Shorten the Primary profile&apos;s status text, use fewer digipeaters or share settings between the profiles: the Primary profile&apos;s status text leaves no room for this one.</source>
        <translation>Accorcia il testo di stato del profilo primario, usa meno digipeater o condividi le impostazioni tra i profili: il testo di stato del profilo primario non lascia spazio a questo.</translation>
    </message>
    <message>
        <source>Use fewer digipeaters or share settings between the profiles: no room is left for the status text.</source>
        <translation>Usa meno digipeater o condividi le impostazioni tra i profili: non resta spazio per il testo di stato.</translation>
    </message>
    <message>
        <source>Remove %1 from the status text: APRS keeps status texts to printable ASCII other than | and ~.</source>
        <translation>Rimuovi %1 dal testo di stato: APRS limita i testi di stato all&apos;ASCII stampabile esclusi | e ~.</translation>
    </message>
    <message>
        <source>Set the symbol table to /, \ or an overlay character 0-9 or A-Z: with %1 maps may show a placeholder (symbol list %2).</source>
        <translation>Imposta la tabella dei simboli a /, \ o a un carattere di sovrapposizione 0-9 o A-Z: con %1 le mappe potrebbero mostrare un segnaposto (elenco dei simboli %2).</translation>
    </message>
    <message>
        <source>Set the symbol table to /, \ or an overlay character 0-9 or A-Z: with %1 maps may show a placeholder.</source>
        <translation>Imposta la tabella dei simboli a /, \ o a un carattere di sovrapposizione 0-9 o A-Z: con %1 le mappe potrebbero mostrare un segnaposto.</translation>
    </message>
    <message>
        <source>Choose a symbol the list has a picture for: maps may show a placeholder for %1 on the %2 (symbol list %3).</source>
        <translation>Scegli un simbolo per cui l&apos;elenco ha un&apos;immagine: le mappe potrebbero mostrare un segnaposto per %1 (%2) (elenco dei simboli %3).</translation>
    </message>
    <message>
        <source>on</source>
        <translation>attivo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>disattivo</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Commands in detail:
  show FILE              reads FILE as the window&apos;s Load does and prints the
                         record (defaults, then the file&apos;s image) as JSON; a
                         JSON record (FILE ending in .json) is shown as a
                         configuration file would hold it
  build JSON_FILE OUT    applies the JSON record to the defaults and saves it
                         as the window&apos;s Save does (136 bytes: &quot;ZB3A&quot;, 128,
                         the image); a truncated status text is reported and
                         the file is still written. --strict checks the
                         record first and saves nothing when a finding is an
                         error (exit status 1)
  version --port P       prints the tracker&apos;s version reply
  read --port P OUT      reads the image twice, requires 128 equal bytes that
                         decode, and saves exactly the tracker&apos;s bytes to OUT
  read --port P --json   or prints the decoded record as JSON
  write --port P IN      IN is a configuration file, whose image is sent
                         exactly as it is, or a JSON record when its name ends
                         in .json, which is encoded; the image is written and
                         read back to verify it. A profile whose micEStatus is
                         7 (Emergency!), or any value whose low byte is 7, is
                         refused, with the window&apos;s question as the reason,
                         unless --emergency-ok is given. Before sending, the
                         tracker&apos;s current image is read into the history
                         (about two seconds); if that read fails nothing is
                         written. --no-backup skips it. --strict sends
                         nothing when a finding of the check is an error
                         (exit status 1). Once written, every setting the
                         write changed on the tracker is printed on stdout,
                         as --dry-run prints it (nothing with --no-backup).
  diff A B               compares the settings of A and B, each a
                         configuration file, a JSON record (as it would be
                         written) or tracker:PORT (read from the tracker), and
                         prints every field that differs by its JSON name:
                         &quot;profiles[1].statusText: &quot;a&quot; -&gt; &quot;b&quot;&quot;; a symbol&apos;s
                         line adds the symbol list&apos;s names for both sides.
                         When only the image bytes differ, it says so in one
                         line.
  history                lists the images kept in the history, the one stored
                         last first: time (UTC), direction, port, version,
                         file. --json prints a JSON array: sequence, time,
                         kind, port, version, callsigns and file (a file that
                         does not read has &quot;problem&quot; in place of callsigns)
  history show N         prints the record of the image whose name begins
                         with the sequence number N as JSON, as show does;
                         write --port P FILE puts it back on a tracker. When
                         N begins more than one name, it names them all
                         (exit status 2)
  check SOURCE           checks a configuration file, a JSON record or
                         tracker:PORT against APRS practice and against what
                         the tracker keeps, and prints one line per finding,
                         most severe first: &quot;severity  rule  field  message&quot;
                         (error: it cannot work or harms the network;
                         warning: it goes against practice; note: worth
                         knowing). A symbol table that is not /, \ or an
                         overlay character, or a symbol the symbol list has
                         no picture for, is a warning naming the list.
                         --json prints them as a JSON array;
                         --ignore RULE leaves a rule out. write prints the
                         same findings on stderr before it sends, and writes
                         all the same unless --strict is given.
  --set FIELD=VALUE      (show, build, write; repeatable) sets a field by its
                         JSON name, &quot;calibration&quot; or &quot;profiles[N].NAME&quot;, split
                         at the first &apos;=&apos;; a text is taken as it stands, other
                         values as JSON (true, 5, 144.8). The record is then
                         encoded as the window&apos;s Write does, so every other
                         setting stays as it was. activeProfile,
                         calibrationChanged, slotDivides60/600 and
                         symbolName cannot be set.
  --preset N=NAME        (build, write, timing; repeatable) sets profile N&apos;s
                         (1 Primary, 2 Secondary) SmartBeaconing to a preset
                         NAME, in any letter case, and turns SmartBeaconing
                         on, the time slot and the sent value off, as the
                         window&apos;s box does; applied before any --set. The
                         presets are listed below.
  timing FILE            prints when the tracker sends its beacons, for each
                         profile of a configuration file or JSON record (the
                         defaults without FILE), for those --preset sets, or
                         for --profile N (0 Primary, 1 Secondary): with
                         SmartBeaconing off the transmit rate (in its time
                         slot when one is on); with it on a row of speeds
                         from standing still to above the high speed, each
                         with its interval, beacons per hour and turn
                         threshold, by the published SmartBeaconing rules
                         (at or below the low speed the slow rate and no turn
                         beacons, at or above the high speed the fast rate,
                         between them fast rate x high speed / speed; turn
                         angle + turn slope / speed, no sooner than the turn
                         time). Seconds and degrees are rounded, halves up;
                         speeds are in the tracker&apos;s own unit. A
                         SmartBeaconing speeds or rates finding of check is
                         shown instead of rows. --json prints an array of
                         one object a profile.
  write --dry-run        reads the tracker&apos;s image into the history as the
                         backup, prints on stdout every setting the write
                         would change (as diff) and the findings on stderr,
                         and sends nothing. Exit status: 0 nothing would
                         change, 1 something would, 2 trouble.
</source>
        <translation>Comandi in dettaglio:
  show FILE              legge FILE come fa Carica della finestra e stampa il
                         record (valori predefiniti, poi l&apos;immagine del file)
                         come JSON; un record JSON (FILE che termina in .json)
                         viene mostrato come lo conterrebbe un file di
                         configurazione
  build JSON_FILE OUT    applica il record JSON ai valori predefiniti e lo
                         salva come fa Salva della finestra (136 byte: &quot;ZB3A&quot;,
                         128, l&apos;immagine); un testo di stato troncato viene
                         segnalato e il file viene scritto comunque. --strict
                         verifica prima il record e non salva nulla se un
                         rilievo è un errore (stato di uscita 1)
  version --port P       stampa la risposta di versione del tracker
  read --port P OUT      legge l&apos;immagine due volte, richiede 128 byte uguali
                         e decodificabili, e salva in OUT esattamente i byte
  read --port P --json   del tracker, oppure stampa il record decodificato
                         come JSON
  write --port P IN      IN è un file di configurazione, la cui immagine viene
                         inviata esattamente com&apos;è, oppure un record JSON se il
                         nome termina in .json, che viene codificato;
                         l&apos;immagine viene scritta e riletta per verificarla.
                         Un profilo il cui micEStatus è 7 (Emergency!), o
                         qualsiasi valore il cui byte basso è 7, viene
                         rifiutato, con la domanda della finestra come motivo,
                         a meno che non si indichi --emergency-ok. Prima
                         dell&apos;invio, l&apos;immagine attuale del tracker viene
                         letta nella cronologia (circa due secondi); se quella
                         lettura non riesce non viene scritto nulla.
                         --no-backup la salta. --strict non invia nulla se un
                         rilievo della verifica è un errore (stato di uscita
                         1). Dopo la scrittura, ogni impostazione che la
                         scrittura ha cambiato sul tracker viene stampata su
                         stdout, come la stampa --dry-run (nulla con
                         --no-backup).
  diff A B               confronta le impostazioni di A e B, ciascuno un file
                         di configurazione, un record JSON (come verrebbe
                         scritto) o tracker:PORT (letto dal tracker), e stampa
                         ogni campo che differisce con il suo nome JSON:
                         &quot;profiles[1].statusText: &quot;a&quot; -&gt; &quot;b&quot;&quot;; la riga di un
                         simbolo aggiunge i nomi dell&apos;elenco dei simboli per
                         entrambi i lati. Quando differiscono solo i byte
                         dell&apos;immagine, lo dice in una riga.
  history                elenca le immagini conservate nella cronologia,
                         dall&apos;ultima memorizzata: ora (UTC), direzione, porta,
                         versione, file. --json stampa un array JSON:
                         sequenza, ora, tipo, porta, versione, nominativi e
                         file (un file che non si legge ha &quot;problem&quot; al posto
                         dei nominativi)
  history show N         stampa come JSON, come fa show, il record
                         dell&apos;immagine il cui nome inizia con il numero di
                         sequenza N; write --port P FILE la rimette su un
                         tracker. Quando N è l&apos;inizio di più nomi, li elenca
                         tutti (stato di uscita 2)
  check SOURCE           verifica un file di configurazione, un record JSON o
                         tracker:PORT rispetto alla pratica APRS e a ciò che il
                         tracker conserva, e stampa una riga per rilievo, dal
                         più grave: &quot;severity  rule  field  message&quot;
                         (error: non può funzionare o danneggia la rete;
                         warning: va contro la pratica; note: utile da
                         sapere). Una tabella dei simboli che non è /, \ o un
                         carattere di sovrapposizione, o un simbolo per cui
                         l&apos;elenco dei simboli non ha un&apos;immagine, è un warning
                         che nomina l&apos;elenco. --json li stampa come array
                         JSON; --ignore RULE omette una regola. write stampa
                         gli stessi rilievi su stderr prima dell&apos;invio, e
                         scrive comunque a meno che non si indichi --strict.
  --set FIELD=VALUE      (show, build, write; ripetibile) imposta un campo
                         tramite il suo nome JSON, &quot;calibration&quot; o
                         &quot;profiles[N].NAME&quot;, diviso al primo &apos;=&apos;; un testo è
                         preso così com&apos;è, gli altri valori come JSON (true, 5,
                         144.8). Il record viene poi codificato come fa Scrivi
                         configurazione della finestra, quindi ogni altra
                         impostazione resta com&apos;era. activeProfile,
                         calibrationChanged, slotDivides60/600 e symbolName
                         non si possono impostare.
  --preset N=NAME        (build, write, timing; ripetibile) imposta lo
                         SmartBeaconing del profilo N (1 primario, 2
                         secondario) su un preset NAME, in maiuscolo o
                         minuscolo, e attiva SmartBeaconing, disattiva la
                         finestra temporale e il valore inviato, come fa la
                         casella della finestra; applicato prima di ogni
                         --set. I preset sono elencati sotto.
  timing FILE            stampa quando il tracker invia i suoi beacon, per
                         ogni profilo di un file di configurazione o di un
                         record JSON (i valori predefiniti senza FILE), per
                         quelli impostati da --preset, o per --profile N (0
                         primario, 1 secondario): con SmartBeaconing
                         disattivato l&apos;intervallo di trasmissione (nella sua
                         finestra temporale se attiva); con SmartBeaconing
                         attivo una serie di velocità da fermo a oltre la
                         velocità alta, ciascuna con il suo intervallo, i
                         beacon all&apos;ora e la soglia di virata, secondo le
                         regole SmartBeaconing pubblicate (alla velocità bassa
                         o sotto l&apos;intervallo lento e nessun beacon in virata,
                         alla velocità alta o sopra l&apos;intervallo veloce, tra le
                         due intervallo veloce x velocità alta / velocità;
                         angolo di virata + pendenza di virata / velocità, non
                         prima del tempo di virata). Secondi e gradi sono
                         arrotondati, le metà per eccesso; le velocità sono
                         nell&apos;unità propria del tracker. Un rilievo di check
                         su velocità o intervalli SmartBeaconing viene
                         mostrato al posto delle righe. --json stampa un
                         array con un oggetto per profilo.
  write --dry-run        legge l&apos;immagine del tracker nella cronologia come
                         backup, stampa su stdout ogni impostazione che la
                         scrittura cambierebbe (come diff) e i rilievi su
                         stderr, e non invia nulla. Stato di uscita: 0 nulla
                         cambierebbe, 1 qualcosa cambierebbe, 2 problemi.
</translation>
    </message>
    <message>
        <source>
History: every image read from or written to a tracker (by qz5cfg or the
window) is kept as a configuration file in $XDG_STATE_HOME/qz5-config/history
(by default ~/.local/state/qz5-config/history); the 1000 stored last are kept,
in the order of the sequence number that begins each name, whatever the clock
says. The folders from the state base down must be yours and closed to other
writers. If an image cannot be stored, a warning goes to stderr and the
command goes on; but a write whose backup cannot be kept sends nothing
(--no-backup writes without it).

Trace: --trace FILE (before or after the command) writes every open, close,
rate change and byte on the line, timed in seconds since the start with
millisecond resolution, &quot;tx&quot; sent to the tracker and &quot;rx&quot; received from it.
The file is opened when a command first talks to a tracker; it must be a
regular file (no terminal, pipe or device), and one it creates is readable by
you alone. A trace that cannot be written is said after the exchange.

Messages go to stderr as &quot;Caption: text&quot; (the text alone when it has no
caption). The version reply and JSON records go to stdout. A successful read
or write says &quot;Zelbin3 Read: Read Successful&quot; or &quot;Zelbin3 Write: Write
Successful&quot; on stderr. When stderr is a terminal, version, read and write
also show their steps there (&quot;Writing the configuration: 64 of 132 bytes&quot;)
on one line that is rewritten in place and wiped at the end; --quiet turns
that off.

Exit status:
  0  done
  1  the file or device operation failed (its message says which), a JSON
     file could not be read, or the trace file cannot be written
  2  usage error, invalid JSON record, an input that is no regular file (a
     folder, a FIFO, a device), a write of an Emergency Mic-E status
     without --emergency-ok (nothing is sent to the tracker), or a history
     show N whose number more than one image bears
  diff follows diff(1) instead: 0 the settings are equal, 1 they differ,
  2 trouble (a side could not be read, or a usage error)
  check: 0 no warning or error, 1 at least one, 2 trouble (an unknown rule
  for --ignore, a source that could not be read)
  write --dry-run: 0 nothing would change, 1 something would, 2 trouble
  A --set that names no settable field or gives a value of the wrong type
  exits with 2, and nothing is written.

Callsign prefixes: check names the country of a callsign from the list that
amateur loggers use, cty.dat (/usr/share/hamradio-files/cty.dat, or beside
the program on Windows; QZ5_PREFIX_LIST names another file). Without it, no
finding depends on the country.

Symbols: show, diff and check name a symbol from the list of symbol pictures
of an APRS client&apos;s data (/usr/share/xastir/symbols/symbols.dat from
xastir-data, or beside the program on Windows; QZ5_SYMBOLS names another
file). Without it, names are null and a line on stderr says so once.

JSON form (show and read --json print it; build and write accept it):
  {
    &quot;activeProfile&quot;: 0,            0 or 1
    &quot;calibration&quot;: 128,
    &quot;calibrationChanged&quot;: false,
    &quot;profiles&quot;: [ {Primary}, {Secondary} ]
  }
</source>
        <translation>
Cronologia: ogni immagine letta da un tracker o scritta in un tracker (da qz5cfg
o dalla finestra) è conservata come file di configurazione in
$XDG_STATE_HOME/qz5-config/history (per impostazione predefinita
~/.local/state/qz5-config/history); si conservano le ultime 1000 memorizzate,
nell&apos;ordine del numero di sequenza con cui inizia ogni nome, qualunque cosa dica
l&apos;orologio. Le cartelle dalla base di stato in giù devono essere tue e chiuse in
scrittura agli altri. Se un&apos;immagine non può essere memorizzata, un avviso va su
stderr e il comando prosegue; ma una scrittura il cui backup non può essere
conservato non invia nulla (--no-backup scrive senza backup).

Traccia: --trace FILE (prima o dopo il comando) scrive ogni apertura, chiusura,
cambio di velocità e byte sulla linea, con il tempo in secondi dall&apos;avvio e
risoluzione al millisecondo, &quot;tx&quot; inviato al tracker e &quot;rx&quot; ricevuto da esso.
Il file viene aperto quando un comando comunica per la prima volta con un
tracker; deve essere un file regolare (niente terminale, pipe o dispositivo), e
un file che crea è leggibile solo da te. Una traccia che non può essere scritta
viene segnalata dopo lo scambio.

I messaggi vanno su stderr come &quot;Titolo: testo&quot; (solo il testo se non ha
titolo). La risposta di versione e i record JSON vanno su stdout. Una lettura o
scrittura riuscita scrive &quot;Lettura Zelbin3: Lettura riuscita&quot; o &quot;Scrittura
Zelbin3: Scrittura riuscita&quot; su stderr. Quando stderr è un terminale, version,
read e write vi mostrano anche i loro passi (&quot;Scrittura della configurazione:
64 di 132 byte&quot;) su una riga che viene riscritta sul posto e cancellata alla
fine; --quiet li disattiva.

Stato di uscita:
  0  completato
  1  l&apos;operazione su file o dispositivo non è riuscita (il suo messaggio dice
     quale), un file JSON non è stato letto, o il file di traccia non può
     essere scritto
  2  errore di utilizzo, record JSON non valido, un input che non è un file
     regolare (una cartella, una FIFO, un dispositivo), una scrittura di uno
     stato Mic-E Emergency senza --emergency-ok (nulla viene inviato al
     tracker), o un history show N il cui numero compare su più immagini
  diff segue invece diff(1): 0 le impostazioni sono uguali, 1 differiscono,
  2 problemi (un lato non è stato letto, o un errore di utilizzo)
  check: 0 nessun avviso o errore, 1 almeno uno, 2 problemi (una regola
  sconosciuta per --ignore, un&apos;origine che non è stata letta)
  write --dry-run: 0 nulla cambierebbe, 1 qualcosa cambierebbe, 2 problemi
  Un --set che non nomina alcun campo impostabile o dà un valore del tipo
  errato esce con 2, e non viene scritto nulla.

Prefissi dei nominativi: check indica il paese di un nominativo dall&apos;elenco che
usano i programmi di log dei radioamatori, cty.dat
(/usr/share/hamradio-files/cty.dat, o accanto al programma su Windows;
QZ5_PREFIX_LIST indica un altro file). Senza di esso, nessun rilievo dipende
dal paese.

Simboli: show, diff e check danno il nome di un simbolo dall&apos;elenco delle
immagini dei simboli dei dati di un client APRS
(/usr/share/xastir/symbols/symbols.dat da xastir-data, o accanto al programma
su Windows; QZ5_SYMBOLS indica un altro file). Senza di esso, i nomi sono null
e una riga su stderr lo segnala una volta.

Formato JSON (show e read --json lo stampano; build e write lo accettano):
  {
    &quot;activeProfile&quot;: 0,            0 o 1
    &quot;calibration&quot;: 128,
    &quot;calibrationChanged&quot;: false,
    &quot;profiles&quot;: [ {Primario}, {Secondario} ]
  }
</translation>
    </message>
    <message>
        <source>  Integers are JSON integers (32-bit signed); flags are true or false.
  Texts are strings in which each character U+0000..U+00FF stands for one
  byte: callsign up to 19 characters, digiPath up to 99, statusText up to 199.
  symbolCode and symbolTable are one-character strings (&quot;&quot; for a zero byte).
  symbolName, printed after symbolTable, is the symbol list&apos;s name for the
  symbol, or null; it is for people: build and write pass over it.
  frequencyMHz is a number in MHz (at most 10000000 either side of 0),
  printed as the shortest decimal that gives back the same 32-bit float
  (144.39).
  For build and write every field is optional: absent fields keep the
  defaults, and &quot;profiles&quot; may hold fewer than two objects, each partial. An
  unknown field, a wrong type, an integer outside the 32-bit range, a text
  too long for its field or a symbol of more than one character is an error
  that names the field; a key given twice in one object is an error that
  names the key and its object. Printed JSON writes the control characters
  U+0080..U+009F as \u0080..\u009f escapes.
</source>
        <translation>  Gli interi sono interi JSON (32 bit con segno); i flag sono true o false. I
  testi sono stringhe in cui ogni carattere U+0000..U+00FF vale un byte:
  callsign fino a 19 caratteri, digiPath fino a 99, statusText fino a 199.
  symbolCode e symbolTable sono stringhe di un carattere (&quot;&quot; per un byte zero).
  symbolName, stampato dopo symbolTable, è il nome del simbolo nell&apos;elenco dei
  simboli, oppure null; è per le persone: build e write lo ignorano.
  frequencyMHz è un numero in MHz (al massimo 10000000 da entrambi i lati di 0),
  stampato come il decimale più breve che restituisce lo stesso float a 32 bit
  (144.39).
  Per build e write ogni campo è facoltativo: i campi assenti mantengono i
  valori predefiniti, e &quot;profiles&quot; può contenere meno di due oggetti, ciascuno
  parziale. Un campo sconosciuto, un tipo errato, un intero fuori
  dall&apos;intervallo a 32 bit, un testo troppo lungo per il suo campo o un simbolo
  di più di un carattere è un errore che nomina il campo; una chiave indicata
  due volte in un oggetto è un errore che nomina la chiave e il suo oggetto. Il
  JSON stampato scrive i caratteri di controllo U+0080..U+009F come sequenze
  \u0080..\u009f.
</translation>
    </message>
    <message>
        <source>--ignore %1: no such rule; &apos;qz5cfg check --help&apos; lists them</source>
        <translation>--ignore %1: regola inesistente; &apos;qz5cfg check --help&apos; le elenca</translation>
    </message>
    <message>
        <source>Check a configuration file, JSON record or tracker:PORT against APRS practice and what the tracker keeps. Exit status: 0 nothing above a note, 1 a warning or an error, 2 trouble.</source>
        <translation>Verifica un file di configurazione, un record JSON o tracker:PORT rispetto alla pratica APRS e a ciò che il tracker conserva. Stato di uscita: 0 nulla oltre una nota, 1 un avviso o un errore, 2 problemi.</translation>
    </message>
    <message>
        <source>file, JSON record or tracker:PORT</source>
        <translation>file, record JSON o tracker:PORT</translation>
    </message>
    <message>
        <source>print the findings as a JSON array</source>
        <translation>stampa i rilievi come array JSON</translation>
    </message>
    <message>
        <source>leave out the findings of this rule (repeatable)</source>
        <translation>ometti i rilievi di questa regola (ripetibile)</translation>
    </message>
    <message>
        <source>Run &apos;qz5cfg --help&apos; for ports, messages, exit statuses and the JSON form.</source>
        <translation>Esegui &apos;qz5cfg --help&apos; per porte, messaggi, stati di uscita e formato JSON.</translation>
    </message>
    <message>
        <source>set a field by its JSON name, e.g. profiles[0].callsign=MYCALL-7 (repeatable)</source>
        <translation>imposta un campo tramite il suo nome JSON, ad es. profiles[0].callsign=MYCALL-7 (ripetibile)</translation>
    </message>
    <message>
        <source>set profile N&apos;s (1 Primary, 2 Secondary) SmartBeaconing to a preset and turn it on, before any --set: %1 (repeatable)</source>
        <translation>imposta lo SmartBeaconing del profilo N (1 primario, 2 secondario) su un preset e lo attiva, prima di ogni --set: %1 (ripetibile)</translation>
    </message>
    <message>
        <source>nothing written: --strict and the check found an error</source>
        <translation>nulla scritto: --strict e la verifica ha trovato un errore</translation>
    </message>
    <message>
        <source>nothing written: the tracker&apos;s current configuration could not be read into the history first; give --no-backup to write without that copy</source>
        <translation>nulla scritto: non è stato possibile leggere prima nella cronologia la configurazione attuale del tracker; usa --no-backup per scrivere senza quella copia</translation>
    </message>
    <message>
        <source>nothing written: the tracker&apos;s current configuration could not be kept in the history (%1); give --no-backup to write without that copy</source>
        <translation>nulla scritto: non è stato possibile conservare nella cronologia la configurazione attuale del tracker (%1); usa --no-backup per scrivere senza quella copia</translation>
    </message>
    <message>
        <source>nothing written; give --emergency-ok to write an Emergency status</source>
        <translation>nulla scritto; usa --emergency-ok per scrivere uno stato Emergency</translation>
    </message>
    <message>
        <source>the tracker&apos;s current configuration could not be kept in the history (%1); a write would be refused</source>
        <translation>non è stato possibile conservare nella cronologia la configurazione attuale del tracker (%1); una scrittura verrebbe rifiutata</translation>
    </message>
    <message>
        <source>COM1..COM255, a device path, or auto to look for the tracker on every free port</source>
        <translation>COM1..COM255, un percorso di dispositivo, oppure auto per cercare il tracker su ogni porta libera</translation>
    </message>
    <message>
        <source>no progress line on a terminal (there is none in a pipe)</source>
        <translation>nessuna riga di avanzamento sul terminale (in una pipe non ce n&apos;è)</translation>
    </message>
    <message>
        <source>Print the tracker&apos;s version reply.</source>
        <translation>Stampa la risposta di versione del tracker.</translation>
    </message>
    <message>
        <source>Read the tracker&apos;s configuration and save it to OUT (or print it with --json).</source>
        <translation>Legge la configurazione del tracker e la salva in OUT (o la stampa con --json).</translation>
    </message>
    <message>
        <source>read: give OUT or --json</source>
        <translation>read: indica OUT o --json</translation>
    </message>
    <message>
        <source>configuration file to write</source>
        <translation>file di configurazione da scrivere</translation>
    </message>
    <message>
        <source>print the record as JSON instead of saving it</source>
        <translation>stampa il record come JSON invece di salvarlo</translation>
    </message>
    <message>
        <source>Write a configuration file, or a JSON record (IN ending in .json), into the tracker and verify it by reading it back.</source>
        <translation>Scrive nel tracker un file di configurazione o un record JSON (IN che termina in .json) e lo verifica rileggendolo.</translation>
    </message>
    <message>
        <source>write: --dry-run compares with the backup read, which --no-backup leaves out</source>
        <translation>write: --dry-run confronta con la lettura di backup, che --no-backup omette</translation>
    </message>
    <message>
        <source>write: --dry-run sends nothing and prints every finding; --strict is for the write itself</source>
        <translation>write: --dry-run non invia nulla e stampa ogni rilievo; --strict vale per la scrittura vera e propria</translation>
    </message>
    <message>
        <source>configuration file or JSON record</source>
        <translation>file di configurazione o record JSON</translation>
    </message>
    <message>
        <source>allow a profile whose Mic-E status is 7 (Emergency!)</source>
        <translation>consenti un profilo il cui stato Mic-E è 7 (Emergency!)</translation>
    </message>
    <message>
        <source>do not read the tracker&apos;s current image into the history first</source>
        <translation>non leggere prima nella cronologia l&apos;immagine attuale del tracker</translation>
    </message>
    <message>
        <source>read the tracker&apos;s image into the history, print what the write would change and the check&apos;s findings, and send nothing (exit status as diff)</source>
        <translation>legge l&apos;immagine del tracker nella cronologia, stampa ciò che la scrittura cambierebbe e i rilievi della verifica, e non invia nulla (stato di uscita come diff)</translation>
    </message>
    <message>
        <source>check the record first and send nothing when a finding is an error</source>
        <translation>verifica prima il record e non inviare nulla se un rilievo è un errore</translation>
    </message>
    <message>
        <source>--port %1: expected COM1..COM255, auto, or a device path starting with &apos;/&apos;</source>
        <translation>--port %1: atteso COM1..COM255, auto o un percorso di dispositivo che inizia con &apos;/&apos;</translation>
    </message>
    <message>
        <source>same settings; the images differ in %1 byte(s) (rounded delays or the layout of the image)</source>
        <translation>stesse impostazioni; le immagini differiscono in %1 byte (ritardi arrotondati o disposizione dell&apos;immagine)</translation>
    </message>
    <message>
        <source>Compare the settings of two configuration files, JSON records or tracker:PORT. Exit status as diff(1): 0 equal, 1 different, 2 trouble.</source>
        <translation>Confronta le impostazioni di due file di configurazione, record JSON o tracker:PORT. Stato di uscita come diff(1): 0 uguali, 1 diverse, 2 problemi.</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>impossibile scrivere l&apos;output</translation>
    </message>
    <message>
        <source>%1: expected FIELD=VALUE</source>
        <translation>%1: atteso FIELD=VALUE</translation>
    </message>
    <message>
        <source>%1: cannot be set</source>
        <translation>%1: non può essere impostato</translation>
    </message>
    <message>
        <source>%1: unknown field (profile fields are named profiles[0].NAME or profiles[1].NAME)</source>
        <translation>%1: campo sconosciuto (i campi dei profili si chiamano profiles[0].NAME o profiles[1].NAME)</translation>
    </message>
    <message>
        <source>%1: expected N=NAME</source>
        <translation>%1: atteso N=NAME</translation>
    </message>
    <message>
        <source>%1: the profile is 1 (Primary) or 2 (Secondary)</source>
        <translation>%1: il profilo è 1 (primario) o 2 (secondario)</translation>
    </message>
    <message>
        <source>%1: the presets are %2</source>
        <translation>%1: i preset sono %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an option and what is wrong with its value</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>nothing saved: --strict and the check found an error</source>
        <translation>nulla salvato: --strict e la verifica ha trovato un errore</translation>
    </message>
    <message>
        <source>Print a configuration file (.zb3) or a JSON record as JSON.</source>
        <translation>Stampa come JSON un file di configurazione (.zb3) o un record JSON.</translation>
    </message>
    <message>
        <source>Apply a JSON record to the defaults and save it as a configuration file.</source>
        <translation>Applica un record JSON ai valori predefiniti e lo salva come file di configurazione.</translation>
    </message>
    <message>
        <source>JSON record</source>
        <translation>record JSON</translation>
    </message>
    <message>
        <source>check the record first and save nothing when a finding is an error</source>
        <translation>verifica prima il record e non salvare nulla se un rilievo è un errore</translation>
    </message>
    <message>
        <source>Looking for the tracker: every serial port that no other program holds gets the version request (ESC ESC V) at 4800, then 9600 bit/s, with DTR and RTS raised.</source>
        <translation>Ricerca del tracker: ogni porta seriale non occupata da un altro programma riceve la richiesta di versione (ESC ESC V) a 4800, poi a 9600 bit/s, con DTR e RTS alzati.</translation>
    </message>
    <message>
        <source>Asking %1 at %2 bit/s (port %3 of %4)</source>
        <translation>Interrogo %1 a %2 bit/s (porta %3 di %4)</translation>
    </message>
    <message>
        <source>No serial ports found.</source>
        <translation>Nessuna porta seriale trovata.</translation>
    </message>
    <message>
        <source>--port auto: no tracker answered on any free port (qz5cfg ports lists them and why some cannot be opened)</source>
        <translation>--port auto: nessun tracker ha risposto su alcuna porta libera (qz5cfg ports le elenca e dice perché alcune non si possono aprire)</translation>
    </message>
    <message>
        <source>--port auto: a tracker answered on each of %1; name one with --port</source>
        <translation>--port auto: un tracker ha risposto su ciascuna di %1; indicane una con --port</translation>
    </message>
    <message>
        <source>Found the tracker on %1.</source>
        <translation>Tracker trovato su %1.</translation>
    </message>
    <message>
        <source>Each profile object holds every per-profile field under its own name, in this order: %1.</source>
        <translation>Ogni oggetto profilo contiene ogni campo del profilo con il proprio nome, in questo ordine: %1.</translation>
    </message>
    <message>
        <source>Rules: %1.</source>
        <translation>Regole: %1.</translation>
    </message>
    <message>
        <source>SmartBeaconing presets (speeds in %1, as the record&apos;s defaults):</source>
        <translation>Preset SmartBeaconing (velocità in %1, come i valori predefiniti del record):</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a preset&apos;s values as a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>List the images kept from every read and write, the one stored last first.</source>
        <translation>Elenca le immagini conservate da ogni lettura e scrittura, dall&apos;ultima memorizzata in poi.</translation>
    </message>
    <message>
        <source>print a JSON array: sequence, time, kind, port, version, callsigns, file</source>
        <translation>stampa un array JSON: sequenza, ora, tipo, porta, versione, nominativi, file</translation>
    </message>
    <message>
        <source>Print the record of the kept image numbered N (its name&apos;s first part) as JSON.</source>
        <translation>Stampa come JSON il record dell&apos;immagine conservata con il numero N (la prima parte del suo nome).</translation>
    </message>
    <message>
        <source>the image&apos;s sequence number</source>
        <translation>il numero di sequenza dell&apos;immagine</translation>
    </message>
    <message>
        <source>qz5cfg: show and build tracker configuration files, and read, write or ask the version of a tracker on a serial port.</source>
        <translation>qz5cfg: mostra e crea file di configurazione del tracker, e legge, scrive o chiede la versione di un tracker su una porta seriale.</translation>
    </message>
    <message>
        <source>Print the version and exit</source>
        <translation>Stampa la versione ed esce</translation>
    </message>
    <message>
        <source>write every byte on the serial line, with times, to this file</source>
        <translation>scrive in questo file ogni byte sulla linea seriale, con gli orari</translation>
    </message>
    <message>
        <source>  ports                  lists every serial device present, openable or not:
  ports --json           COM name, path, description (vendor, model, USB IDs,
                         serial number, driver, /dev/serial/by-id name) and,
                         when it cannot be opened, why and what to do; then
                         USB serial adapters that are plugged in but have no
                         port. Exit 0 when the listing worked, also if empty.
  ports --find           asks every port that no other program holds for the
                         tracker&apos;s version, at 4800 then 9600 bit/s: this
                         sends the version request and raises DTR and RTS on
                         each. One line per port; exit 0 when a tracker
                         answered, 1 when none did. A port that another
                         process has open is passed over; only root sees
                         other users&apos; processes, so a port that another
                         user&apos;s program holds without a lock is asked.

Ports (--port P):
  COM1..COM255 name the serial devices found in /dev, in the order ttyUSB*,
  ttyACM*, ttyS*, ttyAMA*, rfcomm*; a path starting with &apos;/&apos; (for example
  /dev/ttyUSB0 or /dev/pts/4) is used as it is; auto looks for the tracker as
  ports --find does and uses the one port where it answered (exit 1 when
  none or more than one did). com5 and \\.\COM5 are COM5. The tracker is
  looked for at 4800 bit/s, then at 9600. When a port cannot be opened, the
  line after &quot;Could not aquire Com Port&quot; says why (permission and the group
  to join, the program that holds it, ...).
</source>
        <translation>  ports                  elenca ogni dispositivo seriale presente, apribile o
  ports --json           no: nome COM, percorso, descrizione (produttore,
                         modello, ID USB, numero di serie, driver, nome in
                         /dev/serial/by-id) e, quando non si può aprire, perché
                         e che cosa fare; poi gli adattatori seriali USB
                         collegati ma senza porta. Esce con 0 se l&apos;elenco è
                         riuscito, anche vuoto.
  ports --find           chiede la versione del tracker a ogni porta non
                         occupata da un altro programma, a 4800 poi a 9600
                         bit/s: invia la richiesta di versione e alza DTR e RTS
                         su ciascuna. Una riga per porta; esce con 0 se un
                         tracker ha risposto, 1 se nessuno. Una porta aperta da
                         un altro processo viene saltata; solo root vede i
                         processi degli altri utenti, quindi una porta occupata
                         senza lock dal programma di un altro utente viene
                         interrogata.

Porte (--port P):
  COM1..COM255 indicano i dispositivi seriali trovati in /dev, nell&apos;ordine
  ttyUSB*, ttyACM*, ttyS*, ttyAMA*, rfcomm*; un percorso che inizia con &apos;/&apos; (per
  esempio /dev/ttyUSB0 o /dev/pts/4) è usato così com&apos;è; auto cerca il tracker
  come fa ports --find e usa l&apos;unica porta su cui ha risposto (esce con 1 se
  nessuna o più di una). com5 e \\.\COM5 sono COM5. Il tracker viene cercato a
  4800 bit/s, poi a 9600. Quando una porta non si può aprire, la riga dopo
  &quot;Impossibile acquisire la porta COM&quot; dice perché (permesso e gruppo a cui
  unirsi, il programma che la occupa, ...).
</translation>
    </message>
    <message>
        <source>List the serial devices, what they are and whether they open.</source>
        <translation>Elenca i dispositivi seriali, che cosa sono e se si aprono.</translation>
    </message>
    <message>
        <source>  ports                  lists the COM ports that Windows knows, openable or
  ports --json           not: name, device, description (the adapter&apos;s name,
                         USB IDs, serial number, driver) and, when it cannot
                         be opened, why and what to do; then adapters that are
                         plugged in but have no working port. Exit 0 when the
                         listing worked, also if empty.
  ports --find           asks every port that no other program holds for the
                         tracker&apos;s version, at 4800 then 9600 bit/s: this
                         sends the version request and raises DTR and RTS on
                         each. One line per port; exit 0 when a tracker
                         answered, 1 when none did.

Ports (--port P):
  COM1..COM255 are the system&apos;s own COM ports, as Device Manager shows them,
  in any case (com5) and also as \\.\COM5. A port that another program holds
  does not open. auto looks for the tracker as ports --find does and uses the
  one port where it answered (exit 1 when none or more than one did). The tracker is looked for at
  4800 bit/s, then at 9600. When a port cannot be opened, the line after
  &quot;Could not aquire Com Port&quot; says why.
</source>
        <translation>  ports                  elenca le porte COM note a Windows, apribili o no:
  ports --json           nome, dispositivo, descrizione (nome dell&apos;adattatore,
                         ID USB, numero di serie, driver) e, quando non si può
                         aprire, perché e che cosa fare; poi gli adattatori
                         collegati ma senza una porta funzionante. Esce con 0 se
                         l&apos;elenco è riuscito, anche vuoto.
  ports --find           chiede la versione del tracker a ogni porta non
                         occupata da un altro programma, a 4800 poi a 9600
                         bit/s: invia la richiesta di versione e alza DTR e RTS
                         su ciascuna. Una riga per porta; esce con 0 se un
                         tracker ha risposto, 1 se nessuno.

Porte (--port P):
  COM1..COM255 sono le porte COM proprie del sistema, come le mostra Gestione
  dispositivi, in maiuscolo o minuscolo (com5) e anche come \\.\COM5. Una porta
  occupata da un altro programma non si apre. auto cerca il tracker come fa
  ports --find e usa l&apos;unica porta su cui ha risposto (esce con 1 se nessuna o
  più di una). Il tracker viene cercato a 4800 bit/s, poi a 9600. Quando una
  porta non si può aprire, la riga dopo &quot;Impossibile acquisire la porta COM&quot;
  dice perché.
</translation>
    </message>
    <message>
        <source>List the COM ports that Windows knows, what they are and whether they open.</source>
        <translation>Elenca le porte COM note a Windows, che cosa sono e se si aprono.</translation>
    </message>
    <message>
        <source>print the list as JSON</source>
        <translation>stampa l&apos;elenco come JSON</translation>
    </message>
    <message>
        <source>ask every free port for the tracker&apos;s version (sends the version request and raises DTR and RTS on each) and say which answered</source>
        <translation>chiede la versione del tracker a ogni porta libera (invia la richiesta di versione e alza DTR e RTS su ciascuna) e dice quale ha risposto</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>the heading of the help&apos;s options</comment>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Stampa questo messaggio di aiuto ed esce</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <comment>the heading of the help&apos;s commands</comment>
        <translation>Sottocomandi</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Argomenti posizionali</translation>
    </message>
    <message>
        <source>hint: %1</source>
        <comment>what to try next, after a message</comment>
        <translation>suggerimento: %1</translation>
    </message>
    <message>
        <source>Print when the tracker sends its beacons: the interval, or with SmartBeaconing the interval and turn threshold at a row of speeds, and the beacons per hour.</source>
        <translation>Stampa quando il tracker invia i suoi beacon: l&apos;intervallo, oppure con SmartBeaconing l&apos;intervallo e la soglia di virata per una serie di velocità, e i beacon all&apos;ora.</translation>
    </message>
    <message>
        <source>timing: give FILE or --preset</source>
        <translation>timing: indica FILE o --preset</translation>
    </message>
    <message>
        <source>configuration file or JSON record; the defaults without it</source>
        <translation>file di configurazione o record JSON; senza, i valori predefiniti</translation>
    </message>
    <message>
        <source>0 (Primary) or 1 (Secondary); both without it</source>
        <translation>0 (primario) o 1 (secondario); senza, entrambi</translation>
    </message>
    <message>
        <source>print the timing as a JSON array, one object a profile</source>
        <translation>stampa la temporizzazione come array JSON, un oggetto per profilo</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>&amp;Load Tracker&apos;s Settings</source>
        <translation>&amp;Carica le impostazioni del tracker</translation>
    </message>
    <message>
        <source>Compare with Tracker</source>
        <translation>Confronta con il tracker</translation>
    </message>
    <message>
        <source>Differences from the form</source>
        <translation>Differenze rispetto al modulo</translation>
    </message>
    <message>
        <source>The tracker holds the same settings as the form.</source>
        <translation>Il tracker contiene le stesse impostazioni del modulo.</translation>
    </message>
    <message>
        <source>&amp;The tracker and the form are the same:</source>
        <translation>Il &amp;tracker e il modulo sono uguali:</translation>
    </message>
    <message>
        <source>&amp;The tracker differs from the form (form -&gt; tracker):</source>
        <translation>Il &amp;tracker differisce dal modulo (modulo -&gt; tracker):</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>on</source>
        <translation>attivo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>disattivo</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Primary, %1: %2 -&gt; %3</source>
        <translation>Primario, %1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Secondary, %1: %2 -&gt; %3</source>
        <translation>Secondario, %1: %2 -&gt; %3</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct path was given.</source>
        <translation>%1
Cartella non trovata.
Verifica che il percorso indicato sia corretto.</translation>
    </message>
    <message>
        <source>a link on the way is another user&apos;s, in a folder every user may write to</source>
        <translation>un collegamento lungo il percorso appartiene a un altro utente, in una cartella in cui ogni utente può scrivere</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Carica file di configurazione</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Salva file di configurazione</translation>
    </message>
    <message>
        <source>Zelbin3 Config files *.zb3</source>
        <translation>File di configurazione Zelbin3 *.zb3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartiene a un altro utente</translation>
    </message>
    <message>
        <source>%1 may be written by other users</source>
        <translation>%1 può essere scritto da altri utenti</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a folder, a FIFO or a device); give a file.</source>
        <translation>%1 non è un file regolare (una cartella, una FIFO o un dispositivo); indica un file.</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB</source>
        <translation>%1 è più grande di %2 MiB</translation>
    </message>
    <message>
        <source>%1 is another user&apos;s; using %2 instead</source>
        <translation>%1 appartiene a un altro utente; uso invece %2</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avviso</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Caricamento non riuscito</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Impossibile aprire il file</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>Impossibile scrivere i dati</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>Impossibile leggere i dati</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Formato file non valido</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Importazione non riuscita</translation>
    </message>
    <message>
        <source>%1: larger than 1 MiB, not a record</source>
        <translation>%1: più grande di 1 MiB, non è un record</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong in it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>nothing could be written</source>
        <translation>non è stato possibile scrivere nulla</translation>
    </message>
    <message>
        <source>it is not a regular file (a terminal, a pipe or a device)</source>
        <translation>non è un file regolare (un terminale, una pipe o un dispositivo)</translation>
    </message>
    <message>
        <source>it is not a regular file (a console, a pipe or a device)</source>
        <translation>non è un file regolare (una console, una pipe o un dispositivo)</translation>
    </message>
    <message>
        <source>cannot write the trace file %1: %2</source>
        <translation>impossibile scrivere il file di traccia %1: %2</translation>
    </message>
    <message>
        <source>cannot write the trace: the stream failed</source>
        <translation>impossibile scrivere la traccia: il flusso non è riuscito</translation>
    </message>
</context>
<context>
    <name>FindTracker</name>
    <message>
        <source>Find Tracker</source>
        <translation>Trova tracker</translation>
    </message>
    <message>
        <source>Asking %1 for the tracker&apos;s version at %2 bit/s (port %3 of %4)</source>
        <translation>Chiedo a %1 la versione del tracker a %2 bit/s (porta %3 di %4)</translation>
    </message>
    <message>
        <source>%1Cancelled before the other ports were asked.
</source>
        <translation>%1Annullato prima di interrogare le altre porte.
</translation>
    </message>
    <message>
        <source>Find Tracker sends the tracker&apos;s version request to every serial port that no other program holds, at 4800 and then at 9600 bit/s, and raises each port&apos;s DTR and RTS lines. Another device on one of those ports may react to that.

Look for the tracker now?</source>
        <translation>Trova tracker invia la richiesta di versione del tracker a ogni porta seriale non occupata da un altro programma, a 4800 e poi a 9600 bit/s, e alza le linee DTR e RTS di ogni porta. Un altro dispositivo su una di quelle porte potrebbe reagire.

Cercare il tracker ora?</translation>
    </message>
    <message>
        <source>The tracker answered on %1
%2 is now the selected port.</source>
        <translation>Il tracker ha risposto su %1
%2 è ora la porta selezionata.</translation>
    </message>
    <message>
        <source>Cancelled: no tracker answered on the ports asked.</source>
        <translation>Annullato: nessun tracker ha risposto sulle porte interrogate.</translation>
    </message>
    <message>
        <source>No tracker answered on any free port.</source>
        <translation>Nessun tracker ha risposto su alcuna porta libera.</translation>
    </message>
    <message>
        <source>A tracker answered on more than one port; choose the one to use in the COM port list.</source>
        <translation>Un tracker ha risposto su più di una porta; scegli quella da usare nell&apos;elenco delle porte COM.</translation>
    </message>
    <message>
        <source>%1%2
</source>
        <comment>the ports&apos; answers, one a line</comment>
        <translation>%1%2
</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1, Primary profile, %2: %3</source>
        <translation>%1, profilo primario, %2: %3</translation>
    </message>
    <message>
        <source>%1, Secondary profile, %2: %3</source>
        <translation>%1, profilo secondario, %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No findings: APRS practice is kept</source>
        <translation>Nessun rilievo: la pratica APRS è rispettata</translation>
    </message>
    <message>
        <source> (1 finding)</source>
        <translation> (1 rilievo)</translation>
    </message>
    <message numerus="yes">
        <source> (%n findings)</source>
        <translation>
            <numerusform> (%n rilievo)</numerusform>
            <numerusform> (%n rilievi)</numerusform>
        </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Rilievi</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The port list offers COM1, COM2, ... for the serial devices found in /dev at
start-up, in the order ttyUSB*, ttyACM*, ttyS*, ttyAMA*, rfcomm*; hover over
a name to see its device. Serial devices usually belong to the group dialout.
Find Tracker on the window menu (right click, Shift+F10) asks each free port.
</source>
        <translation>L&apos;elenco delle porte offre COM1, COM2, ... per i dispositivi seriali trovati
in /dev all&apos;avvio, nell&apos;ordine ttyUSB*, ttyACM*, ttyS*, ttyAMA*, rfcomm*; passa
sopra un nome per vederne il dispositivo. Di solito i dispositivi seriali
appartengono al gruppo dialout. Trova tracker nel menu della finestra (clic
destro, Maiusc+F10) interroga ogni porta libera.
</translation>
    </message>
    <message>
        <source>The port list offers those of COM1 to COM255 that Windows knows and that can
be opened now, under the names Device Manager shows (Ports (COM &amp; LPT)); hover
over a name to see the adapter. A port that another program has open is not
listed. The list follows adapters plugged in and removed while it is open.
Find Tracker on the window menu (right click, Shift+F10) asks each free port.
</source>
        <translation>L&apos;elenco delle porte offre quelle tra COM1 e COM255 note a Windows e apribili
ora, con i nomi mostrati da Gestione dispositivi (Porte (COM e LPT)); passa
sopra un nome per vederne l&apos;adattatore. Una porta aperta da un altro programma
non è elencata. L&apos;elenco segue gli adattatori collegati e rimossi mentre è
aperto. Trova tracker nel menu della finestra (clic destro, Maiusc+F10)
interroga ogni porta libera.
</translation>
    </message>
    <message>
        <source>The window draws its captions in DejaVuSans.ttf from the program&apos;s folder;
when that file is missing or broken it says so once and uses another face,
in which some captions may be cut off.
</source>
        <translation>La finestra disegna le sue didascalie con DejaVuSans.ttf dalla cartella del
programma; se quel file manca o è danneggiato lo segnala una volta e usa un
altro carattere, in cui alcune didascalie potrebbero risultare tagliate.
</translation>
    </message>
    <message>
        <source>Usage: qz5-config [OPTION]... [FILE]
Configure an Orvane QZ5 APRS tracker over a serial port: read its version and
its configuration, edit the Primary and Secondary beacon profiles, write them
back and verify them, and make the tracker send test tones. A configuration
file (.zb3) given as FILE is loaded once the window is up, as Load does.

Options:
      --demo              wire COM1 to a simulated tracker instead of a serial
                          device, to try the program without hardware
      --all-settings      open the All settings view, with every setting of
                          both profiles, instead of the view chosen last
      --quit-after-start  close the window as soon as it has been shown; the
                          exit status is 1 if it could not be shown (for
                          checking an installation)
      --trace FILE        write every byte sent and received on the serial
                          line, with its time, and each open, close and rate
                          change, to FILE
  -h, --help              print this help and exit
      --version           print the version and exit

Qt&apos;s own options, such as -platform NAME, are accepted as well.

%1%2
Exit status:
  0  the window was closed, or help or the version was printed
  1  the demo&apos;s simulated tracker could not be started, the trace file
     could not be written, the help or the version could not be
     written, or with --quit-after-start the window could not be shown
  2  usage error
</source>
        <translation>Uso: qz5-config [OPZIONE]... [FILE]
Configura un tracker APRS Orvane QZ5 tramite una porta seriale: ne legge la
versione e la configurazione, modifica i profili beacon primario e secondario,
li riscrive e li verifica, e fa inviare al tracker toni di prova. Un file di
configurazione (.zb3) indicato come FILE viene caricato all&apos;apertura della
finestra, come fa Carica.

Opzioni:
      --demo              collega COM1 a un tracker simulato invece che a un
                          dispositivo seriale, per provare il programma senza
                          hardware
      --all-settings      apre la vista Tutte le impostazioni, con ogni
                          impostazione di entrambi i profili, invece
                          dell&apos;ultima vista scelta
      --quit-after-start  chiude la finestra appena è stata mostrata; lo
                          stato di uscita è 1 se non è stato possibile mostrarla
                          (per verificare un&apos;installazione)
      --trace FILE        scrive in FILE ogni byte inviato e ricevuto sulla
                          linea seriale, con il suo orario, e ogni apertura,
                          chiusura e cambio di velocità
  -h, --help              stampa questo aiuto ed esce
      --version           stampa la versione ed esce

Sono accettate anche le opzioni proprie di Qt, come -platform NAME.

%1%2
Stato di uscita:
  0  la finestra è stata chiusa, oppure è stato stampato l&apos;aiuto o la versione
  1  non è stato possibile avviare il tracker simulato della demo, scrivere
     il file di traccia, scrivere l&apos;aiuto o la versione, o con
     --quit-after-start mostrare la finestra
  2  errore di utilizzo
</translation>
    </message>
    <message>
        <source>qz5-config: %1
Try &apos;qz5-config --help&apos; for more information.
</source>
        <translation>qz5-config: %1
Prova &apos;qz5-config --help&apos; per maggiori informazioni.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--trace&apos; needs a file name</source>
        <translation>l&apos;opzione &apos;--trace&apos; richiede un nome di file</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Read</source>
        <comment>a kept image the tracker sent</comment>
        <translation>Letta</translation>
    </message>
    <message>
        <source>Kept before a write</source>
        <translation>Conservata prima di una scrittura</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Scritta</translation>
    </message>
    <message>
        <source>&amp;Load into Form</source>
        <translation>&amp;Carica nel modulo</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Kept images</source>
        <translation>Immagini conservate</translation>
    </message>
    <message>
        <source>Differences from the form</source>
        <translation>Differenze rispetto al modulo</translation>
    </message>
    <message>
        <source>&amp;Kept images, the newest first:</source>
        <translation>&amp;Immagini conservate, dalla più recente:</translation>
    </message>
    <message>
        <source>&amp;Differences from the form (form -&gt; image):</source>
        <translation>&amp;Differenze rispetto al modulo (modulo -&gt; immagine):</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>No. %1   </source>
        <translation>N. %1   </translation>
    </message>
    <message>
        <source>does not read as a configuration file</source>
        <translation>non si legge come file di configurazione</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Impossibile leggere la cronologia: %1</translation>
    </message>
    <message>
        <source>No images have been kept yet. Every Read and Write adds one (%1).</source>
        <translation>Non è stata ancora conservata alcuna immagine. Ogni lettura e scrittura ne aggiunge una (%1).</translation>
    </message>
    <message>
        <source>This file does not read as a configuration file: %1</source>
        <translation>Questo file non si legge come file di configurazione: %1</translation>
    </message>
    <message>
        <source>The same settings as the form.</source>
        <translation>Le stesse impostazioni del modulo.</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lettura</translation>
    </message>
    <message>
        <source>write</source>
        <translation>scrittura</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>backup</translation>
    </message>
    <message>
        <source>the clock (%1) is behind the newest image in the history (%2); images are still kept in the order they were stored</source>
        <translation>l&apos;orologio (%1) è indietro rispetto all&apos;immagine più recente della cronologia (%2); le immagini restano comunque conservate nell&apos;ordine in cui sono state memorizzate</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avviso</translation>
    </message>
    <message>
        <source>warning: the image was not kept in the history</source>
        <translation>avviso: l&apos;immagine non è stata conservata nella cronologia</translation>
    </message>
    <message>
        <source>no folder to keep it in (HOME and XDG_STATE_HOME are unset)</source>
        <translation>nessuna cartella in cui conservarla (HOME e XDG_STATE_HOME non sono impostate)</translation>
    </message>
    <message>
        <source>%1 has the last number there is; move the images elsewhere to number anew from 1</source>
        <translation>%1 ha l&apos;ultimo numero possibile; sposta altrove le immagini per ricominciare la numerazione da 1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>impossibile bloccare %1: %2</translation>
    </message>
    <message>
        <source>cannot read the history: %1</source>
        <translation>impossibile leggere la cronologia: %1</translation>
    </message>
    <message>
        <source>history show: N is the number that begins an image&apos;s name, not &quot;%1&quot;</source>
        <translation>history show: N è il numero con cui inizia il nome di un&apos;immagine, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>history show: no image numbered %1 in %2</source>
        <translation>history show: nessuna immagine con il numero %1 in %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>a list of files</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>history show: more than one image is numbered %1: %2; show the one meant by its file</source>
        <translation>history show: più di un&apos;immagine ha il numero %1: %2; mostra quella voluta tramite il suo file</translation>
    </message>
</context>
<context>
    <name>Image</name>
    <message>
        <source>Bad EE Size</source>
        <translation>Dimensione EE errata</translation>
    </message>
    <message>
        <source>The Primary or Secondary digipeater path is too long and has been truncated.</source>
        <translation>Il percorso digipeater primario o secondario è troppo lungo ed è stato troncato.</translation>
    </message>
    <message>
        <source>Digipeater Path Truncated</source>
        <translation>Percorso digipeater troncato</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <translation>Il testo del beacon di stato primario o secondario è troppo lungo ed è stato troncato.  Per avere un testo del beacon di stato più lungo, usa meno digipeater e rendi identici i nominativi, i digipeater o i testi di stato primari e secondari.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Testo del beacon di stato troncato</translation>
    </message>
    <message>
        <source>Bad EE Size %1
</source>
        <translation>Dimensione EE errata %1
</translation>
    </message>
</context>
<context>
    <name>Json</name>
    <message>
        <source>%1: integer outside -2147483648..2147483647</source>
        <translation>%1: intero fuori da -2147483648..2147483647</translation>
    </message>
    <message>
        <source>%1: expected an integer</source>
        <translation>%1: atteso un intero</translation>
    </message>
    <message>
        <source>%1: expected true or false</source>
        <translation>%1: atteso true o false</translation>
    </message>
    <message>
        <source>%1: expected a string</source>
        <translation>%1: attesa una stringa</translation>
    </message>
    <message>
        <source>%1: character outside U+0000..U+00FF</source>
        <translation>%1: carattere fuori da U+0000..U+00FF</translation>
    </message>
    <message>
        <source>%1: a text cannot contain U+0000</source>
        <translation>%1: un testo non può contenere U+0000</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters</source>
        <translation>%1: più lungo di %2 caratteri</translation>
    </message>
    <message>
        <source>%1: more than one character</source>
        <translation>%1: più di un carattere</translation>
    </message>
    <message>
        <source>%1: expected a number</source>
        <translation>%1: atteso un numero</translation>
    </message>
    <message>
        <source>%1: outside -10000000..10000000</source>
        <translation>%1: fuori da -10000000..10000000</translation>
    </message>
    <message>
        <source>%1: expected an object</source>
        <translation>%1: atteso un oggetto</translation>
    </message>
    <message>
        <source>%1: unknown field</source>
        <translation>%1: campo sconosciuto</translation>
    </message>
    <message>
        <source>%1: expected an array of at most two objects</source>
        <translation>%1: atteso un array di al massimo due oggetti</translation>
    </message>
    <message>
        <source>expected a JSON object</source>
        <translation>atteso un oggetto JSON</translation>
    </message>
    <message>
        <source>%1: must be 0 or 1</source>
        <translation>%1: deve essere 0 o 1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; named twice in %2</source>
        <translation>&quot;%1&quot; indicato due volte in %2</translation>
    </message>
    <message>
        <source>the record</source>
        <translation>il record</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState non riuscito</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState non riuscito</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts non riuscito</translation>
    </message>
    <message>
        <source>Looking for the tracker at %1 bit/s</source>
        <translation>Ricerca del tracker a %1 bit/s</translation>
    </message>
    <message>
        <source>Writing the configuration: %1 of %2 bytes</source>
        <translation>Scrittura della configurazione: %1 di %2 byte</translation>
    </message>
    <message>
        <source>Reading it back</source>
        <translation>Rilettura</translation>
    </message>
    <message>
        <source>Keeping the tracker&apos;s settings: reading them</source>
        <translation>Conservazione delle impostazioni del tracker: lettura</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>Lettura della configurazione</translation>
    </message>
    <message>
        <source>Keeping the tracker&apos;s settings: reading them again to compare</source>
        <translation>Conservazione delle impostazioni del tracker: nuova lettura per il confronto</translation>
    </message>
    <message>
        <source>Reading it again to compare</source>
        <translation>Nuova lettura per il confronto</translation>
    </message>
    <message>
        <source>Starting the test tone</source>
        <translation>Avvio del tono di prova</translation>
    </message>
    <message>
        <source>Stopping the test tone</source>
        <translation>Arresto del tono di prova</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>Porta COM non valida</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Scrittura sulla porta COM non riuscita</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>Dati scritti sulla porta COM non corrispondenti</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Lettura dalla porta COM non riuscita</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Chiusura della porta COM non riuscita</translation>
    </message>
    <message>
        <source>Zelbin3 Not Found</source>
        <translation>Zelbin3 non trovato</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>Scrittura non riuscita (codice %1 %2)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Scrittura non riuscita</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>Ports</name>
    <message>
        <source>No COM Ports Found</source>
        <translation>Nessuna porta COM trovata</translation>
    </message>
    <message>
        <source>%1 (%2, %3):
%4</source>
        <translation>%1 (%2, %3):
%4</translation>
    </message>
    <message>
        <source>No COM port can be used.</source>
        <translation>Nessuna porta COM utilizzabile.</translation>
    </message>
    <message>
        <source>%1

%2</source>
        <translation>%1

%2</translation>
    </message>
    <message>
        <source>COM Ports</source>
        <translation>Porte COM</translation>
    </message>
    <message>
        <source>Ignored the lock file %1: %2.</source>
        <translation>File di blocco %1 ignorato: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>one sentence after another</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Access is denied: another program has %1 open (a terminal, GPS or map program, or a second copy of this one). Close it, then try again.</source>
        <translation>Accesso negato: un altro programma ha aperto %1 (un terminale, un programma GPS o di mappe, o una seconda copia di questo). Chiudilo, poi riprova.</translation>
    </message>
    <message>
        <source>Windows has no port %1 now: the adapter is unplugged, or its driver is not installed (Device Manager, Ports (COM &amp; LPT)).</source>
        <translation>Windows ora non ha la porta %1: l&apos;adattatore è scollegato oppure il suo driver non è installato (Gestione dispositivi, Porte (COM e LPT)).</translation>
    </message>
    <message>
        <source>%1 is there but its adapter does not answer: unplug it and plug it in again.</source>
        <translation>%1 è presente ma il suo adattatore non risponde: scollegalo e ricollegalo.</translation>
    </message>
    <message>
        <source>Windows says: %1 (error %2).</source>
        <translation>Windows dice: %1 (errore %2).</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>this program</source>
        <translation>questo programma</translation>
    </message>
    <message>
        <source>a process</source>
        <translation>un processo</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (pid %2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>one program after another</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>In use by %1. Its lock file is %2. Close that program or let it release the port, then try again.</source>
        <translation>In uso da parte di %1. Il suo file di blocco è %2. Chiudi quel programma o fai in modo che rilasci la porta, poi riprova.</translation>
    </message>
    <message>
        <source>In use by %1. Close that program or let it release the port, then try again.</source>
        <translation>In uso da parte di %1. Chiudi quel programma o fai in modo che rilasci la porta, poi riprova.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment.</source>
        <translation>In uso: il dispositivo è stato collegato pochi istanti fa e di solito un gestore di modem sonda questi dispositivi per alcuni secondi. Riprova tra un momento.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment. To keep the modem manager away from it for good, give it the udev property ID_MM_DEVICE_IGNORE=1 in a udev rule.</source>
        <translation>In uso: il dispositivo è stato collegato pochi istanti fa e di solito un gestore di modem sonda questi dispositivi per alcuni secondi. Riprova tra un momento. Per tenere il gestore di modem lontano da esso in modo permanente, assegnagli la proprietà udev ID_MM_DEVICE_IGNORE=1 in una regola udev.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment. To keep the modem manager away from it for good, give it the udev property ID_MM_DEVICE_IGNORE=1 in a udev rule, for example a file in /etc/udev/rules.d with the line
    ATTRS{idVendor}==&quot;%1&quot;, ATTRS{idProduct}==&quot;%2&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;
then plug the device in again.</source>
        <translation>In uso: il dispositivo è stato collegato pochi istanti fa e di solito un gestore di modem sonda questi dispositivi per alcuni secondi. Riprova tra un momento. Per tenere il gestore di modem lontano da esso in modo permanente, assegnagli la proprietà udev ID_MM_DEVICE_IGNORE=1 in una regola udev, per esempio un file in /etc/udev/rules.d con la riga
    ATTRS{idVendor}==&quot;%1&quot;, ATTRS{idProduct}==&quot;%2&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;
poi ricollega il dispositivo.</translation>
    </message>
    <message>
        <source>In use by a program this user cannot see: most likely a system service running as another user holds it. Stop that service, or ask the administrator which one it is.</source>
        <translation>In uso da parte di un programma che questo utente non può vedere: molto probabilmente lo tiene occupato un servizio di sistema eseguito come un altro utente. Arresta quel servizio o chiedi all&apos;amministratore di quale si tratta.</translation>
    </message>
    <message>
        <source>This program runs in a Flatpak sandbox, which reaches serial devices only with a permission granted outside it: flatpak override --user --device=all followed by the program&apos;s application ID.</source>
        <translation>Questo programma viene eseguito in una sandbox Flatpak, che raggiunge i dispositivi seriali solo con un permesso concesso dall&apos;esterno: flatpak override --user --device=all seguito dall&apos;ID applicazione del programma.</translation>
    </message>
    <message>
        <source>This program runs as a Snap, which reaches serial devices only through an interface connected outside it: sudo snap connect %1:raw-usb (USB adapters) or :serial-port.</source>
        <translation>Questo programma viene eseguito come Snap, che raggiunge i dispositivi seriali solo tramite un&apos;interfaccia collegata dall&apos;esterno: sudo snap connect %1:raw-usb (adattatori USB) o :serial-port.</translation>
    </message>
    <message>
        <source>Permission denied: only its owner &quot;%1&quot; may use %2. A udev rule that gives the device to a group of yours (GROUP=&quot;...&quot;, MODE=&quot;0660&quot;) would let you in.</source>
        <translation>Permesso negato: solo il suo proprietario &quot;%1&quot; può usare %2. Una regola udev che assegni il dispositivo a un tuo gruppo (GROUP=&quot;...&quot;, MODE=&quot;0660&quot;) ti consentirebbe l&apos;accesso.</translation>
    </message>
    <message>
        <source>Permission denied, although you are in the group &quot;%1&quot; that may use %2: a security policy of the system refuses it.</source>
        <translation>Permesso negato, benché tu faccia parte del gruppo &quot;%1&quot; che può usare %2: una politica di sicurezza del sistema lo rifiuta.</translation>
    </message>
    <message>
        <source>Permission denied: you were added to the group &quot;%1&quot; that may use %2, but this login session started before that. Log out and in again (or restart) to use the port.</source>
        <translation>Permesso negato: sei stato aggiunto al gruppo &quot;%1&quot; che può usare %2, ma questa sessione è iniziata prima. Esci e rientra (o riavvia) per usare la porta.</translation>
    </message>
    <message>
        <source>Permission denied: %1 belongs to the group &quot;%2&quot;, and you are not a member. Add yourself with
    sudo usermod -aG %2 &quot;$USER&quot;
then log out and in again.</source>
        <translation>Permesso negato: %1 appartiene al gruppo &quot;%2&quot; e tu non ne fai parte. Aggiungiti con
    sudo usermod -aG %2 &quot;$USER&quot;
poi esci e rientra.</translation>
    </message>
    <message>
        <source>%1 is not there (any more): the device was unplugged or renamed.</source>
        <translation>%1 non c&apos;è (più): il dispositivo è stato scollegato o rinominato.</translation>
    </message>
    <message>
        <source>No hardware answers behind %1.</source>
        <translation>Nessun hardware risponde dietro %1.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>No port was chosen.</source>
        <translation>Nessuna porta scelta.</translation>
    </message>
    <message>
        <source>No serial device was found.</source>
        <translation>Nessun dispositivo seriale trovato.</translation>
    </message>
    <message>
        <source>No serial device is known as %1.</source>
        <translation>Nessun dispositivo seriale è noto come %1.</translation>
    </message>
    <message>
        <source>Could not aquire Com Port</source>
        <translation>Impossibile acquisire la porta COM</translation>
    </message>
    <message>
        <source>The device was busy for a moment and is free now: try again.</source>
        <translation>Il dispositivo è stato occupato per un momento e ora è libero: riprova.</translation>
    </message>
    <message>
        <source>The port was busy for a moment and is free now: try again.</source>
        <translation>La porta è stata occupata per un momento e ora è libera: riprova.</translation>
    </message>
    <message>
        <source>%1 at %2 bit/s: %3</source>
        <translation>%1 a %2 bit/s: %3</translation>
    </message>
    <message>
        <source>%1: no answer</source>
        <translation>%1: nessuna risposta</translation>
    </message>
    <message>
        <source>%1: held by another program: passed over</source>
        <translation>%1: occupata da un altro programma: saltata</translation>
    </message>
    <message>
        <source>%1: not asked</source>
        <translation>%1: non interrogata</translation>
    </message>
    <message>
        <source>%1: not asked, %2</source>
        <translation>%1: non interrogata, %2</translation>
    </message>
    <message>
        <source>it is not root&apos;s, and who runs process %1 cannot be seen</source>
        <translation>non appartiene a root e non si può vedere chi esegue il processo %1</translation>
    </message>
    <message>
        <source>its owner (uid %1) does not run process %2</source>
        <translation>il suo proprietario (uid %1) non esegue il processo %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>No serial devices found.</source>
        <translation>Nessun dispositivo seriale trovato.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numero di serie %1</translation>
    </message>
    <message>
        <source>driver %1</source>
        <translation>driver %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a device&apos;s serial number, then its driver</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>can be opened</source>
        <translation>si può aprire</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>non si può aprire: %1</translation>
    </message>
    <message>
        <source>USB serial device</source>
        <translation>dispositivo seriale USB</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>porta seriale integrata</translation>
    </message>
    <message>
        <source>Bluetooth serial link</source>
        <translation>collegamento seriale Bluetooth</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>dispositivo seriale</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a device and its USB ids</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>porta seriale</translation>
    </message>
    <message>
        <source>A USB serial adapter (CH340/CH341, %1, USB %2) is plugged in but has no serial port: a braille-display service took it over right after it was attached. If no braille display is used here, remove or disable that service (or its udev rule for this adapter), then plug the adapter in again.</source>
        <comment>%1 is the adapter&apos;s USB ids, %2 where it is plugged in</comment>
        <translation>Un adattatore seriale USB (CH340/CH341, %1, USB %2) è collegato ma non ha una porta seriale: un servizio per display braille lo ha preso subito dopo il collegamento. Se qui non si usa un display braille, rimuovi o disattiva quel servizio (o la sua regola udev per questo adattatore), poi ricollega l&apos;adattatore.</translation>
    </message>
    <message>
        <source>its driver is not installed. Install the driver from the adapter&apos;s maker, or let Device Manager look for one (Update driver)</source>
        <translation>il suo driver non è installato. Installa il driver del produttore dell&apos;adattatore, oppure lascia che Gestione dispositivi ne cerchi uno (Aggiorna driver)</translation>
    </message>
    <message>
        <source>it is disabled. Enable it in Device Manager (Ports (COM &amp; LPT))</source>
        <translation>è disattivato. Attivalo in Gestione dispositivi (Porte (COM e LPT))</translation>
    </message>
    <message>
        <source>its driver could not start it. Unplug the adapter and plug it in again; if that does not help, reinstall its driver</source>
        <translation>il suo driver non è riuscito ad avviarlo. Scollega l&apos;adattatore e ricollegalo; se non basta, reinstalla il suo driver</translation>
    </message>
    <message>
        <source>Windows refused its driver, which is not signed. Install a signed driver from the adapter&apos;s maker</source>
        <translation>Windows ha rifiutato il suo driver, che non è firmato. Installa un driver firmato del produttore dell&apos;adattatore</translation>
    </message>
    <message>
        <source>Device Manager reports problem code %1 for it (see the device&apos;s Properties there)</source>
        <translation>Gestione dispositivi segnala per esso il codice di problema %1 (vedi lì le Proprietà del dispositivo)</translation>
    </message>
    <message>
        <source>%1 is plugged in but has no working COM port: %2.</source>
        <comment>%1 is the device, %2 what Device Manager reports and what to do</comment>
        <translation>%1 è collegato ma non ha una porta COM funzionante: %2.</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>
Symbol on maps: </source>
        <translation>
Simbolo sulle mappe: </translation>
    </message>
    <message>
        <source>not known. %1</source>
        <translation>non noto. %1</translation>
    </message>
    <message>
        <source>none in the symbol list %1; maps may show a placeholder.</source>
        <translation>nessuno nell&apos;elenco dei simboli %1; le mappe potrebbero mostrare un segnaposto.</translation>
    </message>
    <message>
        <source>Choose Symbol</source>
        <translation>Scegli simbolo</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>the box that narrows the symbols</comment>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Type part of a name, such as car or bicycle, to narrow the symbols.</source>
        <translation>Digita parte di un nome, come car o bicycle, per restringere i simboli.</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Simboli</translation>
    </message>
    <message>
        <source>Both symbol tables. Space or Enter chooses the symbol.</source>
        <translation>Entrambe le tabelle dei simboli. Spazio o Invio sceglie il simbolo.</translation>
    </message>
    <message>
        <source>&amp;Overlay character:</source>
        <translation>Carattere di &amp;sovrapposizione:</translation>
    </message>
    <message>
        <source>Overlay character</source>
        <translation>Carattere di sovrapposizione</translation>
    </message>
    <message>
        <source>0 to 9 or A to Z drawn over an alternate symbol that takes one; empty for none.</source>
        <translation>Da 0 a 9 o da A a Z, disegnato sopra un simbolo alternativo che lo accetta; vuoto per nessuno.</translation>
    </message>
    <message>
        <source>No symbol list: %1 is not a regular file (a folder, a FIFO or a device); give a file; symbols are shown without names or pictures.</source>
        <translation>Nessun elenco dei simboli: %1 non è un file regolare (una cartella, una FIFO o un dispositivo); indica un file; i simboli vengono mostrati senza nomi né immagini.</translation>
    </message>
    <message>
        <source>No symbol list: %1; symbols are shown without names or pictures.</source>
        <translation>Nessun elenco dei simboli: %1; i simboli vengono mostrati senza nomi né immagini.</translation>
    </message>
    <message>
        <source>No symbol list: %1 holds no symbol pictures; symbols are shown without names or pictures.</source>
        <translation>Nessun elenco dei simboli: %1 non contiene immagini di simboli; i simboli vengono mostrati senza nomi né immagini.</translation>
    </message>
    <message numerus="yes">
        <source>Symbol list %1: %n bad entry skipped, the first at line %2.</source>
        <translation>
            <numerusform>Elenco dei simboli %1: %n voce errata saltata, la prima alla riga %2.</numerusform>
            <numerusform>Elenco dei simboli %1: %n voci errate saltate, la prima alla riga %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Symbol list %1: %n bad entries skipped, the first at line %2.</source>
        <translation>
            <numerusform>Elenco dei simboli %1: %n voce errata saltata, la prima alla riga %2.</numerusform>
            <numerusform>Elenco dei simboli %1: %n voci errate saltate, la prima alla riga %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>nessuna immagine</translation>
    </message>
    <message>
        <source>primary table</source>
        <translation>tabella primaria</translation>
    </message>
    <message>
        <source>alternate table</source>
        <translation>tabella alternativa</translation>
    </message>
    <message>
        <source>overlay %1</source>
        <translation>sovrapposizione %1</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>Simbolo %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a symbol&apos;s name, then its overlay</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Timing</name>
    <message>
        <source>Beacon timing</source>
        <translation>Temporizzazione dei beacon</translation>
    </message>
    <message>
        <source>Beacon Timing</source>
        <translation>Temporizzazione dei beacon</translation>
    </message>
    <message>
        <source>SmartBeaconing &amp;preset:</source>
        <translation>&amp;Preset SmartBeaconing:</translation>
    </message>
    <message>
        <source>SmartBeaconing preset</source>
        <translation>Preset SmartBeaconing</translation>
    </message>
    <message>
        <source>&amp;Apply to Profile</source>
        <translation>&amp;Applica al profilo</translation>
    </message>
    <message>
        <source>Sets the profile&apos;s SmartBeaconing to the preset and turns it on</source>
        <translation>Imposta lo SmartBeaconing del profilo sul preset e lo attiva</translation>
    </message>
    <message>
        <source>Plot of interval against speed</source>
        <translation>Grafico dell&apos;intervallo in funzione della velocità</translation>
    </message>
    <message>
        <source>The table above gives the same values.</source>
        <translation>La tabella sopra riporta gli stessi valori.</translation>
    </message>
    <message>
        <source>speed</source>
        <comment>the plot&apos;s axis</comment>
        <translation>velocità</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds, the plot&apos;s axis</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>over %1 degrees</source>
        <translation>oltre %1 gradi</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no turn beacon</comment>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>any</source>
        <comment>any speed</comment>
        <translation>qualsiasi</translation>
    </message>
    <message>
        <source>SmartBeaconing is off: a beacon every %1, in its time slot, %2 into each interval of the clock.</source>
        <translation>SmartBeaconing è disattivato: un beacon ogni %1, nella sua finestra temporale, %2 dopo l&apos;inizio di ogni intervallo dell&apos;orologio.</translation>
    </message>
    <message>
        <source>SmartBeaconing is off: a beacon every %1.</source>
        <translation>SmartBeaconing è disattivato: un beacon ogni %1.</translation>
    </message>
    <message>
        <source>At or below the low speed (%1) the slow rate, %2, and no turn beacons; at or above the high speed (%3) the fast rate, %4; between them %4 x %3 / speed.</source>
        <translation>Alla velocità bassa (%1) o sotto, l&apos;intervallo lento, %2, e nessun beacon in virata; alla velocità alta (%3) o sopra, l&apos;intervallo veloce, %4; tra le due %4 x %3 / velocità.</translation>
    </message>
    <message>
        <source>A turn beacon goes out when the heading changes by more than turn angle + turn slope / speed, no sooner than %1 after the last beacon.</source>
        <translation>Un beacon in virata parte quando la direzione cambia di più di angolo di virata + pendenza di virata / velocità, non prima di %1 dall&apos;ultimo beacon.</translation>
    </message>
    <message>
        <source>Seconds and degrees are rounded to whole numbers, halves up; speeds are in the tracker&apos;s own unit.</source>
        <translation>Secondi e gradi sono arrotondati a numeri interi, le metà per eccesso; le velocità sono nell&apos;unità propria del tracker.</translation>
    </message>
    <message>
        <source>Primary profile: SmartBeaconing on</source>
        <translation>Profilo primario: SmartBeaconing attivo</translation>
    </message>
    <message>
        <source>Primary profile: SmartBeaconing off</source>
        <translation>Profilo primario: SmartBeaconing disattivo</translation>
    </message>
    <message>
        <source>Secondary profile: SmartBeaconing on</source>
        <translation>Profilo secondario: SmartBeaconing attivo</translation>
    </message>
    <message>
        <source>Secondary profile: SmartBeaconing off</source>
        <translation>Profilo secondario: SmartBeaconing disattivo</translation>
    </message>
    <message>
        <source>Speed (tracker&apos;s unit)</source>
        <translation>Velocità (unità del tracker)</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Beacons per hour</source>
        <translation>Beacon all&apos;ora</translation>
    </message>
    <message>
        <source>Turn beacon</source>
        <translation>Beacon in virata</translation>
    </message>
    <message>
        <source>No timing until this is fixed: %1</source>
        <translation>Nessuna temporizzazione finché questo non è corretto: %1</translation>
    </message>
    <message>
        <source>Beacons less than %1 apart are for special events; the channel is shared.</source>
        <translation>I beacon a meno di %1 l&apos;uno dall&apos;altro sono per eventi speciali; il canale è condiviso.</translation>
    </message>
    <message>
        <source>This models the published SmartBeaconing rules, not the tracker&apos;s firmware.</source>
        <translation>Questo modello segue le regole SmartBeaconing pubblicate, non il firmware del tracker.</translation>
    </message>
    <message>
        <source>The second rate is left out: its role is not known.</source>
        <translation>Il secondo intervallo è omesso: il suo ruolo non è noto.</translation>
    </message>
    <message>
        <source>%1: %2 to %3 %4, every %5 s to %6 s, turns from %7 degrees, slope %8</source>
        <comment>a SmartBeaconing preset: name, speeds, rates, turn angle and slope</comment>
        <translation>%1: da %2 a %3 %4, ogni %5 s fino a %6 s, curve da %7 gradi, pendenza %8</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Primary</source>
        <translation>Primario</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secondario</translation>
    </message>
    <message>
        <source>About Orvane QZ5 Config Basic</source>
        <translation>Informazioni su Orvane QZ5 Config Basic</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config Basic Version 1.4</source>
        <translation>Orvane QZ5 Config Basic versione 1.4</translation>
    </message>
    <message>
        <source>Configures QZ5 trackers</source>
        <translation>Configura i tracker QZ5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Station and path</source>
        <translation>Stazione e percorso</translation>
    </message>
    <message>
        <source>Mic-E</source>
        <translation>Mic-E</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Temporizzazione</translation>
    </message>
    <message>
        <source>Time slot</source>
        <translation>Finestra temporale</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetria</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>SmartBeaconing preset</source>
        <translation>Preset SmartBeaconing</translation>
    </message>
    <message>
        <source>GPS and serial</source>
        <translation>GPS e seriale</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configura</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>Porta COM</translation>
    </message>
    <message>
        <source>Tones</source>
        <translation>Toni</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config - All settings</source>
        <translation>Orvane QZ5 Config - Tutte le impostazioni</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config Basic</source>
        <translation>Orvane QZ5 Config Basic</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>Nominativo:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Testo:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Simbolo:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frequenza:</translation>
    </message>
    <message>
        <source>Transmit Rate:</source>
        <translation>Intervallo di trasmissione:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>Send Separate</source>
        <translation>Invia separato</translation>
    </message>
    <message>
        <source>Don&apos;t Send &apos;&gt;&apos;</source>
        <translation>Non inviare &apos;&gt;&apos;</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>Invia altitudine</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>Percorsi digi alternati</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>Invia solo se valido</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>Consenti seriale TTL</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>Inverti CD IN</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>Marca temporale GOM</translation>
    </message>
    <message>
        <source>No TX on PTT In</source>
        <translation>No TX con PTT In</translation>
    </message>
    <message>
        <source>Send NMEA</source>
        <translation>Invia NMEA</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>Marca temporale HMS</translation>
    </message>
    <message>
        <source>Serial Out High</source>
        <translation>Uscita seriale alta</translation>
    </message>
    <message>
        <source>Skip Start Packet</source>
        <translation>Salta pacchetto iniziale</translation>
    </message>
    <message>
        <source>300 baud packet</source>
        <translation>Packet a 300 baud</translation>
    </message>
    <message>
        <source>9600 baud GPS</source>
        <translation>GPS a 9600 baud</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Abilita</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>Forza stampabili</translation>
    </message>
    <message>
        <source>Read Version</source>
        <translation>Leggi versione</translation>
    </message>
    <message>
        <source>Read Configuration</source>
        <translation>Leggi configurazione</translation>
    </message>
    <message>
        <source>Write Configuration</source>
        <translation>Scrivi configurazione</translation>
    </message>
    <message>
        <source>Send 1200 Hz</source>
        <translation>Invia 1200 Hz</translation>
    </message>
    <message>
        <source>Send 2200 Hz</source>
        <translation>Invia 2200 Hz</translation>
    </message>
    <message>
        <source>Send Both</source>
        <translation>Invia entrambi</translation>
    </message>
    <message>
        <source>Stop Sending</source>
        <translation>Interrompi invio</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Apply to Profile</source>
        <translation>Applica al profilo</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A field&apos;s label in All settings; %1 is the field&apos;s name.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>&amp;Find Tracker</source>
        <translation>&amp;Trova tracker</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Cronologia...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with Tracker...</source>
        <translation>Co&amp;nfronta con il tracker...</translation>
    </message>
    <message>
        <source>Choose S&amp;ymbol...</source>
        <translation>Scegli s&amp;imbolo...</translation>
    </message>
    <message>
        <source>&amp;Beacon Timing...</source>
        <translation>Te&amp;mporizzazione dei beacon...</translation>
    </message>
    <message>
        <source>&amp;Keep Settings Before Writing</source>
        <translation>C&amp;onserva le impostazioni prima di scrivere</translation>
    </message>
    <message>
        <source>Send 1600 Hz</source>
        <translation>Invia 1600 Hz</translation>
    </message>
    <message>
        <source>Send 1800 Hz</source>
        <translation>Invia 1800 Hz</translation>
    </message>
    <message>
        <source>Scroll across</source>
        <translation>Scorri in orizzontale</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Scorri in verticale</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinita di sistema</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>Tone calibration value, shared by both profiles. The tracker keeps 0 to 255; the window shows it but does not let it be edited.</source>
        <translation>Valore di calibrazione dei toni, comune a entrambi i profili. Il tracker conserva da 0 a 255; la finestra lo mostra ma non ne consente la modifica.</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>Station callsign, optionally followed by -SSID. The tracker keeps six letters or digits in capitals and an SSID of 0 to 15; other characters end the callsign.</source>
        <translation>Nominativo della stazione, eventualmente seguito da -SSID. Il tracker conserva sei lettere o cifre in maiuscolo e un SSID da 0 a 15; altri caratteri terminano il nominativo.</translation>
    </message>
    <message>
        <source>Digipeater path</source>
        <translation>Percorso digipeater</translation>
    </message>
    <message>
        <source>Digipeaters asked to relay each beacon, separated by commas, for example WIDE1-1,WIDE2-1. Each is kept like a callsign: six letters or digits and an SSID of 0 to 15.</source>
        <translation>Digipeater a cui si chiede di ritrasmettere ogni beacon, separati da virgole, per esempio WIDE1-1,WIDE2-1. Ognuno è conservato come un nominativo: sei lettere o cifre e un SSID da 0 a 15.</translation>
    </message>
    <message>
        <source>Status text</source>
        <translation>Testo di stato</translation>
    </message>
    <message>
        <source>Text of the status beacon. The tracker keeps what fits in its 128-byte memory after the other settings; equal texts in both profiles are stored once.</source>
        <translation>Testo del beacon di stato. Il tracker conserva ciò che entra nella sua memoria di 128 byte dopo le altre impostazioni; testi uguali nei due profili sono memorizzati una sola volta.</translation>
    </message>
    <message>
        <source>Delay 1</source>
        <translation>Ritardo 1</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>First delay. Kept in byte times of the packet speed: 6.666 ms steps up to 1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet.</source>
        <translation>Primo ritardo. Conservato in tempi di byte della velocità packet: passi di 6.666 ms fino a 1700 ms, oppure passi di 26.666 ms fino a 6800 ms con Packet a 300 baud.</translation>
    </message>
    <message>
        <source>Delay 2</source>
        <translation>Ritardo 2</translation>
    </message>
    <message>
        <source>Second delay. Kept in byte times of the packet speed: 6.666 ms steps up to 1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet.</source>
        <translation>Secondo ritardo. Conservato in tempi di byte della velocità packet: passi di 6.666 ms fino a 1700 ms, oppure passi di 26.666 ms fino a 6800 ms con Packet a 300 baud.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Mic-E message sent with the position, one of eight. Writing Emergency! asks for confirmation first.</source>
        <translation>Messaggio Mic-E inviato con la posizione, uno di otto. La scrittura di Emergency! chiede prima una conferma.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Mic-E digipeater path, one of sixteen.</source>
        <translation>Percorso digipeater Mic-E, uno di sedici.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>APRS symbol code: the character that picks the map icon. A control character is read back as &apos;-&apos;.</source>
        <translation>Codice del simbolo APRS: il carattere che sceglie l&apos;icona sulla mappa. Un carattere di controllo viene riletto come &apos;-&apos;.</translation>
    </message>
    <message>
        <source>Symbol table</source>
        <translation>Tabella dei simboli</translation>
    </message>
    <message>
        <source>APRS symbol table: / primary, \ alternate, or an overlay character. A control character is read back as /.</source>
        <translation>Tabella dei simboli APRS: / primaria, \ alternativa, oppure un carattere di sovrapposizione. Un carattere di controllo viene riletto come /.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Conteggio</translation>
    </message>
    <message>
        <source>Count parameter. The tracker keeps 0 to 255.</source>
        <translation>Parametro di conteggio. Il tracker conserva da 0 a 255.</translation>
    </message>
    <message>
        <source>Transmit rate</source>
        <translation>Intervallo di trasmissione</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Time between beacons while SmartBeaconing is off; at least 3. The tracker keeps up to 65535.</source>
        <translation>Tempo tra i beacon mentre SmartBeaconing è disattivato; almeno 3. Il tracker conserva fino a 65535.</translation>
    </message>
    <message>
        <source>Second rate</source>
        <translation>Secondo intervallo</translation>
    </message>
    <message>
        <source>Second beacon interval; at least 3. The tracker keeps up to 65535.</source>
        <translation>Secondo intervallo tra i beacon; almeno 3. Il tracker conserva fino a 65535.</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Secondo</translation>
    </message>
    <message>
        <source>Second within the transmit interval at which the beacon goes out. Sent only while the time slot is on; at most the transmit rate.</source>
        <translation>Secondo dell&apos;intervallo di trasmissione in cui parte il beacon. Inviato solo mentre la finestra temporale è attiva; al massimo l&apos;intervallo di trasmissione.</translation>
    </message>
    <message>
        <source>Low speed</source>
        <translation>Velocità bassa</translation>
    </message>
    <message>
        <source>SmartBeaconing: at or below this speed the slow rate applies. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: a questa velocità o sotto vale l&apos;intervallo lento. Il tracker conserva da 0 a 255; inviato solo mentre SmartBeaconing è attivo.</translation>
    </message>
    <message>
        <source>High speed</source>
        <translation>Velocità alta</translation>
    </message>
    <message>
        <source>SmartBeaconing: at or above this speed the fast rate applies. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: a questa velocità o sopra vale l&apos;intervallo veloce. Il tracker conserva da 0 a 255; inviato solo mentre SmartBeaconing è attivo.</translation>
    </message>
    <message>
        <source>Slow rate</source>
        <translation>Intervallo lento</translation>
    </message>
    <message>
        <source>SmartBeaconing: time between beacons at low speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: tempo tra i beacon a bassa velocità. Il tracker conserva da 0 a 65535; inviato solo mentre SmartBeaconing è attivo.</translation>
    </message>
    <message>
        <source>Fast rate</source>
        <translation>Intervallo veloce</translation>
    </message>
    <message>
        <source>SmartBeaconing: time between beacons at high speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: tempo tra i beacon ad alta velocità. Il tracker conserva da 0 a 65535; inviato solo mentre SmartBeaconing è attivo.</translation>
    </message>
    <message>
        <source>Turn angle</source>
        <translation>Angolo di virata</translation>
    </message>
    <message>
        <source>SmartBeaconing: smallest change of heading that counts as a turn. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: minimo cambio di direzione che conta come virata. Il tracker conserva da 0 a 255; inviato solo mentre SmartBeaconing è attivo.</translation>
    </message>
    <message>
        <source>Turn slope</source>
        <translation>Pendenza di virata</translation>
    </message>
    <message>
        <source>SmartBeaconing: makes turns count sooner at low speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: fa contare prima le virate a bassa velocità. Il tracker conserva da 0 a 65535; inviato solo mentre SmartBeaconing è attivo.</translation>
    </message>
    <message>
        <source>Turn time</source>
        <translation>Tempo di virata</translation>
    </message>
    <message>
        <source>SmartBeaconing: least time between beacons sent for turns. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: tempo minimo tra i beacon inviati per le virate. Il tracker conserva da 0 a 255; inviato solo mentre SmartBeaconing è attivo.</translation>
    </message>
    <message>
        <source>Delay 3</source>
        <translation>Ritardo 3</translation>
    </message>
    <message>
        <source>Third delay. Kept in 26.3 ms steps up to 6706 ms; not editable in the window.</source>
        <translation>Terzo ritardo. Conservato in passi di 26.3 ms fino a 6706 ms; non modificabile nella finestra.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Value sent while its Enable box is on. The tracker keeps 0 to 255.</source>
        <translation>Valore inviato mentre la sua casella Abilita è attiva. Il tracker conserva da 0 a 255.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Transmit frequency, 144.000 to 148.000 MHz; anything else becomes 144.390. The tracker keeps it in 5 kHz steps.</source>
        <translation>Frequenza di trasmissione, da 144.000 a 148.000 MHz; qualsiasi altro valore diventa 144.390. Il tracker la conserva in passi di 5 kHz.</translation>
    </message>
    <message>
        <source>Mic-E reports use printable characters only.</source>
        <translation>I rapporti Mic-E usano solo caratteri stampabili.</translation>
    </message>
    <message>
        <source>Beacons only with a valid GPS position. Not editable in the window.</source>
        <translation>Beacon solo con una posizione GPS valida. Non modificabile nella finestra.</translation>
    </message>
    <message>
        <source>Beacons at a fixed second of the transmit interval. Turns SmartBeaconing off.</source>
        <translation>Beacon a un secondo fisso dell&apos;intervallo di trasmissione. Disattiva SmartBeaconing.</translation>
    </message>
    <message>
        <source>Beacons more often at speed and in turns, using the SmartBeaconing settings instead of the transmit rate. Turns the time slot off.</source>
        <translation>Beacon più frequenti in velocità e nelle virate, usando le impostazioni SmartBeaconing al posto dell&apos;intervallo di trasmissione. Disattiva la finestra temporale.</translation>
    </message>
    <message>
        <source>Positions include the altitude.</source>
        <translation>Le posizioni includono l&apos;altitudine.</translation>
    </message>
    <message>
        <source>Positions are sent in the compact Mic-E form. Turns Send NMEA off.</source>
        <translation>Le posizioni vengono inviate nella forma compatta Mic-E. Disattiva Invia NMEA.</translation>
    </message>
    <message>
        <source>Sends the value beside this box.</source>
        <translation>Invia il valore accanto a questa casella.</translation>
    </message>
    <message>
        <source>Positions carry a day, hour and minute time stamp.</source>
        <translation>Le posizioni riportano una marca temporale con giorno, ora e minuto.</translation>
    </message>
    <message>
        <source>The serial port accepts TTL levels.</source>
        <translation>La porta seriale accetta livelli TTL.</translation>
    </message>
    <message>
        <source>Beacons alternate between digipeater paths.</source>
        <translation>I beacon alternano tra i percorsi digipeater.</translation>
    </message>
    <message>
        <source>Inverts the carrier detect input. Not editable in the window.</source>
        <translation>Inverte l&apos;ingresso di rilevamento della portante. Non modificabile nella finestra.</translation>
    </message>
    <message>
        <source>Positions carry an hour, minute and second time stamp.</source>
        <translation>Le posizioni riportano una marca temporale con ora, minuto e secondo.</translation>
    </message>
    <message>
        <source>No transmission while the PTT input is active. Not editable in the window.</source>
        <translation>Nessuna trasmissione mentre l&apos;ingresso PTT è attivo. Non modificabile nella finestra.</translation>
    </message>
    <message>
        <source>Sends the GPS sentences as received. Turns Mic-E and Send Altitude off.</source>
        <translation>Invia le frasi GPS così come ricevute. Disattiva Mic-E e Invia altitudine.</translation>
    </message>
    <message>
        <source>Sends the status text in a packet of its own.</source>
        <translation>Invia il testo di stato in un pacchetto a sé.</translation>
    </message>
    <message>
        <source>Packets at 300 baud with 1600 and 1800 Hz tones instead of 1200 baud.</source>
        <translation>Pacchetti a 300 baud con toni di 1600 e 1800 Hz invece di 1200 baud.</translation>
    </message>
    <message>
        <source>The status text goes out without its leading &apos;&gt;&apos;.</source>
        <translation>Il testo di stato viene inviato senza il &apos;&gt;&apos; iniziale.</translation>
    </message>
    <message>
        <source>The serial output rests high.</source>
        <translation>L&apos;uscita seriale resta a livello alto a riposo.</translation>
    </message>
    <message>
        <source>No beacon when the tracker starts.</source>
        <translation>Nessun beacon all&apos;avvio del tracker.</translation>
    </message>
    <message>
        <source>The GPS receiver talks at 9600 baud instead of 4800.</source>
        <translation>Il ricevitore GPS comunica a 9600 baud invece che a 4800.</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>Il nuovo valore di calibrazione va scritto prima di provare i toni</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Calibrazione non scritta</translation>
    </message>
    <message>
        <source>The settings were changed and have not been written to the tracker or saved to a file. Discard the changes and close?</source>
        <translation>Le impostazioni sono state modificate e non sono state scritte nel tracker né salvate in un file. Scartare le modifiche e chiudere?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifiche non salvate</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the window starts with its defaults and remembers nothing</source>
        <translation>%1 non è un file regolare; la finestra parte con i valori predefiniti e non ricorda nulla</translation>
    </message>
    <message>
        <source>The window&apos;s font could not be loaded from %1, so its captions are drawn in another face and some may be cut off. Installing the program again puts the file back.</source>
        <translation>Non è stato possibile caricare il carattere della finestra da %1, quindi le didascalie sono disegnate con un altro carattere e alcune potrebbero risultare tagliate. Reinstallando il programma il file viene ripristinato.</translation>
    </message>
    <message>
        <source>qz5-config: %1
</source>
        <translation>qz5-config: %1
</translation>
    </message>
    <message>
        <source>Font Missing</source>
        <translation>Carattere mancante</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Fuori servizio</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>In viaggio</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>In servizio</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>Di ritorno</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Impegnato</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Speciale</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>Emergenza!</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>Convenzionale</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>North + WIDE</source>
        <translation>Nord + WIDE</translation>
    </message>
    <message>
        <source>South + WIDE</source>
        <translation>Sud + WIDE</translation>
    </message>
    <message>
        <source>East + WIDE</source>
        <translation>Est + WIDE</translation>
    </message>
    <message>
        <source>West + WIDE</source>
        <translation>Ovest + WIDE</translation>
    </message>
    <message>
        <source>qz5-config: cannot write the output
</source>
        <translation>qz5-config: impossibile scrivere l&apos;output
</translation>
    </message>
    <message>
        <source>qz5-config: no simulated tracker: %1
</source>
        <translation>qz5-config: nessun tracker simulato: %1
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Chi&amp;udi</translation>
    </message>
    <message>
        <source>All &amp;settings</source>
        <translation>Tutte le impo&amp;stazioni</translation>
    </message>
    <message>
        <source>&amp;About Zelbin3Config...</source>
        <translation>Inform&amp;azioni su Zelbin3Config...</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Test Tones</source>
        <translation>Toni di prova</translation>
    </message>
    <message>
        <source>Find Tracker</source>
        <translation>Trova tracker</translation>
    </message>
    <message>
        <source>Zelbin3 Read</source>
        <translation>Lettura Zelbin3</translation>
    </message>
    <message>
        <source>Zelbin3 Version</source>
        <translation>Versione Zelbin3</translation>
    </message>
    <message>
        <source>Zelbin3 Write</source>
        <translation>Scrittura Zelbin3</translation>
    </message>
    <message>
        <source>two reads of them did not agree</source>
        <translation>due letture non hanno dato lo stesso risultato</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>one reason after another</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the tracker did not send them whole</source>
        <translation>il tracker non le ha inviate per intero</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <comment>one reason a line</comment>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>Lettura non riuscita</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Lettura riuscita</translation>
    </message>
    <message>
        <source>You are about to configure your Zelbin with the ability to send an EMERGENCY beacon.  Are you sure you want to do this?</source>
        <translation>Stai per configurare il tuo Zelbin con la possibilità di inviare un beacon di EMERGENZA.  Vuoi davvero farlo?</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Scrittura riuscita</translation>
    </message>
</context>
<context>
    <name>Write</name>
    <message>
        <source>The tracker&apos;s settings could not be kept: %1. Write without keeping them?</source>
        <translation>Non è stato possibile conservare le impostazioni del tracker: %1. Scrivere senza conservarle?</translation>
    </message>
    <message>
        <source>The tracker already held these settings.
The earlier settings are kept: History, entry %1.</source>
        <translation>Il tracker conteneva già queste impostazioni.
Le impostazioni precedenti sono conservate: Cronologia, voce %1.</translation>
    </message>
    <message>
        <source>The tracker already held these settings.
The earlier settings are kept in the History.</source>
        <translation>Il tracker conteneva già queste impostazioni.
Le impostazioni precedenti sono conservate nella Cronologia.</translation>
    </message>
    <message>
        <source>Changed on the tracker:
%1The earlier settings are kept: History, entry %2.</source>
        <translation>Modificato sul tracker:
%1Le impostazioni precedenti sono conservate: Cronologia, voce %2.</translation>
    </message>
    <message>
        <source>Changed on the tracker:
%1The earlier settings are kept in the History.</source>
        <translation>Modificato sul tracker:
%1Le impostazioni precedenti sono conservate nella Cronologia.</translation>
    </message>
    <message numerus="yes">
        <source>Changed on the tracker:
%1and %n more
The earlier settings are kept: History, entry %2.</source>
        <translation>
            <numerusform>Modificato sul tracker:
%1e %n altra
Le impostazioni precedenti sono conservate: Cronologia, voce %2.</numerusform>
            <numerusform>Modificato sul tracker:
%1e altre %n
Le impostazioni precedenti sono conservate: Cronologia, voce %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Changed on the tracker:
%1and %n more
The earlier settings are kept in the History.</source>
        <translation>
            <numerusform>Modificato sul tracker:
%1e %n altra
Le impostazioni precedenti sono conservate nella Cronologia.</numerusform>
            <numerusform>Modificato sul tracker:
%1e altre %n
Le impostazioni precedenti sono conservate nella Cronologia.</numerusform>
        </translation>
    </message>
    <message>
        <source>The tracker&apos;s settings from before this write were not read, so they are kept nowhere. &quot;Keep Settings Before Writing&quot; on the window menu keeps them next time.</source>
        <translation>Le impostazioni del tracker precedenti a questa scrittura non sono state lette, quindi non sono conservate da nessuna parte. &quot;Conserva le impostazioni prima di scrivere&quot; nel menu della finestra le conserverà la prossima volta.</translation>
    </message>
    <message>
        <source>The tracker&apos;s settings from before this write could not be kept.</source>
        <translation>Non è stato possibile conservare le impostazioni del tracker precedenti a questa scrittura.</translation>
    </message>
</context>
</TS>
