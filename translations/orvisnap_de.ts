<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>The makers of the DSOs,
for XModem screen dumps.</source>
        <extracomment>The About card&apos;s first thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>Die Hersteller der DSOs,
für Bildschirmkopien per XModem.</translation>
    </message>
    <message>
        <source>Everyone who tested early
versions and reported bugs.</source>
        <extracomment>The About card&apos;s second thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>Alle, die frühe Versionen
getestet und Fehler gemeldet haben.</translation>
    </message>
    <message>
        <source>Idea &amp; Realization</source>
        <translation>Idee &amp; Umsetzung</translation>
    </message>
    <message>
        <source>The Orvisnap developers</source>
        <translation>Die Orvisnap-Entwickler</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Besonderer Dank an:</translation>
    </message>
    <message>
        <source>First release</source>
        <translation>Erste Version</translation>
    </message>
    <message>
        <source>June, 2010</source>
        <translation>Juni 2010</translation>
    </message>
    <message>
        <source>About Orvisnap</source>
        <translation>Über Orvisnap</translation>
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
        <translation>Jedes Bild in einem Ordner speichern</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>BmpHeader</name>
    <message>
        <source>%1 is too short for a colour table.</source>
        <translation>%1 ist zu kurz für eine Farbtabelle.</translation>
    </message>
</context>
<context>
    <name>CaptureKeeper</name>
    <message>
        <source>Captures are turned off: [Captures] Keep=0 in the settings file.</source>
        <translation>Aufnahmen sind ausgeschaltet: [Captures] Keep=0 in der Einstellungsdatei.</translation>
    </message>
    <message>
        <source>Not kept in the captures: %1</source>
        <translation>Nicht in die Aufnahmen übernommen: %1</translation>
    </message>
    <message>
        <source>Added to the captures as %1</source>
        <translation>Als %1 zu den Aufnahmen hinzugefügt</translation>
    </message>
</context>
<context>
    <name>CapturePort</name>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>Auf Ihrem System wurden keine COM-Ports erkannt.</translation>
    </message>
</context>
<context>
    <name>CaptureStore</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>Es ist kein Bild vorhanden, das in %1 geschrieben werden kann.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 is no readable picture.</source>
        <translation>%1 ist kein lesbares Bild.</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>%1 kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>Every free name was taken.</source>
        <translation>Alle freien Namen waren bereits vergeben.</translation>
    </message>
    <message>
        <source>%1 is no readable picture and was skipped.</source>
        <extracomment>A file in the captures folder named as a kept picture, but cut short or no PNG.</extracomment>
        <translation>%1 ist kein lesbares Bild und wurde übersprungen.</translation>
    </message>
