#pragma once
// The two kinds of report window the sales and cash-shift reports share, each a
// window of its own (TFormX with its .ui) that hands its fields over once and
// says what its report is:
//
//   ShiftListingDialog  a range of cash shifts with its picker buttons and "Mini
//                       Impressora" / "Normal Papel A4"; the window closes after
//                       printing
//   PeriodReportDialog  a period typed dd/mm/yy, preset to the first of the month
//                       and today; the window closes after printing or stays open
//
// A field that cannot be read shows its message and a failing database or printer
// the standard error box; the window then stays open for another try.
#include <QDialog>

class QAbstractButton;
class QLineEdit;
class TLogon;

class ShiftListingDialog : public QDialog {
    Q_OBJECT
public:
    void setRange(const QString& first, const QString& last);
    QString firstShift() const;
    QString lastShift() const;
    void choosePageReport(bool a4);   // "Normal Papel A4", else "Mini Impressora"

public slots:
    void print();   // "Imprimir"

protected:
    struct Fields {
        QLineEdit* first = nullptr;
        QAbstractButton* pickFirst = nullptr;
        QLineEdit* last = nullptr;
        QAbstractButton* pickLast = nullptr;
        QAbstractButton* roll = nullptr;
        QAbstractButton* page = nullptr;
        QAbstractButton* print = nullptr;
        QAbstractButton* back = nullptr;
    };
    ShiftListingDialog(TLogon& logon, QWidget* parent);
    void wire(const Fields& fields);
    // The listing of the shifts as typed: on the roll (previewed) or on a page.
    virtual void report(const QString& first, const QString& last, bool page) = 0;

    TLogon& m_logon;

private:
    Fields m_fields;
};

class PeriodReportDialog : public QDialog {
    Q_OBJECT
public:
    void setPeriod(const QString& first, const QString& last);
    QString firstDay() const;
    QString lastDay() const;

public slots:
    void print();   // "&Imprimir"

protected:
    struct Fields {
        QLineEdit* first = nullptr;
        QLineEdit* last = nullptr;
        QAbstractButton* print = nullptr;
        QAbstractButton* back = nullptr;
    };
    PeriodReportDialog(TLogon& logon, QWidget* parent, bool closesAfter);
    void wire(const Fields& fields);
    // The report of the period as typed.
    virtual void report(const QString& first, const QString& last) = 0;

    TLogon& m_logon;

private:
    Fields m_fields;
    bool m_closesAfter;
};
