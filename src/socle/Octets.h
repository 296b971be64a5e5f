#pragma once
// Little-endian serialisation of the fixed-layout records, field by field.

#include <QByteArray>
#include <QtEndian>

#include <array>
#include <cstdint>
#include <cstring>

class EcrivainOctets {
public:
    explicit EcrivainOctets(QByteArray& sortie) : m_sortie(sortie) {}
    void u8(uint8_t v) { m_sortie.append(static_cast<char>(v)); }
    void u16(uint16_t v) {
        u8(static_cast<uint8_t>(v));
        u8(static_cast<uint8_t>(v >> 8));
    }
    void i32(int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        for (int s = 0; s < 32; s += 8)
            u8(static_cast<uint8_t>(u >> s));
    }
    template <std::size_t N> void octets(const std::array<uint8_t, N>& a) {
        m_sortie.append(reinterpret_cast<const char*>(a.data()), static_cast<qsizetype>(N));
    }
    void zeros(int n) { m_sortie.append(n, '\0'); }
    // Columns of values in one go: the byte order is set by qToLittleEndian, not by the host.
    void i32s(const int32_t* v, int n) {
        if (n <= 0) return;
        const qsizetype debut = m_sortie.size();
        m_sortie.resize(debut + qsizetype(n) * 4);
        qToLittleEndian<qint32>(v, n, m_sortie.data() + debut);
    }

private:
    QByteArray& m_sortie;
};

// Reads from a buffer; a read past its end yields zeros and clears ok().
class LecteurOctets {
public:
    LecteurOctets(const char* donnees, qsizetype taille) : m_d(donnees), m_taille(taille) {}
    explicit LecteurOctets(const QByteArray& b) : LecteurOctets(b.constData(), b.size()) {}

    bool ok() const { return m_ok; }
    const char* donnees() const { return m_d; }
    qsizetype position() const { return m_pos; }
    qsizetype reste() const { return m_taille - m_pos; }

    uint8_t u8() {
        if (m_pos >= m_taille) {
            m_ok = false;
            return 0;
        }
        return static_cast<uint8_t>(m_d[m_pos++]);
    }
    uint16_t u16() {
        const uint16_t a = u8();
        return static_cast<uint16_t>(a | (u8() << 8));
    }
    int32_t i32() {
        uint32_t u = 0;
        for (int s = 0; s < 32; s += 8)
            u |= static_cast<uint32_t>(u8()) << s;
        return static_cast<int32_t>(u);
    }
    template <std::size_t N> void octets(std::array<uint8_t, N>& a) {
        for (auto& o : a)
            o = u8();
    }
    void saute(qsizetype n) {
        if (n > reste()) {
            m_ok = false;
            m_pos = m_taille;
        } else {
            m_pos += n;
        }
    }
    void i32s(int32_t* v, int n) {
        if (n <= 0) return;
        if (qsizetype(n) * 4 > reste()) {
            for (int i = 0; i < n; ++i)
                v[i] = i32();
            return;
        }
        qFromLittleEndian<qint32>(m_d + m_pos, n, v);
        m_pos += qsizetype(n) * 4;
    }

private:
    const char* m_d;
    qsizetype m_taille;
    qsizetype m_pos = 0;
    bool m_ok = true;
};
