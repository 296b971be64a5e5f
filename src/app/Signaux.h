#pragma once
// SIGINT and SIGTERM close the main menu as the user would: the link says goodbye to the drive
// and the settings are saved.

class QWidget;

void fermeSurSignal(QWidget* fenetre);
