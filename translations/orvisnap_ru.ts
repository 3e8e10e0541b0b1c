<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AutoSave</name>
    <message>
        <source>Save each picture to a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BmpHeader</name>
    <message>
        <source>%1 is too short for a colour table.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CapturePort</name>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EndingMessages</name>
    <message>
        <source>Error while opening COM port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The working file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No transfer from %1 within %2 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ended the transfer without any data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the COM port was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The instrument was still sending an earlier picture. Start the transfer on the instrument again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A block was lost on the line: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The received file is not a valid BMP picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received, but not a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No transfer within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ended without data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port not opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working file not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earlier transfer cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block lost, picture not kept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileHelpers</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>invalid section name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid key name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line break in value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineOpening</name>
    <message>
        <source>The device is not there: was the adapter unplugged?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your user may need to be in the group that owns the device (often &quot;dialout&quot;); log in again after joining it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program has the port open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MySerial</name>
    <message>
        <source>COM%1 is not among the detected ports.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureIo</name>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Copy picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy printable picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save each picture to a folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop saving each picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtSerialLine</name>
    <message>
        <source>locked by another program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReceivedPicture</name>
    <message>
        <source>Its header states %1 bytes; %2 bytes arrived.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SysfsSerialPorts</name>
    <message>
        <source>serial number %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>Idea &amp; Realization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Orvisnap developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The makers of the DSOs,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for XModem screen dumps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everyone who tested early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>versions and reported bugs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June, 2010</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Orvisnap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormTimings</name>
    <message>
        <source>Timings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer start timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the time you have to press the buttons on your DSO to start transfer.</source>
        <extracomment>DSO: the instrument, a digital storage oscilloscope</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here you set an additional delay between request and buffer reading. You should increase it on fast systems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAK delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer errors are answered by sending NAKs. Sometimes it helps, to have a little delay here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program will terminate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.%2 build %3</source>
        <extracomment>The full version, e.g. &quot;0.1.1 build 5&quot;: major.minor, then release and build</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The received bytes are kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 / %2 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG files (*.png)|*.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comport settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download from DSO</source>
        <extracomment>DSO: the instrument, a digital storage oscilloscope</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to start the transfer on the instrument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 x %3 pixels</source>
        <extracomment>The picture&apos;s name for a screen reader: what it shows, then its size</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen of the instrument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture from a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log of the exchange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMySerialSetupForm</name>
    <message>
        <source>COM settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Settings </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <extracomment>Parity of the serial line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <extracomment>Flow control of the serial line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WinSerialLine</name>
    <message>
        <source>system error %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
