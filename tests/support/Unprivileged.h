#pragma once

// Acts as a user whom the system holds to the files' permissions, for as long as it lives:
// root reads, writes and creates anything, so a test of what an ordinary user meets takes
// the effective user "nobody" where the tests run as root. Elsewhere it changes nothing.
class TUnprivilegedUser {
public:
    TUnprivilegedUser();
    ~TUnprivilegedUser();
    TUnprivilegedUser(const TUnprivilegedUser&) = delete;
    TUnprivilegedUser& operator=(const TUnprivilegedUser&) = delete;

private:
    bool changed_;
};
