#pragma once
// The fixture of the cash-shift back office's tests: a fresh station with the
// shift seeds::sellAShift sells through the real closings, and the dialogs answered
// by a script.
#include "CashOfficeSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"

#include <gtest/gtest.h>

class SoldShiftTest : public ::testing::Test {
protected:
    void SetUp() override { shift = seeds::sellAShift(st); }
    TLogon& l() { return st.logon(); }
    TestStation st;
    ScriptedDialogs ui;
    seeds::ShiftOfSales shift;
};
