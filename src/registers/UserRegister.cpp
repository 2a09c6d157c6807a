#include "registers/UserRegister.h"

#include "core/uMensagemWindow.h"
#include "registers/RegisterCommon.h"
#include "registers/RegisterSql.h"
#include "core/uMensagem.h"
#include "shell/Credentials.h"

namespace {
const QString kTitle = QStringLiteral("ATENÇÃO");
const QString kSupervisor = QStringLiteral("S");
}

namespace rights {

const QStringList& captions()
{
    static const QStringList all = {
        QStringLiteral(" Acesso cadastro de produtos"),
        QStringLiteral(" Estoque"),
        QStringLiteral(" C receber/ Pagar"),
        QStringLiteral(" Cadastro (Cli/Fornec/Grupos)"),
        QStringLiteral(" Abrir Caixa/Sangria/Reforço"),
        QStringLiteral(" Função de Caixa/Fechar venda"),
        QStringLiteral(" Imprimir caixa"),
        QStringLiteral(" Cancelar item comanda"),
        QStringLiteral(" Somente Acesso Venda comanda"),
        QStringLiteral(" Cancelar comanda Completa"),
        QStringLiteral(" Imprimir pre-fechamento da comanda"),
        QStringLiteral("Não pedir senha (exc prod,trans transf mesa, reabrir comanda)"),
        QStringLiteral("Transferir Produtos ou Mesas"),
        QStringLiteral("Fechar comanda"),
        QStringLiteral("Acesso ao Controle Bancario"),
        QStringLiteral(" Somente Acesso ao Delivery"),
    };
    return all;
}

int maskOf(const Boxes& ticked)
{
    int mask = 0;
    for (int i = 0; i < kBits; ++i)
        if (ticked[size_t(i)])
            mask += 1 << i;
    return mask;
}

Boxes boxesOf(int mask)
{
    Boxes b{};
    for (int i = 0; i < kBits; ++i)
        b[size_t(i)] = (mask & (1 << i)) != 0;
    return b;
}

} // namespace rights

void UserRegister::reload()
{
    m_new.reset();
    m_users.clear();
    auto q = m_logon.run(QStringLiteral("select ID, NOME, SENHA, MASTER, SISTEMA from MILTREX order by ID"));
    while (q.next())
        m_users.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                           q.value(3).toString(), int(q.value(4).toLongLong())});
    m_current = 0;
}

QStringList UserRegister::names() const
{
    QStringList n;
    for (const UserRow& u : m_users)
        n << u.nome;
    return n;
}

const UserRow& UserRegister::current() const
{
    static const UserRow none;
    if (m_new)
        return *m_new;
    return m_current >= 0 && m_current < int(m_users.size()) ? m_users[size_t(m_current)] : none;
}

void UserRegister::select(int index)
{
    m_new.reset();
    if (index >= 0 && index < int(m_users.size()))
        m_current = index;
}

bool UserRegister::selectByName(const QString& name)
{
    for (int i = 0; i < int(m_users.size()); ++i) {
        if (m_users[size_t(i)].nome == name) {
            select(i);
            return true;
        }
    }
    return false;
}

void UserRegister::beginNew()
{
    m_new = UserRow{};
}

bool UserRegister::anotherSupervisor(qint64 id)
{
    return m_logon.scalar(QStringLiteral("select count(*) from MILTREX where MASTER = 'S' and ID <> ?"), {id}).toLongLong() > 0;
}

void UserRegister::save(const QString& nome, const QString& senha, const QString& master, int mask)
{
    if (nome.trimmed().isEmpty())
        throw EntryError(userText::nameRequired);
    const UserRow user = current();
    // null: the stored password stays as it is
    const QVariant stored = user.id != 0 && TrimText(senha).isEmpty() ? QVariant() : QVariant(passwords::digest(senha));
    registers::action(m_logon, [&] {
        if (user.id != 0) {
            const QString wasMaster = m_logon.scalar(QStringLiteral("select MASTER from MILTREX where ID = ?"), {user.id}).toString();
            if (wasMaster == kSupervisor && master != kSupervisor && !anotherSupervisor(user.id))
                throw EntryError(userText::supervisorRequired);
            m_logon.run(QStringLiteral("update miltrex set nome = ?, master = ?, senha = coalesce(?, senha), sistema = ? where id = ?"),
                        {nome, master, stored, mask, user.id});
        } else {
            m_logon.run(QStringLiteral("insert into miltrex (id, nome, master, senha, sistema) values (GEN_ID(SENHA,1), ?, ?, ?, ?)"),
                        {nome, master, stored, mask});
        }
    });
    reload();
}

bool UserRegister::remove()
{
    if (ShowMessageWindow(kTitle, userText::askDelete, QStringLiteral("2"), QStringLiteral("1")) != QLatin1String("S")) {
        reload();
        return false;
    }
    const UserRow user = current();
    bool removed = false;
    if (user.id != 0) {
        registers::attempt([&] {
            registers::action(m_logon, [&] {
                const QString master = m_logon.scalar(QStringLiteral("select MASTER from MILTREX where ID = ?"), {user.id}).toString();
                if (master == kSupervisor && !anotherSupervisor(user.id))
                    throw EntryError(userText::supervisorRequired);
                m_logon.run(QStringLiteral("delete from miltrex where id = ?"), {user.id});
            });
            removed = true;
        });
    }
    reload();
    return removed;
}

bool UserRegister::mayLeave()
{
    reload();
    for (const UserRow& u : m_users)
        if (u.master == kSupervisor)
            return true;
    ShowMessageWindow(kTitle, userText::supervisorRequired, QStringLiteral("1"));
    return false;
}
