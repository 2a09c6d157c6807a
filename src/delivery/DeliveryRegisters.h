#pragma once
// The delivery registers: the areas (ENTREGA, a neighbourhood and its delivery
// fee) and the delivery men (DELICAD). Every change is one statement, or one
// action where it finds a row before it writes.
#include "core/Decimal.h"

#include <QString>
#include <optional>
#include <vector>

class TLogon;

struct DeliveryArea {
    qint64 id = 0;
    QString bairro;
    Decimal taxa;
};

class DeliveryAreas {
public:
    explicit DeliveryAreas(TLogon& logon) : m_logon(logon) {}

    // Every area by name.
    std::vector<DeliveryArea> list();
    // "Confirmar / Salvar": the fee of the area of that whole name changes, or a new
    // area is inserted. Throws EntryError (an empty name, a name longer than the
    // column, a fee that is not an amount of zero or more: nothing is written) or
    // DbError. Returns the area's id.
    qint64 save(const QString& name, const QString& fee);
    void remove(qint64 id);

private:
    TLogon& m_logon;
};

struct DeliveryMan {
    qint64 id = 0;
    qint64 codigo = 0;
    QString nome, endereco, cidade, estado, fone;
};

class DeliveryMen {
public:
    explicit DeliveryMen(TLogon& logon) : m_logon(logon) {}

    enum class Order { ByCode, ByName };
    std::vector<DeliveryMan> list(Order order = Order::ByCode);
    // "&Novo": the highest code plus one (1 on an empty register).
    qint64 nextCode();
    // The code a typed text saves under: a whole number above 0, else 0.
    static qint64 codeOf(const QString& typed);
    // "Confirmar / Salvar": the delivery man of that code is updated, or a new one
    // inserted, each text cut to what the register keeps. One started with "&Novo"
    // is only inserted: a code another station registered meanwhile throws
    // EntryError (deliverytext::men::codeTaken) with nothing written. Nothing is
    // written for a code that is not a whole number above 0 (false). Throws DbError.
    bool save(const QString& code, const QString& nome, const QString& endereco, const QString& cidade,
              const QString& estado, const QString& fone, bool startedAsNew = false);
    void remove(qint64 id);

private:
    TLogon& m_logon;
};
