#include "socle/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, AccentsAndSymbolsRoundTrip) {
    const QString t = QString::fromUtf8("Tracé € œ ² ° «»");
    const QByteArray b = cp1252::encode(t);
    EXPECT_EQ(b.size(), t.size());
    EXPECT_EQ(static_cast<uint8_t>(b[4]), 0xE9); // é
    EXPECT_EQ(static_cast<uint8_t>(b[6]), 0x80); // €
    EXPECT_EQ(cp1252::decode(reinterpret_cast<const uint8_t*>(b.constData()), int(b.size())), t);
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(cp1252::encode(QString::fromUtf8("a\u0394b")), QByteArray("a?b"));
}

TEST(ChaineCourte, CutsToCapacityAndKeepsBytesPastTheLength) {
    ChaineCourte<5> c;
    c.octets = {9, 'a', 'b', 'c', 'd', 'e'}; // length byte beyond the capacity
    EXPECT_EQ(c.texte(), "abcde");
    c.setTexte("xy");
    EXPECT_EQ(c.octets[0], 2);
    EXPECT_EQ(c.texte(), "xy");
    EXPECT_EQ(c.octets[3], 'c'); // the tail is left as it was
    c.setTexte("0123456789");
    EXPECT_EQ(c.texte(), "01234");
}
