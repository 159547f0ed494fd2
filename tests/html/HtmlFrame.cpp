// The frame tests' fixture, built into this test program too: the export is tried on a real
// main frame.
#include "frame/FrameFixture.cpp"
