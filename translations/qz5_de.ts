<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Advice</name>
    <message>
        <source>Check that the tracker is switched on and that its cable is in this port. If it may be on another port, choose that one, or let Find Tracker on the window menu ask each port.</source>
        <translation>Prüfen Sie, ob der Tracker eingeschaltet ist und sein Kabel an diesem Port steckt. Falls er an einem anderen Port hängen könnte, wählen Sie diesen, oder lassen Sie „Tracker suchen“ im Fenstermenü jeden Port abfragen.</translation>
    </message>
    <message>
        <source>Check that the tracker is switched on and that its cable is in this port. &apos;qz5cfg ports&apos; lists the ports; &apos;qz5cfg ports --find&apos; asks each one for the tracker.</source>
        <translation>Prüfen Sie, ob der Tracker eingeschaltet ist und sein Kabel an diesem Port steckt. &apos;qz5cfg ports&apos; listet die Ports auf; &apos;qz5cfg ports --find&apos; fragt jeden davon nach dem Tracker.</translation>
    </message>
    <message>
        <source>Write the configuration again.</source>
        <translation>Schreiben Sie die Konfiguration erneut.</translation>
    </message>
    <message>
        <source>Write the configuration again. The tracker&apos;s settings from before this write are in the history as number %1: History on the window menu shows them.</source>
        <translation>Schreiben Sie die Konfiguration erneut. Die Einstellungen des Trackers von vor diesem Schreibvorgang liegen im Verlauf als Nummer %1: „Verlauf“ im Fenstermenü zeigt sie an.</translation>
    </message>
    <message>
        <source>Write the configuration again. The tracker&apos;s settings from before this write are in the history: &apos;qz5cfg history&apos; lists them, &apos;qz5cfg history show %1&apos; prints them.</source>
        <translation>Schreiben Sie die Konfiguration erneut. Die Einstellungen des Trackers von vor diesem Schreibvorgang liegen im Verlauf: &apos;qz5cfg history&apos; listet sie auf, &apos;qz5cfg history show %1&apos; gibt sie aus.</translation>
    </message>
    <message>
        <source>Another program holds this port: close it and try again, or choose another port.</source>
        <translation>Ein anderes Programm belegt diesen Port: Schließen Sie es und versuchen Sie es erneut, oder wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>The system does not let you open this port: the reason given with &quot;Could not aquire Com Port&quot; says what gives you the right to use it.</source>
        <translation>Das System lässt Sie diesen Port nicht öffnen: Der Grund, der mit „COM-Port konnte nicht belegt werden“ angegeben wird, nennt, was Ihnen das Recht gibt, ihn zu benutzen.</translation>
    </message>
    <message>
        <source>The device is not there: plug the adapter in again, or choose a port from the list.</source>
        <translation>Das Gerät ist nicht vorhanden: Stecken Sie den Adapter erneut ein, oder wählen Sie einen Port aus der Liste.</translation>
    </message>
    <message>
        <source>The device is not there: plug the adapter in again, or choose a port that &apos;qz5cfg ports&apos; lists.</source>
        <translation>Das Gerät ist nicht vorhanden: Stecken Sie den Adapter erneut ein, oder wählen Sie einen Port, den &apos;qz5cfg ports&apos; auflistet.</translation>
    </message>
    <message>
        <source>Unplug the adapter, plug it in again, and try again.</source>
        <translation>Ziehen Sie den Adapter ab, stecken Sie ihn wieder ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Check the cable and that the tracker is switched on, then try again.</source>
        <translation>Prüfen Sie das Kabel und ob der Tracker eingeschaltet ist, und versuchen Sie es dann erneut.</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>enter your own</source>
        <translation>eigenes eintragen</translation>
    </message>
    <message>
        <source>enter one</source>
        <translation>eines eintragen</translation>
    </message>
    <message>
        <source>enter it as sent</source>
        <translation>so eintragen, wie es gesendet wird</translation>
    </message>
    <message>
        <source>shorten it</source>
        <translation>kürzen</translation>
    </message>
    <message>
        <source>remove the empty hop</source>
        <translation>leeren Hop entfernen</translation>
    </message>
    <message>
        <source>ask for two hops</source>
        <translation>zwei Hops anfordern</translation>
    </message>
    <message>
        <source>replace the retired alias</source>
        <translation>veralteten Alias ersetzen</translation>
    </message>
    <message>
        <source>use WIDE2-2 at most</source>
        <translation>höchstens WIDE2-2 verwenden</translation>
    </message>
    <message>
        <source>put WIDE1-1 first</source>
        <translation>WIDE1-1 an den Anfang setzen</translation>
    </message>
    <message>
        <source>lower the SSID</source>
        <translation>SSID verringern</translation>
    </message>
    <message>
        <source>remove the used-up hop</source>
        <translation>verbrauchten Hop entfernen</translation>
    </message>
    <message>
        <source>remove the internet alias</source>
        <translation>Internet-Alias entfernen</translation>
    </message>
    <message>
        <source>beacon less often</source>
        <translation>seltener baken</translation>
    </message>
    <message>
        <source>keep it below the slow rate</source>
        <translation>unter dem langsamen Intervall halten</translation>
    </message>
    <message>
        <source>keep it above the low speed</source>
        <translation>über der niedrigen Geschwindigkeit halten</translation>
    </message>
    <message>
        <source>turn it or SmartBeaconing off</source>
        <translation>das Zeitfenster oder SmartBeaconing ausschalten</translation>
    </message>
    <message>
        <source>keep it within the rate</source>
        <translation>innerhalb des Intervalls halten</translation>
    </message>
    <message>
        <source>use plain ASCII</source>
        <translation>reines ASCII verwenden</translation>
    </message>
    <message>
        <source>use the 2 m band</source>
        <translation>das 2-m-Band verwenden</translation>
    </message>
    <message>
        <source>keep to 146 MHz at most</source>
        <translation>höchstens 146 MHz verwenden</translation>
    </message>
    <message>
        <source>use your APRS channel</source>
        <translation>Ihren APRS-Kanal verwenden</translation>
    </message>
    <message>
        <source>set your APRS channel</source>
        <translation>Ihren APRS-Kanal einstellen</translation>
    </message>
    <message>
        <source>choose another</source>
        <translation>ein anderes wählen</translation>
    </message>
    <message>
        <source>choose one a map can draw</source>
        <translation>eines wählen, das eine Karte darstellen kann</translation>
    </message>
    <message>
        <source>enter a value it keeps</source>
        <translation>einen Wert eintragen, den er speichert</translation>
    </message>
    <message>
        <source>Beacon every %1 or slower instead of every %2: one minute is for special events, two or more for routine use.</source>
        <translation>Senden Sie eine Bake alle %1 oder seltener statt alle %2: Eine Minute ist für Sonderveranstaltungen gedacht, zwei oder mehr für den normalen Betrieb.</translation>
    </message>
    <message>
        <source>Make the fast rate shorter than the slow rate (now %1 and %2), or faster driving would beacon less often.</source>
        <translation>Machen Sie das schnelle Intervall kürzer als das langsame (derzeit %1 und %2), sonst würden bei schnellerer Fahrt seltener Baken gesendet.</translation>
    </message>
    <message>
        <source>Make the high speed greater than the low speed (now %1 and %2).</source>
        <translation>Machen Sie die hohe Geschwindigkeit größer als die niedrige (derzeit %1 und %2).</translation>
    </message>
    <message>
        <source>Turn off either the time slot or SmartBeaconing: the tracker keeps the slot in SmartBeaconing&apos;s settings.</source>
        <translation>Schalten Sie entweder das Zeitfenster oder SmartBeaconing aus: Der Tracker speichert das Zeitfenster in den Einstellungen von SmartBeaconing.</translation>
    </message>
    <message>
        <source>Set the time slot to at most the transmit rate, %1: a slot at %2 never comes.</source>
        <translation>Legen Sie das Zeitfenster auf höchstens das Sendeintervall, %1, fest: Ein Zeitfenster bei %2 kommt nie.</translation>
    </message>
    <message>
        <source>Choose another Mic-E message unless this is a real emergency: Emergency! sets off alarms at every station that hears it.</source>
        <translation>Wählen Sie eine andere Mic-E-Meldung, sofern es sich nicht um einen echten Notfall handelt: Emergency! löst bei jeder Station, die es hört, Alarm aus.</translation>
    </message>
    <message>
        <source>Enter the station&apos;s callsign: the tracker would send a blank one.</source>
        <translation>Tragen Sie das Rufzeichen der Station ein: Der Tracker würde ein leeres senden.</translation>
    </message>
    <message>
        <source>Enter your own callsign: APRS-IS servers refuse %1.</source>
        <translation>Tragen Sie Ihr eigenes Rufzeichen ein: APRS-IS-Server weisen %1 ab.</translation>
    </message>
    <message>
        <source>Enter the callsign as %1, which is what the tracker will send: it keeps at most six letters or digits and an SSID from 0 to 15.</source>
        <translation>Tragen Sie das Rufzeichen als %1 ein, so wie der Tracker es senden wird: Er speichert höchstens sechs Buchstaben oder Ziffern und eine SSID von 0 bis 15.</translation>
    </message>
    <message>
        <source>Set a frequency in the 2 m band, %1 to %2.</source>
        <translation>Stellen Sie eine Frequenz im 2-m-Band ein, %1 bis %2.</translation>
    </message>
    <message>
        <source>Set your APRS channel before the tracker goes into service: %1 is for testing.</source>
        <translation>Stellen Sie Ihren APRS-Kanal ein, bevor der Tracker in Betrieb geht: %1 ist für Tests gedacht.</translation>
    </message>
    <message>
        <source>If you operate in %1, set a frequency of at most %2: the 2 m band of ITU Region 1 ends there.</source>
        <translation>Wenn Sie in %1 funken, stellen Sie eine Frequenz von höchstens %2 ein: Dort endet das 2-m-Band der ITU-Region 1.</translation>
    </message>
    <message>
        <source>If you operate in %1, set its APRS channel, %2.</source>
        <translation>Wenn Sie in %1 funken, stellen Sie den dortigen APRS-Kanal ein, %2.</translation>
    </message>
    <message>
        <source>Enter a value the tracker can hold: %1 would be sent as %2.</source>
        <translation>Tragen Sie einen Wert ein, den der Tracker speichern kann: %1 würde als %2 gesendet.</translation>
    </message>
    <message>
        <source>Shorten the path: the tracker keeps only &quot;%1&quot;.</source>
        <translation>Kürzen Sie den Pfad: Der Tracker speichert nur „%1“.</translation>
    </message>
    <message>
        <source>Remove the empty element from the path: the tracker would send a blank digipeater address.</source>
        <translation>Entfernen Sie das leere Element aus dem Pfad: Der Tracker würde eine leere Digipeater-Adresse senden.</translation>
    </message>
    <message>
        <source>Remove %1 from the path: it marks packets from the internet and must never go out on the air.</source>
        <translation>Entfernen Sie %1 aus dem Pfad: Es kennzeichnet Pakete aus dem Internet und darf nie über Funk ausgesendet werden.</translation>
    </message>
    <message>
        <source>Replace %1 with WIDE1-1 or WIDE2-n: digipeaters no longer service this alias.</source>
        <translation>Ersetzen Sie %1 durch WIDE1-1 oder WIDE2-n: Digipeater bedienen diesen Alias nicht mehr.</translation>
    </message>
    <message>
        <source>Use WIDE2-2 at most instead of %1: digipeaters limit WIDEn-N to n of 2.</source>
        <translation>Verwenden Sie höchstens WIDE2-2 statt %1: Digipeater begrenzen bei WIDEn-N das n auf 2.</translation>
    </message>
    <message>
        <source>Put WIDE1-1 first in the path or leave it out: it asks for a fill-in digipeater&apos;s first hop only.</source>
        <translation>Setzen Sie WIDE1-1 an den Anfang des Pfads oder lassen Sie es weg: Es fordert nur den ersten Hop über einen Fill-in-Digipeater an.</translation>
    </message>
    <message>
        <source>Use %1 rather than %2: N above n is not serviced.</source>
        <translation>Verwenden Sie %1 statt %2: N größer als n wird nicht bedient.</translation>
    </message>
    <message>
        <source>Remove %1 from the path: a hop with SSID 0 is used up and asks for nothing.</source>
        <translation>Entfernen Sie %1 aus dem Pfad: Ein Hop mit SSID 0 ist verbraucht und fordert nichts an.</translation>
    </message>
    <message>
        <source>Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks for %1, which floods the network.</source>
        <translation>Fordern Sie zwei Hops an, wie WIDE1-1,WIDE2-1 es tut: Dieser Pfad fordert %1 an, was das Netz überflutet.</translation>
    </message>
    <message>
        <source>Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks for %1, which suits only an area with few digipeaters.</source>
        <translation>Fordern Sie zwei Hops an, wie WIDE1-1,WIDE2-1 es tut: Dieser Pfad fordert %1 an, was nur in einer Gegend mit wenigen Digipeatern passt.</translation>
    </message>
    <message>
        <source>no callsign-prefix list: %1</source>
        <translation>keine Rufzeichenpräfix-Liste: %1</translation>
    </message>
    <message>
        <source>no callsign-prefix list: %1 holds no country that can be read</source>
        <translation>keine Rufzeichenpräfix-Liste: %1 enthält kein lesbares Land</translation>
    </message>
    <message>
        <source>the callsign-prefix list %1 was read only in part: line %2 cannot be read and was left out</source>
        <translation>die Rufzeichenpräfix-Liste %1 wurde nur teilweise gelesen: Zeile %2 ist nicht lesbar und wurde ausgelassen</translation>
    </message>
    <message numerus="yes">
        <source>Shorten the status text, use fewer digipeaters or share settings between the profiles: the tracker keeps only its first %n characters.</source>
        <translation>
            <numerusform>Kürzen Sie den Statustext, verwenden Sie weniger Digipeater oder nutzen Sie Einstellungen in beiden Profilen gemeinsam: Der Tracker speichert nur %n Zeichen vom Anfang.</numerusform>
            <numerusform>Kürzen Sie den Statustext, verwenden Sie weniger Digipeater oder nutzen Sie Einstellungen in beiden Profilen gemeinsam: Der Tracker speichert nur die ersten %n Zeichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Shorten the Primary profile&apos;s status text, use fewer digipeaters or share settings between the profiles: the Primary profile&apos;s status text leaves no room for this one.</source>
        <translation>Kürzen Sie den Statustext des Primärprofils, verwenden Sie weniger Digipeater oder nutzen Sie Einstellungen in beiden Profilen gemeinsam: Der Statustext des Primärprofils lässt für diesen keinen Platz.</translation>
    </message>
    <message>
        <source>Use fewer digipeaters or share settings between the profiles: no room is left for the status text.</source>
        <translation>Verwenden Sie weniger Digipeater oder nutzen Sie Einstellungen in beiden Profilen gemeinsam: Für den Statustext bleibt kein Platz.</translation>
    </message>
    <message>
        <source>Remove %1 from the status text: APRS keeps status texts to printable ASCII other than | and ~.</source>
        <translation>Entfernen Sie %1 aus dem Statustext: APRS beschränkt Statustexte auf druckbares ASCII außer | und ~.</translation>
    </message>
    <message>
        <source>Set the symbol table to /, \ or an overlay character 0-9 or A-Z: with %1 maps may show a placeholder (symbol list %2).</source>
        <translation>Stellen Sie die Symboltabelle auf /, \ oder ein Overlay-Zeichen 0-9 oder A-Z: Mit %1 zeigen Karten womöglich einen Platzhalter (Symbolliste %2).</translation>
    </message>
    <message>
        <source>Set the symbol table to /, \ or an overlay character 0-9 or A-Z: with %1 maps may show a placeholder.</source>
        <translation>Stellen Sie die Symboltabelle auf /, \ oder ein Overlay-Zeichen 0-9 oder A-Z: Mit %1 zeigen Karten womöglich einen Platzhalter.</translation>
    </message>
    <message>
        <source>Choose a symbol the list has a picture for: maps may show a placeholder for %1 on the %2 (symbol list %3).</source>
        <translation>Wählen Sie ein Symbol, für das die Liste ein Bild hat: Karten zeigen für %1 (%2) womöglich einen Platzhalter (Symbolliste %3).</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
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
        <translation>Die Befehle im Einzelnen:
  show FILE              liest FILE so, wie „Laden“ im Fenster es tut, und gibt
                         den Datensatz (die Vorgaben, dann das Abbild der
                         Datei) als JSON aus; ein JSON-Datensatz (FILE endet
                         auf .json) wird so gezeigt, wie eine
                         Konfigurationsdatei ihn enthielte
  build JSON_FILE OUT    wendet den JSON-Datensatz auf die Vorgaben an und
                         speichert ihn so, wie „Speichern“ im Fenster es tut
                         (136 Bytes: &quot;ZB3A&quot;, 128, das Abbild); ein gekürzter
                         Statustext wird gemeldet und die Datei trotzdem
                         geschrieben. --strict prüft den Datensatz zuerst und
                         speichert nichts, wenn ein Befund ein Fehler ist
                         (Exit-Status 1)
  version --port P       gibt die Versionsantwort des Trackers aus
  read --port P OUT      liest das Abbild zweimal, verlangt 128 gleiche Bytes,
                         die sich dekodieren lassen, und speichert genau die
                         Bytes des Trackers in OUT
  read --port P --json   oder gibt den dekodierten Datensatz als JSON aus
  write --port P IN      IN ist eine Konfigurationsdatei, deren Abbild genau so
                         gesendet wird, wie es ist, oder ein JSON-Datensatz,
                         wenn der Name auf .json endet, der kodiert wird; das
                         Abbild wird geschrieben und zur Kontrolle
                         zurückgelesen. Ein Profil, dessen micEStatus 7
                         (Emergency!) ist, oder ein Wert, dessen niederwertiges
                         Byte 7 ist, wird abgewiesen, mit der Frage des
                         Fensters als Grund, sofern nicht --emergency-ok
                         angegeben ist. Vor dem Senden wird das aktuelle Abbild
                         des Trackers in den Verlauf gelesen (etwa zwei
                         Sekunden); schlägt dieses Lesen fehl, wird nichts
                         geschrieben. --no-backup überspringt es. --strict
                         sendet nichts, wenn ein Befund der Prüfung ein Fehler
                         ist (Exit-Status 1). Nach dem Schreiben wird jede
                         Einstellung, die der Schreibvorgang am Tracker
                         geändert hat, auf stdout ausgegeben, so wie --dry-run
                         sie ausgibt (nichts bei --no-backup).
  diff A B               vergleicht die Einstellungen von A und B, jeweils eine
                         Konfigurationsdatei, ein JSON-Datensatz (so, wie er
                         geschrieben würde) oder tracker:PORT (vom Tracker
                         gelesen), und gibt jedes abweichende Feld unter seinem
                         JSON-Namen aus: &quot;profiles[1].statusText: &quot;a&quot; -&gt; &quot;b&quot;&quot;;
                         die Zeile eines Symbols nennt zusätzlich die Namen der
                         Symbolliste für beide Seiten. Wenn sich nur die Bytes
                         der Abbilder unterscheiden, sagt es das in einer
                         Zeile.
  history                listet die im Verlauf aufbewahrten Abbilder auf, das
                         zuletzt gespeicherte zuerst: Zeit (UTC), Richtung,
                         Port, Version, Datei. --json gibt ein JSON-Array aus:
                         sequence, time, kind, port, version, callsigns und
                         file (eine Datei, die sich nicht lesen lässt, hat
                         &quot;problem&quot; anstelle von callsigns)
  history show N         gibt den Datensatz des Abbilds, dessen Name mit der
                         laufenden Nummer N beginnt, als JSON aus, wie show es
                         tut; write --port P FILE spielt ihn zurück auf einen
                         Tracker. Wenn mehr als ein Name mit N beginnt, nennt
                         es alle (Exit-Status 2)
  check SOURCE           prüft eine Konfigurationsdatei, einen JSON-Datensatz
                         oder tracker:PORT gegen die APRS-Praxis und gegen das,
                         was der Tracker speichert, und gibt eine Zeile pro
                         Befund aus, den schwersten zuerst: &quot;severity  rule
                         field  message&quot; (error: es kann nicht funktionieren
                         oder schadet dem Netz; warning: es verstößt gegen die
                         Praxis; note: gut zu wissen). Eine Symboltabelle, die
                         nicht /, \ oder ein Overlay-Zeichen ist, oder ein
                         Symbol, für das die Symbolliste kein Bild hat, ist
                         eine Warnung, die die Liste nennt. --json gibt sie als
                         JSON-Array aus; --ignore RULE lässt eine Regel aus.
                         write gibt dieselben Befunde vor dem Senden auf stderr
                         aus und schreibt trotzdem, sofern nicht --strict
                         angegeben ist.
  --set FIELD=VALUE      (show, build, write; wiederholbar) setzt ein Feld über
                         seinen JSON-Namen, &quot;calibration&quot; oder
                         &quot;profiles[N].NAME&quot;, getrennt am ersten &apos;=&apos;; ein Text
                         wird so genommen, wie er ist, andere Werte als JSON
                         (true, 5, 144.8). Der Datensatz wird dann so kodiert,
                         wie „Konfiguration schreiben“ im Fenster es tut,
                         sodass jede andere Einstellung bleibt, wie sie war.
                         activeProfile, calibrationChanged, slotDivides60/600
                         und symbolName können nicht gesetzt werden.
  --preset N=NAME        (build, write, timing; wiederholbar) setzt
                         SmartBeaconing von Profil N (1 Primär, 2 Sekundär) auf
                         eine Voreinstellung NAME, in beliebiger
                         Groß-/Kleinschreibung, und schaltet SmartBeaconing
                         ein, das Zeitfenster und den gesendeten Wert aus, wie
                         es das Feld im Fenster tut; wird vor jedem --set
                         angewendet. Die Voreinstellungen sind unten
                         aufgeführt.
  timing FILE            gibt aus, wann der Tracker seine Baken sendet, für
                         jedes Profil einer Konfigurationsdatei oder eines
                         JSON-Datensatzes (ohne FILE die Vorgaben), für die von
                         --preset gesetzten oder für --profile N (0 Primär, 1
                         Sekundär): bei ausgeschaltetem SmartBeaconing das
                         Sendeintervall (in seinem Zeitfenster, wenn eines
                         eingeschaltet ist); bei eingeschaltetem eine Reihe von
                         Geschwindigkeiten vom Stillstand bis über die hohe
                         Geschwindigkeit, jeweils mit Intervall, Baken pro
                         Stunde und Kurvenschwelle, nach den veröffentlichten
                         SmartBeaconing-Regeln (bei oder unter der niedrigen
                         Geschwindigkeit das langsame Intervall und keine
                         Kurvenbaken, bei oder über der hohen Geschwindigkeit
                         das schnelle Intervall, dazwischen schnelles Intervall
                         x hohe Geschwindigkeit / Geschwindigkeit; Kurvenwinkel
                         + Kurvensteigung / Geschwindigkeit, nicht früher als
                         die Kurvenzeit). Sekunden und Grad werden gerundet,
                         Hälften aufwärts; Geschwindigkeiten sind in der
                         eigenen Einheit des Trackers. Ein Befund der Prüfung
                         zu SmartBeaconing-Geschwindigkeiten oder -Intervallen
                         wird anstelle der Zeilen gezeigt. --json gibt ein
                         Array mit einem Objekt pro Profil aus.
  write --dry-run        liest das Abbild des Trackers als Sicherung in den
                         Verlauf, gibt auf stdout jede Einstellung aus, die der
                         Schreibvorgang ändern würde (wie diff), und die
                         Befunde auf stderr, und sendet nichts. Exit-Status: 0
                         nichts würde sich ändern, 1 etwas würde sich ändern, 2
                         Störung.
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
Verlauf: Jedes Abbild, das von einem Tracker gelesen oder auf ihn
geschrieben wird (durch qz5cfg oder das Fenster), wird als
Konfigurationsdatei in $XDG_STATE_HOME/qz5-config/history aufbewahrt
(standardmäßig ~/.local/state/qz5-config/history); die 1000 zuletzt
gespeicherten bleiben erhalten, in der Reihenfolge der laufenden Nummer, mit
der jeder Name beginnt, gleich was die Uhr sagt. Die Ordner ab dem
Statusverzeichnis abwärts müssen Ihnen gehören und für andere Schreiber
gesperrt sein. Kann ein Abbild nicht gespeichert werden, geht eine Warnung
an stderr und der Befehl läuft weiter; ein Schreibvorgang, dessen Sicherung
nicht aufbewahrt werden kann, sendet jedoch nichts (--no-backup schreibt
ohne sie).

