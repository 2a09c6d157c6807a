#include "reports/PageReport.h"

#include "core/FormatFloat.h"

#include <QPageLayout>
#include <QRectF>
#include <QSizeF>

#include <algorithm>

namespace report {

namespace {

constexpr double kEpsilon = 1e-6;

Item make(Item::Kind kind, double x, double y, double width, double height)
{
    Item i;
    i.kind = kind;
    i.x = x;
    i.y = y;
    i.width = width;
    i.height = height;
    return i;
}

bool isDecimal(const QVariant& v)
{
    return v.typeId() == qMetaTypeId<Decimal>();
}

// Two group keys are one group when they print alike: null, text, whole number
// or exact number.
bool sameKey(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    if (isDecimal(a) || isDecimal(b))
        return decimalOf(a) == decimalOf(b);
    if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
        return a.toString() == b.toString();
    return a == b;
}

Decimal addable(const QVariant& v)
{
    // Exact numbers and whole numbers add; texts, dates and nulls add nothing.
    if (isDecimal(v))
        return v.value<Decimal>();
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::Short:
        return Decimal(qint64(v.toLongLong()));
    default:
        return Decimal();
    }
}

QString withoutGrouping(const QString& mask)
{
    QString m = mask;
    m.remove(QLatin1Char(','));
    return m;
}

} // namespace

// ---- Items ------------------------------------------------------------------

Item label(double x, double y, double width, double height, const QString& text)
{
    Item i = make(Item::Kind::Label, x, y, width, height);
    i.text = text;
    return i;
}

Item field(double x, double y, double width, double height, const QString& column)
{
    Item i = make(Item::Kind::Field, x, y, width, height);
    i.column = column;
    return i;
}

Item sum(double x, double y, double width, double height, const QString& column)
{
    Item i = make(Item::Kind::Sum, x, y, width, height);
    i.column = column;
    return i;
}

Item computed(double x, double y, double width, double height,
              std::function<QString(const BandContext&)> compute)
{
    Item i = make(Item::Kind::Computed, x, y, width, height);
    i.compute = std::move(compute);
    return i;
}

Item pageNumber(double x, double y, double width, double height, const QString& prefix)
{
    Item i = make(Item::Kind::PageNumber, x, y, width, height);
    i.text = prefix;
    return i;
}

Item rule(double x, double y, double width)
{
    return make(Item::Kind::Rule, x, y, width, 0.3);
}

Item picture(double x, double y, double width, double height, std::function<QImage(const BandContext&)> draw)
{
    Item i = make(Item::Kind::Picture, x, y, width, height);
    i.draw = std::move(draw);
    return i;
}

QString formatValue(const QVariant& value, const QString& numberMask, const QString& dateFormat,
                    bool forSpreadsheet)
{
    if (value.isNull() || !value.isValid())
        return QString();
    const QString mask = forSpreadsheet ? withoutGrouping(numberMask) : numberMask;
    if (isDecimal(value))
        return FormatFloat(mask, value.value<Decimal>());
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::Short:
        return mask.isEmpty() ? QString::number(value.toLongLong())
                              : FormatFloat(mask, Decimal(qint64(value.toLongLong())));
    case QMetaType::QDate:
        return value.toDate().toString(dateFormat);
    case QMetaType::QDateTime:
        return value.toDateTime().toString(dateFormat.contains(QLatin1Char('h'))
                                               ? dateFormat
                                               : dateFormat + QStringLiteral(" hh:mm"));
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("hh:mm"));
    default:
        return value.toString();
    }
}

// ---- Definition ---------------------------------------------------------------

QPageLayout Definition::pageLayout() const
{
    return QPageLayout(QPageSize(paper), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(marginLeft, marginTop, marginRight, marginBottom), QPageLayout::Millimeter);
}

QSizeF Definition::bodySize() const
{
    return pageLayout().paintRect(QPageLayout::Millimeter).size();
}

// ---- Band context -----------------------------------------------------------

BandContext::BandContext(const Layout& layout, int placedIndex)
    : m_layout(layout)
    , m_placed(placedIndex)
    , m_row(placedIndex >= 0 ? layout.placed(placedIndex).row : -1)
{
}

QVariant BandContext::value(QStringView column) const
{
    if (m_row < 0)
        return QVariant();
    const int c = m_layout.rowColumn(column);
    return c < 0 ? QVariant() : m_layout.rows().row(m_row).at(c);
}

Decimal BandContext::sum(QStringView column) const
{
    const int snapshot = m_placed >= 0 ? m_layout.placed(m_placed).sums : -1;
    return snapshot < 0 ? Decimal() : m_layout.sumOf(snapshot, column);
}

int BandContext::page() const
{
    return m_layout.pageOfPlaced(m_placed) + 1;
}

