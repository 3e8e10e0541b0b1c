<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>The makers of the DSOs,
for XModem screen dumps.</source>
        <extracomment>The About card&apos;s first thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>Los fabricantes de los DSO,
por las capturas de pantalla XModem.</translation>
    </message>
    <message>
        <source>Everyone who tested early
versions and reported bugs.</source>
        <extracomment>The About card&apos;s second thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>Quienes probaron las primeras
versiones e informaron de errores.</translation>
    </message>
    <message>
        <source>Idea &amp; Realization</source>
        <translation>Idea &amp; realización</translation>
    </message>
    <message>
        <source>The Orvisnap developers</source>
        <translation>Los desarrolladores de Orvisnap</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Agradecimientos especiales a:</translation>
    </message>
    <message>
        <source>First release</source>
        <translation>Primera versión</translation>
    </message>
    <message>
        <source>June, 2010</source>
        <translation>Junio de 2010</translation>
    </message>
    <message>
        <source>About Orvisnap</source>
        <translation>Acerca de Orvisnap</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>AutoSave</name>
    <message>
        <source>Save each picture to a folder</source>
        <translation>Guardar cada imagen en una carpeta</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>No guardado: %1</translation>
    </message>
</context>
<context>
    <name>BmpHeader</name>
    <message>
        <source>%1 is too short for a colour table.</source>
        <translation>El archivo %1 es demasiado corto para contener una tabla de colores.</translation>
    </message>
</context>
<context>
    <name>CaptureKeeper</name>
    <message>
        <source>Captures are turned off: [Captures] Keep=0 in the settings file.</source>
        <translation>Las capturas están desactivadas: [Captures] Keep=0 en el archivo de configuración.</translation>
    </message>
    <message>
        <source>Not kept in the captures: %1</source>
        <translation>No se guardó en las capturas: %1</translation>
    </message>
    <message>
        <source>Added to the captures as %1</source>
        <translation>Se añadió a las capturas como %1</translation>
    </message>
</context>
<context>
    <name>CapturePort</name>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>No se detectó ningún puerto COM en su sistema.</translation>
    </message>
</context>
<context>
    <name>CaptureStore</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>No hay ninguna imagen que escribir en %1.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 is no readable picture.</source>
        <translation>El archivo %1 no es una imagen legible.</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>No se puede eliminar %1: %2</translation>
    </message>
    <message>
        <source>Every free name was taken.</source>
        <translation>Todos los nombres libres ya estaban ocupados.</translation>
    </message>
    <message>
        <source>%1 is no readable picture and was skipped.</source>
        <extracomment>A file in the captures folder named as a kept picture, but cut short or no PNG.</extracomment>
        <translation>El archivo %1 no es una imagen legible y se omitió.</translation>
    </message>
</context>
<context>
    <name>CapturesWindow</name>
    <message>
        <source>Captures</source>
        <translation>Capturas</translation>
    </message>
    <message>
        <source>Kept pictures</source>
        <translation>Imágenes conservadas</translation>
    </message>
    <message>
        <source>A note on this picture</source>
        <translation>Una nota sobre esta imagen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Show in main window</source>
        <translation>Mostrar en la ventana principal</translation>
    </message>
    <message>
        <source>Save as BMP...</source>
        <translation>Guardar como BMP...</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Editar nota</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message numerus="yes">
        <source>Kept pictures: %n, in %1</source>
        <extracomment>The captures window&apos;s status bar: %n how many pictures are kept, %1 their folder</extracomment>
        <translation>
            <numerusform>Imágenes conservadas: %n, en %1</numerusform>
            <numerusform>Imágenes conservadas: %n, en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture kept at %1</source>
        <extracomment>A kept picture shown again, for a screen reader: %1 its time</extracomment>
        <translation>Imagen conservada el %1</translation>
    </message>
    <message>
        <source>The picture could not be deleted.</source>
        <translation>No se pudo eliminar la imagen.</translation>
    </message>
    <message>
        <source>The note could not be saved.</source>
        <translation>No se pudo guardar la nota.</translation>
    </message>
