#pragma once
// A page report described as data, and its layout on pages.
//
// A report is a few bands (page header, column header, group headers and
// footers, detail, summary, page footer), each a height and the items printed on
// it: labels, fields of the current row, sums, page numbers and rules, placed in
// millimetres from the band's top left corner. The rows come from the database
// as a RowSet (values read with bound parameters) or from a staging table built
// in memory, in the order they are to be printed.
//
//   report::Definition def;
//   def.title = "Relatório de Itens Cancelados";
//   def.pageHeader.height = 20;
//   def.pageHeader.add(report::label(0, 0, 190, 7, "Relatório ...").font(12, true));
//   def.detail.height = 5;
//   def.detail.add(report::field(0, 0, 20, 5, "CAIXA"));
//   def.detail.add(report::field(150, 0, 30, 5, "VALOR").mask("0.00").right());
//   def.summary.add(report::sum(150, 0, 30, 5, "VALOR").mask("#,##0.00").right());
//
// layout() places the bands on pages: the model the renderer paints, the
// exporters write and the tests read (which row went to which page). It holds
// one small entry per placed band and no copy of any value.

#include "db/RowSet.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace report {

enum class Align { Left, Right, Center };

struct Font {
    QString family = QStringLiteral("Arial");
    double size = 9;   // points
    bool bold = false;
};

class Layout;

// What an item's text is computed from while its band is printed.
class BandContext {
public:
    BandContext(const Layout& layout, int placedIndex);
    // The row the band prints (the detail's own row; a group header's first row;
    // a group footer's last row); an invalid QVariant when the band has none.
    QVariant value(QStringView column) const;
    bool hasRow() const { return m_row >= 0; }
    int row() const { return m_row; }
    // The sum of a column over the band's scope: the group for a group footer,
    // every row for the summary, every row printed so far elsewhere.
    Decimal sum(QStringView column) const;
    int page() const;    // 1-based
    int pages() const;

private:
    const Layout& m_layout;
    int m_placed;
    int m_row;
};

struct Item {
    enum class Kind {
        Label,        // fixed text
        Field,        // a column of the row
        Sum,          // the sum of a column over the band's scope
        Computed,     // text from a function of the band's context
        PageNumber,   // "Página n de m" (prefix, n, " de ", m)
        Rule,         // a horizontal line across the item's width, at its top
        Picture,      // a picture from a function of the band's context (a QR code,
                      // a barcode), drawn pixel for pixel into the item's box
    };
    Kind kind = Kind::Label;
    double x = 0, y = 0, width = 0, height = 5;   // mm, from the band's top left
    QString text;          // Label: the text; PageNumber: the prefix ("Página ")
    QString column;        // Field, Sum
    QString numberMask;    // Decimal values: FormatFloat mask ("" prints every digit)
    QString dateFormat = QStringLiteral("dd/MM/yy");
    Align align = Align::Left;
    Font font;             // with fontSet; otherwise the report's font
    bool fontSet = false;
    bool forceBold = false;
    std::function<QString(const BandContext&)> compute;
    std::function<QImage(const BandContext&)> draw;   // Picture
    bool keepAspect = false;   // Picture: as large as fits the box, in its own proportions, at its top left

    // Builders, to describe a report in a line per item.
    Item& mask(const QString& m) { numberMask = m; return *this; }
    Item& right() { align = Align::Right; return *this; }
    Item& center() { align = Align::Center; return *this; }
    Item& bold() { forceBold = true; return *this; }
    Item& withFont(double size, bool isBold = false)
    {
        font.size = size;
        font.bold = isBold;
        fontSet = true;
        return *this;
    }
    // The font the item prints in, given the report's.
    Font fontOf(const Font& reportFont) const
    {
        Font f = fontSet ? font : reportFont;
        f.bold = f.bold || forceBold;
        return f;
    }
    Item& dates(const QString& format) { dateFormat = format; return *this; }
    Item& proportional() { keepAspect = true; return *this; }
};

Item label(double x, double y, double width, double height, const QString& text);
Item field(double x, double y, double width, double height, const QString& column);
Item sum(double x, double y, double width, double height, const QString& column);
Item computed(double x, double y, double width, double height,
              std::function<QString(const BandContext&)> compute);