Mitschnitt: --trace FILE (vor oder nach dem Befehl) schreibt jedes Öffnen,
Schließen, jeden Wechsel der Baudrate und jedes Byte auf der Leitung mit, in
Sekunden seit dem Start mit Millisekundenauflösung, &quot;tx&quot; an den Tracker
gesendet und &quot;rx&quot; von ihm empfangen. Die Datei wird geöffnet, wenn ein
Befehl zum ersten Mal mit einem Tracker spricht; sie muss eine reguläre
Datei sein (kein Terminal, keine Pipe, kein Gerät), und eine von ihm
angelegte Datei ist nur für Sie lesbar. Ein Mitschnitt, der nicht
geschrieben werden kann, wird nach dem Austausch gemeldet.

Meldungen gehen an stderr als &quot;Titel: Text&quot; (nur der Text, wenn sie keinen
Titel haben). Die Versionsantwort und JSON-Datensätze gehen an stdout. Ein
erfolgreiches Lesen oder Schreiben meldet &quot;Zelbin3 – Lesen: Lesen
erfolgreich&quot; oder &quot;Zelbin3 – Schreiben: Schreiben erfolgreich&quot; auf stderr.
Wenn stderr ein Terminal ist, zeigen version, read und write dort auch ihre
Schritte (&quot;Konfiguration wird geschrieben: 64 von 132 Bytes&quot;) in einer
Zeile, die an Ort und Stelle überschrieben und am Ende gelöscht wird;
--quiet schaltet das ab.

Exit-Status:
  0  erledigt
  1  der Datei- oder Gerätevorgang ist fehlgeschlagen (seine Meldung sagt,
     welcher), eine JSON-Datei konnte nicht gelesen werden, oder die
     Mitschnittdatei kann nicht geschrieben werden
  2  Aufruffehler, ungültiger JSON-Datensatz, eine Eingabe, die keine
     reguläre Datei ist (ein Ordner, ein FIFO, ein Gerät), ein Schreiben
     eines Mic-E-Status Emergency ohne --emergency-ok (an den Tracker wird
     nichts gesendet), oder ein history show N, dessen Nummer mehr als ein
     Abbild trägt
  diff folgt stattdessen diff(1): 0 die Einstellungen sind gleich, 1 sie
  unterscheiden sich, 2 Störung (eine Seite konnte nicht gelesen werden,
  oder ein Aufruffehler)
  check: 0 keine Warnung und kein Fehler, 1 mindestens eines davon, 2
  Störung (eine unbekannte Regel für --ignore, eine Quelle, die nicht
  gelesen werden konnte)
  write --dry-run: 0 nichts würde sich ändern, 1 etwas würde sich ändern, 2
  Störung
  Ein --set, das kein setzbares Feld nennt oder einen Wert vom falschen Typ
  angibt, endet mit 2, und es wird nichts geschrieben.

