// The network library of the drive, written here over Modbus TCP.
#include "BibliothequeReseau.h"
#include "ModbusRtu.h"
#include "PortSerie.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>

namespace {

constexpr uint8_t unite = 1;

quint16 portModbus() {
    bool ok = false;
    const int p = qEnvironmentVariableIntValue("VIMRA_MODBUS_TCP_PORT", &ok);
    return ok && p > 0 && p < 65536 ? quint16(p) : quint16(502);
}

// "(192.168.1.100)" -> "192.168.1.100"
QString hote(const QByteArray& adresse) {
    QByteArray a = adresse.trimmed();
    if (a.startsWith('(')) a.remove(0, 1);
    if (a.endsWith(')')) a.chop(1);
    return QString::fromLatin1(a);
}

class BibliothequeModbusTcp final : public BibliothequeReseau {
public:
    BibliothequeModbusTcp(int delaiReponse, int delaiConnexion)
        : m_delaiReponse(delaiReponse), m_delaiConnexion(delaiConnexion) {}

    int32_t KNR_SetParameters(const std::array<int32_t, 5>&) override { return 0; }
    int32_t KNR_RegisterUser(int32_t, int32_t, int32_t, int32_t) override { return 0; }
    int32_t KNR_DeleteUser(int32_t) override {
        m_socket.reset();
        m_attente = {};
        return 0;
    }

    int32_t KNR_ReadObject(int32_t, const QByteArray& adresse, TKnrObject* o) override {
        return demande(adresse, 3, reponseKnr::lecture, o, 1);
    }
    int32_t KNR_ReadObjectList(int32_t, const QByteArray& adresse, TKnrObject* l, int32_t n) override {
        return demande(adresse, 3, reponseKnr::lectureListe, l, n);
    }
    int32_t KNR_WriteObject(int32_t, const QByteArray& adresse, TKnrObject* o) override {
        return demande(adresse, 16, reponseKnr::ecriture, o, 1);
    }
    int32_t KNR_WriteObjectList(int32_t, const QByteArray& adresse, TKnrObject* l, int32_t n) override {
        return demande(adresse, 16, reponseKnr::ecritureListe, l, n);
    }

    int32_t KNR_PollForResponse(int32_t) override {
        if (!m_attente.objets) return reponseKnr::compose(0, statutKnr::sansRequete);
        const int32_t genre = m_attente.genre;
        const int attendus = m_attente.fonction == 3 ? 9 + 2 * m_attente.n : 12;
        if (m_socket->bytesAvailable() < attendus && m_socket->state() == QAbstractSocket::ConnectedState) {
            const qint64 reste = m_attente.delai - m_attente.depuis.elapsed();
            if (reste > 0) m_socket->waitForReadyRead(int(std::min<qint64>(reste, 20)));
        }
        const reponseTcp::Analyse a = reponseTcp::analyse(
            m_socket->peek(attendus), {m_attente.transaction, m_attente.fonction, m_attente.n, genre},
            m_attente.objets);
        if (a.statut != 0) {
            m_socket->read(a.consommes);
            return fin(genre, a.statut);
        }
        if (m_socket->state() != QAbstractSocket::ConnectedState) return fin(genre, statutKnr::ligne);
        if (m_attente.depuis.elapsed() >= m_attente.delai) return fin(genre, statutKnr::delai);
        return 0;
    }

private:
    struct Attente {
        TKnrObject* objets = nullptr;
        int n = 0;
        int fonction = 0;
        int32_t genre = 0;
        quint16 transaction = 0;
        QElapsedTimer depuis;
        int delai = 0;
    };

    // By default an exchange waits no longer than the same exchange on the serial line: 100 ms plus
    // 10 ms a byte of its RTU reply, the connection included.
    int delaiEchange(int fonction, int n) const {
        if (m_delaiReponse > 0) return m_delaiReponse;
        return delais::total(fonction == 3 ? modbus::longueurReponseLecture(n)
                                           : modbus::longueurReponseEcriture);
    }

