<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>The makers of the DSOs,
for XModem screen dumps.</source>
        <extracomment>The About card&apos;s first thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>Создателям осциллографов
за снимки экрана по XModem.</translation>
    </message>
    <message>
        <source>Everyone who tested early
versions and reported bugs.</source>
        <extracomment>The About card&apos;s second thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>Всем, кто тестировал ранние
версии и сообщал об ошибках.</translation>
    </message>
    <message>
        <source>Idea &amp; Realization</source>
        <translation>Идея и реализация</translation>
    </message>
    <message>
        <source>The Orvisnap developers</source>
        <translation>Разработчики Orvisnap</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Особая благодарность:</translation>
    </message>
    <message>
        <source>First release</source>
        <translation>Первый выпуск</translation>
    </message>
    <message>
        <source>June, 2010</source>
        <translation>Июнь 2010</translation>
    </message>
    <message>
        <source>About Orvisnap</source>
        <translation>О программе Orvisnap</translation>
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
        <translation>Сохранять каждое изображение в папку</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Сохранено: %1</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Не сохранено: %1</translation>
    </message>
</context>
<context>
    <name>BmpHeader</name>
    <message>
        <source>%1 is too short for a colour table.</source>
        <translation>Файл %1 слишком короткий для таблицы цветов.</translation>
    </message>
</context>
<context>
    <name>CaptureKeeper</name>
    <message>
        <source>Captures are turned off: [Captures] Keep=0 in the settings file.</source>
        <translation>Снимки отключены: [Captures] Keep=0 в файле настроек.</translation>
    </message>
    <message>
        <source>Not kept in the captures: %1</source>
        <translation>Не добавлено в снимки: %1</translation>
    </message>
    <message>
        <source>Added to the captures as %1</source>
        <translation>Добавлено в снимки под именем %1</translation>
    </message>
</context>
<context>
    <name>CapturePort</name>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>В системе не обнаружено ни одного COM-порта.</translation>
    </message>
</context>
<context>
    <name>CaptureStore</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>Нет изображения для записи в %1.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>%1 is no readable picture.</source>
        <translation>Файл %1 не удаётся прочитать как изображение.</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Не удаётся удалить %1: %2</translation>
    </message>
    <message>
        <source>Every free name was taken.</source>
        <translation>Все свободные имена уже заняты.</translation>
    </message>
    <message>
        <source>%1 is no readable picture and was skipped.</source>
        <extracomment>A file in the captures folder named as a kept picture, but cut short or no PNG.</extracomment>
        <translation>Файл %1 не удаётся прочитать как изображение, он пропущен.</translation>
    </message>
</context>
<context>
    <name>CapturesWindow</name>
    <message>
        <source>Captures</source>
        <translation>Снимки</translation>
    </message>
    <message>
        <source>Kept pictures</source>
        <translation>Сохранённые изображения</translation>
    </message>
    <message>
        <source>A note on this picture</source>
        <translation>Заметка к этому изображению</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>Show in main window</source>
        <translation>Показать в главном окне</translation>
    </message>
    <message>
        <source>Save as BMP...</source>
        <translation>Сохранить как BMP...</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Изменить заметку</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message numerus="yes">
        <source>Kept pictures: %n, in %1</source>
        <extracomment>The captures window&apos;s status bar: %n how many pictures are kept, %1 their folder</extracomment>
        <translation>
            <numerusform>Сохранено изображений: %n, в %1</numerusform>
            <numerusform>Сохранено изображений: %n, в %1</numerusform>
            <numerusform>Сохранено изображений: %n, в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture kept at %1</source>
        <extracomment>A kept picture shown again, for a screen reader: %1 its time</extracomment>
        <translation>Изображение, сохранённое %1</translation>
    </message>
    <message>
        <source>The picture could not be deleted.</source>
        <translation>Не удалось удалить изображение.</translation>
    </message>
    <message>
        <source>The note could not be saved.</source>
        <translation>Не удалось сохранить заметку.</translation>
    </message>