Rufzeichenpräfixe: check nennt das Land eines Rufzeichens anhand der Liste,
die Logbuchprogramme von Funkamateuren verwenden, cty.dat
(/usr/share/hamradio-files/cty.dat, oder unter Windows neben dem Programm;
QZ5_PREFIX_LIST nennt eine andere Datei). Ohne sie hängt kein Befund vom
Land ab.

Symbole: show, diff und check benennen ein Symbol anhand der Liste der
Symbolbilder aus den Daten eines APRS-Clients
(/usr/share/xastir/symbols/symbols.dat aus xastir-data, oder unter Windows
neben dem Programm; QZ5_SYMBOLS nennt eine andere Datei). Ohne sie sind die
Namen null, und eine Zeile auf stderr sagt das einmal.

JSON-Form (show und read --json geben sie aus; build und write nehmen sie an):
  {
    &quot;activeProfile&quot;: 0,            0 oder 1
    &quot;calibration&quot;: 128,
    &quot;calibrationChanged&quot;: false,
    &quot;profiles&quot;: [ {Primär}, {Sekundär} ]
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
        <translation>  Ganzzahlen sind JSON-Ganzzahlen (32 Bit mit Vorzeichen); Schalter sind
  true oder false. Texte sind Zeichenketten, in denen jedes Zeichen
  U+0000..U+00FF für ein Byte steht: callsign bis 19 Zeichen, digiPath bis
  99, statusText bis 199. symbolCode und symbolTable sind Zeichenketten aus
  einem Zeichen (&quot;&quot; für ein Nullbyte). symbolName, nach symbolTable
  ausgegeben, ist der Name des Symbols in der Symbolliste oder null; er ist
  für Menschen gedacht: build und write übergehen ihn. frequencyMHz ist eine
  Zahl in MHz (höchstens 10000000 beiderseits von 0), ausgegeben als
  kürzeste Dezimalzahl, die denselben 32-Bit-Gleitkommawert ergibt (144.39).
  Für build und write ist jedes Feld optional: Fehlende Felder behalten die
  Vorgaben, und &quot;profiles&quot; darf weniger als zwei Objekte enthalten, jedes
  davon unvollständig. Ein unbekanntes Feld, ein falscher Typ, eine Ganzzahl
  außerhalb des 32-Bit-Bereichs, ein für sein Feld zu langer Text oder ein
  Symbol aus mehr als einem Zeichen ist ein Fehler, der das Feld nennt; ein
  in einem Objekt doppelt angegebener Schlüssel ist ein Fehler, der den
  Schlüssel und sein Objekt nennt. Ausgegebenes JSON schreibt die
  Steuerzeichen U+0080..U+009F als Escapes \u0080..\u009f.
</translation>
    </message>
    <message>
        <source>--ignore %1: no such rule; &apos;qz5cfg check --help&apos; lists them</source>
        <translation>--ignore %1: keine solche Regel; &apos;qz5cfg check --help&apos; listet sie auf</translation>
    </message>
    <message>
        <source>Check a configuration file, JSON record or tracker:PORT against APRS practice and what the tracker keeps. Exit status: 0 nothing above a note, 1 a warning or an error, 2 trouble.</source>
        <translation>Prüft eine Konfigurationsdatei, einen JSON-Datensatz oder tracker:PORT gegen die APRS-Praxis und das, was der Tracker speichert. Exit-Status: 0 nichts über einem Hinweis, 1 eine Warnung oder ein Fehler, 2 Störung.</translation>
    </message>
    <message>
        <source>file, JSON record or tracker:PORT</source>
        <translation>Datei, JSON-Datensatz oder tracker:PORT</translation>
    </message>
    <message>
        <source>print the findings as a JSON array</source>
        <translation>die Befunde als JSON-Array ausgeben</translation>
    </message>
    <message>
        <source>leave out the findings of this rule (repeatable)</source>
        <translation>die Befunde dieser Regel auslassen (wiederholbar)</translation>
    </message>
    <message>
        <source>Run &apos;qz5cfg --help&apos; for ports, messages, exit statuses and the JSON form.</source>
        <translation>Rufen Sie &apos;qz5cfg --help&apos; auf für Ports, Meldungen, Exit-Status und die JSON-Form.</translation>
    </message>
    <message>
        <source>set a field by its JSON name, e.g. profiles[0].callsign=MYCALL-7 (repeatable)</source>
        <translation>ein Feld über seinen JSON-Namen setzen, z. B. profiles[0].callsign=MYCALL-7 (wiederholbar)</translation>
    </message>
    <message>
        <source>set profile N&apos;s (1 Primary, 2 Secondary) SmartBeaconing to a preset and turn it on, before any --set: %1 (repeatable)</source>
        <translation>SmartBeaconing von Profil N (1 Primär, 2 Sekundär) vor jedem --set auf eine Voreinstellung setzen und einschalten: %1 (wiederholbar)</translation>
    </message>
    <message>
        <source>nothing written: --strict and the check found an error</source>
        <translation>nichts geschrieben: --strict, und die Prüfung hat einen Fehler gefunden</translation>
    </message>
    <message>
        <source>nothing written: the tracker&apos;s current configuration could not be read into the history first; give --no-backup to write without that copy</source>
        <translation>nichts geschrieben: die aktuelle Konfiguration des Trackers konnte nicht zuerst in den Verlauf gelesen werden; geben Sie --no-backup an, um ohne diese Kopie zu schreiben</translation>
    </message>
    <message>
        <source>nothing written: the tracker&apos;s current configuration could not be kept in the history (%1); give --no-backup to write without that copy</source>
        <translation>nichts geschrieben: die aktuelle Konfiguration des Trackers konnte nicht im Verlauf aufbewahrt werden (%1); geben Sie --no-backup an, um ohne diese Kopie zu schreiben</translation>
    </message>
    <message>
        <source>nothing written; give --emergency-ok to write an Emergency status</source>
        <translation>nichts geschrieben; geben Sie --emergency-ok an, um einen Emergency-Status zu schreiben</translation>
    </message>
    <message>
        <source>the tracker&apos;s current configuration could not be kept in the history (%1); a write would be refused</source>
        <translation>die aktuelle Konfiguration des Trackers konnte nicht im Verlauf aufbewahrt werden (%1); ein Schreibvorgang würde abgewiesen</translation>
    </message>
    <message>
        <source>COM1..COM255, a device path, or auto to look for the tracker on every free port</source>
        <translation>COM1..COM255, ein Gerätepfad oder auto, um an jedem freien Port nach dem Tracker zu suchen</translation>
    </message>
    <message>
        <source>no progress line on a terminal (there is none in a pipe)</source>
        <translation>keine Fortschrittszeile auf einem Terminal (in einer Pipe gibt es keine)</translation>
    </message>
    <message>
        <source>Print the tracker&apos;s version reply.</source>
        <translation>Die Versionsantwort des Trackers ausgeben.</translation>
    </message>
    <message>
        <source>Read the tracker&apos;s configuration and save it to OUT (or print it with --json).</source>
        <translation>Die Konfiguration des Trackers lesen und in OUT speichern (oder mit --json ausgeben).</translation>
    </message>
    <message>
        <source>read: give OUT or --json</source>
        <translation>read: OUT oder --json angeben</translation>
    </message>
    <message>
        <source>configuration file to write</source>
        <translation>zu schreibende Konfigurationsdatei</translation>
    </message>
    <message>
        <source>print the record as JSON instead of saving it</source>
        <translation>den Datensatz als JSON ausgeben, statt ihn zu speichern</translation>
    </message>
    <message>
        <source>Write a configuration file, or a JSON record (IN ending in .json), into the tracker and verify it by reading it back.</source>
        <translation>Eine Konfigurationsdatei oder einen JSON-Datensatz (IN endet auf .json) in den Tracker schreiben und durch Zurücklesen prüfen.</translation>
    </message>
    <message>
        <source>write: --dry-run compares with the backup read, which --no-backup leaves out</source>
        <translation>write: --dry-run vergleicht mit der gelesenen Sicherung, die --no-backup auslässt</translation>
    </message>
    <message>
        <source>write: --dry-run sends nothing and prints every finding; --strict is for the write itself</source>
        <translation>write: --dry-run sendet nichts und gibt jeden Befund aus; --strict gilt für den Schreibvorgang selbst</translation>
    </message>
    <message>
        <source>configuration file or JSON record</source>
        <translation>Konfigurationsdatei oder JSON-Datensatz</translation>
    </message>
    <message>
        <source>allow a profile whose Mic-E status is 7 (Emergency!)</source>
        <translation>ein Profil zulassen, dessen Mic-E-Status 7 (Emergency!) ist</translation>
    </message>
    <message>
        <source>do not read the tracker&apos;s current image into the history first</source>
        <translation>das aktuelle Abbild des Trackers nicht zuerst in den Verlauf lesen</translation>
    </message>
    <message>
        <source>read the tracker&apos;s image into the history, print what the write would change and the check&apos;s findings, and send nothing (exit status as diff)</source>
        <translation>das Abbild des Trackers in den Verlauf lesen, ausgeben, was der Schreibvorgang ändern würde, und die Befunde der Prüfung, und nichts senden (Exit-Status wie diff)</translation>
    </message>
    <message>
        <source>check the record first and send nothing when a finding is an error</source>
        <translation>den Datensatz zuerst prüfen und nichts senden, wenn ein Befund ein Fehler ist</translation>
    </message>
    <message>
        <source>--port %1: expected COM1..COM255, auto, or a device path starting with &apos;/&apos;</source>
        <translation>--port %1: erwartet COM1..COM255, auto oder einen Gerätepfad, der mit &apos;/&apos; beginnt</translation>
    </message>
    <message>
        <source>same settings; the images differ in %1 byte(s) (rounded delays or the layout of the image)</source>
        <translation>gleiche Einstellungen; die Abbilder unterscheiden sich in %1 Byte(s) (gerundete Verzögerungen oder der Aufbau des Abbilds)</translation>
    </message>
    <message>
        <source>Compare the settings of two configuration files, JSON records or tracker:PORT. Exit status as diff(1): 0 equal, 1 different, 2 trouble.</source>
        <translation>Die Einstellungen zweier Konfigurationsdateien, JSON-Datensätze oder tracker:PORT vergleichen. Exit-Status wie diff(1): 0 gleich, 1 verschieden, 2 Störung.</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>die Ausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: expected FIELD=VALUE</source>
        <translation>%1: erwartet FIELD=VALUE</translation>
    </message>
    <message>
        <source>%1: cannot be set</source>
        <translation>%1: kann nicht gesetzt werden</translation>
    </message>
    <message>
        <source>%1: unknown field (profile fields are named profiles[0].NAME or profiles[1].NAME)</source>
        <translation>%1: unbekanntes Feld (Profilfelder heißen profiles[0].NAME oder profiles[1].NAME)</translation>
    </message>
    <message>
        <source>%1: expected N=NAME</source>
        <translation>%1: erwartet N=NAME</translation>
    </message>
    <message>
        <source>%1: the profile is 1 (Primary) or 2 (Secondary)</source>
        <translation>%1: das Profil ist 1 (Primär) oder 2 (Sekundär)</translation>
    </message>
    <message>
        <source>%1: the presets are %2</source>
        <translation>%1: die Voreinstellungen sind %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an option and what is wrong with its value</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>nothing saved: --strict and the check found an error</source>
        <translation>nichts gespeichert: --strict, und die Prüfung hat einen Fehler gefunden</translation>
    </message>
    <message>
        <source>Print a configuration file (.zb3) or a JSON record as JSON.</source>
        <translation>Eine Konfigurationsdatei (.zb3) oder einen JSON-Datensatz als JSON ausgeben.</translation>
    </message>
    <message>
        <source>Apply a JSON record to the defaults and save it as a configuration file.</source>
        <translation>Einen JSON-Datensatz auf die Vorgaben anwenden und als Konfigurationsdatei speichern.</translation>
    </message>
    <message>
        <source>JSON record</source>
        <translation>JSON-Datensatz</translation>
    </message>
    <message>
        <source>check the record first and save nothing when a finding is an error</source>
        <translation>den Datensatz zuerst prüfen und nichts speichern, wenn ein Befund ein Fehler ist</translation>
    </message>
    <message>
        <source>Looking for the tracker: every serial port that no other program holds gets the version request (ESC ESC V) at 4800, then 9600 bit/s, with DTR and RTS raised.</source>
        <translation>Suche nach dem Tracker: Jeder serielle Port, den kein anderes Programm belegt, erhält die Versionsabfrage (ESC ESC V) mit 4800, dann mit 9600 bit/s, bei gesetztem DTR und RTS.</translation>
    </message>
    <message>
        <source>Asking %1 at %2 bit/s (port %3 of %4)</source>
        <translation>%1 wird mit %2 bit/s abgefragt (Port %3 von %4)</translation>
    </message>
    <message>
        <source>No serial ports found.</source>
        <translation>Keine seriellen Ports gefunden.</translation>
    </message>
    <message>
        <source>--port auto: no tracker answered on any free port (qz5cfg ports lists them and why some cannot be opened)</source>
        <translation>--port auto: an keinem freien Port hat ein Tracker geantwortet (qz5cfg ports listet sie auf und sagt, warum sich manche nicht öffnen lassen)</translation>
    </message>
    <message>
        <source>--port auto: a tracker answered on each of %1; name one with --port</source>
        <translation>--port auto: an jedem von %1 hat ein Tracker geantwortet; nennen Sie einen mit --port</translation>
    </message>
    <message>
        <source>Found the tracker on %1.</source>
        <translation>Tracker an %1 gefunden.</translation>
    </message>
    <message>
        <source>Each profile object holds every per-profile field under its own name, in this order: %1.</source>
        <translation>Jedes Profilobjekt enthält jedes profilbezogene Feld unter seinem eigenen Namen, in dieser Reihenfolge: %1.</translation>
    </message>
    <message>
        <source>Rules: %1.</source>
        <translation>Regeln: %1.</translation>
    </message>
    <message>
        <source>SmartBeaconing presets (speeds in %1, as the record&apos;s defaults):</source>
        <translation>SmartBeaconing-Voreinstellungen (Geschwindigkeiten in %1, wie die Vorgaben des Datensatzes):</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a preset&apos;s values as a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>List the images kept from every read and write, the one stored last first.</source>
        <translation>Die von jedem Lesen und Schreiben aufbewahrten Abbilder auflisten, das zuletzt gespeicherte zuerst.</translation>
    </message>
    <message>
        <source>print a JSON array: sequence, time, kind, port, version, callsigns, file</source>
        <translation>ein JSON-Array ausgeben: sequence, time, kind, port, version, callsigns, file</translation>
    </message>
    <message>
        <source>Print the record of the kept image numbered N (its name&apos;s first part) as JSON.</source>
        <translation>Den Datensatz des aufbewahrten Abbilds mit der Nummer N (dem ersten Teil seines Namens) als JSON ausgeben.</translation>
    </message>
    <message>
        <source>the image&apos;s sequence number</source>
        <translation>die laufende Nummer des Abbilds</translation>
    </message>
    <message>
        <source>qz5cfg: show and build tracker configuration files, and read, write or ask the version of a tracker on a serial port.</source>
        <translation>qz5cfg: Konfigurationsdateien für den Tracker anzeigen und erstellen sowie einen Tracker an einem seriellen Port lesen, beschreiben oder nach seiner Version fragen.</translation>
    </message>
    <message>
        <source>Print the version and exit</source>
        <translation>Version ausgeben und beenden</translation>
    </message>
    <message>
        <source>write every byte on the serial line, with times, to this file</source>
        <translation>jedes Byte auf der seriellen Leitung mit Zeitangaben in diese Datei schreiben</translation>
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
        <translation>  ports                  listet jedes vorhandene serielle Gerät auf, ob es sich
  ports --json           öffnen lässt oder nicht: COM-Name, Pfad, Beschreibung
                         (Hersteller, Modell, USB-IDs, Seriennummer, Treiber,
                         Name unter /dev/serial/by-id) und, wenn es sich nicht
                         öffnen lässt, warum und was zu tun ist; danach
                         USB-Seriell-Adapter, die eingesteckt sind, aber keinen
                         Port haben. Exit 0, wenn die Auflistung geklappt hat,
                         auch wenn sie leer ist.
  ports --find           fragt jeden Port, den kein anderes Programm belegt,
                         nach der Version des Trackers, mit 4800, dann mit 9600
                         bit/s: Das sendet die Versionsabfrage und setzt an
                         jedem DTR und RTS. Eine Zeile pro Port; Exit 0, wenn
                         ein Tracker geantwortet hat, 1, wenn keiner
                         geantwortet hat. Ein Port, den ein anderer Prozess
                         offen hat, wird übergangen; nur root sieht die
                         Prozesse anderer Benutzer, daher wird ein Port
                         abgefragt, den das Programm eines anderen Benutzers
                         ohne Lock-Datei belegt.

Ports (--port P):
  COM1..COM255 benennen die in /dev gefundenen seriellen Geräte, in der
  Reihenfolge ttyUSB*, ttyACM*, ttyS*, ttyAMA*, rfcomm*; ein Pfad, der mit
  &apos;/&apos; beginnt (zum Beispiel /dev/ttyUSB0 oder /dev/pts/4), wird so
  verwendet, wie er ist; auto sucht den Tracker wie ports --find und
  verwendet den einen Port, an dem er geantwortet hat (Exit 1, wenn keiner
  oder mehr als einer geantwortet hat). com5 und \\.\COM5 sind COM5. Der
  Tracker wird mit 4800 bit/s gesucht, dann mit 9600. Wenn sich ein Port
  nicht öffnen lässt, sagt die Zeile nach „COM-Port konnte nicht belegt
  werden“, warum (Berechtigung und die Gruppe, der man beitreten muss, das
  Programm, das ihn belegt, ...).
</translation>
    </message>
    <message>
        <source>List the serial devices, what they are and whether they open.</source>
        <translation>Die seriellen Geräte auflisten: was sie sind und ob sie sich öffnen lassen.</translation>
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
        <translation>  ports                  listet die COM-Ports auf, die Windows kennt, ob sie
  ports --json           sich öffnen lassen oder nicht: Name, Gerät,
                         Beschreibung (Name des Adapters, USB-IDs,
                         Seriennummer, Treiber) und, wenn er sich nicht öffnen
                         lässt, warum und was zu tun ist; danach Adapter, die
                         eingesteckt sind, aber keinen funktionierenden Port
                         haben. Exit 0, wenn die Auflistung geklappt hat, auch
                         wenn sie leer ist.
  ports --find           fragt jeden Port, den kein anderes Programm belegt,
                         nach der Version des Trackers, mit 4800, dann mit 9600
                         bit/s: Das sendet die Versionsabfrage und setzt an
                         jedem DTR und RTS. Eine Zeile pro Port; Exit 0, wenn
                         ein Tracker geantwortet hat, 1, wenn keiner
                         geantwortet hat.

Ports (--port P):
  COM1..COM255 sind die eigenen COM-Ports des Systems, wie der
  Geräte-Manager sie zeigt, in beliebiger Schreibweise (com5) und auch als
  \\.\COM5. Ein Port, den ein anderes Programm belegt, lässt sich nicht
  öffnen. auto sucht den Tracker wie ports --find und verwendet den einen
  Port, an dem er geantwortet hat (Exit 1, wenn keiner oder mehr als einer
  geantwortet hat). Der Tracker wird mit 4800 bit/s gesucht, dann mit 9600.
  Wenn sich ein Port nicht öffnen lässt, sagt die Zeile nach „COM-Port
  konnte nicht belegt werden“, warum.
</translation>
    </message>
    <message>
        <source>List the COM ports that Windows knows, what they are and whether they open.</source>
        <translation>Die COM-Ports auflisten, die Windows kennt: was sie sind und ob sie sich öffnen lassen.</translation>
    </message>
    <message>
        <source>print the list as JSON</source>
        <translation>die Liste als JSON ausgeben</translation>
    </message>
    <message>
        <source>ask every free port for the tracker&apos;s version (sends the version request and raises DTR and RTS on each) and say which answered</source>
        <translation>jeden freien Port nach der Version des Trackers fragen (sendet die Versionsabfrage und setzt an jedem DTR und RTS) und sagen, welcher geantwortet hat</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>the heading of the help&apos;s options</comment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Diese Hilfe ausgeben und beenden</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <comment>the heading of the help&apos;s commands</comment>
        <translation>Unterbefehle</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Aufruf</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Positionsargumente</translation>
    </message>
    <message>
        <source>hint: %1</source>
        <comment>what to try next, after a message</comment>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>Print when the tracker sends its beacons: the interval, or with SmartBeaconing the interval and turn threshold at a row of speeds, and the beacons per hour.</source>
        <translation>Ausgeben, wann der Tracker seine Baken sendet: das Intervall, oder bei SmartBeaconing Intervall und Kurvenschwelle für eine Reihe von Geschwindigkeiten, sowie die Baken pro Stunde.</translation>
    </message>
    <message>
        <source>timing: give FILE or --preset</source>
        <translation>timing: FILE oder --preset angeben</translation>
    </message>
    <message>
        <source>configuration file or JSON record; the defaults without it</source>
        <translation>Konfigurationsdatei oder JSON-Datensatz; ohne sie die Vorgaben</translation>
    </message>
    <message>
        <source>0 (Primary) or 1 (Secondary); both without it</source>
        <translation>0 (Primär) oder 1 (Sekundär); ohne Angabe beide</translation>
    </message>
    <message>
        <source>print the timing as a JSON array, one object a profile</source>
        <translation>das Timing als JSON-Array ausgeben, ein Objekt pro Profil</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>&amp;Load Tracker&apos;s Settings</source>
        <translation>Einstellungen des Trackers &amp;laden</translation>
    </message>
    <message>
        <source>Compare with Tracker</source>
        <translation>Mit Tracker vergleichen</translation>
    </message>
    <message>
        <source>Differences from the form</source>
        <translation>Unterschiede zum Formular</translation>
    </message>
    <message>
        <source>The tracker holds the same settings as the form.</source>
        <translation>Der Tracker enthält dieselben Einstellungen wie das Formular.</translation>
    </message>
    <message>
        <source>&amp;The tracker and the form are the same:</source>
        <translation>&amp;Tracker und Formular stimmen überein:</translation>
    </message>
    <message>
        <source>&amp;The tracker differs from the form (form -&gt; tracker):</source>
        <translation>Der &amp;Tracker weicht vom Formular ab (Formular -&gt; Tracker):</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Primary, %1: %2 -&gt; %3</source>
        <translation>Primär, %1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Secondary, %1: %2 -&gt; %3</source>
        <translation>Sekundär, %1: %2 -&gt; %3</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct path was given.</source>
        <translation>%1
Ordner nicht gefunden.
Bitte prüfen Sie, ob der richtige Pfad angegeben wurde.</translation>
    </message>
    <message>
        <source>a link on the way is another user&apos;s, in a folder every user may write to</source>
        <translation>ein Link auf dem Weg gehört einem anderen Benutzer, in einem Ordner, in den jeder Benutzer schreiben darf</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Konfigurationsdatei laden</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>Zelbin3 Config files *.zb3</source>
        <translation>Zelbin3-Konfigurationsdateien *.zb3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>%1 may be written by other users</source>
        <translation>%1 darf von anderen Benutzern beschrieben werden</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a folder, a FIFO or a device); give a file.</source>
        <translation>%1 ist keine reguläre Datei (ein Ordner, ein FIFO oder ein Gerät); geben Sie eine Datei an.</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB</source>
        <translation>%1 ist größer als %2 MiB</translation>
    </message>
    <message>
        <source>%1 is another user&apos;s; using %2 instead</source>
        <translation>%1 gehört einem anderen Benutzer; stattdessen wird %2 verwendet</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Laden fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>Daten konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>Daten konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Ungültiges Dateiformat</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1: larger than 1 MiB, not a record</source>
        <translation>%1: größer als 1 MiB, kein Datensatz</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong in it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>nothing could be written</source>
        <translation>es konnte nichts geschrieben werden</translation>
    </message>
    <message>
        <source>it is not a regular file (a terminal, a pipe or a device)</source>
        <translation>es ist keine reguläre Datei (ein Terminal, eine Pipe oder ein Gerät)</translation>
    </message>
    <message>
        <source>it is not a regular file (a console, a pipe or a device)</source>
        <translation>es ist keine reguläre Datei (eine Konsole, eine Pipe oder ein Gerät)</translation>
    </message>
    <message>
        <source>cannot write the trace file %1: %2</source>
        <translation>Mitschnittdatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write the trace: the stream failed</source>
        <translation>Mitschnitt kann nicht geschrieben werden: der Datenstrom ist ausgefallen</translation>
    </message>
