#pragma once
// "Fechamento Movimento do Caixa": the cash movement report of a cash number and
// a station, defaulting to the open shift (the last one, once the day's shift is
// closed) and this station; a number no shift had is refused with a message. A lock flag other
// than "S" and "N" (Vavoz.INI line 2 from the main window; the authorising
// user's supervisor flag from the sales screen) keeps the window on the open shift.
#include "cashoffice/CashMovementReport.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormFecha; }
class TLogon;

class TFormFecha : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString lockFlag READ lockFlag WRITE setLockFlag)
public:
    explicit TFormFecha(TLogon& logon, QWidget* parent = nullptr);
    ~TFormFecha() override;

    QString lockFlag() const { return m_lockFlag; }
    void setLockFlag(const QString& flag);
    bool cashLocked() const;

    QString cashText() const;
    QString terminalText() const;
    void setCashText(const QString& text);
    void setTerminalText(const QString& text);
    void setOptions(const CashMovementOptions& options, bool forcePreview);
    bool printEnabled() const;

public slots:
    void pickShift();
    void print();   // "Imprimir"

private:
    std::unique_ptr<::Ui::TFormFecha> ui;
    TLogon& m_logon;
    QString m_lockFlag;
};
