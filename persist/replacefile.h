// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Writes `text` as the whole content of the file `name`, so that a failed or interrupted write
// never leaves it half written: the text goes into a fresh file beside the target, which then
// takes the target's place in a single rename. A symbolic link is followed and stays a link; an
// existing file keeps its permissions. Where no file can be made beside the target (a folder the
// player cannot write) but the target itself is writable, the text is written into it in place.
// Returns 0, or the errno of the step that failed; on failure the old content is kept.
int replacefile(const std::string& name, const std::string& text);
