#pragma once
// The payment methods of FORMAPAGA: a two-digit code (the first two characters
// of RECARQ.DUPLICATA carry it), a name and the BX and DAV flags.

#include <QString>
#include <optional>
#include <vector>

class TLogon;

namespace paymentText {
inline const QString askDelete = QStringLiteral("Deseja Excluir Este Registro ?");
inline const QString codeTooLong = QStringLiteral("O codigo da forma de pagamento não pode ultrapassar 2 digitos");
inline const QString cashKept = QStringLiteral("O codigo 01 - Dinheiro não pode ser excluido");
}

struct PaymentMethod {
    qint64 id = 0;
    int cd = 0;
    QString nome, bx, dav;
};

class PaymentMethodStore {
public:
    explicit PaymentMethodStore(TLogon& logon) : m_logon(logon) {}

    // Ordered by code.
    std::vector<PaymentMethod> list();
    std::optional<PaymentMethod> find(int code);
    // "Novo": the highest code plus one (1 for an empty table).
    int nextCode();

    // The code as the field shows it once left ("01", "123"); the text itself
    // when it is not a whole number.
    static QString shownCode(const QString& typed);
    // The code "Confirme" writes under: 0 (nothing written) when the text is not
    // a whole number above 0; EntryError above 99.
    static int confirmedCode(const QString& typed);

    enum class Written { Nothing, Inserted, Updated };
    // "Confirme": inserts a new code, or updates every row of that code. Throws
    // EntryError or DbError.
    Written confirm(const QString& typedCode, const QString& nome, const QString& bx, const QString& dav);

    // "Excluir": asks, deletes the method of that id; 01 stays. True when it went.
    bool remove(const PaymentMethod& method);

private:
    TLogon& m_logon;
};
