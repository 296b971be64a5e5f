// Every reader of outside bytes on the fuzzers' seeds and on the inputs their runs found: each
// is kept here once mended, so that it never comes back.
#include "Cibles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class Regressions : public testing::TestWithParam<cibles::Description> {};

TEST_P(Regressions, SeedsAndKeptFindingsAreReadWithoutFault) {
    const cibles::Description& c = GetParam();
    const auto graines = c.graines();
    ASSERT_FALSE(graines.empty());
    for (const auto& [nom, octets] : graines) {
        SCOPED_TRACE(nom.toStdString());
        EXPECT_EQ(c.cible(reinterpret_cast<const uint8_t*>(octets.constData()), std::size_t(octets.size())),
                  0);
    }
    const QDir dossier(QString(VIMRA_REGRESSIONS_FUZZ) + "/" + c.nom);
    for (const QString& nom : dossier.entryList(QDir::Files)) {
        SCOPED_TRACE(nom.toStdString());
        QFile f(dossier.filePath(nom));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        EXPECT_EQ(c.cible(reinterpret_cast<const uint8_t*>(octets.constData()), std::size_t(octets.size())),
                  0);
    }
}

INSTANTIATE_TEST_SUITE_P(Cibles, Regressions, testing::ValuesIn(cibles::toutes()), [](const auto& i) {
    std::string n = i.param.nom;
    std::replace(n.begin(), n.end(), '-', '_');
    return n;
});

// The seeds are valid inputs: their readers accept them, so that the fuzzers start from inside.
TEST_P(Regressions, SeedsAreAcceptedByTheirReaders) {
    const cibles::Description& c = GetParam();
    for (const auto& [nom, octets] : c.graines()) {
        c.cible(reinterpret_cast<const uint8_t*>(octets.constData()), std::size_t(octets.size()));
        EXPECT_TRUE(cibles::derniereAcceptee) << nom.toStdString();
    }
}

} // namespace
