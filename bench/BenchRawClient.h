#pragma once
// One round trip of Firebird's raw client, measured in the same run as a benchmark's
// figures: a prepared one-row select in an open transaction, in µs.
#include "BenchClock.h"
#include "db/UnitLogon.h"

#include <QByteArray>
#include <firebird/Interface.h>
#include <ibase.h>
#include <vector>

inline double rawRoundTripUs(const QByteArray& db)
{
    Firebird::IMaster* master = Firebird::fb_get_master_interface();
    Firebird::ThrowStatusWrapper st(master->getStatus());
    Firebird::IXpbBuilder* dpb = master->getUtilInterface()->getXpbBuilder(&st, Firebird::IXpbBuilder::DPB, nullptr,
                                                                               0);
    dpb->insertString(&st, isc_dpb_user_name, TLogon::kUser);
    dpb->insertString(&st, isc_dpb_password, TLogon::kPassword);
    Firebird::IProvider* prov = master->getDispatcher();
    Firebird::IAttachment* att = prov->attachDatabase(&st, db.constData(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
    dpb->dispose();
    Firebird::ITransaction* tx = att->startTransaction(&st, 0, nullptr);
    Firebird::IStatement* stmt = att->prepare(&st, tx, 0, "SELECT 1 FROM RDB$DATABASE", SQL_DIALECT_V6,
                                    Firebird::IStatement::PREPARE_PREFETCH_METADATA);
    Firebird::IMessageMetadata* out = stmt->getOutputMetadata(&st);
    std::vector<unsigned char> buf(out->getMessageLength(&st));
    std::vector<double> times;
    for (int k = 0; k < 9; ++k) {
        const double t = nowUs();
        for (int i = 0; i < 200; ++i) {
            Firebird::IResultSet* rs = stmt->openCursor(&st, tx, nullptr, nullptr, out, 0);
            while (rs->fetchNext(&st, buf.data()) == Firebird::IStatus::RESULT_OK) {
            }
            rs->close(&st);
        }
        times.push_back((nowUs() - t) / 200);
    }
    out->release();
    stmt->free(&st);
    tx->commit(&st);
    att->detach(&st);
    prov->release();
    st.dispose();
    return median(times);
}
