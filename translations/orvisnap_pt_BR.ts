<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>The makers of the DSOs,
for XModem screen dumps.</source>
        <extracomment>The About card&apos;s first thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>Aos fabricantes dos DSOs,
pelas capturas de tela via XModem.</translation>
    </message>
    <message>
        <source>Everyone who tested early
versions and reported bugs.</source>
        <extracomment>The About card&apos;s second thanks, in two lines of about 30 letters each (Chinese, Japanese: about 14 characters); break the line where it reads well in your language</extracomment>
        <translation>A todos que testaram as primeiras
versões e relataram erros.</translation>
    </message>
    <message>
        <source>Idea &amp; Realization</source>
        <translation>Ideia &amp; realização</translation>
    </message>
    <message>
        <source>The Orvisnap developers</source>
        <translation>Os desenvolvedores do Orvisnap</translation>
    </message>
    <message>
        <source>Special thanks to:</source>
        <translation>Agradecimentos especiais a:</translation>
    </message>
    <message>
        <source>First release</source>
        <translation>Primeira versão</translation>
    </message>
    <message>
        <source>June, 2010</source>
        <translation>Junho de 2010</translation>
    </message>
    <message>
        <source>About Orvisnap</source>
        <translation>Sobre o Orvisnap</translation>
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
        <translation>Salvar cada imagem em uma pasta</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 salvo</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Não salvo: %1</translation>
    </message>
</context>
<context>
    <name>BmpHeader</name>
    <message>
        <source>%1 is too short for a colour table.</source>
        <translation>O arquivo %1 é curto demais para conter uma tabela de cores.</translation>
    </message>
</context>
<context>
    <name>CaptureKeeper</name>
    <message>
        <source>Captures are turned off: [Captures] Keep=0 in the settings file.</source>
        <translation>As capturas estão desativadas: [Captures] Keep=0 no arquivo de configurações.</translation>
    </message>
    <message>
        <source>Not kept in the captures: %1</source>
        <translation>Imagem não guardada nas capturas: %1</translation>
    </message>
    <message>
        <source>Added to the captures as %1</source>
        <translation>Imagem adicionada às capturas como %1</translation>
    </message>
</context>
<context>
    <name>CapturePort</name>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>Nenhuma porta COM detectada no sistema.</translation>
    </message>
</context>
<context>
    <name>CaptureStore</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>There is no picture to write to %1.</source>
        <translation>Não há imagem para gravar em %1.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>%1 is no readable picture.</source>
        <translation>O arquivo %1 não é uma imagem legível.</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Não foi possível excluir %1: %2</translation>
    </message>
    <message>
        <source>Every free name was taken.</source>
        <translation>Todos os nomes livres já estavam ocupados.</translation>
    </message>
    <message>
        <source>%1 is no readable picture and was skipped.</source>
        <extracomment>A file in the captures folder named as a kept picture, but cut short or no PNG.</extracomment>
        <translation>O arquivo %1 não é uma imagem legível e foi ignorado.</translation>
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
        <translation>Imagens guardadas</translation>
    </message>
    <message>
        <source>A note on this picture</source>
        <translation>Uma nota sobre esta imagem</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Show in main window</source>
        <translation>Mostrar na janela principal</translation>
    </message>
    <message>
        <source>Save as BMP...</source>
        <translation>Salvar como BMP...</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Editar nota</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message numerus="yes">
        <source>Kept pictures: %n, in %1</source>
        <extracomment>The captures window&apos;s status bar: %n how many pictures are kept, %1 their folder</extracomment>
        <translation>
            <numerusform>Imagens guardadas: %n, em %1</numerusform>
            <numerusform>Imagens guardadas: %n, em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture kept at %1</source>
        <extracomment>A kept picture shown again, for a screen reader: %1 its time</extracomment>
        <translation>Imagem guardada em %1</translation>
    </message>
    <message>
        <source>The picture could not be deleted.</source>
        <translation>Não foi possível excluir a imagem.</translation>
    </message>
    <message>
        <source>The note could not be saved.</source>
        <translation>Não foi possível salvar a nota.</translation>
    </message>
</context>
<context>
    <name>ComPortList</name>
    <message>
        <source>COM%1 is not among the detected ports.</source>
        <translation>A COM%1 não está entre as portas detectadas.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare pictures</source>
        <translation>Comparar imagens</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Lado a lado</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Piscar</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Rate:</source>
        <extracomment>Beside the number of pictures shown each second while two blink</extracomment>
        <translation>Frequência:</translation>
    </message>
    <message>
        <source> per second</source>
        <extracomment>After the blink rate&apos;s number: pictures shown each second</extracomment>
        <translation> por segundo</translation>
    </message>
    <message>
        <source>Space pauses</source>
        <translation>Espaço: pausa</translation>
    </message>
    <message>
        <source>The pictures are the same.</source>
        <translation>As imagens são iguais.</translation>
    </message>
    <message numerus="yes">
        <source>Pixels that differ: %n</source>
        <translation>
            <numerusform>Pixels diferentes: %n</numerusform>
            <numerusform>Pixels diferentes: %n</numerusform>
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
        <translation>Baixar do DSO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation>Recebendo dados...</translation>
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
        <translation>Os bytes recebidos estão guardados em %1.</translation>
    </message>
    <message>
        <source>Screen of the instrument</source>
        <translation>Tela do instrumento</translation>
    </message>
