#include "app/ProgramWindows.h"
#include "cash/GAVTeste1.h"
#include "cash/UnitAbrFec.h"
#include "cash/UnitComGar.h"
#include "cash/UnitRelCan.h"
#include "cash/UnitSangria.h"
#include "cash/UnitVisComFec.h"
#include "closing/UnitConsumacao.h"
#include "closing/UnitFecCom.h"
#include "closing/UnitFecSimples.h"
#include "closing/UnitFechaSim.h"
#include "closing/UnitRecDin.h"
#include "core/Globals.h"
#include "db/UnitLogon.h"
#include "delivery/UnitCadPedDeli.h"
#include "delivery/UnitDelivere.h"
#include "delivery/UnitEntCom.h"
#include "delivery/UnitEntregador.h"
#include "delivery/UnitInsItens2.h"
#include "delivery/UnitPedDelivery.h"
#include "delivery/UnitPrestContasDelivere.h"
#include "delivery/UnitTaxaEnt.h"
#include "delivery/UnitVenDiaDely.h"
#include "delivery/UnitVerCliente.h"
#include "delivery/UnitVerEndCliente.h"
#include "salesreports/UnitApura.h"
#include "salesreports/UnitBalCli.h"
#include "finance/UnitBusDupX.h"
#include "finance/UnitCAdBan.h"
#include "cashoffice/UnitCadDup.h"
#include "finance/UnitCadDupX.h"
#include "cashoffice/UnitCancel.h"
#include "salesreports/UnitComissao.h"
#include "salesreports/UnitDeb.h"
#include "finance/UnitDebCreFunc.h"
#include "cashoffice/UnitDesp.h"
#include "finance/UnitDespesas.h"
#include "salesreports/UnitEstFor.h"
#include "labels/UnitEtiqueta.h"
#include "cashoffice/UnitExcLan.h"
#include "exchange/UnitExpExcel.h"
#include "cashoffice/UnitFecAnalitico.h"
#include "cashoffice/UnitFecMes.h"
#include "cashoffice/UnitFecha.h"
#include "salesreports/UnitFicCli.h"
#include "salesreports/UnitHistQui.h"
#include "finance/UnitImp.h"
#include "exchange/UnitImporta.h"
#include "salesreports/UnitItensExcluidos.h"
#include "salesreports/UnitKitVend.h"
#include "cashoffice/UnitListAber.h"
#include "cashoffice/UnitListSang.h"
#include "labels/UnitMalaDir.h"
#include "finance/UnitMedia.h"
#include "finance/UnitPrinCaixa.h"
#include "salesreports/UnitRelAniCas.h"
#include "salesreports/UnitRelBaixa.h"
#include "finance/UnitRelBaixaX.h"
#include "salesreports/UnitRelCli.h"
#include "cashoffice/UnitRelCou.h"
#include "cashoffice/UnitRelDesp.h"
#include "salesreports/UnitRelEmi.h"
#include "finance/UnitRelEmiX.h"
#include "salesreports/UnitRelFor.h"
#include "finance/UnitRelPeriodoX.h"
#include "finance/UnitRelPorCliX.h"
#include "salesreports/UnitRelSaiABC.h"
#include "salesreports/UnitRelVenGar.h"
#include "finance/UnitValeFic.h"
#include "cashoffice/UnitVenDia.h"
#include "salesreports/UnitVendGarcom.h"
#include "printing/UnitSetCom.h"
#include "registers/Fracao.h"
#include "registers/UnitBusca.h"
#include "registers/UnitBuscaFor.h"
#include "registers/UnitBuscaForne.h"
#include "registers/UnitCentroCusto.h"
#include "registers/UnitCliente.h"
#include "registers/UnitComplemento.h"
#include "registers/UnitConfSis.h"
#include "registers/UnitEmpresa.h"
#include "registers/UnitFPaga.h"
#include "registers/UnitKitItens.h"
#include "registers/UnitLcProd.h"
#include "registers/UnitLimpa.h"
#include "registers/UnitManSen.h"
#include "registers/UnitProd.h"
#include "registers/UnitSetuprede.h"
#include "registers/UnitTipos.h"
#include "registers/UnitVendedor.h"
#include "registers/UnitVerCaixa.h"
#include "registers/Unitforne.h"
#include "sales/UnitBalcao.h"
#include "sales/UnitBuscaVendedor.h"
#include "sales/UnitEscrever.h"
#include "sales/UnitFecDiaPag.h"
#include "sales/UnitFidelidade.h"
#include "sales/UnitRECUPOM.h"
#include "sales/UnitReCozinha.h"
#include "sales/UnitSenGarcom.h"
#include "shell/WindowRegistry.h"
#include "stock/UnitAjuCom.h"
#include "stock/UnitAltLan.h"
#include "stock/UnitBalCen.h"
#include "stock/UnitBalMen.h"
#include "menu/UnitCardConfig.h"
#include "menu/UnitCardGrupo.h"
#include "menu/UnitCardQrCode.h"
#include "menu/UnitCardapio.h"
#include "stock/UnitCompras.h"
#include "stock/UnitEntrada.h"
#include "stock/UnitEstMin.h"
#include "stock/UnitFicMov2.h"
#include "stock/UnitImpRap.h"
#include "stock/UnitKit.h"
#include "stock/UnitListGeral.h"
#include "stock/UnitMovEst.h"
#include "stock/UnitNFEntrada.h"
#include "stock/UnitRelSai.h"
#include "stock/UnitTPagar.h"
#include "stock/UnitVenda.h"
#include "stock/UnitVerKits.h"
#include "stock/UnitVerPedComp.h"
#include "stock/UnitdatValid.h"
#include "tabs/UnitCliMesa.h"
#include "tabs/UnitExcCom.h"
#include "tabs/UnitExcItemCom.h"
#include "tabs/UnitMudMes.h"
#include "tabs/UnitMudaMesa.h"
#include "tabs/UnitReabrirCom.h"
#include "tabs/UnitReserva.h"
#include "tabs/Unitpagaantes.h"

