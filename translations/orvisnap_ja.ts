<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>The makers of the DSOs,
for XModem screen dumps.</source>
        <extracomment>The About card&apos;s first thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>XModem で画面を出力できる
オシロスコープのメーカー各社</translation>
    </message>
    <message>
        <source>Everyone who tested early
versions and reported bugs.</source>
        <extracomment>The About card&apos;s second thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>初期バージョンをテストし、
バグを報告してくださった皆様</translation>
    </message>
    <message>
        <source>Idea &amp; Realization</source>
        <translation>アイデアと実装</translation>
    </message>
    <message>
        <source>The Orvisnap developers</source>
        <translation>Orvisnap の開発者</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>謝辞:</translation>
    </message>
    <message>
        <source>First release</source>
        <translation>初版</translation>
    </message>
    <message>
        <source>June, 2010</source>
        <translation>2010 年 6 月</translation>
    </message>
    <message>
        <source>About Orvisnap</source>
        <translation>Orvisnap について</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AutoSave</name>
    <message>
        <source>Save each picture to a folder</source>
        <translation>画像を毎回フォルダーに保存</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>保存できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>BmpHeader</name>
    <message>
        <source>%1 is too short for a colour table.</source>
        <translation>%1 は短すぎるため、カラーテーブルを格納できません。</translation>
    </message>
</context>
<context>
    <name>CaptureKeeper</name>
    <message>
        <source>Captures are turned off: [Captures] Keep=0 in the settings file.</source>
        <translation>キャプチャは無効です: 設定ファイルで [Captures] Keep=0 になっています。</translation>
    </message>
    <message>
        <source>Not kept in the captures: %1</source>
        <translation>キャプチャに追加できませんでした: %1</translation>
    </message>
    <message>
        <source>Added to the captures as %1</source>
        <translation>キャプチャに %1 として追加しました</translation>
    </message>
</context>
<context>
    <name>CapturePort</name>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>このシステムでは COM ポートが検出されませんでした。</translation>
    </message>
</context>
<context>
    <name>CaptureStore</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>%1 に書き込む画像がありません。</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>%1 is no readable picture.</source>
        <translation>%1 は読み取れる画像ではありません。</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>%1 を削除できません: %2</translation>
    </message>
    <message>
        <source>Every free name was taken.</source>
        <translation>空いている名前がすべて使われていました。</translation>
    </message>
    <message>
        <source>%1 is no readable picture and was skipped.</source>
        <extracomment>A file in the captures folder named as a kept picture, but cut short or no PNG.</extracomment>
        <translation>%1 は読み取れる画像ではないため、スキップしました。</translation>
    </message>
</context>
<context>
    <name>CapturesWindow</name>
    <message>
        <source>Captures</source>
        <translation>キャプチャ</translation>
    </message>
    <message>
        <source>Kept pictures</source>
        <translation>保存済みの画像</translation>
    </message>
    <message>
        <source>A note on this picture</source>
        <translation>この画像へのメモ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Show in main window</source>
        <translation>メインウィンドウに表示</translation>
    </message>
    <message>
        <source>Save as BMP...</source>
        <translation>BMP 形式で保存...</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>メモを編集</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message numerus="yes">
        <source>Kept pictures: %n, in %1</source>
        <extracomment>The captures window&apos;s status bar: %n how many pictures are kept, %1 their folder</extracomment>
        <translation>
            <numerusform>保存済みの画像: %n 枚、フォルダー: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture kept at %1</source>
        <extracomment>A kept picture shown again, for a screen reader: %1 its time</extracomment>
        <translation>%1 に保存した画像</translation>
    </message>
    <message>
        <source>The picture could not be deleted.</source>
        <translation>画像を削除できませんでした。</translation>
    </message>
    <message>
        <source>The note could not be saved.</source>
        <translation>メモを保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>ComPortList</name>
    <message>
        <source>COM%1 is not among the detected ports.</source>
        <translation>COM%1 は検出されたポートの中にありません。</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare pictures</source>
        <translation>画像の比較</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>並べて表示</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>点滅</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差分</translation>
    </message>
    <message>
        <source>Rate:</source>
        <extracomment>Beside the number of pictures shown each second while two blink</extracomment>
        <translation>切り替え:</translation>
    </message>
    <message>
        <source> per second</source>
        <extracomment>After the blink rate&apos;s number: pictures shown each second</extracomment>
        <translation> 回/秒</translation>
    </message>
    <message>
        <source>Space pauses</source>
        <translation>スペースキーで一時停止</translation>
    </message>
    <message>
        <source>The pictures are the same.</source>
        <translation>画像は同じです。</translation>
    </message>
    <message numerus="yes">
        <source>Pixels that differ: %n</source>
        <translation>
            <numerusform>異なるピクセル数: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>While two pictures blink: which one shows (1 or 2) and its time</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>DownloadController</name>
    <message>
        <source>Download from DSO</source>
        <extracomment>DSO: the instrument, a digital storage oscilloscope</extracomment>
        <translation>オシロスコープから取り込み</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation>データを受信中...</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 / %2 KB</source>
        <translation>%1 / %2 KB</translation>
    </message>
    <message>
        <source>The received bytes are kept in %1.</source>
        <translation>受信したバイトは %1 に保存されています。</translation>
    </message>
    <message>
        <source>Screen of the instrument</source>
        <translation>測定器の画面</translation>
    </message>
