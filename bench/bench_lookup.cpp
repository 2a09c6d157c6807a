// Lookup benchmark on a catalogue of 20,000 products and 2,000 customers. In one
// run it reports, in milliseconds and in round trips to the database:
//  - one trivial SELECT (the unit the others are read in)
//  - opening the product lookup, and each of three letters typed into it
//  - finding a product by its code in the product register
//  - opening the product register (its list holds the whole catalogue)
//  - opening the customer lookup and three letters typed into it
//
//   bench_lookup            (server figures too when SABREL22_TEST_SERVER is set)
#include "BenchDatabases.h"
#include "BenchClock.h"
#include "db/NewDatabase.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "platform/FirebirdEnv.h"
#include "platform/StationPaths.h"
#include "registers/RegisterSql.h"
#include "registers/UnitBusca.h"
#include "registers/UnitLcProd.h"
#include "registers/UnitProd.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Nobody answers: every window and message is closed at once.
class NoOne : public Dialogs {
public:
    QString message(const QString&, const QString& t, const QString&, const QString&) override
    {
        std::fprintf(stderr, "mensagem: %s\n", qPrintable(t));
        return QStringLiteral("N");
    }
    QString inputBox(const QString&, const QString&, const QString& p) override { return p; }
    int exec(QDialog&) override { return QDialog::Rejected; }
    void errorBox(const QString& t) override { std::fprintf(stderr, "erro: %s\n", qPrintable(t)); }
    QString openPictureFile() override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
    void beep() override {}
};

struct Figure {
    double ms = 0;
    double trips = 0;
};

// Median time and round trips of `runs` runs of work (each after `prepare`, not counted).
Figure measure(TLogon& logon, int runs, const std::function<void()>& work,
               const std::function<void()>& prepare = {})
{
    std::vector<double> ms, trips;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        const qint64 t0 = logon.roundTrips();
        const double a = monotonicMs();
        work();
        ms.push_back(monotonicMs() - a);
        trips.push_back(double(logon.roundTrips() - t0));
    }
    return {median(ms), median(trips)};
}

void seedCatalogue(TLogon& logon, int products, int customers)
{
    registers::action(logon, [&] {
        for (int i = 1; i <= products; ++i) {
            const QString code = QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0'));
            const QString name = (i % 100 == 0 ? QStringLiteral("COCA COLA %1") : QStringLiteral("PRODUTO %1")).arg(code);
            registers::run(logon, QStringLiteral("INSERT INTO PRODUTOS (ID, CODIGO, NOME, VALOR, CUSTO, COMPOSICAO, CLAS, UNIDADE) "
                                           "VALUES (GEN_ID(PRODUTOS,1), ?, ?, ?, ?, 'N', '0', 'UN')"),
                     {code, name, registers::value(Decimal::fromCents(100 + i % 5000)), registers::value(Decimal::fromCents(50 + i % 2000))});
            if (i % 10 == 0)
                registers::run(logon, QStringLiteral("INSERT INTO ESTFIC (CODIGO, HISTORICO, ENTRADA) VALUES (?, 'Estoque Inicial', 10)"), {code});
        }
        for (int i = 2; i <= customers; ++i)
            registers::run(logon, QStringLiteral("INSERT INTO CLIENTES (ID, CODIGO, NOME, ENDERECO, FONE) VALUES (GEN_ID(CLIENTE,1), ?, ?, ?, ?)"),
                     {i, QStringLiteral("CLIENTE %1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("RUA %1").arg(i),
                      QStringLiteral("1199%1").arg(i, 5, 10, QLatin1Char('0'))});
    });
}

void report(const char* what, const Figure& f, double roundTrip)
{
    std::printf("  %-52s %9.3f ms  %5.0f idas e voltas  (= %.0f SELECTs triviais)\n", what, f.ms, f.trips,
                roundTrip > 0 ? f.ms / roundTrip : 0.0);
}

void run(const QString& databaseName, const char* where)
{
    TLogon logon;
    if (!logon.connectTo(databaseName)) {
        std::fprintf(stderr, "%s\n", qPrintable(logon.lastError()));
        return;
    }
    const double seedStart = monotonicMs();
    seedCatalogue(logon, 20000, 2000);
    std::printf("%s (catálogo de 20.000 produtos e 2.000 clientes semeado em %.0f ms)\n", where, monotonicMs() - seedStart);

    const Figure trivial = measure(logon, 500, [&] { logon.scalar(QStringLiteral("SELECT 1 FROM RDB$DATABASE")); });
    report("SELECT trivial", trivial, trivial.ms);

    report("abrir a pesquisa de produtos", measure(logon, 30, [&] { TFormLcPro w(logon); }), trivial.ms);
    {
        TFormLcPro w(logon);
        QLineEdit* box = w.findChild<QLineEdit*>(QStringLiteral("searchEdit"));
        const QString letters[] = {QStringLiteral("C"), QStringLiteral("CO"), QStringLiteral("COC")};
        const char* labels[] = {"  1a letra (C)", "  2a letra (CO)", "  3a letra (COC)"};
        for (int i = 0; i < 3; ++i)
            report(labels[i], measure(logon, 30, [&] { box->setText(letters[i]); },
                                          [&] { box->setText(i ? letters[i - 1] : QString()); }), trivial.ms);
        report("  letras sem resultado (XYZ: percorre o catálogo)",
               measure(logon, 30, [&] { box->setText(QStringLiteral("XYZ")); },
                       [&] { box->setText(QStringLiteral("XY")); }), trivial.ms);
    }

    {
        TFormProd w(logon);
        QLineEdit* code = w.findChild<QLineEdit*>(QStringLiteral("codeEdit"));
        int n = 0;
        report("cadastro de produtos: localizar pelo código",
               measure(logon, 50, [&] { code->setText(QString::number(1 + (n++ * 397) % 20000)); w.codeLeft(); }), trivial.ms);
    }
    report("abrir o cadastro de produtos (lista inteira)", measure(logon, 10, [&] { TFormProd w(logon); }), trivial.ms);

    report("abrir a pesquisa de clientes", measure(logon, 30, [&] { TFormBusca w(logon); }), trivial.ms);
    {
        TFormBusca w(logon);
        QLineEdit* box = w.findChild<QLineEdit*>(QStringLiteral("searchEdit"));
        const QString letters[] = {QStringLiteral("C"), QStringLiteral("CL"), QStringLiteral("CLI")};
        const char* labels[] = {"  1a letra (C)", "  2a letra (CL)", "  3a letra (CLI)"};
        for (int i = 0; i < 3; ++i)
            report(labels[i], measure(logon, 30, [&] { box->setText(letters[i]); },
                                          [&] { box->setText(i ? letters[i - 1] : QString()); }), trivial.ms);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    prepareFirebirdEnvironment();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    NoOne noOne;
    setDialogs(&noOne);
    QTemporaryDir root;
    station::setRoot(root.path());
    onEachDatabase(TLogon::databaseNameFor(QString()), [](const char* where, const QString& db) { run(db, where); });
    return 0;
}
