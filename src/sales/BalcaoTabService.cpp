// The tab service of the sales screen: multi-flavour items and sizes, the scale,
// the customer of a tab, the kitchen order and the kitchen-monitor page, the
// table reports and the free complement text. The rules live in MultiFlavour,
// Scale, TabCustomer, KitchenOrder, KitchenMonitor and TableReports.
#include "sales/UnitBalcao.h"
#include "ui_UnitBalcao.h"

#include "sales/ComplementText.h"
#include "sales/UnitEscrever.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "printing/RoutePrintout.h"
#include "registers/Lookups.h"
#include "sales/KitchenMonitorPage.h"
#include "sales/KitchenOrder.h"
#include "registers/MultiFlavour.h"
#include "sales/SalesMessages.h"
#include "sales/SalesRibbon.h"
#include "sales/Scale.h"
#include "sales/ScalePanel.h"
#include "tabs/TabCustomer.h"
#include "sales/TabOpening.h"
#include "sales/TableReports.h"
#include "shell/UnitAcessos.h"
#include "shell/WindowRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace {

// Calls back when a watched control loses the focus to another control of the
// window, or when Enter is pressed in it.
class FieldWatcher : public QObject {
public:
    FieldWatcher(QObject* parent, std::function<void()> left, std::function<void()> enter)
        : QObject(parent), m_left(std::move(left)), m_enter(std::move(enter)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                m_left();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_enter();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_left, m_enter;
};

bool hasBit(int mask, int bit) { return RightsBitSet(mask, bit) == QLatin1String("S"); }

} // namespace

void TFormBalcao::setUpTabService()
{
    // a flavour list ("/c1/c2/c3/c4/") is longer than a product code
    ui->productCodeEdit->setMaxLength(30);
    fillSizes();
    ui->sizeBox->installEventFilter(new FieldWatcher(this, [this] { sizeChosen(); }, [this] { ui->quantityEdit->setFocus(); }));

    m_monitorPage = new KitchenMonitorPage(m_logon, ui->kitchenPage);
    ui->kitchenLayout->addWidget(m_monitorPage);
    ui->kitchenNote->hide();
    connect(ui->mainPages, &QTabWidget::currentChanged, this, [this](int page) {
        if (ui->mainPages->widget(page) == ui->kitchenPage)
            m_monitorPage->reload();
    });

    m_customerLabel = new QLabel(this);
    m_customerLabel->setObjectName(QStringLiteral("customerLabel"));
    ui->tabInfo->addWidget(m_customerLabel);

    m_scaleSwitch = new QCheckBox(QStringLiteral(" Ativar Balança"), this);
    m_scaleSwitch->setObjectName(QStringLiteral("scaleSwitch"));
    ui->switches->addWidget(m_scaleSwitch);
    m_scale = new ScaleReader(this);
    connect(m_scale, &ScaleReader::weightRead, this, &TFormBalcao::showWeight);
    m_scalePanel = new ScalePanel(this);
    m_scalePanel->show(ScaleSettings::load(m_scalePanel->settings()));
    m_scalePanel->hide();
    m_scaleActivation = new QTimer(this);
    m_scaleActivation->setSingleShot(true);
    m_scaleActivation->setInterval(1000);
    connect(m_scaleActivation, &QTimer::timeout, this, &TFormBalcao::activateScale);
    connect(m_scaleSwitch, &QCheckBox::clicked, m_scaleActivation, qOverload<>(&QTimer::start));
    m_scaleActivation->start();
    m_scalePoll = new QTimer(this);
    m_scalePoll->setInterval(500);
    connect(m_scalePoll, &QTimer::timeout, this, &TFormBalcao::pollScale);
    m_scalePoll->start();
}

// ---- multi-flavour items and sizes -----------------------------------------------------

