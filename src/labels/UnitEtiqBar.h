#pragma once
// The label sheet (BarcodeLabels): one band per row of labels, its height and the
// columns' lefts from the sheet's geometry; on each printed label the company
// (20 characters), the product's name, its code and price, and its barcode
// (161 x 17 pixels) under them, at the column's left.
#include "labels/BarcodeLabels.h"
#include "reports/PageReport.h"

class TFormEtiqBar {
public:
    TFormEtiqBar(const LabelOptions& options, const LabelGeometry& geometry);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& rows) const;

private:
    report::Definition m_def;
};
