// The frame tests' fixture, built into this test program too: the search commands are tried
// on a real main frame.
#include "frame/FrameFixture.cpp"
