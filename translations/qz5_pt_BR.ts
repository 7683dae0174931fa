<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Advice</name>
    <message>
        <source>Check that the tracker is switched on and that its cable is in this port. If it may be on another port, choose that one, or let Find Tracker on the window menu ask each port.</source>
        <translation>Verifique se o rastreador está ligado e se o cabo dele está nesta porta. Se ele puder estar em outra porta, escolha-a, ou deixe que Localizar rastreador, no menu da janela, consulte cada porta.</translation>
    </message>
    <message>
        <source>Check that the tracker is switched on and that its cable is in this port. &apos;qz5cfg ports&apos; lists the ports; &apos;qz5cfg ports --find&apos; asks each one for the tracker.</source>
        <translation>Verifique se o rastreador está ligado e se o cabo dele está nesta porta. &apos;qz5cfg ports&apos; lista as portas; &apos;qz5cfg ports --find&apos; pergunta a cada uma pelo rastreador.</translation>
    </message>
    <message>
        <source>Write the configuration again.</source>
        <translation>Grave a configuração novamente.</translation>
    </message>
    <message>
        <source>Write the configuration again. The tracker&apos;s settings from before this write are in the history as number %1: History on the window menu shows them.</source>
        <translation>Grave a configuração novamente. As configurações do rastreador de antes desta gravação estão no histórico com o número %1: Histórico, no menu da janela, as mostra.</translation>
    </message>
    <message>
        <source>Write the configuration again. The tracker&apos;s settings from before this write are in the history: &apos;qz5cfg history&apos; lists them, &apos;qz5cfg history show %1&apos; prints them.</source>
        <translation>Grave a configuração novamente. As configurações do rastreador de antes desta gravação estão no histórico: &apos;qz5cfg history&apos; as lista, &apos;qz5cfg history show %1&apos; as imprime.</translation>
    </message>
    <message>
        <source>Another program holds this port: close it and try again, or choose another port.</source>
        <translation>Outro programa está usando esta porta: feche-o e tente novamente, ou escolha outra porta.</translation>
    </message>
    <message>
        <source>The system does not let you open this port: the reason given with &quot;Could not aquire Com Port&quot; says what gives you the right to use it.</source>
        <translation>O sistema não permite que você abra esta porta: o motivo informado com &quot;Não foi possível acessar a porta COM&quot; diz o que lhe dá o direito de usá-la.</translation>
    </message>
    <message>
        <source>The device is not there: plug the adapter in again, or choose a port from the list.</source>
        <translation>O dispositivo não está presente: conecte o adaptador novamente ou escolha uma porta da lista.</translation>
    </message>
    <message>
        <source>The device is not there: plug the adapter in again, or choose a port that &apos;qz5cfg ports&apos; lists.</source>
        <translation>O dispositivo não está presente: conecte o adaptador novamente ou escolha uma porta listada por &apos;qz5cfg ports&apos;.</translation>
    </message>
    <message>
        <source>Unplug the adapter, plug it in again, and try again.</source>
        <translation>Desconecte o adaptador, conecte-o novamente e tente outra vez.</translation>
    </message>
    <message>
        <source>Check the cable and that the tracker is switched on, then try again.</source>
        <translation>Verifique o cabo e se o rastreador está ligado; depois tente novamente.</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>enter your own</source>
        <translation>informe o seu próprio</translation>
    </message>
    <message>
        <source>enter one</source>
        <translation>informe um</translation>
    </message>
    <message>
        <source>enter it as sent</source>
        <translation>informe-o como será enviado</translation>
    </message>
    <message>
        <source>shorten it</source>
        <translation>encurte-o</translation>
    </message>
    <message>
        <source>remove the empty hop</source>
        <translation>remova o salto vazio</translation>
    </message>
    <message>
        <source>ask for two hops</source>
        <translation>peça dois saltos</translation>
    </message>
    <message>
        <source>replace the retired alias</source>
        <translation>substitua o alias desativado</translation>
    </message>
    <message>
        <source>use WIDE2-2 at most</source>
        <translation>use no máximo WIDE2-2</translation>
    </message>
    <message>
        <source>put WIDE1-1 first</source>
        <translation>coloque WIDE1-1 primeiro</translation>
    </message>
    <message>
        <source>lower the SSID</source>
        <translation>diminua o SSID</translation>
    </message>
    <message>
        <source>remove the used-up hop</source>
        <translation>remova o salto esgotado</translation>
    </message>
    <message>
        <source>remove the internet alias</source>
        <translation>remova o alias de internet</translation>
    </message>
    <message>
        <source>beacon less often</source>
        <translation>envie beacon com menos frequência</translation>
    </message>
    <message>
        <source>keep it below the slow rate</source>
        <translation>mantenha-o abaixo do intervalo lento</translation>
    </message>
    <message>
        <source>keep it above the low speed</source>
        <translation>mantenha-a acima da velocidade baixa</translation>
    </message>
    <message>
        <source>turn it or SmartBeaconing off</source>
        <translation>desligue-o ou desligue o SmartBeaconing</translation>
    </message>
    <message>
        <source>keep it within the rate</source>
        <translation>mantenha-o dentro do intervalo</translation>
    </message>
    <message>
        <source>use plain ASCII</source>
        <translation>use ASCII simples</translation>
    </message>
    <message>
        <source>use the 2 m band</source>
        <translation>use a faixa de 2 m</translation>
    </message>
    <message>
        <source>keep to 146 MHz at most</source>
        <translation>use no máximo 146 MHz</translation>
    </message>
    <message>
        <source>use your APRS channel</source>
        <translation>use o seu canal APRS</translation>
    </message>
    <message>
        <source>set your APRS channel</source>
        <translation>configure o seu canal APRS</translation>
    </message>
    <message>
        <source>choose another</source>
        <translation>escolha outra</translation>
    </message>
    <message>
        <source>choose one a map can draw</source>
        <translation>escolha um que o mapa possa desenhar</translation>
    </message>
    <message>
        <source>enter a value it keeps</source>
        <translation>informe um valor que ele guarde</translation>
    </message>
    <message>
        <source>Beacon every %1 or slower instead of every %2: one minute is for special events, two or more for routine use.</source>
        <translation>Envie beacon a cada %1 ou mais devagar, em vez de a cada %2: um minuto é para eventos especiais, dois ou mais para uso rotineiro.</translation>
    </message>
    <message>
        <source>Make the fast rate shorter than the slow rate (now %1 and %2), or faster driving would beacon less often.</source>
        <translation>Torne o intervalo rápido menor que o intervalo lento (agora %1 e %2); caso contrário, dirigir mais rápido enviaria beacons com menos frequência.</translation>
    </message>
    <message>
        <source>Make the high speed greater than the low speed (now %1 and %2).</source>
        <translation>Torne a velocidade alta maior que a velocidade baixa (agora %1 e %2).</translation>
    </message>
    <message>
        <source>Turn off either the time slot or SmartBeaconing: the tracker keeps the slot in SmartBeaconing&apos;s settings.</source>
        <translation>Desligue o slot de tempo ou o SmartBeaconing: o rastreador guarda o slot nas configurações do SmartBeaconing.</translation>
    </message>
    <message>
        <source>Set the time slot to at most the transmit rate, %1: a slot at %2 never comes.</source>
        <translation>Defina o slot de tempo como no máximo o intervalo de transmissão, %1: um slot em %2 nunca chega.</translation>
    </message>
    <message>
        <source>Choose another Mic-E message unless this is a real emergency: Emergency! sets off alarms at every station that hears it.</source>
        <translation>Escolha outra mensagem Mic-E, a menos que seja uma emergência real: Emergency! dispara alarmes em todas as estações que a recebem.</translation>
    </message>
    <message>
        <source>Enter the station&apos;s callsign: the tracker would send a blank one.</source>
        <translation>Informe o indicativo da estação: o rastreador enviaria um indicativo em branco.</translation>
    </message>
    <message>
        <source>Enter your own callsign: APRS-IS servers refuse %1.</source>
        <translation>Informe o seu próprio indicativo: os servidores APRS-IS recusam %1.</translation>
    </message>
    <message>
        <source>Enter the callsign as %1, which is what the tracker will send: it keeps at most six letters or digits and an SSID from 0 to 15.</source>
        <translation>Informe o indicativo como %1, que é o que o rastreador enviará: ele guarda no máximo seis letras ou dígitos e um SSID de 0 a 15.</translation>
    </message>
    <message>
        <source>Set a frequency in the 2 m band, %1 to %2.</source>
        <translation>Defina uma frequência na faixa de 2 m, de %1 a %2.</translation>
    </message>
    <message>
        <source>Set your APRS channel before the tracker goes into service: %1 is for testing.</source>
        <translation>Defina o seu canal APRS antes de colocar o rastreador em serviço: %1 é para testes.</translation>
    </message>
    <message>
        <source>If you operate in %1, set a frequency of at most %2: the 2 m band of ITU Region 1 ends there.</source>
        <translation>Se você opera em %1, defina uma frequência de no máximo %2: a faixa de 2 m da Região 1 da UIT termina aí.</translation>
    </message>
    <message>
        <source>If you operate in %1, set its APRS channel, %2.</source>
        <translation>Se você opera em %1, defina o canal APRS de lá, %2.</translation>
    </message>
    <message>
        <source>Enter a value the tracker can hold: %1 would be sent as %2.</source>
        <translation>Informe um valor que o rastreador possa guardar: %1 seria enviado como %2.</translation>
    </message>
    <message>
        <source>Shorten the path: the tracker keeps only &quot;%1&quot;.</source>
        <translation>Encurte o caminho: o rastreador guarda apenas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Remove the empty element from the path: the tracker would send a blank digipeater address.</source>
        <translation>Remova o elemento vazio do caminho: o rastreador enviaria um endereço de digipeater em branco.</translation>
    </message>
    <message>
        <source>Remove %1 from the path: it marks packets from the internet and must never go out on the air.</source>
        <translation>Remova %1 do caminho: ele marca pacotes vindos da internet e nunca deve ir ao ar.</translation>
    </message>
    <message>
        <source>Replace %1 with WIDE1-1 or WIDE2-n: digipeaters no longer service this alias.</source>
        <translation>Substitua %1 por WIDE1-1 ou WIDE2-n: os digipeaters não atendem mais esse alias.</translation>
    </message>
    <message>
        <source>Use WIDE2-2 at most instead of %1: digipeaters limit WIDEn-N to n of 2.</source>
        <translation>Use no máximo WIDE2-2 em vez de %1: os digipeaters limitam WIDEn-N a n igual a 2.</translation>
    </message>
    <message>
        <source>Put WIDE1-1 first in the path or leave it out: it asks for a fill-in digipeater&apos;s first hop only.</source>
        <translation>Coloque WIDE1-1 primeiro no caminho ou deixe-o de fora: ele pede apenas o primeiro salto de um digipeater de preenchimento (fill-in).</translation>
    </message>
    <message>
        <source>Use %1 rather than %2: N above n is not serviced.</source>
        <translation>Use %1 em vez de %2: N acima de n não é atendido.</translation>
    </message>
    <message>
        <source>Remove %1 from the path: a hop with SSID 0 is used up and asks for nothing.</source>
        <translation>Remova %1 do caminho: um salto com SSID 0 está esgotado e não pede nada.</translation>
    </message>
    <message>
        <source>Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks for %1, which floods the network.</source>
        <translation>Peça dois saltos, como faz WIDE1-1,WIDE2-1: este caminho pede %1, o que inunda a rede.</translation>
    </message>
    <message>
        <source>Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks for %1, which suits only an area with few digipeaters.</source>
        <translation>Peça dois saltos, como faz WIDE1-1,WIDE2-1: este caminho pede %1, o que só serve para uma área com poucos digipeaters.</translation>
    </message>
    <message>
        <source>no callsign-prefix list: %1</source>
        <translation>sem lista de prefixos de indicativo: %1</translation>
    </message>
    <message>
        <source>no callsign-prefix list: %1 holds no country that can be read</source>
        <translation>sem lista de prefixos de indicativo: %1 não contém nenhum país legível</translation>
    </message>
    <message>
        <source>the callsign-prefix list %1 was read only in part: line %2 cannot be read and was left out</source>
        <translation>a lista de prefixos de indicativo %1 foi lida apenas em parte: a linha %2 não pode ser lida e foi deixada de fora</translation>
    </message>
    <message numerus="yes">
        <source>Shorten the status text, use fewer digipeaters or share settings between the profiles: the tracker keeps only its first %n characters.</source>
        <translation>
            <numerusform>Encurte o texto de status, use menos digipeaters ou compartilhe configurações entre os perfis: o rastreador guarda apenas %n caractere.</numerusform>
            <numerusform>Encurte o texto de status, use menos digipeaters ou compartilhe configurações entre os perfis: o rastreador guarda apenas os primeiros %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Shorten the Primary profile&apos;s status text, use fewer digipeaters or share settings between the profiles: the Primary profile&apos;s status text leaves no room for this one.</source>
        <translation>Encurte o texto de status do perfil Primário, use menos digipeaters ou compartilhe configurações entre os perfis: o texto de status do perfil Primário não deixa espaço para este.</translation>
    </message>
    <message>
        <source>Use fewer digipeaters or share settings between the profiles: no room is left for the status text.</source>
        <translation>Use menos digipeaters ou compartilhe configurações entre os perfis: não sobra espaço para o texto de status.</translation>
    </message>
    <message>
        <source>Remove %1 from the status text: APRS keeps status texts to printable ASCII other than | and ~.</source>
        <translation>Remova %1 do texto de status: o APRS limita os textos de status a ASCII imprimível, exceto | e ~.</translation>
    </message>
    <message>
        <source>Set the symbol table to /, \ or an overlay character 0-9 or A-Z: with %1 maps may show a placeholder (symbol list %2).</source>
        <translation>Defina a tabela de símbolos como /, \ ou um caractere de sobreposição 0-9 ou A-Z: com %1, os mapas podem mostrar um marcador genérico (lista de símbolos %2).</translation>
    </message>
    <message>
        <source>Set the symbol table to /, \ or an overlay character 0-9 or A-Z: with %1 maps may show a placeholder.</source>
        <translation>Defina a tabela de símbolos como /, \ ou um caractere de sobreposição 0-9 ou A-Z: com %1, os mapas podem mostrar um marcador genérico.</translation>
    </message>
    <message>
        <source>Choose a symbol the list has a picture for: maps may show a placeholder for %1 on the %2 (symbol list %3).</source>
        <translation>Escolha um símbolo para o qual a lista tenha uma imagem: os mapas podem mostrar um marcador genérico para %1 (%2) (lista de símbolos %3).</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ligado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligado</translation>
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
        <translation>Comandos em detalhe:
  show FILE              lê FILE como o botão Carregar da janela e imprime o
                         registro (padrões, depois a imagem do arquivo) como
                         JSON; um registro JSON (FILE terminado em .json) é
                         mostrado como um arquivo de configuração o guardaria
  build JSON_FILE OUT    aplica o registro JSON aos padrões e o salva como o
                         botão Salvar da janela (136 bytes: &quot;ZB3A&quot;, 128, a
                         imagem); um texto de status truncado é informado e o
                         arquivo é gravado mesmo assim. --strict verifica o
                         registro antes e não salva nada quando um apontamento é
                         um erro (status de saída 1)
  version --port P       imprime a resposta de versão do rastreador
  read --port P OUT      lê a imagem duas vezes, exige 128 bytes iguais que
                         possam ser decodificados e salva exatamente os bytes do
                         rastreador em OUT
  read --port P --json   ou imprime o registro decodificado como JSON
  write --port P IN      IN é um arquivo de configuração, cuja imagem é enviada
                         exatamente como está, ou um registro JSON quando o nome
                         termina em .json, que é codificado; a imagem é gravada
                         e lida de volta para verificação. Um perfil cujo
                         micEStatus é 7 (Emergency!), ou qualquer valor cujo
                         byte baixo é 7, é recusado, com a pergunta da janela
                         como motivo, a menos que --emergency-ok seja dado.
                         Antes de enviar, a imagem atual do rastreador é lida
                         para o histórico (cerca de dois segundos); se essa
                         leitura falhar, nada é gravado. --no-backup a pula.
                         --strict não envia nada quando um apontamento da
                         verificação é um erro (status de saída 1). Depois de
                         gravar, cada configuração que a gravação alterou no
                         rastreador é impressa em stdout, como --dry-run a
                         imprime (nada com --no-backup).
  diff A B               compara as configurações de A e B, cada um sendo um
                         arquivo de configuração, um registro JSON (como seria
                         gravado) ou tracker:PORT (lido do rastreador), e
                         imprime cada campo que difere pelo seu nome JSON:
                         &quot;profiles[1].statusText: &quot;a&quot; -&gt; &quot;b&quot;&quot;; a linha de um
                         símbolo acrescenta os nomes da lista de símbolos para
                         os dois lados. Quando só os bytes da imagem diferem,
                         diz isso em uma linha.
  history                lista as imagens guardadas no histórico, a última
                         armazenada primeiro: hora (UTC), direção, porta,
                         versão, arquivo. --json imprime um array JSON:
                         sequence, time, kind, port, version, callsigns e file
                         (um arquivo que não pode ser lido tem &quot;problem&quot; no
                         lugar de callsigns)
  history show N         imprime como JSON, como show faz, o registro da imagem
                         cujo nome começa com o número de sequência N; write
                         --port P FILE a coloca de volta em um rastreador.
                         Quando N inicia mais de um nome, ele cita todos (status
                         de saída 2)
  check SOURCE           verifica um arquivo de configuração, um registro JSON
                         ou tracker:PORT em relação à prática APRS e ao que o
                         rastreador guarda, e imprime uma linha por apontamento,
                         o mais grave primeiro: &quot;severity  rule  field  message&quot;
                         (error: não pode funcionar ou prejudica a rede;
                         warning: vai contra a prática; note: vale a pena
                         saber). Uma tabela de símbolos que não é /, \ ou um
                         caractere de sobreposição, ou um símbolo para o qual a
                         lista de símbolos não tem imagem, é um aviso que cita a
                         lista. --json os imprime como um array JSON; --ignore
                         RULE deixa uma regra de fora. write imprime os mesmos
                         apontamentos em stderr antes de enviar, e grava mesmo
                         assim, a menos que --strict seja dado.
  --set FIELD=VALUE      (show, build, write; repetível) define um campo pelo
                         seu nome JSON, &quot;calibration&quot; ou &quot;profiles[N].NAME&quot;,
                         dividido no primeiro &apos;=&apos;; um texto é tomado como está,
                         os outros valores como JSON (true, 5, 144.8). O
                         registro é então codificado como o botão Gravar
                         configuração da janela faz, de modo que todas as outras
                         configurações ficam como estavam. activeProfile,
                         calibrationChanged, slotDivides60/600 e symbolName não
                         podem ser definidos.
  --preset N=NAME        (build, write, timing; repetível) define o
                         SmartBeaconing do perfil N (1 Primário, 2 Secundário)
                         com a predefinição NAME, em maiúsculas ou minúsculas, e
                         liga o SmartBeaconing, desligando o slot de tempo e o
                         valor enviado, como faz a caixa da janela; aplicado
                         antes de qualquer --set. As predefinições estão
                         listadas abaixo.
  timing FILE            imprime quando o rastreador envia seus beacons, para
                         cada perfil de um arquivo de configuração ou registro
                         JSON (os padrões sem FILE), para os que --preset
                         define, ou para --profile N (0 Primário, 1 Secundário):
                         com o SmartBeaconing desligado, o intervalo de
                         transmissão (no seu slot de tempo, quando houver um
                         ligado); com ele ligado, uma série de velocidades, de
                         parado até acima da velocidade alta, cada uma com seu
                         intervalo, beacons por hora e limiar de curva, pelas
                         regras publicadas do SmartBeaconing (na velocidade
                         baixa ou abaixo dela, o intervalo lento e nenhum beacon
                         de curva; na velocidade alta ou acima dela, o intervalo
                         rápido; entre elas, intervalo rápido x velocidade alta
                         / velocidade; ângulo de curva + inclinação de curva /
                         velocidade, não antes do tempo de curva). Segundos e
                         graus são arredondados, metades para cima; as
                         velocidades estão na unidade própria do rastreador. Um
                         apontamento de check sobre velocidades ou intervalos do
                         SmartBeaconing é mostrado no lugar das linhas. --json
                         imprime um array com um objeto por perfil.
  write --dry-run        lê a imagem do rastreador para o histórico como cópia
                         de segurança, imprime em stdout cada configuração que a
                         gravação alteraria (como diff) e os apontamentos em
                         stderr, e não envia nada. Status de saída: 0 nada
                         mudaria, 1 algo mudaria, 2 problema.
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
Histórico: cada imagem lida de um rastreador ou gravada nele (pelo qz5cfg ou
pela janela) é guardada como arquivo de configuração em
$XDG_STATE_HOME/qz5-config/history (por padrão
~/.local/state/qz5-config/history); as 1000 armazenadas por último são
mantidas, na ordem do número de sequência que inicia cada nome,
independentemente do que diz o relógio. As pastas a partir da base de estado
devem ser suas e fechadas a outros que queiram gravar nelas. Se uma imagem não
puder ser armazenada, um aviso vai para stderr e o comando continua; mas uma
gravação cuja cópia de segurança não pode ser guardada não envia nada
(--no-backup grava sem ela).

