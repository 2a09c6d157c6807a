#include "registers/CustomerRegister.h"

#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "platform/StationPaths.h"
#include "registers/RegisterCommon.h"
#include "registers/RegisterSql.h"

#include <QFile>
#include <QSaveFile>
#include <QImageReader>
#include <cmath>

using registers::amountFrom;
using registers::amountText;
using registers::dateText;
using registers::textOrNull;

namespace {

// Delphi's Round: halves go to the even neighbour.
long long roundHalfEven(double v)
{
    return std::llrint(v);
}

const QString kTitle = QStringLiteral("ATENÇÃO");

// Text columns written as typed (blank: NULL), in the window's order.
const char* const kTextColumns[] = {"NOME", "ENDERECO", "CIDADE", "ESTADO", "CEP", "FONE", "FAX",
                                    "PAGINA", "EMAIL", "CONTATO", "CNPJ", "ESTADUAL"};

} // namespace

const std::vector<CustomerRegister::Field>& CustomerRegister::fields()
{
    static const std::vector<Field> all = {
        {"CODIGO", "Codigo", false},
        {"NOME", "Razão Social", false},
        {"ENDERECO", "Endereço", false},
        {"CIDADE", "Cidade", false},
        {"ESTADO", "Estado", false},
        {"CEP", "CEP", false},
        {"FONE", "Telefone", false},
        {"FAX", "Fax/Celular", false},
        {"PAGINA", "Internet/Site", true},
        {"EMAIL", "E-mail", true},
        {"CONTATO", "Contato", false},
        {"CNPJ", "CPF/CNPJ", false},
        {"ESTADUAL", "RG/Ins.Estadual", false},
        {"NASC", "Fund/Nasc.", false},
        {"LIMITE", "Limite Crédido ('0'  p/ilimitado)", false},
        {"FIDELIDADE", "Pontos Fidelidade", false},
    };
    return all;
}

void CustomerRegister::open()
{
    showFirst();
}

std::vector<qint64> CustomerRegister::ids() const
{
    std::vector<qint64> v;
    auto q = m_logon.run(QStringLiteral("select ID from CLIENTES order by ID"));
    while (q.next())
        v.push_back(q.value(0).toLongLong());
    return v;
}

std::vector<CustomerRegister::ListRow> CustomerRegister::list() const
{
    std::vector<ListRow> rows;
    auto q = m_logon.run(QStringLiteral("select ID, CODIGO, NOME, FONE from CLIENTES order by ID"));
    while (q.next())
        rows.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                        q.value(3).toString()});
    return rows;
}

void CustomerRegister::show(qint64 id)
{
    auto q = m_logon.run(QStringLiteral("select * from CLIENTES where ID = ?"), {id});
    Customer c;
    if (q.next()) {
        c.id = id;
        for (const char* col : kTextColumns)
            c.values[QLatin1String(col)] = q.value(QString::fromLatin1(col)).toString();
        c.values[QStringLiteral("CODIGO")] = q.value(QStringLiteral("CODIGO")).isNull()
            ? QString() : QString::number(q.value(QStringLiteral("CODIGO")).toLongLong());
        c.values[QStringLiteral("NASC")] = dateText(q.value(QStringLiteral("NASC")).toDate());
        c.values[QStringLiteral("LIMITE")] = amountText(amountFrom(q.value(QStringLiteral("LIMITE"))));
        c.values[QStringLiteral("FIDELIDADE")] = amountText(amountFrom(q.value(QStringLiteral("FIDELIDADE"))));
    }
    m_shown = c;
    m_mode = c.id ? Mode::Browse : Mode::Insert;
}

void CustomerRegister::showFirst()
{
    const auto all = ids();
    show(all.empty() ? 0 : all.front());
}

void CustomerRegister::reload()
{
    if (m_mode == Mode::Insert && m_shown.id == 0) {
        showFirst();
        return;
    }
    show(m_shown.id);
}

