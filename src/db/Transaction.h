#pragma once
// One business action, one transaction: rolls back unless commit() was reached.
//
//   Transaction tx(Logon->database());
//   ... statements ...
//   tx.commit();

#include "db/DbError.h"
#include <QSqlDatabase>

class Transaction {
public:
    explicit Transaction(QSqlDatabase db)
        : m_db(db)
    {
        if (!m_db.transaction())
            throw DbError(m_db.lastError());
    }
    ~Transaction()
    {
        if (!m_done)
            m_db.rollback();
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit()
    {
        if (!m_db.commit())
            throw DbError(m_db.lastError());
        m_done = true;
    }

private:
    QSqlDatabase m_db;
    bool m_done = false;
};