Rastreamento: --trace FILE (antes ou depois do comando) grava cada abertura,
fechamento, mudança de velocidade e byte na linha, com o tempo em segundos
desde o início com resolução de milissegundos, &quot;tx&quot; enviado ao rastreador e
&quot;rx&quot; recebido dele. O arquivo é aberto quando um comando fala pela primeira
vez com um rastreador; ele deve ser um arquivo comum (nenhum terminal, pipe ou
dispositivo), e um arquivo que ele cria só pode ser lido por você. Um
rastreamento que não pode ser gravado é informado após a troca.

As mensagens vão para stderr como &quot;Legenda: texto&quot; (só o texto quando não há
legenda). A resposta de versão e os registros JSON vão para stdout. Uma
leitura ou gravação bem-sucedida diz &quot;Leitura do Zelbin3: Leitura
bem-sucedida&quot; ou &quot;Gravação no Zelbin3: Gravação bem-sucedida&quot; em stderr.
Quando stderr é um terminal, version, read e write também mostram ali suas
etapas (&quot;Gravando a configuração: 64 de 132 bytes&quot;) em uma linha que é
reescrita no lugar e apagada no final; --quiet desliga isso.

Status de saída:
  0  concluído
  1  a operação de arquivo ou dispositivo falhou (a mensagem dela diz qual),
     um arquivo JSON não pôde ser lido ou o arquivo de rastreamento não pode
     ser gravado
  2  erro de uso, registro JSON inválido, uma entrada que não é um arquivo
     comum (uma pasta, um FIFO, um dispositivo), uma gravação de um status
     Mic-E de emergência sem --emergency-ok (nada é enviado ao rastreador), ou
     um history show N cujo número mais de uma imagem tem
  diff segue o diff(1): 0 as configurações são iguais, 1 diferem, 2 problema
  (um lado não pôde ser lido, ou um erro de uso)
  check: 0 nenhum aviso ou erro, 1 pelo menos um, 2 problema (uma regra
  desconhecida para --ignore, uma origem que não pôde ser lida)
  write --dry-run: 0 nada mudaria, 1 algo mudaria, 2 problema
  Um --set que não cita nenhum campo definível ou dá um valor do tipo errado
  sai com 2, e nada é gravado.

Prefixos de indicativo: check indica o país de um indicativo pela lista que os
programas de log de radioamador usam, cty.dat
(/usr/share/hamradio-files/cty.dat, ou ao lado do programa no Windows;
QZ5_PREFIX_LIST indica outro arquivo). Sem ela, nenhum apontamento depende do
país.

Símbolos: show, diff e check dão o nome de um símbolo pela lista de imagens de
símbolos dos dados de um cliente APRS (/usr/share/xastir/symbols/symbols.dat
do xastir-data, ou ao lado do programa no Windows; QZ5_SYMBOLS indica outro
arquivo). Sem ela, os nomes são null e uma linha em stderr avisa isso uma vez.

