#pragma once
// Rows and settings files the sales-screen tests need, until the registers land.
#include "core/Decimal.h"

#include <QString>
#include <map>

class TLogon;
class TestStation;

namespace seeds {

struct Product {
    Product(QString c, QString n, Decimal p, QString k = QStringLiteral("0"), int g = 1)
        : code(std::move(c)), name(std::move(n)), price(p), kitchen(std::move(k)), group(g) {}
    QString code, name;
    Decimal price;
    QString kitchen = QStringLiteral("0");
    int group = 1;
    QString juntar;
    Decimal promotion = Decimal(0);
    QString composicao;
};
void product(TLogon& logon, const Product& p);
void waiter(TLogon& logon, int code, const QString& name, const QString& password = QString());
void complement(TLogon& logon, int group, const QString& name, const Decimal& value, int code = 0);
void accompaniment(TLogon& logon, const QString& productCode, const QString& text);
// EMPRESA.SCC5 (SalesOptions) and SCC4 (ItemOptions), and TITULO.
void options(TLogon& logon, int salesOptions, int itemOptions, const QString& titulo = QStringLiteral("MESA"));
// setup.INI with the given lines, the others empty.
void setup(TestStation& st, const std::map<int, QString>& lines);
// Points a port name (LPT1...) at a file of the station and gives the file's path.
QString portToFile(TestStation& st, const QString& port, const QString& fileName);
// The closing printer asks for its port, LPT1, which writes to the station's file
// lpt1.out; gives the file's path.
QString closingPrinterToFile(TestStation& st);

} // namespace seeds
