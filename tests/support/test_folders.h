// Folders for the files a test writes. Every one lies under this test process's own
// temporary folder, made afresh at its first use and removed when the process ends,
// so that test runs side by side on one machine never share a file, and nothing an
// earlier run left (a stand-in of an older size, a save) is read again.
#pragma once

#include <filesystem>
#include <string>

namespace tq::testing {

// The folder `name` under this process's temporary folder, created if missing: the
// same folder for the same name throughout the process.
std::filesystem::path TestFolder(const std::string& name);

// A new, empty folder under this process's temporary folder whose name starts with
// `prefix`: a different one at every call.
std::filesystem::path FreshTestFolder(const std::string& prefix);

}  // namespace tq::testing