</context>
<context>
    <name>FindTracker</name>
    <message>
        <source>Find Tracker</source>
        <translation>Tracker suchen</translation>
    </message>
    <message>
        <source>Asking %1 for the tracker&apos;s version at %2 bit/s (port %3 of %4)</source>
        <translation>%1 wird mit %2 bit/s nach der Version des Trackers gefragt (Port %3 von %4)</translation>
    </message>
    <message>
        <source>%1Cancelled before the other ports were asked.
</source>
        <translation>%1Abgebrochen, bevor die übrigen Ports abgefragt wurden.
</translation>
    </message>
    <message>
        <source>Find Tracker sends the tracker&apos;s version request to every serial port that no other program holds, at 4800 and then at 9600 bit/s, and raises each port&apos;s DTR and RTS lines. Another device on one of those ports may react to that.

Look for the tracker now?</source>
        <translation>„Tracker suchen“ sendet die Versionsabfrage des Trackers an jeden seriellen Port, den kein anderes Programm belegt, mit 4800 und dann mit 9600 bit/s, und setzt an jedem Port die Leitungen DTR und RTS. Ein anderes Gerät an einem dieser Ports kann darauf reagieren.

Jetzt nach dem Tracker suchen?</translation>
    </message>
    <message>
        <source>The tracker answered on %1
%2 is now the selected port.</source>
        <translation>Der Tracker hat an %1 geantwortet.
%2 ist jetzt der gewählte Port.</translation>
    </message>
    <message>
        <source>Cancelled: no tracker answered on the ports asked.</source>
        <translation>Abgebrochen: An den abgefragten Ports hat kein Tracker geantwortet.</translation>
    </message>
    <message>
        <source>No tracker answered on any free port.</source>
        <translation>An keinem freien Port hat ein Tracker geantwortet.</translation>
    </message>
    <message>
        <source>A tracker answered on more than one port; choose the one to use in the COM port list.</source>
        <translation>Ein Tracker hat an mehr als einem Port geantwortet; wählen Sie den zu verwendenden in der COM-Port-Liste.</translation>
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
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1, Primary profile, %2: %3</source>
        <translation>%1, Primärprofil, %2: %3</translation>
    </message>
    <message>
        <source>%1, Secondary profile, %2: %3</source>
        <translation>%1, Sekundärprofil, %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No findings: APRS practice is kept</source>
        <translation>Keine Befunde: Die APRS-Praxis wird eingehalten</translation>
    </message>
    <message>
        <source> (1 finding)</source>
        <translation> (1 Befund)</translation>
    </message>
    <message numerus="yes">
        <source> (%n findings)</source>
        <translation>
            <numerusform> (%n Befund)</numerusform>
            <numerusform> (%n Befunde)</numerusform>
        </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
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
        <translation>Die Port-Liste bietet COM1, COM2, ... für die beim Start in /dev gefundenen
