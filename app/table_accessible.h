#pragma once

class QWidget;

// The table as assistive technology sees it: a canvas named "Card table" whose description is
// what the picture shows, in words (render/table_words.h). Installed once, before the table
// widget is made, since Qt keeps the first interface it makes for a widget.
void installTableAccessibility();

// Tells assistive technology that the table's words changed, when one is listening and they
// did. The window calls it after each change it puts on the screen.
void announceTableChange(QWidget& table);
