#pragma once
// The export of a paid bill to the outside ERP (GDOOR): one sales document (DAV)
// in the ERP's own Firebird database, in DAVS, DAVS_CLIENTE and one DAVS_ITENS row
// per item, numbered by the ERP's generator GEN_DAVSID.
//
// The bill is closed in the local database and exported to the ERP as one whole:
// either both databases get it or neither does. The closing runs the export from
// inside its own action, after its last local row and right before that action
// returns, in two moves:
//
//   OutsideErpExport erp;                     // one per closing window (LoginGdoor)
//   bill.items = OutsideErpExport::tabItems(*Logon, tab);   // before the tab's rows go
//   const bool exporting = OutsideErpExport::applies(*Logon, bill);
//   if (exporting)
//       OutsideErpExport::checkItems(bill);   // may refuse before anything is written
//   const Closing done = Logon->action([&] {
//       ... every local row of the closing ...
//       if (!exporting)
//           return Closing{receipt, 0};
//       ErpDocument dav = erp.exportBill(*Logon, bill);   // checks, opens the ERP: nothing written yet
//       return Closing{receipt, dav.commit()};            // the document, committed: the last thing done
//   });                                                    // the local commit
//   erp.closingCommitted(done.dav);                        // "  DAV N.0010"
//   (on an exception: erp.tellFailure(e): the message window or the error box)
//
// exportBill() checks every item and opens the ERP database; commit() creates
// GERAID there when it is missing (DDL, a short transaction of its own), then
// writes the whole document in one transaction of the ERP connection and commits
// it. A throw anywhere before commit() leaves the ERP as it was; a throw inside
// commit() rolls the document back, and the local action rolls back after it.
// Only a failure of the local commit itself, in the moment after the ERP commit,
// can leave a document behind: the error then names it (errorText), and closing
// the same tab with the same items again through the same object uses that
// document instead of writing a second one. A document number drawn from
// GEN_DAVSID by a closing that did not go through is used up, like the sale number.

#include "core/ActionRefused.h"
#include "core/Decimal.h"
#include "db/UnitLogon.h"

#include <QString>
#include <optional>
#include <stdexcept>
#include <vector>

// One item of the tab, as the closing read it (MESA, in ID order).
struct ErpBillItem {
    QString code;        // MESA.CODIGO: a product code (digits); "*…" is a kit, "/…" a multi-flavour item
    Decimal quantity;
    Decimal unitPrice;
    bool operator==(const ErpBillItem&) const = default;
};

// One payment of the bill: the payment method's code (FORMAPAGA.CD) and the amount.
struct ErpBillPayment {
    int methodCode = 0;
    Decimal amount;
    bool operator==(const ErpBillPayment&) const = default;
};

// What the closing hands to the export. The document the ERP receives holds the
// items only: its customer row carries just the document id, its discount is 0;
// the customer and the totals come along so that one bill is one value.
struct ErpBill {
    QString tab;                      // the tab number
    QString customerCode;             // K of the closing
    QString customerName;
    Decimal amountDue;                // what the bill came to
    std::vector<ErpBillItem> items;
    std::vector<ErpBillPayment> payments;
    bool operator==(const ErpBill&) const = default;
};

// The closing refused by the export with a message of its own (message window,
// "ATENÇÃO"), not a database error.
class ErpExportRefused : public ActionRefused {
public:
    using ActionRefused::ActionRefused;
};

// The messages of the export, in one place.
namespace erpText {
inline const QString productNotInDav = QStringLiteral("  produto não cadastro no DAV...   ");
// "  DAV N." + the document number with mask "0000".
QString davNumber(qint64 dav);
// No ERP database file at either place.
QString noDatabase(const QString& slimPath, const QString& proPath);
// Added to an error that came after the document was committed in the ERP.
QString documentLeft(qint64 dav);
} // namespace erpText

class OutsideErpExport;

// A document ready to be written: what exportBill() gives. Nothing is written in
// the ERP until commit(); dropping it writes nothing.
class ErpDocument {
public:
    ErpDocument(ErpDocument&&) = default;
    ErpDocument& operator=(ErpDocument&&) = delete;
    ErpDocument(const ErpDocument&) = delete;

