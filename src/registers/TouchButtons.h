#pragma once
// The touch buttons on screen: one finger-sized button per group, product, kit or
// complement, its picture above its caption (Arial 7), laid out row by row over the
// width of its scroll area.

#include <QString>
#include <vector>

class QScrollArea;
class QToolButton;
class QWidget;

// A button with its caption and, when the picture file is given, the picture
// above the caption; it takes no keyboard focus.
QToolButton* makeTouchButton(QWidget* parent, const QString& caption, const QString& picture);

// Places the buttons in rows over the area's width, width x height each with one
// pixel between them, and sizes the area's content to hold them all.
void layTouchButtons(QScrollArea* area, const std::vector<QToolButton*>& buttons, int width, int height);
