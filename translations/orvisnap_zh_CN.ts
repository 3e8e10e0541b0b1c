<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>The makers of the DSOs,
for XModem screen dumps.</source>
        <extracomment>The About card&apos;s first thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>各示波器制造商，
为 XModem 屏幕转储提供支持；</translation>
    </message>
    <message>
        <source>Everyone who tested early
versions and reported bugs.</source>
        <extracomment>The About card&apos;s second thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>所有测试早期版本
并报告错误的朋友。</translation>
    </message>
    <message>
        <source>Idea &amp; Realization</source>
        <translation>创意与实现</translation>
    </message>
    <message>
        <source>The Orvisnap developers</source>
        <translation>Orvisnap 开发者</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>特别感谢：</translation>
    </message>
    <message>
        <source>First release</source>
        <translation>首次发布</translation>
    </message>
    <message>
        <source>June, 2010</source>
        <translation>2010 年 6 月</translation>
    </message>
    <message>
        <source>About Orvisnap</source>
        <translation>关于 Orvisnap</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>AutoSave</name>
    <message>
        <source>Save each picture to a folder</source>
        <translation>将每幅图像保存到文件夹</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>未保存：%1</translation>
    </message>
</context>
<context>
    <name>BmpHeader</name>
    <message>
        <source>%1 is too short for a colour table.</source>
        <translation>%1 太短，无法容纳颜色表。</translation>
    </message>
</context>
<context>
    <name>CaptureKeeper</name>
    <message>
        <source>Captures are turned off: [Captures] Keep=0 in the settings file.</source>
        <translation>截图已关闭：设置文件中 [Captures] Keep=0。</translation>
    </message>
    <message>
        <source>Not kept in the captures: %1</source>
        <translation>未加入截图：%1</translation>
    </message>
    <message>
        <source>Added to the captures as %1</source>
        <translation>已作为 %1 加入截图</translation>
    </message>
</context>
<context>
    <name>CapturePort</name>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>系统中未检测到 COM 端口。</translation>
    </message>
</context>
<context>
    <name>CaptureStore</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>没有可写入 %1 的图像。</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>%1 is no readable picture.</source>
        <translation>%1 不是可读取的图像。</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>无法删除 %1：%2</translation>
    </message>
    <message>
        <source>Every free name was taken.</source>
        <translation>所有可用的文件名都已被占用。</translation>
    </message>
    <message>
        <source>%1 is no readable picture and was skipped.</source>
        <extracomment>A file in the captures folder named as a kept picture, but cut short or no PNG.</extracomment>
        <translation>%1 不是可读取的图像，已跳过。</translation>
    </message>
</context>
<context>
    <name>CapturesWindow</name>
    <message>
        <source>Captures</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>Kept pictures</source>
        <translation>保留的图像</translation>
    </message>
    <message>
        <source>A note on this picture</source>
        <translation>此图像的备注</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>Show in main window</source>
        <translation>在主窗口中显示</translation>
    </message>
    <message>
        <source>Save as BMP...</source>
        <translation>另存为 BMP...</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>编辑备注</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message numerus="yes">
        <source>Kept pictures: %n, in %1</source>
        <extracomment>The captures window&apos;s status bar: %n how many pictures are kept, %1 their folder</extracomment>
        <translation>
            <numerusform>保留的图像：%n，位于 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture kept at %1</source>
        <extracomment>A kept picture shown again, for a screen reader: %1 its time</extracomment>
        <translation>保留于 %1 的图像</translation>
    </message>
    <message>
        <source>The picture could not be deleted.</source>
        <translation>无法删除图像。</translation>
    </message>
    <message>
        <source>The note could not be saved.</source>
        <translation>无法保存备注。</translation>
    </message>
</context>
<context>
    <name>ComPortList</name>
    <message>
        <source>COM%1 is not among the detected ports.</source>
        <translation>COM%1 不在已检测到的端口中。</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare pictures</source>
        <translation>比较图像</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>并排</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差异</translation>
    </message>
    <message>
        <source>Rate:</source>
        <extracomment>Beside the number of pictures shown each second while two blink</extracomment>
        <translation>频率：</translation>
    </message>
    <message>
        <source> per second</source>
        <extracomment>After the blink rate&apos;s number: pictures shown each second</extracomment>
        <translation> 次/秒</translation>
    </message>
    <message>
        <source>Space pauses</source>
        <translation>空格键暂停</translation>
    </message>
    <message>
        <source>The pictures are the same.</source>
        <translation>两幅图像相同。</translation>
    </message>
    <message numerus="yes">
        <source>Pixels that differ: %n</source>
        <translation>
            <numerusform>不同的像素：%n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>While two pictures blink: which one shows (1 or 2) and its time</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>DownloadController</name>
    <message>
        <source>Download from DSO</source>
        <extracomment>DSO: the instrument, a digital storage oscilloscope</extracomment>
        <translation>从示波器下载</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation>正在接收数据...</translation>
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
        <translation>接收到的字节保存在 %1 中。</translation>
    </message>
    <message>
        <source>Screen of the instrument</source>
        <translation>仪器屏幕</translation>
    </message>
