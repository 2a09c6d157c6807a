#include "registers/TouchMenu.h"
#include "db/Schema.h"
#include "core/WholeNumber.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/StationPaths.h"

#include <QFile>

namespace {

QString existing(const QString& windowsName)
{
    const QString p = station::path(windowsName);
    return QFile::exists(p) ? p : QString();
}

QString productPicture(const QString& code)
{
    QString name = TrimText(code);
    if (const std::optional<qint64> n = readWhole(name))
        name = FormatFloat(u"000000", Decimal(*n));
    return existing(QStringLiteral("C:\\Miltrex\\Vavoz\\imagens\\") + name + QStringLiteral(".jpg"));
}

} // namespace

QStringList SplitButtonCaption(const QString& text)
{
    QStringList lines;
    QString rem = TrimText(text);
    int width = 11;
    while (!TrimText(rem).isEmpty()) {
        int blank = -1;
        for (int i = std::min(width, int(rem.size())) - 1; i >= 0; --i)
            if (rem[i] == u' ') {
                blank = i;
                break;
            }
        if (blank < 0)
            break;
        lines << rem.left(blank);
        rem = TrimText(rem.mid(blank + 1)) + u' ';
        width = 12;
    }
    if (!TrimText(rem).isEmpty())
        lines << TrimText(rem);
    if (lines.size() > 5)
        return {};
    return lines;
}

std::vector<TouchGroup> TouchMenu::groups()
{
    std::vector<TouchGroup> g;
    RowSet rs = m_logon.run(QStringLiteral("select codigo, nome from tipos where coalesce(ATIVO, '') <> 'N' order by codigo"));
    while (rs.next()) {
        TouchGroup t;
        t.code = QString::number(rs.integer(u"CODIGO"));
        t.caption = SplitButtonCaption(rs.text(u"NOME")).join(u'\n');
        t.picture = existing(QStringLiteral("C:\\Miltrex\\Vavoz\\imagens\\G")
                             + FormatFloat(u"000000", Decimal(rs.integer(u"CODIGO"))) + QStringLiteral(".jpg"));
        g.push_back(t);
    }
    return g;
}

std::vector<TouchButton> TouchMenu::productsOf(const QString& group)
{
    std::vector<TouchButton> buttons;
    const std::optional<qint64> g = readWhole(group);
    if (!g)
        return buttons;
    RowSet p = m_logon.run(QStringLiteral("select first 200 codigo, nome from produtos where classe = ? order by nome"), {*g});
    while (p.next()) {
        TouchButton b;
        b.id = QStringLiteral("Q") + QString::number(buttons.size() + 1);
        b.code = TrimText(p.text(u"CODIGO"));
        b.caption = SplitButtonCaption(p.text(u"NOME")).join(u'\n');
        b.picture = productPicture(b.code);
        buttons.push_back(b);
    }
    if (int(buttons.size()) >= kTouchProductButtons)
        return buttons;
    RowSet k = m_logon.run(QStringLiteral("select first 200 codigo, nome from kitmaster where classe = ? order by nome"), {*g});
    while (k.next() && int(buttons.size()) < kTouchProductButtons) {
        TouchButton b;
        b.id = QStringLiteral("A") + QString::number(buttons.size() + 1);
        b.code = u'*' + TrimText(k.text(u"CODIGO"));
        b.caption = SplitButtonCaption(k.text(u"NOME")).join(u'\n');
        b.kit = true;
        buttons.push_back(b);
    }
    return buttons;
}

std::vector<TouchButton> TouchMenu::complementsOf(const QString& group, bool valueInCaption)
{
    std::vector<TouchButton> buttons;
    TouchButton write;
    write.id = QStringLiteral("E1");
    write.code = write.caption = QStringLiteral("ESCREVER");
    write.write = true;
    buttons.push_back(write);
    const std::optional<qint64> g = readWhole(group);
    if (!g)
        return buttons;
    RowSet rs = m_logon.run(QStringLiteral("select first 199 nome, valor, codigo from complemento where grupo = ? order by id"), {*g});
    while (rs.next()) {
        TouchButton b;
        b.id = QStringLiteral("E") + QString::number(buttons.size() + 1);
        b.code = b.caption = rs.text(u"NOME");
        b.value = rs.decimal(u"VALOR");
        if (valueInCaption) {
            if (b.value > Decimal(0))
                b.caption += QStringLiteral("\nR$") + FormatFloat(u"0.00", b.value);
        } else {
            b.cod = rs.integer(u"CODIGO");
        }
        buttons.push_back(b);
    }
    return buttons;
}

std::vector<TouchButton> TouchMenu::search(const QString& text, QString* group)
{
    std::vector<TouchButton> buttons;
    const QString t = TrimText(text);
    if (t.isEmpty())
        return buttons;
    RowSet rs = m_logon.run(QStringLiteral("select first 200 codigo, nome, classe from produtos where nome like ? order by nome"),
                            {schema::containingPattern(t, u"PRODUTOS", u"NOME")});
    while (rs.next()) {
        if (buttons.empty() && group)
            *group = QString::number(rs.integer(u"CLASSE"));
        TouchButton b;
        b.id = QStringLiteral("A") + QString::number(buttons.size() + 1);
        b.code = TrimText(rs.text(u"CODIGO"));
        const QString name = rs.text(u"NOME");
        b.caption = SplitButtonCaption(name.left(15) + u'\r' + name.mid(15, 15)).join(u'\n').replace(u'\r', u'\n');
        b.picture = productPicture(b.code);
        buttons.push_back(b);
    }
    return buttons;
}

QStringList TouchMenu::accompaniments(const QString& code)
{
    QStringList out;
    RowSet rs = m_logon.run(QStringLiteral("select produto from acompanha where codigo = ? order by id"), {code});
    while (rs.next())
        out << rs.text(u"PRODUTO");
    return out;
}
