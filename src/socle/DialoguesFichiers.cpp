#include "DialoguesFichiers.h"

#include "Dialogues.h"
#include "Textes.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>

QString DialogueFichier::ouvre() {
    const QString f = dialogues().ouvrirFichier(filtre, dossier);
    if (!f.isEmpty()) nomFichier = f;
    return f;
}

QString DialogueFichier::enregistre() {
    const QString f = dialogues().enregistrerFichier(filtre, dossier, nomFichier);
    if (!f.isEmpty()) nomFichier = f;
    return f;
}

void DialoguesFichiers::fixeDossier(const QString& dossier) {
    for (DialogueFichier* d : {&OpenDialogMachine, &SaveDialogMachine, &SaveDialogAppli,
                               &SaveDialogApplication, &OpenDialogApplication})
        d->dossier = dossier;
}

QString FiltreExport() {
    return QStringList{
        Traduit("Valeurs de tous les essais (CSV)", "Values of every test (CSV)",
                "Valores de todas las pruebas (CSV)") +
            "|*.csv",
        Traduit("Valeurs de l'essai sélectionné (CSV)", "Values of the selected test (CSV)",
                "Valores de la prueba seleccionada (CSV)") +
            "|*.csv",
        Traduit("Classeur Excel avec ses graphiques", "Excel workbook with its charts",
                "Libro de Excel con sus gráficos") +
            "|*.xlsx",
        Traduit("Graphiques en image PNG (300 dpi)", "Graphs as a PNG picture (300 dpi)",
                "Gráficos en imagen PNG (300 ppp)") +
            "|*.png",
        Traduit("Graphiques en dessin SVG", "Graphs as an SVG drawing", "Gráficos en dibujo SVG") + "|*.svg",
        Traduit("Graphiques en document PDF", "Graphs as a PDF document", "Gráficos en documento PDF") +
            "|*.pdf",
    }
        .join(u'|');
}

TypeExport TypeDExport(QString& chemin, int filtre) {
    static constexpr const char* extensions[] = {"csv", "csv", "xlsx", "png", "svg", "pdf"};
    filtre = std::clamp(filtre, 0, 5);
    const QString extension = QFileInfo(chemin).suffix().toLower();
    if (extension == "csv") return filtre == 1 ? TypeExport::CsvEssai : TypeExport::CsvTous;
    for (int i = 2; i < 6; ++i)
        if (extension == QLatin1String(extensions[i])) return TypeExport(i);
    chemin += u'.' + QLatin1String(extensions[filtre]);
    return TypeExport(filtre);
}

DialoguesFichiers& dialoguesFichiers() {
    static DialoguesFichiers d;
    return d;
}
