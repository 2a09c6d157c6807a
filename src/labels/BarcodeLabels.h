#pragma once
// Sheets of self-adhesive product labels (Pimaco 6089, 16,93 x 44,45 mm), four
// across: on each label the company name, the product's name, its code and price,
// and its barcode (EAN-13 for a valid 13-digit code, Code 39 for any other). The
// sheet's geometry lives in "c:\Miltrex\vavoz\etiqueta1.INI", which the adjustment
// window writes.
#include "db/UnitLogon.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <utility>

namespace labeltext {
inline const QString sheetCaption = QStringLiteral("16,93 x 44,45 mm  pimaco 6089");
inline const QString pixelNote = QStringLiteral("Coordenadas informadas em Pixels");
inline const QString wholeNote = QStringLiteral("Somente informar numeros inteiros");
// The copies choice: "01 de cada", "04 de cada" ... "60 de cada".
QStringList copyChoices();
} // namespace labeltext

// Where the labels print: pixels at 96 per inch, the top margin in millimetres.
struct LabelGeometry {
    int rowHeight = 71;                          // line 0: one row of labels
    std::array<int, 4> left{8, 184, 360, 536};   // lines 1 to 4: each column's left
    int topMargin = 7;                           // line 5, mm
    int unused = 16;                             // line 6
    int fontSize = 7;                            // line 7, points
    bool operator==(const LabelGeometry&) const = default;
};

struct LabelOptions {
    QString firstCode, lastCode;   // the range of product codes (text order)
    QString company;               // its first 20 characters print
    int perRow = 4;                // 1 to 4 labels of the row print
    int copiesChoice = 0;          // position in copyChoices()
    bool withoutPrice = false;
    bool a4 = false;               // else Letter
};

class BarcodeLabels {
public:
    static constexpr const char16_t* kSettingsFile = u"c:\\Miltrex\\vavoz\\etiqueta1.INI";

    // The sheet's geometry: the defaults without a file; with one, each line that
    // is a whole number, and the second set of defaults for a line missing or not one.
    static LabelGeometry geometry();
    // The adjustment window's six fields: "71", "8", "184", "360", "536", "7", each
    // replaced by its line of the file when the file has it.
    static QStringList adjustmentFields();
    // Writes the six fields, trimmed, as lines 0 to 5 (the file is replaced whole).
    static void saveAdjustment(const QStringList& fields);

    // The lowest and highest product code.
    static std::pair<QString, QString> codeRange(TLogon& logon);
    // Labels wanted of each product: 1 for "01 de cada", else the 4, 8 ... 60 the choice names.
    static int copiesOf(int choice);

    // One row per row of labels: INDEX, and for each column k (1 to 4) Codk, Nomk
    // (name cut to 25), Cusk (price "0,00", empty without price). Consecutive
    // products fill a row's printed columns with one copy each; with more copies each
    // product fills rows of its own, the last one only as far as its copies go.
    static RowSet rows(TLogon& logon, const LabelOptions& options);
    // The barcode of a code: EAN-13 when it is 13 digits with a valid check digit,
    // Code 39 of the trimmed code otherwise (null when not even that can be drawn).
    static QImage barcodeOf(const QString& code);
};
