#include "BoutonsCalibre.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QToolButton>

namespace {

QToolButton* bouton(const char* nom, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(nom);
    b->setCheckable(true);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    b->setMinimumHeight(b->fontMetrics().height() * 2);
    return b;
}

} // namespace

BoutonsCalibre creeBoutonsCalibre(QWidget* parent) {
    BoutonsCalibre b;
    b.GroupBoxCalibre = new QGroupBox(parent);
    b.GroupBoxCalibre->setObjectName("GroupBoxCalibre");
    auto* l = new QHBoxLayout(b.GroupBoxCalibre);
    b.ButtonCalibre2A = bouton("ButtonCalibre2A", b.GroupBoxCalibre);
    b.ButtonCalibre20A = bouton("ButtonCalibre20A", b.GroupBoxCalibre);
    l->addWidget(b.ButtonCalibre2A);
    l->addWidget(b.ButtonCalibre20A);
    auto* groupe = new QButtonGroup(parent);
    groupe->addButton(b.ButtonCalibre2A);
    groupe->addButton(b.ButtonCalibre20A);
    return b;
}
