#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>
#include <optional>

#include "platform/Settings.h"
#include "ui/qt/WindowPlacement.h"

namespace {

const char* const Key = "\\Software\\Vellumora\\Window";

void Save(TSettings& settings, const QRect& place)
{
    settings.WriteInteger(Key, "Left", place.left());
    settings.WriteInteger(Key, "Top", place.top());
    settings.WriteInteger(Key, "Width", place.width());
    settings.WriteInteger(Key, "Height", place.height());
}

} // namespace

TEST(WindowPlacement, TheWindowComesBackWhereItWasButAlwaysOnTheScreenAndWhole)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const auto centred = [&screen](QSize size) {
        QRect place(QPoint(0, 0), size.boundedTo(screen.size()));
        place.moveCenter(screen.center());
        return place;
    };
    struct TCase {
        const char* What;
        std::optional<QRect> Saved;
        QRect Expected;
    };
    const TCase Cases[] = {
        {"nothing saved: roomy, within the screen, centred", std::nullopt, centred(QSize(960, 680))},
        {"saved on the screen", QRect(100, 50, 500, 400), QRect(100, 50, 500, 400)},
        {"saved on a screen that is gone", QRect(5000, 5000, 500, 400), centred(QSize(500, 400))},
        {"saved larger than the screen", QRect(-40, -40, 5000, 5000), screen},
        {"saved smaller than the window can be", QRect(10, 10, 50, 50), QRect(10, 10, 300, 200)},
        {"saved hanging over the edge", QRect(screen.right() - 300, 100, 500, 400),
         QRect(screen.right() + 1 - 500, 100, 500, 400)},
    };
    for (const TCase& test : Cases) {
        TSettings settings;
        if (test.Saved)
            Save(settings, *test.Saved);
        QWidget window;
        window.setMinimumSize(300, 200);
        RestorePlacement(window, settings);
        EXPECT_EQ(QRect(window.pos(), window.size()), test.Expected) << test.What;
    }
}

TEST(WindowPlacement, WhatIsSavedIsRestored)
{
    TSettings settings;
    QWidget window;
    window.setMinimumSize(300, 200);
    window.resize(420, 330);
    window.move(60, 70);
    SavePlacement(window, settings);
    QWidget again;
    again.setMinimumSize(300, 200);
    RestorePlacement(again, settings);
    EXPECT_EQ(QRect(again.pos(), again.size()), QRect(60, 70, 420, 330));
    EXPECT_FALSE(again.isMaximized());
}
