#include "closing/OutsideErpExport.h"
#include "core/WholeNumber.h"

#include "core/FormatFloat.h"
#include "core/StationSettings.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "platform/Dialogs.h"
#include "platform/StationPaths.h"

#include <QDateTime>

namespace {

const QString kAttention = QStringLiteral("ATENÇÃO");

// The product code the ERP knows the item by: decimal digits that make an integer.
std::optional<int> productCode(const QString& code)
{
    return readInt(code);
}

// The ERP refused a row: another station's lock or a lost connection are the
// database's own story; anything else is the item the ERP would not take.
bool isItemRefusal(const DbError& e)
{
    return !e.isConflict() && !e.isConnectionLost();
}

} // namespace

namespace erpText {

QString davNumber(qint64 dav)
{
    return QStringLiteral("  DAV N.") + FormatFloat(u"0000", Decimal(dav));
}

QString noDatabase(const QString& slimPath, const QString& proPath)
{
    return QStringLiteral("Banco de dados do ERP GDOOR não encontrado:\n%1\n%2").arg(slimPath, proPath);
}

QString documentLeft(qint64 dav)
{
    return QStringLiteral("O DAV N.%1 já foi gravado no ERP GDOOR, mas a conta não foi fechada.\n"
                          "Fechando esta conta de novo com os mesmos itens, o mesmo DAV é usado; "
                          "se não, exclua o DAV N.%1 no ERP.")
        .arg(FormatFloat(u"0000", Decimal(dav)));
}

} // namespace erpText

// ---------------------------------------------------------------------------

qint64 ErpDocument::commit()
{
    if (!m_local->inAction())
        throw std::logic_error("O DAV é gravado dentro da gravação do fechamento.");
    return m_owner->writeDocument(m_bill);
}

// ---------------------------------------------------------------------------

OutsideErpExport::OutsideErpExport() = default;
OutsideErpExport::~OutsideErpExport() = default;

bool OutsideErpExport::linkOn()
{
    return TrimText(stationSettings::outsideErpLink()) == QLatin1String("SIM");
}

bool OutsideErpExport::applies(TLogon& local, const ErpBill& bill)
{
    if (!linkOn())
        return false;
    for (const ErpBillPayment& p : bill.payments) {
        if (p.amount.roundTo(2).isZero())   // reads "0,00"
            continue;
        RowSet methods = local.run(QStringLiteral("select DAV from FormaPaga where CD = ?"), {p.methodCode});
        while (methods.next()) {
            if (TrimText(methods.text(u"DAV")) == QLatin1String("S"))
                return true;
        }
    }
    return false;
}

void OutsideErpExport::checkItems(const ErpBill& bill)
{
    for (const ErpBillItem& item : bill.items) {
        if (!productCode(item.code))
            throw ErpExportRefused(erpText::productNotInDav);
    }
}

std::vector<ErpBillItem> OutsideErpExport::tabItems(TLogon& local, const QString& tab)
{
    std::vector<ErpBillItem> items;
    RowSet rows = local.run(QStringLiteral("select * from Mesa where mesa = ? order by id "), {TrimText(tab)});
    while (rows.next())
        items.push_back({rows.text(u"CODIGO"), rows.decimal(u"QUANT"), rows.decimal(u"VALOR")});
    return items;
}

QString OutsideErpExport::databaseFile()
{
    for (const char16_t* name : {kSlimDatabase, kProDatabase}) {
        if (station::exists(name))
            return station::path(name);
    }
    return QString();
}

ErpDocument OutsideErpExport::exportBill(TLogon& local, const ErpBill& bill)
{
    // The document is committed right before the local commit: only from inside
    // the closing's own action.
    if (!local.inAction())
        throw std::logic_error("A exportação ao ERP roda dentro da gravação do fechamento.");
    checkItems(bill);
    openDatabase(m_erp);
    return ErpDocument(*this, local, bill);
}

void OutsideErpExport::openDatabase(TLogon& erp)
{
    erp.close();
    const QString file = databaseFile();
    if (file.isEmpty())
        throw DbError(erpText::noDatabase(station::path(kSlimDatabase), station::path(kProDatabase)));
    erp.setLockTimeout(stationSettings::lockTimeoutSeconds());
    if (!erp.connectTo(file))
        throw DbError(QStringLiteral("ERP GDOOR (%1):\n%2").arg(file, erp.lastError()));
}