seriellen Geräte, in der Reihenfolge ttyUSB*, ttyACM*, ttyS*, ttyAMA*, rfcomm*;
zeigen Sie auf einen Namen, um sein Gerät zu sehen. Serielle Geräte gehören
meist der Gruppe dialout. „Tracker suchen“ im Fenstermenü (Rechtsklick,
Umschalt+F10) fragt jeden freien Port ab.
</translation>
    </message>
    <message>
        <source>The port list offers those of COM1 to COM255 that Windows knows and that can
be opened now, under the names Device Manager shows (Ports (COM &amp; LPT)); hover
over a name to see the adapter. A port that another program has open is not
listed. The list follows adapters plugged in and removed while it is open.
Find Tracker on the window menu (right click, Shift+F10) asks each free port.
</source>
        <translation>Die Port-Liste bietet diejenigen von COM1 bis COM255, die Windows kennt und die
sich jetzt öffnen lassen, unter den Namen, die der Geräte-Manager zeigt
(Anschlüsse (COM &amp; LPT)); zeigen Sie auf einen Namen, um den Adapter zu sehen.
Ein Port, den ein anderes Programm offen hat, wird nicht aufgeführt. Die Liste
folgt Adaptern, die eingesteckt und abgezogen werden, während sie offen ist.
„Tracker suchen“ im Fenstermenü (Rechtsklick, Umschalt+F10) fragt jeden freien
Port ab.
</translation>
    </message>
    <message>
        <source>The window draws its captions in DejaVuSans.ttf from the program&apos;s folder;
when that file is missing or broken it says so once and uses another face,
in which some captions may be cut off.
</source>
        <translation>Das Fenster zeichnet seine Beschriftungen in DejaVuSans.ttf aus dem Ordner des
Programms; fehlt diese Datei oder ist sie beschädigt, sagt es das einmal und
verwendet eine andere Schrift, in der manche Beschriftungen abgeschnitten sein
können.
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
        <translation>Aufruf: qz5-config [OPTION]... [FILE]
Konfiguriert einen APRS-Tracker Orvane QZ5 über einen seriellen Port: liest seine
Version und seine Konfiguration, bearbeitet das Primär- und das Sekundärprofil
der Baken, schreibt sie zurück und prüft sie, und lässt den Tracker Testtöne
senden. Eine als FILE angegebene Konfigurationsdatei (.zb3) wird geladen, sobald
das Fenster da ist, wie „Laden“ es tut.

Optionen:
      --demo              verbindet COM1 mit einem simulierten Tracker statt mit
                          einem seriellen Gerät, um das Programm ohne Hardware
                          auszuprobieren
      --all-settings      öffnet die Ansicht „Alle Einstellungen“ mit jeder
                          Einstellung beider Profile statt der zuletzt gewählten
                          Ansicht
      --quit-after-start  schließt das Fenster, sobald es angezeigt wurde; der
                          Exit-Status ist 1, wenn es nicht angezeigt werden
                          konnte (zur Prüfung einer Installation)
      --trace FILE        schreibt jedes auf der seriellen Leitung gesendete und
                          empfangene Byte mit seiner Zeit sowie jedes Öffnen,
                          Schließen und jeden Wechsel der Baudrate in FILE
  -h, --help              gibt diese Hilfe aus und endet
      --version           gibt die Version aus und endet

Die eigenen Optionen von Qt, etwa -platform NAME, werden ebenfalls angenommen.

%1%2
Exit-Status:
  0  das Fenster wurde geschlossen, oder die Hilfe oder die Version wurde
     ausgegeben
  1  der simulierte Tracker der Demo konnte nicht gestartet werden, die
     Mitschnittdatei konnte nicht geschrieben werden, die Hilfe oder die
     Version konnte nicht geschrieben werden, oder mit --quit-after-start
     konnte das Fenster nicht angezeigt werden
  2  Aufruffehler
</translation>
    </message>
    <message>
        <source>qz5-config: %1
Try &apos;qz5-config --help&apos; for more information.
</source>
        <translation>qz5-config: %1
Weitere Informationen mit &apos;qz5-config --help&apos;.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--trace&apos; needs a file name</source>
        <translation>Option &apos;--trace&apos; braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Read</source>
        <comment>a kept image the tracker sent</comment>
        <translation>Gelesen</translation>
    </message>
    <message>
        <source>Kept before a write</source>
        <translation>Vor einem Schreibvorgang aufbewahrt</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>&amp;Load into Form</source>
        <translation>In Formular &amp;laden</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern u&amp;nter...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Kept images</source>
        <translation>Aufbewahrte Abbilder</translation>
    </message>
    <message>
        <source>Differences from the form</source>
        <translation>Unterschiede zum Formular</translation>
    </message>
    <message>
        <source>&amp;Kept images, the newest first:</source>
        <translation>&amp;Aufbewahrte Abbilder, das neueste zuerst:</translation>
    </message>
    <message>
        <source>&amp;Differences from the form (form -&gt; image):</source>
        <translation>&amp;Unterschiede zum Formular (Formular -&gt; Abbild):</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>No. %1   </source>
        <translation>Nr. %1   </translation>
    </message>
    <message>
        <source>does not read as a configuration file</source>
        <translation>lässt sich nicht als Konfigurationsdatei lesen</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Der Verlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No images have been kept yet. Every Read and Write adds one (%1).</source>
        <translation>Es wurden noch keine Abbilder aufbewahrt. Jedes Lesen und Schreiben fügt eines hinzu (%1).</translation>
    </message>
    <message>
        <source>This file does not read as a configuration file: %1</source>
        <translation>Diese Datei lässt sich nicht als Konfigurationsdatei lesen: %1</translation>
    </message>
    <message>
        <source>The same settings as the form.</source>
        <translation>Dieselben Einstellungen wie im Formular.</translation>
    </message>
    <message>
        <source>read</source>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>write</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>gesichert</translation>
    </message>
    <message>
        <source>the clock (%1) is behind the newest image in the history (%2); images are still kept in the order they were stored</source>
        <translation>die Uhr (%1) liegt hinter dem neuesten Abbild im Verlauf (%2) zurück; Abbilder werden weiterhin in der Reihenfolge aufbewahrt, in der sie gespeichert wurden</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>warning: the image was not kept in the history</source>
        <translation>Warnung: das Abbild wurde nicht im Verlauf aufbewahrt</translation>
    </message>
    <message>
        <source>no folder to keep it in (HOME and XDG_STATE_HOME are unset)</source>
        <translation>kein Ordner, um es aufzubewahren (HOME und XDG_STATE_HOME sind nicht gesetzt)</translation>
    </message>
    <message>
        <source>%1 has the last number there is; move the images elsewhere to number anew from 1</source>
        <translation>%1 hat die letzte mögliche Nummer; verschieben Sie die Abbilder an einen anderen Ort, um neu ab 1 zu nummerieren</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>cannot read the history: %1</source>
        <translation>der Verlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>history show: N is the number that begins an image&apos;s name, not &quot;%1&quot;</source>
        <translation>history show: N ist die Nummer, mit der der Name eines Abbilds beginnt, nicht „%1“</translation>
    </message>
    <message>
        <source>history show: no image numbered %1 in %2</source>
        <translation>history show: kein Abbild mit der Nummer %1 in %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>a list of files</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>history show: more than one image is numbered %1: %2; show the one meant by its file</source>
        <translation>history show: mehr als ein Abbild hat die Nummer %1: %2; geben Sie das gemeinte über seine Datei an</translation>
    </message>
</context>
<context>
    <name>Image</name>
    <message>
        <source>Bad EE Size</source>
        <translation>Falsche EE-Größe</translation>
    </message>
    <message>
        <source>The Primary or Secondary digipeater path is too long and has been truncated.</source>
        <translation>Der Digipeater-Pfad des Primär- oder Sekundärprofils ist zu lang und wurde gekürzt.</translation>
    </message>
    <message>
        <source>Digipeater Path Truncated</source>
        <translation>Digipeater-Pfad gekürzt</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <translation>Der Text der Statusbake des Primär- oder Sekundärprofils ist zu lang und wurde gekürzt. Für einen längeren Text der Statusbake verwenden Sie weniger Digipeater und machen Sie Rufzeichen, Digipeater oder Statustexte des Primär- und Sekundärprofils gleich.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Text der Statusbake gekürzt</translation>
    </message>
    <message>
        <source>Bad EE Size %1
</source>
        <translation>Falsche EE-Größe %1
</translation>
    </message>
</context>
<context>
    <name>Json</name>
    <message>
        <source>%1: integer outside -2147483648..2147483647</source>
        <translation>%1: Ganzzahl außerhalb von -2147483648..2147483647</translation>
    </message>
    <message>
        <source>%1: expected an integer</source>
        <translation>%1: Ganzzahl erwartet</translation>
    </message>
    <message>
        <source>%1: expected true or false</source>
        <translation>%1: true oder false erwartet</translation>
    </message>
    <message>
        <source>%1: expected a string</source>
        <translation>%1: Zeichenkette erwartet</translation>
    </message>
    <message>
        <source>%1: character outside U+0000..U+00FF</source>
        <translation>%1: Zeichen außerhalb von U+0000..U+00FF</translation>
    </message>
    <message>
        <source>%1: a text cannot contain U+0000</source>
        <translation>%1: ein Text darf U+0000 nicht enthalten</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters</source>
        <translation>%1: länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>%1: more than one character</source>
        <translation>%1: mehr als ein Zeichen</translation>
    </message>
    <message>
        <source>%1: expected a number</source>
        <translation>%1: Zahl erwartet</translation>
    </message>
    <message>
        <source>%1: outside -10000000..10000000</source>
        <translation>%1: außerhalb von -10000000..10000000</translation>
    </message>
    <message>
        <source>%1: expected an object</source>
        <translation>%1: Objekt erwartet</translation>
    </message>
    <message>
        <source>%1: unknown field</source>
        <translation>%1: unbekanntes Feld</translation>
    </message>
    <message>
        <source>%1: expected an array of at most two objects</source>
        <translation>%1: Array mit höchstens zwei Objekten erwartet</translation>
    </message>
    <message>
        <source>expected a JSON object</source>
        <translation>JSON-Objekt erwartet</translation>
    </message>
    <message>
        <source>%1: must be 0 or 1</source>
        <translation>%1: muss 0 oder 1 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; named twice in %2</source>
        <translation>&quot;%1&quot; zweimal angegeben in %2</translation>
    </message>
    <message>
        <source>the record</source>
        <translation>dem Datensatz</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState fehlgeschlagen</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState fehlgeschlagen</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts fehlgeschlagen</translation>
    </message>
    <message>
        <source>Looking for the tracker at %1 bit/s</source>
        <translation>Tracker wird mit %1 bit/s gesucht</translation>
    </message>
    <message>
        <source>Writing the configuration: %1 of %2 bytes</source>
        <translation>Konfiguration wird geschrieben: %1 von %2 Bytes</translation>
    </message>
    <message>
        <source>Reading it back</source>
        <translation>Wird zurückgelesen</translation>
    </message>
    <message>
        <source>Keeping the tracker&apos;s settings: reading them</source>
        <translation>Einstellungen des Trackers werden aufbewahrt: Lesen</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>Konfiguration wird gelesen</translation>
    </message>
    <message>
        <source>Keeping the tracker&apos;s settings: reading them again to compare</source>
        <translation>Einstellungen des Trackers werden aufbewahrt: erneutes Lesen zum Vergleich</translation>
    </message>
    <message>
        <source>Reading it again to compare</source>
        <translation>Erneutes Lesen zum Vergleich</translation>
    </message>
    <message>
        <source>Starting the test tone</source>
        <translation>Testton wird gestartet</translation>
    </message>
    <message>
        <source>Stopping the test tone</source>
        <translation>Testton wird beendet</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>COM-Port ungültig</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Schreiben auf COM-Port fehlgeschlagen</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>COM-Port: geschriebene Daten stimmen nicht überein</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Lesen vom COM-Port fehlgeschlagen</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Schließen des COM-Ports fehlgeschlagen</translation>
    </message>
    <message>
        <source>Zelbin3 Not Found</source>
        <translation>Zelbin3 nicht gefunden</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>Schreiben fehlgeschlagen (Code %1 %2)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Ports</name>
    <message>
        <source>No COM Ports Found</source>
        <translation>Keine COM-Ports gefunden</translation>
    </message>
    <message>
        <source>%1 (%2, %3):
%4</source>
        <translation>%1 (%2, %3):
%4</translation>
    </message>
    <message>
        <source>No COM port can be used.</source>
        <translation>Kein COM-Port kann verwendet werden.</translation>
    </message>
    <message>
        <source>%1

%2</source>
        <translation>%1

