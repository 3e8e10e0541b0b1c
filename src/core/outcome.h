#pragma once

#include <QString>

#include <utility>

// What an operation that can fail gives back: success, or the reason, naming the file or device
// and carrying the system's own words, ready to be shown to the user.
class [[nodiscard]] Outcome {
public:
    Outcome() = default; // success

    [[nodiscard]] static Outcome failure(QString reason)
    {
        Outcome outcome;
        outcome.failed_ = true;
        outcome.reason_ = std::move(reason);
        return outcome;
    }

    [[nodiscard]] bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] const QString& reason() const { return reason_; }

private:
    bool failed_ = false;
    QString reason_;
};
