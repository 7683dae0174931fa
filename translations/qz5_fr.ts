<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Advice</name>
    <message>
        <source>Check that the tracker is switched on and that its cable is in this port. If it may be on another port, choose that one, or let Find Tracker on the window menu ask each port.</source>
        <translation>Vérifiez que le traceur est allumé et que son câble est branché sur ce port. S&apos;il est peut-être sur un autre port, choisissez celui-ci, ou laissez « Rechercher le traceur » du menu de la fenêtre interroger chaque port.</translation>
    </message>
    <message>
        <source>Check that the tracker is switched on and that its cable is in this port. &apos;qz5cfg ports&apos; lists the ports; &apos;qz5cfg ports --find&apos; asks each one for the tracker.</source>
        <translation>Vérifiez que le traceur est allumé et que son câble est branché sur ce port. &apos;qz5cfg ports&apos; liste les ports ; &apos;qz5cfg ports --find&apos; interroge chacun d&apos;eux pour trouver le traceur.</translation>
    </message>
    <message>
        <source>Write the configuration again.</source>
        <translation>Écrivez de nouveau la configuration.</translation>
    </message>
    <message>
        <source>Write the configuration again. The tracker&apos;s settings from before this write are in the history as number %1: History on the window menu shows them.</source>
        <translation>Écrivez de nouveau la configuration. Les réglages du traceur d&apos;avant cette écriture sont dans l&apos;historique sous le numéro %1 : « Historique » du menu de la fenêtre les affiche.</translation>
    </message>
    <message>
        <source>Write the configuration again. The tracker&apos;s settings from before this write are in the history: &apos;qz5cfg history&apos; lists them, &apos;qz5cfg history show %1&apos; prints them.</source>
        <translation>Écrivez de nouveau la configuration. Les réglages du traceur d&apos;avant cette écriture sont dans l&apos;historique : &apos;qz5cfg history&apos; les liste, &apos;qz5cfg history show %1&apos; les affiche.</translation>
    </message>
    <message>
        <source>Another program holds this port: close it and try again, or choose another port.</source>
        <translation>Un autre programme occupe ce port : fermez-le et réessayez, ou choisissez un autre port.</translation>
    </message>
    <message>
        <source>The system does not let you open this port: the reason given with &quot;Could not aquire Com Port&quot; says what gives you the right to use it.</source>
        <translation>Le système ne vous permet pas d&apos;ouvrir ce port : la raison donnée avec « Impossible d&apos;obtenir le port COM » indique ce qui vous donne le droit de l&apos;utiliser.</translation>
    </message>
    <message>
        <source>The device is not there: plug the adapter in again, or choose a port from the list.</source>
        <translation>Le périphérique est absent : rebranchez l&apos;adaptateur ou choisissez un port dans la liste.</translation>
    </message>
    <message>
        <source>The device is not there: plug the adapter in again, or choose a port that &apos;qz5cfg ports&apos; lists.</source>
        <translation>Le périphérique est absent : rebranchez l&apos;adaptateur ou choisissez un port listé par &apos;qz5cfg ports&apos;.</translation>
    </message>
    <message>
        <source>Unplug the adapter, plug it in again, and try again.</source>
        <translation>Débranchez l&apos;adaptateur, rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>Check the cable and that the tracker is switched on, then try again.</source>
        <translation>Vérifiez le câble et que le traceur est allumé, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>enter your own</source>
        <translation>saisissez le vôtre</translation>
    </message>
    <message>
        <source>enter one</source>
        <translation>saisissez-en un</translation>
    </message>
    <message>
        <source>enter it as sent</source>
        <translation>saisissez-le tel qu&apos;il est envoyé</translation>
    </message>
    <message>
        <source>shorten it</source>
        <translation>raccourcissez-le</translation>
    </message>
    <message>
        <source>remove the empty hop</source>
        <translation>supprimez le saut vide</translation>
    </message>
    <message>
        <source>ask for two hops</source>
        <translation>demandez deux sauts</translation>
    </message>
    <message>
        <source>replace the retired alias</source>
        <translation>remplacez l&apos;alias abandonné</translation>
    </message>
    <message>
        <source>use WIDE2-2 at most</source>
        <translation>utilisez WIDE2-2 au plus</translation>
    </message>
    <message>
        <source>put WIDE1-1 first</source>
        <translation>mettez WIDE1-1 en premier</translation>
    </message>
    <message>
        <source>lower the SSID</source>
        <translation>réduisez le SSID</translation>
    </message>
    <message>
        <source>remove the used-up hop</source>
        <translation>supprimez le saut épuisé</translation>
    </message>
    <message>
        <source>remove the internet alias</source>
        <translation>supprimez l&apos;alias internet</translation>
    </message>
    <message>
        <source>beacon less often</source>
        <translation>émettez des balises moins souvent</translation>
    </message>
    <message>
        <source>keep it below the slow rate</source>
        <translation>gardez-le sous l&apos;intervalle lent</translation>
    </message>
    <message>
        <source>keep it above the low speed</source>
        <translation>gardez-la au-dessus de la vitesse basse</translation>
    </message>
    <message>
        <source>turn it or SmartBeaconing off</source>
        <translation>désactivez-le ou désactivez SmartBeaconing</translation>
    </message>
    <message>
        <source>keep it within the rate</source>
        <translation>gardez-le dans l&apos;intervalle d&apos;émission</translation>
    </message>
    <message>
        <source>use plain ASCII</source>
        <translation>utilisez de l&apos;ASCII simple</translation>
    </message>
    <message>
        <source>use the 2 m band</source>
        <translation>utilisez la bande des 2 m</translation>
    </message>
    <message>
        <source>keep to 146 MHz at most</source>
        <translation>restez à 146 MHz au plus</translation>
    </message>
    <message>
        <source>use your APRS channel</source>
        <translation>utilisez votre canal APRS</translation>
    </message>
    <message>
        <source>set your APRS channel</source>
        <translation>réglez votre canal APRS</translation>
    </message>
    <message>
        <source>choose another</source>
        <translation>choisissez-en un autre</translation>
    </message>
    <message>
        <source>choose one a map can draw</source>
        <translation>choisissez-en un qu&apos;une carte sait dessiner</translation>
    </message>
    <message>
        <source>enter a value it keeps</source>
        <translation>saisissez une valeur qu&apos;il conserve</translation>
    </message>
    <message>
        <source>Beacon every %1 or slower instead of every %2: one minute is for special events, two or more for routine use.</source>
        <translation>Émettez une balise toutes les %1 ou moins souvent au lieu de toutes les %2 : une minute est réservée aux événements spéciaux, deux ou plus pour l&apos;usage courant.</translation>
    </message>
    <message>
        <source>Make the fast rate shorter than the slow rate (now %1 and %2), or faster driving would beacon less often.</source>
        <translation>Rendez l&apos;intervalle rapide plus court que l&apos;intervalle lent (actuellement %1 et %2), sinon rouler plus vite émettrait des balises moins souvent.</translation>
    </message>
    <message>
        <source>Make the high speed greater than the low speed (now %1 and %2).</source>
        <translation>Rendez la vitesse haute supérieure à la vitesse basse (actuellement %1 et %2).</translation>
    </message>
    <message>
        <source>Turn off either the time slot or SmartBeaconing: the tracker keeps the slot in SmartBeaconing&apos;s settings.</source>
        <translation>Désactivez soit le créneau horaire, soit SmartBeaconing : le traceur conserve le créneau dans les réglages de SmartBeaconing.</translation>
    </message>
    <message>
        <source>Set the time slot to at most the transmit rate, %1: a slot at %2 never comes.</source>
        <translation>Réglez le créneau horaire au plus à l&apos;intervalle d&apos;émission, %1 : un créneau à %2 n&apos;arrive jamais.</translation>
    </message>
    <message>
        <source>Choose another Mic-E message unless this is a real emergency: Emergency! sets off alarms at every station that hears it.</source>
        <translation>Choisissez un autre message Mic-E, sauf en cas de réelle urgence : Emergency! déclenche des alarmes dans toutes les stations qui l&apos;entendent.</translation>
    </message>
    <message>
        <source>Enter the station&apos;s callsign: the tracker would send a blank one.</source>
        <translation>Saisissez l&apos;indicatif de la station : le traceur en enverrait un vide.</translation>
    </message>
    <message>
        <source>Enter your own callsign: APRS-IS servers refuse %1.</source>
        <translation>Saisissez votre propre indicatif : les serveurs APRS-IS refusent %1.</translation>
    </message>
    <message>
        <source>Enter the callsign as %1, which is what the tracker will send: it keeps at most six letters or digits and an SSID from 0 to 15.</source>
        <translation>Saisissez l&apos;indicatif sous la forme %1, celle que le traceur enverra : il conserve au plus six lettres ou chiffres et un SSID de 0 à 15.</translation>
    </message>
    <message>
        <source>Set a frequency in the 2 m band, %1 to %2.</source>
        <translation>Réglez une fréquence dans la bande des 2 m, de %1 à %2.</translation>
    </message>
    <message>
        <source>Set your APRS channel before the tracker goes into service: %1 is for testing.</source>
        <translation>Réglez votre canal APRS avant la mise en service du traceur : %1 sert aux essais.</translation>
    </message>
    <message>
        <source>If you operate in %1, set a frequency of at most %2: the 2 m band of ITU Region 1 ends there.</source>
        <translation>Si vous opérez en %1, réglez une fréquence d&apos;au plus %2 : la bande des 2 m de la Région 1 de l&apos;UIT s&apos;arrête là.</translation>
    </message>
    <message>
        <source>If you operate in %1, set its APRS channel, %2.</source>
        <translation>Si vous opérez en %1, réglez son canal APRS, %2.</translation>
    </message>
    <message>
        <source>Enter a value the tracker can hold: %1 would be sent as %2.</source>
        <translation>Saisissez une valeur que le traceur peut conserver : %1 serait envoyé comme %2.</translation>
    </message>
    <message>
        <source>Shorten the path: the tracker keeps only &quot;%1&quot;.</source>
        <translation>Raccourcissez le chemin : le traceur ne conserve que « %1 ».</translation>
    </message>
    <message>
        <source>Remove the empty element from the path: the tracker would send a blank digipeater address.</source>
        <translation>Supprimez l&apos;élément vide du chemin : le traceur enverrait une adresse de digipeater vide.</translation>
    </message>
    <message>
        <source>Remove %1 from the path: it marks packets from the internet and must never go out on the air.</source>
        <translation>Supprimez %1 du chemin : il marque les paquets venant d&apos;internet et ne doit jamais être émis sur l&apos;air.</translation>
    </message>
    <message>
        <source>Replace %1 with WIDE1-1 or WIDE2-n: digipeaters no longer service this alias.</source>
        <translation>Remplacez %1 par WIDE1-1 ou WIDE2-n : les digipeaters ne traitent plus cet alias.</translation>
    </message>
    <message>
        <source>Use WIDE2-2 at most instead of %1: digipeaters limit WIDEn-N to n of 2.</source>
        <translation>Utilisez WIDE2-2 au plus au lieu de %1 : les digipeaters limitent le n de WIDEn-N à 2.</translation>
    </message>
    <message>
        <source>Put WIDE1-1 first in the path or leave it out: it asks for a fill-in digipeater&apos;s first hop only.</source>
        <translation>Mettez WIDE1-1 en premier dans le chemin ou retirez-le : il ne demande que le premier saut d&apos;un digipeater de complément.</translation>
    </message>
    <message>
        <source>Use %1 rather than %2: N above n is not serviced.</source>
        <translation>Utilisez %1 plutôt que %2 : un N supérieur à n n&apos;est pas traité.</translation>
    </message>
    <message>
        <source>Remove %1 from the path: a hop with SSID 0 is used up and asks for nothing.</source>
        <translation>Supprimez %1 du chemin : un saut avec le SSID 0 est épuisé et ne demande rien.</translation>
    </message>
    <message>
        <source>Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks for %1, which floods the network.</source>
        <translation>Demandez deux sauts, comme WIDE1-1,WIDE2-1 : ce chemin demande %1, ce qui inonde le réseau.</translation>
    </message>
    <message>
        <source>Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks for %1, which suits only an area with few digipeaters.</source>
        <translation>Demandez deux sauts, comme WIDE1-1,WIDE2-1 : ce chemin demande %1, ce qui ne convient qu&apos;à une zone où les digipeaters sont rares.</translation>
    </message>
    <message>
        <source>no callsign-prefix list: %1</source>
        <translation>pas de liste de préfixes d&apos;indicatifs : %1</translation>
    </message>
    <message>
        <source>no callsign-prefix list: %1 holds no country that can be read</source>
        <translation>pas de liste de préfixes d&apos;indicatifs : %1 ne contient aucun pays lisible</translation>
    </message>
    <message>
        <source>the callsign-prefix list %1 was read only in part: line %2 cannot be read and was left out</source>
        <translation>la liste de préfixes d&apos;indicatifs %1 n&apos;a été lue qu&apos;en partie : la ligne %2 est illisible et a été ignorée</translation>
    </message>
    <message numerus="yes">
        <source>Shorten the status text, use fewer digipeaters or share settings between the profiles: the tracker keeps only its first %n characters.</source>
        <translation>
            <numerusform>Raccourcissez le texte d&apos;état, utilisez moins de digipeaters ou partagez des réglages entre les profils : le traceur ne conserve que son premier caractère (%n).</numerusform>
            <numerusform>Raccourcissez le texte d&apos;état, utilisez moins de digipeaters ou partagez des réglages entre les profils : le traceur ne conserve que ses %n premiers caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>Shorten the Primary profile&apos;s status text, use fewer digipeaters or share settings between the profiles: the Primary profile&apos;s status text leaves no room for this one.</source>
        <translation>Raccourcissez le texte d&apos;état du profil principal, utilisez moins de digipeaters ou partagez des réglages entre les profils : le texte d&apos;état du profil principal ne laisse pas de place pour celui-ci.</translation>
    </message>
    <message>
        <source>Use fewer digipeaters or share settings between the profiles: no room is left for the status text.</source>
        <translation>Utilisez moins de digipeaters ou partagez des réglages entre les profils : il ne reste aucune place pour le texte d&apos;état.</translation>
    </message>
    <message>
        <source>Remove %1 from the status text: APRS keeps status texts to printable ASCII other than | and ~.</source>
        <translation>Supprimez %1 du texte d&apos;état : APRS limite les textes d&apos;état à l&apos;ASCII imprimable, hors | et ~.</translation>
    </message>
    <message>
        <source>Set the symbol table to /, \ or an overlay character 0-9 or A-Z: with %1 maps may show a placeholder (symbol list %2).</source>
        <translation>Réglez la table de symboles sur /, \ ou un caractère de surimpression 0-9 ou A-Z : avec %1, les cartes peuvent afficher un symbole de remplacement (liste de symboles %2).</translation>
    </message>
    <message>
        <source>Set the symbol table to /, \ or an overlay character 0-9 or A-Z: with %1 maps may show a placeholder.</source>
        <translation>Réglez la table de symboles sur /, \ ou un caractère de surimpression 0-9 ou A-Z : avec %1, les cartes peuvent afficher un symbole de remplacement.</translation>
    </message>
    <message>
        <source>Choose a symbol the list has a picture for: maps may show a placeholder for %1 on the %2 (symbol list %3).</source>
        <translation>Choisissez un symbole pour lequel la liste a une image : les cartes peuvent afficher un symbole de remplacement pour %1 (%2) (liste de symboles %3).</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
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
        <translation>Commandes en détail :
  show FILE              lit FILE comme le fait « Charger » de la fenêtre et
                         affiche l&apos;enregistrement (valeurs par défaut, puis
                         l&apos;image du fichier) en JSON ; un enregistrement JSON
                         (FILE se terminant par .json) est affiché tel qu&apos;un
                         fichier de configuration le contiendrait
  build JSON_FILE OUT    applique l&apos;enregistrement JSON aux valeurs par défaut
                         et l&apos;enregistre comme le fait « Enregistrer » de la
                         fenêtre (136 octets : &quot;ZB3A&quot;, 128, l&apos;image) ; un texte
                         d&apos;état tronqué est signalé et le fichier est tout de
                         même écrit. --strict vérifie d&apos;abord l&apos;enregistrement
                         et n&apos;enregistre rien si un constat est une erreur
                         (code de sortie 1)
  version --port P       affiche la réponse de version du traceur
  read --port P OUT      lit l&apos;image deux fois, exige 128 octets identiques qui
                         se décodent, et enregistre exactement les octets du
                         traceur dans OUT
  read --port P --json   ou affiche l&apos;enregistrement décodé en JSON
  write --port P IN      IN est un fichier de configuration, dont l&apos;image est
                         envoyée exactement telle quelle, ou un enregistrement
                         JSON si son nom se termine par .json, qui est encodé ;
                         l&apos;image est écrite puis relue pour la vérifier. Un
                         profil dont micEStatus vaut 7 (Emergency!), ou toute
                         valeur dont l&apos;octet de poids faible vaut 7, est
                         refusé, avec la question de la fenêtre comme motif,
                         sauf si --emergency-ok est donné. Avant l&apos;envoi,
                         l&apos;image actuelle du traceur est lue dans l&apos;historique
                         (environ deux secondes) ; si cette lecture échoue,
                         rien n&apos;est écrit. --no-backup l&apos;omet. --strict
                         n&apos;envoie rien si un constat de la vérification est une
                         erreur (code de sortie 1). Une fois l&apos;écriture faite,
                         chaque réglage qu&apos;elle a changé sur le traceur est
                         affiché sur stdout, comme --dry-run l&apos;affiche (rien
                         avec --no-backup).
  diff A B               compare les réglages de A et B, chacun étant un
                         fichier de configuration, un enregistrement JSON (tel
                         qu&apos;il serait écrit) ou tracker:PORT (lu depuis le
                         traceur), et affiche chaque champ qui diffère par son
                         nom JSON : &quot;profiles[1].statusText: &quot;a&quot; -&gt; &quot;b&quot;&quot; ; la
                         ligne d&apos;un symbole ajoute les noms de la liste de
                         symboles des deux côtés. Quand seuls les octets de
                         l&apos;image diffèrent, il le dit en une ligne.
  history                liste les images conservées dans l&apos;historique, la
                         dernière stockée en premier : heure (UTC), sens, port,
                         version, fichier. --json affiche un tableau JSON :
                         séquence, heure, type, port, version, indicatifs et
                         fichier (un fichier illisible a &quot;problem&quot; à la place
                         des indicatifs)
  history show N         affiche en JSON, comme show, l&apos;enregistrement de
                         l&apos;image dont le nom commence par le numéro de séquence
                         N ; write --port P FILE la remet sur un traceur. Quand
                         N commence plusieurs noms, il les nomme tous (code de
                         sortie 2)
  check SOURCE           vérifie un fichier de configuration, un enregistrement
                         JSON ou tracker:PORT par rapport à la pratique APRS et
                         à ce que le traceur conserve, et affiche une ligne par
                         constat, le plus grave en premier :
                         « gravité  règle  champ  message » (erreur : cela ne
                         peut pas fonctionner ou nuit au réseau ;
                         avertissement : cela va contre la pratique ;
                         remarque : bon à savoir). Une table de symboles qui
                         n&apos;est ni /, ni \ ni un caractère de surimpression, ou
                         un symbole pour lequel la liste de symboles n&apos;a pas
                         d&apos;image, donne un avertissement qui nomme la liste.
                         --json les affiche sous forme de tableau JSON ;
                         --ignore RULE omet une règle. write affiche les mêmes
                         constats sur stderr avant l&apos;envoi, et écrit quand même
                         sauf si --strict est donné.
  --set FIELD=VALUE      (show, build, write ; répétable) définit un champ par
                         son nom JSON, &quot;calibration&quot; ou &quot;profiles[N].NAME&quot;,
                         coupé au premier &apos;=&apos; ; un texte est pris tel quel, les
                         autres valeurs en JSON (true, 5, 144.8).
                         L&apos;enregistrement est ensuite encodé comme le fait
                         « Écrire la configuration » de la fenêtre, de sorte
                         que tous les autres réglages restent inchangés.
                         activeProfile, calibrationChanged, slotDivides60/600
                         et symbolName ne peuvent pas être définis.
  --preset N=NAME        (build, write, timing ; répétable) règle le
                         SmartBeaconing du profil N (1 principal, 2 secondaire)
                         sur un préréglage NAME, en majuscules ou minuscules,
                         et active SmartBeaconing, désactive le créneau horaire
                         et la valeur envoyée, comme le fait la liste de la
                         fenêtre ; appliqué avant tout --set. Les préréglages
                         sont listés ci-dessous.
  timing FILE            affiche quand le traceur émet ses balises, pour chaque
                         profil d&apos;un fichier de configuration ou d&apos;un
                         enregistrement JSON (les valeurs par défaut sans
                         FILE), pour ceux que --preset règle, ou pour --profile
                         N (0 principal, 1 secondaire) : SmartBeaconing
                         désactivé, l&apos;intervalle d&apos;émission (dans son créneau
                         horaire s&apos;il est activé) ; SmartBeaconing activé, une
                         série de vitesses de l&apos;arrêt jusqu&apos;au-delà de la
                         vitesse haute, chacune avec son intervalle, ses
                         balises par heure et son seuil de virage, selon les
                         règles SmartBeaconing publiées (à la vitesse basse ou
                         en dessous, l&apos;intervalle lent et pas de balise de
                         virage ; à la vitesse haute ou au-dessus, l&apos;intervalle
                         rapide ; entre les deux, intervalle rapide x vitesse
                         haute / vitesse ; angle de virage + pente de virage /
                         vitesse, au plus tôt après le délai de virage). Les
                         secondes et les degrés sont arrondis, les moitiés vers
                         le haut ; les vitesses sont dans l&apos;unité propre au
                         traceur. Un constat de la vérification sur les
                         vitesses ou intervalles SmartBeaconing est affiché à
                         la place des lignes. --json affiche un tableau d&apos;un
                         objet par profil.
  write --dry-run        lit l&apos;image du traceur dans l&apos;historique comme
                         sauvegarde, affiche sur stdout chaque réglage que
                         l&apos;écriture changerait (comme diff) et les constats sur
                         stderr, et n&apos;envoie rien. Code de sortie : 0 rien ne
                         changerait, 1 quelque chose changerait, 2 problème.
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
Historique : chaque image lue depuis un traceur ou écrite dans un traceur (par
qz5cfg ou par la fenêtre) est conservée comme fichier de configuration dans
$XDG_STATE_HOME/qz5-config/history (par défaut
~/.local/state/qz5-config/history) ; les 1000 dernières stockées sont
conservées, dans l&apos;ordre du numéro de séquence qui commence chaque nom, quoi
qu&apos;indique l&apos;horloge. Les dossiers, de la base d&apos;état jusqu&apos;au dossier de
l&apos;historique, doivent vous appartenir et ne pas être modifiables par d&apos;autres.
Si une image ne peut pas être stockée, un avertissement va sur stderr et la
commande continue ; mais une écriture dont la sauvegarde ne peut pas être
conservée n&apos;envoie rien (--no-backup écrit sans elle).

