#pragma once
// The file dialogs the program keeps for the whole run, each with its filter, default extension,
// initial folder and the name last chosen.

#include <QString>

struct DialogueFichier {
    QString filtre;
    QString extension;
    QString dossier;
    QString nomFichier;

    // Runs the dialog through the installed dialogues; the chosen path, empty when cancelled.
    QString ouvre();
    QString enregistre();
};

struct DialoguesFichiers {
    DialogueFichier OpenDialogMachine{"Fichier Vimra|*.MLX2|Fichier Application|*.Vimr2", "MLX2", {}, {}};
    DialogueFichier SaveDialogMachine{"Fichier Vimra|*.MLX2", "MLX2", {}, {}};
    DialogueFichier SaveDialogAppli{"Fichier Application|*.Vimr2", "Vimr2", {}, {}};
    DialogueFichier SaveDialogApplication{"Application industrielle *.APPLI|*.APPLI", "APPLI", {}, {}};
    DialogueFichier OpenDialogApplication{"Application industrielle *.APPLI|*.APPLI", "APPLI", {}, {}};

    // The five dialogs open in the work folder of the current language.
    void fixeDossier(const QString& dossier);
};

DialoguesFichiers& dialoguesFichiers();

// What "Exporter…" writes: the values of every test or of the selected one (CSV), a workbook with
// the values and the charts, or the graphs as a picture, a drawing or a document.
enum class TypeExport { CsvTous, CsvEssai, Xlsx, Png, Svg, Pdf };
// The export dialog's filters in the current language, in the order of TypeExport.
QString FiltreExport();
// The kind of an export: the one the typed extension names (CSV keeps the chosen filter's test
// choice), else the chosen filter's, whose extension is then added to the name.
TypeExport TypeDExport(QString& chemin, int filtre);
