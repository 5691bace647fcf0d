#include "Theme.h"

#include <CTwSystemServices.h>

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace
{

QPalette darkPalette()
{
    const QColor window(0x2d, 0x2f, 0x33);
    const QColor base(0x1f, 0x21, 0x24);
    const QColor text(0xe6, 0xe6, 0xe6);
    const QColor disabledText(0x7f, 0x82, 0x87);
    const QColor highlight(0x3d, 0x8e, 0xd6);

    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, QColor(0x3a, 0x3d, 0x42));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabledText);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x38, 0x3b, 0x40));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(0xff, 0x6b, 0x6b));
    palette.setColor(QPalette::Light, QColor(0x4a, 0x4d, 0x52));
    palette.setColor(QPalette::Midlight, QColor(0x40, 0x43, 0x48));
    palette.setColor(QPalette::Mid, QColor(0x26, 0x28, 0x2b));
    palette.setColor(QPalette::Dark, QColor(0x18, 0x19, 0x1b));
    palette.setColor(QPalette::Shadow, QColor(0x0c, 0x0c, 0x0d));
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x6c, 0xb4, 0xf0));
    palette.setColor(QPalette::LinkVisited, QColor(0xb0, 0x8c, 0xe8));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x4a, 0x4d, 0x52));
    return palette;
}

} // namespace

bool isDarkTheme(int colorTheme)
{
    return colorTheme >= kTwFirstDarkTheme;
}

void applyTheme(QApplication& app, int colorTheme)
{
    // Fusion draws from the palette alone, so both themes look the same on
    // every platform.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(fusion);
    app.setPalette(isDarkTheme(colorTheme) ? darkPalette() : app.style()->standardPalette());
}