</context>
<context>
    <name>ComPortList</name>
    <message>
        <source>COM%1 is not among the detected ports.</source>
        <translation>COM%1 нет среди обнаруженных портов.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare pictures</source>
        <translation>Сравнение изображений</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Рядом</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Мигание</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Разность</translation>
    </message>
    <message>
        <source>Rate:</source>
        <extracomment>Beside the number of pictures shown each second while two blink</extracomment>
        <translation>Частота:</translation>
    </message>
    <message>
        <source> per second</source>
        <extracomment>After the blink rate&apos;s number: pictures shown each second</extracomment>
        <translation> в секунду</translation>
    </message>
    <message>
        <source>Space pauses</source>
        <translation>Пробел — пауза</translation>
    </message>
    <message>
        <source>The pictures are the same.</source>
        <translation>Изображения одинаковы.</translation>
    </message>
    <message numerus="yes">
        <source>Pixels that differ: %n</source>
        <translation>
            <numerusform>Различающихся пикселей: %n</numerusform>
            <numerusform>Различающихся пикселей: %n</numerusform>
            <numerusform>Различающихся пикселей: %n</numerusform>
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
        <translation>Загрузить с осциллографа</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation>Приём данных...</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 / %2 KB</source>
        <translation>%1 / %2 КБ</translation>
    </message>
    <message>
        <source>The received bytes are kept in %1.</source>
        <translation>Полученные байты сохранены в %1.</translation>
    </message>
    <message>
        <source>Screen of the instrument</source>
        <translation>Экран прибора</translation>
    </message>
