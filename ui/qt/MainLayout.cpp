#include "ui/qt/MainLayout.h"

#include <cmath>

#include "app/MainForm.h"
#include "ui_JournalTab.h"
#include "ui_MainTab.h"
#include "ui_MapTab.h"
#include "ui_MemberTab.h"

namespace {

// The member tab is designed once; "_SLOT" in its names stands for the slot.
void DesignMemberTab(QWidget& page, int slot)
{
    Ui::MemberTab().setupUi(&page);
    const QString number = QString::number(slot);
    for (QObject* child : page.findChildren<QObject*>())
        child->setObjectName(child->objectName().replace(QStringLiteral("_SLOT"), number));
}

// A length of the design at the window's scale; "no limit" stays so.
int Scaled(int length, double scale)
{
    return length >= QWIDGETSIZE_MAX ? length : static_cast<int>(std::lround(length * scale));
}

QSize Scaled(const QSize& size, double scale)
{
    return QSize(Scaled(size.width(), scale), Scaled(size.height(), scale));
}

// The design's fixed sizes and places shrink with the window's writing.
void ScaleDesign(QWidget& page, double scale)
{
    for (QWidget* child : page.findChildren<QWidget*>()) {
        child->setMinimumSize(Scaled(child->minimumSize(), scale));
        child->setMaximumSize(Scaled(child->maximumSize(), scale));
        const QWidget* parent = child->parentWidget();
        if (parent && !parent->layout()) {
            const QRect place = child->geometry();
            child->setGeometry(QRect(QPoint(Scaled(place.x(), scale), Scaled(place.y(), scale)),
                                     Scaled(place.size(), scale)));
        }
    }
}

void DesignPage(const std::string& name, QWidget& page)
{
    if (name == "TabSheet1") {
        Ui::MainTab().setupUi(&page);
        return;
    }
    if (name == "MapTab") {
        Ui::MapTab().setupUi(&page);
        return;
    }
    if (name == "DiaryTab") {
        Ui::JournalTab().setupUi(&page);
        return;
    }
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (name == "TabSheet" + std::to_string(slot + 1))
            DesignMemberTab(page, slot);
}

} // namespace

double MainWindowScale(int screenWidth)
{
    return screenWidth == 640 ? 0.75 : 1.0;
}

void DesignMainPage(const std::string& name, QWidget& page, double scale)
{
    DesignPage(name, page);
    if (scale != 1.0)
        ScaleDesign(page, scale);
}