Formato JSON (show e read --json o imprimem; build e write o aceitam):
  {
    &quot;activeProfile&quot;: 0,            0 ou 1
    &quot;calibration&quot;: 128,
    &quot;calibrationChanged&quot;: false,
    &quot;profiles&quot;: [ {Primário}, {Secundário} ]
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
        <translation>  Inteiros são inteiros JSON (32 bits com sinal); flags são true ou false.
  Textos são strings em que cada caractere U+0000..U+00FF representa um
  byte: callsign até 19 caracteres, digiPath até 99, statusText até 199.
  symbolCode e symbolTable são strings de um caractere (&quot;&quot; para um byte
  zero). symbolName, impresso depois de symbolTable, é o nome do símbolo na
  lista de símbolos, ou null; serve para pessoas: build e write o ignoram.
  frequencyMHz é um número em MHz (no máximo 10000000 para cada lado de 0),
  impresso como o decimal mais curto que devolve o mesmo float de 32 bits
  (144.39).
  Para build e write, todo campo é opcional: campos ausentes mantêm os
  padrões, e &quot;profiles&quot; pode conter menos de dois objetos, cada um parcial.
  Um campo desconhecido, um tipo errado, um inteiro fora da faixa de 32
  bits, um texto longo demais para o seu campo ou um símbolo de mais de um
  caractere é um erro que cita o campo; uma chave dada duas vezes em um
  objeto é um erro que cita a chave e o seu objeto. O JSON impresso escreve
  os caracteres de controle U+0080..U+009F como escapes \u0080..\u009f.
</translation>
    </message>
    <message>
        <source>--ignore %1: no such rule; &apos;qz5cfg check --help&apos; lists them</source>
        <translation>--ignore %1: essa regra não existe; &apos;qz5cfg check --help&apos; as lista</translation>
    </message>
    <message>
        <source>Check a configuration file, JSON record or tracker:PORT against APRS practice and what the tracker keeps. Exit status: 0 nothing above a note, 1 a warning or an error, 2 trouble.</source>
        <translation>Verifica um arquivo de configuração, registro JSON ou tracker:PORT em relação à prática APRS e ao que o rastreador guarda. Status de saída: 0 nada acima de uma nota, 1 um aviso ou um erro, 2 problema.</translation>
    </message>
    <message>
        <source>file, JSON record or tracker:PORT</source>
        <translation>arquivo, registro JSON ou tracker:PORT</translation>
    </message>
    <message>
        <source>print the findings as a JSON array</source>
        <translation>imprime os apontamentos como um array JSON</translation>
    </message>
    <message>
        <source>leave out the findings of this rule (repeatable)</source>
        <translation>deixa de fora os apontamentos desta regra (repetível)</translation>
    </message>
    <message>
        <source>Run &apos;qz5cfg --help&apos; for ports, messages, exit statuses and the JSON form.</source>
        <translation>Execute &apos;qz5cfg --help&apos; para portas, mensagens, status de saída e o formato JSON.</translation>
    </message>
    <message>
        <source>set a field by its JSON name, e.g. profiles[0].callsign=MYCALL-7 (repeatable)</source>
        <translation>define um campo pelo seu nome JSON, p. ex. profiles[0].callsign=MYCALL-7 (repetível)</translation>
    </message>
    <message>
        <source>set profile N&apos;s (1 Primary, 2 Secondary) SmartBeaconing to a preset and turn it on, before any --set: %1 (repeatable)</source>
        <translation>define o SmartBeaconing do perfil N (1 Primário, 2 Secundário) com uma predefinição e o liga, antes de qualquer --set: %1 (repetível)</translation>
    </message>
    <message>
        <source>nothing written: --strict and the check found an error</source>
        <translation>nada gravado: --strict e a verificação encontrou um erro</translation>
    </message>
    <message>
        <source>nothing written: the tracker&apos;s current configuration could not be read into the history first; give --no-backup to write without that copy</source>
        <translation>nada gravado: a configuração atual do rastreador não pôde ser lida para o histórico antes; use --no-backup para gravar sem essa cópia</translation>
    </message>
    <message>
        <source>nothing written: the tracker&apos;s current configuration could not be kept in the history (%1); give --no-backup to write without that copy</source>
        <translation>nada gravado: a configuração atual do rastreador não pôde ser guardada no histórico (%1); use --no-backup para gravar sem essa cópia</translation>
    </message>
    <message>
        <source>nothing written; give --emergency-ok to write an Emergency status</source>
        <translation>nada gravado; use --emergency-ok para gravar um status Emergency</translation>
    </message>
    <message>
        <source>the tracker&apos;s current configuration could not be kept in the history (%1); a write would be refused</source>
        <translation>a configuração atual do rastreador não pôde ser guardada no histórico (%1); uma gravação seria recusada</translation>
    </message>
    <message>
        <source>COM1..COM255, a device path, or auto to look for the tracker on every free port</source>
        <translation>COM1..COM255, um caminho de dispositivo, ou auto para procurar o rastreador em todas as portas livres</translation>
    </message>
    <message>
        <source>no progress line on a terminal (there is none in a pipe)</source>
        <translation>sem linha de progresso no terminal (num pipe não há nenhuma)</translation>
    </message>
    <message>
        <source>Print the tracker&apos;s version reply.</source>
        <translation>Imprime a resposta de versão do rastreador.</translation>
    </message>
    <message>
        <source>Read the tracker&apos;s configuration and save it to OUT (or print it with --json).</source>
        <translation>Lê a configuração do rastreador e a salva em OUT (ou a imprime com --json).</translation>
    </message>
    <message>
        <source>read: give OUT or --json</source>
        <translation>read: informe OUT ou --json</translation>
    </message>
    <message>
        <source>configuration file to write</source>
        <translation>arquivo de configuração a gravar</translation>
    </message>
    <message>
        <source>print the record as JSON instead of saving it</source>
        <translation>imprime o registro como JSON em vez de salvá-lo</translation>
    </message>
    <message>
        <source>Write a configuration file, or a JSON record (IN ending in .json), into the tracker and verify it by reading it back.</source>
        <translation>Grava um arquivo de configuração, ou um registro JSON (IN terminado em .json), no rastreador e o verifica lendo-o de volta.</translation>
    </message>
    <message>
        <source>write: --dry-run compares with the backup read, which --no-backup leaves out</source>
        <translation>write: --dry-run compara com a cópia de segurança lida, que --no-backup omite</translation>
    </message>
    <message>
        <source>write: --dry-run sends nothing and prints every finding; --strict is for the write itself</source>
        <translation>write: --dry-run não envia nada e imprime todos os apontamentos; --strict é para a própria gravação</translation>
    </message>
    <message>
        <source>configuration file or JSON record</source>
        <translation>arquivo de configuração ou registro JSON</translation>
    </message>
    <message>
        <source>allow a profile whose Mic-E status is 7 (Emergency!)</source>
        <translation>permite um perfil cujo status Mic-E é 7 (Emergency!)</translation>
    </message>
    <message>
        <source>do not read the tracker&apos;s current image into the history first</source>
        <translation>não lê antes a imagem atual do rastreador para o histórico</translation>
    </message>
    <message>
        <source>read the tracker&apos;s image into the history, print what the write would change and the check&apos;s findings, and send nothing (exit status as diff)</source>
        <translation>lê a imagem do rastreador para o histórico, imprime o que a gravação alteraria e os apontamentos da verificação, e não envia nada (status de saída como diff)</translation>
    </message>
    <message>
        <source>check the record first and send nothing when a finding is an error</source>
        <translation>verifica o registro antes e não envia nada quando um apontamento é um erro</translation>
    </message>
    <message>
        <source>--port %1: expected COM1..COM255, auto, or a device path starting with &apos;/&apos;</source>
        <translation>--port %1: esperado COM1..COM255, auto ou um caminho de dispositivo começando com &apos;/&apos;</translation>
    </message>
    <message>
        <source>same settings; the images differ in %1 byte(s) (rounded delays or the layout of the image)</source>
        <translation>mesmas configurações; as imagens diferem em %1 byte(s) (atrasos arredondados ou o layout da imagem)</translation>
    </message>
    <message>
        <source>Compare the settings of two configuration files, JSON records or tracker:PORT. Exit status as diff(1): 0 equal, 1 different, 2 trouble.</source>
        <translation>Compara as configurações de dois arquivos de configuração, registros JSON ou tracker:PORT. Status de saída como diff(1): 0 iguais, 1 diferentes, 2 problema.</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>não é possível gravar a saída</translation>
    </message>
    <message>
        <source>%1: expected FIELD=VALUE</source>
        <translation>%1: esperado FIELD=VALUE</translation>
    </message>
    <message>
        <source>%1: cannot be set</source>
        <translation>%1: não pode ser definido</translation>
    </message>
    <message>
        <source>%1: unknown field (profile fields are named profiles[0].NAME or profiles[1].NAME)</source>
        <translation>%1: campo desconhecido (os campos de perfil se chamam profiles[0].NAME ou profiles[1].NAME)</translation>
    </message>
    <message>
        <source>%1: expected N=NAME</source>
        <translation>%1: esperado N=NAME</translation>
    </message>
    <message>
        <source>%1: the profile is 1 (Primary) or 2 (Secondary)</source>
        <translation>%1: o perfil é 1 (Primário) ou 2 (Secundário)</translation>
    </message>
    <message>
        <source>%1: the presets are %2</source>
        <translation>%1: as predefinições são %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an option and what is wrong with its value</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>nothing saved: --strict and the check found an error</source>
        <translation>nada salvo: --strict e a verificação encontrou um erro</translation>
    </message>
    <message>
        <source>Print a configuration file (.zb3) or a JSON record as JSON.</source>
        <translation>Imprime um arquivo de configuração (.zb3) ou um registro JSON como JSON.</translation>
    </message>
    <message>
        <source>Apply a JSON record to the defaults and save it as a configuration file.</source>
        <translation>Aplica um registro JSON aos padrões e o salva como arquivo de configuração.</translation>
    </message>
    <message>
        <source>JSON record</source>
        <translation>registro JSON</translation>
    </message>
    <message>
        <source>check the record first and save nothing when a finding is an error</source>
        <translation>verifica o registro antes e não salva nada quando um apontamento é um erro</translation>
    </message>
    <message>
        <source>Looking for the tracker: every serial port that no other program holds gets the version request (ESC ESC V) at 4800, then 9600 bit/s, with DTR and RTS raised.</source>
        <translation>Procurando o rastreador: cada porta serial que nenhum outro programa esteja usando recebe a solicitação de versão (ESC ESC V) a 4800 e depois a 9600 bit/s, com DTR e RTS ativados.</translation>
    </message>
    <message>
        <source>Asking %1 at %2 bit/s (port %3 of %4)</source>
        <translation>Consultando %1 a %2 bit/s (porta %3 de %4)</translation>
    </message>
    <message>
        <source>No serial ports found.</source>
        <translation>Nenhuma porta serial encontrada.</translation>
    </message>
    <message>
        <source>--port auto: no tracker answered on any free port (qz5cfg ports lists them and why some cannot be opened)</source>
        <translation>--port auto: nenhum rastreador respondeu em nenhuma porta livre (qz5cfg ports as lista e diz por que algumas não podem ser abertas)</translation>
    </message>
    <message>
        <source>--port auto: a tracker answered on each of %1; name one with --port</source>
        <translation>--port auto: um rastreador respondeu em cada uma destas: %1; indique uma com --port</translation>
    </message>
    <message>
        <source>Found the tracker on %1.</source>
        <translation>Rastreador encontrado em %1.</translation>
    </message>
    <message>
        <source>Each profile object holds every per-profile field under its own name, in this order: %1.</source>
        <translation>Cada objeto de perfil contém todos os campos por perfil com o seu próprio nome, nesta ordem: %1.</translation>
    </message>
    <message>
        <source>Rules: %1.</source>
        <translation>Regras: %1.</translation>
    </message>
    <message>
        <source>SmartBeaconing presets (speeds in %1, as the record&apos;s defaults):</source>
        <translation>Predefinições de SmartBeaconing (velocidades em %1, como os padrões do registro):</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a preset&apos;s values as a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>List the images kept from every read and write, the one stored last first.</source>
        <translation>Lista as imagens guardadas de cada leitura e gravação, a última armazenada primeiro.</translation>
    </message>
    <message>
        <source>print a JSON array: sequence, time, kind, port, version, callsigns, file</source>
        <translation>imprime um array JSON: sequence, time, kind, port, version, callsigns, file</translation>
    </message>
    <message>
        <source>Print the record of the kept image numbered N (its name&apos;s first part) as JSON.</source>
        <translation>Imprime como JSON o registro da imagem guardada de número N (a primeira parte do seu nome).</translation>
    </message>
    <message>
        <source>the image&apos;s sequence number</source>
        <translation>o número de sequência da imagem</translation>
    </message>
    <message>
        <source>qz5cfg: show and build tracker configuration files, and read, write or ask the version of a tracker on a serial port.</source>
        <translation>qz5cfg: mostra e cria arquivos de configuração do rastreador, e lê, grava ou consulta a versão de um rastreador em uma porta serial.</translation>
    </message>
    <message>
        <source>Print the version and exit</source>
        <translation>Imprime a versão e sai</translation>
    </message>
    <message>
        <source>write every byte on the serial line, with times, to this file</source>
        <translation>grava cada byte da linha serial, com os horários, neste arquivo</translation>
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
        <translation>  ports                  lista cada dispositivo serial presente, que possa ser
                         aberto ou não:
  ports --json           nome COM, caminho, descrição (fabricante, modelo, IDs
                         USB, número de série, driver, nome em
                         /dev/serial/by-id) e, quando não pode ser aberto, por
                         que e o que fazer; depois, os adaptadores seriais USB
                         que estão conectados mas não têm porta. Sai com 0
                         quando a listagem funcionou, mesmo se vazia.
  ports --find           pergunta a cada porta que nenhum outro programa esteja
                         usando pela versão do rastreador, a 4800 e depois a
                         9600 bit/s: isso envia a solicitação de versão e ativa
                         DTR e RTS em cada uma. Uma linha por porta; sai com 0
                         quando um rastreador respondeu, 1 quando nenhum
                         respondeu. Uma porta que outro processo mantém aberta é
                         ignorada; só o root vê os processos de outros usuários,
                         portanto uma porta que o programa de outro usuário usa
                         sem um lock é consultada.

Portas (--port P):
  COM1..COM255 indicam os dispositivos seriais encontrados em /dev, na ordem
  ttyUSB*, ttyACM*, ttyS*, ttyAMA*, rfcomm*; um caminho começando com &apos;/&apos;
  (por exemplo /dev/ttyUSB0 ou /dev/pts/4) é usado como está; auto procura o
  rastreador como ports --find faz e usa a única porta em que ele respondeu
  (sai com 1 quando nenhuma ou mais de uma respondeu). com5 e \\.\COM5 são
  COM5. O rastreador é procurado a 4800 bit/s, depois a 9600. Quando uma
  porta não pode ser aberta, a linha após &quot;Não foi possível acessar a porta
  COM&quot; diz por quê (permissão e o grupo ao qual entrar, o programa que a
  usa, ...).
</translation>
    </message>
    <message>
        <source>List the serial devices, what they are and whether they open.</source>
        <translation>Lista os dispositivos seriais, o que são e se abrem.</translation>
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
        <translation>  ports                  lista as portas COM que o Windows conhece, que possam
                         ser abertas ou não:
  ports --json           nome, dispositivo, descrição (o nome do adaptador, IDs
                         USB, número de série, driver) e, quando não pode ser
                         aberta, por que e o que fazer; depois, os adaptadores
                         que estão conectados mas não têm porta funcionando. Sai
                         com 0 quando a listagem funcionou, mesmo se vazia.
  ports --find           pergunta a cada porta que nenhum outro programa esteja
                         usando pela versão do rastreador, a 4800 e depois a
                         9600 bit/s: isso envia a solicitação de versão e ativa
                         DTR e RTS em cada uma. Uma linha por porta; sai com 0
                         quando um rastreador respondeu, 1 quando nenhum
                         respondeu.

Portas (--port P):
  COM1..COM255 são as próprias portas COM do sistema, como o Gerenciador de
  Dispositivos as mostra, em maiúsculas ou minúsculas (com5) e também como
  \\.\COM5. Uma porta que outro programa esteja usando não abre. auto
  procura o rastreador como ports --find faz e usa a única porta em que ele
  respondeu (sai com 1 quando nenhuma ou mais de uma respondeu). O
  rastreador é procurado a 4800 bit/s, depois a 9600. Quando uma porta não
  pode ser aberta, a linha após &quot;Não foi possível acessar a porta COM&quot; diz
  por quê.
</translation>
    </message>
    <message>
        <source>List the COM ports that Windows knows, what they are and whether they open.</source>
        <translation>Lista as portas COM que o Windows conhece, o que são e se abrem.</translation>
    </message>
    <message>
        <source>print the list as JSON</source>
        <translation>imprime a lista como JSON</translation>
    </message>
    <message>
        <source>ask every free port for the tracker&apos;s version (sends the version request and raises DTR and RTS on each) and say which answered</source>
        <translation>pergunta a cada porta livre pela versão do rastreador (envia a solicitação de versão e ativa DTR e RTS em cada uma) e diz quais responderam</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>the heading of the help&apos;s options</comment>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Imprime esta mensagem de ajuda e sai</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <comment>the heading of the help&apos;s commands</comment>
        <translation>Subcomandos</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Argumentos posicionais</translation>
    </message>
    <message>
        <source>hint: %1</source>
        <comment>what to try next, after a message</comment>
        <translation>dica: %1</translation>
    </message>
    <message>
        <source>Print when the tracker sends its beacons: the interval, or with SmartBeaconing the interval and turn threshold at a row of speeds, and the beacons per hour.</source>
        <translation>Imprime quando o rastreador envia seus beacons: o intervalo, ou, com SmartBeaconing, o intervalo e o limiar de curva em uma série de velocidades, e os beacons por hora.</translation>
    </message>
    <message>
        <source>timing: give FILE or --preset</source>
        <translation>timing: informe FILE ou --preset</translation>
    </message>
    <message>
        <source>configuration file or JSON record; the defaults without it</source>
        <translation>arquivo de configuração ou registro JSON; os padrões sem ele</translation>
    </message>
    <message>
        <source>0 (Primary) or 1 (Secondary); both without it</source>
        <translation>0 (Primário) ou 1 (Secundário); ambos sem ele</translation>
    </message>
    <message>
        <source>print the timing as a JSON array, one object a profile</source>
        <translation>imprime a temporização como um array JSON, um objeto por perfil</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>&amp;Load Tracker&apos;s Settings</source>
        <translation>&amp;Carregar configurações do rastreador</translation>
    </message>
    <message>
        <source>Compare with Tracker</source>
        <translation>Comparar com o rastreador</translation>
    </message>
    <message>
        <source>Differences from the form</source>
        <translation>Diferenças em relação ao formulário</translation>
    </message>
    <message>
        <source>The tracker holds the same settings as the form.</source>
        <translation>O rastreador contém as mesmas configurações que o formulário.</translation>
    </message>
    <message>
        <source>&amp;The tracker and the form are the same:</source>
        <translation>&amp;O rastreador e o formulário são iguais:</translation>
    </message>
    <message>
        <source>&amp;The tracker differs from the form (form -&gt; tracker):</source>
        <translation>&amp;O rastreador difere do formulário (formulário -&gt; rastreador):</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ligado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligado</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Primary, %1: %2 -&gt; %3</source>
        <translation>Primário, %1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Secondary, %1: %2 -&gt; %3</source>
        <translation>Secundário, %1: %2 -&gt; %3</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct path was given.</source>
        <translation>%1
Pasta não encontrada.
Verifique se o caminho correto foi informado.</translation>
    </message>
    <message>
        <source>a link on the way is another user&apos;s, in a folder every user may write to</source>
        <translation>um link no caminho pertence a outro usuário, em uma pasta em que qualquer usuário pode gravar</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Carregar arquivo de configuração</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Salvar arquivo de configuração</translation>
    </message>
    <message>
        <source>Zelbin3 Config files *.zb3</source>
        <translation>Arquivos de configuração Zelbin3 *.zb3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertence a outro usuário</translation>
    </message>
    <message>
        <source>%1 may be written by other users</source>
        <translation>%1 pode ser gravado por outros usuários</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a folder, a FIFO or a device); give a file.</source>
        <translation>%1 não é um arquivo comum (uma pasta, um FIFO ou um dispositivo); informe um arquivo.</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB</source>
        <translation>%1 é maior que %2 MiB</translation>
    </message>
    <message>
        <source>%1 is another user&apos;s; using %2 instead</source>
        <translation>%1 pertence a outro usuário; usando %2 no lugar</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Falha ao carregar</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Falha ao abrir o arquivo</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>Falha ao gravar os dados</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>Falha ao ler os dados</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Formato de arquivo inválido</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Falha na importação</translation>
    </message>
    <message>
        <source>%1: larger than 1 MiB, not a record</source>
        <translation>%1: maior que 1 MiB, não é um registro</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong in it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>nothing could be written</source>
        <translation>nada pôde ser gravado</translation>
    </message>
    <message>
        <source>it is not a regular file (a terminal, a pipe or a device)</source>
        <translation>não é um arquivo comum (um terminal, um pipe ou um dispositivo)</translation>
    </message>
    <message>
        <source>it is not a regular file (a console, a pipe or a device)</source>
        <translation>não é um arquivo comum (um console, um pipe ou um dispositivo)</translation>
    </message>
    <message>
        <source>cannot write the trace file %1: %2</source>
        <translation>não é possível gravar o arquivo de rastreamento %1: %2</translation>
    </message>
    <message>
        <source>cannot write the trace: the stream failed</source>
        <translation>não é possível gravar o rastreamento: o fluxo falhou</translation>
    </message>
