#pragma once
// The program's help, "AIDE VIMRA.HLP": one page per help context, shown in a browser window.
// F1 in any window opens it at the context of that window (property "contexteAide").

class QApplication;

void ouvreAide(int contexte);
void installeAide(QApplication& app);
