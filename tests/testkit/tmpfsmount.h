#pragma once

#include <QString>

// A small tmpfs mounted on an empty folder for the length of a test, so that a full disk is a
// real one. Mounting takes root (the tests run as root here and in CI); where it is not
// permitted, or where there is no mount (Windows), ok() is false and why() says what mount said.
class TmpfsMount {
public:
    TmpfsMount(QString folder, int kilobytes);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    [[nodiscard]] bool ok() const { return mounted_; }
    [[nodiscard]] const QString& why() const { return why_; }
    // Writes the file `name` on it until nothing more fits.
    void fill(const QString& name) const;

private:
    QString folder_;
    bool mounted_ = false;
    QString why_;
};
