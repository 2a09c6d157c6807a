#include "finance/StaffPicker.h"

#include "registers/RegisterCommon.h"

#include <QComboBox>
#include <QLabel>

StaffPicker::StaffPicker(TLogon& logon, QComboBox* list, QLabel* balance)
    : QObject(list)
    , m_logon(logon)
    , m_list(list)
    , m_balance(balance)
{
    m_list->addItem(QString(), qlonglong(0));
    registers::attempt([&] {
        for (const StaffMember& m : StaffVouchers(logon).staff())
            m_list->addItem(m.name, m.code);
    });
    m_list->setCurrentIndex(0);
    m_balance->clear();
    QObject::connect(m_list, &QComboBox::currentIndexChanged, this, [this] { showBalance(); });
}

qint64 StaffPicker::chosenCode() const { return m_list->currentData().toLongLong(); }
QString StaffPicker::chosenName() const { return m_list->currentText(); }

void StaffPicker::choose(qint64 code)
{
    m_list->setCurrentIndex(std::max(0, m_list->findData(qlonglong(code))));
}

void StaffPicker::showBalance()
{
    if (chosenCode() == 0) {
        m_balance->clear();
        return;
    }
    registers::attempt([&] { m_balance->setText(StaffVouchers::balanceText(StaffVouchers(m_logon).balance(chosenCode()))); });
}

void StaffPicker::clearBalance() { m_balance->clear(); }
