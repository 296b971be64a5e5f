#include "Parcours.h"

#include "app/Demo.h"
#include "link/Liaison.h"
#include "socle/ConfigGenerale.h"
#include "socle/DialoguesFichiers.h"
#include "work/FichierTravail.h"
#include "work/SessionTravail.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

QString normalise(QString t) {
    return t.remove(u'&').trimmed();
}

bool correspond(const QWidget* w, const QString& legende) {
    if (w->objectName() == legende) return true;
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return normalise(b->text()) == legende;
    return false;
}

bool estFenetre(const QWidget* w) {
    return w->isWindow() && w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip;
}

// Where a person can act: the modal window when there is one, else every visible window, the
// active one first.
QList<QWidget*> fenetresAccessibles() {
    if (QWidget* m = QApplication::activeModalWidget()) return {m};
    QList<QWidget*> l;
    if (QWidget* a = QApplication::activeWindow(); a && estFenetre(a)) l << a;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (estFenetre(w) && !l.contains(w)) l << w;
    return l;
}

// The controls of `legende` in the windows `racines`: "A/B" is B inside the control A.
QList<QWidget*> candidats(const QList<QWidget*>& racines, const QString& legende) {
    QList<QWidget*> niveau = racines;
    for (const QString& partie : legende.split(u'/')) {
        QList<QWidget*> suivant;
        for (QWidget* r : niveau)
            for (QWidget* w : r->findChildren<QWidget*>())
                if (w->window() == r->window() && correspond(w, partie) && !suivant.contains(w)) suivant << w;
        niveau = suivant;
    }
    return niveau;
}

QString description(const QWidget* w) {
    QString d = w->metaObject()->className() + QString(" \"") + w->windowTitle() + "\"";
    if (auto* b = qobject_cast<const QMessageBox*>(w)) d += ": " + b->text();
    if (auto* m = qobject_cast<const QMenu*>(w)) {
        QStringList e;
        for (QAction* a : m->actions())
            e << a->text();
        d += ": " + e.join(" | ");
    }
    return d;
}

// The visible control of `legende`, or why there is none.
QWidget* trouve(const QList<QWidget*>& racines, const QString& legende, QString& pourquoi) {
    QApplication::processEvents();
    const QList<QWidget*> tous = candidats(racines, legende);
    for (QWidget* w : tous)
        if (w->isVisible() && w->isEnabled()) return w;
    const bool vu = std::any_of(tous.begin(), tous.end(), [](QWidget* w) { return w->isVisible(); });
    pourquoi = vu ? "disabled" : tous.isEmpty() ? "not there" : "hidden";
    return nullptr;
}

QStringList nomsFenetres() {
    QStringList l;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (estFenetre(w)) l << (w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName());
    l.sort();
    return l;
}

QWidget* trouveCliquable(const QList<QWidget*>& racines, const QString& legende) {
    QString pourquoi;
    QWidget* w = trouve(racines, legende, pourquoi);
    if (!w)
        throw EtapeImpossible(QString("\"%1\" cannot be clicked: %2 (windows on view: %3)")
                                  .arg(legende, pourquoi, nomsFenetres().join(", "))
                                  .toStdString());
    return w;
}

// Offscreen there is no window manager: it is done here as one does it, the window clicked in
// taking the keyboard, and a window taking it back when the dialog over it closes.
void active(QWidget* fenetre) {
    if (!fenetre || fenetre->isActiveWindow()) return;
    fenetre->activateWindow();
    QApplication::processEvents();
}

// A click at `p` of `w` as the window system delivers it: to the window, which finds the control
// under the mouse (a right click also asks for its pop-up menu).
void clicA(QWidget* w, QPoint p, Qt::MouseButton bouton = Qt::LeftButton) {
    QWidget* f = w->window();
    if (!QApplication::activePopupWidget() && !QApplication::activeModalWidget()) active(f);
    QTest::mouseClick(f->windowHandle(), bouton, {}, w->mapTo(f, p));
    QApplication::processEvents();
}

void clic(QWidget* w, Qt::MouseButton bouton = Qt::LeftButton) {
    clicA(w, w->rect().center(), bouton);
}

// A key as the window system delivers it: to the window, which gives it to its focused control.
void frappe(QWidget* fenetre, int cle, Qt::KeyboardModifiers modificateurs = Qt::NoModifier) {
    QTest::keyClick(fenetre->window()->windowHandle(), Qt::Key(cle), modificateurs);
    QApplication::processEvents();
}

// A person cannot leave a window open: a gesture that fails closes it, and says why.
void echoue(QWidget* fenetre, const QString& pourquoi) {
    ADD_FAILURE() << pourquoi.toStdString() << " in " << description(fenetre).toStdString();
    frappe(fenetre, Qt::Key_Escape);
}

