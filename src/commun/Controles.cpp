#include "Controles.h"

#include "graph/Couleurs.h"
#include "graph/Marqueurs.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dossiers.h"
#include "socle/Preferences.h"
#include "socle/Textes.h"
#include "work/Travail.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
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

QWidget* BarreTitre(QWidget* parent, QLineEdit*& edition, Travail& travail) {
    auto* barre = new QWidget(parent);
    barre->setObjectName("ToolBarTitre");
    auto* l = new QHBoxLayout(barre);
    l->setContentsMargins(0, 0, 0, 0);
    edition = new QLineEdit(barre);
    edition->setObjectName("EditTitre");
    edition->setMaxLength(100);
    l->addWidget(edition);
    QObject::connect(edition, &QLineEdit::textEdited, barre, [&travail](const QString& t) {
        travail.EnteteTravail.Commentaire.setTexte(t.left(100));
    });
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

QAction* EntreeGrandsReperes(QMenu* menu, QObject* contexte, const std::function<void()>& apres) {
    QAction* a =
        EntreeTexte(menu->addAction(QString()), "Grands repères", "Large markers", "Marcadores grandes");
    a->setObjectName("GrandsReperes");
    a->setCheckable(true);
    a->setChecked(preferences().GrandsReperes);
    QObject::connect(menu, &QMenu::aboutToShow, a, [a] { a->setChecked(preferences().GrandsReperes); });
    QObject::connect(a, &QAction::toggled, contexte, [apres](bool grands) {
        preferences().GrandsReperes = grands;
        SauvePreferences(dossiers().DossierConfig);
        apres();
    });
    return a;
}

QIcon IconeEssai(int k) {
    constexpr int cote = 16, ratio = 3;
    const std::array<QColor, 7> c = SchemaCouleurs(ConfigGenerale().SchemaCouleurs);
    QPixmap p(cote * ratio, cote * ratio);
    p.setDevicePixelRatio(ratio);
    p.fill(c[0]);
    QPainter peintre(&p);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(c[std::size_t(1 + std::clamp(k, 1, 5))], 1.5));
    TraceMarqueur(peintre, k, 5, QPoint(cote / 2, cote / 2));
    return QIcon(p);
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
