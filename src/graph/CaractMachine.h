#pragma once
// The panel that shows one characteristic of the work: the curves of every test, a cursor on the
// selected point with its read-outs, two zoom sliders and a context menu. It copies its
// characteristic as a picture or as values, and prints it on the page its owner prepares.

#include "graph/Courbe.h"
#include "graph/Graphe.h"

#include <QImage>
#include <QWidget>

#include <memory>

class QAction;
class QLabel;
class QPainter;
class QMenu;
class QSlider;
class QToolButton;
class ProprietaireGraphe;
class Travail;
struct SessionTravail;
struct EtatEtude;

class TCaractMachine : public QWidget {
public:
    // Shows DefCaract[n] (1..8) of `t`.
    TCaractMachine(int n, Travail& t, SessionTravail& session, EtatEtude& etat, QWidget* parent = nullptr);
    ~TCaractMachine() override;

    // The plot window and the application run screen; either may be null. Actions go to the
    // owner of the definition (1..4 the plot window, 5..8 the run screen); the cursor routine to
    // the run screen when the selected test is an application test, to the plot window otherwise.
    void setProprietaires(ProprietaireGraphe* traceCaract, ProprietaireGraphe* application);

    int numero() const { return m_n; }

    void setmenu();
    void tracecaract();
    void tracegraphe();
    void tracecourbe();
    void tracepoint(int essai, int point);
    void curseur();
    void cfgaxe(TGraphe& g);
    void Copiercaract();
    void Imprimercaract();
    // Prints the printer graph into `cadre` of the painter's device, clipped to it, in Arial at
    // `taillePolice` points (0: the size follows the frame).
    void imprimeDans(QPainter& p, const QRect& cadre, int taillePolice);
    void CopierValeurs();
    // The header's texts in `texte`, its button in `survol` under the mouse: for an owner that
    // puts the panel on a background of its own.
    void couleursEntete(const QColor& texte, const QColor& survol);

    // Handlers.
    void ButtonCaractClick();
    void ZoomXChange(int position);
    void ZoomYChange(int position);
    void PopupMenu1Popup(); // enables the menu items for the present work
    void PaintBox1Paint();  // full redraw, then the owner's cursor routine
    void PaintBox1Souris(QPoint pixel, bool appui);
    // The arrow keys on the graph: the point `pas` after (or before) the selected one of the current
    // test is selected and shown, as a click shows it.
    void PointSuivant(int pas);

    // The printer graph: its owner sets the surface and the frame before Imprimercaract.
    TGraphe GrapheImprimante;
    // The picture of the screen graph, in device pixels.
    const QImage& imageEcran() const { return m_image; }
    const TGraphe& grapheEcran() const { return m_grapheEcran; }

    QLabel* TextVariableY;
    QLabel* TextValeurY;
    QToolButton* ButtonCaract;
    QLabel* TextCaract;
    QLabel* TextVariableX;
    QLabel* TextValeurX;
    QSlider* ZoomY;
    QWidget* PaintBox1;
    QSlider* ZoomX;
    QToolButton* ButtonAuto;
    QMenu* PopupMenu1;
    QAction* Suppressiondupoint1;
    QAction* Suppressiondetouslespoints1;
    QAction* Nouvelessai1;
    QAction* Modificationdelacarcateristique1;
    QAction* Copierlacaracteristique1;
    QAction* CopierlesvaleursSel;

private:
    class Peinture;
    friend class Peinture;

    ProprietaireGraphe* proprietaire() const;
    ProprietaireGraphe* proprietaireCurseur() const;
    void dessineCaract(TGraphe& g);
    void preparerImage();

    int m_n;
    Travail& m_travail;
    SessionTravail& m_session;
    EtatEtude& m_etat;
    TGraphe m_grapheEcran;
    TGraphe m_graphePressePapiers;
    std::unique_ptr<TTrace> m_courbe;
    QImage m_image;
    ProprietaireGraphe* m_traceCaract = nullptr;
    ProprietaireGraphe* m_application = nullptr;
};
