#pragma once

#include <QString>

#include "notes/notes_model.h"

namespace strumix {

// What could not be read on the page and is left out of an export, in words a user can
// follow: the staff, measure, note column and string of each cell, the place of other marks,
// and why. Empty when everything was read.
QString unread_report(const PageNotes& notes);

}  // namespace strumix
