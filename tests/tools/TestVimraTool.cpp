// vimra-tool as a user runs it: arguments, output, exit codes.
#include "work/FichierTravail.h"
#include "work/JournalTravail.h"
#include "work/SessionTravail.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include "Processus.h"

#include <gtest/gtest.h>

namespace {

Sortie lance(const QStringList& args) {
    return lance(VIMRA_TOOL, args);
}

class VimraTool : public testing::Test {
protected:
    QTemporaryDir dossier;
    std::unique_ptr<Travail> t = std::make_unique<Travail>();
    SessionTravail session;

    QString chemin(const QString& nom) const { return QDir(dossier.path()).filePath(nom); }

    // An application work: columns 12..14 hold values too.
    QString ecritTravail(const QString& nom) {
        AppliqueLangue(1);
        t->NouveauTravail(session);
        for (int e = 1; e <= 2; ++e) {
            session.ModeleEssai.setCommentaire(QString("essai %1").arg(e));
            t->AjouteEssai(session);
            for (int k = 0; k < 3; ++k) {
                VecteurMesures mesures{};
                for (int c = 1; c < NB_COLONNES; ++c)
                    mesures[c] = 1000 * e + 10 * c + k - 60;
                t->AjoutePoint(session, mesures);
            }
        }
        const QString f = chemin(nom);
        EXPECT_TRUE(
            EcritTravail(*t, session, f, TypeFichier(f) == "MLX2" ? Disposition::MLX2 : Disposition::Vimr2));
        return f;
    }
};

QStringList colonnes0a11(const QByteArray& dump) {
    QStringList r;
    for (const QString& l : QString::fromUtf8(dump).split("\r\n"))
        r << QStringList(l.split('\t').mid(0, 12)).join('\t');
    return r;
}

TEST_F(VimraTool, DumpPrintsTheCopyOfAllTestsInFrench) {
    const Sortie s = lance({"dump", ecritTravail("a.MLX2")});
    ASSERT_EQ(s.code, 0) << s.err.toStdString();
    const QStringList lignes = QString::fromUtf8(s.out).split("\r\n");
    EXPECT_EQ(lignes[0], "Essai 1\tessai 1");
    EXPECT_EQ(lignes[1], QString::fromUtf8("N°\tn\tTu\tPm\tU\tI\tPe\tIe\tRd\tFp\tPertes\tt"));
    EXPECT_EQ(lignes[3], "0\t950\t9,60\t97,0\t98,0\t0,990\t100,0\t1,010\t1,020\t1,030\t104,0\t10,50");
    EXPECT_EQ(lignes[6], "Essai 2\tessai 2");
    EXPECT_FALSE(s.out.contains("\n\n"));
    EXPECT_EQ(s.out.count("\n"), s.out.count("\r\n"));
}

TEST_F(VimraTool, DumpOfAnApplicationWorkShowsFifteenColumns) {
    const Sortie s = lance({"dump", ecritTravail("a.Vimr2")});
    ASSERT_EQ(s.code, 0);
    EXPECT_EQ(QString::fromUtf8(s.out).split("\r\n")[3].split('\t').size(), 15);
}

class Conversion : public VimraTool,
                   public testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(Conversion, KeepsThePointsOfColumns0To11) {
    const QString source = ecritTravail(GetParam().first);
    const QString cible = chemin(GetParam().second);
    const Sortie c = lance({"convert", source, cible});
    ASSERT_EQ(c.code, 0) << c.err.toStdString();
    const Sortie a = lance({"dump", source});
    const Sortie b = lance({"dump", cible});
    ASSERT_EQ(a.code, 0);
    ASSERT_EQ(b.code, 0);
    EXPECT_EQ(colonnes0a11(a.out), colonnes0a11(b.out));
    EXPECT_NE(a.out, b.out); // one of the two shows the application columns as well
}

INSTANTIATE_TEST_SUITE_P(Sens, Conversion,
                         testing::Values(std::pair{"a.Vimr2", "b.MLX2"}, std::pair{"a.MLX2", "b.Vimr2"}),
                         [](const auto& i) { return i.index == 0 ? "Vimr2ToMLX2" : "MLX2ToVimr2"; });

TEST_F(VimraTool, ExportCsvOfOneTest) {
    const Sortie s = lance({"export-csv", ecritTravail("a.MLX2"), "--test", "2"});
    ASSERT_EQ(s.code, 0);
    const QStringList lignes = QString::fromUtf8(s.out).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 4);
    EXPECT_TRUE(lignes[0].startsWith(QString::fromUtf8("Essai,N°,n (tr/min),Tu (Nm)")));
    EXPECT_TRUE(lignes[1].startsWith("2,0,1950,19.60,"));
}