Trace : --trace FILE (avant ou après la commande) écrit chaque ouverture,
fermeture, changement de débit et octet de la ligne, horodaté en secondes
depuis le début avec une résolution de la milliseconde, « tx » pour ce qui est
envoyé au traceur et « rx » pour ce qui en est reçu. Le fichier est ouvert
quand une commande s&apos;adresse pour la première fois à un traceur ; ce doit être
un fichier ordinaire (ni terminal, ni tube, ni périphérique), et celui qu&apos;elle
crée n&apos;est lisible que par vous. Une trace qui ne peut pas être écrite est
signalée après l&apos;échange.

Les messages vont sur stderr sous la forme « Titre: texte » (le texte seul s&apos;il
n&apos;a pas de titre). La réponse de version et les enregistrements JSON vont sur
stdout. Une lecture ou une écriture réussie affiche
« Lecture Zelbin3: Lecture réussie » ou « Écriture Zelbin3: Écriture réussie »
sur stderr. Quand stderr est un terminal, version, read et write y montrent
aussi leurs étapes (« Écriture de la configuration : 64 sur 132 octets ») sur
une ligne réécrite sur place et effacée à la fin ; --quiet désactive cela.

Codes de sortie :
  0  terminé
  1  l&apos;opération sur le fichier ou le périphérique a échoué (son message
     indique laquelle), un fichier JSON n&apos;a pas pu être lu, ou le fichier de
     trace ne peut pas être écrit
  2  erreur d&apos;utilisation, enregistrement JSON non valide, une entrée qui n&apos;est
     pas un fichier ordinaire (un dossier, une FIFO, un périphérique), une
     écriture d&apos;un état Mic-E Emergency sans --emergency-ok (rien n&apos;est envoyé
     au traceur), ou un history show N dont le numéro est porté par plusieurs
     images
  diff suit plutôt diff(1) : 0 les réglages sont identiques, 1 ils diffèrent,
  2 problème (un côté n&apos;a pas pu être lu, ou erreur d&apos;utilisation)
  check : 0 aucun avertissement ni erreur, 1 au moins un, 2 problème (une règle
  inconnue pour --ignore, une source qui n&apos;a pas pu être lue)
  write --dry-run : 0 rien ne changerait, 1 quelque chose changerait,
  2 problème
  Un --set qui ne nomme aucun champ définissable ou donne une valeur du mauvais
  type sort avec 2, et rien n&apos;est écrit.

Préfixes d&apos;indicatifs : check nomme le pays d&apos;un indicatif d&apos;après la liste
qu&apos;utilisent les carnets de trafic des amateurs, cty.dat
(/usr/share/hamradio-files/cty.dat, ou à côté du programme sous Windows ;
QZ5_PREFIX_LIST désigne un autre fichier). Sans elle, aucun constat ne dépend
du pays.

Symboles : show, diff et check nomment un symbole d&apos;après la liste des images
de symboles des données d&apos;un client APRS (/usr/share/xastir/symbols/symbols.dat
de xastir-data, ou à côté du programme sous Windows ; QZ5_SYMBOLS désigne un
autre fichier). Sans elle, les noms valent null et une ligne sur stderr le
signale une fois.