</context>
<context>
    <name>FindTracker</name>
    <message>
        <source>Find Tracker</source>
        <translation>Localizar rastreador</translation>
    </message>
    <message>
        <source>Asking %1 for the tracker&apos;s version at %2 bit/s (port %3 of %4)</source>
        <translation>Perguntando a %1 pela versão do rastreador a %2 bit/s (porta %3 de %4)</translation>
    </message>
    <message>
        <source>%1Cancelled before the other ports were asked.
</source>
        <translation>%1Cancelado antes que as outras portas fossem consultadas.
</translation>
    </message>
    <message>
        <source>Find Tracker sends the tracker&apos;s version request to every serial port that no other program holds, at 4800 and then at 9600 bit/s, and raises each port&apos;s DTR and RTS lines. Another device on one of those ports may react to that.

Look for the tracker now?</source>
        <translation>Localizar rastreador envia a solicitação de versão do rastreador a cada porta serial que nenhum outro programa esteja usando, a 4800 e depois a 9600 bit/s, e ativa as linhas DTR e RTS de cada porta. Outro dispositivo em uma dessas portas pode reagir a isso.

Procurar o rastreador agora?</translation>
    </message>
    <message>
        <source>The tracker answered on %1
%2 is now the selected port.</source>
        <translation>O rastreador respondeu em %1
%2 agora é a porta selecionada.</translation>
    </message>
    <message>
        <source>Cancelled: no tracker answered on the ports asked.</source>
        <translation>Cancelado: nenhum rastreador respondeu nas portas consultadas.</translation>
    </message>
    <message>
        <source>No tracker answered on any free port.</source>
        <translation>Nenhum rastreador respondeu em nenhuma porta livre.</translation>
    </message>
    <message>
        <source>A tracker answered on more than one port; choose the one to use in the COM port list.</source>
        <translation>Um rastreador respondeu em mais de uma porta; escolha a que será usada na lista de portas COM.</translation>
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
        <translation>Erro</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
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
        <translation>%1, perfil Primário, %2: %3</translation>
    </message>
    <message>
        <source>%1, Secondary profile, %2: %3</source>
        <translation>%1, perfil Secundário, %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No findings: APRS practice is kept</source>
        <translation>Nenhum apontamento: a prática APRS é respeitada</translation>
    </message>
    <message>
        <source> (1 finding)</source>
        <translation> (1 apontamento)</translation>
    </message>
    <message numerus="yes">
        <source> (%n findings)</source>
        <translation>
            <numerusform> (%n apontamento)</numerusform>
            <numerusform> (%n apontamentos)</numerusform>
        </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Apontamentos</translation>
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
        <translation>A lista de portas oferece COM1, COM2, ... para os dispositivos seriais
encontrados em /dev na inicialização, na ordem ttyUSB*, ttyACM*, ttyS*,
ttyAMA*, rfcomm*; passe o mouse sobre um nome para ver o dispositivo. Os
dispositivos seriais normalmente pertencem ao grupo dialout. Localizar
rastreador, no menu da janela (clique direito, Shift+F10), consulta cada
porta livre.
</translation>
    </message>
    <message>
        <source>The port list offers those of COM1 to COM255 that Windows knows and that can
be opened now, under the names Device Manager shows (Ports (COM &amp; LPT)); hover
over a name to see the adapter. A port that another program has open is not
listed. The list follows adapters plugged in and removed while it is open.
Find Tracker on the window menu (right click, Shift+F10) asks each free port.
</source>
        <translation>A lista de portas oferece as portas de COM1 a COM255 que o Windows conhece e
que podem ser abertas agora, com os nomes que o Gerenciador de Dispositivos
mostra (Portas (COM e LPT)); passe o mouse sobre um nome para ver o
adaptador. Uma porta que outro programa mantém aberta não é listada. A lista
acompanha os adaptadores conectados e removidos enquanto está aberta.
Localizar rastreador, no menu da janela (clique direito, Shift+F10), consulta
cada porta livre.
</translation>
    </message>
    <message>
        <source>The window draws its captions in DejaVuSans.ttf from the program&apos;s folder;
when that file is missing or broken it says so once and uses another face,
in which some captions may be cut off.
</source>
        <translation>A janela desenha suas legendas com DejaVuSans.ttf da pasta do programa;
quando esse arquivo está ausente ou danificado, ela avisa uma vez e usa outra
fonte, na qual algumas legendas podem ficar cortadas.
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
        <translation>Uso: qz5-config [OPÇÃO]... [ARQUIVO]
