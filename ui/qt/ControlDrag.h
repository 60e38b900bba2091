// A control dragged onto another: the drag carries the source control's name,
// and shows its caption under the pointer.
#pragma once

#include <QString>
#include <optional>
#include <string>

class QDrag;
class QDropEvent;
class QWidget;

// A drag of the control drawn by source, not yet started.
QDrag* MakeControlDrag(QWidget& source, const std::string& name, const QString& caption);
// The name of the control a drag or drop brings; none when it brings no control.
std::optional<std::string> DraggedControl(const QDropEvent& event);
