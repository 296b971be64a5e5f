#pragma once
// Menu entries that keep the text they show in the current language, and menu bars turned off
// whole.

class QAction;
class QMenuBar;

// Menu entries that follow the language: `a` keeps the number of its text in the text table, or
// its three translations, and takes its text at once.
QAction* EntreeTexte(QAction* a, int texte);
QAction* EntreeTexte(QAction* a, const char* francais, const char* anglais, const char* espagnol);
// Gives every entry of the bar made by EntreeTexte its text in the current language, and each title of
// the bar its Alt key.
void LangueMenus(QMenuBar* barre);
// Every command of the bar on or off, its keyboard shortcut with it: a recording that runs leaves
// no way to open, save or print under it.
void ActiveMenus(QMenuBar* barre, bool actif);
