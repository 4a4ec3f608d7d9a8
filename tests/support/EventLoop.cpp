#include "support/EventLoop.h"

#include <chrono>
#include <thread>

#include "platform/ui/Forms.h"

bool Run_Loop_Until(const std::function<bool()>& condition)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition() && std::chrono::steady_clock::now() < giveUp) {
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return condition();
}