Configura um rastreador APRS Orvane QZ5 por uma porta serial: lê sua versão e
sua configuração, edita os perfis de beacon Primário e Secundário, grava-os
de volta e os verifica, e faz o rastreador enviar tons de teste. Um arquivo
de configuração (.zb3) dado como ARQUIVO é carregado assim que a janela
aparece, como Carregar faz.

Opções:
      --demo              liga COM1 a um rastreador simulado em vez de um
                          dispositivo serial, para testar o programa sem hardware
      --all-settings      abre a visão Todas as configurações, com todas as
                          configurações dos dois perfis, em vez da última escolhida
      --quit-after-start  fecha a janela assim que ela for mostrada; o status
                          de saída é 1 se ela não pôde ser mostrada (para
                          verificar uma instalação)
      --trace FILE        grava cada byte enviado e recebido na linha serial,
                          com o seu horário, e cada abertura, fechamento e
                          mudança de velocidade, em FILE
  -h, --help              imprime esta ajuda e sai
      --version           imprime a versão e sai

As opções próprias do Qt, como -platform NAME, também são aceitas.

%1%2
Status de saída:
  0  a janela foi fechada, ou a ajuda ou a versão foi impressa
  1  o rastreador simulado da demonstração não pôde ser iniciado, o arquivo
     de rastreamento não pôde ser gravado, a ajuda ou a versão não pôde ser
     escrita, ou, com --quit-after-start, a janela não pôde ser mostrada
  2  erro de uso
</translation>
    </message>
    <message>
        <source>qz5-config: %1
Try &apos;qz5-config --help&apos; for more information.
</source>
        <translation>qz5-config: %1
Experimente &apos;qz5-config --help&apos; para mais informações.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--trace&apos; needs a file name</source>
        <translation>a opção &apos;--trace&apos; precisa de um nome de arquivo</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Read</source>
        <comment>a kept image the tracker sent</comment>
        <translation>Lida</translation>
    </message>
    <message>
        <source>Kept before a write</source>
        <translation>Guardada antes de uma gravação</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Gravada</translation>
    </message>
    <message>
        <source>&amp;Load into Form</source>
        <translation>&amp;Carregar no formulário</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Salvar como...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Kept images</source>
        <translation>Imagens guardadas</translation>
    </message>
    <message>
        <source>Differences from the form</source>
        <translation>Diferenças em relação ao formulário</translation>
    </message>
    <message>
        <source>&amp;Kept images, the newest first:</source>
        <translation>&amp;Imagens guardadas, a mais recente primeiro:</translation>
    </message>
    <message>
        <source>&amp;Differences from the form (form -&gt; image):</source>
        <translation>&amp;Diferenças em relação ao formulário (formulário -&gt; imagem):</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>No. %1   </source>
        <translation>Nº %1   </translation>
    </message>
    <message>
        <source>does not read as a configuration file</source>
        <translation>não pode ser lido como arquivo de configuração</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>O histórico não pode ser lido: %1</translation>
    </message>
    <message>
        <source>No images have been kept yet. Every Read and Write adds one (%1).</source>
        <translation>Nenhuma imagem foi guardada ainda. Cada leitura e gravação acrescenta uma (%1).</translation>
    </message>
    <message>
        <source>This file does not read as a configuration file: %1</source>
        <translation>Este arquivo não pode ser lido como arquivo de configuração: %1</translation>
    </message>
    <message>
        <source>The same settings as the form.</source>
        <translation>As mesmas configurações do formulário.</translation>
    </message>
    <message>
        <source>read</source>
        <translation>leitura</translation>
    </message>
    <message>
        <source>write</source>
        <translation>gravação</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>cópia de segurança</translation>
    </message>
    <message>
        <source>the clock (%1) is behind the newest image in the history (%2); images are still kept in the order they were stored</source>
        <translation>o relógio (%1) está atrás da imagem mais recente do histórico (%2); as imagens continuam guardadas na ordem em que foram armazenadas</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
    <message>
        <source>warning: the image was not kept in the history</source>
        <translation>aviso: a imagem não foi guardada no histórico</translation>
    </message>
    <message>
        <source>no folder to keep it in (HOME and XDG_STATE_HOME are unset)</source>
        <translation>não há pasta para guardá-la (HOME e XDG_STATE_HOME não estão definidos)</translation>
    </message>
    <message>
        <source>%1 has the last number there is; move the images elsewhere to number anew from 1</source>
        <translation>%1 tem o último número possível; mova as imagens para outro lugar para numerar de novo a partir de 1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>não é possível gravar %1</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>não é possível bloquear %1: %2</translation>
    </message>
    <message>
        <source>cannot read the history: %1</source>
        <translation>não é possível ler o histórico: %1</translation>
    </message>
    <message>
        <source>history show: N is the number that begins an image&apos;s name, not &quot;%1&quot;</source>
        <translation>history show: N é o número que inicia o nome de uma imagem, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>history show: no image numbered %1 in %2</source>
        <translation>history show: nenhuma imagem com o número %1 em %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>a list of files</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>history show: more than one image is numbered %1: %2; show the one meant by its file</source>
        <translation>history show: mais de uma imagem tem o número %1: %2; mostre a desejada pelo seu arquivo</translation>
    </message>
</context>
<context>
    <name>Image</name>
    <message>
        <source>Bad EE Size</source>
        <translation>Tamanho de EE inválido</translation>
    </message>
    <message>
        <source>The Primary or Secondary digipeater path is too long and has been truncated.</source>
        <translation>O caminho de digipeater Primário ou Secundário é longo demais e foi truncado.</translation>
    </message>
    <message>
        <source>Digipeater Path Truncated</source>
        <translation>Caminho de digipeater truncado</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <translation>O texto do beacon de status Primário ou Secundário é longo demais e foi truncado. Para ter um texto de beacon de status mais longo, use menos digipeaters e torne idênticos os indicativos, digipeaters ou textos de status primário e secundário.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Texto do beacon de status truncado</translation>
    </message>
    <message>
        <source>Bad EE Size %1
</source>
        <translation>Tamanho de EE inválido %1
</translation>
    </message>
</context>
<context>
    <name>Json</name>
    <message>
        <source>%1: integer outside -2147483648..2147483647</source>
        <translation>%1: inteiro fora de -2147483648..2147483647</translation>
    </message>
    <message>
        <source>%1: expected an integer</source>
        <translation>%1: esperado um inteiro</translation>
    </message>
    <message>
        <source>%1: expected true or false</source>
        <translation>%1: esperado true ou false</translation>
    </message>
    <message>
        <source>%1: expected a string</source>
        <translation>%1: esperada uma string</translation>
    </message>
    <message>
        <source>%1: character outside U+0000..U+00FF</source>
        <translation>%1: caractere fora de U+0000..U+00FF</translation>
    </message>
    <message>
        <source>%1: a text cannot contain U+0000</source>
        <translation>%1: um texto não pode conter U+0000</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters</source>
        <translation>%1: mais longo que %2 caracteres</translation>
    </message>
    <message>
        <source>%1: more than one character</source>
        <translation>%1: mais de um caractere</translation>
    </message>
    <message>
        <source>%1: expected a number</source>
        <translation>%1: esperado um número</translation>
    </message>
    <message>
        <source>%1: outside -10000000..10000000</source>
        <translation>%1: fora de -10000000..10000000</translation>
    </message>
    <message>
        <source>%1: expected an object</source>
        <translation>%1: esperado um objeto</translation>
    </message>
    <message>
        <source>%1: unknown field</source>
        <translation>%1: campo desconhecido</translation>
    </message>
    <message>
        <source>%1: expected an array of at most two objects</source>
        <translation>%1: esperado um array de no máximo dois objetos</translation>
    </message>
    <message>
        <source>expected a JSON object</source>
        <translation>esperado um objeto JSON</translation>
    </message>
    <message>
        <source>%1: must be 0 or 1</source>
        <translation>%1: deve ser 0 ou 1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; named twice in %2</source>
        <translation>&quot;%1&quot; citado duas vezes em %2</translation>
    </message>
    <message>
        <source>the record</source>
        <translation>o registro</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>GetCommState failed</source>
        <translation>Falha em GetCommState</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>Falha em SetCommState</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>Falha em SetCommTimeouts</translation>
    </message>
    <message>
        <source>Looking for the tracker at %1 bit/s</source>
        <translation>Procurando o rastreador a %1 bit/s</translation>
    </message>
    <message>
        <source>Writing the configuration: %1 of %2 bytes</source>
        <translation>Gravando a configuração: %1 de %2 bytes</translation>
    </message>
    <message>
        <source>Reading it back</source>
        <translation>Lendo de volta</translation>
    </message>
    <message>
        <source>Keeping the tracker&apos;s settings: reading them</source>
        <translation>Guardando as configurações do rastreador: lendo-as</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>Lendo a configuração</translation>
    </message>
    <message>
        <source>Keeping the tracker&apos;s settings: reading them again to compare</source>
        <translation>Guardando as configurações do rastreador: lendo-as novamente para comparar</translation>
    </message>
    <message>
        <source>Reading it again to compare</source>
        <translation>Lendo novamente para comparar</translation>
    </message>
    <message>
        <source>Starting the test tone</source>
        <translation>Iniciando o tom de teste</translation>
    </message>
    <message>
        <source>Stopping the test tone</source>
        <translation>Parando o tom de teste</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>Porta COM inválida</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Falha na gravação da porta COM</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>Divergência na gravação da porta COM</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Falha na leitura da porta COM</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Falha ao fechar a porta COM</translation>
    </message>
    <message>
        <source>Zelbin3 Not Found</source>
        <translation>Zelbin3 não encontrado</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>Falha na gravação (código %1 %2)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Falha na gravação</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>Ports</name>
    <message>
        <source>No COM Ports Found</source>
        <translation>Nenhuma porta COM encontrada</translation>
    </message>
    <message>
        <source>%1 (%2, %3):
%4</source>
        <translation>%1 (%2, %3):
%4</translation>
    </message>
    <message>
        <source>No COM port can be used.</source>
        <translation>Nenhuma porta COM pode ser usada.</translation>
    </message>
    <message>
        <source>%1

%2</source>
        <translation>%1

%2</translation>
    </message>
    <message>
        <source>COM Ports</source>
        <translation>Portas COM</translation>
    </message>
    <message>
        <source>Ignored the lock file %1: %2.</source>
        <translation>O arquivo de lock %1 foi ignorado: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>one sentence after another</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Access is denied: another program has %1 open (a terminal, GPS or map program, or a second copy of this one). Close it, then try again.</source>
        <translation>Acesso negado: outro programa está com %1 aberta (um terminal, um programa de GPS ou de mapas, ou uma segunda cópia deste). Feche-o e tente novamente.</translation>
    </message>
    <message>
        <source>Windows has no port %1 now: the adapter is unplugged, or its driver is not installed (Device Manager, Ports (COM &amp; LPT)).</source>
        <translation>O Windows não tem a porta %1 agora: o adaptador está desconectado ou o driver dele não está instalado (Gerenciador de Dispositivos, Portas (COM e LPT)).</translation>
    </message>
    <message>
        <source>%1 is there but its adapter does not answer: unplug it and plug it in again.</source>
        <translation>%1 está presente, mas o adaptador não responde: desconecte-o e conecte-o novamente.</translation>
    </message>
    <message>
        <source>Windows says: %1 (error %2).</source>
        <translation>O Windows diz: %1 (erro %2).</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>this program</source>
        <translation>este programa</translation>
    </message>
    <message>
        <source>a process</source>
        <translation>um processo</translation>
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
        <translation>Em uso por %1. O arquivo de lock dele é %2. Feche esse programa ou deixe-o liberar a porta e tente novamente.</translation>
    </message>
    <message>
        <source>In use by %1. Close that program or let it release the port, then try again.</source>
        <translation>Em uso por %1. Feche esse programa ou deixe-o liberar a porta e tente novamente.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment.</source>
        <translation>Em uso: o dispositivo foi conectado há instantes, e um gerenciador de modem costuma sondar esses dispositivos por alguns segundos. Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment. To keep the modem manager away from it for good, give it the udev property ID_MM_DEVICE_IGNORE=1 in a udev rule.</source>
        <translation>Em uso: o dispositivo foi conectado há instantes, e um gerenciador de modem costuma sondar esses dispositivos por alguns segundos. Tente novamente daqui a pouco. Para manter o gerenciador de modem longe dele de vez, dê a ele a propriedade udev ID_MM_DEVICE_IGNORE=1 em uma regra udev.</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment. To keep the modem manager away from it for good, give it the udev property ID_MM_DEVICE_IGNORE=1 in a udev rule, for example a file in /etc/udev/rules.d with the line
    ATTRS{idVendor}==&quot;%1&quot;, ATTRS{idProduct}==&quot;%2&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;
