#pragma once
// What the previews showed in a test: each roll text shown in TFormVisao, and each
// page report shown in TFormVisaoRelatorio, read back from its PDF with pdftotext
// (page by page, blanks folded, empty lines left out).
#include "ReportReading.h"
#include "ScriptedDialogs.h"
#include "printing/UnitVisao.h"
#include "reports/ReportRenderer.h"
#include "reports/UnitVisaoRelatorio.h"

#include <QTemporaryDir>
#include <vector>

struct PreviewCapture {
    std::vector<QStringList> rolls;
    std::vector<std::vector<QStringList>> reports;

    explicit PreviewCapture(ScriptedDialogs& d)
    {
        d.onWindow(QStringLiteral("TFormVisao"), [this](QDialog& w) {
            rolls.push_back(static_cast<TFormVisao&>(w).lines());
            return int(QDialog::Accepted);
        });
        d.onWindow(QStringLiteral("TFormVisaoRelatorio"), [this](QDialog& w) {
            const QString pdf = m_dir.filePath(QStringLiteral("relatorio%1.pdf").arg(reports.size()));
            EXPECT_TRUE(writeBytes(pdf, report::pdfDocument(static_cast<TFormVisaoRelatorio&>(w).layout())));
            reports.push_back(pdfPagesText(pdf));
            return int(QDialog::Accepted);
        });
    }
    // Every line of the last report shown, its pages one after the other.
    QStringList lastReport() const
    {
        QStringList all;
        if (!reports.empty())
            for (const QStringList& page : reports.back())
                all << page;
        return all;
    }

private:
    QTemporaryDir m_dir;
};