void TFormBalcao::fillSizes()
{
    try {
        ui->sizeBox->clear();
        ui->sizeBox->addItems(MultiFlavour(m_logon, ctx::sales().ItemOptions).sizeEntries());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void TFormBalcao::priceFlavours()
{
    m_flavours = false;
    const QString code = TrimText(ui->productCodeEdit->text());
    FlavourPrice p;
    try {
        MultiFlavour flavours(m_logon, ctx::sales().ItemOptions);
        p = flavours.entryPrice(code, ui->sizeBox->isVisible(), ui->sizeBox->currentText());
        // the complements of the first flavour's group
        ItemEntry entry(m_logon);
        if (const std::optional<ProductInfo> first = entry.findProduct(splitFlavours(code)[0])) {
            std::vector<ComplementRow> rows = m_complements;
            const std::vector<ComplementRow> group = entry.complementsOf(*first);
            const size_t own = entry.accompanimentsOf(first->codigo).size();
            rows.insert(rows.end(), group.begin(), group.end() - qsizetype(std::min(own, group.size())));
            setComplements(rows);
        }
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    for (const QString& m : p.notFound)
        message(m);
    if (p.showSizes)
        ui->sizeBox->show();
    ui->priceEdit->setText(TrimText(FormatFloatLeftPadded(QStringLiteral("0.00"), 12, p.price)));
    if (!p.kitchen.isEmpty())
        ui->kitchenEdit->setText(p.kitchen);
    ui->productNameLabel->setText(TrimText(ctx::lookup().ProductLookupCode).left(120));
    m_flavours = true;
    ui->productCodeEdit->setProperty("pricedFlavours", code);
    if (p.focusSizes)
        ui->sizeBox->setFocus();
}

void TFormBalcao::sizeChosen()
{
    if (!ui->sizeBox->isVisible())
        return;
    const QString code = TrimText(ui->productCodeEdit->text());
    const QString size = ui->sizeBox->currentText();
    try {
        MultiFlavour flavours(m_logon, ctx::sales().ItemOptions);
        if (!code.startsWith(u'/')) {
            if (m_product)
                if (const std::optional<SizedProduct> p = flavours.product(m_product->codigo))
                    if (const std::optional<Decimal> price = p->sizePrice(size))
                        ui->priceEdit->setText(FormatFloat(u"0.00", *price));
        } else {
            const FlavourPrice p = flavours.sizePrice(code, size);
            for (const QString& m : p.notFound)
                message(m);
            ui->priceEdit->setText(TrimText(FormatFloatLeftPadded(QStringLiteral("0.00"), 12, p.price)));
            if (!p.kitchen.isEmpty())
                ui->kitchenEdit->setText(p.kitchen);
        }
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    if (!ui->quantityEdit->hasFocus())
        ui->quantityEdit->setFocus();
}

// ---- the free complement text ---------------------------------------------------------------

void TFormBalcao::writeComplement()
{
    TFormEscrever window(this);
    dialogs().exec(window);
    const std::optional<Decimal> value = complementValue(window.value());
    if (!value) {
        dialogs().errorBox(QStringLiteral("'") + TrimText(window.value()) + QStringLiteral("' não é um valor válido"));
        return;
    }
    if (window.text().isEmpty() && value->isZero())
        return;   // nothing was written
    m_complements.push_back(ComplementRow{QString(), window.text(), *value, 0});
}

// ---- the scale ----------------------------------------------------------------------------------

void TFormBalcao::activateScale()
{
    m_scaleActivation->stop();
    m_scale->deactivate();
    if (!m_scaleSwitch->isChecked())
        return;
    const QString model = m_scalePanel->model();
    if (model == QLatin1String("Nenhuma"))
        return;
    if (!isScaleModelSupported(model)) {
        message(scalemsg::notSupported(model));
        return;
    }
    QString error;
    if (!m_scale->activate(model, m_scalePanel->port(), m_scalePanel->baud(), m_scalePanel->dataBits(), &error,
                           m_scalePanel->parity(), m_scalePanel->stopBits(), m_scalePanel->handshake()))
        dialogs().errorBox(error);   // the switch stays on; the next click tries again
}

void TFormBalcao::pollScale()
{
    if (TrimText(ui->tabNumberEdit->text()).isEmpty())
        return;
    if (m_scaleSwitch->isChecked() && ui->quantityEdit->hasFocus())
        m_scale->requestWeight(500);
}

void TFormBalcao::showWeight(const Decimal& weight)
{
    ui->quantityEdit->setText(weightText(weight));
}

// ---- the customer of a tab ---------------------------------------------------------------------

QString TFormBalcao::customerText() const { return m_customerLabel->text(); }

void TFormBalcao::showTabCustomer()
{
    try {
        m_customerLabel->setText(TabCustomer(m_logon).nameOfTabCustomer(ui->tabNumberEdit->text()).left(15));
    } catch (const DbError&) {
        m_customerLabel->clear();
    }
}

void TFormBalcao::attachCustomer(bool lookup)
{
    QString code;
    if (lookup) {
        code = TrimText(chooseCustomer(m_logon));
        if (code.isEmpty())
            return;
        if (TrimText(ui->tabNumberEdit->text()).isEmpty())
            ui->tabNumberEdit->setText(QStringLiteral("0"));
    } else {
        ctx::Operator& op = ctx::op();
        if (hasBit(op.LoginRights, 8)) {
            windows::open(QStringLiteral("TFormCliente"), QStringLiteral("Cadastro de Clientes"));
            refreshTableButtons();
        } else {
            op.CurrentRights = 0;
            askSupervisor(m_logon);
            if (!hasBit(op.CurrentRights, 8)) {
                message(salesmsg::accessDenied);
                return;
            }
            windows::open(QStringLiteral("TFormCliente"), QStringLiteral("Cadastro de Clientes"));
        }
        code = TrimText(ctx::lookup().LookupCode);
        if (code.isEmpty() || TrimText(ui->tabNumberEdit->text()).isEmpty())
            return;
    }
    try {
        TabCustomer(m_logon).attach(ui->tabNumberEdit->text(), code);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    showTabCustomer();
}

// ---- the kitchen order -------------------------------------------------------------------------

void TFormBalcao::printKitchenOrder()
{
    KitchenOrderResult r;
    try {
        r = KitchenOrder(m_logon, m_cash.number).print(ui->tabNumberEdit->text());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    if (r.noTab) {
        message(kitchenmsg::informTab);
        return;
    }
    if (!r.error.isEmpty())
        dialogs().errorBox(r.error);
    reloadItems();
}

// ---- the table reports --------------------------------------------------------------------------

void TFormBalcao::tableReport(bool withClosed)
{
    if (withClosed) {
        if (m_cash.number == 0) {
            message(reportmsg::cashClosed);
            return;
        }
        ctx::op().AuthoriserIsMaster = QStringLiteral("N");
        askSupervisor(m_logon);
        if (!hasBit(ctx::op().CurrentRights, 16)) {
            message(salesmsg::userDenied);
            return;
        }
    }
    try {
        TableReports reports(m_logon);
        const QString company = ctx::company().CompanyName;
        const Printout p = withClosed ? reports.openAndClosed(m_cash.number, company, ui->cashNumberLabel->text())
                                      : reports.openOnly(company, ui->cashNumberLabel->text());
        RoutePreviewOnly(p);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

// ---- ribbon --------------------------------------------------------------------------------------

bool TFormBalcao::tabServiceAction(const salesribbon::Button& b)
{
    using salesribbon::opens;
    if (opens(b, "@scale")) {
        m_scale->deactivate();
        m_scalePanel->move(std::max(0, (width() - m_scalePanel->sizeHint().width()) / 2), 120);
        m_scalePanel->adjustSize();
        m_scalePanel->open();
        m_scaleActivation->start();
        return true;
    }
    if (opens(b, "TFormCliente") || opens(b, "TFormBusca")) {
        attachCustomer(opens(b, "TFormBusca"));
        return true;
    }
    if (opens(b, "RelMesasAbertasFechadas") || opens(b, "RelMesasAbertas")) {
        tableReport(opens(b, "RelMesasAbertasFechadas"));
        return true;
    }
    return false;
}
