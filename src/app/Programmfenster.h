#pragma once
// The program's windows, made once in their order and tied together: the assistant first (its
// creation finds the folders, reads the settings and makes the standard template), then the
// typewriter window and the small save dialog. The assistant is the main window: only closing
// it ends the run; the typewriter window and the dialog come and go.

#include "assistant/TAssistent.h"
#include "storage/dialoge/TSpeicherdialog_klein.h"
#include "window/TTastrolix.h"

struct Programmfenster {
    TAssistent Assistent;
    TTastrolix Tastrolix;
    TSpeicherdialog_klein Speicherdialog_klein;

    Programmfenster(Zustand& z, Soundausgabe& ton, const Ordnerquellen& quellen);
};
