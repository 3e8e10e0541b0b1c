// The serial ports on the Wine prefix that tests/windows/endtoend.sh sets up: the simulated
// instrument behind COM9, and COM45 registered as Windows registers its ports.
#include "comportlist.h"
#include "deviceport.h"
#include "portdialog.h"

#include <QComboBox>
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <new>

// Freed memory is filled and never handed out again, as a sanitizer's quarantine does: code that
// touches a freed object reads garbage and crashes rather than passing by chance.
void* operator new(std::size_t size)
{
    if (void* memory = std::malloc(size > 0 ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept
{
    if (memory != nullptr)
        std::memset(memory, 0xDD, _msize(memory));
}

void operator delete(void* memory, std::size_t /*size*/) noexcept
{
    operator delete(memory);
}

class TestWinePorts : public QObject {
    Q_OBJECT
private slots:
    // Every port the system lists, also above COM30, in ascending order.
    void dialogListsEveryListedPort()
    {
        PortDialog dialog;
        dialog.setPorts(ComPortList::detect({}).described(), 9);
        dialog.show();
        auto* list = dialog.findChild<QComboBox*>("portList");
        const int com9 = list->findText("COM9");
        const int com45 = list->findText("COM45");
        QVERIFY(com9 >= 0 && com45 > com9);
        QCOMPARE(list->currentIndex(), com9);
        QVERIFY(list->itemData(com45, Qt::ToolTipRole).toString().endsWith("\\\\.\\COM45"));
    }

    // A download that ends on arriving bytes closes its line from within the line's own
    // tidings of them: nothing freed is touched, and the port is free at once.
    void lineClosedFromItsOwnTidings()
    {
        QString device;
        QVERIFY(ComPortList::detect({}).deviceOf(9, device));
        for (int round = 0; round < 3; ++round) {
            DevicePort port(device);
            QVERIFY(port.open());
            bool told = false;
            port.line()->onReadyRead([&told, &port] {
                told = true;
                port.close();
            });
            port.line()->write(QByteArray(1, '\x15')); // the instrument sends, or sends again
            QTRY_VERIFY_WITH_TIMEOUT(told, 10000);
            QVERIFY(!port.line());
        }
    }
};

QTEST_MAIN(TestWinePorts)
#include "test_wineports.moc"
