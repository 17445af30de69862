#include "ui/dark_palette.h"

QPalette DarkPalette() {
    const QColor window(0x35, 0x35, 0x35);
    const QColor text(0xE8, 0xE8, 0xE8);
    QPalette p(window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, QColor(0x20, 0x20, 0x20));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x90, 0x90, 0x90));
    p.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Link, QColor(0x5A, 0xA8, 0xF0));
    const QColor disabled(0x80, 0x80, 0x80);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}
