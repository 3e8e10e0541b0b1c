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
    void waitForData(std::int64_t maxMs) override;
    [[nodiscard]] bool lost() const override { return lost_; }

private:
    void noteError(QSerialPort::SerialPortError error);

    std::unique_ptr<QSerialPort> port_;
    bool lost_ = false;
    int readErrors_ = 0;
};
