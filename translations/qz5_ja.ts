<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Advice</name>
    <message>
        <source>Check that the tracker is switched on and that its cable is in this port. If it may be on another port, choose that one, or let Find Tracker on the window menu ask each port.</source>
        <translation>トラッカーの電源が入っていること、ケーブルがこのポートにつながっていることを確認してください。別のポートにつながっている可能性がある場合は、そのポートを選ぶか、ウィンドウメニューの「トラッカーを検索」で各ポートに問い合わせてください。</translation>
    </message>
    <message>
        <source>Check that the tracker is switched on and that its cable is in this port. &apos;qz5cfg ports&apos; lists the ports; &apos;qz5cfg ports --find&apos; asks each one for the tracker.</source>
        <translation>トラッカーの電源が入っていること、ケーブルがこのポートにつながっていることを確認してください。&apos;qz5cfg ports&apos; でポートの一覧を表示し、&apos;qz5cfg ports --find&apos; で各ポートにトラッカーを問い合わせます。</translation>
    </message>
    <message>
        <source>Write the configuration again.</source>
        <translation>設定をもう一度書き込んでください。</translation>
    </message>
    <message>
        <source>Write the configuration again. The tracker&apos;s settings from before this write are in the history as number %1: History on the window menu shows them.</source>
        <translation>設定をもう一度書き込んでください。この書き込みの前のトラッカーの設定は履歴に番号 %1 として保存されています。ウィンドウメニューの「履歴」で表示できます。</translation>
    </message>
    <message>
        <source>Write the configuration again. The tracker&apos;s settings from before this write are in the history: &apos;qz5cfg history&apos; lists them, &apos;qz5cfg history show %1&apos; prints them.</source>
        <translation>設定をもう一度書き込んでください。この書き込みの前のトラッカーの設定は履歴に保存されています。&apos;qz5cfg history&apos; で一覧を表示し、&apos;qz5cfg history show %1&apos; で内容を出力します。</translation>
    </message>
    <message>
        <source>Another program holds this port: close it and try again, or choose another port.</source>
        <translation>別のプログラムがこのポートを使用しています。そのプログラムを閉じてもう一度試すか、別のポートを選んでください。</translation>
    </message>
    <message>
        <source>The system does not let you open this port: the reason given with &quot;Could not aquire Com Port&quot; says what gives you the right to use it.</source>
        <translation>システムがこのポートを開くことを許可していません。「COMポートを取得できませんでした」と共に示される理由に、使用する権限を得る方法が書かれています。</translation>
    </message>
    <message>
        <source>The device is not there: plug the adapter in again, or choose a port from the list.</source>
        <translation>デバイスが見つかりません。アダプターを挿し直すか、一覧からポートを選んでください。</translation>
    </message>
    <message>
        <source>The device is not there: plug the adapter in again, or choose a port that &apos;qz5cfg ports&apos; lists.</source>
        <translation>デバイスが見つかりません。アダプターを挿し直すか、&apos;qz5cfg ports&apos; が一覧に表示するポートを選んでください。</translation>
    </message>
    <message>
        <source>Unplug the adapter, plug it in again, and try again.</source>
        <translation>アダプターを抜いて挿し直し、もう一度試してください。</translation>
    </message>
    <message>
        <source>Check the cable and that the tracker is switched on, then try again.</source>
        <translation>ケーブルとトラッカーの電源を確認してから、もう一度試してください。</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>enter your own</source>
        <translation>自局のコールサインを入力する</translation>
    </message>
    <message>
        <source>enter one</source>
        <translation>コールサインを入力する</translation>
    </message>
    <message>
        <source>enter it as sent</source>
        <translation>送信される形で入力する</translation>
    </message>
    <message>
        <source>shorten it</source>
        <translation>短くする</translation>
    </message>
    <message>
        <source>remove the empty hop</source>
        <translation>空のホップを削除する</translation>
    </message>
    <message>
        <source>ask for two hops</source>
        <translation>2ホップにする</translation>
    </message>
    <message>
        <source>replace the retired alias</source>
        <translation>廃止されたエイリアスを置き換える</translation>
    </message>
    <message>
        <source>use WIDE2-2 at most</source>
        <translation>WIDE2-2 までにする</translation>
    </message>
    <message>
        <source>put WIDE1-1 first</source>
        <translation>WIDE1-1 を先頭にする</translation>
    </message>
    <message>
        <source>lower the SSID</source>
        <translation>SSIDを下げる</translation>
    </message>
    <message>
        <source>remove the used-up hop</source>
        <translation>使い切ったホップを削除する</translation>
    </message>
    <message>
        <source>remove the internet alias</source>
        <translation>インターネット用エイリアスを削除する</translation>
    </message>
    <message>
        <source>beacon less often</source>
        <translation>ビーコンの頻度を下げる</translation>
    </message>
    <message>
        <source>keep it below the slow rate</source>
        <translation>低速時の間隔より短くする</translation>
    </message>
    <message>
        <source>keep it above the low speed</source>
        <translation>低速の値より大きくする</translation>
    </message>
    <message>
        <source>turn it or SmartBeaconing off</source>
        <translation>タイムスロットかSmartBeaconingをオフにする</translation>
    </message>
    <message>
        <source>keep it within the rate</source>
        <translation>送信間隔以内にする</translation>
    </message>
    <message>
        <source>use plain ASCII</source>
        <translation>通常のASCII文字を使う</translation>
    </message>
    <message>
        <source>use the 2 m band</source>
        <translation>2mバンドを使う</translation>
    </message>
    <message>
        <source>keep to 146 MHz at most</source>
        <translation>146 MHz 以下にする</translation>
    </message>
    <message>
        <source>use your APRS channel</source>
        <translation>地域のAPRS周波数を使う</translation>
    </message>
    <message>
        <source>set your APRS channel</source>
        <translation>地域のAPRS周波数を設定する</translation>
    </message>
    <message>
        <source>choose another</source>
        <translation>別のものを選ぶ</translation>
    </message>
    <message>
        <source>choose one a map can draw</source>
        <translation>地図に表示できるものを選ぶ</translation>
    </message>
    <message>
        <source>enter a value it keeps</source>
        <translation>保持できる値を入力する</translation>
    </message>
    <message>
        <source>Beacon every %1 or slower instead of every %2: one minute is for special events, two or more for routine use.</source>
        <translation>%2 ごとではなく %1 以上の間隔でビーコンを送信してください。1分間隔は特別なイベント用で、通常の運用では2分以上です。</translation>
    </message>
    <message>
        <source>Make the fast rate shorter than the slow rate (now %1 and %2), or faster driving would beacon less often.</source>
        <translation>高速時の間隔を低速時の間隔より短くしてください (現在 %1 と %2)。そうしないと速く走るほどビーコンの頻度が下がります。</translation>
    </message>
    <message>
        <source>Make the high speed greater than the low speed (now %1 and %2).</source>
        <translation>高速の値を低速の値より大きくしてください (現在 %1 と %2)。</translation>
    </message>
    <message>
        <source>Turn off either the time slot or SmartBeaconing: the tracker keeps the slot in SmartBeaconing&apos;s settings.</source>
        <translation>タイムスロットかSmartBeaconingのどちらかをオフにしてください。トラッカーはタイムスロットをSmartBeaconingの設定領域に保持します。</translation>
    </message>
    <message>
        <source>Set the time slot to at most the transmit rate, %1: a slot at %2 never comes.</source>
        <translation>タイムスロットを送信間隔 %1 以下に設定してください。%2 のスロットは来ることがありません。</translation>
    </message>
    <message>
        <source>Choose another Mic-E message unless this is a real emergency: Emergency! sets off alarms at every station that hears it.</source>
        <translation>本当の緊急時でない限り、別のMic-Eメッセージを選んでください。Emergency! は受信したすべての局で警報を鳴らします。</translation>
    </message>
    <message>
        <source>Enter the station&apos;s callsign: the tracker would send a blank one.</source>
        <translation>局のコールサインを入力してください。このままではトラッカーは空のコールサインを送信します。</translation>
    </message>
    <message>
        <source>Enter your own callsign: APRS-IS servers refuse %1.</source>
        <translation>自局のコールサインを入力してください。APRS-ISサーバーは %1 を拒否します。</translation>
    </message>
    <message>
        <source>Enter the callsign as %1, which is what the tracker will send: it keeps at most six letters or digits and an SSID from 0 to 15.</source>
        <translation>コールサインは、トラッカーが実際に送信する %1 として入力してください。トラッカーが保持するのは英数字6文字までと、0～15のSSIDです。</translation>
    </message>
    <message>
        <source>Set a frequency in the 2 m band, %1 to %2.</source>
        <translation>2mバンド内 (%1～%2) の周波数を設定してください。</translation>
    </message>
    <message>
        <source>Set your APRS channel before the tracker goes into service: %1 is for testing.</source>
        <translation>トラッカーを運用に使う前に、地域のAPRS周波数を設定してください。%1 は試験用です。</translation>
    </message>
    <message>
        <source>If you operate in %1, set a frequency of at most %2: the 2 m band of ITU Region 1 ends there.</source>
        <translation>%1 で運用する場合は、周波数を %2 以下に設定してください。ITU第1地域の2mバンドはそこまでです。</translation>
    </message>
    <message>
        <source>If you operate in %1, set its APRS channel, %2.</source>
        <translation>%1 で運用する場合は、その地域のAPRS周波数 %2 を設定してください。</translation>
    </message>
    <message>
        <source>Enter a value the tracker can hold: %1 would be sent as %2.</source>
        <translation>トラッカーが保持できる値を入力してください。%1 は %2 として送信されます。</translation>
    </message>
    <message>
        <source>Shorten the path: the tracker keeps only &quot;%1&quot;.</source>
        <translation>パスを短くしてください。トラッカーが保持するのは「%1」だけです。</translation>
    </message>
    <message>
        <source>Remove the empty element from the path: the tracker would send a blank digipeater address.</source>
        <translation>パスから空の要素を削除してください。このままではトラッカーは空のデジピーターアドレスを送信します。</translation>
    </message>
    <message>
        <source>Remove %1 from the path: it marks packets from the internet and must never go out on the air.</source>
        <translation>パスから %1 を削除してください。これはインターネットからのパケットを示すもので、決して電波に乗せてはいけません。</translation>
    </message>
    <message>
        <source>Replace %1 with WIDE1-1 or WIDE2-n: digipeaters no longer service this alias.</source>
        <translation>%1 を WIDE1-1 または WIDE2-n に置き換えてください。デジピーターはこのエイリアスをもう扱っていません。</translation>
    </message>
    <message>
        <source>Use WIDE2-2 at most instead of %1: digipeaters limit WIDEn-N to n of 2.</source>
        <translation>%1 ではなく最大でも WIDE2-2 を使ってください。デジピーターは WIDEn-N を n が2までに制限しています。</translation>
    </message>
    <message>
        <source>Put WIDE1-1 first in the path or leave it out: it asks for a fill-in digipeater&apos;s first hop only.</source>
        <translation>WIDE1-1 はパスの先頭に置くか、使わないでください。これは補完用デジピーターに最初のホップだけを求めるものです。</translation>
    </message>
    <message>
        <source>Use %1 rather than %2: N above n is not serviced.</source>
        <translation>%2 ではなく %1 を使ってください。N が n より大きいものは扱われません。</translation>
    </message>
    <message>
        <source>Remove %1 from the path: a hop with SSID 0 is used up and asks for nothing.</source>
        <translation>パスから %1 を削除してください。SSIDが0のホップは使い切られており、何も要求しません。</translation>
    </message>
    <message>
        <source>Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks for %1, which floods the network.</source>
        <translation>WIDE1-1,WIDE2-1 のように2ホップにしてください。このパスは %1 を要求しており、ネットワークをあふれさせます。</translation>
    </message>
    <message>
        <source>Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks for %1, which suits only an area with few digipeaters.</source>
        <translation>WIDE1-1,WIDE2-1 のように2ホップにしてください。このパスは %1 を要求しており、デジピーターの少ない地域にしか向きません。</translation>
    </message>
    <message>
        <source>no callsign-prefix list: %1</source>
        <translation>コールサインのプレフィックス一覧がありません: %1</translation>
    </message>
    <message>
        <source>no callsign-prefix list: %1 holds no country that can be read</source>
        <translation>コールサインのプレフィックス一覧がありません: %1 には読み取れる国がありません</translation>
    </message>
    <message>
        <source>the callsign-prefix list %1 was read only in part: line %2 cannot be read and was left out</source>
        <translation>コールサインのプレフィックス一覧 %1 は一部しか読み取れませんでした: %2 行目が読み取れないため除外しました</translation>
    </message>
    <message numerus="yes">
        <source>Shorten the status text, use fewer digipeaters or share settings between the profiles: the tracker keeps only its first %n characters.</source>
        <translation>
            <numerusform>ステータステキストを短くするか、デジピーターを減らすか、プロファイル間で設定を共通にしてください。トラッカーは最初の %n 文字しか保持しません。</numerusform>
        </translation>
    </message>
    <message>
        <source>Shorten the Primary profile&apos;s status text, use fewer digipeaters or share settings between the profiles: the Primary profile&apos;s status text leaves no room for this one.</source>
        <translation>プライマリプロファイルのステータステキストを短くするか、デジピーターを減らすか、プロファイル間で設定を共通にしてください。プライマリプロファイルのステータステキストのため、このテキストを入れる余地がありません。</translation>
    </message>
    <message>
        <source>Use fewer digipeaters or share settings between the profiles: no room is left for the status text.</source>
        <translation>デジピーターを減らすか、プロファイル間で設定を共通にしてください。ステータステキストを入れる余地がありません。</translation>
    </message>
    <message>
        <source>Remove %1 from the status text: APRS keeps status texts to printable ASCII other than | and ~.</source>
        <translation>ステータステキストから %1 を削除してください。APRSではステータステキストは | と ~ を除く印字可能なASCII文字に限られます。</translation>
    </message>
    <message>
        <source>Set the symbol table to /, \ or an overlay character 0-9 or A-Z: with %1 maps may show a placeholder (symbol list %2).</source>
        <translation>シンボルテーブルを /、\ またはオーバーレイ文字 0-9、A-Z に設定してください。%1 では地図に代替アイコンが表示されることがあります (シンボル一覧 %2)。</translation>
    </message>
    <message>
        <source>Set the symbol table to /, \ or an overlay character 0-9 or A-Z: with %1 maps may show a placeholder.</source>
        <translation>シンボルテーブルを /、\ またはオーバーレイ文字 0-9、A-Z に設定してください。%1 では地図に代替アイコンが表示されることがあります。</translation>
    </message>
    <message>
        <source>Choose a symbol the list has a picture for: maps may show a placeholder for %1 on the %2 (symbol list %3).</source>
        <translation>一覧に画像があるシンボルを選んでください。%2 の %1 は地図に代替アイコンで表示されることがあります (シンボル一覧 %3)。</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
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
        <translation>コマンドの詳細:
  show FILE              FILE をウィンドウの「開く」と同じように読み込み、
                         レコード (既定値、次にファイルのイメージ) を JSON
                         で出力します。JSON レコード (.json で終わる FILE)
                         は設定ファイルに保存される形で表示します
  build JSON_FILE OUT    JSON レコードを既定値に適用し、ウィンドウの「保存」
                         と同じように保存します (136 バイト: &quot;ZB3A&quot;、128、
                         イメージ)。ステータステキストが切り詰められた場合は
                         報告し、ファイルはそのまま書き込みます。--strict は
                         先にレコードをチェックし、指摘がエラーのときは何も
                         保存しません (終了ステータス 1)
  version --port P       トラッカーのバージョン応答を出力します
  read --port P OUT      イメージを2回読み込み、デコードできる同一の 128
                         バイトであることを確かめ、トラッカーのバイトをその
                         まま OUT に保存します
  read --port P --json   またはデコードしたレコードを JSON で出力します
  write --port P IN      IN は設定ファイル (そのイメージをそのまま送信) か、
                         名前が .json で終わる JSON レコード (エンコードして
                         送信) です。イメージを書き込み、読み戻して検証しま
                         す。micEStatus が 7 (Emergency!) のプロファイル、
                         または下位バイトが 7 の値は、--emergency-ok を指定
                         しない限り、ウィンドウの確認の文言を理由として拒否
                         します。送信の前に、トラッカーの現在のイメージを
                         履歴に読み込みます (約2秒)。この読み込みに失敗する
                         と何も書き込みません。--no-backup でこれを省きます。
                         --strict はチェックの指摘がエラーのとき何も送信し
                         ません (終了ステータス 1)。書き込み後、この書き込み
                         でトラッカー上の変わった設定をすべて、--dry-run と
                         同じ形で標準出力に出力します (--no-backup では何も
                         出力しません)。
  diff A B               A と B の設定を比較します。それぞれ設定ファイル、
                         JSON レコード (書き込まれる形で) または tracker:PORT
                         (トラッカーから読み込み) です。異なるフィールドを
                         すべて JSON 名で出力します:
                         &quot;profiles[1].statusText: &quot;a&quot; -&gt; &quot;b&quot;&quot;。シンボルの行
                         には両側のシンボル一覧の名前を添えます。
                         イメージのバイトだけが異なる場合は、その旨を1行で
                         出力します。
  history                履歴に保存されたイメージを、最後に保存したものから
                         一覧表示します: 時刻 (UTC)、方向、ポート、バージョ
                         ン、ファイル。--json は JSON 配列を出力します:
                         sequence、time、kind、port、version、callsigns、
                         file (読み込めないファイルは callsigns の代わりに
                         &quot;problem&quot; を持ちます)
  history show N         名前が通し番号 N で始まるイメージのレコードを、show
                         と同じように JSON で出力します。write --port P FILE
                         でトラッカーに戻せます。N で始まる名前が複数ある
                         場合は、それらをすべて挙げます
                         (終了ステータス 2)
  check SOURCE           設定ファイル、JSON レコードまたは tracker:PORT を
                         APRS の慣行およびトラッカーが保持できる内容に照らし
                         てチェックし、指摘ごとに1行を重大なものから出力
                         します: &quot;severity  rule  field  message&quot;
                         (エラー: 動作しないかネットワークに害を与える。
                         警告: 慣行に反する。注意: 知っておくとよい)。
                         / でも \ でもオーバーレイ文字でもないシンボル
                         テーブル、またはシンボル一覧に画像のないシンボル
                         は、その一覧を挙げて警告します。
                         --json は JSON 配列で出力します。
                         --ignore RULE はルールを除外します。write は送信
                         前に同じ指摘を標準エラー出力に出し、--strict を
                         指定しない限りそのまま書き込みます。
  --set FIELD=VALUE      (show、build、write。繰り返し可) フィールドを JSON
                         名 (&quot;calibration&quot; または &quot;profiles[N].NAME&quot;) で設定
                         します。最初の &apos;=&apos; で分割し、テキストはそのまま、
                         その他の値は JSON として扱います (true、5、144.8)。
                         その後レコードをウィンドウの「設定の書き込み」と
                         同じようにエンコードするので、他の設定はそのまま
                         です。activeProfile、
                         calibrationChanged、slotDivides60/600 と
                         symbolName は設定できません。
  --preset N=NAME        (build、write、timing。繰り返し可) プロファイル N
                         (1 プライマリ、2 セカンダリ) の SmartBeaconing を
                         プリセット NAME (大文字小文字は問いません) に設定
                         し、ウィンドウのボックスと同じように SmartBeaconing
                         をオン、タイムスロットと送信値をオフにします。
                         --set より前に適用されます。プリセットは
                         下に一覧があります。
  timing FILE            トラッカーがビーコンを送信するタイミングを出力し
                         ます。対象は設定ファイルまたは JSON レコードの各
                         プロファイル (FILE がなければ既定値)、--preset で
                         設定したもの、または --profile N (0 プライマリ、
                         1 セカンダリ) です。SmartBeaconing がオフなら送信
                         間隔 (タイムスロットがオンならそのスロット内)、
                         オンなら停止から高速を超えるまでの速度ごとに、間隔、
                         1時間あたりのビーコン数、ターンのしきい値を行で
                         示します。公開されている SmartBeaconing の規則に
                         よります (低速以下では低速時の間隔でターンビーコン
                         なし、高速以上では高速時の間隔、その間は高速時の
                         間隔 x 高速 / 速度。ターン角度 + ターン傾き /
                         速度、ターン時間より早くはなりません)。秒と度は
                         四捨五入します。速度はトラッカー独自の単位です。
                         check の SmartBeaconing の速度または間隔の指摘が
                         ある場合は、行の代わりにそれを示します。--json は
                         プロファイルごとに1オブジェクトの配列を出力します。
  write --dry-run        トラッカーのイメージをバックアップとして履歴に
                         読み込み、書き込みで変わる設定をすべて (diff と同じ
                         形で) 標準出力に、指摘を標準エラー出力に出し、何も
                         送信しません。終了ステータス: 0 変更なし、1 変更
                         あり、2 問題あり。
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
履歴: トラッカーから読み込んだ、またはトラッカーに書き込んだイメージは
(qz5cfg でもウィンドウでも) すべて、設定ファイルとして
$XDG_STATE_HOME/qz5-config/history (既定では ~/.local/state/qz5-config/history)
に保存されます。最後に保存された 1000 個が、時計に関係なく、各名前の先頭の
通し番号の順に保持されます。ステートの基点から下のフォルダーは自分の所有で、
他のユーザーが書き込めないものでなければなりません。イメージを保存できない
場合は標準エラー出力に警告を出してコマンドを続けます。ただし、バックアップを
保存できない書き込みは何も送信しません (--no-backup はバックアップなしで
書き込みます)。

