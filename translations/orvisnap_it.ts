<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>The makers of the DSOs,
for XModem screen dumps.</source>
        <extracomment>The About card&apos;s first thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>Ai produttori dei DSO,
per le schermate via XModem.</translation>
    </message>
    <message>
        <source>Everyone who tested early
versions and reported bugs.</source>
        <extracomment>The About card&apos;s second thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>A chi ha provato le prime versioni
e segnalato errori.</translation>
    </message>
    <message>
        <source>Idea &amp; Realization</source>
        <translation>Idea &amp; realizzazione</translation>
    </message>
    <message>
        <source>The Orvisnap developers</source>
        <translation>Gli sviluppatori di Orvisnap</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Un ringraziamento speciale a:</translation>
    </message>
    <message>
        <source>First release</source>
        <translation>Prima versione</translation>
    </message>
    <message>
        <source>June, 2010</source>
        <translation>Giugno 2010</translation>
    </message>
    <message>
        <source>About Orvisnap</source>
        <translation>Informazioni su Orvisnap</translation>
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
        <translation>Salva ogni immagine in una cartella</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Salvato %1</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Non salvato: %1</translation>
    </message>
</context>
<context>
    <name>BmpHeader</name>
    <message>
        <source>%1 is too short for a colour table.</source>
        <translation>Il file %1 è troppo corto per contenere una tabella dei colori.</translation>
    </message>
</context>
<context>
    <name>CaptureKeeper</name>
    <message>
        <source>Captures are turned off: [Captures] Keep=0 in the settings file.</source>
        <translation>Le catture sono disattivate: [Captures] Keep=0 nel file delle impostazioni.</translation>
    </message>
    <message>
        <source>Not kept in the captures: %1</source>
        <translation>Immagine non conservata nelle catture: %1</translation>
    </message>
    <message>
        <source>Added to the captures as %1</source>
        <translation>Immagine aggiunta alle catture come %1</translation>
    </message>
</context>
<context>
    <name>CapturePort</name>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>Nessuna porta COM rilevata nel sistema.</translation>
    </message>
</context>
<context>
    <name>CaptureStore</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>Non c&apos;è alcuna immagine da scrivere in %1.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>%1 is no readable picture.</source>
        <translation>Il file %1 non è un&apos;immagine leggibile.</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Impossibile eliminare %1: %2</translation>
    </message>
    <message>
        <source>Every free name was taken.</source>
        <translation>Tutti i nomi liberi erano già occupati.</translation>
    </message>
    <message>
        <source>%1 is no readable picture and was skipped.</source>
        <extracomment>A file in the captures folder named as a kept picture, but cut short or no PNG.</extracomment>
        <translation>Il file %1 non è un&apos;immagine leggibile ed è stato ignorato.</translation>
    </message>
</context>
<context>
    <name>CapturesWindow</name>
    <message>
        <source>Captures</source>
        <translation>Catture</translation>
    </message>
    <message>
        <source>Kept pictures</source>
        <translation>Immagini conservate</translation>
    </message>
    <message>
        <source>A note on this picture</source>
        <translation>Una nota su questa immagine</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Show in main window</source>
        <translation>Mostra nella finestra principale</translation>
    </message>
    <message>
        <source>Save as BMP...</source>
        <translation>Salva come BMP...</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Modifica nota</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message numerus="yes">
        <source>Kept pictures: %n, in %1</source>
        <extracomment>The captures window&apos;s status bar: %n how many pictures are kept, %1 their folder</extracomment>
        <translation>
            <numerusform>Immagini conservate: %n, in %1</numerusform>
            <numerusform>Immagini conservate: %n, in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture kept at %1</source>
        <extracomment>A kept picture shown again, for a screen reader: %1 its time</extracomment>
        <translation>Immagine conservata il %1</translation>
    </message>
    <message>
        <source>The picture could not be deleted.</source>
        <translation>Impossibile eliminare l&apos;immagine.</translation>
    </message>
    <message>
        <source>The note could not be saved.</source>
        <translation>Impossibile salvare la nota.</translation>
    </message>