QAction* entree(const QWidget* conteneur, const QString& texte) {
    for (QAction* a : conteneur->actions())
        if (a->isVisible() && !a->isSeparator() && normalise(a->text()) == texte) return a;
    return nullptr;
}

QStringList textes(const QWidget* m) {
    QStringList l;
    for (QAction* a : m->actions())
        if (a->isVisible() && !a->isSeparator()) l << normalise(a->text());
    return l;
}

// What is delivered beside the program, linked into the program folder: the program only reads it.
void lieLivraison(const QString& source, const QString& cible) {
    for (const QFileInfo& f : QDir(source).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        QFile::link(f.absoluteFilePath(), QDir(cible).filePath(f.fileName()));
}

} // namespace

Geste Clic(const QString& legende) {
    return [legende](QWidget* fenetre) {
        QString pourquoi;
        if (QWidget* w = trouve({fenetre}, legende, pourquoi))
            clic(w);
        else
            echoue(fenetre, "\"" + legende + "\": " + pourquoi);
    };
}

Geste Nom(const QString& nom) {
    return [nom](QWidget* fenetre) {
        QWidget* champ = fenetre->focusWidget();
        if (!qobject_cast<QLineEdit*>(champ)) return echoue(fenetre, "no name field has the keyboard");
        frappe(fenetre, Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : nom)
            QTest::keyClick(fenetre->windowHandle(), c.toLatin1());
        frappe(fenetre, Qt::Key_Return);
    };
}

Geste Touche(int cle) {
    return [cle](QWidget* fenetre) { frappe(fenetre, cle); };
}

Geste LitEntrees(QStringList& entrees) {
    return [&entrees](QWidget* fenetre) {
        auto* m = qobject_cast<QMenu*>(fenetre);
        if (!m) return echoue(fenetre, "not a pop-up menu");
        entrees = textes(m);
        frappe(m, Qt::Key_Escape);
    };
}

Geste Suite(std::vector<Geste> gestes) {
    return [gestes](QWidget* fenetre) {
        for (const Geste& g : gestes)
            if (fenetre->isVisible()) g(fenetre);
    };
}

