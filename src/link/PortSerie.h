#pragma once
// The serial line to the drive: 19200 baud, 8 data bits, no parity, one stop bit, no flow control.

#include <QByteArray>
#include <QString>

#include <memory>

class PortSerie {
public:
    virtual ~PortSerie() = default;
    // Opens and configures the port; false leaves nothing open.
    virtual bool ouvre(const QString& nom) = 0;
    virtual void ferme() = 0;
    virtual bool estOuvert() const = 0;
    // Discards pending input and output.
    virtual void purge() = 0;
    // Writes every byte in one call; success of the call.
    virtual bool ecrit(const QByteArray& octets) = 0;
    // True only when exactly k bytes arrived within the time-outs; otherwise `recu` is empty.
    virtual bool lit(int k, QByteArray& recu) = 0;
};

// Time-outs of the line: a read of k bytes gives up after 100 + 10 k ms in all, or when more than
// 100 ms pass between two bytes; a write of k bytes may take 100 + 10 k ms.
namespace delais {
constexpr int entreOctets = 100;
constexpr int parOctet = 10;
constexpr int constant = 100;
constexpr int total(int k) {
    return constant + parOctet * k;
}
} // namespace delais

// The port of the system, on QSerialPort in blocking mode. A full device path (a
// pseudo-terminal such as /dev/pts/7) is a valid name.
std::unique_ptr<PortSerie> creePortSerieSysteme();
