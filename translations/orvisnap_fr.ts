<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>The makers of the DSOs,
for XModem screen dumps.</source>
        <extracomment>The About card&apos;s first thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>Aux fabricants des DSO,
pour les captures d&apos;écran XModem.</translation>
    </message>
    <message>
        <source>Everyone who tested early
versions and reported bugs.</source>
        <extracomment>The About card&apos;s second thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>À ceux qui ont testé les premières
versions et signalé des bogues.</translation>
    </message>
    <message>
        <source>Idea &amp; Realization</source>
        <translation>Idée &amp; réalisation</translation>
    </message>
    <message>
        <source>The Orvisnap developers</source>
        <translation>Les développeurs d&apos;Orvisnap</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Remerciements particuliers&#xa0;:</translation>
    </message>
    <message>
        <source>First release</source>
        <translation>Première version</translation>
    </message>
    <message>
        <source>June, 2010</source>
        <translation>Juin 2010</translation>
    </message>
    <message>
        <source>About Orvisnap</source>
        <translation>À propos d&apos;Orvisnap</translation>
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
        <translation>Enregistrer chaque image dans un dossier</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Non enregistré&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>BmpHeader</name>
    <message>
        <source>%1 is too short for a colour table.</source>
        <translation>Le fichier %1 est trop court pour contenir une table des couleurs.</translation>
    </message>
</context>
<context>
    <name>CaptureKeeper</name>
    <message>
        <source>Captures are turned off: [Captures] Keep=0 in the settings file.</source>
        <translation>Les captures sont désactivées&#xa0;: [Captures] Keep=0 dans le fichier de paramètres.</translation>
    </message>
    <message>
        <source>Not kept in the captures: %1</source>
        <translation>Image non conservée dans les captures&#xa0;: %1</translation>
    </message>
    <message>
        <source>Added to the captures as %1</source>
        <translation>Image ajoutée aux captures sous le nom %1</translation>
    </message>
</context>
<context>
    <name>CapturePort</name>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>Aucun port COM détecté sur votre système.</translation>
    </message>
</context>
<context>
    <name>CaptureStore</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>Aucune image à écrire dans %1.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>%1 is no readable picture.</source>
        <translation>Le fichier %1 n&apos;est pas une image lisible.</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Impossible de supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Every free name was taken.</source>
        <translation>Tous les noms libres étaient déjà pris.</translation>
    </message>
    <message>
        <source>%1 is no readable picture and was skipped.</source>
        <extracomment>A file in the captures folder named as a kept picture, but cut short or no PNG.</extracomment>
        <translation>Le fichier %1 n&apos;est pas une image lisible et a été ignoré.</translation>
    </message>
</context>
<context>
    <name>CapturesWindow</name>
    <message>
        <source>Captures</source>
        <translation>Captures</translation>
    </message>
    <message>
        <source>Kept pictures</source>
        <translation>Images conservées</translation>
    </message>
    <message>
        <source>A note on this picture</source>
        <translation>Une note sur cette image</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Show in main window</source>
        <translation>Afficher dans la fenêtre principale</translation>
    </message>
    <message>
        <source>Save as BMP...</source>
        <translation>Enregistrer en BMP...</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Modifier la note</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message numerus="yes">
        <source>Kept pictures: %n, in %1</source>
        <extracomment>The captures window&apos;s status bar: %n how many pictures are kept, %1 their folder</extracomment>
        <translation>
            <numerusform>Images conservées&#xa0;: %n, dans %1</numerusform>
            <numerusform>Images conservées&#xa0;: %n, dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture kept at %1</source>
        <extracomment>A kept picture shown again, for a screen reader: %1 its time</extracomment>
        <translation>Image conservée le %1</translation>
    </message>
    <message>
        <source>The picture could not be deleted.</source>
        <translation>Impossible de supprimer l&apos;image.</translation>
    </message>
    <message>
        <source>The note could not be saved.</source>
        <translation>Impossible d&apos;enregistrer la note.</translation>
    </message>
