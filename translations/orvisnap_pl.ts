<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>The makers of the DSOs,
for XModem screen dumps.</source>
        <extracomment>The About card&apos;s first thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>producentów oscyloskopów DSO,
za zrzuty ekranu przez XModem.</translation>
    </message>
    <message>
        <source>Everyone who tested early
versions and reported bugs.</source>
        <extracomment>The About card&apos;s second thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>wszystkich, którzy testowali
wczesne wersje i zgłaszali błędy.</translation>
    </message>
    <message>
        <source>Idea &amp; Realization</source>
        <translation>Pomysł &amp; realizacja</translation>
    </message>
    <message>
        <source>The Orvisnap developers</source>
        <translation>Twórcy programu Orvisnap</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Szczególne podziękowania dla:</translation>
    </message>
    <message>
        <source>First release</source>
        <translation>Pierwsze wydanie</translation>
    </message>
    <message>
        <source>June, 2010</source>
        <translation>Czerwiec 2010</translation>
    </message>
    <message>
        <source>About Orvisnap</source>
        <translation>O programie Orvisnap</translation>
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
        <translation>Zapisuj każdy obraz w folderze</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Zapisano %1</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nie zapisano: %1</translation>
    </message>
</context>
<context>
    <name>BmpHeader</name>
    <message>
        <source>%1 is too short for a colour table.</source>
        <translation>Plik %1 jest za krótki, by zawierać tablicę kolorów.</translation>
    </message>
</context>
<context>
    <name>CaptureKeeper</name>
    <message>
        <source>Captures are turned off: [Captures] Keep=0 in the settings file.</source>
        <translation>Zrzuty są wyłączone: [Captures] Keep=0 w pliku ustawień.</translation>
    </message>
    <message>
        <source>Not kept in the captures: %1</source>
        <translation>Nie dodano do zrzutów: %1</translation>
    </message>
    <message>
        <source>Added to the captures as %1</source>
        <translation>Dodano do zrzutów jako %1</translation>
    </message>
</context>
<context>
    <name>CapturePort</name>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>Nie wykryto w systemie żadnych portów COM.</translation>
    </message>
</context>
<context>
    <name>CaptureStore</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>Brak obrazu do zapisania w %1.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>%1 is no readable picture.</source>
        <translation>Plik %1 nie jest czytelnym obrazem.</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Nie można usunąć %1: %2</translation>
    </message>
    <message>
        <source>Every free name was taken.</source>
        <translation>Wszystkie wolne nazwy były już zajęte.</translation>
    </message>
    <message>
        <source>%1 is no readable picture and was skipped.</source>
        <extracomment>A file in the captures folder named as a kept picture, but cut short or no PNG.</extracomment>
        <translation>Plik %1 nie jest czytelnym obrazem i został pominięty.</translation>
    </message>
</context>
<context>
    <name>CapturesWindow</name>
    <message>
        <source>Captures</source>
        <translation>Zrzuty</translation>
    </message>
    <message>
        <source>Kept pictures</source>
        <translation>Zachowane obrazy</translation>
    </message>
    <message>
        <source>A note on this picture</source>
        <translation>Notatka do tego obrazu</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Show in main window</source>
        <translation>Pokaż w oknie głównym</translation>
    </message>
    <message>
        <source>Save as BMP...</source>
        <translation>Zapisz jako BMP...</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Edytuj notatkę</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porównaj</translation>
    </message>
    <message numerus="yes">
        <source>Kept pictures: %n, in %1</source>
        <extracomment>The captures window&apos;s status bar: %n how many pictures are kept, %1 their folder</extracomment>
        <translation>
            <numerusform>Zachowane obrazy: %n, w %1</numerusform>
            <numerusform>Zachowane obrazy: %n, w %1</numerusform>
            <numerusform>Zachowane obrazy: %n, w %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture kept at %1</source>
        <extracomment>A kept picture shown again, for a screen reader: %1 its time</extracomment>
        <translation>Zachowany obraz z %1</translation>
    </message>
    <message>
        <source>The picture could not be deleted.</source>
        <translation>Nie można usunąć obrazu.</translation>
    </message>
    <message>
        <source>The note could not be saved.</source>
        <translation>Nie można zapisać notatki.</translation>
    </message>
