#pragma once
// A pseudo-terminal pair for the end-to-end tests of the serial line: the program opens the
// slave side by its path, the test serves the master side.

#include <QByteArray>
#include <QString>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

class Pty {
public:
    Pty() {
        m_maitre = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_maitre < 0 || ::grantpt(m_maitre) != 0 || ::unlockpt(m_maitre) != 0) return;
        m_chemin = QString::fromLocal8Bit(::ptsname(m_maitre));
        // Raw from the start, so that nothing the program sends is echoed back before it opens.
        const int esclave = ::open(::ptsname(m_maitre), O_RDWR | O_NOCTTY);
        if (esclave >= 0) {
            termios t{};
            ::tcgetattr(esclave, &t);
            ::cfmakeraw(&t);
            ::tcsetattr(esclave, TCSANOW, &t);
            m_esclaveGarde = esclave; // kept open: the line stays up between the program's opens
        }
    }
    ~Pty() {
        if (m_esclaveGarde >= 0) ::close(m_esclaveGarde);
        if (m_maitre >= 0) ::close(m_maitre);
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool ok() const { return m_maitre >= 0 && !m_chemin.isEmpty(); }
    int maitre() const { return m_maitre; }
    QString chemin() const { return m_chemin; }

    // Bytes that came from the program within `ms`, at most `max`.
    QByteArray lit(int max, int ms) const {
        pollfd p{m_maitre, POLLIN, 0};
        if (::poll(&p, 1, ms) <= 0) return {};
        QByteArray b(max, '\0');
        const ssize_t n = ::read(m_maitre, b.data(), size_t(max));
        return n > 0 ? b.left(int(n)) : QByteArray();
    }
    bool ecrit(const QByteArray& b) const {
        return ::write(m_maitre, b.constData(), size_t(b.size())) == ssize_t(b.size());
    }

private:
    int m_maitre = -1;
    int m_esclaveGarde = -1;
    QString m_chemin;
};