int BandContext::pages() const
{
    return m_layout.pageCount();
}

// ---- Layout -------------------------------------------------------------------

Layout::Layout(const Definition& def, const RowSet& rows)
    : m_def(def)
    , m_rows(rows)
{
    build();
}

int Layout::rowColumn(QStringView column) const
{
    return m_rows.columnIndex(column);
}

int Layout::sumSlot(QStringView column) const
{
    for (int i = 0; i < m_sumColumns.size(); ++i)
        if (m_sumColumns.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Decimal Layout::sumOf(int snapshot, QStringView column) const
{
    const int slot = sumSlot(column);
    if (slot < 0 || snapshot < 0 || snapshot >= int(m_snapshots.size()))
        return Decimal();
    return m_snapshots[size_t(snapshot)][size_t(slot)];
}

const Band& Layout::band(const Placed& p) const
{
    switch (p.kind) {
    case BandKind::PageHeader: return m_def.pageHeader;
    case BandKind::ColumnHeader: return m_def.columnHeader;
    case BandKind::GroupHeader: return m_def.groups.at(size_t(p.group)).header;
    case BandKind::Detail: return m_def.detail;
    case BandKind::GroupFooter: return m_def.groups.at(size_t(p.group)).footer;
    case BandKind::Summary: return m_def.summary;
    case BandKind::PageFooter: return m_def.pageFooter;
    }
    return m_def.detail;
}

int Layout::pageOfRow(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return -1;
    // Rows go to pages in order: the first page whose last row is not before it.
    auto it = std::lower_bound(m_pages.begin(), m_pages.end(), row,
                               [](const Page& p, int r) { return p.lastRow < r; });
    return it != m_pages.end() && it->firstRow >= 0 && it->firstRow <= row ? int(it - m_pages.begin()) : -1;
}

int Layout::pageOfPlaced(int placedIndex) const
{
    // Pages are in order: find the last page starting at or before the band.
    auto it = std::upper_bound(m_pages.begin(), m_pages.end(), placedIndex,
                               [](int index, const Page& p) { return index < p.first; });
    return int(it - m_pages.begin()) - 1;
}

QString Layout::itemText(const Item& item, int placedIndex, bool forSpreadsheet) const
{
    switch (item.kind) {
    case Item::Kind::Label:
        return item.text;
    case Item::Kind::Field: {
        const BandContext ctx(*this, placedIndex);
        return formatValue(ctx.value(item.column), item.numberMask, item.dateFormat, forSpreadsheet);
    }
    case Item::Kind::Sum: {
        const BandContext ctx(*this, placedIndex);
        return formatValue(QVariant::fromValue(ctx.sum(item.column)), item.numberMask, item.dateFormat,
                           forSpreadsheet);
    }
    case Item::Kind::Computed:
        return item.compute ? item.compute(BandContext(*this, placedIndex)) : QString();
    case Item::Kind::PageNumber: {
        const BandContext ctx(*this, placedIndex);
        return item.text + QString::number(ctx.page()) + QStringLiteral(" de ") + QString::number(ctx.pages());
    }
    case Item::Kind::Rule:
    case Item::Kind::Picture:
        return QString();
    }
    return QString();
}

class Layout::Builder {
public:
    explicit Builder(Layout& layout)
        : L(layout), def(layout.m_def), rows(layout.m_rows), levels(int(def.groups.size())),
          bodyHeight(def.bodySize().height()), footerReserve(def.pageFooter.present() ? def.pageFooter.height : 0)
    {
    }

    void run()
    {
        collectSumColumns();
        prepareSums();
        const int n = rows.size();
        startPage();
        if (n == 0 && !def.printWhenEmpty) {
            endPage(true);
            return;
        }
        for (int r = 0; r < n; ++r) {
            const int changed = r > 0 ? closeChangedGroups(r) : 0;
            openGroups(changed, r);
            placeDetail(r);
            addToSums(rows.row(r));
        }
        if (n > 0)
            for (int g = levels - 1; g >= 0; --g)
                closeGroup(g, n - 1);
        placeSummary(n);
        endPage(true);
    }

private:
    // Every column a sum item names, and the ones computed items ask for: computed
    // items may sum any numeric column of the rows.
    void collectSumColumns()
    {
        auto collect = [this](const Band& b) {
            for (const Item& i : b.items)
                if (i.kind == Item::Kind::Sum && L.sumSlot(i.column) < 0)
                    L.m_sumColumns << i.column;
        };
        for (const Group& g : def.groups)
            collect(g.footer);
        collect(def.summary);
        for (const QString& c : rows.columns())
            if (L.sumSlot(c) < 0)
                L.m_sumColumns << c;
        for (const QString& c : L.m_sumColumns)
            L.m_sumRowColumn.push_back(rows.columnIndex(c));
    }

    void prepareSums()
    {
        slotCount = size_t(L.m_sumColumns.size());
        groupSums = std::vector<std::vector<Decimal>>(size_t(levels), std::vector<Decimal>(slotCount));
        total = std::vector<Decimal>(slotCount);
        for (const Group& g : def.groups)
            keyColumn.push_back(rows.columnIndex(g.column));
    }

    void place(BandKind kind, int group, int row, double height, int sums = -1)
    {
        L.m_placed.push_back(Placed{kind, group, row, y, sums});
        y += height;
    }

    void startPage()
    {
        const int nextRow = L.m_pages.empty() ? -1 : L.m_pages.back().lastRow;
        L.m_pages.push_back(Page{int(L.m_placed.size()), 0, -1, nextRow});
        y = 0;
        const bool first = L.m_pages.size() == 1;
        if (def.pageHeader.present() && (def.pageHeaderOn != Where::FirstPage || first))
            place(BandKind::PageHeader, -1, -1, def.pageHeader.height);
        if (def.columnHeader.present())
            place(BandKind::ColumnHeader, -1, -1, def.columnHeader.height);
        bodyStart = y;
    }

    void endPage(bool last)
    {
        if (def.pageFooter.present() && (def.pageFooterOn == Where::EveryPage || last)) {
            y = bodyHeight - def.pageFooter.height;
            place(BandKind::PageFooter, -1, -1, def.pageFooter.height);
        }
        L.m_pages.back().count = int(L.m_placed.size()) - L.m_pages.back().first;
    }

    // A band that does not fit below what the page holds goes to the next page;
    // one taller than an empty page is printed where it is.
    void makeRoom(double height)
    {
        if (y + height > bodyHeight - footerReserve + kEpsilon && y > bodyStart + kEpsilon) {
            endPage(false);
            startPage();
        }
    }

    void closeGroup(int g, int lastRow)
    {
        const Band& footer = def.groups[size_t(g)].footer;
        if (!footer.present())
            return;
        makeRoom(footer.height);
        L.m_snapshots.push_back(groupSums[size_t(g)]);
        place(BandKind::GroupFooter, g, lastRow, footer.height, int(L.m_snapshots.size()) - 1);
    }

    // The outermost group whose key changed from the previous row (levels: none);
    // that group and those inside it are closed.
    int closeChangedGroups(int r)
    {
        const QVariantList& row = rows.row(r);
        const QVariantList& previous = rows.row(r - 1);
        int changed = levels;
        for (int g = 0; g < levels; ++g) {
            const int c = keyColumn[size_t(g)];
            if (c >= 0 && !sameKey(row.at(c), previous.at(c))) {
                changed = g;
                break;
            }
        }
        for (int g = levels - 1; g >= changed; --g)
            closeGroup(g, r - 1);
        return changed;
    }

    // The groups from `from` inwards start again at row r; a group header is kept with its first row.
    void openGroups(int from, int r)
    {
        for (int g = from; g < levels; ++g) {
            std::fill(groupSums[size_t(g)].begin(), groupSums[size_t(g)].end(), Decimal());
            const Band& header = def.groups[size_t(g)].header;
            if (header.present()) {
                makeRoom(header.height + def.detail.height);
                place(BandKind::GroupHeader, g, r, header.height);
            }
        }
    }

    void placeDetail(int r)
    {
        if (def.detail.present()) {
            makeRoom(def.detail.height);
            place(BandKind::Detail, -1, r, def.detail.height);
        }
        Page& current = L.m_pages.back();
        if (current.firstRow < 0)
            current.firstRow = r;
        current.lastRow = r;
    }

    void addToSums(const QVariantList& row)
    {
        for (size_t s = 0; s < slotCount; ++s) {
            const int c = L.m_sumRowColumn[s];
            if (c < 0)
                continue;
            const Decimal v = addable(row.at(c));
            total[s] += v;
            for (int g = 0; g < levels; ++g)
                groupSums[size_t(g)][s] += v;
        }
    }

    void placeSummary(int n)
    {
        if (def.summary.present()) {
            makeRoom(def.summary.height);
            L.m_snapshots.push_back(total);
            place(BandKind::Summary, -1, n > 0 ? n - 1 : -1, def.summary.height, int(L.m_snapshots.size()) - 1);
        }
    }

    Layout& L;
    const Definition& def;
    const RowSet& rows;
    const int levels;
    const double bodyHeight;
    const double footerReserve;
    size_t slotCount = 0;
    std::vector<std::vector<Decimal>> groupSums;
    std::vector<Decimal> total;
    std::vector<int> keyColumn;
    double y = 0;
    double bodyStart = 0;   // where the page's own bands begin, below its headers
};

void Layout::build()
{
    Builder(*this).run();
}

} // namespace report