</context>
<context>
    <name>EndingMessages</name>
    <message>
        <source>Error while opening COM port.</source>
        <translation>Erro ao abrir a porta COM.</translation>
    </message>
    <message>
        <source>The working file could not be written.</source>
        <translation>Não foi possível gravar o arquivo de trabalho.</translation>
    </message>
    <message>
        <source>No transfer from %1 within %2 s.</source>
        <extracomment>%1: the serial device, %2: the start time-out in seconds</extracomment>
        <translation>Nenhuma transferência de %1 em %2 s.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <extracomment>%1: the serial port or device, e.g. COM3 or /dev/ttyUSB0</extracomment>
        <translation>A conexão com %1 foi perdida.</translation>
    </message>
    <message>
        <source>The instrument was still sending an earlier picture. Start the transfer on the instrument again.</source>
        <translation>O instrumento ainda estava enviando uma imagem anterior. Inicie a transferência no instrumento novamente.</translation>
    </message>
    <message>
        <source>A block was lost on the line: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>Um bloco se perdeu na linha: a imagem está incompleta. Inicie a transferência no instrumento novamente.</translation>
    </message>
    <message>
        <source>The received file is not a valid BMP picture.</source>
        <translation>O arquivo recebido não é uma imagem BMP válida.</translation>
    </message>
    <message>
        <source>Received, but not a picture</source>
        <translation>Recebido, mas não é uma imagem</translation>
    </message>
    <message>
        <source>No transfer within %1 s</source>
        <extracomment>%1: whole seconds waited</extracomment>
        <translation>Nenhuma transferência em %1 s</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Line lost</source>
        <translation>Conexão perdida</translation>
    </message>
    <message>
        <source>Port not opened</source>
        <translation>Porta não aberta</translation>
    </message>
    <message>
        <source>Working file not written</source>
        <translation>Arquivo de trabalho não gravado</translation>
    </message>
    <message>
        <source>Earlier transfer cancelled</source>
        <translation>Transferência anterior cancelada</translation>
    </message>
    <message>
        <source>Block lost, picture not kept</source>
        <translation>Bloco perdido, imagem descartada</translation>
    </message>
    <message>
        <source>Received %1 KB</source>
        <extracomment>The status bar after a download; %1 is the picture&apos;s size in whole kilobytes</extracomment>
        <translation>%1 KB recebidos</translation>
    </message>
    <message>
        <source>Cancelled by the instrument</source>
        <translation>Cancelado pelo instrumento</translation>
    </message>
    <message>
        <source>The instrument cancelled the transfer.</source>
        <translation>O instrumento cancelou a transferência.</translation>
    </message>
    <message>
        <source>Instrument stopped sending</source>
        <translation>O instrumento parou de enviar</translation>
    </message>
    <message>
        <source>The instrument stopped sending: the picture is incomplete. Start the transfer on the instrument again.</source>
        <translation>O instrumento parou de enviar: a imagem está incompleta. Inicie a transferência no instrumento novamente.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>Arquivos bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Arquivos de texto (*.txt)|*.txt|Todos os arquivos (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>FileHelpers</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Não foi possível abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>invalid section name</source>
        <translation>nome de seção inválido</translation>
    </message>
    <message>
        <source>invalid key name</source>
        <translation>nome de chave inválido</translation>
    </message>
    <message>
        <source>line break in value</source>
        <translation>quebra de linha no valor</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>LineOpening</name>
    <message>
        <source>The device is not there: was the adapter unplugged?</source>
        <translation>O dispositivo não está presente: o adaptador foi desconectado?</translation>
    </message>
    <message>
        <source>Your user may need to be in the group that owns the device (often &quot;dialout&quot;); log in again after joining it.</source>
        <translation>Talvez seu usuário precise pertencer ao grupo dono do dispositivo (geralmente &quot;dialout&quot;); depois de entrar no grupo, faça login novamente.</translation>
    </message>
    <message>
        <source>Another program has the port open.</source>
        <translation>Outro programa está com a porta aberta.</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Log of the exchange</source>
        <translation>Log da comunicação</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Limpar log</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Salvar log</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Arquivos de texto (*.txt)|*.txt|Todos os arquivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>The log could not be saved.</source>
        <translation>Não foi possível salvar o log.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Carregar bitmap</translation>
    </message>
    <message>
        <source>Save bitmap</source>
        <translation>Salvar bitmap</translation>
    </message>
    <message>
        <source>Bitmap files (*.bmp)|*.bmp</source>
        <translation>Arquivos bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Comport settings</source>
        <translation>Configurações da porta COM</translation>
    </message>
    <message>
        <source>Timings</source>
        <translation>Temporizações</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Registro em log</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>No COM ports detected on your system.</source>
        <translation>Nenhuma porta COM detectada no sistema.</translation>
    </message>
    <message>
        <source>Program will terminate.</source>
        <translation>O programa será encerrado.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Não foi possível salvar as configurações.</translation>
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
        <translation>Não há imagem para gravar em %1.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>O arquivo não existe.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>Não foi possível carregar %1: %2</translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Copy printable picture</source>
        <translation>Copiar imagem para impressão</translation>
    </message>
    <message>
        <source>Save as PNG...</source>
        <translation>Salvar como PNG...</translation>
    </message>
    <message>
        <source>Save each picture to a folder...</source>
        <translation>Salvar cada imagem em uma pasta...</translation>
    </message>
    <message>
        <source>Stop saving each picture</source>
        <translation>Parar de salvar cada imagem</translation>
    </message>
    <message>
        <source>PNG files (*.png)|*.png</source>
        <translation>Arquivos PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>Captures...</source>
        <translation>Capturas...</translation>
    </message>
    <message>
        <source>Add to captures</source>
        <translation>Adicionar às capturas</translation>
    </message>
</context>
<context>
    <name>PictureView</name>
    <message>
        <source>Download state</source>
        <translation>Estado do download</translation>
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
        <translation>Tela vazia</translation>
    </message>
    <message>
        <source>How to start the transfer on the instrument</source>
        <translation>Como iniciar a transferência no instrumento</translation>
    </message>
    <message>
        <source>The picture could not be loaded.</source>
        <translation>Não foi possível carregar a imagem.</translation>
    </message>
    <message>
        <source>Picture from a file</source>
        <translation>Imagem de um arquivo</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>Não foi possível salvar a imagem.</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>COM settings</source>
        <translation>Configurações COM</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> Configurações </translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Taxa de transmissão</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Bits de dados</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Bits de parada</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridade</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Controle de fluxo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <extracomment>Parity of the serial line</extracomment>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ímpar</translation>
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
        <translation>Espaço</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <extracomment>Flow control of the serial line</extracomment>
        <translation>Nenhuma</translation>
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
        <translation>bloqueada por outro programa</translation>
    </message>
</context>
<context>
    <name>ReceivedPicture</name>
    <message>
        <source>Its header states %1 bytes; %2 bytes arrived.</source>
        <translation>O cabeçalho indica %1 bytes; chegaram %2 bytes.</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>open</source>
        <translation>aberta</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fechada</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>Configurações da linha</translation>
    </message>
    <message>
        <source>Port state</source>
        <translation>Estado da porta</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
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
        <translation>número de série %1</translation>
    </message>
</context>
<context>
    <name>TimingsDialog</name>
    <message>
        <source>Timings</source>
        <translation>Temporizações</translation>
    </message>
    <message>
        <source>Transfer start timeout</source>
        <translation>Tempo limite de início</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>This is the time you have to press the buttons on your DSO to start transfer.</source>
        <extracomment>DSO: the instrument, a digital storage oscilloscope</extracomment>
        <translation>Este é o tempo que você tem para pressionar os botões do DSO e iniciar a transferência.</translation>
    </message>
    <message>
        <source>Rx delay</source>
        <translation>Atraso de Rx</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>milissegundos</translation>
    </message>
    <message>
        <source>Here you set an additional delay between request and buffer reading. You should increase it on fast systems.</source>
        <translation>Aqui você define um atraso adicional entre a solicitação e a leitura do buffer. Em sistemas rápidos, convém aumentá-lo.</translation>
    </message>
    <message>
        <source>NAK delay</source>
        <translation>Atraso de NAK</translation>
    </message>
    <message>
        <source>Transfer errors are answered by sending NAKs. Sometimes it helps, to have a little delay here.</source>
        <translation>Erros de transferência são respondidos com o envio de NAKs. Às vezes, um pequeno atraso aqui ajuda.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Pressione &quot;OK&quot; para colocar o DSO no modo HOLD</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <extracomment>The second step on that picture. LEVEL is the instrument&apos;s key name, as printed on it: keep it as it is, in Latin capitals. The instructions are those the instrument then shows.</extracomment>
        <translation>Pressione &quot;LEVEL&quot; e siga as instruções</translation>
    </message>
    <message>
        <source>Press &quot;OK&quot; to set your DSO to HOLD mode</source>
        <comment>128x64</comment>
        <extracomment>The first step on the smallest picture, 128 x 64 pixels, where four short lines hold both steps: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). OK and HOLD are the instrument&apos;s key names: keep them. The DSO is the instrument.</extracomment>
        <translation>Pressione &quot;OK&quot;: DSO no modo HOLD</translation>
    </message>
    <message>
        <source>Press &quot;LEVEL&quot; and follow the instructions</source>
        <comment>128x64</comment>
        <extracomment>The second step on the smallest picture, 128 x 64 pixels: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters). LEVEL is the instrument&apos;s key name: keep it.</extracomment>
        <translation>Pressione &quot;LEVEL&quot; e siga as instruções</translation>
    </message>
</context>
<context>
    <name>WinSerialLine</name>
    <message>
        <source>system error %1</source>
        <translation>erro de sistema %1</translation>
    </message>
</context>
</TS>
