#include "Export.h"

#include "Couleurs.h"
#include "socle/ConfigGenerale.h"
#include "socle/FichierAtomique.h"
#include "socle/Textes.h"
#include "work/Applications.h"
#include "work/Format.h"
#include "work/SessionTravail.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>

namespace {

// "Essai", "Test", "Prueba": the word of the plot window's test row.
constexpr int texteEssai = 330;
constexpr int texteCalibreCourant = 252;

ParametresEssai& parametresInstalles() {
    static ParametresEssai f;
    return f;
}

QString motEssai(int k) {
    return Textes().Texte[texteEssai] + u' ' + QString::number(k);
}

QString enteteColonne(const TGrandeur& g) {
    const QString s = g.Symbole.trimmed();
    return g.Unite.isEmpty() ? s : s + QStringLiteral(" (") + g.Unite + u')';
}

// The code of the application a work runs: that of its tests (one work holds one application), else
// the one chosen.
int codeApplication(const Travail& t) {
    for (int k = 1; k <= t.EnteteTravail.NbEssais && k <= NB_ESSAIS_MAX; ++k)
        if (const int c = t.Essais[k].Entete.TypeCharge(); DescriptionDApplication(c)) return c;
    return t.ApplicationCourante;
}

// The columns exported: 0..derniereColonne without those of no quantity. Columns 12..14 of an
// application work carry the application's own quantities, those the run screen offers.
struct ColonneExport {
    int colonne;
    TGrandeur grandeur;
};

std::vector<ColonneExport> ColonnesExport(const Travail& t, const SessionTravail& s, int derniereColonne) {
    const int derniere = std::clamp(derniereColonne, 0, NB_COLONNES - 1);
    std::array<TGrandeur, NB_COLONNES> g = s.Colonnes;
    std::array<TGrandeur, 3> application;
    std::array<bool, 3> offertes;
    if (derniere > DERNIERE_COLONNE_CARACT && GrandeursApplication(codeApplication(t), application, offertes))
        for (int i = 0; i < 3; ++i)
            g[std::size_t(12 + i)] = offertes[std::size_t(i)] ? application[std::size_t(i)] : TGrandeur{};
    std::vector<ColonneExport> r;
    for (int c = 0; c <= derniere; ++c)
        if (!g[std::size_t(c)].Nom.isEmpty()) r.push_back({c, g[std::size_t(c)]});
    return r;
}

// The tests exported: the one asked for if it holds points, else every test that does.
std::vector<int> EssaisExport(const Travail& t, int essai) {
    std::vector<int> r;
    for (int k = 1; k <= t.EnteteTravail.NbEssais && k <= NB_ESSAIS_MAX; ++k)
        if ((essai < 1 || k == essai) && t.Essais[k].nbPoints() > 0) r.push_back(k);
    return r;
}

// Every line of a test's context, in the current language.
std::vector<LigneContexte> ContexteEssai(const Travail& t, const OptionsExport& o, int essai) {
    std::vector<LigneContexte> l;
    if (essai < 1 || essai > NB_ESSAIS_MAX) return l;
    const auto& texte = Textes().Texte;
    const TEnteteEssai& e = t.Essais[essai].Entete;
    if (const QString titre = t.EnteteTravail.Commentaire.texte(); !titre.isEmpty())
        l.push_back({Traduit("Travail", "Work", "Trabajo"), titre});
    l.push_back({motEssai(essai), e.Commentaire()});
    l.push_back({Traduit("Exporté le", "Exported on", "Exportado el"),
                 QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))});
    if (const int m = e.TypeMachine(); m >= 1 && m <= 7)
        l.push_back({Traduit("Machine", "Machine", "Máquina"), texte[txt::TypeMachineLong + m].trimmed()});
    const bool application = o.derniereColonne > DERNIERE_COLONNE_CARACT;
    if (parametresInstalles()) {
        for (const LigneContexte& p : parametresInstalles()(e, application))
            l.push_back(p);
    } else if (const int c = e.TypeCharge(); !application && c >= 1 && c <= 18) {
        l.push_back({Traduit("Charge", "Load", "Carga"), texte[txt::TypeChargeLong + c].trimmed()});
    }
    l.push_back({texte[texteCalibreCourant],
                 e[TEnteteEssai::MotCalibreCourant] == 1 ? QStringLiteral("2 A") : QStringLiteral("20 A")});
    if (const int c = e[TEnteteEssai::MotCouplage]; c == 1 || c == 2)
        l.push_back(
            {Traduit("Couplage", "Coupling", "Conexión"),
             c == 1 ? Traduit("Etoile", "Star", "Estrella") : Traduit("Triangle", "Delta", "Triángulo")});
    if (o.demo) l.push_back({Traduit("Banc simulé", "Simulated bench", "Banco simulado"), QString()});
    return l;
}

} // namespace

