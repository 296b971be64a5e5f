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
