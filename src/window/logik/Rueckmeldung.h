#pragma once
// What an editing command may ask of the typewriter window, in the order it asks. The window
// implements it; tests implement it with a recorder and check the exact sequence.

#include <QString>

class Rueckmeldung {
  public:
    virtual ~Rueckmeldung() = default;

    // Play sound 1 to 14 (the sound rules decide whether anything is heard).
    virtual void SoundAbspielen(int n) = 0;
    // A plain message box with OK.
    virtual void Nachricht(const QString& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool Frage(const QString& text) = 0;

    // Ask for the delayed redraw: layout, paper, characters and carriage picture, once per event.
    virtual void zeichne_mit_timer() = 0;
    // Paint the empty paper now.
    virtual void zeichnen() = 0;
    // Draw all characters of the current page now.
    virtual void buchstaben_zeichnen() = 0;
    // Draw the characters of one cell of the current page now (line within the page, column):
    // what a full drawing would show there, at the cost of a few cells.
    virtual void zelle_zeichnen(int zeile, int spalte) = 0;
    // Show the carriage picture for the selected ribbon and style.
    virtual void bildzeichnen() = 0;
    // Clamp the cursor to the page and move the carriage marker to its column.
    virtual void bewegeschlitten() = 0;
    // Rewrite the status fields whose refresh flags are set.
    virtual void UpdateStatusPanel() = 0;
    // Take an interim save of the document under the command's label ("Zeile loeschen", ...);
    // only asked for when the document has a file name.
    virtual void Zwischenspeichern(const QString& grund) = 0;
};
