#include "EssaisEtude.h"

#include "Controles.h"
#include "socle/Textes.h"
#include "work/QuestionsTravail.h"
#include "work/SessionTravail.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

void EssaisEtude::construitEssais(QWidget* panneau) {
    auto* essais = new QGridLayout(panneau);
    essais->setContentsMargins(0, 0, 0, 0);
    essais->setHorizontalSpacing(4);
    essais->setVerticalSpacing(1);
    for (int k = 0; k < 5; ++k) {
        QToolButton* b = BoutonTexte(QString("Buttoncourbe%1").arg(k + 1), panneau, true);
        b->setAutoExclusive(true);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        auto* e = new QLineEdit(panneau);
        e->setObjectName(QString("Editcourbe%1").arg(k + 1));
        e->setMaxLength(20);
        essais->addWidget(b, 0, k);
        essais->addWidget(e, 1, k);
        Buttoncourbe[std::size_t(k)] = b;
        Editcourbe[std::size_t(k)] = e;
        const int n = k + 1;
        QObject::connect(b, &QToolButton::clicked, panneau, [this, n] { ButtoncourbeClick(n); });
        QObject::connect(e, &QLineEdit::textEdited, panneau, [this, n] { Editcourbe1Change(n); });
        QObject::connect(b, &QWidget::customContextMenuRequested, panneau, [this, n, b](const QPoint& p) {
            QMenu menu(b);
            const QString numero = QString::number(n);
            menu.addAction(Traduit("Suppression de tous les points de l'essai ",
                                   "Delete all the points of test ",
                                   "Supresión de todos los puntos de la prueba ") +
                               numero,
                           b, [this, n] { SupprimePoints(n); });
            menu.addAction(Traduit("Suppression de l'essai ", "Delete test ", "Supresión de la prueba ") +
                               numero,
                           b, [this, n] { SuppCourbeClick(n); });
            menu.exec(b->mapToGlobal(p));
        });
    }
}

void EssaisEtude::selectionneEssai(int k) {
    m_session.EssaiCourant = Buttoncourbe[std::size_t(k - 1)]->isChecked() ? k : 0;
    for (int i = 1; i <= 5; ++i)
        Editcourbe[std::size_t(i - 1)]->setEnabled(i == m_session.EssaiCourant);
}

void EssaisEtude::Editcourbe1Change(int k) {
    m_travail.Essais[k].Entete.setCommentaire(Editcourbe[std::size_t(k - 1)]->text().left(20));
}

void EssaisEtude::SuppCourbeClick(int k) {
    if (DemandeSuppressionEssai(m_travail, m_session, k)) Action();
}

void EssaisEtude::SupprimePoints(int k) {
    if (DemandeSuppressionPoints(m_travail, m_session, k)) Action();
}
