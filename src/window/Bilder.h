#pragma once
// The window's own pictures, drawn in code: carriage, guide bar, tool buttons and the tool
// area's background. Where the desktop's icon theme has a fitting icon it is used instead.

#include <QColor>
#include <QIcon>
#include <QPixmap>

// A carriage picture: a vertical gradient in the ribbon colour, dark at top and bottom and
// white in the middle; the bold one has a broad dark border left and right (25 x 27 pixels).
QPixmap Schlittenbild(const QColor& farbe, bool fett);

// The guide bar: grey through white to grey (18 x 27 pixels, stretched over the bar).
QPixmap Schienenbild();

// The tool area's background, drawn over the given size.
QPixmap Werkzeughintergrund(QSize groesse);

// Pictures of the tool buttons by the button's name; an unknown name gives an empty icon.
QIcon Knopfbild(const QString& knopf);
