#include "Controles.h"

#include "socle/Textes.h"
#include "work/Travail.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QToolButton>

QToolButton* BoutonTexte(const QString& nom, QWidget* parent, bool bascule) {
    auto* b = new QToolButton(parent);
    b->setObjectName(nom);
    b->setCheckable(bascule);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumHeight(28);
    return b;
}

void FondUni(QWidget* w, const QColor& couleur) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, couleur);
    w->setPalette(p);
}

QWidget* BarreTitre(QWidget* parent, QLineEdit*& edition) {
    auto* barre = new QWidget(parent);
    barre->setObjectName("ToolBarTitre");
    auto* l = new QHBoxLayout(barre);
    l->setContentsMargins(0, 0, 0, 0);
    edition = new QLineEdit(barre);
    edition->setObjectName("EditTitre");
    edition->setMaxLength(100);
    l->addWidget(edition);
    QObject::connect(edition, &QLineEdit::textEdited, barre,
                     [](const QString& t) { travail().EnteteTravail.Commentaire.setTexte(t.left(100)); });
    return barre;
}

namespace {

const char* const TEXTE = "vimraTexte";
const char* const TRADUCTIONS = "vimraTraductions";

void appliqueTexte(QAction* a) {
    const QVariant n = a->property(TEXTE);
    if (n.isValid()) {
        a->setText(Textes().Texte[std::size_t(n.toInt())]);
        return;
    }
    const QStringList t = a->property(TRADUCTIONS).toStringList();
    if (t.size() != 3) return;
    const Langue l = LangueCourante();
    a->setText(t[l == Langue::Anglais ? 1 : l == Langue::Espagnol ? 2 : 0]);
}

// Every entry under `a`, submenus included, then `a` itself.
template <typename F> void parcourt(QAction* a, const F& f) {
    if (QMenu* m = a->menu())
        for (QAction* b : m->actions())
            parcourt(b, f);
    f(a);
}

} // namespace

QAction* EntreeTexte(QAction* a, int texte) {
    a->setProperty(TEXTE, texte);
    appliqueTexte(a);
    return a;
}

QAction* EntreeTexte(QAction* a, const char* francais, const char* anglais, const char* espagnol) {
    a->setProperty(TRADUCTIONS, QStringList{QString::fromUtf8(francais), QString::fromUtf8(anglais),
                                            QString::fromUtf8(espagnol)});
    appliqueTexte(a);
    return a;
}

void LangueMenus(QMenuBar* barre) {
    for (QAction* a : barre->actions())
        parcourt(a, appliqueTexte);
}

void ActiveMenus(QMenuBar* barre, bool actif) {
    for (QAction* a : barre->actions())
        parcourt(a, [actif](QAction* b) { b->setEnabled(actif); });
}

void MenuInterpolation(QMenu* menu, QObject* contexte, const std::function<void(int)>& choix) {
    QMenu* interpolation = menu->addMenu(QString());
    EntreeTexte(interpolation->menuAction(), 275);
    const int valeurs[6] = {-1, 1, 2, 3, 4, 5};
    for (int i = 0; i < 6; ++i)
        EntreeTexte(interpolation->addAction(QString(), contexte, [choix, v = valeurs[i]] { choix(v); }),
                    276 + i);
}

void MenuCouleurs(QMenu* menu, QObject* contexte, const std::array<const char*, 8>& noms,
                  const std::function<void(int)>& choix) {
    QMenu* couleurs = menu->addMenu(QString());
    EntreeTexte(couleurs->menuAction(), 282);
    const QColor teintes[8] = {
        Qt::white,          QColor(128, 255, 255), Qt::yellow,        QColor(192, 192, 192),
        QColor(128, 64, 0), QColor(0, 128, 0),     QColor(0, 0, 128), Qt::black};
    for (int i = 0; i < 8; ++i) {
        QPixmap p(16, 16);
        p.fill(teintes[i]);
        QAction* a = couleurs->addAction(QIcon(p), QString(), contexte, [choix, i] { choix(i); });
        a->setObjectName(noms[std::size_t(i)]);
        a->setIconVisibleInMenu(true);
    }
}