Forme JSON (show et read --json l&apos;affichent ; build et write l&apos;acceptent) :
  {
    &quot;activeProfile&quot;: 0,            0 ou 1
    &quot;calibration&quot;: 128,
    &quot;calibrationChanged&quot;: false,
    &quot;profiles&quot;: [ {principal}, {secondaire} ]
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
        <translation>  Les entiers sont des entiers JSON (32 bits signés) ; les indicateurs valent
  true ou false. Les textes sont des chaînes où chaque caractère U+0000..U+00FF
  représente un octet : callsign jusqu&apos;à 19 caractères, digiPath jusqu&apos;à 99,
  statusText jusqu&apos;à 199. symbolCode et symbolTable sont des chaînes d&apos;un
  caractère (&quot;&quot; pour un octet nul). symbolName, affiché après symbolTable, est
  le nom du symbole dans la liste de symboles, ou null ; il est destiné aux
  personnes : build et write l&apos;ignorent. frequencyMHz est un nombre en MHz (au
  plus 10000000 de part et d&apos;autre de 0), affiché comme le décimal le plus
  court qui redonne le même flottant 32 bits (144.39).
  Pour build et write, chaque champ est facultatif : les champs absents gardent
  les valeurs par défaut, et &quot;profiles&quot; peut contenir moins de deux objets,
  chacun partiel. Un champ inconnu, un mauvais type, un entier hors de la plage
  32 bits, un texte trop long pour son champ ou un symbole de plus d&apos;un
  caractère est une erreur qui nomme le champ ; une clé donnée deux fois dans
  un même objet est une erreur qui nomme la clé et son objet. Le JSON affiché
  écrit les caractères de contrôle U+0080..U+009F sous forme d&apos;échappements
  \u0080..\u009f.
</translation>
    </message>
    <message>
        <source>--ignore %1: no such rule; &apos;qz5cfg check --help&apos; lists them</source>
        <translation>--ignore %1 : règle inconnue ; &apos;qz5cfg check --help&apos; les liste</translation>
    </message>
    <message>
        <source>Check a configuration file, JSON record or tracker:PORT against APRS practice and what the tracker keeps. Exit status: 0 nothing above a note, 1 a warning or an error, 2 trouble.</source>
        <translation>Vérifie un fichier de configuration, un enregistrement JSON ou tracker:PORT par rapport à la pratique APRS et à ce que le traceur conserve. Code de sortie : 0 rien au-delà d&apos;une remarque, 1 un avertissement ou une erreur, 2 problème.</translation>
    </message>
    <message>
        <source>file, JSON record or tracker:PORT</source>
        <translation>fichier, enregistrement JSON ou tracker:PORT</translation>
    </message>
    <message>
        <source>print the findings as a JSON array</source>
        <translation>afficher les constats sous forme de tableau JSON</translation>
    </message>
    <message>
        <source>leave out the findings of this rule (repeatable)</source>
        <translation>ignorer les constats de cette règle (répétable)</translation>
    </message>
    <message>
        <source>Run &apos;qz5cfg --help&apos; for ports, messages, exit statuses and the JSON form.</source>
        <translation>Lancez &apos;qz5cfg --help&apos; pour les ports, les messages, les codes de sortie et la forme JSON.</translation>
    </message>
    <message>
        <source>set a field by its JSON name, e.g. profiles[0].callsign=MYCALL-7 (repeatable)</source>
        <translation>définir un champ par son nom JSON, p. ex. profiles[0].callsign=MYCALL-7 (répétable)</translation>
    </message>
    <message>
        <source>set profile N&apos;s (1 Primary, 2 Secondary) SmartBeaconing to a preset and turn it on, before any --set: %1 (repeatable)</source>
        <translation>régler le SmartBeaconing du profil N (1 principal, 2 secondaire) sur un préréglage et l&apos;activer, avant tout --set : %1 (répétable)</translation>
    </message>
    <message>
        <source>nothing written: --strict and the check found an error</source>
        <translation>rien n&apos;a été écrit : --strict et la vérification a trouvé une erreur</translation>
    </message>
    <message>
        <source>nothing written: the tracker&apos;s current configuration could not be read into the history first; give --no-backup to write without that copy</source>
        <translation>rien n&apos;a été écrit : la configuration actuelle du traceur n&apos;a pas pu être lue d&apos;abord dans l&apos;historique ; donnez --no-backup pour écrire sans cette copie</translation>
    </message>
    <message>
        <source>nothing written: the tracker&apos;s current configuration could not be kept in the history (%1); give --no-backup to write without that copy</source>
        <translation>rien n&apos;a été écrit : la configuration actuelle du traceur n&apos;a pas pu être conservée dans l&apos;historique (%1) ; donnez --no-backup pour écrire sans cette copie</translation>
    </message>
    <message>
        <source>nothing written; give --emergency-ok to write an Emergency status</source>
        <translation>rien n&apos;a été écrit ; donnez --emergency-ok pour écrire un état Emergency</translation>
    </message>
    <message>
        <source>the tracker&apos;s current configuration could not be kept in the history (%1); a write would be refused</source>
        <translation>la configuration actuelle du traceur n&apos;a pas pu être conservée dans l&apos;historique (%1) ; une écriture serait refusée</translation>
    </message>
    <message>
        <source>COM1..COM255, a device path, or auto to look for the tracker on every free port</source>
        <translation>COM1..COM255, un chemin de périphérique, ou auto pour chercher le traceur sur chaque port libre</translation>
    </message>
    <message>
        <source>no progress line on a terminal (there is none in a pipe)</source>
        <translation>pas de ligne de progression sur un terminal (il n&apos;y en a pas dans un tube)</translation>
    </message>
    <message>
        <source>Print the tracker&apos;s version reply.</source>
        <translation>Affiche la réponse de version du traceur.</translation>
    </message>
    <message>
        <source>Read the tracker&apos;s configuration and save it to OUT (or print it with --json).</source>
        <translation>Lit la configuration du traceur et l&apos;enregistre dans OUT (ou l&apos;affiche avec --json).</translation>
    </message>
    <message>
        <source>read: give OUT or --json</source>
        <translation>read : donnez OUT ou --json</translation>
    </message>
    <message>
        <source>configuration file to write</source>
        <translation>fichier de configuration à écrire</translation>
    </message>
    <message>
        <source>print the record as JSON instead of saving it</source>
        <translation>afficher l&apos;enregistrement en JSON au lieu de l&apos;enregistrer</translation>
    </message>
    <message>
        <source>Write a configuration file, or a JSON record (IN ending in .json), into the tracker and verify it by reading it back.</source>
        <translation>Écrit un fichier de configuration, ou un enregistrement JSON (IN se terminant par .json), dans le traceur et le vérifie en le relisant.</translation>
    </message>
    <message>
        <source>write: --dry-run compares with the backup read, which --no-backup leaves out</source>
        <translation>write : --dry-run compare avec la sauvegarde lue, que --no-backup omet</translation>
    </message>
    <message>
        <source>write: --dry-run sends nothing and prints every finding; --strict is for the write itself</source>
        <translation>write : --dry-run n&apos;envoie rien et affiche chaque constat ; --strict concerne l&apos;écriture elle-même</translation>
    </message>
    <message>
        <source>configuration file or JSON record</source>
        <translation>fichier de configuration ou enregistrement JSON</translation>
    </message>
    <message>
        <source>allow a profile whose Mic-E status is 7 (Emergency!)</source>
        <translation>autoriser un profil dont l&apos;état Mic-E est 7 (Emergency!)</translation>
    </message>
    <message>
        <source>do not read the tracker&apos;s current image into the history first</source>
        <translation>ne pas lire d&apos;abord l&apos;image actuelle du traceur dans l&apos;historique</translation>
    </message>
    <message>
        <source>read the tracker&apos;s image into the history, print what the write would change and the check&apos;s findings, and send nothing (exit status as diff)</source>
        <translation>lire l&apos;image du traceur dans l&apos;historique, afficher ce que l&apos;écriture changerait et les constats de la vérification, et ne rien envoyer (code de sortie comme diff)</translation>
    </message>
    <message>
        <source>check the record first and send nothing when a finding is an error</source>
        <translation>vérifier d&apos;abord l&apos;enregistrement et ne rien envoyer si un constat est une erreur</translation>
    </message>
    <message>
        <source>--port %1: expected COM1..COM255, auto, or a device path starting with &apos;/&apos;</source>
        <translation>--port %1 : attendu COM1..COM255, auto, ou un chemin de périphérique commençant par &apos;/&apos;</translation>
    </message>
    <message>
        <source>same settings; the images differ in %1 byte(s) (rounded delays or the layout of the image)</source>
        <translation>mêmes réglages ; les images diffèrent de %1 octet(s) (délais arrondis ou disposition de l&apos;image)</translation>
    </message>
    <message>
        <source>Compare the settings of two configuration files, JSON records or tracker:PORT. Exit status as diff(1): 0 equal, 1 different, 2 trouble.</source>
        <translation>Compare les réglages de deux fichiers de configuration, enregistrements JSON ou tracker:PORT. Code de sortie comme diff(1) : 0 identiques, 1 différents, 2 problème.</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>impossible d&apos;écrire la sortie</translation>
    </message>
    <message>
        <source>%1: expected FIELD=VALUE</source>
        <translation>%1 : attendu CHAMP=VALEUR</translation>
    </message>
    <message>
        <source>%1: cannot be set</source>
        <translation>%1 : ne peut pas être défini</translation>
    </message>
    <message>
        <source>%1: unknown field (profile fields are named profiles[0].NAME or profiles[1].NAME)</source>
        <translation>%1 : champ inconnu (les champs de profil se nomment profiles[0].NOM ou profiles[1].NOM)</translation>
    </message>
    <message>
        <source>%1: expected N=NAME</source>
        <translation>%1 : attendu N=NOM</translation>
    </message>
    <message>
        <source>%1: the profile is 1 (Primary) or 2 (Secondary)</source>
        <translation>%1 : le profil est 1 (principal) ou 2 (secondaire)</translation>
    </message>
    <message>
        <source>%1: the presets are %2</source>
        <translation>%1 : les préréglages sont %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an option and what is wrong with its value</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>nothing saved: --strict and the check found an error</source>
        <translation>rien n&apos;a été enregistré : --strict et la vérification a trouvé une erreur</translation>
    </message>
    <message>
        <source>Print a configuration file (.zb3) or a JSON record as JSON.</source>
        <translation>Affiche un fichier de configuration (.zb3) ou un enregistrement JSON en JSON.</translation>
    </message>
    <message>
        <source>Apply a JSON record to the defaults and save it as a configuration file.</source>
        <translation>Applique un enregistrement JSON aux valeurs par défaut et l&apos;enregistre comme fichier de configuration.</translation>
    </message>
    <message>
        <source>JSON record</source>
        <translation>enregistrement JSON</translation>
    </message>
    <message>
        <source>check the record first and save nothing when a finding is an error</source>
        <translation>vérifier d&apos;abord l&apos;enregistrement et ne rien enregistrer si un constat est une erreur</translation>
    </message>
    <message>
        <source>Looking for the tracker: every serial port that no other program holds gets the version request (ESC ESC V) at 4800, then 9600 bit/s, with DTR and RTS raised.</source>
        <translation>Recherche du traceur : chaque port série qu&apos;aucun autre programme n&apos;occupe reçoit la demande de version (ESC ESC V) à 4800, puis 9600 bit/s, avec DTR et RTS levés.</translation>
    </message>
    <message>
        <source>Asking %1 at %2 bit/s (port %3 of %4)</source>
        <translation>Interrogation de %1 à %2 bit/s (port %3 sur %4)</translation>
    </message>
    <message>
        <source>No serial ports found.</source>
        <translation>Aucun port série trouvé.</translation>
    </message>
    <message>
        <source>--port auto: no tracker answered on any free port (qz5cfg ports lists them and why some cannot be opened)</source>
        <translation>--port auto : aucun traceur n&apos;a répondu sur un port libre (qz5cfg ports les liste et indique pourquoi certains ne s&apos;ouvrent pas)</translation>
    </message>
    <message>
        <source>--port auto: a tracker answered on each of %1; name one with --port</source>
        <translation>--port auto : un traceur a répondu sur chacun de %1 ; désignez-en un avec --port</translation>
    </message>
    <message>
        <source>Found the tracker on %1.</source>
        <translation>Traceur trouvé sur %1.</translation>
    </message>
    <message>
        <source>Each profile object holds every per-profile field under its own name, in this order: %1.</source>
        <translation>Chaque objet de profil contient chaque champ propre au profil sous son propre nom, dans cet ordre : %1.</translation>
    </message>
    <message>
        <source>Rules: %1.</source>
        <translation>Règles : %1.</translation>
    </message>
    <message>
        <source>SmartBeaconing presets (speeds in %1, as the record&apos;s defaults):</source>
        <translation>Préréglages SmartBeaconing (vitesses en %1, comme les valeurs par défaut de l&apos;enregistrement) :</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a preset&apos;s values as a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>List the images kept from every read and write, the one stored last first.</source>
        <translation>Liste les images conservées de chaque lecture et écriture, la dernière stockée en premier.</translation>
    </message>
    <message>
        <source>print a JSON array: sequence, time, kind, port, version, callsigns, file</source>
        <translation>afficher un tableau JSON : sequence, time, kind, port, version, callsigns, file</translation>
    </message>
    <message>
        <source>Print the record of the kept image numbered N (its name&apos;s first part) as JSON.</source>
        <translation>Affiche en JSON l&apos;enregistrement de l&apos;image conservée numéro N (la première partie de son nom).</translation>
    </message>
    <message>
        <source>the image&apos;s sequence number</source>
        <translation>le numéro de séquence de l&apos;image</translation>
    </message>
    <message>
        <source>qz5cfg: show and build tracker configuration files, and read, write or ask the version of a tracker on a serial port.</source>
        <translation>qz5cfg : afficher et construire des fichiers de configuration de traceur, et lire, écrire ou demander la version d&apos;un traceur sur un port série.</translation>
    </message>
    <message>
        <source>Print the version and exit</source>
        <translation>Afficher la version et quitter</translation>
    </message>
    <message>
        <source>write every byte on the serial line, with times, to this file</source>
        <translation>écrire dans ce fichier chaque octet de la ligne série, avec l&apos;heure</translation>
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
        <translation>  ports                  liste chaque périphérique série présent, ouvrable ou
  ports --json           non : nom COM, chemin, description (fabricant, modèle,
                         identifiants USB, numéro de série, pilote, nom dans
                         /dev/serial/by-id) et, s&apos;il ne peut pas être ouvert,
                         pourquoi et que faire ; puis les adaptateurs série USB
                         branchés mais sans port. Sortie 0 si la liste a
                         fonctionné, même vide.
  ports --find           demande à chaque port qu&apos;aucun autre programme
                         n&apos;occupe la version du traceur, à 4800 puis
                         9600 bit/s : cela envoie la demande de version et lève
                         DTR et RTS sur chacun. Une ligne par port ; sortie 0
                         si un traceur a répondu, 1 si aucun. Un port qu&apos;un
                         autre processus a ouvert est ignoré ; seul root voit
                         les processus des autres utilisateurs, donc un port
                         occupé sans verrou par le programme d&apos;un autre
                         utilisateur est interrogé.

Ports (--port P) :
  COM1..COM255 désignent les périphériques série trouvés dans /dev, dans
  l&apos;ordre ttyUSB*, ttyACM*, ttyS*, ttyAMA*, rfcomm* ; un chemin commençant par
  &apos;/&apos; (par exemple /dev/ttyUSB0 ou /dev/pts/4) est utilisé tel quel ; auto
  cherche le traceur comme le fait ports --find et utilise le seul port où il a
  répondu (sortie 1 si aucun ou plusieurs ont répondu). com5 et \\.\COM5
  désignent COM5. Le traceur est cherché à 4800 bit/s, puis à 9600. Quand un
  port ne peut pas être ouvert, la ligne après « Impossible d&apos;obtenir le port
  COM » indique pourquoi (la permission et le groupe à rejoindre, le programme
  qui l&apos;occupe, ...).
</translation>
    </message>
    <message>
        <source>List the serial devices, what they are and whether they open.</source>
        <translation>Liste les périphériques série, ce qu&apos;ils sont et s&apos;ils s&apos;ouvrent.</translation>
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
        <translation>  ports                  liste les ports COM que Windows connaît, ouvrables ou
  ports --json           non : nom, périphérique, description (nom de
                         l&apos;adaptateur, identifiants USB, numéro de série,
                         pilote) et, s&apos;il ne peut pas être ouvert, pourquoi et
                         que faire ; puis les adaptateurs branchés mais sans
                         port fonctionnel. Sortie 0 si la liste a fonctionné,
                         même vide.
  ports --find           demande à chaque port qu&apos;aucun autre programme
                         n&apos;occupe la version du traceur, à 4800 puis
                         9600 bit/s : cela envoie la demande de version et lève
                         DTR et RTS sur chacun. Une ligne par port ; sortie 0
                         si un traceur a répondu, 1 si aucun.

Ports (--port P) :
  COM1..COM255 sont les propres ports COM du système, tels que les montre le
  Gestionnaire de périphériques, en majuscules ou minuscules (com5) et aussi
  sous la forme \\.\COM5. Un port qu&apos;un autre programme occupe ne s&apos;ouvre pas.
  auto cherche le traceur comme le fait ports --find et utilise le seul port où
  il a répondu (sortie 1 si aucun ou plusieurs ont répondu). Le traceur est
  cherché à 4800 bit/s, puis à 9600. Quand un port ne peut pas être ouvert, la
  ligne après « Impossible d&apos;obtenir le port COM » indique pourquoi.
</translation>
    </message>
    <message>
        <source>List the COM ports that Windows knows, what they are and whether they open.</source>
        <translation>Liste les ports COM connus de Windows, ce qu&apos;ils sont et s&apos;ils s&apos;ouvrent.</translation>
    </message>
    <message>
        <source>print the list as JSON</source>
        <translation>afficher la liste en JSON</translation>
    </message>
    <message>
        <source>ask every free port for the tracker&apos;s version (sends the version request and raises DTR and RTS on each) and say which answered</source>
        <translation>interroger chaque port libre pour obtenir la version du traceur (envoie la demande de version et lève DTR et RTS sur chacun) et indiquer lesquels ont répondu</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>the heading of the help&apos;s options</comment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Afficher ce message d&apos;aide et quitter</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <comment>the heading of the help&apos;s commands</comment>
        <translation>Sous-commandes</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Utilisation</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Arguments positionnels</translation>
    </message>
    <message>
        <source>hint: %1</source>
        <comment>what to try next, after a message</comment>
        <translation>conseil : %1</translation>
    </message>
    <message>
        <source>Print when the tracker sends its beacons: the interval, or with SmartBeaconing the interval and turn threshold at a row of speeds, and the beacons per hour.</source>
        <translation>Affiche quand le traceur émet ses balises : l&apos;intervalle, ou avec SmartBeaconing l&apos;intervalle et le seuil de virage pour une série de vitesses, et les balises par heure.</translation>
    </message>
    <message>
        <source>timing: give FILE or --preset</source>
        <translation>timing : donnez FILE ou --preset</translation>
    </message>
    <message>
        <source>configuration file or JSON record; the defaults without it</source>
        <translation>fichier de configuration ou enregistrement JSON ; les valeurs par défaut sans lui</translation>
    </message>
    <message>
        <source>0 (Primary) or 1 (Secondary); both without it</source>
        <translation>0 (principal) ou 1 (secondaire) ; les deux sans lui</translation>
    </message>
    <message>
        <source>print the timing as a JSON array, one object a profile</source>
        <translation>afficher la cadence sous forme de tableau JSON, un objet par profil</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>&amp;Load Tracker&apos;s Settings</source>
        <translation>&amp;Charger les réglages du traceur</translation>
    </message>
    <message>
        <source>Compare with Tracker</source>
        <translation>Comparer avec le traceur</translation>
    </message>
    <message>
        <source>Differences from the form</source>
        <translation>Différences avec le formulaire</translation>
    </message>
    <message>
        <source>The tracker holds the same settings as the form.</source>
        <translation>Le traceur contient les mêmes réglages que le formulaire.</translation>
    </message>
    <message>
        <source>&amp;The tracker and the form are the same:</source>
        <translation>&amp;Le traceur et le formulaire sont identiques :</translation>
    </message>
    <message>
        <source>&amp;The tracker differs from the form (form -&gt; tracker):</source>
        <translation>&amp;Le traceur diffère du formulaire (formulaire -&gt; traceur) :</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Primary, %1: %2 -&gt; %3</source>
        <translation>Principal, %1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Secondary, %1: %2 -&gt; %3</source>
        <translation>Secondaire, %1: %2 -&gt; %3</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct path was given.</source>
        <translation>%1
Dossier introuvable.
Veuillez vérifier que le chemin indiqué est correct.</translation>
    </message>
    <message>
        <source>a link on the way is another user&apos;s, in a folder every user may write to</source>
        <translation>un lien sur le chemin appartient à un autre utilisateur, dans un dossier où tout utilisateur peut écrire</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Charger un fichier de configuration</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Enregistrer le fichier de configuration</translation>
    </message>
    <message>
        <source>Zelbin3 Config files *.zb3</source>
        <translation>Fichiers de configuration Zelbin3 *.zb3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>%1 may be written by other users</source>
        <translation>%1 peut être modifié par d&apos;autres utilisateurs</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a folder, a FIFO or a device); give a file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire (un dossier, une FIFO ou un périphérique) ; indiquez un fichier.</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB</source>
        <translation>%1 dépasse %2 Mio</translation>
    </message>
    <message>
        <source>%1 is another user&apos;s; using %2 instead</source>
        <translation>%1 appartient à un autre utilisateur ; utilisation de %2 à la place</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avertissement</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Échec du chargement</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>Impossible d&apos;écrire les données</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>Impossible de lire les données</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Format de fichier non valide</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>%1: larger than 1 MiB, not a record</source>
        <translation>%1 : plus de 1 Mio, ce n&apos;est pas un enregistrement</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong in it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>nothing could be written</source>
        <translation>rien n&apos;a pu être écrit</translation>
    </message>
    <message>
        <source>it is not a regular file (a terminal, a pipe or a device)</source>
        <translation>ce n&apos;est pas un fichier ordinaire (un terminal, un tube ou un périphérique)</translation>
    </message>
    <message>
        <source>it is not a regular file (a console, a pipe or a device)</source>
        <translation>ce n&apos;est pas un fichier ordinaire (une console, un tube ou un périphérique)</translation>
    </message>
    <message>
        <source>cannot write the trace file %1: %2</source>
        <translation>impossible d&apos;écrire le fichier de trace %1 : %2</translation>
    </message>
    <message>
        <source>cannot write the trace: the stream failed</source>
        <translation>impossible d&apos;écrire la trace : le flux a échoué</translation>
    </message>