then plug the device in again.</source>
        <translation>Em uso: o dispositivo foi conectado há instantes, e um gerenciador de modem costuma sondar esses dispositivos por alguns segundos. Tente novamente daqui a pouco. Para manter o gerenciador de modem longe dele de vez, dê a ele a propriedade udev ID_MM_DEVICE_IGNORE=1 em uma regra udev, por exemplo um arquivo em /etc/udev/rules.d com a linha
    ATTRS{idVendor}==&quot;%1&quot;, ATTRS{idProduct}==&quot;%2&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;
e depois conecte o dispositivo novamente.</translation>
    </message>
    <message>
        <source>In use by a program this user cannot see: most likely a system service running as another user holds it. Stop that service, or ask the administrator which one it is.</source>
        <translation>Em uso por um programa que este usuário não consegue ver: muito provavelmente um serviço do sistema executado como outro usuário a está usando. Pare esse serviço ou pergunte ao administrador qual é.</translation>
    </message>
    <message>
        <source>This program runs in a Flatpak sandbox, which reaches serial devices only with a permission granted outside it: flatpak override --user --device=all followed by the program&apos;s application ID.</source>
        <translation>Este programa é executado em uma sandbox Flatpak, que só acessa dispositivos seriais com uma permissão concedida fora dela: flatpak override --user --device=all seguido do ID de aplicativo do programa.</translation>
    </message>
    <message>
        <source>This program runs as a Snap, which reaches serial devices only through an interface connected outside it: sudo snap connect %1:raw-usb (USB adapters) or :serial-port.</source>
        <translation>Este programa é executado como Snap, que só acessa dispositivos seriais por meio de uma interface conectada fora dele: sudo snap connect %1:raw-usb (adaptadores USB) ou :serial-port.</translation>
    </message>
    <message>
        <source>Permission denied: only its owner &quot;%1&quot; may use %2. A udev rule that gives the device to a group of yours (GROUP=&quot;...&quot;, MODE=&quot;0660&quot;) would let you in.</source>
        <translation>Permissão negada: só o dono &quot;%1&quot; pode usar %2. Uma regra udev que dê o dispositivo a um grupo seu (GROUP=&quot;...&quot;, MODE=&quot;0660&quot;) permitiria o seu acesso.</translation>
    </message>
    <message>
        <source>Permission denied, although you are in the group &quot;%1&quot; that may use %2: a security policy of the system refuses it.</source>
        <translation>Permissão negada, embora você esteja no grupo &quot;%1&quot; que pode usar %2: uma política de segurança do sistema a recusa.</translation>
    </message>
    <message>
        <source>Permission denied: you were added to the group &quot;%1&quot; that may use %2, but this login session started before that. Log out and in again (or restart) to use the port.</source>
        <translation>Permissão negada: você foi adicionado ao grupo &quot;%1&quot; que pode usar %2, mas esta sessão começou antes disso. Saia e entre novamente (ou reinicie) para usar a porta.</translation>
    </message>
    <message>
        <source>Permission denied: %1 belongs to the group &quot;%2&quot;, and you are not a member. Add yourself with
    sudo usermod -aG %2 &quot;$USER&quot;
then log out and in again.</source>
        <translation>Permissão negada: %1 pertence ao grupo &quot;%2&quot;, e você não é membro dele. Adicione-se com
    sudo usermod -aG %2 &quot;$USER&quot;
e depois saia e entre novamente.</translation>
    </message>
    <message>
        <source>%1 is not there (any more): the device was unplugged or renamed.</source>
        <translation>%1 não está presente (mais): o dispositivo foi desconectado ou renomeado.</translation>
    </message>
    <message>
        <source>No hardware answers behind %1.</source>
        <translation>Nenhum hardware responde por trás de %1.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 não pôde ser aberta: %2.</translation>
    </message>
    <message>
        <source>No port was chosen.</source>
        <translation>Nenhuma porta foi escolhida.</translation>
    </message>
    <message>
        <source>No serial device was found.</source>
        <translation>Nenhum dispositivo serial foi encontrado.</translation>
    </message>
    <message>
        <source>No serial device is known as %1.</source>
        <translation>Nenhum dispositivo serial é conhecido como %1.</translation>
    </message>
    <message>
        <source>Could not aquire Com Port</source>
        <translation>Não foi possível acessar a porta COM</translation>
    </message>
    <message>
        <source>The device was busy for a moment and is free now: try again.</source>
        <translation>O dispositivo ficou ocupado por um instante e agora está livre: tente novamente.</translation>
    </message>
    <message>
        <source>The port was busy for a moment and is free now: try again.</source>
        <translation>A porta ficou ocupada por um instante e agora está livre: tente novamente.</translation>
    </message>
    <message>
        <source>%1 at %2 bit/s: %3</source>
        <translation>%1 a %2 bit/s: %3</translation>
    </message>
    <message>
        <source>%1: no answer</source>
        <translation>%1: sem resposta</translation>
    </message>
    <message>
        <source>%1: held by another program: passed over</source>
        <translation>%1: em uso por outro programa: ignorada</translation>
    </message>
    <message>
        <source>%1: not asked</source>
        <translation>%1: não consultada</translation>
    </message>
    <message>
        <source>%1: not asked, %2</source>
        <translation>%1: não consultada, %2</translation>
    </message>
    <message>
        <source>it is not root&apos;s, and who runs process %1 cannot be seen</source>
        <translation>ele não pertence ao root, e não é possível ver quem executa o processo %1</translation>
    </message>
    <message>
        <source>its owner (uid %1) does not run process %2</source>
        <translation>o dono dele (uid %1) não executa o processo %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>No serial devices found.</source>
        <translation>Nenhum dispositivo serial encontrado.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>série %1</translation>
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
        <translation>pode ser aberta</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>não pode ser aberta: %1</translation>
    </message>
    <message>
        <source>USB serial device</source>
        <translation>dispositivo serial USB</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>porta serial integrada</translation>
    </message>
    <message>
        <source>Bluetooth serial link</source>
        <translation>conexão serial Bluetooth</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>dispositivo serial</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a device and its USB ids</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>porta serial</translation>
    </message>
    <message>
        <source>A USB serial adapter (CH340/CH341, %1, USB %2) is plugged in but has no serial port: a braille-display service took it over right after it was attached. If no braille display is used here, remove or disable that service (or its udev rule for this adapter), then plug the adapter in again.</source>
        <comment>%1 is the adapter&apos;s USB ids, %2 where it is plugged in</comment>
        <translation>Um adaptador serial USB (CH340/CH341, %1, USB %2) está conectado, mas não tem porta serial: um serviço de linhas braille o tomou logo depois de conectado. Se nenhuma linha braille é usada aqui, remova ou desative esse serviço (ou sua regra do udev para este adaptador) e conecte o adaptador de novo.</translation>
    </message>
    <message>
        <source>its driver is not installed. Install the driver from the adapter&apos;s maker, or let Device Manager look for one (Update driver)</source>
        <translation>o driver dele não está instalado. Instale o driver do fabricante do adaptador ou deixe o Gerenciador de Dispositivos procurar um (Atualizar driver)</translation>
    </message>
    <message>
        <source>it is disabled. Enable it in Device Manager (Ports (COM &amp; LPT))</source>
        <translation>ele está desativado. Ative-o no Gerenciador de Dispositivos (Portas (COM e LPT))</translation>
    </message>
    <message>
        <source>its driver could not start it. Unplug the adapter and plug it in again; if that does not help, reinstall its driver</source>
        <translation>o driver dele não conseguiu iniciá-lo. Desconecte o adaptador e conecte-o de novo; se isso não resolver, reinstale o driver</translation>
    </message>
    <message>
        <source>Windows refused its driver, which is not signed. Install a signed driver from the adapter&apos;s maker</source>
        <translation>o Windows recusou o driver dele, que não é assinado. Instale um driver assinado do fabricante do adaptador</translation>
    </message>
    <message>
        <source>Device Manager reports problem code %1 for it (see the device&apos;s Properties there)</source>
        <translation>o Gerenciador de Dispositivos informa para ele o código de problema %1 (veja lá as Propriedades do dispositivo)</translation>
    </message>
    <message>
        <source>%1 is plugged in but has no working COM port: %2.</source>
        <comment>%1 is the device, %2 what Device Manager reports and what to do</comment>
        <translation>%1 está conectado, mas não tem nenhuma porta COM que funcione: %2.</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>
Symbol on maps: </source>
        <translation>