</context>
<context>
    <name>EndingMessages</name>
    <message>
        <source>Error while opening COM port.</source>
        <translation>打开 COM 端口时出错。</translation>
    </message>
    <message>
        <source>The working file could not be written.</source>
        <translation>无法写入工作文件。</translation>
    </message>
    <message>
        <source>No transfer from %1 within %2 s.</source>
        <extracomment>%1: the serial device, %2: the start time-out in seconds</extracomment>
        <translation>%1 在 %2 秒内没有开始传输。</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <extracomment>%1: the serial port or device, e.g. COM3 or /dev/ttyUSB0</extracomment>
        <translation>与 %1 的连接已断开。</translation>
    </message>
    <message>
        <source>The instrument was still sending an earlier picture. Start the transfer on the instrument again.</source>
        <translation>仪器仍在发送上一幅图像。请在仪器上重新开始传输。</translation>
    </message>
    <message>
        <source>A block was lost on the line: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>线路上丢失了一个数据块：图像不完整。请在仪器上重新开始传输。</translation>
    </message>
    <message>
        <source>The received file is not a valid BMP picture.</source>
        <translation>接收到的文件不是有效的 BMP 图像。</translation>
    </message>
    <message>
        <source>Received, but not a picture</source>
        <translation>已接收，但不是图像</translation>
    </message>
    <message>
        <source>No transfer within %1 s</source>
        <extracomment>%1: whole seconds waited</extracomment>
        <translation>%1 秒内没有传输</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Line lost</source>
        <translation>连接已断开</translation>
    </message>
    <message>
        <source>Port not opened</source>
        <translation>端口未打开</translation>
    </message>
    <message>
        <source>Working file not written</source>
        <translation>工作文件未写入</translation>
    </message>
    <message>
        <source>Earlier transfer cancelled</source>
        <translation>已取消先前的传输</translation>
    </message>
    <message>
        <source>Block lost, picture not kept</source>
        <translation>数据块丢失，图像未保留</translation>
    </message>
    <message>
        <source>Received %1 KB</source>
        <extracomment>The status bar after a download; %1 is the picture&apos;s size in whole kilobytes</extracomment>
        <translation>已接收 %1 KB</translation>
    </message>
    <message>
        <source>Cancelled by the instrument</source>
        <translation>仪器已取消</translation>
    </message>
    <message>
        <source>The instrument cancelled the transfer.</source>
        <translation>仪器取消了传输。</translation>
    </message>
    <message>
        <source>Instrument stopped sending</source>
        <translation>仪器停止发送</translation>
    </message>
    <message>
        <source>The instrument stopped sending: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>仪器停止发送：图像不完整。请在仪器上重新开始传输。</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>位图文件 (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>FileHelpers</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>invalid section name</source>
        <translation>节名称无效</translation>
    </message>
    <message>
        <source>invalid key name</source>
        <translation>键名称无效</translation>
    </message>
    <message>
        <source>line break in value</source>
        <translation>值中含有换行符</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>LineOpening</name>
    <message>
        <source>The device is not there: was the adapter unplugged?</source>
        <translation>设备不存在：适配器是否已拔出？</translation>
    </message>
    <message>
        <source>Your user may need to be in the group that owns the device (often &quot;dialout&quot;); log in again after joining it.</source>
        <translation>您的用户可能需要加入拥有该设备的用户组（通常是“dialout”）；加入后请重新登录。</translation>
    </message>
    <message>
        <source>Another program has the port open.</source>
        <translation>另一个程序已打开该端口。</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Log of the exchange</source>
        <translation>通信日志</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>清除日志</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>保存日志</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*</translation>
    </message>
    <message>
        <source>The log could not be saved.</source>
        <translation>无法保存日志。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>加载位图</translation>
    </message>
    <message>
        <source>Save bitmap</source>
        <translation>保存位图</translation>
    </message>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>位图文件 (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Comport settings</source>
        <translation>COM 端口设置</translation>
    </message>
    <message>
        <source>Timings</source>
        <translation>时间参数</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>记录日志</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>系统中未检测到 COM 端口。</translation>
    </message>
    <message>
        <source>Program will terminate.</source>
        <translation>程序将退出。</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>无法保存设置。</translation>
    </message>
    <message>
        <source>%1.%2 build %3</source>
        <extracomment>The full version, e.g. &quot;0.1.1 build 5&quot;: major.minor, then release and build</extracomment>
        <translation>%1.%2 构建 %3</translation>
    </message>
</context>
<context>
    <name>PictureIo</name>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>没有可写入 %1 的图像。</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>无法加载 %1：%2</translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Copy picture</source>
        <translation>复制图像</translation>
    </message>
    <message>
        <source>Copy printable picture</source>
        <translation>复制适合打印的图像</translation>
    </message>
    <message>
        <source>Save as PNG...</source>
        <translation>另存为 PNG...</translation>
    </message>
    <message>
        <source>Save each picture to a folder...</source>
        <translation>将每幅图像保存到文件夹...</translation>
    </message>
    <message>
        <source>Stop saving each picture</source>
        <translation>停止保存每幅图像</translation>
    </message>
    <message>
        <source>PNG files (*.png)|*.png</source>
        <translation>PNG 文件 (*.png)|*.png</translation>
    </message>
    <message>
        <source>Captures...</source>
        <translation>截图...</translation>
    </message>
    <message>
        <source>Add to captures</source>
        <translation>添加到截图</translation>
    </message>
</context>
<context>
    <name>PictureView</name>
    <message>
        <source>Download state</source>
        <translation>下载状态</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 x %n pixels</source>
        <extracomment>The picture&apos;s name for a screen reader: what it shows, then its width x height; the plural form follows the height, the number the word stands after</extracomment>
        <translation>
            <numerusform>%1，%2 × %n 像素</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty screen</source>
        <translation>空白屏幕</translation>
    </message>
    <message>
        <source>How to start the transfer on the instrument</source>
        <translation>如何在仪器上开始传输</translation>
    </message>
    <message>
        <source>The picture could not be loaded.</source>
        <translation>无法加载图像。</translation>
    </message>
    <message>
        <source>Picture from a file</source>
        <translation>来自文件的图像</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>无法保存图像。</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>COM settings</source>
        <translation>COM 端口设置</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> 设置 </translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>数据位</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>奇偶校验</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>流控制</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <extracomment>Parity of the serial line</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>标记</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <extracomment>Flow control of the serial line</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>软件</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>硬件</translation>
    </message>
</context>
<context>
    <name>QtSerialLine</name>
    <message>
        <source>locked by another program</source>
        <translation>已被另一个程序锁定</translation>
    </message>
</context>
<context>
    <name>ReceivedPicture</name>
    <message>
        <source>Its header states %1 bytes; %2 bytes arrived.</source>
        <translation>其文件头声明为 %1 字节；实际收到 %2 字节。</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>open</source>
        <translation>已打开</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>已关闭</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>线路设置</translation>
    </message>
    <message>
        <source>Port state</source>
        <translation>端口状态</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
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
        <translation>序列号 %1</translation>
    </message>
</context>
<context>
    <name>TimingsDialog</name>
    <message>
        <source>Timings</source>
        <translation>时间参数</translation>
    </message>
    <message>
        <source>Transfer start timeout</source>
        <translation>传输启动超时</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>This is the time you have to press the buttons on your DSO to start transfer.</source>
        <extracomment>DSO: the instrument, a digital storage oscilloscope</extracomment>
        <translation>您需要在这段时间内按下示波器上的按键以开始传输。</translation>
    </message>
    <message>
        <source>Rx delay</source>
        <translation>Rx 延时</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Here you set an additional delay between request and buffer reading. You should increase it on fast systems.</source>
        <translation>在此设置请求与读取缓冲区之间的附加延时。在速度较快的系统上应增大此值。</translation>
    </message>
    <message>
        <source>NAK delay</source>
        <translation>NAK 延时</translation>
    </message>
    <message>
        <source>Transfer errors are answered by sending NAKs. Sometimes it helps, to have a little delay here.</source>
        <translation>出现传输错误时会发送 NAK 作为应答。有时在此稍加延时会有帮助。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>WaitingPicture</name>
    <message>
        <source>Press &quot;OK&quot; to set your DSO to HOLD mode</source>
        <extracomment>The first of two numbered steps on the picture shown while a download waits for the instrument. OK and HOLD are the instrument&apos;s key names, as printed on it: keep them as they are, in Latin capitals. The DSO is the instrument, a digital storage oscilloscope. Quotation marks as your language sets them.</extracomment>
        <translation>按“OK”键，使示波器进入 HOLD 模式</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <extracomment>The second step on that picture. LEVEL is the instrument&apos;s key name, as printed on it: keep it as it is, in Latin capitals. The instructions are those the instrument then shows.</extracomment>
        <translation>按“LEVEL”键，然后按照提示操作</translation>
    </message>
    <message>
        <source>Press &quot;OK&quot; to set your DSO to HOLD mode</source>
        <comment>128x64</comment>
        <extracomment>The first step on the smallest picture, 128 x 64 pixels, where four short lines hold both steps: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). OK and HOLD are the instrument&apos;s key names: keep them. The DSO is the instrument.</extracomment>
        <translation>按“OK”键进入 HOLD 模式</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <comment>128x64</comment>
        <extracomment>The second step on the smallest picture, 128 x 64 pixels: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). LEVEL is the instrument&apos;s key name: keep it.</extracomment>
        <translation>按“LEVEL”键并按提示操作</translation>
    </message>
</context>
<context>
    <name>WinSerialLine</name>
    <message>
        <source>system error %1</source>
        <translation>系统错误 %1</translation>
    </message>
</context>
</TS>