struct CasErreur {
    const char* nom;
    QStringList args;
    int code;
    const char* message;
};

class Erreurs : public VimraTool, public testing::WithParamInterface<CasErreur> {};

TEST_P(Erreurs, SayWhatIsWrongOnStandardErrorWithTheExitCode) {
    QStringList args;
    for (const QString& a : GetParam().args)
        args << (a.startsWith('@') ? ecritTravail(a.mid(1)) : a);
    const Sortie s = lance(args);
    EXPECT_EQ(s.code, GetParam().code);
    EXPECT_TRUE(s.out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(s.err).contains(QString::fromUtf8(GetParam().message)))
        << s.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Erreurs,
    testing::Values(
        CasErreur{"noCommand", {}, 1, "usage"}, CasErreur{"unknownCommand", {"frob"}, 1, "unknown command"},
        CasErreur{"dumpWithoutFile", {"dump"}, 1, "usage"},
        CasErreur{"unknownOption", {"dump", "@a.MLX2", "--frob"}, 1, "Unknown option 'frob'"},
        CasErreur{"optionOfAnotherCommand",
                  {"dump", "@a.MLX2", "--model", "0"},
                  1,
                  "--model does not apply to dump"},
        CasErreur{"everyZero", {"watch", "--port", "x", "--every", "0"}, 1, "--every takes"},
        CasErreur{"missingFile", {"dump", "/nonexistent/x.MLX2"}, 2, "Erreur de lecture du fichier"},
        CasErreur{"unknownType", {"dump", "/etc/hostname"}, 2, "Erreur de lecture du fichier"},
        CasErreur{"badTestNumber", {"export-csv", "@a.MLX2", "--test", "9"}, 1, "--test"},
        CasErreur{"absentTest", {"export-csv", "@a.MLX2", "--test", "4"}, 2, "no test 4"},
        CasErreur{"convertToUnknownType", {"convert", "@a.MLX2", "/tmp/x.txt"}, 1, ".MLX2 or .Vimr2"},
        CasErreur{"exportToUnknownType", {"export", "@a.MLX2", "/tmp/x.ods"}, 1, ".csv or .xlsx"},
        CasErreur{"exportInAnUnknownLanguage",
                  {"export", "@a.MLX2", "/tmp/x.csv", "--language", "de"},
                  1,
                  "--language takes fr, en or es"},
        CasErreur{"languageOfAnotherCommand", {"dump", "@a.MLX2", "--language", "en"}, 1, "does not apply"},
        CasErreur{"exportAbsentTest", {"export", "@a.MLX2", "/tmp/x.csv", "--test", "4"}, 2, "no test 4"},
        CasErreur{"convertIntoMissingFolder",
                  {"convert", "@a.MLX2", "/nonexistent/y.Vimr2"},
                  2,
                  "Erreur d'ecriture du fichier"}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(VimraTool, ATruncatedFileIsARereadError) {
    const QString f = ecritTravail("a.Vimr2");
    QFile::resize(f, 600);
    const Sortie s = lance({"dump", f});
    EXPECT_EQ(s.code, 2);
    EXPECT_TRUE(s.err.contains("Erreur de lecture du fichier"));
}

} // namespace

namespace {

// The journal a program leaves when it stops without warning, as `recover` is given it.
enum class Journal { Caracteristique, Application, Abime, Vide, FichierTravail, PlusRecent, Absent };

struct CasReprise {
    const char* nom;
    Journal journal;
    const char* sortie; // OUT in the test's folder; nullptr: not given
    int code;
    const char* message; // on stderr; empty: nothing is said there
    int etat;            // the state written, counted from the last one (1); 0: no file
    const char* resume;  // the tests and points named on stdout
};

class Recover : public testing::TestWithParam<CasReprise> {
protected:
    QTemporaryDir dossier;
    std::unique_ptr<Travail> t = std::make_unique<Travail>();
    SessionTravail session;
    std::vector<std::pair<QByteArray, qint64>> etats; // a save's bytes after each change, and its time

    // Two tests of three points, each change followed by the journal a minute apart.
    QByteArray journal(bool application) {
        AppliqueLangue(1);
        t->NouveauTravail(session);
        t->ApplicationCourante = application ? 55 : 0;
        const QString chemin = dossier.filePath("w.journal");
        EcrivainJournal ecrivain(chemin, false);
        qint64 heure = 1'765'000'000'000;
        const auto change = [&](const std::function<void()>& f) {
            f();
            session.TravailEnregistre = false;
            heure += 60'000;
            EXPECT_EQ(ecrivain.suit(*t, session, heure), EcrivainJournal::Resultat::Ecrit);
            etats.emplace_back(OctetsTravail(*t, DispositionTravail(*t)), heure);
        };
        for (int e = 1; e <= 2; ++e) {
            change([&] { t->AjouteEssai(session); });
            for (int k = 0; k < 3; ++k)
                change([&] {
                    VecteurMesures mesures{};
                    for (int c = 1; c < NB_COLONNES; ++c)
                        mesures[c] = 1000 * e + 10 * c + k;
                    t->AjoutePoint(session, mesures);
                });
        }
        QFile f(chemin);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    QString ecritJournal(Journal j) {
        QByteArray b;
        switch (j) {
        case Journal::Caracteristique:
        case Journal::Application:
            b = journal(j == Journal::Application);
            break;
        case Journal::Abime:
            b = journal(false).chopped(1);
            break;
        case Journal::Vide:
            b = journal(false).left(16);
            break;
        case Journal::FichierTravail:
            journal(false);
            b = etats.back().first;
            break;
        case Journal::PlusRecent:
            b = journal(false);
            b[8] = char(VERSION_JOURNAL + 1);
            break;
        case Journal::Absent:
            return dossier.filePath("absent.journal");
        }
        const QString chemin = dossier.filePath("donne.journal");
        QFile f(chemin);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(b) == b.size());
        return chemin;
    }
};

TEST_P(Recover, WritesTheWorkAsASaveWouldOrSaysWhyNot) {
    const CasReprise& c = GetParam();
    QStringList args{"recover", ecritJournal(c.journal)};
    if (c.sortie) args << dossier.filePath(c.sortie);
    const Sortie s = lance(args);
    EXPECT_EQ(s.code, c.code) << s.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(s.err).contains(c.message)) << s.err.toStdString();
    EXPECT_EQ(s.err.isEmpty(), QByteArray(c.message).isEmpty()) << s.err.toStdString();
    QFile f(dossier.filePath(c.sortie ? c.sortie : "-"));
    if (c.etat == 0) {
        EXPECT_FALSE(f.exists());
        EXPECT_TRUE(s.out.isEmpty());
        return;
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto& [octets, heure] = etats[etats.size() - c.etat];
    EXPECT_EQ(f.readAll(), octets);
    EXPECT_EQ(s.out, "last change " +
                         QDateTime::fromMSecsSinceEpoch(heure).toString("yyyy-MM-dd HH:mm:ss").toUtf8() +
                         ", " + c.resume + ", never saved\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Recover,
    testing::Values(
        CasReprise{"characteristicWork", Journal::Caracteristique, "w.MLX2", 0, "", 1, "2 tests, 6 points"},
        CasReprise{"applicationWork", Journal::Application, "w.Vimr2", 0, "", 1, "2 tests, 6 points"},
        CasReprise{"damagedJournalGivesTheChangesBeforeTheDamage", Journal::Abime, "w.MLX2", 0,
                   "only the changes before the damage", 2, "2 tests, 5 points"},
        CasReprise{"journalWithNoWorkYet", Journal::Vide, "w.MLX2", 2, "nothing to recover", 0, ""},
        CasReprise{"workFileIsNotAJournal", Journal::FichierTravail, "w.MLX2", 2, "not a recovery journal", 0,
                   ""},
        CasReprise{"newerVersion", Journal::PlusRecent, "w.MLX2", 2, "newer version", 0, ""},
        CasReprise{"missingJournal", Journal::Absent, "w.MLX2", 2, "Erreur de lecture du fichier", 0, ""},
        CasReprise{"characteristicWorkToVimr2", Journal::Caracteristique, "w.Vimr2", 1, "must end in .MLX2",
                   0, ""},
        CasReprise{"applicationWorkToMLX2", Journal::Application, "w.MLX2", 1, "must end in .Vimr2", 0, ""},
        CasReprise{"unknownExtension", Journal::Caracteristique, "w.txt", 1, "must end in .MLX2", 0, ""},
        CasReprise{"missingOutput", Journal::Caracteristique, nullptr, 1, "usage", 0, ""},
        CasReprise{"outputFolderMissing", Journal::Caracteristique, "absent/w.MLX2", 2,
                   "Erreur d'ecriture du fichier", 0, ""}),
    [](const auto& i) { return std::string(i.param.nom); });

} // namespace

namespace {

struct CasTrameOutil {
    const char* nom;
    QStringList args;
    const char* trame;
};

class TrameOutil : public testing::TestWithParam<CasTrameOutil> {};

TEST_P(TrameOutil, PrintsTheRequestInUpperCaseHex) {
    const Sortie s = lance(QStringList{"frame"} + GetParam().args);
    ASSERT_EQ(s.code, 0) << s.err.toStdString();
    EXPECT_EQ(s.out, QByteArray(GetParam().trame) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Trames, TrameOutil,
    testing::Values(
        CasTrameOutil{"readModel0", {"read", "11.32", "--model", "0"}, "01 03 04 6B 00 01 F4 E6"},
        CasTrameOutil{"readModel1", {"--model", "1", "read", "11.32"}, "01 03 04 00 6B 00 01 4A 2F"},
        CasTrameOutil{
            "writeModel0", {"write", "20.29", "1", "--model", "0"}, "01 10 07 EC 00 01 02 00 01 07 FC"},
        CasTrameOutil{"writeDefaultModelIs1", {"write", "20.29", "1"}, "01 10 07 00 EC 00 01 02 00 01 DA B4"},
        CasTrameOutil{"read10Model0", {"read10", "20.02", "10", "--model", "0"}, "01 03 07 D1 00 0A 94 80"},
        CasTrameOutil{
            "minusTwo", {"write", "19.20", "-2", "--model", "0"}, "01 10 07 7F 00 01 02 FF FE 1B 2F"},
        CasTrameOutil{"negativesInABlock",
                      {"write10", "19.20", "-1", "-32768", "--model", "0"},
                      "01 10 07 7F 00 02 04 FF FF 80 00 F3 1F"}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(TrameOutilErreurs, BadArgumentsAreUsageErrors) {
    for (const QStringList& a :
         {QStringList{"frame", "read", "2029"}, QStringList{"frame", "read10", "20.02", "11"},
          QStringList{"frame", "write", "20.29", "70000"},
          QStringList{"frame", "read", "20.29", "--model", "2"}, QStringList{"read", "11.32"},
          QStringList{"read", "11.32", "--port", "a", "--tcp", "b"}}) {
        EXPECT_EQ(lance(a).code, 1) << a.join(' ').toStdString();
    }
}

} // namespace

namespace {

// Both command-line companions follow the conventions: --help and --version on standard output
// with exit 0, and a manual page made from them.
struct CasProgramme {
    const char* nom;
    const char* chemin;
    const char* motDeLaPage; // something the page must document, as groff writes it
};

class Conventions : public testing::TestWithParam<CasProgramme> {};

TEST_P(Conventions, HelpAndVersionGoToStandardOutputWithExitZero) {
    const Sortie aide = ::lance(GetParam().chemin, {"--help"});
    EXPECT_EQ(aide.code, 0);
    EXPECT_TRUE(aide.err.isEmpty());
    EXPECT_TRUE(aide.out.startsWith("Usage: " + QByteArray(GetParam().nom) + " [options]"))
        << aide.out.toStdString();
    EXPECT_TRUE(aide.out.contains("--version"));
    const Sortie version = ::lance(GetParam().chemin, {"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, QByteArray(GetParam().nom) + " " VIMRA_VERSION "\n");
}

TEST_P(Conventions, HaveAManualPageMadeFromTheirHelp) {
    const Sortie page = ::lance("zcat", {QString(VIMRA_MAN) + "/" + GetParam().nom + ".1.gz"});
    ASSERT_EQ(page.code, 0) << page.err.toStdString();
    EXPECT_TRUE(page.out.contains(".TH " + QByteArray(GetParam().nom).toUpper()))
        << page.out.left(300).toStdString();
    EXPECT_TRUE(page.out.contains(".SH OPTIONS"));
    EXPECT_TRUE(page.out.contains(GetParam().motDeLaPage)) << page.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Programmes, Conventions,
                         testing::Values(CasProgramme{"vimra-tool", VIMRA_TOOL, "\\-\\-every"},
                                         CasProgramme{"vimra-bench", VIMRA_BENCH, "\\-\\-faults"}),
                         [](const auto& i) {
                             return std::string(i.param.nom == std::string("vimra-tool") ? "Tool" : "Bench");
                         });

} // namespace
