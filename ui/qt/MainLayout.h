// The main window's layout: its tab pages laid out from their designs.
#pragma once

#include <string>

class QWidget;

// 75 % on a screen exactly 640 pixels wide, else 100 %.
double MainWindowScale(int screenWidth);

// Lays out a tab page of the main window from its design: the main tab, a
// member tab (named for its slot), the map or the journal, at the window's scale.
void DesignMainPage(const std::string& name, QWidget& page, double scale);