%2</translation>
    </message>
    <message>
        <source>COM Ports</source>
        <translation>COM-Ports</translation>
    </message>
    <message>
        <source>Ignored the lock file %1: %2.</source>
        <translation>Lock-Datei %1 wurde ignoriert: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>one sentence after another</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Access is denied: another program has %1 open (a terminal, GPS or map program, or a second copy of this one). Close it, then try again.</source>
        <translation>Zugriff verweigert: Ein anderes Programm hat %1 geöffnet (ein Terminal-, GPS- oder Kartenprogramm oder eine zweite Instanz dieses Programms). Schließen Sie es und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Windows has no port %1 now: the adapter is unplugged, or its driver is not installed (Device Manager, Ports (COM &amp; LPT)).</source>
        <translation>Windows hat derzeit keinen Port %1: Der Adapter ist abgezogen, oder sein Treiber ist nicht installiert (Geräte-Manager, Anschlüsse (COM &amp; LPT)).</translation>
    </message>
    <message>
        <source>%1 is there but its adapter does not answer: unplug it and plug it in again.</source>
        <translation>%1 ist vorhanden, aber sein Adapter antwortet nicht: Ziehen Sie ihn ab und stecken Sie ihn wieder ein.</translation>
    </message>
    <message>
        <source>Windows says: %1 (error %2).</source>
        <translation>Windows meldet: %1 (Fehler %2).</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>this program</source>
        <translation>dieses Programm</translation>
    </message>
    <message>
        <source>a process</source>
        <translation>einen Prozess</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>one program after another</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>In use by %1. Its lock file is %2. Close that program or let it release the port, then try again.</source>
        <translation>Belegt durch %1. Seine Lock-Datei ist %2. Schließen Sie dieses Programm oder lassen Sie es den Port freigeben, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>In use by %1. Close that program or let it release the port, then try again.</source>
        <translation>Belegt durch %1. Schließen Sie dieses Programm oder lassen Sie es den Port freigeben, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment.</source>
        <translation>Belegt: Das Gerät wurde gerade erst eingesteckt, und ein Modem-Manager prüft solche Geräte meist einige Sekunden lang. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment. To keep the modem manager away from it for good, give it the udev property ID_MM_DEVICE_IGNORE=1 in a udev rule.</source>
        <translation>Belegt: Das Gerät wurde gerade erst eingesteckt, und ein Modem-Manager prüft solche Geräte meist einige Sekunden lang. Versuchen Sie es gleich noch einmal. Um den Modem-Manager dauerhaft davon fernzuhalten, geben Sie dem Gerät in einer udev-Regel die udev-Eigenschaft ID_MM_DEVICE_IGNORE=1.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment. To keep the modem manager away from it for good, give it the udev property ID_MM_DEVICE_IGNORE=1 in a udev rule, for example a file in /etc/udev/rules.d with the line
    ATTRS{idVendor}==&quot;%1&quot;, ATTRS{idProduct}==&quot;%2&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;
then plug the device in again.</source>
        <translation>Belegt: Das Gerät wurde gerade erst eingesteckt, und ein Modem-Manager prüft solche Geräte meist einige Sekunden lang. Versuchen Sie es gleich noch einmal. Um den Modem-Manager dauerhaft davon fernzuhalten, geben Sie dem Gerät in einer udev-Regel die udev-Eigenschaft ID_MM_DEVICE_IGNORE=1, zum Beispiel mit einer Datei in /etc/udev/rules.d mit der Zeile
    ATTRS{idVendor}==&quot;%1&quot;, ATTRS{idProduct}==&quot;%2&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;
und stecken Sie das Gerät dann erneut ein.</translation>
    </message>
    <message>
        <source>In use by a program this user cannot see: most likely a system service running as another user holds it. Stop that service, or ask the administrator which one it is.</source>
        <translation>Belegt durch ein Programm, das dieser Benutzer nicht sehen kann: Höchstwahrscheinlich hält ihn ein Systemdienst, der als anderer Benutzer läuft. Beenden Sie diesen Dienst, oder fragen Sie den Administrator, welcher es ist.</translation>
    </message>
    <message>
        <source>This program runs in a Flatpak sandbox, which reaches serial devices only with a permission granted outside it: flatpak override --user --device=all followed by the program&apos;s application ID.</source>
        <translation>Dieses Programm läuft in einer Flatpak-Sandbox, die serielle Geräte nur mit einer außerhalb erteilten Berechtigung erreicht: flatpak override --user --device=all, gefolgt von der Anwendungs-ID des Programms.</translation>
    </message>
    <message>
        <source>This program runs as a Snap, which reaches serial devices only through an interface connected outside it: sudo snap connect %1:raw-usb (USB adapters) or :serial-port.</source>
        <translation>Dieses Programm läuft als Snap, das serielle Geräte nur über eine außerhalb verbundene Schnittstelle erreicht: sudo snap connect %1:raw-usb (USB-Adapter) oder :serial-port.</translation>
    </message>
    <message>
        <source>Permission denied: only its owner &quot;%1&quot; may use %2. A udev rule that gives the device to a group of yours (GROUP=&quot;...&quot;, MODE=&quot;0660&quot;) would let you in.</source>
        <translation>Zugriff verweigert: Nur sein Besitzer „%1“ darf %2 benutzen. Eine udev-Regel, die das Gerät einer Ihrer Gruppen gibt (GROUP=&quot;...&quot;, MODE=&quot;0660&quot;), würde Sie hineinlassen.</translation>
    </message>
    <message>
        <source>Permission denied, although you are in the group &quot;%1&quot; that may use %2: a security policy of the system refuses it.</source>
        <translation>Zugriff verweigert, obwohl Sie in der Gruppe „%1“ sind, die %2 benutzen darf: Eine Sicherheitsrichtlinie des Systems verweigert es.</translation>
    </message>
    <message>
        <source>Permission denied: you were added to the group &quot;%1&quot; that may use %2, but this login session started before that. Log out and in again (or restart) to use the port.</source>
        <translation>Zugriff verweigert: Sie wurden der Gruppe „%1“ hinzugefügt, die %2 benutzen darf, aber diese Sitzung hat vorher begonnen. Melden Sie sich ab und wieder an (oder starten Sie neu), um den Port zu benutzen.</translation>
    </message>
    <message>
        <source>Permission denied: %1 belongs to the group &quot;%2&quot;, and you are not a member. Add yourself with
    sudo usermod -aG %2 &quot;$USER&quot;
then log out and in again.</source>
        <translation>Zugriff verweigert: %1 gehört der Gruppe „%2“, und Sie sind kein Mitglied. Fügen Sie sich hinzu mit
    sudo usermod -aG %2 &quot;$USER&quot;
und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>%1 is not there (any more): the device was unplugged or renamed.</source>
        <translation>%1 ist nicht (mehr) vorhanden: Das Gerät wurde abgezogen oder umbenannt.</translation>
    </message>
    <message>
        <source>No hardware answers behind %1.</source>
        <translation>Hinter %1 antwortet keine Hardware.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>No port was chosen.</source>
        <translation>Es wurde kein Port gewählt.</translation>
    </message>
    <message>
        <source>No serial device was found.</source>
        <translation>Es wurde kein serielles Gerät gefunden.</translation>
    </message>
    <message>
        <source>No serial device is known as %1.</source>
        <translation>Kein serielles Gerät ist als %1 bekannt.</translation>
    </message>
    <message>
        <source>Could not aquire Com Port</source>
        <translation>COM-Port konnte nicht belegt werden</translation>
    </message>
    <message>
        <source>The device was busy for a moment and is free now: try again.</source>
        <translation>Das Gerät war kurz belegt und ist jetzt frei: Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The port was busy for a moment and is free now: try again.</source>
        <translation>Der Port war kurz belegt und ist jetzt frei: Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 at %2 bit/s: %3</source>
        <translation>%1 mit %2 bit/s: %3</translation>
    </message>
    <message>
        <source>%1: no answer</source>
        <translation>%1: keine Antwort</translation>
    </message>
    <message>
        <source>%1: held by another program: passed over</source>
        <translation>%1: von einem anderen Programm belegt: übergangen</translation>
    </message>
    <message>
        <source>%1: not asked</source>
        <translation>%1: nicht abgefragt</translation>
    </message>
    <message>
        <source>%1: not asked, %2</source>
        <translation>%1: nicht abgefragt, %2</translation>
    </message>
    <message>
        <source>it is not root&apos;s, and who runs process %1 cannot be seen</source>
        <translation>sie gehört nicht root, und wer Prozess %1 ausführt, ist nicht sichtbar</translation>
    </message>
    <message>
        <source>its owner (uid %1) does not run process %2</source>
        <translation>ihr Besitzer (UID %1) führt Prozess %2 nicht aus</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>No serial devices found.</source>
        <translation>Keine seriellen Geräte gefunden.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>driver %1</source>
        <translation>Treiber %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a device&apos;s serial number, then its driver</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>can be opened</source>
        <translation>lässt sich öffnen</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>USB serial device</source>
        <translation>USB-Seriell-Gerät</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>eingebauter serieller Port</translation>
    </message>
    <message>
        <source>Bluetooth serial link</source>
        <translation>serielle Bluetooth-Verbindung</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>serielles Gerät</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a device and its USB ids</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>serieller Port</translation>
    </message>
    <message>
        <source>A USB serial adapter (CH340/CH341, %1, USB %2) is plugged in but has no serial port: a braille-display service took it over right after it was attached. If no braille display is used here, remove or disable that service (or its udev rule for this adapter), then plug the adapter in again.</source>
        <comment>%1 is the adapter&apos;s USB ids, %2 where it is plugged in</comment>
        <translation>Ein USB-Seriell-Adapter (CH340/CH341, %1, USB %2) ist eingesteckt, hat aber keinen seriellen Port: Ein Dienst für Braillezeilen hat ihn gleich nach dem Einstecken übernommen. Wird hier keine Braillezeile benutzt, entfernen oder deaktivieren Sie diesen Dienst (oder seine udev-Regel für diesen Adapter) und stecken Sie den Adapter dann erneut ein.</translation>
    </message>
    <message>
        <source>its driver is not installed. Install the driver from the adapter&apos;s maker, or let Device Manager look for one (Update driver)</source>
        <translation>Sein Treiber ist nicht installiert. Installieren Sie den Treiber des Adapterherstellers, oder lassen Sie den Geräte-Manager einen suchen (Treiber aktualisieren)</translation>
    </message>
    <message>
        <source>it is disabled. Enable it in Device Manager (Ports (COM &amp; LPT))</source>
        <translation>Er ist deaktiviert. Aktivieren Sie ihn im Geräte-Manager (Anschlüsse (COM &amp; LPT))</translation>
    </message>
    <message>
        <source>its driver could not start it. Unplug the adapter and plug it in again; if that does not help, reinstall its driver</source>
        <translation>Sein Treiber konnte ihn nicht starten. Ziehen Sie den Adapter ab und stecken Sie ihn wieder ein; hilft das nicht, installieren Sie seinen Treiber neu</translation>
    </message>
    <message>
        <source>Windows refused its driver, which is not signed. Install a signed driver from the adapter&apos;s maker</source>
        <translation>Windows hat seinen Treiber abgelehnt, da er nicht signiert ist. Installieren Sie einen signierten Treiber des Adapterherstellers</translation>
    </message>
    <message>
        <source>Device Manager reports problem code %1 for it (see the device&apos;s Properties there)</source>
        <translation>Der Geräte-Manager meldet für ihn den Problemcode %1 (siehe die Eigenschaften des Geräts dort)</translation>
    </message>
    <message>
        <source>%1 is plugged in but has no working COM port: %2.</source>
        <comment>%1 is the device, %2 what Device Manager reports and what to do</comment>
        <translation>%1 ist eingesteckt, hat aber keinen funktionierenden COM-Port. %2.</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>
Symbol on maps: </source>
        <translation>