</context>
<context>
    <name>EndingMessages</name>
    <message>
        <source>Error while opening COM port.</source>
        <translation>Ошибка при открытии COM-порта.</translation>
    </message>
    <message>
        <source>The working file could not be written.</source>
        <translation>Не удалось записать рабочий файл.</translation>
    </message>
    <message>
        <source>No transfer from %1 within %2 s.</source>
        <extracomment>%1: the serial device, %2: the start time-out in seconds</extracomment>
        <translation>%1: передача не началась в течение %2 с.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <extracomment>%1: the serial port or device, e.g. COM3 or /dev/ttyUSB0</extracomment>
        <translation>Связь с портом %1 потеряна.</translation>
    </message>
    <message>
        <source>The instrument was still sending an earlier picture. Start the transfer on the instrument again.</source>
        <translation>Прибор ещё передавал предыдущее изображение. Запустите передачу на приборе снова.</translation>
    </message>
    <message>
        <source>A block was lost on the line: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>В линии потерян блок: изображение неполное. Запустите передачу на приборе снова.</translation>
    </message>
    <message>
        <source>The received file is not a valid BMP picture.</source>
        <translation>Полученный файл не является корректным изображением BMP.</translation>
    </message>
    <message>
        <source>Received, but not a picture</source>
        <translation>Получено, но это не изображение</translation>
    </message>
    <message>
        <source>No transfer within %1 s</source>
        <extracomment>%1: whole seconds waited</extracomment>
        <translation>Нет передачи в течение %1 с</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Line lost</source>
        <translation>Связь потеряна</translation>
    </message>
    <message>
        <source>Port not opened</source>
        <translation>Порт не открыт</translation>
    </message>
    <message>
        <source>Working file not written</source>
        <translation>Рабочий файл не записан</translation>
    </message>
    <message>
        <source>Earlier transfer cancelled</source>
        <translation>Предыдущая передача отменена</translation>
    </message>
    <message>
        <source>Block lost, picture not kept</source>
        <translation>Блок потерян, изображение не сохранено</translation>
    </message>
    <message>
        <source>Received %1 KB</source>
        <extracomment>The status bar after a download; %1 is the picture&apos;s size in whole kilobytes</extracomment>
        <translation>Получено %1 КБ</translation>
    </message>
    <message>
        <source>Cancelled by the instrument</source>
        <translation>Отменено прибором</translation>
    </message>
    <message>
        <source>The instrument cancelled the transfer.</source>
        <translation>Прибор отменил передачу.</translation>
    </message>
    <message>
        <source>Instrument stopped sending</source>
        <translation>Прибор перестал передавать</translation>
    </message>
    <message>
        <source>The instrument stopped sending: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>Прибор перестал передавать данные: изображение неполное. Запустите передачу на приборе снова.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>Файлы BMP (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Текстовые файлы (*.txt)|*.txt|Все файлы (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>FileHelpers</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>invalid section name</source>
        <translation>недопустимое имя секции</translation>
    </message>
    <message>
        <source>invalid key name</source>
        <translation>недопустимое имя ключа</translation>
    </message>
    <message>
        <source>line break in value</source>
        <translation>перенос строки в значении</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
</context>
<context>
    <name>LineOpening</name>
    <message>
        <source>The device is not there: was the adapter unplugged?</source>
        <translation>Устройство отсутствует: возможно, адаптер отключён?</translation>
    </message>
    <message>
        <source>Your user may need to be in the group that owns the device (often &quot;dialout&quot;); log in again after joining it.</source>
        <translation>Возможно, вашему пользователю нужно состоять в группе, которой принадлежит устройство (часто это «dialout»); после добавления в группу войдите в систему заново.</translation>
    </message>
    <message>
        <source>Another program has the port open.</source>
        <translation>Порт открыт другой программой.</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Log of the exchange</source>
        <translation>Журнал обмена</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Очистить журнал</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Сохранить журнал</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Текстовые файлы (*.txt)|*.txt|Все файлы (*.*)|*.*</translation>
    </message>
    <message>
        <source>The log could not be saved.</source>
        <translation>Не удалось сохранить журнал.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Открыть изображение BMP</translation>
    </message>
    <message>
        <source>Save bitmap</source>
        <translation>Сохранить изображение BMP</translation>
    </message>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>Файлы BMP (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Comport settings</source>
        <translation>Настройки COM-порта</translation>
    </message>
    <message>
        <source>Timings</source>
        <translation>Временные параметры</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Ведение журнала</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>В системе не обнаружено ни одного COM-порта.</translation>
    </message>
    <message>
        <source>Program will terminate.</source>
        <translation>Программа будет закрыта.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Не удалось сохранить настройки.</translation>
    </message>
    <message>
        <source>%1.%2 build %3</source>
        <extracomment>The full version, e.g. &quot;0.1.1 build 5&quot;: major.minor, then release and build</extracomment>
        <translation>%1.%2, сборка %3</translation>
    </message>
</context>
<context>
    <name>PictureIo</name>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>Нет изображения для записи в %1.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Файл не существует.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>Не удаётся открыть изображение %1: %2</translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Copy picture</source>
        <translation>Копировать изображение</translation>
    </message>
    <message>
        <source>Copy printable picture</source>
        <translation>Копировать изображение для печати</translation>
    </message>
    <message>
        <source>Save as PNG...</source>
        <translation>Сохранить как PNG...</translation>
    </message>
    <message>
        <source>Save each picture to a folder...</source>
        <translation>Сохранять каждое изображение в папку...</translation>
    </message>
    <message>
        <source>Stop saving each picture</source>
        <translation>Прекратить сохранение каждого изображения</translation>
    </message>
    <message>
        <source>PNG files (*.png)|*.png</source>
        <translation>Файлы PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>Captures...</source>
        <translation>Снимки...</translation>
    </message>
    <message>
        <source>Add to captures</source>
        <translation>Добавить в снимки</translation>
    </message>
</context>
<context>
    <name>PictureView</name>
    <message>
        <source>Download state</source>
        <translation>Состояние загрузки</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 x %n pixels</source>
        <extracomment>The picture&apos;s name for a screen reader: what it shows, then its width x height; the plural form follows the height, the number the word stands after</extracomment>
        <translation>
            <numerusform>%1, размер в пикселях: %2 на %n</numerusform>
            <numerusform>%1, размер в пикселях: %2 на %n</numerusform>
            <numerusform>%1, размер в пикселях: %2 на %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty screen</source>
        <translation>Пустой экран</translation>
    </message>
    <message>
        <source>How to start the transfer on the instrument</source>
        <translation>Как запустить передачу на приборе</translation>
    </message>
    <message>
        <source>The picture could not be loaded.</source>
        <translation>Не удалось открыть изображение.</translation>
    </message>
    <message>
        <source>Picture from a file</source>
        <translation>Изображение из файла</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>Не удалось сохранить изображение.</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>COM settings</source>
        <translation>Настройки COM-порта</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> Настройки </translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Скорость (бод)</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Биты данных</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Стоповые биты</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Чётность</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Управление потоком</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <extracomment>Parity of the serial line</extracomment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Нечёт</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Чёт</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Маркер</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <extracomment>Flow control of the serial line</extracomment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Программное</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Аппаратное</translation>
    </message>
</context>
<context>
    <name>QtSerialLine</name>
    <message>
        <source>locked by another program</source>
        <translation>занят другой программой</translation>
    </message>
</context>
<context>
    <name>ReceivedPicture</name>
    <message>
        <source>Its header states %1 bytes; %2 bytes arrived.</source>
        <translation>В заголовке указан размер в байтах: %1; получено байт: %2.</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>open</source>
        <translation>открыт</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>закрыт</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>Параметры линии</translation>
    </message>
    <message>
        <source>Port state</source>
        <translation>Состояние порта</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
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
        <translation>серийный номер %1</translation>
    </message>
</context>
<context>
    <name>TimingsDialog</name>
    <message>
        <source>Timings</source>
        <translation>Временные параметры</translation>
    </message>
    <message>
        <source>Transfer start timeout</source>
        <translation>Тайм-аут начала передачи</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>с</translation>
    </message>
    <message>
        <source>This is the time you have to press the buttons on your DSO to start transfer.</source>
        <extracomment>DSO: the instrument, a digital storage oscilloscope</extracomment>
        <translation>За это время нужно нажать кнопки на осциллографе, чтобы начать передачу.</translation>
    </message>
    <message>
        <source>Rx delay</source>
        <translation>Задержка Rx</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Here you set an additional delay between request and buffer reading. You should increase it on fast systems.</source>
        <translation>Дополнительная задержка между запросом и чтением буфера. На быстрых системах её следует увеличить.</translation>
    </message>
    <message>
        <source>NAK delay</source>
        <translation>Задержка NAK</translation>
    </message>
    <message>
        <source>Transfer errors are answered by sending NAKs. Sometimes it helps, to have a little delay here.</source>
        <translation>На ошибки передачи программа отвечает отправкой NAK. Иногда помогает небольшая задержка.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Нажмите «OK», чтобы перевести осциллограф в режим HOLD</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <extracomment>The second step on that picture. LEVEL is the instrument&apos;s key name, as printed on it: keep it as it is, in Latin capitals. The instructions are those the instrument then shows.</extracomment>
        <translation>Нажмите «LEVEL» и следуйте указаниям</translation>
    </message>
    <message>
        <source>Press &quot;OK&quot; to set your DSO to HOLD mode</source>
        <comment>128x64</comment>
        <extracomment>The first step on the smallest picture, 128 x 64 pixels, where four short lines hold both steps: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). OK and HOLD are the instrument&apos;s key names: keep them. The DSO is the instrument.</extracomment>
        <translation>Нажмите «OK»: режим HOLD</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <comment>128x64</comment>
        <extracomment>The second step on the smallest picture, 128 x 64 pixels: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). LEVEL is the instrument&apos;s key name: keep it.</extracomment>
        <translation>Нажмите «LEVEL» и следуйте указаниям</translation>
    </message>
</context>
<context>
    <name>WinSerialLine</name>
    <message>
        <source>system error %1</source>
        <translation>системная ошибка %1</translation>
    </message>
</context>
</TS>
