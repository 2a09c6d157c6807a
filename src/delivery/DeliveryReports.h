#pragma once
// The delivery reports without their windows. Both write nothing.
//
// The commission of a delivery man (TFormEntCom): every sale over a range of cash
// shifts whose DELYENTREGA holds his key (DELICAD.ID, as delivery invoicing writes
// it), with its delivery fee (DELYTAXA), and the fees' total.
//
// The delivery sales of one cash shift (TFormVenDiaDely): every sale with a
// delivery man (DELYENTREGA above 0) or flagged DELIVERY "S", its value and fee,
// "SUB-TOTAL", "VALOR ENTREGAS" and "TOTAL".
//
// Each as roll text (fonte.INI line 0) or as a page report (TFormEntComQ,
// TFormVenDiaQuiDely). The roll goes to the preview ("Visualizar") or, for
// "Imprimir", through the conference printer's slot with neither control byte nor
// drawer trailer.
#include "core/Decimal.h"
#include "db/RowSet.h"
#include "platform/Printout.h"
#include "registers/ReportChoices.h"

#include <QDate>
#include <QString>
#include <vector>

class TLogon;

// A shift as the delivery reports' lists show it: "000123 - 14/03/26".
QString shiftText(const choices::Shift& shift);

struct DeliveryManChoice {
    qint64 id = 0;          // DELICAD.ID: the key the commission report selects by
    qint64 codigo = 0;
    QString nome;
};

struct CommissionRow {
    qint64 codigo = 0;      // FATURA.DELYENTREGA
    qint64 nota = 0;
    QDate data;
    int caixa = 0;
    Decimal valor;          // FATURA.DELYTAXA
};

struct DeliverySaleRow {
    qint64 nota = 0;
    QDate data;
    QString cliente;
    Decimal valor, taxa;
    QString entregador;     // the first 15 characters of the DELICAD name whose CODIGO is DELYENTREGA
};

// The company lines the rolls print (the single EMPRESA row).
struct RollCompany {
    QString name, address, city, state;
};

class DeliveryReports {
public:
    explicit DeliveryReports(TLogon& logon) : m_logon(logon) {}

    // The window lists: the delivery men by name; the last 100 cash shifts, newest first.
    std::vector<DeliveryManChoice> deliveryMen();
    std::vector<choices::Shift> lastShifts();
    RollCompany company();
    // The date of a cash shift (null when it has no CONTDATA row).
    QDate shiftDate(int caixa);

    // The selections; DbError when the database refuses.
    std::vector<CommissionRow> commission(qint64 manId, int firstShift, int lastShift);
    std::vector<DeliverySaleRow> sales(int caixa);

    static Printout commissionRoll(const RollCompany& company, const QString& manName,
                                   const std::vector<CommissionRow>& rows, int fontSize);
    static Printout salesRoll(const RollCompany& company, int caixa, const QDate& shiftDate,
                              const std::vector<DeliverySaleRow>& rows, int fontSize);

    // The roll: the preview ("Visualizar"), or ("Imprimir") the conference
    // printer's slot with neither control byte nor drawer trailer. Throws what the
    // route throws (a port or printer that cannot be opened).
    static void sendRoll(const Printout& roll, bool print);

    // The rows of the page reports (columns the reports name).
    static RowSet commissionRows(const std::vector<CommissionRow>& rows);   // Codigo, Nota, data, Caixa, Valor
    static RowSet salesRows(const std::vector<DeliverySaleRow>& rows);      // NOTA, DATA, CLIENTE, VALOR, TAXA, ENTREGADOR

private:
    TLogon& m_logon;
};