Item pageNumber(double x, double y, double width, double height,
                const QString& prefix = QStringLiteral("Página "));
Item rule(double x, double y, double width);
// A picture stretched over its box (proportional() keeps its proportions); a null
// picture prints nothing. Its pixels are not smoothed, so codes stay sharp.
Item picture(double x, double y, double width, double height,
             std::function<QImage(const BandContext&)> draw);

struct Band {
    double height = 0;   // mm; a band of height 0 is not printed
    std::vector<Item> items;
    Band& add(Item item) { items.push_back(std::move(item)); return *this; }
    bool present() const { return height > 0; }
};

struct Group {
    QString column;   // a new group starts where this column's value changes
    Band header;
    Band footer;
};

enum class Where { FirstPage, EveryPage, LastPage };

struct Definition {
    QString title;   // the job's and the preview's title
    QPageSize::PageSizeId paper = QPageSize::Letter;
    bool landscape = false;
    double marginLeft = 10, marginTop = 10, marginRight = 10, marginBottom = 10;   // mm
    Font font;       // items without a font of their own

    Band pageHeader;
    Where pageHeaderOn = Where::EveryPage;   // FirstPage or EveryPage
    Band columnHeader;                       // every page
    std::vector<Group> groups;               // outermost first
    Band detail;
    Band summary;                            // once, after the last row
    Band pageFooter;
    Where pageFooterOn = Where::EveryPage;   // LastPage or EveryPage
    bool printWhenEmpty = true;              // headers and summary with no row

    // Printable width and height in mm.
    QSizeF bodySize() const;
    QPageLayout pageLayout() const;
};

enum class BandKind { PageHeader, ColumnHeader, GroupHeader, Detail, GroupFooter, Summary, PageFooter };

struct Placed {
    BandKind kind;
    int group = -1;      // GroupHeader, GroupFooter: the group's index
    int row = -1;        // the row it prints (see BandContext::value)
    double top = 0;      // mm from the top of the printable area
    int sums = -1;       // index of the sum snapshot (group footers, summary)
};

struct Page {
    int first = 0;   // index of the page's first placed band in Layout::placed
    int count = 0;
    int firstRow = -1, lastRow = -1;   // the rows whose detail bands it holds
};

class Layout {
public:
    Layout(const Definition& def, const RowSet& rows);

    const Definition& definition() const { return m_def; }
    const RowSet& rows() const { return m_rows; }
    int pageCount() const { return int(m_pages.size()); }
    const Page& page(int index) const { return m_pages.at(size_t(index)); }
    const Placed& placed(int index) const { return m_placed.at(size_t(index)); }
    int placedCount() const { return int(m_placed.size()); }
    // The page (0-based) of the detail band of a row; -1 when it is not printed.
    int pageOfRow(int row) const;
    // The band an item belongs to.
    const Band& band(const Placed& p) const;
    int pageOfPlaced(int placedIndex) const;

    // The text an item shows on a placed band. forSpreadsheet: numbers without
    // thousands separators (the decimal comma stays).
    QString itemText(const Item& item, int placedIndex, bool forSpreadsheet = false) const;

    // Sum snapshots and their columns (used by BandContext).
    Decimal sumOf(int snapshot, QStringView column) const;
    int rowColumn(QStringView column) const;   // index in rows(), -1 when absent

private:
    class Builder;   // places the bands on pages, row by row
    void build();
    int sumSlot(QStringView column) const;

    const Definition& m_def;
    const RowSet& m_rows;
    std::vector<Placed> m_placed;
    std::vector<Page> m_pages;
    QStringList m_sumColumns;
    std::vector<int> m_sumRowColumn;         // row column of each summed column
    std::vector<std::vector<Decimal>> m_snapshots;
};

// A value as a report prints it: Decimal through the mask (decimal comma,
// thousands point), dates by the format, texts as they are.
QString formatValue(const QVariant& value, const QString& numberMask, const QString& dateFormat,
                    bool forSpreadsheet = false);

} // namespace report
