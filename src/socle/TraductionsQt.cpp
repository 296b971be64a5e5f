#include "TraductionsQt.h"

#include "Textes.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <cstdio>

bool TraduitQt(Langue langue) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return true;
    // Kept by the application: a new application (a test's) starts again from English.
    static QPointer<QTranslator> traduction;
    static QPointer<QCoreApplication> pour;
    static Langue enVigueur = Langue::Anglais;
    if (pour != app) {
        pour = app;
        enVigueur = Langue::Anglais;
    }
    if (langue == enVigueur) return true;
    if (traduction) {
        QCoreApplication::removeTranslator(traduction);
        delete traduction;
    }
    enVigueur = langue;
    if (langue == Langue::Anglais) return true;
    auto* t = new QTranslator(app);
    const char* nom = langue == Langue::Espagnol ? "qtbase_es" : "qtbase_fr";
    if (!t->load(nom, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        std::fprintf(stderr, "vimra: Qt's translation %s is missing; Qt's dialogs stay in English\n", nom);
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    traduction = t;
    return true;
}