</context>
<context>
    <name>FindTracker</name>
    <message>
        <source>Find Tracker</source>
        <translation>Rechercher le traceur</translation>
    </message>
    <message>
        <source>Asking %1 for the tracker&apos;s version at %2 bit/s (port %3 of %4)</source>
        <translation>Demande de la version du traceur à %1 à %2 bit/s (port %3 sur %4)</translation>
    </message>
    <message>
        <source>%1Cancelled before the other ports were asked.
</source>
        <translation>%1Annulé avant l&apos;interrogation des autres ports.
</translation>
    </message>
    <message>
        <source>Find Tracker sends the tracker&apos;s version request to every serial port that no other program holds, at 4800 and then at 9600 bit/s, and raises each port&apos;s DTR and RTS lines. Another device on one of those ports may react to that.

Look for the tracker now?</source>
        <translation>« Rechercher le traceur » envoie la demande de version du traceur à chaque port série qu&apos;aucun autre programme n&apos;occupe, à 4800 puis à 9600 bit/s, et lève les lignes DTR et RTS de chaque port. Un autre appareil branché sur l&apos;un de ces ports peut y réagir.

Rechercher le traceur maintenant ?</translation>
    </message>
    <message>
        <source>The tracker answered on %1
%2 is now the selected port.</source>
        <translation>Le traceur a répondu sur %1
%2 est maintenant le port sélectionné.</translation>
    </message>
    <message>
        <source>Cancelled: no tracker answered on the ports asked.</source>
        <translation>Annulé : aucun traceur n&apos;a répondu sur les ports interrogés.</translation>
    </message>
    <message>
        <source>No tracker answered on any free port.</source>
        <translation>Aucun traceur n&apos;a répondu sur un port libre.</translation>
    </message>
    <message>
        <source>A tracker answered on more than one port; choose the one to use in the COM port list.</source>
        <translation>Un traceur a répondu sur plusieurs ports ; choisissez celui à utiliser dans la liste des ports COM.</translation>
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
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1, Primary profile, %2: %3</source>
        <translation>%1, profil principal, %2: %3</translation>
    </message>
    <message>
        <source>%1, Secondary profile, %2: %3</source>
        <translation>%1, profil secondaire, %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No findings: APRS practice is kept</source>
        <translation>Aucun constat : la pratique APRS est respectée</translation>
    </message>
    <message>
        <source> (1 finding)</source>
        <translation> (1 constat)</translation>
    </message>
    <message numerus="yes">
        <source> (%n findings)</source>
        <translation>
            <numerusform> (%n constat)</numerusform>
            <numerusform> (%n constats)</numerusform>
        </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Constats</translation>
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
        <translation>La liste des ports propose COM1, COM2, ... pour les périphériques série trouvés
dans /dev au démarrage, dans l&apos;ordre ttyUSB*, ttyACM*, ttyS*, ttyAMA*, rfcomm* ;
survolez un nom pour voir son périphérique. Les périphériques série appartiennent
en général au groupe dialout. « Rechercher le traceur » du menu de la fenêtre
(clic droit, Maj+F10) interroge chaque port libre.
</translation>
    </message>
    <message>
        <source>The port list offers those of COM1 to COM255 that Windows knows and that can
be opened now, under the names Device Manager shows (Ports (COM &amp; LPT)); hover
over a name to see the adapter. A port that another program has open is not
listed. The list follows adapters plugged in and removed while it is open.
Find Tracker on the window menu (right click, Shift+F10) asks each free port.
</source>
        <translation>La liste des ports propose ceux de COM1 à COM255 que Windows connaît et qui
