#pragma once

// Watches for the first top-level window to reach the screen (exposed and painted once),
// then prints the wall-clock time of that moment in nanoseconds ("on-screen <ns>") and
// ends the process at once: what the start-up costs, without the teardown.
void ExitWhenFirstWindowIsOnScreen();
