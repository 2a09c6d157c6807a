#pragma once
// A delivery customer's name and address on his CLIENTES row: the customer code
// is his telephone number.
#include <QString>
#include <optional>

class TLogon;

struct DeliveryCustomerData {
    qint64 codigo = 0;
    QString nome, endereco, bairro, cidade, estado, ref, fax;   // bairro: CENDERECO
    QString fone;
    std::optional<int> ddd;      // DDD
    QString cep;
};

class DeliveryCustomers {
public:
    explicit DeliveryCustomers(TLogon& logon) : m_logon(logon) {}

    std::optional<DeliveryCustomerData> read(qint64 code);
    // "Confirme": the name and address of every row of that code, the reference
    // cut to 39 characters and the state to 2. Throws DbError.
    void save(const DeliveryCustomerData& data);
    // The single-screen order's customer: name, address, area code and postcode of
    // every row of that code, each text cut to its column. Throws DbError.
    void saveWithAreaCode(const DeliveryCustomerData& data);

private:
    TLogon& m_logon;
};
