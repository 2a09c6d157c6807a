#pragma once
// "Reorganiza todos os Arquivos": empties the chosen groups of tables.
#include "registers/DataReset.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormLimpa; }
class QLineEdit;
class TLogon;

class TFormLimpa : public QDialog {
    Q_OBJECT
public:
    explicit TFormLimpa(TLogon& logon, QWidget* parent = nullptr);
    ~TFormLimpa() override;

    QLineEdit* groupField(int group) const;   // 0 products .. 4 cash control
    bool confirmEnabled() const;

public slots:
    void leaveField(int group);
    bool confirmReset();   // "Confirmar"

private:
    std::unique_ptr<::Ui::TFormLimpa> ui;
    TLogon& m_logon;
    std::array<QLineEdit*, dataReset::kGroups> m_fields{};
};