</context>
<context>
    <name>ComPortList</name>
    <message>
        <source>COM%1 is not among the detected ports.</source>
        <translation>COM%1 no está entre los puertos detectados.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare pictures</source>
        <translation>Comparar imágenes</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Lado a lado</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Parpadeo</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Rate:</source>
        <extracomment>Beside the number of pictures shown each second while two blink</extracomment>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source> per second</source>
        <extracomment>After the blink rate&apos;s number: pictures shown each second</extracomment>
        <translation> por segundo</translation>
    </message>
    <message>
        <source>Space pauses</source>
        <translation>Espacio: pausa</translation>
    </message>
    <message>
        <source>The pictures are the same.</source>
        <translation>Las imágenes son iguales.</translation>
    </message>
    <message numerus="yes">
        <source>Pixels that differ: %n</source>
        <translation>
            <numerusform>Píxeles distintos: %n</numerusform>
            <numerusform>Píxeles distintos: %n</numerusform>
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
        <translation>Descargar del DSO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation>Recibiendo datos...</translation>
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
        <translation>Los bytes recibidos se conservan en %1.</translation>
    </message>
    <message>
        <source>Screen of the instrument</source>
        <translation>Pantalla del instrumento</translation>
    </message>
</context>
<context>
    <name>EndingMessages</name>
    <message>
        <source>Error while opening COM port.</source>
        <translation>Error al abrir el puerto COM.</translation>
    </message>
    <message>
        <source>The working file could not be written.</source>
        <translation>No se pudo escribir el archivo de trabajo.</translation>
    </message>
    <message>
        <source>No transfer from %1 within %2 s.</source>
        <extracomment>%1: the serial device, %2: the start time-out in seconds</extracomment>
        <translation>No hubo ninguna transferencia desde %1 en %2 s.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <extracomment>%1: the serial port or device, e.g. COM3 or /dev/ttyUSB0</extracomment>
        <translation>Se perdió la conexión con %1.</translation>
    </message>
    <message>
        <source>The instrument was still sending an earlier picture. Start the transfer on the instrument again.</source>
        <translation>El instrumento aún estaba enviando una imagen anterior. Vuelva a iniciar la transferencia en el instrumento.</translation>
    </message>
    <message>
        <source>A block was lost on the line: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>Se perdió un bloque en la línea: la imagen está incompleta. Vuelva a iniciar la transferencia en el instrumento.</translation>
    </message>
    <message>
        <source>The received file is not a valid BMP picture.</source>
        <translation>El archivo recibido no es una imagen BMP válida.</translation>
    </message>
    <message>
        <source>Received, but not a picture</source>
        <translation>Recibido, pero no es una imagen</translation>
    </message>
    <message>
        <source>No transfer within %1 s</source>
        <extracomment>%1: whole seconds waited</extracomment>
        <translation>Sin transferencia en %1 s</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Line lost</source>
        <translation>Conexión perdida</translation>
    </message>
    <message>
        <source>Port not opened</source>
        <translation>Puerto no abierto</translation>
    </message>
    <message>
        <source>Working file not written</source>
        <translation>Archivo de trabajo no escrito</translation>
    </message>
    <message>
        <source>Earlier transfer cancelled</source>
        <translation>Transferencia anterior cancelada</translation>
    </message>
    <message>
        <source>Block lost, picture not kept</source>
        <translation>Bloque perdido, imagen descartada</translation>
    </message>
    <message>
        <source>Received %1 KB</source>
        <extracomment>The status bar after a download; %1 is the picture&apos;s size in whole kilobytes</extracomment>
        <translation>Recibidos %1 KB</translation>
    </message>
    <message>
        <source>Cancelled by the instrument</source>
        <translation>Cancelado por el instrumento</translation>
    </message>
    <message>
        <source>The instrument cancelled the transfer.</source>
        <translation>El instrumento canceló la transferencia.</translation>
    </message>
    <message>
        <source>Instrument stopped sending</source>
        <translation>El instrumento dejó de enviar</translation>
    </message>
    <message>
        <source>The instrument stopped sending: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>El instrumento dejó de enviar: la imagen está incompleta. Vuelva a iniciar la transferencia en el instrumento.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>Archivos de mapa de bits (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Archivos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>FileHelpers</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>invalid section name</source>
        <translation>nombre de sección no válido</translation>
    </message>
    <message>
        <source>invalid key name</source>
        <translation>nombre de clave no válido</translation>
    </message>
    <message>
        <source>line break in value</source>
        <translation>salto de línea en el valor</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>LineOpening</name>
    <message>
        <source>The device is not there: was the adapter unplugged?</source>
        <translation>El dispositivo no está presente: ¿se desconectó el adaptador?</translation>
    </message>
    <message>
        <source>Your user may need to be in the group that owns the device (often &quot;dialout&quot;); log in again after joining it.</source>
        <translation>Puede que su usuario deba pertenecer al grupo propietario del dispositivo (a menudo &quot;dialout&quot;); vuelva a iniciar sesión después de unirse a él.</translation>
    </message>
    <message>
        <source>Another program has the port open.</source>
        <translation>Otro programa tiene el puerto abierto.</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Log of the exchange</source>
        <translation>Registro del intercambio</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Borrar registro</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Guardar registro</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Archivos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>The log could not be saved.</source>
        <translation>No se pudo guardar el registro.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Cargar mapa de bits</translation>
    </message>
    <message>
        <source>Save bitmap</source>
        <translation>Guardar mapa de bits</translation>
    </message>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>Archivos de mapa de bits (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Comport settings</source>
        <translation>Configuración del puerto COM</translation>
    </message>
    <message>
        <source>Timings</source>
        <translation>Tiempos</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>No se detectó ningún puerto COM en su sistema.</translation>
    </message>
    <message>
        <source>Program will terminate.</source>
        <translation>El programa se cerrará.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>No se pudo guardar la configuración.</translation>
    </message>
    <message>
        <source>%1.%2 build %3</source>
        <extracomment>The full version, e.g. &quot;0.1.1 build 5&quot;: major.minor, then release and build</extracomment>
        <translation>%1.%2 compilación %3</translation>
    </message>
</context>
<context>
    <name>PictureIo</name>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>No hay ninguna imagen que escribir en %1.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>No se puede cargar %1: %2</translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Copy printable picture</source>
        <translation>Copiar imagen para imprimir</translation>
    </message>
    <message>
        <source>Save as PNG...</source>
        <translation>Guardar como PNG...</translation>
    </message>
    <message>
        <source>Save each picture to a folder...</source>
        <translation>Guardar cada imagen en una carpeta...</translation>
    </message>
    <message>
        <source>Stop saving each picture</source>
        <translation>Dejar de guardar cada imagen</translation>
    </message>
    <message>
        <source>PNG files (*.png)|*.png</source>
        <translation>Archivos PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>Captures...</source>
        <translation>Capturas...</translation>
    </message>
    <message>
        <source>Add to captures</source>
        <translation>Añadir a las capturas</translation>
    </message>
</context>
<context>
    <name>PictureView</name>
    <message>
        <source>Download state</source>
        <translation>Estado de la descarga</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 x %n pixels</source>
        <extracomment>The picture&apos;s name for a screen reader: what it shows, then its width x height; the plural form follows the height, the number the word stands after</extracomment>
        <translation>
            <numerusform>%1, %2 x %n píxel</numerusform>
            <numerusform>%1, %2 x %n píxeles</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty screen</source>
        <translation>Pantalla vacía</translation>
    </message>
    <message>
        <source>How to start the transfer on the instrument</source>
        <translation>Cómo iniciar la transferencia en el instrumento</translation>
    </message>
    <message>
        <source>The picture could not be loaded.</source>
        <translation>No se pudo cargar la imagen.</translation>
    </message>
    <message>
        <source>Picture from a file</source>
        <translation>Imagen de un archivo</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>No se pudo guardar la imagen.</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>COM settings</source>
        <translation>Configuración COM</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> Configuración </translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Velocidad (baudios)</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Bits de datos</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Bits de parada</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Control de flujo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <extracomment>Parity of the serial line</extracomment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <extracomment>Flow control of the serial line</extracomment>
        <translation>Ninguna</translation>
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
        <translation>bloqueado por otro programa</translation>
    </message>
</context>
<context>
    <name>ReceivedPicture</name>
    <message>
        <source>Its header states %1 bytes; %2 bytes arrived.</source>
        <translation>Su cabecera indica %1 bytes; llegaron %2 bytes.</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>open</source>
        <translation>abierto</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>cerrado</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>Parámetros de la conexión</translation>
    </message>
    <message>
        <source>Port state</source>
        <translation>Estado del puerto</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
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
        <translation>número de serie %1</translation>
    </message>
</context>
<context>
    <name>TimingsDialog</name>
    <message>
        <source>Timings</source>
        <translation>Tiempos</translation>
    </message>
    <message>
        <source>Transfer start timeout</source>
        <translation>Tiempo límite de inicio</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>This is the time you have to press the buttons on your DSO to start transfer.</source>
        <extracomment>DSO: the instrument, a digital storage oscilloscope</extracomment>
        <translation>Tiempo del que dispone para iniciar la transferencia con los botones del DSO.</translation>
    </message>
    <message>
        <source>Rx delay</source>
        <translation>Retardo Rx</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>milisegundos</translation>
    </message>
    <message>
        <source>Here you set an additional delay between request and buffer reading. You should increase it on fast systems.</source>
        <translation>Aquí se ajusta un retardo adicional entre la petición y la lectura del búfer. Conviene aumentarlo en sistemas rápidos.</translation>
    </message>
    <message>
        <source>NAK delay</source>
        <translation>Retardo NAK</translation>
    </message>
    <message>
        <source>Transfer errors are answered by sending NAKs. Sometimes it helps, to have a little delay here.</source>
        <translation>Los errores de transferencia se responden enviando NAK. A veces ayuda poner aquí un pequeño retardo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>WaitingPicture</name>
    <message>
        <source>Press &quot;OK&quot; to set your DSO to HOLD mode</source>
        <extracomment>The first of two numbered steps on the picture shown while a download waits for the instrument. OK and HOLD are the instrument&apos;s key names, as printed on it: keep them as they are, in Latin capitals. The DSO is the instrument, a digital storage oscilloscope. Quotation marks as your language sets them.</extracomment>
        <translation>Pulse &quot;OK&quot; para poner el DSO en modo HOLD</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <extracomment>The second step on that picture. LEVEL is the instrument&apos;s key name, as printed on it: keep it as it is, in Latin capitals. The instructions are those the instrument then shows.</extracomment>
        <translation>Pulse &quot;LEVEL&quot; y siga las instrucciones</translation>
    </message>
    <message>
        <source>Press &quot;OK&quot; to set your DSO to HOLD mode</source>
        <comment>128x64</comment>
        <extracomment>The first step on the smallest picture, 128 x 64 pixels, where four short lines hold both steps: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). OK and HOLD are the instrument&apos;s key names: keep them. The DSO is the instrument.</extracomment>
        <translation>Pulse &quot;OK&quot;: DSO en modo HOLD</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <comment>128x64</comment>
        <extracomment>The second step on the smallest picture, 128 x 64 pixels: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). LEVEL is the instrument&apos;s key name: keep it.</extracomment>
        <translation>Pulse &quot;LEVEL&quot; y siga las instrucciones</translation>
    </message>
</context>
<context>
    <name>WinSerialLine</name>
    <message>
        <source>system error %1</source>
        <translation>error del sistema %1</translation>
    </message>
</context>
</TS>
