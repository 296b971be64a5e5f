#include "Aide.h"

#include "Menus.h"
#include "Textes.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

QString aide::page(int langue) {
    const Langue l = langueDuCode(langue);
    return QStringLiteral("qrc:/aide/%1.html")
        .arg(l == Langue::Anglais    ? "en"
             : l == Langue::Espagnol ? "es"
                                     : "fr");
}

namespace {

QString titreAide() {
    return Traduit("Aide de Vimra", "Vimra help", "Ayuda de Vimra");
}

class FenetreAide : public QDialog {
public:
    FenetreAide() {
        setObjectName("AIDE VIMRA.HLP");
        resize(760, 680);
        auto* l = new QVBoxLayout(this);
        l->setContentsMargins(6, 6, 6, 6);
        auto* barre = new QHBoxLayout;
        const auto bouton = [this, barre](QStyle::StandardPixmap icone) {
            auto* b = new QToolButton(this);
            b->setIcon(style()->standardIcon(icone));
            b->setAutoRaise(true);
            barre->addWidget(b);
            return b;
        };
        m_retour = bouton(QStyle::SP_ArrowBack);
        m_avance = bouton(QStyle::SP_ArrowForward);
        m_sommaire = bouton(QStyle::SP_DirHomeIcon);
        barre->addStretch();
        l->addLayout(barre);
        m_texte = new QTextBrowser(this);
        m_texte->setObjectName("TexteAide");
        l->addWidget(m_texte);
        m_retour->setEnabled(false);
        m_avance->setEnabled(false);
        connect(m_retour, &QToolButton::clicked, m_texte, &QTextBrowser::backward);
        connect(m_avance, &QToolButton::clicked, m_texte, &QTextBrowser::forward);
        connect(m_texte, &QTextBrowser::backwardAvailable, m_retour, &QWidget::setEnabled);
        connect(m_texte, &QTextBrowser::forwardAvailable, m_avance, &QWidget::setEnabled);
        connect(m_sommaire, &QToolButton::clicked, this,
                [this] { m_texte->setSource(QUrl(aide::page(int(LangueCourante())) + "#sommaire")); });
    }

    void montre(int contexte) {
        // A modal dialog blocks every other window: the guide then opens as its child, usable
        // beside it, and goes back to being a window of its own afterwards.
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == this) modal = nullptr;
        if (parentWidget() != modal) setParent(modal, windowFlags());
        setWindowTitle(titreAide());
        m_retour->setToolTip(Traduit("Page précédente", "Back", "Página anterior"));
        m_avance->setToolTip(Traduit("Page suivante", "Forward", "Página siguiente"));
        m_sommaire->setToolTip(Traduit("Sommaire", "Contents", "Índice"));
        show();
        raise();
        activateWindow();
        const QString section = QString("contexte-%1").arg(contexte);
        m_texte->setSource(QUrl(aide::page(int(LangueCourante())) + "#" + section));
        m_texte->scrollToAnchor(section);
    }

private:
    QTextBrowser* m_texte;
    QToolButton* m_retour;
    QToolButton* m_avance;
    QToolButton* m_sommaire;
};

// Made on first use; it goes with the modal dialog it was last given to, and is made again then.
QPointer<FenetreAide>& fenetre() {
    static QPointer<FenetreAide> f;
    if (!f) f = new FenetreAide;
    return f;
}

bool dansLAide(const QWidget* w) {
    for (; w; w = w->parentWidget())
        if (w->objectName() == QLatin1String("AIDE VIMRA.HLP")) return true;
    return false;
}

class FiltreF1 : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_F1)
            return QObject::eventFilter(o, e);
        const auto* w = qobject_cast<QWidget*>(o);
        if (!w || dansLAide(w)) return QObject::eventFilter(o, e);
        ouvreAide(contexteAide(w));
        return true;
    }
};

} // namespace

int contexteAide(const QWidget* w) {
    for (; w; w = w->parentWidget()) {
        const QVariant c = w->property(aide::Propriete);
        if (c.isValid()) return c.toInt();
    }
    return aide::MenuPrincipal;
}

void ouvreAide(int contexte) {
    fenetre()->montre(contexte);
}

void installeAide(QApplication& app) {
    app.installEventFilter(new FiltreF1);
}

void ajouteAideAuMenu(QMenu* menu, QWidget* fenetre) {
    auto* entree = new QAction(menu);
    entree->setObjectName("EntreeAide");
    const QList<QAction*> avant = menu->actions();
    menu->insertAction(avant.isEmpty() ? nullptr : avant.first(), entree);
    if (!avant.isEmpty()) menu->insertSeparator(avant.first());
    EntreeTexte(entree, "Aide de Vimra\tF1", "Vimra help\tF1", "Ayuda de Vimra\tF1");
    QObject::connect(entree, &QAction::triggered, fenetre, [fenetre] { ouvreAide(contexteAide(fenetre)); });
}
