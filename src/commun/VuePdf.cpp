#include "VuePdf.h"

#include "socle/Textes.h"

#include <QDir>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QStackedLayout>

VuePdf::VuePdf(QWidget* parent) : QWidget(parent) {
    setObjectName("Visionneuse");
    m_vue = new QPdfView(this);
    m_vue->setObjectName("VuePdf");
    m_vue->setPageMode(QPdfView::PageMode::MultiPage);
    m_vue->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    m_message = new QLabel(this);
    m_message->setObjectName("MessageDocument");
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setMargin(24);
    m_message->setAutoFillBackground(true);
    m_message->setText(Traduit("Aucun document", "No document", "Ningún documento"));
    m_pile = new QStackedLayout(this);
    m_pile->addWidget(m_message);
    m_pile->addWidget(m_vue);
    m_pile->setCurrentWidget(m_message);
    setFocusProxy(m_vue);
}

bool VuePdf::charge(const QString& chemin) {
    m_chemin = chemin;
    // The PDF library starts with the first document, not with the program.
    if (!m_document) {
        m_document = new QPdfDocument(this);
        m_vue->setDocument(m_document);
    }
    const QPdfDocument::Error e = m_document->load(chemin);
    if (e == QPdfDocument::Error::None && m_document->pageCount() > 0) {
        m_pile->setCurrentWidget(m_vue);
        // A new document opens at the top of its first page.
        m_vue->verticalScrollBar()->setValue(0);
        m_vue->horizontalScrollBar()->setValue(0);
        return true;
    }
    m_document->close();
    const QString fichier = QDir::toNativeSeparators(chemin);
    m_message->setText(e == QPdfDocument::Error::FileNotFound
                           ? Traduit("Le document\n%1\nest introuvable.", "The document\n%1\nis missing.",
                                     "El documento\n%1\nno se encuentra.")
                                 .arg(fichier)
                           : Traduit("Le document\n%1\nne peut pas être lu.",
                                     "The document\n%1\ncannot be read.",
                                     "El documento\n%1\nno se puede leer.")
                                 .arg(fichier));
    m_pile->setCurrentWidget(m_message);
    return false;
}

bool VuePdf::montreMessage() const {
    return m_pile->currentWidget() == m_message;
}

#include "DocumentsAide.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFenetreDocument::TFenetreDocument(QWidget* parent, Qt::WindowFlags drapeaux)
    : QWidget(parent, Qt::Window | drapeaux) {
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    PanelBoutons = new QWidget(this);
    PanelBoutons->setObjectName("PanelBoutons");
    // Not a Tab stop: it takes the focus only on its way to the document (FormResize).
    PanelBoutons->setFocusPolicy(Qt::ClickFocus);
    m_barre = new QHBoxLayout(PanelBoutons);
    m_barre->setContentsMargins(6, 4, 6, 4);
    m_barre->addStretch(1);
    ButtonFermer = new QPushButton(PanelBoutons);
    ButtonFermer->setObjectName("ButtonFermer");
    m_barre->addWidget(ButtonFermer);
    l->addWidget(PanelBoutons);
    Visionneuse = new VuePdf(this);
    l->addWidget(Visionneuse, 1);
    connect(ButtonFermer, &QPushButton::clicked, this, &TFenetreDocument::ButtonFermerClick);
    // Escape closes a viewer as its button does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &TFenetreDocument::ButtonFermerClick);
    resize(820, 700);
}

void TFenetreDocument::Montre(QWidget* proprietaire) {
    if (proprietaire && parentWidget() != proprietaire) {
        const bool visible = isVisible();
        setParent(proprietaire, windowFlags());
        if (visible) show();
    }
    show();
    raise();
    activateWindow();
}

void TFenetreDocument::choisit(const QString& dossier, const QString& fichier) {
    NomFichier.clear();
    if (fichier.isEmpty()) return; // whatever was shown stays
    NomFichier = fichier;
    Visionneuse->charge(CheminDocument(dossier, fichier));
}

void TFenetreDocument::FormResize() {
    if (!isVisible()) return;
    // Through the button bar to the document, so that the view lays its pages out again.
    PanelBoutons->setFocus();
    Visionneuse->setFocus();
}

void TFenetreDocument::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) FormShow();
    QWidget::showEvent(e);
}

void TFenetreDocument::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    FormResize();
}