</context>
<context>
    <name>ComPortList</name>
    <message>
        <source>COM%1 is not among the detected ports.</source>
        <translation>COM%1 non è tra le porte rilevate.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare pictures</source>
        <translation>Confronta immagini</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Affiancate</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Lampeggio</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Rate:</source>
        <extracomment>Beside the number of pictures shown each second while two blink</extracomment>
        <translation>Frequenza:</translation>
    </message>
    <message>
        <source> per second</source>
        <extracomment>After the blink rate&apos;s number: pictures shown each second</extracomment>
        <translation> al secondo</translation>
    </message>
    <message>
        <source>Space pauses</source>
        <translation>Spazio: pausa</translation>
    </message>
    <message>
        <source>The pictures are the same.</source>
        <translation>Le immagini sono uguali.</translation>
    </message>
    <message numerus="yes">
        <source>Pixels that differ: %n</source>
        <translation>
            <numerusform>Pixel diversi: %n</numerusform>
            <numerusform>Pixel diversi: %n</numerusform>
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
        <translation>Scarica dal DSO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation>Ricezione dati...</translation>
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
        <translation>I byte ricevuti sono conservati in %1.</translation>
    </message>
    <message>
        <source>Screen of the instrument</source>
        <translation>Schermata dello strumento</translation>
    </message>
