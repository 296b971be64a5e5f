#include "Controles.h"

#include "shell/Textes.h"
#include "work/Travail.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

QToolButton* BoutonTexte(const QString& nom, QWidget* parent, bool bascule) {
    auto* b = new QToolButton(parent);
    b->setObjectName(nom);
    b->setCheckable(bascule);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumHeight(28);
    return b;
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

void RangeeEssais(QWidget* panneau, std::array<QToolButton*, 5>& boutons,
                  std::array<QLineEdit*, 5>& commentaires, const ActionsEssais& actions) {
    auto* essais = new QGridLayout(panneau);
    essais->setContentsMargins(0, 0, 0, 0);
    essais->setHorizontalSpacing(4);
    essais->setVerticalSpacing(1);
    for (int k = 0; k < 5; ++k) {
        QToolButton* b = BoutonTexte(QString("Buttoncourbe%1").arg(k + 1), panneau, true);
        b->setAutoExclusive(true);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        auto* e = new QLineEdit(panneau);
        e->setObjectName(QString("Editcourbe%1").arg(k + 1));
        e->setMaxLength(20);
        essais->addWidget(b, 0, k);
        essais->addWidget(e, 1, k);
        boutons[std::size_t(k)] = b;
        commentaires[std::size_t(k)] = e;
        const int n = k + 1;
        QObject::connect(b, &QToolButton::clicked, panneau, [actions, n] { actions.selection(n); });
        QObject::connect(e, &QLineEdit::textEdited, panneau, [actions, n] { actions.commentaire(n); });
        QObject::connect(b, &QWidget::customContextMenuRequested, panneau, [actions, n, b](const QPoint& p) {
            QMenu menu(b);
            const QString numero = QString::number(n);
            menu.addAction(Traduit("Suppression de tous les points de l'essai ",
                                   "Delete all the points of test ",
                                   "Supresión de todos los puntos de la prueba ") +
                               numero,
                           b, [actions, n] { actions.supprimePoints(n); });
            menu.addAction(Traduit("Suppression de l'essai ", "Delete test ", "Supresión de la prueba ") +
                               numero,
                           b, [actions, n] { actions.supprimeEssai(n); });
            menu.exec(b->mapToGlobal(p));
        });
    }
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
