#include "Cp1252.h"

#include <QHash>

namespace {

// 0x80..0x9F; the five holes of the code page map to the C1 control of the same value,
// as the platform's own conversion does.
constexpr char16_t haut[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

const QHash<char16_t, uint8_t>& inverse() {
    static const QHash<char16_t, uint8_t> table = [] {
        QHash<char16_t, uint8_t> t;
        for (int i = 0; i < 32; ++i)
            t.insert(haut[i], static_cast<uint8_t>(0x80 + i));
        return t;
    }();
    return table;
}

} // namespace

namespace cp1252 {

QString decode(const uint8_t* octets, int n) {
    QString s;
    s.reserve(n);
    for (int i = 0; i < n; ++i) {
        const uint8_t o = octets[i];
        s.append(QChar(o >= 0x80 && o < 0xA0 ? haut[o - 0x80] : char16_t(o)));
    }
    return s;
}

QByteArray encode(const QString& texte) {
    QByteArray b;
    b.reserve(texte.size());
    for (const QChar c : texte) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b.append(static_cast<char>(u));
        } else {
            const auto it = inverse().constFind(u);
            b.append(it != inverse().constEnd() ? static_cast<char>(*it) : '?');
        }
    }
    return b;
}

} // namespace cp1252
