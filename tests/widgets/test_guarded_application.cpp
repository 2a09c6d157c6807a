// The application's guard: an exception that no handler caught ends only the
// event it came from; the error box tells it and the program goes on.
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "core/GuardedApplication.h"
#include "core/AmountReader.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// A field whose key handler computes with what was typed, without a guard of its own.
class Careless : public QLineEdit {
public:
    int handled = 0;
protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        QLineEdit::keyPressEvent(e);
        ++handled;
        if (text() == QLatin1String("x"))
            throw std::runtime_error("falha ao gravar");
        if (text().size() > 3)
            (void)(Decimal(4'000'000) * Decimal(4'000'000));   // too large to compute
        if (text() == QLatin1String("?"))
            throw 42;
    }
};

} // namespace

TEST(GuardedApplication, AnExceptionReachingTheEventLoopBecomesAMessageAndTheProgramGoesOn)
{
    ASSERT_NE(dynamic_cast<GuardedApplication*>(QCoreApplication::instance()), nullptr);
    ScriptedDialogs ui;
    Careless field;
    QTest::keyClicks(&field, "1234");
    ASSERT_EQ(ui.errors.size(), 1);
    EXPECT_EQ(ui.errors[0], interruptedActionText(nullptr) + QStringLiteral("\nUm número grande demais para ser calculado foi informado."));

    field.clear();
    QTest::keyClicks(&field, "x");
    ASSERT_EQ(ui.errors.size(), 2);
    EXPECT_TRUE(ui.errors[1].endsWith(QStringLiteral("falha ao gravar"))) << ui.errors[1].toStdString();

    field.clear();
    QTest::keyClicks(&field, "?");
    ASSERT_EQ(ui.errors.size(), 3);
    EXPECT_EQ(ui.errors[2], QStringLiteral("A operação foi interrompida e o programa continua."));

    // The field still takes keys, and a timer's slot that throws is caught the same way.
    field.clear();
    QTest::keyClicks(&field, "12");
    EXPECT_EQ(field.text(), QStringLiteral("12"));
    bool ran = false;
    QTimer::singleShot(0, &field, [&] {
        ran = true;
        throw std::overflow_error("Decimal: valor fora da faixa");
    });
    QTest::qWait(20);
    EXPECT_TRUE(ran);
    EXPECT_EQ(ui.errors.size(), 4);
}
