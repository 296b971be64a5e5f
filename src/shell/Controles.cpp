#include "Controles.h"

#include "work/Travail.h"

#include <QHBoxLayout>
#include <QLineEdit>
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
