#include "shell/RibbonBar.h"

#include <algorithm>

#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

constexpr int kPictureSize = 32;
// A caption wider than this on two lines goes on three.
constexpr int kWidestLine = 120;
// Room beside a caption line (border and padding of the style), and the narrowest button.
constexpr int kCaptionFrame = 20;
constexpr int kNarrowest = 72;

int widest(const QStringList& lines, const QFontMetrics& fm)
{
    int w = 0;
    for (const QString& l : lines)
        w = std::max(w, fm.horizontalAdvance(l));
    return w;
}

// The caption on as few lines as read well under a picture: one word stays on
// one line; more words go on two lines, or three when two would be too wide,
// split where the widest line is narrowest. Words are never cut.
QString captionLines(const QString& caption, const QFontMetrics& fm)
{
    const QStringList words = caption.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() <= 1)
        return words.join(QString());
    auto join = [&](int from, int to) { return words.mid(from, to - from).join(QLatin1Char(' ')); };
    const int n = int(words.size());
    QStringList best;
    for (int a = 1; a < n; ++a) {
        const QStringList two{join(0, a), join(a, n)};
        if (best.isEmpty() || widest(two, fm) < widest(best, fm))
            best = two;
    }
    if (widest(best, fm) > kWidestLine && n >= 3) {
        QStringList three;
        for (int a = 1; a < n - 1; ++a)
            for (int b = a + 1; b < n; ++b) {
                const QStringList c{join(0, a), join(a, b), join(b, n)};
                if (three.isEmpty() || widest(c, fm) < widest(three, fm))
                    three = c;
            }
        if (widest(three, fm) < widest(best, fm))
            best = three;
    }
    return best.join(QLatin1Char('\n'));
}

// A large button: picture above, caption under it, as wide as its caption needs.
class RibbonButton : public QToolButton {
public:
    RibbonButton(const QString& caption, const QIcon& picture, QWidget* parent)
        : QToolButton(parent)
        , m_caption(caption)
    {
        setObjectName(QStringLiteral("ribbonButton"));
        setAccessibleName(caption);
        setToolTip(caption);
        setIcon(picture);
        setIconSize(QSize(kPictureSize, kPictureSize));
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        setText(captionLines(m_caption, fontMetrics()));
    }

    // As wide as the widest caption line and its frame; the style's own measure
    // does not count the lines of a caption under a picture.
    QSize sizeHint() const override
    {
        const QSize base = QToolButton::sizeHint();
        int line = 0;
        for (const QString& l : text().split(QLatin1Char('\n')))
            line = std::max(line, fontMetrics().horizontalAdvance(l));
        return QSize(std::max({base.width(), line + kCaptionFrame, kNarrowest}), base.height());
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent* e) override
    {
        if (e->type() == QEvent::FontChange)
            setText(captionLines(m_caption, fontMetrics()));
        QToolButton::changeEvent(e);
    }

private:
    QString m_caption;
};

// The scrolling row: as tall as its buttons, as narrow as the window wants.
class RowArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override { return QSize(0, contentHeight()); }
    QSize minimumSizeHint() const override { return QSize(0, contentHeight()); }

private:
    int contentHeight() const
    {
        const int frame = 2 * frameWidth();
        return (widget() ? widget()->sizeHint().height() : 0) + frame;
    }
};

QToolButton* arrow(const QString& glyph, const QString& name, const QString& tip, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(glyph);
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    b->hide();
    return b;
}

} // namespace

RibbonBar::RibbonBar(QWidget* parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("ribbonTabs"));
    setDocumentMode(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

RibbonBar::Row& RibbonBar::row(const QString& tab)
{
    for (auto& r : m_rows)
        if (tabText(indexOf(r->page)) == tab)
            return *r;

    auto r = std::make_unique<Row>();
    Row* raw = r.get();
    r->page = new QWidget;
    r->page->setObjectName(QStringLiteral("ribbonPage"));
    auto* line = new QHBoxLayout(r->page);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(0);
    r->back = arrow(QStringLiteral("\u25C0"), QStringLiteral("ribbonScrollBack"), QStringLiteral("Anteriores"), r->page);
    r->on = arrow(QStringLiteral("\u25B6"), QStringLiteral("ribbonScrollOn"), QStringLiteral("Seguintes"), r->page);
    r->area = new RowArea(r->page);
    r->area->setObjectName(QStringLiteral("ribbonRow"));
    r->area->setFrameShape(QFrame::NoFrame);
    r->area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    r->area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    r->area->setWidgetResizable(true);
    r->content = new QWidget;
    r->content->setObjectName(QStringLiteral("ribbonContent"));
    r->groups = new QHBoxLayout(r->content);
    r->groups->setContentsMargins(4, 4, 4, 4);
    r->groups->setSpacing(4);
    r->groups->addStretch(1);
    r->area->setWidget(r->content);
    line->addWidget(r->back);
    line->addWidget(r->area, 1);
    line->addWidget(r->on);

    QScrollBar* bar = r->area->horizontalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, [this, raw] { updateArrows(*raw); });
    connect(bar, &QScrollBar::rangeChanged, this, [this, raw] { updateArrows(*raw); });
    connect(r->back, &QToolButton::clicked, this, [this, raw] { scrollBy(*raw, -1); });
    connect(r->on, &QToolButton::clicked, this, [this, raw] { scrollBy(*raw, +1); });
    r->page->installEventFilter(this);
    r->content->installEventFilter(this);
    r->area->viewport()->installEventFilter(this);

    addTab(r->page, tab);
    m_rows.push_back(std::move(r));
    return *raw;
}

