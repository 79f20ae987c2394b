#pragma once
// The upper bound of a wait for an event of another process or of the event loop: met at once on
// an idle machine, it still holds on one busy with other builds, and only a fault reaches it.
constexpr int kGeduldMs = 60000;