peuvent être ouverts maintenant, sous les noms du Gestionnaire de périphériques
(Ports (COM et LPT)) ; survolez un nom pour voir l&apos;adaptateur. Un port ouvert
par un autre programme n&apos;est pas listé. La liste suit les adaptateurs branchés
et retirés pendant qu&apos;elle est ouverte. « Rechercher le traceur » du menu de la
fenêtre (clic droit, Maj+F10) interroge chaque port libre.
</translation>
    </message>
    <message>
        <source>The window draws its captions in DejaVuSans.ttf from the program&apos;s folder;
when that file is missing or broken it says so once and uses another face,
in which some captions may be cut off.
</source>
        <translation>La fenêtre dessine ses libellés avec DejaVuSans.ttf du dossier du programme ;
si ce fichier manque ou est endommagé, elle le signale une fois et utilise une
autre police, dans laquelle certains libellés peuvent être tronqués.
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
        <translation>Utilisation : qz5-config [OPTION]... [FILE]
Configure un traceur APRS Orvane QZ5 par un port série : lit sa version et sa
configuration, modifie les profils de balise principal et secondaire, les
réécrit et les vérifie, et fait émettre au traceur des tonalités d&apos;essai. Un
fichier de configuration (.zb3) donné comme FILE est chargé une fois la fenêtre
affichée, comme le fait « Charger ».

Options :
      --demo              relie COM1 à un traceur simulé au lieu d&apos;un
                          périphérique série, pour essayer le programme sans
                          matériel
      --all-settings      ouvre la vue « Tous les réglages », avec chaque
                          réglage des deux profils, au lieu de la dernière vue
                          choisie
      --quit-after-start  ferme la fenêtre dès qu&apos;elle a été affichée ; le code
                          de sortie est 1 si elle n&apos;a pas pu être affichée
                          (pour vérifier une installation)
      --trace FILE        écrit dans FILE chaque octet envoyé et reçu sur la
                          ligne série, avec son heure, ainsi que chaque
                          ouverture, fermeture et changement de débit
  -h, --help              affiche cette aide et quitte
      --version           affiche la version et quitte

Les options propres à Qt, comme -platform NAME, sont également acceptées.

%1%2
Codes de sortie :
  0  la fenêtre a été fermée, ou l&apos;aide ou la version a été affichée
  1  le traceur simulé de la démo n&apos;a pas pu être démarré, le fichier de trace
     n&apos;a pas pu être écrit, l&apos;aide ou la version n&apos;a pas pu être écrite, ou
     avec --quit-after-start la fenêtre n&apos;a pas pu être affichée
  2  erreur d&apos;utilisation
</translation>
    </message>
    <message>
        <source>qz5-config: %1
Try &apos;qz5-config --help&apos; for more information.
</source>
        <translation>qz5-config : %1
Essayez &apos;qz5-config --help&apos; pour plus d&apos;informations.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--trace&apos; needs a file name</source>
        <translation>l&apos;option &apos;--trace&apos; nécessite un nom de fichier</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Read</source>
        <comment>a kept image the tracker sent</comment>
        <translation>Lue</translation>
    </message>
    <message>
        <source>Kept before a write</source>
        <translation>Conservée avant une écriture</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Écrite</translation>
    </message>
    <message>
        <source>&amp;Load into Form</source>
        <translation>&amp;Charger dans le formulaire</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Kept images</source>
        <translation>Images conservées</translation>
    </message>
    <message>
        <source>Differences from the form</source>
        <translation>Différences avec le formulaire</translation>
    </message>
    <message>
        <source>&amp;Kept images, the newest first:</source>
        <translation>&amp;Images conservées, la plus récente en premier :</translation>
    </message>
    <message>
        <source>&amp;Differences from the form (form -&gt; image):</source>
        <translation>&amp;Différences avec le formulaire (formulaire -&gt; image) :</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>No. %1   </source>
        <translation>N° %1   </translation>
    </message>
    <message>
        <source>does not read as a configuration file</source>
        <translation>illisible comme fichier de configuration</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>L&apos;historique est illisible : %1</translation>
    </message>
    <message>
        <source>No images have been kept yet. Every Read and Write adds one (%1).</source>
        <translation>Aucune image n&apos;a encore été conservée. Chaque lecture et chaque écriture en ajoute une (%1).</translation>
    </message>
    <message>
        <source>This file does not read as a configuration file: %1</source>
        <translation>Ce fichier est illisible comme fichier de configuration : %1</translation>
    </message>
    <message>
        <source>The same settings as the form.</source>
        <translation>Les mêmes réglages que le formulaire.</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lecture</translation>
    </message>
    <message>
        <source>write</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>sauvegarde</translation>
    </message>
    <message>
        <source>the clock (%1) is behind the newest image in the history (%2); images are still kept in the order they were stored</source>
        <translation>l&apos;horloge (%1) retarde sur l&apos;image la plus récente de l&apos;historique (%2) ; les images sont toujours conservées dans l&apos;ordre où elles ont été stockées</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avertissement</translation>
    </message>
    <message>
        <source>warning: the image was not kept in the history</source>
        <translation>avertissement : l&apos;image n&apos;a pas été conservée dans l&apos;historique</translation>
    </message>
    <message>
        <source>no folder to keep it in (HOME and XDG_STATE_HOME are unset)</source>
        <translation>aucun dossier où la conserver (HOME et XDG_STATE_HOME ne sont pas définis)</translation>
    </message>
    <message>
        <source>%1 has the last number there is; move the images elsewhere to number anew from 1</source>
        <translation>%1 porte le dernier numéro possible ; déplacez les images ailleurs pour renuméroter à partir de 1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>impossible de verrouiller %1 : %2</translation>
    </message>
    <message>
        <source>cannot read the history: %1</source>
        <translation>impossible de lire l&apos;historique : %1</translation>
    </message>
    <message>
        <source>history show: N is the number that begins an image&apos;s name, not &quot;%1&quot;</source>
        <translation>history show : N est le numéro qui commence le nom d&apos;une image, pas « %1 »</translation>
    </message>
    <message>
        <source>history show: no image numbered %1 in %2</source>
        <translation>history show : aucune image numérotée %1 dans %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>a list of files</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>history show: more than one image is numbered %1: %2; show the one meant by its file</source>
        <translation>history show : plusieurs images portent le numéro %1 : %2 ; affichez celle voulue par son fichier</translation>
    </message>
</context>
<context>
    <name>Image</name>
    <message>
        <source>Bad EE Size</source>
        <translation>Taille EE incorrecte</translation>
    </message>
    <message>
        <source>The Primary or Secondary digipeater path is too long and has been truncated.</source>
        <translation>Le chemin de digipeaters principal ou secondaire est trop long et a été tronqué.</translation>
    </message>
    <message>
        <source>Digipeater Path Truncated</source>
        <translation>Chemin de digipeaters tronqué</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <translation>Le texte de la balise d&apos;état principale ou secondaire est trop long et a été tronqué. Pour avoir un texte de balise d&apos;état plus long, utilisez moins de digipeaters et rendez identiques les indicatifs, les digipeaters ou les textes d&apos;état principaux et secondaires.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Texte de la balise d&apos;état tronqué</translation>
    </message>
    <message>
        <source>Bad EE Size %1
</source>
        <translation>Taille EE incorrecte %1
</translation>
    </message>
</context>
<context>
    <name>Json</name>
    <message>
        <source>%1: integer outside -2147483648..2147483647</source>
        <translation>%1 : entier hors de -2147483648..2147483647</translation>
    </message>
    <message>
        <source>%1: expected an integer</source>
        <translation>%1 : entier attendu</translation>
    </message>
    <message>
        <source>%1: expected true or false</source>
        <translation>%1 : true ou false attendu</translation>
    </message>
    <message>
        <source>%1: expected a string</source>
        <translation>%1 : chaîne attendue</translation>
    </message>
    <message>
        <source>%1: character outside U+0000..U+00FF</source>
        <translation>%1 : caractère hors de U+0000..U+00FF</translation>
    </message>
    <message>
        <source>%1: a text cannot contain U+0000</source>
        <translation>%1 : un texte ne peut pas contenir U+0000</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters</source>
        <translation>%1 : plus de %2 caractères</translation>
    </message>
    <message>
        <source>%1: more than one character</source>
        <translation>%1 : plus d&apos;un caractère</translation>
    </message>
    <message>
        <source>%1: expected a number</source>
        <translation>%1 : nombre attendu</translation>
    </message>
    <message>
        <source>%1: outside -10000000..10000000</source>
        <translation>%1 : hors de -10000000..10000000</translation>
    </message>
    <message>
        <source>%1: expected an object</source>
        <translation>%1 : objet attendu</translation>
    </message>
    <message>
        <source>%1: unknown field</source>
        <translation>%1 : champ inconnu</translation>
    </message>
    <message>
        <source>%1: expected an array of at most two objects</source>
        <translation>%1 : tableau d&apos;au plus deux objets attendu</translation>
    </message>
    <message>
        <source>expected a JSON object</source>
        <translation>objet JSON attendu</translation>
    </message>
    <message>
        <source>%1: must be 0 or 1</source>
        <translation>%1 : doit valoir 0 ou 1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; named twice in %2</source>
        <translation>« %1 » nommé deux fois dans %2</translation>
    </message>
    <message>
        <source>the record</source>
        <translation>l&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>GetCommState failed</source>
        <translation>Échec de GetCommState</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>Échec de SetCommState</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>Échec de SetCommTimeouts</translation>
    </message>
    <message>
        <source>Looking for the tracker at %1 bit/s</source>
        <translation>Recherche du traceur à %1 bit/s</translation>
    </message>
    <message>
        <source>Writing the configuration: %1 of %2 bytes</source>
        <translation>Écriture de la configuration : %1 sur %2 octets</translation>
    </message>
    <message>
        <source>Reading it back</source>
        <translation>Relecture</translation>
    </message>
    <message>
        <source>Keeping the tracker&apos;s settings: reading them</source>
        <translation>Conservation des réglages du traceur : lecture</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>Lecture de la configuration</translation>
    </message>
    <message>
        <source>Keeping the tracker&apos;s settings: reading them again to compare</source>
        <translation>Conservation des réglages du traceur : nouvelle lecture pour comparer</translation>
    </message>
    <message>
        <source>Reading it again to compare</source>
        <translation>Nouvelle lecture pour comparer</translation>
    </message>
    <message>
        <source>Starting the test tone</source>
        <translation>Démarrage de la tonalité d&apos;essai</translation>
    </message>
    <message>
        <source>Stopping the test tone</source>
        <translation>Arrêt de la tonalité d&apos;essai</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>Port COM non valide</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Échec de l&apos;écriture sur le port COM</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>Écriture sur le port COM incohérente</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Échec de la lecture du port COM</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Échec de la fermeture du port COM</translation>
    </message>
    <message>
        <source>Zelbin3 Not Found</source>
        <translation>Zelbin3 introuvable</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>Échec de l&apos;écriture (code %1 %2)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Échec de l&apos;écriture</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>Ports</name>
    <message>
        <source>No COM Ports Found</source>
        <translation>Aucun port COM trouvé</translation>
    </message>
    <message>
        <source>%1 (%2, %3):
%4</source>
        <translation>%1 (%2, %3) :
%4</translation>
    </message>
    <message>
        <source>No COM port can be used.</source>
        <translation>Aucun port COM n&apos;est utilisable.</translation>
    </message>
    <message>
        <source>%1

%2</source>
        <translation>%1

%2</translation>
    </message>
    <message>
        <source>COM Ports</source>
        <translation>Ports COM</translation>
    </message>
    <message>
        <source>Ignored the lock file %1: %2.</source>
        <translation>Fichier de verrou %1 ignoré : %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>one sentence after another</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Access is denied: another program has %1 open (a terminal, GPS or map program, or a second copy of this one). Close it, then try again.</source>
        <translation>Accès refusé : un autre programme a ouvert %1 (un terminal, un programme GPS ou de cartographie, ou une deuxième instance de celui-ci). Fermez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>Windows has no port %1 now: the adapter is unplugged, or its driver is not installed (Device Manager, Ports (COM &amp; LPT)).</source>
        <translation>Windows n&apos;a pas de port %1 actuellement : l&apos;adaptateur est débranché, ou son pilote n&apos;est pas installé (Gestionnaire de périphériques, Ports (COM et LPT)).</translation>
    </message>
    <message>
        <source>%1 is there but its adapter does not answer: unplug it and plug it in again.</source>
        <translation>%1 est présent mais son adaptateur ne répond pas : débranchez-le et rebranchez-le.</translation>
    </message>
    <message>
        <source>Windows says: %1 (error %2).</source>
        <translation>Windows indique : %1 (erreur %2).</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>this program</source>
        <translation>ce programme</translation>
    </message>
    <message>
        <source>a process</source>
        <translation>un processus</translation>
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
        <translation>Utilisé par %1. Son fichier de verrou est %2. Fermez ce programme ou laissez-le libérer le port, puis réessayez.</translation>
    </message>
    <message>
        <source>In use by %1. Close that program or let it release the port, then try again.</source>
        <translation>Utilisé par %1. Fermez ce programme ou laissez-le libérer le port, puis réessayez.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment.</source>
        <translation>Occupé : le périphérique vient d&apos;être branché, et un gestionnaire de modems sonde généralement ces périphériques pendant quelques secondes. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment. To keep the modem manager away from it for good, give it the udev property ID_MM_DEVICE_IGNORE=1 in a udev rule.</source>
        <translation>Occupé : le périphérique vient d&apos;être branché, et un gestionnaire de modems sonde généralement ces périphériques pendant quelques secondes. Réessayez dans un instant. Pour tenir définitivement le gestionnaire de modems à l&apos;écart, donnez-lui la propriété udev ID_MM_DEVICE_IGNORE=1 dans une règle udev.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment. To keep the modem manager away from it for good, give it the udev property ID_MM_DEVICE_IGNORE=1 in a udev rule, for example a file in /etc/udev/rules.d with the line
    ATTRS{idVendor}==&quot;%1&quot;, ATTRS{idProduct}==&quot;%2&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;