namespace {

// A window that no menu or control opens: registered by its class name alone.
void registerByNameOnly(const QString& className, windows::Factory factory)
{
    windows::registerWindow(className, std::move(factory), windows::Reach::ByNameOnly);
}

} // namespace

void registerProgramWindows()
{
    windows::registerWindow(QStringLiteral("TFormSetCom"), [] { return std::make_unique<TFormSetCom>(); });

    // Registers: products, kits, complements, lookups, system options.
    windows::registerWindow(QStringLiteral("TFormProd"), [] { return std::make_unique<TFormProd>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormKitItens"), [] { return std::make_unique<TFormKitItens>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormComplemento"), [] { return std::make_unique<TFormComplemento>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormConfSis"), [] { return std::make_unique<TFormConfSis>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormBusca"), [] { return std::make_unique<TFormBusca>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormLcPro"), [] { return std::make_unique<TFormLcPro>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormBuscaFor"), [] { return std::make_unique<TFormBuscaFor>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormVerCaixa"), [] { return std::make_unique<TFormVerCaixa>(*Logon); });

    // Customers, company, users and rights, staff, payment methods, cost centres,
    // network setup and data reset.
    windows::registerWindow(QStringLiteral("TFormCliente"), [] { return std::make_unique<TFormCliente>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormEmpresa"), [] { return std::make_unique<TFormEmpresa>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormManSen"), [] { return std::make_unique<TFormManSen>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormVendedor"), [] { return std::make_unique<TFormVendedor>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormFPaga"), [] { return std::make_unique<TFormFPaga>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormCentroCusto"), [] { return std::make_unique<TFormCentroCusto>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormSetupRede"), [] { return std::make_unique<TFormSetupRede>(); });
    windows::registerWindow(QStringLiteral("TFormLimpa"), [] { return std::make_unique<TFormLimpa>(*Logon); });
    // Shift reports, the reprint of closed bills and the cash-drawer test window.
    windows::registerWindow(QStringLiteral("TFormVisComFec"), [] { return std::make_unique<TFormVisComFec>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRelCan"), [] { return std::make_unique<TFormRelCan>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormComGar"), [] { return std::make_unique<TFormComGar>(*Logon); });
    // The drawer test: no control opens it (its one opener is a button of the payment
    // window that is never shown); it stays registered by this name.
    registerByNameOnly(QStringLiteral("TForm1"), [] { return std::make_unique<TForm1>(); });
    // Bill closing: pre-bill, payment and the bill's two settings.
    windows::registerWindow(QStringLiteral("TFormFecCom"), [] { return std::make_unique<TFormFecCom>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormFecSimples"), [] { return std::make_unique<TFormFecSimples>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRecDin"), [] { return std::make_unique<TFormRecDin>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormConsumacao"), [] { return std::make_unique<TFormConsumacao>(); });
    windows::registerWindow(QStringLiteral("TFormFechasim"), [] { return std::make_unique<TFormFechasim>(); });
    // Tab maintenance: advance payment, withdrawals, reopening, persons,
    // reservations, item transfer, table move, tab and item cancellation. The
    // sales ribbon opens them through closing/TabMaintenanceMenu with its table box.
    windows::registerWindow(QStringLiteral("TFormPagaantes"), [] { return std::make_unique<TFormPagaantes>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormSangria"), [] { return std::make_unique<TFormSangria>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormReabrirCom"), [] { return std::make_unique<TFormReabrirCom>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormCliMesa"), [] { return std::make_unique<TFormCliMesa>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormReserva"), [] { return std::make_unique<TFormReserva>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormMudMes"), [] { return std::make_unique<TFormMudMes>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormMudaMesa"), [] { return std::make_unique<TFormMudaMesa>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormExcCom"), [] { return std::make_unique<TFormExcCom>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormExcItemCom"), [] { return std::make_unique<TFormExcItemCom>(*Logon); });
    // Sales screen and cash shift
    windows::registerWindow(QStringLiteral("TFormAbrFec"), [] { return std::make_unique<TFormAbrFec>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormBalcao"), [] { return std::make_unique<TFormBalcao>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormSenGarcom"), [] { return std::make_unique<TFormSenGarcom>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormBuscaVendedor"), [] { return std::make_unique<TFormBuscaVendedor>(*Logon); });
    // Counter sale tools: closing report by payment method, loyalty points, receipt reprint.
    windows::registerWindow(QStringLiteral("TFormFecDiaPag"), [] { return std::make_unique<TFormFecDiaPag>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormFidelidade"), [] { return std::make_unique<TFormFidelidade>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormReCupom"), [] { return std::make_unique<TFormReCupom>(*Logon); });
    // Tab service: the fractions window of multi-flavour items, the kitchen reprint
    // and the free complement text.
    windows::registerWindow(QStringLiteral("TFormFracao"), [] { return std::make_unique<TFormFracao>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormReCozinha"), [] { return std::make_unique<TFormReCozinha>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormEscrever"), [] { return std::make_unique<TFormEscrever>(); });
    // The cash-shift back office: the cash movement report, expenses, billing by period,
    // the analytic closing, sales by note, sale cancellation and customer accounts.
    windows::registerWindow(QStringLiteral("TFormFecha"), [] { return std::make_unique<TFormFecha>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormDesp"), [] { return std::make_unique<TFormDesp>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormFecMes"), [] { return std::make_unique<TFormFecMes>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormFecAnalitico"), [] { return std::make_unique<TFormFecAnalitico>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormVenDia"), [] { return std::make_unique<TFormVenDia>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormCancel"), [] { return std::make_unique<TFormCancel>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormCadDup"), [] { return std::make_unique<TFormCadDup>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormExcLan"), [] { return std::make_unique<TFormExcLan>(*Logon); });

    // Payables: the title register and its search, the four listings of titles.
    windows::registerWindow(QStringLiteral("TFormCadDupX"), [] { return std::make_unique<TFormCadDupX>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormBusDupX"), [] { return std::make_unique<TFormBusDupX>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRelPeriodoX"), [] { return std::make_unique<TFormRelPeriodoX>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRelBaixaX"), [] { return std::make_unique<TFormRelBaixaX>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRelPorCliX"), [] { return std::make_unique<TFormRelPorCliX>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRelEmiX"), [] { return std::make_unique<TFormRelEmiX>(*Logon); });
    // The account book: its main window (which opens the entry windows) and the
    // codes, accounts, statement and totals per code it opens; staff vouchers.
    windows::registerWindow(QStringLiteral("TFormBan"), [] { return std::make_unique<TFormBan>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormDespesas"), [] { return std::make_unique<TFormDespesas>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormCadBan"), [] { return std::make_unique<TFormCadBan>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormImp"), [] { return std::make_unique<TFormImp>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormMedia"), [] { return std::make_unique<TFormMedia>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormDebCreFunc"), [] { return std::make_unique<TFormDebCreFunc>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormValeFic"), [] { return std::make_unique<TFormValeFic>(*Logon); });
    // The customer and supplier lists, and the login history (its window is the preview).
    windows::registerWindow(QStringLiteral("TFormRelCli"), [] { return std::make_unique<TFormRelCli>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRelFor"), [] { return std::make_unique<TFormRelFor>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormHistQui"), [] { return std::make_unique<TFormHistQui>(*Logon); });

    // Products, stock and purchasing: groups, suppliers and the supplier search, the
    // manual stock movement, the entry invoice (the movement's top button opens it)
    // and its payable titles (no control opens them: the invoice's button for them
    // is never shown), purchase orders and their picker, the ledger entry edit, kits.
    windows::registerWindow(QStringLiteral("TFormTipos"), [] { return std::make_unique<TFormTipos>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormForne"), [] { return std::make_unique<TFormForne>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormBuscaForne"), [] { return std::make_unique<TFormBuscaForne>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormMovEst"), [] { return std::make_unique<TFormMovEst>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormNFEntrada"), [] { return std::make_unique<TFormNFEntrada>(*Logon); });
    registerByNameOnly(QStringLiteral("TFormTPagar"), [] { return std::make_unique<TFormTPagar>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormCompras"), [] { return std::make_unique<TFormCompras>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormVerPedComp"), [] { return std::make_unique<TFormVerPedComp>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormAltLan"), [] { return std::make_unique<TFormAltLan>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormKit"), [] { return std::make_unique<TFormKit>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormVerKits"), [] { return std::make_unique<TFormVerKits>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormAjuCom"), [] { return std::make_unique<TFormAjuCom>(); });
    // The stock and product reports: price and product lists, minimum stock, expiry,
    // the current stock print, the stock balance by period, the entries and exits
    // listings and the movement card.
    windows::registerWindow(QStringLiteral("TFormVenda"), [] { return std::make_unique<TFormVenda>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormListGeral"), [] { return std::make_unique<TFormListGeral>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormEstMin"), [] { return std::make_unique<TFormEstMin>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormDatValid"), [] { return std::make_unique<TFormDatValid>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormImpRap"), [] { return std::make_unique<TFormImpRap>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormBalMen"), [] { return std::make_unique<TFormBalMen>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormEntrada"), [] { return std::make_unique<TFormEntrada>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRelSai"), [] { return std::make_unique<TFormRelSai>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormFicMov2"), [] { return std::make_unique<TFormFicMov2>(*Logon); });
    // Delivery: the desk, its item entry, the areas and delivery men, the customer's
    // data, and the delivery data of a tab that the pre-bill asks.
    windows::registerWindow(QStringLiteral("TFormPedDelivery"), [] { return std::make_unique<TFormPedDelivery>(*Logon); });
    // The desk opens its item entry on the shown order; by class name it has no
    // order, and every item confirmed there is refused.
    windows::registerWindow(QStringLiteral("TFormInsItens2"), [] { return std::make_unique<TFormInsItens2>(*Logon, 0); });
    windows::registerWindow(QStringLiteral("TFormTaxaEnt"), [] { return std::make_unique<TFormTaxaEnt>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormEntregador"), [] { return std::make_unique<TFormEntregador>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormVerCliente"), [] { return std::make_unique<TFormVerCliente>(*Logon); });
    // The customer's address, read only: no control opens it.
    registerByNameOnly(QStringLiteral("TFormVerEndCliente"), [] {
        return std::make_unique<TFormVerEndCliente>(*Logon, ctx::lookup().LookupCode.trimmed().toLongLong());
    });
    windows::registerWindow(QStringLiteral("TFormDelivere"), [] { return std::make_unique<TFormDelivere>(*Logon); });
    // The sales, service, cash-shift and customer-account reports.
    windows::registerWindow(QStringLiteral("TFormApura"), [] { return std::make_unique<TFormApura>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormFicCli"), [] { return std::make_unique<TFormFicCli>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormEstFor"), [] { return std::make_unique<TFormEstFor>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormBalCli"), [] { return std::make_unique<TFormBalCli>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRelSaiABC"), [] { return std::make_unique<TFormRelSaiABC>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormKitVend"), [] { return std::make_unique<TFormKitVend>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRelDesp"), [] { return std::make_unique<TFormRelDesp>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormComissao"), [] { return std::make_unique<TFormComissao>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRelCou"), [] { return std::make_unique<TFormRelCou>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormListAber"), [] { return std::make_unique<TFormListAber>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormListSang"), [] { return std::make_unique<TFormListSang>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormVendGarcom"), [] { return std::make_unique<TFormVendGarcom>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRelVenGar"), [] { return std::make_unique<TFormRelVenGar>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRelBaixa"), [] { return std::make_unique<TFormRelBaixa>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRelEmi"), [] { return std::make_unique<TFormRelEmi>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormDeb"), [] { return std::make_unique<TFormDeb>(*Logon); });
    // The digital menu and its table cards, CSV export and the product import; and the
    // windows no menu opens (the outflow per cost centre, the label sheets, the mailing
    // labels, the anniversary list, the deleted-items log), registered by name only.
    windows::registerWindow(QStringLiteral("TFormCardGrupo"), [] { return std::make_unique<TFormCardGrupo>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormCardapio"), [] { return std::make_unique<TFormCardapio>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormCardConfig"), [] { return std::make_unique<TFormCardConfig>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormCardQrCode"), [] { return std::make_unique<TFormCardQrCode>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormExpExcel"), [] { return std::make_unique<TFormExpExcel>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormImporta"), [] { return std::make_unique<TFormImporta>(*Logon); });
    registerByNameOnly(QStringLiteral("TFormBalCen"), [] { return std::make_unique<TFormBalCen>(*Logon); });
    registerByNameOnly(QStringLiteral("TFormEtiqueta"), [] { return std::make_unique<TFormEtiqueta>(*Logon); });
    registerByNameOnly(QStringLiteral("TFormMalaDir"), [] { return std::make_unique<TFormMalaDir>(*Logon); });
    registerByNameOnly(QStringLiteral("TFormRelAniCas"), [] { return std::make_unique<TFormRelAniCas>(*Logon); });
    registerByNameOnly(QStringLiteral("TFormItemExcluidos"), [] { return std::make_unique<TFormItemExcluidos>(*Logon); });
    // Delivery billing: the delivery reports the desk's ribbon opens, and the
    // settlement with the delivery man, which no control opens. The note and the
    // invoicing windows take the desk's shown order and are opened by the desk alone.
    windows::registerWindow(QStringLiteral("TFormEntCom"), [] { return std::make_unique<TFormEntCom>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormVenDiaDely"), [] { return std::make_unique<TFormVenDiaDely>(*Logon); });
    registerByNameOnly(QStringLiteral("TFormPCEDelivere"), [] { return std::make_unique<TFormPCEDelivere>(*Logon); });
    // The single-screen delivery order, which no menu opens: by its class name it
    // starts a new order.
    registerByNameOnly(QStringLiteral("TFormCadPedDeli"), [] { return std::make_unique<TFormCadPedDeli>(*Logon); });
}
