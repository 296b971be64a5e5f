#include "PortSerie.h"

#include <QElapsedTimer>
#include <QSerialPort>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#endif

namespace {

class PortSerieQt final : public PortSerie {
public:
    bool ouvre(const QString& nom) override {
        ferme();
        // An empty name would name no device at all.
        if (nom.isEmpty()) return false;
        // Made by the thread that exchanges on it: the port belongs to that thread.
        m_port = std::make_unique<QSerialPort>();
        m_port->setPortName(nom);
        if (!m_port->open(QIODevice::ReadWrite)) {
            m_port.reset();
            return false;
        }
        if (!m_port->setBaudRate(QSerialPort::Baud19200) || !m_port->setDataBits(QSerialPort::Data8) ||
            !m_port->setParity(QSerialPort::NoParity) || !m_port->setStopBits(QSerialPort::OneStop) ||
            !m_port->setFlowControl(QSerialPort::NoFlowControl)) {
            m_port.reset();
            return false;
        }
        m_port->setReadBufferSize(4096);
        m_port->clear(QSerialPort::AllDirections);
        // A pseudo-terminal has no DTR line: its refusal is of no consequence.
        m_port->setDataTerminalReady(true);
        m_port->clearError();
        return true;
    }

    void ferme() override { m_port.reset(); }

    bool estOuvert() const override { return m_port && m_port->isOpen(); }

    void purge() override {
        if (!estOuvert()) return;
        // Flushing a line costs the system far more than asking whether anything waits on it;
        // with nothing pending in either direction there is nothing to discard.
        if (m_port->bytesAvailable() == 0 && m_port->bytesToWrite() == 0 && !octetsEnAttente()) return;
        m_port->clear(QSerialPort::AllDirections);
    }

    bool ecrit(const QByteArray& octets) override {
        if (!estOuvert()) return false;
        if (m_port->write(octets) != octets.size()) return false;
        // Hands the bytes to the system at once; waits only when it cannot take them all.
        m_port->flush();
        while (m_port->bytesToWrite() > 0)
            if (!m_port->waitForBytesWritten(delais::total(int(octets.size())))) return false;
        return true;
    }

    bool lit(int k, QByteArray& recu) override {
        recu.clear();
        if (!estOuvert() || k <= 0) return k == 0;
        QByteArray tampon;
        QElapsedTimer total;
        total.start();
        const int limite = delais::total(k);
        while (tampon.size() < k) {
            if (m_port->bytesAvailable() > 0) {
                tampon += m_port->read(k - tampon.size());
                continue;
            }
            const qint64 reste = limite - total.elapsed();
            if (reste <= 0) return false;
            const int attente = int(std::min<qint64>(reste, tampon.isEmpty() ? reste : delais::entreOctets));
            if (!m_port->waitForReadyRead(attente)) return false;
        }
        recu = tampon;
        return true;
    }

private:
    // Bytes the system holds for the line, received or still to send. Where it cannot be asked,
    // anything may be pending, and the purge always clears.
    bool octetsEnAttente() const {
#ifdef Q_OS_UNIX
        const int fd = int(m_port->handle());
        int entree = 0, sortie = 0;
        if (fd < 0 || ::ioctl(fd, FIONREAD, &entree) != 0 || ::ioctl(fd, TIOCOUTQ, &sortie) != 0) return true;
        return entree > 0 || sortie > 0;
#else
        return true;
#endif
    }

    std::unique_ptr<QSerialPort> m_port;
};

} // namespace

std::unique_ptr<PortSerie> creePortSerieSysteme() {
    return std::make_unique<PortSerieQt>();
}
