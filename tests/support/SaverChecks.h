#pragma once
// Checks shared by the tests of every saver: a save leaves what a plain write would leave, and
// nothing standing at the temporary file's name stalls or spoils it. path is the file the
// saver writes, in a directory the test alone uses and removes; save makes it write the same
// contents on every call.

#include <functional>
#include <string>

// The file keeps its mode; a file that cannot be opened for writing is left as it was,
// silently; a symbolic link stays and its target gets the contents.
void expectSaveKeepsWhatAPlainWriteKeeps(const std::string& path, const std::function<void()>& save);

// A pipe nobody reads at the temporary file's name neither stops the save nor spoils the file.
void expectSaveIgnoresAPipeAtTheTemporaryName(const std::string& path, const std::function<void()>& save);
