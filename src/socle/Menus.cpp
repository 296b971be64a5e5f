#include "Menus.h"

#include "Textes.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QVariant>

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
    // Alt and a letter opens each menu of the bar: the first letter of its title that no title
    // before it took.
    QString prises;
    for (QAction* a : barre->actions()) {
        QString titre = a->text().remove(u'&');
        for (qsizetype i = 0; i < titre.size(); ++i) {
            const QChar c = titre[i].toLower();
            if (c.isLetter() && !prises.contains(c)) {
                prises += c;
                titre.insert(i, u'&');
                break;
            }
        }
        a->setText(titre);
    }
}

void ActiveMenus(QMenuBar* barre, bool actif) {
    for (QAction* a : barre->actions())
        parcourt(a, [actif](QAction* b) { b->setEnabled(actif); });
}
