#pragma once
// A PDF document shown page after page at the width of the window, or, when it cannot be opened,
// a message that says which file is missing.

#include <QString>
#include <QWidget>

class QLabel;
class QPdfDocument;
class QPdfView;
class QStackedLayout;

class VuePdf : public QWidget {
    Q_OBJECT
public:
    explicit VuePdf(QWidget* parent = nullptr);

    // Opens the file at `chemin`; false, with the message shown instead, when it cannot be read.
    bool charge(const QString& chemin);

    // None before the first `charge`.
    QPdfDocument* document() const { return m_document; }
    QPdfView* vue() const { return m_vue; }
    QLabel* message() const { return m_message; }
    // The file last given to `charge`, empty before the first.
    QString chemin() const { return m_chemin; }
    bool montreMessage() const;

private:
    QPdfDocument* m_document = nullptr;
    QPdfView* m_vue;
    QLabel* m_message;
    QStackedLayout* m_pile;
    QString m_chemin;
};

class QHBoxLayout;
class QPushButton;

// What both help viewers share: a button bar with "Fermer" over the document. Each chooses its
// document every time it is shown; a window already open keeps its document until then.
class TFenetreDocument : public QWidget {
    Q_OBJECT
public:
    explicit TFenetreDocument(QWidget* parent, Qt::WindowFlags drapeaux);

    void FormResize();
    void ButtonFermerClick() { close(); }
    // Shows the window over `proprietaire`, which it then belongs to: a window opened from a
    // modal dialog must stay usable, and it must not outlive the view of its owner.
    void Montre(QWidget* proprietaire);

    // The file chosen at the last showing, empty when there was none.
    QString NomFichier;
    QWidget* PanelBoutons;
    QPushButton* ButtonFermer;
    VuePdf* Visionneuse;

protected:
    virtual void FormShow() = 0;
    // Empties the file name, then opens `fichier` of `dossier` when there is one.
    void choisit(const QString& dossier, const QString& fichier);
    QHBoxLayout* barre() const { return m_barre; }
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QHBoxLayout* m_barre;
};