then plug the device in again.</source>
        <translation>Occupé : le périphérique vient d&apos;être branché, et un gestionnaire de modems sonde généralement ces périphériques pendant quelques secondes. Réessayez dans un instant. Pour tenir définitivement le gestionnaire de modems à l&apos;écart, donnez-lui la propriété udev ID_MM_DEVICE_IGNORE=1 dans une règle udev, par exemple un fichier dans /etc/udev/rules.d contenant la ligne
    ATTRS{idVendor}==&quot;%1&quot;, ATTRS{idProduct}==&quot;%2&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;
puis rebranchez le périphérique.</translation>
    </message>
    <message>
        <source>In use by a program this user cannot see: most likely a system service running as another user holds it. Stop that service, or ask the administrator which one it is.</source>
        <translation>Utilisé par un programme que cet utilisateur ne peut pas voir : il s&apos;agit très probablement d&apos;un service système exécuté sous un autre utilisateur. Arrêtez ce service, ou demandez à l&apos;administrateur de quel service il s&apos;agit.</translation>
    </message>
    <message>
        <source>This program runs in a Flatpak sandbox, which reaches serial devices only with a permission granted outside it: flatpak override --user --device=all followed by the program&apos;s application ID.</source>
        <translation>Ce programme s&apos;exécute dans un bac à sable Flatpak, qui n&apos;accède aux périphériques série qu&apos;avec une permission accordée depuis l&apos;extérieur : flatpak override --user --device=all suivi de l&apos;identifiant d&apos;application du programme.</translation>
    </message>
    <message>
        <source>This program runs as a Snap, which reaches serial devices only through an interface connected outside it: sudo snap connect %1:raw-usb (USB adapters) or :serial-port.</source>
        <translation>Ce programme s&apos;exécute en tant que Snap, qui n&apos;accède aux périphériques série que par une interface connectée depuis l&apos;extérieur : sudo snap connect %1:raw-usb (adaptateurs USB) ou :serial-port.</translation>
    </message>
    <message>
        <source>Permission denied: only its owner &quot;%1&quot; may use %2. A udev rule that gives the device to a group of yours (GROUP=&quot;...&quot;, MODE=&quot;0660&quot;) would let you in.</source>
        <translation>Permission refusée : seul son propriétaire « %1 » peut utiliser %2. Une règle udev qui attribue le périphérique à l&apos;un de vos groupes (GROUP=&quot;...&quot;, MODE=&quot;0660&quot;) vous y donnerait accès.</translation>
    </message>
    <message>
        <source>Permission denied, although you are in the group &quot;%1&quot; that may use %2: a security policy of the system refuses it.</source>
        <translation>Permission refusée, bien que vous soyez dans le groupe « %1 » autorisé à utiliser %2 : une politique de sécurité du système le refuse.</translation>
    </message>
    <message>
        <source>Permission denied: you were added to the group &quot;%1&quot; that may use %2, but this login session started before that. Log out and in again (or restart) to use the port.</source>
        <translation>Permission refusée : vous avez été ajouté au groupe « %1 » autorisé à utiliser %2, mais cette session a commencé avant. Déconnectez-vous puis reconnectez-vous (ou redémarrez) pour utiliser le port.</translation>
    </message>
    <message>
        <source>Permission denied: %1 belongs to the group &quot;%2&quot;, and you are not a member. Add yourself with
    sudo usermod -aG %2 &quot;$USER&quot;
then log out and in again.</source>
        <translation>Permission refusée : %1 appartient au groupe « %2 », dont vous n&apos;êtes pas membre. Ajoutez-vous avec
    sudo usermod -aG %2 &quot;$USER&quot;
puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>%1 is not there (any more): the device was unplugged or renamed.</source>
        <translation>%1 n&apos;est pas (plus) présent : le périphérique a été débranché ou renommé.</translation>
    </message>
    <message>
        <source>No hardware answers behind %1.</source>
        <translation>Aucun matériel ne répond derrière %1.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 n&apos;a pas pu être ouvert : %2.</translation>
    </message>
    <message>
        <source>No port was chosen.</source>
        <translation>Aucun port n&apos;a été choisi.</translation>
    </message>
    <message>
        <source>No serial device was found.</source>
        <translation>Aucun périphérique série n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>No serial device is known as %1.</source>
        <translation>Aucun périphérique série ne porte le nom %1.</translation>
    </message>
    <message>
        <source>Could not aquire Com Port</source>
        <translation>Impossible d&apos;obtenir le port COM</translation>
    </message>
    <message>
        <source>The device was busy for a moment and is free now: try again.</source>
        <translation>Le périphérique était brièvement occupé et il est libre maintenant : réessayez.</translation>
    </message>
    <message>
        <source>The port was busy for a moment and is free now: try again.</source>
        <translation>Le port était brièvement occupé et il est libre maintenant : réessayez.</translation>
    </message>
    <message>
        <source>%1 at %2 bit/s: %3</source>
        <translation>%1 à %2 bit/s : %3</translation>
    </message>
    <message>
        <source>%1: no answer</source>
        <translation>%1 : pas de réponse</translation>
    </message>
    <message>
        <source>%1: held by another program: passed over</source>
        <translation>%1 : occupé par un autre programme : ignoré</translation>
    </message>
    <message>
        <source>%1: not asked</source>
        <translation>%1 : non interrogé</translation>
    </message>
    <message>
        <source>%1: not asked, %2</source>
        <translation>%1 : non interrogé, %2</translation>
    </message>
    <message>
        <source>it is not root&apos;s, and who runs process %1 cannot be seen</source>
        <translation>il n&apos;appartient pas à root, et on ne peut pas voir qui exécute le processus %1</translation>
    </message>
    <message>
        <source>its owner (uid %1) does not run process %2</source>
        <translation>son propriétaire (uid %1) n&apos;exécute pas le processus %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>No serial devices found.</source>
        <translation>Aucun périphérique série trouvé.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>n° de série %1</translation>
    </message>
    <message>
        <source>driver %1</source>
        <translation>pilote %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a device&apos;s serial number, then its driver</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>can be opened</source>
        <translation>peut être ouvert</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>USB serial device</source>
        <translation>périphérique série USB</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>port série intégré</translation>
    </message>
    <message>
        <source>Bluetooth serial link</source>
        <translation>liaison série Bluetooth</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>périphérique série</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a device and its USB ids</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>port série</translation>
    </message>
    <message>
        <source>A USB serial adapter (CH340/CH341, %1, USB %2) is plugged in but has no serial port: a braille-display service took it over right after it was attached. If no braille display is used here, remove or disable that service (or its udev rule for this adapter), then plug the adapter in again.</source>
        <comment>%1 is the adapter&apos;s USB ids, %2 where it is plugged in</comment>
        <translation>Un adaptateur série USB (CH340/CH341, %1, USB %2) est branché mais n&apos;a pas de port série : un service pour plages braille l&apos;a pris dès son branchement. Si aucune plage braille n&apos;est utilisée ici, supprimez ou désactivez ce service (ou sa règle udev pour cet adaptateur), puis rebranchez l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>its driver is not installed. Install the driver from the adapter&apos;s maker, or let Device Manager look for one (Update driver)</source>
        <translation>son pilote n&apos;est pas installé. Installez le pilote du fabricant de l&apos;adaptateur, ou laissez le Gestionnaire de périphériques en chercher un (Mettre à jour le pilote)</translation>
    </message>
    <message>
        <source>it is disabled. Enable it in Device Manager (Ports (COM &amp; LPT))</source>
        <translation>il est désactivé. Activez-le dans le Gestionnaire de périphériques (Ports (COM et LPT))</translation>
    </message>
    <message>
        <source>its driver could not start it. Unplug the adapter and plug it in again; if that does not help, reinstall its driver</source>
        <translation>son pilote n&apos;a pas pu le démarrer. Débranchez l&apos;adaptateur et rebranchez-le ; si cela ne suffit pas, réinstallez son pilote</translation>
    </message>
    <message>
        <source>Windows refused its driver, which is not signed. Install a signed driver from the adapter&apos;s maker</source>
        <translation>Windows a refusé son pilote, qui n&apos;est pas signé. Installez un pilote signé du fabricant de l&apos;adaptateur</translation>
    </message>
    <message>
        <source>Device Manager reports problem code %1 for it (see the device&apos;s Properties there)</source>
        <translation>le Gestionnaire de périphériques signale pour lui le code de problème %1 (voir les Propriétés du périphérique)</translation>
    </message>
    <message>
        <source>%1 is plugged in but has no working COM port: %2.</source>
        <comment>%1 is the device, %2 what Device Manager reports and what to do</comment>
        <translation>%1 est branché mais n&apos;a aucun port COM qui fonctionne : %2.</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>
Symbol on maps: </source>
        <translation>
