// A study with the keyboard alone, as a student who cannot use a mouse runs it: not one mouse event,
// only Tab to move the focus, Space and Return to press, the arrow keys for K and for the points.
#include "Parcours.h"

#include "work/Format.h"
#include "work/Travail.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {

class Clavier : public Parcours {
protected:
    // Tab until the focus is on the control of that caption or name, as a person watches it move.
    void tabulationVers(const QString& legende) {
        for (int i = 0; i < 60; ++i) {
            QWidget* w = QApplication::focusWidget();
            if (w && (w->objectName() == legende ||
                      (qobject_cast<QAbstractButton*>(w) &&
                       static_cast<QAbstractButton*>(w)->text().remove(u'&').trimmed() == legende)))
                return;
            touche(Qt::Key_Tab);
        }
        throw EtapeImpossible(("Tab never reaches \"" + legende + "\"").toStdString());
    }
    void presse(const QString& legende, int cle = Qt::Key_Space) {
        tabulationVers(legende);
        touche(cle);
    }
};

TEST_F(Clavier, AStudyWithTheKeyboardAloneRecordsThreePointsSelectsOneAndSavesThem) {
    parcours([&] {
        presse("Tracé des caractéristiques d'une machine", Qt::Key_Return);
        attendsFenetres({"FormChoixCaract"});
        presse("MAS Triphasée");
        presse("T = K");
        // The first characteristic, torque against speed as the dialog proposes it: Return.
        ensuite(Touche(Qt::Key_Return));
        presse("ETUDE");
        attendsFenetres({"FormTraceCaract"});

        presse("Manuel");
        tabulationVers("ScrollBarK");
        for (int point = 0; point < 3; ++point) {
            for (int i = 0; i < 5; ++i)
                touche(Qt::Key_Right);
            QTest::qWait(400);
            // Space records a point wherever the focus is in the window.
            touche(Qt::Key_Space);
        }
        touche(Qt::Key_Escape);

        // The graph takes the focus; the arrow keys select its points and show their values.
        tabulationVers("PaintBox1");
        touche(Qt::Key_Right);
        touche(Qt::Key_Right);
        const QString valeurLue = static_cast<QLabel*>(controle("CaractMachine1/TextValeurY"))->text();

        ensuite(Nom("clavier"));
        touche(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        const auto t = lit("clavier.MLX2");
        ASSERT_EQ(t->EnteteTravail.NbEssais, 1);
        EXPECT_EQ(t->Essais[1].nbPoints(), 3);
        EXPECT_EQ(t->Essais[1].Entete.TypeMachine(), 3);
        for (int k = 1; k < 3; ++k)
            EXPECT_GT(t->Essais[1].valeur(2, k), t->Essais[1].valeur(2, k - 1)) << "torque of point " << k;
        // The second point is the one the arrow keys selected: its torque is on view.
        EXPECT_EQ(valeurLue, TexteValeur(t->Essais[1].valeur(2, 1), 2) + " Nm");
    });
}

} // namespace
