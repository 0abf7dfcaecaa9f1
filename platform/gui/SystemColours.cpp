#include "gui/SystemColours.h"

#include <QApplication>
#include <QPalette>

TSystemColours CurrentSystemColours() {
    const QPalette palette = QApplication::palette();
    TSystemColours colours;
    colours.btnFace = palette.color(QPalette::Button);
    colours.windowText = palette.color(QPalette::WindowText);
    colours.infoBk = palette.color(QPalette::ToolTipBase);
    colours.window = palette.color(QPalette::Window);
    return colours;
}

QColor ColorToQColor(TColor color) {
    return ToQColor(color, CurrentSystemColours());
}
