// The main window's layout: where each of its controls sits, and the captions the
// window draws beside the member tabs' values. In pixels of the unscaled window.
#pragma once

#include <QRect>
#include <QString>
#include <optional>
#include <string>
#include <vector>

constexpr int MainClientWidth = 790;
constexpr int MainClientHeight = 526;

// 75 % on a screen exactly 640 pixels wide, else 100 %.
double MainWindowScale(int screenWidth);

// A control's place in its container; nullopt for one that stacks in it (the
// choice labels) or that the window places itself (the page control, menus).
std::optional<QRect> MainPlace(const std::string& name);

struct TDecoration {
    // The member tab's control it sits in; empty for the tab itself.
    std::string Parent;
    QString Text;
    QRect Place;
};
// One slot's captions (1..6).
std::vector<TDecoration> MemberDecorations(int slot);