</context>
<context>
    <name>ComPortList</name>
    <message>
        <source>COM%1 is not among the detected ports.</source>
        <translation>COM%1 ne fait pas partie des ports détectés.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare pictures</source>
        <translation>Comparer les images</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Côte à côte</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Clignotement</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Rate:</source>
        <extracomment>Beside the number of pictures shown each second while two blink</extracomment>
        <translation>Cadence&#xa0;:</translation>
    </message>
    <message>
        <source> per second</source>
        <extracomment>After the blink rate&apos;s number: pictures shown each second</extracomment>
        <translation> par seconde</translation>
    </message>
    <message>
        <source>Space pauses</source>
        <translation>Espace&#xa0;: pause</translation>
    </message>
    <message>
        <source>The pictures are the same.</source>
        <translation>Les images sont identiques.</translation>
    </message>
    <message numerus="yes">
        <source>Pixels that differ: %n</source>
        <translation>
            <numerusform>Pixels différents&#xa0;: %n</numerusform>
            <numerusform>Pixels différents&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>While two pictures blink: which one shows (1 or 2) and its time</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DownloadController</name>
    <message>
        <source>Download from DSO</source>
        <extracomment>DSO: the instrument, a digital storage oscilloscope</extracomment>
        <translation>Télécharger depuis le DSO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation>Réception des données...</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1&#xa0;Ko</translation>
    </message>
    <message>
        <source>%1 / %2 KB</source>
        <translation>%1 / %2&#xa0;Ko</translation>
    </message>
    <message>
        <source>The received bytes are kept in %1.</source>
        <translation>Les octets reçus sont conservés dans %1.</translation>
    </message>
    <message>
        <source>Screen of the instrument</source>
        <translation>Écran de l&apos;appareil</translation>
    </message>