</context>
<context>
    <name>ComPortList</name>
    <message>
        <source>COM%1 is not among the detected ports.</source>
        <translation>Portu COM%1 nie ma wśród wykrytych portów.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare pictures</source>
        <translation>Porównanie obrazów</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Obok siebie</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Miganie</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Różnica</translation>
    </message>
    <message>
        <source>Rate:</source>
        <extracomment>Beside the number of pictures shown each second while two blink</extracomment>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source> per second</source>
        <extracomment>After the blink rate&apos;s number: pictures shown each second</extracomment>
        <translation> na sekundę</translation>
    </message>
    <message>
        <source>Space pauses</source>
        <translation>Spacja: pauza</translation>
    </message>
    <message>
        <source>The pictures are the same.</source>
        <translation>Obrazy są takie same.</translation>
    </message>
    <message numerus="yes">
        <source>Pixels that differ: %n</source>
        <translation>
            <numerusform>Różniące się piksele: %n</numerusform>
            <numerusform>Różniące się piksele: %n</numerusform>
            <numerusform>Różniące się piksele: %n</numerusform>
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
        <translation>Pobierz z DSO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation>Odbieranie danych...</translation>
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
        <translation>Odebrane bajty zachowano w pliku %1.</translation>
    </message>
    <message>
        <source>Screen of the instrument</source>
        <translation>Ekran przyrządu</translation>
    </message>
