#include "Aide.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

class FenetreAide : public QDialog {
public:
    FenetreAide() {
        setObjectName("AIDE VIMRA.HLP");
        setWindowTitle(QStringLiteral("Aide de Vimra"));
        resize(640, 560);
        auto* l = new QVBoxLayout(this);
        m_texte = new QTextBrowser(this);
        m_texte->setOpenLinks(true);
        m_texte->setSource(QUrl("qrc:/aide/aide.html"));
        l->addWidget(m_texte);
    }
    void montre(int contexte) {
        m_texte->setSource(QUrl(QString("qrc:/aide/aide.html#contexte-%1").arg(contexte)));
        m_texte->scrollToAnchor(QString("contexte-%1").arg(contexte));
        show();
        raise();
        activateWindow();
    }

private:
    QTextBrowser* m_texte;
};

FenetreAide& fenetre() {
    static FenetreAide* f = new FenetreAide;
    return *f;
}

class FiltreF1 : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1) {
            for (auto* w = qobject_cast<QWidget*>(o); w; w = w->parentWidget()) {
                const QVariant c = w->property("contexteAide");
                if (c.isValid()) {
                    ouvreAide(c.toInt());
                    return true;
                }
            }
            ouvreAide(1);
            return true;
        }
        return QObject::eventFilter(o, e);
    }
};

} // namespace

void ouvreAide(int contexte) {
    fenetre().montre(contexte);
}

void installeAide(QApplication& app) {
    app.installEventFilter(new FiltreF1);
}