</context>
<context>
    <name>EndingMessages</name>
    <message>
        <source>Error while opening COM port.</source>
        <translation>Erreur lors de l&apos;ouverture du port COM.</translation>
    </message>
    <message>
        <source>The working file could not be written.</source>
        <translation>Impossible d&apos;écrire le fichier de travail.</translation>
    </message>
    <message>
        <source>No transfer from %1 within %2 s.</source>
        <extracomment>%1: the serial device, %2: the start time-out in seconds</extracomment>
        <translation>Aucun transfert depuis %1 en %2&#xa0;s.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <extracomment>%1: the serial port or device, e.g. COM3 or /dev/ttyUSB0</extracomment>
        <translation>La connexion à %1 a été perdue.</translation>
    </message>
    <message>
        <source>The instrument was still sending an earlier picture. Start the transfer on the instrument again.</source>
        <translation>L&apos;appareil envoyait encore une image précédente. Relancez le transfert sur l&apos;appareil.</translation>
    </message>
    <message>
        <source>A block was lost on the line: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>Un bloc a été perdu sur la ligne&#xa0;: l&apos;image est incomplète. Relancez le transfert sur l&apos;appareil.</translation>
    </message>
    <message>
        <source>The received file is not a valid BMP picture.</source>
        <translation>Le fichier reçu n&apos;est pas une image BMP valide.</translation>
    </message>
    <message>
        <source>Received, but not a picture</source>
        <translation>Reçu, mais ce n&apos;est pas une image</translation>
    </message>
    <message>
        <source>No transfer within %1 s</source>
        <extracomment>%1: whole seconds waited</extracomment>
        <translation>Aucun transfert en %1&#xa0;s</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Line lost</source>
        <translation>Connexion perdue</translation>
    </message>
    <message>
        <source>Port not opened</source>
        <translation>Port non ouvert</translation>
    </message>
    <message>
        <source>Working file not written</source>
        <translation>Fichier de travail non écrit</translation>
    </message>
    <message>
        <source>Earlier transfer cancelled</source>
        <translation>Transfert précédent annulé</translation>
    </message>
    <message>
        <source>Block lost, picture not kept</source>
        <translation>Bloc perdu, image non conservée</translation>
    </message>
    <message>
        <source>Received %1 KB</source>
        <extracomment>The status bar after a download; %1 is the picture&apos;s size in whole kilobytes</extracomment>
        <translation>%1&#xa0;Ko reçus</translation>
    </message>
    <message>
        <source>Cancelled by the instrument</source>
        <translation>Annulé par l&apos;appareil</translation>
    </message>
    <message>
        <source>The instrument cancelled the transfer.</source>
        <translation>L&apos;appareil a annulé le transfert.</translation>
    </message>
    <message>
        <source>Instrument stopped sending</source>
        <translation>L&apos;appareil a cessé d&apos;envoyer</translation>
    </message>
    <message>
        <source>The instrument stopped sending: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>L&apos;appareil a cessé d&apos;envoyer&#xa0;: l&apos;image est incomplète. Relancez le transfert sur l&apos;appareil.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>Images BMP (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Fichiers texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>FileHelpers</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>invalid section name</source>
        <translation>nom de section non valide</translation>
    </message>
    <message>
        <source>invalid key name</source>
        <translation>nom de clé non valide</translation>
    </message>
    <message>
        <source>line break in value</source>
        <translation>saut de ligne dans la valeur</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>LineOpening</name>
    <message>
        <source>The device is not there: was the adapter unplugged?</source>
        <translation>Le périphérique est absent&#xa0;: l&apos;adaptateur a-t-il été débranché&#xa0;?</translation>
    </message>
    <message>
        <source>Your user may need to be in the group that owns the device (often &quot;dialout&quot;); log in again after joining it.</source>
        <translation>Votre utilisateur doit peut-être appartenir au groupe propriétaire du périphérique (souvent «&#xa0;dialout&#xa0;»)&#xa0;; reconnectez-vous une fois membre de ce groupe.</translation>
    </message>
    <message>
        <source>Another program has the port open.</source>
        <translation>Un autre programme a déjà ouvert le port.</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Log of the exchange</source>
        <translation>Journal des échanges</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Effacer le journal</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Enregistrer le journal</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Fichiers texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>The log could not be saved.</source>
        <translation>Impossible d&apos;enregistrer le journal.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Charger une image BMP</translation>
    </message>
    <message>
        <source>Save bitmap</source>
        <translation>Enregistrer l&apos;image BMP</translation>
    </message>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>Images BMP (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Comport settings</source>
        <translation>Paramètres du port COM</translation>
    </message>
    <message>
        <source>Timings</source>
        <translation>Temporisations</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Journalisation</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>Aucun port COM détecté sur votre système.</translation>
    </message>
    <message>
        <source>Program will terminate.</source>
        <translation>Le programme va se fermer.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Impossible d&apos;enregistrer les paramètres.</translation>
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
        <translation>Aucune image à écrire dans %1.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>Impossible de charger %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Copy picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Copy printable picture</source>
        <translation>Copier l&apos;image pour impression</translation>
    </message>
    <message>
        <source>Save as PNG...</source>
        <translation>Enregistrer en PNG...</translation>
    </message>
    <message>
        <source>Save each picture to a folder...</source>
        <translation>Enregistrer chaque image dans un dossier...</translation>
    </message>
    <message>
        <source>Stop saving each picture</source>
        <translation>Ne plus enregistrer chaque image</translation>
    </message>
    <message>
        <source>PNG files (*.png)|*.png</source>
        <translation>Fichiers PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>Captures...</source>
        <translation>Captures...</translation>
    </message>
    <message>
        <source>Add to captures</source>
        <translation>Ajouter aux captures</translation>
    </message>
</context>
<context>
    <name>PictureView</name>
    <message>
        <source>Download state</source>
        <translation>État du téléchargement</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 x %n pixels</source>
        <extracomment>The picture&apos;s name for a screen reader: what it shows, then its width x height; the plural form follows the height, the number the word stands after</extracomment>
        <translation>
            <numerusform>%1, %2 x %n pixel</numerusform>
            <numerusform>%1, %2 x %n pixels</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty screen</source>
        <translation>Écran vide</translation>
    </message>
    <message>
        <source>How to start the transfer on the instrument</source>
        <translation>Comment lancer le transfert sur l&apos;appareil</translation>
    </message>
    <message>
        <source>The picture could not be loaded.</source>
        <translation>Impossible de charger l&apos;image.</translation>
    </message>
    <message>
        <source>Picture from a file</source>
        <translation>Image chargée depuis un fichier</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>Impossible d&apos;enregistrer l&apos;image.</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>COM settings</source>
        <translation>Paramètres COM</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> Paramètres </translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Vitesse (bauds)</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Bits de données</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Contrôle de flux</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <extracomment>Parity of the serial line</extracomment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <extracomment>Flow control of the serial line</extracomment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Logiciel</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Matériel</translation>
    </message>
</context>
<context>
    <name>QtSerialLine</name>
    <message>
        <source>locked by another program</source>
        <translation>verrouillé par un autre programme</translation>
    </message>
</context>
<context>
    <name>ReceivedPicture</name>
    <message>
        <source>Its header states %1 bytes; %2 bytes arrived.</source>
        <translation>Son en-tête indique %1 octets&#xa0;; %2 octets sont arrivés.</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>open</source>
        <translation>ouvert</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fermé</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>Paramètres de la liaison</translation>
    </message>
    <message>
        <source>Port state</source>
        <translation>État du port</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
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
        <translation>numéro de série %1</translation>
    </message>
</context>
<context>
    <name>TimingsDialog</name>
    <message>
        <source>Timings</source>
        <translation>Temporisations</translation>
    </message>
    <message>
        <source>Transfer start timeout</source>
        <translation>Délai pour lancer le transfert</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>This is the time you have to press the buttons on your DSO to start transfer.</source>
        <extracomment>DSO: the instrument, a digital storage oscilloscope</extracomment>
        <translation>Temps dont vous disposez pour lancer le transfert avec les touches du DSO.</translation>
    </message>
    <message>
        <source>Rx delay</source>
        <translation>Temporisation Rx</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>millisecondes</translation>
    </message>
    <message>
        <source>Here you set an additional delay between request and buffer reading. You should increase it on fast systems.</source>
        <translation>Réglez ici une temporisation supplémentaire entre la requête et la lecture du tampon. Augmentez-la sur les systèmes rapides.</translation>
    </message>
    <message>
        <source>NAK delay</source>
        <translation>Temporisation NAK</translation>
    </message>
    <message>
        <source>Transfer errors are answered by sending NAKs. Sometimes it helps, to have a little delay here.</source>
        <translation>Les erreurs de transfert sont signalées par l&apos;envoi de NAK. Une petite temporisation aide parfois.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Appuyez sur «&#xa0;OK&#xa0;» pour mettre le DSO en mode HOLD</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <extracomment>The second step on that picture. LEVEL is the instrument&apos;s key name, as printed on it: keep it as it is, in Latin capitals. The instructions are those the instrument then shows.</extracomment>
        <translation>Appuyez sur «&#xa0;LEVEL&#xa0;» et suivez les instructions</translation>
    </message>
    <message>
        <source>Press &quot;OK&quot; to set your DSO to HOLD mode</source>
        <comment>128x64</comment>
        <extracomment>The first step on the smallest picture, 128 x 64 pixels, where four short lines hold both steps: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). OK and HOLD are the instrument&apos;s key names: keep them. The DSO is the instrument.</extracomment>
        <translation>Appuyer sur «&#xa0;OK&#xa0;»&#xa0;: DSO en HOLD</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <comment>128x64</comment>
        <extracomment>The second step on the smallest picture, 128 x 64 pixels: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). LEVEL is the instrument&apos;s key name: keep it.</extracomment>
        <translation>Appuyer sur «&#xa0;LEVEL&#xa0;», suivre les instructions</translation>
    </message>
</context>
<context>
    <name>WinSerialLine</name>
    <message>
        <source>system error %1</source>
        <translation>erreur système %1</translation>
    </message>
</context>
</TS>
