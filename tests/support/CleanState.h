#pragma once
#include <memory>

#include <gtest/gtest.h>

class TFakeDialogs;

// Gives every test the application as a program starts with it, whatever the tests before
// it left behind: no forms, the default format settings and every replaceable service
// (shell, program starter, HTTP, ICMP echo, clock, serial ports, beeper, pop-up menus) at
// its default.
// Behind the test's own fakes a dialog fake answers every dialog, so that a dialog nobody
// expected fails the test instead of waiting for a user who never comes. What a test
// leaves to the event loop (deferred frees, posted messages) runs before the next starts.
class TCleanApplicationState : public testing::EmptyTestEventListener {
public:
    TCleanApplicationState();
    ~TCleanApplicationState() override;

    void OnTestStart(const testing::TestInfo& test) override;
    void OnTestEnd(const testing::TestInfo& test) override;

private:
    std::unique_ptr<TFakeDialogs> dialogs_;
};