QToolButton* RibbonBar::addButton(const QString& tab, const QString& group, const QString& caption,
                                  ribbon::Picture picture)
{
    Row& r = row(tab);
    if (!r.lastGroupButtons || r.lastGroup != group) {
        auto* box = new QGroupBox(group, r.content);
        box->setObjectName(QStringLiteral("ribbonGroup"));
        r.lastGroupButtons = new QHBoxLayout(box);
        r.lastGroupButtons->setSpacing(2);
        r.lastGroupButtons->setContentsMargins(2, 2, 2, 2);
        r.groups->insertWidget(r.groups->count() - 1, box);   // before the closing stretch
        r.lastGroup = group;
    }
    auto* button = new RibbonButton(caption, ribbon::icon(picture), r.content);
    r.lastGroupButtons->addWidget(button);
    r.buttons.push_back(button);
    return button;
}

std::vector<QToolButton*> RibbonBar::buttons(int tab) const
{
    for (const auto& r : m_rows)
        if (indexOf(r->page) == tab)
            return r->buttons;
    return {};
}

QToolButton* RibbonBar::scrollBackButton(int tab) const
{
    for (const auto& r : m_rows)
        if (indexOf(r->page) == tab)
            return r->back;
    return nullptr;
}

QToolButton* RibbonBar::scrollOnButton(int tab) const
{
    for (const auto& r : m_rows)
        if (indexOf(r->page) == tab)
            return r->on;
    return nullptr;
}

void RibbonBar::bringIntoView(QToolButton* button)
{
    for (auto& r : m_rows) {
        if (std::find(r->buttons.begin(), r->buttons.end(), button) == r->buttons.end())
            continue;
        setCurrentWidget(r->page);
        r->area->ensureWidgetVisible(button, 4, 0);
        return;
    }
}

RibbonBar::Row* RibbonBar::rowOf(QObject* o)
{
    for (auto& r : m_rows)
        if (o == r->page || o == r->content || o == r->area->viewport())
            return r.get();
    return nullptr;
}

bool RibbonBar::eventFilter(QObject* watched, QEvent* event)
{
    Row* r = rowOf(watched);
    if (!r)
        return QTabWidget::eventFilter(watched, event);
    if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest
        || event->type() == QEvent::Show) {
        // The row's height follows its buttons: the scroll area does not tell its
        // own layout when the content it holds grows.
        if (watched == r->content && event->type() == QEvent::LayoutRequest)
            r->area->updateGeometry();
        updateArrows(*r);
    } else if (event->type() == QEvent::Wheel && watched == r->area->viewport()) {
        // The row has no vertical room: either wheel direction moves it sideways.
        const QPoint delta = static_cast<QWheelEvent*>(event)->angleDelta();
        const int steps = delta.y() != 0 ? delta.y() : delta.x();
        QScrollBar* bar = r->area->horizontalScrollBar();
        bar->setValue(bar->value() - steps * bar->singleStep() / 40);
        return true;
    }
    return QTabWidget::eventFilter(watched, event);
}

void RibbonBar::updateArrows(Row& r)
{
    // Arrows only when the buttons do not fit the whole width of the tab.
    const bool needed = r.content->minimumSizeHint().width() > r.page->width();
    if (r.back->isHidden() == needed) {
        r.back->setVisible(needed);
        r.on->setVisible(needed);
    }
    const QScrollBar* bar = r.area->horizontalScrollBar();
    r.back->setEnabled(bar->value() > bar->minimum());
    r.on->setEnabled(bar->value() < bar->maximum());
}

void RibbonBar::scrollBy(Row& r, int direction)
{
    // Half a row at a time: a button never jumps from cut on one side to cut on
    // the other.
    QScrollBar* bar = r.area->horizontalScrollBar();
    const int step = std::max(1, r.area->viewport()->width() / 2);
    bar->setValue(bar->value() + direction * step);
}
