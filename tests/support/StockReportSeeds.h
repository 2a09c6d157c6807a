#pragma once
// A small store the stock report tests share: four groups, nine products (a kit, a
// product without a group, one whose group is not registered), a supplier, and
// ledger rows from November 2025 to April 2026, March 2026 being the period most
// tests ask for. Every figure the reports print is worked out in the tests.
//
//   code    name              group  price  cost   min  validity     ledger
//   000001  CERVEJA LATA      1      8,00   4,00   10   15/03/26     +24 (20/12/25), -20 (02/03, sale 501),
//                                                                    +12 (10/03, NF 77 at 3,90), -6 and -4,5
//                                                                    (20/03, sale 502), -1 (02/04, sale 503)
//   000002  AGUA MINERAL      1      3,50   1,25   24   16/03/26     -5 (15/02), +2 and -3 (03/03, manual)
//   000003  HAMBURGUER 180G   7      12,00  6,30   10   30/12/99     +10 (01/11/25)
//   000004  BATATA FRITA      12     18,90  5,555  -    10/01/26     +3 (no date), -1 (05/03), +5 (10/04)
//   000005  SEM GRUPO         -      2,00   0,50   5    01/02/26     +1 (08/03)
//   000006  GRUPO FANTASMA    99     10,00  5,00   3    01/03/26     +0,04 (10/02); stored ESTGERAL 5
//   000008  COPO DESCARTAVEL  1      1,00   0,10   1    01/03/26     +2 (01/02), -2 (02/02); stored ESTGERAL 0
//   000009  GUARDANAPO        7      0,50   0,20   -    30/12/2099   none
//   000010  X-BURGUER (kit)   7      29,90  0      -    01/03/26     -2 (12/03, sale 501)
//   999999  (no product)                                             +4 (14/03, NF 77 at 2,00)
//   ""      (empty code)                                             -1 (21/03)
#include <QDate>

class TestStation;

namespace seeds {
void stockReportStore(TestStation& st);
inline const QDate kMarchFirst(2026, 3, 1);
inline const QDate kMarchLast(2026, 3, 31);
} // namespace seeds
