#pragma once
// What the whole application needs before any window exists: German texts for Qt's own
// dialogs, substitutes for the type faces a document names, and the mouse wheel as cursor keys.

class QApplication;

void Anwendung_einrichten(QApplication& app);

// Maps each of the program's named type faces (and the interface font) that is not installed
// to a free face that looks like it.
void Schriften_ersetzen();