トレース: --trace FILE (コマンドの前でも後でも) は、回線上のすべてのオープン、
クローズ、速度変更、バイトを、開始からの秒数 (ミリ秒単位) の時刻付きで
書き込みます。&quot;tx&quot; はトラッカーへの送信、&quot;rx&quot; はトラッカーからの受信です。
ファイルはコマンドが最初にトラッカーと通信するときに開かれます。通常の
ファイルでなければならず (端末、パイプ、デバイスは不可)、新しく作成する
ファイルは自分だけが読めます。トレースを書き込めない場合は、通信の後でその
旨を伝えます。

メッセージは &quot;見出し: テキスト&quot; の形で標準エラー出力に出ます (見出しが
ない場合はテキストのみ)。バージョン応答と JSON レコードは標準出力に出ます。
読み込みまたは書き込みに成功すると、標準エラー出力に
&quot;Zelbin3 読み込み: 読み込み成功&quot; または &quot;Zelbin3 書き込み: 書き込み成功&quot;
と出ます。標準エラー出力が端末の場合、version、read、write はその手順
(&quot;設定を書き込み中: 64 / 132 バイト&quot;) も1行に表示し、その行はその場で
書き換えられ、最後に消去されます。--quiet でこれをオフにします。

終了ステータス:
  0  完了
  1  ファイルまたはデバイスの操作に失敗した (どれかはメッセージが示す)、
     JSON ファイルを読み込めなかった、またはトレースファイルを書き込めない
  2  使い方の誤り、無効な JSON レコード、通常のファイルでない入力 (フォル
     ダー、FIFO、デバイス)、--emergency-ok なしの Emergency Mic-E ステー
     タスの書き込み (トラッカーには何も送信しない)、または番号が複数の
     イメージに当たる history show N
  diff は diff(1) に従います: 0 設定が同じ、1 異なる、
  2 問題あり (一方を読み込めなかった、または使い方の誤り)
  check: 0 警告もエラーもない、1 少なくとも1つある、2 問題あり (--ignore
  に不明なルール、読み込めなかったソース)
  write --dry-run: 0 変更なし、1 変更あり、2 問題あり
  設定できるフィールドを指定していない、または型の誤った値を与えた --set
  は 2 で終了し、何も書き込みません。

コールサインのプレフィックス: check はアマチュア無線のログソフトが使う一覧
cty.dat (/usr/share/hamradio-files/cty.dat、Windows ではプログラムと同じ
場所。QZ5_PREFIX_LIST で別のファイルを指定) からコールサインの国名を示し
ます。一覧がなければ、国に依存する指摘はありません。

シンボル: show、diff、check は APRS クライアントのデータにあるシンボル画像
の一覧 (xastir-data の /usr/share/xastir/symbols/symbols.dat、Windows では
プログラムと同じ場所。QZ5_SYMBOLS で別のファイルを指定) からシンボルの名前
を示します。一覧がなければ名前は null になり、標準エラー出力に一度だけ
その旨を出します。

