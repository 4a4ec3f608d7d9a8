#include "support/Unprivileged.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {
constexpr uid_t Nobody = 65534;
} // namespace

TUnprivilegedUser::TUnprivilegedUser() : changed_(geteuid() == 0 && seteuid(Nobody) == 0) {}

TUnprivilegedUser::~TUnprivilegedUser()
{
    if (changed_) {
        EXPECT_EQ(seteuid(0), 0);
    }
}
