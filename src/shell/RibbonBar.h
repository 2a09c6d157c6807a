#pragma once
// A ribbon: tabs of groups of large buttons, each a picture with its caption
// under it. When a tab's buttons are wider than the window, its row scrolls
// sideways: arrows at both ends (held down, they keep going), the mouse wheel,
// and the keyboard focus bring every button into view. Any screen from 1024
// pixels wide shows the whole ribbon this way.

#include "shell/RibbonPictures.h"

#include <QTabWidget>
#include <QToolButton>
#include <memory>
#include <vector>

class QHBoxLayout;
class QScrollArea;

class RibbonBar : public QTabWidget {
    Q_OBJECT
public:
    explicit RibbonBar(QWidget* parent = nullptr);

    // Adds a button at the end of the tab's group, making the tab and the group
    // when they are new. The caption is the button's accessible name as given.
    QToolButton* addButton(const QString& tab, const QString& group, const QString& caption,
                           ribbon::Picture picture);

    // The buttons of a tab, in order.
    std::vector<QToolButton*> buttons(int tab) const;
    QToolButton* scrollBackButton(int tab) const;
    QToolButton* scrollOnButton(int tab) const;

    // Scrolls the button's row so that the whole button shows.
    void bringIntoView(QToolButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QWidget* page = nullptr;
        QScrollArea* area = nullptr;
        QWidget* content = nullptr;
        QHBoxLayout* groups = nullptr;
        QToolButton* back = nullptr;
        QToolButton* on = nullptr;
        QString lastGroup;
        QHBoxLayout* lastGroupButtons = nullptr;
        std::vector<QToolButton*> buttons;
    };
    Row& row(const QString& tab);
    void updateArrows(Row& r);
    void scrollBy(Row& r, int direction);
    Row* rowOf(QObject* o);

    std::vector<std::unique_ptr<Row>> m_rows;
};
