// The journals found at start-up, whatever state they are in, and a journal that cannot be written:
// a clear question or message, nothing destroyed, the work going on.
#include "DialoguesScriptes.h"
#include "DossierVerrouille.h"
#include "shell/Programme.h"
#include "shell/Reprise.h"
#include "socle/Dossiers.h"
#include "socle/Textes.h"
#include "work/SessionTravail.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Trouve {
    const char* nom;
    // The journal a program that is gone left, from a whole one.
    QByteArray (*journal)(const QByteArray& entier);
    bool question;          // the work is offered
    const char* dit;        // what the question or the message says
    const char* garde;      // the file kept aside, if any
    qsizetype pointsEcrits; // points of the recovered work written into the work folder, -1 none
};

class RepriseTrouvee : public testing::TestWithParam<Trouve> {
protected:
    QTemporaryDir dossier;
    DialoguesScriptes dialogues;
    void SetUp() override {
        AppliqueLangue(1);
        dossiers().fixe(dossier.path());
    }
};

TEST_P(RepriseTrouvee, IsOfferedOrSetAsideAndNeverDestroyed) {
    const Trouve c = GetParam();
    const QString journaux = QDir(dossier.path()).filePath("Reprise");
    QDir().mkpath(journaux);
    QByteArray entier;
    {
        // A session of three points in the journal of a program that is gone.
        auto t = std::make_unique<Travail>();
        SessionTravail session;
        EcrivainJournal e(QDir(journaux).filePath("ancien.journal"), false);
        t->AjouteEssai(session);
        VecteurMesures mesures{};
        for (int i = 0; i < 3; ++i) {
            mesures[1] = 1000 + i;
            t->AjoutePoint(session, mesures);
            session.TravailEnregistre = false;
            e.suit(*t, session, 1'765'000'000'000 + i * 1000);
        }
        QFile f(e.chemin());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        entier = f.readAll();
    }
    {
        QFile f(QDir(journaux).filePath("ancien.journal"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.journal(entier));
    }
    Reprise reprise(journaux, false, nullptr);
    dialogues.reponses = {Dialogues::Reponse::Non};
    reprise.offre();

    EXPECT_EQ(dialogues.questions.size(), c.question ? 1 : 0);
    const QString dit = (dialogues.questions + dialogues.avertissements).join('\n');
    EXPECT_TRUE(dit.contains(QString::fromUtf8(c.dit))) << dit.toStdString();
    EXPECT_FALSE(QFile::exists(QDir(journaux).filePath("ancien.journal")));
    if (*c.garde) {
        EXPECT_TRUE(QFile::exists(QDir(journaux).filePath(c.garde)));
    }
    QDirIterator ecrits(dossiers().DossierTravaux, {"*.MLX2"}, QDir::Files);
    if (c.pointsEcrits < 0) {
        EXPECT_FALSE(ecrits.hasNext());
        return;
    }
    ASSERT_TRUE(ecrits.hasNext());
    const QString ecrit = ecrits.next();
    EXPECT_TRUE(QFileInfo(ecrit).fileName().startsWith("Travail (récupéré le ")) << ecrit.toStdString();
    EXPECT_TRUE(dit.contains(QDir::toNativeSeparators(ecrit)));
    auto t = std::make_unique<Travail>();
    SessionTravail session;
    ASSERT_TRUE(LitTravail(*t, session, ecrit));
    EXPECT_EQ(t->Essais[1].nbPoints(), c.pointsEcrits);
}

INSTANTIATE_TEST_SUITE_P(
    Journaux, RepriseTrouvee,
    testing::Values(
        Trouve{"Whole", [](const QByteArray& j) { return j; }, true, "1 essai(s), 3 point(s) en tout", "", 3},
        Trouve{"CutInItsLastRecord", [](const QByteArray& j) { return j.chopped(5); }, true,
               "Le journal de reprise est endommagé", "", 2},
        Trouve{"NotAJournal", [](const QByteArray&) { return QByteArray("MLX2 work, not a journal"); }, false,
               "illisible", "ancien.journal.illisible", -1},
        Trouve{"FromANewerVersion",
               [](const QByteArray& j) {
                   QByteArray v = j;
                   v[8] = char(VERSION_JOURNAL + 1);
                   return v;
               },
               false, "version plus récente", "ancien.journal.illisible", -1},
        Trouve{"WithNoWorkYet", [](const QByteArray& j) { return j.left(16); }, false, "", "", -1}),
    [](const auto& i) { return std::string(i.param.nom); });

// A folder that cannot be written: said once, the session goes on.
TEST(RepriseImpossible, AJournalThatCannotBeWrittenIsSaidOnceAndTheWorkGoesOn) {
    AppliqueLangue(1);
    QTemporaryDir dossier;
    DialoguesScriptes dialogues;
    DossierVerrouille verrou(dossier.path());
    if (!verrou.verrouille()) GTEST_SKIP() << "this file system lets the folder be written";
    Reprise reprise(QDir(dossier.path()).filePath("Reprise"), false, nullptr);
    travail().NouveauTravail(sessionTravail());
    travail().AjouteEssai(sessionTravail());
    sessionTravail().TravailEnregistre = false;
    for (int i = 0; i < 3; ++i)
        reprise.suit();
    ASSERT_EQ(dialogues.avertissements.size(), 1);
    EXPECT_TRUE(dialogues.avertissements[0].contains("n'est pas protégé"))
        << dialogues.avertissements[0].toStdString();
    travail().NouveauTravail(sessionTravail());
}

} // namespace