JSON 形式 (show と read --json が出力し、build と write が受け付けます):
  {
    &quot;activeProfile&quot;: 0,            0 または 1
    &quot;calibration&quot;: 128,
    &quot;calibrationChanged&quot;: false,
    &quot;profiles&quot;: [ {プライマリ}, {セカンダリ} ]
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
        <translation>  整数は JSON の整数 (32ビット符号付き)、フラグは true または false です。
  テキストは文字列で、U+0000..U+00FF の各文字が1バイトを表します:
  callsign は 19 文字まで、digiPath は 99 文字まで、statusText は 199 文字まで。
  symbolCode と symbolTable は1文字の文字列です (ゼロバイトは &quot;&quot;)。
  symbolTable の後に出力される symbolName は、シンボル一覧でのシンボルの
  名前、または null です。人が読むためのもので、build と write は無視します。
  frequencyMHz は MHz 単位の数値 (0 から前後 10000000 まで) で、同じ
  32ビット浮動小数点数に戻る最短の10進数で出力されます
  (144.39)。
  build と write ではすべてのフィールドが省略可能です。ないフィールドは
  既定値のままで、&quot;profiles&quot; は2つより少ないオブジェクトでもよく、それぞれ
  一部だけでも構いません。不明なフィールド、誤った型、32ビットの範囲外の
  整数、フィールドに対して長すぎるテキスト、または2文字以上のシンボルは、
  そのフィールドを挙げるエラーになります。1つのオブジェクトで2回指定した
  キーは、そのキーとオブジェクトを挙げるエラーになります。出力する JSON
  では制御文字 U+0080..U+009F を \u0080..\u009f のエスケープで書きます。
</translation>
    </message>
    <message>
        <source>--ignore %1: no such rule; &apos;qz5cfg check --help&apos; lists them</source>
        <translation>--ignore %1: そのようなルールはありません。&apos;qz5cfg check --help&apos; に一覧があります</translation>
    </message>
    <message>
        <source>Check a configuration file, JSON record or tracker:PORT against APRS practice and what the tracker keeps. Exit status: 0 nothing above a note, 1 a warning or an error, 2 trouble.</source>
        <translation>設定ファイル、JSON レコードまたは tracker:PORT を、APRS の慣行とトラッカーが保持できる内容に照らしてチェックします。終了ステータス: 0 注意以下のみ、1 警告またはエラーあり、2 問題あり。</translation>
    </message>
    <message>
        <source>file, JSON record or tracker:PORT</source>
        <translation>ファイル、JSON レコードまたは tracker:PORT</translation>
    </message>
    <message>
        <source>print the findings as a JSON array</source>
        <translation>指摘を JSON 配列で出力</translation>
    </message>
    <message>
        <source>leave out the findings of this rule (repeatable)</source>
        <translation>このルールの指摘を除外 (繰り返し可)</translation>
    </message>
    <message>
        <source>Run &apos;qz5cfg --help&apos; for ports, messages, exit statuses and the JSON form.</source>
        <translation>ポート、メッセージ、終了ステータス、JSON 形式については &apos;qz5cfg --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>set a field by its JSON name, e.g. profiles[0].callsign=MYCALL-7 (repeatable)</source>
        <translation>フィールドを JSON 名で設定 (例: profiles[0].callsign=MYCALL-7) (繰り返し可)</translation>
    </message>
    <message>
        <source>set profile N&apos;s (1 Primary, 2 Secondary) SmartBeaconing to a preset and turn it on, before any --set: %1 (repeatable)</source>
        <translation>プロファイル N (1 プライマリ、2 セカンダリ) の SmartBeaconing をプリセットに設定してオンにする。--set より前に適用: %1 (繰り返し可)</translation>
    </message>
    <message>
        <source>nothing written: --strict and the check found an error</source>
        <translation>何も書き込んでいません: --strict が指定され、チェックでエラーが見つかりました</translation>
    </message>
    <message>
        <source>nothing written: the tracker&apos;s current configuration could not be read into the history first; give --no-backup to write without that copy</source>
        <translation>何も書き込んでいません: トラッカーの現在の設定を先に履歴へ読み込めませんでした。そのコピーなしで書き込むには --no-backup を指定してください</translation>
    </message>
    <message>
        <source>nothing written: the tracker&apos;s current configuration could not be kept in the history (%1); give --no-backup to write without that copy</source>
        <translation>何も書き込んでいません: トラッカーの現在の設定を履歴に保存できませんでした (%1)。そのコピーなしで書き込むには --no-backup を指定してください</translation>
    </message>
    <message>
        <source>nothing written; give --emergency-ok to write an Emergency status</source>
        <translation>何も書き込んでいません。Emergency ステータスを書き込むには --emergency-ok を指定してください</translation>
    </message>
    <message>
        <source>the tracker&apos;s current configuration could not be kept in the history (%1); a write would be refused</source>
        <translation>トラッカーの現在の設定を履歴に保存できませんでした (%1)。書き込みは拒否されます</translation>
    </message>
    <message>
        <source>COM1..COM255, a device path, or auto to look for the tracker on every free port</source>
        <translation>COM1..COM255、デバイスのパス、または空いているすべてのポートでトラッカーを探す auto</translation>
    </message>
    <message>
        <source>no progress line on a terminal (there is none in a pipe)</source>
        <translation>端末に進行状況の行を表示しない (パイプでは表示されません)</translation>
    </message>
    <message>
        <source>Print the tracker&apos;s version reply.</source>
        <translation>トラッカーのバージョン応答を出力します。</translation>
    </message>
    <message>
        <source>Read the tracker&apos;s configuration and save it to OUT (or print it with --json).</source>
        <translation>トラッカーの設定を読み込んで OUT に保存します (--json では出力します)。</translation>
    </message>
    <message>
        <source>read: give OUT or --json</source>
        <translation>read: OUT または --json を指定してください</translation>
    </message>
    <message>
        <source>configuration file to write</source>
        <translation>書き込む設定ファイル</translation>
    </message>
    <message>
        <source>print the record as JSON instead of saving it</source>
        <translation>保存する代わりにレコードを JSON で出力</translation>
    </message>
    <message>
        <source>Write a configuration file, or a JSON record (IN ending in .json), into the tracker and verify it by reading it back.</source>
        <translation>設定ファイルまたは JSON レコード (.json で終わる IN) をトラッカーに書き込み、読み戻して検証します。</translation>
    </message>
    <message>
        <source>write: --dry-run compares with the backup read, which --no-backup leaves out</source>
        <translation>write: --dry-run はバックアップの読み込みと比較しますが、--no-backup はその読み込みを省きます</translation>
    </message>
    <message>
        <source>write: --dry-run sends nothing and prints every finding; --strict is for the write itself</source>
        <translation>write: --dry-run は何も送信せず、すべての指摘を出力します。--strict は実際の書き込み用です</translation>
    </message>
    <message>
        <source>configuration file or JSON record</source>
        <translation>設定ファイルまたは JSON レコード</translation>
    </message>
    <message>
        <source>allow a profile whose Mic-E status is 7 (Emergency!)</source>
        <translation>Mic-E ステータスが 7 (Emergency!) のプロファイルを許可</translation>
    </message>
    <message>
        <source>do not read the tracker&apos;s current image into the history first</source>
        <translation>先にトラッカーの現在のイメージを履歴に読み込まない</translation>
    </message>
    <message>
        <source>read the tracker&apos;s image into the history, print what the write would change and the check&apos;s findings, and send nothing (exit status as diff)</source>
        <translation>トラッカーのイメージを履歴に読み込み、書き込みで変わる内容とチェックの指摘を出力し、何も送信しない (終了ステータスは diff と同じ)</translation>
    </message>
    <message>
        <source>check the record first and send nothing when a finding is an error</source>
        <translation>先にレコードをチェックし、指摘がエラーのときは何も送信しない</translation>
    </message>
    <message>
        <source>--port %1: expected COM1..COM255, auto, or a device path starting with &apos;/&apos;</source>
        <translation>--port %1: COM1..COM255、auto、または &apos;/&apos; で始まるデバイスのパスを指定してください</translation>
    </message>
    <message>
        <source>same settings; the images differ in %1 byte(s) (rounded delays or the layout of the image)</source>
        <translation>設定は同じです。イメージは %1 バイト異なります (丸められた遅延またはイメージの配置による)</translation>
    </message>
    <message>
        <source>Compare the settings of two configuration files, JSON records or tracker:PORT. Exit status as diff(1): 0 equal, 1 different, 2 trouble.</source>
        <translation>2つの設定ファイル、JSON レコードまたは tracker:PORT の設定を比較します。終了ステータスは diff(1) と同じ: 0 同じ、1 異なる、2 問題あり。</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>出力を書き込めません</translation>
    </message>
    <message>
        <source>%1: expected FIELD=VALUE</source>
        <translation>%1: FIELD=VALUE の形で指定してください</translation>
    </message>
    <message>
        <source>%1: cannot be set</source>
        <translation>%1: 設定できません</translation>
    </message>
    <message>
        <source>%1: unknown field (profile fields are named profiles[0].NAME or profiles[1].NAME)</source>
        <translation>%1: 不明なフィールドです (プロファイルのフィールドは profiles[0].NAME または profiles[1].NAME です)</translation>
    </message>
    <message>
        <source>%1: expected N=NAME</source>
        <translation>%1: N=NAME の形で指定してください</translation>
    </message>
    <message>
        <source>%1: the profile is 1 (Primary) or 2 (Secondary)</source>
        <translation>%1: プロファイルは 1 (プライマリ) または 2 (セカンダリ) です</translation>
    </message>
    <message>
        <source>%1: the presets are %2</source>
        <translation>%1: プリセットは %2 です</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an option and what is wrong with its value</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>nothing saved: --strict and the check found an error</source>
        <translation>何も保存していません: --strict が指定され、チェックでエラーが見つかりました</translation>
    </message>
    <message>
        <source>Print a configuration file (.zb3) or a JSON record as JSON.</source>
        <translation>設定ファイル (.zb3) または JSON レコードを JSON で出力します。</translation>
    </message>
    <message>
        <source>Apply a JSON record to the defaults and save it as a configuration file.</source>
        <translation>JSON レコードを既定値に適用し、設定ファイルとして保存します。</translation>
    </message>
    <message>
        <source>JSON record</source>
        <translation>JSON レコード</translation>
    </message>
    <message>
        <source>check the record first and save nothing when a finding is an error</source>
        <translation>先にレコードをチェックし、指摘がエラーのときは何も保存しない</translation>
    </message>
    <message>
        <source>Looking for the tracker: every serial port that no other program holds gets the version request (ESC ESC V) at 4800, then 9600 bit/s, with DTR and RTS raised.</source>
        <translation>トラッカーを探しています: 他のプログラムが使用していない各シリアルポートに、DTR と RTS を上げた状態で、4800、次に 9600 bit/s でバージョン要求 (ESC ESC V) を送ります。</translation>
    </message>
    <message>
        <source>Asking %1 at %2 bit/s (port %3 of %4)</source>
        <translation>%1 に %2 bit/s で問い合わせ中 (ポート %3 / %4)</translation>
    </message>
    <message>
        <source>No serial ports found.</source>
        <translation>シリアルポートが見つかりません。</translation>
    </message>
    <message>
        <source>--port auto: no tracker answered on any free port (qz5cfg ports lists them and why some cannot be opened)</source>
        <translation>--port auto: 空いているどのポートでもトラッカーが応答しませんでした (qz5cfg ports でポートの一覧と、開けないものの理由を表示します)</translation>
    </message>
    <message>
        <source>--port auto: a tracker answered on each of %1; name one with --port</source>
        <translation>--port auto: %1 のそれぞれでトラッカーが応答しました。--port で1つを指定してください</translation>
    </message>
    <message>
        <source>Found the tracker on %1.</source>
        <translation>%1 でトラッカーが見つかりました。</translation>
    </message>
    <message>
        <source>Each profile object holds every per-profile field under its own name, in this order: %1.</source>
        <translation>各プロファイルのオブジェクトは、プロファイルごとのすべてのフィールドをそれぞれの名前で次の順に持ちます: %1。</translation>
    </message>
    <message>
        <source>Rules: %1.</source>
        <translation>ルール: %1。</translation>
    </message>
    <message>
        <source>SmartBeaconing presets (speeds in %1, as the record&apos;s defaults):</source>
        <translation>SmartBeaconing のプリセット (速度の単位は %1、レコードの既定値と同じ):</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a preset&apos;s values as a sentence</comment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>List the images kept from every read and write, the one stored last first.</source>
        <translation>すべての読み込みと書き込みで保存されたイメージを、最後に保存したものから一覧表示します。</translation>
    </message>
    <message>
        <source>print a JSON array: sequence, time, kind, port, version, callsigns, file</source>
        <translation>JSON 配列を出力: sequence、time、kind、port、version、callsigns、file</translation>
    </message>
    <message>
        <source>Print the record of the kept image numbered N (its name&apos;s first part) as JSON.</source>
        <translation>番号 N (名前の先頭部分) の保存済みイメージのレコードを JSON で出力します。</translation>
    </message>
    <message>
        <source>the image&apos;s sequence number</source>
        <translation>イメージの通し番号</translation>
    </message>
    <message>
        <source>qz5cfg: show and build tracker configuration files, and read, write or ask the version of a tracker on a serial port.</source>
        <translation>qz5cfg: トラッカーの設定ファイルを表示・作成し、シリアルポート上のトラッカーの設定の読み込み、書き込み、バージョンの問い合わせを行います。</translation>
    </message>
    <message>
        <source>Print the version and exit</source>
        <translation>バージョンを表示して終了</translation>
    </message>
    <message>
        <source>write every byte on the serial line, with times, to this file</source>
        <translation>シリアル回線上のすべてのバイトを時刻付きでこのファイルに書き込む</translation>
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
        <translation>  ports                  存在するすべてのシリアルデバイスを、開けるかどうかに
  ports --json           かかわらず一覧表示します: COM 名、パス、説明 (ベンダー、
                         モデル、USB ID、シリアル番号、ドライバー、
                         /dev/serial/by-id の名前)、開けない場合はその理由と
                         対処法。続いて、挿してあるがポートのない USB シリアル
                         アダプター。一覧表示できれば、空でも終了ステータス 0。
  ports --find           他のプログラムが使用していない各ポートに、4800、次に
                         9600 bit/s でトラッカーのバージョンを問い合わせます。
                         このとき各ポートにバージョン要求を送り、DTR と RTS を
                         上げます。ポートごとに1行。トラッカーが応答すれば
                         終了ステータス 0、どれも応答しなければ 1。他の
                         プロセスが開いているポートは飛ばします。他のユーザー
                         のプロセスは root にしか見えないため、他のユーザーの
                         プログラムがロックなしで使用しているポートには
                         問い合わせます。

ポート (--port P):
  COM1..COM255 は /dev で見つかったシリアルデバイスを ttyUSB*、ttyACM*、
  ttyS*、ttyAMA*、rfcomm* の順に表します。&apos;/&apos; で始まるパス (例:
  /dev/ttyUSB0 や /dev/pts/4) はそのまま使います。auto は ports --find と同じ
  ようにトラッカーを探し、応答した1つのポートを使います (応答がない、または
  複数応答した場合は終了ステータス 1)。com5 と \\.\COM5 は COM5 です。トラッカー
  は 4800 bit/s、次に 9600 で探します。ポートを開けない場合は、
  「COMポートを取得できませんでした」の次の行に理由 (権限と参加すべき
  グループ、使用中のプログラム、...) が示されます。
</translation>
    </message>
    <message>
        <source>List the serial devices, what they are and whether they open.</source>
        <translation>シリアルデバイスとその種類、開けるかどうかを一覧表示します。</translation>
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
        <translation>  ports                  Windows が認識している COM ポートを、開けるかどうかに
  ports --json           かかわらず一覧表示します: 名前、デバイス、説明 (アダ
                         プターの名前、USB ID、シリアル番号、ドライバー)、開け
                         ない場合はその理由と対処法。続いて、挿してあるが動作
                         するポートのないアダプター。一覧表示できれば、空でも
                         終了ステータス 0。
  ports --find           他のプログラムが使用していない各ポートに、4800、次に
                         9600 bit/s でトラッカーのバージョンを問い合わせます。
                         このとき各ポートにバージョン要求を送り、DTR と RTS を
                         上げます。ポートごとに1行。トラッカーが応答すれば
                         終了ステータス 0、どれも応答しなければ 1。

ポート (--port P):
  COM1..COM255 はデバイスマネージャーに表示されるシステム自身の COM ポートで、
  大文字小文字を問わず (com5)、\\.\COM5 の形でも指定できます。他のプログラムが
  使用しているポートは開けません。auto は ports --find と同じようにトラッカー
  を探し、応答した1つのポートを使います (応答がない、または複数応答した場合は
  終了ステータス 1)。トラッカーは 4800 bit/s、次に 9600 で探します。ポートを
  開けない場合は、「COMポートを取得できませんでした」の次の行に
  理由が示されます。
</translation>
    </message>
    <message>
        <source>List the COM ports that Windows knows, what they are and whether they open.</source>
        <translation>Windows が認識している COM ポートとその種類、開けるかどうかを一覧表示します。</translation>
    </message>
    <message>
        <source>print the list as JSON</source>
        <translation>一覧を JSON で出力</translation>
    </message>
    <message>
        <source>ask every free port for the tracker&apos;s version (sends the version request and raises DTR and RTS on each) and say which answered</source>
        <translation>空いている各ポートにトラッカーのバージョンを問い合わせ (各ポートにバージョン要求を送り、DTR と RTS を上げます)、応答したポートを示す</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>the heading of the help&apos;s options</comment>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>このヘルプを表示して終了</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <comment>the heading of the help&apos;s commands</comment>
        <translation>サブコマンド</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>使い方</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>位置引数</translation>
    </message>
    <message>
        <source>hint: %1</source>
        <comment>what to try next, after a message</comment>
        <translation>ヒント: %1</translation>
    </message>
    <message>
        <source>Print when the tracker sends its beacons: the interval, or with SmartBeaconing the interval and turn threshold at a row of speeds, and the beacons per hour.</source>
        <translation>トラッカーがビーコンを送信するタイミングを出力します: 間隔、または SmartBeaconing では速度ごとの間隔とターンのしきい値、および1時間あたりのビーコン数。</translation>
    </message>
    <message>
        <source>timing: give FILE or --preset</source>
        <translation>timing: FILE または --preset を指定してください</translation>
    </message>
    <message>
        <source>configuration file or JSON record; the defaults without it</source>
        <translation>設定ファイルまたは JSON レコード。省略時は既定値</translation>
    </message>
    <message>
        <source>0 (Primary) or 1 (Secondary); both without it</source>
        <translation>0 (プライマリ) または 1 (セカンダリ)。省略時は両方</translation>
    </message>
    <message>
        <source>print the timing as a JSON array, one object a profile</source>
        <translation>タイミングを JSON 配列で出力 (プロファイルごとに1オブジェクト)</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>&amp;Load Tracker&apos;s Settings</source>
        <translation>トラッカーの設定を読み込む(&amp;L)</translation>
    </message>
    <message>
        <source>Compare with Tracker</source>
        <translation>トラッカーと比較</translation>
    </message>
    <message>
        <source>Differences from the form</source>
        <translation>フォームとの相違点</translation>
    </message>
    <message>
        <source>The tracker holds the same settings as the form.</source>
        <translation>トラッカーはフォームと同じ設定を保持しています。</translation>
    </message>
    <message>
        <source>&amp;The tracker and the form are the same:</source>
        <translation>トラッカーとフォームは同じです(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;The tracker differs from the form (form -&gt; tracker):</source>
        <translation>トラッカーとフォームの相違点 (フォーム -&gt; トラッカー)(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Primary, %1: %2 -&gt; %3</source>
        <translation>プライマリ、%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Secondary, %1: %2 -&gt; %3</source>
        <translation>セカンダリ、%1: %2 -&gt; %3</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct path was given.</source>
        <translation>%1
フォルダーが見つかりません。
正しいパスを指定したか確認してください。</translation>
    </message>
    <message>
        <source>a link on the way is another user&apos;s, in a folder every user may write to</source>
        <translation>途中のリンクが、全ユーザーが書き込めるフォルダー内にある他のユーザーのものです</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>設定ファイルを開く</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>設定ファイルを保存</translation>
    </message>
    <message>
        <source>Zelbin3 Config files *.zb3</source>
        <translation>Zelbin3 設定ファイル *.zb3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 はフォルダーではありません</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 は他のユーザーのものです</translation>
    </message>
    <message>
        <source>%1 may be written by other users</source>
        <translation>%1 は他のユーザーが書き込める状態です</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a folder, a FIFO or a device); give a file.</source>
        <translation>%1 は通常のファイルではありません (フォルダー、FIFO またはデバイス)。ファイルを指定してください。</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB</source>
        <translation>%1 は %2 MiB を超えています</translation>
    </message>
    <message>
        <source>%1 is another user&apos;s; using %2 instead</source>
        <translation>%1 は他のユーザーのものです。代わりに %2 を使います</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>読み込みに失敗しました</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>ファイルを開けませんでした</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>データを書き込めませんでした</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>データを読み込めませんでした</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>ファイル形式が無効です</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポートに失敗しました</translation>
    </message>
    <message>
        <source>%1: larger than 1 MiB, not a record</source>
        <translation>%1: 1 MiB を超えているため、レコードではありません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong in it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>nothing could be written</source>
        <translation>何も書き込めませんでした</translation>
    </message>
    <message>
        <source>it is not a regular file (a terminal, a pipe or a device)</source>
        <translation>通常のファイルではありません (端末、パイプまたはデバイス)</translation>
    </message>
    <message>
        <source>it is not a regular file (a console, a pipe or a device)</source>
        <translation>通常のファイルではありません (コンソール、パイプまたはデバイス)</translation>
    </message>
    <message>
        <source>cannot write the trace file %1: %2</source>
        <translation>トレースファイル %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot write the trace: the stream failed</source>
        <translation>トレースを書き込めません: ストリームが失敗しました</translation>
    </message>
</context>
<context>
    <name>FindTracker</name>
    <message>
        <source>Find Tracker</source>
        <translation>トラッカーを検索</translation>
    </message>
    <message>
        <source>Asking %1 for the tracker&apos;s version at %2 bit/s (port %3 of %4)</source>
        <translation>%1 にトラッカーのバージョンを %2 bit/s で問い合わせ中 (ポート %3 / %4)</translation>
    </message>
    <message>
        <source>%1Cancelled before the other ports were asked.
</source>
        <translation>%1ほかのポートに問い合わせる前にキャンセルしました。
</translation>
    </message>
    <message>
        <source>Find Tracker sends the tracker&apos;s version request to every serial port that no other program holds, at 4800 and then at 9600 bit/s, and raises each port&apos;s DTR and RTS lines. Another device on one of those ports may react to that.

Look for the tracker now?</source>
        <translation>「トラッカーを検索」は、他のプログラムが使用していない各シリアルポートに、4800、次に 9600 bit/s でトラッカーのバージョン要求を送り、各ポートの DTR と RTS 信号線を上げます。これらのポートにつながっている別の機器が反応することがあります。

今すぐトラッカーを探しますか?</translation>
    </message>
    <message>
        <source>The tracker answered on %1
%2 is now the selected port.</source>
        <translation>%1 でトラッカーが応答しました
%2 を選択中のポートにしました。</translation>
    </message>
    <message>
        <source>Cancelled: no tracker answered on the ports asked.</source>
        <translation>キャンセルしました: 問い合わせたポートではトラッカーが応答しませんでした。</translation>
    </message>
    <message>
        <source>No tracker answered on any free port.</source>
        <translation>空いているどのポートでもトラッカーが応答しませんでした。</translation>
    </message>
    <message>
        <source>A tracker answered on more than one port; choose the one to use in the COM port list.</source>
        <translation>複数のポートでトラッカーが応答しました。COMポートの一覧から使用するものを選んでください。</translation>
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
        <translation>エラー</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1、%2: %3</translation>
    </message>
    <message>
        <source>%1, Primary profile, %2: %3</source>
        <translation>%1、プライマリプロファイル、%2: %3</translation>
    </message>
    <message>
        <source>%1, Secondary profile, %2: %3</source>
        <translation>%1、セカンダリプロファイル、%2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No findings: APRS practice is kept</source>
        <translation>指摘なし: APRS の慣行に沿っています</translation>
    </message>
    <message>
        <source> (1 finding)</source>
        <translation> (指摘 1 件)</translation>
    </message>
    <message numerus="yes">
        <source> (%n findings)</source>
        <translation>
            <numerusform> (指摘 %n 件)</numerusform>
        </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>指摘</translation>
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
        <translation>ポートの一覧には、起動時に /dev で見つかったシリアルデバイスが ttyUSB*、
ttyACM*、ttyS*、ttyAMA*、rfcomm* の順に COM1、COM2、... として表示されます。
名前にマウスポインターを合わせるとデバイスが表示されます。シリアルデバイスは
通常 dialout グループに属します。ウィンドウメニュー (右クリック、Shift+F10)
の「トラッカーを検索」で空いている各ポートに問い合わせます。
</translation>
    </message>
    <message>
        <source>The port list offers those of COM1 to COM255 that Windows knows and that can
be opened now, under the names Device Manager shows (Ports (COM &amp; LPT)); hover
over a name to see the adapter. A port that another program has open is not
listed. The list follows adapters plugged in and removed while it is open.
Find Tracker on the window menu (right click, Shift+F10) asks each free port.
</source>
        <translation>ポートの一覧には、COM1～COM255 のうち Windows が認識していて今開けるものが、
デバイスマネージャーに表示される名前 (ポート (COM と LPT)) で表示されます。
名前にマウスポインターを合わせるとアダプターが表示されます。他のプログラムが
開いているポートは表示されません。一覧を開いている間に挿したり抜いたりした
アダプターも一覧に反映されます。ウィンドウメニュー (右クリック、Shift+F10)
の「トラッカーを検索」で空いている各ポートに問い合わせます。
</translation>
    </message>
    <message>
        <source>The window draws its captions in DejaVuSans.ttf from the program&apos;s folder;
when that file is missing or broken it says so once and uses another face,
in which some captions may be cut off.
</source>
        <translation>ウィンドウは見出しをプログラムのフォルダーにある DejaVuSans.ttf で描画します。
このファイルがないか壊れている場合は、一度だけその旨を伝えて別の書体を使います。
その書体では一部の見出しが欠けることがあります。
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
        <translation>使い方: qz5-config [OPTION]... [FILE]
Orvane QZ5 APRS トラッカーをシリアルポート経由で設定します: バージョンと設定の
読み込み、プライマリとセカンダリのビーコンプロファイルの編集、書き込みと検証、
トラッカーからの試験トーンの送信を行います。FILE として指定した設定ファイル
(.zb3) は、ウィンドウが表示されたら「開く」と同じように読み込まれます。

オプション:
      --demo              シリアルデバイスの代わりに COM1 を模擬トラッカーに
                          つなぎ、ハードウェアなしでプログラムを試します
      --all-settings      前回選んだ表示の代わりに、両プロファイルのすべての
                          設定がある「すべての設定」表示で開きます
      --quit-after-start  ウィンドウが表示されたらすぐに閉じます。表示できな
                          かった場合の終了ステータスは 1 です
                          (インストールの確認用)
      --trace FILE        シリアル回線で送受信したすべてのバイトを時刻付きで、
                          また各オープン、クローズ、速度変更を FILE に
                          書き込みます
  -h, --help              このヘルプを表示して終了します
      --version           バージョンを表示して終了します

-platform NAME など Qt 自身のオプションも受け付けます。

%1%2
終了ステータス:
  0  ウィンドウが閉じられた、またはヘルプかバージョンを表示した
  1  デモの模擬トラッカーを起動できなかった、トレースファイルを書き込め
     なかった、ヘルプまたはバージョンを書き出せなかった、または
     --quit-after-start でウィンドウを表示できなかった
  2  使い方の誤り
</translation>
    </message>
    <message>
        <source>qz5-config: %1
Try &apos;qz5-config --help&apos; for more information.
</source>
        <translation>qz5-config: %1
詳しくは &apos;qz5-config --help&apos; を実行してください。
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>予期しない引数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--trace&apos; needs a file name</source>
        <translation>オプション &apos;--trace&apos; にはファイル名が必要です</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Read</source>
        <comment>a kept image the tracker sent</comment>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Kept before a write</source>
        <translation>書き込み前に保存</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>&amp;Load into Form</source>
        <translation>フォームに読み込む(&amp;L)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Kept images</source>
        <translation>保存済みイメージ</translation>
    </message>
    <message>
        <source>Differences from the form</source>
        <translation>フォームとの相違点</translation>
    </message>
    <message>
        <source>&amp;Kept images, the newest first:</source>
        <translation>保存済みイメージ (新しい順)(&amp;K):</translation>
    </message>
    <message>
        <source>&amp;Differences from the form (form -&gt; image):</source>
        <translation>フォームとの相違点 (フォーム -&gt; イメージ)(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>No. %1   </source>
        <translation>番号 %1   </translation>
    </message>
    <message>
        <source>does not read as a configuration file</source>
        <translation>設定ファイルとして読み込めません</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>履歴を読み込めません: %1</translation>
    </message>
    <message>
        <source>No images have been kept yet. Every Read and Write adds one (%1).</source>
        <translation>保存済みのイメージはまだありません。「設定の読み込み」と「設定の書き込み」のたびに1つ追加されます (%1)。</translation>
    </message>
    <message>
        <source>This file does not read as a configuration file: %1</source>
        <translation>このファイルは設定ファイルとして読み込めません: %1</translation>
    </message>
    <message>
        <source>The same settings as the form.</source>
        <translation>フォームと同じ設定です。</translation>
    </message>
    <message>
        <source>read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>the clock (%1) is behind the newest image in the history (%2); images are still kept in the order they were stored</source>
        <translation>時計 (%1) が履歴の最新のイメージ (%2) より遅れています。イメージは引き続き保存した順に保持されます</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>warning: the image was not kept in the history</source>
        <translation>警告: イメージを履歴に保存できませんでした</translation>
    </message>
    <message>
        <source>no folder to keep it in (HOME and XDG_STATE_HOME are unset)</source>
        <translation>保存先のフォルダーがありません (HOME と XDG_STATE_HOME が設定されていません)</translation>
    </message>
    <message>
        <source>%1 has the last number there is; move the images elsewhere to number anew from 1</source>
        <translation>%1 は最後の番号に達しました。イメージを別の場所に移すと 1 から番号を振り直します</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>%1 をロックできません: %2</translation>
    </message>
    <message>
        <source>cannot read the history: %1</source>
        <translation>履歴を読み込めません: %1</translation>
    </message>
    <message>
        <source>history show: N is the number that begins an image&apos;s name, not &quot;%1&quot;</source>
        <translation>history show: N はイメージの名前の先頭の番号で、&quot;%1&quot; ではありません</translation>
    </message>
    <message>
        <source>history show: no image numbered %1 in %2</source>
        <translation>history show: %2 に番号 %1 のイメージはありません</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>a list of files</comment>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>history show: more than one image is numbered %1: %2; show the one meant by its file</source>
        <translation>history show: 番号 %1 のイメージが複数あります: %2。目的のものをファイルで指定してください</translation>
    </message>
</context>
<context>
    <name>Image</name>
    <message>
        <source>Bad EE Size</source>
        <translation>EEサイズが不正です</translation>
    </message>
    <message>
        <source>The Primary or Secondary digipeater path is too long and has been truncated.</source>
        <translation>プライマリまたはセカンダリのデジピーターパスが長すぎるため、切り詰めました。</translation>
    </message>
    <message>
        <source>Digipeater Path Truncated</source>
        <translation>デジピーターパスを切り詰めました</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <translation>プライマリまたはセカンダリのステータスビーコンのテキストが長すぎるため、切り詰めました。ステータスビーコンのテキストを長くするには、デジピーターを減らし、プライマリとセカンダリのコールサイン、デジピーター、ステータステキストを同じにしてください。</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>ステータスビーコンのテキストを切り詰めました</translation>
    </message>
    <message>
        <source>Bad EE Size %1
</source>
        <translation>EEサイズが不正です %1
</translation>
    </message>
</context>
<context>
    <name>Json</name>
    <message>
        <source>%1: integer outside -2147483648..2147483647</source>
        <translation>%1: -2147483648..2147483647 の範囲外の整数です</translation>
    </message>
    <message>
        <source>%1: expected an integer</source>
        <translation>%1: 整数を指定してください</translation>
    </message>
    <message>
        <source>%1: expected true or false</source>
        <translation>%1: true または false を指定してください</translation>
    </message>
    <message>
        <source>%1: expected a string</source>
        <translation>%1: 文字列を指定してください</translation>
    </message>
    <message>
        <source>%1: character outside U+0000..U+00FF</source>
        <translation>%1: U+0000..U+00FF の範囲外の文字があります</translation>
    </message>
    <message>
        <source>%1: a text cannot contain U+0000</source>
        <translation>%1: テキストに U+0000 は使えません</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters</source>
        <translation>%1: %2 文字を超えています</translation>
    </message>
    <message>
        <source>%1: more than one character</source>
        <translation>%1: 2文字以上あります</translation>
    </message>
    <message>
        <source>%1: expected a number</source>
        <translation>%1: 数値を指定してください</translation>
    </message>
    <message>
        <source>%1: outside -10000000..10000000</source>
        <translation>%1: -10000000..10000000 の範囲外です</translation>
    </message>
    <message>
        <source>%1: expected an object</source>
        <translation>%1: オブジェクトを指定してください</translation>
    </message>
    <message>
        <source>%1: unknown field</source>
        <translation>%1: 不明なフィールドです</translation>
    </message>
    <message>
        <source>%1: expected an array of at most two objects</source>
        <translation>%1: 2つ以下のオブジェクトの配列を指定してください</translation>
    </message>
    <message>
        <source>expected a JSON object</source>
        <translation>JSON オブジェクトを指定してください</translation>
    </message>
    <message>
        <source>%1: must be 0 or 1</source>
        <translation>%1: 0 または 1 でなければなりません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; named twice in %2</source>
        <translation>&quot;%1&quot; が %2 で2回指定されています</translation>
    </message>
    <message>
        <source>the record</source>
        <translation>レコード</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState に失敗しました</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState に失敗しました</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts に失敗しました</translation>
    </message>
    <message>
        <source>Looking for the tracker at %1 bit/s</source>
        <translation>%1 bit/s でトラッカーを探しています</translation>
    </message>
    <message>
        <source>Writing the configuration: %1 of %2 bytes</source>
        <translation>設定を書き込み中: %1 / %2 バイト</translation>
    </message>
    <message>
        <source>Reading it back</source>
        <translation>読み戻し中</translation>
    </message>
    <message>
        <source>Keeping the tracker&apos;s settings: reading them</source>
        <translation>トラッカーの設定を保存中: 読み込み中</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>設定を読み込み中</translation>
    </message>
    <message>
        <source>Keeping the tracker&apos;s settings: reading them again to compare</source>
        <translation>トラッカーの設定を保存中: 比較のため再読み込み中</translation>
    </message>
    <message>
        <source>Reading it again to compare</source>
        <translation>比較のため再読み込み中</translation>
    </message>
    <message>
        <source>Starting the test tone</source>
        <translation>試験トーンを開始中</translation>
    </message>
    <message>
        <source>Stopping the test tone</source>
        <translation>試験トーンを停止中</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>COMポートが無効です</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>COMポートへの書き込みに失敗しました</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>COMポートへの書き込みが一致しません</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>COMポートからの読み込みに失敗しました</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>COMポートを閉じられませんでした</translation>
    </message>
    <message>
        <source>Zelbin3 Not Found</source>
        <translation>Zelbin3 が見つかりません</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>書き込みに失敗しました (コード %1 %2)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>書き込みに失敗しました</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>Ports</name>
    <message>
        <source>No COM Ports Found</source>
        <translation>COMポートが見つかりません</translation>
    </message>
    <message>
        <source>%1 (%2, %3):
%4</source>
        <translation>%1 (%2、%3):
%4</translation>
    </message>
    <message>
        <source>No COM port can be used.</source>
        <translation>使用できるCOMポートがありません。</translation>
    </message>
    <message>
        <source>%1

%2</source>
        <translation>%1

%2</translation>
    </message>
    <message>
        <source>COM Ports</source>
        <translation>COMポート</translation>
    </message>
    <message>
        <source>Ignored the lock file %1: %2.</source>
        <translation>ロックファイル %1 を無視しました: %2。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>one sentence after another</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Access is denied: another program has %1 open (a terminal, GPS or map program, or a second copy of this one). Close it, then try again.</source>
        <translation>アクセスが拒否されました: 別のプログラム (端末、GPS や地図のプログラム、またはこのプログラムの2つ目のコピー) が %1 を開いています。そのプログラムを閉じてから、もう一度試してください。</translation>
    </message>
    <message>
        <source>Windows has no port %1 now: the adapter is unplugged, or its driver is not installed (Device Manager, Ports (COM &amp; LPT)).</source>
        <translation>Windows に現在ポート %1 がありません: アダプターが抜かれているか、ドライバーがインストールされていません (デバイスマネージャー、ポート (COM と LPT))。</translation>
    </message>
    <message>
        <source>%1 is there but its adapter does not answer: unplug it and plug it in again.</source>
        <translation>%1 はありますが、アダプターが応答しません: 抜いて挿し直してください。</translation>
    </message>
    <message>
        <source>Windows says: %1 (error %2).</source>
        <translation>Windows のメッセージ: %1 (エラー %2)。</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>this program</source>
        <translation>このプログラム</translation>
    </message>
    <message>
        <source>a process</source>
        <translation>あるプロセス</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (pid %2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>one program after another</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>In use by %1. Its lock file is %2. Close that program or let it release the port, then try again.</source>
        <translation>%1 が使用中です。ロックファイルは %2 です。そのプログラムを閉じるかポートを解放させてから、もう一度試してください。</translation>
    </message>
    <message>
        <source>In use by %1. Close that program or let it release the port, then try again.</source>
        <translation>%1 が使用中です。そのプログラムを閉じるかポートを解放させてから、もう一度試してください。</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment.</source>
        <translation>使用中: デバイスは挿されたばかりで、通常モデムマネージャーがこうしたデバイスを数秒間調べます。少し待ってからもう一度試してください。</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment. To keep the modem manager away from it for good, give it the udev property ID_MM_DEVICE_IGNORE=1 in a udev rule.</source>
        <translation>使用中: デバイスは挿されたばかりで、通常モデムマネージャーがこうしたデバイスを数秒間調べます。少し待ってからもう一度試してください。モデムマネージャーが今後このデバイスに触れないようにするには、udev ルールで udev プロパティ ID_MM_DEVICE_IGNORE=1 を与えてください。</translation>
    </message>
    <message>
        <source>In use: the device was plugged in moments ago, and a modem manager usually probes such devices for a few seconds. Try again in a moment. To keep the modem manager away from it for good, give it the udev property ID_MM_DEVICE_IGNORE=1 in a udev rule, for example a file in /etc/udev/rules.d with the line
    ATTRS{idVendor}==&quot;%1&quot;, ATTRS{idProduct}==&quot;%2&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;
then plug the device in again.</source>
        <translation>使用中: デバイスは挿されたばかりで、通常モデムマネージャーがこうしたデバイスを数秒間調べます。少し待ってからもう一度試してください。モデムマネージャーが今後このデバイスに触れないようにするには、udev ルールで udev プロパティ ID_MM_DEVICE_IGNORE=1 を与えてください。たとえば /etc/udev/rules.d に次の行を書いたファイルを置きます
    ATTRS{idVendor}==&quot;%1&quot;, ATTRS{idProduct}==&quot;%2&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;
その後、デバイスを挿し直してください。</translation>
    </message>
    <message>
        <source>In use by a program this user cannot see: most likely a system service running as another user holds it. Stop that service, or ask the administrator which one it is.</source>
        <translation>このユーザーからは見えないプログラムが使用中です: おそらく別のユーザーとして動作しているシステムサービスが使用しています。そのサービスを停止するか、どのサービスか管理者に尋ねてください。</translation>
    </message>
    <message>
        <source>This program runs in a Flatpak sandbox, which reaches serial devices only with a permission granted outside it: flatpak override --user --device=all followed by the program&apos;s application ID.</source>
        <translation>このプログラムは Flatpak サンドボックス内で動作しており、外部で与えられた権限がなければシリアルデバイスにアクセスできません: flatpak override --user --device=all の後にプログラムのアプリケーション ID を続けて実行してください。</translation>
    </message>
    <message>
        <source>This program runs as a Snap, which reaches serial devices only through an interface connected outside it: sudo snap connect %1:raw-usb (USB adapters) or :serial-port.</source>
        <translation>このプログラムは Snap として動作しており、外部で接続されたインターフェースを通してしかシリアルデバイスにアクセスできません: sudo snap connect %1:raw-usb (USB アダプター) または :serial-port を実行してください。</translation>
    </message>
    <message>
        <source>Permission denied: only its owner &quot;%1&quot; may use %2. A udev rule that gives the device to a group of yours (GROUP=&quot;...&quot;, MODE=&quot;0660&quot;) would let you in.</source>
        <translation>アクセス許可がありません: %2 を使用できるのは所有者 &quot;%1&quot; だけです。デバイスを自分の属するグループに与える udev ルール (GROUP=&quot;...&quot;, MODE=&quot;0660&quot;) があれば使用できるようになります。</translation>
    </message>
    <message>
        <source>Permission denied, although you are in the group &quot;%1&quot; that may use %2: a security policy of the system refuses it.</source>
        <translation>アクセス許可がありません。%2 を使用できるグループ &quot;%1&quot; に属していますが、システムのセキュリティポリシーが拒否しています。</translation>
    </message>
    <message>
        <source>Permission denied: you were added to the group &quot;%1&quot; that may use %2, but this login session started before that. Log out and in again (or restart) to use the port.</source>
        <translation>アクセス許可がありません: %2 を使用できるグループ &quot;%1&quot; に追加されましたが、このログインセッションはそれより前に開始されています。ポートを使うには、ログアウトして再ログインしてください (または再起動してください)。</translation>
    </message>
    <message>
        <source>Permission denied: %1 belongs to the group &quot;%2&quot;, and you are not a member. Add yourself with
    sudo usermod -aG %2 &quot;$USER&quot;
then log out and in again.</source>
        <translation>アクセス許可がありません: %1 はグループ &quot;%2&quot; に属しており、あなたはそのメンバーではありません。次のコマンドで自分を追加し
    sudo usermod -aG %2 &quot;$USER&quot;
ログアウトして再ログインしてください。</translation>
    </message>
    <message>
        <source>%1 is not there (any more): the device was unplugged or renamed.</source>
        <translation>%1 が (もう) ありません: デバイスが抜かれたか、名前が変わりました。</translation>
    </message>
    <message>
        <source>No hardware answers behind %1.</source>
        <translation>%1 の先でハードウェアが応答しません。</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 を開けませんでした: %2。</translation>
    </message>
    <message>
        <source>No port was chosen.</source>
        <translation>ポートが選ばれていません。</translation>
    </message>
    <message>
        <source>No serial device was found.</source>
        <translation>シリアルデバイスが見つかりませんでした。</translation>
    </message>
    <message>
        <source>No serial device is known as %1.</source>
        <translation>%1 というシリアルデバイスはありません。</translation>
    </message>
    <message>
        <source>Could not aquire Com Port</source>
        <translation>COMポートを取得できませんでした</translation>
    </message>
    <message>
        <source>The device was busy for a moment and is free now: try again.</source>
        <translation>デバイスは一時的に使用中でしたが、今は空いています: もう一度試してください。</translation>
    </message>
    <message>
        <source>The port was busy for a moment and is free now: try again.</source>
        <translation>ポートは一時的に使用中でしたが、今は空いています: もう一度試してください。</translation>
    </message>
    <message>
        <source>%1 at %2 bit/s: %3</source>
        <translation>%1 (%2 bit/s): %3</translation>
    </message>
    <message>
        <source>%1: no answer</source>
        <translation>%1: 応答なし</translation>
    </message>
    <message>
        <source>%1: held by another program: passed over</source>
        <translation>%1: 別のプログラムが使用中のため飛ばしました</translation>
    </message>
    <message>
        <source>%1: not asked</source>
        <translation>%1: 問い合わせていません</translation>
    </message>
    <message>
        <source>%1: not asked, %2</source>
        <translation>%1: 問い合わせていません (%2)</translation>
    </message>
    <message>
        <source>it is not root&apos;s, and who runs process %1 cannot be seen</source>
        <translation>root のものではなく、プロセス %1 を誰が実行しているか分かりません</translation>
    </message>
    <message>
        <source>its owner (uid %1) does not run process %2</source>
        <translation>所有者 (uid %1) はプロセス %2 を実行していません</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>No serial devices found.</source>
        <translation>シリアルデバイスが見つかりません。</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>シリアル番号 %1</translation>
    </message>
    <message>
        <source>driver %1</source>
        <translation>ドライバー %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a device&apos;s serial number, then its driver</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>can be opened</source>
        <translation>開けます</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>開けません: %1</translation>
    </message>
    <message>
        <source>USB serial device</source>
        <translation>USB シリアルデバイス</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>内蔵シリアルポート</translation>
    </message>
    <message>
        <source>Bluetooth serial link</source>
        <translation>Bluetooth シリアル接続</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>シリアルデバイス</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a device and its USB ids</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>シリアルポート</translation>
    </message>
    <message>
        <source>A USB serial adapter (CH340/CH341, %1, USB %2) is plugged in but has no serial port: a braille-display service took it over right after it was attached. If no braille display is used here, remove or disable that service (or its udev rule for this adapter), then plug the adapter in again.</source>
        <comment>%1 is the adapter&apos;s USB ids, %2 where it is plugged in</comment>
        <translation>USB シリアルアダプター (CH340/CH341、%1、USB %2) が接続されていますが、シリアルポートがありません。接続直後に点字ディスプレイ用のサービスがこのアダプターを取得しました。ここで点字ディスプレイを使わない場合は、そのサービス (またはこのアダプター用の udev ルール) を削除するか無効にしてから、アダプターを接続し直してください。</translation>
    </message>
    <message>
        <source>its driver is not installed. Install the driver from the adapter&apos;s maker, or let Device Manager look for one (Update driver)</source>
        <translation>ドライバーがインストールされていません。アダプターのメーカーのドライバーをインストールするか、デバイス マネージャーで探してください (ドライバーの更新)</translation>
    </message>
    <message>
        <source>it is disabled. Enable it in Device Manager (Ports (COM &amp; LPT))</source>
        <translation>無効になっています。デバイス マネージャー (ポート (COM と LPT)) で有効にしてください</translation>
    </message>
    <message>
        <source>its driver could not start it. Unplug the adapter and plug it in again; if that does not help, reinstall its driver</source>
        <translation>ドライバーがデバイスを開始できませんでした。アダプターを抜いて接続し直してください。それでも直らない場合は、ドライバーを再インストールしてください</translation>
    </message>
    <message>
        <source>Windows refused its driver, which is not signed. Install a signed driver from the adapter&apos;s maker</source>
        <translation>ドライバーが署名されていないため、Windows が拒否しました。アダプターのメーカーの署名付きドライバーをインストールしてください</translation>
    </message>
    <message>
        <source>Device Manager reports problem code %1 for it (see the device&apos;s Properties there)</source>
        <translation>デバイス マネージャーが問題コード %1 を報告しています (そこでデバイスのプロパティを確認してください)</translation>
    </message>
    <message>
        <source>%1 is plugged in but has no working COM port: %2.</source>
        <comment>%1 is the device, %2 what Device Manager reports and what to do</comment>
        <translation>%1 は接続されていますが、動作する COM ポートがありません。%2。</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>
Symbol on maps: </source>
        <translation>
地図上のシンボル: </translation>
    </message>
    <message>
        <source>not known. %1</source>
        <translation>不明です。%1</translation>
    </message>
    <message>
        <source>none in the symbol list %1; maps may show a placeholder.</source>
        <translation>シンボル一覧 %1 にありません。地図に代替アイコンが表示されることがあります。</translation>
    </message>
    <message>
        <source>Choose Symbol</source>
        <translation>シンボルの選択</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>検索(&amp;F):</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>the box that narrows the symbols</comment>
        <translation>検索</translation>
    </message>
    <message>
        <source>Type part of a name, such as car or bicycle, to narrow the symbols.</source>
        <translation>car や bicycle など名前の一部を入力してシンボルを絞り込みます。</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>シンボル</translation>
    </message>
    <message>
        <source>Both symbol tables. Space or Enter chooses the symbol.</source>
        <translation>両方のシンボルテーブル。Space または Enter でシンボルを選びます。</translation>
    </message>
    <message>
        <source>&amp;Overlay character:</source>
        <translation>オーバーレイ文字(&amp;O):</translation>
    </message>
    <message>
        <source>Overlay character</source>
        <translation>オーバーレイ文字</translation>
    </message>
    <message>
        <source>0 to 9 or A to Z drawn over an alternate symbol that takes one; empty for none.</source>
        <translation>オーバーレイに対応する代替シンボルの上に描く 0～9 または A～Z。なしの場合は空欄。</translation>
    </message>
    <message>
        <source>No symbol list: %1 is not a regular file (a folder, a FIFO or a device); give a file; symbols are shown without names or pictures.</source>
        <translation>シンボル一覧がありません: %1 は通常のファイルではありません (フォルダー、FIFO またはデバイス)。ファイルを指定してください。シンボルは名前と画像なしで表示されます。</translation>
    </message>
    <message>
        <source>No symbol list: %1; symbols are shown without names or pictures.</source>
        <translation>シンボル一覧がありません: %1。シンボルは名前と画像なしで表示されます。</translation>
    </message>
    <message>
        <source>No symbol list: %1 holds no symbol pictures; symbols are shown without names or pictures.</source>
        <translation>シンボル一覧がありません: %1 にはシンボル画像がありません。シンボルは名前と画像なしで表示されます。</translation>
    </message>
    <message numerus="yes">
        <source>Symbol list %1: %n bad entry skipped, the first at line %2.</source>
        <translation>
            <numerusform>シンボル一覧 %1: 不正な項目 %n 件を飛ばしました。最初は %2 行目です。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Symbol list %1: %n bad entries skipped, the first at line %2.</source>
        <translation>
            <numerusform>シンボル一覧 %1: 不正な項目 %n 件を飛ばしました。最初は %2 行目です。</numerusform>
        </translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>画像なし</translation>
    </message>
    <message>
        <source>primary table</source>
        <translation>プライマリテーブル</translation>
    </message>
    <message>
        <source>alternate table</source>
        <translation>オルタネートテーブル</translation>
    </message>
    <message>
        <source>overlay %1</source>
        <translation>オーバーレイ %1</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>シンボル %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a symbol&apos;s name, then its overlay</comment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>Timing</name>
    <message>
        <source>Beacon timing</source>
        <translation>ビーコンのタイミング</translation>
    </message>
    <message>
        <source>Beacon Timing</source>
        <translation>ビーコンのタイミング</translation>
    </message>
    <message>
        <source>SmartBeaconing &amp;preset:</source>
        <translation>SmartBeaconing プリセット(&amp;P):</translation>
    </message>
    <message>
        <source>SmartBeaconing preset</source>
        <translation>SmartBeaconing プリセット</translation>
    </message>
    <message>
        <source>&amp;Apply to Profile</source>
        <translation>プロファイルに適用(&amp;A)</translation>
    </message>
    <message>
        <source>Sets the profile&apos;s SmartBeaconing to the preset and turns it on</source>
        <translation>プロファイルの SmartBeaconing をプリセットに設定してオンにします</translation>
    </message>
    <message>
        <source>Plot of interval against speed</source>
        <translation>速度に対する間隔のグラフ</translation>
    </message>
    <message>
        <source>The table above gives the same values.</source>
        <translation>上の表にも同じ値があります。</translation>
    </message>
    <message>
        <source>speed</source>
        <comment>the plot&apos;s axis</comment>
        <translation>速度</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds, the plot&apos;s axis</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>over %1 degrees</source>
        <translation>%1 度超</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no turn beacon</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>any</source>
        <comment>any speed</comment>
        <translation>任意</translation>
    </message>
    <message>
        <source>SmartBeaconing is off: a beacon every %1, in its time slot, %2 into each interval of the clock.</source>
        <translation>SmartBeaconing はオフです: ビーコンは %1 ごと、タイムスロット内で、時計の各間隔の開始から %2 後に送信されます。</translation>
    </message>
    <message>
        <source>SmartBeaconing is off: a beacon every %1.</source>
        <translation>SmartBeaconing はオフです: ビーコンは %1 ごとに送信されます。</translation>
    </message>
    <message>
        <source>At or below the low speed (%1) the slow rate, %2, and no turn beacons; at or above the high speed (%3) the fast rate, %4; between them %4 x %3 / speed.</source>
        <translation>低速 (%1) 以下では低速時の間隔 %2 でターンビーコンはなし、高速 (%3) 以上では高速時の間隔 %4、その間は %4 x %3 / 速度です。</translation>
    </message>
    <message>
        <source>A turn beacon goes out when the heading changes by more than turn angle + turn slope / speed, no sooner than %1 after the last beacon.</source>
        <translation>ターンビーコンは、進行方向の変化がターン角度 + ターン傾き / 速度を超えたときに送信されます。ただし前回のビーコンから %1 以上経ってからです。</translation>
    </message>
    <message>
        <source>Seconds and degrees are rounded to whole numbers, halves up; speeds are in the tracker&apos;s own unit.</source>
        <translation>秒と度は整数に四捨五入しています。速度はトラッカー独自の単位です。</translation>
    </message>
    <message>
        <source>Primary profile: SmartBeaconing on</source>
        <translation>プライマリプロファイル: SmartBeaconing オン</translation>
    </message>
    <message>
        <source>Primary profile: SmartBeaconing off</source>
        <translation>プライマリプロファイル: SmartBeaconing オフ</translation>
    </message>
    <message>
        <source>Secondary profile: SmartBeaconing on</source>
        <translation>セカンダリプロファイル: SmartBeaconing オン</translation>
    </message>
    <message>
        <source>Secondary profile: SmartBeaconing off</source>
        <translation>セカンダリプロファイル: SmartBeaconing オフ</translation>
    </message>
    <message>
        <source>Speed (tracker&apos;s unit)</source>
        <translation>速度 (トラッカーの単位)</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Beacons per hour</source>
        <translation>1時間あたりのビーコン数</translation>
    </message>
    <message>
        <source>Turn beacon</source>
        <translation>ターンビーコン</translation>
    </message>
    <message>
        <source>No timing until this is fixed: %1</source>
        <translation>これを修正するまでタイミングは表示できません: %1</translation>
    </message>
    <message>
        <source>Beacons less than %1 apart are for special events; the channel is shared.</source>
        <translation>%1 未満の間隔のビーコンは特別なイベント用です。チャンネルは共用です。</translation>
    </message>
    <message>
        <source>This models the published SmartBeaconing rules, not the tracker&apos;s firmware.</source>
        <translation>これは公開されている SmartBeaconing の規則をモデル化したもので、トラッカーのファームウェアを再現したものではありません。</translation>
    </message>
    <message>
        <source>The second rate is left out: its role is not known.</source>
        <translation>2つ目の間隔は、その役割が分からないため除外しています。</translation>
    </message>
    <message>
        <source>%1: %2 to %3 %4, every %5 s to %6 s, turns from %7 degrees, slope %8</source>
        <comment>a SmartBeaconing preset: name, speeds, rates, turn angle and slope</comment>
        <translation>%1: %2～%3 %4、%5 秒～%6 秒ごと、%7 度以上の旋回、傾き %8</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Primary</source>
        <translation>プライマリ</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>セカンダリ</translation>
    </message>
    <message>
        <source>About Orvane QZ5 Config Basic</source>
        <translation>Orvane QZ5 Config Basic について</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config Basic Version 1.4</source>
        <translation>Orvane QZ5 Config Basic バージョン 1.4</translation>
    </message>
    <message>
        <source>Configures QZ5 trackers</source>
        <translation>QZ5 トラッカーを設定します</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Station and path</source>
        <translation>局とパス</translation>
    </message>
    <message>
        <source>Mic-E</source>
        <translation>Mic-E</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>タイミング</translation>
    </message>
    <message>
        <source>Time slot</source>
        <translation>タイムスロット</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>テレメトリー</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>SmartBeaconing preset</source>
        <translation>SmartBeaconing プリセット</translation>
    </message>
    <message>
        <source>GPS and serial</source>
        <translation>GPS とシリアル</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>設定操作</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COMポート</translation>
    </message>
    <message>
        <source>Tones</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config - All settings</source>
        <translation>Orvane QZ5 Config - すべての設定</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Orvane QZ5 Config Basic</source>
        <translation>Orvane QZ5 Config Basic</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>コールサイン:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>テキスト:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>シンボル:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>周波数:</translation>
    </message>
    <message>
        <source>Transmit Rate:</source>
        <translation>送信間隔:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Send Separate</source>
        <translation>別パケットで送信</translation>
    </message>
    <message>
        <source>Don&apos;t Send &apos;&gt;&apos;</source>
        <translation>&apos;&gt;&apos; を送信しない</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>高度を送信</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>デジパスを交互に使用</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>有効時のみ送信</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>TTLシリアルを許可</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>CD入力を反転</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>タイムスタンプ DHM</translation>
    </message>
    <message>
        <source>No TX on PTT In</source>
        <translation>PTT入力時は送信しない</translation>
    </message>
    <message>
        <source>Send NMEA</source>
        <translation>NMEAを送信</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>タイムスタンプ HMS</translation>
    </message>
    <message>
        <source>Serial Out High</source>
        <translation>シリアル出力 High</translation>
    </message>
    <message>
        <source>Skip Start Packet</source>
        <translation>起動時パケットを省略</translation>
    </message>
    <message>
        <source>300 baud packet</source>
        <translation>300ボーパケット</translation>
    </message>
    <message>
        <source>9600 baud GPS</source>
        <translation>9600ボー GPS</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>印字可能文字に限定</translation>
    </message>
    <message>
        <source>Read Version</source>
        <translation>バージョンの読み込み</translation>
    </message>
    <message>
        <source>Read Configuration</source>
        <translation>設定の読み込み</translation>
    </message>
    <message>
        <source>Write Configuration</source>
        <translation>設定の書き込み</translation>
    </message>
    <message>
        <source>Send 1200 Hz</source>
        <translation>1200 Hz を送信</translation>
    </message>
    <message>
        <source>Send 2200 Hz</source>
        <translation>2200 Hz を送信</translation>
    </message>
    <message>
        <source>Send Both</source>
        <translation>両方を送信</translation>
    </message>
    <message>
        <source>Stop Sending</source>
        <translation>送信停止</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Apply to Profile</source>
        <translation>プロファイルに適用</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A field&apos;s label in All settings; %1 is the field&apos;s name.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>&amp;Find Tracker</source>
        <translation>トラッカーを検索(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with Tracker...</source>
        <translation>トラッカーと比較(&amp;M)...</translation>
    </message>
    <message>
        <source>Choose S&amp;ymbol...</source>
        <translation>シンボルの選択(&amp;Y)...</translation>
    </message>
    <message>
        <source>&amp;Beacon Timing...</source>
        <translation>ビーコンのタイミング(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Keep Settings Before Writing</source>
        <translation>書き込み前の設定を保存(&amp;K)</translation>
    </message>
    <message>
        <source>Send 1600 Hz</source>
        <translation>1600 Hz を送信</translation>
    </message>
    <message>
        <source>Send 1800 Hz</source>
        <translation>1800 Hz を送信</translation>
    </message>
    <message>
        <source>Scroll across</source>
        <translation>横にスクロール</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>縦にスクロール</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>Tone calibration value, shared by both profiles. The tracker keeps 0 to 255; the window shows it but does not let it be edited.</source>
        <translation>トーンの校正値で、両プロファイル共通です。トラッカーは 0～255 を保持します。ウィンドウには表示されますが、編集はできません。</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>コールサイン</translation>
    </message>
    <message>
        <source>Station callsign, optionally followed by -SSID. The tracker keeps six letters or digits in capitals and an SSID of 0 to 15; other characters end the callsign.</source>
        <translation>局のコールサイン。後に -SSID を付けることもできます。トラッカーが保持するのは大文字の英数字6文字と 0～15 の SSID で、それ以外の文字があるとそこでコールサインが終わります。</translation>
    </message>
    <message>
        <source>Digipeater path</source>
        <translation>デジピーターパス</translation>
    </message>
    <message>
        <source>Digipeaters asked to relay each beacon, separated by commas, for example WIDE1-1,WIDE2-1. Each is kept like a callsign: six letters or digits and an SSID of 0 to 15.</source>
        <translation>各ビーコンの中継を依頼するデジピーターをカンマで区切ったもの。例: WIDE1-1,WIDE2-1。それぞれコールサインと同じく、英数字6文字と 0～15 の SSID として保持されます。</translation>
    </message>
    <message>
        <source>Status text</source>
        <translation>ステータステキスト</translation>
    </message>
    <message>
        <source>Text of the status beacon. The tracker keeps what fits in its 128-byte memory after the other settings; equal texts in both profiles are stored once.</source>
        <translation>ステータスビーコンのテキスト。トラッカーは 128 バイトのメモリーのうち、ほかの設定の後に収まる分だけを保持します。両プロファイルで同じテキストは1回だけ保存されます。</translation>
    </message>
    <message>
        <source>Delay 1</source>
        <translation>遅延 1</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>First delay. Kept in byte times of the packet speed: 6.666 ms steps up to 1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet.</source>
        <translation>1番目の遅延。パケット速度のバイト時間単位で保持されます: 6.666 ms 刻みで 1700 ms まで、300ボーパケットでは 26.666 ms 刻みで 6800 ms まで。</translation>
    </message>
    <message>
        <source>Delay 2</source>
        <translation>遅延 2</translation>
    </message>
    <message>
        <source>Second delay. Kept in byte times of the packet speed: 6.666 ms steps up to 1700 ms, or 26.666 ms steps up to 6800 ms with 300 baud packet.</source>
        <translation>2番目の遅延。パケット速度のバイト時間単位で保持されます: 6.666 ms 刻みで 1700 ms まで、300ボーパケットでは 26.666 ms 刻みで 6800 ms まで。</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Mic-E message sent with the position, one of eight. Writing Emergency! asks for confirmation first.</source>
        <translation>位置と共に送る Mic-E メッセージ (8種類から1つ)。Emergency! を書き込むときは先に確認を求めます。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Mic-E digipeater path, one of sixteen.</source>
        <translation>Mic-E のデジピーターパス (16種類から1つ)。</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>シンボル</translation>
    </message>
    <message>
        <source>APRS symbol code: the character that picks the map icon. A control character is read back as &apos;-&apos;.</source>
        <translation>APRS のシンボルコード: 地図上のアイコンを選ぶ文字です。制御文字は &apos;-&apos; として読み戻されます。</translation>
    </message>
    <message>
        <source>Symbol table</source>
        <translation>シンボルテーブル</translation>
    </message>
    <message>
        <source>APRS symbol table: / primary, \ alternate, or an overlay character. A control character is read back as /.</source>
        <translation>APRS のシンボルテーブル: / はプライマリ、\ は代替、またはオーバーレイ文字。制御文字は / として読み戻されます。</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>カウント</translation>
    </message>
    <message>
        <source>Count parameter. The tracker keeps 0 to 255.</source>
        <translation>カウントのパラメーター。トラッカーは 0～255 を保持します。</translation>
    </message>
    <message>
        <source>Transmit rate</source>
        <translation>送信間隔</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Time between beacons while SmartBeaconing is off; at least 3. The tracker keeps up to 65535.</source>
        <translation>SmartBeaconing がオフのときのビーコンの間隔。3 以上。トラッカーは 65535 まで保持します。</translation>
    </message>
    <message>
        <source>Second rate</source>
        <translation>2つ目の間隔</translation>
    </message>
    <message>
        <source>Second beacon interval; at least 3. The tracker keeps up to 65535.</source>
        <translation>2つ目のビーコン間隔。3 以上。トラッカーは 65535 まで保持します。</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Second within the transmit interval at which the beacon goes out. Sent only while the time slot is on; at most the transmit rate.</source>
        <translation>送信間隔の中でビーコンを送信する秒。タイムスロットがオンのときだけ送られます。送信間隔以下。</translation>
    </message>
    <message>
        <source>Low speed</source>
        <translation>低速</translation>
    </message>
    <message>
        <source>SmartBeaconing: at or below this speed the slow rate applies. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: この速度以下では低速時の間隔を使います。トラッカーは 0～255 を保持します。SmartBeaconing がオンのときだけ送られます。</translation>
    </message>
    <message>
        <source>High speed</source>
        <translation>高速</translation>
    </message>
    <message>
        <source>SmartBeaconing: at or above this speed the fast rate applies. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: この速度以上では高速時の間隔を使います。トラッカーは 0～255 を保持します。SmartBeaconing がオンのときだけ送られます。</translation>
    </message>
    <message>
        <source>Slow rate</source>
        <translation>低速時の間隔</translation>
    </message>
    <message>
        <source>SmartBeaconing: time between beacons at low speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: 低速時のビーコンの間隔。トラッカーは 0～65535 を保持します。SmartBeaconing がオンのときだけ送られます。</translation>
    </message>
    <message>
        <source>Fast rate</source>
        <translation>高速時の間隔</translation>
    </message>
    <message>
        <source>SmartBeaconing: time between beacons at high speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: 高速時のビーコンの間隔。トラッカーは 0～65535 を保持します。SmartBeaconing がオンのときだけ送られます。</translation>
    </message>
    <message>
        <source>Turn angle</source>
        <translation>ターン角度</translation>
    </message>
    <message>
        <source>SmartBeaconing: smallest change of heading that counts as a turn. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: ターンとみなす進行方向の最小の変化。トラッカーは 0～255 を保持します。SmartBeaconing がオンのときだけ送られます。</translation>
    </message>
    <message>
        <source>Turn slope</source>
        <translation>ターン傾き</translation>
    </message>
    <message>
        <source>SmartBeaconing: makes turns count sooner at low speed. The tracker keeps 0 to 65535; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: 低速時にターンを早めにとらえるようにします。トラッカーは 0～65535 を保持します。SmartBeaconing がオンのときだけ送られます。</translation>
    </message>
    <message>
        <source>Turn time</source>
        <translation>ターン時間</translation>
    </message>
    <message>
        <source>SmartBeaconing: least time between beacons sent for turns. The tracker keeps 0 to 255; sent only while SmartBeaconing is on.</source>
        <translation>SmartBeaconing: ターンで送るビーコンの最小間隔。トラッカーは 0～255 を保持します。SmartBeaconing がオンのときだけ送られます。</translation>
    </message>
    <message>
        <source>Delay 3</source>
        <translation>遅延 3</translation>
    </message>
    <message>
        <source>Third delay. Kept in 26.3 ms steps up to 6706 ms; not editable in the window.</source>
        <translation>3番目の遅延。26.3 ms 刻みで 6706 ms まで保持されます。ウィンドウでは編集できません。</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Value sent while its Enable box is on. The tracker keeps 0 to 255.</source>
        <translation>「有効」ボックスがオンのときに送る値。トラッカーは 0～255 を保持します。</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Transmit frequency, 144.000 to 148.000 MHz; anything else becomes 144.390. The tracker keeps it in 5 kHz steps.</source>
        <translation>送信周波数、144.000～148.000 MHz。それ以外は 144.390 になります。トラッカーは 5 kHz 刻みで保持します。</translation>
    </message>
    <message>
        <source>Mic-E reports use printable characters only.</source>
        <translation>Mic-E レポートに印字可能な文字だけを使います。</translation>
    </message>
    <message>
        <source>Beacons only with a valid GPS position. Not editable in the window.</source>
        <translation>GPS の位置が有効なときだけビーコンを送信します。ウィンドウでは編集できません。</translation>
    </message>
    <message>
        <source>Beacons at a fixed second of the transmit interval. Turns SmartBeaconing off.</source>
        <translation>送信間隔の決まった秒にビーコンを送信します。SmartBeaconing をオフにします。</translation>
    </message>
    <message>
        <source>Beacons more often at speed and in turns, using the SmartBeaconing settings instead of the transmit rate. Turns the time slot off.</source>
        <translation>送信間隔の代わりに SmartBeaconing の設定を使い、速度が出ているときやターン時に多めにビーコンを送信します。タイムスロットをオフにします。</translation>
    </message>
    <message>
        <source>Positions include the altitude.</source>
        <translation>位置に高度を含めます。</translation>
    </message>
    <message>
        <source>Positions are sent in the compact Mic-E form. Turns Send NMEA off.</source>
        <translation>位置を簡潔な Mic-E 形式で送信します。「NMEAを送信」をオフにします。</translation>
    </message>
    <message>
        <source>Sends the value beside this box.</source>
        <translation>このボックスの横の値を送信します。</translation>
    </message>
    <message>
        <source>Positions carry a day, hour and minute time stamp.</source>
        <translation>位置に日・時・分のタイムスタンプを付けます。</translation>
    </message>
    <message>
        <source>The serial port accepts TTL levels.</source>
        <translation>シリアルポートで TTL レベルを受け付けます。</translation>
    </message>
    <message>
        <source>Beacons alternate between digipeater paths.</source>
        <translation>ビーコンごとにデジピーターパスを交互に使います。</translation>
    </message>
    <message>
        <source>Inverts the carrier detect input. Not editable in the window.</source>
        <translation>キャリア検出 (CD) 入力を反転します。ウィンドウでは編集できません。</translation>
    </message>
    <message>
        <source>Positions carry an hour, minute and second time stamp.</source>
        <translation>位置に時・分・秒のタイムスタンプを付けます。</translation>
    </message>
    <message>
        <source>No transmission while the PTT input is active. Not editable in the window.</source>
        <translation>PTT 入力がアクティブの間は送信しません。ウィンドウでは編集できません。</translation>
    </message>
    <message>
        <source>Sends the GPS sentences as received. Turns Mic-E and Send Altitude off.</source>
        <translation>GPS のセンテンスを受信したまま送信します。Mic-E と「高度を送信」をオフにします。</translation>
    </message>
    <message>
        <source>Sends the status text in a packet of its own.</source>
        <translation>ステータステキストを独立したパケットで送信します。</translation>
    </message>
    <message>
        <source>Packets at 300 baud with 1600 and 1800 Hz tones instead of 1200 baud.</source>
        <translation>1200 ボーの代わりに、1600 Hz と 1800 Hz のトーンを使う 300 ボーのパケットにします。</translation>
    </message>
    <message>
        <source>The status text goes out without its leading &apos;&gt;&apos;.</source>
        <translation>ステータステキストを先頭の &apos;&gt;&apos; なしで送信します。</translation>
    </message>
    <message>
        <source>The serial output rests high.</source>
        <translation>シリアル出力の待機時の状態を High にします。</translation>
    </message>
    <message>
        <source>No beacon when the tracker starts.</source>
        <translation>トラッカーの起動時にビーコンを送信しません。</translation>
    </message>
    <message>
        <source>The GPS receiver talks at 9600 baud instead of 4800.</source>
        <translation>GPS 受信機との通信を 4800 ボーの代わりに 9600 ボーにします。</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>トーンを試験する前に新しい校正値を書き込んでください</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>校正値が書き込まれていません</translation>
    </message>
    <message>
        <source>The settings were changed and have not been written to the tracker or saved to a file. Discard the changes and close?</source>
        <translation>設定が変更されていますが、トラッカーへの書き込みもファイルへの保存もされていません。変更を破棄して閉じますか?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>未保存の変更</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the window starts with its defaults and remembers nothing</source>
        <translation>%1 は通常のファイルではありません。ウィンドウは既定値で起動し、何も記憶しません</translation>
    </message>
    <message>
        <source>The window&apos;s font could not be loaded from %1, so its captions are drawn in another face and some may be cut off. Installing the program again puts the file back.</source>
        <translation>ウィンドウのフォントを %1 から読み込めなかったため、見出しは別の書体で描画され、一部が欠けることがあります。プログラムを再インストールするとファイルが元に戻ります。</translation>
    </message>
    <message>
        <source>qz5-config: %1
</source>
        <translation>qz5-config: %1
</translation>
    </message>
    <message>
        <source>Font Missing</source>
        <translation>フォントがありません</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>勤務外</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>移動中</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>勤務中</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>帰還中</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>任務中</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>特別</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>優先</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>緊急！</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>通常</translation>
    </message>
    <message>
        <source>North</source>
        <translation>北</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南</translation>
    </message>
    <message>
        <source>East</source>
        <translation>東</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西</translation>
    </message>
    <message>
        <source>North + WIDE</source>
        <translation>北 + WIDE</translation>
    </message>
    <message>
        <source>South + WIDE</source>
        <translation>南 + WIDE</translation>
    </message>
    <message>
        <source>East + WIDE</source>
        <translation>東 + WIDE</translation>
    </message>
    <message>
        <source>West + WIDE</source>
        <translation>西 + WIDE</translation>
    </message>
    <message>
        <source>qz5-config: cannot write the output
</source>
        <translation>qz5-config: 出力を書き込めません
</translation>
    </message>
    <message>
        <source>qz5-config: no simulated tracker: %1
</source>
        <translation>qz5-config: シミュレートされたトラッカーがありません: %1
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>All &amp;settings</source>
        <translation>すべての設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About Zelbin3Config...</source>
        <translation>Zelbin3Config について(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Test Tones</source>
        <translation>試験トーン</translation>
    </message>
    <message>
        <source>Find Tracker</source>
        <translation>トラッカーを検索</translation>
    </message>
    <message>
        <source>Zelbin3 Read</source>
        <translation>Zelbin3 読み込み</translation>
    </message>
    <message>
        <source>Zelbin3 Version</source>
        <translation>Zelbin3 バージョン</translation>
    </message>
    <message>
        <source>Zelbin3 Write</source>
        <translation>Zelbin3 書き込み</translation>
    </message>
    <message>
        <source>two reads of them did not agree</source>
        <translation>2回の読み込み結果が一致しませんでした</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>one reason after another</comment>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>the tracker did not send them whole</source>
        <translation>トラッカーから完全に送られてきませんでした</translation>
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
        <translation>読み込み失敗</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>読み込み成功</translation>
    </message>
    <message>
        <source>You are about to configure your Zelbin with the ability to send an EMERGENCY beacon.  Are you sure you want to do this?</source>
        <translation>Zelbin に緊急 (EMERGENCY) ビーコンを送信できる設定を書き込もうとしています。本当に実行しますか?</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>書き込み成功</translation>
    </message>
</context>
<context>
    <name>Write</name>
    <message>
        <source>The tracker&apos;s settings could not be kept: %1. Write without keeping them?</source>
        <translation>トラッカーの設定を保存できませんでした: %1。保存せずに書き込みますか?</translation>
    </message>
    <message>
        <source>The tracker already held these settings.
The earlier settings are kept: History, entry %1.</source>
        <translation>トラッカーにはすでにこの設定が入っていました。
以前の設定は保存されています: 履歴、項目 %1。</translation>
    </message>
    <message>
        <source>The tracker already held these settings.
The earlier settings are kept in the History.</source>
        <translation>トラッカーにはすでにこの設定が入っていました。
以前の設定は履歴に保存されています。</translation>
    </message>
    <message>
        <source>Changed on the tracker:
%1The earlier settings are kept: History, entry %2.</source>
        <translation>トラッカーで変更された設定:
%1以前の設定は保存されています: 履歴、項目 %2。</translation>
    </message>
    <message>
        <source>Changed on the tracker:
%1The earlier settings are kept in the History.</source>
        <translation>トラッカーで変更された設定:
%1以前の設定は履歴に保存されています。</translation>
    </message>
    <message numerus="yes">
        <source>Changed on the tracker:
%1and %n more
The earlier settings are kept: History, entry %2.</source>
        <translation>
            <numerusform>トラッカーで変更された設定:
%1ほか %n 件
以前の設定は保存されています: 履歴、項目 %2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Changed on the tracker:
%1and %n more
The earlier settings are kept in the History.</source>
        <translation>
            <numerusform>トラッカーで変更された設定:
%1ほか %n 件
以前の設定は履歴に保存されています。</numerusform>
        </translation>
    </message>
    <message>
        <source>The tracker&apos;s settings from before this write were not read, so they are kept nowhere. &quot;Keep Settings Before Writing&quot; on the window menu keeps them next time.</source>
        <translation>この書き込みの前のトラッカーの設定は読み込まれなかったため、どこにも保存されていません。ウィンドウメニューの「書き込み前の設定を保存」をオンにすると、次回から保存されます。</translation>
    </message>
    <message>
        <source>The tracker&apos;s settings from before this write could not be kept.</source>
        <translation>この書き込みの前のトラッカーの設定を保存できませんでした。</translation>
    </message>
</context>
</TS>
