#pragma once

// The start of tavoro-web: reads the counter's settings, opens the hall for
// reading and serves the owner's view until stopped; non-zero when it cannot.
int ownerViewMain(int argc, char* argv[]);