</context>
<context>
    <name>EndingMessages</name>
    <message>
        <source>Error while opening COM port.</source>
        <translation>COM ポートを開くときにエラーが発生しました。</translation>
    </message>
    <message>
        <source>The working file could not be written.</source>
        <translation>作業ファイルを書き込めませんでした。</translation>
    </message>
    <message>
        <source>No transfer from %1 within %2 s.</source>
        <extracomment>%1: the serial device, %2: the start time-out in seconds</extracomment>
        <translation>%2 秒以内に %1 からの転送がありませんでした。</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <extracomment>%1: the serial port or device, e.g. COM3 or /dev/ttyUSB0</extracomment>
        <translation>%1 との接続が切れました。</translation>
    </message>
    <message>
        <source>The instrument was still sending an earlier picture. Start the transfer on the instrument again.</source>
        <translation>測定器はまだ前の画像を送信中でした。測定器でもう一度転送を開始してください。</translation>
    </message>
    <message>
        <source>A block was lost on the line: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>回線上でブロックが失われたため、画像が不完全です。測定器でもう一度転送を開始してください。</translation>
    </message>
    <message>
        <source>The received file is not a valid BMP picture.</source>
        <translation>受信したファイルは有効な BMP 画像ではありません。</translation>
    </message>
    <message>
        <source>Received, but not a picture</source>
        <translation>受信しましたが、画像ではありません</translation>
    </message>
    <message>
        <source>No transfer within %1 s</source>
        <extracomment>%1: whole seconds waited</extracomment>
        <translation>%1 秒以内に転送がありません</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセルしました</translation>
    </message>
    <message>
        <source>Line lost</source>
        <translation>接続が切れました</translation>
    </message>
    <message>
        <source>Port not opened</source>
        <translation>ポートを開けませんでした</translation>
    </message>
    <message>
        <source>Working file not written</source>
        <translation>作業ファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>Earlier transfer cancelled</source>
        <translation>前の転送をキャンセルしました</translation>
    </message>
    <message>
        <source>Block lost, picture not kept</source>
        <translation>ブロックが失われたため、画像を破棄しました</translation>
    </message>
    <message>
        <source>Received %1 KB</source>
        <extracomment>The status bar after a download; %1 is the picture&apos;s size in whole kilobytes</extracomment>
        <translation>%1 KB を受信しました</translation>
    </message>
    <message>
        <source>Cancelled by the instrument</source>
        <translation>測定器がキャンセルしました</translation>
    </message>
    <message>
        <source>The instrument cancelled the transfer.</source>
        <translation>測定器が転送をキャンセルしました。</translation>
    </message>
    <message>
        <source>Instrument stopped sending</source>
        <translation>測定器からの送信が止まりました</translation>
    </message>
    <message>
        <source>The instrument stopped sending: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>測定器からの送信が途中で止まったため、画像が不完全です。測定器でもう一度転送を開始してください。</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>ビットマップファイル (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>テキストファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>FileHelpers</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>invalid section name</source>
        <translation>セクション名が無効です</translation>
    </message>
    <message>
        <source>invalid key name</source>
        <translation>キー名が無効です</translation>
    </message>
    <message>
        <source>line break in value</source>
        <translation>値に改行が含まれています</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>LineOpening</name>
    <message>
        <source>The device is not there: was the adapter unplugged?</source>
        <translation>デバイスが見つかりません。アダプターが取り外されていませんか？</translation>
    </message>
    <message>
        <source>Your user may need to be in the group that owns the device (often &quot;dialout&quot;); log in again after joining it.</source>
        <translation>ユーザーをデバイスの所有グループ（多くの場合「dialout」）に追加する必要があるかもしれません。追加した後、ログインし直してください。</translation>
    </message>
    <message>
        <source>Another program has the port open.</source>
        <translation>別のプログラムがポートを開いています。</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Log of the exchange</source>
        <translation>通信ログ</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>ログをクリア</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>ログを保存</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>テキストファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*</translation>
    </message>
    <message>
        <source>The log could not be saved.</source>
        <translation>ログを保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>ビットマップを開く</translation>
    </message>
    <message>
        <source>Save bitmap</source>
        <translation>ビットマップを保存</translation>
    </message>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>ビットマップファイル (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Comport settings</source>
        <translation>COM ポートの設定</translation>
    </message>
    <message>
        <source>Timings</source>
        <translation>タイミング</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>ログを記録</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>このシステムでは COM ポートが検出されませんでした。</translation>
    </message>
    <message>
        <source>Program will terminate.</source>
        <translation>プログラムを終了します。</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>設定を保存できませんでした。</translation>
    </message>
    <message>
        <source>%1.%2 build %3</source>
        <extracomment>The full version, e.g. &quot;0.1.1 build 5&quot;: major.minor, then release and build</extracomment>
        <translation>%1.%2 ビルド %3</translation>
    </message>
</context>
<context>
    <name>PictureIo</name>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>%1 に書き込む画像がありません。</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>ファイルが存在しません。</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>画像 %1 を開けません: %2</translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Copy picture</source>
        <translation>画像をコピー</translation>
    </message>
    <message>
        <source>Copy printable picture</source>
        <translation>印刷用の画像をコピー</translation>
    </message>
    <message>
        <source>Save as PNG...</source>
        <translation>PNG 形式で保存...</translation>
    </message>
    <message>
        <source>Save each picture to a folder...</source>
        <translation>画像を毎回フォルダーに保存...</translation>
    </message>
    <message>
        <source>Stop saving each picture</source>
        <translation>画像の毎回保存を停止</translation>
    </message>
    <message>
        <source>PNG files (*.png)|*.png</source>
        <translation>PNG ファイル (*.png)|*.png</translation>
    </message>
    <message>
        <source>Captures...</source>
        <translation>キャプチャ...</translation>
    </message>
    <message>
        <source>Add to captures</source>
        <translation>キャプチャに追加</translation>
    </message>
</context>
<context>
    <name>PictureView</name>
    <message>
        <source>Download state</source>
        <translation>取り込みの状態</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 x %n pixels</source>
        <extracomment>The picture&apos;s name for a screen reader: what it shows, then its width x height; the plural form follows the height, the number the word stands after</extracomment>
        <translation>
            <numerusform>%1、%2 × %n ピクセル</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty screen</source>
        <translation>空の画面</translation>
    </message>
    <message>
        <source>How to start the transfer on the instrument</source>
        <translation>測定器で転送を開始する方法</translation>
    </message>
    <message>
        <source>The picture could not be loaded.</source>
        <translation>画像を開けませんでした。</translation>
    </message>
    <message>
        <source>Picture from a file</source>
        <translation>ファイルからの画像</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>画像を保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>COM settings</source>
        <translation>COM ポートの設定</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> 設定 </translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>ボーレート</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>データビット</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>ストップビット</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>パリティ</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>フロー制御</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <extracomment>Parity of the serial line</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇数</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶数</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>マーク</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <extracomment>Flow control of the serial line</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>ソフトウェア</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>ハードウェア</translation>
    </message>
</context>
<context>
    <name>QtSerialLine</name>
    <message>
        <source>locked by another program</source>
        <translation>別のプログラムがロックしています</translation>
    </message>
</context>
<context>
    <name>ReceivedPicture</name>
    <message>
        <source>Its header states %1 bytes; %2 bytes arrived.</source>
        <translation>ヘッダーには %1 バイトと記載されていますが、受信したのは %2 バイトです。</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>open</source>
        <translation>オープン</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>クローズ</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>回線の設定</translation>
    </message>
    <message>
        <source>Port state</source>
        <translation>ポートの状態</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The status bar: %1 how the download ended (e.g. &quot;Received 38 KB&quot;), %2 what became of the picture saved into the folder (e.g. &quot;Saved DSO_2026-01-31_14-05-09.png&quot;)</extracomment>
        <translation>%1。%2</translation>
    </message>
</context>
<context>
    <name>SysfsSerialPorts</name>
    <message>
        <source>serial number %1</source>
        <translation>シリアル番号 %1</translation>
    </message>
</context>
<context>
    <name>TimingsDialog</name>
    <message>
        <source>Timings</source>
        <translation>タイミング</translation>
    </message>
    <message>
        <source>Transfer start timeout</source>
        <translation>転送開始のタイムアウト</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>This is the time you have to press the buttons on your DSO to start transfer.</source>
        <extracomment>DSO: the instrument, a digital storage oscilloscope</extracomment>
        <translation>オシロスコープのボタンを押して転送を開始するまでの待ち時間です。</translation>
    </message>
    <message>
        <source>Rx delay</source>
        <translation>Rx 遅延</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>ミリ秒</translation>
    </message>
    <message>
        <source>Here you set an additional delay between request and buffer reading. You should increase it on fast systems.</source>
        <translation>要求からバッファー読み取りまでの追加の遅延を設定します。高速なシステムでは大きくしてください。</translation>
    </message>
    <message>
        <source>NAK delay</source>
        <translation>NAK 遅延</translation>
    </message>
    <message>
        <source>Transfer errors are answered by sending NAKs. Sometimes it helps, to have a little delay here.</source>
        <translation>転送エラーには NAK を送って応答します。ここで少し遅延を入れると改善する場合があります。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>WaitingPicture</name>
    <message>
        <source>Press &quot;OK&quot; to set your DSO to HOLD mode</source>
        <extracomment>The first of two numbered steps on the picture shown while a download waits for the instrument. OK and HOLD are the instrument&apos;s key names, as printed on it: keep them as they are, in Latin capitals. The DSO is the instrument, a digital storage oscilloscope. Quotation marks as your language sets them.</extracomment>
        <translation>「OK」を押して、オシロスコープを HOLD モードにします</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <extracomment>The second step on that picture. LEVEL is the instrument&apos;s key name, as printed on it: keep it as it is, in Latin capitals. The instructions are those the instrument then shows.</extracomment>
        <translation>「LEVEL」を押して、表示される指示に従います</translation>
    </message>
    <message>
        <source>Press &quot;OK&quot; to set your DSO to HOLD mode</source>
        <comment>128x64</comment>
        <extracomment>The first step on the smallest picture, 128 x 64 pixels, where four short lines hold both steps: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). OK and HOLD are the instrument&apos;s key names: keep them. The DSO is the instrument.</extracomment>
        <translation>「OK」を押して HOLD モードにします</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <comment>128x64</comment>
        <extracomment>The second step on the smallest picture, 128 x 64 pixels: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). LEVEL is the instrument&apos;s key name: keep it.</extracomment>
        <translation>「LEVEL」を押して指示に従います</translation>
    </message>
</context>
<context>
    <name>WinSerialLine</name>
    <message>
        <source>system error %1</source>
        <translation>システムエラー %1</translation>
    </message>
</context>
</TS>
