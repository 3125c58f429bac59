#pragma once

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <functional>

namespace zandoli::testing {

// The user id a child takes to run checks for which file rights must hold.
inline constexpr uid_t NOBODY = 65534;

// Runs `checks` in a child process, after `prepare` there (say, a limit on
// the size of files), and as an ordinary user when `ordinary` asks for one:
// root may write anywhere, so under root (as on CI) the child becomes
// "nobody" first. The child's failures are printed as usual and come back
// as its exit status.
inline void inChild(
    const std::function<void()>& checks, bool ordinary,
    const std::function<void()>& prepare = [] {}) {
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        prepare();
        if (ordinary && geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(NOBODY) != 0 || setuid(NOBODY) != 0)) {
            _exit(2);
        }
        checks();
        std::fflush(nullptr);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "failed in the child (uid " << (ordinary ? NOBODY : geteuid()) << "): " << status;
}

// Runs the checks as an ordinary user: in this process unless it is root's.
inline void asOrdinaryUser(const std::function<void()>& checks) {
    if (geteuid() != 0) {
        return checks();
    }
    inChild(checks, true);
}

}  // namespace zandoli::testing
