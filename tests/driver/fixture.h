// The fixture every driver test starts from: a clean registry, Wine set to
// Windows 95, and a scratch folder of the test's own; afterwards no launcher
// or stand-in is left running and the registry is clean again.
#pragma once

#include "driver.h"

#include <gtest/gtest.h>

#include <string>

// Names each case of a parameterised test after its table row's name.
struct CaseName {
    template <class Case> std::string operator()(const testing::TestParamInfo<Case>& info) const
    {
        return info.param.name;
    }
};

class DriverTest : public testing::Test {
protected:
    void SetUp() override
    {
        drv::SetWineVersion("win95");
        drv::CleanRegistry();
        drv::CreateReleaseEvent();
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "." + info->name();
        for (char& c : name)
            if (c == '/' || c == '\\' || c == ':')
                c = '_';
        scratch = drv::Join(drv::WorkRoot(), name);
        drv::RemoveTree(scratch);
        drv::MakeDirs(scratch);
    }

    void TearDown() override
    {
        launcher.Kill();
        drv::ReleaseStandIns();
        for (const std::string& exe : standIns)
            for (const drv::Record& r : drv::Records(exe))
                if (!drv::WaitForProcessEnd(r.pid, 5000))
                    drv::KillProcess(r.pid);
        drv::DestroyReleaseEvent();
        drv::CleanRegistry();
        drv::SetWineVersion("win95");
        if (!HasFailure())
            drv::RemoveTree(scratch);
    }

    // Places a stand-in and remembers it, so that TearDown waits for it.
    void StandIn(const std::string& exePath, bool hold = false, DWORD exitCode = 0)
    {
        drv::PlaceStandIn(exePath, hold, exitCode);
        standIns.push_back(exePath);
    }

    std::string scratch;
    drv::Launcher launcher;
    std::vector<std::string> standIns;
};
