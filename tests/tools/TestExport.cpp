// vimra-tool export as a user runs it, read back by readers that owe nothing to the program: Python's
// csv module in each language's dialect and openpyxl. Every value must be the dump's.
#include "DossierVerrouille.h"
#include "Processus.h"

#include "graph/Couleurs.h"
#include "work/FichierTravail.h"
#include "work/SessionTravail.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

enum class Source { ExempleMLX2, ExempleVimr2, Caracteristique, Application, Vide };

using Paires = std::vector<std::pair<QString, QString>>;

struct CasExport {
    const char* nom;
    Source source;
    const char* sortie;
    const char* langue;
    int essai;               // --test, 0 not given
    int valeurs;             // values the export holds: points x columns with a quantity
    QStringList avant;       // CSV: the first field of each row above the header; workbook: the sheets
    std::vector<int> series; // workbook: the series of each chart
    Paires contexte;         // workbook: lines of the first sheet's context ("*": any value)
};

void PrintTo(const CasExport& c, std::ostream* os) {
    *os << c.nom;
}

const QString titreFait = QString::fromUtf8("=1+1; \"réglé\", banc 3");

class Export : public testing::TestWithParam<CasExport> {
protected:
    QTemporaryDir dossier;

    QString chemin(const QString& nom) const { return QDir(dossier.path()).filePath(nom); }

    // A characteristic work with an awkward title and comments, a test without points among three
    // that hold some, signed values of every width; or an application work whose third quantity is
    // none; or a work without a test.
    QString ecritTravail(Source s) {
        if (s == Source::ExempleMLX2) return VIMRA_EXEMPLES "/Caracteristique MAS.MLX2";
        if (s == Source::ExempleVimr2) return VIMRA_EXEMPLES "/Pompe centrifuge.Vimr2";
        AppliqueLangue(1);
        auto t = std::make_unique<Travail>();
        SessionTravail session;
        const bool application = s == Source::Application;
        const QString f = chemin(application ? "fait.Vimr2" : "fait.MLX2");
        if (s != Source::Vide) {
            t->EnteteTravail.Commentaire.setTexte(titreFait);
            TEnteteEssai& m = session.ModeleEssai;
            m.TypeMachine() = 3;
            m.TypeCharge() = application ? 62 : 6;
            m[TEnteteEssai::MotCalibreCourant] = 1;
            m[TEnteteEssai::MotCouplage] = 2;
            const char* commentaires[] = {"l'essai [a/b]:c?", "", "vide", "quatre"};
            for (int e = 1; e <= 4; ++e) {
                m.setCommentaire(commentaires[e - 1]);
                t->AjouteEssai(session);
                for (int k = 0; e != 3 && k < 3 + e; ++k) {
                    VecteurMesures mesures{};
                    for (int c = 1; c < NB_COLONNES; ++c)
                        mesures[c] = (k % 2 ? -1 : 1) * (k * 100003 + 37 * c + e - 1);
                    t->AjoutePoint(session, mesures);
                }
            }
            // One chart: the second definition is not shown, the third not defined.
            const int definitions[3][2] = {{1, 1}, {1, 0}, {0, 1}};
            for (int a = 0; a < 3; ++a) {
                TDefCaract& d = t->EnteteTravail.DefCaract(application ? 5 + a : 1 + a);
                d.Defini = uint8_t(definitions[a][0]);
                d.Affichee = uint8_t(definitions[a][1]);
                d.ColonneX = application ? 12 : 2;
                d.ColonneY = application ? 13 : 1;
            }
        }
        EXPECT_TRUE(EcritTravail(*t, session, f, application ? Disposition::Vimr2 : Disposition::MLX2));
        return f;
    }

    QJsonObject relit(const QString& sortie, const QString& source, const QString& langue) {
        const Sortie d = lance(VIMRA_TOOL, {"dump", source});
        EXPECT_EQ(d.code, 0) << d.err.toStdString();
        QFile f(chemin("dump.txt"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(d.out) == d.out.size());
        f.close();
        const Sortie r = lance(VIMRA_PYTHON, {VIMRA_RELIT_EXPORT, sortie, f.fileName(), langue});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out).object();
    }
};

QStringList premiers(const QJsonValue& lignes) {
    QStringList r;
    for (const QJsonValue& l : lignes.toArray())
        r << l.toArray().first().toString();
    return r;
}