void OutsideErpExport::prepareGeraId()
{
    // GERAID is ours, made in the ERP's database to read its generators through.
    const RowSet columns = m_erp.run(
        QStringLiteral("select * from rdb$relation_fields  where RDB$RELATION_FIELDS.rdb$relation_name = ?"),
        {QStringLiteral("GERAID")});
    if (columns.isEmpty()) {
        // DDL: committed on its own, before any row goes in.
        m_erp.run(QStringLiteral("CREATE TABLE GERAID (\n"
                                 "ID         INTEGER NOT NULL\n"
                                 ")"));
    }
    // The one row generators are read through: also when an earlier creation
    // stopped before it.
    m_erp.action([&] {
        if (integerOf(m_erp.scalar(QStringLiteral("select count(*) from GERAID"))) == 0)
            m_erp.run(QStringLiteral("insert into GERAID (ID) values (?)"), {0});
        m_erp.run(QStringLiteral("update geraid set ID = ? "), {0});
    });
}

qint64 OutsideErpExport::writeDocument(const ErpBill& bill)
{
    // The same tab with the same items again after its document was committed and
    // the closing was not (the local commit failed, or the closing ran again): the
    // document holds nothing else, so it is that document.
    if (m_pending && m_pendingBill && TrimText(m_pendingBill->tab) == TrimText(bill.tab)
        && m_pendingBill->items == bill.items)
        return *m_pending;

    prepareGeraId();
    const qint64 dav = m_erp.action([&] {
        const QDateTime now = QDateTime::currentDateTime();
        const QTime second(now.time().hour(), now.time().minute(), now.time().second());
        const QTime minute(now.time().hour(), now.time().minute());
        RowSet id = m_erp.run(QStringLiteral("SELECT GEN_ID(GEN_DAVSID,1) AS teste FROM GeraID"));
        if (!id.next())
            throw DbError(QStringLiteral("A tabela GERAID do ERP GDOOR está vazia."));
        const qint64 d = integerOf(id.value(u"teste"));

        m_erp.run(QStringLiteral("insert into DAVS (ID,NUMERO,IDSTATUS,DATA_EMISSAO,HORA_EMISSAO,IDTIPO,VALIDADE,"
                                 "DESCONTO,TITULO,FORMA_PAG,STATUS_IFOOD,ENTREGA,NOVO,MOV_ESTOQUE,"
                                 " MOV_FINANCEIRO,MOV_ESTOQUE_AUTO ,FRETE,ID_SINCRONIZADOR,PERCENTUAL_DESCONTO) "
                                 "values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                  {d, d, 2, now.date(), second,
                   0, 30, 0, QStringLiteral("ORÇAMENTO"), QStringLiteral("À Vista"),
                   0, 0, 0, 0, 0, 0, 0, 0, 0});
        m_erp.run(QStringLiteral("insert into DAVS_CLIENTE (IDDAV) values (?)"), {d});

        for (const ErpBillItem& item : bill.items) {
            const std::optional<int> code = productCode(item.code);
            if (!code)
                throw ErpExportRefused(erpText::productNotInDav);
            const qint64 number = integerOf(m_erp.scalar(
                QStringLiteral("select coalesce(max(ITEM),0)+1 as teste from DAVS_ITENS where IDDAV = ?"), {d}));
            try {
                m_erp.run(QStringLiteral("insert into Davs_Itens (IDDAV,ITEM,IDPRODUTO,QT,UN,VAL_UNITARIO,VAL_DESC,"
                                         "VAL_ACRE,STATUS,TIPO_ITEM,DATA_EMISSAO,IDUSUARIO,IMPORTADO) "
                                         "values (?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                          {d, number, QStringLiteral("%1").arg(*code, 6, 10, QLatin1Char('0')),
                           item.quantity.roundTo(2), QStringLiteral("UN"), item.unitPrice.roundTo(2),
                           0, 0, 0, 0, QDateTime(now.date(), minute), 0, 0});
            } catch (const DbError& e) {
                if (!isItemRefusal(e))
                    throw;
                throw ErpExportRefused(erpText::productNotInDav);
            }
        }
        return d;
    });
    m_pending = dav;
    m_pendingBill = bill;
    return dav;
}

void OutsideErpExport::closingCommitted(qint64 dav)
{
    m_pending.reset();
    m_pendingBill.reset();
    if (dav != 0)
        ShowMessageWindow(kAttention, erpText::davNumber(dav), QStringLiteral("1"));
}

QString OutsideErpExport::errorText(const QString& error) const
{
    if (!m_pending)
        return error;
    return error + QStringLiteral("\n\n") + erpText::documentLeft(*m_pending);
}

void OutsideErpExport::tellFailure(const std::exception& error) const
{
    if (const auto* refused = dynamic_cast<const ErpExportRefused*>(&error)) {
        ShowMessageWindow(kAttention, refused->message(), QStringLiteral("1"));
        return;
    }
    dialogs().errorBox(errorText(QString::fromUtf8(error.what())));
}
