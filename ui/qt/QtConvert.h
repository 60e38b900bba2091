// Engine values as Qt values: byte strings, colours, fonts, pictures and file filters.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <string>

#include "platform/Font.h"

struct TPicture;

// Stored strings are UTF-8 when they decode as such, Latin-1 otherwise.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

QColor ToQColor(TColor color);
// Point sizes outside 1..200 are brought inside, as a run may carry any number.
// A face of Windows missing here falls back to a face of its kind (serif, fixed).
QFont ToQFont(const TFont& font);
QImage ToQImage(const TPicture& picture);

// "Label|*.ext|Other|*.a;*.b" as "Label (*.ext);;Other (*.a *.b)".
QString ToQtFileFilter(const std::string& filter);