Symbole sur les cartes : </translation>
    </message>
    <message>
        <source>not known. %1</source>
        <translation>inconnu. %1</translation>
    </message>
    <message>
        <source>none in the symbol list %1; maps may show a placeholder.</source>
        <translation>aucun dans la liste de symboles %1 ; les cartes peuvent afficher un symbole de remplacement.</translation>
    </message>
    <message>
        <source>Choose Symbol</source>
        <translation>Choisir un symbole</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>the box that narrows the symbols</comment>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Type part of a name, such as car or bicycle, to narrow the symbols.</source>
        <translation>Tapez une partie d&apos;un nom, comme car ou bicycle, pour restreindre les symboles.</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>Both symbol tables. Space or Enter chooses the symbol.</source>
        <translation>Les deux tables de symboles. Espace ou Entrée choisit le symbole.</translation>
    </message>
    <message>
        <source>&amp;Overlay character:</source>
        <translation>Caractère de &amp;surimpression :</translation>
    </message>
    <message>
        <source>Overlay character</source>
        <translation>Caractère de surimpression</translation>
    </message>
    <message>
        <source>0 to 9 or A to Z drawn over an alternate symbol that takes one; empty for none.</source>
        <translation>0 à 9 ou A à Z dessiné par-dessus un symbole alternatif qui l&apos;accepte ; vide pour aucun.</translation>
    </message>
    <message>
        <source>No symbol list: %1 is not a regular file (a folder, a FIFO or a device); give a file; symbols are shown without names or pictures.</source>
        <translation>Pas de liste de symboles : %1 n&apos;est pas un fichier ordinaire (un dossier, une FIFO ou un périphérique) ; indiquez un fichier ; les symboles sont affichés sans noms ni images.</translation>
    </message>
    <message>
        <source>No symbol list: %1; symbols are shown without names or pictures.</source>
        <translation>Pas de liste de symboles : %1 ; les symboles sont affichés sans noms ni images.</translation>
    </message>
    <message>
        <source>No symbol list: %1 holds no symbol pictures; symbols are shown without names or pictures.</source>
        <translation>Pas de liste de symboles : %1 ne contient aucune image de symbole ; les symboles sont affichés sans noms ni images.</translation>
    </message>
    <message numerus="yes">
        <source>Symbol list %1: %n bad entry skipped, the first at line %2.</source>
        <translation>
            <numerusform>Liste de symboles %1 : %n entrée incorrecte ignorée, la première à la ligne %2.</numerusform>
            <numerusform>Liste de symboles %1 : %n entrées incorrectes ignorées, la première à la ligne %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Symbol list %1: %n bad entries skipped, the first at line %2.</source>
        <translation>
            <numerusform>Liste de symboles %1 : %n entrée incorrecte ignorée, la première à la ligne %2.</numerusform>
            <numerusform>Liste de symboles %1 : %n entrées incorrectes ignorées, la première à la ligne %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>pas d&apos;image</translation>
    </message>
    <message>
        <source>primary table</source>
        <translation>table primaire</translation>
    </message>
    <message>
        <source>alternate table</source>
        <translation>table alternative</translation>
    </message>
    <message>
        <source>overlay %1</source>
        <translation>surimpression %1</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>Symbole %1</translation>
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
        <translation>Cadence des balises</translation>
    </message>
    <message>
        <source>Beacon Timing</source>
        <translation>Cadence des balises</translation>
    </message>
    <message>
        <source>SmartBeaconing &amp;preset:</source>
        <translation>&amp;Préréglage SmartBeaconing :</translation>
    </message>
    <message>
        <source>SmartBeaconing preset</source>
        <translation>Préréglage SmartBeaconing</translation>
    </message>
    <message>
        <source>&amp;Apply to Profile</source>
        <translation>&amp;Appliquer au profil</translation>
    </message>
    <message>
        <source>Sets the profile&apos;s SmartBeaconing to the preset and turns it on</source>
        <translation>Règle le SmartBeaconing du profil sur le préréglage et l&apos;active</translation>
    </message>
    <message>
        <source>Plot of interval against speed</source>
        <translation>Courbe de l&apos;intervalle en fonction de la vitesse</translation>
    </message>
    <message>
        <source>The table above gives the same values.</source>
        <translation>Le tableau ci-dessus donne les mêmes valeurs.</translation>
    </message>
    <message>
        <source>speed</source>
        <comment>the plot&apos;s axis</comment>
        <translation>vitesse</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds, the plot&apos;s axis</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>over %1 degrees</source>
        <translation>plus de %1 degrés</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no turn beacon</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>any</source>
        <comment>any speed</comment>
        <translation>toute</translation>
    </message>
    <message>
        <source>SmartBeaconing is off: a beacon every %1, in its time slot, %2 into each interval of the clock.</source>
        <translation>SmartBeaconing est désactivé : une balise toutes les %1, dans son créneau horaire, %2 après le début de chaque intervalle de l&apos;horloge.</translation>
    </message>
    <message>
        <source>SmartBeaconing is off: a beacon every %1.</source>
        <translation>SmartBeaconing est désactivé : une balise toutes les %1.</translation>
    </message>
    <message>
        <source>At or below the low speed (%1) the slow rate, %2, and no turn beacons; at or above the high speed (%3) the fast rate, %4; between them %4 x %3 / speed.</source>
        <translation>À la vitesse basse (%1) ou en dessous, l&apos;intervalle lent, %2, et pas de balise de virage ; à la vitesse haute (%3) ou au-dessus, l&apos;intervalle rapide, %4 ; entre les deux, %4 x %3 / vitesse.</translation>
    </message>
    <message>
        <source>A turn beacon goes out when the heading changes by more than turn angle + turn slope / speed, no sooner than %1 after the last beacon.</source>
        <translation>Une balise de virage part quand le cap change de plus que angle de virage + pente de virage / vitesse, au plus tôt %1 après la dernière balise.</translation>
    </message>
    <message>
        <source>Seconds and degrees are rounded to whole numbers, halves up; speeds are in the tracker&apos;s own unit.</source>
        <translation>Les secondes et les degrés sont arrondis à l&apos;entier, les moitiés vers le haut ; les vitesses sont dans l&apos;unité propre au traceur.</translation>
    </message>
    <message>
        <source>Primary profile: SmartBeaconing on</source>
        <translation>Profil principal : SmartBeaconing activé</translation>
    </message>
    <message>
        <source>Primary profile: SmartBeaconing off</source>
        <translation>Profil principal : SmartBeaconing désactivé</translation>
    </message>
    <message>
        <source>Secondary profile: SmartBeaconing on</source>
        <translation>Profil secondaire : SmartBeaconing activé</translation>
    </message>
    <message>
        <source>Secondary profile: SmartBeaconing off</source>
        <translation>Profil secondaire : SmartBeaconing désactivé</translation>
    </message>
    <message>
        <source>Speed (tracker&apos;s unit)</source>
        <translation>Vitesse (unité du traceur)</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Beacons per hour</source>
        <translation>Balises par heure</translation>
    </message>
    <message>
        <source>Turn beacon</source>
        <translation>Balise de virage</translation>
    </message>
    <message>
        <source>No timing until this is fixed: %1</source>
        <translation>Pas de cadence tant que ceci n&apos;est pas corrigé : %1</translation>
    </message>
    <message>
        <source>Beacons less than %1 apart are for special events; the channel is shared.</source>
        <translation>Les balises espacées de moins de %1 sont réservées aux événements spéciaux ; le canal est partagé.</translation>
    </message>
    <message>
        <source>This models the published SmartBeaconing rules, not the tracker&apos;s firmware.</source>
        <translation>Ceci modélise les règles SmartBeaconing publiées, pas le micrologiciel du traceur.</translation>
    </message>
    <message>
        <source>The second rate is left out: its role is not known.</source>
        <translation>Le second intervalle est omis : son rôle n&apos;est pas connu.</translation>
    </message>
    <message>
        <source>%1: %2 to %3 %4, every %5 s to %6 s, turns from %7 degrees, slope %8</source>
        <comment>a SmartBeaconing preset: name, speeds, rates, turn angle and slope</comment>
        <translation>%1 : de %2 à %3 %4, toutes les %5 s à %6 s, virages dès %7 degrés, pente %8</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Primary</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secondaire</translation>
    </message>
    <message>
        <source>About Orvane QZ5 Config Basic</source>
        <translation>À propos d&apos;Orvane QZ5 Config Basic</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config Basic Version 1.4</source>
        <translation>Orvane QZ5 Config Basic version 1.4</translation>
    </message>
    <message>
        <source>Configures QZ5 trackers</source>
        <translation>Configure les traceurs QZ5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Station and path</source>
        <translation>Station et chemin</translation>
    </message>
    <message>
        <source>Mic-E</source>
        <translation>Mic-E</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Cadence</translation>
    </message>
    <message>
        <source>Time slot</source>
        <translation>Créneau horaire</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Télémétrie</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>SmartBeaconing preset</source>
        <translation>Préréglage SmartBeaconing</translation>
    </message>
    <message>
        <source>GPS and serial</source>
        <translation>GPS et série</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>Port COM</translation>
    </message>
    <message>
        <source>Tones</source>
        <translation>Tonalités</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config - All settings</source>
        <translation>Orvane QZ5 Config - Tous les réglages</translation>
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
        <translation>Indicatif :</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Symbole :</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Transmit Rate:</source>
        <translation>Intervalle d&apos;émission :</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Send Separate</source>
        <translation>Envoi séparé</translation>
    </message>
    <message>
        <source>Don&apos;t Send &apos;&gt;&apos;</source>
        <translation>Ne pas envoyer &apos;&gt;&apos;</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>Envoyer l&apos;altitude</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>Alterner les chemins digi</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>N&apos;envoyer que si valide</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>Autoriser série TTL</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>Inverser entrée CD</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>Horodatage JHM</translation>
    </message>
    <message>
        <source>No TX on PTT In</source>
        <translation>Pas d&apos;émission si entrée PTT</translation>
    </message>
    <message>
        <source>Send NMEA</source>
        <translation>Envoyer NMEA</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>Horodatage HMS</translation>
    </message>
    <message>
        <source>Serial Out High</source>
        <translation>Sortie série haute</translation>
    </message>
    <message>
        <source>Skip Start Packet</source>
        <translation>Sauter le paquet initial</translation>
    </message>
    <message>
        <source>300 baud packet</source>
        <translation>Packet 300 bauds</translation>
    </message>
    <message>
        <source>9600 baud GPS</source>
        <translation>GPS 9600 bauds</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>Forcer imprimable</translation>
    </message>
    <message>
        <source>Read Version</source>
        <translation>Lire la version</translation>
    </message>
    <message>
        <source>Read Configuration</source>
        <translation>Lire la configuration</translation>
    </message>
    <message>
        <source>Write Configuration</source>
        <translation>Écrire la configuration</translation>
    </message>
    <message>
        <source>Send 1200 Hz</source>
        <translation>Émettre 1200 Hz</translation>
    </message>
    <message>
        <source>Send 2200 Hz</source>
        <translation>Émettre 2200 Hz</translation>
    </message>
    <message>
        <source>Send Both</source>
        <translation>Émettre les deux</translation>
    </message>
    <message>
        <source>Stop Sending</source>
        <translation>Arrêter l&apos;émission</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Apply to Profile</source>
        <translation>Appliquer au profil</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A field&apos;s label in All settings; %1 is the field&apos;s name.</extracomment>
        <translation>%1 :</translation>
    </message>
    <message>
        <source>&amp;Find Tracker</source>
        <translation>&amp;Rechercher le traceur</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with Tracker...</source>
        <translation>Co&amp;mparer avec le traceur...</translation>
    </message>
    <message>
        <source>Choose S&amp;ymbol...</source>
        <translation>Choisir un s&amp;ymbole...</translation>
    </message>
    <message>
        <source>&amp;Beacon Timing...</source>
        <translation>&amp;Cadence des balises...</translation>
    </message>
    <message>
        <source>&amp;Keep Settings Before Writing</source>
        <translation>C&amp;onserver les réglages avant l&apos;écriture</translation>
    </message>
    <message>
        <source>Send 1600 Hz</source>
        <translation>Émettre 1600 Hz</translation>
    </message>
    <message>
        <source>Send 1800 Hz</source>
        <translation>Émettre 1800 Hz</translation>
    </message>
    <message>
        <source>Scroll across</source>
        <translation>Défilement horizontal</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Défilement vertical</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Tone calibration value, shared by both profiles. The tracker keeps 0 to 255; the window shows it but does not let it be edited.</source>
        <translation>Valeur d&apos;étalonnage des tonalités, commune aux deux profils. Le traceur conserve de 0 à 255 ; la fenêtre l&apos;affiche mais ne permet pas de la modifier.</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Indicatif</translation>
    </message>
    <message>
        <source>Station callsign, optionally followed by -SSID. The tracker keeps six letters or digits in capitals and an SSID of 0 to 15; other characters end the callsign.</source>
        <translation>Indicatif de la station, éventuellement suivi de -SSID. Le traceur conserve six lettres ou chiffres en majuscules et un SSID de 0 à 15 ; les autres caractères terminent l&apos;indicatif.</translation>
    </message>
    <message>
        <source>Digipeater path</source>
        <translation>Chemin de digipeaters</translation>
    </message>
    <message>
        <source>Digipeaters asked to relay each beacon, separated by commas, for example WIDE1-1,WIDE2-1. Each is kept like a callsign: six letters or digits and an SSID of 0 to 15.</source>
        <translation>Digipeaters chargés de relayer chaque balise, séparés par des virgules, par exemple WIDE1-1,WIDE2-1. Chacun est conservé comme un indicatif : six lettres ou chiffres et un SSID de 0 à 15.</translation>
    </message>
    <message>
        <source>Status text</source>
        <translation>Texte d&apos;état</translation>
    </message>
    <message>
        <source>Text of the status beacon. The tracker keeps what fits in its 128-byte memory after the other settings; equal texts in both profiles are stored once.</source>
        <translation>Texte de la balise d&apos;état. Le traceur conserve ce qui tient dans sa mémoire de 128 octets après les autres réglages ; des textes identiques dans les deux profils ne sont stockés qu&apos;une fois.</translation>
    </message>
    <message>
        <source>Delay 1</source>
        <translation>Délai 1</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>First delay. Kept in byte times of the packet speed: 6.666 ms steps up to 1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet.</source>
        <translation>Premier délai. Conservé en durées d&apos;octet à la vitesse du packet : pas de 6,666 ms jusqu&apos;à 1700 ms, ou pas de 26,666 ms jusqu&apos;à 6800 ms avec « Packet 300 bauds ».</translation>
    </message>
    <message>
        <source>Delay 2</source>
        <translation>Délai 2</translation>
    </message>
    <message>
        <source>Second delay. Kept in byte times of the packet speed: 6.666 ms steps up to 1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet.</source>
        <translation>Second délai. Conservé en durées d&apos;octet à la vitesse du packet : pas de 6,666 ms jusqu&apos;à 1700 ms, ou pas de 26,666 ms jusqu&apos;à 6800 ms avec « Packet 300 bauds ».</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Mic-E message sent with the position, one of eight. Writing Emergency! asks for confirmation first.</source>
        <translation>Message Mic-E envoyé avec la position, parmi huit. L&apos;écriture d&apos;un message Emergency! demande d&apos;abord une confirmation.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Mic-E digipeater path, one of sixteen.</source>
        <translation>Chemin de digipeaters Mic-E, parmi seize.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>APRS symbol code: the character that picks the map icon. A control character is read back as &apos;-&apos;.</source>
        <translation>Code de symbole APRS : le caractère qui choisit l&apos;icône sur la carte. Un caractère de contrôle est relu comme &apos;-&apos;.</translation>
    </message>
    <message>
        <source>Symbol table</source>
        <translation>Table de symboles</translation>
    </message>
    <message>
        <source>APRS symbol table: / primary, \ alternate, or an overlay character. A control character is read back as /.</source>
        <translation>Table de symboles APRS : / primaire, \ alternative, ou un caractère de surimpression. Un caractère de contrôle est relu comme /.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Count parameter. The tracker keeps 0 to 255.</source>
        <translation>Paramètre de comptage. Le traceur conserve de 0 à 255.</translation>
    </message>
    <message>
        <source>Transmit rate</source>
        <translation>Intervalle d&apos;émission</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Time between beacons while SmartBeaconing is off; at least 3. The tracker keeps up to 65535.</source>
        <translation>Temps entre les balises quand SmartBeaconing est désactivé ; au moins 3. Le traceur conserve jusqu&apos;à 65535.</translation>
    </message>
    <message>
        <source>Second rate</source>
        <translation>Second intervalle</translation>
    </message>
    <message>
        <source>Second beacon interval; at least 3. The tracker keeps up to 65535.</source>
        <translation>Second intervalle entre balises ; au moins 3. Le traceur conserve jusqu&apos;à 65535.</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>Second within the transmit interval at which the beacon goes out. Sent only while the time slot is on; at most the transmit rate.</source>
        <translation>Seconde de l&apos;intervalle d&apos;émission à laquelle la balise part. Envoyée seulement quand le créneau horaire est activé ; au plus l&apos;intervalle d&apos;émission.</translation>
    </message>
    <message>
        <source>Low speed</source>
        <translation>Vitesse basse</translation>
    </message>
    <message>
        <source>SmartBeaconing: at or below this speed the slow rate applies. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing : à cette vitesse ou en dessous, l&apos;intervalle lent s&apos;applique. Le traceur conserve de 0 à 255 ; envoyée seulement quand SmartBeaconing est activé.</translation>
    </message>
    <message>
        <source>High speed</source>
        <translation>Vitesse haute</translation>
    </message>
    <message>
        <source>SmartBeaconing: at or above this speed the fast rate applies. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing : à cette vitesse ou au-dessus, l&apos;intervalle rapide s&apos;applique. Le traceur conserve de 0 à 255 ; envoyée seulement quand SmartBeaconing est activé.</translation>
    </message>
    <message>
        <source>Slow rate</source>
        <translation>Intervalle lent</translation>
    </message>
    <message>
        <source>SmartBeaconing: time between beacons at low speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing : temps entre les balises à basse vitesse. Le traceur conserve de 0 à 65535 ; envoyé seulement quand SmartBeaconing est activé.</translation>
    </message>
    <message>
        <source>Fast rate</source>
        <translation>Intervalle rapide</translation>
    </message>
    <message>
        <source>SmartBeaconing: time between beacons at high speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing : temps entre les balises à haute vitesse. Le traceur conserve de 0 à 65535 ; envoyé seulement quand SmartBeaconing est activé.</translation>
    </message>
    <message>
        <source>Turn angle</source>
        <translation>Angle de virage</translation>
    </message>
    <message>
        <source>SmartBeaconing: smallest change of heading that counts as a turn. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing : plus petit changement de cap compté comme un virage. Le traceur conserve de 0 à 255 ; envoyé seulement quand SmartBeaconing est activé.</translation>
    </message>
    <message>
        <source>Turn slope</source>
        <translation>Pente de virage</translation>
    </message>
    <message>
        <source>SmartBeaconing: makes turns count sooner at low speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing : fait compter les virages plus tôt à basse vitesse. Le traceur conserve de 0 à 65535 ; envoyée seulement quand SmartBeaconing est activé.</translation>
    </message>
    <message>
        <source>Turn time</source>
        <translation>Délai de virage</translation>
    </message>
    <message>
        <source>SmartBeaconing: least time between beacons sent for turns. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing : temps minimal entre les balises émises pour les virages. Le traceur conserve de 0 à 255 ; envoyé seulement quand SmartBeaconing est activé.</translation>
    </message>
    <message>
        <source>Delay 3</source>
        <translation>Délai 3</translation>
    </message>
    <message>
        <source>Third delay. Kept in 26.3 ms steps up to 6706 ms; not editable in the window.</source>
        <translation>Troisième délai. Conservé par pas de 26,3 ms jusqu&apos;à 6706 ms ; non modifiable dans la fenêtre.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Value sent while its Enable box is on. The tracker keeps 0 to 255.</source>
        <translation>Valeur envoyée quand sa case « Activer » est cochée. Le traceur conserve de 0 à 255.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Transmit frequency, 144.000 to 148.000 MHz; anything else becomes 144.390. The tracker keeps it in 5 kHz steps.</source>
        <translation>Fréquence d&apos;émission, de 144.000 à 148.000 MHz ; toute autre valeur devient 144.390. Le traceur la conserve par pas de 5 kHz.</translation>
    </message>
    <message>
        <source>Mic-E reports use printable characters only.</source>
        <translation>Les rapports Mic-E n&apos;utilisent que des caractères imprimables.</translation>
    </message>
    <message>
        <source>Beacons only with a valid GPS position. Not editable in the window.</source>
        <translation>Balises uniquement avec une position GPS valide. Non modifiable dans la fenêtre.</translation>
    </message>
    <message>
        <source>Beacons at a fixed second of the transmit interval. Turns SmartBeaconing off.</source>
        <translation>Balises à une seconde fixe de l&apos;intervalle d&apos;émission. Désactive SmartBeaconing.</translation>
    </message>
    <message>
        <source>Beacons more often at speed and in turns, using the SmartBeaconing settings instead of the transmit rate. Turns the time slot off.</source>
        <translation>Balises plus fréquentes en vitesse et dans les virages, avec les réglages SmartBeaconing au lieu de l&apos;intervalle d&apos;émission. Désactive le créneau horaire.</translation>
    </message>
    <message>
        <source>Positions include the altitude.</source>
        <translation>Les positions incluent l&apos;altitude.</translation>
    </message>
    <message>
        <source>Positions are sent in the compact Mic-E form. Turns Send NMEA off.</source>
        <translation>Les positions sont envoyées sous la forme compacte Mic-E. Désactive « Envoyer NMEA ».</translation>
    </message>
    <message>
        <source>Sends the value beside this box.</source>
        <translation>Envoie la valeur à côté de cette case.</translation>
    </message>
    <message>
        <source>Positions carry a day, hour and minute time stamp.</source>
        <translation>Les positions portent un horodatage jour, heure et minute.</translation>
    </message>
    <message>
        <source>The serial port accepts TTL levels.</source>
        <translation>Le port série accepte les niveaux TTL.</translation>
    </message>
    <message>
        <source>Beacons alternate between digipeater paths.</source>
        <translation>Les balises alternent entre les chemins de digipeaters.</translation>
    </message>
    <message>
        <source>Inverts the carrier detect input. Not editable in the window.</source>
        <translation>Inverse l&apos;entrée de détection de porteuse. Non modifiable dans la fenêtre.</translation>
    </message>
    <message>
        <source>Positions carry an hour, minute and second time stamp.</source>
        <translation>Les positions portent un horodatage heure, minute et seconde.</translation>
    </message>
    <message>
        <source>No transmission while the PTT input is active. Not editable in the window.</source>
        <translation>Pas d&apos;émission tant que l&apos;entrée PTT est active. Non modifiable dans la fenêtre.</translation>
    </message>
    <message>
        <source>Sends the GPS sentences as received. Turns Mic-E and Send Altitude off.</source>
        <translation>Envoie les phrases GPS telles que reçues. Désactive Mic-E et « Envoyer l&apos;altitude ».</translation>
    </message>
    <message>
        <source>Sends the status text in a packet of its own.</source>
        <translation>Envoie le texte d&apos;état dans un paquet à part.</translation>
    </message>
    <message>
        <source>Packets at 300 baud with 1600 and 1800 Hz tones instead of 1200 baud.</source>
        <translation>Paquets à 300 bauds avec des tonalités de 1600 et 1800 Hz au lieu de 1200 bauds.</translation>
    </message>
    <message>
        <source>The status text goes out without its leading &apos;&gt;&apos;.</source>
        <translation>Le texte d&apos;état part sans son &apos;&gt;&apos; initial.</translation>
    </message>
    <message>
        <source>The serial output rests high.</source>
        <translation>La sortie série reste à l&apos;état haut au repos.</translation>
    </message>
    <message>
        <source>No beacon when the tracker starts.</source>
        <translation>Pas de balise au démarrage du traceur.</translation>
    </message>
    <message>
        <source>The GPS receiver talks at 9600 baud instead of 4800.</source>
        <translation>Le récepteur GPS communique à 9600 bauds au lieu de 4800.</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>La nouvelle valeur d&apos;étalonnage doit être écrite avant de tester les tonalités</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Étalonnage non écrit</translation>
    </message>
    <message>
        <source>The settings were changed and have not been written to the tracker or saved to a file. Discard the changes and close?</source>
        <translation>Les réglages ont été modifiés et n&apos;ont été ni écrits dans le traceur ni enregistrés dans un fichier. Abandonner les modifications et fermer ?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the window starts with its defaults and remembers nothing</source>
        <translation>%1 n&apos;est pas un fichier ordinaire ; la fenêtre démarre avec ses valeurs par défaut et ne mémorise rien</translation>
    </message>
    <message>
        <source>The window&apos;s font could not be loaded from %1, so its captions are drawn in another face and some may be cut off. Installing the program again puts the file back.</source>
        <translation>La police de la fenêtre n&apos;a pas pu être chargée depuis %1 ; ses libellés sont donc dessinés dans une autre police et certains peuvent être tronqués. Réinstaller le programme remet le fichier en place.</translation>
    </message>
    <message>
        <source>qz5-config: %1
