#pragma once
// What the product register reads and writes: PRODUTOS, the size labels of MOEDA,
// the pizza option of EMPRESA, the initial stock row of ESTFIC and the
// accompaniments of ACOMPANHA.

#include "registers/ProductRules.h"
#include "registers/RegisterSql.h"

#include <QDate>
#include <QHash>
#include <QStringList>

class TLogon;

class ProductStore {
public:
    explicit ProductStore(TLogon& logon) : m_logon(logon) {}

    registers::Rows list();                       // codigo, nome, valor by code
    QStringList sizeLabels();               // five labels; missing rows repeat the last one
    bool pizzaOption();                     // EMPRESA.VENDA 0 = on
    void setPizzaOption(bool on);
    registers::Rows firstByName();
    registers::Rows firstByCode();
    registers::Rows find(const QString& code);    // the product, or no row
    // The new product's row (its code only); false, with nothing written, when
    // another station registered the code meanwhile: a new product is only inserted.
    [[nodiscard]] bool insertNew(const QString& code);
    // The product's stock: Σ ENTRADA − Σ SAIDA of its ledger rows (the one reader of
    // it, for the register and the stock ledger alike).
    Decimal stock(const QString& code);
    // The stock of each code, by the same rule, inside an action: one statement per
    // few dozen codes, each product's kept totals held in the order given.
    QHash<QString, Decimal> stocks(const QStringList& codes);
    bool hasStockRows(const QString& code);
    // The product's UPDATE and the five size labels, as one action; false when no
    // product has the code (nothing is written then). Throws DbError.
    bool save(const product::Update& update, const QStringList& labels);
    // The pending edits of a product applied alone (moving in the list).
    void apply(const product::Update& update);
    void addInitialStock(const QString& code, const Decimal& quantity, const QDate& today);
    // The product and its stock ledger rows, as one action.
    void remove(const QString& code);
    void removeEmptyCodes();
    QString highestCode();
    registers::Rows search(bool byName, const QString& text);   // at most 78 rows

    registers::Rows accompaniments(const QString& code);
    void addAccompaniment(const QString& code, const QString& text);
    void removeAccompaniment(qint64 id);

    registers::Rows groups();
    registers::Rows suppliers();

private:
    TLogon& m_logon;
};