</context>
<context>
    <name>CapturesWindow</name>
    <message>
        <source>Captures</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>Kept pictures</source>
        <translation>Aufbewahrte Bilder</translation>
    </message>
    <message>
        <source>A note on this picture</source>
        <translation>Eine Notiz zu diesem Bild</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Show in main window</source>
        <translation>Im Hauptfenster anzeigen</translation>
    </message>
    <message>
        <source>Save as BMP...</source>
        <translation>Als BMP speichern...</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Notiz bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message numerus="yes">
        <source>Kept pictures: %n, in %1</source>
        <extracomment>The captures window&apos;s status bar: %n how many pictures are kept, %1 their folder</extracomment>
        <translation>
            <numerusform>Aufbewahrte Bilder: %n, in %1</numerusform>
            <numerusform>Aufbewahrte Bilder: %n, in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture kept at %1</source>
        <extracomment>A kept picture shown again, for a screen reader: %1 its time</extracomment>
        <translation>Aufbewahrtes Bild vom %1</translation>
    </message>
    <message>
        <source>The picture could not be deleted.</source>
        <translation>Das Bild konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The note could not be saved.</source>
        <translation>Die Notiz konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>ComPortList</name>
    <message>
        <source>COM%1 is not among the detected ports.</source>
        <translation>COM%1 ist nicht unter den erkannten Ports.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare pictures</source>
        <translation>Bilder vergleichen</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Blinken</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Rate:</source>
        <extracomment>Beside the number of pictures shown each second while two blink</extracomment>
        <translation>Wechsel:</translation>
    </message>
    <message>
        <source> per second</source>
        <extracomment>After the blink rate&apos;s number: pictures shown each second</extracomment>
        <translation> pro Sekunde</translation>
    </message>
    <message>
        <source>Space pauses</source>
        <translation>Leertaste: Pause</translation>
    </message>
    <message>
        <source>The pictures are the same.</source>
        <translation>Die Bilder sind gleich.</translation>
    </message>
    <message numerus="yes">
        <source>Pixels that differ: %n</source>
        <translation>
            <numerusform>Abweichende Pixel: %n</numerusform>
            <numerusform>Abweichende Pixel: %n</numerusform>
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
        <translation>Download vom DSO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation>Daten werden empfangen...</translation>
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
        <translation>Die empfangenen Bytes bleiben in %1 erhalten.</translation>
    </message>
    <message>
        <source>Screen of the instrument</source>
        <translation>Bildschirm des Messgeräts</translation>
    </message>
