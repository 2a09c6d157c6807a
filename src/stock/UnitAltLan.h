#pragma once
// "Altera Lançamento": chooses a product and a period and opens the list of its
// ledger rows (TFormAltLan2).
#include <QDialog>
#include <memory>

namespace Ui { class TFormAltLan; }
class QLineEdit;
class TLogon;

class TFormAltLan : public QDialog {
    Q_OBJECT
public:
    explicit TFormAltLan(TLogon& logon, QWidget* parent = nullptr);
    ~TFormAltLan() override;

    // "code", "name", "from", "to".
    QLineEdit* field(const QString& role) const;

public slots:
    bool codeLeft();      // leaving "Codigo Produto"
    void lookUp();        // "&Localizar"
    bool confirm();       // "&Confirma": opens the rows of the period

private:
    std::unique_ptr<::Ui::TFormAltLan> ui;
    TLogon& m_logon;
};
