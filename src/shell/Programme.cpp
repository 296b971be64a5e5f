#include "Programme.h"

#include "FormMachine2.h"
#include "application/ChoixMachine.h"
#include "application/ConfigurationApplication.h"
#include "application/FormApplication.h"
#include "application/FormKorlan.h"
#include "application/VisualisationPDF.h"
#include "commun/AboutBox.h"
#include "commun/AideCablage.h"
#include "commun/Avertissements.h"
#include "commun/Fenetres.h"
#include "link/FormCom.h"
#include "link/FormVisualisation.h"
#include "study/FormCalibreCourant.h"
#include "study/FormChoixCaract.h"
#include "study/FormTraceCaract.h"
#include "study/FormTrierPoints.h"
#include "study/FormVisuApp.h"
#include "study/NouvelCaract.h"
#include "work/SessionTravail.h"

#include <memory>

Travail& travail() {
    static const std::unique_ptr<Travail> t = std::make_unique<Travail>();
    return *t;
}

SessionTravail& sessionTravail() {
    static SessionTravail s;
    return s;
}

Fenetres& fenetres() {
    static Fenetres f;
    return f;
}

Programme::Programme(Liaison& liaison, Travail& travail, SessionTravail& session) {
    Fenetres& f = fenetres();
    f = Fenetres{};
    f.FormMachine2 = new TFormMachine2(liaison, travail, session, f);
    f.ordre.push_back("FormMachine2");
    QWidget* menu = f.FormMachine2;
    f.MenuPrincipal = menu;
    const auto vide = [&f, menu](QWidget*& place, const char* nom) {
        place = new FenetreVide(nom, menu);
        f.ordre.push_back(nom);
    };
    f.FormTraceCaract = new TFormTraceCaract(liaison, travail, session, f);
    f.ordre.push_back("FormTraceCaract");
    f.NouvelCaract = new TNouvelCaract(travail, session, menu);
    f.ordre.push_back("NouvelCaract");
    f.FormVisualisation = new TFormVisualisation(liaison, travail, session, menu);
    f.ordre.push_back("FormVisualisation");
    f.FormChoixCaract = new TFormChoixCaract(travail, session, f, menu);
    f.ordre.push_back("FormChoixCaract");
    f.FormVisualisation->FenetreChoix = f.FormChoixCaract;
    f.FormTrierPoints = new TFormTrierPoints(travail, session, menu);
    f.ordre.push_back("FormTrierPoints");
    f.FormCalibreCourant = new TFormCalibreCourant(travail, session, menu);
    f.ordre.push_back("FormCalibreCourant");
    f.FormVisuApp = new TFormVisuApp;
    f.ordre.push_back("FormVisuApp");
    f.AboutBox = new TAboutBox(menu);
    f.ordre.push_back("AboutBox");
    f.Avertissements = new TAvertissements(menu);
    f.ordre.push_back("Avertissements");
    f.FormKorlan = new TFormKorlan(travail, f, menu);
    f.ordre.push_back("FormKorlan");
    f.FormApplication = new TFormApplication(liaison, travail, session, f);
    f.ordre.push_back("FormApplication");
    f.ChoixMachine = new TChoixMachine(travail, session, *f.FormKorlan, *f.FormApplication, menu);
    f.ordre.push_back("ChoixMachine");
    f.ConfigurationApplication = new TConfigurationApplication(
        travail, session, [&f]() -> TFenetreDocument* { return f.FormVisualisationPDF; }, menu);
    f.ordre.push_back("ConfigurationApplication");
    vide(f.FormTest, "FormTest");
    f.FormVisualisationPDF =
        new TFormVisualisationPDF(travail, *f.ConfigurationApplication, *f.FormApplication);
    f.ordre.push_back("FormVisualisationPDF");
    f.FormAideCablage = new TFormAideCablage(travail, session);
    f.ordre.push_back("FormAideCablage");
    f.FormCom = new TFormCom(liaison, travail, session, menu);
    f.ordre.push_back("FormCom");
}

Programme::~Programme() {
    Fenetres& f = fenetres();
    for (QWidget* w : std::initializer_list<QWidget*>{
             f.FormCom, static_cast<QWidget*>(f.FormAideCablage),
             static_cast<QWidget*>(f.FormVisualisationPDF), f.FormTest, f.ConfigurationApplication,
             f.ChoixMachine, static_cast<QWidget*>(f.FormApplication), static_cast<QWidget*>(f.FormKorlan),
             static_cast<QWidget*>(f.Avertissements), static_cast<QWidget*>(f.AboutBox), f.FormVisuApp,
             f.FormCalibreCourant, f.FormTrierPoints, static_cast<QWidget*>(f.FormChoixCaract),
             f.FormVisualisation, f.NouvelCaract, f.FormTraceCaract})
        delete w;
    delete f.FormMachine2;
    f = Fenetres{};
}