Symbol auf Karten: </translation>
    </message>
    <message>
        <source>not known. %1</source>
        <translation>nicht bekannt. %1</translation>
    </message>
    <message>
        <source>none in the symbol list %1; maps may show a placeholder.</source>
        <translation>keines in der Symbolliste %1; Karten zeigen womöglich einen Platzhalter.</translation>
    </message>
    <message>
        <source>Choose Symbol</source>
        <translation>Symbol wählen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>the box that narrows the symbols</comment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Type part of a name, such as car or bicycle, to narrow the symbols.</source>
        <translation>Geben Sie einen Teil eines Namens ein, etwa Auto oder Fahrrad, um die Symbole einzugrenzen.</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Both symbol tables. Space or Enter chooses the symbol.</source>
        <translation>Beide Symboltabellen. Leertaste oder Eingabetaste wählt das Symbol.</translation>
    </message>
    <message>
        <source>&amp;Overlay character:</source>
        <translation>&amp;Overlay-Zeichen:</translation>
    </message>
    <message>
        <source>Overlay character</source>
        <translation>Overlay-Zeichen</translation>
    </message>
    <message>
        <source>0 to 9 or A to Z drawn over an alternate symbol that takes one; empty for none.</source>
        <translation>0 bis 9 oder A bis Z, über ein alternatives Symbol gezeichnet, das eines annimmt; leer für keines.</translation>
    </message>
    <message>
        <source>No symbol list: %1 is not a regular file (a folder, a FIFO or a device); give a file; symbols are shown without names or pictures.</source>
        <translation>Keine Symbolliste: %1 ist keine reguläre Datei (ein Ordner, ein FIFO oder ein Gerät); geben Sie eine Datei an; Symbole werden ohne Namen und Bilder gezeigt.</translation>
    </message>
    <message>
        <source>No symbol list: %1; symbols are shown without names or pictures.</source>
        <translation>Keine Symbolliste: %1; Symbole werden ohne Namen und Bilder gezeigt.</translation>
    </message>
    <message>
        <source>No symbol list: %1 holds no symbol pictures; symbols are shown without names or pictures.</source>
        <translation>Keine Symbolliste: %1 enthält keine Symbolbilder; Symbole werden ohne Namen und Bilder gezeigt.</translation>
    </message>
    <message numerus="yes">
        <source>Symbol list %1: %n bad entry skipped, the first at line %2.</source>
        <translation>
            <numerusform>Symbolliste %1: %n fehlerhafter Eintrag übersprungen, der erste in Zeile %2.</numerusform>
            <numerusform>Symbolliste %1: %n fehlerhafte Einträge übersprungen, der erste in Zeile %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Symbol list %1: %n bad entries skipped, the first at line %2.</source>
        <translation>
            <numerusform>Symbolliste %1: %n fehlerhafter Eintrag übersprungen, der erste in Zeile %2.</numerusform>
            <numerusform>Symbolliste %1: %n fehlerhafte Einträge übersprungen, der erste in Zeile %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>primary table</source>
        <translation>Primärtabelle</translation>
    </message>
    <message>
        <source>alternate table</source>
        <translation>Alternativtabelle</translation>
    </message>
    <message>
        <source>overlay %1</source>
        <translation>Overlay %1</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>Symbol %1</translation>
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
        <translation>Bakenzeiten</translation>
    </message>
    <message>
        <source>Beacon Timing</source>
        <translation>Bakenzeiten</translation>
    </message>
    <message>
        <source>SmartBeaconing &amp;preset:</source>
        <translation>SmartBeaconing-&amp;Voreinstellung:</translation>
    </message>
    <message>
        <source>SmartBeaconing preset</source>
        <translation>SmartBeaconing-Voreinstellung</translation>
    </message>
    <message>
        <source>&amp;Apply to Profile</source>
        <translation>Auf Profil &amp;anwenden</translation>
    </message>
    <message>
        <source>Sets the profile&apos;s SmartBeaconing to the preset and turns it on</source>
        <translation>Setzt SmartBeaconing des Profils auf die Voreinstellung und schaltet es ein</translation>
    </message>
    <message>
        <source>Plot of interval against speed</source>
        <translation>Diagramm des Intervalls über der Geschwindigkeit</translation>
    </message>
    <message>
        <source>The table above gives the same values.</source>
        <translation>Die Tabelle oben enthält dieselben Werte.</translation>
    </message>
    <message>
        <source>speed</source>
        <comment>the plot&apos;s axis</comment>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds, the plot&apos;s axis</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>over %1 degrees</source>
        <translation>über %1 Grad</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no turn beacon</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>any</source>
        <comment>any speed</comment>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>SmartBeaconing is off: a beacon every %1, in its time slot, %2 into each interval of the clock.</source>
        <translation>SmartBeaconing ist aus: eine Bake alle %1, in ihrem Zeitfenster, %2 nach Beginn jedes Intervalls der Uhr.</translation>
    </message>
    <message>
        <source>SmartBeaconing is off: a beacon every %1.</source>
        <translation>SmartBeaconing ist aus: eine Bake alle %1.</translation>
    </message>
    <message>
        <source>At or below the low speed (%1) the slow rate, %2, and no turn beacons; at or above the high speed (%3) the fast rate, %4; between them %4 x %3 / speed.</source>
        <translation>Bei oder unter der niedrigen Geschwindigkeit (%1) das langsame Intervall, %2, und keine Kurvenbaken; bei oder über der hohen Geschwindigkeit (%3) das schnelle Intervall, %4; dazwischen %4 x %3 / Geschwindigkeit.</translation>
    </message>
    <message>
        <source>A turn beacon goes out when the heading changes by more than turn angle + turn slope / speed, no sooner than %1 after the last beacon.</source>
        <translation>Eine Kurvenbake wird gesendet, wenn sich der Kurs um mehr als Kurvenwinkel + Kurvensteigung / Geschwindigkeit ändert, frühestens %1 nach der letzten Bake.</translation>
    </message>
    <message>
        <source>Seconds and degrees are rounded to whole numbers, halves up; speeds are in the tracker&apos;s own unit.</source>
        <translation>Sekunden und Grad werden auf ganze Zahlen gerundet, Hälften aufwärts; Geschwindigkeiten sind in der eigenen Einheit des Trackers.</translation>
    </message>
    <message>
        <source>Primary profile: SmartBeaconing on</source>
        <translation>Primärprofil: SmartBeaconing ein</translation>
    </message>
    <message>
        <source>Primary profile: SmartBeaconing off</source>
        <translation>Primärprofil: SmartBeaconing aus</translation>
    </message>
    <message>
        <source>Secondary profile: SmartBeaconing on</source>
        <translation>Sekundärprofil: SmartBeaconing ein</translation>
    </message>
    <message>
        <source>Secondary profile: SmartBeaconing off</source>
        <translation>Sekundärprofil: SmartBeaconing aus</translation>
    </message>
    <message>
        <source>Speed (tracker&apos;s unit)</source>
        <translation>Geschwindigkeit (Einheit des Trackers)</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Beacons per hour</source>
        <translation>Baken pro Stunde</translation>
    </message>
    <message>
        <source>Turn beacon</source>
        <translation>Kurvenbake</translation>
    </message>
    <message>
        <source>No timing until this is fixed: %1</source>
        <translation>Kein Timing, bis dies behoben ist: %1</translation>
    </message>
    <message>
        <source>Beacons less than %1 apart are for special events; the channel is shared.</source>
        <translation>Baken im Abstand von weniger als %1 sind für Sonderveranstaltungen gedacht; der Kanal wird gemeinsam genutzt.</translation>
    </message>
    <message>
        <source>This models the published SmartBeaconing rules, not the tracker&apos;s firmware.</source>
        <translation>Dies bildet die veröffentlichten SmartBeaconing-Regeln nach, nicht die Firmware des Trackers.</translation>
    </message>
    <message>
        <source>The second rate is left out: its role is not known.</source>
        <translation>Das zweite Intervall bleibt außen vor: Seine Rolle ist nicht bekannt.</translation>
    </message>
    <message>
        <source>%1: %2 to %3 %4, every %5 s to %6 s, turns from %7 degrees, slope %8</source>
        <comment>a SmartBeaconing preset: name, speeds, rates, turn angle and slope</comment>
        <translation>%1: %2 bis %3 %4, alle %5 s bis %6 s, Kurven ab %7 Grad, Steigung %8</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Primary</source>
        <translation>Primär</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Sekundär</translation>
    </message>
    <message>
        <source>About Orvane QZ5 Config Basic</source>
        <translation>Über Orvane QZ5 Config Basic</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config Basic Version 1.4</source>
        <translation>Orvane QZ5 Config Basic Version 1.4</translation>
    </message>
    <message>
        <source>Configures QZ5 trackers</source>
        <translation>Konfiguriert QZ5-Tracker</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Station and path</source>
        <translation>Station und Pfad</translation>
    </message>
    <message>
        <source>Mic-E</source>
        <translation>Mic-E</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Timing</translation>
    </message>
    <message>
        <source>Time slot</source>
        <translation>Zeitfenster</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetrie</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>SmartBeaconing preset</source>
        <translation>SmartBeaconing-Voreinstellung</translation>
    </message>
    <message>
        <source>GPS and serial</source>
        <translation>GPS und serieller Port</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>Tones</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config - All settings</source>
        <translation>Orvane QZ5 Config – Alle Einstellungen</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config Basic</source>
        <translation>Orvane QZ5 Config Basic</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>Rufzeichen:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Symbol:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frequenz:</translation>
    </message>
    <message>
        <source>Transmit Rate:</source>
        <translation>Sendeintervall:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Send Separate</source>
        <translation>Getrennt senden</translation>
    </message>
    <message>
        <source>Don&apos;t Send &apos;&gt;&apos;</source>
        <translation>&apos;&gt;&apos; nicht senden</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>Höhe senden</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>Digi-Pfade abwechseln</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>Nur gültige senden</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>TTL-Seriell zulassen</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>CD IN invertieren</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>Zeitstempel DHM</translation>
    </message>
    <message>
        <source>No TX on PTT In</source>
        <translation>Kein TX bei PTT In</translation>
    </message>
    <message>
        <source>Send NMEA</source>
        <translation>NMEA senden</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>Zeitstempel HMS</translation>
    </message>
    <message>
        <source>Serial Out High</source>
        <translation>Serieller Ausgang High</translation>
    </message>
    <message>
        <source>Skip Start Packet</source>
        <translation>Startpaket auslassen</translation>
    </message>
    <message>
        <source>300 baud packet</source>
        <translation>Packet mit 300 Baud</translation>
    </message>
    <message>
        <source>9600 baud GPS</source>
        <translation>GPS mit 9600 Baud</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>Nur druckbare Zeichen</translation>
    </message>
    <message>
        <source>Read Version</source>
        <translation>Version lesen</translation>
    </message>
    <message>
        <source>Read Configuration</source>
        <translation>Konfiguration lesen</translation>
    </message>
    <message>
        <source>Write Configuration</source>
        <translation>Konfiguration schreiben</translation>
    </message>
    <message>
        <source>Send 1200 Hz</source>
        <translation>1200 Hz senden</translation>
    </message>
    <message>
        <source>Send 2200 Hz</source>
        <translation>2200 Hz senden</translation>
    </message>
    <message>
        <source>Send Both</source>
        <translation>Beide senden</translation>
    </message>
    <message>
        <source>Stop Sending</source>
        <translation>Senden beenden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Apply to Profile</source>
        <translation>Auf Profil anwenden</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A field&apos;s label in All settings; %1 is the field&apos;s name.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>&amp;Find Tracker</source>
        <translation>&amp;Tracker suchen</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with Tracker...</source>
        <translation>Mit Tracker ver&amp;gleichen...</translation>
    </message>
    <message>
        <source>Choose S&amp;ymbol...</source>
        <translation>S&amp;ymbol wählen...</translation>
    </message>
    <message>
        <source>&amp;Beacon Timing...</source>
        <translation>&amp;Bakenzeiten...</translation>
    </message>
    <message>
        <source>&amp;Keep Settings Before Writing</source>
        <translation>Einstellungen vor dem Schreiben &amp;aufbewahren</translation>
    </message>
    <message>
        <source>Send 1600 Hz</source>
        <translation>1600 Hz senden</translation>
    </message>
    <message>
        <source>Send 1800 Hz</source>
        <translation>1800 Hz senden</translation>
    </message>
    <message>
        <source>Scroll across</source>
        <translation>Seitwärts blättern</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Nach unten blättern</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemvorgabe</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Tone calibration value, shared by both profiles. The tracker keeps 0 to 255; the window shows it but does not let it be edited.</source>
        <translation>Kalibrierwert der Töne, gemeinsam für beide Profile. Der Tracker speichert 0 bis 255; das Fenster zeigt ihn an, lässt ihn aber nicht bearbeiten.</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Station callsign, optionally followed by -SSID. The tracker keeps six letters or digits in capitals and an SSID of 0 to 15; other characters end the callsign.</source>
        <translation>Rufzeichen der Station, wahlweise gefolgt von -SSID. Der Tracker speichert sechs Buchstaben oder Ziffern in Großschreibung und eine SSID von 0 bis 15; andere Zeichen beenden das Rufzeichen.</translation>
    </message>
    <message>
        <source>Digipeater path</source>
        <translation>Digipeater-Pfad</translation>
    </message>
    <message>
        <source>Digipeaters asked to relay each beacon, separated by commas, for example WIDE1-1,WIDE2-1. Each is kept like a callsign: six letters or digits and an SSID of 0 to 15.</source>
        <translation>Digipeater, die jede Bake weiterleiten sollen, durch Kommas getrennt, zum Beispiel WIDE1-1,WIDE2-1. Jeder wird wie ein Rufzeichen gespeichert: sechs Buchstaben oder Ziffern und eine SSID von 0 bis 15.</translation>
    </message>
    <message>
        <source>Status text</source>
        <translation>Statustext</translation>
    </message>
    <message>
        <source>Text of the status beacon. The tracker keeps what fits in its 128-byte memory after the other settings; equal texts in both profiles are stored once.</source>
        <translation>Text der Statusbake. Der Tracker speichert, was nach den anderen Einstellungen in seinen 128-Byte-Speicher passt; gleiche Texte in beiden Profilen werden einmal gespeichert.</translation>
    </message>
    <message>
        <source>Delay 1</source>
        <translation>Verzögerung 1</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>First delay. Kept in byte times of the packet speed: 6.666 ms steps up to 1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet.</source>
        <translation>Erste Verzögerung. Gespeichert in Bytezeiten der Packet-Geschwindigkeit: Schritte von 6.666 ms bis 1700 ms, oder Schritte von 26.666 ms bis 6800 ms bei Packet mit 300 Baud.</translation>
    </message>
    <message>
        <source>Delay 2</source>
        <translation>Verzögerung 2</translation>
    </message>
    <message>
        <source>Second delay. Kept in byte times of the packet speed: 6.666 ms steps up to 1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet.</source>
        <translation>Zweite Verzögerung. Gespeichert in Bytezeiten der Packet-Geschwindigkeit: Schritte von 6.666 ms bis 1700 ms, oder Schritte von 26.666 ms bis 6800 ms bei Packet mit 300 Baud.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Mic-E message sent with the position, one of eight. Writing Emergency! asks for confirmation first.</source>
        <translation>Mit der Position gesendete Mic-E-Meldung, eine von acht. Beim Schreiben von Emergency! wird zuerst um Bestätigung gebeten.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Mic-E digipeater path, one of sixteen.</source>
        <translation>Mic-E-Digipeater-Pfad, einer von sechzehn.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>APRS symbol code: the character that picks the map icon. A control character is read back as &apos;-&apos;.</source>
        <translation>APRS-Symbolcode: das Zeichen, das das Kartensymbol auswählt. Ein Steuerzeichen wird als &apos;-&apos; zurückgelesen.</translation>
    </message>
    <message>
        <source>Symbol table</source>
        <translation>Symboltabelle</translation>
    </message>
    <message>
        <source>APRS symbol table: / primary, \ alternate, or an overlay character. A control character is read back as /.</source>
        <translation>APRS-Symboltabelle: / primär, \ alternativ, oder ein Overlay-Zeichen. Ein Steuerzeichen wird als / zurückgelesen.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Count parameter. The tracker keeps 0 to 255.</source>
        <translation>Parameter „Anzahl“. Der Tracker speichert 0 bis 255.</translation>
    </message>
    <message>
        <source>Transmit rate</source>
        <translation>Sendeintervall</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Time between beacons while SmartBeaconing is off; at least 3. The tracker keeps up to 65535.</source>
        <translation>Zeit zwischen den Baken, solange SmartBeaconing aus ist; mindestens 3. Der Tracker speichert bis 65535.</translation>
    </message>
    <message>
        <source>Second rate</source>
        <translation>Zweites Intervall</translation>
    </message>
    <message>
        <source>Second beacon interval; at least 3. The tracker keeps up to 65535.</source>
        <translation>Zweites Bakenintervall; mindestens 3. Der Tracker speichert bis 65535.</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>Second within the transmit interval at which the beacon goes out. Sent only while the time slot is on; at most the transmit rate.</source>
        <translation>Sekunde innerhalb des Sendeintervalls, zu der die Bake gesendet wird. Nur gesendet, solange das Zeitfenster eingeschaltet ist; höchstens das Sendeintervall.</translation>
    </message>
    <message>
        <source>Low speed</source>
        <translation>Niedrige Geschwindigkeit</translation>
    </message>
    <message>
        <source>SmartBeaconing: at or below this speed the slow rate applies. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: Bei oder unter dieser Geschwindigkeit gilt das langsame Intervall. Der Tracker speichert 0 bis 255; nur gesendet, solange SmartBeaconing eingeschaltet ist.</translation>
    </message>
    <message>
        <source>High speed</source>
        <translation>Hohe Geschwindigkeit</translation>
    </message>
    <message>
        <source>SmartBeaconing: at or above this speed the fast rate applies. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: Bei oder über dieser Geschwindigkeit gilt das schnelle Intervall. Der Tracker speichert 0 bis 255; nur gesendet, solange SmartBeaconing eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Slow rate</source>
        <translation>Langsames Intervall</translation>
    </message>
    <message>
        <source>SmartBeaconing: time between beacons at low speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: Zeit zwischen den Baken bei niedriger Geschwindigkeit. Der Tracker speichert 0 bis 65535; nur gesendet, solange SmartBeaconing eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Fast rate</source>
        <translation>Schnelles Intervall</translation>
    </message>
    <message>
        <source>SmartBeaconing: time between beacons at high speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: Zeit zwischen den Baken bei hoher Geschwindigkeit. Der Tracker speichert 0 bis 65535; nur gesendet, solange SmartBeaconing eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Turn angle</source>
        <translation>Kurvenwinkel</translation>
    </message>
    <message>
        <source>SmartBeaconing: smallest change of heading that counts as a turn. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: kleinste Kursänderung, die als Kurve zählt. Der Tracker speichert 0 bis 255; nur gesendet, solange SmartBeaconing eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Turn slope</source>
        <translation>Kurvensteigung</translation>
    </message>
    <message>
        <source>SmartBeaconing: makes turns count sooner at low speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: lässt Kurven bei niedriger Geschwindigkeit früher zählen. Der Tracker speichert 0 bis 65535; nur gesendet, solange SmartBeaconing eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Turn time</source>
        <translation>Kurvenzeit</translation>
    </message>
    <message>
        <source>SmartBeaconing: least time between beacons sent for turns. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: kürzeste Zeit zwischen Baken, die für Kurven gesendet werden. Der Tracker speichert 0 bis 255; nur gesendet, solange SmartBeaconing eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Delay 3</source>
        <translation>Verzögerung 3</translation>
    </message>
    <message>
        <source>Third delay. Kept in 26.3 ms steps up to 6706 ms; not editable in the window.</source>
        <translation>Dritte Verzögerung. Gespeichert in Schritten von 26.3 ms bis 6706 ms; im Fenster nicht bearbeitbar.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Value sent while its Enable box is on. The tracker keeps 0 to 255.</source>
        <translation>Wert, der gesendet wird, solange sein Feld „Aktivieren“ eingeschaltet ist. Der Tracker speichert 0 bis 255.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Transmit frequency, 144.000 to 148.000 MHz; anything else becomes 144.390. The tracker keeps it in 5 kHz steps.</source>
        <translation>Sendefrequenz, 144.000 bis 148.000 MHz; alles andere wird zu 144.390. Der Tracker speichert sie in Schritten von 5 kHz.</translation>
    </message>
    <message>
        <source>Mic-E reports use printable characters only.</source>
        <translation>Mic-E-Meldungen verwenden nur druckbare Zeichen.</translation>
    </message>
    <message>
        <source>Beacons only with a valid GPS position. Not editable in the window.</source>
        <translation>Baken nur mit gültiger GPS-Position. Im Fenster nicht bearbeitbar.</translation>
    </message>
    <message>
        <source>Beacons at a fixed second of the transmit interval. Turns SmartBeaconing off.</source>
        <translation>Baken zu einer festen Sekunde des Sendeintervalls. Schaltet SmartBeaconing aus.</translation>
    </message>
    <message>
        <source>Beacons more often at speed and in turns, using the SmartBeaconing settings instead of the transmit rate. Turns the time slot off.</source>
        <translation>Baken bei höherer Geschwindigkeit und in Kurven häufiger, mit den SmartBeaconing-Einstellungen statt des Sendeintervalls. Schaltet das Zeitfenster aus.</translation>
    </message>
    <message>
        <source>Positions include the altitude.</source>
        <translation>Positionen enthalten die Höhe.</translation>
    </message>
    <message>
        <source>Positions are sent in the compact Mic-E form. Turns Send NMEA off.</source>
        <translation>Positionen werden in der kompakten Mic-E-Form gesendet. Schaltet „NMEA senden“ aus.</translation>
    </message>
    <message>
        <source>Sends the value beside this box.</source>
        <translation>Sendet den Wert neben diesem Feld.</translation>
    </message>
    <message>
        <source>Positions carry a day, hour and minute time stamp.</source>
        <translation>Positionen tragen einen Zeitstempel mit Tag, Stunde und Minute.</translation>
    </message>
    <message>
        <source>The serial port accepts TTL levels.</source>
        <translation>Der serielle Port nimmt TTL-Pegel an.</translation>
    </message>
    <message>
        <source>Beacons alternate between digipeater paths.</source>
        <translation>Baken wechseln zwischen den Digipeater-Pfaden ab.</translation>
    </message>
    <message>
        <source>Inverts the carrier detect input. Not editable in the window.</source>
        <translation>Invertiert den Eingang Carrier Detect. Im Fenster nicht bearbeitbar.</translation>
    </message>
    <message>
        <source>Positions carry an hour, minute and second time stamp.</source>
        <translation>Positionen tragen einen Zeitstempel mit Stunde, Minute und Sekunde.</translation>
    </message>
    <message>
        <source>No transmission while the PTT input is active. Not editable in the window.</source>
        <translation>Keine Aussendung, solange der PTT-Eingang aktiv ist. Im Fenster nicht bearbeitbar.</translation>
    </message>
    <message>
        <source>Sends the GPS sentences as received. Turns Mic-E and Send Altitude off.</source>
        <translation>Sendet die GPS-Sätze so, wie sie empfangen werden. Schaltet „Mic-E“ und „Höhe senden“ aus.</translation>
    </message>
    <message>
        <source>Sends the status text in a packet of its own.</source>
        <translation>Sendet den Statustext in einem eigenen Paket.</translation>
    </message>
    <message>
        <source>Packets at 300 baud with 1600 and 1800 Hz tones instead of 1200 baud.</source>
        <translation>Packet mit 300 Baud und Tönen von 1600 und 1800 Hz statt 1200 Baud.</translation>
    </message>
    <message>
        <source>The status text goes out without its leading &apos;&gt;&apos;.</source>
        <translation>Der Statustext wird ohne sein führendes &apos;&gt;&apos; gesendet.</translation>
    </message>
    <message>
        <source>The serial output rests high.</source>
        <translation>Der serielle Ausgang liegt in Ruhe auf High.</translation>
    </message>
    <message>
        <source>No beacon when the tracker starts.</source>
        <translation>Keine Bake beim Start des Trackers.</translation>
    </message>
    <message>
        <source>The GPS receiver talks at 9600 baud instead of 4800.</source>
        <translation>Der GPS-Empfänger sendet mit 9600 Baud statt 4800.</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>Ein neuer Kalibrierwert sollte vor dem Testen der Töne geschrieben werden</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Kalibrierung nicht geschrieben</translation>
    </message>
    <message>
        <source>The settings were changed and have not been written to the tracker or saved to a file. Discard the changes and close?</source>
        <translation>Die Einstellungen wurden geändert und weder auf den Tracker geschrieben noch in einer Datei gespeichert. Änderungen verwerfen und schließen?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the window starts with its defaults and remembers nothing</source>
        <translation>%1 ist keine reguläre Datei; das Fenster startet mit seinen Vorgaben und merkt sich nichts</translation>
    </message>
    <message>
        <source>The window&apos;s font could not be loaded from %1, so its captions are drawn in another face and some may be cut off. Installing the program again puts the file back.</source>
        <translation>Die Schrift des Fensters konnte nicht aus %1 geladen werden, daher werden seine Beschriftungen in einer anderen Schrift gezeichnet, und manche können abgeschnitten sein. Eine erneute Installation des Programms stellt die Datei wieder her.</translation>
    </message>
    <message>
        <source>qz5-config: %1