    bool connecte(const QByteArray& adresse, int delai) {
        const QString h = hote(adresse);
        // Made by the thread that exchanges on it: the socket belongs to that thread.
        if (!m_socket) m_socket = std::make_unique<QTcpSocket>();
        if (m_socket->state() == QAbstractSocket::ConnectedState && h == m_hote) return true;
        m_socket->abort();
        m_hote = h;
        QHostAddress a;
        if (!a.setAddress(h)) return false;
        m_socket->connectToHost(a, portModbus());
        if (!m_socket->waitForConnected(m_delaiConnexion > 0 ? m_delaiConnexion : delai)) {
            m_socket->abort();
            return false;
        }
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        return true;
    }

    int32_t demande(const QByteArray& adresse, int fonction, int32_t genre, TKnrObject* objets, int n) {
        if (!objets || n < 1 || n > 10) return 1;
        QElapsedTimer depuis;
        depuis.start();
        const int delai = delaiEchange(fonction, n);
        if (!connecte(adresse, delai)) return 2;
        // Whatever a late answer left on the line belongs to no request.
        if (m_socket->bytesAvailable() > 0) m_socket->readAll();
        const auto registre = quint16(objets[0].mots[1] * 100 + objets[0].mots[2] - 1);
        QByteArray pdu;
        pdu.append(char(fonction));
        pdu.append(char(registre >> 8)).append(char(registre & 0xFF));
        pdu.append('\0').append(char(n));
        if (fonction == 16) {
            pdu.append(char(2 * n));
            for (int i = 0; i < n; ++i) {
                const auto v = quint16(uint32_t(objets[i].mots[4]));
                pdu.append(char(v >> 8)).append(char(v & 0xFF));
            }
        }
        ++m_transaction;
        QByteArray trame;
        trame.append(char(m_transaction >> 8)).append(char(m_transaction & 0xFF));
        trame.append('\0').append('\0');
        const int longueur = int(pdu.size()) + 1;
        trame.append(char(longueur >> 8)).append(char(longueur & 0xFF));
        trame.append(char(unite));
        trame += pdu;
        if (m_socket->write(trame) != trame.size()) return 3;
        m_socket->flush();
        // The connection counts in the wait unless it has a bound of its own.
        if (m_delaiConnexion > 0) depuis.start();
        m_attente = {objets, n, fonction, genre, m_transaction, depuis, delai};
        return 0;
    }

    int32_t fin(int32_t genre, int32_t statut) {
        if (statut != reponseKnr::succes && m_socket) m_socket->abort(); // start again from a clean line
        m_attente = {};
        return reponseKnr::compose(genre, statut);
    }

    std::unique_ptr<QTcpSocket> m_socket;
    QString m_hote;
    Attente m_attente;
    quint16 m_transaction = 0;
    int m_delaiReponse;
    int m_delaiConnexion;
};

} // namespace

reponseTcp::Analyse reponseTcp::analyse(const QByteArray& r, const Attente& attente, TKnrObject* objets) {
    if (r.size() < 9) return {};
    const auto o = [&r](int i) { return uint8_t(r[i]); };
    if (o(7) & 0x80) return {statutKnr::exception, 9};
    const int attendus = attente.fonction == 3 ? 9 + 2 * attente.n : 12;
    if (r.size() < attendus) return {};
    const quint16 transaction = quint16(o(0) << 8 | o(1));
    if (transaction != attente.transaction || o(6) != unite || o(7) != attente.fonction)
        return {statutKnr::ligne, attendus};
    if (attente.fonction == 3) {
        if (o(8) != 2 * attente.n) return {statutKnr::ligne, attendus};
        for (int i = 0; i < attente.n; ++i) {
            const int v = o(9 + 2 * i) << 8 | o(10 + 2 * i);
            // A single read answers the register as it is; a list, as signed words.
            objets[i].mots[4] = attente.genre == reponseKnr::lecture ? v : int16_t(v);
        }
    }
    return {reponseKnr::succes, attendus};
}

std::unique_ptr<BibliothequeReseau> creeBibliothequeModbusTcp(int delaiReponseMs, int delaiConnexionMs) {
    return std::make_unique<BibliothequeModbusTcp>(delaiReponseMs, delaiConnexionMs);
}
