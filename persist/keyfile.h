// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>

// A small file of "key=value" lines under "[section]" headers, the form desktop programs keep
// their window's state in. Opened by its plain name in the working directory, so that a folder
// named in bytes that are no text is still the folder used.
using keyvalues = std::map<std::string, std::string>;  // "section/key" to its value

// The values as far as the file makes sense: lines that are neither a header nor a key with "="
// are passed over. Empty for a file that is missing, unreadable or larger than any such file.
keyvalues readkeyfile(const char* name);

// Writes the values, by section, as the whole file (as replacefile() does). Returns 0, or the
// errno of the step that failed.
int writekeyfile(const char* name, const keyvalues& values);