</source>
        <translation>qz5-config: %1
</translation>
    </message>
    <message>
        <source>Font Missing</source>
        <translation>Schriftart fehlt</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Außer Dienst</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>Unterwegs</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>Im Dienst</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>Auf dem Rückweg</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Gebunden</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Spezial</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>Notfall!</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>Konventionell</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>North + WIDE</source>
        <translation>Nord + WIDE</translation>
    </message>
    <message>
        <source>South + WIDE</source>
        <translation>Süd + WIDE</translation>
    </message>
    <message>
        <source>East + WIDE</source>
        <translation>Ost + WIDE</translation>
    </message>
    <message>
        <source>West + WIDE</source>
        <translation>West + WIDE</translation>
    </message>
    <message>
        <source>qz5-config: cannot write the output
</source>
        <translation>qz5-config: Die Ausgabe lässt sich nicht schreiben
</translation>
    </message>
    <message>
        <source>qz5-config: no simulated tracker: %1
</source>
        <translation>qz5-config: kein simulierter Tracker: %1
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>All &amp;settings</source>
        <translation>Alle &amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;About Zelbin3Config...</source>
        <translation>&amp;Info über Zelbin3Config...</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Test Tones</source>
        <translation>Testtöne</translation>
    </message>
    <message>
        <source>Find Tracker</source>
        <translation>Tracker suchen</translation>
    </message>
    <message>
        <source>Zelbin3 Read</source>
        <translation>Zelbin3 – Lesen</translation>
    </message>
    <message>
        <source>Zelbin3 Version</source>
        <translation>Zelbin3 – Version</translation>
    </message>
    <message>
        <source>Zelbin3 Write</source>
        <translation>Zelbin3 – Schreiben</translation>
    </message>
    <message>
        <source>two reads of them did not agree</source>
        <translation>zwei Lesevorgänge stimmten nicht überein</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>one reason after another</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the tracker did not send them whole</source>
        <translation>der Tracker hat sie nicht vollständig gesendet</translation>
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
        <translation>Lesen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Lesen erfolgreich</translation>
    </message>
    <message>
        <source>You are about to configure your Zelbin with the ability to send an EMERGENCY beacon.  Are you sure you want to do this?</source>
        <translation>Sie sind dabei, Ihr Zelbin so zu konfigurieren, dass es eine NOTFALL-Bake (EMERGENCY) senden kann. Möchten Sie das wirklich?</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Schreiben erfolgreich</translation>
    </message>
</context>
<context>
    <name>Write</name>
    <message>
        <source>The tracker&apos;s settings could not be kept: %1. Write without keeping them?</source>
        <translation>Die Einstellungen des Trackers konnten nicht aufbewahrt werden: %1. Ohne sie aufzubewahren schreiben?</translation>
    </message>
    <message>
        <source>The tracker already held these settings.
The earlier settings are kept: History, entry %1.</source>
        <translation>Der Tracker enthielt bereits diese Einstellungen.
Die vorherigen Einstellungen sind aufbewahrt: Verlauf, Eintrag %1.</translation>
    </message>
    <message>
        <source>The tracker already held these settings.
The earlier settings are kept in the History.</source>
        <translation>Der Tracker enthielt bereits diese Einstellungen.
Die vorherigen Einstellungen sind im Verlauf aufbewahrt.</translation>
    </message>
    <message>
        <source>Changed on the tracker:
%1The earlier settings are kept: History, entry %2.</source>
        <translation>Am Tracker geändert:
%1Die vorherigen Einstellungen sind aufbewahrt: Verlauf, Eintrag %2.</translation>
    </message>
    <message>
        <source>Changed on the tracker:
%1The earlier settings are kept in the History.</source>
        <translation>Am Tracker geändert:
%1Die vorherigen Einstellungen sind im Verlauf aufbewahrt.</translation>
    </message>
    <message numerus="yes">
        <source>Changed on the tracker:
%1and %n more
The earlier settings are kept: History, entry %2.</source>
        <translation>
            <numerusform>Am Tracker geändert:
%1und %n weitere
Die vorherigen Einstellungen sind aufbewahrt: Verlauf, Eintrag %2.</numerusform>
            <numerusform>Am Tracker geändert:
%1und %n weitere
Die vorherigen Einstellungen sind aufbewahrt: Verlauf, Eintrag %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Changed on the tracker:
%1and %n more
The earlier settings are kept in the History.</source>
        <translation>
            <numerusform>Am Tracker geändert:
%1und %n weitere
Die vorherigen Einstellungen sind im Verlauf aufbewahrt.</numerusform>
            <numerusform>Am Tracker geändert:
%1und %n weitere
Die vorherigen Einstellungen sind im Verlauf aufbewahrt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The tracker&apos;s settings from before this write were not read, so they are kept nowhere. &quot;Keep Settings Before Writing&quot; on the window menu keeps them next time.</source>
        <translation>Die Einstellungen des Trackers von vor diesem Schreibvorgang wurden nicht gelesen und sind daher nirgends aufbewahrt. „Einstellungen vor dem Schreiben aufbewahren“ im Fenstermenü bewahrt sie beim nächsten Mal auf.</translation>
    </message>
    <message>
        <source>The tracker&apos;s settings from before this write could not be kept.</source>
        <translation>Die Einstellungen des Trackers von vor diesem Schreibvorgang konnten nicht aufbewahrt werden.</translation>
    </message>
</context>
</TS>