void Parcours::SetUp() {
    ASSERT_TRUE(dossier.isValid());
    racine = qEnvironmentVariableIsSet("VIMRA_PARCOURS_DOSSIER")
                 ? qEnvironmentVariable("VIMRA_PARCOURS_DOSSIER")
                 : dossier.path();
    // The program folder as delivered, and the settings a previous run left.
    lieLivraison(VIMRA_DONNEES, racine);
    {
        QFile f(QDir(racine).filePath("CFGVimra.cfg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(TConfigGenerale::defaut().octets());
    }
    m_avant = QDir::currentPath();
    QDir::setCurrent(racine);
    // The file dialogs of a program that just started: no name chosen yet.
    dialoguesFichiers() = DialoguesFichiers{};
    m_surveillant.setInterval(20);
    QObject::connect(&m_surveillant, &QTimer::timeout, [this] { surveille(); });
    m_surveillant.start();
    redemarre();
}

void Parcours::ouvreEtude(const QString& mode, const QString& charge, const QString& etude) {
    clique(mode.isEmpty() ? QString("Tracé des caractéristiques d'une machine") : mode);
    enfonce("MCC Indépendante");
    enfonce(charge);
    ensuite(Suite({Clic("RadioGroupY/Couple utile"), Clic("RadioGroupX/Vitesse de rotation"), Clic("OK")}));
    clique(etude);
    attendsFenetres({"FormTraceCaract"});
}

void Parcours::ouvrePompe() {
    clique("Etude sur une application industrielle");
    enfonce("Machine courant continu : excitation indépendante");
    clique("Choix de l'application");
    clique("ImageSelectLocal");
    clique("ImagePompe");
    clique("Valider");
    attendsFenetres({"FormApplication"});
}

void Parcours::redemarre() {
    if (programme) {
        programme.reset();
        dialoguesFichiers() = DialoguesFichiers{};
    }
    programme = std::make_unique<Demarrage>(true);
    ASSERT_TRUE(programme->pret());
    programme->montreMenu();
    ASSERT_TRUE(attends([this] { return programme->liaison().LinkOpen; }));
}

void Parcours::TearDown() {
    EXPECT_TRUE(m_gestes.empty()) << m_gestes.size() << " window(s) expected never opened";
    m_gestes.clear();
    m_surveillant.stop();
    programme.reset();
    QDir::setCurrent(m_avant);
}

void Parcours::surveille() {
    if (m_occupe) return;
    if (m_traitee && !m_traitee->isVisible()) m_traitee = nullptr;
    QWidget* w = QApplication::activePopupWidget();
    // The menus a journey opens from a menu bar are its own clicks, not the program's windows.
    if (m_menuEnCours && qobject_cast<QMenu*>(w)) return;
    if (!w) w = QApplication::activeModalWidget();
    if (!w || w == m_traitee || !w->isVisible()) {
        m_attente.invalidate();
        return;
    }
    if (!m_attente.isValid()) m_attente.start();
    m_occupe = true;
    if (m_gestes.empty()) {
        // Time enough for any window a journey means to answer: this one nobody expected.
        if (m_attente.elapsed() > 1500) {
            m_traitee = w;
            echoue(w, "After " + m_etape + ", the program opened a window nobody expected");
        }
    } else if (w->isActiveWindow() || m_attente.elapsed() > 300) {
        m_traitee = w;
        m_attente.invalidate();
        const Geste g = std::move(m_gestes.front());
        m_gestes.pop_front();
        g(w);
    }
    m_occupe = false;
}

void Parcours::enCours() const {
    if (programmeFini()) throw EtapeImpossible("the program has ended");
}

QWidget* Parcours::cliquable(const QString& legende) const {
    enCours();
    return trouveCliquable(fenetresAccessibles(), legende);
}

void Parcours::clique(const QString& legende) {
    m_etape = "a click on \"" + legende + "\"";
    clic(cliquable(legende));
}

void Parcours::enfonce(const QString& legende) {
    m_etape = "a click on \"" + legende + "\"";
    auto* b = qobject_cast<QAbstractButton*>(cliquable(legende));
    if (!b) throw EtapeImpossible(("\"" + legende + "\" is not a button").toStdString());
    if (!b->isChecked()) clic(b);
}

void Parcours::clique(QWidget* w, Qt::MouseButton bouton) {
    enCours();
    QApplication::processEvents();
    if (!w || !w->isVisible() || !w->isEnabled())
        throw EtapeImpossible(QString("%1 cannot be clicked: %2")
                                  .arg(w ? w->metaObject()->className() : "nothing", !w ? "missing"
                                                                                     : !w->isVisible()
                                                                                         ? "hidden"
                                                                                         : "disabled")
                                  .toStdString());
    clic(w, bouton);
}

QStringList Parcours::titresMenus() const {
    QApplication::processEvents();
    for (QWidget* f : fenetresAccessibles())
        for (QMenuBar* b : f->findChildren<QMenuBar*>())
            if (b->isVisible()) return textes(b);
    return {};
}

QStringList Parcours::menu(const QStringList& chemin) {
    m_etape = "the menu entry \"" + chemin.join(" > ") + "\"";
    enCours();
    QApplication::processEvents();
    QMenuBar* barre = nullptr;
    QAction* titre = nullptr;
    for (QWidget* f : fenetresAccessibles())
        for (QMenuBar* b : f->findChildren<QMenuBar*>())
            if (!titre && b->isVisible())
                if ((titre = entree(b, chemin.value(0)))) barre = b;
    if (!titre) throw EtapeImpossible(("no menu \"" + chemin.value(0) + "\"").toStdString());
    if (!titre->isEnabled())
        throw EtapeImpossible(("menu \"" + chemin.value(0) + "\" disabled").toStdString());
    m_menuEnCours = true;
    const auto ferme = [this, barre](QMenu* m) {
        frappe(m, Qt::Key_Escape);
        if (barre->activeAction()) frappe(barre, Qt::Key_Escape);
        m_menuEnCours = false;
    };
    clicA(barre, barre->actionGeometry(titre).center());
    QMenu* m = titre->menu();
    if (!attends([m] { return m->isVisible(); }, 2000)) {
        m_menuEnCours = false;
        throw EtapeImpossible(("menu \"" + chemin.value(0) + "\" did not open").toStdString());
    }
    for (int i = 1; i < chemin.size(); ++i) {
        QAction* e = entree(m, chemin[i]);
        if (!e || !e->isEnabled()) {
            const QStringList vus = textes(m);
            ferme(m);
            throw EtapeImpossible(QString("menu entry \"%1\" %2 (entries: %3)")
                                      .arg(chemin[i], e ? "disabled" : "not there", vus.join(" | "))
                                      .toStdString());
        }
        const QPoint p = m->actionGeometry(e).center();
        if (QMenu* sous = e->menu()) {
            QTest::mouseMove(m->windowHandle(), p);
            clicA(m, p);
            if (!attends([sous] { return sous->isVisible(); }, 2000)) {
                ferme(m);
                throw EtapeImpossible(("submenu \"" + chemin[i] + "\" did not open").toStdString());
            }
            m = sous;
            continue;
        }
        // The entry's window, if it opens one, is the program's: the watch answers it.
        m_menuEnCours = false;
        clicA(m, p);
        return {};
    }
    const QStringList vus = textes(m);
    ferme(m);
    return vus;
}

void Parcours::pageBarre(const QString& nom, int fois) {
    m_etape = "a click on the scroll bar \"" + nom + "\"";
    for (int i = 0; i < std::abs(fois); ++i) {
        auto* b = qobject_cast<QScrollBar*>(cliquable(nom));
        if (!b) throw EtapeImpossible(("\"" + nom + "\" is not a scroll bar").toStdString());
        QStyleOptionSlider o;
        o.initFrom(b);
        o.subControls = QStyle::SC_All;
        o.orientation = b->orientation();
        if (b->orientation() == Qt::Horizontal) o.state |= QStyle::State_Horizontal;
        o.minimum = b->minimum();
        o.maximum = b->maximum();
        o.sliderPosition = b->sliderPosition();
        o.sliderValue = b->value();
        o.singleStep = b->singleStep();
        o.pageStep = b->pageStep();
        o.upsideDown = b->invertedAppearance();
        const QRect r = b->style()->subControlRect(
            QStyle::CC_ScrollBar, &o, fois > 0 ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage,
            b);
        if (r.isEmpty()) throw EtapeImpossible(("\"" + nom + "\" is at its end").toStdString());
        clicA(b, r.center());
    }
}

void Parcours::touche(int cle, Qt::KeyboardModifiers modificateurs) {
    m_etape = "the key " + QKeySequence(int(modificateurs) | cle).toString();
    enCours();
    if (!QApplication::activeWindow()) active(fenetresAccessibles().value(0));
    QWidget* cible = QApplication::activeWindow();
    if (!cible) throw EtapeImpossible("no window has the keyboard");
    frappe(cible, cle, modificateurs);
}

void Parcours::ensuite(Geste geste) {
    m_gestes.push_back(std::move(geste));
}

bool Parcours::attends(const std::function<bool()>& condition, int ms) {
    return QTest::qWaitFor(condition, ms);
}

void Parcours::attendsFenetres(const QStringList& noms, int ms) {
    enCours();
    if (!attends([&] { return nomsFenetres() == noms; }, ms))
        throw EtapeImpossible(QString("windows on view: %1, not %2")
                                  .arg(nomsFenetres().join(", "), noms.join(", "))
                                  .toStdString());
}

void Parcours::parcours(const std::function<void()>& etapes) {
    // The steps run inside the program's event loop, as main() runs it: a quit ends that loop
    // (and the sentinel loop the steps run in, which tells that the program has ended).
    QTimer::singleShot(0, [&] {
        QEventLoop sentinelle;
        QTimer::singleShot(0, &sentinelle, [&] {
            m_sentinelle = &sentinelle;
            try {
                etapes();
            } catch (const EtapeImpossible& e) {
                ADD_FAILURE() << e.what();
            }
            m_sentinelle = nullptr;
            sentinelle.exit();
        });
        sentinelle.exec();
        QApplication::exit();
    });
    QApplication::exec();
}

bool Parcours::programmeFini() const {
    return m_sentinelle && !m_sentinelle->isRunning();
}

QStringList Parcours::fenetresVisibles() const {
    QApplication::processEvents();
    return nomsFenetres();
}

QWidget* Parcours::controle(const QString& legende) const {
    QApplication::processEvents();
    for (QWidget* w : candidats(fenetresAccessibles(), legende))
        if (w->isVisible()) return w;
    throw EtapeImpossible(("\"" + legende + "\" not on view").toStdString());
}

bool Parcours::visible(const QString& legende) const {
    QApplication::processEvents();
    const QList<QWidget*> tous = candidats(fenetresAccessibles(), legende);
    return std::any_of(tous.begin(), tous.end(), [](QWidget* w) { return w->isVisible(); });
}

QString Parcours::cheminTravail(const QString& nom) const {
    // Wherever the save dialog put it in the program folder.
    for (QDirIterator i(racine, {nom}, QDir::Files, QDirIterator::Subdirectories); i.hasNext();)
        return i.next();
    return QDir(racine).filePath(nom);
}

std::unique_ptr<Travail> Parcours::lit(const QString& nom) const {
    auto t = std::make_unique<Travail>();
    SessionTravail session;
    QFile f(cheminTravail(nom));
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no work file " << nom.toStdString();
        return t;
    }
    const Disposition d =
        TypeFichier(nom) == QLatin1String(TYPE_VIMR2) ? Disposition::Vimr2 : Disposition::MLX2;
    EXPECT_TRUE(DecodeTravail(*t, session, f.readAll(), d)) << nom.toStdString() << " refused by the reader";
    return t;
}

TBanc& Parcours::banc() {
    return programme->demo()->banc();
}