</source>
        <translation>qz5-config : %1
</translation>
    </message>
    <message>
        <source>Font Missing</source>
        <translation>Police manquante</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Hors service</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>En route</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>En service</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>De retour</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Engagé</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Spécial</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>Urgence !</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>Conventionnel</translation>
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
        <translation>Ouest</translation>
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
        <translation>Ouest + WIDE</translation>
    </message>
    <message>
        <source>qz5-config: cannot write the output
</source>
        <translation>qz5-config : impossible d&apos;écrire la sortie
</translation>
    </message>
    <message>
        <source>qz5-config: no simulated tracker: %1
</source>
        <translation>qz5-config : pas de traceur simulé : %1
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>All &amp;settings</source>
        <translation>&amp;Tous les réglages</translation>
    </message>
    <message>
        <source>&amp;About Zelbin3Config...</source>
        <translation>À &amp;propos de Zelbin3Config...</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Test Tones</source>
        <translation>Tonalités d&apos;essai</translation>
    </message>
    <message>
        <source>Find Tracker</source>
        <translation>Rechercher le traceur</translation>
    </message>
    <message>
        <source>Zelbin3 Read</source>
        <translation>Lecture Zelbin3</translation>
    </message>
    <message>
        <source>Zelbin3 Version</source>
        <translation>Version Zelbin3</translation>
    </message>
    <message>
        <source>Zelbin3 Write</source>
        <translation>Écriture Zelbin3</translation>
    </message>
    <message>
        <source>two reads of them did not agree</source>
        <translation>deux lectures ne concordaient pas</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>one reason after another</comment>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>the tracker did not send them whole</source>
        <translation>le traceur ne les a pas envoyés en entier</translation>
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
        <translation>Échec de la lecture</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Lecture réussie</translation>
    </message>
    <message>
        <source>You are about to configure your Zelbin with the ability to send an EMERGENCY beacon.  Are you sure you want to do this?</source>
        <translation>Vous êtes sur le point de configurer votre Zelbin pour qu&apos;il puisse émettre une balise d&apos;URGENCE. Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Écriture réussie</translation>
    </message>
</context>
<context>
    <name>Write</name>
    <message>
        <source>The tracker&apos;s settings could not be kept: %1. Write without keeping them?</source>
        <translation>Les réglages du traceur n&apos;ont pas pu être conservés : %1. Écrire sans les conserver ?</translation>
    </message>
    <message>
        <source>The tracker already held these settings.
The earlier settings are kept: History, entry %1.</source>
        <translation>Le traceur contenait déjà ces réglages.
Les réglages précédents sont conservés : Historique, entrée %1.</translation>
    </message>
    <message>
        <source>The tracker already held these settings.
The earlier settings are kept in the History.</source>
        <translation>Le traceur contenait déjà ces réglages.
Les réglages précédents sont conservés dans l&apos;historique.</translation>
    </message>
    <message>
        <source>Changed on the tracker:
%1The earlier settings are kept: History, entry %2.</source>
        <translation>Modifié sur le traceur :
%1Les réglages précédents sont conservés : Historique, entrée %2.</translation>
    </message>
    <message>
        <source>Changed on the tracker:
%1The earlier settings are kept in the History.</source>
        <translation>Modifié sur le traceur :
%1Les réglages précédents sont conservés dans l&apos;historique.</translation>
    </message>
    <message numerus="yes">
        <source>Changed on the tracker:
%1and %n more
The earlier settings are kept: History, entry %2.</source>
        <translation>
            <numerusform>Modifié sur le traceur :
%1et %n autre
Les réglages précédents sont conservés : Historique, entrée %2.</numerusform>
            <numerusform>Modifié sur le traceur :
%1et %n autres
Les réglages précédents sont conservés : Historique, entrée %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Changed on the tracker:
%1and %n more
The earlier settings are kept in the History.</source>
        <translation>
            <numerusform>Modifié sur le traceur :
%1et %n autre
Les réglages précédents sont conservés dans l&apos;historique.</numerusform>
            <numerusform>Modifié sur le traceur :
%1et %n autres
Les réglages précédents sont conservés dans l&apos;historique.</numerusform>
        </translation>
    </message>
    <message>
        <source>The tracker&apos;s settings from before this write were not read, so they are kept nowhere. &quot;Keep Settings Before Writing&quot; on the window menu keeps them next time.</source>
        <translation>Les réglages du traceur d&apos;avant cette écriture n&apos;ont pas été lus ; ils ne sont donc conservés nulle part. « Conserver les réglages avant l&apos;écriture » du menu de la fenêtre les conservera la prochaine fois.</translation>
    </message>
    <message>
        <source>The tracker&apos;s settings from before this write could not be kept.</source>
        <translation>Les réglages du traceur d&apos;avant cette écriture n&apos;ont pas pu être conservés.</translation>
    </message>
</context>
</TS>
