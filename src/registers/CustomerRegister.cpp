#include "registers/CustomerRegister.h"
#include "platform/WholeFile.h"

#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "platform/StationPaths.h"
#include "registers/RegisterCommon.h"
#include "registers/RegisterSql.h"

#include <QFile>
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

CustomerRegister::CustomerRegister(TLogon& logon)
    : RecordRegister(logon, "CLIENTES",
                     {customerText::invalidCode, customerText::notFoundRegister, customerText::askDelete,
                      customerText::codeTaken})
{
}

Record CustomerRegister::read(const RowSet& q) const
{
    Customer c;
    for (const char* col : kTextColumns)
        c.values[QLatin1String(col)] = q.value(QString::fromLatin1(col)).toString();
    c.values[QStringLiteral("NASC")] = dateText(q.value(QStringLiteral("NASC")).toDate());
    c.values[QStringLiteral("LIMITE")] = amountText(amountFrom(q.value(QStringLiteral("LIMITE"))));
    c.values[QStringLiteral("FIDELIDADE")] = amountText(amountFrom(q.value(QStringLiteral("FIDELIDADE"))));
    return c;
}

qint64 CustomerRegister::write(const Record& edited, qint64 code, qint64 id)
{
    const QDate nasc = registers::dateOf(edited.value("NASC"), QStringLiteral("Fund/Nasc."));
    const Decimal limite = registers::amountOf(edited.value("LIMITE"), QStringLiteral("Limite Crédido"));
    const Decimal pontos = registers::amountOf(edited.value("FIDELIDADE"), QStringLiteral("Pontos Fidelidade"));

    QVariantList params;
    params << code;
    for (const char* col : kTextColumns)
        params << textOrNull(edited.value(col));
    params << registers::dateOrNull(nasc) << registers::value(limite) << registers::value(pontos);

    const QString columns = QStringLiteral("CODIGO, NOME, ENDERECO, CIDADE, ESTADO, CEP, FONE, FAX, PAGINA, "
                                           "EMAIL, CONTATO, CNPJ, ESTADUAL, NASC, LIMITE, FIDELIDADE");
    if (id == 0) {
        id = m_logon.GenId(QStringLiteral("CLIENTE"), 1);
        params.prepend(id);
        m_logon.run(QStringLiteral("insert into CLIENTES (ID, %1) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                        .arg(columns), params);
    } else {
        params << id;
        m_logon.run(QStringLiteral("update CLIENTES set CODIGO = ?, NOME = ?, ENDERECO = ?, CIDADE = ?, ESTADO = ?, "
                                   "CEP = ?, FONE = ?, FAX = ?, PAGINA = ?, EMAIL = ?, CONTATO = ?, CNPJ = ?, "
                                   "ESTADUAL = ?, NASC = ?, LIMITE = ?, FIDELIDADE = ? where ID = ?"),
                    params);
    }
    return id;
}

bool CustomerRegister::mayRemove(const Record& shown)
{
    if (TrimText(shown.value("CODIGO")) == QLatin1String("1")) {
        ShowMessageWindow(kTitle, customerText::walkInNoDelete, QStringLiteral("1"));
        return false;
    }
    return true;
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
    try {
        wholefile::write(target, [&](QIODevice& file) { return scaled.save(&file, "JPG"); });
    } catch (const std::runtime_error&) {
        throw EntryError(QStringLiteral("Nao foi possivel gravar a foto em %1").arg(target));
    }
}