qint64 CustomerRegister::idOfCode(qint64 code) const
{
    const QVariant id = m_logon.scalar(QStringLiteral("select first 1 ID from CLIENTES where CODIGO = ? order by ID"), {code});
    return id.isNull() ? 0 : id.toLongLong();
}

bool CustomerRegister::moveToCode(qint64 code)
{
    const qint64 id = idOfCode(code);
    if (!id)
        return false;
    show(id);
    return true;
}

void CustomerRegister::step(Step s)
{
    const auto all = ids();
    if (all.empty()) {
        show(0);
        return;
    }
    auto at = std::find(all.begin(), all.end(), m_shown.id);
    switch (s) {
    case Step::First: show(all.front()); return;
    case Step::Last: show(all.back()); return;
    case Step::Prior: show(at == all.end() || at == all.begin() ? all.front() : *(at - 1)); return;
    case Step::Next: show(at == all.end() || at + 1 == all.end() ? all.back() : *(at + 1)); return;
    }
}

void CustomerRegister::beginNew()
{
    const QVariant last = m_logon.scalar(QStringLiteral("select first 1 CODIGO from CLIENTES order by ID desc"));
    Customer c;
    c.values[QStringLiteral("CODIGO")] = QString::number(last.toLongLong() + 1);
    m_shown = c;
    m_mode = Mode::Insert;
}

QString CustomerRegister::codeLeft(const QString& typed, const Customer& edits)
{
    const QString text = TrimText(typed);
    if (text.isEmpty())
        return typed;
    const auto code = registers::codeOf(text);
    if (!code || *code < 1) {
        ShowMessageWindow(kTitle, customerText::invalidCode, QStringLiteral("1"));
        return m_mode == Mode::Insert ? QString() : registers::paddedCode(shownCodeNumber().toLongLong(), 6);
    }
    const QString padded = registers::paddedCode(*code, 6);

    if (m_mode != Mode::Insert) {
        reload();   // pending edits go
        if (m_shown.value("CODIGO").toLongLong() == *code)
            return padded;
        if (!moveToCode(*code)) {
            // Typed over a shown customer: that customer takes the new code when saved.
            m_shown.values[QStringLiteral("CODIGO")] = QString::number(*code);
        }
        m_mode = Mode::Edit;
        return padded;
    }

    // A new row: an existing customer's code shows that customer instead of a
    // second customer with the same code.
    if (moveToCode(*code)) {
        m_mode = Mode::Edit;
        return padded;
    }
    if (ShowMessageWindow(kTitle, customerText::notFoundRegister, QStringLiteral("2")) == QLatin1String("S")) {
        m_shown = edits;
        m_shown.id = 0;
        m_shown.values[QStringLiteral("CODIGO")] = QString::number(*code);
        return padded;
    }
    showFirst();
    return m_shown.value("CODIGO");
}

