// Every document delivered beside the program opens and renders with the system's own PDF tools,
// not only with the viewer the program embeds.
#include "Processus.h"

#include <QDir>
#include <QDirIterator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(DocumentsLivres, OpenWithPdfinfoAndRenderWithPdftoppm) {
    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    ASSERT_FALSE(pdfinfo.isEmpty()) << "poppler-utils is one of the project's packages";
    ASSERT_FALSE(pdftoppm.isEmpty());
    QTemporaryDir sortie;
    int documents = 0;
    QDirIterator it(VIMRA_DONNEES, {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString fichier = it.next();
        SCOPED_TRACE(fichier.toStdString());
        const Sortie info = lance(pdfinfo, {fichier});
        EXPECT_EQ(info.code, 0) << info.err.constData();
        EXPECT_TRUE(info.out.contains("Pages:"));
        const QString prefixe = QDir(sortie.path()).filePath(QString::number(documents));
        const Sortie rendu = lance(pdftoppm, {"-r", "12", "-png", "-f", "1", "-l", "1", fichier, prefixe});
        EXPECT_EQ(rendu.code, 0) << rendu.err.constData();
        EXPECT_FALSE(QDir(sortie.path()).entryList({QString::number(documents) + "*.png"}).isEmpty());
        ++documents;
    }
    // Eight sheets (the two ventilations share one) and seven diagrams, in each of three languages.
    EXPECT_EQ(documents, 3 * 8 + 3 * 7);
}

} // namespace