</context>
<context>
    <name>EndingMessages</name>
    <message>
        <source>Error while opening COM port.</source>
        <translation>Errore durante l&apos;apertura della porta COM.</translation>
    </message>
    <message>
        <source>The working file could not be written.</source>
        <translation>Impossibile scrivere il file di lavoro.</translation>
    </message>
    <message>
        <source>No transfer from %1 within %2 s.</source>
        <extracomment>%1: the serial device, %2: the start time-out in seconds</extracomment>
        <translation>Nessun trasferimento da %1 entro %2 s.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <extracomment>%1: the serial port or device, e.g. COM3 or /dev/ttyUSB0</extracomment>
        <translation>La connessione a %1 si è interrotta.</translation>
    </message>
    <message>
        <source>The instrument was still sending an earlier picture. Start the transfer on the instrument again.</source>
        <translation>Lo strumento stava ancora inviando un&apos;immagine precedente. Avviare di nuovo il trasferimento sullo strumento.</translation>
    </message>
    <message>
        <source>A block was lost on the line: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>Un blocco è andato perso sulla linea: l&apos;immagine è incompleta. Avviare di nuovo il trasferimento sullo strumento.</translation>
    </message>
    <message>
        <source>The received file is not a valid BMP picture.</source>
        <translation>Il file ricevuto non è un&apos;immagine BMP valida.</translation>
    </message>
    <message>
        <source>Received, but not a picture</source>
        <translation>Ricevuto, ma non è un&apos;immagine</translation>
    </message>
    <message>
        <source>No transfer within %1 s</source>
        <extracomment>%1: whole seconds waited</extracomment>
        <translation>Nessun trasferimento entro %1 s</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Line lost</source>
        <translation>Connessione interrotta</translation>
    </message>
    <message>
        <source>Port not opened</source>
        <translation>Porta non aperta</translation>
    </message>
    <message>
        <source>Working file not written</source>
        <translation>File di lavoro non scritto</translation>
    </message>
    <message>
        <source>Earlier transfer cancelled</source>
        <translation>Trasferimento precedente annullato</translation>
    </message>
    <message>
        <source>Block lost, picture not kept</source>
        <translation>Blocco perso, immagine scartata</translation>
    </message>
    <message>
        <source>Received %1 KB</source>
        <extracomment>The status bar after a download; %1 is the picture&apos;s size in whole kilobytes</extracomment>
        <translation>Ricevuti %1 KB</translation>
    </message>
    <message>
        <source>Cancelled by the instrument</source>
        <translation>Annullato dallo strumento</translation>
    </message>
    <message>
        <source>The instrument cancelled the transfer.</source>
        <translation>Lo strumento ha annullato il trasferimento.</translation>
    </message>
    <message>
        <source>Instrument stopped sending</source>
        <translation>Lo strumento ha smesso di inviare</translation>
    </message>
    <message>
        <source>The instrument stopped sending: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>Lo strumento ha smesso di inviare: l&apos;immagine è incompleta. Avviare di nuovo il trasferimento sullo strumento.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>File bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>File di testo (*.txt)|*.txt|Tutti i file (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>FileHelpers</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>invalid section name</source>
        <translation>nome di sezione non valido</translation>
    </message>
    <message>
        <source>invalid key name</source>
        <translation>nome di chiave non valido</translation>
    </message>
    <message>
        <source>line break in value</source>
        <translation>a capo nel valore</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>LineOpening</name>
    <message>
        <source>The device is not there: was the adapter unplugged?</source>
        <translation>Il dispositivo non è presente: l&apos;adattatore è stato scollegato?</translation>
    </message>
    <message>
        <source>Your user may need to be in the group that owns the device (often &quot;dialout&quot;); log in again after joining it.</source>
        <translation>L&apos;utente potrebbe dover far parte del gruppo proprietario del dispositivo (spesso &quot;dialout&quot;); dopo l&apos;aggiunta al gruppo, accedere di nuovo.</translation>
    </message>
    <message>
        <source>Another program has the port open.</source>
        <translation>La porta è aperta da un altro programma.</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Log of the exchange</source>
        <translation>Registro della comunicazione</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Cancella registro</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Salva registro</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>File di testo (*.txt)|*.txt|Tutti i file (*.*)|*.*</translation>
    </message>
    <message>
        <source>The log could not be saved.</source>
        <translation>Impossibile salvare il registro.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Carica bitmap</translation>
    </message>
    <message>
        <source>Save bitmap</source>
        <translation>Salva bitmap</translation>
    </message>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>File bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Comport settings</source>
        <translation>Impostazioni porta COM</translation>
    </message>
    <message>
        <source>Timings</source>
        <translation>Temporizzazioni</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>Nessuna porta COM rilevata nel sistema.</translation>
    </message>
    <message>
        <source>Program will terminate.</source>
        <translation>Il programma verrà chiuso.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Impossibile salvare le impostazioni.</translation>
    </message>
    <message>
        <source>%1.%2 build %3</source>
        <extracomment>The full version, e.g. &quot;0.1.1 build 5&quot;: major.minor, then release and build</extracomment>
        <translation>%1.%2 build %3</translation>
    </message>
</context>
<context>
    <name>PictureIo</name>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>Non c&apos;è alcuna immagine da scrivere in %1.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>Impossibile caricare %1: %2</translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Copy picture</source>
        <translation>Copia immagine</translation>
    </message>
    <message>
        <source>Copy printable picture</source>
        <translation>Copia immagine stampabile</translation>
    </message>
    <message>
        <source>Save as PNG...</source>
        <translation>Salva come PNG...</translation>
    </message>
    <message>
        <source>Save each picture to a folder...</source>
        <translation>Salva ogni immagine in una cartella...</translation>
    </message>
    <message>
        <source>Stop saving each picture</source>
        <translation>Interrompi il salvataggio di ogni immagine</translation>
    </message>
    <message>
        <source>PNG files (*.png)|*.png</source>
        <translation>File PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>Captures...</source>
        <translation>Catture...</translation>
    </message>
    <message>
        <source>Add to captures</source>
        <translation>Aggiungi alle catture</translation>
    </message>
</context>
<context>
    <name>PictureView</name>
    <message>
        <source>Download state</source>
        <translation>Stato dello scaricamento</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 x %n pixels</source>
        <extracomment>The picture&apos;s name for a screen reader: what it shows, then its width x height; the plural form follows the height, the number the word stands after</extracomment>
        <translation>
            <numerusform>%1, %2 x %n pixel</numerusform>
            <numerusform>%1, %2 x %n pixel</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty screen</source>
        <translation>Schermata vuota</translation>
    </message>
    <message>
        <source>How to start the transfer on the instrument</source>
        <translation>Come avviare il trasferimento sullo strumento</translation>
    </message>
    <message>
        <source>The picture could not be loaded.</source>
        <translation>Impossibile caricare l&apos;immagine.</translation>
    </message>
    <message>
        <source>Picture from a file</source>
        <translation>Immagine da file</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>Impossibile salvare l&apos;immagine.</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>COM settings</source>
        <translation>Impostazioni COM</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> Impostazioni </translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Velocità (baud)</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Bit di dati</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Bit di stop</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parità</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Controllo di flusso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <extracomment>Parity of the serial line</extracomment>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <extracomment>Flow control of the serial line</extracomment>
        <translation>Nessuna</translation>
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
        <translation>bloccata da un altro programma</translation>
    </message>
</context>
<context>
    <name>ReceivedPicture</name>
    <message>
        <source>Its header states %1 bytes; %2 bytes arrived.</source>
        <translation>L&apos;intestazione indica %1 byte; ne sono arrivati %2.</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>open</source>
        <translation>aperta</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>chiusa</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>Impostazioni della linea</translation>
    </message>
    <message>
        <source>Port state</source>
        <translation>Stato della porta</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
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
        <translation>numero di serie %1</translation>
    </message>
</context>
<context>
    <name>TimingsDialog</name>
    <message>
        <source>Timings</source>
        <translation>Temporizzazioni</translation>
    </message>
    <message>
        <source>Transfer start timeout</source>
        <translation>Timeout di avvio del trasferimento</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>This is the time you have to press the buttons on your DSO to start transfer.</source>
        <extracomment>DSO: the instrument, a digital storage oscilloscope</extracomment>
        <translation>È il tempo a disposizione per premere i tasti del DSO e avviare il trasferimento.</translation>
    </message>
    <message>
        <source>Rx delay</source>
        <translation>Ritardo Rx</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>millisecondi</translation>
    </message>
    <message>
        <source>Here you set an additional delay between request and buffer reading. You should increase it on fast systems.</source>
        <translation>Qui si imposta un ritardo aggiuntivo tra la richiesta e la lettura del buffer. Sui sistemi veloci conviene aumentarlo.</translation>
    </message>
    <message>
        <source>NAK delay</source>
        <translation>Ritardo NAK</translation>
    </message>
    <message>
        <source>Transfer errors are answered by sending NAKs. Sometimes it helps, to have a little delay here.</source>
        <translation>Agli errori di trasferimento si risponde inviando dei NAK. A volte è utile impostare qui un piccolo ritardo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Premere &quot;OK&quot; per mettere il DSO in modalità HOLD</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <extracomment>The second step on that picture. LEVEL is the instrument&apos;s key name, as printed on it: keep it as it is, in Latin capitals. The instructions are those the instrument then shows.</extracomment>
        <translation>Premere &quot;LEVEL&quot; e seguire le istruzioni</translation>
    </message>
    <message>
        <source>Press &quot;OK&quot; to set your DSO to HOLD mode</source>
        <comment>128x64</comment>
        <extracomment>The first step on the smallest picture, 128 x 64 pixels, where four short lines hold both steps: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). OK and HOLD are the instrument&apos;s key names: keep them. The DSO is the instrument.</extracomment>
        <translation>Premere &quot;OK&quot;: DSO in modalità HOLD</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <comment>128x64</comment>
        <extracomment>The second step on the smallest picture, 128 x 64 pixels: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). LEVEL is the instrument&apos;s key name: keep it.</extracomment>
        <translation>Premere &quot;LEVEL&quot; e seguire le istruzioni</translation>
    </message>
</context>
<context>
    <name>WinSerialLine</name>
    <message>
        <source>system error %1</source>
        <translation>errore di sistema %1</translation>
    </message>
</context>
</TS>