</context>
<context>
    <name>EndingMessages</name>
    <message>
        <source>Error while opening COM port.</source>
        <translation>Błąd podczas otwierania portu COM.</translation>
    </message>
    <message>
        <source>The working file could not be written.</source>
        <translation>Nie można zapisać pliku roboczego.</translation>
    </message>
    <message>
        <source>No transfer from %1 within %2 s.</source>
        <extracomment>%1: the serial device, %2: the start time-out in seconds</extracomment>
        <translation>Brak transmisji z %1 w ciągu %2 s.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <extracomment>%1: the serial port or device, e.g. COM3 or /dev/ttyUSB0</extracomment>
        <translation>Utracono połączenie z %1.</translation>
    </message>
    <message>
        <source>The instrument was still sending an earlier picture. Start the transfer on the instrument again.</source>
        <translation>Przyrząd wciąż wysyłał poprzedni obraz. Ponownie uruchom transmisję na przyrządzie.</translation>
    </message>
    <message>
        <source>A block was lost on the line: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>Na linii utracono blok: obraz jest niekompletny. Ponownie uruchom transmisję na przyrządzie.</translation>
    </message>
    <message>
        <source>The received file is not a valid BMP picture.</source>
        <translation>Odebrany plik nie jest prawidłowym obrazem BMP.</translation>
    </message>
    <message>
        <source>Received, but not a picture</source>
        <translation>Odebrano, ale to nie obraz</translation>
    </message>
    <message>
        <source>No transfer within %1 s</source>
        <extracomment>%1: whole seconds waited</extracomment>
        <translation>Brak transmisji w ciągu %1 s</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Line lost</source>
        <translation>Utracono połączenie</translation>
    </message>
    <message>
        <source>Port not opened</source>
        <translation>Nie otwarto portu</translation>
    </message>
    <message>
        <source>Working file not written</source>
        <translation>Nie zapisano pliku roboczego</translation>
    </message>
    <message>
        <source>Earlier transfer cancelled</source>
        <translation>Anulowano poprzednią transmisję</translation>
    </message>
    <message>
        <source>Block lost, picture not kept</source>
        <translation>Utracono blok, obraz odrzucony</translation>
    </message>
    <message>
        <source>Received %1 KB</source>
        <extracomment>The status bar after a download; %1 is the picture&apos;s size in whole kilobytes</extracomment>
        <translation>Odebrano %1 KB</translation>
    </message>
    <message>
        <source>Cancelled by the instrument</source>
        <translation>Anulowane przez przyrząd</translation>
    </message>
    <message>
        <source>The instrument cancelled the transfer.</source>
        <translation>Przyrząd anulował transmisję.</translation>
    </message>
    <message>
        <source>Instrument stopped sending</source>
        <translation>Przyrząd przestał wysyłać</translation>
    </message>
    <message>
        <source>The instrument stopped sending: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>Przyrząd przestał wysyłać: obraz jest niekompletny. Ponownie uruchom transmisję na przyrządzie.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>Pliki bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Pliki tekstowe (*.txt)|*.txt|Wszystkie pliki (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>FileHelpers</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>invalid section name</source>
        <translation>nieprawidłowa nazwa sekcji</translation>
    </message>
    <message>
        <source>invalid key name</source>
        <translation>nieprawidłowa nazwa klucza</translation>
    </message>
    <message>
        <source>line break in value</source>
        <translation>znak końca wiersza w wartości</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>LineOpening</name>
    <message>
        <source>The device is not there: was the adapter unplugged?</source>
        <translation>Brak urządzenia: czy adapter został odłączony?</translation>
    </message>
    <message>
        <source>Your user may need to be in the group that owns the device (often &quot;dialout&quot;); log in again after joining it.</source>
        <translation>Konto użytkownika może wymagać przynależności do grupy będącej właścicielem urządzenia (często „dialout”); po dodaniu do grupy zaloguj się ponownie.</translation>
    </message>
    <message>
        <source>Another program has the port open.</source>
        <translation>Port jest otwarty przez inny program.</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Log of the exchange</source>
        <translation>Dziennik wymiany danych</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Wyczyść dziennik</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Zapisz dziennik</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Pliki tekstowe (*.txt)|*.txt|Wszystkie pliki (*.*)|*.*</translation>
    </message>
    <message>
        <source>The log could not be saved.</source>
        <translation>Nie można zapisać dziennika.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Wczytaj bitmapę</translation>
    </message>
    <message>
        <source>Save bitmap</source>
        <translation>Zapisz bitmapę</translation>
    </message>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>Pliki bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Comport settings</source>
        <translation>Ustawienia portu COM</translation>
    </message>
    <message>
        <source>Timings</source>
        <translation>Parametry czasowe</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Rejestrowanie wymiany danych</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>Nie wykryto w systemie żadnych portów COM.</translation>
    </message>
    <message>
        <source>Program will terminate.</source>
        <translation>Program zostanie zamknięty.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Nie można zapisać ustawień.</translation>
    </message>
    <message>
        <source>%1.%2 build %3</source>
        <extracomment>The full version, e.g. &quot;0.1.1 build 5&quot;: major.minor, then release and build</extracomment>
        <translation>%1.%2 kompilacja %3</translation>
    </message>
</context>
<context>
    <name>PictureIo</name>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>Brak obrazu do zapisania w %1.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>Nie można wczytać %1: %2</translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Copy picture</source>
        <translation>Kopiuj obraz</translation>
    </message>
    <message>
        <source>Copy printable picture</source>
        <translation>Kopiuj obraz do druku</translation>
    </message>
    <message>
        <source>Save as PNG...</source>
        <translation>Zapisz jako PNG...</translation>
    </message>
    <message>
        <source>Save each picture to a folder...</source>
        <translation>Zapisuj każdy obraz w folderze...</translation>
    </message>
    <message>
        <source>Stop saving each picture</source>
        <translation>Przestań zapisywać każdy obraz</translation>
    </message>
    <message>
        <source>PNG files (*.png)|*.png</source>
        <translation>Pliki PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>Captures...</source>
        <translation>Zrzuty...</translation>
    </message>
    <message>
        <source>Add to captures</source>
        <translation>Dodaj do zrzutów</translation>
    </message>
</context>
<context>
    <name>PictureView</name>
    <message>
        <source>Download state</source>
        <translation>Stan pobierania</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 x %n pixels</source>
        <extracomment>The picture&apos;s name for a screen reader: what it shows, then its width x height; the plural form follows the height, the number the word stands after</extracomment>
        <translation>
            <numerusform>%1, %2 x %n piksel</numerusform>
            <numerusform>%1, %2 x %n piksele</numerusform>
            <numerusform>%1, %2 x %n pikseli</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty screen</source>
        <translation>Pusty ekran</translation>
    </message>
    <message>
        <source>How to start the transfer on the instrument</source>
        <translation>Jak uruchomić transmisję na przyrządzie</translation>
    </message>
    <message>
        <source>The picture could not be loaded.</source>
        <translation>Nie można wczytać obrazu.</translation>
    </message>
    <message>
        <source>Picture from a file</source>
        <translation>Obraz z pliku</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>Nie można zapisać obrazu.</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>COM settings</source>
        <translation>Ustawienia COM</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> Ustawienia </translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Prędkość transmisji</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Bity danych</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Bity stopu</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parzystość</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Sterowanie przepływem</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <extracomment>Parity of the serial line</extracomment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Nieparzysta</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Parzysta</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Znacznik</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Odstęp</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <extracomment>Flow control of the serial line</extracomment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Programowe</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Sprzętowe</translation>
    </message>
</context>
<context>
    <name>QtSerialLine</name>
    <message>
        <source>locked by another program</source>
        <translation>zablokowany przez inny program</translation>
    </message>
</context>
<context>
    <name>ReceivedPicture</name>
    <message>
        <source>Its header states %1 bytes; %2 bytes arrived.</source>
        <translation>Według nagłówka rozmiar wynosi %1 B; odebrano %2 B.</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>open</source>
        <translation>otwarty</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>zamknięty</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>Ustawienia linii</translation>
    </message>
    <message>
        <source>Port state</source>
        <translation>Stan portu</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
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
        <translation>numer seryjny %1</translation>
    </message>
</context>
<context>
    <name>TimingsDialog</name>
    <message>
        <source>Timings</source>
        <translation>Parametry czasowe</translation>
    </message>
    <message>
        <source>Transfer start timeout</source>
        <translation>Limit czasu na rozpoczęcie transmisji</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>s</translation>
    </message>
    <message>
        <source>This is the time you have to press the buttons on your DSO to start transfer.</source>
        <extracomment>DSO: the instrument, a digital storage oscilloscope</extracomment>
        <translation>Tyle masz czasu na naciśnięcie przycisków DSO, by rozpocząć transmisję.</translation>
    </message>
    <message>
        <source>Rx delay</source>
        <translation>Opóźnienie Rx</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Here you set an additional delay between request and buffer reading. You should increase it on fast systems.</source>
        <translation>Tu ustawia się dodatkowe opóźnienie między żądaniem a odczytem bufora. W szybkich systemach warto je zwiększyć.</translation>
    </message>
    <message>
        <source>NAK delay</source>
        <translation>Opóźnienie NAK</translation>
    </message>
    <message>
        <source>Transfer errors are answered by sending NAKs. Sometimes it helps, to have a little delay here.</source>
        <translation>Na błędy transmisji program odpowiada, wysyłając NAK. Czasem pomaga tu niewielkie opóźnienie.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Naciśnij „OK”, aby przełączyć DSO w tryb HOLD</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <extracomment>The second step on that picture. LEVEL is the instrument&apos;s key name, as printed on it: keep it as it is, in Latin capitals. The instructions are those the instrument then shows.</extracomment>
        <translation>Naciśnij „LEVEL” i postępuj zgodnie z instrukcjami</translation>
    </message>
    <message>
        <source>Press &quot;OK&quot; to set your DSO to HOLD mode</source>
        <comment>128x64</comment>
        <extracomment>The first step on the smallest picture, 128 x 64 pixels, where four short lines hold both steps: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). OK and HOLD are the instrument&apos;s key names: keep them. The DSO is the instrument.</extracomment>
        <translation>Naciśnij „OK”: DSO w tryb HOLD</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <comment>128x64</comment>
        <extracomment>The second step on the smallest picture, 128 x 64 pixels: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). LEVEL is the instrument&apos;s key name: keep it.</extracomment>
        <translation>Naciśnij „LEVEL” i wykonaj polecenia</translation>
    </message>
</context>
<context>
    <name>WinSerialLine</name>
    <message>
        <source>system error %1</source>
        <translation>błąd systemowy %1</translation>
    </message>
</context>
</TS>
