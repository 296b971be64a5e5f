// The recovery journal: what it rebuilds is what a save would write, after any change, any cut and
// any damage; a point costs a few bytes, not the work.
#include "TravailTest.h"

#include "DossierVerrouille.h"
#include "work/FichierTravail.h"
#include "work/JournalTravail.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace {

using Lecture = ContenuJournal::Lecture;

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Journal : public TravailTest {
protected:
    QTemporaryDir dossier;
    QString chemin() const { return dossier.filePath("essai.journal"); }
    std::unique_ptr<EcrivainJournal> ecrivain = std::make_unique<EcrivainJournal>(chemin(), false);
    qint64 heure = 1'765'000'000'000;
    // The saves' bytes after each change, in order.
    std::vector<QByteArray> etats;

    // A change of the work, then the journal follows it.
    void change(const std::function<void(Travail&, SessionTravail&)>& f) {
        f(t(), s());
        s().TravailEnregistre = false;
        heure += 50;
        ASSERT_NE(ecrivain->suit(t(), s(), heure), EcrivainJournal::Resultat::Echec);
        etats.push_back(OctetsTravail(t(), DispositionTravail(t())));
    }
    void point(int k, int v) {
        change([&](Travail& w, SessionTravail& ws) {
            ws.EssaiCourant = k;
            VecteurMesures m{};
            for (int c = 1; c < NB_COLONNES; ++c)
                m[c] = v * 100 + c;
            ASSERT_EQ(w.AjoutePoint(ws, m), ResultatAjout::Ajoute);
        });
    }
    // A session of points in three tests, a comment and the title.
    void session() {
        change([](Travail& w, SessionTravail& ws) { w.AjouteEssai(ws); });
        for (int i = 0; i < 6; ++i)
            point(1, i);
        change([](Travail& w, SessionTravail& ws) { w.AjouteEssai(ws); });
        change([](Travail& w, SessionTravail&) { w.Essais[2].Entete.setCommentaire("à vide"); });
        for (int i = 0; i < 5; ++i)
            point(2, 50 - i);
        change([](Travail& w, SessionTravail&) {
            w.EnteteTravail.Commentaire.setTexte("Moteur à courant continu");
        });
        change([](Travail& w, SessionTravail& ws) { w.AjouteEssai(ws); });
        point(3, 7);
        point(1, 99);
    }
};

struct Cas {
    const char* nom;
    std::function<void(Travail&, SessionTravail&)> changement;
};

class JournalApres : public Journal, public testing::WithParamInterface<Cas> {};

// Every kind of change a person makes to a work, after a session of points: the journal rebuilds
// the save's bytes, and reading it twice gives the same.
TEST_P(JournalApres, RebuildsExactlyWhatASaveWouldWrite) {
    session();
    change(GetParam().changement);
    const ContenuJournal c = LitJournal(contenu(chemin()));
    EXPECT_EQ(c.lecture, Lecture::Complet);
    EXPECT_EQ(c.octets, etats.back());
    EXPECT_EQ(c.nomFichier, s().NomFichierCourant);
    EXPECT_EQ(c.heure, heure);
}

INSTANTIATE_TEST_SUITE_P(
    Changements, JournalApres,
    testing::Values(
        Cas{"PointAdded", [](Travail& w, SessionTravail& ws) { w.AjoutePoint(ws, VecteurMesures{}); }},
        Cas{"PointDeleted", [](Travail& w, SessionTravail& ws) { w.SupprimePoint(ws, 2, 1); }},
        Cas{"LastPointDeleted", [](Travail& w, SessionTravail& ws) { w.SupprimePoint(ws, 6, 1); }},
        Cas{"AllPointsOfATestDeleted",
            [](Travail& w, SessionTravail&) { w.Essais[1].Entete.DernierPoint() = -1; }},
        Cas{"FirstTestDeleted", [](Travail& w, SessionTravail& ws) { w.SupprimeEssai(ws, 1); }},
        Cas{"SortedDescending", [](Travail& w, SessionTravail&) { w.TriEssai(1, 1, 1); }},
        Cas{"SortedAscending", [](Travail& w, SessionTravail&) { w.TriEssai(0, 1, 2); }},
        Cas{"Definition",
            [](Travail& w, SessionTravail&) {
                w.EnteteTravail.DefCaract(2) = {1, 1, {}, 2, 18, {}, 5, 18, {}, 1};
            }},
        Cas{"Interpolation", [](Travail& w, SessionTravail&) { w.EnteteTravail.Interpolation = 3; }},
        Cas{"CurrentRange",
            [](Travail& w, SessionTravail&) { w.Essais[3].Entete[TEnteteEssai::MotCalibreCourant] = 20; }},
        Cas{"FileNameAfterASaveAs",
            [](Travail&, SessionTravail& ws) { ws.NomFichierCourant = "/tmp/a1.MLX2"; }},
        Cas{"ApplicationWork",
            [](Travail& w, SessionTravail&) {
                w.ApplicationCourante = 55;
                w.Essais[3].Entete[TEnteteEssai::MotParamApplication + 2] = 1234;
            }},
        Cas{"NewTestAfterTheThird", [](Travail& w, SessionTravail& ws) { w.AjouteEssai(ws); }}),
    [](const auto& i) { return std::string(i.param.nom); });