</context>
<context>
    <name>EndingMessages</name>
    <message>
        <source>Error while opening COM port.</source>
        <translation>Fehler beim Öffnen des COM-Ports.</translation>
    </message>
    <message>
        <source>The working file could not be written.</source>
        <translation>Die Arbeitsdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No transfer from %1 within %2 s.</source>
        <extracomment>%1: the serial device, %2: the start time-out in seconds</extracomment>
        <translation>Keine Übertragung von %1 innerhalb von %2 s.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <extracomment>%1: the serial port or device, e.g. COM3 or /dev/ttyUSB0</extracomment>
        <translation>Die Verbindung zu %1 wurde unterbrochen.</translation>
    </message>
    <message>
        <source>The instrument was still sending an earlier picture. Start the transfer on the instrument again.</source>
        <translation>Das Messgerät sendete noch ein früheres Bild. Starten Sie die Übertragung am Messgerät erneut.</translation>
    </message>
    <message>
        <source>A block was lost on the line: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>Auf der Leitung ist ein Block verloren gegangen: Das Bild ist unvollständig. Starten Sie die Übertragung am Messgerät erneut.</translation>
    </message>
    <message>
        <source>The received file is not a valid BMP picture.</source>
        <translation>Die empfangene Datei ist kein gültiges BMP-Bild.</translation>
    </message>
    <message>
        <source>Received, but not a picture</source>
        <translation>Empfangen, aber kein Bild</translation>
    </message>
    <message>
        <source>No transfer within %1 s</source>
        <extracomment>%1: whole seconds waited</extracomment>
        <translation>Keine Übertragung innerhalb von %1 s</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Line lost</source>
        <translation>Verbindung unterbrochen</translation>
    </message>
    <message>
        <source>Port not opened</source>
        <translation>Port nicht geöffnet</translation>
    </message>
    <message>
        <source>Working file not written</source>
        <translation>Arbeitsdatei nicht geschrieben</translation>
    </message>
    <message>
        <source>Earlier transfer cancelled</source>
        <translation>Frühere Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>Block lost, picture not kept</source>
        <translation>Block verloren, Bild verworfen</translation>
    </message>
    <message>
        <source>Received %1 KB</source>
        <extracomment>The status bar after a download; %1 is the picture&apos;s size in whole kilobytes</extracomment>
        <translation>%1 KB empfangen</translation>
    </message>
    <message>
        <source>Cancelled by the instrument</source>
        <translation>Vom Messgerät abgebrochen</translation>
    </message>
    <message>
        <source>The instrument cancelled the transfer.</source>
        <translation>Das Messgerät hat die Übertragung abgebrochen.</translation>
    </message>
    <message>
        <source>Instrument stopped sending</source>
        <translation>Messgerät sendet nicht mehr</translation>
    </message>
    <message>
        <source>The instrument stopped sending: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>Das Messgerät sendet nicht mehr: Das Bild ist unvollständig. Starten Sie die Übertragung am Messgerät erneut.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>Bitmap-Dateien (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>FileHelpers</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>invalid section name</source>
        <translation>ungültiger Abschnittsname</translation>
    </message>
    <message>
        <source>invalid key name</source>
        <translation>ungültiger Schlüsselname</translation>
    </message>
    <message>
        <source>line break in value</source>
        <translation>Zeilenumbruch im Wert</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>LineOpening</name>
    <message>
        <source>The device is not there: was the adapter unplugged?</source>
        <translation>Das Gerät ist nicht vorhanden: Wurde der Adapter abgezogen?</translation>
    </message>
    <message>
        <source>Your user may need to be in the group that owns the device (often &quot;dialout&quot;); log in again after joining it.</source>
        <translation>Ihr Benutzerkonto muss eventuell Mitglied der Gruppe sein, der das Gerät gehört (oft „dialout“); melden Sie sich nach dem Beitritt neu an.</translation>
    </message>
    <message>
        <source>Another program has the port open.</source>
        <translation>Ein anderes Programm hat den Port geöffnet.</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Log of the exchange</source>
        <translation>Protokoll des Datenaustauschs</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Protokoll leeren</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>The log could not be saved.</source>
        <translation>Das Protokoll konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Bitmap laden</translation>
    </message>
    <message>
        <source>Save bitmap</source>
        <translation>Bitmap speichern</translation>
    </message>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>Bitmap-Dateien (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Comport settings</source>
        <translation>COM-Port-Einstellungen</translation>
    </message>
    <message>
        <source>Timings</source>
        <translation>Zeiteinstellungen</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Protokollierung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>Auf Ihrem System wurden keine COM-Ports erkannt.</translation>
    </message>
    <message>
        <source>Program will terminate.</source>
        <translation>Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1.%2 build %3</source>
        <extracomment>The full version, e.g. &quot;0.1.1 build 5&quot;: major.minor, then release and build</extracomment>
        <translation>%1.%2 Build %3</translation>
    </message>
</context>
<context>
    <name>PictureIo</name>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>Es ist kein Bild vorhanden, das in %1 geschrieben werden kann.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>%1 kann nicht geladen werden: %2</translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Copy printable picture</source>
        <translation>Bild für den Druck kopieren</translation>
    </message>
    <message>
        <source>Save as PNG...</source>
        <translation>Als PNG speichern...</translation>
    </message>
    <message>
        <source>Save each picture to a folder...</source>
        <translation>Jedes Bild in einem Ordner speichern...</translation>
    </message>
    <message>
        <source>Stop saving each picture</source>
        <translation>Nicht mehr jedes Bild speichern</translation>
    </message>
    <message>
        <source>PNG files (*.png)|*.png</source>
        <translation>PNG-Dateien (*.png)|*.png</translation>
    </message>
    <message>
        <source>Captures...</source>
        <translation>Aufnahmen...</translation>
    </message>
    <message>
        <source>Add to captures</source>
        <translation>Zu den Aufnahmen hinzufügen</translation>
    </message>
</context>
<context>
    <name>PictureView</name>
    <message>
        <source>Download state</source>
        <translation>Download-Status</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 x %n pixels</source>
        <extracomment>The picture&apos;s name for a screen reader: what it shows, then its width x height; the plural form follows the height, the number the word stands after</extracomment>
        <translation>
            <numerusform>%1, %2 x %n Pixel</numerusform>
            <numerusform>%1, %2 x %n Pixel</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty screen</source>
        <translation>Leerer Bildschirm</translation>
    </message>
    <message>
        <source>How to start the transfer on the instrument</source>
        <translation>So starten Sie die Übertragung am Messgerät</translation>
    </message>
    <message>
        <source>The picture could not be loaded.</source>
        <translation>Das Bild konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Picture from a file</source>
        <translation>Bild aus einer Datei</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>Das Bild konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>COM settings</source>
        <translation>COM-Einstellungen</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> Einstellungen </translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Flusssteuerung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <extracomment>Parity of the serial line</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <extracomment>Flow control of the serial line</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
</context>
<context>
    <name>QtSerialLine</name>
    <message>
        <source>locked by another program</source>
        <translation>von einem anderen Programm gesperrt</translation>
    </message>
</context>
<context>
    <name>ReceivedPicture</name>
    <message>
        <source>Its header states %1 bytes; %2 bytes arrived.</source>
        <translation>Der Dateikopf gibt %1 Bytes an; angekommen sind %2 Bytes.</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>open</source>
        <translation>geöffnet</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>Verbindungsparameter</translation>
    </message>
    <message>
        <source>Port state</source>
        <translation>Port-Status</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The status bar: %1 how the download ended (e.g. &quot;Received 38 KB&quot;), %2 what became of the picture saved into the folder (e.g. &quot;Saved DSO_2026-01-31_14-05-09.png&quot;)</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>SysfsSerialPorts</name>
    <message>
        <source>serial number %1</source>
        <translation>Seriennummer %1</translation>
    </message>
</context>
<context>
    <name>TimingsDialog</name>
    <message>
        <source>Timings</source>
        <translation>Zeiteinstellungen</translation>
    </message>
    <message>
        <source>Transfer start timeout</source>
        <translation>Timeout für Übertragungsstart</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>This is the time you have to press the buttons on your DSO to start transfer.</source>
        <extracomment>DSO: the instrument, a digital storage oscilloscope</extracomment>
        <translation>So lange haben Sie Zeit, die Übertragung am DSO per Tastendruck zu starten.</translation>
    </message>
    <message>
        <source>Rx delay</source>
        <translation>Rx-Verzögerung</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source>Here you set an additional delay between request and buffer reading. You should increase it on fast systems.</source>
        <translation>Hier stellen Sie eine zusätzliche Verzögerung zwischen Anforderung und Auslesen des Puffers ein. Auf schnellen Systemen sollten Sie sie erhöhen.</translation>
    </message>
    <message>
        <source>NAK delay</source>
        <translation>NAK-Verzögerung</translation>
    </message>
    <message>
        <source>Transfer errors are answered by sending NAKs. Sometimes it helps, to have a little delay here.</source>
        <translation>Auf Übertragungsfehler wird mit NAKs geantwortet. Manchmal hilft hier eine kleine Verzögerung.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>„OK“ drücken, um das DSO in den HOLD-Modus zu schalten</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <extracomment>The second step on that picture. LEVEL is the instrument&apos;s key name, as printed on it: keep it as it is, in Latin capitals. The instructions are those the instrument then shows.</extracomment>
        <translation>„LEVEL“ drücken und den Anweisungen folgen</translation>
    </message>
    <message>
        <source>Press &quot;OK&quot; to set your DSO to HOLD mode</source>
        <comment>128x64</comment>
        <extracomment>The first step on the smallest picture, 128 x 64 pixels, where four short lines hold both steps: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). OK and HOLD are the instrument&apos;s key names: keep them. The DSO is the instrument.</extracomment>
        <translation>„OK“ drücken: DSO auf HOLD stellen</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <comment>128x64</comment>
        <extracomment>The second step on the smallest picture, 128 x 64 pixels: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). LEVEL is the instrument&apos;s key name: keep it.</extracomment>
        <translation>„LEVEL“ drücken, Anweisungen folgen</translation>
    </message>
</context>
<context>
    <name>WinSerialLine</name>
    <message>
        <source>system error %1</source>
        <translation>Systemfehler %1</translation>
    </message>
</context>
</TS>
