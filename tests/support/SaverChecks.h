#pragma once
// Checks shared by the tests of every saver: a save leaves what a plain write would leave, and
// nothing standing at the temporary file's name stalls or spoils it. path is the file the
// saver writes, in a directory the test alone uses and removes; save makes it write the same
// contents on every call.

#include <functional>
#include <string>

// The file keeps its mode, its second hard link, and (for a saver run as root) its owner and
// group; a file in a directory the saver may not write is saved all the same; a file that
// cannot be opened for writing is left as it was, and the saver prints unwritableReport about
// it (nothing where it is empty); a symbolic link stays and its target gets the contents.
void expectSaveKeepsWhatAPlainWriteKeeps(
	const std::string& path, const std::function<void()>& save, const std::string& unwritableReport);

// A pipe nobody reads at the temporary file's name neither stops the save nor spoils the file.
void expectSaveIgnoresAPipeAtTheTemporaryName(const std::string& path, const std::function<void()>& save);

// Two savers saving the file at once never let a reader find it missing, empty or cut, nor
// leave it so when both are killed together; a later save clears what they left.
void expectRacingOrKilledSaversNeverSpoilTheFile(const std::string& path, const std::function<void()>& save);

// Under umask 000 no file the save opens or creates in the directory is ever open to more
// than the 0600 file, not even when the directory hands down an access list to new files;
// a new file still gets what a plain write gives it. Skipped where opens cannot be watched.
void expectSaveOpensNothingToMoreThanTheFile(const std::string& path, const std::function<void()>& save);

// A file mounted over the path (as containers do) gets the contents. Skipped where the test
// may not mount.
void expectSaveWritesThroughAFileMountedOverIt(const std::string& path, const std::function<void()>& save);

// On a full disk where the old file's own space holds the contents, the save lands there;
// with no old file it fails, leaving nothing, and the saver prints fullDiskReport (nothing
// where it is empty). Skipped where the test may not mount.
void expectSaveLandsInTheOldFilesSpaceOnAFullDisk(
	const std::string& path, const std::function<void()>& save, const std::string& fullDiskReport);

// Another program's read lease on the file, given up once it is told the lease is being
// broken, delays the save but does not stop it.
void expectSaveWaitsForALeaseToBeGivenUp(const std::string& path, const std::function<void()>& save);

// A directory another program holds locked for longer than a save waits still gets the save.
void expectSaveWritesPastADirectoryHeldLocked(const std::string& path, const std::function<void()>& save);

// Runs save with every write that would grow a file failing, as on a full disk.
void saveOnAFullDisk(const std::function<void()>& save);