// The journal cut at every byte (a kill or a power cut in the middle of a write): each cut
// rebuilds one of the states the work went through, never a later one nor one never seen.
TEST_F(Journal, EveryCutRebuildsAStateTheWorkWentThroughNeverMore) {
    session();
    const QByteArray j = contenu(chemin());
    std::size_t precedent = 0;
    for (qsizetype n = 0; n <= j.size(); ++n) {
        const ContenuJournal c = LitJournal(j.left(n));
        if (c.octets.isEmpty()) {
            ASSERT_EQ(precedent, 0u) << "cut at " << n;
            continue;
        }
        const auto it = std::find(etats.begin() + precedent, etats.end(), c.octets);
        ASSERT_NE(it, etats.end()) << "cut at " << n << " rebuilds a state never seen";
        precedent = std::size_t(it - etats.begin());
    }
    EXPECT_EQ(precedent, etats.size() - 1);
    EXPECT_EQ(LitJournal(j).lecture, Lecture::Complet);
    EXPECT_EQ(LitJournal(j.chopped(1)).lecture, Lecture::Endommage);
}

// A flipped byte anywhere: no crash, and what is read is a state the work went through (the
// records before the damage), said to be damaged.
TEST_F(Journal, AFlippedByteRestoresTheRecordsBeforeItAndSaysSo) {
    session();
    const QByteArray j = contenu(chemin());
    for (qsizetype i = 0; i < j.size(); ++i) {
        QByteArray abime = j;
        abime[i] = char(abime[i] ^ 0x5A);
        const ContenuJournal c = LitJournal(abime);
        if (c.octets.isEmpty()) continue;
        EXPECT_EQ(c.lecture, Lecture::Endommage) << "byte " << i;
        EXPECT_NE(std::find(etats.begin(), etats.end(), c.octets), etats.end()) << "byte " << i;
    }
}

TEST_F(Journal, WhatIsNotAJournalIsSaidSoAndNothingIsRead) {
    session();
    QByteArray plusRecent = contenu(chemin());
    plusRecent[8] = char(VERSION_JOURNAL + 1);
    const struct {
        QByteArray octets;
        Lecture lecture;
    } cas[] = {
        {QByteArray(), Lecture::PasUnJournal},
        {"VimraJnl", Lecture::PasUnJournal},
        {OctetsTravail(t(), Disposition::MLX2), Lecture::PasUnJournal},
        {plusRecent, Lecture::VersionPlusRecente},
        {contenu(chemin()).left(16), Lecture::Vide},
    };
    for (const auto& c : cas) {
        const ContenuJournal r = LitJournal(c.octets);
        EXPECT_EQ(r.lecture, c.lecture) << c.octets.left(20).toHex().toStdString();
        EXPECT_TRUE(r.octets.isEmpty());
    }
}

// A point of a full work costs its own values and a test header, not the work.
TEST_F(Journal, APointOfAFullWorkAddsItsValuesNotTheWork) {
    for (int k = 1; k <= NB_ESSAIS_MAX; ++k)
        essaiDe(k == NB_ESSAIS_MAX ? 1500 : NB_POINTS_MAX);
    change([](Travail&, SessionTravail&) {});
    const qint64 avant = QFile(chemin()).size();
    point(5, 1);
    const qint64 ajoute = QFile(chemin()).size() - avant;
    EXPECT_LT(ajoute, 12 * 4 + TEnteteEssai::taille + 40);
    EXPECT_EQ(LitJournal(contenu(chemin())).octets, etats.back());
}

TEST_F(Journal, ASavedWorkHasNoJournalAndTheNextChangeStartsOneFromIt) {
    session();
    ASSERT_TRUE(QFile::exists(chemin()));
    s().TravailEnregistre = true;
    EXPECT_EQ(ecrivain->suit(t(), s(), heure), EcrivainJournal::Resultat::Supprime);
    EXPECT_FALSE(QFile::exists(chemin()));
    point(1, 3);
    EXPECT_EQ(LitJournal(contenu(chemin())).octets, etats.back());
}

// A folder that cannot be written: the failure is said, tried again 10 s later, and the work
// goes on; once it can be written the journal holds the work again.
TEST_F(Journal, AFolderThatCannotBeWrittenFailsThenRecoversOnceWritable) {
    {
        DossierVerrouille verrou(dossier.path());
        if (!verrou.verrouille()) GTEST_SKIP() << "this file system lets the folder be written";
        t().AjouteEssai(s());
        s().TravailEnregistre = false;
        EXPECT_EQ(ecrivain->suit(t(), s(), heure), EcrivainJournal::Resultat::Echec);
        EXPECT_EQ(ecrivain->suit(t(), s(), heure + 5000), EcrivainJournal::Resultat::Echec);
    }
    EXPECT_EQ(ecrivain->suit(t(), s(), heure + 5000), EcrivainJournal::Resultat::Echec)
        << "tried again too soon";
    EXPECT_EQ(ecrivain->suit(t(), s(), heure + 10000), EcrivainJournal::Resultat::Ecrit);
    EXPECT_EQ(LitJournal(contenu(chemin())).octets, OctetsTravail(t(), Disposition::MLX2));
}

} // namespace
