#include "JournalEspion.h"

void JournalEspion::ajoute(int32_t adresse, int32_t mot) {
    if (int(m_entrees.size()) < capacite) {
        m_entrees.emplace_back(adresse, mot);
    } else {
        m_entrees[m_debut] = {adresse, mot};
        m_debut = (m_debut + 1) % capacite;
    }
}

std::pair<int32_t, int32_t> JournalEspion::entree(int i) const {
    return m_entrees[(m_debut + i - 1) % m_entrees.size()];
}

QString TexteEspion(const JournalEspion& journal) {
    QString s;
    s.reserve(journal.count() * 40);
    for (int i = 1; i <= journal.count(); ++i) {
        const auto [a, b] = journal.entree(i);
        s += QString::number(a) + u'\t' + QString::number(b);
        for (int groupe = 3; groupe >= 0; --groupe)
            s += u'\t' + QString::number((uint32_t(b) >> (4 * groupe)) & 0xF, 2).rightJustified(4, u'0');
        s += QStringLiteral("\r\n");
    }
    return s;
}
