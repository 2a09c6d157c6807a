#include "registers/TouchButtons.h"

#include <QIcon>
#include <QScrollArea>
#include <QToolButton>

QToolButton* makeTouchButton(QWidget* parent, const QString& caption, const QString& picture)
{
    auto* b = new QToolButton(parent);
    b->setText(caption);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolButtonStyle(picture.isEmpty() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextUnderIcon);
    if (!picture.isEmpty()) {
        b->setIcon(QIcon(picture));
        b->setIconSize(QSize(40, 40));
    }
    b->setStyleSheet(QStringLiteral("QToolButton { font: 7pt 'Arial'; padding: 0px; }"));
    b->show();
    return b;
}

void layTouchButtons(QScrollArea* area, const std::vector<QToolButton*>& buttons, int width, int height)
{
    const int pitchX = width + 1, pitchY = height + 1;
    const int columns = std::max(1, area->viewport()->width() / pitchX);
    for (int n = 0; n < int(buttons.size()); ++n)
        buttons[size_t(n)]->setGeometry((n % columns) * pitchX, (n / columns) * pitchY, width, height);
    const int rows = (int(buttons.size()) + columns - 1) / columns;
    area->widget()->resize(columns * pitchX, std::max(1, rows * pitchY));
}