void InstalleParametresEssai(ParametresEssai f) {
    parametresInstalles() = std::move(f);
}

// ---------------------------------------------------------------------------------------------------------
// CSV

namespace {

struct Dialecte {
    QChar separateur;
    char16_t virgule;
};

Dialecte dialecte() {
    if (LangueCourante() == Langue::Anglais) return {u',', u'.'};
    return {u';', u','};
}

// A text field: a spreadsheet would take one that starts like a formula for a formula, so it is
// kept as text; then RFC 4180 quoting.
void ajouteTexte(QString& s, QString v, QChar separateur) {
    static const QString formule = QStringLiteral("=+-@\t\r");
    if (!v.isEmpty() && formule.contains(v[0])) v.prepend(u'\'');
    if (v.contains(separateur) || v.contains(u'"') || v.contains(u'\r') || v.contains(u'\n')) {
        v.replace(u'"', QStringLiteral("\"\""));
        v = u'"' + v + u'"';
    }
    s += v;
}

const QString crlf = QStringLiteral("\r\n");

} // namespace

QByteArray CsvExport(const Travail& t, const SessionTravail& session, const OptionsExport& o) {
    const Dialecte d = dialecte();
    const std::vector<ColonneExport> colonnes = ColonnesExport(t, session, o.derniereColonne);
    const std::vector<int> essais = EssaisExport(t, o.essai);
    QString s;
    s.reserve(4096 + qsizetype(essais.size()) * NB_POINTS_MAX * qsizetype(colonnes.size() + 1) * 8);

    if (!essais.empty()) {
        if (const QString titre = t.EnteteTravail.Commentaire.texte(); !titre.isEmpty()) {
            ajouteTexte(s, titre, d.separateur);
            s += crlf;
        }
        for (int k : essais) {
            ajouteTexte(s, motEssai(k), d.separateur);
            s += d.separateur;
            ajouteTexte(s, t.Essais[k].Entete.Commentaire(), d.separateur);
            s += crlf;
        }
        s += crlf;
    }

    ajouteTexte(s, Textes().Texte[texteEssai], d.separateur);
    for (const ColonneExport& c : colonnes) {
        s += d.separateur;
        ajouteTexte(s, enteteColonne(c.grandeur), d.separateur);
    }
    s += crlf;
    for (int k : essais) {
        const TEssai& e = t.Essais[k];
        const int n = std::min(e.nbPoints(), NB_POINTS_MAX);
        for (int j = 0; j < n; ++j) {
            s += QString::number(k);
            for (const ColonneExport& c : colonnes) {
                s += d.separateur;
                AjouteTexteValeur(s, e.valeur(c.colonne, j), c.grandeur.Decimales, d.virgule);
            }
            s += crlf;
        }
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + s.toUtf8();
}

bool EcritCsv(const Travail& t, const SessionTravail& s, const OptionsExport& o, const QString& chemin,
              QString* erreur) {
    return EcritFichierAtomique(chemin, CsvExport(t, s, o), erreur);
}

// ---------------------------------------------------------------------------------------------------------
// Workbook

namespace {

// Excel's limits on a sheet name: 31 characters, none of []:*?/\, no apostrophe at either end.
QString nomFeuille(const QString& nom) {
    static const QString interdits = QStringLiteral("[]:*?/\\");
    QString n;
    for (const QChar c : nom)
        n += interdits.contains(c) || c.unicode() < 32 ? u' ' : c;
    n = n.simplified();
    if (const std::u32string points = n.toStdU32String(); points.size() > 31)
        n = QString::fromStdU32String(points.substr(0, 31));
    while (n.startsWith(u'\'') || n.startsWith(u' '))
        n.remove(0, 1);
    while (n.endsWith(u'\'') || n.endsWith(u' '))
        n.chop(1);
    return n;
}

// The decimals a column shows; the quantities have a few.
int decimales(const TGrandeur& g) {
    return std::clamp(g.Decimales, 0, 15);
}

QString formatDecimales(int d) {
    return d == 0 ? QStringLiteral("0") : "0." + QString(d, u'0');
}

lxw_color_t couleur(const QColor& c) {
    const lxw_color_t rgb = c.rgb() & 0xFFFFFF;
    return rgb == 0 ? lxw_color_t(LXW_COLOR_BLACK) : rgb;
}

// One sheet of values: where its columns and points are, for the charts.
struct FeuilleEssai {
    int essai;
    QByteArray nom;
    int premiereLigne;
    int derniereLigne;
};

class Classeur {
public:
    Classeur(const Travail& t, const SessionTravail& s, const OptionsExport& o) : m_t(t), m_s(s), m_o(o) {}
    ~Classeur() {
        // A workbook given up half-way is dropped without being written.
        if (m_classeur) lxw_workbook_free(m_classeur);
    }
    Classeur(const Classeur&) = delete;
    Classeur& operator=(const Classeur&) = delete;

    bool ecrit(const QString& fichier, const QString& dossierTemporaire, QString& erreur);

private:
    const char* utf8(const QString& s) { return m_textes.emplace_back(s.toUtf8()).constData(); }
    lxw_format* formatNombre(int d);
    bool feuilleEssai(int k, QString& erreur);
    bool feuilleGraphiques(QString& erreur);
    void graphique(lxw_worksheet* feuille, int rang, int ix, int iy);
    std::vector<int> caracteristiques() const;

    const Travail& m_t;
    const SessionTravail& m_s;
    const OptionsExport& m_o;
    lxw_workbook* m_classeur = nullptr;
    lxw_format* m_gras = nullptr;
    std::map<int, lxw_format*> m_nombres;
    std::vector<ColonneExport> m_colonnes;
    std::vector<FeuilleEssai> m_feuilles;
    // libxlsxwriter is handed C strings; they live as long as the workbook.
    std::deque<QByteArray> m_textes;
};

lxw_format* Classeur::formatNombre(int d) {
    auto& f = m_nombres[d];
    if (!f) {
        f = workbook_add_format(m_classeur);
        format_set_num_format(f, utf8(formatDecimales(d)));
    }
    return f;
}

bool Classeur::feuilleEssai(int k, QString& erreur) {
    const TEssai& e = m_t.Essais[k];
    const QString commentaire = nomFeuille(e.Entete.Commentaire());
    const QString nom = nomFeuille(commentaire.isEmpty() ? motEssai(k) : motEssai(k) + " - " + commentaire);
    lxw_worksheet* f = workbook_add_worksheet(m_classeur, utf8(nom));
    if (!f) {
        erreur = "sheet name refused: " + nom;
        return false;
    }
    lxw_row_t ligne = 0;
    for (const LigneContexte& l : ContexteEssai(m_t, m_o, k)) {
        worksheet_write_string(f, ligne, 0, utf8(l.libelle), m_gras);
        if (!l.valeur.isEmpty()) worksheet_write_string(f, ligne, 1, utf8(l.valeur), nullptr);
        ++ligne;
    }
    ++ligne;
    const lxw_row_t entete = ligne;
    for (std::size_t i = 0; i < m_colonnes.size(); ++i)
        worksheet_write_string(f, entete, lxw_col_t(i), utf8(enteteColonne(m_colonnes[i].grandeur)), m_gras);
    worksheet_freeze_panes(f, entete + 1, 0);
    worksheet_set_column(f, 0, 0, 24, nullptr);
    if (m_colonnes.size() > 1) worksheet_set_column(f, 1, lxw_col_t(m_colonnes.size() - 1), 12, nullptr);

    const int n = std::min(e.nbPoints(), NB_POINTS_MAX);
    for (std::size_t i = 0; i < m_colonnes.size(); ++i) {
        const ColonneExport& c = m_colonnes[i];
        // The value the program shows: the stored integer over 10^decimals, correctly rounded.
        const int d = decimales(c.grandeur);
        const double echelle = std::pow(10.0, d);
        lxw_format* format = formatNombre(d);
        for (int j = 0; j < n; ++j)
            worksheet_write_number(f, entete + 1 + lxw_row_t(j), lxw_col_t(i),
                                   e.valeur(c.colonne, j) / echelle, format);
    }
    m_feuilles.push_back({k, nom.toUtf8(), int(entete) + 1, int(entete) + n});
    return true;
}

std::vector<int> Classeur::caracteristiques() const {
    std::vector<int> r;
    const bool application = m_o.derniereColonne > DERNIERE_COLONNE_CARACT;
    if (m_o.caracteristiques.empty()) {
        for (int a = application ? 5 : 1; a <= (application ? 8 : 4); ++a)
            if (m_t.EnteteTravail.DefCaract(a).Affichee) r.push_back(a);
    } else {
        for (int a : m_o.caracteristiques)
            if (a >= 1 && a <= NB_DEF_CARACT && std::find(r.begin(), r.end(), a) == r.end()) r.push_back(a);
    }
    // Only what is defined.
    std::erase_if(r, [this](int a) { return !m_t.EnteteTravail.DefCaract(a).Defini; });
    return r;
}

void Classeur::graphique(lxw_worksheet* feuille, int rang, int ix, int iy) {
    const bool traits = m_t.EnteteTravail.Interpolation != -1;
    lxw_chart* g =
        workbook_add_chart(m_classeur, traits ? LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS : LXW_CHART_SCATTER);
    const std::array<QColor, 7> couleurs = SchemaCouleurs(ConfigGenerale().SchemaCouleurs);
    static constexpr uint8_t marqueurs[NB_ESSAIS_MAX] = {LXW_CHART_MARKER_SQUARE, LXW_CHART_MARKER_DIAMOND,
                                                         LXW_CHART_MARKER_TRIANGLE, LXW_CHART_MARKER_CIRCLE,
                                                         LXW_CHART_MARKER_X};
    for (const FeuilleEssai& f : m_feuilles) {
        lxw_chart_series* s = chart_add_series(g, nullptr, nullptr);
        const char* nom = m_textes.emplace_back(f.nom).constData();
        chart_series_set_categories(s, nom, lxw_row_t(f.premiereLigne), lxw_col_t(ix),
                                    lxw_row_t(f.derniereLigne), lxw_col_t(ix));
        chart_series_set_values(s, nom, lxw_row_t(f.premiereLigne), lxw_col_t(iy), lxw_row_t(f.derniereLigne),
                                lxw_col_t(iy));
        const QString commentaire = m_t.Essais[f.essai].Entete.Commentaire().trimmed();
        chart_series_set_name(
            s, utf8(commentaire.isEmpty() ? motEssai(f.essai) : motEssai(f.essai) + u' ' + commentaire));
        lxw_chart_line trait{};
        trait.color = couleur(couleurs[1 + f.essai]);
        trait.width = 1.25;
        lxw_chart_fill plein{};
        plein.color = trait.color;
        chart_series_set_marker_type(s, marqueurs[(f.essai - 1) % NB_ESSAIS_MAX]);
        chart_series_set_marker_size(s, 5);
        chart_series_set_marker_line(s, &trait);
        chart_series_set_marker_fill(s, &plein);
        if (traits) chart_series_set_line(s, &trait);
    }
    // The graph's own background and texts.
    lxw_chart_fill fond{};
    fond.color = couleur(couleurs[0]);
    chart_chartarea_set_fill(g, &fond);
    chart_plotarea_set_fill(g, &fond);
    lxw_chart_font police{};
    police.color = couleur(couleurs[1]);
    lxw_chart_font titre = police;
    titre.bold = 1;
    titre.size = 14;
    const TGrandeur& gx = m_colonnes[std::size_t(ix)].grandeur;
    const TGrandeur& gy = m_colonnes[std::size_t(iy)].grandeur;
    // As the plot window names it: Y(X).
    const QString nom = gy.Symbole.trimmed() + u'(' + gx.Symbole.trimmed() + u')';
    chart_title_set_name(g, utf8(nom));
    chart_title_set_name_font(g, &titre);
    chart_legend_set_font(g, &police);
    chart_legend_set_position(g, LXW_CHART_LEGEND_BOTTOM);
    lxw_chart_line axe{};
    axe.color = police.color;
    for (auto [a, gr] : {std::pair{g->x_axis, &gx}, std::pair{g->y_axis, &gy}}) {
        chart_axis_set_name(a, utf8(enteteColonne(*gr)));
        chart_axis_set_name_font(a, &police);
        chart_axis_set_num_font(a, &police);
        chart_axis_set_line(a, &axe);
        chart_axis_set_num_format(a, utf8(formatDecimales(decimales(*gr))));
    }
    lxw_chart_options placement{};
    placement.x_scale = 1.6;
    placement.y_scale = 1.6;
    placement.description = const_cast<char*>(utf8(nom));
    worksheet_insert_chart_opt(feuille, lxw_row_t(1 + 25 * rang), 1, g, &placement);
}

bool Classeur::feuilleGraphiques(QString& erreur) {
    // The sheet column of each axis; a definition on a column the sheets do not hold has no chart.
    const auto indice = [this](int c) {
        for (std::size_t i = 0; i < m_colonnes.size(); ++i)
            if (m_colonnes[i].colonne == c) return int(i);
        return -1;
    };
    std::vector<std::pair<int, int>> graphiques;
    for (int a : caracteristiques()) {
        const TDefCaract& d = m_t.EnteteTravail.DefCaract(a);
        const int ix = indice(d.ColonneX), iy = indice(d.ColonneY);
        if (ix >= 0 && iy >= 0) graphiques.push_back({ix, iy});
    }
    // A chart without a series is no chart: none when no test holds points.
    if (graphiques.empty() || m_feuilles.empty()) return true;
    const QString nom = Traduit("Graphiques", "Charts", "Gráficos");
    lxw_worksheet* f = workbook_add_worksheet(m_classeur, utf8(nom));
    if (!f) {
        erreur = "sheet name refused: " + nom;
        return false;
    }
    // Printed on A4, as wide as the page: no chart cut between two sheets of paper.
    worksheet_set_paper(f, 9);
    worksheet_fit_to_pages(f, 1, 0);
    for (std::size_t r = 0; r < graphiques.size(); ++r)
        graphique(f, int(r), graphiques[r].first, graphiques[r].second);
    return true;
}

bool Classeur::ecrit(const QString& fichier, const QString& dossierTemporaire, QString& erreur) {
    lxw_workbook_options options{};
    options.tmpdir = const_cast<char*>(utf8(QDir::toNativeSeparators(dossierTemporaire)));
    m_classeur = workbook_new_opt(utf8(fichier), &options);
    if (!m_classeur) {
        erreur = QStringLiteral("the workbook could not be created");
        return false;
    }
    m_gras = workbook_add_format(m_classeur);
    format_set_bold(m_gras);
    lxw_doc_properties proprietes{};
    proprietes.title = const_cast<char*>(utf8(m_t.EnteteTravail.Commentaire.texte()));
    proprietes.author = const_cast<char*>("Vimra");
    workbook_set_properties(m_classeur, &proprietes);

    m_colonnes = ColonnesExport(m_t, m_s, m_o.derniereColonne);
    const std::vector<int> essais = EssaisExport(m_t, m_o.essai);
    for (int k : essais)
        if (!feuilleEssai(k, erreur)) return false;
    if (essais.empty()) {
        // No test holds a point: the work's title and the header of the columns, on one sheet.
        lxw_worksheet* f = workbook_add_worksheet(m_classeur, utf8(Textes().Texte[texteEssai]));
        if (!f) {
            erreur = "sheet name refused: " + Textes().Texte[texteEssai];
            return false;
        }
        lxw_row_t ligne = 0;
        if (const QString titre = m_t.EnteteTravail.Commentaire.texte(); !titre.isEmpty())
            worksheet_write_string(f, ligne++, 0, utf8(titre), m_gras);
        ++ligne;
        for (std::size_t i = 0; i < m_colonnes.size(); ++i)
            worksheet_write_string(f, ligne, lxw_col_t(i), utf8(enteteColonne(m_colonnes[i].grandeur)),
                                   m_gras);
    }
    if (!feuilleGraphiques(erreur)) return false;

    const lxw_error e = workbook_close(m_classeur);
    m_classeur = nullptr;
    if (e != LXW_NO_ERROR) {
        erreur = QString::fromUtf8(lxw_strerror(e));
        return false;
    }
    return true;
}

} // namespace

bool EcritXlsx(const Travail& t, const SessionTravail& s, const OptionsExport& o, const QString& chemin,
               QString* erreur) {
    QString raison;
    const auto echec = [&](const QString& r) {
        if (erreur) *erreur = r;
        return false;
    };
    // The library writes its own file: into a folder of its own first, then the whole workbook goes
    // beside the target and over it, as every file of the program does.
    QTemporaryDir dossier;
    if (!dossier.isValid()) return echec(dossier.errorString());
    const QString fichier = dossier.filePath(QStringLiteral("classeur.xlsx"));
    {
        Classeur c(t, s, o);
        if (!c.ecrit(fichier, dossier.path(), raison)) return echec(raison);
    }
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly)) return echec(f.errorString());
    const QByteArray octets = f.readAll();
    if (f.error() != QFileDevice::NoError) return echec(f.errorString());
    if (!EcritFichierAtomique(chemin, octets, &raison)) return echec(raison);
    return true;
}
