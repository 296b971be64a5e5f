#include "LibelleElide.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

LibelleElide::LibelleElide(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QRect LibelleElide::zoneTexte() const {
    return contentsRect().adjusted(margin(), margin(), -margin(), -margin());
}

bool LibelleElide::elide() const {
    return fontMetrics().horizontalAdvance(text()) > zoneTexte().width();
}

void LibelleElide::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    const QRect r = zoneTexte();
    style()->drawItemText(&p, r, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), fontMetrics().elidedText(text(), Qt::ElideRight, r.width()),
                          foregroundRole());
}

bool LibelleElide::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (elide())
            QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(e);
}