    // Creates GERAID in the ERP when it is missing (its own short transaction),
    // writes the document in one transaction of the ERP connection, commits it and
    // gives its number. The closing calls it last inside its own action. Throws
    // ErpExportRefused ("  produto não cadastro no DAV...   ") when the ERP refuses
    // an item, DbError for anything else; the ERP keeps nothing of it then.
    qint64 commit();

private:
    friend class OutsideErpExport;
    ErpDocument(OutsideErpExport& owner, TLogon& local, ErpBill bill)
        : m_owner(&owner), m_local(&local), m_bill(std::move(bill)) {}
    OutsideErpExport* m_owner;
    TLogon* m_local;
    ErpBill m_bill;
};

class OutsideErpExport {
public:
    // The ERP's database, as the stations name it; "Slim" wins when both exist.
    static constexpr const char16_t* kSlimDatabase = u"C:\\GDOOR Sistemas\\GDOOR Slim\\DATAGES.FDB";
    static constexpr const char16_t* kProDatabase = u"C:\\GDOOR Sistemas\\GDOOR PRO\\DATAGES.FDB";

    OutsideErpExport();
    ~OutsideErpExport();
    OutsideErpExport(const OutsideErpExport&) = delete;
    OutsideErpExport& operator=(const OutsideErpExport&) = delete;

    // Whether the closing exports this bill: the link is on (estacao.ini line 1
    // "SIM") and a payment whose amount does not read "0,00" was taken with a
    // payment method flagged for export (FORMAPAGA.DAV "S").
    static bool linkOn();
    static bool applies(TLogon& local, const ErpBill& bill);

    // Every item must be a product the ERP knows by an integer code: a kit, a
    // multi-flavour item or any code that is not an integer refuses the closing
    // (ErpExportRefused, "  produto não cadastro no DAV...   ").
    static void checkItems(const ErpBill& bill);

    // The tab's items in ID order, as the export writes them.
    static std::vector<ErpBillItem> tabItems(TLogon& local, const QString& tab);

    // The database file of the ERP: the "Slim" one when it exists, else the "PRO"
    // one when it exists; empty when neither does.
    static QString databaseFile();
    // Attaches a connection of the caller's own to that file (LoginGdoor: the
    // export's and the product import's), with the station's lock wait. Throws
    // DbError with erpText::noDatabase when neither file exists, and with the
    // file's name and the database's answer when the attachment is refused.
    static void openDatabase(TLogon& erp);

    // Called by the closing inside its own action (local.inAction()), after every
    // local row. Checks every item, opens the ERP database (a missing file or a
    // refused login throws DbError with the message for the standard error box)
    // and gives the document to commit last. Writes nothing in the ERP.
    ErpDocument exportBill(TLogon& local, const ErpBill& bill);

    // A document this object committed in the ERP whose closing has not been
    // reported as committed (closingCommitted); nullopt when none. Closing the same
    // tab with the same items again through this object gives this document
    // instead of a new one.
    std::optional<qint64> pendingDocument() const { return m_pending; }

    // The closing's local action committed: the document is settled, and the
    // message window shows "  DAV N.0010" (nothing when no document, dav 0).
    void closingCommitted(qint64 dav);

    // The error text of a closing that failed: the error's own text and, when the
    // ERP already holds the document, the sentence that names it.
    QString errorText(const QString& error) const;
    // A failed closing: its message window for a refusal, the standard error box
    // (naming a document left in the ERP) for anything else.
    void tellFailure(const std::exception& error) const;

    // The ERP connection (LoginGdoor), for the tests.
    TLogon& connection() { return m_erp; }

private:
    friend class ErpDocument;
    void prepareGeraId();
    qint64 writeDocument(const ErpBill& bill);

    TLogon m_erp;                          // LoginGdoor
    std::optional<qint64> m_pending;       // committed in the ERP, local commit not confirmed
    std::optional<ErpBill> m_pendingBill;  // the bill of that document
};
