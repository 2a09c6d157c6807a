#include "core/Globals.h"

namespace ctx {
namespace {
Operator g_op;
Company g_company;
Station g_station;
Lookup g_lookup;
Sales g_sales;
}

Operator& op() { return g_op; }
Company& company() { return g_company; }
Station& station() { return g_station; }
Lookup& lookup() { return g_lookup; }
Sales& sales() { return g_sales; }

void resetAll()
{
    g_op = Operator();
    g_company = Company();
    g_station = Station();
    g_lookup = Lookup();
    g_sales = Sales();
}

} // namespace ctx
