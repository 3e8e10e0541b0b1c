#pragma once

#include "devicehold.h"
#include "serialline.h"

#include <QSerialPort>

#include <memory>

// A serial line through Qt SerialPort, with the device held by DeviceHold while it opens.
class QtSerialLine final : public SerialLine {
public:
    QtSerialLine() = default;
    ~QtSerialLine() override { close(); }

    [[nodiscard]] Opened open(const QString& device) override;
    [[nodiscard]] bool configure(const LineSettings& settings) override;
    [[nodiscard]] QString errorString() const override;
    void close() override;

    void resetDevice() override;
    void write(const QByteArray& bytes) override;
    [[nodiscard]] QByteArray readAvailable() override;
    void onReadyRead(std::function<void()> handler) override;
    [[nodiscard]] bool lost() const override { return lost_; }

private:
    void noteError(QSerialPort::SerialPortError error);

    // Deleted later: a close may come from within the port's own signal.
    struct LaterDeleter {
        void operator()(QSerialPort* port) const { port->deleteLater(); }
    };
    std::unique_ptr<QSerialPort, LaterDeleter> port_;
    std::function<void()> readyRead_;
    bool lost_ = false;
    int readErrors_ = 0;
};
