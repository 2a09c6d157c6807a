#pragma once
// The register of customers and the register of suppliers as page reports (A4,
// portrait), sorted by name: TFormRelCli previewed as TFormListCliQui, TFormRelFor
// as TFormForQui. Three lines per customer or supplier: code, name and address;
// city, state, postcode, CNPJ and state registration; telephone and fax. They only
// read.
#include "reports/PageReport.h"

#include <QDate>
#include <QString>

class TLogon;

namespace registerlists {

enum class Register { Customers, Suppliers };

struct Texts {
    const char* className;
    const char* caption;        // the window's
    const char* label;          // the text under its heading
    const char* title;          // the report's
    const char* nameHeading;
    const char* cnpjHeading;
    const char* stateIdHeading;
};
const Texts& textsOf(Register which);

// CODIGO, NOME, ENDERECO, CIDADE, ESTADO, CEP, CNPJ, ESTADUAL, FONE, FAX, by name
// (rows without a name where the database puts nulls).
RowSet rows(TLogon& logon, Register which);
report::Definition report(Register which, const RowSet& empresa, const QDate& today);

} // namespace registerlists