Símbolo nos mapas: </translation>
    </message>
    <message>
        <source>not known. %1</source>
        <translation>desconhecido. %1</translation>
    </message>
    <message>
        <source>none in the symbol list %1; maps may show a placeholder.</source>
        <translation>nenhum na lista de símbolos %1; os mapas podem mostrar um marcador genérico.</translation>
    </message>
    <message>
        <source>Choose Symbol</source>
        <translation>Escolher símbolo</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Localizar:</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>the box that narrows the symbols</comment>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Type part of a name, such as car or bicycle, to narrow the symbols.</source>
        <translation>Digite parte de um nome, como car ou bicycle, para filtrar os símbolos.</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Both symbol tables. Space or Enter chooses the symbol.</source>
        <translation>As duas tabelas de símbolos. Espaço ou Enter escolhe o símbolo.</translation>
    </message>
    <message>
        <source>&amp;Overlay character:</source>
        <translation>Caractere de &amp;sobreposição:</translation>
    </message>
    <message>
        <source>Overlay character</source>
        <translation>Caractere de sobreposição</translation>
    </message>
    <message>
        <source>0 to 9 or A to Z drawn over an alternate symbol that takes one; empty for none.</source>
        <translation>0 a 9 ou A a Z desenhado sobre um símbolo alternativo que aceite um; vazio para nenhum.</translation>
    </message>
    <message>
        <source>No symbol list: %1 is not a regular file (a folder, a FIFO or a device); give a file; symbols are shown without names or pictures.</source>
        <translation>Sem lista de símbolos: %1 não é um arquivo comum (uma pasta, um FIFO ou um dispositivo); informe um arquivo; os símbolos são mostrados sem nomes nem imagens.</translation>
    </message>
    <message>
        <source>No symbol list: %1; symbols are shown without names or pictures.</source>
        <translation>Sem lista de símbolos: %1; os símbolos são mostrados sem nomes nem imagens.</translation>
    </message>
    <message>
        <source>No symbol list: %1 holds no symbol pictures; symbols are shown without names or pictures.</source>
        <translation>Sem lista de símbolos: %1 não contém imagens de símbolos; os símbolos são mostrados sem nomes nem imagens.</translation>
    </message>
    <message numerus="yes">
        <source>Symbol list %1: %n bad entry skipped, the first at line %2.</source>
        <translation>
            <numerusform>Lista de símbolos %1: %n entrada inválida ignorada, a primeira na linha %2.</numerusform>
            <numerusform>Lista de símbolos %1: %n entradas inválidas ignoradas, a primeira na linha %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Symbol list %1: %n bad entries skipped, the first at line %2.</source>
        <translation>
            <numerusform>Lista de símbolos %1: %n entrada inválida ignorada, a primeira na linha %2.</numerusform>
            <numerusform>Lista de símbolos %1: %n entradas inválidas ignoradas, a primeira na linha %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>sem imagem</translation>
    </message>
    <message>
        <source>primary table</source>
        <translation>tabela primária</translation>
    </message>
    <message>
        <source>alternate table</source>
        <translation>tabela alternativa</translation>
    </message>
    <message>
        <source>overlay %1</source>
        <translation>sobreposição %1</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>Símbolo %1</translation>
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
        <translation>Temporização dos beacons</translation>
    </message>
    <message>
        <source>Beacon Timing</source>
        <translation>Temporização dos beacons</translation>
    </message>
    <message>
        <source>SmartBeaconing &amp;preset:</source>
        <translation>&amp;Predefinição de SmartBeaconing:</translation>
    </message>
    <message>
        <source>SmartBeaconing preset</source>
        <translation>Predefinição de SmartBeaconing</translation>
    </message>
    <message>
        <source>&amp;Apply to Profile</source>
        <translation>&amp;Aplicar ao perfil</translation>
    </message>
    <message>
        <source>Sets the profile&apos;s SmartBeaconing to the preset and turns it on</source>
        <translation>Define o SmartBeaconing do perfil com a predefinição e o liga</translation>
    </message>
    <message>
        <source>Plot of interval against speed</source>
        <translation>Gráfico do intervalo em função da velocidade</translation>
    </message>
    <message>
        <source>The table above gives the same values.</source>
        <translation>A tabela acima dá os mesmos valores.</translation>
    </message>
    <message>
        <source>speed</source>
        <comment>the plot&apos;s axis</comment>
        <translation>velocidade</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds, the plot&apos;s axis</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>over %1 degrees</source>
        <translation>acima de %1 graus</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no turn beacon</comment>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>any</source>
        <comment>any speed</comment>
        <translation>qualquer</translation>
    </message>
    <message>
        <source>SmartBeaconing is off: a beacon every %1, in its time slot, %2 into each interval of the clock.</source>
        <translation>SmartBeaconing desligado: um beacon a cada %1, no seu slot de tempo, %2 após o início de cada intervalo do relógio.</translation>
    </message>
    <message>
        <source>SmartBeaconing is off: a beacon every %1.</source>
        <translation>SmartBeaconing desligado: um beacon a cada %1.</translation>
    </message>
    <message>
        <source>At or below the low speed (%1) the slow rate, %2, and no turn beacons; at or above the high speed (%3) the fast rate, %4; between them %4 x %3 / speed.</source>
        <translation>Na velocidade baixa (%1) ou abaixo dela, o intervalo lento, %2, e nenhum beacon de curva; na velocidade alta (%3) ou acima dela, o intervalo rápido, %4; entre elas, %4 x %3 / velocidade.</translation>
    </message>
    <message>
        <source>A turn beacon goes out when the heading changes by more than turn angle + turn slope / speed, no sooner than %1 after the last beacon.</source>
        <translation>Um beacon de curva é enviado quando o rumo muda mais que ângulo de curva + inclinação de curva / velocidade, não antes de %1 após o último beacon.</translation>
    </message>
    <message>
        <source>Seconds and degrees are rounded to whole numbers, halves up; speeds are in the tracker&apos;s own unit.</source>
        <translation>Segundos e graus são arredondados para números inteiros, metades para cima; as velocidades estão na unidade própria do rastreador.</translation>
    </message>
    <message>
        <source>Primary profile: SmartBeaconing on</source>
        <translation>Perfil Primário: SmartBeaconing ligado</translation>
    </message>
    <message>
        <source>Primary profile: SmartBeaconing off</source>
        <translation>Perfil Primário: SmartBeaconing desligado</translation>
    </message>
    <message>
        <source>Secondary profile: SmartBeaconing on</source>
        <translation>Perfil Secundário: SmartBeaconing ligado</translation>
    </message>
    <message>
        <source>Secondary profile: SmartBeaconing off</source>
        <translation>Perfil Secundário: SmartBeaconing desligado</translation>
    </message>
    <message>
        <source>Speed (tracker&apos;s unit)</source>
        <translation>Velocidade (unidade do rastreador)</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Beacons per hour</source>
        <translation>Beacons por hora</translation>
    </message>
    <message>
        <source>Turn beacon</source>
        <translation>Beacon de curva</translation>
    </message>
    <message>
        <source>No timing until this is fixed: %1</source>
        <translation>Sem temporização até que isto seja corrigido: %1</translation>
    </message>
    <message>
        <source>Beacons less than %1 apart are for special events; the channel is shared.</source>
        <translation>Beacons com menos de %1 de intervalo são para eventos especiais; o canal é compartilhado.</translation>
    </message>
    <message>
        <source>This models the published SmartBeaconing rules, not the tracker&apos;s firmware.</source>
        <translation>Isto modela as regras publicadas do SmartBeaconing, não o firmware do rastreador.</translation>
    </message>
    <message>
        <source>The second rate is left out: its role is not known.</source>
        <translation>O segundo intervalo é deixado de fora: a sua função não é conhecida.</translation>
    </message>
    <message>
        <source>%1: %2 to %3 %4, every %5 s to %6 s, turns from %7 degrees, slope %8</source>
        <comment>a SmartBeaconing preset: name, speeds, rates, turn angle and slope</comment>
        <translation>%1: de %2 a %3 %4, a cada %5 s a %6 s, curvas a partir de %7 graus, inclinação %8</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Primary</source>
        <translation>Primário</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secundário</translation>
    </message>
    <message>
        <source>About Orvane QZ5 Config Basic</source>
        <translation>Sobre o Orvane QZ5 Config Basic</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config Basic Version 1.4</source>
        <translation>Orvane QZ5 Config Basic Versão 1.4</translation>
    </message>
    <message>
        <source>Configures QZ5 trackers</source>
        <translation>Configura rastreadores QZ5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Station and path</source>
        <translation>Estação e caminho</translation>
    </message>
    <message>
        <source>Mic-E</source>
        <translation>Mic-E</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Temporização</translation>
    </message>
    <message>
        <source>Time slot</source>
        <translation>Slot de tempo</translation>
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
        <translation>Predefinição de SmartBeaconing</translation>
    </message>
    <message>
        <source>GPS and serial</source>
        <translation>GPS e serial</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>Porta COM</translation>
    </message>
    <message>
        <source>Tones</source>
        <translation>Tons</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config - All settings</source>
        <translation>Orvane QZ5 Config - Todas as configurações</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config Basic</source>
        <translation>Orvane QZ5 Config Basic</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>Indicativo:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Símbolo:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frequência:</translation>
    </message>
    <message>
        <source>Transmit Rate:</source>
        <translation>Intervalo de transmissão:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Send Separate</source>
        <translation>Enviar separado</translation>
    </message>
    <message>
        <source>Don&apos;t Send &apos;&gt;&apos;</source>
        <translation>Não enviar &apos;&gt;&apos;</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>Enviar altitude</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>Caminhos de digi alternados</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>Enviar só válidas</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>Permitir serial TTL</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>Inverter CD IN</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>Carimbo de hora DHM</translation>
    </message>
    <message>
        <source>No TX on PTT In</source>
        <translation>Sem TX com PTT In</translation>
    </message>
    <message>
        <source>Send NMEA</source>
        <translation>Enviar NMEA</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>Carimbo de hora HMS</translation>
    </message>
    <message>
        <source>Serial Out High</source>
        <translation>Saída serial alta</translation>
    </message>
    <message>
        <source>Skip Start Packet</source>
        <translation>Pular pacote inicial</translation>
    </message>
    <message>
        <source>300 baud packet</source>
        <translation>Pacote a 300 baud</translation>
    </message>
    <message>
        <source>9600 baud GPS</source>
        <translation>GPS a 9600 baud</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>Forçar imprimíveis</translation>
    </message>
    <message>
        <source>Read Version</source>
        <translation>Ler versão</translation>
    </message>
    <message>
        <source>Read Configuration</source>
        <translation>Ler configuração</translation>
    </message>
    <message>
        <source>Write Configuration</source>
        <translation>Gravar configuração</translation>
    </message>
    <message>
        <source>Send 1200 Hz</source>
        <translation>Enviar 1200 Hz</translation>
    </message>
    <message>
        <source>Send 2200 Hz</source>
        <translation>Enviar 2200 Hz</translation>
    </message>
    <message>
        <source>Send Both</source>
        <translation>Enviar ambos</translation>
    </message>
    <message>
        <source>Stop Sending</source>
        <translation>Parar envio</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Apply to Profile</source>
        <translation>Aplicar ao perfil</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A field&apos;s label in All settings; %1 is the field&apos;s name.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>&amp;Find Tracker</source>
        <translation>&amp;Localizar rastreador</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Histórico...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with Tracker...</source>
        <translation>Co&amp;mparar com o rastreador...</translation>
    </message>
    <message>
        <source>Choose S&amp;ymbol...</source>
        <translation>Escolher &amp;símbolo...</translation>
    </message>
    <message>
        <source>&amp;Beacon Timing...</source>
        <translation>&amp;Temporização dos beacons...</translation>
    </message>
    <message>
        <source>&amp;Keep Settings Before Writing</source>
        <translation>&amp;Guardar configurações antes de gravar</translation>
    </message>
    <message>
        <source>Send 1600 Hz</source>
        <translation>Enviar 1600 Hz</translation>
    </message>
    <message>
        <source>Send 1800 Hz</source>
        <translation>Enviar 1800 Hz</translation>
    </message>
    <message>
        <source>Scroll across</source>
        <translation>Rolar na horizontal</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Rolar para baixo</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibração</translation>
    </message>
    <message>
        <source>Tone calibration value, shared by both profiles. The tracker keeps 0 to 255; the window shows it but does not let it be edited.</source>
        <translation>Valor de calibração dos tons, compartilhado pelos dois perfis. O rastreador guarda de 0 a 255; a janela o mostra, mas não permite editá-lo.</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Indicativo</translation>
    </message>
    <message>
        <source>Station callsign, optionally followed by -SSID. The tracker keeps six letters or digits in capitals and an SSID of 0 to 15; other characters end the callsign.</source>
        <translation>Indicativo da estação, opcionalmente seguido de -SSID. O rastreador guarda seis letras ou dígitos em maiúsculas e um SSID de 0 a 15; outros caracteres encerram o indicativo.</translation>
    </message>
    <message>
        <source>Digipeater path</source>
        <translation>Caminho de digipeater</translation>
    </message>
    <message>
        <source>Digipeaters asked to relay each beacon, separated by commas, for example WIDE1-1,WIDE2-1. Each is kept like a callsign: six letters or digits and an SSID of 0 to 15.</source>
        <translation>Digipeaters solicitados a retransmitir cada beacon, separados por vírgulas, por exemplo WIDE1-1,WIDE2-1. Cada um é guardado como um indicativo: seis letras ou dígitos e um SSID de 0 a 15.</translation>
    </message>
    <message>
        <source>Status text</source>
        <translation>Texto de status</translation>
    </message>
    <message>
        <source>Text of the status beacon. The tracker keeps what fits in its 128-byte memory after the other settings; equal texts in both profiles are stored once.</source>
        <translation>Texto do beacon de status. O rastreador guarda o que couber na sua memória de 128 bytes depois das outras configurações; textos iguais nos dois perfis são armazenados uma só vez.</translation>
    </message>
    <message>
        <source>Delay 1</source>
        <translation>Atraso 1</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>First delay. Kept in byte times of the packet speed: 6.666 ms steps up to 1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet.</source>
        <translation>Primeiro atraso. Guardado em tempos de byte da velocidade do pacote: passos de 6.666 ms até 1700 ms, ou passos de 26.666 ms até 6800 ms com Pacote a 300 baud.</translation>
    </message>
    <message>
        <source>Delay 2</source>
        <translation>Atraso 2</translation>
    </message>
    <message>
        <source>Second delay. Kept in byte times of the packet speed: 6.666 ms steps up to 1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet.</source>
        <translation>Segundo atraso. Guardado em tempos de byte da velocidade do pacote: passos de 6.666 ms até 1700 ms, ou passos de 26.666 ms até 6800 ms com Pacote a 300 baud.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Mic-E message sent with the position, one of eight. Writing Emergency! asks for confirmation first.</source>
        <translation>Mensagem Mic-E enviada com a posição, uma de oito. Gravar Emergency! pede confirmação antes.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Mic-E digipeater path, one of sixteen.</source>
        <translation>Caminho de digipeater Mic-E, um de dezesseis.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>APRS symbol code: the character that picks the map icon. A control character is read back as &apos;-&apos;.</source>
        <translation>Código de símbolo APRS: o caractere que escolhe o ícone no mapa. Um caractere de controle é lido de volta como &apos;-&apos;.</translation>
    </message>
    <message>
        <source>Symbol table</source>
        <translation>Tabela de símbolos</translation>
    </message>
    <message>
        <source>APRS symbol table: / primary, \ alternate, or an overlay character. A control character is read back as /.</source>
        <translation>Tabela de símbolos APRS: / primária, \ alternativa, ou um caractere de sobreposição. Um caractere de controle é lido de volta como /.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Contagem</translation>
    </message>
    <message>
        <source>Count parameter. The tracker keeps 0 to 255.</source>
        <translation>Parâmetro de contagem. O rastreador guarda de 0 a 255.</translation>
    </message>
    <message>
        <source>Transmit rate</source>
        <translation>Intervalo de transmissão</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Time between beacons while SmartBeaconing is off; at least 3. The tracker keeps up to 65535.</source>
        <translation>Tempo entre beacons enquanto o SmartBeaconing está desligado; no mínimo 3. O rastreador guarda até 65535.</translation>
    </message>
    <message>
        <source>Second rate</source>
        <translation>Segundo intervalo</translation>
    </message>
    <message>
        <source>Second beacon interval; at least 3. The tracker keeps up to 65535.</source>
        <translation>Segundo intervalo de beacon; no mínimo 3. O rastreador guarda até 65535.</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Second within the transmit interval at which the beacon goes out. Sent only while the time slot is on; at most the transmit rate.</source>
        <translation>Segundo dentro do intervalo de transmissão em que o beacon é enviado. Enviado só enquanto o slot de tempo está ligado; no máximo o intervalo de transmissão.</translation>
    </message>
    <message>
        <source>Low speed</source>
        <translation>Velocidade baixa</translation>
    </message>
    <message>
        <source>SmartBeaconing: at or below this speed the slow rate applies. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: nesta velocidade ou abaixo dela vale o intervalo lento. O rastreador guarda de 0 a 255; enviado só enquanto o SmartBeaconing está ligado.</translation>
    </message>
    <message>
        <source>High speed</source>
        <translation>Velocidade alta</translation>
    </message>
    <message>
        <source>SmartBeaconing: at or above this speed the fast rate applies. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: nesta velocidade ou acima dela vale o intervalo rápido. O rastreador guarda de 0 a 255; enviado só enquanto o SmartBeaconing está ligado.</translation>
    </message>
    <message>
        <source>Slow rate</source>
        <translation>Intervalo lento</translation>
    </message>
    <message>
        <source>SmartBeaconing: time between beacons at low speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: tempo entre beacons em velocidade baixa. O rastreador guarda de 0 a 65535; enviado só enquanto o SmartBeaconing está ligado.</translation>
    </message>
    <message>
        <source>Fast rate</source>
        <translation>Intervalo rápido</translation>
    </message>
    <message>
        <source>SmartBeaconing: time between beacons at high speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: tempo entre beacons em velocidade alta. O rastreador guarda de 0 a 65535; enviado só enquanto o SmartBeaconing está ligado.</translation>
    </message>
    <message>
        <source>Turn angle</source>
        <translation>Ângulo de curva</translation>
    </message>
    <message>
        <source>SmartBeaconing: smallest change of heading that counts as a turn. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: menor mudança de rumo que conta como curva. O rastreador guarda de 0 a 255; enviado só enquanto o SmartBeaconing está ligado.</translation>
    </message>
    <message>
        <source>Turn slope</source>
        <translation>Inclinação de curva</translation>
    </message>
    <message>
        <source>SmartBeaconing: makes turns count sooner at low speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: faz as curvas contarem mais cedo em velocidade baixa. O rastreador guarda de 0 a 65535; enviado só enquanto o SmartBeaconing está ligado.</translation>
    </message>
    <message>
        <source>Turn time</source>
        <translation>Tempo de curva</translation>
    </message>
    <message>
        <source>SmartBeaconing: least time between beacons sent for turns. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: tempo mínimo entre beacons enviados por curvas. O rastreador guarda de 0 a 255; enviado só enquanto o SmartBeaconing está ligado.</translation>
    </message>
    <message>
        <source>Delay 3</source>
        <translation>Atraso 3</translation>
    </message>
    <message>
        <source>Third delay. Kept in 26.3 ms steps up to 6706 ms; not editable in the window.</source>
        <translation>Terceiro atraso. Guardado em passos de 26.3 ms até 6706 ms; não editável na janela.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Value sent while its Enable box is on. The tracker keeps 0 to 255.</source>
        <translation>Valor enviado enquanto a caixa Ativar dele está marcada. O rastreador guarda de 0 a 255.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Transmit frequency, 144.000 to 148.000 MHz; anything else becomes 144.390. The tracker keeps it in 5 kHz steps.</source>
        <translation>Frequência de transmissão, de 144.000 a 148.000 MHz; qualquer outra vira 144.390. O rastreador a guarda em passos de 5 kHz.</translation>
    </message>
    <message>
        <source>Mic-E reports use printable characters only.</source>
        <translation>Os relatórios Mic-E usam apenas caracteres imprimíveis.</translation>
    </message>
    <message>
        <source>Beacons only with a valid GPS position. Not editable in the window.</source>
        <translation>Envia beacons só com uma posição de GPS válida. Não editável na janela.</translation>
    </message>
    <message>
        <source>Beacons at a fixed second of the transmit interval. Turns SmartBeaconing off.</source>
        <translation>Envia beacons em um segundo fixo do intervalo de transmissão. Desliga o SmartBeaconing.</translation>
    </message>
    <message>
        <source>Beacons more often at speed and in turns, using the SmartBeaconing settings instead of the transmit rate. Turns the time slot off.</source>
        <translation>Envia beacons com mais frequência em velocidade e em curvas, usando as configurações do SmartBeaconing em vez do intervalo de transmissão. Desliga o slot de tempo.</translation>
    </message>
    <message>
        <source>Positions include the altitude.</source>
        <translation>As posições incluem a altitude.</translation>
    </message>
    <message>
        <source>Positions are sent in the compact Mic-E form. Turns Send NMEA off.</source>
        <translation>As posições são enviadas no formato compacto Mic-E. Desliga Enviar NMEA.</translation>
    </message>
    <message>
        <source>Sends the value beside this box.</source>
        <translation>Envia o valor ao lado desta caixa.</translation>
    </message>
    <message>
        <source>Positions carry a day, hour and minute time stamp.</source>
        <translation>As posições levam um carimbo de hora com dia, hora e minuto.</translation>
    </message>
    <message>
        <source>The serial port accepts TTL levels.</source>
        <translation>A porta serial aceita níveis TTL.</translation>
    </message>
    <message>
        <source>Beacons alternate between digipeater paths.</source>
        <translation>Os beacons alternam entre caminhos de digipeater.</translation>
    </message>
    <message>
        <source>Inverts the carrier detect input. Not editable in the window.</source>
        <translation>Inverte a entrada de detecção de portadora. Não editável na janela.</translation>
    </message>
    <message>
        <source>Positions carry an hour, minute and second time stamp.</source>
        <translation>As posições levam um carimbo de hora com hora, minuto e segundo.</translation>
    </message>
    <message>
        <source>No transmission while the PTT input is active. Not editable in the window.</source>
        <translation>Sem transmissão enquanto a entrada PTT estiver ativa. Não editável na janela.</translation>
    </message>
    <message>
        <source>Sends the GPS sentences as received. Turns Mic-E and Send Altitude off.</source>
        <translation>Envia as sentenças do GPS como recebidas. Desliga Mic-E e Enviar altitude.</translation>
    </message>
    <message>
        <source>Sends the status text in a packet of its own.</source>
        <translation>Envia o texto de status em um pacote próprio.</translation>
    </message>
    <message>
        <source>Packets at 300 baud with 1600 and 1800 Hz tones instead of 1200 baud.</source>
        <translation>Pacotes a 300 baud com tons de 1600 e 1800 Hz em vez de 1200 baud.</translation>
    </message>
    <message>
        <source>The status text goes out without its leading &apos;&gt;&apos;.</source>
        <translation>O texto de status é enviado sem o &apos;&gt;&apos; inicial.</translation>
    </message>
    <message>
        <source>The serial output rests high.</source>
        <translation>A saída serial fica em nível alto em repouso.</translation>
    </message>
    <message>
        <source>No beacon when the tracker starts.</source>
        <translation>Nenhum beacon quando o rastreador inicia.</translation>
    </message>
    <message>
        <source>The GPS receiver talks at 9600 baud instead of 4800.</source>
        <translation>O receptor GPS se comunica a 9600 baud em vez de 4800.</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>O novo valor de calibração deve ser gravado antes de testar os tons</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Calibração não gravada</translation>
    </message>
    <message>
        <source>The settings were changed and have not been written to the tracker or saved to a file. Discard the changes and close?</source>
        <translation>As configurações foram alteradas e não foram gravadas no rastreador nem salvas em um arquivo. Descartar as alterações e fechar?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Alterações não salvas</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the window starts with its defaults and remembers nothing</source>
        <translation>%1 não é um arquivo comum; a janela inicia com os seus padrões e não memoriza nada</translation>
    </message>
    <message>
        <source>The window&apos;s font could not be loaded from %1, so its captions are drawn in another face and some may be cut off. Installing the program again puts the file back.</source>
        <translation>A fonte da janela não pôde ser carregada de %1, então as legendas são desenhadas com outra fonte e algumas podem ficar cortadas. Instalar o programa novamente repõe o arquivo.</translation>
    </message>
    <message>
        <source>qz5-config: %1
