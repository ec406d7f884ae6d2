#pragma once
// Opens a file with the desktop's program for it and waits until that program ends, while the
// windows stay usable. Shows an error box when the file cannot be opened.

#include <QString>

class QWidget;

void ExecuteProgramm(const QString& pfad, QWidget* eltern = nullptr);
