#pragma once
// Ends the program at once when the X server that shows its window goes away, instead of
// letting Xlib call exit(): the exit handlers would then release the window through the
// broken connection, where SDL can wait for a reply for ever or crash.

class DisplayLossHandler
{
public:
	// Called by BaseEngine::initialise() once SDL's video has started. With SDL's "x11"
	// video driver, makes Xlib's fatal connection error print "The display went away: the
	// program ends" on standard error, flush standard output and end the process with status
	// 1 without running any exit handler (nor, in a sanitizer build, the leak check: the
	// program did not end normally). With any other driver it does nothing. Calling it again
	// changes nothing.
	static void installForCurrentVideoDriver();
};