</source>
        <translation>qz5-config: %1
</translation>
    </message>
    <message>
        <source>Font Missing</source>
        <translation>Fonte ausente</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Fora de serviço</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>A caminho</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>Em serviço</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>Retornando</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Comprometido</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Especial</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridade</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>Emergência!</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>Convencional</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sul</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Leste</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>North + WIDE</source>
        <translation>Norte + WIDE</translation>
    </message>
    <message>
        <source>South + WIDE</source>
        <translation>Sul + WIDE</translation>
    </message>
    <message>
        <source>East + WIDE</source>
        <translation>Leste + WIDE</translation>
    </message>
    <message>
        <source>West + WIDE</source>
        <translation>Oeste + WIDE</translation>
    </message>
    <message>
        <source>qz5-config: cannot write the output
</source>
        <translation>qz5-config: não é possível gravar a saída
</translation>
    </message>
    <message>
        <source>qz5-config: no simulated tracker: %1
</source>
        <translation>qz5-config: nenhum rastreador simulado: %1
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>All &amp;settings</source>
        <translation>Todas as &amp;configurações</translation>
    </message>
    <message>
        <source>&amp;About Zelbin3Config...</source>
        <translation>S&amp;obre o Zelbin3Config...</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Test Tones</source>
        <translation>Tons de teste</translation>
    </message>
    <message>
        <source>Find Tracker</source>
        <translation>Localizar rastreador</translation>
    </message>
    <message>
        <source>Zelbin3 Read</source>
        <translation>Leitura do Zelbin3</translation>
    </message>
    <message>
        <source>Zelbin3 Version</source>
        <translation>Versão do Zelbin3</translation>
    </message>
    <message>
        <source>Zelbin3 Write</source>
        <translation>Gravação no Zelbin3</translation>
    </message>
    <message>
        <source>two reads of them did not agree</source>
        <translation>duas leituras delas não coincidiram</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>one reason after another</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the tracker did not send them whole</source>
        <translation>o rastreador não as enviou completas</translation>
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
        <translation>Falha na leitura</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Leitura bem-sucedida</translation>
    </message>
    <message>
        <source>You are about to configure your Zelbin with the ability to send an EMERGENCY beacon.  Are you sure you want to do this?</source>
        <translation>Você está prestes a configurar o seu Zelbin com a capacidade de enviar um beacon de EMERGÊNCIA. Tem certeza de que deseja fazer isso?</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Gravação bem-sucedida</translation>
    </message>
</context>
<context>
    <name>Write</name>
    <message>
        <source>The tracker&apos;s settings could not be kept: %1. Write without keeping them?</source>
        <translation>As configurações do rastreador não puderam ser guardadas: %1. Gravar sem guardá-las?</translation>
    </message>
    <message>
        <source>The tracker already held these settings.
The earlier settings are kept: History, entry %1.</source>
        <translation>O rastreador já continha estas configurações.
As configurações anteriores estão guardadas: Histórico, entrada %1.</translation>
    </message>
    <message>
        <source>The tracker already held these settings.
The earlier settings are kept in the History.</source>
        <translation>O rastreador já continha estas configurações.
As configurações anteriores estão guardadas no Histórico.</translation>
    </message>
    <message>
        <source>Changed on the tracker:
%1The earlier settings are kept: History, entry %2.</source>
        <translation>Alterado no rastreador:
%1As configurações anteriores estão guardadas: Histórico, entrada %2.</translation>
    </message>
    <message>
        <source>Changed on the tracker:
%1The earlier settings are kept in the History.</source>
        <translation>Alterado no rastreador:
%1As configurações anteriores estão guardadas no Histórico.</translation>
    </message>
    <message numerus="yes">
        <source>Changed on the tracker:
%1and %n more
The earlier settings are kept: History, entry %2.</source>
        <translation>
            <numerusform>Alterado no rastreador:
%1e mais %n
As configurações anteriores estão guardadas: Histórico, entrada %2.</numerusform>
            <numerusform>Alterado no rastreador:
%1e mais %n
As configurações anteriores estão guardadas: Histórico, entrada %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Changed on the tracker:
%1and %n more
The earlier settings are kept in the History.</source>
        <translation>
            <numerusform>Alterado no rastreador:
%1e mais %n
As configurações anteriores estão guardadas no Histórico.</numerusform>
            <numerusform>Alterado no rastreador:
%1e mais %n
As configurações anteriores estão guardadas no Histórico.</numerusform>
        </translation>
    </message>
    <message>
        <source>The tracker&apos;s settings from before this write were not read, so they are kept nowhere. &quot;Keep Settings Before Writing&quot; on the window menu keeps them next time.</source>
        <translation>As configurações do rastreador de antes desta gravação não foram lidas, portanto não estão guardadas em lugar nenhum. &quot;Guardar configurações antes de gravar&quot;, no menu da janela, as guarda da próxima vez.</translation>
    </message>
    <message>
        <source>The tracker&apos;s settings from before this write could not be kept.</source>
        <translation>As configurações do rastreador de antes desta gravação não puderam ser guardadas.</translation>
    </message>
</context>
</TS>
