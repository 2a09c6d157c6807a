#include "delivery/DeliveryPaymentPanel.h"
#include "core/WholeNumber.h"

#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryText.h"

namespace {

const AmountRules kRules = AmountRules::money().pointAsComma().notNegative();

Decimal cents(const Decimal& d) { return d.roundTo(2); }

} // namespace

QString panelText(const Decimal& amount) { return FormatFloat(u"0.00", amount); }

QString PanelMethod::caption() const
{
    return QStringLiteral("   %1").arg(code, 2, 10, QLatin1Char('0')) + bx.trimmed() + QStringLiteral(" - ") + name;
}

std::vector<PanelMethod> DeliveryPaymentPanel::readMethods(TLogon& logon)
{
    std::vector<PanelMethod> v;
    RowSet rs = logon.run(QStringLiteral("select first %1 CD, BX, NOME from FORMAPAGA order by CD").arg(kMethods));
    while (rs.next())
        v.push_back({int(rs.integer(u"CD")), rs.text(u"BX"), rs.text(u"NOME").trimmed()});
    return v;
}

std::optional<Decimal> DeliveryPaymentPanel::read(const QString& text) const
{
    if (text.trimmed().isEmpty())
        return Decimal();
    const std::optional<Decimal> v = readAmount(text, kRules);
    if (!v)
        return std::nullopt;
    return cents(*v);
}

void DeliveryPaymentPanel::open(const std::vector<PanelMethod>& list, const QString& totalText,
                                std::vector<HandOverLine>& lines)
{
    methods.assign(list.begin(), list.begin() + std::min<size_t>(list.size(), kMethods));
    const Decimal total = read(totalText).value_or(Decimal());
    for (int i = 0; i < kMethods; ++i)
        amounts[size_t(i)] = i == 0 ? panelText(total) : QStringLiteral("0");
    m_saleValue = total;
    deliveryFee = Decimal();
    deliveryManCode = QStringLiteral("0");
    fee = QStringLiteral("0");
    for (auto it = lines.begin(); it != lines.end();) {
        if (it->nome != deliverytext::desk::feeLine) {
            ++it;
            continue;
        }
        deliveryFee = cents(it->valor);
        const std::optional<qint64> man = readWhole(it->codigo.trimmed());
        deliveryManCode = QString::number(man ? *man : 0);
        fee = panelText(deliveryFee);
        m_saleValue = total - deliveryFee;
        it = lines.erase(it);
    }
    saleValue = panelText(m_saleValue);
    subtotal = panelText(total);
    totals();
}

Decimal DeliveryPaymentPanel::feeAmount() const { return read(fee).value_or(Decimal()); }
Decimal DeliveryPaymentPanel::subtotalAmount() const { return m_saleValue + feeAmount(); }
Decimal DeliveryPaymentPanel::discountAmount() const { return read(discount).value_or(Decimal()); }
Decimal DeliveryPaymentPanel::amount(int i) const { return read(amounts[size_t(i)]).value_or(Decimal()); }
Decimal DeliveryPaymentPanel::balanceAmount() const { return read(balance).value_or(Decimal()); }

bool DeliveryPaymentPanel::totals()
{
    m_invalid = Field::None;
    m_invalidAmount = -1;
    const std::optional<Decimal> f = read(fee);
    if (!f) {
        m_invalid = Field::Fee;
        return false;
    }
    std::array<Decimal, kMethods> a;
    for (int i = 0; i < kMethods; ++i) {
        const std::optional<Decimal> v = read(amounts[size_t(i)]);
        if (!v) {
            m_invalid = Field::Amount;
            m_invalidAmount = i;
            return false;
        }
        a[size_t(i)] = *v;
    }
    const Decimal sub = m_saleValue + *f;
    const std::optional<Decimal> d = read(discount);
    if (!d || *d > sub) {
        m_invalid = Field::Discount;
        return false;
    }
    fee = panelText(*f);
    subtotal = panelText(sub);
    discount = panelText(*d);
    // A discount comes off the first method while that still holds the whole sub-total.
    if (!d->isZero() && a[0] == sub)
        a[0] = sub - *d;
    Decimal paid = *d;
    for (int i = 0; i < kMethods; ++i) {
        amounts[size_t(i)] = panelText(a[size_t(i)]);
        paid += a[size_t(i)];
    }
    if (paid < sub) {
        balanceCaption = captionMissing();
        balance = panelText(sub - paid);
    } else {
        balanceCaption = captionChange();
        balance = panelText(paid - sub);
    }
    return true;
}

bool DeliveryPaymentPanel::percentToMoney()
{
    m_invalid = Field::None;
    const std::optional<Decimal> p = read(percent);
    if (!p || *p > Decimal(100)) {
        m_invalid = Field::Percent;
        return false;
    }
    percent = FormatFloat(u"0.##", *p);
    discount = panelText(cents(m_saleValue * *p / Decimal(100)));
    return true;
}

std::optional<QString> DeliveryPaymentPanel::check()
{
    // The totals first: the captions the checks read are those of what the fields hold now.
    if (!totals())
        return deliverytext::panel::invalidAmount;
    if (missing())
        return deliverytext::panel::missing;
    const Decimal change = balanceAmount();
    if (change > Decimal() && change > amount(0))
        return deliverytext::panel::changeAboveCash;
    return std::nullopt;
}

QString DeliveryPaymentPanel::paymentName() const
{
    QString name;
    for (int i = 0; i < int(methods.size()); ++i)
        if (!amount(i).isZero())
            name = methods[size_t(i)].caption().trimmed().mid(6, 20);
    return name;
}
