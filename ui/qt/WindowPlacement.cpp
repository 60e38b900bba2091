#include "ui/qt/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/Settings.h"

namespace {

const char* const PlacementKey = "\\Software\\Vellumora\\Window";
constexpr QSize RoomySize(960, 680);

// A screen's free area holding point, else the primary screen's.
QRect ScreenAreaAt(const QPoint& point)
{
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), RoomySize);
}

} // namespace

void RestorePlacement(QWidget& window, const TSettings& settings)
{
    const bool saved = settings.ValueExists(PlacementKey, "Width") && settings.ValueExists(PlacementKey, "Height");
    QRect place(settings.ReadInteger(PlacementKey, "Left", 0), settings.ReadInteger(PlacementKey, "Top", 0),
                settings.ReadInteger(PlacementKey, "Width", RoomySize.width()),
                settings.ReadInteger(PlacementKey, "Height", RoomySize.height()));
    // A screen unplugged since, or a hand-edited file, must not lose the window.
    const QRect area = ScreenAreaAt(saved ? place.center() : QPoint());
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
    place.setSize(place.size().boundedTo(area.size()).expandedTo(least));
    if (!saved || !area.contains(place.center()))
        place.moveCenter(area.center());
    place.moveLeft(std::clamp(place.left(), area.left(), std::max(area.left(), area.right() + 1 - place.width())));
    place.moveTop(std::clamp(place.top(), area.top(), std::max(area.top(), area.bottom() + 1 - place.height())));
    window.resize(place.size());
    window.move(place.topLeft());
    if (settings.ReadBool(PlacementKey, "Maximized", false))
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void SavePlacement(const QWidget& window, TSettings& settings)
{
    const bool maximized = window.isMaximized();
    const QRect place = maximized ? window.normalGeometry() : QRect(window.pos(), window.size());
    settings.CreateKey(PlacementKey);
    settings.WriteInteger(PlacementKey, "Left", place.left());
    settings.WriteInteger(PlacementKey, "Top", place.top());
    settings.WriteInteger(PlacementKey, "Width", place.width());
    settings.WriteInteger(PlacementKey, "Height", place.height());
    settings.WriteBool(PlacementKey, "Maximized", maximized);
}
