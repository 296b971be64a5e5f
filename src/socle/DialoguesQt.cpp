#include "DialoguesQt.h"

#include "Textes.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>

namespace {

// The program's title, over its message and question boxes.
const QString TITRE_MESSAGES = QStringLiteral("Vimra_2");

QWidget* parent() {
    return QApplication::activeWindow();
}

// Yes, No, Cancel in the language of the texts in force.
std::array<QString, 3> boutons() {
    if (Textes() == TextesConstants(Langue::Anglais)) return {"Yes", "No", "Cancel"};
    if (Textes() == TextesConstants(Langue::Espagnol)) return {QString::fromUtf8("Sí"), "No", "Anular"};
    return {"Oui", "Non", "Annuler"};
}

} // namespace

QString filtreQt(const QString& filtre) {
    const QStringList p = filtre.split(u'|');
    QStringList f;
    for (int i = 0; i + 1 < p.size(); i += 2)
        f << p[i] + " (" + QString(p[i + 1]).replace(u';', u' ') + ")";
    return f.join(";;");
}

void DialoguesQt::avertissement(const QString& texte) {
    QMessageBox b(QMessageBox::Warning, TITRE_MESSAGES, texte, QMessageBox::Ok, parent());
    b.exec();
}

Dialogues::Reponse DialoguesQt::question(const QString& texte, bool avecAnnuler) {
    QMessageBox b(QMessageBox::Question, TITRE_MESSAGES, texte, QMessageBox::NoButton, parent());
    const auto t = boutons();
    QPushButton* oui = b.addButton(t[0], QMessageBox::YesRole);
    QPushButton* non = b.addButton(t[1], QMessageBox::NoRole);
    QPushButton* annuler = avecAnnuler ? b.addButton(t[2], QMessageBox::RejectRole) : nullptr;
    b.setDefaultButton(oui);
    b.setEscapeButton(annuler ? annuler : non);
    b.exec();
    if (b.clickedButton() == oui) return Reponse::Oui;
    if (b.clickedButton() == non || !annuler) return Reponse::Non;
    return Reponse::Annuler;
}

namespace {

// Qt's own dialog rather than the desktop's, so that it speaks the program's language. It opens in
// `dossier` with an empty name field; a name typed alone is taken in that folder.
QString fichierChoisi(QFileDialog::AcceptMode mode, const QString& filtre, const QString& dossier,
                      const QString& nomPropose) {
    QFileDialog d(parent(), QString(), dossier, filtreQt(filtre));
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        d.setFileMode(QFileDialog::ExistingFile);
    else // the first extension of the filter, as the program's save dialogs have it
        d.setDefaultSuffix(filtre.section(u'|', 1, 1).section(u'.', 1));
    if (!nomPropose.isEmpty()) d.selectFile(nomPropose);
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first()
                                                                         : QString();
}

} // namespace

QString DialoguesQt::ouvrirFichier(const QString& filtre, const QString& dossier) {
    return fichierChoisi(QFileDialog::AcceptOpen, filtre, dossier, QString());
}

QString DialoguesQt::enregistrerFichier(const QString& filtre, const QString& dossier,
                                        const QString& nomPropose) {
    return fichierChoisi(QFileDialog::AcceptSave, filtre, dossier, nomPropose);
}

QString DialoguesQt::exporterFichier(const QString& filtre, const QString& dossier, int& filtreChoisi) {
    QFileDialog d(parent(), Traduit("Exporter", "Export", "Exportar"), dossier, filtreQt(filtre));
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filtres = filtreQt(filtre).split(";;");
    // A name typed without an extension takes the one of the filter in force.
    const auto suffixe = [&d, &filtres](const QString& f) {
        d.setDefaultSuffix(f.section(u'.', -1).section(u')', 0, 0));
    };
    suffixe(filtres.value(0));
    QObject::connect(&d, &QFileDialog::filterSelected, &d, suffixe);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    filtreChoisi = int(filtres.indexOf(d.selectedNameFilter()));
    return d.selectedFiles().first();
}

bool DialoguesQt::imprimer(QPrinter& imprimante) {
    QPrintDialog d(&imprimante, parent());
    return d.exec() == QDialog::Accepted;
}

bool DialoguesQt::configurerImprimante(QPrinter& imprimante) {
    QPageSetupDialog d(&imprimante, parent());
    return d.exec() == QDialog::Accepted;
}