void CustomerRegister::save(const Customer& edited)
{
    const auto code = registers::codeOf(edited.value("CODIGO"));
    if (!code || *code < 1)
        throw EntryError(customerText::invalidCode);
    const QDate nasc = registers::dateOf(edited.value("NASC"), QStringLiteral("Fund/Nasc."));
    const Decimal limite = registers::amountOf(edited.value("LIMITE"), QStringLiteral("Limite Crédido"));
    const Decimal pontos = registers::amountOf(edited.value("FIDELIDADE"), QStringLiteral("Pontos Fidelidade"));

    QVariantList params;
    params << qint64(*code);
    for (const char* col : kTextColumns)
        params << textOrNull(edited.value(col));
    params << registers::dateOrNull(nasc) << reg::value(limite) << reg::value(pontos);

    const QString columns = QStringLiteral("CODIGO, NOME, ENDERECO, CIDADE, ESTADO, CEP, FONE, FAX, PAGINA, "
                                           "EMAIL, CONTATO, CNPJ, ESTADUAL, NASC, LIMITE, FIDELIDADE");
    qint64 id = edited.id;
    reg::action(m_logon, [&] {
        const QVariant other = m_logon.scalar(
            QStringLiteral("select first 1 ID from CLIENTES where CODIGO = ? and ID <> ?"), {qint64(*code), id});
        if (!other.isNull())
            throw EntryError(customerText::codeTaken);
        if (id == 0) {
            id = m_logon.GenId(QStringLiteral("CLIENTE"), 1);
            QVariantList withId = params;
            withId.prepend(id);
            m_logon.run(QStringLiteral("insert into CLIENTES (ID, %1) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                            .arg(columns), withId);
        } else {
            QVariantList withId = params;
            withId << id;
            m_logon.run(QStringLiteral("update CLIENTES set CODIGO = ?, NOME = ?, ENDERECO = ?, CIDADE = ?, ESTADO = ?, "
                                       "CEP = ?, FONE = ?, FAX = ?, PAGINA = ?, EMAIL = ?, CONTATO = ?, CNPJ = ?, "
                                       "ESTADUAL = ?, NASC = ?, LIMITE = ?, FIDELIDADE = ? where ID = ?"),
                        withId);
        }
    });
    show(id);
}

bool CustomerRegister::remove()
{
    reload();
    const QString code = TrimText(m_shown.value("CODIGO"));
    if (code.isEmpty() || m_shown.id == 0)
        return false;
    if (code == QLatin1String("1")) {
        ShowMessageWindow(kTitle, customerText::walkInNoDelete, QStringLiteral("1"));
        return false;
    }
    if (ShowMessageWindow(kTitle, customerText::askDelete, QStringLiteral("2")) != QLatin1String("S"))
        return false;
    const qint64 id = m_shown.id;
    bool done = registers::attempt([&] {
        m_logon.run(QStringLiteral("delete from CLIENTES where ID = ?"), {id});
    });
    if (done)
        showFirst();
    return done;
}

QString CustomerRegister::shownCodeNumber() const
{
    const auto code = registers::codeOf(m_shown.value("CODIGO"));
    return QString::number(code ? *code : 0);
}

QString CustomerRegister::storedPhotoName(const QString& code)
{
    return QStringLiteral("C:\\Miltrex\\vavoz\\imagens\\C") + code + QStringLiteral(".jpg");
}

QString CustomerRegister::shownPhotoName(const QString& code)
{
    return QStringLiteral("C:\\Miltrex\\Trezo\\imagens\\C") + code + QStringLiteral(".jpg");
}

QImage CustomerRegister::photo() const
{
    const QString code = shownCodeNumber();
    for (const QString& name : {storedPhotoName(code), shownPhotoName(code)}) {
        if (station::exists(name)) {
            QImage img(station::path(name));
            if (!img.isNull())
                return img;
        }
    }
    return QImage();
}

QSize CustomerRegister::photoSize(QSize picture)
{
    const long long n = roundHalfEven(picture.width() / 193.0);
    if (n < 1 || picture.height() < 1)
        return QSize();
    long long h = roundHalfEven(double(picture.height()) / double(n));
    long long w = 193;
    if (h >= 238) {
        const long long m = roundHalfEven(picture.height() / 237.0);
        w = roundHalfEven(double(picture.width()) / double(m));
        h = 237;
    }
    return QSize(int(w), int(h));
}

void CustomerRegister::setPhoto(const QString& pickedFile)
{
    QImageReader reader(pickedFile);
    const QImage picture = reader.read();
    if (picture.isNull())
        throw EntryError(customerText::photoUnreadable);
    const QSize size = photoSize(picture.size());
    if (size.isEmpty())
        throw EntryError(customerText::photoTooSmall);
    const QString target = station::pathForWriting(storedPhotoName(shownCodeNumber()));
    const QImage scaled = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The old photo goes only once the new one is written whole.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || !scaled.save(&file, "JPG") || !file.commit())
        throw EntryError(QStringLiteral("Nao foi possivel gravar a foto em %1").arg(target));
}
