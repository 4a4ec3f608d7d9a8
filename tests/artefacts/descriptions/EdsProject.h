#pragma once
#include <gtest/gtest.h>

#include <string>

#include "platform/rtl/DateUtils.h"
#include "support/TestFiles.h"
#include "workspace/UComon.h"

// A project whose two rule files the EDS generator reads, pointed at a temporary directory
// unless a test points them elsewhere, and a fixed clock; both put back afterwards.
class EdsProject : public ::testing::Test {
protected:
    void SetUp() override
    {
        File_PDO_CANopen = dir.File("PDO_CANopen.xml");
        File_SDO_Server_CANopen = dir.File("SDO_Server_CANopen.xml");
        SetClock([] { return EncodeDate(2024, 3, 7) + EncodeTime(9, 30, 0, 0); });
    }
    void TearDown() override
    {
        File_PDO_CANopen = savedPdo;
        File_SDO_Server_CANopen = savedSdo;
        SetClock({});
    }

    TempDir dir;
    std::string output = dir.File("out.eds");

private:
    std::string savedPdo = File_PDO_CANopen;
    std::string savedSdo = File_SDO_Server_CANopen;
};
