#pragma once
// What the captures of the windows and those of the user guide share: the studies they show and
// the application run on the simulated bench.

#include <QString>

#include <memory>

class Liaison;
class TBancSimule;
class TFormApplication;
class TFormTraceCaract;
class TFormVisualisation;

// The template of a study on `typeMachine` with load `typeCharge`, as the choice screen leaves it.
void etude(int typeMachine, int typeCharge);
// A study of an asynchronous machine under "T = K": two tests along the motor's curve.
void travailExemple();
// Thirty seconds of a cyclic load recorded against time.
void travailOscillo();
// The plot window on that recording, in its oscilloscope mode.
void montreOscillo(TFormTraceCaract& f);
// The live values of a synchronous machine on the largest bench, K at 45%, and back.
TFormVisualisation& montreVisualisation(Liaison& liaison);
void fermeVisualisation(Liaison& liaison);
// Application `code` on `machine`, its load run for a few seconds on the simulated bench (nullptr
// when the bench cannot start), and back.
std::unique_ptr<TBancSimule> lanceApplicationSimulee(TFormApplication& f, Liaison& liaison, int code,
                                                     int machine);
void arreteApplicationSimulee(TFormApplication& f, Liaison& liaison);

// The pictures of the user guide, in the three languages, into `dossier`.
bool imagesAide(const QString& dossier, Liaison& liaison);