TEST_P(Export, HoldsEveryValueOfTheDumpReadBackByAnotherProgram) {
    const CasExport& c = GetParam();
    const QString source = ecritTravail(c.source), sortie = chemin(c.sortie);
    QStringList args{"export", source, sortie};
    if (QByteArray(c.langue) != "fr") args << "--language" << c.langue;
    if (c.essai > 0) args << "--test" << QString::number(c.essai);
    const Sortie s = lance(VIMRA_TOOL, args);
    ASSERT_EQ(s.code, 0) << s.err.toStdString();
    EXPECT_TRUE(s.out.isEmpty() && s.err.isEmpty()) << s.err.toStdString();

    const QJsonObject r = relit(sortie, source, c.langue);
    EXPECT_TRUE(r["ecarts"].toArray().isEmpty())
        << QJsonDocument(r["ecarts"].toArray()).toJson().toStdString();
    EXPECT_EQ(r["comparees"].toInt(), c.valeurs);
    QStringList champs;
    for (const QJsonValue& v : r["entete"].toArray())
        champs << v.toString();
    const QString entete = champs.join(u'|');
    EXPECT_TRUE(entete.contains("|n (tr/min)|Tu (Nm)|")) << entete.toStdString();

    if (QString(c.sortie).endsWith(".csv", Qt::CaseInsensitive)) {
        EXPECT_TRUE(r["bom"].toBool());
        EXPECT_TRUE(r["crlf"].toBool());
        EXPECT_EQ(premiers(r["avant"]).join(u'|').toStdString(), c.avant.join(u'|').toStdString());
        const QString mot = QByteArray(c.langue) == "en"   ? "Test"
                            : QByteArray(c.langue) == "es" ? "Prueba"
                                                           : "Essai";
        EXPECT_TRUE(entete.startsWith(mot + u'|')) << entete.toStdString();
        return;
    }
    QStringList feuilles;
    for (const QJsonValue& f : r["feuilles"].toArray())
        feuilles << f.toString();
    EXPECT_EQ(feuilles.join(u'|').toStdString(), c.avant.join(u'|').toStdString());
    const QJsonArray graphiques = r["graphiques"].toArray();
    std::vector<int> series;
    const std::array<QColor, 7> couleurs = SchemaCouleurs(0);
    for (const QJsonValue& g : graphiques) {
        series.push_back(int(g["series"].toArray().size()));
        EXPECT_TRUE(g["titre"].toString().contains(u'(')) << g["titre"].toString().toStdString();
        // Each test in the colour of its curve.
        for (const QJsonValue& serie : g["series"].toArray()) {
            const int k =
                QRegularExpression("^\\S+ (\\d)").match(serie["nom"].toString()).captured(1).toInt();
            EXPECT_EQ(serie["couleur"].toString(), couleurs[1 + k].name().mid(1).toUpper());
        }
    }
    EXPECT_EQ(series, c.series);
    if (feuilles.isEmpty()) return;
    const QJsonArray contexte = r["contextes"][feuilles[0]].toArray();
    for (const auto& [libelle, valeur] : c.contexte) {
        const bool trouve = std::any_of(contexte.begin(), contexte.end(), [&](const QJsonValue& l) {
            const QJsonArray a = l.toArray();
            return a[0].toString() == libelle &&
                   (valeur == "*" ? !a[1].toString().isEmpty() : a[1].toString() == valeur);
        });
        EXPECT_TRUE(trouve) << libelle.toStdString() << " : " << valeur.toStdString() << " in "
                            << QJsonDocument(contexte).toJson().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Export,
    testing::Values(
        CasExport{"exampleToCsvInFrench",
                  Source::ExempleMLX2,
                  "a.csv",
                  "fr",
                  0,
                  60 * 12,
                  {"Machine asynchrone sur une charge T = K", "Essai 1", "Essai 2"},
                  {},
                  {}},
        CasExport{"exampleTestTwoToCsvInEnglish",
                  Source::ExempleMLX2,
                  "a.CSV",
                  "en",
                  2,
                  10 * 12,
                  {"Machine asynchrone sur une charge T = K", "Test 2"},
                  {},
                  {}},
        CasExport{"applicationExampleToCsvInSpanish",
                  Source::ExempleVimr2,
                  "a.csv",
                  "es",
                  0,
                  10 * 15,
                  {QString::fromUtf8("Pompe centrifuge entraînée par la machine asynchrone"), "Prueba 1"},
                  {},
                  {}},
        CasExport{"madeWorkToCsvInEnglish",
                  Source::Caracteristique,
                  "a.csv",
                  "en",
                  0,
                  (4 + 5 + 7) * 12,
                  {"'" + titreFait, "Test 1", "Test 2", "Test 4"},
                  {},
                  {}},
        CasExport{"emptyWorkToCsvIsTheHeaderAlone", Source::Vide, "a.csv", "fr", 0, 0, {}, {}, {}},
        CasExport{"exampleToWorkbookInFrench",
                  Source::ExempleMLX2,
                  "a.xlsx",
                  "fr",
                  0,
                  60 * 12,
                  {"Essai 1 - Balayage de K", "Essai 2 - Points manuels", "Graphiques"},
                  {2, 2, 2},
                  {{"Machine", QString::fromUtf8("Machine asynchrone triphasée")},
                   {"Charge", QString::fromUtf8("Charge mécanique : T = K")},
                   {"Calibre courant", "20 A"},
                   {QString::fromUtf8("Exporté le"), "*"}}},
        CasExport{"applicationExampleToWorkbookInEnglish",
                  Source::ExempleVimr2,
                  "a.XLSX",
                  "en",
                  0,
                  10 * 15,
                  {"Test 1 - Vanne de 10 a 100 %", "Charts"},
                  {1, 1, 1},
                  {{"Application", "CentrifugalPump"}, {"Coupling", "Star"}}},
        CasExport{
            "madeWorkToWorkbookInSpanish",
            Source::Caracteristique,
            "a.xlsx",
            "es",
            0,
            (4 + 5 + 7) * 12,
            {"Prueba 1 - l'essai a b c", "Prueba 2", "Prueba 4 - quatre", QString::fromUtf8("Gráficos")},
            {3},
            {{"Trabajo", titreFait},
             {"Par constante", "*"},
             {"Calibre de la corriente", "2 A"},
             {QString::fromUtf8("Conexión"), QString::fromUtf8("Triángulo")}}},
        CasExport{"madeApplicationWorkWithoutItsThirdQuantity",
                  Source::Application,
                  "a.xlsx",
                  "fr",
                  4,
                  7 * 14,
                  {"Essai 4 - quatre", "Graphiques"},
                  {1},
                  {{"Application", "*"}}},
        CasExport{"emptyWorkToWorkbook", Source::Vide, "a.xlsx", "en", 0, 0, {"Test"}, {}, {}}),
    [](const auto& i) { return std::string(i.param.nom); });

// An export that cannot be written leaves the file there before it as it was.
class ExportImpossible : public testing::TestWithParam<const char*> {};

TEST_P(ExportImpossible, EndsWithTwoAndLeavesThePreviousFileWhole) {
    QTemporaryDir dossier;
    const QString sortie = dossier.filePath(GetParam());
    {
        QFile f(sortie);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("previous") == 8);
    }
    DossierVerrouille verrou(dossier.path());
    if (!verrou.verrouille()) GTEST_SKIP() << "this file system lets the folder be written";
    const Sortie s = lance(VIMRA_TOOL, {"export", VIMRA_EXEMPLES "/Caracteristique MAS.MLX2", sortie});
    EXPECT_EQ(s.code, 2);
    EXPECT_TRUE(s.err.contains("Erreur d'ecriture du fichier")) << s.err.toStdString();
    QFile f(sortie);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "previous");
}

INSTANTIATE_TEST_SUITE_P(Types, ExportImpossible, testing::Values("r.csv", "r.xlsx"),
                         [](const auto& i) { return std::string(i.index == 0 ? "Csv" : "Workbook"); });

TEST(Dump, OfAnApplicationWorkNamesItsApplicationsOwnQuantities) {
    const Sortie s = lance(VIMRA_TOOL, {"dump", VIMRA_EXEMPLES "/Pompe centrifuge.Vimr2"});
    ASSERT_EQ(s.code, 0);
    const QStringList lignes = QString::fromUtf8(s.out).split("\r\n");
    EXPECT_TRUE(lignes[1].endsWith("\tOuv\tD \tHMT")) << lignes[1].toStdString();
    EXPECT_TRUE(lignes[2].endsWith("\t(%)\t(m3/h)\t(m)")) << lignes[2].toStdString();
    // The valve opening is a whole percentage.
    EXPECT_EQ(lignes[3].split('\t')[12], "10");
}

} // namespace
