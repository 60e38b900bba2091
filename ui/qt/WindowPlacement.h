// The main window's size and place, kept in the settings between runs.
#pragma once

class QWidget;
class TSettings;

// The size and place saved last, kept on a screen and no smaller than the window
// needs; without any, a roomy size centred on the screen.
void RestorePlacement(QWidget& window, const TSettings& settings);
void SavePlacement(const QWidget& window, TSettings& settings);
