#pragma once
// Ends the program at once when the X server that shows its window goes away, instead of
// letting Xlib call exit(): the exit handlers would then release the window through the
// broken connection, where SDL can wait for a reply for ever or crash.

class DisplayLossHandler
{
public:
	// Called by BaseEngine::initialise() once SDL's video has started. With SDL's "x11" video
	// driver, makes Xlib's fatal connection error print "The display went away: the program
	// ends" on standard error, flush standard output and end the process with status 1 without
	// running any exit handler (nor, in a sanitizer build, the leak check: the program did not
	// end normally). A write to a connection whose server has gone raises SIGPIPE, whose default
	// action would end the process silently before Xlib sees the error; so, from the moment the
	// first window shows, a SIGPIPE handler lets such a write fail, and Xlib reports the loss as
	// above. SIGPIPE from any other write (say to a closed standard output pipe, or to a file
	// that took the connection's number after the program closed its video) still ends the
	// process as the default action does, and a handler or SIG_IGN that the program set for
	// SIGPIPE before initialise() is kept. With any other driver it does nothing. Calling it
	// again changes nothing.
	static void installForCurrentVideoDriver();
};
