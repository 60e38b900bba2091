// Checks on a drawn window that a person would notice: controls off the screen,
// controls on top of each other, captions cut short, and controls a screen
// reader could not name. Each returns what is wrong, one line a fault.
#pragma once

#include <QRect>
#include <set>
#include <string>
#include <vector>

class QWidget;

// The named widgets shown in the window, Qt's own parts left out.
std::vector<QWidget*> ShownWidgets(QWidget& window);

std::vector<std::string> OutsideOf(QWidget& window, const QRect& screen);
// Pairs of shown widgets, neither inside the other, that overlap; pairs named in
// allowed (as "one+other", in either order) may.
std::vector<std::string> Overlapping(QWidget& window, const std::set<std::string>& allowed = {});
std::vector<std::string> CutCaptions(QWidget& window);
// Shown widgets named in controls without an accessible name or description.
std::vector<std::string> Unreadable(QWidget& window, const std::set<std::string>& controls);
